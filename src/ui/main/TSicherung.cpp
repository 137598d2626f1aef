#include "ui/main/TSicherung.h"

#include "base/Dateifehler.h"
#include "base/Fehler.h"
#include "base/TIniDatei.h"
#include "order/TBestellung.h"
#include "ui/shared/Slotschutz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString Vorsilbe = QStringLiteral("wiederherstellung-");
const QString Endung = QStringLiteral(".dat");
const QString Sperrendung = QStringLiteral(".lock");
constexpr int Hoechste_Platznummer = 1000;

QString Sperrpfad(const QString& Pfad)
{
    QString Sperre = Pfad;
    Sperre.chop(Endung.size());
    return Sperre + Sperrendung;
}

bool Etwas_Da(const QString& Pfad)
{
    const QFileInfo Info(Pfad);
    return Info.exists() || Info.isSymLink();
}

} // namespace

TSicherung::TSicherung(std::function<const TBestellung&()> Bestellung, const QString& Ordner, QObject* parent)
    : QObject(parent)
    , m_Bestellung(std::move(Bestellung))
    , m_Ordner(Ordner.isEmpty() ? Standardordner() : Ordner)
{
    m_Zeitgeber.setSingleShot(true);
    m_Zeitgeber.setInterval(Standardabstand_ms);
    Slotschutz::Verbinden(&m_Zeitgeber, &QTimer::timeout, this, &TSicherung::Jetzt_Schreiben);
}

TSicherung::~TSicherung() = default;

QString TSicherung::Standardordner()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString TSicherung::Pfad() const
{
    return m_Pfad;
}

QByteArray TSicherung::Abbild() const
{
    try {
        TIniDatei Ini;
        const TBestellung& Bestellung = m_Bestellung();
        Bestellung.Ini_Speichern(Ini);
        // A name relative to the folder the program started in means nothing to a later start.
        if (!Bestellung.Filename.isEmpty())
            Ini.Text_Schreiben(QStringLiteral("Bestellung"), QStringLiteral("Filename"),
                               QFileInfo(Bestellung.Filename).absoluteFilePath());
        return Ini.Bytes();
    } catch (const EFehler&) {
        // Text the order file cannot hold: there is nothing that could be written.
        return {};
    }
}

bool TSicherung::Eigen(const QString& Pfad)
{
    if (!Etwas_Da(Pfad))
        return true;
    const std::optional<QString> Grund = Dateifehler::Eigenes_Ziel_Pruefen(Pfad);
    if (!Grund)
        return true;
    if (m_Fremdes_Gemeldet.insert(Pfad).second)
        emit Fremdes_Gefunden(*Grund);
    return false;
}

// Only a lock whose program has died counts as stale, however old it is.
std::unique_ptr<QLockFile> TSicherung::Sperren(const QString& Pfad)
{
    if (!Eigen(Sperrpfad(Pfad)))
        return nullptr;
    auto Sperre = std::make_unique<QLockFile>(Sperrpfad(Pfad));
    Sperre->setStaleLockTime(0);
    if (!Sperre->tryLock(0))
        return nullptr;
    return Sperre;
}

void TSicherung::Kopie_Entfernen()
{
    if (!m_Pfad.isEmpty() && Eigen(m_Pfad))
        QFile::remove(m_Pfad);
    m_Geschrieben.clear();
}

void TSicherung::Gesichert()
{
    m_Zeitgeber.stop();
    m_Gesichert = Abbild();
    Kopie_Entfernen();
}

void TSicherung::Geaendert()
{
    if (!m_Zeitgeber.isActive())
        m_Zeitgeber.start();
}

bool TSicherung::Ungesichert() const
{
    const QByteArray Jetzt = Abbild();
    return Jetzt.isEmpty() || Jetzt != m_Gesichert;
}

void TSicherung::Jetzt_Schreiben()
{
    m_Zeitgeber.stop();
    const QByteArray Jetzt = Abbild();
    if (Jetzt == m_Gesichert) {
        Kopie_Entfernen();
        return;
    }
    if (Jetzt.isEmpty() || (Jetzt == m_Geschrieben && QFileInfo::exists(m_Pfad)))
        return;

    // Something planted in the copy's place since it was taken: left alone, the copy moves.
    if (m_Sperre && !Eigen(m_Pfad))
        Freigeben();
    QString Grund;
    if (!m_Sperre && !Platz_Belegen()) {
        Grund = QStringLiteral("Im Ordner %1 ist kein Platz für die Wiederherstellungsdatei frei.")
                    .arg(QDir::toNativeSeparators(m_Ordner));
    } else {
        const std::optional<QString> Fehler = Dateifehler::Eigene_Datei_Ersetzen(m_Pfad, Jetzt);
        if (!Fehler) {
            m_Geschrieben = Jetzt;
            return;
        }
        Grund = *Fehler;
    }
    if (!m_Fehler_Gemeldet) {
        m_Fehler_Gemeldet = true;
        emit Schreibfehler(Grund);
    }
}

void TSicherung::Beenden()
{
    m_Zeitgeber.stop();
    Kopie_Entfernen();
    Freigeben();
    m_Fundsperren.clear();
}

bool TSicherung::Platz_Belegen()
{
    if (!QDir().mkpath(m_Ordner))
        return false;
    const QDir Ordner(m_Ordner);
    for (int Nummer = 1; Nummer <= Hoechste_Platznummer; ++Nummer) {
        const QString Pfad = Ordner.filePath(Vorsilbe + QString::number(Nummer) + Endung);
        if (m_Fundsperren.count(Pfad) || !Eigen(Pfad))
            continue;
        std::unique_ptr<QLockFile> Sperre = Sperren(Pfad);
        // A copy without a running program is left for the next start to offer.
        if (Sperre && !Etwas_Da(Pfad)) {
            m_Sperre = std::move(Sperre);
            m_Pfad = Pfad;
            return true;
        }
    }
    return false;
}

void TSicherung::Freigeben()
{
    m_Sperre.reset();
    m_Pfad.clear();
}

std::optional<TSicherung::TFund> TSicherung::Naechster_Fund()
{
    const QDir Ordner(m_Ordner);
    QFileInfoList Dateien = Ordner.entryInfoList({Vorsilbe + QStringLiteral("*") + Endung},
                                                 QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    std::stable_sort(Dateien.begin(), Dateien.end(),
                     [](const QFileInfo& a, const QFileInfo& b) { return a.lastModified() > b.lastModified(); });
    for (const QFileInfo& Datei : Dateien) {
        const QString Pfad = Datei.absoluteFilePath();
        if (Pfad == m_Pfad || !m_Gesehen.insert(Pfad).second || !Eigen(Pfad))
            continue;
        std::unique_ptr<QLockFile> Sperre = Sperren(Pfad);
        if (!Sperre)
            continue;
        m_Fundsperren[Pfad] = std::move(Sperre);
        return TFund{Pfad, Datei.lastModified()};
    }
    return std::nullopt;
}

Bestelldatei::TErgebnis TSicherung::Lesen(const QString& Pfad, TBestellung& Ziel)
{
    TBestellung Gelesen;
    const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bestellung_Laden(Pfad, Gelesen);
    if (!Ergebnis)
        return Ergebnis;
    QFile Datei(Pfad);
    TIniDatei Ini;
    if (!Datei.open(QIODevice::ReadOnly) || !Ini.Lesen(Datei))
        return {false, Datei.errorString()};
    Ziel.Kopieren_Von(Gelesen);
    Ziel.Filename = Ini.Text_Lesen(QStringLiteral("Bestellung"), QStringLiteral("Filename"), QString());
    return Ergebnis;
}

void TSicherung::Uebernehmen(const TFund& Fund)
{
    auto Gefunden = m_Fundsperren.find(Fund.Pfad);
    if (Gefunden == m_Fundsperren.end())
        return;
    Kopie_Entfernen();
    m_Sperre = std::move(Gefunden->second);
    m_Fundsperren.erase(Gefunden);
    m_Pfad = Fund.Pfad;
    QFile Datei(m_Pfad);
    m_Geschrieben = Datei.open(QIODevice::ReadOnly) ? Datei.readAll() : QByteArray();
}

void TSicherung::Loeschen(const TFund& Fund)
{
    QFile::remove(Fund.Pfad);
    Fund_Freigeben(Fund.Pfad);
}

QString TSicherung::Beiseitelegen(const TFund& Fund)
{
    const QFileInfo Datei(Fund.Pfad);
    const QString Ziel = Datei.dir().filePath(QStringLiteral("beschaedigt-") + Datei.completeBaseName() + QLatin1Char('-')
                                              + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))
                                              + Endung);
    const bool Umbenannt = QFile::rename(Fund.Pfad, Ziel);
    Fund_Freigeben(Fund.Pfad);
    return Umbenannt ? Ziel : QString();
}

void TSicherung::Fund_Freigeben(const QString& Pfad)
{
    m_Fundsperren.erase(Pfad);
}
