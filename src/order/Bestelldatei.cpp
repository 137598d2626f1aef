#include "order/Bestelldatei.h"

#include "base/Dateifehler.h"
#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

#include <utility>

namespace Bestelldatei {

namespace {

// Size and time of the file at Pfad (through links), with the checksum of Inhalt.
std::optional<TDateistand> Stand_Von(const QString& Pfad, const QByteArray& Inhalt)
{
    struct stat S {};
    if (::stat(QFile::encodeName(Pfad).constData(), &S) != 0 || !S_ISREG(S.st_mode))
        return std::nullopt;
    return TDateistand{qint64(S.st_size), qint64(S.st_mtim.tv_sec) * 1000000000 + S.st_mtim.tv_nsec,
                       QCryptographicHash::hash(Inhalt, QCryptographicHash::Sha256)};
}

TErgebnis Uebernehmen(const TIniDatei& Ini, TBestellung& Aktuell, const QString& Name)
{
    // Whatever lacks the order's own section (another program's text, UTF-16,
    // binary data, lines ended by CR alone) would open as an empty order and be
    // overwritten by it on the next save.
    if (!Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung")))
        return {false, QStringLiteral("Die Datei \"%1\" ist keine Bestelldatei: der Abschnitt [Bestellung] fehlt.").arg(Name)};

    TBestellung Neu;
    try {
        Neu.Ini_Laden(Ini);
        Neu.Auswahl_Pruefen();
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }
    Aktuell.Kopieren_Von(Neu);
    return {true, {}};
}

} // namespace

TErgebnis Bytes_Erzeugen(const TBestellung& Bestellung, QByteArray& Bytes)
{
    try {
        TIniDatei Ini;
        Bestellung.Ini_Speichern(Ini);
        Bytes = Ini.Bytes();
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }
    return {true, {}};
}

TErgebnis Bestellung_Speichern(const QString& Pfad, TBestellung& Bestellung, TDateistand* Stand,
                               QByteArray* Geschrieben)
{
    // The file names the path it is saved to; a failed save keeps the old name.
    const QString Alter_Name = Bestellung.Filename;
    Bestellung.Filename = Pfad;
    QByteArray Bytes;
    TErgebnis Ergebnis = Bytes_Erzeugen(Bestellung, Bytes);
    if (Ergebnis)
        if (const auto Grund = Dateifehler::Ersetzen(Pfad, Bytes))
            Ergebnis = {false, *Grund};
    if (Ergebnis) {
        // From the bytes written: whatever another program writes meanwhile differs from them.
        if (Stand)
            *Stand = Stand_Von(Pfad, Bytes).value_or(TDateistand{});
        if (Geschrieben)
            *Geschrieben = std::move(Bytes);
    }
    if (!Ergebnis)
        Bestellung.Filename = Alter_Name;
    return Ergebnis;
}

TErgebnis Bestellung_Laden(const QString& Pfad, TBestellung& Aktuell)
{
    if (const auto Grund = Dateifehler::Quelle_Pruefen(Pfad, TIniDatei::Hoechstgroesse))
        return {false, *Grund};
    QFile Datei(Pfad);
    errno = 0;
    if (!Datei.open(QIODevice::ReadOnly))
        return {false, Dateifehler::Meldung_Nach(errno, false, Pfad)};

    TIniDatei Ini;
    errno = 0;
    if (!Ini.Lesen(Datei)) {
        if (Datei.error() == QFileDevice::NoError)
            return {false, Dateifehler::Meldung(Dateifehler::TUrsache::Zu_Gross, Pfad)};
        return {false, Dateifehler::Meldung_Nach(errno, false, Pfad)};
    }
    TErgebnis Ergebnis = Uebernehmen(Ini, Aktuell, Pfad);
    if (Ergebnis)
        Aktuell.Filename = Pfad;
    return Ergebnis;
}

TErgebnis Bestellung_Lesen(const QByteArray& Bytes, TBestellung& Aktuell, const QString& Name)
{
    if (Bytes.size() > TIniDatei::Hoechstgroesse)
        return {false, Dateifehler::Meldung(Dateifehler::TUrsache::Zu_Gross, Name)};
    TIniDatei Ini;
    Ini.Bytes_Lesen(Bytes);
    return Uebernehmen(Ini, Aktuell, Name);
}

std::optional<TDateistand> Dateistand(const QString& Pfad)
{
    if (Dateifehler::Quelle_Pruefen(Pfad, TIniDatei::Hoechstgroesse))
        return std::nullopt;
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray Inhalt = Datei.readAll();
    if (Datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return Stand_Von(Pfad, Inhalt);
}

bool Fremd_Geaendert(const QString& Pfad, const TDateistand& Bekannt)
{
    const QFileInfo Datei(Pfad);
    if (!Datei.exists() && !Datei.isSymLink())
        return false;
    return Dateistand(Pfad) != Bekannt;
}

bool Ist_Bestelldatei(const QString& Pfad)
{
    if (Dateifehler::Quelle_Pruefen(Pfad, TIniDatei::Hoechstgroesse))
        return false;
    QFile Datei(Pfad);
    TIniDatei Ini;
    return Datei.open(QIODevice::ReadOnly) && Ini.Lesen(Datei) && Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung"));
}

bool Ohne_Frage_Speicherbar(const QString& Pfad)
{
    const QFileInfo Ziel(Pfad);
    if (Pfad.isEmpty() || !QDir::isAbsolutePath(Pfad))
        return false;
    if (Ziel.exists() || Ziel.isSymLink())
        return Ist_Bestelldatei(Pfad);
    return Pfad.endsWith(QStringLiteral(".dat")) && Ziel.dir().exists();
}

} // namespace Bestelldatei
