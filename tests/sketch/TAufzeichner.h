#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <memory>
#include <vector>

// A paint device that keeps what is painted on it, in device coordinates, so
// tests compare the sketch's geometry instead of its pixels.
class TAufzeichner : public QPaintDevice
{
public:
    struct TBefehl
    {
        enum class TArt { Rechteck, Linie, Pfad, Polygon, Text } Art;
        QRectF Rechteck;
        QLineF Linie;
        QPainterPath Pfad;
        QPolygonF Polygon;
        QString Text;
        // Where the text's baseline begins, and the direction it runs.
        QPointF Textpunkt;
        QPointF Textrichtung;
        QPen Stift;
        QBrush Pinsel;
    };

    explicit TAufzeichner(QSize Groesse = QSize(400, 400), int Dpi = 96);
    ~TAufzeichner() override;

    QPaintEngine* paintEngine() const override;
    std::vector<TBefehl> Befehle;

    std::vector<QLineF> Linien() const;
    std::vector<QRectF> Rechtecke() const;
    std::vector<QString> Texte() const;

protected:
    int metric(PaintDeviceMetric Metrik) const override;

private:
    class TMaschine;
    std::unique_ptr<TMaschine> m_Maschine;
    QSize m_Groesse;
    int m_Dpi;
};
