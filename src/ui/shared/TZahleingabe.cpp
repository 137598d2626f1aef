#include "ui/shared/TZahleingabe.h"

#include "base/Zahlformat.h"
#include "ui/shared/TEingabehinweis.h"

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

QString TZahleingabe::Ablehnung(const QString& Text, TZahlart Art, std::int64_t Untergrenze, std::int64_t Obergrenze,
                                const QString& Bezeichnung, const QString& Einheit, const QString& Bisher,
                                const QLocale& Gebietsschema)
{
    if (Eingabe_Gueltig(Text, Art, Untergrenze, Obergrenze, Gebietsschema))
        return {};
    const QString Mit_Einheit = Einheit.isEmpty() ? QString() : QStringLiteral(" ") + Einheit;
    const QString Bleibt = Bisher.isEmpty() ? QStringLiteral("; das Feld bleibt leer.")
                                            : QStringLiteral("; %1 bleibt.").arg(Bisher);
    const QString Getippt = Text.trimmed();
    if (Getippt.isEmpty())
        return Bezeichnung + QStringLiteral(" darf nicht leer sein") + Bleibt;
    const bool Zahl = Art == TZahlart::Integer ? Zahlformat::Ganzzahl_Eingabe_Deuten(Text).has_value()
                                               : Zahlformat::Zahl_Eingabe_Deuten(Text, Gebietsschema).has_value();
    // A pasted screenful would push the note out of the window.
    const QString Kurz = Getippt.size() > 24 ? Getippt.left(22) + QChar(0x2026) : Getippt;
    if (!Zahl) {
        const QString Art_Text = Art == TZahlart::Integer ? QStringLiteral("keine ganze Zahl") : QStringLiteral("keine Zahl");
        return QStringLiteral("%1 „%2“ ist %3").arg(Bezeichnung, Kurz, Art_Text) + Bleibt;
    }
    return QStringLiteral("%1 %2%3 liegt außerhalb %4–%5%3")
               .arg(Bezeichnung, Kurz, Mit_Einheit, QString::number(Untergrenze), QString::number(Obergrenze))
           + Bleibt;
}

std::optional<QString> TZahleingabe::Verlassen(QLineEdit& Feld, TZahlart Art, std::int64_t Untergrenze,
                                               std::int64_t Obergrenze, const QString& Bezeichnung,
                                               const QString& Einheit, const QString& Bisher)
{
    const QString Hinweis = Ablehnung(Feld.text(), Art, Untergrenze, Obergrenze, Bezeichnung, Einheit, Bisher);
    if (Hinweis.isEmpty())
        return Eingabe_Pruefen(Feld.text(), Art, Untergrenze, Obergrenze);
    Feld.setText(Bisher);
    Feld.setModified(false);
    TEingabehinweis::Zeigen(Feld, Hinweis);
    return std::nullopt;
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
