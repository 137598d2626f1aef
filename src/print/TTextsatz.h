#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <Qt>

#include <memory>

class QFontMetricsF;
class QPaintDevice;
class QPainter;
class QPointF;
class QTextLayout;

// A text laid out once for a column of fixed width. A word never breaks where
// a smaller size keeps it whole: a figure shrinks until it fits on one line, a
// word of text down to Kleinste_Groesse of the size; only a word longer than
// that breaks, at a syllable with a hyphen where it has one. Laying out and
// drawing take time linear in the text's length, however long its words.
class TTextsatz
{
public:
    enum class TArt { Text, Zahl };
    static constexpr qreal Kleinste_Groesse = 0.75;

    TTextsatz(const QString& Text, const QFont& Schrift, qreal Breite, QPaintDevice& Geraet, TArt Art = TArt::Text,
              Qt::Alignment Ausrichtung = Qt::AlignLeft);
    // With the size already chosen, for the parts of a text cut across pages.
    TTextsatz(const QString& Text, const QFont& Schrift, qreal Breite, QPaintDevice& Geraet,
              Qt::Alignment Ausrichtung, bool Groesse_Fest);
    ~TTextsatz();

    // At least one line high, even without text.
    qreal Hoehe() const { return m_Hoehe; }
    const QFont& Schrift() const { return m_Schrift; }
    // The distance from one line to the next; the lines of a text stand evenly.
    qreal Zeilenabstand() const { return m_Zeilenabstand; }
    // The lines as they are drawn, a hyphen ending a broken word's line.
    QStringList Zeilen() const;

    // Draws from Oben_Links; a clipped painter gets only the lines inside its clip.
    void Zeichnen(QPainter& M, const QPointF& Oben_Links) const;

    // Text with each word wider than Breite broken into lines that fit.
    static QString Trennen(const QString& Text, const QFontMetricsF& Masse, qreal Breite);

private:
    void Setzen(qreal Breite, QPaintDevice& Geraet, Qt::Alignment Ausrichtung);

    QString m_Text;
    QFont m_Schrift;
    std::unique_ptr<QTextLayout> m_Satz;
    qreal m_Hoehe = 0;
    qreal m_Zeilenabstand = 0;
};
