#pragma once

#include <QDialog>

// An information dialog: a fixed size, title and close button only, the
// 8-point face of the program; it opens centred on its screen the first time
// and, shown again, where the user last left it.
class TInfodialog : public QDialog
{
    Q_OBJECT

protected:
    TInfodialog(const QString& Titel, int Breite, int Hoehe, QWidget* Eltern);

    void showEvent(QShowEvent* Ereignis) override;

private:
    bool m_Positioniert = false;
};
