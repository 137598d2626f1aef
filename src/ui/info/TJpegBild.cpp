#include "ui/info/TJpegBild.h"

#include <QFile>
#include <QIODevice>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct TFehlerverwalter
{
    jpeg_error_mgr Basis;
    std::jmp_buf Sprung;
    char Meldung[JMSG_LENGTH_MAX];
};

struct TDekodierung
{
    jpeg_decompress_struct Info;
    TFehlerverwalter Verwalter;
    const unsigned char* Daten;
    unsigned long Laenge;
};

[[noreturn]] void Abbrechen(j_common_ptr Info)
{
    auto* Verwalter = reinterpret_cast<TFehlerverwalter*>(Info->err);
    Info->err->format_message(Info, Verwalter->Meldung);
    std::longjmp(Verwalter->Sprung, 1);
}

// libjpeg reports damaged data only as a warning and fills the rest of the
// picture with grey; a half-grey sheet is worse than none.
void Melden(j_common_ptr Info, int Stufe)
{
    if (Stufe < 0)
        Abbrechen(Info);
}

// Runs one stage of libjpeg; a libjpeg error jumps back here. The stages hold
// no objects with destructors, so the jump skips no cleanup.
bool Stufe(TDekodierung& D, void (*Arbeit)(TDekodierung&, QImage*), QImage* Bild)
{
    if (setjmp(D.Verwalter.Sprung))
        return false;
    Arbeit(D, Bild);
    return true;
}

void Anlegen(TDekodierung& D, QImage*)
{
    jpeg_create_decompress(&D.Info);
}

void Kopf_Lesen(TDekodierung& D, QImage*)
{
    jpeg_mem_src(&D.Info, D.Daten, D.Laenge);
    jpeg_read_header(&D.Info, TRUE);
    switch (D.Info.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
        break;
    default:
        std::snprintf(D.Verwalter.Meldung, sizeof D.Verwalter.Meldung, "Farbraum %d wird nicht unterstützt",
                      int(D.Info.jpeg_color_space));
        std::longjmp(D.Verwalter.Sprung, 1);
    }
    if (D.Info.image_width > JDIMENSION(TJpegBild::Hoechstkante)
        || D.Info.image_height > JDIMENSION(TJpegBild::Hoechstkante)) {
        std::snprintf(D.Verwalter.Meldung, sizeof D.Verwalter.Meldung, "Bild %u x %u ist zu groß",
                      unsigned(D.Info.image_width), unsigned(D.Info.image_height));
        std::longjmp(D.Verwalter.Sprung, 1);
    }
    D.Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&D.Info);
}

void Zeilen_Lesen(TDekodierung& D, QImage* Bild)
{
    while (D.Info.output_scanline < D.Info.output_height) {
        JSAMPROW Zeile = Bild->scanLine(int(D.Info.output_scanline));
        jpeg_read_scanlines(&D.Info, &Zeile, 1);
    }
    jpeg_finish_decompress(&D.Info);
}

} // namespace

QImage TJpegBild::Dekodieren(const QByteArray& Daten, QString* Fehlertext)
{
    TDekodierung D{};
    D.Info.err = jpeg_std_error(&D.Verwalter.Basis);
    D.Verwalter.Basis.error_exit = Abbrechen;
    D.Verwalter.Basis.emit_message = Melden;
    D.Daten = reinterpret_cast<const unsigned char*>(Daten.constData());
    D.Laenge = static_cast<unsigned long>(Daten.size());

    QImage Bild;
    bool Gelungen = Stufe(D, Anlegen, nullptr);
    if (Gelungen)
        Gelungen = Stufe(D, Kopf_Lesen, nullptr);
    if (Gelungen) {
        Bild = QImage(int(D.Info.output_width), int(D.Info.output_height), QImage::Format_RGB888);
        if (Bild.isNull()) {
            std::snprintf(D.Verwalter.Meldung, sizeof D.Verwalter.Meldung, "kein Speicher für das Bild");
            Gelungen = false;
        }
    }
    if (Gelungen)
        Gelungen = Stufe(D, Zeilen_Lesen, &Bild);
    jpeg_destroy_decompress(&D.Info);

    if (!Gelungen) {
        if (Fehlertext)
            *Fehlertext = QStringLiteral("JPEG-Bild nicht lesbar: ") + QString::fromUtf8(D.Verwalter.Meldung);
        return {};
    }
    return Bild;
}

QImage TJpegBild::Lesen(QIODevice& Quelle, QString* Fehlertext)
{
    if (!Quelle.isOpen() && !Quelle.open(QIODevice::ReadOnly)) {
        if (Fehlertext)
            *Fehlertext = Quelle.errorString();
        return {};
    }
    return Dekodieren(Quelle.readAll(), Fehlertext);
}

QImage TJpegBild::Laden(const QString& Pfad, QString* Fehlertext)
{
    QFile Datei(Pfad);
    if (!Datei.open(QIODevice::ReadOnly)) {
        if (Fehlertext)
            *Fehlertext = Pfad + QStringLiteral(": ") + Datei.errorString();
        return {};
    }
    return Lesen(Datei, Fehlertext);
}
