#pragma once

#include <QDialog>

// The billing proposal as one picture.
class TAboutBox_abrechnungsvorschlag : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox_abrechnungsvorschlag(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* Ereignis) override;

private:
    bool m_Positioniert = false;
};
