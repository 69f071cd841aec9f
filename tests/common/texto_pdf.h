#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>

// The text of a PDF's pages `desde`..`hasta` (0: to the end) as pdftotext reads it, with
// `-layout` when the columns matter. Pages end in a form feed.
inline QString TextoPdf(const QString& ruta, int desde = 1, int hasta = 0, bool columnas = true)
{
    QProcess p;
    QStringList args{QStringLiteral("-f"), QString::number(desde)};
    if (columnas)
        args << QStringLiteral("-layout");
    if (hasta > 0)
        args << QStringLiteral("-l") << QString::number(hasta);
    p.start(QStringLiteral("pdftotext"), args << ruta << QStringLiteral("-"));
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline int PaginasDePdf(const QString& ruta)
{
    return int(TextoPdf(ruta, 1, 0, false).count(u'\f'));
}
