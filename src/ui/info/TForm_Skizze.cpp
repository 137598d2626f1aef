#include "ui/info/TForm_Skizze.h"

#include "base/Dateifehler.h"
#include "order/TBestellung.h"
#include "sketch/TSkizze.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/shared/TDienste.h"
#include "ui/shared/TSkizzenflaeche.h"
#include "ui/shared/Slotschutz.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString Filter_Png = QStringLiteral("PNG-Bild (*.png)");
const QString Filter_Svg = QStringLiteral("SVG-Grafik (*.svg)");
// The saved and copied sketch: large enough to print, small enough to mail.
const QSize Bildgroesse(800, 800);

} // namespace

TForm_Skizze::TForm_Skizze(TDialogkontext& Kontext, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_Kontext(Kontext)
{
    setObjectName(QStringLiteral("TForm_Skizze"));
    setWindowTitle(QStringLiteral("Skizze"));

    Label_Position = new QLabel(this);
    Label_Position->setObjectName(QStringLiteral("Label_Position"));
    Label_Position->setTextFormat(Qt::PlainText);
    m_Flaeche = new TSkizzenflaeche(this);
    m_Flaeche->setObjectName(QStringLiteral("Skizzenflaeche"));
    m_Flaeche->setMinimumSize(200, 200);
    Button_Kopieren = new QPushButton(QStringLiteral("&Kopieren"), this);
    Button_Kopieren->setObjectName(QStringLiteral("Button_Kopieren"));
    Button_Kopieren->setToolTip(QStringLiteral("Skizze als Bild in die Zwischenablage kopieren"));
    Button_Speichern = new QPushButton(QStringLiteral("&Speichern..."), this);
    Button_Speichern->setObjectName(QStringLiteral("Button_Speichern"));
    Button_Speichern->setToolTip(QStringLiteral("Skizze als PNG oder SVG speichern"));

    auto* Knoepfe = new QHBoxLayout;
    Knoepfe->addStretch();
    Knoepfe->addWidget(Button_Kopieren);
    Knoepfe->addWidget(Button_Speichern);
    auto* Spalte = new QVBoxLayout(this);
    Spalte->addWidget(Label_Position);
    Spalte->addWidget(m_Flaeche, 1);
    Spalte->addLayout(Knoepfe);
    resize(440, 560);

    Slotschutz::Verbinden(Button_Kopieren, &QPushButton::clicked, this, &TForm_Skizze::Button_KopierenClick);
    Slotschutz::Verbinden(Button_Speichern, &QPushButton::clicked, this, &TForm_Skizze::Button_SpeichernClick);
    Aktualisieren();
}

void TForm_Skizze::Aktualisieren()
{
    const TBestellung& B = m_Kontext.Bestellung();
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    const TPosition* Fenster = nullptr;
    if (Zeile >= 0 && Zeile < B.Anzahl_Positionen() && B.Eintrag(Zeile).Positionstyp() == Positionstyp::Fenster)
        Fenster = B.Eintrag(Zeile).Als<TPosition>();
    m_Nummer = Fenster ? Zeile + 1 : 0;
    if (Fenster) {
        Label_Position->setText(Fenster->Bez.isEmpty() ? QStringLiteral("Position %1").arg(m_Nummer)
                                                       : QStringLiteral("Position %1: %2").arg(m_Nummer).arg(Fenster->Bez));
        m_Flaeche->Position_Zeigen(*Fenster);
    } else if (Zeile < 0) {
        Label_Position->setText(QString());
        m_Flaeche->Hinweis_Zeigen(QStringLiteral("Die Bestellung enthält keine Positionen."));
    } else {
        Label_Position->setText(QStringLiteral("Position %1").arg(Zeile + 1));
        m_Flaeche->Hinweis_Zeigen(QStringLiteral("Die gewählte Position ist keine Fensterposition; "
                                                 "nur Fenster haben eine Skizze."));
    }
    Button_Kopieren->setEnabled(Fenster != nullptr);
    Button_Speichern->setEnabled(Fenster != nullptr);
}

void TForm_Skizze::showEvent(QShowEvent* Ereignis)
{
    Aktualisieren();
    QWidget::showEvent(Ereignis);
}

QString TForm_Skizze::Vorschlag() const
{
    return QStringLiteral("Skizze_Position_%1").arg(m_Nummer);
}

void TForm_Skizze::Button_KopierenClick()
{
    if (!m_Flaeche->hatSkizze())
        return;
    QApplication::clipboard()->setImage(TSkizze::Bild(m_Flaeche->Plan(), Bildgroesse));
}

void TForm_Skizze::Button_SpeichernClick()
{
    if (!m_Flaeche->hatSkizze())
        return;
    // The plan is taken now: the dialog runs an event loop in which the selection may change.
    const TSkizzenplan Plan = m_Flaeche->Plan();
    const int Nummer = m_Nummer;
    QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {QStringLiteral("Skizze speichern unter"), Filter_Png + QStringLiteral(";;") + Filter_Svg,
               QStringLiteral("png"), Vorschlag()});
    if (Name.isEmpty())
        return;
    const QString Endung = QFileInfo(Name).suffix().toLower();
    if (Endung != QLatin1String("png") && Endung != QLatin1String("svg"))
        Name += QStringLiteral(".png");
    QByteArray Inhalt;
    QBuffer Puffer(&Inhalt);
    Puffer.open(QIODevice::WriteOnly);
    const bool Gezeichnet = Name.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
        ? TSkizze::Svg_Schreiben(Puffer, Plan, Bildgroesse, QStringLiteral("Position %1").arg(Nummer))
        : QImageWriter(&Puffer, "png").write(TSkizze::Bild(Plan, Bildgroesse));
    const std::optional<QString> Grund =
        Gezeichnet ? Dateifehler::Ersetzen(Name, Inhalt) : QStringLiteral("Die Skizze konnte nicht gezeichnet werden.");
    if (Grund)
        TDienste::Aktuell().Fehler(this, QStringLiteral("Fehler beim Speichern der Skizze ") + Name + u'\n' + *Grund);
}
