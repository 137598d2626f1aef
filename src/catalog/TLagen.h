#pragma once

#include "base/TIniDatei.h"

#include <QString>

// The location of the window in the building, free text; no table.
class TLagen
{
public:
    QString Text;

    QString Beschreibung() const;
    bool Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const;
    // A missing key keeps the current text.
    bool Ini_Laden(const TIniDatei& Ini, const QString& Praefix);
    // Free text needs no check after loading.
    void Auswahl_Pruefen(const QString&) const {}
    void Kopieren_Von(const TLagen& Andere) { Text = Andere.Text; }
};
