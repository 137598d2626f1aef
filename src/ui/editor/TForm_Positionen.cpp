#include "ui/editor/TForm_Positionen.h"

#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "positions/TPosition.h"
#include "ui/shared/TComboBoxColor.h"
#include "positions/TOptionsregeln.h"
#include "ui/shared/TZahleingabe.h"
#include "ui/shared/TDialogkontext.h"
#include "ui/shared/TSkizzenflaeche.h"
#include "ui/shared/TWindows1252Validator.h"
#include "ui/shared/Slotschutz.h"
#include "ui/shared/TStandardknopf.h"
#include "ui/shared/TDienste.h"
#include "ui/shared/TEinstellungen.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace {

using TZahlart = TZahleingabe::TZahlart;

const QString Schluessel_Lage = QStringLiteral("Editor/Lage");

// The top-light field is empty while there is no top-light height.
QString Oberlicht_Text(const TAbmessungen& A)
{
    return A.HoeheOberlicht() == 0 ? QString() : QString::number(A.HoeheOberlicht());
}

bool Ist_Enter(int Taste)
{
    return Taste == Qt::Key_Return || Taste == Qt::Key_Enter;
}

int Haken_Wert(const QCheckBox* Kasten)
{
    return Kasten->isChecked() ? 1 : 0;
}

} // namespace

TForm_Positionen::TForm_Positionen(TDialogkontext& Kontext, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_Kontext(Kontext)
    , m_Ui(*this)
{
    setObjectName(QStringLiteral("TForm_Positionen"));
    constexpr int Skizzenbreite = 260;
    m_Skizze = new TSkizzenflaeche(this);
    m_Skizze->setObjectName(QStringLiteral("Skizze_Position"));
    m_Skizze->setGeometry(TPositionen_Layout::Breite, 8, Skizzenbreite - 8, TPositionen_Layout::Hoehe - 16);
    setFixedSize(TPositionen_Layout::Breite + Skizzenbreite, TPositionen_Layout::Hoehe);
    // A place on a screen that is no longer there would hide the window.
    const QVariant Lage = TEinstellungen().value(Schluessel_Lage);
    if (Lage.canConvert<QPoint>() && QGuiApplication::screenAt(Lage.toPoint()))
        move(Lage.toPoint());
    Handler_Binden();
}

void TForm_Positionen::Handler_Binden()
{
    // Every choice is a step of the history, named after what was chosen.
    const auto Auswahl = [this](QComboBox* Box, void (TForm_Positionen::*Handler)(int)) {
        Slotschutz::Verbinden(Box, &QComboBox::activated, this, [this, Box, Handler](int Index) {
            Schritt_Benennen(Box);
            (this->*Handler)(Index);
        });
    };
    Auswahl(m_Ui.CBC_Fluegel, &TForm_Positionen::CBC_FluegelChange);
    Auswahl(m_Ui.CBC_Glas_1, &TForm_Positionen::CBC_Glas_1Change);

    const auto Klick = [this](QAbstractButton* Knopf, void (TForm_Positionen::*Handler)()) {
        Slotschutz::Verbinden(Knopf, &QAbstractButton::clicked, this, [this, Knopf, Handler] {
            Schritt_Benennen(Knopf);
            (this->*Handler)();
        });
    };
    // The choices that store their entry and show their group again.
    for (const TWahl& W : Wahlen()) {
        if (!W.Anzeige)
            continue;
        if (auto* Box = qobject_cast<QComboBox*>(W.Steuerelement)) {
            Slotschutz::Verbinden(Box, &QComboBox::activated, this, [this, W](int Index) {
                Schritt_Benennen(W.Steuerelement);
                Waehlen(W.Option, Index, W.Anzeige);
            });
        } else if (auto* Kasten = qobject_cast<QCheckBox*>(W.Steuerelement)) {
            Slotschutz::Verbinden(Kasten, &QAbstractButton::clicked, this, [this, W, Kasten] {
                Schritt_Benennen(Kasten);
                Waehlen(W.Option, Haken_Wert(Kasten), W.Anzeige);
            });
        }
    }
    Klick(m_Ui.CheckBox_Sonderfarbe, &TForm_Positionen::CheckBox_SonderfarbeClick);
    Klick(m_Ui.CheckBox_2te_Dichtung, &TForm_Positionen::CheckBox_2te_DichtungClick);
    Klick(m_Ui.BitBtn1, &TForm_Positionen::BitBtn1Click);
    TStandardknopf::Einrichten(*this, *m_Ui.BitBtn1);
    // The menu is filled when it opens: it names the choices as they stand then.
    auto* Fuer_Alle = new QMenu(m_Ui.Button_Fuer_Alle);
    Fuer_Alle->setObjectName(QStringLiteral("Menue_Fuer_Alle"));
    m_Ui.Button_Fuer_Alle->setMenu(Fuer_Alle);
    Slotschutz::Verbinden(Fuer_Alle, &QMenu::aboutToShow, this, &TForm_Positionen::Fuer_Alle_Anbieten);

    Slotschutz::Verbinden(m_Ui.EditA_Breite, &QLineEdit::textChanged, this, &TForm_Positionen::ChangeEditA_Breite);
    Slotschutz::Verbinden(m_Ui.EditA_Hoehe, &QLineEdit::textChanged, this, &TForm_Positionen::ChangeEditA_Hoehe);
    Slotschutz::Verbinden(m_Ui.EditA_HoeheOberlicht, &QLineEdit::textChanged, this, &TForm_Positionen::ChangeEditA_Oberlicht);
    Slotschutz::Verbinden(m_Ui.EditA_Anzahl, &QLineEdit::textChanged, this, &TForm_Positionen::ChangeEditA_Anzahl);
    Slotschutz::Verbinden(m_Ui.Edit_Anschlag, &QLineEdit::textChanged, this, &TForm_Positionen::Edit_AnschlagExit);

    for (QLineEdit* Textfeld : {m_Ui.EditA_Drehrichtung, m_Ui.Edit_Anschlag, m_Ui.Edit_Bez})
        TWindows1252Validator::Textfeld_Einrichten(*Textfeld);

    const QList<QObject*> Beobachtet{m_Ui.EditA_Breite,       m_Ui.EditA_Hoehe,  m_Ui.EditA_HoeheOberlicht,
                                     m_Ui.EditA_Anzahl,       m_Ui.EditA_Drehrichtung, m_Ui.Edit_Bez,
                                     m_Ui.CBC_Fluegel,        m_Ui.CBC_Fensterbankanschluss,
                                     m_Ui.LabelA_Drehrichtungen_Hilfe};
    for (QObject* Objekt : Beobachtet)
        Objekt->installEventFilter(this);
    // The picture list follows the same wheel rule as the option lists.
    m_Ui.CBE_Sonderformen->setFocusPolicy(Qt::StrongFocus);
    m_Ui.CBE_Sonderformen->installEventFilter(this);
}

// ---------------------------------------------------------------- activation and events

void TForm_Positionen::Focus_Form_Positionen()
{
    Aendern([this](TPosition&) {
        Preise_Anzeigen();
        Abmessungen_Anzeigen();
        Hoelzer_Anzeigen();
        Profile_Anzeigen();
        Oberflaechen_Anzeigen();
        Versiegelungen_Anzeigen();
        Regenschienen_Anzeigen();
        Beschlaege_Anzeigen();
        Glaeser_Anzeigen();
        Sprossen_Anzeigen();
        Rolladen_Anzeigen();
        Ergaenzungen_Anzeigen();
        Zierprofile_Anzeigen();
        Sonderformen_Anzeigen();
        Sonderausfuehrungen_Anzeigen();
    });
}

void TForm_Positionen::changeEvent(QEvent* Ereignis)
{
    QWidget::changeEvent(Ereignis);
    if (Ereignis->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Focus_Form_Positionen();
        else
            Eingaben_Uebernehmen();
    }
}

void TForm_Positionen::hideEvent(QHideEvent* Ereignis)
{
    if (!Ereignis->spontaneous())
        TEinstellungen().setValue(Schluessel_Lage, pos());
    QWidget::hideEvent(Ereignis);
}

void TForm_Positionen::closeEvent(QCloseEvent* Ereignis)
{
    Eingaben_Uebernehmen();
    QWidget::closeEvent(Ereignis);
}

void TForm_Positionen::Eingaben_Uebernehmen()
{
    if (m_Tiefe > 0)
        return;
    const TPosition* P = Position();
    if (!P)
        return;
    const TAbmessungen& A = P->Abmessungen;
    const auto Gueltig = [](const QLineEdit* Feld, std::int64_t Von, std::int64_t Bis) {
        return TZahleingabe::Eingabe_Gueltig(Feld->text(), TZahlart::Integer, Von, Bis);
    };
    // Only what the user typed and did not yet confirm; an invalid number
    // stays in its red field until the field itself is left.
    const std::pair<QLineEdit*, bool> Felder[] = {
        {m_Ui.EditA_Breite, Gueltig(m_Ui.EditA_Breite, A.MinBreite(), A.MaxBreite())},
        {m_Ui.EditA_Hoehe, Gueltig(m_Ui.EditA_Hoehe, A.MinHoehe(), A.MaxHoehe())},
        {m_Ui.EditA_HoeheOberlicht, Gueltig(m_Ui.EditA_HoeheOberlicht, A.MinHoehe(), A.MaxHoehe())},
        {m_Ui.EditA_Anzahl, Gueltig(m_Ui.EditA_Anzahl, A.MinAnzahl(), A.MaxAnzahl())},
        {m_Ui.EditA_Drehrichtung, true},
        {m_Ui.Edit_Bez, true},
    };
    for (const auto& [Feld, Speicherbar] : Felder) {
        if (!Feld->isModified() || !Speicherbar)
            continue;
        Feld->setModified(false);
        Feld_Verlassen(Feld);
    }
}

bool TForm_Positionen::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    switch (Ereignis->type()) {
    case QEvent::FocusOut: {
        // Leaving the editor as a whole, or opening a popup, is not leaving the field.
        const Qt::FocusReason Grund = static_cast<QFocusEvent*>(Ereignis)->reason();
        if (Grund != Qt::ActiveWindowFocusReason && Grund != Qt::PopupFocusReason && m_Tiefe == 0)
            Feld_Verlassen(Objekt);
        break;
    }
    case QEvent::KeyRelease: {
        const auto* Taste = static_cast<QKeyEvent*>(Ereignis);
        if (!Taste->isAutoRepeat())
            Taste_Losgelassen(Objekt, Taste->key());
        break;
    }
    case QEvent::KeyPress: {
        // The sash layout and the sill connection drop down as soon as a key is typed.
        auto* Box = qobject_cast<QComboBox*>(Objekt);
        const QString Text = static_cast<QKeyEvent*>(Ereignis)->text();
        if (Box && !Text.isEmpty() && Text.front().isPrint() && !Box->view()->isVisible()) {
            Box->showPopup();
            QCoreApplication::sendEvent(Box->view(), Ereignis);
            return true;
        }
        break;
    }
    case QEvent::Wheel:
        if (Objekt == m_Ui.CBE_Sonderformen && !TComboBoxColor::Mausrad_Wirkt(*m_Ui.CBE_Sonderformen)) {
            Ereignis->ignore();
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (Objekt == m_Ui.LabelA_Drehrichtungen_Hilfe &&
            static_cast<QMouseEvent*>(Ereignis)->button() == Qt::LeftButton)
            LabelA_Drehrichtungen_HilfeClick();
        break;
    default: break;
    }
    return QWidget::eventFilter(Objekt, Ereignis);
}

void TForm_Positionen::Schritt_Benennen(const QObject* Steuerelement)
{
    const QString Was = Steuerelementname(Steuerelement);
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    if (!Was.isEmpty() && Zeile >= 0)
        m_Kontext.Schritt_Benennen(Was + QStringLiteral(" von Pos. ") + QString::number(Zeile + 1));
}

QString TForm_Positionen::Steuerelementname(const QObject* Steuerelement) const
{
    const std::pair<const QObject*, const char*> Namen[] = {
        {m_Ui.EditA_Anzahl, "Stückzahl"},           {m_Ui.CBC_Fluegel, "Flügel"},
        {m_Ui.EditA_Breite, "Breite"},              {m_Ui.EditA_Hoehe, "Höhe"},
        {m_Ui.EditA_HoeheOberlicht, "Höhe Oberlicht"}, {m_Ui.CBC_Fensterbankanschluss, "Fensterbankanschluss"},
        {m_Ui.EditA_Drehrichtung, "Drehrichtung"},  {m_Ui.CBC_Profil, "Profil"},
        {m_Ui.CBC_Konterholz, "Konterholz"},        {m_Ui.CBC_Holz, "Holzart"},
        {m_Ui.CBC_Oberflaeche, "Oberfläche"},       {m_Ui.CheckBox_Sonderfarbe, "Sonderfarbe"},
        {m_Ui.CBC_Fluegelabdeckung, "Flügelabdeckung"}, {m_Ui.CBC_Regen_Abdeckung, "Regenschienenabdeckung"},
        {m_Ui.CBC_Regen_Fenster, "Regenschiene"},   {m_Ui.CBC_Kaempfer, "Kämpfer"},
        {m_Ui.Edit_Anschlag, "Anschlag"},           {m_Ui.CBC_Schlagleiste, "Schlagleiste"},
        {m_Ui.CBC_Sprossen, "Sprossen"},            {m_Ui.CBC_Felder, "Sprossenfelder"},
        {m_Ui.CBC_Glas_1, "Glas"},                  {m_Ui.CBC_Glas_2, "Ornamentglas"},
        {m_Ui.CBC_Glas_3, "Warme Kante"},           {m_Ui.CBC_Glas_4, "Sicherheitsglas"},
        {m_Ui.CBC_Versiegelung, "Versiegelung"},    {m_Ui.CBC_Roto, "Beschlag"},
        {m_Ui.CheckBoxBE_Abdeckkappen, "Abdeckkappen"}, {m_Ui.CB_PutzFangschere, "Putz- u. Fangschere"},
        {m_Ui.CBC_Sicherheit, "Sicherheit"},        {m_Ui.CheckBoxBE_Griffhoehe, "Griffhöhe"},
        {m_Ui.CBC_Rolladen, "Rolladen"},            {m_Ui.CBC_Bank, "Bank"},
        {m_Ui.CBC_Oberlichtoeffner, "Oberlichtöffner"}, {m_Ui.CheckBox_Regelair, "Regel-air"},
        {m_Ui.CheckBox_Abschliessbar, "Abschließbarkeit"}, {m_Ui.CheckBox_2te_Dichtung, "2. Dichtung"},
        {m_Ui.CBE_Sonderformen, "Sonderform"},      {m_Ui.CBC_Bodenschwelle, "Bodenschwelle"},
        {m_Ui.CBC_Fuellung, "Füllung"},             {m_Ui.CBC_FuellungAnzahl, "Anzahl Füllungen"},
        {m_Ui.CBC_Oliven, "Oliven"},                {m_Ui.CheckBoxE_Oliven_1, "Abschließbare Oliven"},
        {m_Ui.CheckBoxE_Absaegen, "Rahmen absägen/fälzen"}, {m_Ui.CBC_Rahmen, "Rahmenverbreiterung"},
        {m_Ui.CBC_Rahmen_Seiten, "Seiten der Rahmenverbreiterung"}, {m_Ui.Edit_Bez, "Pos. Bez."},
    };
    for (const auto& [Objekt, Name] : Namen)
        if (Objekt == Steuerelement)
            return QString::fromUtf8(Name);
    return {};
}

void TForm_Positionen::Fuer_Alle_Anbieten()
{
    QMenu* Menue = m_Ui.Button_Fuer_Alle->menu();
    Menue->clear();
    if (!Position())
        return;
    for (const TWahl& W : Wahlen()) {
        QString Wert;
        if (const auto* Liste = qobject_cast<QComboBox*>(W.Steuerelement))
            Wert = Liste->currentText().simplified();
        else if (const auto* Kasten = qobject_cast<QAbstractButton*>(W.Steuerelement))
            Wert = Kasten->isChecked() ? QStringLiteral("ja") : QStringLiteral("nein");
        const QString Was = Steuerelementname(W.Steuerelement) + QStringLiteral(" „") + Wert + QStringLiteral("“");
        QAction* Punkt = Menue->addAction(Was);
        Punkt->setEnabled(W.Steuerelement->isEnabled());
        Slotschutz::Verbinden(Punkt, &QAction::triggered, this,
                              [this, Option = W.Option, Was] { Fuer_Alle_Uebernehmen(Option, Was); });
    }
}

void TForm_Positionen::Fuer_Alle_Uebernehmen(TOptionsregeln::TOption Option, const QString& Was)
{
    const TPosition* Quelle = Position();
    if (!Quelle)
        return;
    const TPosition Vorlage = *Quelle;
    TBestellung& Bestellung = m_Kontext.Bestellung();
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    std::vector<TPositionseintrag> Liste = Bestellung.Positionen();
    QStringList Abgelehnt;
    int Uebernommen = 0;
    // Every window gets an object of its own, so the history keeps the old ones.
    for (std::size_t i = 0; i < Liste.size(); ++i) {
        if (!Liste[i].Als<TPosition>())
            continue;
        TPositionseintrag Kopie = Liste[i].Klonen();
        if (TOptionsregeln::Uebernehmen(*Kopie.Als<TPosition>(), Vorlage, Option)) {
            Liste[i] = std::move(Kopie);
            ++Uebernommen;
        } else {
            Abgelehnt << QString::number(i + 1);
        }
    }
    const TPositionseintrag Bearbeitet = Liste[std::size_t(Zeile)];
    Bestellung.Positionen_Ersetzen(0, Bestellung.Anzahl_Positionen(), std::move(Liste));
    Bestellung.Sonderfarbe_Abgleichen();
    m_Kontext.Befehl_Benennen(QStringLiteral("Für alle Fenster: ") + Was);
    // Removing the special-colour position regroups: the edited window stays selected.
    for (int i = 0; i < Bestellung.Anzahl_Positionen(); ++i)
        if (Bestellung.Eintrag(i).Selbes_Objekt(Bearbeitet) && i != Zeile)
            m_Kontext.Zeile_Waehlen(i);
    m_Kontext.Hauptfenster_Aktualisieren();
    Focus_Form_Positionen();
    QString Text = QStringLiteral("%1 wurde für %2 Fenster übernommen.").arg(Was).arg(Uebernommen);
    if (!Abgelehnt.isEmpty())
        Text += QStringLiteral("\n\nNicht möglich bei Pos. %1: dort lassen die Regeln diese Wahl nicht zu.")
                    .arg(Abgelehnt.join(QStringLiteral(", ")));
    TDienste::Aktuell().Information(this, Text, false);
}

void TForm_Positionen::Abbrechen()
{
    // What was typed and not yet stored goes with the rest.
    for (QLineEdit* Feld : findChildren<QLineEdit*>())
        Feld->setModified(false);
    m_Kontext.Bearbeitung_Abbrechen();
    hide();
}

void TForm_Positionen::keyPressEvent(QKeyEvent* Ereignis)
{
    if (Ereignis->key() == Qt::Key_Escape && Ereignis->modifiers() == Qt::NoModifier) {
        Abbrechen();
        return;
    }
    QWidget::keyPressEvent(Ereignis);
}

void TForm_Positionen::Feld_Verlassen(QObject* Feld)
{
    if (auto* Zeile = qobject_cast<QLineEdit*>(Feld))
        Zeile->setModified(false);
    Schritt_Benennen(Feld);
    if (Feld == m_Ui.EditA_Breite)
        ExitEditA_Breite();
    else if (Feld == m_Ui.EditA_Hoehe)
        ExitEditA_Hoehe();
    else if (Feld == m_Ui.EditA_HoeheOberlicht)
        ExitEditA_HoeheOberlicht();
    else if (Feld == m_Ui.EditA_Anzahl)
        ExitEditA_Anzahl();
    else if (Feld == m_Ui.EditA_Drehrichtung)
        EditA_DrehrichtungExit();
    else if (Feld == m_Ui.Edit_Bez)
        Edit_BezExit();
}

void TForm_Positionen::Taste_Losgelassen(QObject* Feld, int Taste)
{
    if (Ist_Enter(Taste))
        Schritt_Benennen(Feld);
    if (Feld == m_Ui.EditA_Breite)
        EditA_BreiteKeyUp(Taste);
    else if (Feld == m_Ui.EditA_Hoehe)
        EditA_HoeheKeyUp(Taste);
    else if (Feld == m_Ui.EditA_HoeheOberlicht)
        EditA_HoeheOberlichtKeyUp(Taste);
    else if (Feld == m_Ui.EditA_Anzahl)
        EditA_AnzahlKeyUp(Taste);
    else if (Feld == m_Ui.EditA_Drehrichtung)
        EditA_DrehrichtungKeyUp(Taste);
    else if (Feld == m_Ui.Edit_Bez)
        Edit_BezKeyUp(Taste);
}

// ---------------------------------------------------------------- the selected position

TPosition* TForm_Positionen::Position() const
{
    TBestellung& Bestellung = m_Kontext.Bestellung();
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    if (Zeile < 0 || Zeile >= Bestellung.Anzahl_Positionen())
        return nullptr;
    TPositionseintrag& Eintrag = Bestellung.Eintrag(Zeile);
    return Eintrag.Positionstyp() == Positionstyp::Fenster ? Eintrag.Als<TPosition>() : nullptr;
}

template <class F>
void TForm_Positionen::Aendern(F&& Schritte)
{
    TPosition* P = Position();
    if (!P)
        return;
    ++m_Tiefe;
    try {
        Schritte(*P);
    } catch (...) {
        --m_Tiefe;
        m_Preise_Offen = false;
        throw;
    }
    if (--m_Tiefe == 0 && m_Preise_Offen) {
        m_Preise_Offen = false;
        Preise_Anzeigen();
    }
}

void TForm_Positionen::Waehlen(TOptionsregeln::TOption Option, std::int32_t Eintrag,
                               void (TForm_Positionen::*Anzeige)())
{
    Aendern([&](TPosition& P) {
        TOptionsregeln::Wahl_Setzen(P, Option, Eintrag);
        (this->*Anzeige)();
    });
}

std::vector<TForm_Positionen::TWahl> TForm_Positionen::Wahlen() const
{
    using O = TOptionsregeln::TOption;
    using F = TForm_Positionen;
    return {
        {m_Ui.CBC_Fluegel, O::Fluegel, nullptr},
        {m_Ui.CBC_Fensterbankanschluss, O::Fensterbankanschluss, &F::Profile_Anzeigen},
        {m_Ui.CBC_Profil, O::Profil, &F::Profile_Anzeigen},
        {m_Ui.CBC_Konterholz, O::Konterholz, &F::Profile_Anzeigen},
        {m_Ui.CBC_Holz, O::Holz, &F::Hoelzer_Anzeigen},
        {m_Ui.CBC_Oberflaeche, O::Oberflaeche, &F::Oberflaechen_Anzeigen},
        {m_Ui.CheckBox_Sonderfarbe, O::Sonderfarbe, nullptr},
        {m_Ui.CBC_Fluegelabdeckung, O::Fluegelabdeckung, &F::Regenschienen_Anzeigen},
        {m_Ui.CBC_Regen_Abdeckung, O::Regen_Abdeckung, &F::Zierprofile_Anzeigen},
        {m_Ui.CBC_Regen_Fenster, O::Regen_Fenster, &F::Regenschienen_Anzeigen},
        {m_Ui.CBC_Kaempfer, O::Kaempfer, &F::Zierprofile_Anzeigen},
        {m_Ui.CBC_Schlagleiste, O::Schlagleiste, &F::Zierprofile_Anzeigen},
        {m_Ui.CBC_Sprossen, O::Sprossen, &F::Sprossen_Anzeigen},
        {m_Ui.CBC_Felder, O::Felder, &F::Sprossen_Anzeigen},
        {m_Ui.CBC_Glas_1, O::Glas_1, nullptr},
        {m_Ui.CBC_Glas_2, O::Glas_2, &F::Glaeser_Anzeigen},
        {m_Ui.CBC_Glas_3, O::Glas_3, &F::Glaeser_Anzeigen},
        {m_Ui.CBC_Glas_4, O::Glas_4, &F::Glaeser_Anzeigen},
        {m_Ui.CBC_Versiegelung, O::Versiegelung, &F::Versiegelungen_Anzeigen},
        {m_Ui.CBC_Roto, O::Beschlag, &F::Beschlaege_Anzeigen},
        {m_Ui.CheckBoxBE_Abdeckkappen, O::Abdeckkappen, &F::Beschlaege_Anzeigen},
        {m_Ui.CB_PutzFangschere, O::PutzFangschere, &F::Beschlaege_Anzeigen},
        {m_Ui.CBC_Sicherheit, O::Sicherheit, &F::Beschlaege_Anzeigen},
        {m_Ui.CheckBoxBE_Griffhoehe, O::Griffhoehe, &F::Beschlaege_Anzeigen},
        {m_Ui.CBC_Rolladen, O::Rolladen, &F::Rolladen_Anzeigen},
        {m_Ui.CBC_Bank, O::Bank, &F::Rolladen_Anzeigen},
        {m_Ui.CBC_Oberlichtoeffner, O::Oberlichtoeffner, &F::Sonderausfuehrungen_Anzeigen},
        {m_Ui.CheckBox_Regelair, O::Regelair, &F::Sonderausfuehrungen_Anzeigen},
        {m_Ui.CheckBox_Abschliessbar, O::Abschliessbar, &F::Sonderausfuehrungen_Anzeigen},
        {m_Ui.CheckBox_2te_Dichtung, O::Zweite_Dichtung, nullptr},
        {m_Ui.CBE_Sonderformen, O::Sonderform, &F::Sonderformen_Anzeigen},
        {m_Ui.CBC_Bodenschwelle, O::Bodenschwelle, &F::Sonderausfuehrungen_Anzeigen},
        {m_Ui.CBC_Fuellung, O::Fuellung, &F::Ergaenzungen_Anzeigen},
        {m_Ui.CBC_FuellungAnzahl, O::Fuellung_Anzahl, &F::Ergaenzungen_Anzeigen},
        {m_Ui.CBC_Oliven, O::Oliven, &F::Ergaenzungen_Anzeigen},
        {m_Ui.CheckBoxE_Oliven_1, O::Oliven_Abschliessbar, &F::Ergaenzungen_Anzeigen},
        {m_Ui.CheckBoxE_Absaegen, O::Absaegen, &F::Ergaenzungen_Anzeigen},
        {m_Ui.CBC_Rahmen, O::Rahmen, &F::Zierprofile_Anzeigen},
        {m_Ui.CBC_Rahmen_Seiten, O::Rahmen_Seiten, &F::Zierprofile_Anzeigen},
    };
}

// ---------------------------------------------------------------- display routines

void TForm_Positionen::Preise_Anzeigen()
{
    if (m_Tiefe > 0) {
        m_Preise_Offen = true;
        return;
    }
    const TPosition* P = Position();
    if (!P)
        return;
    m_Ui.LabelF_Meterpreis->setText(Zahlformat::Betrag(P->Meterpreis()));
    m_Ui.LabelF_UM->setText(Zahlformat::Allgemein(P->Abmessungen.UM()));
    m_Ui.LabelF_Stueckpreis->setText(Zahlformat::Betrag(P->Stueckpreis() + P->Einzelpreis_Nicht_Rabattfaehig()));
    m_Ui.LabelF_Einzelpreis->setText(Zahlformat::Betrag(P->Einzelpreis()));
    m_Ui.LabelF_Stueckzahl->setText(QString::number(P->Abmessungen.Anzahl()));
    m_Ui.LabelF_Gesamtpreis->setText(Zahlformat::Betrag(P->Gesamtpreis()));
    m_Ui.Edit_Bez->setText(P->Bez);
    m_Skizze->Position_Zeigen(*P);
    m_Kontext.Hauptfenster_Aktualisieren();
}

void TForm_Positionen::Zahl_Zeigen(QLineEdit* Feld, const QString& Text, void (TForm_Positionen::*Faerben)())
{
    if (Feld->text() == Text)
        (this->*Faerben)();
    else
        Feld->setText(Text);
}

void TForm_Positionen::Abmessungen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        const TAbmessungen& A = P.Abmessungen;
        m_Ui.CBC_Fluegel->setCurrentIndex(A.Fenstertyp_Lesen() - 1);
        Zahl_Zeigen(m_Ui.EditA_Breite, QString::number(A.Breite()), &TForm_Positionen::ChangeEditA_Breite);
        Zahl_Zeigen(m_Ui.EditA_Hoehe, QString::number(A.Hoehe()), &TForm_Positionen::ChangeEditA_Hoehe);
        Zahl_Zeigen(m_Ui.EditA_HoeheOberlicht, Oberlicht_Text(A), &TForm_Positionen::ChangeEditA_Oberlicht);
        m_Ui.EditA_Drehrichtung->setText(A.Drehrichtung);

        const TOptionsregeln::TOberlichtfreigabe Frei = TOptionsregeln::Oberlicht_Freigabe(A);
        m_Ui.EditA_HoeheOberlicht->setEnabled(Frei.Hoehe);
        m_Ui.CBC_Oberlichtoeffner->setEnabled(Frei.Oeffner);
        m_Ui.CB_PutzFangschere->setEnabled(Frei.PutzFangschere);

        Zahl_Zeigen(m_Ui.EditA_Anzahl, QString::number(A.Anzahl()), &TForm_Positionen::ChangeEditA_Anzahl);
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Hoelzer_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Holz->setCurrentIndex(P.Hoelzer.ItemIndex_Lesen());
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Profile_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Profil->setCurrentIndex(P.Profile.ItemIndex_Lesen(TProfile::Profil));
        m_Ui.CBC_Konterholz->setCurrentIndex(P.Profile.ItemIndex_Lesen(TProfile::Konterholz));
        m_Ui.CBC_Fensterbankanschluss->setCurrentIndex(P.Profile.ItemIndex_Lesen(TProfile::Fensterbankanschluss));
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Oberflaechen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        const TOptionsregeln::TOberflaechenanzeige Anzeige = TOptionsregeln::Oberflaeche_Anzeigen(P.Oberflaechen);
        m_Ui.CBC_Oberflaeche->setCurrentIndex(Anzeige.Listeneintrag);
        m_Ui.CBC_Oberflaeche->setEnabled(Anzeige.Liste_Frei);
        m_Ui.CheckBox_Sonderfarbe->setChecked(Anzeige.Sonderfarbe_Gewaehlt);
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Versiegelungen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Versiegelung->setCurrentIndex(P.Versiegelungen.ItemIndex_Lesen());
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Regenschienen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Regen_Fenster->setCurrentIndex(P.Regenschienen.ItemIndex_Lesen(TRegenschienen::Fenster));
        m_Ui.CBC_Fluegelabdeckung->setCurrentIndex(P.Regenschienen.ItemIndex_Lesen(TRegenschienen::Fluegelabdeckung));
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Beschlaege_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Roto->setCurrentIndex(P.Beschlaege.ItemIndex_Lesen(TBeschlaege::Beschlag));
        m_Ui.CBC_Sicherheit->setCurrentIndex(P.Beschlaege.ItemIndex_Lesen(TBeschlaege::Sicherheit));
        m_Ui.CheckBoxBE_Abdeckkappen->setChecked(P.Beschlaege.ItemIndex_Lesen(TBeschlaege::Abdeckkappen) == 1);
        m_Ui.CheckBoxBE_Griffhoehe->setChecked(P.Beschlaege.ItemIndex_Lesen(TBeschlaege::Griffhoehe) == 1);
        m_Ui.CB_PutzFangschere->setChecked(P.Beschlaege.ItemIndex_Lesen(TBeschlaege::PutzFangschere) == 1);
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Glaeser_Anzeigen()
{
    Aendern([this](TPosition& P) {
        TComboBoxColor* const Listen[] = {m_Ui.CBC_Glas_1, m_Ui.CBC_Glas_2, m_Ui.CBC_Glas_3, m_Ui.CBC_Glas_4};
        for (int Zeile = TGlaeser::Isolierglas; Zeile <= TGlaeser::Sicherheitsglas; ++Zeile)
            Listen[Zeile]->setCurrentIndex(P.Glaeser.ItemIndex_Lesen(Zeile));
        if (TOptionsregeln::Zweite_Dichtung_Anwenden(P)) {
            m_Ui.CheckBox_2te_Dichtung->setChecked(true);
            m_Ui.CheckBox_2te_Dichtung->setEnabled(false);
        } else {
            m_Ui.CheckBox_2te_Dichtung->setEnabled(true);
        }
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Sprossen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Sprossen->setCurrentIndex(P.Sprossen.ItemIndex_Lesen(TSprossen::Art));
        m_Ui.CBC_Felder->setCurrentIndex(P.Sprossen.ItemIndex_Lesen(TSprossen::Felder));
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Rolladen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Rolladen->setCurrentIndex(P.Rolladen.ItemIndex_Lesen(TRolladen::Fuehrung));
        m_Ui.CBC_Bank->setCurrentIndex(P.Rolladen.ItemIndex_Lesen(TRolladen::Bank));
        m_Ui.CBC_Bank->setEnabled(TOptionsregeln::Bank_Frei(P.Rolladen));
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Ergaenzungen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Fuellung->setCurrentIndex(P.Ergaenzungen.ItemIndex_Lesen(TErgaenzungen::Fuellung));
        m_Ui.CBC_FuellungAnzahl->setCurrentIndex(P.Ergaenzungen.ItemIndex_Lesen(TErgaenzungen::Fuellung_Anzahl));
        m_Ui.CBC_Oliven->setCurrentIndex(P.Ergaenzungen.ItemIndex_Lesen(TErgaenzungen::Oliven));
        m_Ui.CheckBoxE_Oliven_1->setChecked(P.Ergaenzungen.ItemIndex_Lesen(TErgaenzungen::Oliven_Abschliessbar) == 1);
        m_Ui.CheckBoxE_Absaegen->setChecked(P.Ergaenzungen.ItemIndex_Lesen(TErgaenzungen::Absaegen) == 1);
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Zierprofile_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBC_Regen_Abdeckung->setCurrentIndex(P.Zierprofile.ItemIndex_Lesen(TZierprofile::Regenschienenabdeckung));
        m_Ui.CBC_Kaempfer->setCurrentIndex(P.Zierprofile.ItemIndex_Lesen(TZierprofile::Kaempfer));
        m_Ui.CBC_Schlagleiste->setCurrentIndex(P.Zierprofile.ItemIndex_Lesen(TZierprofile::Schlagleiste));
        m_Ui.CBC_Rahmen->setCurrentIndex(P.Zierprofile.ItemIndex_Lesen(TZierprofile::Rahmenverbreiterung));
        m_Ui.CBC_Rahmen_Seiten->setCurrentIndex(P.Zierprofile.ItemIndex_Lesen(TZierprofile::Rahmenverbreiterung_Seiten));
        m_Ui.Edit_Anschlag->setText(P.Zierprofile.Anschlag);
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Sonderformen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        m_Ui.CBE_Sonderformen->setCurrentIndex(P.Sonderformen.ItemIndex_Lesen());
        m_Ui.Label_Sonderformen->setText(QLatin1Char('(') + P.Sonderformen.Eintrag_Lesen().Name + QLatin1Char(')'));
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Sonderausfuehrungen_Anzeigen()
{
    Aendern([this](TPosition& P) {
        const TSonderausfuehrungen& S = P.Sonderausfuehrungen;
        m_Ui.CBC_Bodenschwelle->setCurrentIndex(S.ItemIndex_Lesen(TSonderausfuehrungen::Bodenschwelle));
        m_Ui.CBC_Oberlichtoeffner->setCurrentIndex(S.ItemIndex_Lesen(TSonderausfuehrungen::Oberlichtoeffner));
        m_Ui.CheckBox_Regelair->setChecked(S.ItemIndex_Lesen(TSonderausfuehrungen::Regelair) == 1);
        m_Ui.CheckBox_2te_Dichtung->setChecked(S.ItemIndex_Lesen(TSonderausfuehrungen::Zweite_Dichtung) == 1);
        m_Ui.CheckBox_Abschliessbar->setChecked(S.ItemIndex_Lesen(TSonderausfuehrungen::Abschliessbar) == 1);
        Preise_Anzeigen();
    });
}

// ---------------------------------------------------------------- choices

void TForm_Positionen::CBC_FluegelChange(int Index)
{
    Aendern([&](TPosition& P) {
        TOptionsregeln::Fluegel_Wechseln(P, Index + 1);
        Beschlaege_Anzeigen();
        Glaeser_Anzeigen();
        CheckBox_2te_DichtungClick();
        Sonderausfuehrungen_Anzeigen();
        Ergaenzungen_Anzeigen();
        Abmessungen_Anzeigen();
    });
}






void TForm_Positionen::CheckBox_SonderfarbeClick()
{
    Aendern([&](TPosition& P) {
        TOptionsregeln::Sonderfarbe_Setzen(P.Oberflaechen, m_Ui.CheckBox_Sonderfarbe->isChecked());
        TBestellung& Bestellung = m_Kontext.Bestellung();
        Bestellung.Sonderfarbe_Abgleichen();
        // Removing the special-colour position regroups the order; the row
        // of the window being edited has to follow it, or the next entry
        // would land in whichever position now holds the old row.
        for (int Zeile = 0; Zeile < Bestellung.Anzahl_Positionen(); ++Zeile)
            if (Bestellung.Eintrag(Zeile).Als<TPosition>() == &P && Zeile != m_Kontext.Ausgewaehlte_Zeile())
                m_Kontext.Zeile_Waehlen(Zeile);
        Oberflaechen_Anzeigen();
    });
}









void TForm_Positionen::CBC_Glas_1Change(int Index)
{
    Aendern([&](TPosition& P) {
        P.Glaeser.ItemIndex_Setzen(TGlaeser::Isolierglas, Index);
        Glaeser_Anzeigen();
        CheckBox_2te_DichtungClick();
        Sonderausfuehrungen_Anzeigen();
    });
}






















void TForm_Positionen::CheckBox_2te_DichtungClick()
{
    Waehlen(TOptionsregeln::TOption::Zweite_Dichtung, Haken_Wert(m_Ui.CheckBox_2te_Dichtung),
            &TForm_Positionen::Sonderausfuehrungen_Anzeigen);
}


void TForm_Positionen::LabelA_Drehrichtungen_HilfeClick()
{
    m_Kontext.Infofenster_Zeigen("TAboutBox_Drehrichtungen");
}

void TForm_Positionen::BitBtn1Click()
{
    close();
}

// ---------------------------------------------------------------- entry fields

void TForm_Positionen::ChangeEditA_Breite()
{
    if (const TPosition* P = Position())
        TZahleingabe::Eingabe_Faerben(*m_Ui.EditA_Breite, TZahlart::Integer, P->Abmessungen.MinBreite(),
                                      P->Abmessungen.MaxBreite());
}

void TForm_Positionen::ChangeEditA_Hoehe()
{
    if (const TPosition* P = Position())
        TZahleingabe::Eingabe_Faerben(*m_Ui.EditA_Hoehe, TZahlart::Integer, P->Abmessungen.MinHoehe(),
                                      P->Abmessungen.MaxHoehe());
}

void TForm_Positionen::ChangeEditA_Oberlicht()
{
    if (const TPosition* P = Position())
        TZahleingabe::Eingabe_Faerben(*m_Ui.EditA_HoeheOberlicht, TZahlart::Integer, P->Abmessungen.MinHoehe(),
                                      P->Abmessungen.MaxHoehe());
}

void TForm_Positionen::ChangeEditA_Anzahl()
{
    if (const TPosition* P = Position())
        TZahleingabe::Eingabe_Faerben(*m_Ui.EditA_Anzahl, TZahlart::Integer, P->Abmessungen.MinAnzahl(),
                                      P->Abmessungen.MaxAnzahl());
}

void TForm_Positionen::ExitEditA_Breite()
{
    Aendern([this](TPosition& P) {
        TAbmessungen& A = P.Abmessungen;
        const auto Wert = TZahleingabe::Ganzzahl_Verlassen(*m_Ui.EditA_Breite, A.MinBreite(), A.MaxBreite(),
                                                           QStringLiteral("Die Breite"), QStringLiteral("mm"),
                                                           QString::number(A.Breite()));
        if (!Wert)
            return;
        A.Breite_Setzen(*Wert);
        Abmessungen_Anzeigen();
        Ergaenzungen_Anzeigen();
    });
}

void TForm_Positionen::ExitEditA_Hoehe()
{
    Aendern([this](TPosition& P) {
        TAbmessungen& A = P.Abmessungen;
        const auto Wert = TZahleingabe::Ganzzahl_Verlassen(*m_Ui.EditA_Hoehe, A.MinHoehe(), A.MaxHoehe(),
                                                           QStringLiteral("Die Höhe"), QStringLiteral("mm"),
                                                           QString::number(A.Hoehe()));
        if (!Wert)
            return;
        A.Hoehe_Setzen(*Wert);
        Abmessungen_Anzeigen();
        Ergaenzungen_Anzeigen();
    });
}

void TForm_Positionen::ExitEditA_HoeheOberlicht()
{
    Aendern([this](TPosition& P) {
        TAbmessungen& A = P.Abmessungen;
        const auto Wert = TZahleingabe::Ganzzahl_Verlassen(
            *m_Ui.EditA_HoeheOberlicht, A.MinHoehe(), A.MaxHoehe(), QStringLiteral("Die Oberlichthöhe"),
            QStringLiteral("mm"), Oberlicht_Text(A));
        if (!Wert)
            return;
        A.HoeheOberlicht_Setzen(*Wert);
        Abmessungen_Anzeigen();
    });
}

void TForm_Positionen::ExitEditA_Anzahl()
{
    Aendern([this](TPosition& P) {
        TAbmessungen& A = P.Abmessungen;
        const auto Wert = TZahleingabe::Ganzzahl_Verlassen(*m_Ui.EditA_Anzahl, A.MinAnzahl(), A.MaxAnzahl(),
                                                           QStringLiteral("Die Anzahl"), QString(),
                                                           QString::number(A.Anzahl()));
        if (!Wert)
            return;
        A.Anzahl_Setzen(*Wert);
        Abmessungen_Anzeigen();
    });
}

void TForm_Positionen::EditA_DrehrichtungExit()
{
    Aendern([this](TPosition& P) {
        P.Abmessungen.Drehrichtung = m_Ui.EditA_Drehrichtung->text();
        Preise_Anzeigen();
    });
}

void TForm_Positionen::Edit_AnschlagExit()
{
    // Stored keystroke by keystroke; the stop text changes neither a price nor the grid.
    TPosition* P = Position();
    if (!P || P->Zierprofile.Anschlag == m_Ui.Edit_Anschlag->text())
        return;
    P->Zierprofile.Anschlag = m_Ui.Edit_Anschlag->text();
    // The history records it with the next refresh, undo or save.
    if (m_Tiefe == 0)
        Schritt_Benennen(m_Ui.Edit_Anschlag);
}

void TForm_Positionen::Edit_BezExit()
{
    Aendern([this](TPosition& P) {
        P.Bez = m_Ui.Edit_Bez->text();
        Preise_Anzeigen();
    });
}

void TForm_Positionen::EditA_BreiteKeyUp(int Taste)
{
    if (!Ist_Enter(Taste))
        return;
    ExitEditA_Breite();
    m_Ui.EditA_Hoehe->setFocus(Qt::TabFocusReason);
}

void TForm_Positionen::EditA_HoeheKeyUp(int Taste)
{
    if (!Ist_Enter(Taste))
        return;
    ExitEditA_Hoehe();
    const TPosition* P = Position();
    if (P && P->Abmessungen.hatOberlicht())
        m_Ui.EditA_HoeheOberlicht->setFocus(Qt::TabFocusReason);
    else
        m_Ui.EditA_Anzahl->setFocus(Qt::TabFocusReason);
}

void TForm_Positionen::EditA_HoeheOberlichtKeyUp(int Taste)
{
    if (!Ist_Enter(Taste))
        return;
    ExitEditA_HoeheOberlicht();
    m_Ui.EditA_Anzahl->setFocus(Qt::TabFocusReason);
}

void TForm_Positionen::EditA_AnzahlKeyUp(int Taste)
{
    if (Ist_Enter(Taste))
        ExitEditA_Anzahl();
}

void TForm_Positionen::EditA_DrehrichtungKeyUp(int Taste)
{
    if (!Ist_Enter(Taste))
        return;
    EditA_DrehrichtungExit();
    m_Ui.EditA_Anzahl->setFocus(Qt::TabFocusReason);
}

void TForm_Positionen::Edit_BezKeyUp(int Taste)
{
    if (!Ist_Enter(Taste))
        return;
    Edit_BezExit();
    m_Ui.BitBtn1->setFocus(Qt::TabFocusReason);
}
