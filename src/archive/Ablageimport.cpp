#include "archive/Ablageimport.h"

#include "archive/TAblage.h"
#include "base/Dateifehler.h"
#include "base/TIniDatei.h"
#include "order/Bestelldatei.h"
#include "order/TBestellung.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace Ablageimport {

QStringList Dateien(const QStringList& Pfade)
{
    QStringList Liste;
    for (const QString& Pfad : Pfade) {
        if (!QFileInfo(Pfad).isDir()) {
            Liste << Pfad;
            continue;
        }
        QStringList Gefunden;
        QDirIterator Lauf(Pfad, {QStringLiteral("*.dat"), QStringLiteral("*.DAT")}, QDir::Files | QDir::Hidden,
                          QDirIterator::Subdirectories);
        while (Lauf.hasNext())
            Gefunden << Lauf.next();
        std::sort(Gefunden.begin(), Gefunden.end());
        Liste << Gefunden;
    }
    return Liste;
}

namespace {

// The bytes of a readable order file, or why it is refused.
QString Lesen(const QString& Pfad, QByteArray& Bytes, TBestellung& Bestellung)
{
    if (const auto Grund = Dateifehler::Quelle_Pruefen(Pfad, TIniDatei::Hoechstgroesse))
        return *Grund;
    QFile Datei(Pfad);
    errno = 0;
    if (!Datei.open(QIODevice::ReadOnly))
        return Dateifehler::Meldung_Nach(errno, false, Pfad);
    Bytes = Datei.readAll();
    if (Datei.error() != QFileDevice::NoError)
        return Dateifehler::Meldung_Nach(errno, false, Pfad);
    const Bestelldatei::TErgebnis Gelesen = Bestelldatei::Bestellung_Lesen(Bytes, Bestellung, Pfad);
    return Gelesen ? QString() : Gelesen.Fehlertext;
}

} // namespace

TErgebnis Importieren(TAblage& Ablage, const QStringList& Dateien, const std::function<bool(int, int)>& Fortschritt)
{
    TErgebnis Ergebnis;
    const int Gesamt = int(Dateien.size());
    for (int i = 0; i < Gesamt; ++i) {
        const QString& Pfad = Dateien[i];
        QByteArray Bytes;
        TBestellung Bestellung;
        if (const QString Grund = Lesen(Pfad, Bytes, Bestellung); !Grund.isEmpty()) {
            Ergebnis.Abgelehnt.emplace_back(Pfad, Grund);
        } else {
            QString Kennung = TAblage::Ist_Kennung(Bestellung.Kennung) ? Bestellung.Kennung : QString();
            if (Kennung.isEmpty())
                if (const auto Bekannt = Ablage.Bestellung_Zum_Inhalt(Bytes))
                    Kennung = Bekannt->Kennung;
            if (Kennung.isEmpty())
                Kennung = TAblage::Neue_Kennung();
            const QFileInfo Info(Pfad);
            const TNeueVersion Version{Bytes, Info.absoluteFilePath(), Info.lastModified(), TAblage::Anmeldename(),
                                       TAblagefelder::Von(Bestellung)};
            if (Ablage.Ablegen(Kennung, Version, TAblage::TDoppelt::Jede).Neue_Version)
                ++Ergebnis.Aufgenommen;
            else
                ++Ergebnis.Vorhanden;
        }
        if (Fortschritt && !Fortschritt(i + 1, Gesamt)) {
            Ergebnis.Abgebrochen = i + 1 < Gesamt;
            break;
        }
    }
    return Ergebnis;
}

} // namespace Ablageimport
