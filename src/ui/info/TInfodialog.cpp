#include "ui/info/TInfodialog.h"

#include "fonts/TSchriften.h"

#include <QScreen>

TInfodialog::TInfodialog(const QString& Titel, int Breite, int Hoehe, QWidget* Eltern)
    : QDialog(Eltern)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(Titel);
    setFixedSize(Breite, Hoehe);
    setModal(false);
    setFont(TSchriften::Schrift(8));
}

void TInfodialog::showEvent(QShowEvent* Ereignis)
{
    if (!m_Positioniert) {
        if (const QScreen* Bildschirm = screen()) {
            QRect Lage = geometry();
            Lage.moveCenter(Bildschirm->availableGeometry().center());
            move(Lage.topLeft());
        }
        m_Positioniert = true;
    }
    QDialog::showEvent(Ereignis);
}
