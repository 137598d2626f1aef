#include "ui/editor/TPositionen_Layout.h"

#include "positions/Positionsarten.h"
#include "fonts/TSchriften.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/editor/TSonderformbilder.h"
#include "positions/TOptionsregeln.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace {

constexpr int Zeilenhoehe = 22;
constexpr int X_Links = 4, B_Links = 384;
constexpr int X_Rechts = 393, B_Rechts = 388;
const QColor Himmelblau(166, 202, 240);

// Row n of a group box, below its caption.
constexpr int Zeile(int n)
{
    return 18 + 24 * n;
}

using O = TOptionsregeln::TOption;

QFont Formschrift(int Punkte)
{
    return TSchriften::Schrift(Punkte);
}

void Hintergrund(QWidget* Steuerelement, QPalette::ColorRole Rolle, const QColor& Farbe)
{
    QPalette Palette = Steuerelement->palette();
    Palette.setColor(Rolle, Farbe);
    Steuerelement->setPalette(Palette);
    Steuerelement->setAutoFillBackground(true);
}

} // namespace

TPositionen_Layout::TPositionen_Layout(QWidget& Form)
    : m_Form(Form)
{
    m_Form.setWindowTitle(Positionsarten::Titel(Positionstyp::Fenster));
    m_Form.setFont(Formschrift(8));
    m_Form.setFixedSize(Breite, Hoehe);

    Abmessungen_Bauen();
    Profil_Bauen();
    Glas_Bauen();
    Sprossen_Bauen();
    Rolladen_Bauen();
    Zierprofile_Bauen();
    Zubehoer_Bauen();
    Ergaenzungen_Bauen();
    Rahmen_Bauen();
    Fensterposition_Bauen();
    Legende_Bauen();
    Tabfolge_Setzen();
}

// ---------------------------------------------------------------- left column

void TPositionen_Layout::Abmessungen_Bauen()
{
    GroupBox_A = Gruppe("GroupBox_A", QStringLiteral("Abmessungen (mm)"), X_Links, 2, B_Links, 94);
    m_Tab = &m_Tab_A;
    QWidget* G = GroupBox_A;

    Text(G, QStringLiteral("Anz.:"), 8, Zeile(0));
    EditA_Anzahl = Feld(G, "EditA_Anzahl", 50, Zeile(0), 44, 4);
    Text(G, QStringLiteral("Flg.:"), 104, Zeile(0));
    CBC_Fluegel = Liste(G, "CBC_Fluegel", O::Fluegel, 142, Zeile(0), 152);

    Text(G, QStringLiteral("Breite:"), 8, Zeile(1));
    EditA_Breite = Feld(G, "EditA_Breite", 50, Zeile(1), 44, 4);
    Text(G, QStringLiteral("Höhe:"), 104, Zeile(1));
    EditA_Hoehe = Feld(G, "EditA_Hoehe", 142, Zeile(1), 44, 4);
    Label_HoeheOberlicht = Text(G, QStringLiteral("Höhe OL:"), 196, Zeile(1));
    Label_HoeheOberlicht->setObjectName(QStringLiteral("Label_HoeheOberlicht"));
    EditA_HoeheOberlicht = Feld(G, "EditA_HoeheOberlicht", 250, Zeile(1), 44, 4);
    const QString Oberlicht_Hinweis = QStringLiteral("Für Flügel mit Oberlicht");
    Label_HoeheOberlicht->setToolTip(Oberlicht_Hinweis);
    EditA_HoeheOberlicht->setToolTip(Oberlicht_Hinweis);

    Text(G, QStringLiteral("Fensterbankanschl."), 8, Zeile(2));
    CBC_Fensterbankanschluss = Liste(G, "CBC_Fensterbankanschluss", O::Fensterbankanschluss, 120, Zeile(2), 66);
    Label_Drehrichtung = Text(G, QStringLiteral("Drehr.:"), 196, Zeile(2));
    Label_Drehrichtung->setObjectName(QStringLiteral("Label_Drehrichtung"));
    Label_Drehrichtung->setToolTip(QStringLiteral("siehe Menü Info->Drehrichtungen..."));
    EditA_Drehrichtung = Feld(G, "EditA_Drehrichtung", 250, Zeile(2), 100);
    EditA_Drehrichtung->setToolTip(QStringLiteral("Siehe Menü Info für mögliche Angaben"));

    LabelA_Drehrichtungen_Hilfe = Text(G, QStringLiteral("?"), 358, Zeile(2));
    LabelA_Drehrichtungen_Hilfe->setObjectName(QStringLiteral("LabelA_Drehrichtungen_Hilfe"));
    QFont Hilfe = LabelA_Drehrichtungen_Hilfe->font();
    Hilfe.setBold(true);
    Hilfe.setUnderline(true);
    LabelA_Drehrichtungen_Hilfe->setFont(Hilfe);
    LabelA_Drehrichtungen_Hilfe->adjustSize();
    LabelA_Drehrichtungen_Hilfe->resize(LabelA_Drehrichtungen_Hilfe->width() + 4, Zeilenhoehe);
    LabelA_Drehrichtungen_Hilfe->setCursor(Qt::PointingHandCursor);
}

void TPositionen_Layout::Profil_Bauen()
{
    GroupBox1 = Gruppe("GroupBox1", QStringLiteral("Profil, Holzart, Oberfläche"), X_Links, 99, B_Links, 118);
    m_Tab = &m_Tab_1;
    QWidget* G = GroupBox1;

    Text(G, QStringLiteral("Profil IV 68:"), 8, Zeile(0));
    CBC_Profil = Liste(G, "CBC_Profil", O::Profil, 88, Zeile(0), 108);
    CBC_Konterholz = Liste(G, "CBC_Konterholz", O::Konterholz, 202, Zeile(0), 132);

    Text(G, QStringLiteral("Holzart:"), 8, Zeile(1));
    CBC_Holz = Liste(G, "CBC_Holz", O::Holz, 88, Zeile(1), 132);

    Text(G, QStringLiteral("Oberfläche: "), 8, Zeile(2));
    CBC_Oberflaeche = Liste(G, "CBC_Oberflaeche", O::Oberflaeche, 88, Zeile(2), 190);
    CheckBox_Sonderfarbe = Haken(G, "CheckBox_Sonderfarbe", QStringLiteral("Sonderfarbe"), 284, Zeile(2));

    Text(G, QStringLiteral("Flügelabdeckung:"), 8, Zeile(3));
    CBC_Fluegelabdeckung = Liste(G, "CBC_Fluegelabdeckung", O::Fluegelabdeckung, 112, Zeile(3), 70);
}

void TPositionen_Layout::Glas_Bauen()
{
    GroupBox2 =
        Gruppe("GroupBox2", QStringLiteral("Glas, Versiegelung, Beschlag, Sicherheit"), X_Links, 220, B_Links, 166);
    m_Tab = &m_Tab_2;
    QWidget* G = GroupBox2;

    Text(G, QStringLiteral("Glas:"), 8, Zeile(0));
    CBC_Glas_1 = Liste(G, "CBC_Glas_1", O::Glas_1, 88, Zeile(0), 282);
    CBC_Glas_2 = Liste(G, "CBC_Glas_2", O::Glas_2, 88, Zeile(1), 162);
    CBC_Glas_3 = Liste(G, "CBC_Glas_3", O::Glas_3, 254, Zeile(1), 116);
    CBC_Glas_4 = Liste(G, "CBC_Glas_4", O::Glas_4, 88, Zeile(2), 196);

    Text(G, QStringLiteral("Versiegelung: "), 8, Zeile(3));
    CBC_Versiegelung = Liste(G, "CBC_Versiegelung", O::Versiegelung, 88, Zeile(3), 100);
    Text(G, QStringLiteral("Beschlag:"), 196, Zeile(3));
    CBC_Roto = Liste(G, "CBC_Roto", O::Beschlag, 252, Zeile(3), 118);

    Text(G, QStringLiteral("Sicherheit:"), 8, Zeile(4));
    CBC_Sicherheit = Liste(G, "CBC_Sicherheit", O::Sicherheit, 88, Zeile(4), 130);
    CheckBoxBE_Griffhoehe = Haken(G, "CheckBoxBE_Griffhoehe", QStringLiteral("Variable Griffhöhe"), 228, Zeile(4));

    CheckBoxBE_Abdeckkappen =
        Haken(G, "CheckBoxBE_Abdeckkappen", QStringLiteral("Abdeckkappen weiß/braun"), 8, Zeile(5));
    CB_PutzFangschere = Haken(G, "CB_PutzFangschere", QStringLiteral("OL Putz- u. Fangschere"), 196, Zeile(5));
}

void TPositionen_Layout::Sprossen_Bauen()
{
    GroupBox4 = Gruppe("GroupBox4", QStringLiteral("Sprossen"), X_Links, 389, B_Links, 46);
    m_Tab = &m_Tab_4;
    QWidget* G = GroupBox4;

    CBC_Sprossen = Liste(G, "CBC_Sprossen", O::Sprossen, 8, Zeile(0), 200);
    Text(G, QStringLiteral("-->"), 212, Zeile(0));
    CBC_Felder = Liste(G, "CBC_Felder", O::Felder, 234, Zeile(0), 100);
    Text(G, QStringLiteral("Felder"), 338, Zeile(0));
}

void TPositionen_Layout::Rolladen_Bauen()
{
    GroupBox3 = Gruppe("GroupBox3", QStringLiteral("Rolladen"), X_Links, 438, B_Links, 46);
    m_Tab = &m_Tab_3;
    QWidget* G = GroupBox3;

    Text(G, QStringLiteral("Rolladen:"), 8, Zeile(0));
    CBC_Rolladen = Liste(G, "CBC_Rolladen", O::Rolladen, 88, Zeile(0), 130);
    CBC_Bank = Liste(G, "CBC_Bank", O::Bank, 224, Zeile(0), 90);
}

// ---------------------------------------------------------------- right column

void TPositionen_Layout::Zierprofile_Bauen()
{
    GroupBox_Z = Gruppe("GroupBox_Z", QStringLiteral("Zierprofile "), X_Rechts, 2, B_Rechts, 130);
    m_Tab = &m_Tab_Z;
    QWidget* G = GroupBox_Z;

    QLabel* Kostenlos = Text(G, QStringLiteral("Keine Zusatzkosten!"), 8, 15);
    QFont Fett = Kostenlos->font();
    Fett.setBold(true);
    Kostenlos->setFont(Fett);
    Kostenlos->adjustSize();
    Kostenlos->resize(Kostenlos->width() + 4, 16);
    QPalette Rot = Kostenlos->palette();
    Rot.setColor(QPalette::WindowText, Qt::red);
    Kostenlos->setPalette(Rot);

    constexpr int y0 = 32, X_Liste = 214, B_Liste = 64;
    Text(G, QStringLiteral("Regenschienenabdeckung (Blatt 17):"), 8, y0);
    CBC_Regen_Abdeckung = Liste(G, "CBC_Regen_Abdeckung", O::Regen_Abdeckung, X_Liste, y0, B_Liste);
    Text(G, QStringLiteral("Regenschiene Fenster: "), 8, y0 + 24);
    CBC_Regen_Fenster = Liste(G, "CBC_Regen_Fenster", O::Regen_Fenster, X_Liste, y0 + 24, B_Liste);
    Text(G, QStringLiteral("Kämpfer (Blatt 18):"), 8, y0 + 48);
    CBC_Kaempfer = Liste(G, "CBC_Kaempfer", O::Kaempfer, X_Liste, y0 + 48, B_Liste);
    Text(G, QStringLiteral("-->"), 282, y0 + 48);
    Edit_Anschlag = Feld(G, "Edit_Anschlag", 302, y0 + 48, 52);
    Edit_Anschlag->setText(QStringLiteral("Anschlag"));
    QPalette Blau = Edit_Anschlag->palette();
    Blau.setColor(QPalette::Base, Himmelblau);
    Edit_Anschlag->setPalette(Blau);
    Text(G, QStringLiteral("mm"), 358, y0 + 48);
    Text(G, QStringLiteral("Schlagleisten (Blatt 20): "), 8, y0 + 72);
    CBC_Schlagleiste = Liste(G, "CBC_Schlagleiste", O::Schlagleiste, X_Liste, y0 + 72, B_Liste);
}

void TPositionen_Layout::Zubehoer_Bauen()
{
    GroupBox_S = Gruppe("GroupBox_S", QStringLiteral("Zubehör/Sonderausführung"), X_Rechts, 135, B_Rechts, 94);
    m_Tab = &m_Tab_S;
    QWidget* G = GroupBox_S;

    const QString Oberlicht_Hinweis = QStringLiteral("Für Fenster mit Oberlicht");
    Label_Oberlichtoeffner = Text(G, QStringLiteral("Oberlichtöffner:"), 8, 16, 16);
    Label_Oberlichtoeffner->setObjectName(QStringLiteral("Label_Oberlichtoeffner"));
    Label_Lose = Text(G, QStringLiteral("(lose)"), 8, 32, 16);
    Label_Lose->setObjectName(QStringLiteral("Label_Lose"));
    CBC_Oberlichtoeffner = Liste(G, "CBC_Oberlichtoeffner", O::Oberlichtoeffner, 96, Zeile(0), 120);
    for (QWidget* w : {static_cast<QWidget*>(Label_Oberlichtoeffner), static_cast<QWidget*>(Label_Lose),
                       static_cast<QWidget*>(CBC_Oberlichtoeffner)})
        w->setToolTip(Oberlicht_Hinweis);

    CheckBox_Regelair = Haken(G, "CheckBox_Regelair", QStringLiteral("Regel-air(R)"), 222, 16);
    CheckBox_Abschliessbar = Haken(G, "CheckBox_Abschliessbar", QStringLiteral("Innen u. außen abschlb."), 222, 38);
    CheckBox_Abschliessbar->setToolTip(QStringLiteral("Innen und außen abschließbar"));
    CheckBox_2te_Dichtung = Haken(G, "CheckBox_2te_Dichtung", QStringLiteral("2. Dichtung"), 222, 60);

    Text(G, QStringLiteral("Sonderform:"), 8, 54, 16);
    Label_Sonderformen = Text(G, QStringLiteral("(--)"), 8, 70, 16);
    Label_Sonderformen->setObjectName(QStringLiteral("Label_Sonderformen"));
    Label_Sonderformen->resize(86, Label_Sonderformen->height());

    CBE_Sonderformen = new QComboBox(G);
    CBE_Sonderformen->setObjectName(QStringLiteral("CBE_Sonderformen"));
    CBE_Sonderformen->setIconSize(QSize(TSonderformbilder::Groesse, TSonderformbilder::Groesse));
    CBE_Sonderformen->setMaxVisibleItems(8);
    // Some styles show every item of a list at once; this one keeps to eight.
    CBE_Sonderformen->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    const auto Formen = TOptionsregeln::Listeneintraege(TOptionsregeln::TOption::Sonderform);
    for (int i = 0; i < TSonderformbilder::Anzahl; ++i)
        CBE_Sonderformen->addItem(QIcon(TSonderformbilder::Bild(i)), Formen.at(std::size_t(i)).Text);
    CBE_Sonderformen->setGeometry(96, 52, 120, 36);
    m_Tab->append(CBE_Sonderformen);
}

void TPositionen_Layout::Ergaenzungen_Bauen()
{
    GroupBox_E = Gruppe("GroupBox_E", QStringLiteral("Ergänzungen"), X_Rechts, 232, B_Rechts, 94);
    m_Tab = &m_Tab_E;
    QWidget* G = GroupBox_E;

    Text(G, QStringLiteral("Bodenschwelle:"), 8, Zeile(0));
    CBC_Bodenschwelle = Liste(G, "CBC_Bodenschwelle", O::Bodenschwelle, 96, Zeile(0), 126);
    CheckBoxE_Absaegen = Haken(G, "CheckBoxE_Absaegen", QStringLiteral("Rahmen absägen/fälzen"), 228, Zeile(0));

    Text(G, QStringLiteral("Füllung:"), 8, Zeile(1));
    CBC_Fuellung = Liste(G, "CBC_Fuellung", O::Fuellung, 96, Zeile(1), 126);
    CBC_FuellungAnzahl = Liste(G, "CBC_FuellungAnzahl", O::Fuellung_Anzahl, 228, Zeile(1), 56);

    Text(G, QStringLiteral("Oliven:"), 8, Zeile(2));
    CBC_Oliven = Liste(G, "CBC_Oliven", O::Oliven, 96, Zeile(2), 126);
    CheckBoxE_Oliven_1 = Haken(G, "CheckBoxE_Oliven_1", QStringLiteral("abschließbare Oliven"), 228, Zeile(2));
}

void TPositionen_Layout::Rahmen_Bauen()
{
    GroupBox_RV = Gruppe("GroupBox_RV", QStringLiteral("Rahmenverbreiterung"), X_Rechts, 329, B_Rechts, 46);
    m_Tab = &m_Tab_RV;
    QWidget* G = GroupBox_RV;

    CBC_Rahmen = Liste(G, "CBC_Rahmen", O::Rahmen, 8, Zeile(0), 70);
    Text(G, QStringLiteral("-->"), 82, Zeile(0));
    CBC_Rahmen_Seiten = Liste(G, "CBC_Rahmen_Seiten", O::Rahmen_Seiten, 104, Zeile(0), 130);
}

void TPositionen_Layout::Fensterposition_Bauen()
{
    GroupBox5 = Gruppe("GroupBox5", QStringLiteral("Fenster Position"), X_Rechts, 378, B_Rechts, 106);
    m_Tab = &m_Tab_5;
    QWidget* G = GroupBox5;

    const QString Bez_Hinweis = QStringLiteral("Diese Positionsbezeichnung erscheint auf dem Bestellblatt");
    Label_Bez = Text(G, QStringLiteral("Pos. Bez."), 8, Zeile(0));
    Label_Bez->setObjectName(QStringLiteral("Label_Bez"));
    Label_Bez->setToolTip(Bez_Hinweis);
    Edit_Bez = Feld(G, "Edit_Bez", 64, Zeile(0), 310);
    Edit_Bez->setToolTip(Bez_Hinweis);

    auto* Hinweis =
        new QLabel(QStringLiteral("Preise sind Listenpreise in Euro. Netto zzgl. MwSt. Abzüglich Gesamtrabatt"), G);
    Hinweis->setFont(Formschrift(7));
    Hinweis->setGeometry(8, 44, B_Rechts - 16, 16);

    // Six value fields side by side, each as wide as its caption needs.
    const char* const Namen[] = {"LabelF_UM",         "LabelF_Meterpreis",  "LabelF_Stueckpreis",
                                 "LabelF_Stueckzahl", "LabelF_Einzelpreis", "LabelF_Gesamtpreis"};
    const char* const Titel[] = {"umlf. Meter", "Meterpreis",  "zzgl. /Stk.",
                                 "Stückzahl",   "Einzelpreis", "Gesamtpreis"};
    QLabel** const Felder[] = {&LabelF_UM,         &LabelF_Meterpreis,  &LabelF_Stueckpreis,
                               &LabelF_Stueckzahl, &LabelF_Einzelpreis, &LabelF_Gesamtpreis};
    const QFontMetrics Metrik(m_Form.font());
    int Summe = 0;
    int Breiten[6];
    for (int i = 0; i < 6; ++i) {
        Breiten[i] = std::max(56, Metrik.horizontalAdvance(QString::fromUtf8(Titel[i])) + 4);
        Summe += Breiten[i];
    }
    const int Luecke = std::max(2, (B_Rechts - 16 - Summe) / 5);
    int x = 8;
    for (int i = 0; i < 6; ++i) {
        auto* Ueberschrift = new QLabel(QString::fromUtf8(Titel[i]), G);
        Ueberschrift->setGeometry(x, 62, Breiten[i], 16);
        *Felder[i] = Wertfeld(G, Namen[i], x, 80, Breiten[i]);
        x += Breiten[i] + Luecke;
    }
}

void TPositionen_Layout::Legende_Bauen()
{
    constexpr int y = 487;
    BitBtn1 = new QPushButton(QStringLiteral("OK"), &m_Form);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    QFont Fett = BitBtn1->font();
    Fett.setBold(true);
    BitBtn1->setFont(Fett);
    BitBtn1->setIcon(m_Form.style()->standardIcon(QStyle::SP_DialogApplyButton));
    BitBtn1->setGeometry(X_Rechts + B_Rechts - 80, y, 80, 23);
    // Enter on the focused button presses it, as in the simple dialogs.
    BitBtn1->setAutoDefault(true);
    Button_Abbrechen = new QPushButton(QStringLiteral("Abbrechen"), &m_Form);
    Button_Abbrechen->setObjectName(QStringLiteral("Button_Abbrechen"));
    Button_Abbrechen->setGeometry(BitBtn1->x() - 88, y, 80, 23);
    Button_Abbrechen->setAutoDefault(true);
    Button_Fuer_Alle = new QPushButton(QStringLiteral("Für alle Fenster übernehmen…"), &m_Form);
    Button_Fuer_Alle->setObjectName(QStringLiteral("Button_Fuer_Alle"));
    Button_Fuer_Alle->setGeometry(8, y, 190, 23);

    const QFont Klein = Formschrift(7);
    const auto Legendentext = [&](const QString& Inhalt, const QColor& Farbe, int Rechts) {
        auto* Feld = new QLabel(Inhalt, &m_Form);
        Feld->setFont(Klein);
        Feld->setAlignment(Qt::AlignCenter);
        Feld->setFrameShape(QFrame::Box);
        Hintergrund(Feld, QPalette::Window, Farbe);
        const int w = QFontMetrics(Klein).horizontalAdvance(Inhalt) + 10;
        Feld->setGeometry(Rechts - w, y + 3, w, 17);
        return Feld;
    };
    Label_Zusatzkosten = Legendentext(QStringLiteral("Zusatzkosten"), Qt::white, Button_Abbrechen->x() - 12);
    Label_Zusatzkosten->setObjectName(QStringLiteral("Label_Zusatzkosten"));
    Label_Keine_Zusatzkosten =
        Legendentext(QStringLiteral("Keine Zusatzkosten"), Himmelblau, Label_Zusatzkosten->x() - 4);
    Label_Keine_Zusatzkosten->setObjectName(QStringLiteral("Label_Keine_Zusatzkosten"));
    auto* Erlaeuterung = new QLabel(QStringLiteral("Erläuterung:"), &m_Form);
    Erlaeuterung->adjustSize();
    Erlaeuterung->move(Label_Keine_Zusatzkosten->x() - Erlaeuterung->width() - 6, y + 4);
}

void TPositionen_Layout::Tabfolge_Setzen()
{
    QList<QWidget*> Folge;
    for (const QList<QWidget*>* Gruppe : {&m_Tab_A, &m_Tab_Z, &m_Tab_S, &m_Tab_E})
        Folge += *Gruppe;
    Folge << BitBtn1 << Button_Abbrechen << Button_Fuer_Alle;
    for (const QList<QWidget*>* Gruppe : {&m_Tab_RV, &m_Tab_1, &m_Tab_2, &m_Tab_3, &m_Tab_4, &m_Tab_5})
        Folge += *Gruppe;
    for (qsizetype i = 1; i < Folge.size(); ++i)
        QWidget::setTabOrder(Folge[i - 1], Folge[i]);
}

// ---------------------------------------------------------------- building blocks

QGroupBox* TPositionen_Layout::Gruppe(const char* Name, const QString& Titel, int x, int y, int w, int h)
{
    auto* Kasten = new QGroupBox(Titel, &m_Form);
    Kasten->setObjectName(QLatin1String(Name));
    Kasten->setGeometry(x, y, w, h);
    return Kasten;
}

QLabel* TPositionen_Layout::Text(QWidget* Eltern, const QString& Inhalt, int x, int y, int h)
{
    auto* Beschriftung = new QLabel(Inhalt, Eltern);
    Beschriftung->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Beschriftung->setGeometry(x, y, Beschriftung->fontMetrics().horizontalAdvance(Inhalt) + 2, h);
    return Beschriftung;
}

TComboBoxColor* TPositionen_Layout::Liste(QWidget* Eltern, const char* Name, TOptionsregeln::TOption Option, int x,
                                          int y, int w)
{
    auto* Box = new TComboBoxColor(Eltern);
    Box->setObjectName(QLatin1String(Name));
    const auto Eintraege = TOptionsregeln::Listeneintraege(Option);
    for (const auto& Eintrag : Eintraege)
        Box->addItem(Eintrag.Text);
    Box->Farben_Zuruecksetzen();
    for (std::size_t i = 0; i < Eintraege.size(); ++i)
        if (Eintraege[i].Ohne_Zusatzkosten)
            Box->Hintergrund_Setzen(int(i), Himmelblau);
    Box->setGeometry(x, y, w, Zeilenhoehe);
    m_Tab->append(Box);
    return Box;
}

QLineEdit* TPositionen_Layout::Feld(QWidget* Eltern, const char* Name, int x, int y, int w, int Maximallaenge)
{
    auto* Eingabe = new QLineEdit(Eltern);
    Eingabe->setObjectName(QLatin1String(Name));
    if (Maximallaenge > 0)
        Eingabe->setMaxLength(Maximallaenge);
    Eingabe->setGeometry(x, y, w, Zeilenhoehe);
    m_Tab->append(Eingabe);
    return Eingabe;
}

QCheckBox* TPositionen_Layout::Haken(QWidget* Eltern, const char* Name, const QString& Titel, int x, int y)
{
    auto* Kasten = new QCheckBox(Titel, Eltern);
    Kasten->setObjectName(QLatin1String(Name));
    Kasten->setGeometry(x, y, Kasten->sizeHint().width(), Zeilenhoehe);
    m_Tab->append(Kasten);
    return Kasten;
}

QLabel* TPositionen_Layout::Wertfeld(QWidget* Eltern, const char* Name, int x, int y, int w)
{
    auto* Feld = new QLabel(Eltern);
    Feld->setObjectName(QLatin1String(Name));
    Feld->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Hintergrund(Feld, QPalette::Window, Feld->palette().color(QPalette::ToolTipBase));
    Feld->setGeometry(x, y, w, 18);
    return Feld;
}
