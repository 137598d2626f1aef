// libFuzzer target: any bytes as an order file. Reading must either give an
// order the program can price, show and save, or fail with its message.
#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>

namespace {

// The order in the bytes, or nothing when reading refuses them.
std::optional<TBestellung> Lesen(const QByteArray& Bytes)
{
    TIniDatei Ini(QLatin1Char(','));
    Ini.Bytes_Lesen(Bytes);
    TBestellung B;
    try {
        // Long position lists only repeat what short ones reach, at great cost per run.
        if (Ini.Ganzzahl_Lesen(QStringLiteral("Bestellung"), QStringLiteral("lengthPositionen"), 0) > 8)
            return std::nullopt;
        B.Ini_Laden(Ini);
        B.Auswahl_Pruefen();
    } catch (const ELadefehler&) {
        return std::nullopt;
    } catch (const EAbgeschnitten&) {
        return std::nullopt;
    }
    return B;
}

// Any error of the writer escapes: what the reader accepted must save.
QByteArray Gespeichert(const TBestellung& B)
{
    TIniDatei Ini(QLatin1Char(','));
    B.Ini_Speichern(Ini);
    return Ini.Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Daten, std::size_t Groesse)
{
    const std::optional<TBestellung> B = Lesen(QByteArray(reinterpret_cast<const char*>(Daten), qsizetype(Groesse)));
    if (!B)
        return 0;
    // What loading accepted must price and describe without any error.
    const TSummen S = B->Summen();
    for (const TPositionseintrag& E : B->Positionen()) {
        (void)E.Beschreibung();
        (void)E.Einzelpreis(S.Gesamt_UM_Fenster, S.Summe_Waren);
    }
    // Saved, it reads back as the same order: saved again, not a byte differs.
    const QByteArray Erstes = Gespeichert(*B);
    const std::optional<TBestellung> Wieder = Lesen(Erstes);
    if (!Wieder || Gespeichert(*Wieder) != Erstes)
        throw std::logic_error("Die gespeicherte Bestellung liest sich anders zurück.");
    return 0;
}
