#pragma once

#include "order/TBestellung.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <array>
#include <vector>

class TPosition;

// The rows of the main window's grid. The model keeps its own list of the
// order's entries and is told which stretch of them changed, so a change
// costs the rows it touched and the rows on screen, not the whole order; the
// texts of a row are made when the view first asks for them.
class TPositionsmodell : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int Spaltenzahl = 6;
    using TZeile = std::array<QString, Spaltenzahl>;

    explicit TPositionsmodell(QObject* Eltern = nullptr);

    // Shows the positions of Bestellung anew.
    void Aufbauen(const TBestellung& Bestellung);
    // The Alt rows from Anfang now show Neu.
    void Ersetzen(int Anfang, int Alt, std::vector<TPositionseintrag> Neu);
    // Takes over the entries of Liste, which has as many rows and the same
    // content in every row whose object differs.
    void Angleichen(const std::vector<TPositionseintrag>& Liste);
    // The order's figures (the running metres and the goods total at which
    // kinds 9 and 5 are priced); the rows priced by them are shown anew.
    void Summen_Setzen(const TSummen& Summen);

    int rowCount(const QModelIndex& Eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex& Eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& Index, int Rolle = Qt::DisplayRole) const override;

    // The six texts of grid row Index: number, label, count, short
    // description, unit price, total price ("Bitte anfragen" where the typed
    // price is missing, "nicht berechnet" for a kind that no sum includes).
    static TZeile Zeile(const TPositionseintrag& Eintrag, int Index, const TSummen& Summen);
    // Window type, size, top light, opening direction, profile and wood.
    static QString Kurzbeschreibung(const TPosition& Position);

    static const QString Bitte_Anfragen;
    static const QString Nicht_Berechnet;

signals:
    // A row could not be made; the cells stay empty and the message is reported once per rebuild.
    void Fehler(const QString& Meldung);

private:
    std::vector<TPositionseintrag> m_Eintraege;
    // The number each row shows; rows moved by an insertion or removal are renumbered after it.
    std::vector<int> m_Nummern;
    TSummen m_Summen;
    mutable QHash<int, TZeile> m_Zeilen;
    mutable bool m_Fehler_Gemeldet = false;
};
