#pragma once

#include "order/TBestellung.h"
#include "ui/shared/TZahleingabe.h"
#include "ui/shared/TDialogkontext.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TWindows1252Memo;

// What the dialogs of the simple position kinds share: they edit the position
// at the main grid's selected row in place, store a field when the user leaves
// it (or presses Enter in it), refresh the main window after every change and
// reload their fields whenever they become the active window. A handler writes
// only into a position of the dialog's own kind.
class TPositionsdialog : public QWidget
{
    Q_OBJECT

public:
    // The activation routine: fills the controls from the selected position if
    // it is of this dialog's kind, and leaves them alone otherwise.
    void Felder_Laden();

    std::uint32_t Positionstyp() const { return m_Typ; }

    // The one font of the dialogs, a sans serif of 8 points.
    static QFont Schrift();

protected:
    // The title is the kind's, from the table of position kinds.
    TPositionsdialog(TDialogkontext& Kontext, std::uint32_t Typ, int Breite, int Hoehe, QWidget* Eltern);

    // The selected position if it is of this dialog's kind, else nullptr.
    template <class T>
    T* Position() const
    {
        return Passt() ? m_Kontext.Bestellung().Eintrag(m_Kontext.Ausgewaehlte_Zeile()).template Als<T>() : nullptr;
    }

    QLabel* Beschriftung(const QString& Name, const QString& Text, const QRect& Lage);

    // The caption of a field, a label 15 pixels high; none without a Name.
    struct TBeschriftung
    {
        QString Name;
        QString Text;
        bool Links = false;
        // Above: from the caption's top to the field's. Left: the caption's width.
        int Mass = 0;

        QRect Lage(const QRect& Feld) const;
    };
    // Above the field and as wide as it.
    static TBeschriftung Darueber(const QString& Name, const QString& Text, int Abstand = 16);
    // Left of the field, ending 2 pixels before it, 3 pixels lower than its top.
    static TBeschriftung Davor(const QString& Name, const QString& Text, int Breite);

    // Number fields: "extended" for a long double, "integer" for a 32-bit count.
    template <class T>
    QLineEdit* Zahlenfeld(const QString& Name, const QRect& Lage, int Unten, int Oben, long double T::*Feld,
                          const TBeschriftung& Etikett = {})
    {
        return Feld_Anlegen(
            Name, Lage, Etikett, TZahleingabe::TZahlart::Extended, Unten, Oben,
            [this, Feld] { return Zahl_Text(Position<T>()->*Feld); }, {},
            [this, Feld](long double Wert) { Position<T>()->*Feld = Wert; }, true);
    }
    template <class T>
    QLineEdit* Zahlenfeld(const QString& Name, const QRect& Lage, int Unten, int Oben, std::int32_t T::*Feld,
                          const TBeschriftung& Etikett = {})
    {
        return Feld_Anlegen(
            Name, Lage, Etikett, TZahleingabe::TZahlart::Integer, Unten, Oben,
            [this, Feld] { return Zahl_Text(Position<T>()->*Feld); }, {},
            [this, Feld](long double Wert) { Position<T>()->*Feld = static_cast<std::int32_t>(Wert); }, true);
    }

    // A free text field; Neu_Laden says whether leaving it reloads the dialog.
    template <class T>
    QLineEdit* Textfeld(const QString& Name, const QRect& Lage, QString T::*Feld, const TBeschriftung& Etikett = {},
                        bool Neu_Laden = true)
    {
        return Feld_Anlegen(
            Name, Lage, Etikett, std::nullopt, 0, 0, [this, Feld] { return Position<T>()->*Feld; },
            [this, Feld](const QString& Text) { Position<T>()->*Feld = Text; }, {}, Neu_Laden);
    }

    // "Memo1": every change stores the whole text as the description text.
    template <class T>
    TWindows1252Memo* Memo(const QRect& Lage)
    {
        return Memo_Anlegen(
            Lage, [this] { return Position<T>()->Text(); },
            [this](const QString& Text) { Position<T>()->Text_Setzen(Text); });
    }

    // A list whose selected index is the position's ItemIndex.
    template <class T>
    void Auswahl_Binden(QComboBox* Liste)
    {
        Auswahl_Anlegen(
            Liste, [this] { return Position<T>()->ItemIndex_Lesen(); },
            [this](int Index) { Position<T>()->ItemIndex_Setzen(Index); });
    }

    // "BitBtn1": the OK button, which only closes the dialog, and left of it
    // "Abbrechen" (also Escape), which takes the position back to where it
    // was when the dialog was opened on it.
    QPushButton* OK_Knopf(const QRect& Lage);
    void Abbrechen();
    void keyPressEvent(QKeyEvent* Ereignis) override;

    // The controls of a free position with one price.
    struct TFreie_Felder
    {
        TWindows1252Memo* Memo1 = nullptr;
        QLineEdit* Edit_Preis = nullptr;
        QLineEdit* Edit_Anzahl = nullptr;
        QLineEdit* Edit_Bez = nullptr;
        QPushButton* BitBtn1 = nullptr;
    };

    // The layout of a free position with one price, in a window of 305 x 283:
    // the description text, under it price, count and label side by side,
    // each under its caption, and OK at the bottom right.
    template <class T>
    TFreie_Felder Freie_Felder(const QString& Preis_Text, long double T::*Preis, const QString& Anzahl_Label)
    {
        TFreie_Felder F;
        F.Memo1 = Memo<T>({8, 8, 289, 201});
        F.Edit_Preis = Zahlenfeld(QStringLiteral("Edit_Preis"), {8, 227, 81, 21}, -999999, 999999, Preis,
                                  Darueber(QStringLiteral("Label_Preis"), Preis_Text, 15));
        F.Edit_Anzahl = Zahlenfeld(QStringLiteral("Edit_Anzahl"), {97, 227, 49, 21}, 1, 99, &T::Anzahl,
                                   Darueber(Anzahl_Label, QStringLiteral("Anzahl"), 15));
        F.Edit_Bez = Textfeld(QStringLiteral("Edit_Bez"), {154, 227, 143, 21}, &T::Bez,
                              Darueber(QStringLiteral("Label_Bez"), QStringLiteral("Pos. Bez."), 15));
        F.BitBtn1 = OK_Knopf({222, 253, 75, 25});
        return F;
    }

    // Enter in Feld stores it and then moves the focus to Ziel; without a
    // target the focus stays in the field.
    void Enter_Weiter(QLineEdit* Feld, QWidget* Ziel);
    // Enter in each field of Folge leads to the next control of Folge.
    void Enter_Folge(std::initializer_list<QWidget*> Folge);
    void Tabfolge(std::initializer_list<QWidget*> Folge);

    void changeEvent(QEvent* Ereignis) override;
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    using TAnzeige = std::function<QString()>;
    using TSpeichern = std::function<void(const QString&)>;
    using TZahl_Speichern = std::function<void(long double)>;

    struct TFeld
    {
        QLineEdit* Edit = nullptr;
        // none for a free text field
        std::optional<TZahleingabe::TZahlart> Zahlart;
        int Unten = 0;
        int Oben = 0;
        // The caption, naming the field in the note on a refused number.
        QString Bezeichnung;
        TAnzeige Anzeige;
        // a text field stores its text, a number field the accepted number
        TSpeichern Speichern;
        TZahl_Speichern Zahl_Speichern;
        QWidget* Enter_Ziel = nullptr;
        bool Neu_Laden = true;
        // What a change of it is called in the history.
        QString Was;
    };

    bool Passt() const;
    // Names the step the change of a field makes.
    void Benennen(const QString& Was);
    // Shortest number text of up to 15 significant digits, empty for 0.
    static QString Zahl_Text(long double Wert);
    static QString Zahl_Text(std::int32_t Wert);

    QLineEdit* Feld_Anlegen(const QString& Name, const QRect& Lage, const TBeschriftung& Etikett,
                            std::optional<TZahleingabe::TZahlart> Zahlart, int Unten, int Oben,
                            TAnzeige Anzeige, TSpeichern Speichern, TZahl_Speichern Zahl_Speichern,
                            bool Neu_Laden);
    TWindows1252Memo* Memo_Anlegen(const QRect& Lage, TAnzeige Anzeige, TSpeichern Speichern);
    void Auswahl_Anlegen(QComboBox* Liste, std::function<int()> Lesen, std::function<void(int)> Setzen);

    TFeld* Feld_Suchen(const QObject* Objekt);
    void Verlassen(const TFeld& Feld);

    TDialogkontext& m_Kontext;
    std::uint32_t m_Typ;
    std::vector<TFeld> m_Felder;
    // Fill the controls; run only while the selected position is of this kind.
    std::vector<std::function<void()>> m_Lader;
};
