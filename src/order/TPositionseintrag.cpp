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
    Positionsarten::Fuer_Jede([&](const auto& Art) {
        using T = typename std::decay_t<decltype(Art)>::Klasse;
        if (Art.Typ != Typ)
            return;
        if constexpr (std::is_constructible_v<T, const QString&>)
            E.m_Objekt = std::make_shared<T>(Vorlage);
        else
            E.m_Objekt = std::make_shared<T>();
    });
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
    return m_Objekt == Anderer.m_Objekt;
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

namespace {

// Preis of the object, given what that kind's prices take from the order: the
// window running metres for the surcharge per running metre, the goods total
// for the delivery, nothing for the others.
template <class F>
long double Bewerten(const TPositionsobjekt& Objekt, long double Gesamt_UM_Fenster, long double Summe_Waren, F Preis)
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return 0.0L; },
                          [&](const std::shared_ptr<TPosition_Freie_Zulage_Umlfm>& P) {
                              return Preis(*P, Gesamt_UM_Fenster);
                          },
                          [&](const std::shared_ptr<TPosition_Lieferung>& P) { return Preis(*P, Summe_Waren); },
                          [&](const auto& P) { return Preis(*P); },
                      },
                      Objekt);
}

} // namespace

long double TPositionseintrag::Einzelpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const
{
    return Bewerten(m_Objekt, Gesamt_UM_Fenster, Summe_Waren,
                    [](const auto& P, auto... Bezug) { return P.Einzelpreis(Bezug...); });
}

long double TPositionseintrag::Gesamtpreis(long double Gesamt_UM_Fenster, long double Summe_Waren) const
{
    return Bewerten(m_Objekt, Gesamt_UM_Fenster, Summe_Waren,
                    [](const auto& P, auto... Bezug) { return P.Gesamtpreis(Bezug...); });
}

long double TPositionseintrag::Gesamtpreis_Nicht_Rabattfaehig(long double Gesamt_UM_Fenster) const
{
    // Delivery, installation and the sliding-folding door say 0 themselves: they enter no goods sum.
    return Bewerten(m_Objekt, Gesamt_UM_Fenster, 0, [](const auto& P, auto... Bezug) {
        if constexpr (requires { P.Gesamtpreis_Nicht_Rabattfaehig(Bezug...); })
            return P.Gesamtpreis_Nicht_Rabattfaehig(Bezug...);
        else
            return P.Gesamtpreis_Nicht_Rabattfaehig();
    });
}

bool TPositionseintrag::Preis_Anfragen() const
{
    return std::visit(Ueberladen{
                          [](std::monostate) { return false; },
                          [](const auto& P) {
                              using T = typename std::decay_t<decltype(P)>::element_type;
                              const auto Fehlt = Positionsarten::Von<T>().Preis_Fehlt;
                              return Fehlt != nullptr && Fehlt(*P);
                          },
                      },
                      m_Objekt);
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
        throw ELadefehler(Praefix, QStringLiteral("Positionstyp"), QString::number(Positionstyp()));
    std::visit(Ueberladen{
                   [](std::monostate) {},
                   [&](const auto& P) { P->Auswahl_Pruefen(Praefix); },
               },
               m_Objekt);
}
