#include "ui/main/TForm_Haupt.h"

#include "base/Zahlformat.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "print/TDruckblatt.h"
#include "sheet/Herstellerdaten.h"
#include "sheet/THtmlDatei.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/shared/TZahleingabe.h"
#include "ui/main/TAblageanbindung.h"
#include "archive/Ablageimport.h"
#include "ui/main/TAufAbPfeile.h"
#include "ui/main/TForm_Ablage.h"
#include "ui/main/TForm_Einstellungen.h"
#include "ui/shared/TDienste.h"
#include "ui/main/TOptionenMenue.h"
#include "ui/main/TPositionsmodell.h"
#include "ui/main/TQuadrolisApp.h"
#include "ui/main/TSicherung.h"
#include "ui/main/Zwischenablage.h"
#include "ui/shared/Slotschutz.h"
#include "ui/shared/TEinstellungen.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QCompleter>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPointer>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>
#include <QTableView>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <numeric>
#include <optional>
#include <utility>

namespace {

const QString Frage_Sichern = QStringLiteral(
    "Die Bestellung \"%1\" hat ungesicherte Änderungen.\n\nSollen die Änderungen gespeichert werden?");
const QString Geloescht = QStringLiteral("%1 gelöscht – Strg+Z stellt sie wieder her");
const QString Fehler_Einfuegen = QStringLiteral("Die Positionen in der Zwischenablage können nicht eingefügt werden:\n");
const QString Frage_Wiederherstellen = QStringLiteral(
    "Quadrolis C2 wurde nicht ordnungsgemäß beendet. Eine ungesicherte Bestellung vom %1 um %2 Uhr mit %3%4 "
    "wurde aufbewahrt.\n\nSoll sie wiederhergestellt werden?");
const QString Fehler_Wiederherstellung = QStringLiteral(
    "Die Wiederherstellungsdatei %1 ist beschädigt und wurde nicht geöffnet.\n%2\nSie bleibt als %3 erhalten.");
const QString Fehler_Sicherung = QStringLiteral(
    "Die ungesicherte Bestellung kann nicht zur Wiederherstellung aufbewahrt werden:\n");
const QString Hinweis_Fremdes = QStringLiteral(
    "Im Ordner der Wiederherstellungsdateien liegt etwas, das nicht von Quadrolis C2 stammt; es bleibt unberührt:\n");
const QString Frage_Fremd_Geaendert = QStringLiteral(
    "Die Datei %1 wurde seit dem Öffnen oder letzten Speichern von einem anderen Programm geändert. "
    "Speichern ersetzt diese Änderungen.");
const QString Fehler_Oeffnen = QStringLiteral("Fehler beim Öffnen von ");
const QString Fehler_Speichern = QStringLiteral("Fehler beim Speichern von ");
const QString Blatt_Gespeichert = QStringLiteral(
    " gespeichert! Sie können das Bestellblatt nun öffnen, ausdrucken und zurückfaxen oder einfach per e-Mail "
    "zurücksenden!");
const QString Filter_Bestellung = QStringLiteral("Bestellung (*.dat);;Alle (*)");
const QString Filter_Bestellblatt = QStringLiteral("Bestellblatt (*.htm);;Alle (*)");
const QString Filter_Bestellblatt_PDF = QStringLiteral("Bestellblatt (*.pdf);;Alle (*)");
const QString Fehler_Drucken = QStringLiteral("Das Bestellblatt konnte nicht gedruckt werden.");
const QString Unbenannt = QStringLiteral("Unbenannt");
const QString Kein_Mailprogramm = QStringLiteral(
    "Es ist kein E-Mail-Programm eingerichtet, das die Nachricht übernehmen kann.\n\nDer Ordner mit der "
    "Bestellung und dem Bestellblatt wird jetzt geöffnet; bitte hängen Sie die beiden Dateien selbst an eine "
    "E-Mail an %1 an.");
const QString Datei_Fort = QStringLiteral(
    "Die Datei %1 gibt es nicht mehr. Sie wurde aus der Liste \"Zuletzt geöffnet\" entfernt.");
const QString Davon_Lieferung_Montage = QStringLiteral("davon Lieferung und Montage:");

const QString Schluessel_Geometrie = QStringLiteral("Hauptfenster/Geometrie");
const QString Schluessel_Steuer = QStringLiteral("Umsatzsteuer/ausweisen");
const QString Schluessel_Steuersatz = QStringLiteral("Umsatzsteuer/Satz_Hundertstel");
const QString Schluessel_Zuletzt = QStringLiteral("Zuletzt/Dateien");

QString Heute()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

QString Mit_Grund(const QString& Text, const QString& Grund)
{
    return Grund.isEmpty() ? Text : Text + QLatin1Char('\n') + Grund;
}

QString Prozenttext(std::int32_t Prozent)
{
    return Prozent == 0 ? QString() : QString::number(Prozent);
}

QString Pos(int Zeile)
{
    return QStringLiteral("Pos. ") + QString::number(Zeile + 1);
}

// "Pos. 3" or "Pos. 2, 3, 5".
QString Positionen_Text(const std::vector<int>& Zeilen)
{
    QStringList Nummern;
    for (int Zeile : Zeilen)
        Nummern << QString::number(Zeile + 1);
    return QStringLiteral("Pos. ") + Nummern.join(QStringLiteral(", "));
}

} // namespace

TForm_Haupt::TForm_Haupt(QWidget* parent)
    : QMainWindow(parent)
    , m_Bestellung(std::make_unique<TBestellung>())
    , m_Modell(new TPositionsmodell(this))
    , m_Ui(*this, *m_Modell)
{
    m_Verlauf = new TVerlauf(*m_Bestellung,
                             {[this](const TAenderung& A, bool Rueckwaerts) { Zeilen_Nachfuehren(A, Rueckwaerts); },
                              [this](const TAuswahl& Auswahl) {
                                  Auswahl_Setzen(Auswahl);
                                  Hauptfenster_Aktualisieren();
                              }},
                             this);
    Verbinden();

    NeuePos_Zuruecksetzen();
    NeuePos_Aufbauen();
    m_Ui.CBC_RabattAuswahl->Farben_Zuruecksetzen();
    m_Ui.CBC_RabattAuswahl->Hintergrund_Setzen(0, QColor(166, 202, 240));
    Einstellungen_Lesen();
    Hauptfenster_Aktualisieren();

    Verlauf_Neu(true);
    m_Sicherung = new TSicherung([this]() -> const TBestellung& { return *m_Bestellung; }, QString(), this);
    m_Sicherung->Gesichert();
    Slotschutz::Verbinden(m_Sicherung, &TSicherung::Schreibfehler, this,
                          [this](const QString& Grund) { TDienste::Aktuell().Fehler(this, Fehler_Sicherung + Grund); });
    Slotschutz::Verbinden(m_Sicherung, &TSicherung::Fremdes_Gefunden, this, [this](const QString& Grund) {
        TDienste::Aktuell().Information(this, Hinweis_Fremdes + Grund, false);
    });

    // Order files dropped anywhere on the window open; the edits would take their names as text.
    setAcceptDrops(true);
    for (QWidget* Kind : findChildren<QWidget*>())
        if (Kind->acceptDrops())
            Kind->installEventFilter(this);
}

TForm_Haupt::~TForm_Haupt()
{
    // The controls outlive this part of the window; none of them may reach a
    // handler while they are torn down (a focused field would report leaving).
    for (QObject* Kind : findChildren<QObject*>()) {
        Kind->removeEventFilter(this);
        QObject::disconnect(Kind, nullptr, this, nullptr);
    }
    QObject::disconnect(&m_Verlauf->Stapel(), nullptr, nullptr, nullptr);
}

void TForm_Haupt::Verbinden()
{
    const std::pair<QAction*, void (TForm_Haupt::*)()> Dateipunkte[] = {
        {m_Ui.Oeffnen1, &TForm_Haupt::Oeffnen1Click},
        {m_Ui.Speichern1, &TForm_Haupt::Speichern1Click},
        {m_Ui.Speichernunter1, &TForm_Haupt::Speichernunter1Click},
        {m_Ui.BestellblattPDF1, &TForm_Haupt::Bestellblatt_PDF1Click},
        {m_Ui.Mail1, &TForm_Haupt::Mail1Click},
        {m_Ui.Drucken1, &TForm_Haupt::Drucken1Click},
        {m_Ui.Druckvorschau1, &TForm_Haupt::Druckvorschau1Click},
        {m_Ui.Neu1, &TForm_Haupt::Neu1Click},
        {m_Ui.Beenden1, &TForm_Haupt::Beenden1Click},
        {m_Ui.Variante1, &TForm_Haupt::Variante_Speichern},
        {m_Ui.Ausschneiden1, &TForm_Haupt::Ausschneiden},
        {m_Ui.Kopieren1, &TForm_Haupt::Kopieren},
        {m_Ui.Einfuegen1, &TForm_Haupt::Einfuegen},
        {m_Ui.Duplizieren1, &TForm_Haupt::Duplizieren},
    };
    for (const auto& [Aktion, Handler] : Dateipunkte)
        Slotschutz::Verbinden(Aktion, &QAction::triggered, this, Handler);
    Slotschutz::Verbinden(m_Ui.Rueckgaengig1, &QAction::triggered, this, [this] { m_Verlauf->Rueckgaengig(Auswahl_Lesen()); });
    Slotschutz::Verbinden(m_Ui.Wiederholen1, &QAction::triggered, this, [this] { m_Verlauf->Wiederholen(Auswahl_Lesen()); });
    QUndoStack* Stapel = &m_Verlauf->Stapel();
    const auto Aktion_Nachfuehren = [](QAction* Aktion, const QString& Wort, const QString& Was) {
        Aktion->setText(Was.isEmpty() ? Wort : Wort + QStringLiteral(": ") + Was);
    };
    connect(Stapel, &QUndoStack::undoTextChanged, this,
            [this, Aktion_Nachfuehren](const QString& Was) { Aktion_Nachfuehren(m_Ui.Rueckgaengig1, QStringLiteral("&Rückgängig"), Was); });
    connect(Stapel, &QUndoStack::redoTextChanged, this,
            [this, Aktion_Nachfuehren](const QString& Was) { Aktion_Nachfuehren(m_Ui.Wiederholen1, QStringLiteral("&Wiederholen"), Was); });
    connect(Stapel, &QUndoStack::canUndoChanged, m_Ui.Rueckgaengig1, &QAction::setEnabled);
    connect(Stapel, &QUndoStack::canRedoChanged, m_Ui.Wiederholen1, &QAction::setEnabled);
    connect(Stapel, &QUndoStack::cleanChanged, this, &TForm_Haupt::Titel_Aktualisieren);
    m_Ui.Rueckgaengig1->setEnabled(false);
    m_Ui.Wiederholen1->setEnabled(false);
    m_Ui.StringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    Slotschutz::Verbinden(m_Ui.StringGrid1, &QWidget::customContextMenuRequested, this, &TForm_Haupt::Kontextmenue_Zeigen);
    // Each information entry opens the window of its class.
    const std::pair<QAction*, const char*> Infopunkte[] = {
        {m_Ui.Profilskizzen1, "TForm_Profilskizzen"},
        {m_Ui.Sonderformen1, "TForm_Sonderformen"},
        {m_Ui.Holzarten1, "TForm_Holzarten"},
        {m_Ui.Skizze1, "TForm_Skizze"},
        {m_Ui.TalvernFensterGmbH1, "TAboutBox_Talvern"},
        {m_Ui.berQuadrolis2, "TAboutBox_Quadrolis"},
        {m_Ui.Drehrichtungen1, "TAboutBox_Drehrichtungen"},
        {m_Ui.Abrechnungsvorschlag1, "TAboutBox_abrechnungsvorschlag"},
        {m_Ui.Einfuehrungspreise1, "TForm_Einfuehrungspreise"},
    };
    for (const auto& [Aktion, Klasse] : Infopunkte)
        Slotschutz::Verbinden(Aktion, &QAction::triggered, this, [this, Klasse] { Infofenster_Zeigen(Klasse); });
    Slotschutz::Verbinden(m_Ui.Optionen1, &TOptionenMenue::Zulage_Gewaehlt, this,
                          [this](std::uint32_t Typ, const QString& Vorlage) { NeuePosition_Anlegen(Typ, Vorlage); });

    Slotschutz::Verbinden(m_Ui.CBC_Haupt_NeuePos, &QComboBox::activated, this, &TForm_Haupt::CBC_Haupt_NeuePosChange);
    Slotschutz::Verbinden(m_Ui.Button_Position_Bearbeiten, &QPushButton::clicked, this, &TForm_Haupt::Button_Position_BearbeitenClick);
    Slotschutz::Verbinden(m_Ui.Button_Position_Loeschen, &QPushButton::clicked, this, &TForm_Haupt::Button_Position_LoeschenClick);
    Slotschutz::Verbinden(m_Ui.UpDown1, &TAufAbPfeile::Richtung_Angefragt, this, &TForm_Haupt::UpDown1Changing);
    Slotschutz::Verbinden(m_Ui.Button_Bestellblatt, &QPushButton::clicked, this, &TForm_Haupt::Button_BestellblattClick);
    // Queued: the refresh rebuilds the model, which must not happen inside the
    // view's own mouse or key handling that moved the selection.
    Slotschutz::Verbinden(m_Ui.StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                          &TForm_Haupt::StringGrid1SelectCell, Qt::QueuedConnection);
    Slotschutz::Verbinden(m_Ui.StringGrid1, &QTableView::doubleClicked, this, &TForm_Haupt::Button_Position_BearbeitenClick);
    m_Ui.StringGrid1->installEventFilter(this);
    m_Ui.StringGrid1->viewport()->installEventFilter(this);
    Slotschutz::Verbinden(m_Modell, &TPositionsmodell::Fehler, this, &TQuadrolisApp::Fehler_Melden, Qt::QueuedConnection);

    const std::pair<QLineEdit*, const char*> Kopffelder[] = {
        {m_Ui.Edit_Datum, "Datum"},
        {m_Ui.Edit_Ansprechpartner, "Ansprechpartner"},
        {m_Ui.Edit_Rechnungsempfaenger, "Rechnungsempfänger"},
        {m_Ui.Edit_Telefon, "Telefon"},
        {m_Ui.Edit_Bauvorhaben, "Bauvorhaben"},
    };
    for (const auto& [Feld, Name] : Kopffelder)
        Slotschutz::Verbinden(Feld, &QLineEdit::textChanged, this,
                              [this, Name = QString::fromUtf8(Name)] { Kopfdaten_Uebernehmen(Name); });
    Slotschutz::Verbinden(m_Ui.Edit_Bemerkungen, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_BemerkungenChange);
    Slotschutz::Verbinden(m_Ui.CB_Mit_Nachtext, &QCheckBox::toggled, this, &TForm_Haupt::CB_Mit_NachtextClick);
    Slotschutz::Verbinden(m_Ui.CB_Rabatt, &QCheckBox::toggled, this, &TForm_Haupt::CB_RabattClick);
    Slotschutz::Verbinden(m_Ui.Edit_Rabatt, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_RabattChange);
    Slotschutz::Verbinden(m_Ui.Edit_RabattObjekt, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_RabattObjektChange);
    m_Ui.Edit_Rabatt->installEventFilter(this);
    m_Ui.Edit_RabattObjekt->installEventFilter(this);
    Slotschutz::Verbinden(m_Ui.CBC_RabattAuswahl, &QComboBox::currentIndexChanged, this, &TForm_Haupt::CBC_RabattAuswahlChange);
    Slotschutz::Verbinden(m_Ui.CB_Umsatzsteuer, &QCheckBox::toggled, this, &TForm_Haupt::CB_UmsatzsteuerClick);
    Slotschutz::Verbinden(m_Ui.Edit_UStSatz, &QLineEdit::editingFinished, this, &TForm_Haupt::Edit_UStSatzExit);
}

void TForm_Haupt::Einstellungen_Lesen()
{
    const TEinstellungen E;
    restoreGeometry(E.value(Schluessel_Geometrie).toByteArray());
    m_Steuer_Ausweisen = E.value(Schluessel_Steuer, false).toBool();
    bool Zahl = false;
    const int Satz = E.value(Schluessel_Steuersatz, TUmsatzsteuer::Regelsatz).toInt(&Zahl);
    m_Steuersatz = Zahl && Satz >= 0 && Satz <= 10000 ? Satz : TUmsatzsteuer::Regelsatz;
    m_Ui.CB_Umsatzsteuer->setChecked(m_Steuer_Ausweisen);
    m_Ui.Edit_UStSatz->setText(TUmsatzsteuer{m_Steuersatz}.Satztext());
    for (const QString& Pfad : E.value(Schluessel_Zuletzt).toStringList())
        if (!Pfad.isEmpty() && m_Zuletzt.size() < Zuletzt_Anzahl)
            m_Zuletzt << Pfad;
    Zuletzt_Aufbauen();
}

// ------------------------------------------------------------ seams

TBestellung& TForm_Haupt::Bestellung()
{
    return *m_Bestellung;
}

int TForm_Haupt::Ausgewaehlte_Zeile() const
{
    const int Anzahl = m_Bestellung->Anzahl_Positionen();
    return Anzahl == 0 ? -1 : std::clamp(m_Zeile, 0, Anzahl - 1);
}

void TForm_Haupt::Dialog_Koppeln(std::uint32_t Positionstyp, QWidget* Dialog, std::function<void()> Aktivieren)
{
    m_Dialoge[Positionstyp] = TKopplung{Dialog, std::move(Aktivieren)};
}

void TForm_Haupt::Infofenster_Koppeln(QWidget* Fenster)
{
    m_Infofenster[QByteArray(Fenster->metaObject()->className())] = Fenster;
}

void TForm_Haupt::Infofenster_Zeigen(const char* Klasse)
{
    const auto Gefunden = m_Infofenster.find(QByteArray(Klasse));
    if (Gefunden == m_Infofenster.end())
        return;
    Gefunden->second->show();
    Gefunden->second->raise();
    Gefunden->second->activateWindow();
}

void TForm_Haupt::NeuePos_Zuruecksetzen()
{
    m_NeuePos.Zuruecksetzen();
}

void TForm_Haupt::NeuePos_Sichtbar(std::uint32_t Typ, bool Sichtbar)
{
    m_NeuePos.Sichtbar(Typ, Sichtbar);
}

void TForm_Haupt::NeuePos_Aufbauen()
{
    m_NeuePos.Aufbauen(*m_Ui.CBC_Haupt_NeuePos);
}

QString TForm_Haupt::Raster_Tooltip(const QPoint& Stelle) const
{
    constexpr int Spalte_Bez = 1;
    const QTableView* Raster = m_Ui.StringGrid1;
    const QModelIndex Index = Raster->indexAt(Stelle);
    if (!Index.isValid() || Index.column() != Spalte_Bez)
        return {};
    const QString Text = Index.data(Qt::DisplayRole).toString();
    // The cell's text margins, as the view's style draws them.
    const int Rand = 2 * (Raster->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Raster) + 1);
    const int Platz = Raster->columnWidth(Spalte_Bez) - Rand;
    return QFontMetrics(Raster->font()).horizontalAdvance(Text) > Platz ? Text : QString();
}

QString TForm_Haupt::Mit_Endung(const QString& Name, const QString& Endung)
{
    return Name.endsWith(Endung, Qt::CaseSensitive) ? Name : Name + Endung;
}

// ------------------------------------------------------------ refresh

void TForm_Haupt::Hauptfenster_Aktualisieren()
{
    if (m_Sicherung)
        m_Sicherung->Geaendert();
    const auto Dialog_Offen = [this] {
        return std::any_of(m_Dialoge.begin(), m_Dialoge.end(),
                           [](const auto& K) { return K.second.Dialog && K.second.Dialog->isVisible(); });
    };
    // What changed since the last refresh becomes a step; the grid follows it there.
    m_Verlauf->Sitzung_Pruefen(Dialog_Offen());
    m_Verlauf->Festhalten(Auswahl_Lesen());

    // Everything shown is computed before the first control changes, so an
    // error leaves the window as it was instead of half refreshed.
    const TBestellung& B = *m_Bestellung;
    const TSummen Summen = B.Summen();
    const int Anzahl = B.Anzahl_Positionen();
    const bool hatPositionen = Anzahl > 0;
    const int Zeile = hatPositionen ? std::clamp(m_Zeile, 0, Anzahl - 1) : 0;
    const std::optional<std::uint32_t> Typ_Der_Zeile =
        hatPositionen ? std::optional<std::uint32_t>(B.Eintrag(Zeile).Positionstyp()) : std::nullopt;
    const bool Angebot_Moeglich = !B.Typ_Vorhanden(Positionstyp::Zulage1);
    const QString GesamtUM = Zahlformat::Betrag(Summen.Gesamt_UM_Fenster);
    const QString MontageUM = Zahlformat::Betrag(Summen.Gesamt_UM_Montage);
    const QString Summe = Zahlformat::Betrag(Summen.Gesamtsumme);
    const QString Zwischensumme = Zahlformat::Betrag(Summen.Gesamtsumme - Summen.Betrag_RabattAuswahl
                                                     - Summen.Betrag_Rabatt - Summen.Betrag_RabattObjekt);
    const QString Rabatt = Prozenttext(B.Rabatt);
    const QString RabattObjekt = Prozenttext(B.RabattObjekt);
    const TKopfdaten Kopf = B.Kopfdaten();
    // The breakdown under the grid: the sheet's sums, and what delivery and installation add to them.
    std::vector<std::pair<QString, QString>> Aufstellung;
    for (const TBlattsumme& Zeile : TBestellblatt::Summenzeilen(B, Summen, Umsatzsteuer())) {
        if (Zeile.Art == TBlattsumme::TArt::Umlaufmeter)
            continue;
        Aufstellung.emplace_back(Zeile.Beschriftung.trimmed(), Zeile.Betrag);
        const QString Lieferung_Montage = Zahlformat::Betrag(Summen.Summe_Lieferung_Montage);
        if (Zeile.Art == TBlattsumme::TArt::Zwischensumme && Lieferung_Montage != Zahlformat::Betrag(0))
            Aufstellung.emplace_back(Davon_Lieferung_Montage, Lieferung_Montage);
    }

    m_Zeile = Zeile;
    // The dialogs change the selected position in place: it gets an object of its own.
    for (int Getauscht : m_Verlauf->Zum_Aendern_Freigeben(Zeile))
        m_Modell->Ersetzen(Getauscht, 1, {B.Eintrag(Getauscht)});
    m_Ui.Button_Position_Bearbeiten->setEnabled(hatPositionen);
    m_Ui.Button_Position_Loeschen->setEnabled(hatPositionen);
    m_Ui.Button_Bestellblatt->setEnabled(hatPositionen);
    for (QAction* Aktion : {m_Ui.BestellblattPDF1, m_Ui.Mail1, m_Ui.Drucken1, m_Ui.Druckvorschau1, m_Ui.Kopieren1,
                            m_Ui.Ausschneiden1, m_Ui.Duplizieren1})
        Aktion->setEnabled(hatPositionen);
    m_Modell->Summen_Setzen(Summen);
    m_Ui.StringGrid1->setVisible(hatPositionen);
    if (hatPositionen)
        Auswahl_Anzeigen();

    NeuePos_Sichtbar(Positionstyp::Zulage1, Angebot_Moeglich);

    m_Ui.Edit_GesamtUM->setText(GesamtUM);
    m_Ui.Edit_Montage_UM->setText(MontageUM);

    Dialoge_Abgleichen(Typ_Der_Zeile);
    m_Verlauf->Sitzung_Pruefen(Dialog_Offen());

    if (Typ_Der_Zeile)
        m_Ui.Button_Position_Loeschen->setEnabled(*Typ_Der_Zeile != Positionstyp::Sonderfarbe);

    m_Ui.Edit_Summe->setText(Summe);
    m_Ui.Edit_Zwischensumme->setText(Zwischensumme);
    Aufstellung_Anzeigen(Aufstellung);

    m_Ui.CB_Mit_Nachtext->setChecked(Kopf.MitNachtext);
    m_Ui.CB_Rabatt->setChecked(Kopf.RabattChecked);
    m_Ui.Label_Rabatt->setVisible(Kopf.RabattChecked);
    m_Ui.Edit_Rabatt->setVisible(Kopf.RabattChecked);
    m_Ui.Edit_Rabatt->setText(Rabatt);
    m_Ui.Edit_RabattObjekt->setText(RabattObjekt);

    // Showing the header texts is not typing them.
    const bool Zeigte_An = std::exchange(m_Zeigt_An, true);
    const std::pair<QLineEdit*, const QString*> Kopffelder[] = {
        {m_Ui.Edit_Datum, &Kopf.Datum},
        {m_Ui.Edit_Ansprechpartner, &Kopf.Ansprechpartner},
        {m_Ui.Edit_Telefon, &Kopf.Telefon},
        {m_Ui.Edit_Rechnungsempfaenger, &Kopf.Rechnungsempfaenger},
        {m_Ui.Edit_Bauvorhaben, &Kopf.Bauvorhaben},
        {m_Ui.Edit_Bemerkungen, &Kopf.Bemerkungen},
    };
    for (const auto& [Feld, Text] : Kopffelder)
        if (Feld->text() != *Text)
            Feld->setText(*Text);
    m_Zeigt_An = Zeigte_An;

    NeuePos_Aufbauen();
    Titel_Aktualisieren();
    emit Aktualisiert();
}

void TForm_Haupt::Aufstellung_Anzeigen(const std::vector<std::pair<QString, QString>>& Zeilen)
{
    for (std::size_t i = 0; i < m_Ui.Aufstellung_Text.size(); ++i) {
        const bool Belegt = i < Zeilen.size();
        QLabel* Text = m_Ui.Aufstellung_Text[i];
        QLabel* Betrag = m_Ui.Aufstellung_Betrag[i];
        Text->setText(Belegt ? Zeilen[i].first : QString());
        Betrag->setText(Belegt ? Zeilen[i].second : QString());
        // The sums stand out, as on the sheet.
        const bool Fett = Belegt && Zeilen[i].first.startsWith(QLatin1String("Summe"));
        for (QLabel* L : {Text, Betrag}) {
            QFont F = L->font();
            F.setBold(Fett);
            L->setFont(F);
        }
    }
}

void TForm_Haupt::Auswahl_Anzeigen()
{
    if (m_Modell->rowCount() == 0)
        return;
    // Rows marked besides the current one stay marked.
    QItemSelectionModel* Auswahl = m_Ui.StringGrid1->selectionModel();
    if (Auswahl->currentIndex().row() == m_Zeile && Auswahl->isRowSelected(m_Zeile, {}))
        return;
    Auswahl->setCurrentIndex(m_Modell->index(m_Zeile, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

TAuswahl TForm_Haupt::Auswahl_Lesen() const
{
    TAuswahl Auswahl;
    Auswahl.Zeile = m_Zeile;
    for (const QModelIndex& Index : m_Ui.StringGrid1->selectionModel()->selectedRows())
        Auswahl.Zeilen.push_back(Index.row());
    std::sort(Auswahl.Zeilen.begin(), Auswahl.Zeilen.end());
    return Auswahl;
}

void TForm_Haupt::Auswahl_Setzen(const TAuswahl& Auswahl)
{
    m_Zeile = Auswahl.Zeile;
    const int Anzahl = m_Modell->rowCount();
    if (Anzahl == 0)
        return;
    QItemSelection Markiert;
    for (int Zeile : Auswahl.Zeilen)
        if (Zeile >= 0 && Zeile < Anzahl)
            Markiert.select(m_Modell->index(Zeile, 0), m_Modell->index(Zeile, TPositionsmodell::Spaltenzahl - 1));
    QItemSelectionModel* Modell = m_Ui.StringGrid1->selectionModel();
    Modell->setCurrentIndex(m_Modell->index(std::clamp(m_Zeile, 0, Anzahl - 1), 0), QItemSelectionModel::NoUpdate);
    if (Markiert.isEmpty())
        Modell->select(m_Modell->index(std::clamp(m_Zeile, 0, Anzahl - 1), 0),
                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        Modell->select(Markiert, QItemSelectionModel::ClearAndSelect);
}

std::vector<int> TForm_Haupt::Markierte_Zeilen() const
{
    std::vector<int> Zeilen = Auswahl_Lesen().Zeilen;
    if (Zeilen.empty() && Ausgewaehlte_Zeile() >= 0)
        Zeilen.push_back(Ausgewaehlte_Zeile());
    return Zeilen;
}

void TForm_Haupt::Zeilen_Nachfuehren(const TAenderung& Aenderung, bool Rueckwaerts)
{
    const auto& Liste = m_Bestellung->Positionen();
    const std::size_t Alt = (Rueckwaerts ? Aenderung.Nachher : Aenderung.Vorher).size();
    const std::size_t Neu = (Rueckwaerts ? Aenderung.Vorher : Aenderung.Nachher).size();
    if (Alt != 0 || Neu != 0)
        m_Modell->Ersetzen(Aenderung.Anfang, int(Alt),
                           {Liste.begin() + Aenderung.Anfang, Liste.begin() + Aenderung.Anfang + std::ptrdiff_t(Neu)});
    m_Modell->Angleichen(Liste);
}

void TForm_Haupt::Verlauf_Neu(bool Gesichert)
{
    m_Verlauf->Neu_Beginnen(Gesichert);
    m_Modell->Aufbauen(*m_Bestellung);
    Titel_Aktualisieren();
}

QString TForm_Haupt::Fenstertitel(const QString& Dateiname, const QString& Nummer)
{
    const QString Name = Dateiname.isEmpty() ? Unbenannt : QFileInfo(Dateiname).fileName();
    return (Nummer.isEmpty() ? QString() : Nummer + QStringLiteral(" – ")) + Name + QStringLiteral("[*] – Quadrolis C2");
}

void TForm_Haupt::Titel_Aktualisieren()
{
    setWindowTitle(Fenstertitel(m_Bestellung->Filename, m_Ablage ? m_Ablage->Nummer() : QString()));
    setWindowModified(m_Verlauf->Ungesichert());
}

void TForm_Haupt::Schritt_Benennen(const QString& Was)
{
    m_Verlauf->Benennen(Was, m_Verlauf->Sitzungsschluessel());
}

void TForm_Haupt::Befehl_Benennen(const QString& Was)
{
    m_Verlauf->Einzeln_Benennen(Was);
}

void TForm_Haupt::Bearbeitung_Abbrechen()
{
    if (!m_Verlauf->Sitzung_Abbrechen(Auswahl_Lesen()))
        return;
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Dialoge_Abgleichen(std::optional<std::uint32_t> Typ_Der_Zeile)
{
    const bool einer_offen = std::any_of(m_Dialoge.begin(), m_Dialoge.end(),
                                         [](const auto& K) { return K.second.Dialog && K.second.Dialog->isVisible(); });
    const QWidget* Ziel = nullptr;
    if (einer_offen && Typ_Der_Zeile) {
        const auto Gefunden = m_Dialoge.find(*Typ_Der_Zeile);
        if (Gefunden != m_Dialoge.end())
            Ziel = Gefunden->second.Dialog;
    }
    for (const auto& [Typ, Kopplung] : m_Dialoge) {
        if (!Kopplung.Dialog)
            continue;
        if (Kopplung.Dialog == Ziel) {
            if (!Kopplung.Dialog->isVisible())
                Dialog_Zeigen(Kopplung);
        } else if (Kopplung.Dialog->isVisible()) {
            Kopplung.Dialog->hide();
        }
    }
}

void TForm_Haupt::Dialog_Zeigen(const TKopplung& Kopplung)
{
    Kopplung.Dialog->show();
    Kopplung.Dialog->raise();
    Kopplung.Dialog->activateWindow();
    if (Kopplung.Aktivieren)
        Kopplung.Aktivieren();
}

// ------------------------------------------------------------ positions

void TForm_Haupt::Zeile_Waehlen(int Zeile)
{
    m_Zeile = Zeile;
    Auswahl_Anzeigen();
    m_Verlauf->Auswahl_Nachfuehren(Auswahl_Lesen());
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::NeuePosition_Anlegen(std::uint32_t Typ, const QString& Vorlage)
{
    m_Bestellung->Position_Anfuegen(Typ, Vorlage);
    QString Art = Vorlage;
    for (const TNeuePosTabelle::TEintrag& Eintrag : m_NeuePos.Eintraege())
        if (Eintrag.Typ == Typ && Art.isEmpty())
            Art = Eintrag.Text;
    m_Verlauf->Benennen(QStringLiteral("Neue Position") + (Art.isEmpty() ? QString() : QStringLiteral(" „") + Art + QStringLiteral("“")));
    Hauptfenster_Aktualisieren();
    Zeile_Waehlen(m_Bestellung->Letzter_Index(Typ));
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::CBC_Haupt_NeuePosChange(int Index)
{
    const std::uint32_t Typ = TNeuePosTabelle::Typ_Des_Eintrags(*m_Ui.CBC_Haupt_NeuePos, Index);
    m_Ui.CBC_Haupt_NeuePos->setCurrentIndex(0);
    if (Typ != 0)
        NeuePosition_Anlegen(Typ);
}

void TForm_Haupt::StringGrid1SelectCell()
{
    const QModelIndex Aktuell = m_Ui.StringGrid1->currentIndex();
    if (!Aktuell.isValid() || Aktuell.row() == m_Zeile)
        return;
    m_Zeile = Aktuell.row();
    m_Verlauf->Auswahl_Nachfuehren(Auswahl_Lesen());
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Button_Position_BearbeitenClick()
{
    const int Zeile = Ausgewaehlte_Zeile();
    if (Zeile < 0)
        return;
    const auto Gefunden = m_Dialoge.find(m_Bestellung->Eintrag(Zeile).Positionstyp());
    if (Gefunden != m_Dialoge.end() && Gefunden->second.Dialog)
        Dialog_Zeigen(Gefunden->second);
}

void TForm_Haupt::Button_Position_LoeschenClick()
{
    Markierte_Loeschen();
}

void TForm_Haupt::Markierte_Loeschen()
{
    std::vector<int> Zeilen;
    std::vector<TPositionseintrag> Weg;
    for (int Zeile : Markierte_Zeilen()) {
        const TPositionseintrag& Eintrag = m_Bestellung->Eintrag(Zeile);
        if (Eintrag.Positionstyp() == Positionstyp::Sonderfarbe)
            continue;
        Zeilen.push_back(Zeile);
        Weg.push_back(Eintrag);
    }
    if (Zeilen.empty())
        return;
    // Each deletion regroups the list: the next is found by its object.
    for (const TPositionseintrag& Eintrag : Weg) {
        const auto& Liste = m_Bestellung->Positionen();
        const auto Gefunden = std::find_if(Liste.begin(), Liste.end(),
                                           [&](const TPositionseintrag& E) { return E.Selbes_Objekt(Eintrag); });
        if (Gefunden != Liste.end())
            m_Bestellung->Position_Loeschen(int(Gefunden - Liste.begin()));
    }
    m_Bestellung->Sonderfarbe_Abgleichen();
    const QString Was = Positionen_Text(Zeilen);
    m_Verlauf->Benennen(Was + QStringLiteral(" gelöscht"));
    m_Zeile = Zeilen.front();
    Hauptfenster_Aktualisieren();
    Auswahl_Setzen({m_Zeile, {}});
    Hauptfenster_Aktualisieren();
    statusBar()->showMessage(Geloescht.arg(Was));
}

// ------------------------------------------------------------ copies and the clipboard

void TForm_Haupt::Kopieren()
{
    const std::vector<int> Zeilen = Markierte_Zeilen();
    if (Zeilen.empty())
        return;
    QGuiApplication::clipboard()->setMimeData(Zwischenablage::Einpacken(*m_Bestellung, Zeilen));
}

void TForm_Haupt::Ausschneiden()
{
    Kopieren();
    Markierte_Loeschen();
}

namespace {

// What may be added to the order: never a second special colour (the order
// keeps its own) nor a second care-product offer.
std::vector<TPositionseintrag> Zulaessige(std::vector<TPositionseintrag> Neu, const TBestellung& Bestellung)
{
    bool Angebot = Bestellung.Typ_Vorhanden(Positionstyp::Zulage1);
    std::vector<TPositionseintrag> Erlaubt;
    for (TPositionseintrag& Eintrag : Neu) {
        if (Eintrag.Positionstyp() == Positionstyp::Sonderfarbe)
            continue;
        if (Eintrag.Positionstyp() == Positionstyp::Zulage1 && std::exchange(Angebot, true))
            continue;
        Erlaubt.push_back(std::move(Eintrag));
    }
    return Erlaubt;
}

} // namespace

void TForm_Haupt::Eingefuegte_Waehlen(int Ziel, int Anzahl)
{
    Hauptfenster_Aktualisieren();
    TAuswahl Auswahl{Ziel, std::vector<int>(std::size_t(Anzahl))};
    std::iota(Auswahl.Zeilen.begin(), Auswahl.Zeilen.end(), Ziel);
    Auswahl_Setzen(Auswahl);
    m_Verlauf->Auswahl_Nachfuehren(Auswahl_Lesen());
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Einfuegen()
{
    std::vector<TPositionseintrag> Neu;
    const Bestelldatei::TErgebnis Ergebnis = Zwischenablage::Auspacken(QGuiApplication::clipboard()->mimeData(), Neu);
    if (!Ergebnis) {
        TDienste::Aktuell().Fehler(this, Fehler_Einfuegen + Ergebnis.Fehlertext);
        return;
    }
    Neu = Zulaessige(std::move(Neu), *m_Bestellung);
    if (Neu.empty())
        return;
    const std::vector<int> Markiert = Markierte_Zeilen();
    const int Ziel = Markiert.empty() ? m_Bestellung->Anzahl_Positionen() : Markiert.back() + 1;
    const int Anzahl = int(Neu.size());
    m_Bestellung->Positionen_Ersetzen(Ziel, 0, std::move(Neu));
    m_Bestellung->Sonderfarbe_Abgleichen();
    m_Verlauf->Benennen(Anzahl == 1 ? Pos(Ziel) + QStringLiteral(" eingefügt")
                                    : QStringLiteral("%1 Positionen eingefügt").arg(Anzahl));
    Eingefuegte_Waehlen(Ziel, Anzahl);
}

void TForm_Haupt::Duplizieren()
{
    const std::vector<int> Markiert = Markierte_Zeilen();
    std::vector<TPositionseintrag> Kopien;
    for (int Zeile : Markiert)
        Kopien.push_back(m_Bestellung->Eintrag(Zeile).Klonen());
    Kopien = Zulaessige(std::move(Kopien), *m_Bestellung);
    if (Kopien.empty())
        return;
    const int Ziel = Markiert.back() + 1;
    const int Anzahl = int(Kopien.size());
    m_Bestellung->Positionen_Ersetzen(Ziel, 0, std::move(Kopien));
    m_Verlauf->Benennen(Positionen_Text(Markiert) + QStringLiteral(" dupliziert"));
    Eingefuegte_Waehlen(Ziel, Anzahl);
}

void TForm_Haupt::Kontextmenue_Zeigen(const QPoint& Stelle)
{
    const QModelIndex Index = m_Ui.StringGrid1->indexAt(Stelle);
    // A click outside the marked rows selects the row under the pointer first.
    if (Index.isValid() && !m_Ui.StringGrid1->selectionModel()->isRowSelected(Index.row(), {}))
        Zeile_Waehlen(Index.row());
    QMenu Menue(this);
    Menue.setObjectName(QStringLiteral("Kontextmenue"));
    const bool Zeile = Ausgewaehlte_Zeile() >= 0;
    QAction* Bearbeiten = Menue.addAction(QStringLiteral("&Bearbeiten"));
    Bearbeiten->setEnabled(Zeile);
    Menue.addSeparator();
    for (QAction* Aktion : {m_Ui.Ausschneiden1, m_Ui.Kopieren1, m_Ui.Einfuegen1, m_Ui.Duplizieren1})
        Menue.addAction(Aktion);
    Menue.addSeparator();
    QAction* Loeschen = Menue.addAction(QStringLiteral("&Löschen"));
    Loeschen->setShortcut(QKeySequence(Qt::Key_Delete));
    Loeschen->setEnabled(m_Ui.Button_Position_Loeschen->isEnabled());
    m_Ui.Einfuegen1->setEnabled(Zwischenablage::Enthaelt_Positionen(QGuiApplication::clipboard()->mimeData()));
    QAction* Gewaehlt = Menue.exec(m_Ui.StringGrid1->viewport()->mapToGlobal(Stelle));
    m_Ui.Einfuegen1->setEnabled(true);
    if (Gewaehlt == Bearbeiten)
        Button_Position_BearbeitenClick();
    else if (Gewaehlt == Loeschen)
        Markierte_Loeschen();
}

void TForm_Haupt::UpDown1Changing(int Richtung)
{
    const int Anzahl = m_Bestellung->Anzahl_Positionen();
    if (Anzahl <= 1 || Richtung == 0)
        return;
    const int Zeile = Ausgewaehlte_Zeile();
    const int Ziel = std::clamp(Zeile + Richtung, 0, Anzahl - 1);
    m_Bestellung->Positionen_Tauschen(Zeile, Ziel);
    m_Verlauf->Benennen(Pos(Zeile) + (Ziel < Zeile ? QStringLiteral(" nach oben") : QStringLiteral(" nach unten")));
    Zeile_Waehlen(Ziel);
    Hauptfenster_Aktualisieren();
}

// ------------------------------------------------------------ files

void TForm_Haupt::Neu1Click()
{
    if (!Aenderungen_Sichern())
        return;
    const TBestellung Neu;
    m_Bestellung->Kopieren_Von(Neu);
    m_Zeile = 0;
    Verlauf_Neu(true);
    if (m_Ablage)
        m_Ablage->Neu();
    NeuePos_Zuruecksetzen();
    Hauptfenster_Aktualisieren();
    m_Sicherung->Gesichert();
    m_Dateistand.reset();
    m_Ziel_Erfragen = false;
    Titel_Aktualisieren();
}

bool TForm_Haupt::Ungesichert() const
{
    return m_Verlauf->Ungesichert();
}

bool TForm_Haupt::Aenderungen_Sichern()
{
    m_Verlauf->Festhalten(Auswahl_Lesen());
    if (!Ungesichert())
        return true;
    const QString Name = m_Bestellung->Filename.isEmpty() ? Unbenannt : QFileInfo(m_Bestellung->Filename).fileName();
    switch (TDienste::Aktuell().Aenderungen_Sichern(this, Frage_Sichern.arg(Name))) {
    case TDienste::TSichern::Speichern:
        Speichern1Click();
        return !Ungesichert();
    case TDienste::TSichern::Nicht_Speichern: return true;
    case TDienste::TSichern::Abbrechen: break;
    }
    return false;
}

void TForm_Haupt::Oeffnen1Click()
{
    if (!Aenderungen_Sichern()) {
        Hauptfenster_Aktualisieren();
        return;
    }
    const QString Name = TDienste::Aktuell().Datei_Oeffnen(
        this, {QString(), Filter_Bestellung, QStringLiteral("dat"), m_Bestellung->Filename});
    if (Name.isEmpty()) {
        Hauptfenster_Aktualisieren();
        return;
    }
    Datei_Laden(Name);
}

bool TForm_Haupt::Bestellung_Oeffnen(const QString& Name)
{
    return Aenderungen_Sichern() && Datei_Laden(Name);
}

bool TForm_Haupt::Datei_Laden(const QString& Name)
{
    std::optional<Bestelldatei::TDateistand> Stand = Bestelldatei::Dateistand(Name);
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Laden(Name, *m_Bestellung);
    if (Ergebnis) {
        m_Zeile = 0;
        Verlauf_Neu(true);
    }
    if (Ergebnis && m_Ablage) {
        QFile Datei(Name);
        m_Ablage->Geoeffnet(*m_Bestellung, Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray());
    }
    Hauptfenster_Aktualisieren();
    if (Ergebnis) {
        m_Sicherung->Gesichert();
        m_Dateistand = std::move(Stand);
        m_Ziel_Erfragen = false;
        Zuletzt_Merken(Name);
    } else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Oeffnen + Name, Ergebnis.Fehlertext));
    Titel_Aktualisieren();
    return bool(Ergebnis);
}

bool TForm_Haupt::Aus_Ablage_Oeffnen(const QByteArray& Bytes, const QString& Kennung, bool Neueste)
{
    if (!Aenderungen_Sichern())
        return false;
    TBestellung Gelesen;
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Lesen(Bytes, Gelesen, QStringLiteral("Ablage"));
    if (!Ergebnis) {
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Oeffnen + QStringLiteral("Ablage"), Ergebnis.Fehlertext));
        return false;
    }
    Gelesen.Kennung = Kennung;
    // The file is the order's only where it still holds exactly these bytes.
    QFile Datei(Gelesen.Filename);
    const bool Datei_Passt = Neueste && !Gelesen.Filename.isEmpty() && Datei.open(QIODevice::ReadOnly)
                             && Datei.readAll() == Bytes;
    if (!Datei_Passt)
        Gelesen.Filename.clear();
    m_Bestellung->Kopieren_Von(Gelesen);
    m_Zeile = 0;
    // Only the file as it stands is saved; an older version is a change to it.
    Verlauf_Neu(Datei_Passt);
    if (m_Ablage)
        m_Ablage->Geoeffnet(*m_Bestellung, Bytes);
    NeuePos_Zuruecksetzen();
    Hauptfenster_Aktualisieren();
    m_Dateistand.reset();
    m_Ziel_Erfragen = false;
    if (Datei_Passt) {
        m_Sicherung->Gesichert();
        m_Dateistand = Bestelldatei::Dateistand(Gelesen.Filename);
    }
    Titel_Aktualisieren();
    return true;
}

void TForm_Haupt::Wiederherstellung_Anbieten()
{
    const QLocale Deutsch(QLocale::German, QLocale::Germany);
    while (const std::optional<TSicherung::TFund> Fund = m_Sicherung->Naechster_Fund()) {
        TBestellung Gelesen;
        const Bestelldatei::TErgebnis Ergebnis = TSicherung::Lesen(Fund->Pfad, Gelesen);
        if (!Ergebnis) {
            QString Ziel = m_Sicherung->Beiseitelegen(*Fund);
            if (Ziel.isEmpty())
                Ziel = Fund->Pfad;
            TDienste::Aktuell().Fehler(this, Fehler_Wiederherstellung.arg(QDir::toNativeSeparators(Fund->Pfad),
                                                                          Ergebnis.Fehlertext,
                                                                          QDir::toNativeSeparators(Ziel)));
            continue;
        }
        const int Anzahl = Gelesen.Anzahl_Positionen();
        const QString Positionen = Anzahl == 1 ? QStringLiteral("1 Position")
                                               : QString::number(Anzahl) + QStringLiteral(" Positionen");
        const QString Datei = Gelesen.Filename.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" (") + QDir::toNativeSeparators(Gelesen.Filename) + QLatin1Char(')');
        const QString Text = Frage_Wiederherstellen.arg(Deutsch.toString(Fund->Zeit.date(), QStringLiteral("dd.MM.yyyy")),
                                                        Deutsch.toString(Fund->Zeit.time(), QStringLiteral("HH:mm")),
                                                        Positionen, Datei);
        if (!TDienste::Aktuell().Frage(this, Text, QStringLiteral("Wiederherstellen"), QStringLiteral("Verwerfen"))) {
            m_Sicherung->Loeschen(*Fund);
            continue;
        }
        // Still unsaved: the copy stays and becomes this program's own.
        m_Bestellung->Kopieren_Von(Gelesen);
        m_Zeile = 0;
        Verlauf_Neu(false);
        if (m_Ablage)
            m_Ablage->Geoeffnet(*m_Bestellung, {});
        m_Sicherung->Uebernehmen(*Fund);
        m_Dateistand.reset();
        m_Ziel_Erfragen = true;
        Hauptfenster_Aktualisieren();
        return;
    }
}

void TForm_Haupt::Speichern1Click()
{
    const QString Name = m_Bestellung->Filename;
    if (Name.isEmpty()) {
        Speichernunter1Click();
        return;
    }
    m_Verlauf->Festhalten(Auswahl_Lesen());
    if (m_Ziel_Erfragen && !Bestelldatei::Ohne_Frage_Speicherbar(Name)) {
        Speichern_Unter(Name);
        return;
    }
    if (m_Dateistand && Bestelldatei::Fremd_Geaendert(Name, *m_Dateistand)) {
        const int Wahl = TDienste::Aktuell().Auswahl(
            this, Frage_Fremd_Geaendert.arg(QDir::toNativeSeparators(Name)),
            {QStringLiteral("Trotzdem speichern"), QStringLiteral("Unter anderem Namen speichern"),
             QStringLiteral("Abbrechen")});
        if (Wahl == 1)
            Speichern_Unter(Name);
        if (Wahl != 0)
            return;
    }
    Speichern_Nach(Name);
}

void TForm_Haupt::Speichernunter1Click()
{
    Speichern_Unter(QStringLiteral("Bestellung_") + Heute());
}

void TForm_Haupt::Speichern_Unter(const QString& Vorschlag, const QString& Titel)
{
    const QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {Titel.isEmpty() ? QStringLiteral("Bestellung speichern unter") : Titel, Filter_Bestellung,
               QStringLiteral("dat"), Vorschlag});
    if (!Name.isEmpty())
        Speichern_Nach(Mit_Endung(Name, QStringLiteral(".dat")));
}

bool TForm_Haupt::Speichern_Nach(const QString& Name)
{
    m_Verlauf->Festhalten(Auswahl_Lesen());
    const QString Kennung = m_Bestellung->Kennung;
    if (m_Ablage)
        m_Ablage->Vor_Speichern(*m_Bestellung);
    QByteArray Bytes;
    Bestelldatei::TDateistand Stand;
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Speichern(Name, *m_Bestellung, &Stand, &Bytes);
    if (!Ergebnis) {
        m_Bestellung->Kennung = Kennung;
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Ergebnis.Fehlertext));
        return false;
    }
    m_Verlauf->Gesichert();
    m_Sicherung->Gesichert();
    m_Dateistand = Stand;
    m_Ziel_Erfragen = false;
    // Only once the file is safe: the archive never fails or holds up the save.
    if (m_Ablage)
        m_Ablage->Gespeichert(*m_Bestellung, Bytes);
    Zuletzt_Merken(Name);
    Titel_Aktualisieren();
    Vorschlaege_Laden();
    return true;
}

QString TForm_Haupt::Variantenname(const QString& Dateiname)
{
    const QFileInfo Datei(Dateiname.isEmpty() ? QStringLiteral("Bestellung_") + Heute() + QStringLiteral(".dat") : Dateiname);
    QString Stamm = Datei.completeBaseName();
    // "…_Variante_2" becomes "…_Variante_3"; anything else gets "_Variante_2".
    static const QRegularExpression Variante(QStringLiteral("^(.*)_Variante_(\\d+)$"));
    int Nummer = 2;
    if (const QRegularExpressionMatch Treffer = Variante.match(Stamm); Treffer.hasMatch()) {
        Stamm = Treffer.captured(1);
        Nummer = Treffer.captured(2).toInt() + 1;
    }
    QString Name;
    do {
        Name = Datei.dir().filePath(Stamm + QStringLiteral("_Variante_%1.dat").arg(Nummer++));
    } while (QFileInfo::exists(Name));
    return Name;
}

void TForm_Haupt::Variante_Speichern()
{
    const QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {QStringLiteral("Als Variante speichern unter"), Filter_Bestellung, QStringLiteral("dat"),
               Variantenname(m_Bestellung->Filename)});
    if (Name.isEmpty())
        return;
    // The variant is an order of its own, which names the one it came from.
    const QString Kennung = std::exchange(m_Bestellung->Kennung, QString());
    if (m_Ablage) {
        m_Ablage->Neu();
        if (TAblage::Ist_Kennung(Kennung))
            m_Ablage->Als_Variante_Von(Kennung);
    }
    if (!Speichern_Nach(Mit_Endung(Name, QStringLiteral(".dat")))) {
        m_Bestellung->Kennung = Kennung;
        if (m_Ablage)
            m_Ablage->Geoeffnet(*m_Bestellung, {});
    }
}

void TForm_Haupt::Ablage_Anbinden(TAblageanbindung* Ablage)
{
    m_Ablage = Ablage;
    Slotschutz::Verbinden(m_Ablage, &TAblageanbindung::Fehler, this,
                          [this](const QString& Meldung) { TDienste::Aktuell().Fehler(this, Meldung); });
    Slotschutz::Verbinden(m_Ablage, &TAblageanbindung::Nummer_Geaendert, this, &TForm_Haupt::Titel_Aktualisieren);
    // The status bar appears only while versions wait for the archive.
    const auto Wartehinweis = [this] {
        auto* Hinweis = findChild<QLabel*>(QStringLiteral("Label_Ablage_Wartend"));
        if (!Hinweis && m_Ablage->Wartende_Versionen() == 0)
            return;
        if (!Hinweis) {
            Hinweis = new QLabel(this);
            Hinweis->setObjectName(QStringLiteral("Label_Ablage_Wartend"));
            statusBar()->addWidget(Hinweis);
        }
        Hinweis->setText(m_Ablage->Wartehinweis());
        statusBar()->setVisible(m_Ablage->Wartende_Versionen() > 0);
    };
    Slotschutz::Verbinden(m_Ablage, &TAblageanbindung::Warteschlange_Geaendert, this, Wartehinweis);
    Wartehinweis();
    // A colleague saved the order meanwhile: the user says whether this save becomes the newest version.
    m_Ablage->Rueckfrage_Setzen([this](const TAblageanbindung::TKonflikt& K) {
        const QLocale Deutsch(QLocale::German, QLocale::Germany);
        const QString Wer = K.Neueste.Benutzer.isEmpty() ? QStringLiteral("jemand anders") : K.Neueste.Benutzer;
        const QString Text =
            QStringLiteral("Die Bestellung %1 wurde inzwischen von %2 am %3 um %4 Uhr gespeichert (Fassung %5); Sie "
                           "hatten Fassung %6 geöffnet oder gespeichert.\n\nIhre Änderungen sind in der Datei gespeichert. "
                           "Ihre Fassung kann jetzt die neueste in der Ablage werden, oder Sie sehen sich erst an, was "
                           "sie gegenüber der Fassung von %2 ändert; mit dem nächsten Speichern wird sie dann die neueste.")
                .arg(K.Nummer, Wer, Deutsch.toString(K.Neueste.Zeit, QStringLiteral("dd.MM.yyyy")),
                     Deutsch.toString(K.Neueste.Zeit, QStringLiteral("HH:mm")))
                .arg(K.Neueste.Nr)
                .arg(K.Eigene);
        if (TDienste::Aktuell().Auswahl(this, Text,
                                        {QStringLiteral("Trotzdem als neueste Version speichern"),
                                         QStringLiteral("Erst die Fassung von %1 ansehen").arg(Wer)})
            == 0)
            return true;
        m_Ablagefenster->Mit_Eigener_Vergleichen(K.Kennung, K.Neueste.Nr, *m_Bestellung);
        return false;
    });
    // The modified mark follows the order a moment after each change, not on every keystroke.
    m_Titelzeitgeber = new QTimer(this);
    m_Titelzeitgeber->setSingleShot(true);
    m_Titelzeitgeber->setInterval(300);
    Slotschutz::Verbinden(m_Titelzeitgeber, &QTimer::timeout, this, &TForm_Haupt::Titel_Aktualisieren);
    Titel_Aktualisieren();
    Ablage_Einrichten();
}

void TForm_Haupt::Ablage_Einrichten()
{
    QMenu* Datei = findChild<QMenu*>(QStringLiteral("Datei1"));
    QAction* Vor = findChild<QAction*>(QStringLiteral("N3"));
    auto* Trenner = new QAction(QStringLiteral(" "), Datei);
    auto* Ablage1 = new QAction(QStringLiteral("Ablage…"), Datei);
    Ablage1->setObjectName(QStringLiteral("Ablage1"));
    Ablage1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    auto* Uebernehmen1 = new QAction(QStringLiteral("Ordner in die Ablage übernehmen…"), Datei);
    Uebernehmen1->setObjectName(QStringLiteral("OrdnerUebernehmen1"));
    auto* Einstellungen1 = new QAction(QStringLiteral("Einstellungen…"), Datei);
    Einstellungen1->setObjectName(QStringLiteral("Einstellungen1"));
    Datei->insertActions(Vor, {Trenner, Ablage1, Uebernehmen1, Einstellungen1});

    m_Ablagefenster = new TForm_Ablage(*this, this);
    Slotschutz::Verbinden(Ablage1, &QAction::triggered, m_Ablagefenster, &TForm_Ablage::Zeigen);
    Slotschutz::Verbinden(Uebernehmen1, &QAction::triggered, this, &TForm_Haupt::Ordner_Uebernehmen);
    Slotschutz::Verbinden(m_Ablage, &TAblageanbindung::Ort_Geaendert, m_Ablagefenster, &TForm_Ablage::Ort_Gewechselt);
    Slotschutz::Verbinden(Einstellungen1, &QAction::triggered, this, [this] {
        TForm_Einstellungen Dialog(this);
        if (Dialog.exec() == QDialog::Accepted)
            m_Ablage->Ort_Setzen(TAblage::Standardort());
    });

    for (QLineEdit* Feld : {m_Ui.Edit_Rechnungsempfaenger, m_Ui.Edit_Ansprechpartner, m_Ui.Edit_Bauvorhaben}) {
        auto* Vervollstaendigung = new QCompleter(new QStringListModel(Feld), Feld);
        Vervollstaendigung->setCaseSensitivity(Qt::CaseInsensitive);
        Vervollstaendigung->setFilterMode(Qt::MatchContains);
        Feld->setCompleter(Vervollstaendigung);
    }
    // Activated is a choice from the list, not any text typed.
    Slotschutz::Verbinden(m_Ui.Edit_Rechnungsempfaenger->completer(),
                          qOverload<const QString&>(&QCompleter::activated), this, &TForm_Haupt::Empfaenger_Gewaehlt);
    Vorschlaege_Laden();
}

void TForm_Haupt::Vorschlaege_Laden()
{
    TAblage* A = m_Ablage ? m_Ablage->Ablage() : nullptr;
    if (!A)
        return;
    const std::pair<QLineEdit*, TAblage::TSpalte> Felder[] = {
        {m_Ui.Edit_Rechnungsempfaenger, TAblage::TSpalte::Rechnungsempfaenger},
        {m_Ui.Edit_Ansprechpartner, TAblage::TSpalte::Ansprechpartner},
        {m_Ui.Edit_Bauvorhaben, TAblage::TSpalte::Bauvorhaben}};
    try {
        for (const auto& [Feld, Spalte] : Felder)
            if (Feld->completer())
                static_cast<QStringListModel*>(Feld->completer()->model())->setStringList(A->Werte(Spalte));
    } catch (const EFehler&) {
        // Without completions the fields work as before; saving reports what is wrong with the archive.
    }
}

void TForm_Haupt::Empfaenger_Gewaehlt(const QString& Empfaenger)
{
    TAblage* A = m_Ablage ? m_Ablage->Ablage() : nullptr;
    const auto Kontakt = A ? A->Kontakt(Empfaenger) : std::nullopt;
    if (!Kontakt)
        return;
    // One step: recipient, contact and telephone change together.
    m_Bestellung->Rechnungsempfaenger = Empfaenger;
    m_Bestellung->Ansprechpartner = Kontakt->first;
    m_Bestellung->Telefon = Kontakt->second;
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Ordner_Uebernehmen()
{
    TAblage* A = m_Ablage ? m_Ablage->Ablage() : nullptr;
    if (!A)
        return;
    const QString Ordner = TDienste::Aktuell().Ordner_Waehlen(this, QStringLiteral("Ordner in die Ablage übernehmen"));
    if (Ordner.isEmpty())
        return;
    const QStringList Dateien = Ablageimport::Dateien({Ordner});
    QProgressDialog Fortschritt(QStringLiteral("Bestelldateien werden in die Ablage übernommen …"),
                                QStringLiteral("Abbrechen"), 0, int(Dateien.size()), this);
    Fortschritt.setObjectName(QStringLiteral("Fortschritt_Import"));
    Fortschritt.setWindowTitle(QStringLiteral("Ablage"));
    Fortschritt.setWindowModality(Qt::WindowModal);
    Fortschritt.setMinimumDuration(300);
    Ablageimport::TErgebnis Ergebnis;
    try {
        Ergebnis = Ablageimport::Importieren(*A, Dateien, [&Fortschritt](int Fertig, int) {
            Fortschritt.setValue(Fertig);
            return !Fortschritt.wasCanceled();
        });
    } catch (const EFehler& F) {
        TDienste::Aktuell().Fehler(this, F.Meldung());
        return;
    }
    Fortschritt.reset();
    QString Text = QStringLiteral("%1 Dateien: %2 neu aufgenommen, %3 schon in der Ablage, %4 abgelehnt.")
                       .arg(Dateien.size())
                       .arg(Ergebnis.Aufgenommen)
                       .arg(Ergebnis.Vorhanden)
                       .arg(Ergebnis.Abgelehnt.size());
    if (Ergebnis.Abgebrochen)
        Text += QStringLiteral("\nAbgebrochen: die übrigen Dateien wurden nicht übernommen.");
    constexpr std::size_t Gezeigt = 15;
    for (std::size_t i = 0; i < std::min(Gezeigt, Ergebnis.Abgelehnt.size()); ++i)
        Text += QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(Ergebnis.Abgelehnt[i].first),
                                                Ergebnis.Abgelehnt[i].second);
    if (Ergebnis.Abgelehnt.size() > Gezeigt)
        Text += QStringLiteral("\n… und %1 weitere").arg(Ergebnis.Abgelehnt.size() - Gezeigt);
    TDienste::Aktuell().Information(this, Text, false);
    Vorschlaege_Laden();
}

// "2026-0042 – Bestellung.dat* – Quadrolis C2"; the number once the order is archived.
void TForm_Haupt::Button_BestellblattClick()
{
    Bestellblatt_Erzeugen();
}

void TForm_Haupt::Bestellblatt_Erzeugen()
{
    if (m_Bestellung->Anzahl_Positionen() == 0)
        return;
    QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {QStringLiteral("Bestellblatt speichern unter"), Filter_Bestellblatt, QStringLiteral("htm"),
               Blattvorschlag()});
    if (Name.isEmpty())
        return;
    Name = Mit_Endung(Name, QStringLiteral(".htm"));
    THtmlDatei Blatt;
    Blatt.Umsatzsteuer_Setzen(Umsatzsteuer());
    if (Blatt.Html_Speichern(Name, *m_Bestellung)) {
        TDienste::Aktuell().Information(this, Name + Blatt_Gespeichert, false);
        TDienste::Aktuell().Oeffnen(QUrl::fromLocalFile(Name));
    } else {
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Blatt.Fehlertext()));
    }
}

void TForm_Haupt::Bestellblatt_PDF1Click()
{
    if (m_Bestellung->Anzahl_Positionen() == 0)
        return;
    QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {QStringLiteral("Bestellblatt als PDF speichern unter"), Filter_Bestellblatt_PDF, QStringLiteral("pdf"),
               Blattvorschlag()});
    if (Name.isEmpty())
        return;
    Name = Mit_Endung(Name, QStringLiteral(".pdf"));
    TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung, Umsatzsteuer());
    if (Blatt.Pdf_Speichern(Name))
        TDienste::Aktuell().Information(this, Name + Blatt_Gespeichert, false);
    else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Blatt.Fehlertext()));
}

QString TForm_Haupt::Blattvorschlag() const
{
    const QString Name = QStringLiteral("Bestellblatt_") + Heute();
    if (m_Bestellung->Filename.isEmpty())
        return Name;
    return QFileInfo(m_Bestellung->Filename).absoluteDir().filePath(Name);
}

QString TForm_Haupt::Mail_Betreff(const TBestellung& B)
{
    QStringList Teile;
    for (const QString& Teil : {B.Bauvorhaben.trimmed(), B.Rechnungsempfaenger.trimmed()})
        if (!Teil.isEmpty())
            Teile << Teil;
    if (Teile.isEmpty())
        Teile << QFileInfo(B.Filename).fileName();
    return QStringLiteral("Bestellung ") + Teile.join(QStringLiteral(" – "));
}

QString TForm_Haupt::Mail_Text() const
{
    const TBestellblatt Blatt(*m_Bestellung, Umsatzsteuer());
    const std::size_t Anzahl = Blatt.Positionen.size();
    QString Summe;
    for (const TBlattsumme& Zeile : Blatt.Summen) {
        if (Zeile.Art == TBlattsumme::TArt::Summe)
            Summe = Zeile.Betrag + QStringLiteral(" € netto");
        else if (Zeile.Art == TBlattsumme::TArt::Brutto)
            Summe += QStringLiteral(" (") + Zeile.Betrag + QStringLiteral(" € brutto)");
    }
    QString Text = QStringLiteral("Guten Tag,\n\nanbei erhalten Sie unsere Bestellung mit ")
                   + (Anzahl == 1 ? QStringLiteral("1 Position") : QString::number(Anzahl) + QStringLiteral(" Positionen"))
                   + QStringLiteral(" über ") + Summe
                   + QStringLiteral(".\nDie Bestelldatei und das Bestellblatt als PDF sind angehängt.\n\n"
                                    "Mit freundlichen Grüßen");
    if (!m_Bestellung->Ansprechpartner.trimmed().isEmpty())
        Text += QLatin1Char('\n') + m_Bestellung->Ansprechpartner.trimmed();
    return Text;
}

void TForm_Haupt::Mail1Click()
{
    if (m_Bestellung->Anzahl_Positionen() == 0)
        return;
    if (Ungesichert() || m_Bestellung->Filename.isEmpty()) {
        Speichern1Click();
        if (Ungesichert() || m_Bestellung->Filename.isEmpty())
            return;
    }
    const QFileInfo Auftrag(m_Bestellung->Filename);
    const QString Blattname = Auftrag.absoluteDir().filePath(Auftrag.completeBaseName() + QStringLiteral(".pdf"));
    TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung, Umsatzsteuer());
    if (!Blatt.Pdf_Speichern(Blattname)) {
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Blattname, Blatt.Fehlertext()));
        return;
    }
    const TDienste::TMail Mail{Herstellerdaten::EMail, Mail_Betreff(*m_Bestellung), Mail_Text(),
                               {Auftrag.absoluteFilePath(), Blattname}};
    const QUrl Ordner = QUrl::fromLocalFile(Auftrag.absolutePath());
    QPointer<TForm_Haupt> Fenster(this);
    TDienste::Aktuell().E_Mail(this, Mail, [Fenster, Ordner](bool Angenommen) {
        if (Angenommen || !Fenster)
            return;
        TDienste::Aktuell().Information(Fenster, Kein_Mailprogramm.arg(Herstellerdaten::EMail), false);
        TDienste::Aktuell().Oeffnen(Ordner);
    });
}

void TForm_Haupt::Drucken1Click()
{
    if (m_Bestellung->Anzahl_Positionen() == 0)
        return;
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageLayout(TDruckblatt::Seitenformat());
    Drucker.setDocName(TBestellblatt::Titel);
    if (!TDienste::Aktuell().Druckdialog(this, Drucker))
        return;
    const TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung, Umsatzsteuer());
    if (Blatt.Zeichnen(Drucker) == 0)
        TDienste::Aktuell().Fehler(this, Fehler_Drucken);
}

void TForm_Haupt::Druckvorschau1Click()
{
    if (m_Bestellung->Anzahl_Positionen() == 0)
        return;
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageLayout(TDruckblatt::Seitenformat());
    Drucker.setDocName(TBestellblatt::Titel);
    const TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung, Umsatzsteuer());
    TDienste::Aktuell().Druckvorschau(this, Drucker, [&Blatt](QPrinter& Ziel) { Blatt.Zeichnen(Ziel); });
}

void TForm_Haupt::Beenden1Click()
{
    if (!Aenderungen_Sichern())
        return;
    m_Beenden_Bestaetigt = true;
    close();
}

void TForm_Haupt::closeEvent(QCloseEvent* Ereignis)
{
    const bool Bestaetigt = std::exchange(m_Beenden_Bestaetigt, false);
    if (!Bestaetigt && !Aenderungen_Sichern()) {
        Ereignis->ignore();
        return;
    }
    Ereignis->accept();
    TEinstellungen().setValue(Schluessel_Geometrie, saveGeometry());
    m_Sicherung->Beenden();
    emit Geschlossen();
}

// ------------------------------------------------------------ header and discounts

void TForm_Haupt::Kopfdaten_Uebernehmen(const QString& Feld)
{
    if (m_Zeigt_An)
        return;
    m_Bestellung->Datum = m_Ui.Edit_Datum->text();
    m_Bestellung->Ansprechpartner = m_Ui.Edit_Ansprechpartner->text();
    m_Bestellung->Telefon = m_Ui.Edit_Telefon->text();
    m_Bestellung->Rechnungsempfaenger = m_Ui.Edit_Rechnungsempfaenger->text();
    m_Bestellung->Bauvorhaben = m_Ui.Edit_Bauvorhaben->text();
    m_Bestellung->Bemerkungen = m_Ui.Edit_Bemerkungen->text();
    m_Verlauf->Benennen(Feld, QStringLiteral("Kopf %1 %2").arg(Feld).arg(m_Kopf_Folge));
    m_Verlauf->Festhalten(Auswahl_Lesen());
    Titel_Aktualisieren();
    if (m_Sicherung)
        m_Sicherung->Geaendert();
}

void TForm_Haupt::Edit_BemerkungenChange()
{
    if (m_Zeigt_An)
        return;
    m_Bestellung->Bemerkungen = m_Ui.Edit_Bemerkungen->text();
    m_Verlauf->Benennen(QStringLiteral("Bemerkungen"), QStringLiteral("Kopf Bemerkungen %1").arg(m_Kopf_Folge));
    m_Verlauf->Festhalten(Auswahl_Lesen());
    Titel_Aktualisieren();
    if (m_Sicherung)
        m_Sicherung->Geaendert();
}

void TForm_Haupt::CB_Mit_NachtextClick(bool Ticked)
{
    m_Bestellung->MitNachtext = Ticked;
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::CB_RabattClick(bool Ticked)
{
    m_Bestellung->RabattChecked = Ticked;
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Edit_RabattChange()
{
    TZahleingabe::Eingabe_Faerben(*m_Ui.Edit_Rabatt, TZahleingabe::TZahlart::Integer, m_Bestellung->RabattMin,
                                  m_Bestellung->RabattMax);
}

void TForm_Haupt::Edit_RabattObjektChange()
{
    TZahleingabe::Eingabe_Faerben(*m_Ui.Edit_RabattObjekt, TZahleingabe::TZahlart::Integer, m_Bestellung->RabattMin,
                                  m_Bestellung->RabattMax);
}

void TForm_Haupt::Edit_RabattExit()
{
    Rabatt_Uebernehmen(*m_Ui.Edit_Rabatt, QStringLiteral("Der Rabatt"), m_Bestellung->Rabatt);
}

void TForm_Haupt::Edit_RabattObjektExit()
{
    Rabatt_Uebernehmen(*m_Ui.Edit_RabattObjekt, QStringLiteral("Der Objektrabatt"), m_Bestellung->RabattObjekt);
}

void TForm_Haupt::Rabatt_Uebernehmen(QLineEdit& Feld, const QString& Bezeichnung, std::int32_t& Rabatt)
{
    // An emptied field is no discount; anything else the field refuses keeps the discount.
    const auto Wert = Feld.text().trimmed().isEmpty()
                          ? std::optional<QString>(QStringLiteral("0"))
                          : TZahleingabe::Verlassen(Feld, TZahleingabe::TZahlart::Integer, m_Bestellung->RabattMin,
                                                    m_Bestellung->RabattMax, Bezeichnung, QStringLiteral("%"),
                                                    Prozenttext(Rabatt));
    if (Wert)
        Rabatt = Zahlformat::Dezimalzahl_Deuten(*Wert).value_or(0);
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::CBC_RabattAuswahlChange(int Index)
{
    if (Index < 0 || Index >= int(THaupt_Layout::Rabattauswahl().size()))
        return;
    m_Bestellung->RabattAuswahlText = THaupt_Layout::Rabattauswahl()[std::size_t(Index)].Kennung;
    m_Bestellung->RabattAuswahl = THaupt_Layout::Rabattauswahl()[std::size_t(Index)].Prozent;
    Hauptfenster_Aktualisieren();
}

std::optional<TUmsatzsteuer> TForm_Haupt::Umsatzsteuer() const
{
    return m_Steuer_Ausweisen ? std::optional<TUmsatzsteuer>(TUmsatzsteuer{m_Steuersatz}) : std::nullopt;
}

void TForm_Haupt::CB_UmsatzsteuerClick(bool Ticked)
{
    m_Steuer_Ausweisen = Ticked;
    TEinstellungen().setValue(Schluessel_Steuer, Ticked);
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Edit_UStSatzExit()
{
    if (const std::optional<std::int32_t> Satz = TUmsatzsteuer::Satz_Deuten(m_Ui.Edit_UStSatz->text())) {
        m_Steuersatz = *Satz;
        TEinstellungen().setValue(Schluessel_Steuersatz, m_Steuersatz);
    }
    m_Ui.Edit_UStSatz->setText(TUmsatzsteuer{m_Steuersatz}.Satztext());
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Zuletzt_Merken(const QString& Name)
{
    const QString Pfad = QFileInfo(Name).absoluteFilePath();
    m_Zuletzt.removeAll(Pfad);
    m_Zuletzt.prepend(Pfad);
    while (m_Zuletzt.size() > Zuletzt_Anzahl)
        m_Zuletzt.removeLast();
    TEinstellungen().setValue(Schluessel_Zuletzt, m_Zuletzt);
    Zuletzt_Aufbauen();
}

void TForm_Haupt::Zuletzt_Aufbauen()
{
    QMenu* Menue = m_Ui.Zuletzt1;
    Menue->clear();
    for (qsizetype i = 0; i < m_Zuletzt.size(); ++i) {
        const QString Pfad = m_Zuletzt[i];
        QString Text = QDir::toNativeSeparators(Pfad);
        Text.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* Aktion = Menue->addAction(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + Text);
        Aktion->setObjectName(QStringLiteral("Zuletzt_") + QString::number(i + 1));
        Slotschutz::Verbinden(Aktion, &QAction::triggered, this, [this, Pfad] { Zuletzt_Oeffnen(Pfad); });
    }
    Menue->setEnabled(!m_Zuletzt.isEmpty());
}

void TForm_Haupt::Zuletzt_Oeffnen(const QString& Pfad)
{
    if (QFileInfo(Pfad).isFile()) {
        Bestellung_Oeffnen(Pfad);
        return;
    }
    m_Zuletzt.removeAll(Pfad);
    TEinstellungen().setValue(Schluessel_Zuletzt, m_Zuletzt);
    Zuletzt_Aufbauen();
    TDienste::Aktuell().Information(this, Datei_Fort.arg(QDir::toNativeSeparators(Pfad)), false);
}

QString TForm_Haupt::Abgelegte_Datei(const QMimeData* Daten)
{
    if (!Daten || !Daten->hasUrls())
        return {};
    for (const QUrl& Adresse : Daten->urls())
        if (Adresse.isLocalFile())
            return Adresse.toLocalFile();
    return {};
}

void TForm_Haupt::dragEnterEvent(QDragEnterEvent* Ereignis)
{
    if (!Abgelegte_Datei(Ereignis->mimeData()).isEmpty())
        Ereignis->acceptProposedAction();
}

void TForm_Haupt::dropEvent(QDropEvent* Ereignis)
{
    const QString Name = Abgelegte_Datei(Ereignis->mimeData());
    if (Name.isEmpty())
        return;
    Ereignis->acceptProposedAction();
    // The drag source waits for the drop to finish: ask and open afterwards.
    QMetaObject::invokeMethod(this, [this, Name] { Bestellung_Oeffnen(Name); }, Qt::QueuedConnection);
}

bool TForm_Haupt::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    const QEvent::Type Art = Ereignis->type();
    if ((Art == QEvent::DragEnter || Art == QEvent::DragMove || Art == QEvent::Drop) && Objekt != this) {
        auto* Ziehen = static_cast<QDropEvent*>(Ereignis);
        if (!Abgelegte_Datei(Ziehen->mimeData()).isEmpty()) {
            if (Art == QEvent::Drop)
                dropEvent(Ziehen);
            else
                Ziehen->acceptProposedAction();
            return true;
        }
    }
    if (auto* Feld = qobject_cast<QLineEdit*>(Objekt); Feld && Feld->parentWidget() && Objekt != m_Ui.Edit_Rabatt
                                                        && Objekt != m_Ui.Edit_RabattObjekt) {
        // Leaving a header field ends its burst of typing; undo and redo are the order's, not the field's.
        if (Art == QEvent::FocusOut)
            ++m_Kopf_Folge;
        if (Art == QEvent::ShortcutOverride) {
            const auto* Taste = static_cast<QKeyEvent*>(Ereignis);
            if (Taste->matches(QKeySequence::Undo) || Taste->matches(QKeySequence::Redo)
                || Taste->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_Y)) {
                Ereignis->ignore();
                return true;
            }
        }
    }
    const bool Losgelassen = Ereignis->type() == QEvent::KeyRelease;
    const int Taste = Losgelassen ? static_cast<QKeyEvent*>(Ereignis)->key() : 0;
    if (Objekt == m_Ui.StringGrid1->viewport() && Ereignis->type() == QEvent::ToolTip) {
        const auto* Hilfe = static_cast<QHelpEvent*>(Ereignis);
        const QString Text = Raster_Tooltip(Hilfe->pos());
        if (Text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(Hilfe->globalPos(), Qt::convertFromPlainText(Text), m_Ui.StringGrid1->viewport());
        return true;
    }
    if (Objekt == m_Ui.StringGrid1) {
        if (Taste == Qt::Key_Delete && m_Ui.Button_Position_Loeschen->isEnabled())
            Button_Position_LoeschenClick();
        // Enter on a row opens its dialog, as a double click does.
        if (Ereignis->type() == QEvent::KeyPress) {
            const int Gedrueckt = static_cast<QKeyEvent*>(Ereignis)->key();
            if (Gedrueckt == Qt::Key_Return || Gedrueckt == Qt::Key_Enter) {
                Button_Position_BearbeitenClick();
                return true;
            }
        }
    } else if (Objekt == m_Ui.Edit_Rabatt || Objekt == m_Ui.Edit_RabattObjekt) {
        bool Verlassen = Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
        if (Ereignis->type() == QEvent::FocusOut) {
            // Switching to another window is not leaving the field.
            const Qt::FocusReason Grund = static_cast<QFocusEvent*>(Ereignis)->reason();
            Verlassen = Grund != Qt::ActiveWindowFocusReason && Grund != Qt::PopupFocusReason;
        }
        if (Verlassen) {
            if (Objekt == m_Ui.Edit_Rabatt)
                Edit_RabattExit();
            else
                Edit_RabattObjektExit();
        }
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}
