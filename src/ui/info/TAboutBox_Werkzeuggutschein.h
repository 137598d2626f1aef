#pragma once

#include "ui/info/TInfodialog.h"

class TBildflaeche;

// Two pages of a tool-voucher offer; "Blättern" turns to the other page.
class TAboutBox_Werkzeuggutschein : public TInfodialog
{
    Q_OBJECT

public:
    explicit TAboutBox_Werkzeuggutschein(QWidget* parent = nullptr);

    int Blaetterzahl() const { return m_Blaetterzahl; }

private:
    void Button_BlaetternClick();

    TBildflaeche* m_Seite2 = nullptr;
    int m_Blaetterzahl = 0;
};
