#include "Hauptfenster_Testhilfen.h"

#include "fonts/TSchriften.h"
#include "ui/main/TForm_Haupt.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <iterator>
#include <ostream>

inline void PrintTo(const QString& Text, std::ostream* Aus)
{
    *Aus << '"' << Text.toStdString() << '"';
}

using namespace Hauptfenster_Test;

namespace {

QStringList Knopftexte(const QList<QAbstractButton*>& Knoepfe)
{
    QStringList Texte;
    for (const QAbstractButton* Knopf : Knoepfe)
        Texte << Knopf->text().remove(QLatin1Char('&'));
    Texte.sort();
    return Texte;
}

} // namespace

// The tests run under LANG=C with whatever fonts the machine has; the
// program brings its own font and Qt's German texts all the same.
TEST(Oberflaeche, EigeneSchriftFuerFensterMenuesUndTooltips)
{
    ASSERT_TRUE(TSchriften::Registrieren());
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), TSchriften::Familie()) << "the embedded face, not a fallback";
    for (const char* Klasse : {"QMenu", "QMenuBar", "QToolTip", "QMessageBox", "QFileDialog"})
        EXPECT_EQ(QApplication::font(Klasse), QApplication::font()) << Klasse;

    TTestdienste Dienste;
    TForm_Haupt Fenster;
    for (const QMenu* Menue : Fenster.findChildren<QMenu*>())
        EXPECT_EQ(QFontInfo(Menue->font()).family(), TSchriften::Familie()) << Menue->objectName().toStdString();
    for (const QWidget* W : Fenster.findChildren<QWidget*>())
        EXPECT_EQ(QFontInfo(W->font()).family(), TSchriften::Familie()) << W->objectName().toStdString();
}

TEST(Oberflaeche, DateimenueMitDeutschenTastenkuerzeln)
{
    TTestdienste Dienste;
    TForm_Haupt Fenster;
    const QMenu* Datei = Suchen<QMenu>(Fenster, "Datei1");
    EXPECT_EQ(Datei->title(), QStringLiteral("&Datei"));
    struct TPunkt
    {
        QString Text;
        QString Kuerzel;
    };
    const TPunkt Erwartet[] = {
        {QStringLiteral("&Öffnen ..."), QStringLiteral("Strg+O")},
        {QStringLiteral("&Zuletzt geöffnet"), QString()},
        {QStringLiteral("&Speichern"), QStringLiteral("Strg+S")},
        {QStringLiteral("Speichern unter ..."), QStringLiteral("Strg+Alt+S")},
        {QStringLiteral("Als &Variante speichern unter…"), QString()},
        {QStringLiteral(" "), QString()},
        {QStringLiteral("Bestellblatt als PDF…"), QString()},
        {QStringLiteral("Per &E-Mail senden…"), QStringLiteral("Strg+E")},
        {QStringLiteral("Drucken…"), QStringLiteral("Strg+P")},
        {QStringLiteral("Druckvorschau"), QString()},
        {QStringLiteral(" "), QString()},
        {QStringLiteral("&Neu"), QStringLiteral("Strg+N")},
        {QStringLiteral(" "), QString()},
        {QStringLiteral("&Beenden"), QStringLiteral("Strg+Q")},
    };
    const QList<QAction*> Punkte = Datei->actions();
    ASSERT_EQ(Punkte.size(), qsizetype(std::size(Erwartet)));
    for (qsizetype i = 0; i < Punkte.size(); ++i) {
        EXPECT_EQ(Punkte[i]->text(), Erwartet[i].Text) << i;
        EXPECT_EQ(Punkte[i]->shortcut().toString(QKeySequence::NativeText), Erwartet[i].Kuerzel) << i;
    }
}

TEST(Oberflaeche, MeldungenSprechenDeutsch)
{
    QMessageBox Frage(QMessageBox::Question, QStringLiteral("Informationen"), QStringLiteral("?"),
                      QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No | QMessageBox::Close);
    EXPECT_EQ(Knopftexte(Frage.buttons()),
              QStringList({QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein"),
                           QStringLiteral("OK"), QStringLiteral("Schließen")}));
}

TEST(Oberflaeche, DateidialogSprichtDeutsch)
{
    for (const auto Art : {QFileDialog::AcceptOpen, QFileDialog::AcceptSave}) {
        QFileDialog Dialog(nullptr, QStringLiteral("Bestellung speichern unter"), QDir::tempPath(),
                           QStringLiteral("Bestellung (*.dat);;Alle (*)"));
        Dialog.setAcceptMode(Art);
        TDienste::Dateidialog_Einrichten(Dialog, {Dialog.windowTitle(), QString(), QStringLiteral("dat"),
                                                  QStringLiteral("Bestellung_2026-12-08")});
        EXPECT_TRUE(Dialog.testOption(QFileDialog::DontUseNativeDialog)) << "the desktop's dialog follows its locale";
        EXPECT_EQ(Dialog.defaultSuffix(), QStringLiteral("dat"));
        Dialog.show();
        const auto* Liste = Dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(Liste, nullptr);
        EXPECT_EQ(Liste->header()->sectionResizeMode(0), QHeaderView::Stretch);
        for (int Spalte = 1; Spalte < Liste->header()->count(); ++Spalte)
            EXPECT_EQ(Liste->header()->sectionResizeMode(Spalte), QHeaderView::ResizeToContents) << Spalte;
        QStringList Beschriftungen;
        for (const QLabel* L : Dialog.findChildren<QLabel*>())
            if (!L->text().isEmpty())
                Beschriftungen << L->text().remove(QLatin1Char('&'));
        Beschriftungen.sort();
        EXPECT_EQ(Beschriftungen, QStringList({QStringLiteral("Dateien des Typs:"), QStringLiteral("Dateiname:"),
                                               QStringLiteral("Suchen in:")}))
            << Beschriftungen.join(QLatin1Char('|')).toStdString();
        const auto* Knoepfe = Dialog.findChild<QDialogButtonBox*>();
        ASSERT_NE(Knoepfe, nullptr);
        EXPECT_EQ(Knopftexte(Knoepfe->buttons()),
                  QStringList({QStringLiteral("Abbrechen"), Art == QFileDialog::AcceptOpen
                                                                 ? QStringLiteral("Öffnen")
                                                                 : QStringLiteral("Speichern")}));
        Dialog.hide();
    }
}

// A file name or file content that looks like markup is shown as it is, in
// every kind of message: it neither formats nor loads anything.
TEST(Oberflaeche, MeldungenZeigenTextNieAlsMarkup)
{
    TDienste::Installieren(nullptr);
    const QString Text = QStringLiteral("<h1>Kunde</h1><img src=\"/tmp/bild.png\">.dat");
    const std::function<void()> Meldungen[] = {
        [&] { TDienste::Aktuell().Information(nullptr, Text, true); },
        [&] { TDienste::Aktuell().Fehler(nullptr, Text); },
        [&] { TDienste::Aktuell().Frage(nullptr, Text, QStringLiteral("Ja"), QStringLiteral("Nein")); },
        [&] { TDienste::Aktuell().Auswahl(nullptr, Text, {QStringLiteral("A"), QStringLiteral("B")}); },
    };
    for (std::size_t i = 0; i < std::size(Meldungen); ++i) {
        SCOPED_TRACE(i);
        Qt::TextFormat Format = Qt::AutoText;
        QTimer::singleShot(0, [&] {
            if (auto* Box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                Format = Box->textFormat();
                Box->buttons().front()->click();
            }
        });
        Meldungen[i]();
        EXPECT_EQ(Format, Qt::PlainText);
    }
}

TEST(Oberflaeche, DateidialogeDerStandarddiensteGebenDieGewaehlteDateiZurueck)
{
    TDienste::Installieren(nullptr);
    QTemporaryDir Ordner;
    ASSERT_TRUE(Ordner.isValid());
    const QString Vorhanden = Ordner.filePath(QStringLiteral("alt.dat"));
    const QString Neu = Ordner.filePath(QStringLiteral("neu.dat"));
    {
        QFile Datei(Vorhanden);
        ASSERT_TRUE(Datei.open(QIODevice::WriteOnly));
    }
    const struct
    {
        const char* Fall;
        bool Speichern;
        QString Auswahl;  // empty: the user cancels
        QFileDialog::AcceptMode Modus;
        QFileDialog::FileMode Art;
    } Faelle[] = {
        {"öffnen", false, Vorhanden, QFileDialog::AcceptOpen, QFileDialog::ExistingFile},
        {"speichern", true, Neu, QFileDialog::AcceptSave, QFileDialog::AnyFile},
        {"öffnen abgebrochen", false, QString(), QFileDialog::AcceptOpen, QFileDialog::ExistingFile},
        {"speichern abgebrochen", true, QString(), QFileDialog::AcceptSave, QFileDialog::AnyFile},
    };
    const TDienste::TDateiwahl Wahl{QStringLiteral("Bestellung"), QStringLiteral("Bestellung (*.dat)"),
                                    QStringLiteral("dat"), QString()};
    for (const auto& F : Faelle) {
        SCOPED_TRACE(F.Fall);
        bool Gesehen = false;
        QTimer::singleShot(0, [&] {
            auto* Dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(Dialog, nullptr);
            Gesehen = true;
            EXPECT_EQ(Dialog->windowTitle(), Wahl.Titel);
            EXPECT_EQ(Dialog->acceptMode(), F.Modus);
            EXPECT_EQ(Dialog->fileMode(), F.Art);
            if (F.Auswahl.isEmpty()) {
                Dialog->reject();
                return;
            }
            Dialog->selectFile(F.Auswahl);
            static_cast<QDialog*>(Dialog)->accept();
        });
        const QString Gewaehlt = F.Speichern ? TDienste::Aktuell().Datei_Speichern(nullptr, Wahl)
                                             : TDienste::Aktuell().Datei_Oeffnen(nullptr, Wahl);
        EXPECT_TRUE(Gesehen);
        EXPECT_EQ(Gewaehlt, F.Auswahl);
    }
}
