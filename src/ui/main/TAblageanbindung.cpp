#include "ui/main/TAblageanbindung.h"

#include "order/TBestellung.h"

#include <QDir>

namespace {

const QString Fehler_Ablage = QStringLiteral(
    "Die Bestellung ist gespeichert, aber die Ablage kann nicht geschrieben werden:\n%1\n\n"
    "Die Fassung wird beim nächsten Speichern nachgetragen.");
const QString Fehler_Oeffnen = QStringLiteral(
    "Die Ablage %1 kann nicht geöffnet werden:\n%2\n\nDas Programm arbeitet ohne Ablage mit den Dateien weiter; "
    "die Ablage-Datei bleibt unverändert.");

} // namespace

TAblageanbindung::TAblageanbindung(const QString& Pfad, QObject* parent)
    : QObject(parent)
    , m_Pfad(Pfad.isEmpty() ? TAblage::Standardort() : Pfad)
{
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
    if (!m_Ablage) {
        try {
            m_Ablage = std::make_unique<TAblage>(m_Pfad);
        } catch (const EFehler& F) {
            Melden(Fehler_Oeffnen.arg(QDir::toNativeSeparators(TAblagedialekt::Anzeigename(m_Pfad)), F.Meldung()));
        }
    }
    return m_Ablage.get();
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
    Nummer_Setzen(QString());
}

void TAblageanbindung::Vor_Speichern(TBestellung& Bestellung)
{
    if (TAblage::Ist_Kennung(Bestellung.Kennung))
        m_Kennung = Bestellung.Kennung;
    else if (Ablage())
        Bestellung.Kennung = m_Kennung.isEmpty() ? TAblage::Neue_Kennung() : m_Kennung;
}

void TAblageanbindung::Gespeichert(const TBestellung& Bestellung, const QByteArray& Bytes)
{
    if (TAblage::Ist_Kennung(Bestellung.Kennung))
        m_Kennung = Bestellung.Kennung;
    else if (m_Kennung.isEmpty())
        // Saved while the archive was out of reach: the version waits under the identity the order will get.
        m_Kennung = TAblage::Neue_Kennung();
    m_Wartend.push_back({m_Kennung, m_Vorgaenger,
                         {Bytes, Bestellung.Filename, QDateTime::currentDateTime(), TAblage::Anmeldename(),
                          TAblagefelder::Von(Bestellung)}});
    TAblage* A = Ablage();
    if (!A)
        return;
    try {
        while (!m_Wartend.empty()) {
            const TWartend& W = m_Wartend.front();
            const TAblage::TAbgelegt Ergebnis = A->Ablegen(W.Kennung, W.Version, TAblage::TDoppelt::Letzte, W.Vorgaenger);
            if (W.Kennung == m_Kennung)
                Nummer_Setzen(Ergebnis.Nummer);
            m_Wartend.erase(m_Wartend.begin());
        }
        m_Gemeldet = false;
    } catch (const EFehler& F) {
        Melden(Fehler_Ablage.arg(F.Meldung()));
    }
}

void TAblageanbindung::Geoeffnet(TBestellung& Bestellung, const QByteArray& Bytes)
{
    m_Vorgaenger.clear();
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
            }
        } catch (const EFehler& F) {
            Melden(Fehler_Oeffnen.arg(QDir::toNativeSeparators(TAblagedialekt::Anzeigename(m_Pfad)), F.Meldung()));
        }
    }
    Nummer_Setzen(Nummer);
}
