#include "base/TIniDatei.h"

#include "base/Fehler.h"
#include "base/Windows1252.h"
#include "base/Zahlformat.h"

#include <QIODevice>
#include <QLocale>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

const char* const Zeichensatz = "windows-1252";

// A line break or another control character would split or bend a line of
// the file; a tab is kept, as the reader keeps it.
bool Steuerzeichen(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F);
}

bool Steuerzeichen(const QString& Text)
{
    return std::any_of(Text.begin(), Text.end(), [](QChar c) { return Steuerzeichen(c); });
}

} // namespace

TIniDatei::TIniDatei(QChar Dezimaltrenner)
    : m_Dezimaltrenner(Dezimaltrenner)
{
}

QChar TIniDatei::Dezimaltrenner_Gebietsschema()
{
    const QString Trenner = QLocale().decimalPoint();
    return Trenner.isEmpty() ? QLatin1Char('.') : Trenner.front();
}

// ---------------------------------------------------------------- reading the text

void TIniDatei::Bytes_Lesen(const QByteArray& Bytes)
{
    m_Abschnitte.clear();
    m_Eintraege.clear();
    m_Index.clear();
    m_Zuletzt_Name.clear();

    // One pass over the bytes counts what to reserve.
    std::size_t Klammern = 0;
    std::size_t Gleichheitszeichen = 0;
    for (const char c : Bytes) {
        Klammern += c == '[';
        Gleichheitszeichen += c == '=';
    }
    m_Text = Windows1252::Dateitext(Bytes);
    const QStringView Text(m_Text);
    // The sections of an order are seldom shorter than this; a text full of
    // brackets that open no sections reserves no more for them, and a file
    // of shorter sections lets the index grow.
    constexpr std::size_t Kuerzester_Abschnitt = 32;
    const std::size_t Abschnitte_Etwa = std::min(Klammern, std::size_t(Bytes.size()) / Kuerzester_Abschnitt + 1);
    m_Abschnitte.reserve(Abschnitte_Etwa);
    // Likewise for entries: a value full of equals signs reserves no more.
    constexpr std::size_t Kuerzester_Eintrag = 16;
    m_Eintraege.reserve(std::min(Gleichheitszeichen, std::size_t(Bytes.size()) / Kuerzester_Eintrag + 1));
    Index_Anlegen(Abschnitte_Etwa);
    // Section names, keys and values are views into m_Text, which stays
    // unchanged while they live: a large file costs no allocation per line.
    const auto Sicht = [](QStringView Teil) { return QString::fromRawData(Teil.data(), Teil.size()); };

    TAbschnitt* Aktuell = nullptr;
    qsizetype Anfang = 0;
    while (Anfang <= Text.size()) {
        qsizetype Ende = Text.indexOf(QLatin1Char('\n'), Anfang);
        if (Ende < 0)
            Ende = Text.size();
        const QStringView Zeile = Text.mid(Anfang, Ende - Anfang).trimmed();
        Anfang = Ende + 1;

        if (Zeile.isEmpty() || Zeile.startsWith(QLatin1Char(';')))
            continue;
        if (Zeile.startsWith(QLatin1Char('[')) && Zeile.endsWith(QLatin1Char(']'))) {
            Aktuell = &Abschnitt_Holen(Sicht(Zeile.mid(1, Zeile.size() - 2).trimmed()));
            continue;
        }
        if (!Aktuell)
            continue; // lines before the first section carry nothing
        const qsizetype Gleich = Zeile.indexOf(QLatin1Char('='));
        if (Gleich <= 0)
            continue;
        const QStringView Schluessel = Zeile.left(Gleich).trimmed();
        if (Schluessel.isEmpty() || Eintrag_Suchen(*Aktuell, Schluessel))
            continue; // the first of two equal keys is the one that counts
        Eintrag_Anfuegen(*Aktuell, Sicht(Schluessel), Sicht(Zeile.mid(Gleich + 1).trimmed()));
    }
}

bool TIniDatei::Lesen(QIODevice& Geraet)
{
    Bytes_Lesen({});
    if (!Geraet.isReadable())
        return false;
    // readAll() hands back what came before a failing read as if it were
    // all: each piece is checked, so a damaged disk never yields a shorter file.
    QByteArray Bytes;
    if (!Geraet.isSequential())
        Bytes.reserve(std::min(Geraet.size(), Hoechstgroesse));
    char Puffer[65536];
    for (;;) {
        // A file of known size is read straight into its place, not copied there.
        const qsizetype Frei = Bytes.capacity() - Bytes.size();
        qint64 Gelesen = 0;
        if (Frei > 0) {
            const qsizetype Bisher = Bytes.size();
            Bytes.resize(Bisher + Frei);
            Gelesen = Geraet.read(Bytes.data() + Bisher, Frei);
            Bytes.resize(Bisher + std::max<qint64>(Gelesen, 0));
        } else {
            Gelesen = Geraet.read(Puffer, sizeof Puffer);
            if (Gelesen > 0) {
                if (Bytes.size() + Gelesen > Hoechstgroesse)
                    return false;
                Bytes.append(Puffer, Gelesen);
            }
        }
        if (Gelesen < 0)
            return false;
        if (Gelesen == 0)
            break;
        if (Bytes.size() > Hoechstgroesse)
            return false;
    }
    Bytes_Lesen(Bytes);
    return true;
}

// ---------------------------------------------------------------- writing the text

QString TIniDatei::Text() const
{
    QString Text;
    for (const TAbschnitt& A : m_Abschnitte) {
        Text += QLatin1Char('[') + A.Name + QLatin1String("]\r\n");
        for (std::size_t i = A.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            Text += m_Eintraege[i].Schluessel + QLatin1Char('=') + m_Eintraege[i].Wert + QLatin1String("\r\n");
        Text += QLatin1String("\r\n");
    }
    return Text;
}

QByteArray TIniDatei::Bytes() const
{
    const auto Pruefen = [](const QString& Abschnitt, const QString& Schluessel, const QString& Wert) {
        if (Steuerzeichen(Abschnitt))
            throw EKonvertierungsfehler(
                QStringLiteral("Der Abschnittsname [%1] enthält einen Zeilenumbruch oder ein anderes Steuerzeichen "
                               "und kann so nicht gespeichert werden.")
                    .arg(Abschnitt));
        if (Steuerzeichen(Schluessel) || Steuerzeichen(Wert))
            throw EKonvertierungsfehler(
                QStringLiteral("Der Eintrag \"%1\" im Abschnitt [%2] enthält einen Zeilenumbruch oder ein anderes "
                               "Steuerzeichen und kann so nicht gespeichert werden.")
                    .arg(Schluessel, Abschnitt));
    };
    for (const TAbschnitt& A : m_Abschnitte) {
        Pruefen(A.Name, {}, {});
        for (std::size_t i = A.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            Pruefen(A.Name, m_Eintraege[i].Schluessel, m_Eintraege[i].Wert);
    }

    QStringEncoder Kodierer(Zeichensatz);
    QByteArray Bytes = Kodierer.encode(Text());
    if (!Kodierer.hasError()) {
        // A text whose every byte above 0x7F happens to pair up as UTF-8
        // ("Ã¶") would read back as other text; a closing comment with
        // umlauts keeps the file Windows-1252.
        if (Windows1252::Als_Utf8_Gelesen(Bytes))
            Bytes += "; Windows-1252: \xE4\xF6\xFC\xDF\r\n";
        return Bytes;
    }

    for (const TAbschnitt& A : m_Abschnitte) {
        if (!Windows1252::Kodierbar(A.Name))
            throw EKonvertierungsfehler(QStringLiteral("Der Text \"%1\" enthält Zeichen, die nicht gespeichert werden können.").arg(A.Name));
        for (std::size_t i = A.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            for (const QString* T : {&m_Eintraege[i].Schluessel, &m_Eintraege[i].Wert})
                if (!Windows1252::Kodierbar(*T))
                    throw EKonvertierungsfehler(
                        QStringLiteral("Der Text \"%1\" enthält Zeichen, die nicht gespeichert werden können.").arg(*T));
    }
    throw EKonvertierungsfehler(QStringLiteral("Der Text enthält Zeichen, die nicht gespeichert werden können."));
}

bool TIniDatei::Schreiben(QIODevice& Geraet) const
{
    const QByteArray Daten = Bytes();
    return Geraet.write(Daten) == Daten.size();
}

// ---------------------------------------------------------------- value formats

std::optional<std::int32_t> TIniDatei::Ganzzahl_Deuten(const QString& Text)
{
    return Zahlformat::Ganzzahl_Deuten(Text);
}

std::optional<double> TIniDatei::Zahl_Deuten(const QString& Text) const
{
    return Zahlformat::Zahl_Deuten(Text);
}

QString TIniDatei::Zahl_Text(long double Wert) const
{
    return Zahlformat::Dateitext(Wert, m_Dezimaltrenner);
}

// ---------------------------------------------------------------- keys

void TIniDatei::Index_Anlegen(std::size_t Anzahl)
{
    // At most half the slots in use keeps the runs of probes short.
    std::size_t Groesse = 16;
    while (Groesse < 2 * Anzahl)
        Groesse *= 2;
    m_Index.assign(Groesse, TPlatz{});
    for (std::size_t i = 0; i < m_Abschnitte.size(); ++i) {
        const std::size_t Streuwert = TName::Streuwert_Von(m_Abschnitte[i].Name);
        m_Index[Platz_Suchen(m_Abschnitte[i].Name, Streuwert)] = {std::uint32_t(i + 1), std::uint32_t(Streuwert >> 32)};
    }
}

std::size_t TIniDatei::Platz_Suchen(QStringView Name, std::size_t Streuwert) const
{
    const std::size_t Maske = m_Index.size() - 1;
    const auto Oben = std::uint32_t(Streuwert >> 32);
    for (std::size_t i = Streuwert & Maske;; i = (i + 1) & Maske) {
        const TPlatz& P = m_Index[i];
        if (P.Abschnitt == 0)
            return i;
        if (P.Streuwert == Oben && m_Abschnitte[P.Abschnitt - 1].Name.compare(Name, Qt::CaseInsensitive) == 0)
            return i;
    }
}

const TIniDatei::TAbschnitt* TIniDatei::Abschnitt_Suchen(const QString& Name) const
{
    if (m_Zuletzt < m_Abschnitte.size() && Name == m_Zuletzt_Name)
        return &m_Abschnitte[m_Zuletzt];
    // The order reads its sections in the order it wrote them.
    if (m_Zuletzt + 1 < m_Abschnitte.size() && m_Abschnitte[m_Zuletzt + 1].Name == Name) {
        m_Zuletzt_Name = Name;
        return &m_Abschnitte[++m_Zuletzt];
    }
    if (m_Index.empty())
        return nullptr;
    const TPlatz& P = m_Index[Platz_Suchen(Name, TName::Streuwert_Von(Name))];
    if (P.Abschnitt == 0)
        return nullptr;
    m_Zuletzt_Name = Name;
    m_Zuletzt = P.Abschnitt - 1;
    return &m_Abschnitte[m_Zuletzt];
}

TIniDatei::TAbschnitt& TIniDatei::Abschnitt_Holen(const QString& Name)
{
    if (m_Zuletzt < m_Abschnitte.size() && Name == m_Zuletzt_Name)
        return m_Abschnitte[m_Zuletzt];
    if (2 * (m_Abschnitte.size() + 1) > m_Index.size()) {
        if (m_Abschnitte.size() >= std::numeric_limits<std::uint32_t>::max() / 4)
            throw EUeberlauffehler(QStringLiteral("Die Datei hat zu viele Abschnitte."));
        Index_Anlegen(2 * (m_Abschnitte.size() + 1));
    }
    const std::size_t Streuwert = TName::Streuwert_Von(Name);
    TPlatz& P = m_Index[Platz_Suchen(Name, Streuwert)];
    if (P.Abschnitt == 0) {
        m_Abschnitte.push_back(TAbschnitt{Name, Kein_Eintrag, Kein_Eintrag, 0, {}});
        P = {std::uint32_t(m_Abschnitte.size()), std::uint32_t(Streuwert >> 32)};
    }
    m_Zuletzt_Name = Name;
    m_Zuletzt = P.Abschnitt - 1;
    return m_Abschnitte[m_Zuletzt];
}

const QString* TIniDatei::Eintrag_Suchen(const TAbschnitt& Abschnitt, QStringView Schluessel) const
{
    return const_cast<TIniDatei*>(this)->Eintrag_Suchen(Abschnitt, Schluessel);
}

QString* TIniDatei::Eintrag_Suchen(const TAbschnitt& Abschnitt, QStringView Schluessel)
{
    if (Abschnitt.Anzahl <= TAbschnitt::Kleiner_Abschnitt) {
        // Keys are nearly always read in the case they were written in.
        for (std::size_t i = Abschnitt.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            if (m_Eintraege[i].Schluessel == Schluessel)
                return &m_Eintraege[i].Wert;
        for (std::size_t i = Abschnitt.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            if (m_Eintraege[i].Schluessel.compare(Schluessel, Qt::CaseInsensitive) == 0)
                return &m_Eintraege[i].Wert;
        return nullptr;
    }
    const auto It = Abschnitt.Index.constFind(TName{Schluessel.toString()});
    return It == Abschnitt.Index.constEnd() ? nullptr : &m_Eintraege[*It].Wert;
}

void TIniDatei::Eintrag_Anfuegen(TAbschnitt& Abschnitt, const QString& Schluessel, const QString& Wert)
{
    const std::size_t Neu = m_Eintraege.size();
    m_Eintraege.push_back(TEintrag{Schluessel, Wert, Kein_Eintrag});
    if (Abschnitt.Letzter == Kein_Eintrag)
        Abschnitt.Erster = Neu;
    else
        m_Eintraege[Abschnitt.Letzter].Naechster = Neu;
    Abschnitt.Letzter = Neu;
    ++Abschnitt.Anzahl;
    if (Abschnitt.Anzahl == TAbschnitt::Kleiner_Abschnitt + 1) {
        for (std::size_t i = Abschnitt.Erster; i != Kein_Eintrag; i = m_Eintraege[i].Naechster)
            Abschnitt.Index.insert(TName{m_Eintraege[i].Schluessel}, i);
    } else if (Abschnitt.Anzahl > TAbschnitt::Kleiner_Abschnitt + 1) {
        Abschnitt.Index.insert(TName{Schluessel}, Neu);
    }
}

std::optional<QString> TIniDatei::Wert(const QString& Abschnitt, const QString& Schluessel) const
{
    const TAbschnitt* A = Abschnitt_Suchen(Abschnitt);
    if (!A)
        return std::nullopt;
    const QString* W = Eintrag_Suchen(*A, Schluessel);
    if (!W)
        return std::nullopt;
    // A copy of its own: the value may outlive this store and its text.
    return QString(W->constData(), W->size());
}

bool TIniDatei::Abschnitt_Vorhanden(const QString& Abschnitt) const
{
    return Abschnitt_Suchen(Abschnitt) != nullptr;
}

QStringList TIniDatei::Abschnitte() const
{
    QStringList Namen;
    Namen.reserve(qsizetype(m_Abschnitte.size()));
    // Copies of their own: a name read from the file refers into its text.
    for (const TAbschnitt& A : m_Abschnitte)
        Namen << QString(A.Name.constData(), A.Name.size());
    return Namen;
}

void TIniDatei::Zeichen_Pruefen(const QString& Abschnitt, const QString& Schluessel, const QString& Wert,
                                QStringView Text, bool Steuerzeichen_Erlaubt)
{
    for (qsizetype i = 0; i < Text.size(); ++i) {
        const QChar c = Text[i];
        const bool Steuer = Steuerzeichen(c);
        if (Steuer ? Steuerzeichen_Erlaubt : Windows1252::Kodierbar(c))
            continue;
        char32_t Code = c.unicode();
        QString Zeichen;
        if (c.isHighSurrogate() && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            Code = QChar::surrogateToUcs4(c, Text[i + 1]);
            Zeichen = Text.mid(i, 2).toString();
        } else if (!Steuer && !c.isSurrogate()) {
            Zeichen = c;
        }
        const QString Nummer = QStringLiteral("U+%1").arg(std::uint32_t(Code), 4, 16, QLatin1Char('0')).toUpper();
        throw ELadefehler(Abschnitt, Schluessel, Wert,
                          Steuer ? QStringLiteral("Der Wert enthält das Steuerzeichen %1, das nicht gespeichert werden kann.")
                                       .arg(Nummer)
                                 : QStringLiteral("Der Wert enthält das Zeichen %1, das nicht gespeichert werden kann.")
                                       .arg(Zeichen.isEmpty() ? Nummer : QStringLiteral("\u201E%1\u201C (%2)").arg(Zeichen, Nummer)));
    }
}

QString TIniDatei::Text_Lesen(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe) const
{
    const auto Text = Wert(Abschnitt, Schluessel);
    if (!Text)
        return Vorgabe;
    Zeichen_Pruefen(Abschnitt, Schluessel, *Text, *Text);
    return *Text;
}

std::optional<std::int32_t> TIniDatei::Ganzzahl_Wert(const QString& Abschnitt, const QString& Schluessel) const
{
    const auto Text = Wert(Abschnitt, Schluessel);
    if (!Text || Text->trimmed().isEmpty())
        return std::nullopt;
    const auto Zahl = Ganzzahl_Deuten(*Text);
    if (!Zahl)
        throw ELadefehler(Abschnitt, Schluessel, *Text);
    return Zahl;
}

std::optional<double> TIniDatei::Zahl_Wert(const QString& Abschnitt, const QString& Schluessel) const
{
    const auto Text = Wert(Abschnitt, Schluessel);
    if (!Text || Text->trimmed().isEmpty())
        return std::nullopt;
    const auto Zahl = Zahl_Deuten(*Text);
    if (!Zahl)
        throw ELadefehler(Abschnitt, Schluessel, *Text);
    return Zahl;
}

std::int32_t TIniDatei::Ganzzahl_Lesen(const QString& Abschnitt, const QString& Schluessel, std::int32_t Vorgabe) const
{
    return Ganzzahl_Wert(Abschnitt, Schluessel).value_or(Vorgabe);
}

bool TIniDatei::Bool_Lesen(const QString& Abschnitt, const QString& Schluessel, bool Vorgabe) const
{
    return Ganzzahl_Lesen(Abschnitt, Schluessel, Vorgabe ? 1 : 0) != 0;
}

long double TIniDatei::Zahl_Lesen(const QString& Abschnitt, const QString& Schluessel, long double Vorgabe) const
{
    const auto Zahl = Zahl_Wert(Abschnitt, Schluessel);
    return Zahl ? static_cast<long double>(*Zahl) : Vorgabe;
}

std::int32_t TIniDatei::Ganzzahl_Lesen(const QString& Abschnitt, const QString& Schluessel, std::int32_t Vorgabe,
                                       std::int32_t Unten, std::int32_t Oben) const
{
    const auto Zahl = Ganzzahl_Wert(Abschnitt, Schluessel);
    if (!Zahl)
        return Vorgabe;
    if (*Zahl < Unten || *Zahl > Oben)
        throw ELadefehler(Abschnitt, Schluessel, *Wert(Abschnitt, Schluessel));
    return *Zahl;
}

long double TIniDatei::Zahl_Lesen(const QString& Abschnitt, const QString& Schluessel, long double Vorgabe,
                                  long double Unten, long double Oben) const
{
    const auto Zahl = Zahl_Wert(Abschnitt, Schluessel);
    if (!Zahl)
        return Vorgabe;
    if (static_cast<long double>(*Zahl) < Unten || static_cast<long double>(*Zahl) > Oben)
        throw ELadefehler(Abschnitt, Schluessel, *Wert(Abschnitt, Schluessel));
    return static_cast<long double>(*Zahl);
}

void TIniDatei::Text_Schreiben(const QString& Abschnitt, const QString& Schluessel, const QString& Wert)
{
    TAbschnitt& A = Abschnitt_Holen(Abschnitt);
    if (QString* Alt = Eintrag_Suchen(A, Schluessel)) {
        *Alt = Wert;
        return;
    }
    Eintrag_Anfuegen(A, Schluessel, Wert);
}

void TIniDatei::Ganzzahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, std::int32_t Wert)
{
    Text_Schreiben(Abschnitt, Schluessel, QString::number(Wert));
}

void TIniDatei::Bool_Schreiben(const QString& Abschnitt, const QString& Schluessel, bool Wert)
{
    Text_Schreiben(Abschnitt, Schluessel, Wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDatei::Zahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, long double Wert)
{
    Text_Schreiben(Abschnitt, Schluessel, Zahl_Text(Wert));
}
