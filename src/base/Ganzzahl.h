#pragma once

#include "base/Fehler.h"

#include <cstdint>

// Signed 32-bit arithmetic that reports overflow instead of wrapping.
namespace Ganzzahl {

inline std::int32_t Addieren(std::int32_t a, std::int32_t b)
{
    std::int32_t r = 0;
    if (__builtin_add_overflow(a, b, &r))
        throw EUeberlauffehler(QStringLiteral("Ganzzahlüberlauf bei %1 + %2").arg(a).arg(b));
    return r;
}

inline std::int32_t Subtrahieren(std::int32_t a, std::int32_t b)
{
    std::int32_t r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        throw EUeberlauffehler(QStringLiteral("Ganzzahlüberlauf bei %1 - %2").arg(a).arg(b));
    return r;
}

inline std::int32_t Multiplizieren(std::int32_t a, std::int32_t b)
{
    std::int32_t r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        throw EUeberlauffehler(QStringLiteral("Ganzzahlüberlauf bei %1 * %2").arg(a).arg(b));
    return r;
}

// Checks index against 0 .. Anzahl - 1; Was names the table in the message.
inline void Index_Pruefen(std::int64_t Index, std::int64_t Anzahl, const char* Was)
{
    if (Index < 0 || Index >= Anzahl)
        throw EBereichsfehler(QStringLiteral("Bereichsüberschreitung: Index %1 außerhalb von %2 (0 bis %3)")
                                  .arg(Index)
                                  .arg(QLatin1String(Was))
                                  .arg(Anzahl - 1));
}

} // namespace Ganzzahl
