#include "ui/main/TPositionsmodell.h"

#include "base/Fehler.h"
#include "base/Zahlformat.h"

#include <algorithm>
#include <numeric>

const QString TPositionsmodell::Bitte_Anfragen = QStringLiteral("Bitte anfragen");
const QString TPositionsmodell::Nicht_Berechnet = QStringLiteral("nicht berechnet");

TPositionsmodell::TPositionsmodell(QObject* Eltern)
    : QAbstractTableModel(Eltern)
{
}

void TPositionsmodell::Aufbauen(const TBestellung& Bestellung)
{
    beginResetModel();
    m_Eintraege = Bestellung.Positionen();
    m_Nummern.resize(m_Eintraege.size());
    std::iota(m_Nummern.begin(), m_Nummern.end(), 1);
    m_Zeilen.clear();
    m_Fehler_Gemeldet = false;
    endResetModel();
}

void TPositionsmodell::Ersetzen(int Anfang, int Alt, std::vector<TPositionseintrag> Neu)
{
    const int Gleich = std::min(Alt, int(Neu.size()));
    for (int i = 0; i < Gleich; ++i) {
        m_Eintraege[std::size_t(Anfang + i)] = Neu[std::size_t(i)];
        m_Zeilen.remove(Anfang + i);
    }
    m_Fehler_Gemeldet = false;
    if (Gleich > 0)
        emit dataChanged(index(Anfang, 0), index(Anfang + Gleich - 1, Spaltenzahl - 1));
    if (Alt == int(Neu.size()))
        return;
    // The rows behind keep their texts, numbers included, until they are renumbered below.
    QHash<int, TZeile> Texte;
    const int Versatz = int(Neu.size()) - Alt;
    for (auto i = m_Zeilen.cbegin(); i != m_Zeilen.cend(); ++i)
        if (i.key() < Anfang + Gleich)
            Texte.insert(i.key(), i.value());
        else if (i.key() >= Anfang + Alt)
            Texte.insert(i.key() + Versatz, i.value());
    const auto Von = std::ptrdiff_t(Anfang + Gleich);
    if (Alt > Gleich) {
        beginRemoveRows({}, Anfang + Gleich, Anfang + Alt - 1);
        m_Eintraege.erase(m_Eintraege.begin() + Von, m_Eintraege.begin() + Anfang + Alt);
        m_Nummern.erase(m_Nummern.begin() + Von, m_Nummern.begin() + Anfang + Alt);
        m_Zeilen = std::move(Texte);
        endRemoveRows();
    } else {
        beginInsertRows({}, Anfang + Gleich, Anfang + int(Neu.size()) - 1);
        m_Eintraege.insert(m_Eintraege.begin() + Von, Neu.begin() + Gleich, Neu.end());
        m_Nummern.insert(m_Nummern.begin() + Von, std::size_t(int(Neu.size()) - Gleich), 0);
        std::iota(m_Nummern.begin() + Von, m_Nummern.begin() + Anfang + int(Neu.size()), Anfang + Gleich + 1);
        m_Zeilen = std::move(Texte);
        endInsertRows();
    }
    const int Erste = Anfang + int(Neu.size());
    if (Erste >= rowCount())
        return;
    for (int i = Erste; i < rowCount(); ++i) {
        m_Nummern[std::size_t(i)] = i + 1;
        if (auto Gefunden = m_Zeilen.find(i); Gefunden != m_Zeilen.end())
            (*Gefunden)[0] = QString::number(i + 1);
    }
    emit dataChanged(index(Erste, 0), index(rowCount() - 1, 0));
}

void TPositionsmodell::Angleichen(const std::vector<TPositionseintrag>& Liste)
{
    for (std::size_t i = 0; i < Liste.size() && i < m_Eintraege.size(); ++i)
        if (!m_Eintraege[i].Selbes_Objekt(Liste[i]))
            m_Eintraege[i] = Liste[i];
}

void TPositionsmodell::Summen_Setzen(const TSummen& Summen)
{
    m_Summen = Summen;
    for (int i = 0; i < rowCount(); ++i) {
        const std::uint32_t Typ = m_Eintraege[std::size_t(i)].Positionstyp();
        if (Typ != Positionstyp::Freie_Zulage_Umlfm && Typ != Positionstyp::Lieferung)
            continue;
        m_Zeilen.remove(i);
        emit dataChanged(index(i, 4), index(i, 5));
    }
}

int TPositionsmodell::rowCount(const QModelIndex& Eltern) const
{
    return Eltern.isValid() ? 0 : int(m_Eintraege.size());
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
            Texte = Zeile(m_Eintraege[std::size_t(Index.row())], m_Nummern[std::size_t(Index.row())] - 1, m_Summen);
        } catch (const std::exception& F) {
            Texte[0] = QString::number(m_Nummern[std::size_t(Index.row())]);
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
