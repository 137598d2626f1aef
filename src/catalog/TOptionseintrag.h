#pragma once

#include <QString>

#include <cstdint>

// The shape every option entry shares: a label, the price fields the price
// calculation reads and how the window editor lists it. Each group
// instantiates it with its own tag, so THolz and TGlas are distinct types of
// one layout. Unused fields stay 0 or empty.
template <class Marke>
struct TOptionseintrag
{
    QString Name;
    QString Zusatztext;
    std::int32_t Menge = 0;
    long double ProStueck = 0;
    long double ProFluegel = 0;
    long double ProMenge = 0;
    long double ProMeterSeiten = 0;
    long double ProMeterBreite = 0;
    long double ProMeterHoehe = 0;
    long double ProMeterUmlauf = 0;
    long double FestProMeterBreite = 0;
    long double FestProStueck = 0;
    std::int32_t Felder = 0;
    // The editor's list shows this where its text is not the label.
    QString Listentext;
    // The editor marks the entries that cost nothing extra.
    bool Ohne_Zusatzkosten = false;

    const QString& Listeneintrag() const { return Listentext.isEmpty() ? Name : Listentext; }
};
