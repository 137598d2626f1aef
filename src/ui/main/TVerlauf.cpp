#include "ui/main/TVerlauf.h"

#include "base/TIniDatei.h"

#include <QUndoCommand>

#include <utility>

namespace {

QString Pos(int Zeile)
{
    return QStringLiteral("Pos. ") + QString::number(Zeile + 1);
}

// The field of the header that a step without a name changed.
QString Kopfname(const TKopfdaten& A, const TKopfdaten& B)
{
    const std::pair<bool, const char*> Felder[] = {
        {A.Datum != B.Datum, "Datum"},
        {A.Ansprechpartner != B.Ansprechpartner, "Ansprechpartner"},
        {A.Telefon != B.Telefon, "Telefon"},
        {A.Rechnungsempfaenger != B.Rechnungsempfaenger, "Rechnungsempfänger"},
        {A.Bauvorhaben != B.Bauvorhaben, "Bauvorhaben"},
        {A.Bemerkungen != B.Bemerkungen, "Bemerkungen"},
        {A.RabattChecked != B.RabattChecked, "Rabattmöglichkeiten"},
        {A.RabattAuswahl != B.RabattAuswahl || A.RabattAuswahlText != B.RabattAuswahlText, "Rabattauswahl"},
        {A.Rabatt != B.Rabatt, "Rabatt"},
        {A.RabattObjekt != B.RabattObjekt, "Objektrabatt"},
        {A.MitNachtext != B.MitNachtext, "Mit Nachtext"},
    };
    for (const auto& [Geaendert, Name] : Felder)
        if (Geaendert)
            return QString::fromUtf8(Name);
    return QStringLiteral("Kopfdaten");
}

QString Standardname(const TAenderung& A)
{
    if (!A.Positionen_Geaendert())
        return Kopfname(A.Kopf_Vorher, A.Kopf_Nachher);
    if (A.Vorher.size() == 1 && A.Nachher.size() == 1)
        return QStringLiteral("Änderung von ") + Pos(A.Anfang);
    if (A.Vorher.empty() && A.Nachher.size() == 1)
        return Pos(A.Anfang) + QStringLiteral(" eingefügt");
    if (A.Nachher.empty() && A.Vorher.size() == 1)
        return Pos(A.Anfang) + QStringLiteral(" gelöscht");
    return QStringLiteral("Änderung der Positionen");
}

} // namespace

// One recorded step. Pushing it runs redo, which finds the order already changed.
class TSchritt : public QUndoCommand
{
public:
    TSchritt(TVerlauf& Verlauf, TAenderung Aenderung, TAuswahl Vorher, TAuswahl Nachher, const QString& Text,
             QString Schluessel)
        : QUndoCommand(Text)
        , m_Verlauf(Verlauf)
        , m_Aenderung(std::move(Aenderung))
        , m_Auswahl_Vorher(std::move(Vorher))
        , m_Auswahl_Nachher(std::move(Nachher))
        , m_Schluessel(std::move(Schluessel))
    {
    }

    void undo() override { m_Verlauf.Anwenden(m_Aenderung, true, m_Auswahl_Vorher); }
    void redo() override
    {
        if (!std::exchange(m_Neu, false))
            m_Verlauf.Anwenden(m_Aenderung, false, m_Auswahl_Nachher);
    }
    int id() const override { return m_Schluessel.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* Anderer) override
    {
        const auto* Spaeter = static_cast<const TSchritt*>(Anderer);
        if (Spaeter->m_Schluessel != m_Schluessel || !m_Verlauf.m_Zwischenstand)
            return false;
        m_Aenderung = m_Aenderung.Gefolgt_Von(Spaeter->m_Aenderung, *m_Verlauf.m_Zwischenstand);
        m_Auswahl_Nachher = Spaeter->m_Auswahl_Nachher;
        if (Spaeter->text() != text())
            setText(Sammelname());
        setObsolete(m_Aenderung.Leer());
        return true;
    }

    void Auswahl_Nachher_Setzen(const TAuswahl& Auswahl) { m_Auswahl_Nachher = Auswahl; }
    const QString& Schluessel() const { return m_Schluessel; }

private:
    // Several different changes made as one session: named by their position.
    QString Sammelname() const
    {
        if (m_Aenderung.Vorher.size() >= 1 && m_Aenderung.Nachher.size() >= 1)
            return QStringLiteral("Bearbeitung von ") + Pos(m_Aenderung.Anfang);
        return text();
    }

    TVerlauf& m_Verlauf;
    TAenderung m_Aenderung;
    TAuswahl m_Auswahl_Vorher;
    TAuswahl m_Auswahl_Nachher;
    QString m_Schluessel;
    bool m_Neu = true;
};

TVerlauf::TVerlauf(TBestellung& Bestellung, TRueckrufe Rueckrufe, QObject* Eltern)
    : QObject(Eltern)
    , m_Bestellung(Bestellung)
    , m_Rueckrufe(std::move(Rueckrufe))
{
    Neu_Beginnen(true);
}

void TVerlauf::Benennen(const QString& Was, const QString& Schluessel)
{
    m_Name = Was;
    m_Schluessel = Schluessel;
}

void TVerlauf::Einzeln_Benennen(const QString& Was)
{
    Benennen(Was, QStringLiteral("Einzeln %1").arg(++m_Einzelne));
}

QString TVerlauf::Inhalt(const TPositionseintrag& Eintrag)
{
    TIniDatei Ini(QLatin1Char(','));
    Eintrag.Ini_Speichern(Ini, QStringLiteral("P"));
    return Ini.Text();
}

int TVerlauf::Zeile_Des_Eigenen() const
{
    if (!m_Eigenes)
        return -1;
    const auto& Liste = m_Bestellung.Positionen();
    if (m_Eigenes_Zeile >= 0 && m_Eigenes_Zeile < int(Liste.size()) && Liste[std::size_t(m_Eigenes_Zeile)].Selbes_Objekt(*m_Eigenes))
        return m_Eigenes_Zeile;
    for (std::size_t i = 0; i < Liste.size(); ++i)
        if (Liste[i].Selbes_Objekt(*m_Eigenes))
            return int(i);
    return -1;
}

TAenderung::TEintraege TVerlauf::Aufgezeichnet()
{
    TAenderung::TEintraege Liste = m_Bestellung.Positionen();
    const int Zeile = Zeile_Des_Eigenen();
    m_Eigenes_Zeile = Zeile;
    if (Zeile < 0) {
        m_Eigenes.reset();
        return Liste;
    }
    QString Jetzt = Inhalt(*m_Eigenes);
    if (Jetzt != m_Original_Inhalt) {
        m_Original = m_Eigenes->Klonen();
        m_Original_Inhalt = std::move(Jetzt);
    }
    Liste[std::size_t(Zeile)] = m_Original;
    return Liste;
}

void TVerlauf::Festhalten(const TAuswahl& Auswahl)
{
    if (m_Wendet_An)
        return;
    TAenderung::TEintraege Neu = Aufgezeichnet();
    const TKopfdaten Kopf = m_Bestellung.Kopfdaten();
    TAenderung A = TAenderung::Zwischen(m_Kopf, m_Stand, Kopf, Neu);
    QString Name = std::exchange(m_Name, QString());
    QString Schluessel = std::exchange(m_Schluessel, QString());
    const TAuswahl Vorher = std::exchange(m_Auswahl, Auswahl);
    if (A.Leer())
        return;
    if (Name.isEmpty())
        Name = Standardname(A);
    if (Schluessel.isEmpty() && m_Sitzung)
        Schluessel = Sitzungsschluessel();

    const TAenderung::TEintraege Zwischenstand = std::exchange(m_Stand, std::move(Neu));
    m_Kopf = Kopf;
    if (m_Rueckrufe.Geaendert)
        m_Rueckrufe.Geaendert(A, false);
    m_Zwischenstand = &Zwischenstand;
    m_Stapel.push(new TSchritt(*this, std::move(A), Vorher, Auswahl, Name, Schluessel));
    m_Zwischenstand = nullptr;
}

void TVerlauf::Auswahl_Nachfuehren(const TAuswahl& Auswahl)
{
    Festhalten(m_Auswahl);
    m_Auswahl = Auswahl;
    if (m_Stapel.index() == m_Stapel.count() && m_Stapel.count() > 0)
        if (auto* Oben = const_cast<TSchritt*>(static_cast<const TSchritt*>(m_Stapel.command(m_Stapel.count() - 1))))
            Oben->Auswahl_Nachher_Setzen(Auswahl);
}

void TVerlauf::Rueckgaengig(const TAuswahl& Auswahl)
{
    Festhalten(Auswahl);
    m_Stapel.undo();
}

void TVerlauf::Wiederholen(const TAuswahl& Auswahl)
{
    Festhalten(Auswahl);
    m_Stapel.redo();
}

void TVerlauf::Anwenden(const TAenderung& Aenderung, bool Rueckwaerts, const TAuswahl& Auswahl)
{
    m_Wendet_An = true;
    try {
        Aenderung.Anwenden(m_Kopf, m_Stand, Rueckwaerts);
        // The order takes the recorded state as a whole: the own object is
        // either unchanged since the last step or was just replaced.
        m_Bestellung.Positionen_Ersetzen(0, m_Bestellung.Anzahl_Positionen(), m_Stand);
        m_Bestellung.Kopfdaten_Setzen(m_Kopf);
        m_Eigenes.reset();
        m_Eigenes_Zeile = -1;
        m_Auswahl = Auswahl;
        if (m_Rueckrufe.Geaendert)
            m_Rueckrufe.Geaendert(Aenderung, Rueckwaerts);
    } catch (...) {
        m_Wendet_An = false;
        throw;
    }
    m_Wendet_An = false;
    if (m_Rueckrufe.Zurueckgesetzt)
        m_Rueckrufe.Zurueckgesetzt(Auswahl);
}

std::vector<int> TVerlauf::Zum_Aendern_Freigeben(int Zeile)
{
    std::vector<int> Getauscht;
    if (Zeile < 0 || Zeile >= m_Bestellung.Anzahl_Positionen())
        return Getauscht;
    const int Alte = Zeile_Des_Eigenen();
    if (Alte == Zeile)
        return Getauscht;
    Festhalten(m_Auswahl);
    if (Alte >= 0) {
        m_Bestellung.Positionen_Ersetzen(Alte, 1, {m_Stand[std::size_t(Alte)]});
        Getauscht.push_back(Alte);
    }
    m_Original = m_Stand[std::size_t(Zeile)];
    m_Original_Inhalt = Inhalt(m_Original);
    m_Eigenes = m_Original.Klonen();
    m_Eigenes_Zeile = Zeile;
    m_Bestellung.Positionen_Ersetzen(Zeile, 1, {*m_Eigenes});
    Getauscht.push_back(Zeile);
    return Getauscht;
}

void TVerlauf::Neu_Beginnen(bool Gesichert)
{
    m_Stapel.clear();
    m_Stand = m_Bestellung.Positionen();
    m_Kopf = m_Bestellung.Kopfdaten();
    m_Eigenes.reset();
    m_Eigenes_Zeile = -1;
    m_Sitzung.reset();
    m_Name.clear();
    m_Schluessel.clear();
    if (Gesichert)
        m_Stapel.setClean();
    else
        m_Stapel.resetClean();
}

QString TVerlauf::Sitzungsschluessel() const
{
    return m_Sitzung ? QStringLiteral("Sitzung %1").arg(m_Sitzung->Nummer) : QString();
}

void TVerlauf::Sitzung_Pruefen(bool Dialog_Offen)
{
    if (!Dialog_Offen || !m_Eigenes) {
        m_Sitzung.reset();
        return;
    }
    if (m_Sitzung && m_Sitzung->Eigenes.Selbes_Objekt(*m_Eigenes))
        return;
    m_Sitzung = TSitzung{++m_Sitzungen, m_Original, *m_Eigenes};
}

bool TVerlauf::Sitzung_Abbrechen(const TAuswahl& Auswahl)
{
    if (!m_Sitzung)
        return false;
    Festhalten(Auswahl);
    const TSitzung Sitzung = *m_Sitzung;
    m_Sitzung.reset();
    if (m_Stapel.index() == m_Stapel.count() && m_Stapel.count() > 0
        && static_cast<const TSchritt*>(m_Stapel.command(m_Stapel.count() - 1))->Schluessel()
               == QStringLiteral("Sitzung %1").arg(Sitzung.Nummer)) {
        m_Stapel.undo();
        return true;
    }
    // Other steps came in between: the position alone goes back, as a step of its own.
    const int Zeile = Zeile_Des_Eigenen();
    if (Zeile < 0 || !m_Eigenes->Selbes_Objekt(Sitzung.Eigenes)
        || m_Stand[std::size_t(Zeile)].Selbes_Objekt(Sitzung.Original))
        return false;
    m_Bestellung.Positionen_Ersetzen(Zeile, 1, {Sitzung.Original});
    m_Eigenes.reset();
    m_Bestellung.Sonderfarbe_Abgleichen();
    Benennen(QStringLiteral("Bearbeitung von ") + Pos(Zeile) + QStringLiteral(" verworfen"));
    Festhalten(Auswahl);
    return true;
}
