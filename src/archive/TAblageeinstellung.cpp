#include "archive/TAblageeinstellung.h"

#include "archive/TAblage.h"

#include <QSettings>
#include <QUrl>

namespace {

QSettings Einstellungen()
{
    // The program's own settings file, as the window's settings name it.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quadrolis C2"),
                     QStringLiteral("Quadrolis C2"));
}

QString Kodiert(const QString& Teil)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(Teil));
}

} // namespace

TAblageeinstellung TAblageeinstellung::Lesen()
{
    const QSettings S = Einstellungen();
    TAblageeinstellung E;
    E.Server = S.value(QStringLiteral("Ablage/Server"), false).toBool();
    E.Host = S.value(QStringLiteral("Ablage/Host"), E.Host).toString();
    E.Port = S.value(QStringLiteral("Ablage/Port"), E.Port).toInt();
    E.Datenbank = S.value(QStringLiteral("Ablage/Datenbank"), E.Datenbank).toString();
    E.Benutzer = S.value(QStringLiteral("Ablage/Benutzer"), E.Benutzer).toString();
    E.Sslmode = S.value(QStringLiteral("Ablage/Sslmode"), E.Sslmode).toString() == QLatin1String("require")
                    ? QStringLiteral("require")
                    : QStringLiteral("prefer");
    return E;
}

void TAblageeinstellung::Schreiben() const
{
    QSettings S = Einstellungen();
    S.setValue(QStringLiteral("Ablage/Server"), Server);
    S.setValue(QStringLiteral("Ablage/Host"), Host);
    S.setValue(QStringLiteral("Ablage/Port"), Port);
    S.setValue(QStringLiteral("Ablage/Datenbank"), Datenbank);
    S.setValue(QStringLiteral("Ablage/Benutzer"), Benutzer);
    S.setValue(QStringLiteral("Ablage/Sslmode"), Sslmode);
}

QString TAblageeinstellung::Uri(const QString& Passwort) const
{
    QString Anmeldung = Kodiert(Benutzer);
    if (!Passwort.isEmpty())
        Anmeldung += QLatin1Char(':') + Kodiert(Passwort);
    if (!Anmeldung.isEmpty())
        Anmeldung += QLatin1Char('@');
    QString Uri = QStringLiteral("postgresql://") + Anmeldung;
    // A socket folder cannot stand in the host part.
    const bool Ordner = Host.startsWith(QLatin1Char('/'));
    if (!Ordner) {
        Uri += Host.contains(QLatin1Char(':')) ? QLatin1Char('[') + Host + QLatin1Char(']') : Kodiert(Host);
        Uri += QLatin1Char(':') + QString::number(Port);
    }
    Uri += QLatin1Char('/') + Kodiert(Datenbank) + QStringLiteral("?sslmode=") + Sslmode;
    if (Ordner)
        Uri += QStringLiteral("&host=") + Kodiert(Host) + QStringLiteral("&port=") + QString::number(Port);
    return Uri;
}

QString& TAblageeinstellung::Sitzungspasswort()
{
    static QString Passwort;
    return Passwort;
}

QString TAblageeinstellung::Ort() const
{
    return Server ? Uri(Sitzungspasswort()) : TAblage::Standardpfad();
}
