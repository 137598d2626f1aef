#include "sketch/TDrehrichtungsleser.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

struct TWort
{
    const char* Text;
    std::optional<TOeffnungsart> Art;
    TBandseite Seite;
};

// Words an entry may hold; compact forms carry kind and side at once.
constexpr TWort Woerter[] = {
    {"fest", TOeffnungsart::Fest, TBandseite::Keine},
    {"f", TOeffnungsart::Fest, TBandseite::Keine},
    {"fix", TOeffnungsart::Fest, TBandseite::Keine},
    {"fv", TOeffnungsart::Fest, TBandseite::Keine},
    {"festverglast", TOeffnungsart::Fest, TBandseite::Keine},
    {"festverglasung", TOeffnungsart::Fest, TBandseite::Keine},
    {"d", TOeffnungsart::Dreh, TBandseite::Keine},
    {"dreh", TOeffnungsart::Dreh, TBandseite::Keine},
    {"k", TOeffnungsart::Kipp, TBandseite::Keine},
    {"kipp", TOeffnungsart::Kipp, TBandseite::Keine},
    {"dk", TOeffnungsart::DrehKipp, TBandseite::Keine},
    {"drehkipp", TOeffnungsart::DrehKipp, TBandseite::Keine},
    {"dkl", TOeffnungsart::DrehKipp, TBandseite::Links},
    {"dkli", TOeffnungsart::DrehKipp, TBandseite::Links},
    {"dkr", TOeffnungsart::DrehKipp, TBandseite::Rechts},
    {"dkre", TOeffnungsart::DrehKipp, TBandseite::Rechts},
    {"l", std::nullopt, TBandseite::Links},
    {"li", std::nullopt, TBandseite::Links},
    {"links", std::nullopt, TBandseite::Links},
    {"r", std::nullopt, TBandseite::Rechts},
    {"re", std::nullopt, TBandseite::Rechts},
    {"rechts", std::nullopt, TBandseite::Rechts},
};

const TWort* Wort_Suchen(const QString& Text)
{
    for (const TWort& W : Woerter)
        if (Text == QLatin1String(W.Text))
            return &W;
    return nullptr;
}

struct TEintrag
{
    TOeffnung Oeffnung;
    bool fuerOberlicht = false;
};

// One entry: at most one kind, at most one side; "dreh kipp" joins to DK.
std::optional<TEintrag> Eintrag_Lesen(const QString& Text)
{
    static const QRegularExpression Trenner(QStringLiteral("[\\s\\-.:]+"));
    QStringList Teile = Text.toLower().split(Trenner, Qt::SkipEmptyParts);
    TEintrag E;
    if (!Teile.isEmpty() && (Teile.front() == QLatin1String("ol") || Teile.front() == QLatin1String("oberlicht"))) {
        E.fuerOberlicht = true;
        Teile.removeFirst();
    }
    if (Teile.isEmpty())
        return std::nullopt;
    std::optional<TOeffnungsart> Art;
    TBandseite Seite = TBandseite::Keine;
    for (const QString& Teil : Teile) {
        const TWort* W = Wort_Suchen(Teil);
        if (!W)
            return std::nullopt;
        if (W->Art) {
            if (!Art)
                Art = W->Art;
            else if ((*Art == TOeffnungsart::Dreh && *W->Art == TOeffnungsart::Kipp))
                Art = TOeffnungsart::DrehKipp;
            else
                return std::nullopt;
        }
        if (W->Seite != TBandseite::Keine) {
            if (Seite != TBandseite::Keine)
                return std::nullopt;
            Seite = W->Seite;
        }
    }
    if (!Art)
        return std::nullopt;
    const bool brauchtSeite = *Art == TOeffnungsart::Dreh || *Art == TOeffnungsart::DrehKipp;
    if (brauchtSeite != (Seite != TBandseite::Keine))
        return std::nullopt;
    E.Oeffnung = TOeffnung{*Art, Seite};
    return E;
}

TDrehrichtungen Unlesbar()
{
    TDrehrichtungen R;
    R.Lesbar = false;
    return R;
}

} // namespace

TDrehrichtungen TDrehrichtungsleser::Lesen(const QString& Text, int Fluegel, bool hatOberlicht)
{
    static const QRegularExpression Trenner(QStringLiteral("[/,+|]"));
    TDrehrichtungen R;
    if (Text.trimmed().isEmpty())
        return R;
    const QStringList Teile = Text.split(Trenner);
    std::vector<TOeffnung> Unten;
    for (const QString& Teil : Teile) {
        if (Teil.trimmed().isEmpty())
            return Unlesbar();
        const std::optional<TEintrag> E = Eintrag_Lesen(Teil);
        if (!E)
            return Unlesbar();
        if (E->fuerOberlicht) {
            if (!hatOberlicht || R.Oberlicht)
                return Unlesbar();
            R.Oberlicht = E->Oeffnung;
        } else {
            Unten.push_back(E->Oeffnung);
        }
    }
    // A text that names the top light only leaves every sash below without its entry.
    if (Fluegel < 1 || Unten.empty())
        return Unlesbar();
    if (Unten.size() == 1 && Fluegel > 1 && Unten.front().Seite == TBandseite::Keine)
        Unten.assign(std::size_t(Fluegel), Unten.front());
    if (!Unten.empty() && Unten.size() != std::size_t(Fluegel))
        return Unlesbar();
    R.Fluegel = std::move(Unten);
    return R;
}
