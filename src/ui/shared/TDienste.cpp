#include "ui/shared/TDienste.h"

#include "ui/shared/Slotschutz.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeView>

namespace {

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
        QMessageBox Box(QMessageBox::Information, QStringLiteral("Informationen"), Text, QMessageBox::NoButton, Eltern);
        QPushButton* Ok = Box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (mitAbbrechen)
            Box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        Box.setDefaultButton(Ok);
        Box.exec();
        return Box.clickedButton() == Ok;
    }

    void Fehler(QWidget* Eltern, const QString& Text) override
    {
        QMessageBox Box(QMessageBox::Critical, QStringLiteral("Fehler"), Text, QMessageBox::NoButton, Eltern);
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

bool TDienste::Druckdialog(QWidget*, QPrinter&)
{
    return false;
}

void TDienste::Druckvorschau(QWidget*, QPrinter&, const std::function<void(QPrinter&)>&)
{
}

bool TDienste::Frage(QWidget* Eltern, const QString& Text, const QString& Ja, const QString& Nein)
{
    QMessageBox Box(QMessageBox::Question, QStringLiteral("Informationen"), Text, QMessageBox::NoButton, Eltern);
    QPushButton* Knopf_Ja = Box.addButton(Ja, QMessageBox::AcceptRole);
    // Neither button is the escape button: Escape and the title bar do not decide.
    Box.addButton(Nein, QMessageBox::DestructiveRole);
    Box.setDefaultButton(Knopf_Ja);
    Box.exec();
    return Box.clickedButton() == Knopf_Ja;
}

TDienste::TSichern TDienste::Aenderungen_Sichern(QWidget* Eltern, const QString& Text)
{
    QMessageBox Box(QMessageBox::Warning, QStringLiteral("Quadrolis C2"), Text, QMessageBox::NoButton, Eltern);
    QPushButton* Speichern = Box.addButton(QStringLiteral("Speichern"), QMessageBox::AcceptRole);
    QPushButton* Verwerfen = Box.addButton(QStringLiteral("Nicht speichern"), QMessageBox::DestructiveRole);
    QPushButton* Abbrechen = Box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    Box.setDefaultButton(Speichern);
    Box.setEscapeButton(Abbrechen);
    Box.exec();
    if (Box.clickedButton() == Speichern)
        return TSichern::Speichern;
    return Box.clickedButton() == Verwerfen ? TSichern::Nicht_Speichern : TSichern::Abbrechen;
}

void TDienste::Dateidialog_Einrichten(QFileDialog& Dialog, const TDateiwahl& Wahl)
{
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    Dialog.setDefaultSuffix(Wahl.Endung);
    if (!Wahl.Vorschlag.isEmpty())
        Dialog.selectFile(Wahl.Vorschlag);
    Dialog.resize(Dialog.sizeHint().expandedTo(QSize(720, 440)));
    if (auto* Liste = Dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* Kopf = Liste->header();
        Kopf->setStretchLastSection(false);
        Kopf->setSectionResizeMode(QHeaderView::ResizeToContents);
        Kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

TDienste& TDienste::Aktuell()
{
    return Installiert ? *Installiert : Standard;
}

void TDienste::Installieren(TDienste* D)
{
    Installiert = D;
}
