#include "sheet/THtmlDatei.h"

#include "base/Dateifehler.h"
#include "base/Zahlformat.h"
#include "order/TBestellung.h"
#include "sheet/Herstellerdaten.h"

#include <QByteArray>
#include <QIODevice>
#include <QSaveFile>

#include <cerrno>
#include <cstdint>

namespace {

// Order texts become HTML text: markup characters are shown, not obeyed; a
// line break (CR LF, LF or CR) shows as one; a tab shows as a blank; other
// control characters, and the codes that Windows-1252 leaves undefined, are
// left out, for the sheet declares ISO-8859-1 and they have no glyph there.
QString Text(const QString& Roh)
{
    QString Html;
    Html.reserve(Roh.size());
    for (qsizetype i = 0; i < Roh.size(); ++i) {
        const char16_t c = Roh[i].unicode();
        switch (c) {
        case u'&': Html += QLatin1String("&amp;"); break;
        case u'<': Html += QLatin1String("&lt;"); break;
        case u'>': Html += QLatin1String("&gt;"); break;
        case u'"': Html += QLatin1String("&quot;"); break;
        case u'\t': Html += QLatin1Char(' '); break;
        case u'\r':
            if (i + 1 < Roh.size() && Roh[i + 1] == QLatin1Char('\n'))
                ++i;
            Html += QLatin1String("<br>");
            break;
        case u'\n': Html += QLatin1String("<br>"); break;
        default:
            if (c >= 0x20 && (c < 0x7F || c > 0x9F))
                Html += Roh[i];
        }
    }
    return Html;
}

// The padding counts the characters the reader sees, so it is taken before escaping.
QString Unterstrichen(const QString& Roh, qsizetype Mindestlaenge)
{
    QString Html = QStringLiteral("<span style=\"text-decoration: underline;\">") + Text(Roh);
    for (qsizetype i = Roh.size(); i < Mindestlaenge; ++i)
        Html += QLatin1String("&nbsp;");
    return Html + QLatin1String("</span>");
}

QString Zahl(std::int64_t Wert)
{
    return QString::number(Wert);
}

// The percentage as the sheet shows it; widened so that no stored value overflows.
QString Umgekehrt(std::int32_t Prozent)
{
    return Zahl(-static_cast<std::int64_t>(Prozent));
}

QString Zelle(const QString& Inhalt)
{
    return QLatin1String("<td>") + Inhalt + QLatin1String("</td>");
}

QString Zelle2(const QString& Inhalt)
{
    return QLatin1String("<td colspan=\"2\">") + Inhalt + QLatin1String("</td>");
}

QString Fett(const QString& Inhalt)
{
    return QLatin1String("<span style=\"font-weight: bold;\">") + Inhalt + QLatin1String("</span>");
}

QString Zeilenanfang(bool Grau)
{
    return Grau ? QStringLiteral("<tr style=\"background: #EEEEEE;\">") : QStringLiteral("<tr>");
}

const QString Kaestchen = QStringLiteral(
    "<span style=\"border: 1pt black solid; width: 11pt; height: 11pt;\">&nbsp;&nbsp;&nbsp;</span>");

const char* const Stilregeln[] = {
    "body{width: 14.5cm;margin-left: 2cm;margin-right: 2cm;margin-top: 6cm;margin-bottom: 2.5cm;font: 10pt Arial, sans-serif;}",
    "a:link{color: #680000;}",
    "a:visited{color: #680000;}",
    "a:hover{color: #FF0220;}",
    "h1{font: bold 24pt Arial, sans-serif;color: red;}",
    "table.kopf{width: 14.5cm;}",
    "table.absender{width: 14.5cm;white-space: nowrap;}",
    "table.positionen{font: 8pt Arial, sans-serif;width: 14.5cm;border: 1pt gray solid;border-collapse: collapse;border-spacing: 0px;empty-cells: show;}",
    "p.klein{font: 8pt Arial, sans-serif;}",
    "table.positionen tr{border-top: 1pt gray solid;border-bottom: 1pt gray solid;}",
    "table.positionen th{border-left: 1pt gray solid;border-right: 1pt gray solid;text-align: center;}",
    "table.positionen td{border-left: 1pt gray solid;border-right: 1pt gray solid;text-align: center;}",
    "table.positionen td.left{text-align: left;}",
    "table.fuss{width: 14.5cm;font-size: 6pt;}",
};

void Kopf(QString& H)
{
    H += QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"\"http://www.w3.org/TR/html4/strict.dtd\">"
                        "<html><head><title>Bestellblatt</title>"
                        "<!-- - Talvern Fenster GmbH</title> -->"
                        "<meta http-equiv=\"content-type\" content=\"text/html; charset=ISO-8859-1\">"
                        "<style type=\"text/css\"><!--");
    for (const char* Regel : Stilregeln)
        H += QLatin1String(Regel);
    H += QStringLiteral("--></style></head><body><table border=\"0\">");
}

// Stays inside a comment: browsers do not show it.
void Herstellerkopf(QString& H)
{
    using namespace Herstellerdaten;
    H += QStringLiteral("<!--<h1>Bitte zurückfaxen an: ") + Fax + QStringLiteral("</h1>");
    H += QStringLiteral("<img src=\"") + Logo + QStringLiteral("\" width=\"180\" height=\"180\" alt=\"") + Firma
         + QStringLiteral("\">");
    H += QStringLiteral("<table border=\"0\" class=\"kopf\"><tr><td colspan=\"2\"><a href=\"") + Weblink
         + QStringLiteral("\">") + Webadresse + QStringLiteral("</a></td><td colspan=\"2\">Tel. ") + Telefon
         + QStringLiteral("</td></tr>");
    for (const TAnsprechpartner& Partner : Ansprechpartner)
        H += QStringLiteral("<tr>") + Zelle(Partner.Thema) + Zelle(QStringLiteral("-")) + Zelle(Partner.Name)
             + Zelle(Partner.Durchwahl) + QStringLiteral("</tr>");
    H += QStringLiteral("</table>-->");
}

void Absender(QString& H, const TBestellung& B)
{
    H += QStringLiteral("<tr><td></td><td><table border=\"0\" class=\"absender\"><tr><td colspan=\"5\">");
    H += Kaestchen + QStringLiteral(" Angebot / ") + Kaestchen;
    H += QStringLiteral("Bestellung (lt. Angebot vom <span style=\"background: lightgray;\">____-____-____</span>"
                        ") (Zutreffendes bitte ankreuzen)</td></tr><tr><td>Datum: ");
    H += Unterstrichen(B.Datum, 10) + QStringLiteral("</td><td>Ansprechpartner: </td><td>");
    H += Unterstrichen(B.Ansprechpartner, 14) + QStringLiteral("</td><td>Telefon: </td><td>");
    H += Unterstrichen(B.Telefon, 8) + QStringLiteral("</td></tr>");
    H += QStringLiteral("<tr><td>Rechnungsempfänger: </td><td colspan=\"4\">") + Unterstrichen(B.Rechnungsempfaenger, 50)
         + QStringLiteral("</td></tr>");
    H += QStringLiteral("<tr><td>Bauvorhaben: </td><td colspan=\"4\">") + Unterstrichen(B.Bauvorhaben, 50)
         + QStringLiteral("</td></tr>");
    H += QStringLiteral("<tr><td>Bemerkungen: </td><td colspan=\"4\">") + Text(B.Bemerkungen)
         + QStringLiteral("</td></tr>");
    H += QStringLiteral("</table></td><td></td></tr>");
}

void Tabellenkopf(QString& H)
{
    H += QStringLiteral("<tr><td></td><td><table border=\"1\" cellspacing=\"0\" width=\"14.5cm\" class=\"positionen\">"
                        "<tr><th>Pos.</th><th>Bez.</th><th>Stück</th><th colspan=\"10\">Beschreibung</th>"
                        "<th colspan=\"2\">Gesamtpreis &euro;</th></tr>"
                        "<tr><th></th><th></th><th></th><th>B [mm]</th><th>H [mm]</th><th>OL [mm]</th>"
                        "<th>Flügel</th><th>Drehr.</th><th>ulfm. [m]</th><th>Meterpr. &euro;</th>"
                        "<th>zzgl. /Stck. &euro;</th><th colspan=\"2\">Einzelpr. &euro;</th><th colspan=\"2\"></th></tr>");
}

void Fensterzeilen(QString& H, const QString& Anfang, const QString& Nummer, const TPosition& P)
{
    const TAbmessungen& A = P.Abmessungen;
    H += Anfang + Zelle(Nummer) + Zelle(Text(P.Bez)) + Zelle(Zahl(A.Anzahl()));
    H += Zelle(Zahl(A.Breite())) + Zelle(Zahl(A.Hoehe())) + Zelle(Zahl(A.HoeheOberlicht()));
    H += Zelle(Zahl(A.Fluegelanzahl())) + Zelle(Text(A.Drehrichtung)) + Zelle(Zahlformat::Festkomma(A.UM(), 1));
    H += Zelle(Zahlformat::Betrag(P.Meterpreis())) + Zelle(Zahlformat::Betrag(P.Stueckpreis()));
    H += Zelle2(Zahlformat::Betrag(P.Einzelpreis())) + Zelle2(Fett(Zahlformat::Betrag(P.Gesamtpreis())));
    H += QStringLiteral("</tr>");

    // The window's own description joins the group fragments in the sheet's order.
    H += Anfang + QStringLiteral("<td></td><td></td><td></td><td class=\"left\" colspan=\"8\">") + Text(P.Beschreibung())
         + QStringLiteral("</td>") + Zelle2(QStringLiteral("&nbsp;")) + Zelle2(QStringLiteral("&nbsp;"))
         + QStringLiteral("</tr>");
}

void Einzeile(QString& H, const QString& Anfang, const QString& Nummer, const QString& Bez, const QString& Anzahl,
              const QString& Beschreibung, const QString& Einzelpreis, const QString& Gesamtpreis)
{
    H += Anfang + Zelle(Nummer) + Zelle(Bez) + Zelle(Anzahl);
    H += QStringLiteral("<td class=\"left\" colspan=\"8\">") + Beschreibung + QStringLiteral("</td>");
    H += Zelle2(Einzelpreis) + Zelle2(Fett(Gesamtpreis)) + QStringLiteral("</tr>");
}

void Positionszeilen(QString& H, const TPositionseintrag& E, const QString& Anfang, const QString& Nummer,
                     const TSummen& S)
{
    const std::uint32_t Typ = E.Positionstyp();
    if (const TPosition* Fenster = E.Als<TPosition>()) {
        Fensterzeilen(H, Anfang, Nummer, *Fenster);
        return;
    }
    if (!E.hatObjekt()) {
        // Only a damaged file brings a kind without a class: it has nothing to show and costs nothing.
        Einzeile(H, Anfang, Nummer, QString(), QString(), QString(), QString(), QString());
        return;
    }
    const QString Einzelpreis = Zahlformat::Betrag(E.Einzelpreis(S.Gesamt_UM_Fenster, S.Summe_Waren));
    const QString Gesamtpreis = Zahlformat::Betrag(E.Gesamtpreis(S.Gesamt_UM_Fenster, S.Summe_Waren));
    const QString Bez = Typ == Positionstyp::Sonderfarbe ? QStringLiteral("&nbsp;") : Text(E.Bez());
    const bool Einmalig = Typ == Positionstyp::Sonderfarbe || Typ == Positionstyp::Lieferung;
    const QString Anzahl = Einmalig ? QStringLiteral("1") : Zahl(E.Anzahl());
    Einzeile(H, Anfang, Nummer, Bez, Anzahl, Text(E.Beschreibung()), Einzelpreis, Gesamtpreis);
}

void Positionen(QString& H, const TBestellung& B, const TSummen& S)
{
    int Nummer = 1;
    bool Grau = false;
    for (const TPositionseintrag& E : B.Positionen()) {
        if (E.Positionstyp() == Positionstyp::Zulage2)
            continue;
        const QString N = Zahl(Nummer);
        const QString Typ = Zahl(E.Positionstyp());
        H += QStringLiteral("<!-- Position ") + N + QStringLiteral(" (Typ ") + Typ + QStringLiteral(") Anfang -->");
        Positionszeilen(H, E, Zeilenanfang(Grau), N, S);
        H += QStringLiteral("<!-- Position ") + N + QStringLiteral(" (Typ ") + Typ + QStringLiteral(") Ende -->");
        ++Nummer;
        Grau = !Grau;
    }
}

void Summenzeile(QString& H, const QString& Anfang, const QString& Kopfzelle, const QString& Wertzellen)
{
    H += Anfang + QStringLiteral("<td colspan=\"11\"></td>") + Kopfzelle + Wertzellen + QStringLiteral("</tr>");
}

QString Rabattkopf(const QString& Beschriftung)
{
    return QStringLiteral("<th colspan=\"2\" style=\"font-weight: normal;\">") + Beschriftung + QStringLiteral("</th>");
}

QString Fettzelle2(long double Betrag)
{
    return QStringLiteral("<td colspan=\"2\" style=\"font-weight: bold;\">") + Zahlformat::Betrag(Betrag)
           + QStringLiteral("</td>");
}

void Summen(QString& H, const TBestellung& B, const TSummen& S)
{
    H += QStringLiteral("<tr><td colspan=\"3\">Gesamt UM Fenster: </td><td colspan=\"12\" style=\"text-align: left;\">")
         + Zahlformat::Betrag(S.Gesamt_UM_Fenster) + QStringLiteral("</td></tr>");
    H += QStringLiteral("<tr><td colspan=\"3\">Gesamt UM Montage: </td><td colspan=\"12\" style=\"text-align: left;\">")
         + Zahlformat::Betrag(S.Gesamt_UM_Montage) + QStringLiteral("</td></tr>");

    Summenzeile(H, QStringLiteral("<tr style=\"border-top: 2px black solid; border-bottom: 2px black solid;\">"),
                Rabattkopf(QStringLiteral("Zwischensumme: ")), Zelle2(Zahlformat::Betrag(S.Zwischensumme())));
    if (B.RabattAuswahl != 0)
        Summenzeile(H, QStringLiteral("<tr>"),
                    Rabattkopf(Text(B.RabattAuswahlText) + QLatin1Char(' ') + Umgekehrt(B.RabattAuswahl)
                               + QStringLiteral("%: ")),
                    Fettzelle2(S.Betrag_RabattAuswahl));
    if (B.Rabatt != 0)
        Summenzeile(H, QStringLiteral("<tr>"),
                    Rabattkopf(QStringLiteral("Rabatt ") + Umgekehrt(B.Rabatt) + QStringLiteral("%: ")),
                    Fettzelle2(S.Betrag_Rabatt));
    if (B.RabattObjekt != 0)
        Summenzeile(H, QStringLiteral("<tr>"),
                    Rabattkopf(QStringLiteral("Objektrabatt ") + Umgekehrt(B.RabattObjekt) + QStringLiteral("%: ")),
                    QStringLiteral("<td>&nbsp;</td><td style=\"font-weight: bold;\">")
                        + Zahlformat::Betrag(S.Betrag_RabattObjekt) + QStringLiteral("</td>"));
    Summenzeile(H, QStringLiteral("<tr style=\"font-weight: bold; font-size: 10pt;\">"),
                QStringLiteral("<th colspan=\"2\">Summe: </th>"), Zelle2(Zahlformat::Betrag(S.Gesamtsumme)));
    H += QStringLiteral("</table></td><td></td></tr>");
}

void Bedingungen(QString& H)
{
    H += QStringLiteral(
        "<tr><td>&nbsp;</td><td><p class=\"klein\">"
        "Das Angebot gilt 4 Wochen. Preise sind Listenpreise in Euro. Netto zzgl. MwSt. Abzüglich Gesamtrabatt. "
        "Für Angebote unter 4200 &euro; Netto fällt Transportpauschale an. "
        "Die angegebenen Preisinformationen sind nur ein Angebot. Es kommt durch eine Bestellung kein Vertrag "
        "zustande. Erst unsere schriftliche Bestätigung wird durch Ihre Unterschrift zum Vertag. "
        "</p></td><td>&nbsp;</td></tr>");
    H += QStringLiteral("<tr><td>&nbsp;</td><td>&nbsp;</td><td>&nbsp;</td></tr>");
}

// Stays inside a comment: browsers do not show it.
void Fuss(QString& H)
{
    using namespace Herstellerdaten;
    const QString Leer = QStringLiteral("<td></td>");
    H += QStringLiteral("<tr><td></td><td><!--<table border=\"0\" class=\"fuss\">");
    H += QStringLiteral("<tr>") + Zelle(QStringLiteral("Geschäftsführer: ") + Geschaeftsfuehrer)
         + Zelle(QStringLiteral("Bankverbindung")) + Leer
         + Zelle(QStringLiteral("Bestellblatt erzeugt von Quadrolis C2")) + QStringLiteral("</tr>");
    H += QStringLiteral("<tr>") + Zelle(Sitz) + Zelle(Bank) + Leer + Leer + QStringLiteral("</tr>");
    H += QStringLiteral("<tr>") + Zelle(Registergericht) + Zelle(Konto) + Leer + Leer + QStringLiteral("</tr>");
    H += QStringLiteral("<tr>") + Zelle(Registernummer) + Zelle(Bankleitzahl) + Leer + Leer + QStringLiteral("</tr>");
    H += QStringLiteral("<tr>") + Zelle(UStIdNr) + Leer + Leer + Leer + QStringLiteral("</tr>");
    H += QStringLiteral("</table>--></td><td></td></tr>");
}

void Nachtext(QString& H)
{
    using namespace Herstellerdaten;
    H += QStringLiteral("<tr><td>&nbsp;</td><td><div class=\"nachtext\">");
    H += QStringLiteral(
        "<p>Viriduradad IV 68 mit Regenschiene Fenster: EV1, oder preisgleich mit Regenschiene Stil oder preisgleich "
        "ohne Regenschiene mit Wetterschenkel am Flügel. Durchgehende Zierprofile wie Regenschienenabdeckung, "
        "Kämpfer -und Schlagleistenprofil im Preis enthalten, nur für Anwender vom Quadrolis und die Anwender vom "
        "Quadrolis werden.");
    H += QStringLiteral(
        "<p><span style=\"font-weight:bold;\">Herzlichen Glückwunsch</span> zu Ihrer Wahl \"Holzfenster\", denn "
        "Studien belegen überdeutlich, daß der Werkstoff Holz- mittel - und langfristig gesehen allen anderen "
        "Materialien überlegen ist!!! Besonders dann, wenn man in Sachen Klimaschutz als vorbildlich gelten will. "
        "Das Team Talvern ist überzeugt, Ihnen ein vorteilhaftes Angebot unterbreitet zu haben und würde sich sehr "
        "freuen, Ihren Auftrag zu erhalten. Sorgfältige und termingerechte Ausführung sichert Ihnen Team Talvern zu. "
        "Auftragsannahme setzt eine positive Bankauskunft voraus.</p>");
    H += QStringLiteral("<p>Mit freundlichen Grüßen<br><br>Talvern Fenster GmbH<br>") + Geschaeftsfuehrer
         + QStringLiteral("</p>");
    H += QStringLiteral(
        "<p>&nbsp;</p>"
        "<p>Mit seiner nachfolgenden Unterschrift als Auftragsbestätigung, erkennt der Auftraggeber das Angebot an.</p>"
        "<p>Sie erhalten zeitnah eine ausführliche Auftragsbestätigung zur Freigabe mit Zahlungsmodalitäten.</p>"
        "<p>Terminwunsch:<br>Zahlungswunsch:<br><br>Datum:<br><br>Auftrag erteilt:<br></p>"
        "<p>&nbsp;</p>"
        "<p>P.S.</p>"
        "<p>Vorteile in Kurzform:</p><ul>");
    const QString Vorteile[] = {
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
    for (const QString& Vorteil : Vorteile)
        H += QStringLiteral("<li>") + Vorteil + QStringLiteral("</li>");
    H += QStringLiteral("</ul>");
    H += QStringLiteral("<p> Was ist Ihnen wichtig? <br>Was gefällt Ihnen nicht? <br>Was soll besser werden?<br>");
    H += QStringLiteral("</div></td><td>&nbsp;</td></tr>");
}

// ISO-8859-1 bytes; whatever it cannot hold is kept as a numeric character reference.
QByteArray Latin1(const QString& Html)
{
    QByteArray Bytes;
    Bytes.reserve(Html.size());
    for (qsizetype i = 0; i < Html.size(); ++i) {
        char32_t c = Html[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < Html.size() && Html[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(Html[i], Html[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            c = QChar::ReplacementCharacter;
        }
        if (c < 0x100) {
            Bytes += static_cast<char>(c);
        } else {
            Bytes += "&#";
            Bytes += QByteArray::number(static_cast<quint32>(c));
            Bytes += ';';
        }
    }
    return Bytes;
}

} // namespace

QString THtmlDatei::Html_Erzeugen(const TBestellung& Bestellung)
{
    const TSummen S = Bestellung.Summen();
    QString H;
    H.reserve(16384);
    Kopf(H);
    Herstellerkopf(H);
    Absender(H, Bestellung);
    Tabellenkopf(H);
    Positionen(H, Bestellung, S);
    Summen(H, Bestellung, S);
    Bedingungen(H);
    Fuss(H);
    if (Bestellung.MitNachtext)
        Nachtext(H);
    H += QStringLiteral("</table></body></html>");
    m_Html = H;
    return H;
}

bool THtmlDatei::Html_Schreiben(QIODevice& Geraet, const TBestellung& Bestellung)
{
    m_Fehlertext.clear();
    const QByteArray Bytes = Latin1(Html_Erzeugen(Bestellung));
    if (!Geraet.isWritable()) {
        m_Fehlertext = QStringLiteral("Das Ziel ist nicht zum Schreiben geöffnet.");
        return false;
    }
    if (Geraet.write(Bytes) != Bytes.size()) {
        m_Fehlertext = Geraet.errorString();
        if (m_Fehlertext.isEmpty())
            m_Fehlertext = QStringLiteral("Das Bestellblatt konnte nicht vollständig geschrieben werden.");
        return false;
    }
    return true;
}

bool THtmlDatei::Html_Speichern(const QString& Pfad, const TBestellung& Bestellung)
{
    m_Pfad = Pfad;
    m_Fehlertext.clear();
    if (const auto Grund = Dateifehler::Ziel_Pruefen(Pfad)) {
        m_Fehlertext = *Grund;
        return false;
    }
    QSaveFile Datei(Pfad);
    errno = 0;
    if (!Datei.open(QIODevice::WriteOnly)) {
        m_Fehlertext = Dateifehler::Meldung_Nach(errno, true, Pfad);
        return false;
    }
    errno = 0;
    if (!Html_Schreiben(Datei, Bestellung)) {
        m_Fehlertext = Dateifehler::Meldung_Nach(errno, true, Pfad);
        Datei.cancelWriting();
        return false;
    }
    // commit() of Qt 6.4 loses an error of the final flush and would put a
    // truncated sheet in place, so the flush is checked here.
    if (!Datei.flush()) {
        m_Fehlertext = Dateifehler::Meldung_Nach(errno, true, Pfad);
        Datei.cancelWriting();
        return false;
    }
    if (!Datei.commit()) {
        m_Fehlertext = Dateifehler::Meldung_Nach(errno, true, Pfad);
        return false;
    }
    return true;
}
