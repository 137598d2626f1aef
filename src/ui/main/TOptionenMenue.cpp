#include "ui/main/TOptionenMenue.h"

#include "order/TPositionseintrag.h"
#include "ui/shared/Slotschutz.h"

const std::array<TOptionenMenue::TEintrag, TOptionenMenue::Eintragszahl>& TOptionenMenue::Eintraege()
{
    using namespace Positionstyp;
    static const std::array<TEintrag, Eintragszahl> Tabelle = {{
        {"Meranti1",          QStringLiteral("Meranti"),                           Freie_Zulage_Umlfm,   QStringLiteral("Meranti")},
        {"Laerche1",          QStringLiteral("Lärche"),                            Freie_Zulage_Umlfm,   QStringLiteral("Lärche")},
        {"OhneFensterflgel1", QStringLiteral("Ohne Fensterflügel"),                Freie_Zulage_Fenster, QStringLiteral("Ohne Fensterflügel")},
        {"FensterbnkeLeim1",  QStringLiteral("Fensterbänke aus Leimholzplatte"),   Freie_Zulage_M2,      QStringLiteral("Fensterbänke aus Leimholzplatte")},
        {"FensterbnkePlatte1",QStringLiteral("Fensterbänke aus Plattenwerkstoff"), Freie_Zulage_M2,      QStringLiteral("Fensterbänke aus Plattenwerkstoff")},
        {"Nachauenffnend1",   QStringLiteral("Nach außen öffnend"),                Freie_Zulage_Stueck,  QStringLiteral("Nach außen öffnend")},
        {"Regelair1",         QStringLiteral("Regel air"),                         Freie_Zulage_Stueck,  QStringLiteral("Regel air")},
        {"FensterV11",        QStringLiteral("Fenster V1 (Kunststoff Design)"),    Freie_Zulage_Fenster, QStringLiteral("V1")},
        {"FensterV21",        QStringLiteral("Fenster V2 (Kunststoff AKF)"),       Freie_Zulage_Fenster, QStringLiteral("V2")},
    }};
    return Tabelle;
}

TOptionenMenue::TOptionenMenue(QWidget* Eltern)
    : QMenu(QStringLiteral("Optionen"), Eltern)
{
    setObjectName(QStringLiteral("Optionen1"));
    for (const TEintrag& Eintrag : Eintraege()) {
        QAction* Punkt = addAction(Eintrag.Text);
        Punkt->setObjectName(QLatin1String(Eintrag.Name));
        Slotschutz::Verbinden(Punkt, &QAction::triggered, this, [this, &Eintrag] { emit Zulage_Gewaehlt(Eintrag.Typ, Eintrag.Vorlage); });
    }
}
