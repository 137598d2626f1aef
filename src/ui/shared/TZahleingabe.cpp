#include "ui/shared/TZahleingabe.h"

#include "base/Zahlformat.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

QString TZahleingabe::Eingabe_Pruefen(const QString& Text, TZahlart Art, std::int64_t Untergrenze,
                                      std::int64_t Obergrenze, const QLocale& Gebietsschema)
{
    if (Text.isEmpty())
        return {};
    switch (Art) {
    case TZahlart::Integer: {
        const auto Wert = Zahlformat::Ganzzahl_Eingabe_Deuten(Text);
        if (!Wert || *Wert < Untergrenze || *Wert > Obergrenze)
            return {};
        return QString::number(*Wert);
    }
    case TZahlart::Extended: {
        const auto Wert = Zahlformat::Zahl_Eingabe_Deuten(Text, Gebietsschema);
        if (!Wert || *Wert < double(Untergrenze) || *Wert > double(Obergrenze))
            return {};
        // "+ 0.0" turns a negative zero into the zero the user means.
        return Zahlformat::Allgemein(*Wert + 0.0, Gebietsschema);
    }
    }
    return {};
}

bool TZahleingabe::Eingabe_Gueltig(const QString& Text, TZahlart Art, std::int64_t Untergrenze,
                                   std::int64_t Obergrenze, const QLocale& Gebietsschema)
{
    return !Eingabe_Pruefen(Text, Art, Untergrenze, Obergrenze, Gebietsschema).isEmpty();
}

void TZahleingabe::Farbe_Setzen(QLineEdit& Feld, bool Gueltig)
{
    QPalette Palette = Feld.palette();
    Palette.setColor(QPalette::Text, Gueltig ? QApplication::palette(&Feld).color(QPalette::Text) : QColor(255, 0, 0));
    Feld.setPalette(Palette);
}

bool TZahleingabe::Eingabe_Faerben(QLineEdit& Feld, TZahlart Art, std::int64_t Untergrenze, std::int64_t Obergrenze)
{
    const bool Gueltig = Eingabe_Gueltig(Feld.text(), Art, Untergrenze, Obergrenze);
    Farbe_Setzen(Feld, Gueltig);
    return Gueltig;
}
