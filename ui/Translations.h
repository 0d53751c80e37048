#pragma once

#include <QLocale>
#include <QString>

// The desktop program's texts in the user's language, where a translation exists; otherwise
// the English texts as they stand.
namespace Translations {

// Where the program's .qm files lie, next to its executable as installed and as built.
QString Directory();

// Installs Qt's own translations and the program's for `locale`.
void Install(const QLocale& locale, const QString& directory = Directory());

// The Solve command's texts (the result, the statistics' labels, the warnings and their
// captions), which it composes without Qt: each line is translated, the figures after its tab
// are kept.
QString SolveText(const QString& text);

}  // namespace Translations
