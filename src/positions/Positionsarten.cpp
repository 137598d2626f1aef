#include "positions/Positionsarten.h"

namespace Positionsarten {

QString Titel(std::uint32_t Typ)
{
    QString Text;
    Fuer_Jede([&](const auto& Art) {
        if (Art.Typ == Typ)
            Text = QString::fromUtf8(Art.Titel);
    });
    return Text;
}

} // namespace Positionsarten
