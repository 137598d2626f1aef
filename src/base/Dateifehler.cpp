#include "base/Dateifehler.h"

#include <QIODevice>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Dateifehler {

namespace {

// The kind of what stands at Pfad, following links.
std::optional<struct stat> Status(const QString& Pfad)
{
    struct stat S {};
    if (::stat(QFile::encodeName(Pfad).constData(), &S) != 0)
        return std::nullopt;
    return S;
}

} // namespace

QString Meldung(TUrsache Ursache, const QString& Pfad)
{
    switch (Ursache) {
    case TUrsache::Keine_Berechtigung:
        return QStringLiteral("Keine Berechtigung für \"%1\": die Datei darf nicht gelesen oder geschrieben werden.").arg(Pfad);
    case TUrsache::Datentraeger_Voll:
        return QStringLiteral("Der Datenträger ist voll: \"%1\" konnte nicht vollständig geschrieben werden.").arg(Pfad);
    case TUrsache::Nicht_Gefunden: return QStringLiteral("Die Datei \"%1\" existiert nicht.").arg(Pfad);
    case TUrsache::Ordner_Fehlt:
        return QStringLiteral("Der Ordner für \"%1\" existiert nicht.").arg(Pfad);
    case TUrsache::Ist_Ordner: return QStringLiteral("\"%1\" ist ein Ordner, keine Datei.").arg(Pfad);
    case TUrsache::Keine_Datei:
        return QStringLiteral("\"%1\" ist keine gewöhnliche Datei, sondern ein Gerät, eine Pipe oder ein Socket.").arg(Pfad);
    case TUrsache::Lesefehler:
        return QStringLiteral("Lesefehler: \"%1\" konnte nicht vollständig gelesen werden.").arg(Pfad);
    case TUrsache::Schreibfehler:
        return QStringLiteral("Schreibfehler: \"%1\" konnte nicht geschrieben werden.").arg(Pfad);
    case TUrsache::Zu_Gross:
        return QStringLiteral("Die Datei \"%1\" ist zu groß für eine Bestellung.").arg(Pfad);
    case TUrsache::Verweis:
        return QStringLiteral("\"%1\" ist ein Verweis auf eine andere Stelle; er wird weder verfolgt noch ersetzt.")
            .arg(Pfad);
    case TUrsache::Fremde_Datei:
        return QStringLiteral("\"%1\" gehört einem anderen Benutzer und wird nicht ersetzt.").arg(Pfad);
    }
    return QStringLiteral("Fehler bei \"%1\".").arg(Pfad);
}

TUrsache Ursache_Von(int Fehlernummer, bool Schreiben)
{
    switch (Fehlernummer) {
    case EACCES:
    case EPERM:
    case EROFS: return TUrsache::Keine_Berechtigung;
    case ENOSPC:
    case EDQUOT: return TUrsache::Datentraeger_Voll;
    case ENOENT: return Schreiben ? TUrsache::Ordner_Fehlt : TUrsache::Nicht_Gefunden;
    case ENOTDIR: return TUrsache::Ordner_Fehlt;
    case EISDIR: return TUrsache::Ist_Ordner;
    case ENXIO:
    case ENODEV: return TUrsache::Keine_Datei;
    case EFBIG: return TUrsache::Zu_Gross;
    default: return Schreiben ? TUrsache::Schreibfehler : TUrsache::Lesefehler;
    }
}

QString Meldung_Nach(int Fehlernummer, bool Schreiben, const QString& Pfad)
{
    return Meldung(Ursache_Von(Fehlernummer, Schreiben), Pfad);
}

std::optional<QString> Quelle_Pruefen(const QString& Pfad, qint64 Hoechstgroesse)
{
    errno = 0;
    const auto S = Status(Pfad);
    if (!S)
        return Meldung(errno == ENOENT ? TUrsache::Nicht_Gefunden : Ursache_Von(errno, false), Pfad);
    if (S_ISDIR(S->st_mode))
        return Meldung(TUrsache::Ist_Ordner, Pfad);
    if (!S_ISREG(S->st_mode))
        return Meldung(TUrsache::Keine_Datei, Pfad);
    if (S->st_size > Hoechstgroesse)
        return Meldung(TUrsache::Zu_Gross, Pfad);
    return std::nullopt;
}

std::optional<QString> Ziel_Pruefen(const QString& Pfad)
{
    errno = 0;
    if (const auto S = Status(Pfad)) {
        if (S_ISDIR(S->st_mode))
            return Meldung(TUrsache::Ist_Ordner, Pfad);
        if (!S_ISREG(S->st_mode))
            return Meldung(TUrsache::Keine_Datei, Pfad);
        return std::nullopt;
    }
    if (errno != ENOENT)
        return Meldung_Nach(errno, true, Pfad);
    const QFileInfo Info(Pfad);
    if (!Info.dir().exists())
        return Meldung(TUrsache::Ordner_Fehlt, Pfad);
    return std::nullopt;
}

std::optional<QString> Ersetzen(const QString& Pfad, const QByteArray& Inhalt)
{
    if (const auto Grund = Ziel_Pruefen(Pfad))
        return Grund;
    QSaveFile Datei(Pfad);
    errno = 0;
    if (!Datei.open(QIODevice::WriteOnly))
        return Meldung_Nach(errno, true, Pfad);
    errno = 0;
    if (Datei.write(Inhalt) != Inhalt.size()) {
        const int Fehlernummer = errno;
        Datei.cancelWriting();
        return Meldung_Nach(Fehlernummer, true, Pfad);
    }
    // commit() of Qt 6.4 loses an error of the final flush and would put a
    // truncated file in place, so the flush is checked first.
    if (!Datei.flush() || !Datei.commit()) {
        const int Fehlernummer = errno;
        Datei.cancelWriting();
        return Meldung_Nach(Fehlernummer, true, Pfad);
    }
    return std::nullopt;
}

std::optional<QString> Eigenes_Ziel_Pruefen(const QString& Pfad)
{
    struct stat S {};
    errno = 0;
    if (::lstat(QFile::encodeName(Pfad).constData(), &S) != 0) {
        if (errno != ENOENT)
            return Meldung_Nach(errno, true, Pfad);
        if (!QFileInfo(Pfad).dir().exists())
            return Meldung(TUrsache::Ordner_Fehlt, Pfad);
        return std::nullopt;
    }
    if (S_ISLNK(S.st_mode))
        return Meldung(TUrsache::Verweis, Pfad);
    if (S_ISDIR(S.st_mode))
        return Meldung(TUrsache::Ist_Ordner, Pfad);
    if (!S_ISREG(S.st_mode))
        return Meldung(TUrsache::Keine_Datei, Pfad);
    if (S.st_uid != ::geteuid())
        return Meldung(TUrsache::Fremde_Datei, Pfad);
    return std::nullopt;
}

std::optional<QString> Eigene_Datei_Ersetzen(const QString& Pfad, const QByteArray& Inhalt)
{
    if (const auto Grund = Eigenes_Ziel_Pruefen(Pfad))
        return Grund;
    const QFileInfo Ziel(Pfad);
    QByteArray Neu;
    int Datei = -1;
    errno = EEXIST;
    // O_EXCL creates a file of its own or fails; it never opens what a link points to.
    for (int Versuch = 0; Datei < 0 && errno == EEXIST && Versuch < 100; ++Versuch) {
        Neu = QFile::encodeName(Ziel.dir().filePath(
            QStringLiteral(".%1.%2.neu").arg(Ziel.fileName()).arg(QRandomGenerator::global()->generate(), 8, 16,
                                                                   QLatin1Char('0'))));
        Datei = ::open(Neu.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    }
    if (Datei < 0)
        return Meldung_Nach(errno, true, Pfad);
    const auto Abbrechen = [&](int Fehlernummer) {
        ::close(Datei);
        ::unlink(Neu.constData());
        return Meldung_Nach(Fehlernummer, true, Pfad);
    };
    for (qsizetype Geschrieben = 0; Geschrieben < Inhalt.size();) {
        const ssize_t n = ::write(Datei, Inhalt.constData() + Geschrieben, std::size_t(Inhalt.size() - Geschrieben));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Abbrechen(n < 0 ? errno : ENOSPC);
        Geschrieben += n;
    }
    if (::fsync(Datei) != 0)
        return Abbrechen(errno);
    if (::close(Datei) != 0) {
        const int Fehlernummer = errno;
        ::unlink(Neu.constData());
        return Meldung_Nach(Fehlernummer, true, Pfad);
    }
    // rename() replaces what stands at Pfad, even a link planted meanwhile, and writes through none.
    if (::rename(Neu.constData(), QFile::encodeName(Pfad).constData()) != 0) {
        const int Fehlernummer = errno;
        ::unlink(Neu.constData());
        return Meldung_Nach(Fehlernummer, true, Pfad);
    }
    return std::nullopt;
}

bool Gleiche_Datei(const QString& Pfad1, const QString& Pfad2)
{
    const auto A = Status(Pfad1);
    const auto B = Status(Pfad2);
    return A && B && A->st_dev == B->st_dev && A->st_ino == B->st_ino;
}

std::optional<QString> Auf_Geraet_Schreiben(QIODevice& Geraet, const QByteArray& Inhalt)
{
    if (!Geraet.isWritable())
        return QStringLiteral("Das Ziel ist nicht zum Schreiben geöffnet.");
    if (Geraet.write(Inhalt) != Inhalt.size()) {
        const QString Grund = Geraet.errorString();
        return Grund.isEmpty() ? QStringLiteral("Das Bestellblatt konnte nicht vollständig geschrieben werden.") : Grund;
    }
    return std::nullopt;
}

} // namespace Dateifehler
