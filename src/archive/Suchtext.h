#pragma once

#include <QString>

// The form in which the archive stores and compares what is searched: lower
// case ASCII, accents dropped, "ß" as "ss", and "ae", "oe", "ue" as "a", "o",
// "u". Both the stored text and what is typed go through it, so "Müller",
// "Mueller", "mueller" and "muller" are one word to the search.
namespace Suchtext {

QString Normalisieren(const QString& Text);

} // namespace Suchtext
