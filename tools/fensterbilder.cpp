// Grabs every window of the program into PNG files, the same on every run, so
// that a change meant to alter no window can be checked pixel by pixel:
//   QT_QPA_PLATFORM=offscreen build/tools/fensterbilder ORDNER [BESTELLUNG.dat]
// The order (if given) is opened, one position of every kind is appended, and each row's dialog is grabbed with that row
// selected; then every other window, the archive window included. Settings
// and the archive live in a fresh folder, so nothing of the user's shows.
// Built with the project, never installed.

#include "ui/main/TProgrammfenster.h"
#include "ui/main/TForm_Haupt.h"
#include "ui/main/TProgramm.h"
#include "order/TBestellung.h"
#include "order/TPositionseintrag.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <set>

namespace {

void Warten()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

QString Name_Von(const QWidget& Fenster)
{
    const QString Name = Fenster.objectName();
    return Name.isEmpty() ? QString::fromLatin1(Fenster.metaObject()->className()) : Name;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Aufruf: fensterbilder ORDNER [BESTELLUNG.dat]\n");
        return 2;
    }
    QTemporaryDir Heim;
    for (const char* Variable : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(Variable, Heim.path().toLocal8Bit() + "/" + Variable);
    TProgramm App(argc, argv);
    TProgramm::setApplicationName(QStringLiteral("Quadrolis C2"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QDir Ziel(QString::fromLocal8Bit(argv[1]));
    if (!Ziel.mkpath(QStringLiteral(".")))
        return 1;

    TProgrammfenster Anwendung;
    Anwendung.Starten(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    TForm_Haupt& Haupt = Anwendung.Hauptfenster();
    for (std::uint32_t Typ = 1; Typ <= 12; ++Typ)
        if (TPositionseintrag::Erzeugen(Typ).hatObjekt())
            Haupt.NeuePosition_Anlegen(Typ);
    Warten();

    int Anzahl = 0;
    const auto Speichern = [&](QWidget& Fenster, const QString& Name) {
        Warten();
        const QString Pfad = Ziel.filePath(Name + QStringLiteral(".png"));
        if (!Fenster.grab().save(Pfad))
            std::fprintf(stderr, "%s nicht geschrieben\n", qPrintable(Pfad));
        ++Anzahl;
    };
    Speichern(Haupt, QStringLiteral("Hauptfenster"));

    std::set<QWidget*> Gesehen{&Haupt};
    auto* Bearbeiten = Haupt.findChild<QPushButton*>(QStringLiteral("Button_Position_Bearbeiten"));
    for (int Zeile = 0; Zeile < Haupt.Bestellung().Anzahl_Positionen(); ++Zeile) {
        Haupt.Zeile_Waehlen(Zeile);
        Bearbeiten->click();
        Warten();
        for (QWidget* Fenster : QApplication::topLevelWidgets())
            if (Fenster != &Haupt && Fenster->isVisible()) {
                Speichern(*Fenster, QStringLiteral("Zeile%1_").arg(Zeile + 1, 2, 10, QLatin1Char('0')) + Name_Von(*Fenster));
                Gesehen.insert(Fenster);
                Fenster->hide();
            }
    }
    Haupt.Zeile_Waehlen(0);
    Haupt.findChild<QAction*>(QStringLiteral("Ablage1"))->trigger();
    Warten();
    for (QWidget* Fenster : QApplication::topLevelWidgets())
        if (Fenster != &Haupt && Fenster->isVisible()) {
            Speichern(*Fenster, Name_Von(*Fenster));
            Gesehen.insert(Fenster);
            Fenster->hide();
        }
    for (const auto& Fenster : Anwendung.Fenster())
        if (!Gesehen.count(Fenster.get())) {
            Fenster->show();
            Speichern(*Fenster, Name_Von(*Fenster));
            Fenster->hide();
        }
    std::printf("%d Bilder in %s\n", Anzahl, qPrintable(Ziel.absolutePath()));
    return 0;
}
