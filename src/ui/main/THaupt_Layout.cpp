#include "ui/main/THaupt_Layout.h"

#include "fonts/TSchriften.h"
#include "order/TBestellung.h"
#include "sheet/Herstellerdaten.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/main/TAufAbPfeile.h"
#include "ui/main/TOptionenMenue.h"
#include "ui/main/TPositionsmodell.h"
#include "ui/info/TWeblink.h"
#include "ui/shared/TWindows1252Validator.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QTableView>

#include <algorithm>
#include <initializer_list>

namespace {

const std::array<int, TPositionsmodell::Spaltenzahl> Spaltenbreiten = {25, 45, 30, 216, 57, 66};
constexpr std::size_t Spalte_Beschreibung = 3;
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

// Client rows: label column, edit column, right label column, right edit column.
constexpr int XL = 16, XE = 132, XR = 256, XRE = 366;
constexpr int Zeilenhoehe = 26;
// Everything under the grid's panel sits below the price breakdown.
constexpr int Y_Aufstellung = 276;
constexpr int Unter_Aufstellung = THaupt_Layout::Aufstellungshoehe;
constexpr int Y_Kopf = 376 + Unter_Aufstellung;

// The client area, which hands each new size to the layout.
class TClient : public QWidget
{
public:
    TClient(QWidget* Eltern, THaupt_Layout& Layout)
        : QWidget(Eltern)
        , m_Layout(Layout)
    {
    }

protected:
    void resizeEvent(QResizeEvent* Ereignis) override
    {
        QWidget::resizeEvent(Ereignis);
        m_Layout.Anordnen(size());
    }

private:
    THaupt_Layout& m_Layout;
};

} // namespace

THaupt_Layout::THaupt_Layout(QMainWindow& Form, QAbstractItemModel& Rastermodell)
    : m_Form(Form)
{
    m_Form.setObjectName(QStringLiteral("Form_Haupt"));
    m_Form.setFont(Schrift(8));
    Oberflaeche_Anlegen(Rastermodell);
    Menues_Anlegen();
    m_Form.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    m_Form.setWindowTitle(QStringLiteral("Quadrolis C2"));
    m_Form.setMinimumSize(Clientbreite, Clienthoehe + m_Form.menuBar()->sizeHint().height()
                                            + m_Form.statusBar()->sizeHint().height());
    m_Form.resize(m_Form.minimumSize());
}

void THaupt_Layout::Anker_Merken(QWidget* Client)
{
    const auto Anker_Von = [this](const QWidget* W) {
        const QString Name = W->objectName();
        if (W == StringGrid1 || W == Panel1)
            return TAnker::Wachsend;
        if (Name == QLatin1String("Label3"))
            return TAnker::Breiter;
        if (Name == QLatin1String("Label4") || Name == QLatin1String("Label5"))
            return TAnker::Rechts;
        if (Name.startsWith(QLatin1String("Aufstellung_")))
            return TAnker::Unten_Rechts;
        return W->y() >= StringGrid1->geometry().bottom() ? TAnker::Unten : TAnker::Fest;
    };
    for (QWidget* W : Client->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        m_Anker.push_back({W, W->geometry(), Anker_Von(W)});
}

void THaupt_Layout::Anordnen(const QSize& Flaeche)
{
    const int dx = std::max(0, Flaeche.width() - Clientbreite);
    const int dy = std::max(0, Flaeche.height() - Clienthoehe);
    for (const TVerankert& A : m_Anker) {
        QRect Lage = A.Lage;
        switch (A.Anker) {
        case TAnker::Fest: break;
        case TAnker::Wachsend: Lage.adjust(0, 0, dx, dy); break;
        case TAnker::Breiter: Lage.adjust(0, 0, dx, 0); break;
        case TAnker::Rechts: Lage.translate(dx, 0); break;
        case TAnker::Unten: Lage.translate(0, dy); break;
        case TAnker::Unten_Rechts: Lage.translate(dx, dy); break;
        }
        A.Element->setGeometry(Lage);
    }
    if (StringGrid1)
        StringGrid1->setColumnWidth(Spalte_Beschreibung, Spaltenbreiten[Spalte_Beschreibung] + dx);
}

void THaupt_Layout::Oberflaeche_Anlegen(QAbstractItemModel& Rastermodell)
{
    auto* Client = new TClient(&m_Form, *this);
    Client->setObjectName(QStringLiteral("Client"));
    Client->setMinimumSize(Clientbreite, Clienthoehe);
    m_Form.setCentralWidget(Client);

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

    StringGrid1 = Anlegen<QTableView>(Client, "StringGrid1", QRect(16, 53, 465, 193));
    StringGrid1->setModel(&Rastermodell);
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
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    StringGrid1->setFrameShape(QFrame::NoFrame);
    StringGrid1->setWordWrap(false);
    // Tab leaves the grid; the arrows move in it.
    StringGrid1->setTabKeyNavigation(false);
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
                                 QRect(XL, 278 + Unter_Aufstellung, 465, 26));
    Vertrag->setFont(Schrift(7));
    Vertrag->setWordWrap(true);
    Beschriftung(Client, "Label12",
                 QStringLiteral("Workshop Chancen im Handwerk, Termine - Fördermittel unter ")
                     + Herstellerdaten::Webadresse,
                 QRect(XL, 304 + Unter_Aufstellung, 465, 15));
    Memo1 = Anlegen<TWeblink>(Client, "Memo1", QRect(XL - 2, 320 + Unter_Aufstellung, 200, 19));
    QPalette Knopfflaeche = Memo1->palette();
    Knopfflaeche.setColor(QPalette::Base, Knopfflaeche.color(QPalette::Button));
    Memo1->setPalette(Knopfflaeche);

    constexpr int Y_Knopf = 342 + Unter_Aufstellung;
    Button_Position_Bearbeiten = Anlegen<QPushButton>(Client, "Button_Position_Bearbeiten", QRect(XL, Y_Knopf, 97, 25));
    Button_Position_Bearbeiten->setText(QStringLiteral("&Pos. bearbeiten"));
    UpDown1 = Anlegen<TAufAbPfeile>(Client, "UpDown1", QRect(XL + 99, Y_Knopf, 17, 25));
    Button_Position_Loeschen = Anlegen<QPushButton>(Client, "Button_Position_Loeschen", QRect(XL + 118, Y_Knopf, 90, 25));
    Button_Position_Loeschen->setText(QStringLiteral("Pos. &löschen"));
    CB_Mit_Nachtext = Anlegen<QCheckBox>(Client, "CB_Mit_Nachtext", QRect(XL + 222, Y_Knopf + 4, 100, 17));
    CB_Mit_Nachtext->setText(QStringLiteral("Mit Nachtext"));
    CB_Mit_Nachtext->setChecked(true);
    Button_Bestellblatt = Anlegen<QPushButton>(Client, "Button_Bestellblatt", QRect(341, Y_Knopf, 140, 25));
    Button_Bestellblatt->setText(QStringLiteral("Bes&tellblatt erzeugen"));
    for (QPushButton* Knopf : {Button_Position_Bearbeiten, Button_Position_Loeschen, Button_Bestellblatt})
        Knopf->setEnabled(false);

    const auto Zeile = [](int i, int Versatz = 0) { return Y_Kopf + i * Zeilenhoehe + Versatz; };
    const auto Kopffeld = [&](const char* Label, const QString& Text, const char* Name, int X0, int XEdit, int Breite,
                              int i) {
        Beschriftung(Client, Label, Text, QRect(X0, Zeile(i, 3), XEdit - X0, 15));
        auto* Feld = Anlegen<QLineEdit>(Client, Name, QRect(XEdit, Zeile(i), Breite, 21));
        TWindows1252Validator::Textfeld_Einrichten(*Feld);
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
    for (const TBestellung::TRabattAuswahl& Auswahl : TBestellung::Rabattauswahl())
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
    TWindows1252Validator::Textfeld_Einrichten(*Edit_Bemerkungen);

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

    Aufstellung_Anlegen(Client);
    Anker_Merken(Client);
}

void THaupt_Layout::Aufstellung_Anlegen(QWidget* Client)
{
    constexpr int Y = Y_Aufstellung;
    CB_Umsatzsteuer = Anlegen<QCheckBox>(Client, "CB_Umsatzsteuer", QRect(XL, Y + 2, 158, 17));
    CB_Umsatzsteuer->setText(QStringLiteral("&Umsatzsteuer ausweisen"));
    Label_UStSatz = Beschriftung(Client, "Label_UStSatz", QStringLiteral("Satz [%]:"), QRect(XL + 18, Y + 25, 52, 15));
    Edit_UStSatz = Anlegen<QLineEdit>(Client, "Edit_UStSatz", QRect(XL + 72, Y + 22, 40, 20));
    Edit_UStSatz->setMaxLength(6);
    Label_UStSatz->setBuddy(Edit_UStSatz);

    // Labels right-aligned up to the price columns, amounts under "Gesamtpreis".
    constexpr int Zeile = 14;
    for (int i = 0; i < Aufstellungszeilen; ++i) {
        const QByteArray Nummer = QByteArray::number(i);
        auto* Text = Beschriftung(Client, ("Aufstellung_Text_" + Nummer).constData(), QString(),
                                  QRect(180, Y + i * Zeile, 201, Zeile));
        auto* Betrag = Beschriftung(Client, ("Aufstellung_Betrag_" + Nummer).constData(), QString(),
                                    QRect(385, Y + i * Zeile, 74, Zeile));
        Text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Betrag->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Aufstellung_Text[std::size_t(i)] = Text;
        Aufstellung_Betrag[std::size_t(i)] = Betrag;
    }
}

void THaupt_Layout::Menues_Anlegen()
{
    QMenuBar* Leiste = m_Form.menuBar();
    const auto Punkt = [](QMenu* Menue, const char* Name, const QString& Text, const QKeySequence& Taste = {}) {
        QAction* Aktion = Menue->addAction(Text);
        Aktion->setObjectName(QLatin1String(Name));
        Aktion->setShortcut(Taste);
        return Aktion;
    };

    QMenu* Datei = Leiste->addMenu(QStringLiteral("&Datei"));
    Datei->setObjectName(QStringLiteral("Datei1"));
    Oeffnen1 = Punkt(Datei, "Oeffnen1", QStringLiteral("&Öffnen ..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    Zuletzt1 = Datei->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    Zuletzt1->setObjectName(QStringLiteral("Zuletzt1"));
    Speichern1 = Punkt(Datei, "Speichern1", QStringLiteral("&Speichern"), QKeySequence(Qt::CTRL | Qt::Key_S));
    Speichernunter1 = Punkt(Datei, "Speichernunter1", QStringLiteral("Speichern unter ..."),
                            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    Variante1 = Punkt(Datei, "Variante1", QStringLiteral("Als &Variante speichern unter…"));
    Punkt(Datei, "N3", QStringLiteral(" "));
    BestellblattPDF1 = Punkt(Datei, "BestellblattPDF1", QStringLiteral("Bestellblatt als PDF…"));
    Mail1 = Punkt(Datei, "Mail1", QStringLiteral("Per &E-Mail senden…"), QKeySequence(Qt::CTRL | Qt::Key_E));
    Drucken1 = Punkt(Datei, "Drucken1", QStringLiteral("Drucken…"), QKeySequence(Qt::CTRL | Qt::Key_P));
    Druckvorschau1 = Punkt(Datei, "Druckvorschau1", QStringLiteral("Druckvorschau"));
    Punkt(Datei, "N1", QStringLiteral(" "));
    Neu1 = Punkt(Datei, "Neu1", QStringLiteral("&Neu"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Punkt(Datei, "N2", QStringLiteral(" "));
    Beenden1 = Punkt(Datei, "Beenden1", QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* Bearbeiten = Leiste->addMenu(QStringLiteral("&Bearbeiten"));
    Bearbeiten->setObjectName(QStringLiteral("Bearbeiten1"));
    Rueckgaengig1 = Punkt(Bearbeiten, "Rueckgaengig1", QStringLiteral("&Rückgängig"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Wiederholen1 = Punkt(Bearbeiten, "Wiederholen1", QStringLiteral("&Wiederholen"));
    Wiederholen1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    Bearbeiten->addSeparator();
    Ausschneiden1 = Punkt(Bearbeiten, "Ausschneiden1", QStringLiteral("&Ausschneiden"), QKeySequence(Qt::CTRL | Qt::Key_X));
    Kopieren1 = Punkt(Bearbeiten, "Kopieren1", QStringLiteral("&Kopieren"), QKeySequence(Qt::CTRL | Qt::Key_C));
    Einfuegen1 = Punkt(Bearbeiten, "Einfuegen1", QStringLiteral("&Einfügen"), QKeySequence(Qt::CTRL | Qt::Key_V));
    Duplizieren1 = Punkt(Bearbeiten, "Duplizieren1", QStringLiteral("Position &duplizieren"), QKeySequence(Qt::CTRL | Qt::Key_D));
    // Undo and redo reach the order from every window of the program.
    for (QAction* Aktion : {Rueckgaengig1, Wiederholen1})
        Aktion->setShortcutContext(Qt::ApplicationShortcut);

    QMenu* Fenster = Leiste->addMenu(QStringLiteral("&Fenster"));
    Fenster->setObjectName(QStringLiteral("Fenster1"));
    Profilskizzen1 = Punkt(Fenster, "Profilskizzen1", QStringLiteral("&Profilskizzen"));
    Sonderformen1 = Punkt(Fenster, "Sonderformen1", QStringLiteral("&Sonderformen"));
    Holzarten1 = Punkt(Fenster, "Holzarten1", QStringLiteral("&Holzarten"));
    Skizze1 = Punkt(Fenster, "Skizze1", QStringLiteral("S&kizze"));

    Optionen1 = new TOptionenMenue(&m_Form);
    Leiste->addMenu(Optionen1);

    QMenu* Info = Leiste->addMenu(QStringLiteral("&Info"));
    Info->setObjectName(QStringLiteral("Info1"));
    TalvernFensterGmbH1 = Punkt(Info, "TalvernFensterGmbH1", QStringLiteral("&Talvern Fenster GmbH..."));
    berQuadrolis2 = Punkt(Info, "berQuadrolis2", QStringLiteral("Über &Quadrolis..."));
    Drehrichtungen1 = Punkt(Info, "Drehrichtungen1", QStringLiteral("Dreh&richtungen..."));

    Abrechnungsvorschlag1 = Leiste->addAction(QStringLiteral("Abrechnungsvorschlag"));
    Abrechnungsvorschlag1->setObjectName(QStringLiteral("Abrechnungsvorschlag1"));
    Einfuehrungspreise1 = Leiste->addAction(QStringLiteral("&Einführungspreise"));
    Einfuehrungspreise1->setObjectName(QStringLiteral("Einfuehrungspreise1"));
    Einfuehrungspreise1->setVisible(false);
    Einfuehrungspreise1->setEnabled(false);
}
