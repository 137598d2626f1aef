#include "ui/main/TAblageanbindung.h"

#include "order/TBestellung.h"

#include <QDir>
#include <QTimer>

namespace {

const QString Fehler_Ablage = QStringLiteral(
    "Die Bestellung ist gespeichert, aber die Ablage kann nicht geschrieben werden:\n%1\n\n"
    "Die Fassung wartet auf diesem Rechner und wird nachgetragen, sobald die Ablage erreichbar ist.");
const QString Fehler_Aufbewahren = QStringLiteral(
    "Die Bestellung ist gespeichert, aber die Fassung kann weder in die Ablage noch auf diesem Rechner "
    "aufbewahrt werden:\n%1");
const QString Fehler_Oeffnen = QStringLiteral(
    "Die Ablage %1 kann nicht geöffnet werden:\n%2\n\nDas Programm arbeitet ohne Ablage mit den Dateien weiter; "
    "die Ablage-Datei bleibt unverändert.");

} // namespace

TAblageanbindung::TAblageanbindung(const QString& Pfad, QObject* parent)
    : QObject(parent)
    , m_Pfad(Pfad.isEmpty() ? TAblage::Standardort() : Pfad)
    , m_Warteschlange(m_Pfad)
    , m_Wartend(m_Warteschlange.Anzahl())
{
    auto* Erneut = new QTimer(this);
    Erneut->setInterval(60 * 1000);
    connect(Erneut, &QTimer::timeout, this, [this] {
        if (m_Wartend > 0)
            Nachtragen();
    });
    Erneut->start();
    // Versions an earlier run left waiting go as soon as the program is up.
    if (m_Wartend > 0)
        QTimer::singleShot(0, this, &TAblageanbindung::Nachtragen);
}

TAblageanbindung::~TAblageanbindung() = default;

void TAblageanbindung::Melden(const QString& Meldung)
{
    if (m_Gemeldet)
        return;
    m_Gemeldet = true;
    emit Fehler(Meldung);
}

TAblage* TAblageanbindung::Ablage()
{
    try {
        if (!m_Ablage)
            m_Ablage = std::make_unique<TAblage>(m_Pfad);
        else if (m_Neu_Verbinden)
            m_Ablage->Neu_Verbinden();
        m_Neu_Verbinden = false;
        m_Fehlversuch.invalidate();
    } catch (const EFehler& F) {
        m_Fehlversuch.start();
        Melden(Fehler_Oeffnen.arg(QDir::toNativeSeparators(TAblagedialekt::Anzeigename(m_Pfad)), F.Meldung()));
        return nullptr;
    }
    return m_Ablage.get();
}

void TAblageanbindung::Ort_Setzen(const QString& Ort)
{
    if (Ort == m_Pfad)
        return;
    emit Ort_Geaendert();
    m_Ablage.reset();
    m_Pfad = Ort;
    m_Warteschlange = TWarteschlange(m_Pfad);
    m_Gemeldet = false;
    m_Neu_Verbinden = false;
    m_Fehlversuch.invalidate();
    m_Eigene = 0;
    Nummer_Setzen(QString());
    Wartende_Zaehlen();
}

QString TAblageanbindung::Wartehinweis() const
{
    if (m_Wartend == 0)
        return QString();
    return m_Wartend == 1 ? QStringLiteral("Ablage nicht erreichbar – 1 Version wartet")
                          : QStringLiteral("Ablage nicht erreichbar – %1 Versionen warten").arg(m_Wartend);
}

void TAblageanbindung::Wartende_Zaehlen()
{
    const int Anzahl = m_Warteschlange.Anzahl();
    if (Anzahl == m_Wartend)
        return;
    m_Wartend = Anzahl;
    emit Warteschlange_Geaendert();
}

void TAblageanbindung::Nachtragen()
{
    TAblage* A = m_Wartend > 0 ? Ablage() : nullptr;
    if (A) {
        try {
            m_Warteschlange.Zustellen(*A, [this](const TWarteschlange::TEintrag& E, const TAblage::TAbgelegt& Ergebnis) {
                if (E.Kennung == m_Kennung) {
                    Nummer_Setzen(Ergebnis.Nummer);
                    m_Eigene = Ergebnis.Version;
                }
            });
            m_Gemeldet = false;
        } catch (const EFehler& F) {
            Verbindung_Verloren();
            Melden(Fehler_Ablage.arg(F.Meldung()));
        }
    }
    Wartende_Zaehlen();
}

void TAblageanbindung::Nummer_Setzen(const QString& Nummer)
{
    if (Nummer == m_Nummer)
        return;
    m_Nummer = Nummer;
    emit Nummer_Geaendert();
}

void TAblageanbindung::Neu()
{
    m_Kennung.clear();
    m_Vorgaenger.clear();
    m_Eigene = 0;
    Nummer_Setzen(QString());
}

void TAblageanbindung::Vor_Speichern(TBestellung& Bestellung)
{
    if (TAblage::Ist_Kennung(Bestellung.Kennung))
        m_Kennung = Bestellung.Kennung;
    else if (Ablage())
        Bestellung.Kennung = m_Kennung.isEmpty() ? TAblage::Neue_Kennung() : m_Kennung;
}

bool TAblageanbindung::Ohne_Konflikt(TAblage& A)
{
    if (!m_Rueckfrage || m_Eigene == 0)
        return true;
    const std::optional<TAblage::TBestellinfo> Info = A.Bestellung(m_Kennung);
    if (!Info || Info->Versionen <= m_Eigene)
        return true;
    const std::vector<TAblage::TVersion> Versionen = A.Versionen(m_Kennung);
    if (m_Rueckfrage({m_Kennung, Info->Nummer, m_Eigene, Versionen.back()}))
        return true;
    m_Eigene = Info->Versionen;
    return false;
}

void TAblageanbindung::Gespeichert(const TBestellung& Bestellung, const QByteArray& Bytes)
{
    if (TAblage::Ist_Kennung(Bestellung.Kennung))
        m_Kennung = Bestellung.Kennung;
    else if (m_Kennung.isEmpty())
        // Saved while the archive was out of reach: the version waits under the identity the order will get.
        m_Kennung = TAblage::Neue_Kennung();
    const TWarteschlange::TEintrag Eintrag{m_Kennung, m_Vorgaenger,
                                           {Bytes, Bestellung.Filename, QDateTime::currentDateTime(),
                                            TAblage::Anmeldename(), TAblagefelder::Von(Bestellung)}};
    // Straight into the archive unless older versions wait: those go first.
    const bool Zuerst_Direkt = m_Wartend == 0;
    if (Zuerst_Direkt) {
        if (TAblage* A = Ablage()) {
            try {
                if (!Ohne_Konflikt(*A))
                    return;
                const TAblage::TAbgelegt Ergebnis =
                    A->Ablegen(Eintrag.Kennung, Eintrag.Version, TAblage::TDoppelt::Letzte, Eintrag.Vorgaenger);
                Nummer_Setzen(Ergebnis.Nummer);
                m_Eigene = Ergebnis.Version;
                m_Gemeldet = false;
                return;
            } catch (const EFehler& F) {
                Verbindung_Verloren();
                Melden(Fehler_Ablage.arg(F.Meldung()));
            }
        }
    }
    try {
        m_Warteschlange.Anhaengen(Eintrag);
    } catch (const EFehler& F) {
        emit Fehler(Fehler_Aufbewahren.arg(F.Meldung()));
    }
    // Just failed: the next attempt comes with the next save or the timer.
    if (Zuerst_Direkt)
        Wartende_Zaehlen();
    else
        Nachtragen();
}

void TAblageanbindung::Geoeffnet(TBestellung& Bestellung, const QByteArray& Bytes)
{
    m_Vorgaenger.clear();
    m_Eigene = 0;
    m_Kennung = TAblage::Ist_Kennung(Bestellung.Kennung) ? Bestellung.Kennung : QString();
    QString Nummer;
    if (TAblage* A = Ablage()) {
        try {
            std::optional<TAblage::TBestellinfo> Info =
                m_Kennung.isEmpty() ? A->Bestellung_Zum_Inhalt(Bytes) : A->Bestellung(m_Kennung);
            if (Info) {
                m_Kennung = Info->Kennung;
                Bestellung.Kennung = Info->Kennung;
                Nummer = Info->Nummer;
                m_Eigene = Info->Versionen;
            }
        } catch (const EFehler& F) {
            Melden(Fehler_Oeffnen.arg(QDir::toNativeSeparators(TAblagedialekt::Anzeigename(m_Pfad)), F.Meldung()));
        }
    }
    Nummer_Setzen(Nummer);
}
