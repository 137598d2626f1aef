#include "ui/main/Zwischenablage.h"

#include "base/Fehler.h"
#include "ui/main/TPositionsmodell.h"

#include <QMimeData>
#include <QStringList>

namespace Zwischenablage {

const QString Mimetyp = QStringLiteral("application/x-quadrolis-positionen");

namespace {

// A cell of the table: tabs and line breaks would split it.
QString Zelle(QString Text)
{
    for (QChar& Zeichen : Text)
        if (Zeichen == QLatin1Char('\t') || Zeichen == QLatin1Char('\n') || Zeichen == QLatin1Char('\r'))
            Zeichen = QLatin1Char(' ');
    return Text;
}

} // namespace

QMimeData* Einpacken(const TBestellung& Quelle, const std::vector<int>& Zeilen)
{
    TBestellung Auszug;
    std::vector<TPositionseintrag> Eintraege;
    QStringList Tabelle{QStringLiteral("Pos.\tBez.\tStück\tBeschreibung\tEinzelpreis\tGesamtpreis")};
    const TSummen Summen = Quelle.Summen();
    for (int Zeile : Zeilen) {
        const TPositionseintrag& Eintrag = Quelle.Eintrag(Zeile);
        Eintraege.push_back(Eintrag);
        QStringList Spalten;
        for (const QString& Text : TPositionsmodell::Zeile(Eintrag, Zeile, Summen))
            Spalten << Zelle(Text);
        Tabelle << Spalten.join(QLatin1Char('\t'));
    }
    Auszug.Positionen_Ersetzen(0, 0, std::move(Eintraege));
    QByteArray Text;
    if (const Bestelldatei::TErgebnis Ergebnis = Bestelldatei::Bytes_Erzeugen(Auszug, Text); !Ergebnis)
        throw EKonvertierungsfehler(Ergebnis.Fehlertext);
    auto* Daten = new QMimeData;
    Daten->setData(Mimetyp, Text);
    Daten->setText(Tabelle.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return Daten;
}

bool Enthaelt_Positionen(const QMimeData* Daten)
{
    return Daten && Daten->hasFormat(Mimetyp);
}

Bestelldatei::TErgebnis Auspacken(const QMimeData* Daten, std::vector<TPositionseintrag>& Ziel)
{
    Ziel.clear();
    if (!Enthaelt_Positionen(Daten))
        return {false, QStringLiteral("Die Zwischenablage enthält keine Positionen.")};
    TBestellung Gelesen;
    Bestelldatei::TErgebnis Ergebnis =
        Bestelldatei::Bestellung_Lesen(Daten->data(Mimetyp), Gelesen, QStringLiteral("Zwischenablage"));
    if (Ergebnis)
        Ziel = Gelesen.Positionen();
    return Ergebnis;
}

} // namespace Zwischenablage
