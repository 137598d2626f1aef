#include "ui/info/TAboutBox_Talvern.h"

#include "sheet/Herstellerdaten.h"
#include "ui/info/Infofenster.h"
#include "ui/info/TWeblink.h"

#include <QEvent>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

TAboutBox_Talvern::TAboutBox_Talvern(QWidget* parent)
    : TInfodialog(QStringLiteral("Informationen"), 352, 272, parent)
{
    QFrame* Panel = Infofenster::Panel(this, QRect(8, 8, 336, 226), QStringLiteral("Panel1"));
    QPalette Weiss = Panel->palette();
    Weiss.setColor(QPalette::Window, Qt::white);
    Weiss.setColor(QPalette::Base, Qt::white);
    Panel->setPalette(Weiss);
    Panel->setAutoFillBackground(true);

    const QImage Logo = Infofenster::Bild(QStringLiteral("talvern_logo.jpg"));
    Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Gestreckt, QStringLiteral("Image_Logo"),
                             QRect(8, 8, 120, 120), Logo);
    Infofenster::Bildflaeche(Panel, TBildflaeche::TDarstellung::Gestreckt, QStringLiteral("Image_Logo_Gross"),
                             QRect(8, 8, 200, 200), Logo)
        ->hide();

    // The address is kept in one line elsewhere; the box shows street and town apart.
    const QString Strasse = Herstellerdaten::Anschrift.section(QStringLiteral(", "), 0, 0);
    const QString Ort = Herstellerdaten::Anschrift.section(QStringLiteral(", "), 1);
    m_Anschrift = Text_Anlegen(Panel, QStringLiteral("Memo_Anschrift"),
                               {Herstellerdaten::Firma, QString(), Strasse, Ort, QString(),
                                QStringLiteral("Tel.: ") + Herstellerdaten::Telefon,
                                QStringLiteral("Fax: ") + Herstellerdaten::Fax},
                               QRect(160, 4, 168, 118));
    m_Register = Text_Anlegen(Panel, QStringLiteral("Memo_Register"),
                              {QStringLiteral("Geschäftsführer:"), Herstellerdaten::Geschaeftsfuehrer, QString(),
                               QStringLiteral("Sitz/Registergericht:"),
                               Herstellerdaten::Registergericht.section(QStringLiteral(": "), 1),
                               Herstellerdaten::Registernummer},
                              QRect(160, 124, 168, 98));

    m_Link = new TWeblink(Panel);
    m_Link->setObjectName(QStringLiteral("Memo_Link"));
    m_Link->setGeometry(4, 202, 154, 20);
    QPalette Linkpalette = m_Link->palette();
    Linkpalette.setColor(QPalette::Base, Qt::white);
    m_Link->setPalette(Linkpalette);

    Infofenster::OK_Knopf(this, QRect(138, 241, 75, 25));
}

QPlainTextEdit* TAboutBox_Talvern::Text_Anlegen(QWidget* Eltern, const QString& Name, const QStringList& Zeilen,
                                                const QRect& Lage)
{
    auto* Text = new QPlainTextEdit(Zeilen.join(QLatin1Char('\n')), Eltern);
    Text->setObjectName(Name);
    Text->setReadOnly(true);
    Text->setTextInteractionFlags(Qt::NoTextInteraction);
    Text->setFocusPolicy(Qt::NoFocus);
    Text->setFrameShape(QFrame::NoFrame);
    Text->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text->document()->setDocumentMargin(2);
    Text->setGeometry(Lage);
    Text->viewport()->setCursor(Qt::ArrowCursor);
    Text->viewport()->setMouseTracking(true);
    Text->viewport()->installEventFilter(this);
    return Text;
}

bool TAboutBox_Talvern::eventFilter(QObject* Objekt, QEvent* Ereignis)
{
    if (Ereignis->type() == QEvent::MouseMove
        && (Objekt == m_Anschrift->viewport() || Objekt == m_Register->viewport()))
        m_Link->Zuruecksetzen();
    return QDialog::eventFilter(Objekt, Ereignis);
}
