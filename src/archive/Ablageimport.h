#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class TAblage;

// Brings existing order files into the archive: the program's "Ordner in die
// Ablage übernehmen…" and the tool's "import" share it.
namespace Ablageimport {

struct TErgebnis
{
    int Aufgenommen = 0;   // new versions
    int Vorhanden = 0;     // bytes the archive held already
    std::vector<std::pair<QString, QString>> Abgelehnt; // path and the reader's reason
    bool Abgebrochen = false;
};

// Every file below the given folders (recursively) and every file named,
// sorted by path; a folder's files are taken if they end in ".dat".
QStringList Dateien(const QStringList& Pfade);

// Archives each file as its own order (its key says which; without one, the
// order whose version holds the same bytes, else a new one). The same bytes
// twice make one version. Fortschritt is told after each file (done, total)
// and stops the import when it returns false.
TErgebnis Importieren(TAblage& Ablage, const QStringList& Dateien,
                      const std::function<bool(int, int)>& Fortschritt = {});

} // namespace Ablageimport
