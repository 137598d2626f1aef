#include "order/TBestellung.h"

#include "base/Lesegrenzen.h"

#include "base/Fehler.h"
#include "base/Ganzzahl.h"
#include "base/TIniDatei.h"

#include <QDate>

#include <algorithm>
#include <array>

namespace {

const QString Abschnitt_Version = QStringLiteral("Version");
const QString Abschnitt_Bestellung = QStringLiteral("Bestellung");

// Kinds whose objects copy the last earlier position of their kind when appended.
bool Kopiert_Vorgaenger(std::uint32_t Typ)
{
    return Typ == Positionstyp::Fenster || (Typ >= Positionstyp::Sonderfarbe && Typ <= Positionstyp::Zulage2);
}

// Kinds that enter the goods sums.
bool Ist_Ware(std::uint32_t Typ)
{
    switch (Typ) {
    case Positionstyp::Fenster:
    case Positionstyp::Sonderfarbe:
    case Positionstyp::Freie:
    case Positionstyp::Zulage1:
    case Positionstyp::Freie_Zulage_Umlfm:
    case Positionstyp::Freie_Zulage_M2:
    case Positionstyp::Freie_Zulage_Stueck:
    case Positionstyp::Freie_Zulage_Fenster: return true;
    default: return false;
    }
}

// The group of a kind after a deletion: windows first (with every number
// without a class), then 3 to 12 in ascending order.
std::uint32_t Gruppe(std::uint32_t Typ)
{
    return Typ >= Positionstyp::Sonderfarbe && Typ <= Positionstyp::Freie_Zulage_Fenster ? Typ : Positionstyp::Fenster;
}

} // namespace

TBestellung::TBestellung()
{
    Datum = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

const TPositionseintrag& TBestellung::Eintrag(int Index) const
{
    Ganzzahl::Index_Pruefen(Index, Anzahl_Positionen(), "Positionen");
    return m_Positionen[std::size_t(Index)];
}

TPositionseintrag& TBestellung::Eintrag(int Index)
{
    Ganzzahl::Index_Pruefen(Index, Anzahl_Positionen(), "Positionen");
    return m_Positionen[std::size_t(Index)];
}

QString TBestellung::Abschnitt_Position(int Index)
{
    return QStringLiteral("Bestellung/Positionen%1").arg(Index);
}

// ---------------------------------------------------------------- header

TKopfdaten TBestellung::Kopfdaten() const
{
    return *this;
}

void TBestellung::Kopfdaten_Setzen(const TKopfdaten& K)
{
    static_cast<TKopfdaten&>(*this) = K;
}

// ---------------------------------------------------------------- the list

void TBestellung::Positionen_Ersetzen(int Anfang, int Anzahl, std::vector<TPositionseintrag> Neu)
{
    if (Anzahl < 0 || Anzahl > Anzahl_Positionen())
        Ganzzahl::Index_Pruefen(Anzahl, Anzahl_Positionen() + 1, "Positionen");
    Ganzzahl::Index_Pruefen(Anfang, Anzahl_Positionen() - Anzahl + 1, "Positionen");
    Ganzzahl::Index_Pruefen(std::int64_t(Anzahl_Positionen() - Anzahl) + std::int64_t(Neu.size()), MaxPositionen + 1,
                            "Positionen");
    const auto Von = m_Positionen.begin() + Anfang;
    if (std::size_t(Anzahl) == Neu.size()) {
        std::move(Neu.begin(), Neu.end(), Von);
        return;
    }
    m_Positionen.erase(Von, Von + Anzahl);
    m_Positionen.insert(m_Positionen.begin() + Anfang, std::make_move_iterator(Neu.begin()),
                        std::make_move_iterator(Neu.end()));
}

void TBestellung::Position_Anfuegen(std::uint32_t Typ, const QString& Vorlage)
{
    TPositionseintrag Neu = TPositionseintrag::Erzeugen(Typ, Vorlage);
    if (Kopiert_Vorgaenger(Typ)) {
        const int Vorgaenger = Letzter_Index(Typ);
        if (Vorgaenger >= 0)
            Neu.Kopieren_Von(m_Positionen[std::size_t(Vorgaenger)]);
    }
    m_Positionen.push_back(std::move(Neu));
}

void TBestellung::Positionen_Tauschen(int a, int b)
{
    if (a == b)
        return;
    Ganzzahl::Index_Pruefen(a, Anzahl_Positionen(), "Positionen");
    Ganzzahl::Index_Pruefen(b, Anzahl_Positionen(), "Positionen");
    std::swap(m_Positionen[std::size_t(a)], m_Positionen[std::size_t(b)]);
}

void TBestellung::Position_Loeschen(int Index)
{
    Ganzzahl::Index_Pruefen(Index, Anzahl_Positionen(), "Positionen");
    m_Positionen.erase(m_Positionen.begin() + Index);
    Neu_Gruppieren();
}

void TBestellung::Neu_Gruppieren()
{
    std::stable_sort(m_Positionen.begin(), m_Positionen.end(),
                     [](const TPositionseintrag& a, const TPositionseintrag& b) {
                         return Gruppe(a.Positionstyp()) < Gruppe(b.Positionstyp());
                     });
}

bool TBestellung::Typ_Vorhanden(std::uint32_t Typ) const
{
    return Erster_Index(Typ) >= 0;
}

int TBestellung::Erster_Index(std::uint32_t Typ) const
{
    for (int i = 0; i < Anzahl_Positionen(); ++i)
        if (m_Positionen[std::size_t(i)].Positionstyp() == Typ)
            return i;
    return -1;
}

int TBestellung::Letzter_Index(std::uint32_t Typ) const
{
    for (int i = Anzahl_Positionen() - 1; i >= 0; --i)
        if (m_Positionen[std::size_t(i)].Positionstyp() == Typ)
            return i;
    return -1;
}

void TBestellung::Sonderfarbe_Abgleichen()
{
    bool Fenster_Mit_Sonderfarbe = false;
    for (const TPositionseintrag& E : m_Positionen) {
        const TPosition* P = E.Als<TPosition>();
        if (P && P->Oberflaechen.ItemIndex_Lesen() == TOberflaechen::Index_Sonderfarbe) {
            Fenster_Mit_Sonderfarbe = true;
            break;
        }
    }
    const int Sonderfarbe = Erster_Index(Positionstyp::Sonderfarbe);
    if (Fenster_Mit_Sonderfarbe && Sonderfarbe < 0)
        Position_Anfuegen(Positionstyp::Sonderfarbe);
    else if (!Fenster_Mit_Sonderfarbe && Sonderfarbe >= 0)
        Position_Loeschen(Sonderfarbe);
}

// ---------------------------------------------------------------- sums

long double TBestellung::Gesamt_UM_Fenster() const
{
    long double UM = 0;
    for (const TPositionseintrag& E : m_Positionen)
        if (const TPosition* P = E.Als<TPosition>())
            UM += static_cast<long double>(P->Abmessungen.Anzahl()) * P->Abmessungen.UM();
    return UM;
}

long double TBestellung::Gesamt_UM_Montage() const
{
    long double UM = 0;
    for (const TPositionseintrag& E : m_Positionen)
        if (const TPosition* P = E.Als<TPosition>())
            UM += static_cast<long double>(P->Abmessungen.Anzahl()) * P->Abmessungen.UM_Montage();
    return UM;
}

TBestellung::TWarensummen TBestellung::Warensummen(long double UM_Fenster) const
{
    TWarensummen S;
    for (const TPositionseintrag& E : m_Positionen) {
        if (!Ist_Ware(E.Positionstyp()) || !E.hatObjekt())
            continue;
        const long double Gesamt = E.Gesamtpreis(UM_Fenster, 0.0L);
        const long double Fest = E.Gesamtpreis_Nicht_Rabattfaehig(UM_Fenster);
        S.Rabattfaehig += Gesamt - Fest;
        S.Nicht_Rabattfaehig += Fest;
    }
    return S;
}

TSummen TBestellung::Summen() const
{
    TSummen S;
    S.Gesamt_UM_Fenster = Gesamt_UM_Fenster();
    S.Gesamt_UM_Montage = Gesamt_UM_Montage();
    const TWarensummen W = Warensummen(S.Gesamt_UM_Fenster);
    const long double R = W.Rabattfaehig;
    const long double N = W.Nicht_Rabattfaehig;
    const long double A = RabattAuswahl;
    const long double B = Rabatt;
    const long double C = RabattObjekt;
    S.Summe_Rabattfaehig = R;
    S.Summe_Nicht_Rabattfaehig = N;
    S.Betrag_RabattAuswahl = R * (-A) / 100;
    S.Betrag_Rabatt = (R + N) * (100 - A) / 100 * (-B) / 100;
    S.Betrag_RabattObjekt = R * (100 - A) / 100 * (100 - B) / 100 * (-C) / 100;
    S.Summe_Waren = R + S.Betrag_RabattAuswahl + S.Betrag_Rabatt + S.Betrag_RabattObjekt + N;

    long double Lieferung_Montage = 0;
    for (const TPositionseintrag& E : m_Positionen) {
        if (!E.hatObjekt())
            continue;
        if (E.Positionstyp() == Positionstyp::Lieferung || E.Positionstyp() == Positionstyp::Montage)
            Lieferung_Montage += E.Gesamtpreis(S.Gesamt_UM_Fenster, S.Summe_Waren);
    }
    S.Summe_Lieferung_Montage = Lieferung_Montage;
    S.Gesamtsumme = S.Summe_Waren + S.Summe_Lieferung_Montage;
    return S;
}

bool TBestellung::Berechnet(std::uint32_t Typ)
{
    return Ist_Ware(Typ) || Typ == Positionstyp::Lieferung || Typ == Positionstyp::Montage;
}

long double TBestellung::Summe_Rabattfaehig() const { return Warensummen(Gesamt_UM_Fenster()).Rabattfaehig; }
long double TBestellung::Summe_Nicht_Rabattfaehig() const { return Warensummen(Gesamt_UM_Fenster()).Nicht_Rabattfaehig; }
long double TBestellung::Betrag_RabattAuswahl() const { return Summen().Betrag_RabattAuswahl; }
long double TBestellung::Betrag_Rabatt() const { return Summen().Betrag_Rabatt; }
long double TBestellung::Betrag_RabattObjekt() const { return Summen().Betrag_RabattObjekt; }
long double TBestellung::Summe_Waren() const { return Summen().Summe_Waren; }
long double TBestellung::Summe_Lieferung_Montage() const { return Summen().Summe_Lieferung_Montage; }
long double TBestellung::Gesamtsumme() const { return Summen().Gesamtsumme; }

// ---------------------------------------------------------------- copy

void TBestellung::Kopieren_Von(const TBestellung& Andere)
{
    // Whether this order was changed stays its own.
    const bool Geaendert = wurdeGeandert;
    Kopfdaten_Setzen(Andere);
    wurdeGeandert = Geaendert;
    Filename = Andere.Filename;
    Kennung = Andere.Kennung;
    m_Positionen = Andere.m_Positionen;
}

// ---------------------------------------------------------------- order file

bool TBestellung::Ini_Speichern(TIniDatei& Ini) const
{
    Ini.Text_Schreiben(Abschnitt_Version, QStringLiteral("Info"), QStringLiteral("1.2"));
    const QString B = Abschnitt_Bestellung;
    Ini.Ganzzahl_Schreiben(B, QStringLiteral("lengthPositionen"), Anzahl_Positionen());
    Ini.Text_Schreiben(B, QStringLiteral("Filename"), Filename);
    Ini.Bool_Schreiben(B, QStringLiteral("wurdeGeandert"), wurdeGeandert);
    Ini.Text_Schreiben(B, QStringLiteral("Datum"), Datum);
    Ini.Text_Schreiben(B, QStringLiteral("Ansprechpartner"), Ansprechpartner);
    Ini.Text_Schreiben(B, QStringLiteral("Telefon"), Telefon);
    Ini.Text_Schreiben(B, QStringLiteral("Rechnungsempfaenger"), Rechnungsempfaenger);
    Ini.Text_Schreiben(B, QStringLiteral("Bauvorhaben"), Bauvorhaben);
    Ini.Bool_Schreiben(B, QStringLiteral("RabattChecked"), RabattChecked);
    Ini.Text_Schreiben(B, QStringLiteral("RabattAuswahlText"), RabattAuswahlText);
    Ini.Ganzzahl_Schreiben(B, QStringLiteral("RabattAuswahl"), RabattAuswahl);
    Ini.Ganzzahl_Schreiben(B, QStringLiteral("Rabatt"), Rabatt);
    Ini.Ganzzahl_Schreiben(B, QStringLiteral("RabattObjekt"), RabattObjekt);
    Ini.Text_Schreiben(B, QStringLiteral("Bemerkungen"), Bemerkungen);
    Ini.Zahl_Schreiben(B, QStringLiteral("GesamtUM"), GesamtUM);
    Ini.Text_Schreiben(B, QStringLiteral("Dateiname"), Dateiname);
    Ini.Bool_Schreiben(B, QStringLiteral("MitNachtext"), MitNachtext);
    if (!Kennung.isEmpty())
        Ini.Text_Schreiben(B, QStringLiteral("Kennung"), Kennung);

    for (int i = 0; i < Anzahl_Positionen(); ++i) {
        const QString P = Abschnitt_Position(i);
        const TPositionseintrag& E = m_Positionen[std::size_t(i)];
        Ini.Ganzzahl_Schreiben(P, QStringLiteral("Positionstyp"), std::int32_t(E.Positionstyp()));
        E.Ini_Speichern(Ini, P);
    }
    return true;
}

bool TBestellung::Ini_Laden(const TIniDatei& Ini)
{
    (void)Ini.Wert(Abschnitt_Version, QStringLiteral("Info")); // every file is read by the same rules
    const QString B = Abschnitt_Bestellung;
    const std::int32_t Anzahl = Ini.Ganzzahl_Lesen(B, QStringLiteral("lengthPositionen"), Anzahl_Positionen(), 0, MaxPositionen);

    Filename = Ini.Text_Lesen(B, QStringLiteral("Filename"), Filename);
    wurdeGeandert = Ini.Bool_Lesen(B, QStringLiteral("wurdeGeandert"), wurdeGeandert);
    Datum = Ini.Text_Lesen(B, QStringLiteral("Datum"), Datum);
    Ansprechpartner = Ini.Text_Lesen(B, QStringLiteral("Ansprechpartner"), Ansprechpartner);
    Telefon = Ini.Text_Lesen(B, QStringLiteral("Telefon"), Telefon);
    Rechnungsempfaenger = Ini.Text_Lesen(B, QStringLiteral("Rechnungsempfaenger"), Rechnungsempfaenger);
    Bauvorhaben = Ini.Text_Lesen(B, QStringLiteral("Bauvorhaben"), Bauvorhaben);
    RabattChecked = Ini.Bool_Lesen(B, QStringLiteral("RabattChecked"), RabattChecked);
    RabattAuswahlText = Ini.Text_Lesen(B, QStringLiteral("RabattAuswahlText"), RabattAuswahlText);
    RabattAuswahl = Ini.Ganzzahl_Lesen(B, QStringLiteral("RabattAuswahl"), RabattAuswahl, -Lesegrenzen::Rabatt_Max,
                                       Lesegrenzen::Rabatt_Max);
    // The two discount fields take 0 to 100; the discount code's percentage is a surcharge when negative.
    Rabatt = Ini.Ganzzahl_Lesen(B, QStringLiteral("Rabatt"), Rabatt, 0, Lesegrenzen::Rabatt_Max);
    RabattObjekt = Ini.Ganzzahl_Lesen(B, QStringLiteral("RabattObjekt"), RabattObjekt, 0, Lesegrenzen::Rabatt_Max);
    Bemerkungen = Ini.Text_Lesen(B, QStringLiteral("Bemerkungen"), Bemerkungen);
    GesamtUM = Ini.Zahl_Lesen(B, QStringLiteral("GesamtUM"), GesamtUM, -Lesegrenzen::Gesamt_UM_Max,
                              Lesegrenzen::Gesamt_UM_Max);
    Dateiname = Ini.Text_Lesen(B, QStringLiteral("Dateiname"), Dateiname);
    MitNachtext = Ini.Bool_Lesen(B, QStringLiteral("MitNachtext"), MitNachtext);
    Kennung = Ini.Text_Lesen(B, QStringLiteral("Kennung"), Kennung);

    m_Positionen.reserve(std::size_t(Anzahl));
    for (int i = 0; i < Anzahl; ++i) {
        const QString P = Abschnitt_Position(i);
        // A declared position without its section means the file was cut short.
        if (!Ini.Abschnitt_Vorhanden(P))
            throw EAbgeschnitten(QStringLiteral("Die Datei ist unvollständig: der Abschnitt [%1] fehlt.").arg(P));
        const std::int32_t Typ = Ini.Ganzzahl_Lesen(P, QStringLiteral("Positionstyp"), std::int32_t(Positionstyp::Fenster));
        Position_Anfuegen(static_cast<std::uint32_t>(Typ));
        if (!m_Positionen.back().hatObjekt())
            throw ELadefehler(P, QStringLiteral("Positionstyp"),
                              Ini.Wert(P, QStringLiteral("Positionstyp")).value_or(QString::number(Typ)));
        m_Positionen.back().Ini_Laden(Ini, P);
    }
    return true;
}

void TBestellung::Auswahl_Pruefen() const
{
    for (int i = 0; i < Anzahl_Positionen(); ++i)
        m_Positionen[std::size_t(i)].Auswahl_Pruefen(Abschnitt_Position(i));
}

const std::array<TBestellung::TRabattAuswahl, 4>& TBestellung::Rabattauswahl()
{
    static const std::array<TRabattAuswahl, 4> Tabelle = {{
        {QStringLiteral("--"),                                                 QString(),             0},
        {QStringLiteral("RSG Zadazu System Garantie + 15 %  (falls möglich)"), QStringLiteral("RSG"), -15},
        {QStringLiteral("TFS Talvern Fenster Solid            -   5 %"),       QStringLiteral("TFS"), 5},
        {QStringLiteral("TGF Tauch Grundierte Fenster   - 10 %"),              QStringLiteral("TGF"), 10},
    }};
    return Tabelle;
}

bool TBestellung::Rabattauswahl_Setzen(int Index)
{
    if (Index < 0 || Index >= int(Rabattauswahl().size()))
        return false;
    RabattAuswahlText = Rabattauswahl()[std::size_t(Index)].Kennung;
    RabattAuswahl = Rabattauswahl()[std::size_t(Index)].Prozent;
    return true;
}
