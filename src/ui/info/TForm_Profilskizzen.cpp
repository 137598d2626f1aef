#include "ui/info/TForm_Profilskizzen.h"

#include "base/Ganzzahl.h"
#include "ui/info/Infofenster.h"
#include "ui/info/TBildflaeche.h"
#include "ui/shared/Slotschutz.h"

#include <QComboBox>
#include <QFrame>

const std::array<QString, TForm_Profilskizzen::Blattzahl>& TForm_Profilskizzen::Blatttitel()
{
    static const std::array<QString, Blattzahl> Titel = {
        QStringLiteral("Blatt  1  (Standardprofil)"),
        QStringLiteral("Blatt  2  (Standardprofil (schmaler Flügel))"),
        QStringLiteral("Blatt  3  (Glasnacken mit Profil)"),
        QStringLiteral("Blatt  4  (Glasleiste mit Profil (schmaler Flügel))"),
        QStringLiteral("Blatt  5  (Glasleiste und Überschlag mit Profil)"),
        QStringLiteral("Blatt  6  (Glasleiste und Überschlag mit Profil (schmaler Flügel))"),
        QStringLiteral("Blatt  7  (Kämpferprofil - Gesamtansicht 180mm)"),
        QStringLiteral("Blatt  8  (Kämpferprofil - Gesamtansicht 152mm)"),
        QStringLiteral("Blatt  9  (Kämpferprofil Glasnacken profiliert)"),
        QStringLiteral("Blatt 10 (Pfosten (Setzholz) - Gesamtansicht 175m)"),
        QStringLiteral("Blatt 11 (Pfosten (Setzholz) - Gesamtansicht 160m)"),
        QStringLiteral("Blatt 12 (Stulp Gesamtansicht 130mm)"),
        QStringLiteral("Blatt 13 (Stulp Gesamtansicht 115mm)"),
        QStringLiteral("Blatt 14 (Fenster Denkmalschutz ohne Regenschiene)"),
        QStringLiteral("Blatt 15 (Fenster Stil - Regenschiene)"),
        QStringLiteral("Blatt 16 (Fensterbankanschlüsse)"),
        QStringLiteral("Blatt 17 (Regenschienenabdeckung)"),
        QStringLiteral("Blatt 18 (Kämpferprofile)"),
        QStringLiteral("Blatt 19 (Sprossen)"),
        QStringLiteral("Blatt 20 (Schlagleisten)"),
        QStringLiteral("Blatt 21 (Rolladen vorgerichtet mit Aluschiene 25x22)"),
        QStringLiteral("Blatt 22 (Setzholz mit doppelter Führungsschiene)"),
        QStringLiteral("Blatt 23 (Rolladen vorgerichtet 16mm Nut)"),
        QStringLiteral("Blatt 24 (Setzholz mit doppelter Führungsschiene)"),
    };
    return Titel;
}

TForm_Profilskizzen::TForm_Profilskizzen(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Profilskizzen"), 309, 464);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    m_Auswahl = new QComboBox(this);
    m_Auswahl->setObjectName(QStringLiteral("ComboBox_Blatt"));
    for (const QString& Titel : Blatttitel())
        m_Auswahl->addItem(Titel);
    const int Listenhoehe = m_Auswahl->sizeHint().height();
    m_Auswahl->setGeometry(0, 0, width(), Listenhoehe);

    QFrame* Flaeche = Infofenster::Panel(this, QRect(0, Listenhoehe + 2, width(), height() - Listenhoehe - 2),
                                         QStringLiteral("Panel1"));
    const QRect Blattlage(QPoint((Flaeche->width() - 300) / 2, (Flaeche->height() - 424) / 2), QSize(300, 424));
    for (int i = 0; i < Blattzahl; ++i) {
        const QString Nummer = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        auto* Blatt = new TBildflaeche(TBildflaeche::TDarstellung::Proportional, Flaeche);
        Blatt->setObjectName(QStringLiteral("Blatt") + Nummer);
        Blatt->setGeometry(Blattlage);
        Blatt->Bild_Setzen(Infofenster::Bild(QStringLiteral("profil_blatt%1.jpg").arg(Nummer)));
        Blatt->hide();
        m_Blaetter[std::size_t(i)] = Blatt;
    }
    m_Blatt = new TBildflaeche(TBildflaeche::TDarstellung::Proportional, Flaeche);
    m_Blatt->setObjectName(QStringLiteral("Blatt"));
    m_Blatt->setGeometry(Blattlage);

    m_Auswahl->setCurrentIndex(0);
    ComboBox_BlattChange(0);
    Slotschutz::Verbinden(m_Auswahl, &QComboBox::currentIndexChanged, this, &TForm_Profilskizzen::ComboBox_BlattChange);
}

void TForm_Profilskizzen::ComboBox_BlattChange(int Index)
{
    Ganzzahl::Index_Pruefen(Index, Blattzahl, "Profilskizzen");
    m_Blatt->Bild_Setzen(m_Blaetter[std::size_t(Index)]->Bild());
}
