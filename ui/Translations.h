#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

// The desktop program's texts in the user's language, where a translation exists; otherwise
// the English texts as they stand.
namespace Translations {

// Where the program's .qm files lie, next to its executable as installed and as built.
QString Directory();

// Installs Qt's own translations and the program's for `locale`.
void Install(const QLocale& locale, const QString& directory = Directory());

// One of the texts the engine and the Solve command mark as translatable, whole.
QString Solve(std::string_view english);

}  // namespace Translations
