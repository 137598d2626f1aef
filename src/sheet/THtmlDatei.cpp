#include "sheet/THtmlDatei.h"

#include "base/Dateifehler.h"
#include "base/Windows1252.h"
#include "order/TBestellung.h"
#include "sheet/TBestellblatt.h"
#include "sheet/Herstellerdaten.h"

#include <QByteArray>
#include <QIODevice>

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
            if (!Windows1252::Steuerzeichen(Roh[i]))
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

// The program's own fixed texts hold no markup characters; only the euro sign
// is written as its entity.
QString Fest(const QString& Roh)
{
    QString Html = Roh;
    return Html.replace(QChar(0x20AC), QLatin1String("&euro;"));
}

void Absender(QString& H, const TBestellblatt& B)
{
    const std::vector<TBlattfeld>& F = B.Absender;
    H += QStringLiteral("<tr><td></td><td><table border=\"0\" class=\"absender\"><tr><td colspan=\"5\">");
    H += Kaestchen + TBestellblatt::Ankreuzen_Angebot + Kaestchen;
    H += TBestellblatt::Ankreuzen_Bestellung + QStringLiteral("<span style=\"background: lightgray;\">")
         + TBestellblatt::Angebotsdatum_Luecke + QStringLiteral("</span>") + TBestellblatt::Ankreuzen_Hinweis
         + QStringLiteral("</td></tr><tr>");
    // Date, contact and telephone share the first row.
    for (std::size_t i = 0; i < 3; ++i) {
        H += (i == 0 ? QStringLiteral("<td>") + F[i].Beschriftung : Zelle(F[i].Beschriftung) + QStringLiteral("<td>"))
             + Unterstrichen(F[i].Wert, F[i].Mindestlaenge) + QStringLiteral("</td>");
    }
    H += QStringLiteral("</tr>");
    for (std::size_t i = 3; i < F.size(); ++i) {
        H += QStringLiteral("<tr><td>") + F[i].Beschriftung + QStringLiteral("</td><td colspan=\"4\">")
             + (F[i].Mindestlaenge > 0 ? Unterstrichen(F[i].Wert, F[i].Mindestlaenge) : Text(F[i].Wert))
             + QStringLiteral("</td></tr>");
    }
    H += QStringLiteral("</table></td><td></td></tr>");
}

QString Kopfzelle(const QString& Inhalt, bool Doppelt, bool Beschreibung = false)
{
    const QString Anfang = Beschreibung ? QStringLiteral("<th colspan=\"10\">")
                           : Doppelt    ? QStringLiteral("<th colspan=\"2\">")
                                        : QStringLiteral("<th>");
    return Anfang + Fest(Inhalt) + QStringLiteral("</th>");
}

void Tabellenkopf(QString& H, const TBestellblatt& B)
{
    H += QStringLiteral("<tr><td></td><td><table border=\"1\" cellspacing=\"0\" width=\"14.5cm\" class=\"positionen\"><tr>");
    const QStringList& Oben = B.Kopfzeile_Oben;
    for (qsizetype i = 0; i < Oben.size(); ++i)
        H += Kopfzelle(Oben[i], i == 4, i == 3);
    H += QStringLiteral("</tr><tr>");
    const QStringList& Unten = B.Kopfzeile_Unten;
    for (qsizetype i = 0; i < Unten.size(); ++i)
        H += Kopfzelle(Unten[i], i >= 11);
    H += QStringLiteral("</tr>");
}

void Fensterzeilen(QString& H, const QString& Anfang, const TBlattposition& P)
{
    H += Anfang + Zelle(P.Nummer) + Zelle(Text(P.Bez)) + Zelle(P.Anzahl);
    H += Zelle(P.Breite) + Zelle(P.Hoehe) + Zelle(P.Hoehe_Oberlicht);
    H += Zelle(P.Fluegel) + Zelle(Text(P.Drehrichtung)) + Zelle(P.Umlaufmeter);
    H += Zelle(P.Meterpreis) + Zelle(P.Stueckpreis);
    H += Zelle2(P.Einzelpreis) + Zelle2(Fett(P.Gesamtpreis));
    H += QStringLiteral("</tr>");

    H += Anfang + QStringLiteral("<td></td><td></td><td></td><td class=\"left\" colspan=\"8\">") + Text(P.Beschreibung)
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

void Positionszeilen(QString& H, const TBlattposition& P)
{
    const QString Anfang = Zeilenanfang(P.Grau);
    switch (P.Art) {
    case TBlattposition::TArt::Fenster:
        Fensterzeilen(H, Anfang, P);
        return;
    case TBlattposition::TArt::Ohne_Inhalt:
        Einzeile(H, Anfang, P.Nummer, QString(), QString(), QString(), QString(), QString());
        return;
    case TBlattposition::TArt::Sonderfarbe:
    case TBlattposition::TArt::Zeile:
        break;
    }
    const QString Bez = P.Art == TBlattposition::TArt::Sonderfarbe ? QStringLiteral("&nbsp;") : Text(P.Bez);
    Einzeile(H, Anfang, P.Nummer, Bez, P.Anzahl, Text(P.Beschreibung), P.Einzelpreis, P.Gesamtpreis);
}

void Positionen(QString& H, const TBestellblatt& B)
{
    for (const TBlattposition& P : B.Positionen) {
        const QString Marke = QStringLiteral("<!-- Position ") + P.Nummer + QStringLiteral(" (Typ ")
                              + TBestellblatt::Zahl(P.Positionstyp);
        H += Marke + QStringLiteral(") Anfang -->");
        Positionszeilen(H, P);
        H += Marke + QStringLiteral(") Ende -->");
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

QString Fettzelle2(const QString& Betrag)
{
    return QStringLiteral("<td colspan=\"2\" style=\"font-weight: bold;\">") + Betrag + QStringLiteral("</td>");
}

void Summen(QString& H, const TBestellblatt& B)
{
    using TArt = TBlattsumme::TArt;
    for (const TBlattsumme& S : B.Summen) {
        switch (S.Art) {
        case TArt::Umlaufmeter:
            H += QStringLiteral("<tr><td colspan=\"3\">") + S.Beschriftung
                 + QStringLiteral("</td><td colspan=\"12\" style=\"text-align: left;\">") + S.Betrag
                 + QStringLiteral("</td></tr>");
            break;
        case TArt::Zwischensumme:
            Summenzeile(H, QStringLiteral("<tr style=\"border-top: 2px black solid; border-bottom: 2px black solid;\">"),
                        Rabattkopf(S.Beschriftung), Zelle2(S.Betrag));
            break;
        case TArt::Rabatt:
            Summenzeile(H, QStringLiteral("<tr>"), Rabattkopf(Text(S.Beschriftung)), Fettzelle2(S.Betrag));
            break;
        case TArt::Objektrabatt:
            Summenzeile(H, QStringLiteral("<tr>"), Rabattkopf(Text(S.Beschriftung)),
                        QStringLiteral("<td>&nbsp;</td><td style=\"font-weight: bold;\">") + S.Betrag
                            + QStringLiteral("</td>"));
            break;
        case TArt::Umsatzsteuer:
            Summenzeile(H, QStringLiteral("<tr>"), Rabattkopf(S.Beschriftung), Zelle2(S.Betrag));
            break;
        case TArt::Summe:
        case TArt::Brutto:
            Summenzeile(H, QStringLiteral("<tr style=\"font-weight: bold; font-size: 10pt;\">"),
                        QStringLiteral("<th colspan=\"2\">") + S.Beschriftung + QStringLiteral("</th>"),
                        Zelle2(S.Betrag));
            break;
        }
    }
    H += QStringLiteral("</table></td><td></td></tr>");
}

QString Absatzinhalt(const TAbsatz& A)
{
    if (A.Zeilen.isEmpty())
        return QStringLiteral("&nbsp;");
    QString Html;
    if (!A.Fett.isEmpty())
        Html += QStringLiteral("<span style=\"font-weight:bold;\">") + Fest(A.Fett) + QStringLiteral("</span>");
    for (qsizetype i = 0; i < A.Zeilen.size(); ++i)
        Html += (i > 0 ? QStringLiteral("<br>") : QString()) + Fest(A.Zeilen[i]);
    return Html;
}

void Bedingungen(QString& H, const TBestellblatt& B)
{
    H += QStringLiteral("<tr><td>&nbsp;</td><td>");
    for (const TAbsatz& A : B.Bedingungen)
        H += QStringLiteral("<p class=\"klein\">") + Absatzinhalt(A) + QStringLiteral("</p>");
    H += QStringLiteral("</td><td>&nbsp;</td></tr>");
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

void Nachtext(QString& H, const TBestellblatt& B)
{
    H += QStringLiteral("<tr><td>&nbsp;</td><td><div class=\"nachtext\">");
    for (const TAbsatz& A : B.Nachtext) {
        if (A.Liste) {
            H += QStringLiteral("<ul>");
            for (const QString& Punkt : A.Zeilen)
                H += QStringLiteral("<li>") + Fest(Punkt) + QStringLiteral("</li>");
            H += QStringLiteral("</ul>");
            continue;
        }
        H += QStringLiteral("<p>") + Absatzinhalt(A);
        if (!A.Offen)
            H += QStringLiteral("</p>");
    }
    H += QStringLiteral("</div></td><td>&nbsp;</td></tr>");
}

// ISO-8859-1 bytes; whatever it cannot hold is kept as a numeric character reference.
QByteArray Latin1(const QString& Html)
{
    const QStringView Text(Html);
    const auto Latin1_Bis = [&Text](qsizetype Ab) {
        while (Ab < Text.size() && Text[Ab].unicode() < 0x100)
            ++Ab;
        return Ab;
    };
    // The sheet is nearly all ISO-8859-1: such runs are converted whole.
    if (Latin1_Bis(0) == Text.size())
        return Html.toLatin1();
    QByteArray Bytes;
    Bytes.reserve(Text.size() + 16);
    qsizetype i = 0;
    while (i < Text.size()) {
        const qsizetype Ende = Latin1_Bis(i);
        if (Ende > i)
            Bytes += Text.sliced(i, Ende - i).toLatin1();
        if (Ende == Text.size())
            break;
        i = Ende;
        char32_t c = Text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < Text.size() && Text[i + 1].isLowSurrogate()) {
            c = QChar::surrogateToUcs4(Text[i], Text[i + 1]);
            ++i;
        } else if (QChar::isSurrogate(c)) {
            c = QChar::ReplacementCharacter;
        }
        ++i;
        Bytes += "&#";
        Bytes += QByteArray::number(static_cast<quint32>(c));
        Bytes += ';';
    }
    return Bytes;
}

} // namespace

QString THtmlDatei::Html_Erzeugen(const TBestellung& Bestellung)
{
    const TBestellblatt Blatt(Bestellung, m_Steuer);
    QString H;
    // About half a kilobyte of markup per row: a long order is not copied
    // again and again while its sheet grows.
    H.reserve(16384 + 512 * qsizetype(Blatt.Positionen.size()));
    Kopf(H);
    Herstellerkopf(H);
    Absender(H, Blatt);
    Tabellenkopf(H, Blatt);
    Positionen(H, Blatt);
    Summen(H, Blatt);
    Bedingungen(H, Blatt);
    Fuss(H);
    if (!Blatt.Nachtext.empty())
        Nachtext(H, Blatt);
    H += QStringLiteral("</table></body></html>");
    return H;
}

bool THtmlDatei::Html_Schreiben(QIODevice& Geraet, const TBestellung& Bestellung)
{
    m_Fehlertext.clear();
    const QByteArray Bytes = Latin1(Html_Erzeugen(Bestellung));
    if (const auto Grund = Dateifehler::Auf_Geraet_Schreiben(Geraet, Bytes)) {
        m_Fehlertext = *Grund;
        return false;
    }
    return true;
}

bool THtmlDatei::Html_Speichern(const QString& Pfad, const TBestellung& Bestellung)
{
    m_Pfad = Pfad;
    m_Fehlertext.clear();
    const QByteArray Bytes = Latin1(Html_Erzeugen(Bestellung));
    if (const auto Grund = Dateifehler::Ersetzen(Pfad, Bytes)) {
        m_Fehlertext = *Grund;
        return false;
    }
    return true;
}
