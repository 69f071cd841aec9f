#include "documents/panel_campos_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "documents/campos_plantilla.h"

namespace {

struct Boton {
    const char* texto;
    int campo;
};

}  // namespace

CPanelCamposWidget::CPanelCamposWidget(QWidget* parent) : QWidget(parent)
{
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    auto* formato = new QGroupBox(QStringLiteral("Formato Variables"), this);
    auto* lf = new QHBoxLayout(formato);
    m_negrita = new QCheckBox(QStringLiteral("Negrita"), formato);
    m_subrayado = new QCheckBox(QStringLiteral("Subrayado"), formato);
    m_negrita->setChecked(true);
    m_subrayado->setChecked(true);
    lf->addWidget(m_negrita);
    lf->addWidget(m_subrayado);
    l->addWidget(formato);

    const auto boton = [this](QWidget* padre, const Boton& b) {
        auto* p = new QPushButton(QString::fromUtf8(b.texto), padre);
        p->setAutoDefault(false);
        p->setToolTip(NombreCampo(b.campo));
        const int k = b.campo;
        connect(p, &QPushButton::clicked, this, [this, k] { emit CampoPedido(k); });
        return p;
    };
    const auto grupo = [&](const char* titulo, std::initializer_list<Boton> botones, int columnas) {
        auto* g = new QGroupBox(QString::fromUtf8(titulo), this);
        auto* lg = new QGridLayout(g);
        int i = 0;
        for (const Boton& b : botones) {
            lg->addWidget(boton(g, b), i / columnas, i % columnas);
            ++i;
        }
        l->addWidget(g);
    };
    grupo("Inmueble", {{"Dirección", 3}, {"Piso", 4}, {"Localidad", 5}, {"CP", 6}, {"Referencia Catastral", 7}}, 2);
    grupo("Fecha", {{"Fecha Contrato", 8}, {"Fecha Actual", 9}}, 2);
    grupo("Arrendador", {{"Nombre", 10}, {"Dirección", 11}, {"Localidad", 12}, {"CP", 13}, {"Nacionalidad", 14},
                         {"Documento", 15}, {"Teléfono", 16}, {"Cuenta", 17}}, 2);
    grupo("Inquilino", {{"Nombre", 18}, {"Dirección", 19}, {"Email", 20}, {"Tlf Casa", 21}, {"Tlf Móvil", 22},
                        {"Cuenta", 23}, {"Documento", 24}, {"Nacionalidad", 25}}, 2);

    // Rent and concepts: a first column, then the amounts in words and in figures.
    auto* renta = new QGroupBox(QStringLiteral("Renta y otros Conceptos"), this);
    auto* lr = new QGridLayout(renta);
    lr->addWidget(new QLabel(QStringLiteral("Letra"), renta), 0, 1, Qt::AlignHCenter);
    lr->addWidget(new QLabel(QStringLiteral("Número"), renta), 0, 2, Qt::AlignHCenter);
    const Boton primera[] = {{"Renta", 26}, {"Concepto 1", 41}, {"Concepto 2", 42}, {"Concepto 3", 43}};
    const Boton letra[] = {{"Renta", 27}, {"Importe 1", 30}, {"Importe 2", 31}, {"Importe 3", 32},
                           {"IVA", 28}, {"IRPF", 29}, {"Total", 33}};
    const Boton numero[] = {{"Renta", 34}, {"Importe 1", 37}, {"Importe 2", 38}, {"Importe 3", 39},
                            {"IVA", 35}, {"IRPF", 36}, {"Total", 40}};
    for (int i = 0; i < 4; ++i)
        lr->addWidget(boton(renta, primera[i]), i + 1, 0);
    for (int i = 0; i < 7; ++i) {
        lr->addWidget(boton(renta, letra[i]), i + 1, 1);
        lr->addWidget(boton(renta, numero[i]), i + 1, 2);
    }
    l->addWidget(renta);
    l->addStretch();
}

bool CPanelCamposWidget::NegritaCampos() const
{
    return m_negrita->isChecked();
}

bool CPanelCamposWidget::SubrayadoCampos() const
{
    return m_subrayado->isChecked();
}
