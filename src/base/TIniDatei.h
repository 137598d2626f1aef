#pragma once

#include <QByteArray>
#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QIODevice;

// The in-memory INI store through which the order, its positions and their
// option groups write and read themselves. Lines end in CR LF; sections and
// keys keep the order in which they were first written; names compare
// without case; on disk the text is Windows-1252.
class TIniDatei
{
public:
    // The decimal separator of written and read floats; the user's locale by default.
    explicit TIniDatei(QChar Dezimaltrenner = Dezimaltrenner_Gebietsschema());

    static QChar Dezimaltrenner_Gebietsschema();

    // Replaces the content with the file text in Bytes.
    void Bytes_Lesen(const QByteArray& Bytes);
    // Reads the device to its end; false, with the content left empty, when a
    // read fails part way or the text is longer than Hoechstgroesse.
    bool Lesen(QIODevice& Geraet);

    // No order comes near this size (100000 positions take about 110 MB).
    static constexpr qint64 Hoechstgroesse = qint64(256) * 1024 * 1024;

    // Throws EKonvertierungsfehler naming the first text that Windows-1252
    // cannot hold or that holds a line break or another control character
    // (a tab aside), which would change the file's lines.
    QByteArray Bytes() const;
    // The file text before it is checked and encoded.
    QString Text() const;
    bool Schreiben(QIODevice& Geraet) const;

    // A missing key, or a number key with an empty value, gives Vorgabe.
    // Whatever could not be saved again is damage, and ELadefehler names
    // section, key and the text as it stands in the file: a text holding a
    // control character other than tab or a character outside Windows-1252,
    // a number key whose text is not a number of its kind.
    QString Text_Lesen(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe) const;
    std::int32_t Ganzzahl_Lesen(const QString& Abschnitt, const QString& Schluessel, std::int32_t Vorgabe) const;
    bool Bool_Lesen(const QString& Abschnitt, const QString& Schluessel, bool Vorgabe) const;
    long double Zahl_Lesen(const QString& Abschnitt, const QString& Schluessel, long double Vorgabe) const;

    // As above, and a stored value outside Unten..Oben is damage too.
    std::int32_t Ganzzahl_Lesen(const QString& Abschnitt, const QString& Schluessel, std::int32_t Vorgabe,
                                std::int32_t Unten, std::int32_t Oben) const;
    long double Zahl_Lesen(const QString& Abschnitt, const QString& Schluessel, long double Vorgabe, long double Unten,
                           long double Oben) const;

    void Text_Schreiben(const QString& Abschnitt, const QString& Schluessel, const QString& Wert);
    void Ganzzahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, std::int32_t Wert);
    void Bool_Schreiben(const QString& Abschnitt, const QString& Schluessel, bool Wert);
    void Zahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, long double Wert);

    // The stored text of a key, if the key exists; unchecked.
    std::optional<QString> Wert(const QString& Abschnitt, const QString& Schluessel) const;
    // ELadefehler for the first character of Text, read from Wert, that the
    // writer refuses: one outside Windows-1252 and, unless a text escapes
    // them, a control character other than tab.
    static void Zeichen_Pruefen(const QString& Abschnitt, const QString& Schluessel, const QString& Wert,
                                QStringView Text, bool Steuerzeichen_Erlaubt = false);
    bool Abschnitt_Vorhanden(const QString& Abschnitt) const;
    QStringList Abschnitte() const;
    QChar Dezimaltrenner() const { return m_Dezimaltrenner; }

    // The value formats, shared with whoever checks stored text. A float is
    // read with "," or "." as its one decimal separator, whatever the locale.
    static std::optional<std::int32_t> Ganzzahl_Deuten(const QString& Text);
    std::optional<double> Zahl_Deuten(const QString& Text) const;
    QString Zahl_Text(long double Wert) const;

private:
    // A section or key name as a hash key that compares and hashes without
    // case, so that no folded copy of the name is made for a look-up. The
    // hash is taken once: a probe that meets another name is told apart by
    // it, without comparing the texts.
    struct TName
    {
        QString Text;
        size_t Streuwert;

        explicit TName(const QString& Name)
            : Text(Name)
            , Streuwert(Streuwert_Von(Name))
        {
        }
        friend bool operator==(const TName& a, const TName& b)
        {
            return a.Streuwert == b.Streuwert && a.Text.compare(b.Text, Qt::CaseInsensitive) == 0;
        }
        friend size_t qHash(const TName& Name, size_t Saat = 0) noexcept { return Name.Streuwert ^ Saat; }

        static size_t Streuwert_Von(QStringView Text) noexcept
        {
            std::uint64_t h = 0x9E3779B97F4A7C15ULL;
            for (QChar c : Text) {
                char16_t u = c.unicode();
                if (u >= u'A' && u <= u'Z')
                    u = char16_t(u + (u'a' - u'A'));
                else if (u >= 0x80)
                    u = c.toCaseFolded().unicode();
                h = (h ^ u) * 0x100000001B3ULL;
            }
            // The table takes its buckets from the low bits, which the
            // multiplications above leave poorly mixed for names that differ
            // only in their last digits.
            h ^= h >> 33;
            h *= 0xFF51AFD7ED558CCDULL;
            h ^= h >> 33;
            h *= 0xC4CEB9FE1A85EC53ULL;
            h ^= h >> 33;
            return size_t(h);
        }
    };

    // All entries of the file stand in one row; each section chains its own,
    // in the order they were first written, so that a file of many small
    // sections costs no allocation per section.
    static constexpr std::size_t Kein_Eintrag = std::size_t(-1);
    struct TEintrag
    {
        QString Schluessel;
        QString Wert;
        std::size_t Naechster = Kein_Eintrag;
    };

    struct TAbschnitt
    {
        QString Name;
        std::size_t Erster = Kein_Eintrag;
        std::size_t Letzter = Kein_Eintrag;
        std::size_t Anzahl = 0;
        // A section of a few keys is searched through; a larger one, as
        // another program or a damaged file may hold, through its index
        // (key -> position in m_Eintraege), so that reading stays linear.
        static constexpr std::size_t Kleiner_Abschnitt = 24;
        QHash<TName, std::size_t> Index;
    };

    // A present key's number; nothing for an empty value; ELadefehler for other text.
    std::optional<std::int32_t> Ganzzahl_Wert(const QString& Abschnitt, const QString& Schluessel) const;
    std::optional<double> Zahl_Wert(const QString& Abschnitt, const QString& Schluessel) const;

    const QString* Eintrag_Suchen(const TAbschnitt& Abschnitt, QStringView Schluessel) const;
    QString* Eintrag_Suchen(const TAbschnitt& Abschnitt, QStringView Schluessel);
    void Eintrag_Anfuegen(TAbschnitt& Abschnitt, const QString& Schluessel, const QString& Wert);

    const TAbschnitt* Abschnitt_Suchen(const QString& Name) const;
    TAbschnitt& Abschnitt_Holen(const QString& Name);

    QChar m_Dezimaltrenner;

    std::vector<TAbschnitt> m_Abschnitte;
    std::vector<TEintrag> m_Eintraege;
    // The sections by name: an open-addressed table whose slots are small
    // enough that a file of many sections finds each in about one cache line.
    struct TPlatz
    {
        std::uint32_t Abschnitt = 0; // position in m_Abschnitte + 1; 0 is a free slot
        std::uint32_t Streuwert = 0; // the upper half of the name's hash
    };
    std::vector<TPlatz> m_Index;
    void Index_Anlegen(std::size_t Anzahl);
    // The slot that holds the name, or the free slot where it would go.
    std::size_t Platz_Suchen(QStringView Name, std::size_t Streuwert) const;
    // The text last read: keys and values read from it refer into it without a copy of their own.
    QString m_Text;
    // Groups read and write their keys section by section: the last section
    // found answers most look-ups without folding the name.
    mutable QString m_Zuletzt_Name;
    mutable std::size_t m_Zuletzt = 0;
};
