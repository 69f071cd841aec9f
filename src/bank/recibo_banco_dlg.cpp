#include "bank/recibo_banco_dlg.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "settings/ajustes.h"
#include "bank/copias_informe_dlg.h"
#include "bank/impresion_listado_dlg.h"
#include "data/database.h"
#include "data/rutas_salida.h"
#include "receipts/imprimir_recibo_dlg.h"
#include "receipts/llenar_recibo.h"
#include "util/errores.h"
#include "util/formato.h"
#include "widgets/campos_dlg.h"
#include "widgets/campos_widget.h"
#include "widgets/disposicion.h"

namespace {

const QString kTitulo = QStringLiteral("Recibo");

QLineEdit* Campo(QWidget* padre, const QString& texto, int maximo = 0, bool soloLectura = false)
{
    auto* e = new QLineEdit(texto, padre);
    if (maximo > 0)
        e->setMaxLength(maximo);
    e->setReadOnly(soloLectura);
    return e;
}

QDateEdit* Fecha(QWidget* padre, const QDate& d)
{
    auto* e = new QDateEdit(d, padre);
    e->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    e->setCalendarPopup(true);
    return e;
}

}  // namespace

CReciboBancoDlg::CReciboBancoDlg(QWidget* parent, Database& db, const ReciboBancoInmueble& datos,
                                 const QString& docArrendador)
    : QDialog(parent), m_db(db), m_datos(datos), m_docArrendador(docArrendador), m_recibo(datos.recibo)
{
    setWindowTitle(kTitulo);
    const ReciboBanco& r = datos.recibo;
    m_numero = Campo(this, r.numero_recibo ? QString::number(r.numero_recibo) : QString());
    m_numero->setValidator(new QIntValidator(0, 999'999'999, m_numero));
    m_emision = Fecha(this, r.fecha_facturacion);
    m_cobro = Fecha(this, r.fecha_facturacion);

    auto* cabecera = new QFormLayout;
    cabecera->addRow(QStringLiteral("Número"), m_numero);
    cabecera->addRow(QStringLiteral("Fecha Emisión"), m_emision);
    cabecera->addRow(QStringLiteral("Fecha Cobro"), m_cobro);
    cabecera->addRow(QStringLiteral("Dirección"), Campo(this, datos.direccion, 0, true));
    cabecera->addRow(QStringLiteral("Piso"), Campo(this, datos.piso, 0, true));

    const Moneda importes[6] = {r.renta, r.otro_importe1, r.otro_importe2, r.otro_importe3, r.iva, r.irpf};
    for (int i = 0; i < 6; ++i) {
        m_importes[i] = Campo(this, MonedaATexto(importes[i]));
        m_importes[i]->setAlignment(Qt::AlignRight);
        connect(m_importes[i], &QLineEdit::editingFinished, this, &CReciboBancoDlg::ActualizarTotal);
    }
    const QString conceptos[3] = {r.otro_concepto1, r.otro_concepto2, r.otro_concepto3};
    for (int i = 0; i < 3; ++i)
        m_conceptos[i] = Campo(this, conceptos[i], 50);
    m_total = new QLabel(this);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* importesBox = new QGroupBox(this);
    auto* g = new QGridLayout(importesBox);
    g->addWidget(new QLabel(QStringLiteral("Renta mes en curso"), this), 0, 0);
    g->addWidget(m_importes[0], 0, 1);
    for (int i = 0; i < 3; ++i) {
        g->addWidget(m_conceptos[i], 1 + i, 0);
        g->addWidget(m_importes[1 + i], 1 + i, 1);
    }
    g->addWidget(new QLabel(NombreImpuesto1(), this), 4, 0);
    g->addWidget(m_importes[4], 4, 1);
    g->addWidget(new QLabel(QStringLiteral("- IRPF"), this), 5, 0);
    g->addWidget(m_importes[5], 5, 1);
    g->addWidget(new QLabel(QStringLiteral("Total"), this), 6, 0);
    g->addWidget(m_total, 6, 1);

    auto* personas = new QGroupBox(this);
    auto* p = new QGridLayout(personas);
    p->addWidget(new QLabel(QStringLiteral("Nombre"), this), 0, 1);
    p->addWidget(new QLabel(QStringLiteral("Documento"), this), 0, 2);
    p->addWidget(new QLabel(QStringLiteral("Arrendatario"), this), 1, 0);
    p->addWidget(Campo(this, r.nom_arrendatario, 0, true), 1, 1);
    p->addWidget(Campo(this, datos.doc_arrendatario, 0, true), 1, 2);
    p->addWidget(new QLabel(QStringLiteral("Arrendador"), this), 2, 0);
    p->addWidget(Campo(this, datos.arrendador, 0, true), 2, 1);
    p->addWidget(Campo(this, docArrendador, 0, true), 2, 2);

    auto* banco = new QGroupBox(QStringLiteral("Datos Bancarios"), this);
    auto* b = new QGridLayout(banco);
    const QString etiquetas[4] = {QStringLiteral("Banco"), QStringLiteral("Suc"), QStringLiteral("DC"),
                                  QStringLiteral("Cuenta")};
    const QString valores[4] = {r.banco, r.sucursal, r.dc, r.ccc};
    const int anchos[4] = {4, 4, 2, 10};
    for (int i = 0; i < 4; ++i) {
        m_cuenta[i] = Campo(this, valores[i], anchos[i]);
        campos::AnchoDeCodigo(m_cuenta[i], anchos[i]);
        b->addWidget(new QLabel(etiquetas[i], this), 0, i);
        b->addWidget(m_cuenta[i], 1, i);
    }

    auto* botones = new QDialogButtonBox(this);
    auto* generar = botones->addButton(QStringLiteral("&Generar Fichero"), QDialogButtonBox::AcceptRole);
    auto* imprimir = botones->addButton(QStringLiteral("&Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Salir"), QDialogButtonBox::RejectRole);
    generar->setDefault(true);
    connect(botones, &QDialogButtonBox::accepted, this, &CReciboBancoDlg::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &CReciboBancoDlg::reject);
    connect(imprimir, &QPushButton::clicked, this, [this] { Imprimir(); });

    auto* todo = new QVBoxLayout;
    todo->addLayout(cabecera);
    todo->addWidget(importesBox);
    todo->addWidget(personas);
    todo->addWidget(banco);
    FormularioDesplazable(this, todo, botones);
    ActualizarTotal();
    OrdenLectura(this);
}

QDate CReciboBancoDlg::FechaEmision() const
{
    return m_emision->date();
}

QDate CReciboBancoDlg::FechaCobro() const
{
    return m_cobro->date();
}

QString CReciboBancoDlg::Leer(ReciboBanco& r) const
{
    r = m_datos.recibo;
    const QString malo =
        LeerImportes(m_importes, {&r.renta, &r.otro_importe1, &r.otro_importe2, &r.otro_importe3, &r.iva, &r.irpf});
    if (!malo.isEmpty())
        return QStringLiteral("El importe \"%1\" no es una cantidad válida.").arg(malo);
    r.otro_concepto1 = m_conceptos[0]->text();
    r.otro_concepto2 = m_conceptos[1]->text();
    r.otro_concepto3 = m_conceptos[2]->text();
    r.numero_recibo = m_numero->text().trimmed().toLongLong();
    r.fecha_facturacion = m_emision->date();
    r.banco = m_cuenta[0]->text().trimmed();
    r.sucursal = m_cuenta[1]->text().trimmed();
    r.dc = m_cuenta[2]->text().trimmed();
    r.ccc = m_cuenta[3]->text().trimmed();
    return ErrorSumaImportes(r);
}

void CReciboBancoDlg::ActualizarTotal()
{
    ReciboBanco r;
    m_total->setText(Leer(r).isEmpty() ? MonedaATexto(r.Total()) : QString());
}

void CReciboBancoDlg::accept()
{
    ReciboBanco r;
    QString error = Leer(r);
    if (error.isEmpty()) {
        try {
            ComprobarCuentaInmueble(r.banco, r.sucursal, r.dc, r.ccc);
        } catch (const UserError& e) {
            error = e.Mensaje();
        }
    }
    if (!error.isEmpty()) {
        QMessageBox::warning(this, kTitulo, error);
        return;
    }
    m_recibo = r;
    QDialog::accept();
}

void CReciboBancoDlg::Imprimir(QPrinter* impresora)
{
    ReciboBanco r;
    const QString error = Leer(r);
    if (!error.isEmpty()) {
        QMessageBox::warning(this, kTitulo, error);
        return;
    }
    try {
        // The same fill as "Recibo Físico", then what this form reviews over it.
        CImpresionRecibo p = ReciboDeInmueble(m_db, r.ref, r.fecha_facturacion, 1, LeerAjustesRecibo());
        p.texto_numero = r.numero_recibo ? EnteroConPuntos(r.numero_recibo) : QString();
        p.renta = r.renta;
        p.iva = r.iva;
        p.irpf = r.irpf;
        p.otro_importe1 = r.otro_importe1;
        p.otro_importe2 = r.otro_importe2;
        p.otro_importe3 = r.otro_importe3;
        p.otro_concepto1 = r.otro_concepto1;
        p.otro_concepto2 = r.otro_concepto2;
        p.otro_concepto3 = r.otro_concepto3;
        p.texto_domiciliacion = TextoDomiciliacion(r.banco, r.sucursal, r.dc, r.ccc);
        ImprimirRecibo(this, p, impresora);
    } catch (const std::exception& e) {
        QMessageBox::warning(this, kTitulo, TextoError(e));
    }
}

void GenerarReciboBanco(QWidget* parent, Database& db, qint64 refInmueble)
{
    try {
        const ReciboBancoInmueble datos = ReciboDesdeInmueble(db, refInmueble, QDate::currentDate());
        const PropietarioBanco propietario = BuscarPropietarioBanco(db, datos.arrendador);
        CReciboBancoDlg dlg(parent, db, datos, propietario.documento_numero);
        if (dlg.exec() != QDialog::Accepted)
            return;
        auto fichero = CrearFichero(propietario, dlg.FechaEmision(), dlg.FechaCobro(), LeerAjustesBanco());
        if (!fichero->AnadirRecibo(dlg.Recibo())) {
            QMessageBox::warning(parent, kTitulo,
                                 QStringLiteral("No se puede generar el fichero del banco.\n") +
                                     fichero->Excluidos().back().Texto());
            return;
        }
        GuardarFicheroBanco(parent, db.path(), *fichero, propietario.nombre, dlg.FechaEmision(), true);
    } catch (const std::exception& e) {
        QMessageBox::warning(parent, kTitulo, TextoError(e));
    }
}

bool GuardarFicheroBanco(QWidget* parent, const QString& workspace, const CFicheroCuaderno19& fichero,
                         const QString& propietario, const QDate& mes, bool listadoConCeroCopias,
                         const std::function<void()>& trasEscribir)
{
    const QString titulo = QStringLiteral("Fichero Recibos Banco");
    if (!fichero.Excluidos().empty()) {
        QStringList lineas;
        for (const ReciboExcluido& e : fichero.Excluidos())
            lineas << e.Texto();
        const auto respuesta = QMessageBox::warning(
            parent, titulo,
            QStringLiteral("Estos recibos no se pueden cobrar por el banco y quedan fuera del "
                           "fichero:\n\n%1\n\n¿Desea generar el fichero con los demás?")
                .arg(lineas.join(u'\n')),
            QMessageBox::Ok | QMessageBox::Cancel);
        if (respuesta != QMessageBox::Ok)
            return false;
    }
    const QString ruta = RutaGuardar(parent, titulo, CFicheroCuaderno19::NombreFicheroPropuesto(propietario, mes),
                                     QStringLiteral("Facturaciones Cuaderno Folleto 19 (*.pr1)"), QStringLiteral("pr1"));
    if (ruta.isEmpty())
        return false;
    try {
        ComprobarSalidas({workspace}, {ruta});
        fichero.Generar(ruta);
    } catch (const std::exception& e) {
        QMessageBox::critical(parent, titulo, TextoError(e));
        QMessageBox::critical(parent, titulo, QStringLiteral("Error al generar el fichero"));
        return false;
    }
    if (trasEscribir) {
        try {
            trasEscribir();
        } catch (const std::exception& e) {
            // A file whose receipts were not marked would be charged twice: it goes.
            QFile::remove(ruta);
            QMessageBox::critical(parent, titulo,
                                  TextoError(e) + QStringLiteral("\nEl fichero %1 no se ha guardado.").arg(ruta));
            return false;
        }
    }
    CCopiasInformeDlg copias(parent);
    if (copias.exec() == QDialog::Accepted && (listadoConCeroCopias || copias.Copias() > 0))
        ImprimirListadoRemesa(parent, fichero, copias.Copias());
    return true;
}
