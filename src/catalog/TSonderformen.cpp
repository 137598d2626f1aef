#include "catalog/TSonderformen.h"

const TSonderformen::TTabelle& TSonderformen::Katalog()
{
    // The entries of one label differ only in their factors; the index tells them apart.
    static const TTabelle Tabelle = {{
        {{
            {.Name = "--",           .ProStueck = 0},
            {.Name = "schräg 2 Wkl", .ProStueck = 198},
            {.Name = "schräg 2 Wkl", .ProStueck = 198},
            {.Name = "schräg 2 Wkl", .ProStueck = 198},
            {.Name = "schräg 3 Wkl", .ProStueck = 297},
            {.Name = "schräg 3 Wkl", .ProStueck = 297},
            {.Name = "schräg 4 Wkl", .ProStueck = 396},
            {.Name = "Rundbogen",    .ProStueck = 470},
            {.Name = "Segmentbg.",   .ProStueck = 470},
            {.Name = "Korbbogen",    .ProStueck = 594},
            {.Name = "Spitzbogen",   .ProStueck = 594},
            {.Name = "rund",         .ProStueck = 792},
        }},
    }};
    return Tabelle;
}

const TSonderformen::TFaktoren& TSonderformen::Faktoren()
{
    //                       window type 0  1  2  3  4  5  6  7  8  9
    static const TFaktoren Tabelle = {{
        /* 0  "--"           */ {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        /* 1  "schräg 2 Wkl" */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 2  "schräg 2 Wkl" */ {{1, 1, 2, 2, 3, 3, 4, 4, 5, 6}},
        /* 3  "schräg 2 Wkl" */ {{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        /* 4  "schräg 3 Wkl" */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 5  "schräg 3 Wkl" */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 6  "schräg 4 Wkl" */ {{1, 1, 2, 2, 3, 2, 4, 2, 2, 2}},
        /* 7  "Rundbogen"    */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 8  "Segmentbg."   */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 9  "Korbbogen"    */ {{1, 1, 1, 2, 1, 3, 1, 4, 5, 6}},
        /* 10 "Spitzbogen"   */ {{1, 1, 2, 2, 3, 3, 3, 4, 5, 6}},
        /* 11 "rund"         */ {{1, 1, 2, 2, 3, 3, 3, 4, 5, 6}},
    }};
    return Tabelle;
}

TSonderformen::TSonderformen()
    : TOptionsgruppe(Katalog(), "/Sonderformen", "TSonderformen")
{
}

std::int32_t TSonderformen::Faktor_Lesen(std::int32_t Form, std::int32_t Fenstertyp) const
{
    Ganzzahl::Index_Pruefen(Form, std::int64_t(Faktoren().size()), "TSonderformen (Form)");
    Ganzzahl::Index_Pruefen(Fenstertyp, std::int64_t(Faktoren()[0].size()), "TSonderformen (Fenstertyp)");
    return Faktoren()[std::size_t(Form)][std::size_t(Fenstertyp)];
}

QString TSonderformen::Beschreibung() const
{
    const QString& Name = Name_Von();
    if (Name == QStringLiteral("--"))
        return {};
    return QStringLiteral("Sonderform: ") + Name + QStringLiteral(" (#") + QString::number(ItemIndex_Lesen())
         + QStringLiteral("); ");
}
