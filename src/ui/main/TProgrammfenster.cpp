#include "ui/main/TProgrammfenster.h"

#include "order/TPositionseintrag.h"
#include "ui/editor/TForm_Positionen.h"
#include "ui/main/TAblageanbindung.h"
#include "ui/info/TAboutBox_Drehrichtungen.h"
#include "ui/info/TAboutBox_Quadrolis.h"
#include "ui/info/TAboutBox_Talvern.h"
#include "ui/info/TAboutBox_Werkzeuggutschein.h"
#include "ui/info/TAboutBox_abrechnungsvorschlag.h"
#include "ui/info/TForm_Einfuehrungspreise.h"
#include "ui/dialogs/TForm_Freie.h"
#include "ui/dialogs/TForm_Freie_Zulage_Fenster.h"
#include "ui/dialogs/TForm_Freie_Zulage_M2.h"
#include "ui/dialogs/TForm_Freie_Zulage_Stueck.h"
#include "ui/dialogs/TForm_Freie_Zulage_Umlfm.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/info/TForm_Holzarten.h"
#include "ui/dialogs/TForm_Lieferung.h"
#include "ui/dialogs/TForm_Montage.h"
#include "ui/info/TForm_Profilskizzen.h"
#include "ui/dialogs/TForm_Sonderfarbe.h"
#include "ui/info/TForm_Skizze.h"
#include "ui/info/TForm_Sonderformen.h"
#include "ui/dialogs/TForm_Zulage1.h"
#include "ui/dialogs/TForm_Zulage2.h"
#include "ui/shared/Slotschutz.h"

#include <QCoreApplication>

template <class T>
T* TProgrammfenster::Besitzen(std::unique_ptr<T> Fenster)
{
    T* Zeiger = Fenster.get();
    m_Fenster.push_back(std::move(Fenster));
    return Zeiger;
}

template <class T>
T* TProgrammfenster::Infofenster_Anlegen()
{
    T* Fenster = Besitzen(std::make_unique<T>());
    m_Haupt->Infofenster_Koppeln(Fenster);
    return Fenster;
}

template <class T>
T* TProgrammfenster::Positionsdialog_Anlegen(void (T::*Aktivieren)())
{
    T* D = Besitzen(std::make_unique<T>(*m_Haupt));
    m_Haupt->Dialog_Koppeln(D->Positionstyp(), D, [D, Aktivieren] { (D->*Aktivieren)(); });
    return D;
}

TProgrammfenster::TProgrammfenster()
{
    m_Haupt = Besitzen(std::make_unique<TForm_Haupt>());
    m_Haupt->Ablage_Anbinden(new TAblageanbindung(QString(), m_Haupt));
    Slotschutz::Verbinden(m_Haupt, &TForm_Haupt::Geschlossen, QCoreApplication::instance(), &QCoreApplication::quit);

    Infofenster_Anlegen<TForm_Profilskizzen>();
    Infofenster_Anlegen<TAboutBox_Talvern>();
    Infofenster_Anlegen<TAboutBox_Quadrolis>();
    Infofenster_Anlegen<TForm_Sonderformen>();
    Infofenster_Anlegen<TForm_Holzarten>();

    Positionsdialog_Anlegen<TForm_Positionen>(&TForm_Positionen::Focus_Form_Positionen);
    Positionsdialog_Anlegen<TForm_Lieferung>();
    Positionsdialog_Anlegen<TForm_Freie>();
    Positionsdialog_Anlegen<TForm_Montage>();
    Positionsdialog_Anlegen<TForm_Zulage1>();
    Positionsdialog_Anlegen<TForm_Zulage2>();
    Positionsdialog_Anlegen<TForm_Sonderfarbe>();

    Infofenster_Anlegen<TForm_Einfuehrungspreise>();
    Infofenster_Anlegen<TAboutBox_Drehrichtungen>();
    Infofenster_Anlegen<TAboutBox_Werkzeuggutschein>();

    Positionsdialog_Anlegen<TForm_Freie_Zulage_Umlfm>();
    Positionsdialog_Anlegen<TForm_Freie_Zulage_M2>();
    Positionsdialog_Anlegen<TForm_Freie_Zulage_Stueck>();
    Positionsdialog_Anlegen<TForm_Freie_Zulage_Fenster>();
    Infofenster_Anlegen<TAboutBox_abrechnungsvorschlag>();

    auto* Skizze = Besitzen(std::make_unique<TForm_Skizze>(*m_Haupt));
    m_Haupt->Infofenster_Koppeln(Skizze);
    Slotschutz::Verbinden(m_Haupt, &TForm_Haupt::Aktualisiert, Skizze, [Skizze] {
        if (Skizze->isVisible())
            Skizze->Aktualisieren();
    });
}

TProgrammfenster::~TProgrammfenster()
{
    // The other windows may refer to the main window; it goes last.
    while (!m_Fenster.empty())
        m_Fenster.pop_back();
}

void TProgrammfenster::Starten(const QString& Datei)
{
    m_Haupt->show();
    m_Haupt->Wiederherstellung_Anbieten();
    if (!Datei.isEmpty())
        m_Haupt->Bestellung_Oeffnen(Datei);
}
