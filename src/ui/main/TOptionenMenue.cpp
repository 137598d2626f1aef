#include "ui/main/TOptionenMenue.h"

#include "ui/shared/Slotschutz.h"

const std::array<TOptionenMenue::TEintrag, TOptionenMenue::Eintragszahl>& TOptionenMenue::Eintraege()
{
    using enum TZulagevorlage::TGriff;
    static const std::array<TEintrag, Eintragszahl> Tabelle = {{
        {"Meranti1",           QStringLiteral("Meranti"),                           Meranti},
        {"Laerche1",           QStringLiteral("Lärche"),                            Laerche},
        {"OhneFensterflgel1",  QStringLiteral("Ohne Fensterflügel"),                Ohne_Fensterfluegel},
        {"FensterbnkeLeim1",   QStringLiteral("Fensterbänke aus Leimholzplatte"),   Fensterbaenke_Leimholzplatte},
        {"FensterbnkePlatte1", QStringLiteral("Fensterbänke aus Plattenwerkstoff"), Fensterbaenke_Plattenwerkstoff},
        {"Nachauenffnend1",    QStringLiteral("Nach außen öffnend"),                Nach_Aussen_Oeffnend},
        {"Regelair1",          QStringLiteral("Regel air"),                         Regel_Air},
        {"FensterV11",         QStringLiteral("Fenster V1 (Kunststoff Design)"),    Fenster_V1},
        {"FensterV21",         QStringLiteral("Fenster V2 (Kunststoff AKF)"),       Fenster_V2},
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
        Slotschutz::Verbinden(Punkt, &QAction::triggered, this, [this, &Eintrag] {
            const TZulagevorlage& Vorlage = TZulagevorlage::Von(Eintrag.Vorlage);
            emit Zulage_Gewaehlt(Vorlage.Typ, Vorlage.Schluessel);
        });
    }
}
