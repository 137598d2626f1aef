#include "ui/main/TPositionsmodell.h"

#include "base/Fehler.h"
#include "base/Zahlformat.h"

const QString TPositionsmodell::Bitte_Anfragen = QStringLiteral("Bitte anfragen");
const QString TPositionsmodell::Nicht_Berechnet = QStringLiteral("nicht berechnet");

TPositionsmodell::TPositionsmodell(QObject* Eltern)
    : QAbstractTableModel(Eltern)
{
}

void TPositionsmodell::Aufbauen(std::shared_ptr<const TBestellung> Schnappschuss, const TSummen& Summen)
{
    beginResetModel();
    m_Bestellung = std::move(Schnappschuss);
    m_Summen = Summen;
    m_Zeilen.clear();
    m_Fehler_Gemeldet = false;
    endResetModel();
}

int TPositionsmodell::rowCount(const QModelIndex& Eltern) const
{
    return Eltern.isValid() || !m_Bestellung ? 0 : m_Bestellung->Anzahl_Positionen();
}

int TPositionsmodell::columnCount(const QModelIndex& Eltern) const
{
    return Eltern.isValid() ? 0 : Spaltenzahl;
}

QVariant TPositionsmodell::data(const QModelIndex& Index, int Rolle) const
{
    if (Rolle != Qt::DisplayRole || !Index.isValid() || Index.row() >= rowCount())
        return {};
    auto Gefunden = m_Zeilen.find(Index.row());
    if (Gefunden == m_Zeilen.end()) {
        TZeile Texte;
        // The view asks while it paints; an error must not leave through the painter.
        try {
            Texte = Zeile(m_Bestellung->Eintrag(Index.row()), Index.row(), m_Summen);
        } catch (const std::exception& F) {
            Texte[0] = QString::number(Index.row() + 1);
            if (!m_Fehler_Gemeldet) {
                m_Fehler_Gemeldet = true;
                const auto* Eigener = dynamic_cast<const EFehler*>(&F);
                emit const_cast<TPositionsmodell*>(this)->Fehler(Eigener ? Eigener->Meldung()
                                                                            : QString::fromLocal8Bit(F.what()));
            }
        }
        Gefunden = m_Zeilen.insert(Index.row(), Texte);
    }
    return (*Gefunden)[std::size_t(Index.column())];
}

TPositionsmodell::TZeile TPositionsmodell::Zeile(const TPositionseintrag& Eintrag, int Index, const TSummen& Summen)
{
    TZeile Texte;
    Texte[0] = QString::number(Index + 1);
    if (!Eintrag.hatObjekt())
        return Texte;
    Texte[1] = Eintrag.Bez();
    Texte[2] = QString::number(Eintrag.Anzahl());
    if (const TPosition* Fenster = Eintrag.Als<TPosition>())
        Texte[3] = Kurzbeschreibung(*Fenster);
    else
        Texte[3] = Eintrag.Beschreibung();
    if (!TBestellung::Berechnet(Eintrag.Positionstyp())) {
        Texte[4] = Nicht_Berechnet;
        Texte[5] = Nicht_Berechnet;
    } else if (Eintrag.Preis_Anfragen()) {
        Texte[4] = Bitte_Anfragen;
        Texte[5] = Bitte_Anfragen;
    } else {
        Texte[4] = Zahlformat::Betrag(Eintrag.Einzelpreis(Summen.Gesamt_UM_Fenster, Summen.Summe_Waren));
        Texte[5] = Zahlformat::Betrag(Eintrag.Gesamtpreis(Summen.Gesamt_UM_Fenster, Summen.Summe_Waren));
    }
    return Texte;
}

QString TPositionsmodell::Kurzbeschreibung(const TPosition& Position)
{
    const TAbmessungen& A = Position.Abmessungen;
    QString Text = A.Eintrag_Lesen().Name + QStringLiteral("; ") + QString::number(A.Breite()) + QLatin1Char('x')
                   + QString::number(A.Hoehe());
    if (A.hatOberlicht())
        Text += QStringLiteral(" (") + QString::number(A.HoeheOberlicht()) + QStringLiteral(" OL)");
    Text += QLatin1Char(' ') + A.Drehrichtung;
    Text += QStringLiteral("; ") + Position.Profile.Eintrag_Lesen(TProfile::Profil).Name + QStringLiteral("; ")
            + Position.Hoelzer.Eintrag_Lesen().Name;
    return Text;
}
