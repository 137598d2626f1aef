#pragma once

#include <QString>

#include <stdexcept>

// The program's own failures: a range, overflow or conversion error is raised,
// travels to the caller and ends in the program's default handler, never in
// undefined behaviour.
class EFehler : public std::runtime_error
{
public:
    explicit EFehler(const QString& Meldung)
        : std::runtime_error(Meldung.toStdString())
        , m_Meldung(Meldung)
    {
    }
    const QString& Meldung() const noexcept { return m_Meldung; }

private:
    QString m_Meldung;
};

// An index outside its row or table.
class EBereichsfehler : public EFehler
{
public:
    using EFehler::EFehler;
};

// A signed 32-bit sum or product that does not fit.
class EUeberlauffehler : public EFehler
{
public:
    using EFehler::EFehler;
};

// A text that is not the number it should be, or a text that Windows-1252 cannot hold.
class EKonvertierungsfehler : public EFehler
{
public:
    using EFehler::EFehler;
};

// An order file cut short: a position it declares has no section.
class EAbgeschnitten : public EFehler
{
public:
    using EFehler::EFehler;
};

// A value of an order file that the program cannot price or show; names where it stands.
class ELadefehler : public EFehler
{
public:
    ELadefehler(const QString& Abschnitt, const QString& Schluessel, const QString& Wert)
        : ELadefehler(Abschnitt, Schluessel, Wert, QStringLiteral("ungültiger Wert \"%1\"").arg(Wert))
    {
    }
    // Grund says what is wrong, for a value that cannot be shown as it stands.
    ELadefehler(const QString& Abschnitt, const QString& Schluessel, const QString& Wert, const QString& Grund)
        : EFehler(QStringLiteral("Abschnitt [%1], Schlüssel \"%2\": %3").arg(Abschnitt, Schluessel, Grund))
        , m_Abschnitt(Abschnitt)
        , m_Schluessel(Schluessel)
        , m_Wert(Wert)
    {
    }
    const QString& Abschnitt() const noexcept { return m_Abschnitt; }
    const QString& Schluessel() const noexcept { return m_Schluessel; }
    const QString& Wert() const noexcept { return m_Wert; }

private:
    QString m_Abschnitt;
    QString m_Schluessel;
    QString m_Wert;
};
