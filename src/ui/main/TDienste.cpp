#include "ui/main/TDienste.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>

namespace {

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
        QFileDialog Dialog(Eltern, Wahl.Titel, QString(), Wahl.Filter);
        Dialog.setAcceptMode(QFileDialog::AcceptOpen);
        Dialog.setFileMode(QFileDialog::ExistingFile);
        TDienste::Dateidialog_Einrichten(Dialog, Wahl);
        return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().front()
                                                                                      : QString();
    }

    QString Datei_Speichern(QWidget* Eltern, const TDateiwahl& Wahl) override
    {
        QFileDialog Dialog(Eltern, Wahl.Titel, QString(), Wahl.Filter);
        Dialog.setAcceptMode(QFileDialog::AcceptSave);
        Dialog.setFileMode(QFileDialog::AnyFile);
        TDienste::Dateidialog_Einrichten(Dialog, Wahl);
        return Dialog.exec() == QDialog::Accepted && !Dialog.selectedFiles().isEmpty() ? Dialog.selectedFiles().front()
                                                                                      : QString();
    }

    void Oeffnen(const QUrl& Ziel) override { QDesktopServices::openUrl(Ziel); }
};

TStandarddienste Standard;
TDienste* Installiert = nullptr;

} // namespace

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
