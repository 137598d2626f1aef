#include "positions/TFreier_Text.h"

namespace {

// The text comes from a multi-line box, but a value of the order file ends at
// the line's end: line breaks and the escape character itself are written as
// escapes so that the text stays on its one line.
QString Kodieren(const QString& Text)
{
    QString Ergebnis;
    Ergebnis.reserve(Text.size());
    for (QChar c : Text) {
        if (c == QLatin1Char('\\'))
            Ergebnis += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            Ergebnis += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            Ergebnis += QLatin1String("\\r");
        else
            Ergebnis += c;
    }
    return Ergebnis;
}

QString Dekodieren(const QString& Text)
{
    QString Ergebnis;
    Ergebnis.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text.at(i);
        if (c != QLatin1Char('\\') || i + 1 == Text.size()) {
            Ergebnis += c;
            continue;
        }
        const QChar Naechstes = Text.at(i + 1);
        if (Naechstes == QLatin1Char('n'))
            Ergebnis += QLatin1Char('\n');
        else if (Naechstes == QLatin1Char('r'))
            Ergebnis += QLatin1Char('\r');
        else if (Naechstes == QLatin1Char('\\'))
            Ergebnis += QLatin1Char('\\');
        else {
            Ergebnis += c; // not an escape: kept as it stands
            continue;
        }
        ++i;
    }
    return Ergebnis;
}

QString Textabschnitt(const QString& Abschnitt)
{
    return Abschnitt + QLatin1String("/Beschreibung");
}

const QString Schluessel_Text = QStringLiteral("Text");

} // namespace

TFreier_Text::TFreier_Text(const QString& Text, const char* Tabellenname)
    : m_Auswahl(1, Tabellenname)
{
    m_Tabelle[0].Name = Text;
}

void TFreier_Text::Kopieren_Von(const TFreier_Text& Andere)
{
    m_Tabelle = Andere.m_Tabelle;
    m_Auswahl = Andere.m_Auswahl;
}

void TFreier_Text::Text_Speichern(TIniDatei& Ini, const QString& Abschnitt) const
{
    Ini.Text_Schreiben(Textabschnitt(Abschnitt), Schluessel_Text, Kodieren(Text()));
}

void TFreier_Text::Text_Laden(const TIniDatei& Ini, const QString& Abschnitt)
{
    if (const auto Wert = Ini.Wert(Textabschnitt(Abschnitt), Schluessel_Text))
        Text_Setzen(Dekodieren(*Wert));
}

const TFreie_Vorlage* TFreier_Text::Vorlage_Suchen(std::span<const TFreie_Vorlage> Vorlagen, const QString& Vorlage)
{
    for (const TFreie_Vorlage& V : Vorlagen)
        if (V.Schluessel == Vorlage)
            return &V;
    return nullptr;
}
