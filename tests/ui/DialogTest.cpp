#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolTip>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "CNovemSolverApp.h"
#include "CNovemSolverDlg.h"
#include "CStringEdit.h"
#include "GridView.h"
#include "Product.h"
#include "ResultBox.h"
#include "StepList.h"
#include "StepText.h"
#include "StepWindow.h"
#include "TechniqueHelp.h"
#include "Translations.h"
#include "WindowSystem.h"
#include "explanation/Explanation.h"
#include "ladder/RuleNames.h"
#include "run/SolveReport.h"
#include "support/Puzzles.h"

namespace {

const QString kSample = QString::fromLatin1(Novem::TestSupport::kSamplePuzzle);
const QString kSolution = QString::fromLatin1(Novem::TestSupport::kSampleSolution);
const QString kEmpty(Novem::GridGeometry::kCells, u'.');
const QString kSolved = "This grid has been solved successfuly!\r\n\r\n";

QString Position(const QString& name) {
    QFile file(QStringLiteral(NOVEM_TEST_DATA "/positions/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void Trigger(QWidget& window, const QString& text) {
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->text() == text) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no action " + text));
}

struct Box {
    QString text;
    QString caption;
    unsigned style;
    bool waitCover;
    // What a result box shows, as a table.
    QString html;
};

}  // namespace

// Drives the real dialog with simulated keys and mouse on the offscreen platform. Beeps, message
// boxes and modal dialogs are counted and answered through the window-system layer, so no test
// waits on another's window.
class DialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { Open(); }
    void cleanup() { m_dialog.reset(); }

    void opensWithTheSampleAndTheHelpText();
    void namesItsControlsForScreenReaders();
    void keysInACell_data();
    void keysInACell();
    void aRefusedEditPutsBackTextAndCaret();
    void aPuzzleIsEightyOneKeysAfterClearGrid();
    void returnInACellSolvesInPlace();
    void returnOnSolveShowsTheFiguresAsATableUnderTheBusyCursor();
    void returnOnClearGridClears();
    void pastingAndCopyingAPuzzle_data();
    void pastingAndCopyingAPuzzle();
    void theMenuKeysAndHelpOpenWhatTheySay();
    void anErrorIsShownAndTheNextSolveWorks();
    void startsInTheUsersLanguageButLogsInEnglish();
    void everySolveTextIsTranslatedInEveryLanguage();
    void whereTheRulesStopTheBoxSaysWhatTheSearchFinds_data();
    void whereTheRulesStopTheBoxSaysWhatTheSearchFinds();
    void showSolutionFillsTheGrid();
    void theResultBoxCopiesWholeLines();
    void stepByStepListsWhatNovemBatchExplains();
    void stepByStepOpensSavesAndDrawsPuzzles();
    void theStepListFoldsStretchesOfBasicSteps_data();
    void theStepListFoldsStretchesOfBasicSteps();
    void stepByStepSpeaksTheUsersLanguage();
    void stepByStepDrawsTheChosenBranch();
    void aPasteThatIsNoPuzzleSaysWhy_data();
    void aPasteThatIsNoPuzzleSaysWhy();
    void positionsKeepTheirCandidates();
    void printPuzzlesMakesABooklet();
    void makingTheHardestPuzzlesShowsTheRateAndStops();

private:
    void AnswerModal(QDialog& dialog);
    void Open() {
        m_dialog = std::make_unique<CNovemSolverDlg>();
        m_dialog->show();
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        m_beeps = 0;
        m_boxes.clear();
        m_modals.clear();
    }
    CStringEdit* Cell(int index) const {
        return m_dialog->findChild<CStringEdit*>(QStringLiteral("cell%1").arg(index));
    }
    QPushButton* Button(const char* name) const {
        return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString Cells() const {
        QString cells;
        for (int index = 0; index < Novem::GridGeometry::kCells; ++index) {
            cells += Cell(index)->text().isEmpty() ? QStringLiteral(".") : Cell(index)->text();
        }
        return cells;
    }
    void Type(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    void Focus(int index) {
        Cell(index)->setFocus();
        Cell(index)->selectAll();
    }

    QTemporaryDir m_directory;
    std::unique_ptr<CNovemSolverDlg> m_dialog;
    int m_beeps = 0;
    QList<Box> m_boxes;
    QStringList m_modals;
};

void DialogTest::initTestCase() {
    QVERIFY(m_directory.isValid());
    QDir::setCurrent(m_directory.path());
    WindowSystem::SetBeepHandler([this] { ++m_beeps; });
    const auto waitCover = [](QWidget* owner) {
        const auto* cover = owner->findChild<QWidget*>(QStringLiteral("waitCover"));
        return cover != nullptr && cover->cursor().shape() == Qt::WaitCursor &&
               QApplication::overrideCursor() == nullptr;
    };
    WindowSystem::SetMessageBoxHandler([this, waitCover](QWidget* owner, const QString& text,
                                                         const QString& caption, unsigned style) {
        m_boxes.append({text, caption, style, waitCover(owner), {}});
    });
    WindowSystem::SetResultBoxHandler([this, waitCover](QWidget* owner, const ResultTable& table,
                                                        const QString& caption, unsigned style) {
        m_boxes.append({table.text, caption, style, waitCover(owner), ToDisplayHtml(table)});
    });
    WindowSystem::SetModalHandler([this](QDialog& dialog) { AnswerModal(dialog); });
}

// Told by its title and what its labels show, and answered as a user would, with Return; a
// dialog that stays open is told.
void DialogTest::AnswerModal(QDialog& dialog) {
    dialog.show();
    QStringList shown{dialog.windowTitle()};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        shown << (label->pixmap().isNull() ? label->text() : QStringLiteral("(icon)"));
    }
    QTest::keyClick(&dialog, Qt::Key_Return);
    m_modals.append(shown.join(" | ") + (dialog.isVisible() ? " (left open)" : ""));
    dialog.close();
}

// Print Puzzles makes the puzzles asked for off the window's thread, then shows their booklet in
// the print preview: three at two a page, and their solutions on a page at the back.
void DialogTest::printPuzzlesMakesABooklet() {
    QStringList titles;
    int pages = 0;
    WindowSystem::SetModalHandler([&](QDialog& dialog) {
        titles << dialog.windowTitle();
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&dialog)) {
            auto* widget = preview->findChild<QPrintPreviewWidget*>();
            widget->updatePreview();
            pages = widget->pageCount();
            return;
        }
        dialog.show();
        dialog.findChild<QSpinBox*>(QStringLiteral("count"))->setValue(3);
        dialog.findChild<QComboBox*>(QStringLiteral("level"))->setCurrentIndex(1);
        dialog.findChild<QComboBox*>(QStringLiteral("perPage"))->setCurrentIndex(1);
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isVisible(), 30000);
    });
    Trigger(*m_dialog, QStringLiteral("Print Pu&zzles..."));
    WindowSystem::SetModalHandler([this](QDialog& dialog) { AnswerModal(dialog); });
    QCOMPARE(titles, QStringList({"Print Puzzles", "Print Preview"}));
    QCOMPARE(pages, 2 + 1);
}

// The hardest level takes a while: the dialog tells the tries and their rate meanwhile, and Cancel
// stops the making at once, with nothing printed.
void DialogTest::makingTheHardestPuzzlesShowsTheRateAndStops() {
    QStringList titles;
    WindowSystem::SetModalHandler([&](QDialog& dialog) {
        titles << dialog.windowTitle();
        dialog.show();
        auto* level = dialog.findChild<QComboBox*>(QStringLiteral("level"));
        level->setCurrentIndex(level->count() - 1);
        QVERIFY(level->currentText().startsWith(QStringLiteral("14: ")));
        const auto rateShown = [&] {
            for (const QLabel* label : dialog.findChildren<QLabel*>()) {
                if (label->text().contains(QStringLiteral(" a second..."))) {
                    return true;
                }
            }
            return false;
        };
        QTest::keyClick(&dialog, Qt::Key_Return);
        QTRY_VERIFY(rateShown());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
    });
    Trigger(*m_dialog, QStringLiteral("Print Pu&zzles..."));
    WindowSystem::SetModalHandler([this](QDialog& dialog) { AnswerModal(dialog); });
    QCOMPARE(titles, QStringList({"Print Puzzles"}));
}

void DialogTest::opensWithTheSampleAndTheHelpText() {
    QCOMPARE(Cells(), kSample);
    auto* help = m_dialog->findChild<QPlainTextEdit*>(QStringLiteral("help"));
    QCOMPARE(help->toPlainText(),
             QStringLiteral("Just edit as if you was entering the digits column by\n"
                            "column then line per line.\n"
                            "Use 0 to leave the current cell unchanged.\n"
                            "When you type a digit, the next cell gets the focus."));
    QCOMPARE(m_dialog->focusWidget(), Button("solve"));
    QVERIFY(m_dialog->windowTitle().startsWith(QStringLiteral("Novem Solver ")));
}

void DialogTest::namesItsControlsForScreenReaders() {
    auto* help = m_dialog->findChild<QPlainTextEdit*>(QStringLiteral("help"));
    const auto text = [](QObject* object, QAccessible::Text kind) {
        return QAccessible::queryAccessibleInterface(object)->text(kind);
    };
    QCOMPARE(text(Cell(24), QAccessible::Name), QStringLiteral("Row 3, column 7"));
    QCOMPARE(text(Cell(0), QAccessible::Value), QStringLiteral("8"));
    QCOMPARE(text(Button("solve"), QAccessible::Name), QStringLiteral("Solve"));
    QCOMPARE(text(Button("clearGrid"), QAccessible::Name), QStringLiteral("Clear Grid"));
    QVERIFY(!text(help, QAccessible::Name).isEmpty());
}

// Keys in a cell: digits replace the cell's digit and move on, 0 and a pasted letter are refused
// with a beep, a typed letter changes nothing, the arrows walk the grid without wrapping.
void DialogTest::keysInACell_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("beeps");

    const auto key = [](Qt::Key code) { return QKeyCombination(code); };
    QTest::newRow("a digit replaces a digit") << 0 << key(Qt::Key_2) << "2" << 1 << 0;
    QTest::newRow("the end of a row") << 8 << key(Qt::Key_1) << "1" << 9 << 0;
    QTest::newRow("zero keeps a digit") << 1 << key(Qt::Key_0) << "9" << 2 << 1;
    QTest::newRow("delete empties") << 2 << key(Qt::Key_Delete) << "" << 3 << 0;
    QTest::newRow("the last cell keeps the focus") << 80 << key(Qt::Key_5) << "5" << 80 << 0;
    QTest::newRow("a letter changes nothing") << 0 << key(Qt::Key_A) << "8" << 0 << 0;
    // The clipboard holds one character: the cell's own paste, which its filter refuses.
    QTest::newRow("a pasted letter") << 0 << (Qt::CTRL | Qt::Key_V) << "8" << 1 << 1;
    QTest::newRow("left") << 40 << key(Qt::Key_Left) << "" << 39 << 0;
    QTest::newRow("up") << 41 << key(Qt::Key_Up) << "4" << 32 << 0;
    QTest::newRow("left at the left edge") << 9 << key(Qt::Key_Left) << "" << 9 << 0;
    QTest::newRow("right at the right edge") << 17 << key(Qt::Key_Right) << "" << 17 << 0;
    QTest::newRow("up at the top") << 4 << key(Qt::Key_Up) << "" << 4 << 0;
    QTest::newRow("down at the bottom") << 76 << key(Qt::Key_Down) << "" << 76 << 0;
}

void DialogTest::keysInACell() {
    QFETCH(int, cell);
    QFETCH(QKeyCombination, key);
    QFETCH(QString, text);
    QFETCH(int, focus);
    QFETCH(int, beeps);

    QApplication::clipboard()->setText(QStringLiteral("x"));
    Focus(cell);
    QTest::keyClick(Cell(cell), key.key(), key.keyboardModifiers());
    QCOMPARE(Cell(cell)->text(), text);
    QCOMPARE(m_dialog->focusWidget(), Cell(focus));
    QCOMPARE(m_beeps, beeps);
    QVERIFY(focus == cell || Cell(focus)->selectedText() == Cell(focus)->text());
}

// A refused edit puts back the last valid text, and the caret where the edit left it.
void DialogTest::aRefusedEditPutsBackTextAndCaret() {
    CStringEdit edit;
    edit.SetAllowedChars(QStringLiteral("123"));
    edit.SetText(QStringLiteral("123"));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_X);
    QCOMPARE(edit.text(), QStringLiteral("123"));
    QCOMPARE(edit.cursorPosition(), 1);
    QCOMPARE(m_beeps, 1);
}

// After Clear Grid the focus is on the first cell, whatever had it before: 0 for an empty cell.
// A second digit can't be typed into a cell that holds one, but a click selects it.
void DialogTest::aPuzzleIsEightyOneKeysAfterClearGrid() {
    Cell(40)->setFocus();
    QTest::mouseClick(Button("clearGrid"), Qt::LeftButton);
    QCOMPARE(Cells(), kEmpty);
    QCOMPARE(m_dialog->focusWidget(), Cell(0));
    for (const QChar cell : kSample) {
        Type(cell == u'.' ? Qt::Key_0 : Qt::Key_0 + cell.digitValue());
    }
    QCOMPARE(Cells(), kSample);
    QCOMPARE(m_beeps, 58);

    Cell(0)->deselect();
    Cell(0)->setFocus();
    Type(Qt::Key_3);
    QCOMPARE(Cell(0)->text(), QStringLiteral("8"));
    QTest::mouseClick(Cell(0), Qt::LeftButton);
    Type(Qt::Key_3);
    QCOMPARE(Cell(0)->text(), QStringLiteral("3"));
}

// The digits written during the solve do not move the focus; the run log holds every update.
void DialogTest::returnInACellSolvesInPlace() {
    Focus(3);
    Type(Qt::Key_Return);
    QCOMPARE(Cells(), kSolution);
    QCOMPARE(m_dialog->focusWidget(), Cell(3));
    QFile log(QStringLiteral("NovemSolver.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("\r\r\n\r\r\n"), 61);
    QCOMPARE(m_boxes.size(), 1);
}

// The box shows the result text as a table whose columns never wrap. The busy cursor covers the
// dialog until the box is dismissed, but not the box itself. Solving again finds nothing new.
void DialogTest::returnOnSolveShowsTheFiguresAsATableUnderTheBusyCursor() {
    Button("solve")->setFocus();
    Type(Qt::Key_Return);
    Type(Qt::Key_Return);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Solver Status"));
    QCOMPARE(m_boxes[0].style, 0U);
    QVERIFY(m_boxes[0].text.startsWith(kSolved +
                                       QString::fromLatin1(Novem::TestSupport::kSampleStatistics) +
                                       "\r\nTotal Time\t\t\t: "));
    QVERIFY(m_boxes[0].html.contains(
        QStringLiteral("<tr><td style=\"white-space: pre\">Effective &quot;Single Cell[card=6]"
                       "&quot; rules   </td><td style=\"white-space: pre\">: 1</td></tr>")));
    QVERIFY(m_boxes[1].text.startsWith(kSolved +
                                       QString::fromLatin1(Novem::TestSupport::kNothingChanged)));
    QVERIFY(m_boxes[0].waitCover && m_boxes[1].waitCover);
    QCOMPARE(m_dialog->findChild<QWidget*>(QStringLiteral("waitCover")), nullptr);
    QCOMPARE(QFileInfo(QStringLiteral("NovemSolver.txt")).size(), 0);
}

void DialogTest::returnOnClearGridClears() {
    Button("clearGrid")->setFocus();
    Type(Qt::Key_Return);
    QCOMPARE(Cells(), kEmpty);
    QVERIFY(m_boxes.isEmpty());
}

void DialogTest::pastingAndCopyingAPuzzle_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("fromACell");
    QTest::addColumn<QString>("cells");

    QString nineLines = QStringLiteral("\r\n");
    for (int row = 0; row < 9; ++row) {
        nineLines += " " + kSolution.mid(9 * row, 9) + (row == 4 ? "\r\n\n" : "\r\n");
    }
    QTest::newRow("a line with a comment")
        << "0" + kSolution.mid(1) + "  # from a collection" << true << "." + kSolution.mid(1);
    QTest::newRow("nine lines of nine, from a button") << nineLines << false << kSolution;
    QTest::newRow("a line that is no puzzle") << kSolution.left(80) << true << kSample;
    QTest::newRow("garbage, from a button") << QStringLiteral("hello") << false << kSample;
    QTest::newRow("nine lines, one of eight") << nineLines.chopped(3) + "\n" << true << kSample;
}

// A puzzle fills the grid and the focus goes to "Solve"; anything else beeps. Copied, the grid
// is one line.
void DialogTest::pastingAndCopyingAPuzzle() {
    QFETCH(QString, clipboard);
    QFETCH(bool, fromACell);
    QFETCH(QString, cells);

    QApplication::clipboard()->setText(clipboard);
    fromACell ? Focus(0) : Button("clearGrid")->setFocus();
    Type(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Cells(), cells);
    QCOMPARE(m_beeps, cells == kSample ? 1 : 0);
    QVERIFY((m_dialog->focusWidget() == Button("solve")) == (m_beeps == 0));
    Type(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(), cells);
}

// Shift+F10 opens the dialog's menu; its About item and F1 open their windows.
void DialogTest::theMenuKeysAndHelpOpenWhatTheySay() {
    Focus(5);
    Type(Qt::Key_F10, Qt::ShiftModifier);
    auto* menu = m_dialog->findChild<QMenu*>();
    QVERIFY(menu != nullptr && menu->isVisible());
    QStringList items;
    for (const QAction* action : menu->actions()) {
        items << action->text();
    }
    QCOMPARE(items,
             QStringList({"&New Puzzle...", "&Paste Puzzle", "&Copy Puzzle", "", "P&rint...",
                          "&Export PDF...", "Print Pu&zzles...", "", "Show S&olution",
                          "S&tep by Step", "", "&Help", "&About NovemSolver...", "", "&Close"}));
    menu->actions()[12]->trigger();
    menu->close();
    QCOMPARE(m_modals, QStringList{"About NovemSolver | (icon) | NovemSolver Version 1.0 | " +
                                   QString::fromUtf8(Product::kMakersNotice)});
    Type(Qt::Key_F1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Help"));
    QVERIFY(m_boxes[0].text.contains(QStringLiteral("Ctrl+V")));
}

void DialogTest::anErrorIsShownAndTheNextSolveWorks() {
    // The dialog never lets a 0 into a cell; a cell without its filter does.
    Cell(4)->SetAllowedChars(QString());
    Focus(4);
    Type(Qt::Key_0);
    Type(Qt::Key_Return);
    Cell(4)->setText(QString());
    Type(Qt::Key_Return);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Error"));
    QVERIFY(m_boxes[0].text.contains(QStringLiteral("invalid bitset<N> position")));
    QCOMPARE(m_boxes[1].caption, QStringLiteral("Solver Status"));
    QCOMPARE(Cells(), kSolution);
}

// Started under a German locale, the program names itself, shows its icon and runs its dialog,
// where Return solves the sample and leaves it open. Its boxes speak German; the run log does not.
void DialogTest::startsInTheUsersLanguageButLogsInEnglish() {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QVERIFY(!theApp.InitInstance());
    QLocale::setDefault(previous);
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCOMPARE(m_modals, QStringList{m_dialog->windowTitle() + " (left open)"});
    QCOMPARE(QApplication::applicationName(), QString::fromUtf8(Product::kName));
    QCOMPARE(QApplication::applicationVersion(), QString::fromLatin1(Product::kVersion));
    QCOMPARE(QApplication::desktopFileName(), QString::fromLatin1(Product::kAppId));
    // Drawn on a transparent ground, so that any panel shows through its rounded corners.
    const QImage icon = QApplication::windowIcon().pixmap(48).toImage();
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(icon.pixelColor(24, 24).alpha(), 255);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Lösungsstatus"));
    QVERIFY(m_boxes[0].text.startsWith(
        QStringLiteral("Dieses Rätsel wurde gelöst!\r\n\r\n"
                       "Wirksame Feldänderungen\t\t: 445\n"
                       "Wirksame „Single Cell[card=1]“-Regeln\t: 43\n")));
    QFile log(QStringLiteral("NovemSolver.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(
        log.readAll().startsWith("************ SolverImplV1::InternalRule[1] ************\r\n"));
}

void DialogTest::whereTheRulesStopTheBoxSaysWhatTheSearchFinds_data() {
    QTest::addColumn<QString>("puzzle");
    QTest::addColumn<QString>("paragraph");
    QTest::newRow("one solution")
        << QString::fromLatin1(Novem::TestSupport::kSeventeen)
        << "The rules stop here, with 32 cells open; an exact search finds exactly one solution. "
           "\"Show Solution\" in the menu fills them in.";
    QTest::newRow("none") << "55" + QString(79, u'.')
                          << "An exact search finds no solution at all: the digits contradict each "
                             "other.";
    QTest::newRow("several")
        << kEmpty
        << "The rules stop here; an exact search finds more than one solution, "
           "so no reasoning can decide the grid: it is not a proper puzzle.";
    QTest::newRow("solved") << kSample << QString();
}

// The box keeps the result text and adds a paragraph after it, in its table too.
void DialogTest::whereTheRulesStopTheBoxSaysWhatTheSearchFinds() {
    QFETCH(QString, puzzle);
    QFETCH(QString, paragraph);
    QApplication::clipboard()->setText(puzzle);
    Type(Qt::Key_V, Qt::ControlModifier);
    Type(Qt::Key_Return);
    QCOMPARE(m_boxes.size(), 1);
    const QString& text = m_boxes[0].text;
    QCOMPARE(text.endsWith(" s\r\n\r\n" + paragraph), !paragraph.isEmpty());
    QVERIFY(paragraph.isEmpty()
                ? text.endsWith(" s")
                : m_boxes[0].html.endsWith("<td colspan=\"2\">" + paragraph.toHtmlEscaped() +
                                           "&nbsp;</td></tr></table>"));
}

// Show Solution fills a proper puzzle's empty cells; for any other grid a box says why not.
void DialogTest::showSolutionFillsTheGrid() {
    const QString seventeen = QString::fromLatin1(Novem::TestSupport::kSeventeen);
    QApplication::clipboard()->setText(seventeen);
    Type(Qt::Key_V, Qt::ControlModifier);
    QAction* menuItem = nullptr;
    for (QAction* action : m_dialog->findChildren<QAction*>()) {
        menuItem = action->text() == QStringLiteral("Show S&olution") ? action : menuItem;
    }
    QVERIFY(menuItem != nullptr);
    menuItem->trigger();
    QCOMPARE(Cells(), QString::fromLatin1(Novem::TestSupport::kSeventeenSolution));
    QVERIFY(m_boxes.isEmpty());
    QTest::mouseClick(Button("clearGrid"), Qt::LeftButton);
    menuItem->trigger();
    QCOMPARE(Cells(), kEmpty);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Show Solution"));
}

// Ctrl+T opens "Step by Step" on the dialog's puzzle. Its steps, read as a screen reader reads
// them, are the lines novem-batch --techniques=all --explain prints; the keys walk them, and the
// grid is 81 cells a screen reader can visit.
void DialogTest::stepByStepListsWhatNovemBatchExplains() {
    QProcess batch;
    batch.start(QStringLiteral(NOVEM_BATCH),
                {QStringLiteral("--techniques=all"), QStringLiteral("--explain")});
    batch.write(kSample.toLatin1() + '\n');
    batch.closeWriteChannel();
    QVERIFY(batch.waitForFinished());
    QStringList lines = QString::fromLatin1(batch.readAllStandardOutput()).split(u'\n');
    lines = lines.filter(QRegularExpression(QStringLiteral("^step ")));

    Type(Qt::Key_T, Qt::ControlModifier);
    auto* window = m_dialog->findChild<StepWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Step by Step"));
    auto* list = window->findChild<StepList*>(QStringLiteral("steps"));
    QTRY_COMPARE(list->Count(), lines.size());
    QTRY_VERIFY(window->findChild<QLabel*>(QStringLiteral("status"))
                    ->text()
                    .endsWith(QStringLiteral("Exactly one solution.")));
    // Stretches of singles and locked candidates fold into a row each, between the subsets: no
    // such step or stretch stands next to another.
    QVERIFY(list->topLevelItemCount() < list->Count());
    const QRegularExpression basic(QStringLiteral(R"(\b(singles?|pointing|claiming)\b)"));
    for (int row = 1; row < list->topLevelItemCount(); ++row) {
        QVERIFY2(!basic.match(list->topLevelItem(row - 1)->text(0)).hasMatch() ||
                     !basic.match(list->topLevelItem(row)->text(0)).hasMatch(),
                 qPrintable(list->topLevelItem(row)->text(0)));
    }
    list->expandAll();
    QAccessibleInterface* steps = QAccessible::queryAccessibleInterface(list);
    QStringList read;
    for (int child = 0; child < steps->childCount(); ++child) {
        read << steps->child(child)->text(QAccessible::Name);
    }
    // The list aligns less than a terminal does: the pane under it has the line as it is.
    QStringList simplified;
    for (const QString& line : lines) {
        simplified << line.simplified();
    }
    for (QString& line : read) {
        line = line.simplified();
    }
    QCOMPARE(read.filter(QRegularExpression(QStringLiteral("^step "))), simplified);

    window->activateWindow();
    list->setFocus();
    for (const auto& [key, row] : {std::pair{Qt::Key_Home, 0},
                                   {Qt::Key_Right, 1},
                                   {Qt::Key_PageDown, 2},
                                   {Qt::Key_PageUp, 1},
                                   {Qt::Key_End, lines.size() - 1}}) {
        QTest::keyClick(list, key);
        QCOMPARE(list->currentItem(), list->ItemOf(row));
    }
    QWidget* grid = window->findChild<GridView*>();
    // A table of nine rows and columns, for a screen reader to move through by row and column.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    QCOMPARE(table->childCount(), 81);
    QCOMPARE(table->role(), QAccessible::Table);
    QCOMPARE(table->tableInterface()->rowCount(), 9);
    QCOMPARE(table->tableInterface()->cellAt(0, 9), nullptr);
    QCOMPARE(table->tableInterface()->cellAt(-1, 0), nullptr);
    QCOMPARE(table->tableInterface()->cellAt(8, 0)->text(QAccessible::Name),
             QStringLiteral("Row 9, column 1"));
    QAccessibleInterface* cell = table->tableInterface()->cellAt(2, 7);
    QCOMPARE(cell->role(), QAccessible::Cell);
    QCOMPARE(cell->text(QAccessible::Name), QStringLiteral("Row 3, column 8"));
    QCOMPARE(cell->tableCellInterface()->rowIndex(), 2);
    QCOMPARE(cell->tableCellInterface()->columnIndex(), 7);
    QCOMPARE(cell->tableCellInterface()->table(), table);
    // A cell tells a screen reader whose digit it holds, or its candidates.
    const auto described = [&](int cell) {
        return window->findChild<QWidget*>(QStringLiteral("gridCell%1").arg(cell))
            ->accessibleDescription();
    };
    QCOMPARE(described(0), QStringLiteral("8, given"));
    QCOMPARE(described(3), QStringLiteral("2, solved"));
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(described(3), QStringLiteral("candidates 1 2 3 4 5 6 7 8 9"));
}

// Puzzles come from files of many and from drops; the grid goes out as a line and as pictures.
void DialogTest::stepByStepOpensSavesAndDrawsPuzzles() {
    StepWindow window;
    window.show();
    QFile file(QStringLiteral("two.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kSample.toLatin1() + "\n# a comment\n" + kSolution.toLatin1() + "\n123\n");
    file.close();
    QStringList answers{QStringLiteral("two.txt"), QStringLiteral("saved.txt"),
                        QStringLiteral("grid.png"), QStringLiteral("grid.svg")};
    WindowSystem::SetFileHandler([&](bool, const QString&) { return answers.takeFirst(); });
    Trigger(window, QStringLiteral("&Open Puzzle..."));
    // A line that is no puzzle is told as novem-batch tells it; the title names the file, and the
    // status line which of its puzzles is shown.
    const auto* status = window.findChild<QLabel*>(QStringLiteral("status"));
    QCOMPARE(status->text(), QStringLiteral("Not puzzles: two.txt:4: expected 81 cells, found 3"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Step by Step: two.txt"));
    Trigger(window, QStringLiteral("Ne&xt Puzzle"));
    QTRY_VERIFY2(status->text().startsWith(QStringLiteral("Puzzle 2 of 2: ")),
                 qPrintable(status->text()));
    Trigger(window, QStringLiteral("&Save Puzzle..."));
    QFile saved(QStringLiteral("saved.txt"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kSolution.toLatin1() + "\n");
    Trigger(window, QStringLiteral("Save P&icture..."));
    Trigger(window, QStringLiteral("Save P&icture..."));
    QCOMPARE(QImage(QStringLiteral("grid.png")).size(), QSize(720, 720));
    QFile svg(QStringLiteral("grid.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    WindowSystem::SetFileHandler({});

    QMimeData dropped;
    dropped.setText(kSample);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    auto* list = window.findChild<StepList*>(QStringLiteral("steps"));
    QTRY_COMPARE(list->Count(), 166);

    // The keys the dialog has: Ctrl+V pastes a puzzle, Ctrl+Shift+C copies it; the picture goes
    // to the clipboard as a bitmap, as SVG and as the grid's line.
    QApplication::clipboard()->setText(kSolution);
    Trigger(window, QStringLiteral("&Paste Puzzle"));
    Trigger(window, QStringLiteral("Copy P&uzzle"));
    QCOMPARE(QApplication::clipboard()->text(), kSolution);
    Trigger(window, QStringLiteral("&Copy Picture"));
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied->hasImage());
    QVERIFY(copied->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    QCOMPARE(copied->text(), kSolution);

    // A hint, told in full at its third press, is the list's own line, step number and all.
    QApplication::clipboard()->setText(kSample);
    Trigger(window, QStringLiteral("&Paste Puzzle"));
    QTRY_COMPARE(list->Count(), 166);
    // Its first two presses name in words where the grid is marked.
    auto* hintButton = window.findChild<QPushButton*>(QStringLiteral("hint"));
    const auto* detail = window.findChild<QTextBrowser*>(QStringLiteral("detail"));
    hintButton->click();
    QCOMPARE(status->text(), QStringLiteral("Hint: hidden single in block 6, where the grid is "
                                            "marked."));
    // The pane tells what to look for.
    QVERIFY(detail->toPlainText().endsWith(TechniqueHelp::Of("hidden single")));
    hintButton->click();
    QCOMPARE(status->text(), QStringLiteral("Hint: hidden single on the marked cells, r5c9."));
    hintButton->click();
    const QString hint = status->text();
    QVERIFY2(hint.startsWith(QStringLiteral("Hint: step ")), qPrintable(hint));
    QStringList rows;
    for (int entry = 0; entry < list->Count(); ++entry) {
        rows << list->ItemOf(entry)->text(0);
    }
    QVERIFY2(rows.contains(hint.mid(6)), qPrintable(hint));
    // The pane under the list tells the hint, and the selected step, in full, aligned as
    // novem-batch aligns it.
    QCOMPARE(detail->toPlainText().simplified(), hint.simplified());
    QVERIFY(detail->toPlainText().contains(QStringLiteral("r5c9 = 1                   removes")));
    list->setCurrentItem(list->ItemOf(5));
    QVERIFY(detail->toPlainText().startsWith(list->ItemOf(5)->text(0).left(36)));
    QVERIFY(detail->toPlainText().contains(QStringLiteral("\n\nA cell with one candidate left")));
}

void DialogTest::theStepListFoldsStretchesOfBasicSteps_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("unfolded");
    // B a basic step (a hidden single), T a technique; a row is T, B or a stretch of its count.
    QTest::newRow("a stretch before a technique") << "BBBT"
                                                  << "3 T" << false;
    QTest::newRow("a lone basic step stays a row") << "TBTBB"
                                                   << "T B T 2" << false;
    QTest::newRow("basic steps alone, all unfolded") << "BBB"
                                                     << "3" << true;
}

void DialogTest::theStepListFoldsStretchesOfBasicSteps() {
    QFETCH(QString, steps);
    QFETCH(QString, rows);
    QFETCH(bool, unfolded);
    Novem::RuleApplication single;
    single.rule = Novem::RuleApplication::Rule::External;
    single.positions = 1U;
    single.digits = 1U;
    Novem::Ladder::Step xWing(Novem::Ladder::Technique::XWing);
    xWing.digits = 1U;
    xWing.base = {9, 12};
    xWing.cover = {18, 20};
    StepList list;
    for (const QChar kind : steps) {
        list.Add(kind == u'B' ? Novem::Application(single) : Novem::Application(xWing));
    }
    list.Finish();
    QStringList shape;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        shape << (item->childCount() > 0 ? QString::number(item->childCount())
                  : item->text(0).contains(QStringLiteral("X-wing")) ? QStringLiteral("T")
                                                                     : QStringLiteral("B"));
        if (item->childCount() > 0) {
            QCOMPARE(item->isExpanded(), unfolded);
        }
    }
    QCOMPARE(shape.join(u' '), rows);
    // Walking onto a folded step unfolds its stretch; its row stands for its first step.
    const int last = list.Count() - 1;
    list.Show(last);
    QCOMPARE(list.currentItem(), list.ItemOf(last));
    QVERIFY(list.ItemOf(last)->parent() == nullptr || list.ItemOf(last)->parent()->isExpanded());
    if (QTreeWidgetItem* stretch = list.ItemOf(0)->parent()) {
        list.setCurrentItem(stretch);
        list.Show(0);
        QCOMPARE(list.currentItem(), stretch);
    }
}

// The steps, the status line and a hint's technique in German and French: no English word of a
// step's line is left, but for the names German solvers keep. Counts take their plural forms, in
// English too.
void DialogTest::stepByStepSpeaksTheUsersLanguage() {
    const QRegularExpression english(QStringLiteral(
        R"(\b(step|row|column|naked|hidden|single|pointing|claiming|removes|from|forcing)\b)"));
    const std::pair<QString, QString> counts[] = {
        {QStringLiteral("en"), QStringLiteral("166 steps")},
        {QStringLiteral("de"), QStringLiteral("166 Schritte")},
        {QStringLiteral("fr"), QStringLiteral("166 étapes")}};
    for (const auto& [language, count] : counts) {
        QTranslator translator;
        QVERIFY(
            translator.load(QStringLiteral("novem-solver_") + language, Translations::Directory()));
        QCoreApplication::installTranslator(&translator);
        // Every word of a line is its translation.
        Novem::Explanation::Words keys;
        Novem::Explanation::Words local = StepText::LocalWords();
        const std::vector<std::string*> words = Novem::Explanation::All(local);
        for (std::size_t word = 0; word < words.size(); ++word) {
            const std::string& key = *Novem::Explanation::All(keys)[word];
            QCOMPARE(QString::fromStdString(*words[word]),
                     QCoreApplication::translate("Step", key.c_str()));
        }
        StepWindow window;
        window.SetPuzzle(Novem::PuzzleText::ParseLine(kSample.toStdString()).puzzle);
        const auto* status = window.findChild<QLabel*>(QStringLiteral("status"));
        QTRY_VERIFY(window.findChild<QProgressBar*>()->isHidden());
        auto* list = window.findChild<StepList*>(QStringLiteral("steps"));
        QStringList told{status->text()};
        for (QTreeWidgetItemIterator row(list); *row != nullptr; ++row) {
            told << (*row)->text(0);
        }
        window.findChild<QPushButton*>(QStringLiteral("hint"))->click();
        QVERIFY2(told.front().startsWith(count), qPrintable(told.front()));
        told << status->text();
        for (const QString& text : told) {
            QVERIFY2(language == "en" || !english.match(text).hasMatch(),
                     qPrintable(language + ": " + text));
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

// A forcing chain's list line names where its branches start; the pane has them all, and the grid
// draws the branch chosen above the pane.
void DialogTest::stepByStepDrawsTheChosenBranch() {
    StepWindow window;
    window.show();
    window.SetPuzzle(
        Novem::PuzzleText::ParseLine("1....6.8.....8.2....9.7...1.....5...7...6.51..3..."
                                     "1..7.4.......5..6..87.........2")
            .puzzle);
    const auto* status = window.findChild<QLabel*>(QStringLiteral("status"));
    // Its rating nests chain rules three deep: seconds under the sanitizers.
    QTRY_VERIFY_WITH_TIMEOUT(status->text().endsWith(QStringLiteral("Exactly one solution.")),
                             120000);
    auto* list = window.findChild<StepList*>(QStringLiteral("steps"));
    const QList<QTreeWidgetItem*> found = list->findItems(QStringLiteral("region forcing chain"),
                                                          Qt::MatchContains | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    QVERIFY2(found.front()->text(0).simplified().endsWith(
                 QStringLiteral("region forcing chain block 1 4 removes 4 from r3c1")),
             qPrintable(found.front()->text(0)));
    auto* branches = window.findChild<QComboBox*>(QStringLiteral("branches"));
    QVERIFY(!branches->isEnabled());
    list->setCurrentItem(found.front());
    QVERIFY(window.findChild<QTextBrowser*>(QStringLiteral("detail"))
                ->toPlainText()
                .contains(QStringLiteral("block 1 4: if 4r1c3 then not 4r3c1; if 4r2c1 then")));
    QVERIFY(branches->isEnabled());
    QCOMPARE(branches->count(), 4);
    QCOMPARE(branches->itemText(1), QStringLiteral("Branch 2 of 4: if 4r2c1"));
    QWidget* grid = window.findChild<GridView*>();
    const QImage first = grid->grab().toImage();
    branches->setCurrentIndex(1);
    QVERIFY(grid->grab().toImage() != first);
    branches->setCurrentIndex(0);
    QCOMPARE(grid->grab().toImage(), first);
    // Its keys choose a branch, not a step.
    window.activateWindow();
    branches->setFocus();
    const QString step = window.findChild<QTextBrowser*>(QStringLiteral("detail"))->toPlainText();
    QTest::keyClick(branches, Qt::Key_End);
    QCOMPARE(branches->currentIndex(), 3);
    QTest::keyClick(branches, Qt::Key_Home);
    QCOMPARE(branches->currentIndex(), 0);
    QCOMPARE(window.findChild<QTextBrowser*>(QStringLiteral("detail"))->toPlainText(), step);
    list->setCurrentItem(list->ItemOf(0));
    QVERIFY(!branches->isEnabled());
}

// A copy of the box with nothing selected takes its whole text; of a selection, the whole lines
// it touches, labels and figures separated by tabs as in the text.
void DialogTest::theResultBoxCopiesWholeLines() {
    ResultTable table{QStringLiteral("Solved"),
                      {{QStringLiteral("Updates"), QStringLiteral(": 4")},
                       {QStringLiteral("Rules"), QStringLiteral(": 2")}},
                      QString(),
                      QStringLiteral("Solved\r\n\r\nUpdates\t\t: 4\nRules\t: 2")};
    ResultBox box(m_dialog.get(), table, QStringLiteral("Solver Status"), 0);
    box.show();
    auto* view = box.findChild<QTextBrowser*>();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Solved\n\nUpdates\t\t: 4\nRules\t: 2"));
    QTextCursor cursor = view->document()->find(QStringLiteral("Rules"));
    view->setTextCursor(cursor);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Rules\t: 2"));
    // Select all, as Ctrl+A or a drag past the end does: every line.
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("Solved\n\nUpdates\t\t: 4\nRules\t: 2"));
}

void DialogTest::aPasteThatIsNoPuzzleSaysWhy_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("why");
    QTest::newRow("a cell short") << kSolution.left(80) << "80 cells: a puzzle has 81.";
    QTest::newRow("a letter") << kSolution.left(40) + "x"
                              << "\"x\" is no cell: cells are 1 to 9, and 0 or . for an empty one.";
    QTest::newRow("three lines") << "123\n456\n789"
                                 << "3 lines: a puzzle is one line of 81 cells, or 9 lines of 9.";
    const QString places = Position(QStringLiteral("expected.txt")).trimmed();
    QTest::newRow("728 places") << places.mid(1)
                                << "728 cells: a grid of candidates has 729, nine for each cell.";
    QTest::newRow("a grid of candidates with a short row")
        << Position(QStringLiteral("hodoku.txt"))
               .replace(QStringLiteral("| 36  26"), QStringLiteral("| 26    "))
        << "Row 2 of the grid of candidates has 8 cells: each row has 9.";
}

// A position pasted into Step by Step, in any program's form, shows exactly its candidates, which
// go out again with them as a line or as HoDoKu's grid, and read back the same. The dialog takes
// its decided cells and hands the candidates on to Step by Step.
void DialogTest::positionsKeepTheirCandidates() {
    const QString places = Position(QStringLiteral("expected.txt")).trimmed();
    const QString grid = Position(QStringLiteral("hodoku.txt"));
    StepWindow window;
    window.show();
    for (const char* name : {"hodoku.txt", "simple-sudoku.txt", "sukaku.txt", "library.txt"}) {
        QApplication::clipboard()->setText(Position(QString::fromLatin1(name)));
        Trigger(window, QStringLiteral("&Paste Puzzle"));
        Trigger(window, QStringLiteral("Copy with C&andidates"));
        QCOMPARE(QApplication::clipboard()->text(), places);
    }
    Trigger(window, QStringLiteral("Copy Candidate &Grid"));
    QCOMPARE(QApplication::clipboard()->text(), grid);
    Trigger(window, QStringLiteral("&Paste Puzzle"));
    Trigger(window, QStringLiteral("Copy with C&andidates"));
    QCOMPARE(QApplication::clipboard()->text(), places);

    QApplication::clipboard()->setText(places);
    Button("solve")->setFocus();
    Type(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_beeps, 0);
    QVERIFY(QToolTip::text().contains(QStringLiteral("Step by Step keeps its candidates")));
    QString decided;
    for (int cell = 0; cell < Novem::GridGeometry::kCells; ++cell) {
        const QString marks = places.mid(9 * cell, 9).remove(u'.');
        decided += marks.size() == 1 ? marks : QStringLiteral(".");
    }
    QCOMPARE(Cells(), decided);
    Type(Qt::Key_T, Qt::ControlModifier);
    auto* steps = m_dialog->findChild<StepWindow*>();
    QVERIFY(steps != nullptr);
    Trigger(*steps, QStringLiteral("Copy with C&andidates"));
    QCOMPARE(QApplication::clipboard()->text(), places);
}

// The paste leaves the grid as it is, beeps and says why near the grid.
void DialogTest::aPasteThatIsNoPuzzleSaysWhy() {
    QFETCH(QString, clipboard);
    QFETCH(QString, why);
    QApplication::clipboard()->setText(clipboard);
    Button("solve")->setFocus();
    Type(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Cells(), kSample);
    QCOMPARE(m_beeps, 1);
    QCOMPARE(QToolTip::text(), why);
}

// The labels and texts the engine and the Solve command mark as translatable, looked up in each
// language the program ships: a renamed label would fall back to English unnoticed.
void DialogTest::everySolveTextIsTranslatedInEveryLanguage() {
    QStringList files =
        QDir(Translations::Directory()).entryList({QStringLiteral("novem-solver_*.qm")});
    // English has only its plural forms.
    QVERIFY(files.removeOne(QStringLiteral("novem-solver_en.qm")));
    QCOMPARE(files.size(), 2);
    std::vector<std::pair<const char*, std::string_view>> texts;
    for (const std::string_view text : Novem::SolveTexts::kAll) {
        texts.emplace_back("SolveCommand", text);
    }
    for (const Novem::CounterLabel& label : Novem::kCounterLabels) {
        texts.emplace_back("SolveCommand", label.text);
    }
    for (const std::string_view level : Novem::Ladder::kLevelNames) {
        texts.emplace_back("Ladder", level);
    }
    // Every technique's name, the two rules' and the ladder's, as the step list shows them.
    for (const Novem::Ladder::TechniqueInfo& info : Novem::Ladder::kTechniqueInfo) {
        texts.emplace_back("Technique", info.name);
    }
    for (const Novem::Ladder::RuleNames::Kind kind :
         {Novem::Ladder::RuleNames::Kind::Pointing, Novem::Ladder::RuleNames::Kind::Claiming}) {
        texts.emplace_back("Technique", Novem::Ladder::RuleNames::NameOf({kind, 2, 0, 0}));
    }
    for (int size = 1; size <= 4; ++size) {
        for (const Novem::Ladder::RuleNames::Kind kind :
             {Novem::Ladder::RuleNames::Kind::Naked, Novem::Ladder::RuleNames::Kind::Hidden}) {
            texts.emplace_back("Technique", Novem::Ladder::RuleNames::NameOf({kind, size, 0, 0}));
        }
    }
    // And every other word of a step's line.
    Novem::Explanation::Words english;
    for (const std::string* word : Novem::Explanation::All(english)) {
        texts.emplace_back("Step", *word);
    }
    // And what each technique is.
    std::vector<QByteArray> helps;
    for (const auto& [context, text] : std::vector(texts)) {
        if (std::string_view(context) == "Technique") {
            const QString help = TechniqueHelp::Of(text);
            QVERIFY2(!help.isEmpty(), std::string(text).c_str());
            helps.push_back(help.toUtf8());
        }
    }
    for (const QByteArray& help : helps) {
        texts.emplace_back("TechniqueHelp", std::string_view(help.constData(), help.size()));
    }
    for (const QString& file : files) {
        QTranslator translator;
        QVERIFY(translator.load(file, Translations::Directory()));
        for (const auto& [context, text] : texts) {
            QVERIFY2(!translator.translate(context, std::string(text).c_str()).isEmpty(),
                     qPrintable(file + ": " + QString::fromUtf8(text.data(), text.size())));
        }
    }
}

QTEST_MAIN(DialogTest)

#include "DialogTest.moc"
