#pragma once

#include "order/TBestellung.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <array>
#include <memory>

class TPosition;

// The rows of the main window's grid, read from a snapshot of the order.
// Rebuilding resets the model; the texts of a row are made when the view
// first asks for them, so a rebuild costs the rows on screen, not the order.
class TPositionsmodell : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int Spaltenzahl = 6;
    using TZeile = std::array<QString, Spaltenzahl>;

    explicit TPositionsmodell(QObject* Eltern = nullptr);

    // Shows the positions of Schnappschuss; Summen are its figures (the
    // running metres and the goods total at which kinds 9 and 5 are priced).
    void Aufbauen(std::shared_ptr<const TBestellung> Schnappschuss, const TSummen& Summen);

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
    std::shared_ptr<const TBestellung> m_Bestellung;
    TSummen m_Summen;
    mutable QHash<int, TZeile> m_Zeilen;
    mutable bool m_Fehler_Gemeldet = false;
};
