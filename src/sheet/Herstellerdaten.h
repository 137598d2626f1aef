#pragma once

#include <QString>

// The window maker's own details, shown on the order sheet, in the main
// window's link and in the information windows. All of them are invented:
// example domains and telephone numbers from ranges kept free for fiction.
namespace Herstellerdaten {

inline const QString Firma = QStringLiteral("Talvern Fenster GmbH");
inline const QString Webadresse = QStringLiteral("www.talvern-fenster.example");
inline const QString Weblink = QStringLiteral("http://www.talvern-fenster.example");
inline const QString Logo = QStringLiteral("http://www.talvern-fenster.example/bilder/logo.jpg");
inline const QString Telefon = QStringLiteral("030 23125 000");
inline const QString Fax = QStringLiteral("030 23125 099");
inline const QString EMail = QStringLiteral("info@talvern-fenster.example");

// Contacts of the sheet's header block: subject, person, extension.
struct TAnsprechpartner
{
    QString Thema;
    QString Name;
    QString Durchwahl;
};
inline const TAnsprechpartner Ansprechpartner[3] = {
    {QStringLiteral("Technische Details/Termine"), QStringLiteral("Herr Brandlhuber"), QStringLiteral("-11")},
    {QStringLiteral("Preise"), QStringLiteral("Frau Ostermaier"), QStringLiteral("-12")},
    {QStringLiteral("Zahlungsmodalitäten"), QStringLiteral("Frau Quandt"), QStringLiteral("-13")},
};

inline const QString Geschaeftsfuehrer = QStringLiteral("Konrad Talvern");
inline const QString Sitz = QStringLiteral("Sitz der Gesellschaft: Musterstadt");
inline const QString Registergericht = QStringLiteral("Registergericht: Amtsgericht Musterstadt");
inline const QString Registernummer = QStringLiteral("HRB 00000");
inline const QString UStIdNr = QStringLiteral("USt-IdNr.: DE000000000");
inline const QString Bank = QStringLiteral("Musterbank Musterstadt");
inline const QString Konto = QStringLiteral("Konto-Nr. 0000000000");
inline const QString Bankleitzahl = QStringLiteral("BLZ 000 000 00");
inline const QString Inhaber_Mobil = QStringLiteral("030 23125 100");
inline const QString Inhaber_EMail = QStringLiteral("k.talvern@talvern-fenster.example");
inline const QString Anschrift = QStringLiteral("Beispielweg 1, 00000 Musterstadt");

} // namespace Herstellerdaten
