#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

namespace Translations {

namespace {

// The context the engine and the Solve command give their texts.
constexpr const char* kContext = "SolveCommand";

bool InstallTranslator(const QLocale& locale, const QString& name, const QString& directory) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), directory)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

}  // namespace

QString Directory() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/novem-solver/translations");
}

void Install(const QLocale& locale, const QString& directory) {
    InstallTranslator(locale, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // A language the program does not speak gets English, with its plural forms.
    if (!InstallTranslator(locale, QStringLiteral("novem-solver"), directory)) {
        InstallTranslator(QLocale(QLocale::English), QStringLiteral("novem-solver"), directory);
    }
}

QString Solve(std::string_view english) {
    return QCoreApplication::translate(kContext, std::string(english).c_str());
}

}  // namespace Translations
