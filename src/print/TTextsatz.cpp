#include "print/TTextsatz.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Advances of the characters of one font, looked up once each.
class TZeichenbreiten
{
public:
    explicit TZeichenbreiten(const QFontMetricsF& Masse)
        : m_Masse(Masse)
    {
        m_Latin.fill(-1);
    }

    qreal operator()(QChar c)
    {
        if (c.unicode() >= m_Latin.size())
            return m_Masse.horizontalAdvance(c);
        qreal& Breite = m_Latin[c.unicode()];
        if (Breite < 0)
            Breite = m_Masse.horizontalAdvance(c);
        return Breite;
    }

private:
    const QFontMetricsF& m_Masse;
    std::array<qreal, 0x100> m_Latin;
};

// Shaping may set a word a little wider than its characters' advances add up to.
constexpr qreal Spielraum = 0.97;

bool Vokal(QChar c)
{
    return QStringView(u"aeiouyäöü").contains(c.toLower());
}

bool Konsonant(QChar c)
{
    return c.isLetter() && !Vokal(c);
}

// Consonants that open a German syllable together; any single one does too.
bool Silbenanfang(QStringView Konsonanten)
{
    static const QStringView Gruppen[] = {u"bl", u"br",  u"ch",   u"ck",   u"dr",   u"fl",   u"fr",  u"gl",
                                          u"gr", u"kl",  u"kn",   u"kr",   u"pf",   u"ph",   u"pl",  u"pr",
                                          u"qu", u"sch", u"schl", u"schm", u"schn", u"schr", u"schw", u"spr",
                                          u"str", u"th", u"tr",   u"zw",   u"pfl",  u"pfr"};
    if (Konsonanten.size() == 1)
        return true;
    const QString Klein = Konsonanten.toString().toLower();
    return std::any_of(std::begin(Gruppen), std::end(Gruppen), [&](QStringView G) { return G == Klein; });
}

// A line may break before Text[k] inside the word [Anfang, Ende): after a
// hyphen already there, or where a syllable begins: the longest group of
// consonants before a vowel that can open one goes to the next line, and the
// line keeps a vowel. Looks at a few letters only, however long the word.
bool Trennstelle(const QString& Text, qsizetype Anfang, qsizetype Ende, qsizetype k)
{
    constexpr qsizetype Weiteste = 5;
    if (k <= Anfang || k >= Ende)
        return false;
    if (Text[k - 1] == u'-')
        return true;
    if (k - Anfang < 2 || Ende - k < 2 || !Konsonant(Text[k]))
        return false;
    qsizetype v = k;
    while (v < Ende && v - k < Weiteste && Konsonant(Text[v]))
        ++v;
    if (v >= Ende || !Vokal(Text[v]))
        return false;
    qsizetype c = k;
    while (c > Anfang && k - c < Weiteste && Konsonant(Text[c - 1]))
        --c;
    if (c <= Anfang || !Vokal(Text[c - 1]))
        return false;
    for (qsizetype p = c; p < v; ++p)
        if (Silbenanfang(QStringView(Text).mid(p, v - p)))
            return p == k;
    return false;
}

bool Trenner(QChar c)
{
    return c.isSpace();
}

qreal Laengstes_Wort(const QString& Text, TZeichenbreiten& Breite)
{
    qreal Laengstes = 0;
    qreal Wort = 0;
    for (const QChar c : Text) {
        if (Trenner(c)) {
            Wort = 0;
            continue;
        }
        Wort += Breite(c);
        Laengstes = std::max(Laengstes, Wort);
        // The line may break after a hyphen.
        if (c == u'-')
            Wort = 0;
    }
    return Laengstes;
}

} // namespace

TTextsatz::TTextsatz(const QString& Text, const QFont& Schrift, qreal Breite, QPaintDevice& Geraet, TArt Art,
                     Qt::Alignment Ausrichtung)
    : m_Text(Text)
    , m_Schrift(Schrift)
{
    m_Text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    const QFontMetricsF Masse(Schrift, &Geraet);
    TZeichenbreiten Zeichen(Masse);
    const qreal Laengstes = Laengstes_Wort(m_Text, Zeichen);
    if (Breite > 0 && Laengstes > Breite * Spielraum) {
        const qreal Faktor = Breite * Spielraum / Laengstes;
        if (Art == TArt::Zahl || Faktor >= Kleinste_Groesse) {
            m_Schrift.setPointSizeF(Schrift.pointSizeF() * Faktor);
        } else {
            m_Schrift.setPointSizeF(Schrift.pointSizeF() * Kleinste_Groesse);
            m_Text = Trennen(m_Text, QFontMetricsF(m_Schrift, &Geraet), Breite * Spielraum);
        }
    }
    Setzen(Breite, Geraet, Ausrichtung);
}

TTextsatz::TTextsatz(const QString& Text, const QFont& Schrift, qreal Breite, QPaintDevice& Geraet,
                     Qt::Alignment Ausrichtung, bool)
    : m_Text(Text)
    , m_Schrift(Schrift)
{
    m_Text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    Setzen(Breite, Geraet, Ausrichtung);
}

TTextsatz::~TTextsatz() = default;

void TTextsatz::Setzen(qreal Breite, QPaintDevice& Geraet, Qt::Alignment Ausrichtung)
{
    m_Satz = std::make_unique<QTextLayout>(m_Text, m_Schrift, &Geraet);
    QTextOption Umbruch(Ausrichtung & Qt::AlignHorizontal_Mask);
    Umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_Satz->setTextOption(Umbruch);
    qreal y = 0;
    m_Satz->beginLayout();
    for (QTextLine Zeile = m_Satz->createLine(); Zeile.isValid(); Zeile = m_Satz->createLine()) {
        Zeile.setLineWidth(std::max<qreal>(Breite, 1));
        Zeile.setPosition(QPointF(0, y));
        y += Zeile.height();
    }
    m_Satz->endLayout();
    m_Hoehe = std::max(y, QFontMetricsF(m_Schrift, &Geraet).height());
    m_Zeilenabstand = m_Satz->lineCount() > 0 ? m_Satz->lineAt(0).height() : m_Hoehe;
}

QStringList TTextsatz::Zeilen() const
{
    QStringList Ergebnis;
    for (int i = 0; i < m_Satz->lineCount(); ++i) {
        const QTextLine Zeile = m_Satz->lineAt(i);
        QString Text = m_Text.mid(Zeile.textStart(), Zeile.textLength());
        if (Text.endsWith(QChar::LineSeparator))
            Text.chop(1);
        Ergebnis << Text;
    }
    return Ergebnis;
}

void TTextsatz::Zeichnen(QPainter& M, const QPointF& Oben_Links) const
{
    const int Zeilen = m_Satz->lineCount();
    int Von = 0;
    int Bis = Zeilen;
    if (M.hasClipping() && m_Zeilenabstand > 0) {
        // A line that only touches the clip's edge belongs to the page on the other side.
        const QRectF Sicht = M.clipBoundingRect();
        const qreal Rand = m_Zeilenabstand / 8;
        Von = std::clamp(int(std::floor((Sicht.top() + Rand - Oben_Links.y()) / m_Zeilenabstand)), 0, Zeilen);
        Bis = std::clamp(int(std::ceil((Sicht.bottom() - Rand - Oben_Links.y()) / m_Zeilenabstand)), Von, Zeilen);
    }
    for (int i = Von; i < Bis; ++i)
        m_Satz->lineAt(i).draw(&M, Oben_Links);
}

QString TTextsatz::Trennen(const QString& Text, const QFontMetricsF& Masse, qreal Breite)
{
    TZeichenbreiten Zeichen(Masse);
    const qreal Strich = Zeichen(u'-');
    QString Aus;
    Aus.reserve(Text.size() + Text.size() / 8);
    const qsizetype n = Text.size();
    qsizetype i = 0;
    while (i < n) {
        if (Trenner(Text[i])) {
            Aus += Text[i++];
            continue;
        }
        qsizetype Ende = i;
        qreal Wortbreite = 0;
        while (Ende < n && !Trenner(Text[Ende]))
            Wortbreite += Zeichen(Text[Ende++]);
        if (Wortbreite <= Breite) {
            Aus += QStringView(Text).mid(i, Ende - i);
            i = Ende;
            continue;
        }
        for (qsizetype a = i; a < Ende;) {
            qreal Summe = 0;
            qsizetype k = a;
            qsizetype Silbe = -1;
            for (; k < Ende; ++k) {
                if (k > a && Trennstelle(Text, i, Ende, k) && Summe + (Text[k - 1] == u'-' ? 0 : Strich) <= Breite)
                    Silbe = k;
                const qreal c = Zeichen(Text[k]);
                if (k > a && Summe + c > Breite)
                    break;
                Summe += c;
            }
            if (k >= Ende) {
                Aus += QStringView(Text).mid(a, Ende - a);
                break;
            }
            const qsizetype Bis = Silbe > a ? Silbe : k;
            Aus += QStringView(Text).mid(a, Bis - a);
            if (Silbe > a && Text[Bis - 1] != u'-')
                Aus += u'-';
            Aus += QChar::LineSeparator;
            a = Bis;
        }
        i = Ende;
    }
    return Aus;
}
