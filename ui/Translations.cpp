#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

namespace Translations {

namespace {

constexpr const char* kContext = "SolveCommand";

// For lupdate: the texts the Solve command composes, in its own words.
[[maybe_unused]] constexpr const char* kSolveTexts[] = {
    QT_TRANSLATE_NOOP("SolveCommand", "This grid has been solved successfuly!"),
    QT_TRANSLATE_NOOP("SolveCommand", "This grid is not solvable..."),
    QT_TRANSLATE_NOOP("SolveCommand", "Effective Cells updates"),
    QT_TRANSLATE_NOOP("SolveCommand", "Effective \"Single Cell[card=%1]\" rules"),
    QT_TRANSLATE_NOOP("SolveCommand", "Effective \"Dual Cells\" rules"),
    QT_TRANSLATE_NOOP("SolveCommand", "Total Time"),
    QT_TRANSLATE_NOOP("SolveCommand", "Solver Status"),
    QT_TRANSLATE_NOOP("SolveCommand", "Warning"),
    QT_TRANSLATE_NOOP("SolveCommand", "Could not open NovemSolver.txt for writing..."),
    QT_TRANSLATE_NOOP("SolveCommand",
                      "Could not write all of NovemSolver.txt: the run log is incomplete..."),
};

void InstallTranslator(const QLocale& locale, const QString& name, const QString& directory) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), directory)) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

QString Translate(const QString& text) {
    // A card's number stands in for %1, so that one translation serves all nine.
    static const QRegularExpression kCard(QStringLiteral("\\[card=([0-9]+)\\]"));
    const QRegularExpressionMatch card = kCard.match(text);
    if (!card.hasMatch()) {
        return QCoreApplication::translate(kContext, text.toUtf8().constData());
    }
    QString source = text;
    source.replace(card.capturedStart(1), card.capturedLength(1), QStringLiteral("%1"));
    return QCoreApplication::translate(kContext, source.toUtf8().constData()).arg(card.captured(1));
}

}  // namespace

QString Directory() {
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/novem-solver/translations");
}

void Install(const QLocale& locale, const QString& directory) {
    InstallTranslator(locale, QStringLiteral("qtbase"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    InstallTranslator(locale, QStringLiteral("novem-solver"), directory);
}

QString SolveText(const QString& text) {
    // Lines keep their ends; a line's label is what comes before its first tab.
    QStringList lines = text.split(u'\n');
    for (QString& line : lines) {
        const bool carriageReturn = line.endsWith(u'\r');
        const qsizetype end =
            line.indexOf(u'\t') >= 0 ? line.indexOf(u'\t') : line.size() - (carriageReturn ? 1 : 0);
        if (end > 0) {
            line.replace(0, end, Translate(line.left(end)));
        }
    }
    return lines.join(u'\n');
}

}  // namespace Translations
