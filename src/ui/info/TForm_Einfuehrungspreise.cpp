#include "ui/info/TForm_Einfuehrungspreise.h"

#include "ui/info/Infofenster.h"

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

TForm_Einfuehrungspreise::TForm_Einfuehrungspreise(QWidget* parent)
    : QWidget(parent)
{
    Infofenster::Einfachrahmen_Setzen(*this, QStringLiteral("Einführungspreise"), 447, 317);

    const QStringList Zeilen = {
        QStringLiteral("Für das Parallel-Schiebe-Kipp-Element (PSK) für 2 flügelige Fenster"),
        QStringLiteral("und die Schiebe-Falt-Tür (SFT) für 3 bis 6 flügelige Fenster gelten"),
        QStringLiteral("die speziellen Einführungspreise!"),
        QString(),
        QStringLiteral("Zur Auswahl klicken Sie bitte in der Maske \"Position bearbeiten\""),
        QStringLiteral("für Ihr Fenster auf die Auswahlbox \"Zulage\". Die passende Schiebe-"),
        QStringLiteral("Falt-Aluschwelle für Ihre SFT finden Sie unter \"Bodenschwelle\"."),
        QString(),
        QStringLiteral("Es gelten folgende Preise und Maßbeschränkungen:"),
        QString(),
        QStringLiteral("Parallel-Schiebe-Kipp-Element:"),
        QString(),
        QStringLiteral("bis 1930 x 2200 nur 299,00 €"),
        QStringLiteral("bis 3430 x 2200 nur 349,00 €"),
        QStringLiteral("bis 6000 x 2200 nur 599,00 €"),
        QString(),
        QStringLiteral("Schiebe-Falt-Tür:"),
        QString(),
        QStringLiteral("3 Flügel bis 2480 x 2200 nur 399,00 €"),
        QStringLiteral("4 Flügel bis 3600 x 2200 nur 499,00 €"),
        QStringLiteral("5 Flügel bis 4480 x 2200 nur 599,00 €"),
        QStringLiteral("6 Flügel bis 5450 x 2200 nur 699,00 €"),
    };
    auto* Text = new QPlainTextEdit(Zeilen.join(QLatin1Char('\n')), this);
    Text->setObjectName(QStringLiteral("Memo_Einfuehrungspreise"));
    Text->setReadOnly(true);
    Text->setFrameShape(QFrame::NoFrame);
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text->setEnabled(false);
    // Disabled, yet readable: dark grey on the window colour.
    QPalette Farben = Text->palette();
    Farben.setColor(QPalette::Disabled, QPalette::Base, Farben.color(QPalette::Active, QPalette::Base));
    Farben.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    Text->setPalette(Farben);
    // The window cannot grow and the text cannot scroll, so all lines must fit.
    Text->document()->setDocumentMargin(2);
    const auto Texthoehe = [Text] {
        const QAbstractTextDocumentLayout* Layout = Text->document()->documentLayout();
        qreal Hoehe = 2 * Text->document()->documentMargin() + 1;
        for (QTextBlock Block = Text->document()->begin(); Block.isValid(); Block = Block.next())
            Hoehe += Layout->blockBoundingRect(Block).height();
        return Hoehe;
    };
    QFont Schrift = font();
    while (Texthoehe() > height() && QFontInfo(Schrift).pixelSize() > 8) {
        Schrift.setPixelSize(QFontInfo(Schrift).pixelSize() - 1);
        Text->setFont(Schrift);
    }

    auto* Anordnung = new QVBoxLayout(this);
    Anordnung->setContentsMargins(0, 0, 0, 0);
    Anordnung->addWidget(Text);
}
