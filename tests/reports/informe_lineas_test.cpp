#include <QFontMetricsF>
#include <gtest/gtest.h>

#include "reports/pagina_listado.h"

// The listings are laid out in 116 columns; the text font of the line report must fit them
// inside its frame (x 60 to 1940), or the amounts at the right are cut off.
TEST(PaginaListado, OneHundredAndSixteenColumnsFitTheLineReportFrame)
{
    const QFontMetricsF fm(pagina_listado::FuenteCourier(29));
    const qreal ancho = fm.horizontalAdvance(QString(116, u'0'));
    EXPECT_LE(ancho, 1880);
    EXPECT_GT(ancho, 1500);   // and it is not shrunk for it
    EXPECT_NEAR(fm.height(), 29, 1.5);   // the font is sized by its cell, as the layout gives it
}
