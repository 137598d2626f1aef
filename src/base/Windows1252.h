#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

// The code page of the order files and of every text the program keeps.
namespace Windows1252 {

// Bytes of the code page as text: 0x80..0x9F through its table, the rest as ISO-8859-1.
QString Text(const QByteArray& Bytes);

// The text of a file that an editor may have saved as UTF-8. UTF-8 when the
// bytes begin with its byte-order mark (dropped), or when every byte above
// 0x7F belongs to a well-formed UTF-8 sequence and none of these sequences is
// a C1 control character (as "Ã€" in Windows-1252 would be); the text is then
// composed (NFC), so that "u" with a combining diaeresis is "ü". Otherwise,
// and always without a byte above 0x7F, the bytes are Windows-1252.
QString Dateitext(const QByteArray& Bytes);
// Whether Dateitext takes Bytes as UTF-8.
bool Als_Utf8_Gelesen(const QByteArray& Bytes);

// A character with a byte in the code page; the five codes the code page
// leaves undefined stay their C1 control characters, as the system's converter has them.
bool Kodierbar(QChar Zeichen);
bool Kodierbar(QStringView Text);

// A character a user may enter: one with a byte, but none of the C1 control characters.
bool Darstellbar(QChar Zeichen);
bool Darstellbar(QStringView Text);

} // namespace Windows1252
