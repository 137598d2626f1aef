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
    bool Lesen(QIODevice& Geraet);

    // Throws EKonvertierungsfehler naming the first text that Windows-1252 cannot hold.
    QByteArray Bytes() const;
    bool Schreiben(QIODevice& Geraet) const;

    QString Text_Lesen(const QString& Abschnitt, const QString& Schluessel, const QString& Vorgabe) const;
    std::int32_t Ganzzahl_Lesen(const QString& Abschnitt, const QString& Schluessel, std::int32_t Vorgabe) const;
    bool Bool_Lesen(const QString& Abschnitt, const QString& Schluessel, bool Vorgabe) const;
    long double Zahl_Lesen(const QString& Abschnitt, const QString& Schluessel, long double Vorgabe) const;

    void Text_Schreiben(const QString& Abschnitt, const QString& Schluessel, const QString& Wert);
    void Ganzzahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, std::int32_t Wert);
    void Bool_Schreiben(const QString& Abschnitt, const QString& Schluessel, bool Wert);
    void Zahl_Schreiben(const QString& Abschnitt, const QString& Schluessel, long double Wert);

    // The stored text of a key, if the key exists.
    std::optional<QString> Wert(const QString& Abschnitt, const QString& Schluessel) const;
    bool Abschnitt_Vorhanden(const QString& Abschnitt) const;
    QStringList Abschnitte() const;
    QChar Dezimaltrenner() const { return m_Dezimaltrenner; }

    // The value formats, shared with whoever checks stored text.
    static std::optional<std::int32_t> Ganzzahl_Deuten(const QString& Text);
    std::optional<double> Zahl_Deuten(const QString& Text) const;
    QString Zahl_Text(long double Wert) const;

private:
    struct TAbschnitt
    {
        QString Name;
        std::vector<std::pair<QString, QString>> Eintraege;
    };

    const TAbschnitt* Abschnitt_Suchen(const QString& Name) const;
    TAbschnitt& Abschnitt_Holen(const QString& Name);
    static const QString* Eintrag_Suchen(const TAbschnitt& Abschnitt, const QString& Schluessel);

    QChar m_Dezimaltrenner;
    static QString Gefaltet(const QString& Name);

    std::vector<TAbschnitt> m_Abschnitte;
    QHash<QString, std::size_t> m_Index; // lower-case name -> position in m_Abschnitte
    // Groups read and write their keys section by section: the last section
    // found answers most look-ups without folding the name.
    mutable QString m_Zuletzt_Name;
    mutable std::size_t m_Zuletzt = 0;
};
