#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "CAboutDlg.h"
#include "CNovemSolverDlg.h"
#include "CStringEdit.h"
#include "WindowSystem.h"

namespace {

const QString kSample =
    "895.....4.....7...1..6.5.8.4...1.........46........3.97.13.....5.4.....2..2....1.";
const QString kSolution =
    "895231764623487195147695283476913528359824671218756349781342956564179832932568417";
const QString kSolved =
    "This grid has been solved successfuly!\r\n\r\nEffective Cells updates\t\t: ";

struct Box {
    QString text;
    QString caption;
    unsigned style;
};

}  // namespace

// Drives the real dialog with simulated keys and mouse; beeps and message boxes are counted and
// answered through the window-system layer.
class DialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { m_dialog.reset(); }

    void opensWithTheSampleAndTheHelpText();
    void typingMovesTheFocus_data();
    void typingMovesTheFocus();
    void clearGridEmptiesEveryCellAndAPuzzleIsEightyOneKeys();
    void returnSolvesInPlaceAndSolvingAgainFindsNothingNew();
    void anErrorIsShownAndTheNextSolveWorks();
    void theContextMenuOpensTheAboutBox();
    void cellsPaintBlackOnWhiteUnderADarkPalette();
    void resultTextIsShownInAlignedColumns();

private:
    CStringEdit* Cell(int index) const {
        return m_dialog->findChild<CStringEdit*>(QStringLiteral("cell%1").arg(index));
    }

    QString Cells() const {
        QString cells;
        for (int index = 0; index < 81; ++index) {
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
};

void DialogTest::initTestCase() {
    QVERIFY(m_directory.isValid());
    QDir::setCurrent(m_directory.path());
    WindowSystem::SetBeepHandler([this] { ++m_beeps; });
    WindowSystem::SetMessageBoxHandler(
        [this](QWidget*, const QString& text, const QString& caption, unsigned style) {
            m_boxes.append({text, caption, style});
        });
}

void DialogTest::init() {
    m_dialog = std::make_unique<CNovemSolverDlg>();
    m_dialog->show();
    m_dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    m_beeps = 0;
    m_boxes.clear();
}

void DialogTest::opensWithTheSampleAndTheHelpText() {
    QCOMPARE(Cells(), kSample);
    QCOMPARE(m_dialog->findChild<QPlainTextEdit*>(QStringLiteral("help"))->toPlainText(),
             QStringLiteral("Just edit as if you was entering the digits column by\n"
                            "column then line per line.\n"
                            "Use 0 to leave the current cell unchanged.\n"
                            "When you type a digit, the next cell gets the focus."));
    QCOMPARE(m_dialog->focusWidget(), m_dialog->findChild<QPushButton*>(QStringLiteral("solve")));
    QVERIFY(m_dialog->windowTitle().startsWith(QStringLiteral("Novem Solver ")));
    QCOMPARE(m_beeps, 0);
}

void DialogTest::typingMovesTheFocus_data() {
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("beeps");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("digit into an empty cell")
        << 3 << true << int(Qt::Key_7) << none << "7" << 4 << 0;
    QTest::newRow("digit replaces a digit") << 0 << true << int(Qt::Key_2) << none << "2" << 1 << 0;
    QTest::newRow("end of a row") << 8 << true << int(Qt::Key_1) << none << "1" << 9 << 0;
    QTest::newRow("zero keeps a digit") << 1 << true << int(Qt::Key_0) << none << "9" << 2 << 1;
    QTest::newRow("zero keeps an empty cell")
        << 40 << true << int(Qt::Key_0) << none << "" << 41 << 1;
    QTest::newRow("delete empties") << 2 << true << int(Qt::Key_Delete) << none << "" << 3 << 0;
    QTest::newRow("last cell keeps the focus")
        << 80 << true << int(Qt::Key_5) << none << "5" << 80 << 0;
    QTest::newRow("letter changes nothing") << 0 << true << int(Qt::Key_A) << none << "8" << 0 << 0;
    QTest::newRow("space changes nothing")
        << 0 << true << int(Qt::Key_Space) << none << "8" << 0 << 0;
    // The clipboard holds "x": the cell's filter refuses it.
    QTest::newRow("pasted letter restored")
        << 0 << true << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier) << "8" << 1
        << 1;
    QTest::newRow("second digit without selection")
        << 0 << false << int(Qt::Key_3) << none << "8" << 0 << 0;
}

void DialogTest::typingMovesTheFocus() {
    QFETCH(int, cell);
    QFETCH(bool, selected);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, focus);
    QFETCH(int, beeps);

    QApplication::clipboard()->setText(QStringLiteral("x"));
    Focus(cell);
    if (!selected) {
        Cell(cell)->end(false);
    }
    Type(key, modifiers);
    QCOMPARE(Cell(cell)->text(), text);
    QCOMPARE(m_dialog->focusWidget(), Cell(focus));
    QCOMPARE(m_beeps, beeps);
    if (focus != cell) {
        QCOMPARE(Cell(focus)->selectedText(), Cell(focus)->text());
    }
}

void DialogTest::clearGridEmptiesEveryCellAndAPuzzleIsEightyOneKeys() {
    auto* clearGrid = m_dialog->findChild<QPushButton*>(QStringLiteral("clearGrid"));
    QTest::mouseClick(clearGrid, Qt::LeftButton);
    QCOMPARE(Cells(), QString(81, u'.'));
    // Every write moves the focus on, as typing does, up to the last cell: an unchanged text too.
    QCOMPARE(m_dialog->focusWidget(), Cell(80));
    clearGrid->setFocus();
    QTest::mouseClick(clearGrid, Qt::LeftButton);
    QCOMPARE(m_dialog->focusWidget(), Cell(80));

    Focus(0);
    for (const QChar cell : kSample) {
        Type(cell == u'.' ? Qt::Key_0 : Qt::Key_0 + cell.digitValue());
    }
    QCOMPARE(Cells(), kSample);
    QCOMPARE(m_beeps, 58);
}

void DialogTest::returnSolvesInPlaceAndSolvingAgainFindsNothingNew() {
    Focus(3);
    Type(Qt::Key_Return);
    QCOMPARE(Cells(), kSolution);
    QVERIFY(m_dialog->isVisible());
    // The digits written during the solve did not move the focus.
    QCOMPARE(m_dialog->focusWidget(), Cell(3));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Solver Status"));
    QCOMPARE(m_boxes[0].style, 0U);
    QVERIFY(m_boxes[0].text.startsWith(kSolved + "445\n"));
    QVERIFY(m_boxes[0].text.contains(QStringLiteral("rules\t\t: 107\n\r\nTotal Time\t\t\t: ")));
    QFile log(QStringLiteral("NovemSolver.txt"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("\r\r\n\r\r\n"), 61);

    QTest::mouseClick(m_dialog->findChild<QPushButton*>(QStringLiteral("solve")), Qt::LeftButton);
    QCOMPARE(m_boxes.size(), 2);
    QVERIFY(m_boxes[1].text.startsWith(kSolved + "0\n"));
    QCOMPARE(QFileInfo(QStringLiteral("NovemSolver.txt")).size(), 0);
}

void DialogTest::anErrorIsShownAndTheNextSolveWorks() {
    // The dialog never lets a 0 into a cell; a cell without its filter does.
    Cell(4)->SetAllowedChars(QString());
    Focus(4);
    Type(Qt::Key_0);
    Type(Qt::Key_Return);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].caption, QStringLiteral("Error"));
    QVERIFY(m_boxes[0].text.contains(QStringLiteral("invalid bitset<N> position")));

    Cell(4)->setText(QString());
    Type(Qt::Key_Return);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].caption, QStringLiteral("Solver Status"));
    QCOMPARE(Cells(), kSolution);
}

void DialogTest::theContextMenuOpensTheAboutBox() {
    QString aboutTitle;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 3);
        QVERIFY(actions[1]->isSeparator());
        QCOMPARE(actions[2]->text(), QStringLiteral("&About NovemSolver..."));
        QTimer::singleShot(0, this, [&] {
            auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
            QVERIFY(about != nullptr);
            aboutTitle = about->windowTitle();
            about->accept();
        });
        actions[2]->trigger();
        menu->close();
    });
    const QPoint inside(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, m_dialog->mapToGlobal(inside));
    QApplication::sendEvent(m_dialog.get(), &event);
    QCOMPARE(aboutTitle, QStringLiteral("About NovemSolver"));
    QCOMPARE(Cells(), kSample);
}

void DialogTest::cellsPaintBlackOnWhiteUnderADarkPalette() {
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);
    CNovemSolverDlg dialog;
    const QImage image = dialog.findChild<CStringEdit*>(QStringLiteral("cell0"))->grab().toImage();
    QApplication::setPalette(original);

    QCOMPARE(QColor(image.pixel(image.width() / 4, image.height() / 2)), QColor(Qt::white));
    int darkPixels = 0;
    for (int x = image.width() / 3; x < 2 * image.width() / 3; ++x) {
        darkPixels += qGray(image.pixel(x, image.height() / 2)) < 96 ? 1 : 0;
    }
    QVERIFY2(darkPixels > 0, "the digit is drawn in a dark colour");
}

void DialogTest::resultTextIsShownInAlignedColumns() {
    const QString html = WindowSystem::ToDisplayHtml(QStringLiteral(
        "Solved!\r\n\r\nEffective Cells updates\t\t: 445\n\r\nTotal Time\t\t\t: 0.002 s"));
    QVERIFY(!html.contains(u'\t') && !html.contains(u'\r'));
    QCOMPARE(html.count(QStringLiteral("<tr>")), 5);
    QVERIFY(html.contains(
        QStringLiteral("<td>Effective Cells updates&nbsp;&nbsp;&nbsp;</td><td>: 445</td>")));
    QVERIFY(html.contains(QStringLiteral("<td>: 0.002 s</td>")));
}

QTEST_MAIN(DialogTest)
#include "DialogTest.moc"
