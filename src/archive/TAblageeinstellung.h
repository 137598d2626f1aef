#pragma once

#include <QString>

// Where the archive is, as the user chose it in "Einstellungen…"; the program
// and quadrolis-ablage read the same settings (group "Ablage" of the
// program's configuration file). The password is never among them.
struct TAblageeinstellung
{
    bool Server = false;
    QString Host;
    int Port = 5432;
    QString Datenbank = QStringLiteral("quadrolis_ablage");
    QString Benutzer;
    QString Sslmode = QStringLiteral("prefer"); // or "require"

    static TAblageeinstellung Lesen();
    void Schreiben() const;

    // The libpq URI of the server; the password only in memory, for this run.
    QString Uri(const QString& Passwort = QString()) const;

    // A password the user typed for this run of the program, never written anywhere.
    static QString& Sitzungspasswort();
    // The place the settings name, with the password of this run.
    QString Ort() const;
};
