#include "ui/shared/TDienste.h"

#include "ui/shared/Slotschutz.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>

#include <algorithm>
#include <vector>

namespace {

// A box whose text is never read as markup.
class TMeldung : public QMessageBox
{
public:
    TMeldung(Icon Art, const QString& Titel, const QString& Text, QWidget* Eltern)
        : QMessageBox(Art, Titel, Text, NoButton, Eltern)
    {
        setTextFormat(Qt::PlainText);
    }
};

// The file the user chose, or an empty text if he cancelled.
QString Datei_Waehlen(QWidget* Eltern, const TDienste::TDateiwahl& Wahl, QFileDialog::AcceptMode Modus,
                      QFileDialog::FileMode Art)
{
    QFileDialog Dialog(Eltern, Wahl.Titel, QString(), Wahl.Filter);
    Dialog.setAcceptMode(Modus);
    Dialog.setFileMode(Art);
    TDienste::Dateidialog_Einrichten(Dialog, Wahl);
    return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().front()
                                                                                  : QString();
}

class TStandarddienste final : public TDienste
{
public:
    bool Information(QWidget* Eltern, const QString& Text, bool mitAbbrechen) override
    {
        TMeldung Box(QMessageBox::Information, QStringLiteral("Informationen"), Text, Eltern);
        QPushButton* Ok = Box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (mitAbbrechen)
            Box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        Box.setDefaultButton(Ok);
        Box.exec();
        return Box.clickedButton() == Ok;
    }

    void Fehler(QWidget* Eltern, const QString& Text) override
    {
        TMeldung Box(QMessageBox::Critical, QStringLiteral("Fehler"), Text, Eltern);
        Box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        Box.exec();
    }

    QString Datei_Oeffnen(QWidget* Eltern, const TDateiwahl& Wahl) override
    {
        return Datei_Waehlen(Eltern, Wahl, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    }

    QString Datei_Speichern(QWidget* Eltern, const TDateiwahl& Wahl) override
    {
        return Datei_Waehlen(Eltern, Wahl, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    }

    QString Ordner_Waehlen(QWidget* Eltern, const QString& Titel) override
    {
        QFileDialog Dialog(Eltern, Titel);
        Dialog.setFileMode(QFileDialog::Directory);
        Dialog.setOption(QFileDialog::ShowDirsOnly);
        Dialog.setOption(QFileDialog::DontUseNativeDialog);
        Dialog.resize(Dialog.sizeHint().expandedTo(QSize(720, 440)));
        return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().front()
                                                                                      : QString();
    }

    bool Druckdialog(QWidget* Eltern, QPrinter& Drucker) override
    {
        QPrintDialog Dialog(&Drucker, Eltern);
        Dialog.setWindowTitle(QStringLiteral("Drucken"));
        return Dialog.exec() == QDialog::Accepted;
    }

    void Druckvorschau(QWidget* Eltern, QPrinter& Drucker, const std::function<void(QPrinter&)>& Zeichnen) override
    {
        QPrintPreviewDialog Dialog(&Drucker, Eltern);
        Dialog.setWindowTitle(QStringLiteral("Druckvorschau"));
        Slotschutz::Verbinden(&Dialog, &QPrintPreviewDialog::paintRequested, &Dialog,
                              [&Zeichnen](QPrinter* Ziel) { Zeichnen(*Ziel); });
        Dialog.exec();
    }

    void Oeffnen(const QUrl& Ziel) override { QDesktopServices::openUrl(Ziel); }
};

TStandarddienste Standard;
TDienste* Installiert = nullptr;

} // namespace

QString TDienste::Ordner_Waehlen(QWidget*, const QString&)
{
    return {};
}

bool TDienste::Druckdialog(QWidget*, QPrinter&)
{
    return false;
}

void TDienste::Druckvorschau(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&)
{
}

bool TDienste::Frage(QWidget* Eltern, const QString& Text, const QString& Ja, const QString& Nein)
{
    TMeldung Box(QMessageBox::Question, QStringLiteral("Informationen"), Text, Eltern);
    QPushButton* Knopf_Ja = Box.addButton(Ja, QMessageBox::AcceptRole);
    // Neither button is the escape button: Escape and the title bar do not decide.
    Box.addButton(Nein, QMessageBox::DestructiveRole);
    Box.setDefaultButton(Knopf_Ja);
    Box.exec();
    return Box.clickedButton() == Knopf_Ja;
}

int TDienste::Auswahl(QWidget* Eltern, const QString& Text, const QStringList& Knoepfe)
{
    TMeldung Box(QMessageBox::Warning, QStringLiteral("Informationen"), Text, Eltern);
    std::vector<QPushButton*> Liste;
    for (const QString& Beschriftung : Knoepfe)
        Liste.push_back(Box.addButton(Beschriftung, QMessageBox::ActionRole));
    if (!Liste.empty()) {
        Box.setDefaultButton(Liste.front());
        Box.setEscapeButton(Liste.back());
    }
    Box.exec();
    const auto Gewaehlt = std::find(Liste.begin(), Liste.end(), Box.clickedButton());
    return Gewaehlt == Liste.end() ? int(Liste.size()) - 1 : int(Gewaehlt - Liste.begin());
}

TDienste::TSichern TDienste::Aenderungen_Sichern(QWidget* Eltern, const QString& Text)
{
    switch (Auswahl(Eltern, Text, {QStringLiteral("Speichern"), QStringLiteral("Nicht speichern"), QStringLiteral("Abbrechen")})) {
    case 0: return TSichern::Speichern;
    case 1: return TSichern::Nicht_Speichern;
    default: return TSichern::Abbrechen;
    }
}

void TDienste::Dateidialog_Einrichten(QFileDialog& Dialog, const TDateiwahl& Wahl)
{
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    Dialog.setDefaultSuffix(Wahl.Endung);
    // A name typed without a suffix gets the one of the type chosen, if it names one.
    Slotschutz::Verbinden(&Dialog, &QFileDialog::filterSelected, &Dialog, [Ziel = &Dialog, Wahl](const QString& Filter) {
        static const QRegularExpression Muster(QStringLiteral("\\(\\*\\.(\\w+)"));
        const QRegularExpressionMatch Treffer = Muster.match(Filter);
        Ziel->setDefaultSuffix(Treffer.hasMatch() ? Treffer.captured(1) : Wahl.Endung);
    });
    if (!Wahl.Vorschlag.isEmpty()) {
        const QFileInfo Vorschlag(Wahl.Vorschlag);
        if (Vorschlag.isAbsolute()) {
            Dialog.setDirectory(Vorschlag.absolutePath());
            Dialog.selectFile(Vorschlag.fileName());
        } else {
            Dialog.selectFile(Wahl.Vorschlag);
        }
    }
    Dialog.resize(Dialog.sizeHint().expandedTo(QSize(720, 440)));
    if (auto* Liste = Dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* Kopf = Liste->header();
        Kopf->setStretchLastSection(false);
        Kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        Kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

QStringList TDienste::Mailaufruf(const TMail& Mail)
{
    QStringList Argumente = {QStringLiteral("--utf8"), QStringLiteral("--subject"), Mail.Betreff,
                             QStringLiteral("--body"), Mail.Text};
    for (const QString& Anhang : Mail.Anhaenge)
        Argumente << QStringLiteral("--attach") << Anhang;
    Argumente << Mail.Empfaenger;
    return Argumente;
}

void TDienste::E_Mail(QWidget*, const TMail& Mail, std::function<void(bool Angenommen)> Fertig)
{
    // No parent: a mail program that outlives the window must not be ended with it.
    auto* Aufruf = new QProcess();
    Aufruf->setStandardOutputFile(QProcess::nullDevice());
    Aufruf->setStandardErrorFile(QProcess::nullDevice());
    Slotschutz::Verbinden(Aufruf, &QProcess::finished, Aufruf, [Aufruf, Fertig](int Code, QProcess::ExitStatus Art) {
        Aufruf->deleteLater();
        Fertig(Art == QProcess::NormalExit && Code == 0);
    });
    Slotschutz::Verbinden(Aufruf, &QProcess::errorOccurred, Aufruf, [Aufruf, Fertig](QProcess::ProcessError Fehler) {
        if (Fehler != QProcess::FailedToStart)
            return;
        Aufruf->deleteLater();
        Fertig(false);
    });
    Aufruf->start(QStringLiteral("xdg-email"), Mailaufruf(Mail));
}

TDienste& TDienste::Aktuell()
{
    return Installiert ? *Installiert : Standard;
}

void TDienste::Installieren(TDienste* D)
{
    Installiert = D;
}
