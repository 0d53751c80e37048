#include "NewPuzzleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

#include "WindowSystem.h"
#include "ladder/Technique.h"

namespace {

// The techniques a puzzle can be made to need, as novem-batch names them.
constexpr std::string_view kBasicTechniques[] = {
    "hidden single", "naked single", "pointing",      "claiming",   "naked pair",
    "hidden pair",   "naked triple", "hidden triple", "naked quad", "hidden quad"};

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

NewPuzzleDialog::NewPuzzleDialog(QWidget* parent, Purpose purpose)
    : QDialog(parent),
      m_purpose(purpose),
      m_level(new QComboBox(this)),
      m_technique(new QComboBox(this)),
      m_status(new QLabel(this)),
      m_make(new QPushButton(tr("&Make"), this)) {
    m_level->setObjectName(QStringLiteral("level"));
    setWindowTitle(purpose == Purpose::Puzzle ? tr("New Puzzle") : tr("Print Puzzles"));
    m_level->addItem(tr("Any level"), -1);
    // The ladder's last level is for puzzles it can't solve, too rare to wait for.
    for (int level = 0; level + 1 < Novem::Ladder::kLevels; ++level) {
        const std::string name(Novem::Ladder::kLevelNames[static_cast<std::size_t>(level)]);
        m_level->addItem(
            tr("%1: %2").arg(level).arg(QCoreApplication::translate("Ladder", name.c_str())),
            level);
    }
    m_technique->addItem(tr("Any technique"), QString());
    // Shown in the user's language, kept as novem-batch names them.
    const auto add = [this](std::string_view name) {
        m_technique->addItem(QCoreApplication::translate("Technique", std::string(name).c_str()),
                             FromView(name));
    };
    for (const std::string_view name : kBasicTechniques) {
        add(name);
    }
    for (int technique = 0; technique < Novem::Ladder::kTechniques; ++technique) {
        if (!Novem::Ladder::ScaleOnly(static_cast<Novem::Ladder::Technique>(technique))) {
            add(Novem::Ladder::kTechniqueInfo[static_cast<std::size_t>(technique)].name);
        }
    }
    auto* form = new QFormLayout;
    form->addRow(tr("&Level:"), m_level);
    form->addRow(tr("&Technique to practise:"), m_technique);
    if (purpose == Purpose::Booklet) {
        constexpr int kMostPuzzles = 200;
        m_count = new QSpinBox(this);
        m_count->setObjectName(QStringLiteral("count"));
        m_count->setRange(1, kMostPuzzles);
        m_count->setValue(6);
        m_perPage = new QComboBox(this);
        m_perPage->setObjectName(QStringLiteral("perPage"));
        for (const int perPage : {1, 2, 4, 6}) {
            m_perPage->addItem(QString::number(perPage), perPage);
        }
        m_perPage->setCurrentIndex(m_perPage->count() - 1);
        m_solutions = new QCheckBox(tr("&Solutions on pages at the back"), this);
        m_solutions->setChecked(true);
        m_title = new QLineEdit(this);
        form->addRow(tr("&Puzzles:"), m_count);
        form->addRow(tr("Puzzles a p&age:"), m_perPage);
        form->addRow(QString(), m_solutions);
        form->addRow(tr("T&itle:"), m_title);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->addButton(m_make, QDialogButtonBox::AcceptRole);
    m_make->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    connect(m_make, &QPushButton::clicked, this, &NewPuzzleDialog::OnMake);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewPuzzleDialog::reject);
    connect(&m_tick, &QTimer::timeout, this, [this] {
        const int tries = static_cast<int>(m_search->Tries());
        const double seconds = std::max(1e-3, static_cast<double>(m_clock.elapsed()) / 1000);
        const QString rate = QLocale().toString(tries / seconds, 'f', 0);
        m_status->setText(
            m_purpose == Purpose::Puzzle
                ? tr("Tried %n puzzle(s), %1 a second...", nullptr, tries).arg(rate)
                : tr("Made %1 of %2; tried %n puzzle(s), %3 a second...", nullptr, tries)
                      .arg(m_made->load())
                      .arg(m_count->value())
                      .arg(rate));
    });
}

NewPuzzleDialog::~NewPuzzleDialog() {
    Stop();
}

std::optional<Novem::PuzzleText::Cells> NewPuzzleDialog::Ask(QWidget* parent) {
    NewPuzzleDialog dialog(parent, Purpose::Puzzle);
    dialog.exec();
    return dialog.m_puzzle;
}

std::optional<NewPuzzleDialog::PrintedBooklet> NewPuzzleDialog::AskBooklet(QWidget* parent) {
    NewPuzzleDialog dialog(parent, Purpose::Booklet);
    WindowSystem::RunModal(dialog);
    return dialog.m_booklet;
}

void NewPuzzleDialog::OnMake() {
    Stop();
    Novem::Generate::Target target;
    const int level = m_level->currentData().toInt();
    if (level >= 0) {
        target.lowestLevel = target.highestLevel = static_cast<Novem::Ladder::Level>(level);
    }
    target.hardest = m_technique->currentData().toString().toStdString();
    const std::uint64_t seed = Novem::Generate::FreshSeed();
    m_stop = std::make_shared<std::atomic<bool>>(false);
    m_search = std::make_shared<Novem::Generate::PoolSearch>(
        target, seed, std::max(1, QThread::idealThreadCount()));
    m_clock.start();
    m_made = std::make_shared<std::atomic<int>>(0);
    for (QWidget* choice : std::initializer_list<QWidget*>{m_make, m_level, m_technique, m_count,
                                                           m_perPage, m_solutions, m_title}) {
        if (choice != nullptr) {
            choice->setEnabled(false);
        }
    }
    m_status->setText(tr("Making a puzzle..."));
    m_tick.start(std::chrono::milliseconds(250));
    QPointer<NewPuzzleDialog> receiver(this);
    const int count = m_purpose == Purpose::Puzzle ? 1 : m_count->value();
    const bool booklet = m_purpose == Purpose::Booklet;
    m_thread.reset(QThread::create(
        [receiver, count, booklet, stop = m_stop, search = m_search, madeCount = m_made] {
            std::vector<Novem::PuzzleText::Puzzle> made;
            // As novem-generate makes them from the seed.
            for (int index = 0; index < count && !*stop; ++index) {
                const std::optional<Novem::Generate::Generated> one = search->Next(*stop);
                if (one) {
                    made.push_back({one->puzzle, nullptr});
                    ++*madeCount;
                }
            }
            if (*stop) {
                return;
            }
            if (!booklet) {
                QMetaObject::invokeMethod(
                    receiver,
                    [receiver, stop, puzzle = made.front().givens] {
                        if (!*stop) {
                            receiver->OnMade(puzzle);
                        }
                    },
                    Qt::QueuedConnection);
                return;
            }
            QMetaObject::invokeMethod(
                receiver,
                [receiver, stop, grids = BookletPuzzles::Make(made, true)] {
                    if (!*stop) {
                        receiver->OnBooklet(grids);
                    }
                },
                Qt::QueuedConnection);
        }));
    m_thread->start();
}

void NewPuzzleDialog::OnBooklet(const BookletPuzzles::Grids& grids) {
    m_booklet = PrintedBooklet{
        grids, {m_perPage->currentData().toInt(), m_title->text()}, m_solutions->isChecked()};
    m_tick.stop();
    accept();
}

void NewPuzzleDialog::OnMade(const Novem::PuzzleText::Cells& puzzle) {
    m_puzzle = puzzle;
    m_tick.stop();
    accept();
}

void NewPuzzleDialog::Stop() {
    m_tick.stop();
    if (m_stop) {
        *m_stop = true;
    }
    if (m_thread) {
        m_thread->wait();
        m_thread.reset();
    }
}

void NewPuzzleDialog::reject() {
    Stop();
    QDialog::reject();
}
