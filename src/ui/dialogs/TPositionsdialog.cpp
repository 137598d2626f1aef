#include "ui/dialogs/TPositionsdialog.h"

#include "base/Zahlformat.h"
#include "fonts/TSchriften.h"
#include "positions/Positionsarten.h"
#include "ui/shared/TComboBoxColor.h"
#include "ui/info/Infofenster.h"
#include "ui/dialogs/TWindows1252Memo.h"
#include "ui/shared/TWindows1252Validator.h"
#include "ui/shared/Slotschutz.h"
#include "ui/shared/TStandardknopf.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>

namespace {

// The check mark of the OK buttons.
QPixmap Haken()
{
    QPixmap Bild(16, 16);
    Bild.fill(Qt::transparent);
    QPainter Flaeche(&Bild);
    Flaeche.setRenderHint(QPainter::Antialiasing);
    QPainterPath Pfad;
    Pfad.moveTo(2.5, 8.5);
    Pfad.lineTo(6.5, 12.5);
    Pfad.lineTo(13.5, 3.5);
    Flaeche.setPen(QPen(QColor(0, 128, 0), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    Flaeche.drawPath(Pfad);
    return Bild;
}

bool Enter_Taste(const QEvent* Ereignis)
{
    const auto* Taste = static_cast<const QKeyEvent*>(Ereignis);
    return !Taste->isAutoRepeat() && (Taste->key() == Qt::Key_Return || Taste->key() == Qt::Key_Enter);
}

// Leaving the field in the sense of the dialog: the user moved on inside it.
// Losing the focus because the whole window lost it (another window was
// activated, the dialog was hidden) or because a popup opened is not leaving.
bool Feld_Verlassen(const QEvent* Ereignis)
{
    const Qt::FocusReason Grund = static_cast<const QFocusEvent*>(Ereignis)->reason();
    return Grund != Qt::ActiveWindowFocusReason && Grund != Qt::PopupFocusReason;
}

} // namespace

TPositionsdialog::TPositionsdialog(TDialogkontext& Kontext, std::uint32_t Typ, int Breite, int Hoehe, QWidget* Eltern)
    : QWidget(Eltern)
    , m_Kontext(Kontext)
    , m_Typ(Typ)
{
    Infofenster::Einfachrahmen_Setzen(*this, Positionsarten::Titel(Typ), Breite, Hoehe);
    setFont(Schrift());
}

QFont TPositionsdialog::Schrift()
{
    return TSchriften::Schrift(8);
}

QString TPositionsdialog::Zahl_Text(long double Wert)
{
    return Wert == 0 ? QString() : Zahlformat::Allgemein(Wert);
}

QString TPositionsdialog::Zahl_Text(std::int32_t Wert)
{
    return Wert == 0 ? QString() : QString::number(Wert);
}

bool TPositionsdialog::Passt() const
{
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    const TBestellung& Bestellung = m_Kontext.Bestellung();
    if (Zeile < 0 || Zeile >= Bestellung.Anzahl_Positionen())
        return false;
    const TPositionseintrag& Eintrag = Bestellung.Eintrag(Zeile);
    return Eintrag.Positionstyp() == m_Typ && Eintrag.hatObjekt();
}

void TPositionsdialog::Felder_Laden()
{
    if (!Passt())
        return;
    for (const auto& Lader : m_Lader)
        Lader();
}

QLabel* TPositionsdialog::Beschriftung(const QString& Name, const QString& Text, const QRect& Lage)
{
    auto* Label = new QLabel(Text, this);
    Label->setObjectName(Name);
    Label->setGeometry(Lage);
    return Label;
}

TPositionsdialog::TBeschriftung TPositionsdialog::Darueber(const QString& Name, const QString& Text, int Abstand)
{
    return {Name, Text, false, Abstand};
}

TPositionsdialog::TBeschriftung TPositionsdialog::Davor(const QString& Name, const QString& Text, int Breite)
{
    return {Name, Text, true, Breite};
}

QRect TPositionsdialog::TBeschriftung::Lage(const QRect& Feld) const
{
    if (Links)
        return QRect(Feld.left() - 2 - Mass, Feld.top() + 3, Mass, 15);
    return QRect(Feld.left(), Feld.top() - Mass, Feld.width(), 15);
}

QLineEdit* TPositionsdialog::Feld_Anlegen(const QString& Name, const QRect& Lage, const TBeschriftung& Etikett,
                                          std::optional<TZahleingabe::TZahlart> Zahlart, int Unten, int Oben,
                                          TAnzeige Anzeige, TSpeichern Speichern, TZahl_Speichern Zahl_Speichern,
                                          bool Neu_Laden)
{
    if (!Etikett.Name.isEmpty())
        Beschriftung(Etikett.Name, Etikett.Text, Etikett.Lage(Lage));
    auto* Edit = new QLineEdit(this);
    Edit->setObjectName(Name);
    Edit->setGeometry(Lage);
    TWindows1252Validator::Textfeld_Einrichten(*Edit);
    Edit->installEventFilter(this);

    QString Bezeichnung = Etikett.Text.trimmed();
    if (Bezeichnung.endsWith(QLatin1Char(':')))
        Bezeichnung.chop(1);
    if (Bezeichnung.isEmpty())
        Bezeichnung = QStringLiteral("Die Eingabe");
    m_Felder.push_back({Edit, Zahlart, Unten, Oben, Bezeichnung, Anzeige, std::move(Speichern), std::move(Zahl_Speichern),
                        nullptr, Neu_Laden, Etikett.Text.trimmed().isEmpty() ? Name : Bezeichnung});
    std::function<void()> Faerben = [] {};
    if (Zahlart) {
        Faerben = [Edit, Art = *Zahlart, Unten, Oben] { TZahleingabe::Eingabe_Faerben(*Edit, Art, Unten, Oben); };
        Faerben();
        Slotschutz::Verbinden(Edit, &QLineEdit::textChanged, this, Faerben);
    }
    m_Lader.push_back([Edit, Anzeige = std::move(Anzeige), Faerben] {
        Edit->setText(Anzeige());
        // The colour follows the shown text even when setting it changed nothing.
        Faerben();
    });
    return Edit;
}

TWindows1252Memo* TPositionsdialog::Memo_Anlegen(const QRect& Lage, TAnzeige Anzeige, TSpeichern Speichern)
{
    auto* Memo = new TWindows1252Memo(this);
    Memo->setObjectName(QStringLiteral("Memo1"));
    Memo->setGeometry(Lage);
    Memo->setTabChangesFocus(true);
    Slotschutz::Verbinden(Memo, &QPlainTextEdit::textChanged, this, [this, Memo, Speichern = std::move(Speichern)] {
        if (Passt()) {
            Speichern(Memo->toPlainText());
            Benennen(QStringLiteral("Text"));
        }
        m_Kontext.Hauptfenster_Aktualisieren();
    });
    m_Lader.push_back([Memo, Anzeige = std::move(Anzeige)] {
        // Setting the same text again would only move the caret to the start.
        const QString Text = Anzeige();
        if (Memo->toPlainText() != Text)
            Memo->setPlainText(Text);
    });
    return Memo;
}

void TPositionsdialog::Auswahl_Anlegen(QComboBox* Liste, std::function<int()> Lesen, std::function<void(int)> Setzen)
{
    // A wheel notch over the closed list changes it only once it has the focus.
    Liste->setFocusPolicy(Qt::StrongFocus);
    Liste->installEventFilter(this);
    // Only the user's choice counts as a change; loading the position does not.
    Slotschutz::Verbinden(Liste, &QComboBox::activated, this, [this, Setzen = std::move(Setzen)](int Index) {
        if (Passt()) {
            Setzen(Index);
            Benennen(QStringLiteral("Auswahl"));
        }
        m_Kontext.Hauptfenster_Aktualisieren();
    });
    m_Lader.push_back([Liste, Lesen = std::move(Lesen)] {
        const int Index = Lesen();
        if (Index >= 0 && Index < Liste->count()) {
            const QSignalBlocker Sperre(Liste);
            Liste->setCurrentIndex(Index);
        }
    });
}

QPushButton* TPositionsdialog::OK_Knopf(const QRect& Lage)
{
    auto* Knopf = new QPushButton(QIcon(Haken()), QStringLiteral("OK"), this);
    Knopf->setObjectName(QStringLiteral("BitBtn1"));
    Knopf->setGeometry(Lage);
    QFont Fett = Knopf->font();
    Fett.setBold(true);
    Knopf->setFont(Fett);
    // Enter on the focused button presses it, as Enter in the label field leads there.
    Knopf->setAutoDefault(true);
    TStandardknopf::Einrichten(*this, *Knopf);
    Slotschutz::Verbinden(Knopf, &QPushButton::clicked, this, &QWidget::close);
    auto* Zurueck = new QPushButton(QStringLiteral("Abbrechen"), this);
    Zurueck->setObjectName(QStringLiteral("Button_Abbrechen"));
    // Left of OK where that is free, else under it in a window grown to hold it.
    QRect Platz = Lage.translated(-Lage.width() - 6, 0);
    const QList<QWidget*> Andere = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    const bool Belegt = Platz.left() < 0 || std::any_of(Andere.begin(), Andere.end(), [&](const QWidget* W) {
                            return W != Zurueck && W->geometry().intersects(Platz);
                        });
    if (Belegt) {
        Platz = Lage.translated(0, Lage.height() + 6);
        if (Platz.bottom() + 8 > height())
            setFixedHeight(Platz.bottom() + 8);
    }
    Zurueck->setGeometry(Platz);
    Zurueck->setAutoDefault(true);
    Slotschutz::Verbinden(Zurueck, &QPushButton::clicked, this, &TPositionsdialog::Abbrechen);
    setTabOrder(Zurueck, Knopf);
    return Knopf;
}

void TPositionsdialog::Abbrechen()
{
    m_Kontext.Bearbeitung_Abbrechen();
    hide();
}

void TPositionsdialog::keyPressEvent(QKeyEvent* Ereignis)
{
    if (Ereignis->key() == Qt::Key_Escape && Ereignis->modifiers() == Qt::NoModifier) {
        Abbrechen();
        return;
    }
    QWidget::keyPressEvent(Ereignis);
}

void TPositionsdialog::Benennen(const QString& Was)
{
    const int Zeile = m_Kontext.Ausgewaehlte_Zeile();
    if (!Was.isEmpty() && Zeile >= 0)
        m_Kontext.Schritt_Benennen(Was + QStringLiteral(" von Pos. ") + QString::number(Zeile + 1));
}

void TPositionsdialog::Enter_Weiter(QLineEdit* Feld, QWidget* Ziel)
{
    if (TFeld* Eintrag = Feld_Suchen(Feld))
        Eintrag->Enter_Ziel = Ziel;
}

void TPositionsdialog::Enter_Folge(std::initializer_list<QWidget*> Folge)
{
    for (auto Von = Folge.begin(); Von != Folge.end() && std::next(Von) != Folge.end(); ++Von)
        if (TFeld* Eintrag = Feld_Suchen(*Von))
            Eintrag->Enter_Ziel = *std::next(Von);
}

void TPositionsdialog::Tabfolge(std::initializer_list<QWidget*> Folge)
{
    QWidget* Vorher = nullptr;
    for (QWidget* Element : Folge) {
        if (Vorher)
            setTabOrder(Vorher, Element);
        Vorher = Element;
    }
}

TPositionsdialog::TFeld* TPositionsdialog::Feld_Suchen(const QObject* Objekt)
{
    for (TFeld& Feld : m_Felder)
        if (Feld.Edit == Objekt)
            return &Feld;
    return nullptr;
}

void TPositionsdialog::Verlassen(const TFeld& Feld)
{
    if (Passt()) {
        // The fields show 0 as empty, so the empty text is 0 where 0 is allowed.
        const bool Null = Feld.Edit->text().trimmed().isEmpty() && Feld.Unten <= 0 && Feld.Oben >= 0;
        if (Feld.Zahlart && Null) {
            Feld.Zahl_Speichern(0);
        } else if (Feld.Zahlart) {
            const auto Wert = TZahleingabe::Verlassen(*Feld.Edit, *Feld.Zahlart, Feld.Unten, Feld.Oben, Feld.Bezeichnung,
                                                      QString(), Feld.Anzeige());
            if (Wert)
                Feld.Zahl_Speichern(*Wert);
        } else {
            Feld.Speichern(Feld.Edit->text());
        }
        Benennen(Feld.Was);
        if (Feld.Neu_Laden)
            Felder_Laden();
    }
    m_Kontext.Hauptfenster_Aktualisieren();
}

void TPositionsdialog::changeEvent(QEvent* Ereignis)
{
    QWidget::changeEvent(Ereignis);
    if (Ereignis->type() == QEvent::ActivationChange && isActiveWindow())
        Felder_Laden();
}

bool TPositionsdialog::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::Wheel) {
        const auto* Liste = qobject_cast<QComboBox*>(Objekt);
        if (Liste && !TComboBoxColor::Mausrad_Wirkt(*Liste)) {
            Ereignis->ignore();
            return true;
        }
    }
    const bool Enter = Ereignis->type() == QEvent::KeyRelease && Enter_Taste(Ereignis);
    const bool Verlassen_Ereignis = Ereignis->type() == QEvent::FocusOut && Feld_Verlassen(Ereignis);
    if (Enter || Verlassen_Ereignis) {
        if (const TFeld* Feld = Feld_Suchen(Objekt)) {
            QWidget* Ziel = Feld->Enter_Ziel;
            Verlassen(*Feld);
            if (Enter && Ziel)
                Ziel->setFocus(Qt::TabFocusReason);
        }
    }
    return QWidget::eventFilter(Objekt, Ereignis);
}
