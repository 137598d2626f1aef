#include "ui/info/TAboutBox_Quadrolis.h"

#include "base/Version.h"
#include "ui/info/Infofenster.h"

#include <QFrame>
#include <QLabel>

TAboutBox_Quadrolis::TAboutBox_Quadrolis(QWidget* parent)
    : TInfodialog(QStringLiteral("Info"), 225, 161, parent)
{
    QFrame* Panel = Infofenster::Panel(this, QRect(8, 8, 209, 113), QStringLiteral("Panel1"));

    Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Proportional, QStringLiteral("ProgramIcon"),
                             QRect(8, 8, 33, 33), Infofenster::Bild(QStringLiteral("quadrolis_symbol.jpg")));

    const auto Beschriftung = [Panel](const QString& Name, const QString& Text, const QRect& Lage) {
        auto* Label = new QLabel(Text, Panel);
        Label->setObjectName(Name);
        Label->setGeometry(Lage);
        return Label;
    };
    QLabel* Produkt = Beschriftung(QStringLiteral("ProductName"), QStringLiteral("Quadrolis"), QRect(52, 8, 148, 18));
    QFont Fett = Produkt->font();
    Fett.setBold(true);
    Produkt->setFont(Fett);
    Beschriftung(QStringLiteral("Version"), QStringLiteral("Version C2 " QUADROLIS_VERSION), QRect(52, 26, 148, 16));
    Beschriftung(QStringLiteral("Copyright"), QStringLiteral("Angebotsrechner für Holzfenster"), QRect(8, 48, 192, 16));
    QLabel* Hinweis = Beschriftung(QStringLiteral("Comments"),
                                   QStringLiteral("Alle Angaben (Preise etc.) ohne Gewähr. Änderungen vorbehalten."),
                                   QRect(8, 66, 192, 40));
    Hinweis->setWordWrap(true);
    Hinweis->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Infofenster::OK_Knopf(this, QRect(75, 129, 75, 25));
}
