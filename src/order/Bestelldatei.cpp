#include "order/Bestelldatei.h"

#include "base/Dateifehler.h"
#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace Bestelldatei {

namespace {

TErgebnis Schreiben(const QString& Pfad, const TBestellung& Bestellung)
{
    QByteArray Text;
    try {
        Text = Bytes(Bestellung);
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }

    if (const auto Grund = Dateifehler::Ersetzen(Pfad, Text))
        return {false, *Grund};
    return {true, {}};
}

// Whatever lacks the order's own section (another program's text, UTF-16,
// binary data, lines ended by CR alone) would open as an empty order and be
// overwritten by it on the next save.
TErgebnis Ini_Uebernehmen(const TIniDatei& Ini, const QString& Keine_Bestellung, TBestellung& Ziel)
{
    if (!Ini.Abschnitt_Vorhanden(QStringLiteral("Bestellung")))
        return {false, Keine_Bestellung + QStringLiteral(": der Abschnitt [Bestellung] fehlt.")};

    TBestellung Neu;
    try {
        Neu.Ini_Laden(Ini);
        Neu.Auswahl_Pruefen();
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }
    Ziel.Kopieren_Von(Neu);
    return {true, {}};
}

} // namespace

QByteArray Bytes(const TBestellung& Bestellung)
{
    TIniDatei Ini;
    Bestellung.Ini_Speichern(Ini);
    return Ini.Bytes();
}

TErgebnis Bytes_Lesen(const QByteArray& Text, TBestellung& Ziel)
{
    if (Text.size() > TIniDatei::Hoechstgroesse)
        return {false, QStringLiteral("Der Inhalt ist zu groß für eine Bestellung.")};
    TIniDatei Ini;
    Ini.Bytes_Lesen(Text);
    return Ini_Uebernehmen(Ini, QStringLiteral("Der Inhalt ist keine Bestellung"), Ziel);
}

TErgebnis Bestellung_Speichern(const QString& Pfad, TBestellung& Bestellung)
{
    // The file names the path it is saved to; a failed save keeps the old name.
    const QString Alter_Name = Bestellung.Filename;
    Bestellung.Filename = Pfad;
    TErgebnis Ergebnis = Schreiben(Pfad, Bestellung);
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
    TErgebnis Ergebnis =
        Ini_Uebernehmen(Ini, QStringLiteral("Die Datei \"%1\" ist keine Bestelldatei").arg(Pfad), Aktuell);
    if (Ergebnis)
        Aktuell.Filename = Pfad;
    return Ergebnis;
}

} // namespace Bestelldatei
