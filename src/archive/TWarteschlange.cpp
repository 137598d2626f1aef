#include "archive/TWarteschlange.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUuid>

namespace {

constexpr quint32 Kennzeichen = 0x51575331; // "QWS1"
const QString Endung = QStringLiteral(".fassung");

QDataStream& operator<<(QDataStream& S, const TAblagefelder& F)
{
    return S << F.Datum << F.Ansprechpartner << F.Telefon << F.Rechnungsempfaenger << F.Bauvorhaben
             << F.Bemerkungen << qint32(F.Positionen) << qint32(F.Fenster) << qint64(F.Warensumme)
             << qint64(F.Gesamtsumme);
}

QDataStream& operator>>(QDataStream& S, TAblagefelder& F)
{
    qint32 Positionen = 0, Fenster = 0;
    qint64 Warensumme = 0, Gesamtsumme = 0;
    S >> F.Datum >> F.Ansprechpartner >> F.Telefon >> F.Rechnungsempfaenger >> F.Bauvorhaben >> F.Bemerkungen
        >> Positionen >> Fenster >> Warensumme >> Gesamtsumme;
    F.Positionen = Positionen;
    F.Fenster = Fenster;
    F.Warensumme = Warensumme;
    F.Gesamtsumme = Gesamtsumme;
    return S;
}

std::optional<TWarteschlange::TEintrag> Lesen(const QString& Pfad)
{
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QDataStream S(&Datei);
    S.setVersion(QDataStream::Qt_6_4);
    quint32 Zeichen = 0;
    qint64 Zeit = 0;
    TWarteschlange::TEintrag E;
    S >> Zeichen >> E.Kennung >> E.Vorgaenger >> E.Version.Inhalt >> E.Version.Pfad >> Zeit >> E.Version.Benutzer
        >> E.Version.Felder;
    if (Zeichen != Kennzeichen || S.status() != QDataStream::Ok || !Datei.atEnd())
        return std::nullopt;
    E.Version.Zeit = QDateTime::fromMSecsSinceEpoch(Zeit);
    return E;
}

} // namespace

TWarteschlange::TWarteschlange(const QString& Ort, const QString& Ordner)
    : m_Ordner(Ordner)
{
    if (m_Ordner.isEmpty()) {
        // One folder per archive, named without the password: a version waits for the archive it was meant for.
        const QByteArray Name = QCryptographicHash::hash(TAblagedialekt::Anzeigename(Ort).toUtf8(),
                                                         QCryptographicHash::Sha256)
                                    .toHex()
                                    .left(16);
        m_Ordner = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                       .filePath(QStringLiteral("warteschlange/") + QString::fromLatin1(Name));
    }
}

QStringList TWarteschlange::Dateien() const
{
    QStringList Liste = QDir(m_Ordner).entryList({QStringLiteral("*") + Endung}, QDir::Files, QDir::Name);
    for (QString& Name : Liste)
        Name = QDir(m_Ordner).filePath(Name);
    return Liste;
}

int TWarteschlange::Anzahl() const
{
    return int(Dateien().size());
}

void TWarteschlange::Anhaengen(const TEintrag& E)
{
    const QStringList Vorhanden = Dateien();
    const qint64 Letzte = Vorhanden.isEmpty() ? 0 : QFileInfo(Vorhanden.back()).fileName().section('-', 0, 0).toLongLong();
    // Two programs appending at once both keep theirs: the name ends in an identity of its own.
    const QString Name = QStringLiteral("%1-%2").arg(Letzte + 1, 10, 10, QLatin1Char('0'))
                             .arg(QUuid::createUuid().toString(QUuid::Id128)) + Endung;
    if (!QDir().mkpath(m_Ordner))
        throw EAblagefehler(QStringLiteral("Der Ordner \"%1\" kann nicht angelegt werden.")
                                .arg(QDir::toNativeSeparators(m_Ordner)));
    QSaveFile Datei(QDir(m_Ordner).filePath(Name));
    bool Gut = Datei.open(QIODevice::WriteOnly);
    if (Gut) {
        QDataStream S(&Datei);
        S.setVersion(QDataStream::Qt_6_4);
        S << Kennzeichen << E.Kennung << E.Vorgaenger << E.Version.Inhalt << E.Version.Pfad
          << E.Version.Zeit.toMSecsSinceEpoch() << E.Version.Benutzer << E.Version.Felder;
        Gut = S.status() == QDataStream::Ok && Datei.commit();
    }
    if (!Gut)
        throw EAblagefehler(QStringLiteral("Die Fassung kann nicht in \"%1\" aufbewahrt werden: %2")
                                .arg(QDir::toNativeSeparators(Datei.fileName()), Datei.errorString()),
                            TAblagedialekt::TUrsache::Schreibgeschuetzt);
}

void TWarteschlange::Zustellen(TAblage& Ablage, const TZugestellt& Zugestellt)
{
    for (const QString& Pfad : Dateien()) {
        const std::optional<TEintrag> E = Lesen(Pfad);
        if (!E) {
            // Kept for a person to look at, out of the way of those behind it.
            QFile::rename(Pfad, Pfad + QStringLiteral(".unlesbar"));
            continue;
        }
        const TAblage::TAbgelegt Ergebnis = Ablage.Ablegen(E->Kennung, E->Version, TAblage::TDoppelt::Letzte,
                                                           E->Vorgaenger);
        if (!QFile::remove(Pfad) && QFile::exists(Pfad))
            throw EAblagefehler(QStringLiteral("\"%1\" kann nicht gelöscht werden.").arg(QDir::toNativeSeparators(Pfad)),
                                TAblagedialekt::TUrsache::Schreibgeschuetzt);
        if (Zugestellt)
            Zugestellt(*E, Ergebnis);
    }
}
