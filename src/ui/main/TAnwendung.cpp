#include "ui/main/TAnwendung.h"

#include "order/TPositionseintrag.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/main/TAboutBox_Drehrichtungen.h"
#include "ui/main/TAboutBox_Quadrolis.h"
#include "ui/main/TAboutBox_Talvern.h"
#include "ui/main/TAboutBox_Werkzeuggutschein.h"
#include "ui/main/TAboutBox_abrechnungsvorschlag.h"
#include "ui/main/TForm_Einfuehrungspreise.h"
#include "ui/main/TForm_Freie.h"
#include "ui/main/TForm_Freie_Zulage_Fenster.h"
#include "ui/main/TForm_Freie_Zulage_M2.h"
#include "ui/main/TForm_Freie_Zulage_Stueck.h"
#include "ui/main/TForm_Freie_Zulage_Umlfm.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TForm_Holzarten.h"
#include "ui/main/TForm_Lieferung.h"
#include "ui/main/TForm_Montage.h"
#include "ui/main/TForm_Profilskizzen.h"
#include "ui/main/TForm_Sonderfarbe.h"
#include "ui/main/TForm_Skizze.h"
#include "ui/main/TForm_Sonderformen.h"
#include "ui/main/TForm_Zulage1.h"
#include "ui/main/TForm_Zulage2.h"
#include "ui/shared/Slotschutz.h"

#include <QCoreApplication>

template <class T>
T* TAnwendung::Besitzen(std::unique_ptr<T> Fenster)
{
    T* Zeiger = Fenster.get();
    m_Fenster.push_back(std::move(Fenster));
    return Zeiger;
}

template <class T>
T* TAnwendung::Infofenster_Anlegen()
{
    T* Fenster = Besitzen(std::make_unique<T>());
    m_Haupt->Infofenster_Koppeln(Fenster);
    return Fenster;
}

template <class T, class Basis>
T* TAnwendung::Positionsdialog_Anlegen(std::unique_ptr<T> Dialog, std::uint32_t Typ, void (Basis::*Aktivieren)())
{
    T* D = Besitzen(std::move(Dialog));
    m_Haupt->Dialog_Koppeln(Typ, D, [D, Aktivieren] { (D->*Aktivieren)(); });
    return D;
}

TAnwendung::TAnwendung()
{
    m_Haupt = Besitzen(std::make_unique<TForm_Haupt>());
    Slotschutz::Verbinden(m_Haupt, &TForm_Haupt::Geschlossen, QCoreApplication::instance(), &QCoreApplication::quit);

    Infofenster_Anlegen<TForm_Profilskizzen>();
    Infofenster_Anlegen<TAboutBox_Talvern>();
    Infofenster_Anlegen<TAboutBox_Quadrolis>();
    Infofenster_Anlegen<TForm_Sonderformen>();
    Infofenster_Anlegen<TForm_Holzarten>();

    TDialogkontext& Kontext = *m_Haupt;
    Positionsdialog_Anlegen(std::make_unique<TForm_Positionen>(Kontext), Positionstyp::Fenster,
                            &TForm_Positionen::Focus_Form_Positionen);
    Positionsdialog_Anlegen(std::make_unique<TForm_Lieferung>(Kontext), Positionstyp::Lieferung,
                            &TForm_Lieferung::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Freie>(Kontext), Positionstyp::Freie, &TForm_Freie::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Montage>(Kontext), Positionstyp::Montage,
                            &TForm_Montage::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Zulage1>(Kontext), Positionstyp::Zulage1,
                            &TForm_Zulage1::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Zulage2>(Kontext), Positionstyp::Zulage2,
                            &TForm_Zulage2::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Sonderfarbe>(Kontext), Positionstyp::Sonderfarbe,
                            &TForm_Sonderfarbe::Felder_Laden);

    Infofenster_Anlegen<TForm_Einfuehrungspreise>();
    Infofenster_Anlegen<TAboutBox_Drehrichtungen>();
    Infofenster_Anlegen<TAboutBox_Werkzeuggutschein>();

    Positionsdialog_Anlegen(std::make_unique<TForm_Freie_Zulage_Umlfm>(Kontext), Positionstyp::Freie_Zulage_Umlfm,
                            &TForm_Freie_Zulage_Umlfm::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Freie_Zulage_M2>(Kontext), Positionstyp::Freie_Zulage_M2,
                            &TForm_Freie_Zulage_M2::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Freie_Zulage_Stueck>(Kontext), Positionstyp::Freie_Zulage_Stueck,
                            &TForm_Freie_Zulage_Stueck::Felder_Laden);
    Positionsdialog_Anlegen(std::make_unique<TForm_Freie_Zulage_Fenster>(Kontext),
                            Positionstyp::Freie_Zulage_Fenster, &TForm_Freie_Zulage_Fenster::Felder_Laden);
    Infofenster_Anlegen<TAboutBox_abrechnungsvorschlag>();

    auto* Skizze = Besitzen(std::make_unique<TForm_Skizze>(Kontext));
    m_Haupt->Infofenster_Koppeln(Skizze);
    Slotschutz::Verbinden(m_Haupt, &TForm_Haupt::Aktualisiert, Skizze, [Skizze] {
        if (Skizze->isVisible())
            Skizze->Aktualisieren();
    });
}

TAnwendung::~TAnwendung()
{
    // The other windows may refer to the main window; it goes last.
    while (!m_Fenster.empty())
        m_Fenster.pop_back();
}

void TAnwendung::Starten(const QString& Datei)
{
    m_Haupt->show();
    m_Haupt->Wiederherstellung_Anbieten();
    if (!Datei.isEmpty())
        m_Haupt->Bestellung_Oeffnen(Datei);
}
