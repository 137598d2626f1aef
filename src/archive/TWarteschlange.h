#pragma once

#include "archive/TAblage.h"

#include <QString>
#include <QStringList>

#include <functional>

// Versions that could not be archived yet (the server out of reach, the file
// locked), each in a file of its own, written atomically, until they are
// archived in the order they were saved.
class TWarteschlange
{
public:
    // Ordner: where the versions wait; empty: a folder for the archive Ort in
    // the program's data folder.
    explicit TWarteschlange(const QString& Ort, const QString& Ordner = QString());

    const QString& Ordner() const { return m_Ordner; }

    struct TEintrag
    {
        QString Kennung;
        QString Vorgaenger;
        TNeueVersion Version;
    };
    // Throws EAblagefehler when the version cannot be written down.
    void Anhaengen(const TEintrag& Eintrag);
    int Anzahl() const;

    using TZugestellt = std::function<void(const TEintrag&, const TAblage::TAbgelegt&)>;
    // Archives the waiting versions oldest first, each file removed once its
    // version is in the archive, so none is archived twice; stops at the first
    // that fails (EAblagefehler), the others waiting on.
    void Zustellen(TAblage& Ablage, const TZugestellt& Zugestellt = {});

private:
    QStringList Dateien() const;

    QString m_Ordner;
};
