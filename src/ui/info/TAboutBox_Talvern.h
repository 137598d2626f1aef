#pragma once

#include "ui/info/TInfodialog.h"

class QPlainTextEdit;
class TWeblink;

// The maker's contact box: logo, address and numbers, management and register
// details, and the link to the web address.
class TAboutBox_Talvern : public TInfodialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Talvern(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    QPlainTextEdit* Text_Anlegen(QWidget* Eltern, const QString& Name, const QStringList& Zeilen, const QRect& Lage);

    QPlainTextEdit* m_Anschrift = nullptr;
    QPlainTextEdit* m_Register = nullptr;
    TWeblink* m_Link = nullptr;
};
