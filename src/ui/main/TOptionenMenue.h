#pragma once

#include "positions/TZulagevorlage.h"

#include <QMenu>
#include <QString>

#include <array>
#include <cstdint>

// The menu "Optionen": each item appends one ready-made surcharge position.
class TOptionenMenue : public QMenu
{
    Q_OBJECT

public:
    struct TEintrag
    {
        const char* Name; // objectName of the item
        QString Text;
        TZulagevorlage::TGriff Vorlage; // gives the kind and the preset key of the new position
    };
    static constexpr int Eintragszahl = 9;
    static const std::array<TEintrag, Eintragszahl>& Eintraege();

    explicit TOptionenMenue(QWidget* Eltern = nullptr);

signals:
    void Zulage_Gewaehlt(std::uint32_t Typ, const QString& Vorlage);
};
