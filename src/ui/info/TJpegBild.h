#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QIODevice;

// Decodes the JPEG pictures of the information windows with libjpeg. A damaged
// picture gives a null image and a message, never an abort of the program.
class TJpegBild
{
public:
    static QImage Dekodieren(const QByteArray& Daten, QString* Fehlertext = nullptr);
    static QImage Lesen(QIODevice& Quelle, QString* Fehlertext = nullptr);
    // Also takes resource paths such as ":/bilder/holzarten.jpg".
    static QImage Laden(const QString& Pfad, QString* Fehlertext = nullptr);

    // Larger pictures are refused before any memory is reserved for them.
    static constexpr int Hoechstkante = 8192;
};
