#include "StepText.h"

#include <QCoreApplication>
#include <algorithm>

#include "explanation/Names.h"

namespace StepText {

namespace {

std::string Word(const char* english) {
    return QCoreApplication::translate("Step", english).toStdString();
}

QString Text(const Novem::Application& application, const Novem::Explanation::Words& words,
             Novem::Explanation::Detail detail) {
    std::string line;
    Novem::Explanation::AppendLine(line, application, words, detail);
    line.pop_back();
    return QString::fromStdString(line);
}

}  // namespace

Novem::Explanation::Words LocalWords() {
    Novem::Explanation::Words words;
    words.step = Word(QT_TRANSLATE_NOOP("Step", "step"));
    words.region = {Word(QT_TRANSLATE_NOOP("Step", "block")),
                    Word(QT_TRANSLATE_NOOP("Step", "row")),
                    Word(QT_TRANSLATE_NOOP("Step", "column"))};
    words.regions = {Word(QT_TRANSLATE_NOOP("Step", "blocks")),
                     Word(QT_TRANSLATE_NOOP("Step", "rows")),
                     Word(QT_TRANSLATE_NOOP("Step", "columns"))};
    words.in = Word(QT_TRANSLATE_NOOP("Step", "in"));
    words.removes = Word(QT_TRANSLATE_NOOP("Step", "removes"));
    words.from = Word(QT_TRANSLATE_NOOP("Step", "from"));
    words.places = Word(QT_TRANSLATE_NOOP("Step", "places"));
    words.fins = Word(QT_TRANSLATE_NOOP("Step", "fins"));
    words.pivot = Word(QT_TRANSLATE_NOOP("Step", "pivot"));
    words.pincers = Word(QT_TRANSLATE_NOOP("Step", "pincers"));
    words.linkedBy = Word(QT_TRANSLATE_NOOP("Step", "linked by"));
    words.andAlso = Word(QT_TRANSLATE_NOOP("Step", "and"));
    words.via = Word(QT_TRANSLATE_NOOP("Step", "via"));
    words.restricted = Word(QT_TRANSLATE_NOOP("Step", "restricted"));
    words.ifTrue = Word(QT_TRANSLATE_NOOP("Step", "if"));
    words.then = Word(QT_TRANSLATE_NOOP("Step", "then"));
    words.isNot = Word(QT_TRANSLATE_NOOP("Step", "not"));
    words.contradiction = Word(QT_TRANSLATE_NOOP("Step", "a contradiction"));
    words.type = Word(QT_TRANSLATE_NOOP("Step", "type"));
    words.with = Word(QT_TRANSLATE_NOOP("Step", "with"));
    words.excludedBy = Word(QT_TRANSLATE_NOOP("Step", "excluded by"));
    words.technique = [](std::string_view name) { return TechniqueName(name).toStdString(); };
    return words;
}

QString TechniqueName(std::string_view name) {
    return QCoreApplication::translate("Technique", std::string(name).c_str());
}

QString Regions(const Novem::Application& application) {
    std::vector<std::vector<int>> groups;
    if (const auto* applied = std::get_if<Novem::RuleApplication>(&application)) {
        groups.push_back({applied->region});
    } else {
        const auto& step = std::get<Novem::Ladder::Step>(application);
        groups = {step.base, step.cover};
        if (step.forcingRegion != -1) {
            groups.push_back({step.forcingRegion});
        }
    }
    const Novem::Explanation::Words words = LocalWords();
    QStringList named;
    for (const std::vector<int>& regions : groups) {
        if (!regions.empty()) {
            named << QString::fromStdString(Novem::Explanation::Regions(regions, words));
        }
    }
    return named.join(QCoreApplication::translate("Step", " and "));
}

QString Cells(const std::vector<int>& cells) {
    return QString::fromStdString(Novem::Names::Cells(cells));
}

QString Line(const Novem::Application& application, Novem::Explanation::Detail detail) {
    return Text(application, LocalWords(), detail);
}

Lines HintLines(const Novem::Application& hint, const std::vector<StepModel::Entry>& entries) {
    // Compared in English, where the step's number stands in a column of its own.
    constexpr qsizetype kStepColumn = 10;
    constexpr auto kBrief = Novem::Explanation::Detail::Brief;
    constexpr auto kFull = Novem::Explanation::Detail::Full;
    const QString line = Text(hint, {}, kFull).mid(kStepColumn);
    const auto listed = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
        return Text(entry.application, {}, kFull).mid(kStepColumn) == line;
    });
    if (listed != entries.end()) {
        return {Line(listed->application, kBrief), Line(listed->application, kFull)};
    }
    const Novem::Explanation::Words words = LocalWords();
    const auto unnumbered = [&](Novem::Explanation::Detail detail) {
        const QString local = Text(hint, words, detail);
        return local.mid(local.indexOf(u' ', QString::fromStdString(words.step).size() + 1))
            .trimmed();
    };
    return {unnumbered(kBrief), unnumbered(kFull)};
}

}  // namespace StepText
