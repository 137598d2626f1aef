#include "ui/main/TForm_Einstellungen.h"

#include "archive/TAblage.h"
#include "archive/TAblageeinstellung.h"
#include "ui/shared/Slotschutz.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TForm_Einstellungen::TForm_Einstellungen(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_Einstellungen"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    const TAblageeinstellung E = TAblageeinstellung::Lesen();

    m_Lokal = new QRadioButton(QStringLiteral("auf diesem Rechner"), this);
    m_Lokal->setObjectName(QStringLiteral("Radio_Lokal"));
    m_Server = new QRadioButton(QStringLiteral("auf einem Server"), this);
    m_Server->setObjectName(QStringLiteral("Radio_Server"));
    (E.Server ? m_Server : m_Lokal)->setChecked(true);
    auto* Art = new QHBoxLayout;
    Art->addWidget(m_Lokal);
    Art->addWidget(m_Server);
    Art->addStretch(1);

    m_Host = new QLineEdit(E.Host, this);
    m_Host->setObjectName(QStringLiteral("Edit_Server"));
    m_Host->setPlaceholderText(QStringLiteral("z. B. server.firma.lan"));
    m_Port = new QSpinBox(this);
    m_Port->setObjectName(QStringLiteral("Spin_Port"));
    m_Port->setRange(1, 65535);
    m_Port->setValue(E.Port);
    m_Datenbank = new QLineEdit(E.Datenbank, this);
    m_Datenbank->setObjectName(QStringLiteral("Edit_Datenbank"));
    m_Benutzer = new QLineEdit(E.Benutzer, this);
    m_Benutzer->setObjectName(QStringLiteral("Edit_Benutzer"));
    m_Passwort = new QLineEdit(TAblageeinstellung::Sitzungspasswort(), this);
    m_Passwort->setObjectName(QStringLiteral("Edit_Passwort"));
    m_Passwort->setEchoMode(QLineEdit::Password);
    m_Passwort->setPlaceholderText(QStringLiteral("aus ~/.pgpass"));
    m_Sslmode = new QComboBox(this);
    m_Sslmode->setObjectName(QStringLiteral("CB_Sslmode"));
    m_Sslmode->addItem(QStringLiteral("wenn der Server sie anbietet (prefer)"), QStringLiteral("prefer"));
    m_Sslmode->addItem(QStringLiteral("immer (require)"), QStringLiteral("require"));
    m_Sslmode->setCurrentIndex(E.Sslmode == QLatin1String("require") ? 1 : 0);

    auto* Felder = new QFormLayout;
    Felder->addRow(QStringLiteral("Server:"), m_Host);
    Felder->addRow(QStringLiteral("Port:"), m_Port);
    Felder->addRow(QStringLiteral("Datenbank:"), m_Datenbank);
    Felder->addRow(QStringLiteral("Benutzer:"), m_Benutzer);
    Felder->addRow(QStringLiteral("Passwort:"), m_Passwort);
    Felder->addRow(QStringLiteral("Verschlüsselung (TLS):"), m_Sslmode);

    auto* Hinweis = new QLabel(QStringLiteral("Das Passwort gilt nur, bis das Programm endet, und wird nirgends "
                                              "gespeichert; auf Dauer steht es in ~/.pgpass."),
                               this);
    Hinweis->setWordWrap(true);

    m_Pruefen = new QPushButton(QStringLiteral("Verbindung prüfen"), this);
    m_Pruefen->setObjectName(QStringLiteral("Button_Pruefen"));
    m_Ergebnis = new QLabel(this);
    m_Ergebnis->setObjectName(QStringLiteral("Label_Ergebnis"));
    m_Ergebnis->setWordWrap(true);
    m_Ergebnis->setTextFormat(Qt::PlainText);
    m_Ergebnis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* Pruefzeile = new QHBoxLayout;
    Pruefzeile->addWidget(m_Pruefen, 0, Qt::AlignTop);
    Pruefzeile->addWidget(m_Ergebnis, 1);

    auto* Gruppe = new QGroupBox(QStringLiteral("Ablage"), this);
    auto* Innen = new QVBoxLayout(Gruppe);
    Innen->addLayout(Art);
    Innen->addLayout(Felder);
    Innen->addWidget(Hinweis);
    Innen->addLayout(Pruefzeile);

    auto* Aussen = new QVBoxLayout(this);
    Aussen->addWidget(Gruppe);
    const QString Umgebung = qEnvironmentVariable("QUADROLIS_ABLAGE").trimmed();
    if (!Umgebung.isEmpty()) {
        auto* Vorrang = new QLabel(QStringLiteral("Die Umgebungsvariable QUADROLIS_ABLAGE ist gesetzt und gilt statt "
                                                  "dieser Einstellung: %1")
                                       .arg(TAblagedialekt::Anzeigename(Umgebung)),
                                   this);
        Vorrang->setObjectName(QStringLiteral("Label_Umgebung"));
        Vorrang->setWordWrap(true);
        Vorrang->setTextFormat(Qt::PlainText);
        Aussen->addWidget(Vorrang);
    }
    auto* Knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    Aussen->addWidget(Knoepfe);

    Slotschutz::Verbinden(Knoepfe, &QDialogButtonBox::accepted, this, &TForm_Einstellungen::accept);
    Slotschutz::Verbinden(Knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Slotschutz::Verbinden(m_Server, &QRadioButton::toggled, this, &TForm_Einstellungen::Art_Gewechselt);
    Slotschutz::Verbinden(m_Pruefen, &QPushButton::clicked, this, &TForm_Einstellungen::Verbindung_Pruefen);
    Art_Gewechselt();
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("x")) * 70);
}

void TForm_Einstellungen::Art_Gewechselt()
{
    const bool Server = m_Server->isChecked();
    for (QWidget* Feld : std::initializer_list<QWidget*>{m_Host, m_Port, m_Datenbank, m_Benutzer, m_Passwort,
                                                         m_Sslmode})
        Feld->setEnabled(Server);
    m_Ergebnis->clear();
}

TAblageeinstellung TForm_Einstellungen::Einstellung() const
{
    TAblageeinstellung E;
    E.Server = m_Server->isChecked();
    E.Host = m_Host->text().trimmed();
    E.Port = m_Port->value();
    E.Datenbank = m_Datenbank->text().trimmed();
    E.Benutzer = m_Benutzer->text().trimmed();
    E.Sslmode = m_Sslmode->currentData().toString();
    return E;
}

void TForm_Einstellungen::Verbindung_Pruefen()
{
    m_Ergebnis->setText(QStringLiteral("Verbindung wird geprüft …"));
    m_Ergebnis->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString Ergebnis;
    try {
        const TAblageeinstellung E = Einstellung();
        TAblage::Pruefen(E.Server ? E.Uri(m_Passwort->text()) : TAblage::Standardpfad());
        Ergebnis = QStringLiteral("Die Verbindung gelingt; die Ablage kann benutzt werden.");
    } catch (const EFehler& F) {
        Ergebnis = F.Meldung();
    }
    QApplication::restoreOverrideCursor();
    m_Ergebnis->setText(Ergebnis);
}

void TForm_Einstellungen::accept()
{
    Einstellung().Schreiben();
    TAblageeinstellung::Sitzungspasswort() = m_Passwort->text();
    QDialog::accept();
}
