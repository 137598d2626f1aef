#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

// The code page of the order files and of every text the program keeps.
namespace Windows1252 {

// Bytes of the code page as text: 0x80..0x9F through its table, the rest as ISO-8859-1.
QString Text(const QByteArray& Bytes);

// A character with a byte in the code page; the five codes the code page
// leaves undefined stay their C1 control characters, as the system's converter has them.
bool Kodierbar(QChar Zeichen);
bool Kodierbar(QStringView Text);

// A character a user may enter: one with a byte, but none of the C1 control characters.
bool Darstellbar(QChar Zeichen);
bool Darstellbar(QStringView Text);

} // namespace Windows1252
