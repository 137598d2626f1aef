#pragma once

#include <QSettings>
#include <QString>

// What the program remembers between runs, in the user's configuration folder
// ("~/.config/Quadrolis C2/Quadrolis C2.conf" unless XDG_CONFIG_HOME says otherwise).
class TEinstellungen : public QSettings
{
public:
    TEinstellungen()
        : QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quadrolis C2"),
                    QStringLiteral("Quadrolis C2"))
    {
    }
};
