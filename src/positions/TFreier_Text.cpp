#include "positions/TFreier_Text.h"

#include <optional>

namespace {

// The text comes from a multi-line box, but a value of the order file ends at
// the line's end and loses its surrounding blanks: line breaks, the escape
// character itself, other control characters, and blanks at either end are
// written as escapes, so that the text comes back exactly as it was.
QString Kodieren(const QString& Text)
{
    qsizetype Anfang = 0;
    while (Anfang < Text.size() && Text.at(Anfang).isSpace())
        ++Anfang;
    qsizetype Ende = Text.size();
    while (Ende > Anfang && Text.at(Ende - 1).isSpace())
        --Ende;
    QString Ergebnis;
    Ergebnis.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text.at(i);
        const bool Rand = i < Anfang || i >= Ende;
        if (c == QLatin1Char('\\'))
            Ergebnis += QLatin1String("\\\\");
        else if (c == QLatin1Char('\n'))
            Ergebnis += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            Ergebnis += QLatin1String("\\r");
        else if (Rand && c == QLatin1Char(' '))
            Ergebnis += QLatin1String("\\s");
        else if (Rand && c == QLatin1Char('\t'))
            Ergebnis += QLatin1String("\\t");
        else if ((Rand && c.isSpace()) || (c.unicode() < 0x20 && c != QLatin1Char('\t'))
                 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F))
            Ergebnis += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            Ergebnis += c;
    }
    return Ergebnis;
}

std::optional<char16_t> Vierstellig_Hex(const QString& Text, qsizetype Ab)
{
    if (Ab + 4 > Text.size())
        return std::nullopt;
    bool Ok = false;
    const ushort Code = QStringView(Text).mid(Ab, 4).toUShort(&Ok, 16);
    if (!Ok)
        return std::nullopt;
    return char16_t(Code);
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
        else if (Naechstes == QLatin1Char('s'))
            Ergebnis += QLatin1Char(' ');
        else if (Naechstes == QLatin1Char('t'))
            Ergebnis += QLatin1Char('\t');
        else if (Naechstes == QLatin1Char('\\'))
            Ergebnis += QLatin1Char('\\');
        else if (const auto Code = Naechstes == QLatin1Char('u') ? Vierstellig_Hex(Text, i + 2) : std::nullopt) {
            Ergebnis += QChar(*Code);
            i += 4;
        } else {
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
    const QString A = Textabschnitt(Abschnitt);
    if (!Ini.Wert(A, Schluessel_Text))
        return;
    const QString Wert = Ini.Text_Lesen(A, Schluessel_Text, QString());
    // An escape may stand for any character, but only one the file can hold is taken.
    const QString Text = Dekodieren(Wert);
    TIniDatei::Zeichen_Pruefen(A, Schluessel_Text, Wert, Text, true);
    Text_Setzen(Text);
}
