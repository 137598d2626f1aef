#include "sheet/TBestellblatt.h"

#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "sheet/Herstellerdaten.h"

namespace {

QString Zahl(std::int64_t Wert)
{
    return QString::number(Wert);
}

// The percentage as the sheet shows it; widened so that no stored value overflows.
QString Umgekehrt(std::int32_t Prozent)
{
    return Zahl(-static_cast<std::int64_t>(Prozent));
}

void Fensterposition(TBlattposition& Z, const TPosition& P)
{
    const TAbmessungen& A = P.Abmessungen;
    Z.Art = TBlattposition::TArt::Fenster;
    Z.Fenster = &P;
    Z.Bez = P.Bez;
    Z.Anzahl = Zahl(A.Anzahl());
    Z.Breite = Zahl(A.Breite());
    Z.Hoehe = Zahl(A.Hoehe());
    Z.Hoehe_Oberlicht = Zahl(A.HoeheOberlicht());
    Z.Fluegel = Zahl(A.Fluegelanzahl());
    Z.Drehrichtung = A.Drehrichtung;
    Z.Umlaufmeter = Zahlformat::Festkomma(A.UM(), 1);
    Z.Meterpreis = Zahlformat::Betrag(P.Meterpreis());
    Z.Stueckpreis = Zahlformat::Betrag(P.Stueckpreis());
    Z.Einzelpreis = Zahlformat::Betrag(P.Einzelpreis());
    Z.Gesamtpreis = Zahlformat::Betrag(P.Gesamtpreis());
    // The window's own description joins the group fragments in the sheet's order.
    Z.Beschreibung = P.Beschreibung();
}

TBlattposition Position(const TPositionseintrag& E, const TSummen& S)
{
    TBlattposition Z;
    Z.Positionstyp = E.Positionstyp();
    if (const TPosition* Fenster = E.Als<TPosition>()) {
        Fensterposition(Z, *Fenster);
        return Z;
    }
    if (!E.hatObjekt()) {
        // Only a damaged file brings a kind without a class: it has nothing to show and costs nothing.
        Z.Art = TBlattposition::TArt::Ohne_Inhalt;
        return Z;
    }
    const bool Sonderfarbe = Z.Positionstyp == Positionstyp::Sonderfarbe;
    const bool Einmalig = Sonderfarbe || Z.Positionstyp == Positionstyp::Lieferung;
    Z.Art = Sonderfarbe ? TBlattposition::TArt::Sonderfarbe : TBlattposition::TArt::Zeile;
    Z.Bez = Sonderfarbe ? QString() : E.Bez();
    Z.Anzahl = Einmalig ? QStringLiteral("1") : Zahl(E.Anzahl());
    Z.Beschreibung = E.Beschreibung();
    Z.Einzelpreis = Zahlformat::Betrag(E.Einzelpreis(S.Gesamt_UM_Fenster, S.Summe_Waren));
    Z.Gesamtpreis = Zahlformat::Betrag(E.Gesamtpreis(S.Gesamt_UM_Fenster, S.Summe_Waren));
    return Z;
}

} // namespace

std::vector<TBlattsumme> TBestellblatt::Summenzeilen(const TBestellung& B, const TSummen& S,
                                                     std::optional<TUmsatzsteuer> Steuer)
{
    using TArt = TBlattsumme::TArt;
    std::vector<TBlattsumme> Z;
    Z.push_back({TArt::Umlaufmeter, QStringLiteral("Gesamt UM Fenster: "), Zahlformat::Betrag(S.Gesamt_UM_Fenster)});
    Z.push_back({TArt::Umlaufmeter, QStringLiteral("Gesamt UM Montage: "), Zahlformat::Betrag(S.Gesamt_UM_Montage)});
    Z.push_back({TArt::Zwischensumme, QStringLiteral("Zwischensumme: "), Zahlformat::Betrag(S.Zwischensumme())});
    if (B.RabattAuswahl != 0)
        Z.push_back({TArt::Rabatt,
                     B.RabattAuswahlText + QLatin1Char(' ') + Umgekehrt(B.RabattAuswahl) + QStringLiteral("%: "),
                     Zahlformat::Betrag(S.Betrag_RabattAuswahl)});
    if (B.Rabatt != 0)
        Z.push_back({TArt::Rabatt, QStringLiteral("Rabatt ") + Umgekehrt(B.Rabatt) + QStringLiteral("%: "),
                     Zahlformat::Betrag(S.Betrag_Rabatt)});
    if (B.RabattObjekt != 0)
        Z.push_back({TArt::Objektrabatt, QStringLiteral("Objektrabatt ") + Umgekehrt(B.RabattObjekt) + QStringLiteral("%: "),
                     Zahlformat::Betrag(S.Betrag_RabattObjekt)});
    Z.push_back({TArt::Summe, QStringLiteral("Summe: "), Zahlformat::Betrag(S.Gesamtsumme)});
    if (Steuer) {
        const TUmsatzsteuer::TBetraege Betraege = Steuer->Berechnen(S.Gesamtsumme);
        const auto Euro = [](std::int64_t Cent) { return Zahlformat::Betrag(static_cast<long double>(Cent) / 100.0L); };
        Z.push_back({TArt::Umsatzsteuer, QStringLiteral("zzgl. USt. ") + Steuer->Satztext() + QStringLiteral(" %: "),
                     Euro(Betraege.Steuer_Cent)});
        Z.push_back({TArt::Brutto, QStringLiteral("Summe brutto: "), Euro(Betraege.Brutto_Cent)});
    }
    return Z;
}

bool TBestellblatt::Schreiblinie(const QString& Zeile)
{
    return Zeile == QLatin1String("Datum:") || Zeile == QLatin1String("Auftrag erteilt:");
}

namespace {

TAbsatz Absatz(const QString& Text)
{
    return {QString(), {Text}, false, false};
}

std::vector<TAbsatz> Bedingungstext()
{
    return {Absatz(QStringLiteral(
        "Das Angebot gilt 4 Wochen. Preise sind Listenpreise in Euro. Netto zzgl. MwSt. Abzüglich Gesamtrabatt. "
        "Für Angebote unter 4200 € Netto fällt Transportpauschale an. "
        "Die angegebenen Preisinformationen sind nur ein Angebot. Es kommt durch eine Bestellung kein Vertrag "
        "zustande. Erst unsere schriftliche Bestätigung wird durch Ihre Unterschrift zum Vertag. "))};
}

std::vector<TAbsatz> Schlusstext()
{
    using namespace Herstellerdaten;
    const TAbsatz Leer;
    TAbsatz Einleitung = Absatz(QStringLiteral(
        "Viriduradad IV 68 mit Regenschiene Fenster: EV1, oder preisgleich mit Regenschiene Stil oder preisgleich "
        "ohne Regenschiene mit Wetterschenkel am Flügel. Durchgehende Zierprofile wie Regenschienenabdeckung, "
        "Kämpfer -und Schlagleistenprofil im Preis enthalten, nur für Anwender vom Quadrolis und die Anwender vom "
        "Quadrolis werden."));
    Einleitung.Offen = true;
    TAbsatz Glueckwunsch = Absatz(QStringLiteral(
        " zu Ihrer Wahl \"Holzfenster\", denn "
        "Studien belegen überdeutlich, daß der Werkstoff Holz- mittel - und langfristig gesehen allen anderen "
        "Materialien überlegen ist!!! Besonders dann, wenn man in Sachen Klimaschutz als vorbildlich gelten will. "
        "Das Team Talvern ist überzeugt, Ihnen ein vorteilhaftes Angebot unterbreitet zu haben und würde sich sehr "
        "freuen, Ihren Auftrag zu erhalten. Sorgfältige und termingerechte Ausführung sichert Ihnen Team Talvern zu. "
        "Auftragsannahme setzt eine positive Bankauskunft voraus."));
    Glueckwunsch.Fett = QStringLiteral("Herzlichen Glückwunsch");
    TAbsatz Vorteile;
    Vorteile.Liste = true;
    Vorteile.Zeilen = {
        QStringLiteral("Fenster in Fichte statt Kiefer"),
        QStringLiteral("Sprossen außen eingedübelt nicht aufgeklebt."),
        QStringLiteral("Durchgehende Zierprofile ohne Berechnung"),
        QStringLiteral("Quadrolis kosenfrei zum runterladen unter ") + Webadresse,
        QStringLiteral("Sie sind bei Angebotsanfragen, schneller als Ihr Marktbegleiter."),
        QStringLiteral("Sie können Ihre eigenen Produkte, Montage in Quadrolis integrieren."),
        QStringLiteral("Schnelle Entscheidung, Rücksprache mit Firmeninhaber bei Fragen oder Objektpreis unter ")
            + Inhaber_Mobil + QStringLiteral(" oder ") + Inhaber_EMail,
        QStringLiteral("Passives Einkommen durch erfolgreiche Empfehlung."),
        QStringLiteral("Passives Einkommen durch Vermittlung Vertriebspartner."),
        QStringLiteral("Orginelle Olivenausstellung im Wintergarten, geeignet für Familienfeiern, melden Sie sich an."),
    };
    TAbsatz Fragen;
    Fragen.Offen = true;
    Fragen.Zeilen = {QStringLiteral(" Was ist Ihnen wichtig? "), QStringLiteral("Was gefällt Ihnen nicht? "),
                     QStringLiteral("Was soll besser werden?"), QString()};
    return {
        Einleitung,
        Glueckwunsch,
        {QString(), {QStringLiteral("Mit freundlichen Grüßen"), QString(), Firma, Geschaeftsfuehrer}, false, false},
        Leer,
        Absatz(QStringLiteral(
            "Mit seiner nachfolgenden Unterschrift als Auftragsbestätigung, erkennt der Auftraggeber das Angebot an.")),
        Absatz(QStringLiteral("Sie erhalten zeitnah eine ausführliche Auftragsbestätigung zur Freigabe mit "
                              "Zahlungsmodalitäten.")),
        {QString(),
         {QStringLiteral("Terminwunsch:"), QStringLiteral("Zahlungswunsch:"), QString(), QStringLiteral("Datum:"),
          QString(), QStringLiteral("Auftrag erteilt:"), QString()},
         false,
         false},
        Leer,
        Absatz(QStringLiteral("P.S.")),
        Absatz(QStringLiteral("Vorteile in Kurzform:")),
        Vorteile,
        Fragen,
    };
}

} // namespace

const QString TBestellblatt::Titel = QStringLiteral("Bestellblatt");
const QString TBestellblatt::Ankreuzen_Angebot = QStringLiteral(" Angebot / ");
const QString TBestellblatt::Ankreuzen_Bestellung = QStringLiteral("Bestellung (lt. Angebot vom ");
const QString TBestellblatt::Angebotsdatum_Luecke = QStringLiteral("____-____-____");
const QString TBestellblatt::Ankreuzen_Hinweis = QStringLiteral(") (Zutreffendes bitte ankreuzen)");

TBestellblatt::TBestellblatt(const TBestellung& B, std::optional<TUmsatzsteuer> Steuer)
    : Datum(B.Datum)
{
    Absender = {
        {QStringLiteral("Datum: "), B.Datum, 10},
        {QStringLiteral("Ansprechpartner: "), B.Ansprechpartner, 14},
        {QStringLiteral("Telefon: "), B.Telefon, 8},
        {QStringLiteral("Rechnungsempfänger: "), B.Rechnungsempfaenger, 50},
        {QStringLiteral("Bauvorhaben: "), B.Bauvorhaben, 50},
        {QStringLiteral("Bemerkungen: "), B.Bemerkungen, 0},
    };
    Kopfzeile_Oben = {QStringLiteral("Pos."), QStringLiteral("Bez."), QStringLiteral("Stück"),
                      QStringLiteral("Beschreibung"), QStringLiteral("Gesamtpreis €")};
    Kopfzeile_Unten = {QString(),
                       QString(),
                       QString(),
                       QStringLiteral("B [mm]"),
                       QStringLiteral("H [mm]"),
                       QStringLiteral("OL [mm]"),
                       QStringLiteral("Flügel"),
                       QStringLiteral("Drehr."),
                       QStringLiteral("ulfm. [m]"),
                       QStringLiteral("Meterpr. €"),
                       QStringLiteral("zzgl. /Stck. €"),
                       QStringLiteral("Einzelpr. €"),
                       QString()};

    const TSummen S = B.Summen();
    Positionen.reserve(B.Positionen().size());
    int Nummer = 1;
    bool Grau = false;
    for (const TPositionseintrag& E : B.Positionen()) {
        // Second-kind surcharges have no row on the sheet.
        if (E.Positionstyp() == Positionstyp::Zulage2)
            continue;
        TBlattposition Z = Position(E, S);
        Z.Nummer = Zahl(Nummer);
        Z.Grau = Grau;
        Positionen.push_back(std::move(Z));
        ++Nummer;
        Grau = !Grau;
    }
    Summen = Summenzeilen(B, S, Steuer);
    Bedingungen = Bedingungstext();
    if (B.MitNachtext)
        Nachtext = Schlusstext();
}
