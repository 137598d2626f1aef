#include "order/TPositionseintrag.h"

#include "base/TIniDatei.h"

namespace {

template <class... Fs>
struct Ueberladen : Fs...
{
    using Fs::operator()...;
};
template <class... Fs>
Ueberladen(Fs...) -> Ueberladen<Fs...>;

} // namespace

TPositionseintrag TPositionseintrag::Erzeugen(std::uint32_t Typ, const QString& Vorlage)
{
    TPositionseintrag E;
    E.m_Typ = Typ;
    switch (Typ) {
    case Positionstyp::Fenster: E.m_Objekt = std::make_shared<TPosition>(); break;
    case Positionstyp::Sonderfarbe: E.m_Objekt = std::make_shared<TPosition_Sonderfarbe>(); break;
    case Positionstyp::Freie: E.m_Objekt = std::make_shared<TPosition_Freie>(); break;
    case Positionstyp::Lieferung: E.m_Objekt = std::make_shared<TPosition_Lieferung>(); break;
    case Positionstyp::Montage: E.m_Objekt = std::make_shared<TPosition_Montage>(); break;
    case Positionstyp::Zulage1: E.m_Objekt = std::make_shared<TPosition_Zulage1>(); break;
    case Positionstyp::Zulage2: E.m_Objekt = std::make_shared<TPosition_Zulage2>(); break;
    case Positionstyp::Freie_Zulage_Umlfm: E.m_Objekt = std::make_shared<TPosition_Freie_Zulage_Umlfm>(Vorlage); break;
    case Positionstyp::Freie_Zulage_M2: E.m_Objekt = std::make_shared<TPosition_Freie_Zulage_M2>(Vorlage); break;
    case Positionstyp::Freie_Zulage_Stueck: E.m_Objekt = std::make_shared<TPosition_Freie_Zulage_Stueck>(Vorlage); break;
    case Positionstyp::Freie_Zulage_Fenster: E.m_Objekt = std::make_shared<TPosition_Freie_Zulage_Fenster>(Vorlage); break;
    default: break; // no class belongs to the number
    }
    return E;
}

void TPositionseintrag::Kopieren_Von(const TPositionseintrag& Vorgaenger)
{
    std::visit(
        [&](const auto& Ziel) {
            using Zeiger = std::decay_t<decltype(Ziel)>;
            if constexpr (!std::is_same_v<Zeiger, std::monostate>) {
                if (const auto* Quelle = std::get_if<Zeiger>(&Vorgaenger.m_Objekt))
                    Ziel->Kopieren_Von(**Quelle);
            }
        },
        m_Objekt);
}

TPositionseintrag TPositionseintrag::Klonen() const
{
    TPositionseintrag Kopie;
    Kopie.m_Typ = m_Typ;
    Kopie.m_Objekt = std::visit(Ueberladen{
                                    [](std::monostate) { return TPositionsobjekt(); },
                                    [](const auto& P) {
                                        using T = typename std::decay_t<decltype(P)>::element_type;
                                        return TPositionsobjekt(std::make_shared<T>(*P));
                                    },
                                },
                                m_Objekt);
    return Kopie;
}

bool TPositionseintrag::Selbes_Objekt(const TPositionseintrag& Anderer) const
{
    return m_Typ == Anderer.m_Typ && m_Objekt == Anderer.m_Objekt;
}

QString TPositionseintrag::Bez() const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return QString(); },
                          [](const auto& P) { return P->Bez; },
                      },
                      m_Objekt);
}

std::int32_t TPositionseintrag::Anzahl() const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return std::int32_t(0); },
                          [](const std::shared_ptr<TPosition>& P) { return P->Abmessungen.Anzahl(); },
                          [](const std::shared_ptr<TPosition_Sonderfarbe>&) { return std::int32_t(1); },
                          [](const std::shared_ptr<TPosition_Lieferung>&) { return std::int32_t(1); },
                          [](const auto& P) { return std::int32_t(P->Anzahl); },
                      },
                      m_Objekt);
}

QString TPositionseintrag::Beschreibung() const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return QString(); },
                          [](const auto& P) { return P->Beschreibung(); },
                      },
                      m_Objekt);
}

long double TPositionseintrag::Einzelpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return 0.0L; },
                          [&](const std::shared_ptr<TPosition_Freie_Zulage_Umlfm>& P) {
                              return P->Einzelpreis(Gesamt_UM_Fenster);
                          },
                          [&](const std::shared_ptr<TPosition_Lieferung>& P) { return P->Einzelpreis(Summe_Waren); },
                          [](const auto& P) { return P->Einzelpreis(); },
                      },
                      m_Objekt);
}

long double TPositionseintrag::Gesamtpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return 0.0L; },
                          [&](const std::shared_ptr<TPosition_Freie_Zulage_Umlfm>& P) {
                              return P->Gesamtpreis(Gesamt_UM_Fenster);
                          },
                          [&](const std::shared_ptr<TPosition_Lieferung>& P) { return P->Gesamtpreis(Summe_Waren); },
                          [](const auto& P) { return P->Gesamtpreis(); },
                      },
                      m_Objekt);
}

long double TPositionseintrag::Gesamtpreis_Nicht_Rabattfaehig(long double Gesamt_UM_Fenster) const
{
    // Delivery, installation and the sliding-folding door enter no goods sum.
    return std::visit(Ueberladen{
                          [](std::monostate) { return 0.0L; },
                          [](const std::shared_ptr<TPosition_Lieferung>&) { return 0.0L; },
                          [](const std::shared_ptr<TPosition_Montage>&) { return 0.0L; },
                          [](const std::shared_ptr<TPosition_Zulage2>&) { return 0.0L; },
                          [&](const std::shared_ptr<TPosition_Freie_Zulage_Umlfm>& P) {
                              return P->Gesamtpreis_Nicht_Rabattfaehig(Gesamt_UM_Fenster);
                          },
                          [](const auto& P) { return P->Gesamtpreis_Nicht_Rabattfaehig(); },
                      },
                      m_Objekt);
}

bool TPositionseintrag::Preis_Anfragen() const
{
    switch (m_Typ) {
    case Positionstyp::Freie: return Als<TPosition_Freie>()->Stueckpreis == 0;
    case Positionstyp::Montage: return Als<TPosition_Montage>()->Preis == 0;
    case Positionstyp::Freie_Zulage_M2: return Als<TPosition_Freie_Zulage_M2>()->M2preis == 0;
    case Positionstyp::Freie_Zulage_Stueck: return Als<TPosition_Freie_Zulage_Stueck>()->Stueckpreis == 0;
    case Positionstyp::Freie_Zulage_Fenster: {
        const auto* P = Als<TPosition_Freie_Zulage_Fenster>();
        return P->Meterpreis == 0 || P->Umlfm == 0;
    }
    default: return false;
    }
}

bool TPositionseintrag::Ini_Speichern(TIniDatei& Ini, const QString& Praefix) const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return true; },
                          [&](const auto& P) { return P->Ini_Speichern(Ini, Praefix); },
                      },
                      m_Objekt);
}

bool TPositionseintrag::Ini_Laden(const TIniDatei& Ini, const QString& Praefix)
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return true; },
                          [&](const auto& P) { return P->Ini_Laden(Ini, Praefix); },
                      },
                      m_Objekt);
}

void TPositionseintrag::Auswahl_Pruefen(const QString& Praefix) const
{
    if (!hatObjekt())
        throw ELadefehler(Praefix, QStringLiteral("Positionstyp"), QString::number(m_Typ));
    std::visit(Ueberladen{
                   [](std::monostate) {},
                   [&](const auto& P) { P->Auswahl_Pruefen(Praefix); },
               },
               m_Objekt);
}
