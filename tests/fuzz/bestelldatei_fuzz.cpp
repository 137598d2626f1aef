// libFuzzer target: any bytes as an order file. Reading must either give an
// order the program can price and show, or fail with its message.
#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Bytes_Lesen(QByteArray(reinterpret_cast<const char*>(Daten), qsizetype(Groesse)));
    // Long position lists only repeat what short ones reach, at great cost per run.
    if (Ini.Ganzzahl_Lesen(QStringLiteral("Bestellung"), QStringLiteral("lengthPositionen"), 0) > 8)
        return 0;
    TBestellung B;
    try {
        B.Ini_Laden(Ini);
        B.Auswahl_Pruefen();
    } catch (const ELadefehler&) {
        return 0;
    } catch (const EAbgeschnitten&) {
        return 0;
    }
    // What loading accepted must price and describe without any error.
    const TSummen S = B.Summen();
    (void)S;
    for (const TPositionseintrag& E : B.Positionen()) {
        (void)E.Beschreibung();
        (void)E.Einzelpreis(S.Gesamt_UM_Fenster, S.Summe_Waren);
    }
    TIniDatei Zurueck(QLatin1Char(','));
    B.Ini_Speichern(Zurueck);
    try {
        (void)Zurueck.Bytes();
    } catch (const EKonvertierungsfehler&) {
        // Decoded file bytes are always Windows-1252; this cannot happen.
        __builtin_trap();
    }
    return 0;
}
