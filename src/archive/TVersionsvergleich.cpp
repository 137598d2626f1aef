#include "archive/TVersionsvergleich.h"

#include "base/Zahlformat.h"
#include "order/TBestellung.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <utility>
#include <vector>

namespace Versionsvergleich {

namespace {

using TMerkmale = std::vector<std::pair<QString, QString>>;

const QString Pfeil = QStringLiteral(" → ");

QString Fragment(const QString& Beschreibung)
{
    QString Text = Beschreibung.trimmed();
    if (Text.endsWith(QLatin1Char(';')))
        Text.chop(1);
    return Text;
}

QString Betrag(long double Wert)
{
    return Zahlformat::Betrag(Wert, QLocale(QLocale::German, QLocale::Germany));
}

// Everything that makes a position what it is, as label and text, in the order shown.
TMerkmale Merkmale(const TPositionseintrag& E, const TSummen& S)
{
    TMerkmale M;
    if (const TPosition* P = E.Als<TPosition>()) {
        const TAbmessungen& A = P->Abmessungen;
        M = {{QStringLiteral("Bez."), P->Bez},
             {QStringLiteral("Anzahl"), QString::number(A.Anzahl())},
             {QStringLiteral("Breite"), QString::number(A.Breite())},
             {QStringLiteral("Höhe"), QString::number(A.Hoehe())},
             {QStringLiteral("Oberlicht"), A.hatOberlicht() ? QString::number(A.HoeheOberlicht()) : QStringLiteral("ohne")},
             {QStringLiteral("Fenstertyp"), Fragment(A.Beschreibung())},
             {QStringLiteral("Balkontür"), A.istBalkontuer() ? Fragment(P->Balkontueren.Beschreibung()) : QString()},
             {QStringLiteral("Lage"), Fragment(P->Lagen.Beschreibung())},
             {QStringLiteral("Sonderform"), Fragment(P->Sonderformen.Beschreibung())},
             {QStringLiteral("Profil"), Fragment(P->Profile.Beschreibung())},
             {QStringLiteral("Holzart"), Fragment(P->Hoelzer.Beschreibung())},
             {QStringLiteral("Oberfläche"), Fragment(P->Oberflaechen.Beschreibung())},
             {QStringLiteral("Versiegelung"), Fragment(P->Versiegelungen.Beschreibung())},
             {QStringLiteral("Regenschiene"), Fragment(P->Regenschienen.Beschreibung())},
             {QStringLiteral("Beschläge"), Fragment(P->Beschlaege.Beschreibung())},
             {QStringLiteral("Glas"), Fragment(P->Glaeser.Beschreibung())},
             {QStringLiteral("Sprossen"), Fragment(P->Sprossen.Beschreibung())},
             {QStringLiteral("Rollladen"), Fragment(P->Rolladen.Beschreibung())},
             {QStringLiteral("Zierprofile"), Fragment(P->Zierprofile.Beschreibung())},
             {QStringLiteral("Ergänzungen"), Fragment(P->Ergaenzungen.Beschreibung())},
             {QStringLiteral("Sonderausführungen"), Fragment(P->Sonderausfuehrungen.Beschreibung())}};
    } else {
        M = {{QStringLiteral("Bez."), E.Bez()},
             {QStringLiteral("Anzahl"), QString::number(E.Anzahl())},
             {QStringLiteral("Beschreibung"), E.Beschreibung()}};
    }
    if (!E.Preis_Anfragen()) {
        M.emplace_back(QStringLiteral("Einzelpreis"), Betrag(E.Einzelpreis(S.Gesamt_UM_Fenster, S.Summe_Waren)));
        M.emplace_back(QStringLiteral("Gesamtpreis"), Betrag(E.Gesamtpreis(S.Gesamt_UM_Fenster, S.Summe_Waren)));
    }
    return M;
}

QString Kurz(const TMerkmale& M)
{
    QString Text = M.front().second.isEmpty() ? M.at(2).second : M.front().second;
    return Text.isEmpty() ? QStringLiteral("ohne Bezeichnung") : Text;
}

// "Holzart Fichte → Eiche; Einzelpreis 396,00 → 452,00"; empty where nothing differs.
QString Aenderungen(const TMerkmale& Alt, const TMerkmale& Neu)
{
    QStringList Teile;
    for (const auto& [Name, Wert] : Neu) {
        QString Vorher;
        for (const auto& [N, W] : Alt)
            if (N == Name)
                Vorher = W;
        if (Vorher != Wert)
            Teile << Name + QLatin1Char(' ') + (Vorher.isEmpty() ? QStringLiteral("–") : Vorher) + Pfeil
                         + (Wert.isEmpty() ? QStringLiteral("–") : Wert);
    }
    return Teile.join(QStringLiteral("; "));
}

} // namespace

QStringList Unterschiede(const TBestellung& Alt, const TBestellung& Neu)
{
    QStringList Zeilen;
    const std::pair<QString, std::pair<QString, QString>> Kopf[] = {
        {QStringLiteral("Datum"), {Alt.Datum, Neu.Datum}},
        {QStringLiteral("Rechnungsempfänger"), {Alt.Rechnungsempfaenger, Neu.Rechnungsempfaenger}},
        {QStringLiteral("Ansprechpartner"), {Alt.Ansprechpartner, Neu.Ansprechpartner}},
        {QStringLiteral("Telefon"), {Alt.Telefon, Neu.Telefon}},
        {QStringLiteral("Bauvorhaben"), {Alt.Bauvorhaben, Neu.Bauvorhaben}},
        {QStringLiteral("Bemerkungen"), {Alt.Bemerkungen, Neu.Bemerkungen}},
        {QStringLiteral("Rabatt %"), {QString::number(Alt.Rabatt), QString::number(Neu.Rabatt)}},
        {QStringLiteral("Objektrabatt %"), {QString::number(Alt.RabattObjekt), QString::number(Neu.RabattObjekt)}},
        {QStringLiteral("Rabattauswahl"), {Alt.RabattAuswahlText, Neu.RabattAuswahlText}},
    };
    for (const auto& [Name, Werte] : Kopf)
        if (Werte.first != Werte.second)
            Zeilen << QStringLiteral("%1: \"%2\"%3\"%4\"").arg(Name, Werte.first, Pfeil, Werte.second);

    const TSummen SA = Alt.Summen();
    const TSummen SN = Neu.Summen();
    std::vector<TMerkmale> A, N;
    for (const TPositionseintrag& E : Alt.Positionen())
        A.push_back(Merkmale(E, SA));
    for (const TPositionseintrag& E : Neu.Positionen())
        N.push_back(Merkmale(E, SN));

    // The longest run of positions that stayed the same, by their kind and
    // options without prices (which move with the totals), anchors the rest.
    const auto Schluessel = [](const TPositionseintrag& E, const TMerkmale& M) {
        QString K = QString::number(E.Positionstyp());
        for (const auto& [Name, Wert] : M)
            if (Name != QLatin1String("Einzelpreis") && Name != QLatin1String("Gesamtpreis"))
                K += QLatin1Char('\x1f') + Wert;
        return qHash(K);
    };
    const std::size_t a = A.size(), n = N.size();
    std::vector<size_t> KA(a), KN(n);
    for (std::size_t k = 0; k < a; ++k)
        KA[k] = Schluessel(Alt.Positionen()[k], A[k]);
    for (std::size_t k = 0; k < n; ++k)
        KN[k] = Schluessel(Neu.Positionen()[k], N[k]);
    // Orders too large for the table are compared position by position.
    const bool Abgleichen = a * n <= 4'000'000;
    std::vector<std::vector<int>> L(Abgleichen ? a + 1 : 0, std::vector<int>(n + 1, 0));
    for (std::size_t i = Abgleichen ? a : 0; i-- > 0;)
        for (std::size_t j = n; j-- > 0;)
            L[i][j] = KA[i] == KN[j] ? L[i + 1][j + 1] + 1 : std::max(L[i + 1][j], L[i][j + 1]);

    std::vector<std::size_t> Entfernt, Hinzu;
    // Between two anchors, positions of the same kind in turn count as changed, the rest as added or removed.
    std::size_t i = 0, j = 0;
    const auto Luecke = [&](std::size_t Bis_i, std::size_t Bis_j) {
        while (i < Bis_i || j < Bis_j) {
            if (i < Bis_i && j < Bis_j && Alt.Positionen()[i].Positionstyp() == Neu.Positionen()[j].Positionstyp()) {
                const QString Text = Aenderungen(A[i], N[j]);
                if (!Text.isEmpty())
                    Zeilen << QStringLiteral("Pos. %1: %2").arg(j + 1).arg(Text);
                ++i, ++j;
            } else if (i < Bis_i && (j >= Bis_j || Bis_i - i >= Bis_j - j)) {
                Entfernt.push_back(i++);
            } else {
                Hinzu.push_back(j++);
            }
        }
    };
    std::size_t x = 0, y = 0;
    while (Abgleichen && x < a && y < n) {
        if (KA[x] == KN[y]) {
            Luecke(x, y);
            const QString Text = Aenderungen(A[x], N[y]);
            if (!Text.isEmpty())
                Zeilen << QStringLiteral("Pos. %1: %2").arg(y + 1).arg(Text);
            i = ++x;
            j = ++y;
        } else if (L[x + 1][y] >= L[x][y + 1]) {
            ++x;
        } else {
            ++y;
        }
    }
    Luecke(a, n);

    // A position removed in one place and added unchanged in another has moved.
    QStringList Verschoben;
    for (std::size_t& Alt_i : Entfernt)
        for (std::size_t& Neu_j : Hinzu)
            if (Alt_i != std::size_t(-1) && Neu_j != std::size_t(-1) && KA[Alt_i] == KN[Neu_j]) {
                Verschoben << QStringLiteral("Pos. %1 (vorher Pos. %2) verschoben: %3")
                                  .arg(Neu_j + 1)
                                  .arg(Alt_i + 1)
                                  .arg(Kurz(N[Neu_j]));
                Alt_i = Neu_j = std::size_t(-1);
            }
    for (const std::size_t k : Entfernt)
        if (k != std::size_t(-1))
            Zeilen << QStringLiteral("Pos. %1 entfernt: %2").arg(k + 1).arg(Kurz(A[k]));
    for (const std::size_t k : Hinzu)
        if (k != std::size_t(-1))
            Zeilen << QStringLiteral("Pos. %1 hinzugefügt: %2").arg(k + 1).arg(Kurz(N[k]));
    Zeilen << Verschoben;

    if (Betrag(SA.Gesamtsumme) != Betrag(SN.Gesamtsumme))
        Zeilen << QStringLiteral("Summe: %1%2%3").arg(Betrag(SA.Gesamtsumme), Pfeil, Betrag(SN.Gesamtsumme));
    if (Zeilen.isEmpty())
        Zeilen << QStringLiteral("Keine Unterschiede.");
    return Zeilen;
}

} // namespace Versionsvergleich
