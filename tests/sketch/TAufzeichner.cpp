#include "TAufzeichner.h"

#include <QTextItem>

class TAufzeichner::TMaschine : public QPaintEngine
{
public:
    explicit TMaschine(TAufzeichner& Geraet)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_Geraet(Geraet)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& Zustand) override
    {
        if (Zustand.state() & DirtyTransform)
            m_Abbildung = Zustand.transform();
        if (Zustand.state() & DirtyPen)
            m_Stift = Zustand.pen();
        if (Zustand.state() & DirtyBrush)
            m_Pinsel = Zustand.brush();
    }

    void drawRects(const QRectF* Rechtecke, int Anzahl) override
    {
        for (int i = 0; i < Anzahl; ++i) {
            TBefehl B = Neu(TBefehl::TArt::Rechteck);
            B.Rechteck = m_Abbildung.mapRect(Rechtecke[i]);
            m_Geraet.Befehle.push_back(B);
        }
    }
    void drawRects(const QRect* Rechtecke, int Anzahl) override
    {
        for (int i = 0; i < Anzahl; ++i) {
            const QRectF R(Rechtecke[i]);
            drawRects(&R, 1);
        }
    }
    void drawLines(const QLineF* Linien, int Anzahl) override
    {
        for (int i = 0; i < Anzahl; ++i) {
            TBefehl B = Neu(TBefehl::TArt::Linie);
            B.Linie = m_Abbildung.map(Linien[i]);
            m_Geraet.Befehle.push_back(B);
        }
    }
    void drawLines(const QLine* Linien, int Anzahl) override
    {
        for (int i = 0; i < Anzahl; ++i) {
            const QLineF L(Linien[i]);
            drawLines(&L, 1);
        }
    }
    void drawPath(const QPainterPath& Pfad) override
    {
        TBefehl B = Neu(TBefehl::TArt::Pfad);
        B.Pfad = m_Abbildung.map(Pfad);
        m_Geraet.Befehle.push_back(B);
    }
    void drawPolygon(const QPointF* Punkte, int Anzahl, PolygonDrawMode) override
    {
        TBefehl B = Neu(TBefehl::TArt::Polygon);
        for (int i = 0; i < Anzahl; ++i)
            B.Polygon << m_Abbildung.map(Punkte[i]);
        m_Geraet.Befehle.push_back(B);
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& Punkt, const QTextItem& Text) override
    {
        TBefehl B = Neu(TBefehl::TArt::Text);
        B.Text = Text.text();
        B.Textpunkt = m_Abbildung.map(Punkt);
        B.Textrichtung = m_Abbildung.map(Punkt + QPointF(1, 0)) - B.Textpunkt;
        m_Geraet.Befehle.push_back(B);
    }

private:
    TBefehl Neu(TBefehl::TArt Art) const
    {
        TBefehl B{Art, {}, {}, {}, {}, {}, {}, {}, m_Stift, m_Pinsel};
        return B;
    }

    TAufzeichner& m_Geraet;
    QTransform m_Abbildung;
    QPen m_Stift;
    QBrush m_Pinsel;
};

TAufzeichner::TAufzeichner(QSize Groesse, int Dpi)
    : m_Maschine(std::make_unique<TMaschine>(*this))
    , m_Groesse(Groesse)
    , m_Dpi(Dpi)
{
}

TAufzeichner::~TAufzeichner() = default;

QPaintEngine* TAufzeichner::paintEngine() const
{
    return m_Maschine.get();
}

int TAufzeichner::metric(PaintDeviceMetric Metrik) const
{
    switch (Metrik) {
    case PdmWidth: return m_Groesse.width();
    case PdmHeight: return m_Groesse.height();
    case PdmWidthMM: return m_Groesse.width() * 254 / (10 * m_Dpi);
    case PdmHeightMM: return m_Groesse.height() * 254 / (10 * m_Dpi);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return m_Dpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    case PdmDepth: return 32;
    case PdmNumColors: return 0;
    }
    return 0;
}

std::vector<QLineF> TAufzeichner::Linien() const
{
    std::vector<QLineF> L;
    for (const TBefehl& B : Befehle)
        if (B.Art == TBefehl::TArt::Linie)
            L.push_back(B.Linie);
    return L;
}

std::vector<QRectF> TAufzeichner::Rechtecke() const
{
    std::vector<QRectF> R;
    for (const TBefehl& B : Befehle)
        if (B.Art == TBefehl::TArt::Rechteck)
            R.push_back(B.Rechteck);
    return R;
}

std::vector<QString> TAufzeichner::Texte() const
{
    std::vector<QString> T;
    for (const TBefehl& B : Befehle)
        if (B.Art == TBefehl::TArt::Text)
            T.push_back(B.Text);
    return T;
}
