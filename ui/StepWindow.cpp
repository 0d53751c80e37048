#include "StepWindow.h"

#include <malloc.h>

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QSvgGenerator>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "BranchPainter.h"
#include "GridPainter.h"
#include "GridView.h"
#include "NewPuzzleDialog.h"
#include "PrintPages.h"
#include "PuzzleProblem.h"
#include "StepList.h"
#include "StepText.h"
#include "TechniqueHelp.h"
#include "WindowSystem.h"
#include "explanation/Explanation.h"
#include "explanation/Names.h"
#include "ladder/Difficulty.h"
#include "model/CandidateText.h"
#include "print/Booklet.h"
#include "print/BookletPuzzles.h"
#include "print/GridDrawing.h"

namespace {

using Novem::GridGeometry::kCells;

// The puzzle files of every program that reads them, one puzzle a line or nine lines of nine.
const char* const kPuzzleFilter = QT_TRANSLATE_NOOP("StepWindow", "Puzzles (*.txt *.sdk *.ss)");

// The grid the user works on as a line of cells, '.' for an open one.
QString GridLine(const StepModel::Candidates& candidates) {
    const Novem::PuzzleText::Cells cells = Novem::PuzzleText::DecidedCells(candidates);
    return QString::fromLatin1(cells.data(), static_cast<qsizetype>(cells.size()));
}

}  // namespace

StepWindow::StepWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setWindowTitle(tr("Step by Step"));
    setAcceptDrops(true);
    CreateLayout();
    CreateActions();
    resize(1180, 660);
    Refresh();
}

void StepWindow::CreateLayout() {
    m_grid = new GridView(this);
    connect(m_grid, &GridView::Entered, this, &StepWindow::OnEntered);
    m_steps = new StepList(this);
    m_steps->setObjectName(QStringLiteral("steps"));
    m_steps->setAccessibleName(tr("Steps"));
    m_steps->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(m_steps, &StepList::Chosen, this, &StepWindow::OnSelected);

    auto* navigation = new QHBoxLayout;
    auto* commands = new QHBoxLayout;
    const auto button = [this](QHBoxLayout* row, const QString& text, auto handler) {
        auto* pushButton = new QPushButton(text, this);
        pushButton->setFocusPolicy(Qt::TabFocus);
        connect(pushButton, &QPushButton::clicked, this, handler);
        row->addWidget(pushButton);
        return pushButton;
    };
    button(navigation, tr("&First"), [this] {
        m_model.First();
        Refresh();
    });
    button(navigation, tr("&Previous"), [this] {
        m_model.Previous();
        Refresh();
    });
    button(navigation, tr("&Next"), [this] {
        m_model.Next();
        Refresh();
    });
    button(navigation, tr("&Last"), [this] {
        m_model.Last();
        Refresh();
    });
    button(commands, tr("&Hint"), &StepWindow::OnHint)->setObjectName(QStringLiteral("hint"));
    button(commands, tr("My &Grid"), [this] {
        m_model.Select(-1);
        Refresh();
    });
    button(commands, tr("Show S&olution"), &StepWindow::OnShowSolution);

    auto* side = new QWidget(this);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    m_branches = new QComboBox(this);
    m_branches->setObjectName(QStringLiteral("branches"));
    m_branches->setAccessibleName(tr("Branch drawn"));
    // Always there, so that the list does not move when a forcing chain is selected.
    m_branches->setPlaceholderText(tr("A forcing chain's branches are chosen here"));
    m_branches->installEventFilter(this);
    connect(m_branches, &QComboBox::currentIndexChanged, this, [this](int branch) {
        if (branch >= 0) {
            m_model.ChooseBranch(branch);
            m_grid->Show(m_model.Shown());
        }
    });
    // Alt+B reaches it from the keyboard.
    auto* branchLabel = new QLabel(tr("&Branch:"), this);
    branchLabel->setBuddy(m_branches);
    auto* branchRow = new QHBoxLayout;
    branchRow->addWidget(branchLabel);
    branchRow->addWidget(m_branches, 1);
    // The selected step, or the hint, in full: a forcing chain's line is longer than any list.
    m_detail = new QTextBrowser(this);
    m_detail->setObjectName(QStringLiteral("detail"));
    m_detail->setAccessibleName(tr("Step in full"));
    m_detail->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* detailSide = new QWidget(this);
    auto* detailLayout = new QVBoxLayout(detailSide);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addLayout(branchRow);
    detailLayout->addWidget(m_detail);
    // The pane starts at a few lines and grows as far as the reader drags it.
    auto* stepsAndDetail = new QSplitter(Qt::Vertical, this);
    stepsAndDetail->addWidget(m_steps);
    stepsAndDetail->addWidget(detailSide);
    stepsAndDetail->setStretchFactor(0, 1);
    stepsAndDetail->setSizes({1000, 9 * m_detail->fontMetrics().lineSpacing()});
    sideLayout->addWidget(stepsAndDetail, 1);
    sideLayout->addLayout(navigation);
    sideLayout->addLayout(commands);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_grid);
    splitter->addWidget(side);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    setCentralWidget(splitter);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);
    m_busy->setMaximumWidth(120);
    m_busy->setAccessibleName(tr("Working out the steps"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_busy);
}

void StepWindow::CreateActions() {
    const auto add = [this](QMenu* menu, const QString& text, const QList<QKeySequence>& keys,
                            auto handler) {
        auto* action = new QAction(text, this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, handler);
        if (menu != nullptr) {
            menu->addAction(action);
        } else {
            addAction(action);
        }
        return action;
    };
    QMenu* puzzle = menuBar()->addMenu(tr("&Puzzle"));
    add(puzzle, tr("&New Puzzle..."), {QKeySequence::New}, &StepWindow::OnNewPuzzle);
    add(puzzle, tr("&Open Puzzle..."), {QKeySequence::Open}, &StepWindow::OnOpen);
    add(puzzle, tr("&Save Puzzle..."), {QKeySequence::Save}, &StepWindow::OnSave);
    m_previousPuzzle = add(puzzle, tr("P&revious Puzzle"), {QKeySequence(Qt::ALT | Qt::Key_Left)},
                           [this] { OnOtherPuzzle(-1); });
    m_nextPuzzle = add(puzzle, tr("Ne&xt Puzzle"), {QKeySequence(Qt::ALT | Qt::Key_Right)},
                       [this] { OnOtherPuzzle(1); });
    puzzle->addSeparator();
    add(puzzle, tr("&Paste Puzzle"), {QKeySequence::Paste}, &StepWindow::OnPastePuzzle);
    // As in the dialog: Ctrl+Shift+C copies the puzzle, and the picture has keys of its own.
    add(puzzle, tr("Copy P&uzzle"), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        &StepWindow::OnCopyPuzzle);
    add(puzzle, tr("Copy with C&andidates"), {}, &StepWindow::OnCopyCandidates);
    add(puzzle, tr("Copy Candidate &Grid"), {}, &StepWindow::OnCopyCandidateGrid);
    add(puzzle, tr("&Copy Picture"), {QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)},
        &StepWindow::OnCopyPicture);
    add(puzzle, tr("Save P&icture..."), {}, &StepWindow::OnSavePicture);
    puzzle->addSeparator();
    const auto paint = [this](QPagedPaintDevice& device) { PaintGrid(device); };
    add(puzzle, tr("Prin&t..."), {QKeySequence::Print},
        [this, paint] { PrintPages::Print(this, paint); });
    add(puzzle, tr("Print Pre&view..."), {}, [this, paint] { PrintPages::Preview(this, paint); });
    add(puzzle, tr("&Export PDF..."), {}, [this, paint] {
        if (const QString told = PrintPages::ExportPdf(this, paint); !told.isEmpty()) {
            Tell(told);
            Refresh();
        }
    });
    m_printMarks = add(puzzle, tr("Print Candidates and &Marks"), {}, [] {});
    m_printMarks->setCheckable(true);
    m_printMarks->setChecked(true);
    add(puzzle, tr("Print Pu&zzles..."), {}, [this] { PrintPages::PrintPuzzles(this); });
    puzzle->addSeparator();
    add(puzzle, tr("&Close"), {QKeySequence::Close}, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    m_undo = add(edit, tr("&Undo"), {QKeySequence::Undo}, &StepWindow::OnUndo);
    m_redo = add(edit, tr("&Redo"), {QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
                 &StepWindow::OnRedo);
    add(nullptr, QString(), {QKeySequence(Qt::Key_Home)}, [this] {
        m_model.First();
        Refresh();
    });
    add(nullptr, QString(), {QKeySequence(Qt::Key_Left), QKeySequence(Qt::Key_PageUp)}, [this] {
        m_model.Previous();
        Refresh();
    });
    add(nullptr, QString(), {QKeySequence(Qt::Key_Right), QKeySequence(Qt::Key_PageDown)}, [this] {
        m_model.Next();
        Refresh();
    });
    add(nullptr, QString(), {QKeySequence(Qt::Key_End)}, [this] {
        m_model.Last();
        Refresh();
    });
    add(nullptr, QString(), {QKeySequence(Qt::CTRL | Qt::Key_H)}, &StepWindow::OnHint);
}

void StepWindow::SetPuzzle(const Novem::PuzzleText::Puzzle& puzzle) {
    m_model.SetPuzzle(puzzle);
    m_steps->Clear();
    Tell({});
    m_solver.Start(
        puzzle, [this](StepModel::Entry entry) { OnEntry(std::move(entry)); },
        [this](const Novem::Ladder::Rating& rating, bool solved, int solutions,
               const Novem::PuzzleText::Cells& solution) {
            OnFinished(rating, solved, solutions, solution);
        });
    Refresh();
}

bool StepWindow::OpenText(const QString& text, const QString& source, const QString& nothing) {
    Novem::PuzzleText::Puzzles read = Novem::PuzzleText::ParsePuzzles(text.toStdString());
    constexpr std::size_t kTold = 3;
    const QString name = QFileInfo(source).fileName();
    QStringList problems;
    for (std::size_t index = 0; index < std::min(kTold, read.problems.size()); ++index) {
        const auto& [line, what] = read.problems[index];
        problems << (name.isEmpty() ? tr("line %1").arg(line)
                                    : QStringLiteral("%1:%2").arg(name).arg(line)) +
                        QStringLiteral(": ") + QString::fromStdString(what);
    }
    if (read.problems.size() > kTold) {
        problems << tr("%n more", nullptr, static_cast<int>(read.problems.size() - kTold));
    }
    if (read.position.kind != Novem::PuzzleText::TextProblem::Kind::None) {
        problems.prepend(PuzzleProblem::Text(read.position));
    }
    if (read.puzzles.empty()) {
        Tell(problems.isEmpty() ? nothing : nothing + u' ' + problems.join(QStringLiteral("; ")));
        Refresh();
        return false;
    }
    m_puzzles = std::move(read.puzzles);
    m_puzzle = 0;
    setWindowTitle(name.isEmpty() ? tr("Step by Step") : tr("Step by Step: %1").arg(name));
    SetPuzzle(m_puzzles.front());
    if (!problems.isEmpty()) {
        Tell(tr("Not puzzles: %1").arg(problems.join(QStringLiteral("; "))));
        Refresh();
    }
    return true;
}

void StepWindow::OnEntry(StepModel::Entry entry) {
    m_steps->Add(entry.application);
    m_model.AddEntry(std::move(entry));
}

void StepWindow::OnFinished(const Novem::Ladder::Rating& rating, bool solved, int solutions,
                            const Novem::PuzzleText::Cells& solution) {
    m_model.Finish(rating, solved, solutions, solution);
    m_steps->Finish();
    Refresh();
}

void StepWindow::OnSelected(int entry) {
    if (entry != m_model.Selected()) {
        m_model.Select(entry);
        Refresh();
    }
}

void StepWindow::OnEntered(int cell, int digit) {
    m_model.Select(-1);
    m_model.Enter(cell, digit);
    Tell({});
    Refresh();
}

// Each press tells more of the next step, the last applies it.
// A mistake comes before any technique, with its cells in words for a screen reader too.
QString StepWindow::MistakeText(const StepModel::Mistake& mistake) const {
    using Kind = StepModel::Mistake::Kind;
    const auto cell = [](int at) { return QString::fromStdString(Novem::Names::Cell(at)); };
    switch (mistake.kind) {
        case Kind::Clash:
            return tr("Hint: %1 and %2 hold the same digit, so the grid has no solution.")
                .arg(cell(mistake.cell), cell(mistake.other));
        case Kind::Wrong:
            return tr("Hint: the digit in %1 is not the solution's.").arg(cell(mistake.cell));
        case Kind::NoSolution:
            return tr("Hint: the grid has no solution at all.");
        case Kind::SeveralSolutions:
            return tr("Hint: the grid has more than one solution, so no step can decide it.");
        case Kind::None:
            break;
    }
    return {};
}

void StepWindow::OnHint() {
    m_model.Select(-1);
    if (const StepModel::Mistake mistake = m_model.Check();
        mistake.kind != StepModel::Mistake::Kind::None) {
        Tell(MistakeText(mistake));
        Refresh();
        return;
    }
    const StepModel::HintLevel before = m_model.ShownHint();
    const std::optional<Novem::Application> applying = m_model.CurrentHint();
    if (!m_model.Hint()) {
        Tell(tr("No hint: the ladder has no next step from this grid."));
    } else if (before == StepModel::HintLevel::Removals) {
        const StepText::Lines lines = StepText::HintLines(*applying, m_model.Entries());
        Tell(tr("Applied: %1").arg(lines.brief), tr("Applied: %1").arg(lines.full));
    } else {
        const Novem::Application& hint = *m_model.CurrentHint();
        const QString technique = StepText::TechniqueName(Novem::Explanation::Technique(hint));
        switch (m_model.ShownHint()) {
            // The marks in words too, for those who don't see them.
            case StepModel::HintLevel::Technique: {
                const QString regions = StepText::Regions(hint);
                const QString told =
                    regions.isEmpty()
                        ? tr("Hint: %1, somewhere in the grid.").arg(technique)
                        : tr("Hint: %1 in %2, where the grid is marked.").arg(technique, regions);
                // What to look for, for one who has not met the technique yet.
                Tell(told, told + QStringLiteral("\n\n") +
                               TechniqueHelp::Of(Novem::Explanation::Technique(hint)));
                break;
            }
            case StepModel::HintLevel::Cells:
                Tell(tr("Hint: %1 on the marked cells, %2.")
                         .arg(technique, StepText::Cells(GridPainter::PatternCells(
                                             hint, m_model.Shown().candidates))));
                break;
            default: {
                const StepText::Lines lines = StepText::HintLines(hint, m_model.Entries());
                Tell(tr("Hint: %1").arg(lines.brief), tr("Hint: %1").arg(lines.full));
                break;
            }
        }
    }
    Refresh();
}

void StepWindow::OnShowSolution() {
    m_model.Select(-1);
    if (!m_model.Finished()) {
        Tell(tr("The search is not done yet."));
    } else if (m_model.ShowSolution()) {
        Tell(tr("The solution is shown: Undo takes it back."));
    } else {
        Tell(m_model.Solutions() == 0
                 ? tr("The grid has no solution at all, so there is none to show.")
                 : tr("The grid has more than one solution, so there is no one solution to "
                      "show."));
    }
    Refresh();
}

void StepWindow::OnUndo() {
    m_model.Select(-1);
    m_model.Undo();
    Tell({});
    Refresh();
}

void StepWindow::OnRedo() {
    m_model.Select(-1);
    m_model.Redo();
    Tell({});
    Refresh();
}

void StepWindow::OnNewPuzzle() {
    if (const std::optional<Novem::PuzzleText::Cells> puzzle = NewPuzzleDialog::Ask(this)) {
        m_puzzles = {{*puzzle, {}}};
        m_puzzle = 0;
        SetPuzzle(m_puzzles.front());
    }
}

void StepWindow::OnOpen() {
    const QString name = WindowSystem::AskFileToOpen(this, tr("Open Puzzle"), tr(kPuzzleFilter));
    if (name.isEmpty()) {
        return;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        Tell(tr("Could not open %1: %2").arg(name, file.errorString()));
        Refresh();
        return;
    }
    OpenText(QString::fromUtf8(file.readAll()), name, tr("%1 holds no puzzle.").arg(name));
}

void StepWindow::OnSave() {
    const QString name = WindowSystem::AskFileToSave(this, tr("Save Puzzle"), tr(kPuzzleFilter));
    if (name.isEmpty()) {
        return;
    }
    QFile file(name);
    // A position keeps its candidates.
    const StepModel::Candidates& candidates = m_model.Shown().candidates;
    const QByteArray line =
        (m_model.Puzzle().marks
             ? QByteArray::fromStdString(Novem::PuzzleText::PlacesLine(candidates))
             : GridLine(candidates).toLatin1()) +
        '\n';
    Tell(file.open(QIODevice::WriteOnly) && file.write(line) == line.size() && file.flush()
             ? tr("Saved to %1.").arg(name)
             : tr("Could not save to %1: %2").arg(name, file.errorString()));
    Refresh();
}

void StepWindow::OnOtherPuzzle(int offset) {
    const auto next = static_cast<std::ptrdiff_t>(m_puzzle) + offset;
    if (next >= 0 && next < static_cast<std::ptrdiff_t>(m_puzzles.size())) {
        m_puzzle = static_cast<std::size_t>(next);
        SetPuzzle(m_puzzles[m_puzzle]);
    }
}

QImage StepWindow::Picture() const {
    QImage picture(720, 720, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    GridPainter::Paint(painter, picture.rect(), m_model.Shown());
    return picture;
}

void StepWindow::OnPastePuzzle() {
    OpenText(QApplication::clipboard()->text(), QString(), tr("The clipboard holds no puzzle."));
}

// The grid as it stands, as Save Puzzle writes it.
void StepWindow::OnCopyPuzzle() {
    QApplication::clipboard()->setText(GridLine(m_model.Shown().candidates));
    Tell(tr("The puzzle is in the clipboard."));
    Refresh();
}

void StepWindow::OnCopyCandidates() {
    QApplication::clipboard()->setText(
        QString::fromStdString(Novem::PuzzleText::PlacesLine(m_model.Shown().candidates)));
    Tell(tr("The puzzle is in the clipboard with its candidates."));
    Refresh();
}

void StepWindow::OnCopyCandidateGrid() {
    QApplication::clipboard()->setText(
        QString::fromStdString(Novem::PuzzleText::CandidateGrid(m_model.Shown().candidates)));
    Tell(tr("The grid of candidates is in the clipboard."));
    Refresh();
}

// As a bitmap, as SVG for a program that scales it, and as the grid's line for one that reads
// text.
void StepWindow::OnCopyPicture() {
    auto* data = new QMimeData;
    data->setImageData(Picture());
    data->setData(QStringLiteral("image/svg+xml"), Svg());
    data->setText(GridLine(m_model.Shown().candidates));
    QApplication::clipboard()->setMimeData(data);
    Tell(tr("The picture is in the clipboard."));
    Refresh();
}

QByteArray StepWindow::Svg() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(720, 720));
    svg.setViewBox(QRect(0, 0, 720, 720));
    svg.setTitle(windowTitle());
    QPainter painter;
    if (painter.begin(&svg)) {
        GridPainter::Paint(painter, QRectF(0, 0, 720, 720), m_model.Shown());
        painter.end();
    }
    return buffer.data();
}

// The grid as shown, under the puzzle's level and rating once they are known: with its
// candidates and the step's marks as on the screen, or its digits alone, the givens bold.
void StepWindow::PaintGrid(QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return;
    }
    QString heading = QStringLiteral("Novem Solver");
    if (m_model.Finished()) {
        Novem::Analysis::PuzzleResult result;
        result.solutions = m_model.Solutions();
        result.rating = m_model.Rating();
        heading += QStringLiteral(" · ") + BookletPuzzles::RatingText(result);
    }
    const Booklet::Slot slot = Booklet::Slots(Booklet::PageRect(device), 1, false).front();
    Booklet::DrawHeading(painter, slot.heading, heading, false);
    const StepModel::View view = m_model.Shown();
    if (m_printMarks->isChecked()) {
        GridPainter::Paint(painter, slot.grid, view);
        return;
    }
    PrintedGrid grid;
    for (int cell = 0; cell < kCells; ++cell) {
        grid.candidates[cell] = view.candidates[cell];
        grid.given[cell] = view.given[cell];
    }
    GridDrawing::Draw(painter, slot.grid, grid);
}

void StepWindow::OnSavePicture() {
    const QString name = WindowSystem::AskFileToSave(this, tr("Save Picture"),
                                                     tr("PNG image (*.png);;SVG image (*.svg)"));
    if (name.isEmpty()) {
        return;
    }
    bool saved = false;
    if (name.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QFile file(name);
        const QByteArray svg = Svg();
        saved = file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size();
    } else {
        saved = Picture().save(name, "PNG");
    }
    Tell(saved ? tr("Saved to %1.").arg(name) : tr("Could not save to %1.").arg(name));
    Refresh();
}

void StepWindow::closeEvent(QCloseEvent* event) {
    m_solver.Stop();
    std::vector<Novem::PuzzleText::Puzzle>().swap(m_puzzles);
    m_puzzle = 0;
    m_model = StepModel();
    m_steps->Clear();
    // The allocator keeps freed memory for the process unless asked to return it.
    malloc_trim(0);
    QMainWindow::closeEvent(event);
}

// In the Branch box, Home, End, Page Up and Page Down choose a branch, not a step.
bool StepWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_branches && event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp ||
            key == Qt::Key_PageDown) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void StepWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void StepWindow::dropEvent(QDropEvent* event) {
    const QMimeData* data = event->mimeData();
    QString text = data->text();
    if (data->hasUrls() && data->urls().front().isLocalFile()) {
        QFile file(data->urls().front().toLocalFile());
        text = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    const QString source = data->hasUrls() && data->urls().front().isLocalFile()
                               ? data->urls().front().toLocalFile()
                               : QString();
    if (OpenText(text, source, tr("What was dropped holds no puzzle."))) {
        event->acceptProposedAction();
    }
}

void StepWindow::Refresh() {
    const int selected = m_model.Selected();
    m_steps->Show(selected);
    const StepModel::View view = m_model.Shown();
    m_grid->Show(view);
    RefreshBranches(view);
    // Under a step, what its technique is and what its marks on the grid mean.
    if (selected >= 0) {
        const Novem::Application& step =
            m_model.Entries()[static_cast<std::size_t>(selected)].application;
        m_detail->setPlainText(StepText::Line(step) + QStringLiteral("\n\n") +
                               TechniqueHelp::Of(Novem::Explanation::Technique(step)) +
                               QStringLiteral("\n\n") + Legend());
    } else {
        m_detail->setPlainText(m_toldInFull);
    }
    m_undo->setEnabled(m_model.CanUndo());
    m_redo->setEnabled(m_model.CanRedo());
    m_previousPuzzle->setEnabled(m_puzzle > 0);
    m_nextPuzzle->setEnabled(m_puzzle + 1 < m_puzzles.size());
    m_busy->setVisible(!m_model.Finished());
    m_status->setText(Status());
}

// One line for each branch of the forcing chain shown, in the colour it is drawn in; none for a
// contradiction chain's one branch, nor for any other step.
void StepWindow::RefreshBranches(const StepModel::View& view) {
    const auto* step = view.step != nullptr ? std::get_if<Novem::Ladder::Step>(view.step) : nullptr;
    QStringList labels;
    if (step != nullptr && step->branches.size() > 1) {
        for (const Novem::Ladder::Branch& branch : step->branches) {
            labels << tr("Branch %1 of %2: if %3")
                          .arg(labels.size() + 1)
                          .arg(step->branches.size())
                          .arg(QString::fromStdString(Novem::Names::Candidate(branch.assumption)));
        }
    }
    QStringList shown;
    for (int item = 0; item < m_branches->count(); ++item) {
        shown << m_branches->itemText(item);
    }
    if (labels != shown) {
        const QSignalBlocker blocker(m_branches);
        m_branches->clear();
        for (const QString& label : labels) {
            QPixmap swatch(12, 12);
            swatch.fill(BranchPainter::Colour(m_branches->count()));
            m_branches->addItem(QIcon(swatch), label);
        }
    }
    if (m_branches->currentIndex() != view.branch && view.branch < m_branches->count()) {
        const QSignalBlocker blocker(m_branches);
        m_branches->setCurrentIndex(view.branch);
    }
    m_branches->setEnabled(!labels.isEmpty());
}

void StepWindow::Tell(const QString& told, const QString& inFull) {
    m_told = told;
    m_toldInFull = inFull.isEmpty() ? told : inFull;
}

QString StepWindow::Legend() const {
    return tr(
        "Pale yellow: where the step looks, a fish's base. Orange: the cells it rests on, a "
        "fish's corners, a chain's cells, a pivot. Blue: the rest of it, a fish's covers, "
        "pincers, a second set; green, a third. Salmon: fins. Solid lines: strong links; "
        "dashed: weak ones. Struck out in red: what it removes; in green: what it places. A "
        "forcing chain's branch, chosen above the step: its assumption ringed twice, each "
        "candidate on its way ringed, with an arrow from the one that decided it (solid to "
        "one made true, dashed to one made false); ringed in red: where it contradicts "
        "itself.");
}

QString StepWindow::Status() const {
    if (!m_told.isEmpty()) {
        return m_told;
    }
    if (!m_model.Finished()) {
        return tr("Working out the steps...");
    }
    const Novem::Ladder::Rating& rating = m_model.Rating();
    const auto level = static_cast<std::size_t>(rating.level);
    QString status = m_puzzles.size() > 1
                         ? tr("Puzzle %1 of %2: ").arg(m_puzzle + 1).arg(m_puzzles.size())
                         : QString();
    // A level says how hard one solution is to reach: a grid without exactly one has none.
    if (m_model.Solutions() == 0) {
        return status + tr("No solution at all, so no level.");
    }
    if (m_model.Solutions() >= 2) {
        return status + tr("More than one solution, so no level.");
    }
    status += tr("%n step(s), level %1: %2", nullptr, static_cast<int>(m_model.Entries().size()))
                  .arg(level)
                  .arg(QCoreApplication::translate(
                      "Ladder", std::string(Novem::Ladder::kLevelNames[level]).c_str()));
    if (!rating.hardest.empty()) {
        const auto text = [](int tenths) {
            return QString::fromStdString(Novem::Ladder::Difficulty::Text(tenths));
        };
        // The step that set the ER, named apart from the level: it may be harder than what the
        // puzzle needs.
        status += tr(", rated %1/%2/%3 (ER: %4)")
                      .arg(text(rating.er), text(rating.ep), text(rating.ed),
                           StepText::TechniqueName(rating.hardest));
    }
    return status + tr(". Exactly one solution.");
}
