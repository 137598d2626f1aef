#pragma once

#include "Hauptfenster_Testhilfen.h"

#include "order/TBestellung.h"
#include "ui/main/TForm_Haupt.h"

namespace Hauptfenster_Test {

// A shown main window with scripted services, for a test fixture to build on.
class TMit_Hauptfenster : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fenster.show();
        QApplication::setActiveWindow(&Fenster);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }
    TBestellung& B() { return Fenster.Bestellung(); }

    TTestdienste Dienste;
    TForm_Haupt Fenster;
};

} // namespace Hauptfenster_Test
