#include "properties/campos_sepa_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/esquema.h"
#include "properties/cuenta_sepa.h"
#include "properties/inmuebles.h"
#include "properties/propietarios.h"
#include "util/errores.h"
#include "util/iban.h"
#include "util/texto_sepa.h"

namespace {

QLineEdit* Campo(QWidget* parent, const char* columna, int ancho)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(columna));
    e->setMaxLength(ancho);
    return e;
}

void CamposCuenta(QWidget* parent, CamposSepa& c)
{
    // Shown in groups of four: the spaces are not stored.
    c.iban = Campo(parent, "iban", kLongitudIban + kLongitudIban / 4);
    c.iban->setPlaceholderText(QStringLiteral("ES00 0000 0000 0000 0000 0000"));
    c.bic = Campo(parent, "bic", kLongitudBic);
    c.bic->setPlaceholderText(QStringLiteral("opcional"));
}

}  // namespace

QGroupBox* GrupoSepaPropietario(QWidget* parent, CamposSepa& c)
{
    auto* g = new QGroupBox(QStringLiteral("SEPA"), parent);
    CamposCuenta(g, c);
    c.idAcreedor = Campo(g, "id_acreedor", kLongitudMandato);
    c.idAcreedor->setPlaceholderText(QStringLiteral("se calcula a partir del NIF"));
    auto* l = new QGridLayout(g);
    l->addWidget(new QLabel(QStringLiteral("IBAN"), g), 0, 0);
    l->addWidget(c.iban, 0, 1);
    l->addWidget(new QLabel(QStringLiteral("BIC"), g), 0, 2);
    l->addWidget(c.bic, 0, 3);
    l->addWidget(new QLabel(QStringLiteral("Id. acreedor"), g), 1, 0);
    l->addWidget(c.idAcreedor, 1, 1);
    return g;
}

void MostrarSepa(const CamposSepa& c, const FichaPropietario& d)
{
    c.iban->setText(IbanAgrupado(d.iban));
    c.bic->setText(d.bic);
    c.idAcreedor->setText(d.id_acreedor);
}

void LeerSepa(const CamposSepa& c, FichaPropietario& d)
{
    d.iban = c.iban->text();
    d.bic = c.bic->text();
    d.id_acreedor = c.idAcreedor->text();
}

QGroupBox* GrupoSepaInmueble(QWidget* parent, CamposSepa& c, QLineEdit* codref)
{
    auto* g = new QGroupBox(QStringLiteral("SEPA"), parent);
    CamposCuenta(g, c);
    auto* mandato = new QGroupBox(QStringLiteral("Mandato"), g);
    c.mandatoRef = Campo(mandato, "mandato_ref", kLongitudMandato);
    c.mandatoFecha = Campo(mandato, "mandato_fecha", 10);
    c.mandatoFecha->setPlaceholderText(QStringLiteral("DD/MM/AAAA"));
    c.mandatoFecha->setToolTip(QStringLiteral("Fecha de firma del mandato"));
    c.mandatoTipo = new QComboBox(mandato);
    c.mandatoTipo->setObjectName(QStringLiteral("mandato_tipo"));
    c.mandatoTipo->addItems({QStringLiteral("Recurrente"), QStringLiteral("Un solo cobro")});
    c.mandatoUltimo = new QCheckBox(QStringLiteral("Último cobro"), mandato);
    c.mandatoUltimo->setObjectName(QStringLiteral("mandato_ultimo"));
    auto* proponer = new QPushButton(QStringLiteral("Proponer"), mandato);
    proponer->setAutoDefault(false);
    proponer->setToolTip(QStringLiteral("Una referencia hecha del código del inmueble y de la fecha de firma"));
    QObject::connect(proponer, &QPushButton::clicked, mandato, [c, codref] {
        QDate firma = QDate::fromString(c.mandatoFecha->text().trimmed(), QStringLiteral("dd/MM/yyyy"));
        if (!firma.isValid()) {
            firma = QDate::currentDate();
            c.mandatoFecha->setText(firma.toString(QStringLiteral("dd/MM/yyyy")));
        }
        c.mandatoRef->setText(MandatoPropuesto(codref ? codref->text() : QString(), firma));
    });
    // Two rows: the card's tallest column must still fit a laptop screen.
    auto* m = new QGridLayout(mandato);
    m->addWidget(new QLabel(QStringLiteral("Referencia"), mandato), 0, 0);
    m->addWidget(c.mandatoRef, 0, 1, 1, 2);
    m->addWidget(proponer, 0, 3);
    m->addWidget(new QLabel(QStringLiteral("Firma"), mandato), 1, 0);
    m->addWidget(c.mandatoFecha, 1, 1);
    m->addWidget(c.mandatoTipo, 1, 2);
    m->addWidget(c.mandatoUltimo, 1, 3);

    auto* l = new QGridLayout(g);
    l->addWidget(new QLabel(QStringLiteral("IBAN"), g), 0, 0);
    l->addWidget(c.iban, 0, 1);
    l->addWidget(new QLabel(QStringLiteral("BIC"), g), 0, 2);
    l->addWidget(c.bic, 0, 3);
    l->addWidget(mandato, 1, 0, 1, 4);
    return g;
}

void MostrarSepa(const CamposSepa& c, const FichaInmueble& d)
{
    c.iban->setText(IbanAgrupado(d.iban));
    c.bic->setText(d.bic);
    c.mandatoRef->setText(d.mandato_ref);
    c.mandatoFecha->setText(d.mandato_fecha.isValid() ? d.mandato_fecha.toString(QStringLiteral("dd/MM/yyyy"))
                                                      : QString());
    c.mandatoTipo->setCurrentIndex(d.mandato_tipo == kMandatoUnico ? 1 : 0);
    c.mandatoUltimo->setChecked(d.mandato_ultimo);
}

void LeerSepa(const CamposSepa& c, FichaInmueble& d)
{
    d.iban = c.iban->text();
    d.bic = c.bic->text();
    d.mandato_ref = c.mandatoRef->text().trimmed();
    const QString fecha = c.mandatoFecha->text().trimmed();
    const QDate f = QDate::fromString(fecha, QStringLiteral("dd/MM/yyyy"));
    if (!fecha.isEmpty() && !f.isValid())
        throw UserError(QStringLiteral("La fecha de firma del mandato «%1» no es válida. Escríbala como "
                                       "DD/MM/AAAA.").arg(fecha));
    // The stored time of day stays when the date did not change.
    if (!(d.mandato_fecha.isValid() && d.mandato_fecha.date() == f))
        d.mandato_fecha = f.isValid() ? QDateTime(f, QTime(0, 0)) : QDateTime();
    d.mandato_tipo = c.mandatoTipo->currentIndex() == 1 ? kMandatoUnico : kMandatoRecurrente;
    d.mandato_ultimo = c.mandatoUltimo->isChecked();
}
