#include "ui/shared/TZahleingabe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

#include <cmath>
#include <limits>

namespace {

int Ziffernwert(QChar Zeichen, int Basis)
{
    const char16_t c = Zeichen.unicode();
    int Wert = -1;
    if (c >= u'0' && c <= u'9')
        Wert = c - u'0';
    else if (c >= u'a' && c <= u'f')
        Wert = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        Wert = c - u'A' + 10;
    return Wert < Basis ? Wert : -1;
}

} // namespace

std::optional<std::int32_t> TZahleingabe::Ganzzahl_Lesen(const QString& Text)
{
    qsizetype i = 0;
    const qsizetype n = Text.size();
    while (i < n && (Text[i] == u' ' || Text[i] == u'\t'))
        ++i;
    bool Negativ = false;
    if (i < n && (Text[i] == u'+' || Text[i] == u'-')) {
        Negativ = Text[i] == u'-';
        ++i;
    }
    int Basis = 10;
    if (i < n && Text[i] == u'$') {
        Basis = 16;
        ++i;
    } else if (i + 1 < n && Text[i] == u'0' && (Text[i + 1] == u'x' || Text[i + 1] == u'X')) {
        Basis = 16;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    // One more than the largest magnitude, so that -2147483648 still fits.
    constexpr std::int64_t Grenze = std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t Betrag = 0;
    for (; i < n; ++i) {
        const int Ziffer = Ziffernwert(Text[i], Basis);
        if (Ziffer < 0)
            return std::nullopt;
        Betrag = Betrag * Basis + Ziffer;
        if (Betrag > Grenze)
            return std::nullopt;
    }
    const std::int64_t Wert = Negativ ? -Betrag : Betrag;
    if (Wert > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return std::int32_t(Wert);
}

std::optional<double> TZahleingabe::Zahl_Lesen(const QString& Text, const QLocale& Gebietsschema)
{
    QLocale L(Gebietsschema);
    L.setNumberOptions(QLocale::RejectGroupSeparator);
    bool Ok = false;
    const double Wert = L.toDouble(Text.trimmed(), &Ok);
    if (!Ok || !std::isfinite(Wert))
        return std::nullopt;
    return Wert;
}

QString TZahleingabe::Eingabe_Pruefen(const QString& Text, TZahlart Art, std::int64_t Untergrenze,
                                      std::int64_t Obergrenze, const QLocale& Gebietsschema)
{
    if (Text.isEmpty())
        return {};
    switch (Art) {
    case TZahlart::Integer: {
        const auto Wert = Ganzzahl_Lesen(Text);
        if (!Wert || *Wert < Untergrenze || *Wert > Obergrenze)
            return {};
        return QString::number(*Wert);
    }
    case TZahlart::Extended: {
        const auto Wert = Zahl_Lesen(Text, Gebietsschema);
        if (!Wert || *Wert < double(Untergrenze) || *Wert > double(Obergrenze))
            return {};
        QLocale L(Gebietsschema);
        L.setNumberOptions(QLocale::OmitGroupSeparator);
        // "+ 0.0" turns a negative zero into the zero the user means.
        return L.toString(*Wert + 0.0, 'g', 15);
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
