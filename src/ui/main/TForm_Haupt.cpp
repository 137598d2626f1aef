#include "ui/main/TForm_Haupt.h"

#include "base/Zahlformat.h"
#include "fonts/TSchriften.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"
#include "print/TDruckblatt.h"
#include "sheet/Herstellerdaten.h"
#include "sheet/THtmlDatei.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/shared/TZahleingabe.h"
#include "ui/main/TAufAbPfeile.h"
#include "ui/shared/TDienste.h"
#include "ui/main/TOptionenMenue.h"
#include "ui/main/TPositionsmodell.h"
#include "ui/main/TQuadrolisApp.h"
#include "ui/main/TSicherung.h"
#include "ui/main/TWeblink.h"
#include "ui/shared/TWindows1252Validator.h"
#include "ui/shared/Slotschutz.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QToolTip>
#include <QUrl>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

const QString Frage_Beenden = QStringLiteral("Programm beenden? Ungesicherte Bestellungen gehen verloren.");
const QString Frage_Neu = QStringLiteral("Aktuelle Bestellung schließen und neue anlegen?");
const QString Frage_Oeffnen = QStringLiteral(
    "Die aktuelle Bestellung hat ungesicherte Änderungen. Trotzdem schließen und eine andere öffnen?");
const QString Frage_Wiederherstellen = QStringLiteral(
    "Quadrolis C2 wurde nicht ordnungsgemäß beendet. Eine ungesicherte Bestellung vom %1 um %2 Uhr mit %3%4 "
    "wurde aufbewahrt.\n\nSoll sie wiederhergestellt werden?");
const QString Fehler_Wiederherstellung = QStringLiteral(
    "Die Wiederherstellungsdatei %1 ist beschädigt und wurde nicht geöffnet.\n%2\nSie bleibt als %3 erhalten.");
const QString Fehler_Sicherung = QStringLiteral(
    "Die ungesicherte Bestellung kann nicht zur Wiederherstellung aufbewahrt werden:\n");
const QString Fehler_Oeffnen = QStringLiteral("Fehler beim Öffnen von ");
const QString Fehler_Speichern = QStringLiteral("Fehler beim Speichern von ");
const QString Blatt_Gespeichert = QStringLiteral(
    " gespeichert! Sie können das Bestellblatt nun öffnen, ausdrucken und zurückfaxen oder einfach per e-Mail "
    "zurücksenden!");
const QString Filter_Bestellung = QStringLiteral("Bestellung (*.dat);;Alle (*)");
const QString Filter_Bestellblatt = QStringLiteral("Bestellblatt (*.htm);;Alle (*)");
const QString Filter_Bestellblatt_PDF = QStringLiteral("Bestellblatt (*.pdf);;Alle (*)");
const QString Fehler_Drucken = QStringLiteral("Das Bestellblatt konnte nicht gedruckt werden.");

struct TRabattAuswahl
{
    QString Text;
    QString Kennung;
    std::int32_t Prozent;
};
const std::array<TRabattAuswahl, 4>& Rabattauswahl()
{
    static const std::array<TRabattAuswahl, 4> Tabelle = {{
        {QStringLiteral("--"),                                                 QString(),             0},
        {QStringLiteral("RSG Zadazu System Garantie + 15 %  (falls möglich)"), QStringLiteral("RSG"), -15},
        {QStringLiteral("TFS Talvern Fenster Solid            -   5 %"),       QStringLiteral("TFS"), 5},
        {QStringLiteral("TGF Tauch Grundierte Fenster   - 10 %"),              QStringLiteral("TGF"), 10},
    }};
    return Tabelle;
}

const std::array<int, TPositionsmodell::Spaltenzahl> Spaltenbreiten = {25, 45, 30, 216, 57, 66};
const std::array<const char*, TPositionsmodell::Spaltenzahl> Spaltenkoepfe = {
    "Pos.", "Bez.", "Stück", "Kurzbeschreibung", "Einzelpreis", "Gesamtpreis"};
const std::array<const char*, TPositionsmodell::Spaltenzahl> Spaltenkopfnamen = {
    "Label1", "Label8", "Label2", "Label3", "Label4", "Label5"};

QFont Schrift(int Punkte, bool Fett = false)
{
    return TSchriften::Schrift(Punkte, Fett);
}

// The grid's columns are narrow: "Bitte anfragen" has to fit the price
// columns, so the face is drawn narrowed like a condensed cut.
QFont Rasterschrift()
{
    QFont F = TSchriften::Schrift(7);
    F.setStretch(82);
    return F;
}

template <class T>
T* Anlegen(QWidget* Eltern, const char* Name, const QRect& Lage)
{
    auto* Steuerelement = new T(Eltern);
    Steuerelement->setObjectName(QLatin1String(Name));
    Steuerelement->setGeometry(Lage);
    return Steuerelement;
}

QLabel* Beschriftung(QWidget* Eltern, const char* Name, const QString& Text, const QRect& Lage)
{
    auto* L = Anlegen<QLabel>(Eltern, Name, Lage);
    L->setText(Text);
    return L;
}

QLineEdit* Anzeigefeld(QWidget* Eltern, const char* Name, const QRect& Lage, const QColor& Hintergrund)
{
    auto* Feld = Anlegen<QLineEdit>(Eltern, Name, Lage);
    Feld->setReadOnly(true);
    Feld->setFrame(false);
    QPalette P = Feld->palette();
    P.setColor(QPalette::Base, Hintergrund);
    Feld->setPalette(P);
    return Feld;
}

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

// Client rows: label column, edit column, right label column, right edit column.
constexpr int XL = 16, XE = 132, XR = 256, XRE = 366;
constexpr int Zeilenhoehe = 26;
constexpr int Y_Kopf = 376;

} // namespace

TForm_Haupt::TForm_Haupt(QWidget* parent)
    : QMainWindow(parent)
    , m_Bestellung(std::make_unique<TBestellung>())
{
    setObjectName(QStringLiteral("Form_Haupt"));
    setFont(Schrift(8));
    Oberflaeche_Anlegen();
    Menues_Anlegen();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("Quadrolis C2"));
    setFixedSize(Clientbreite, Clienthoehe + menuBar()->sizeHint().height());
    Verbinden();

    NeuePos_Zuruecksetzen();
    NeuePos_Aufbauen();
    CBC_RabattAuswahl->Farben_Zuruecksetzen();
    CBC_RabattAuswahl->Hintergrund_Setzen(0, QColor(166, 202, 240));
    Hauptfenster_Aktualisieren();

    m_Sicherung = new TSicherung([this]() -> const TBestellung& { return *m_Bestellung; }, QString(), this);
    m_Sicherung->Gesichert();
    Slotschutz::Verbinden(m_Sicherung, &TSicherung::Schreibfehler, this,
                          [this](const QString& Grund) { TDienste::Aktuell().Fehler(this, Fehler_Sicherung + Grund); });

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
}

void TForm_Haupt::Oberflaeche_Anlegen()
{
    auto* Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setFixedSize(Clientbreite, Clienthoehe);
    setCentralWidget(Client);

    auto* Neu = Beschriftung(Client, "Label_NeuePosition", QStringLiteral("Neue Position hinzufügen:"),
                             QRect(XL, 11, 150, 16));
    Neu->setFont(Schrift(8, true));
    CBC_Haupt_NeuePos = Anlegen<TComboBoxColor>(Client, "CBC_Haupt_NeuePos", QRect(172, 8, 161, 22));
    // Every choice appends a position; a wheel notch must never do that.
    CBC_Haupt_NeuePos->Mausrad_Zulassen(false);

    Panel1 = Beschriftung(Client, "Panel1", QStringLiteral("Bitte fangen Sie mit einer neuen Position an"),
                          QRect(8, 36, 481, 238));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    QPalette Weiss = Panel1->palette();
    Weiss.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(Weiss);

    int X = 16;
    for (std::size_t i = 0; i < Spaltenbreiten.size(); ++i) {
        auto* Kopf = Beschriftung(Client, Spaltenkopfnamen[i], QString::fromUtf8(Spaltenkoepfe[i]),
                                  QRect(X + 2, 39, Spaltenbreiten[i] + (i + 1 == Spaltenbreiten.size() ? 8 : 0), 13));
        Kopf->setFont(Schrift(7, true));
        X += Spaltenbreiten[i];
    }

    m_Modell = new TPositionsmodell(this);
    StringGrid1 = Anlegen<QTableView>(Client, "StringGrid1", QRect(16, 53, 465, 193));
    StringGrid1->setModel(m_Modell);
    StringGrid1->setFont(Rasterschrift());
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setMinimumSectionSize(8);
    StringGrid1->verticalHeader()->setDefaultSectionSize(16);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->horizontalHeader()->setMinimumSectionSize(8);
    for (std::size_t i = 0; i < Spaltenbreiten.size(); ++i)
        StringGrid1->setColumnWidth(int(i), Spaltenbreiten[i]);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setWordWrap(false);
    StringGrid1->setTextElideMode(Qt::ElideNone);
    StringGrid1->setShowGrid(true);
    StringGrid1->hide();

    auto* Hinweis = Beschriftung(Client, "Label7",
                                 QStringLiteral("Preise sind Listenpreise in €. Netto zzgl. MwSt. Abzüglich "
                                                "Gesamtrabatt. Für Angebote unter 4200 € Netto fällt "
                                                "Tansportpauschale an."),
                                 QRect(16, 248, 465, 26));
    Hinweis->setFont(Schrift(7));
    Hinweis->setWordWrap(true);
    auto* Vertrag = Beschriftung(Client, "Label9",
                                 QStringLiteral("Die angegebenen Preisinformationen sind nur ein Angebot. Es kommt "
                                                "durch eine Bestellung kein Vertrag zustande. Erst unsere "
                                                "schriftliche Bestätigung wird durch Ihre Unterschrift zum Vertag. "),
                                 QRect(XL, 278, 465, 26));
    Vertrag->setFont(Schrift(7));
    Vertrag->setWordWrap(true);
    Beschriftung(Client, "Label12",
                 QStringLiteral("Workshop Chancen im Handwerk, Termine - Fördermittel unter ")
                     + Herstellerdaten::Webadresse,
                 QRect(XL, 304, 465, 15));
    Memo1 = Anlegen<TWeblink>(Client, "Memo1", QRect(XL - 2, 320, 200, 19));
    QPalette Knopfflaeche = Memo1->palette();
    Knopfflaeche.setColor(QPalette::Base, Knopfflaeche.color(QPalette::Button));
    Memo1->setPalette(Knopfflaeche);

    constexpr int Y_Knopf = 342;
    Button_Position_Bearbeiten = Anlegen<QPushButton>(Client, "Button_Position_Bearbeiten", QRect(XL, Y_Knopf, 97, 25));
    Button_Position_Bearbeiten->setText(QStringLiteral("Pos. bearbeiten"));
    UpDown1 = Anlegen<TAufAbPfeile>(Client, "UpDown1", QRect(XL + 99, Y_Knopf, 17, 25));
    Button_Position_Loeschen = Anlegen<QPushButton>(Client, "Button_Position_Loeschen", QRect(XL + 118, Y_Knopf, 90, 25));
    Button_Position_Loeschen->setText(QStringLiteral("Pos. löschen"));
    CB_Mit_Nachtext = Anlegen<QCheckBox>(Client, "CB_Mit_Nachtext", QRect(XL + 222, Y_Knopf + 4, 100, 17));
    CB_Mit_Nachtext->setText(QStringLiteral("Mit Nachtext"));
    CB_Mit_Nachtext->setChecked(true);
    Button_Bestellblatt = Anlegen<QPushButton>(Client, "Button_Bestellblatt", QRect(341, Y_Knopf, 140, 25));
    Button_Bestellblatt->setText(QStringLiteral("Bestellblatt erzeugen"));
    for (QPushButton* Knopf : {Button_Position_Bearbeiten, Button_Position_Loeschen, Button_Bestellblatt})
        Knopf->setEnabled(false);

    const auto Zeile = [](int i, int Versatz = 0) { return Y_Kopf + i * Zeilenhoehe + Versatz; };
    const auto Kopffeld = [&](const char* Label, const QString& Text, const char* Name, int X0, int XEdit, int Breite,
                              int i) {
        Beschriftung(Client, Label, Text, QRect(X0, Zeile(i, 3), XEdit - X0, 15));
        auto* Feld = Anlegen<QLineEdit>(Client, Name, QRect(XEdit, Zeile(i), Breite, 21));
        Feld->setValidator(new TWindows1252Validator(Feld));
        return Feld;
    };
    Edit_Datum = Kopffeld("Label_Datum", QStringLiteral("Datum: "), "Edit_Datum", XL, XE, 112, 0);
    Edit_Ansprechpartner = Kopffeld("Label_Ansprechpartner", QStringLiteral("Ansprechpartner: "),
                                    "Edit_Ansprechpartner", XL, XE, 112, 1);
    Edit_Rechnungsempfaenger = Kopffeld("Label_Rechnungsempfaenger", QStringLiteral("Rechnungsempfänger:"),
                                        "Edit_Rechnungsempfaenger", XL, XE, 112, 2);
    Edit_Telefon = Kopffeld("Label_Telefon", QStringLiteral("Telefon: "), "Edit_Telefon", XR, XRE, 115, 0);
    Edit_Bauvorhaben = Kopffeld("Label_Bauvorhaben", QStringLiteral("Bauvorhaben: "), "Edit_Bauvorhaben", XR, XRE,
                                115, 1);

    CB_Rabatt = Anlegen<QCheckBox>(Client, "CB_Rabatt", QRect(XR, Zeile(2, 2), 184, 17));
    CB_Rabatt->setText(QStringLiteral("Rabattmöglichkeiten einblenden"));
    CBC_RabattAuswahl = Anlegen<TComboBoxColor>(Client, "CBC_RabattAuswahl", QRect(442, Zeile(2), 47, 21));
    for (const TRabattAuswahl& Auswahl : Rabattauswahl())
        CBC_RabattAuswahl->addItem(Auswahl.Text);
    CBC_RabattAuswahl->setCurrentIndex(0);
    CBC_RabattAuswahl->setEnabled(false);
    CBC_RabattAuswahl->hide();

    // The discount fields share the row of "Bemerkungen" and keep clear of its field below.
    Label_Rabatt = Beschriftung(Client, "Label_Rabatt", QStringLiteral("Rabatt [%]:"), QRect(XR, Zeile(3, 7), 56, 15));
    Edit_Rabatt = Anlegen<QLineEdit>(Client, "Edit_Rabatt", QRect(XR + 58, Zeile(3, 4), 34, 20));
    Label_RabattObjekt = Beschriftung(Client, "Label_RabattObjekt", QStringLiteral("Objektrabatt [%]:"),
                                      QRect(XR + 100, Zeile(3, 7), 86, 15));
    Edit_RabattObjekt = Anlegen<QLineEdit>(Client, "Edit_RabattObjekt", QRect(447, Zeile(3, 4), 34, 20));
    for (QWidget* W : std::initializer_list<QWidget*>{Label_Rabatt, Edit_Rabatt, Label_RabattObjekt, Edit_RabattObjekt})
        W->hide();
    Label_RabattObjekt->setEnabled(false);
    Edit_RabattObjekt->setEnabled(false);

    Beschriftung(Client, "Label_Bemerkungen", QStringLiteral("Bemerkungen"), QRect(XL, Zeile(3, 7), 100, 15));
    Edit_Bemerkungen = Anlegen<QLineEdit>(Client, "Edit_Bemerkungen", QRect(XL, Zeile(4), 465, 21));
    Edit_Bemerkungen->setToolTip(QStringLiteral(
        "Bitte geben Sie hier Ihre Bemerkungen zum Angebot ein (z.B. bezüglich Preis, Zahlung, Dauer)"));
    Edit_Bemerkungen->setValidator(new TWindows1252Validator(Edit_Bemerkungen));

    const QColor Geldgruen(192, 220, 192);
    const QColor Hinweisgelb(255, 255, 225);
    const QColor Hellgelb(255, 255, 176);
    auto* Summe = Beschriftung(Client, "Label_Summe", QStringLiteral("Summe:"), QRect(XL, Zeile(5, 3), XE - XL, 15));
    Summe->setFont(Schrift(8, true));
    Edit_Summe = Anzeigefeld(Client, "Edit_Summe", QRect(XE, Zeile(5), 112, 21), Geldgruen);
    Edit_Summe->setFont(Schrift(8, true));
    auto* Zwischen = Beschriftung(Client, "Label6", QStringLiteral("Zwischensumme:"), QRect(XR, Zeile(5, 3), XRE - XR, 15));
    Edit_Zwischensumme = Anzeigefeld(Client, "Edit_Zwischensumme", QRect(XRE, Zeile(5), 115, 21), Hinweisgelb);
    Zwischen->hide();
    Edit_Zwischensumme->hide();

    Beschriftung(Client, "Label10", QStringLiteral("Umlf. Meter Fenster:"), QRect(XL, Zeile(6, 3), XE - XL, 15));
    Edit_GesamtUM = Anzeigefeld(Client, "Edit_GesamtUM", QRect(XE, Zeile(6), 112, 21), Hellgelb);
    Beschriftung(Client, "Label11", QStringLiteral("Umlf. Meter Montage:"), QRect(XR, Zeile(6, 3), XRE - XR, 15));
    Edit_Montage_UM = Anzeigefeld(Client, "Edit_Montage_UM", QRect(XRE, Zeile(6), 115, 21), Hellgelb);
}

void TForm_Haupt::Menues_Anlegen()
{
    struct TPunkt
    {
        const char* Name;
        QString Text;
        QKeySequence Taste;
        void (TForm_Haupt::*Handler)();
    };
    QMenu* Datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    Datei->setObjectName(QStringLiteral("Datei1"));
    const TPunkt Dateipunkte[] = {
        {"Oeffnen1", QStringLiteral("&Öffnen ..."), QKeySequence(Qt::CTRL | Qt::Key_O), &TForm_Haupt::Oeffnen1Click},
        {"Speichern1", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S), &TForm_Haupt::Speichern1Click},
        {"Speichernunter1", QStringLiteral("Speichern unter ..."), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
         &TForm_Haupt::Speichernunter1Click},
        {"N3", QStringLiteral(" "), QKeySequence(), nullptr},
        {"BestellblattPDF1", QStringLiteral("Bestellblatt als PDF…"), QKeySequence(), &TForm_Haupt::Bestellblatt_PDF1Click},
        {"Drucken1", QStringLiteral("Drucken…"), QKeySequence(Qt::CTRL | Qt::Key_P), &TForm_Haupt::Drucken1Click},
        {"Druckvorschau1", QStringLiteral("Druckvorschau"), QKeySequence(), &TForm_Haupt::Druckvorschau1Click},
        {"N1", QStringLiteral(" "), QKeySequence(), nullptr},
        {"Neu1", QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N), &TForm_Haupt::Neu1Click},
        {"N2", QStringLiteral(" "), QKeySequence(), nullptr},
        {"Beenden1", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q), &TForm_Haupt::Beenden1Click},
    };
    for (const TPunkt& Punkt : Dateipunkte) {
        QAction* Aktion = Datei->addAction(Punkt.Text);
        Aktion->setObjectName(QLatin1String(Punkt.Name));
        Aktion->setShortcut(Punkt.Taste);
        if (Punkt.Handler)
            Slotschutz::Verbinden(Aktion, &QAction::triggered, this, Punkt.Handler);
    }

    struct TInfopunkt
    {
        const char* Name;
        QString Text;
        const char* Klasse;
    };
    const auto Infopunkte = [this](QMenu* Menue, std::initializer_list<TInfopunkt> Punkte) {
        for (const TInfopunkt& Punkt : Punkte) {
            QAction* Aktion = Menue->addAction(Punkt.Text);
            Aktion->setObjectName(QLatin1String(Punkt.Name));
            const char* Klasse = Punkt.Klasse;
            Slotschutz::Verbinden(Aktion, &QAction::triggered, this, [this, Klasse] { Infofenster_Zeigen(Klasse); });
        }
    };
    QMenu* Fenster = menuBar()->addMenu(QStringLiteral("&Fenster"));
    Fenster->setObjectName(QStringLiteral("Fenster1"));
    Infopunkte(Fenster, {{"Profilskizzen1", QStringLiteral("&Profilskizzen"), "TForm_Profilskizzen"},
                         {"Sonderformen1", QStringLiteral("&Sonderformen"), "TForm_Sonderformen"},
                         {"Holzarten1", QStringLiteral("&Holzarten"), "TForm_Holzarten"},
                         {"Skizze1", QStringLiteral("S&kizze"), "TForm_Skizze"}});

    Optionen1 = new TOptionenMenue(this);
    menuBar()->addMenu(Optionen1);
    Slotschutz::Verbinden(Optionen1, &TOptionenMenue::Zulage_Gewaehlt, this,
                          [this](std::uint32_t Typ, const QString& Vorlage) { NeuePosition_Anlegen(Typ, Vorlage); });

    QMenu* Info = menuBar()->addMenu(QStringLiteral("&Info"));
    Info->setObjectName(QStringLiteral("Info1"));
    Infopunkte(Info, {{"TalvernFensterGmbH1", QStringLiteral("&Talvern Fenster GmbH..."), "TAboutBox_Talvern"},
                      {"berQuadrolis2", QStringLiteral("Über &Quadrolis..."), "TAboutBox_Quadrolis"},
                      {"Drehrichtungen1", QStringLiteral("Dreh&richtungen..."), "TAboutBox_Drehrichtungen"}});

    QAction* Abrechnung = menuBar()->addAction(QStringLiteral("Abrechnungsvorschlag"));
    Abrechnung->setObjectName(QStringLiteral("Abrechnungsvorschlag1"));
    Slotschutz::Verbinden(Abrechnung, &QAction::triggered, this, [this] { Infofenster_Zeigen("TAboutBox_abrechnungsvorschlag"); });
    QAction* Einfuehrung = menuBar()->addAction(QStringLiteral("&Einführungspreise"));
    Einfuehrung->setObjectName(QStringLiteral("Einfuehrungspreise1"));
    Einfuehrung->setVisible(false);
    Einfuehrung->setEnabled(false);
    Slotschutz::Verbinden(Einfuehrung, &QAction::triggered, this, [this] { Infofenster_Zeigen("TForm_Einfuehrungspreise"); });
}

void TForm_Haupt::Verbinden()
{
    Slotschutz::Verbinden(CBC_Haupt_NeuePos, &QComboBox::activated, this, &TForm_Haupt::CBC_Haupt_NeuePosChange);
    Slotschutz::Verbinden(Button_Position_Bearbeiten, &QPushButton::clicked, this, &TForm_Haupt::Button_Position_BearbeitenClick);
    Slotschutz::Verbinden(Button_Position_Loeschen, &QPushButton::clicked, this, &TForm_Haupt::Button_Position_LoeschenClick);
    Slotschutz::Verbinden(UpDown1, &TAufAbPfeile::Richtung_Angefragt, this, &TForm_Haupt::UpDown1Changing);
    Slotschutz::Verbinden(Button_Bestellblatt, &QPushButton::clicked, this, &TForm_Haupt::Button_BestellblattClick);
    // Queued: the refresh rebuilds the model, which must not happen inside the
    // view's own mouse or key handling that moved the selection.
    Slotschutz::Verbinden(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                          &TForm_Haupt::StringGrid1SelectCell, Qt::QueuedConnection);
    Slotschutz::Verbinden(StringGrid1, &QTableView::doubleClicked, this, &TForm_Haupt::Button_Position_BearbeitenClick);
    StringGrid1->installEventFilter(this);
    StringGrid1->viewport()->installEventFilter(this);
    Slotschutz::Verbinden(m_Modell, &TPositionsmodell::Fehler, this, &TQuadrolisApp::Fehler_Melden, Qt::QueuedConnection);

    for (QLineEdit* Feld : {Edit_Datum, Edit_Ansprechpartner, Edit_Rechnungsempfaenger, Edit_Telefon, Edit_Bauvorhaben})
        Slotschutz::Verbinden(Feld, &QLineEdit::textChanged, this, &TForm_Haupt::Kopfdaten_Uebernehmen);
    Slotschutz::Verbinden(Edit_Bemerkungen, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_BemerkungenChange);
    Slotschutz::Verbinden(CB_Mit_Nachtext, &QCheckBox::toggled, this, &TForm_Haupt::CB_Mit_NachtextClick);
    Slotschutz::Verbinden(CB_Rabatt, &QCheckBox::toggled, this, &TForm_Haupt::CB_RabattClick);
    Slotschutz::Verbinden(Edit_Rabatt, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_RabattChange);
    Slotschutz::Verbinden(Edit_RabattObjekt, &QLineEdit::textChanged, this, &TForm_Haupt::Edit_RabattObjektChange);
    Edit_Rabatt->installEventFilter(this);
    Edit_RabattObjekt->installEventFilter(this);
    Slotschutz::Verbinden(CBC_RabattAuswahl, &QComboBox::currentIndexChanged, this, &TForm_Haupt::CBC_RabattAuswahlChange);
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

void TForm_Haupt::NeuePos_Sichtbar(const QString& Text, bool Sichtbar)
{
    m_NeuePos.Sichtbar(Text, Sichtbar);
}

void TForm_Haupt::NeuePos_Aufbauen()
{
    m_NeuePos.Aufbauen(*CBC_Haupt_NeuePos);
}

QString TForm_Haupt::Raster_Tooltip(const QPoint& Stelle) const
{
    constexpr int Spalte_Bez = 1;
    const QModelIndex Index = StringGrid1->indexAt(Stelle);
    if (!Index.isValid() || Index.column() != Spalte_Bez)
        return {};
    const QString Text = Index.data(Qt::DisplayRole).toString();
    // The cell's text margins, as the view's style draws them.
    const int Rand = 2 * (StringGrid1->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, StringGrid1) + 1);
    const int Platz = StringGrid1->columnWidth(Spalte_Bez) - Rand;
    return QFontMetrics(StringGrid1->font()).horizontalAdvance(Text) > Platz ? Text : QString();
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
    // Everything shown is computed before the first control changes, so an
    // error leaves the window as it was instead of half refreshed.
    // Setting the header fields below writes the controls back into the
    // order; reading from a snapshot keeps the old texts from winning.
    auto Schnappschuss = std::make_shared<TBestellung>();
    Schnappschuss->Kopieren_Von(*m_Bestellung);
    const TBestellung& B = *Schnappschuss;
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

    m_Zeile = Zeile;
    Button_Position_Bearbeiten->setEnabled(hatPositionen);
    Button_Position_Loeschen->setEnabled(hatPositionen);
    Button_Bestellblatt->setEnabled(hatPositionen);
    for (const char* Name : {"BestellblattPDF1", "Drucken1", "Druckvorschau1"}) {
        if (QAction* Aktion = findChild<QAction*>(QLatin1String(Name)))
            Aktion->setEnabled(hatPositionen);
    }
    const int Oben = StringGrid1->verticalScrollBar()->value();
    m_Modell->Aufbauen(Schnappschuss, Summen);
    StringGrid1->setVisible(hatPositionen);
    if (hatPositionen) {
        StringGrid1->verticalScrollBar()->setValue(Oben);
        Auswahl_Anzeigen();
    }

    NeuePos_Sichtbar(TNeuePosTabelle::Angebot, Angebot_Moeglich);

    Edit_GesamtUM->setText(GesamtUM);
    Edit_Montage_UM->setText(MontageUM);

    Dialoge_Abgleichen(Typ_Der_Zeile);

    if (Typ_Der_Zeile)
        Button_Position_Loeschen->setEnabled(*Typ_Der_Zeile != Positionstyp::Sonderfarbe);

    Edit_Summe->setText(Summe);
    Edit_Zwischensumme->setText(Zwischensumme);

    CB_Mit_Nachtext->setChecked(B.MitNachtext);
    CB_Rabatt->setChecked(B.RabattChecked);
    Label_Rabatt->setVisible(B.RabattChecked);
    Edit_Rabatt->setVisible(B.RabattChecked);
    Edit_Rabatt->setText(Rabatt);
    Edit_RabattObjekt->setText(RabattObjekt);

    Edit_Datum->setText(B.Datum);
    Edit_Ansprechpartner->setText(B.Ansprechpartner);
    Edit_Telefon->setText(B.Telefon);
    Edit_Rechnungsempfaenger->setText(B.Rechnungsempfaenger);
    Edit_Bauvorhaben->setText(B.Bauvorhaben);
    Edit_Bemerkungen->setText(B.Bemerkungen);

    NeuePos_Aufbauen();
    emit Aktualisiert();
}

void TForm_Haupt::Auswahl_Anzeigen()
{
    if (m_Modell->rowCount() == 0)
        return;
    StringGrid1->selectionModel()->setCurrentIndex(m_Modell->index(m_Zeile, 0),
                                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
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
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::NeuePosition_Anlegen(std::uint32_t Typ, const QString& Vorlage)
{
    m_Bestellung->Position_Anfuegen(Typ, Vorlage);
    Hauptfenster_Aktualisieren();
    Zeile_Waehlen(m_Bestellung->Letzter_Index(Typ));
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::CBC_Haupt_NeuePosChange(int Index)
{
    const std::uint32_t Typ = TNeuePosTabelle::Positionstyp_Von(CBC_Haupt_NeuePos->itemText(Index));
    CBC_Haupt_NeuePos->setCurrentIndex(0);
    if (Typ != 0)
        NeuePosition_Anlegen(Typ);
}

void TForm_Haupt::StringGrid1SelectCell()
{
    const QModelIndex Aktuell = StringGrid1->currentIndex();
    if (!Aktuell.isValid() || Aktuell.row() == m_Zeile)
        return;
    m_Zeile = Aktuell.row();
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
    const int Zeile = Ausgewaehlte_Zeile();
    if (Zeile < 0)
        return;
    m_Bestellung->Position_Loeschen(Zeile);
    m_Bestellung->Sonderfarbe_Abgleichen();
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::UpDown1Changing(int Richtung)
{
    const int Anzahl = m_Bestellung->Anzahl_Positionen();
    if (Anzahl <= 1 || Richtung == 0)
        return;
    const int Zeile = Ausgewaehlte_Zeile();
    const int Ziel = std::clamp(Zeile + Richtung, 0, Anzahl - 1);
    m_Bestellung->Positionen_Tauschen(Zeile, Ziel);
    Zeile_Waehlen(Ziel);
    Hauptfenster_Aktualisieren();
}

// ------------------------------------------------------------ files

void TForm_Haupt::Neu1Click()
{
    if (!TDienste::Aktuell().Information(this, Frage_Neu, true))
        return;
    const TBestellung Neu;
    m_Bestellung->Kopieren_Von(Neu);
    NeuePos_Zuruecksetzen();
    Hauptfenster_Aktualisieren();
    m_Sicherung->Gesichert();
}

bool TForm_Haupt::Ungesichert() const
{
    return m_Sicherung->Ungesichert();
}

bool TForm_Haupt::Verwerfen_Bestaetigt()
{
    return !Ungesichert() || TDienste::Aktuell().Information(this, Frage_Oeffnen, true);
}

void TForm_Haupt::Oeffnen1Click()
{
    if (!Verwerfen_Bestaetigt()) {
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
    return Verwerfen_Bestaetigt() && Datei_Laden(Name);
}

bool TForm_Haupt::Datei_Laden(const QString& Name)
{
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Laden(Name, *m_Bestellung);
    Hauptfenster_Aktualisieren();
    if (Ergebnis)
        m_Sicherung->Gesichert();
    else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Oeffnen + Name, Ergebnis.Fehlertext));
    return bool(Ergebnis);
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
        m_Sicherung->Uebernehmen(*Fund);
        Hauptfenster_Aktualisieren();
        return;
    }
}

void TForm_Haupt::Speichern1Click()
{
    if (m_Bestellung->Filename.isEmpty()) {
        Speichernunter1Click();
        return;
    }
    const QString Name = m_Bestellung->Filename;
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Speichern(Name, *m_Bestellung);
    if (Ergebnis)
        m_Sicherung->Gesichert();
    else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Ergebnis.Fehlertext));
}

void TForm_Haupt::Speichernunter1Click()
{
    QString Name = TDienste::Aktuell().Datei_Speichern(
        this, {QStringLiteral("Bestellung speichern unter"), Filter_Bestellung, QStringLiteral("dat"),
               QStringLiteral("Bestellung_") + Heute()});
    if (Name.isEmpty())
        return;
    Name = Mit_Endung(Name, QStringLiteral(".dat"));
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Speichern(Name, *m_Bestellung);
    if (Ergebnis)
        m_Sicherung->Gesichert();
    else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Ergebnis.Fehlertext));
}

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
               QStringLiteral("Bestellblatt_") + Heute()});
    if (Name.isEmpty())
        return;
    Name = Mit_Endung(Name, QStringLiteral(".htm"));
    THtmlDatei Blatt;
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
               QStringLiteral("Bestellblatt_") + Heute()});
    if (Name.isEmpty())
        return;
    Name = Mit_Endung(Name, QStringLiteral(".pdf"));
    TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung);
    if (Blatt.Pdf_Speichern(Name))
        TDienste::Aktuell().Information(this, Name + Blatt_Gespeichert, false);
    else
        TDienste::Aktuell().Fehler(this, Mit_Grund(Fehler_Speichern + Name, Blatt.Fehlertext()));
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
    const TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung);
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
    const TDruckblatt Blatt = TDruckblatt::Mit_Skizzen(*m_Bestellung);
    TDienste::Aktuell().Druckvorschau(this, Drucker, [&Blatt](QPrinter& Ziel) { Blatt.Zeichnen(Ziel); });
}

void TForm_Haupt::Beenden1Click()
{
    if (!TDienste::Aktuell().Information(this, Frage_Beenden, true))
        return;
    m_Beenden_Bestaetigt = true;
    close();
}

void TForm_Haupt::closeEvent(QCloseEvent* Ereignis)
{
    const bool Bestaetigt = std::exchange(m_Beenden_Bestaetigt, false);
    if (!Bestaetigt && !TDienste::Aktuell().Information(this, Frage_Beenden, true)) {
        Ereignis->ignore();
        return;
    }
    Ereignis->accept();
    m_Sicherung->Beenden();
    emit Geschlossen();
}

// ------------------------------------------------------------ header and discounts

void TForm_Haupt::Kopfdaten_Uebernehmen()
{
    m_Bestellung->Datum = Edit_Datum->text();
    m_Bestellung->Ansprechpartner = Edit_Ansprechpartner->text();
    m_Bestellung->Telefon = Edit_Telefon->text();
    m_Bestellung->Rechnungsempfaenger = Edit_Rechnungsempfaenger->text();
    m_Bestellung->Bauvorhaben = Edit_Bauvorhaben->text();
    m_Bestellung->Bemerkungen = Edit_Bemerkungen->text();
    if (m_Sicherung)
        m_Sicherung->Geaendert();
}

void TForm_Haupt::Edit_BemerkungenChange()
{
    m_Bestellung->Bemerkungen = Edit_Bemerkungen->text();
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
    TZahleingabe::Eingabe_Faerben(*Edit_Rabatt, TZahleingabe::TZahlart::Integer, m_Bestellung->RabattMin,
                                  m_Bestellung->RabattMax);
}

void TForm_Haupt::Edit_RabattObjektChange()
{
    TZahleingabe::Eingabe_Faerben(*Edit_RabattObjekt, TZahleingabe::TZahlart::Integer, m_Bestellung->RabattMin,
                                  m_Bestellung->RabattMax);
}

void TForm_Haupt::Edit_RabattExit()
{
    const QString Wert = TZahleingabe::Eingabe_Pruefen(Edit_Rabatt->text(), TZahleingabe::TZahlart::Integer,
                                                       m_Bestellung->RabattMin, m_Bestellung->RabattMax);
    m_Bestellung->Rabatt = Wert.isEmpty() ? 0 : Wert.toInt();
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::Edit_RabattObjektExit()
{
    const QString Wert = TZahleingabe::Eingabe_Pruefen(Edit_RabattObjekt->text(), TZahleingabe::TZahlart::Integer,
                                                       m_Bestellung->RabattMin, m_Bestellung->RabattMax);
    m_Bestellung->RabattObjekt = Wert.isEmpty() ? 0 : Wert.toInt();
    Hauptfenster_Aktualisieren();
}

void TForm_Haupt::CBC_RabattAuswahlChange(int Index)
{
    if (Index < 0 || Index >= int(Rabattauswahl().size()))
        return;
    m_Bestellung->RabattAuswahlText = Rabattauswahl()[std::size_t(Index)].Kennung;
    m_Bestellung->RabattAuswahl = Rabattauswahl()[std::size_t(Index)].Prozent;
    Hauptfenster_Aktualisieren();
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
    const bool Losgelassen = Ereignis->type() == QEvent::KeyRelease;
    const int Taste = Losgelassen ? static_cast<QKeyEvent*>(Ereignis)->key() : 0;
    if (Objekt == StringGrid1->viewport() && Ereignis->type() == QEvent::ToolTip) {
        const auto* Hilfe = static_cast<QHelpEvent*>(Ereignis);
        const QString Text = Raster_Tooltip(Hilfe->pos());
        if (Text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(Hilfe->globalPos(), Text, StringGrid1->viewport());
        return true;
    }
    if (Objekt == StringGrid1) {
        if (Taste == Qt::Key_Delete && Button_Position_Loeschen->isEnabled())
            Button_Position_LoeschenClick();
    } else if (Objekt == Edit_Rabatt || Objekt == Edit_RabattObjekt) {
        bool Verlassen = Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
        if (Ereignis->type() == QEvent::FocusOut) {
            // Switching to another window is not leaving the field.
            const Qt::FocusReason Grund = static_cast<QFocusEvent*>(Ereignis)->reason();
            Verlassen = Grund != Qt::ActiveWindowFocusReason && Grund != Qt::PopupFocusReason;
        }
        if (Verlassen) {
            if (Objekt == Edit_Rabatt)
                Edit_RabattExit();
            else
                Edit_RabattObjektExit();
        }
    }
    return QMainWindow::eventFilter(Objekt, Ereignis);
}
