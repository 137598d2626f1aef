#pragma once

#include <QDialog>

// The chart of opening directions, which explains the texts of the editor's
// turning-direction field.
class TAboutBox_Drehrichtungen : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Drehrichtungen(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* Ereignis) override;

private:
    bool m_Positioniert = false;
};
