#pragma once

#include "sheet/TBestellblatt.h"

#include <QPageLayout>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QRectF;
class TBestellung;

// The order sheet on paper: the sheet's content laid out on A4 pages, for a
// PDF file or a printer. The table's header row repeats on every page, no
// position is split across pages, and every page ends with the order's date
// and "Seite n von m". Needs a QGuiApplication.
class TDruckblatt
{
public:
    // Draws a window's sketch into the box reserved beside its description.
    using TSkizzenzeichner = std::function<void(QPainter&, const TPosition&, const QRectF&)>;

    // With a tax rate the sums end in the tax and the gross total.
    explicit TDruckblatt(const TBestellung& Bestellung, std::optional<TUmsatzsteuer> Steuer = std::nullopt);
    // The sheet as the program and bestellblatt print it: every window position
    // carries its sketch beside its description.
    static TDruckblatt Mit_Skizzen(const TBestellung& Bestellung, std::optional<TUmsatzsteuer> Steuer = std::nullopt);

    // With a sketcher every window position gets a box for its sketch.
    void Skizzen_Setzen(TSkizzenzeichner Zeichner) { m_Skizze = std::move(Zeichner); }

    // A4 portrait with margins every printer reaches.
    static QPageLayout Seitenformat();

    // Paints the pages on the device, whose page layout the caller has set (all
    // of them unless the device names page ranges); the number of pages of the
    // sheet, or 0 when the device could not be painted on.
    int Zeichnen(QPagedPaintDevice& Geraet) const;

    // The whole PDF document, titled "Bestellblatt", its fonts embedded; empty
    // when it could not be set.
    QByteArray Pdf() const;

    // Writes the PDF document to an open device; false with the reason in Fehlertext().
    bool Pdf_Schreiben(QIODevice& Geraet);

    // Replaces the file at Pfad atomically: on any failure the earlier file
    // stays as it was and the result is false, with the reason in Fehlertext().
    bool Pdf_Speichern(const QString& Pfad);

    const TBestellblatt& Inhalt() const { return m_Blatt; }
    const QString& Fehlertext() const { return m_Fehlertext; }

private:
    TBestellblatt m_Blatt;
    TSkizzenzeichner m_Skizze;
    QString m_Fehlertext;
};
