#include "NewPuzzleDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>

#include "generate/Generator.h"
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

NewPuzzleDialog::NewPuzzleDialog(QWidget* parent)
    : QDialog(parent),
      m_level(new QComboBox(this)),
      m_technique(new QComboBox(this)),
      m_status(new QLabel(this)),
      m_make(new QPushButton(tr("&Make"), this)) {
    setWindowTitle(tr("New Puzzle"));
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
        m_status->setText(tr("Tried %n puzzle(s)...", nullptr, static_cast<int>(m_tries->load())));
    });
}

NewPuzzleDialog::~NewPuzzleDialog() {
    Stop();
}

std::optional<Novem::PuzzleText::Cells> NewPuzzleDialog::Ask(QWidget* parent) {
    NewPuzzleDialog dialog(parent);
    dialog.exec();
    return dialog.m_puzzle;
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
    m_tries = std::make_shared<std::atomic<std::uint64_t>>(0);
    m_make->setEnabled(false);
    m_level->setEnabled(false);
    m_technique->setEnabled(false);
    m_status->setText(tr("Making a puzzle..."));
    m_tick.start(std::chrono::milliseconds(250));
    QPointer<NewPuzzleDialog> receiver(this);
    m_thread.reset(QThread::create([receiver, target, seed, stop = m_stop, tries = m_tries] {
        Novem::Generate::Generator generator(target);
        const std::optional<Novem::Generate::Generated> made =
            generator.Generate(seed, *stop, *tries);
        if (made) {
            QMetaObject::invokeMethod(
                receiver,
                [receiver, stop, puzzle = made->puzzle] {
                    if (!*stop) {
                        receiver->OnMade(puzzle);
                    }
                },
                Qt::QueuedConnection);
        }
    }));
    m_thread->start();
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
