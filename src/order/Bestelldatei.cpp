#include "order/Bestelldatei.h"

#include "base/Fehler.h"
#include "order/TBestellung.h"
#include "base/TIniDatei.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Bestelldatei {

namespace {

TErgebnis Schreiben(const QString& Pfad, const TBestellung& Bestellung)
{
    QByteArray Bytes;
    try {
        TIniDatei Ini;
        Bestellung.Ini_Speichern(Ini);
        Bytes = Ini.Bytes();
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }

    QSaveFile Datei(Pfad);
    if (!Datei.open(QIODevice::WriteOnly))
        return {false, Datei.errorString()};
    if (Datei.write(Bytes) != Bytes.size()) {
        const QString Grund = Datei.errorString();
        Datei.cancelWriting();
        return {false, Grund};
    }
    // commit() does not report a failing final flush: flush first and check.
    if (!Datei.flush() || !Datei.commit()) {
        const QString Grund = Datei.errorString();
        Datei.cancelWriting();
        return {false, Grund};
    }
    return {true, {}};
}

} // namespace

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
    QFile Datei(Pfad);
    if (!QFileInfo(Pfad).isFile())
        return {false, QStringLiteral("Die Datei existiert nicht.")};
    if (!Datei.open(QIODevice::ReadOnly))
        return {false, Datei.errorString()};

    TIniDatei Ini;
    if (!Ini.Lesen(Datei))
        return {false, Datei.errorString()};

    TBestellung Neu;
    try {
        Neu.Ini_Laden(Ini);
        Neu.Auswahl_Pruefen();
    } catch (const EFehler& F) {
        return {false, F.Meldung()};
    }
    Aktuell.Kopieren_Von(Neu);
    Aktuell.Filename = Pfad;
    return {true, {}};
}

} // namespace Bestelldatei
