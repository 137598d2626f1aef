#pragma once

#include <QDialog>

// The about box: program icon, product name, version and the disclaimer.
class TAboutBox_Quadrolis : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Quadrolis(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* Ereignis) override;

private:
    bool m_Positioniert = false;
};
