#include "StepList.h"

#include "StepText.h"
#include "ladder/RuleNames.h"

namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kStepRole = Qt::UserRole + 1;
constexpr int kBasicRole = Qt::UserRole + 2;

bool IsBasic(const Novem::Application& application) {
    const auto* applied = std::get_if<Novem::RuleApplication>(&application);
    if (applied == nullptr) {
        return false;
    }
    // A subset of one cell is a single too.
    using Kind = Novem::Ladder::RuleNames::Kind;
    const Novem::Ladder::RuleNames::Subject subject = Novem::Ladder::RuleNames::SubjectOf(*applied);
    return subject.kind == Kind::NakedSingle || subject.kind == Kind::HiddenSingle ||
           subject.kind == Kind::Pointing || subject.kind == Kind::Claiming || subject.size == 1;
}

int StepNumber(const Novem::Application& application) {
    return std::visit([](const auto& applied) { return static_cast<int>(applied.step); },
                      application);
}

}  // namespace

StepList::StepList(QWidget* parent) : QTreeWidget(parent) {
    // Hidden, but a screen reader still reads the column's name.
    setHeaderHidden(true);
    setHeaderLabels({tr("Steps")});
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            emit Chosen(EntryOf(item));
        }
    });
}

int StepList::EntryOf(const QTreeWidgetItem* item) {
    return item->data(0, kEntryRole).toInt();
}

void StepList::Clear() {
    clear();
    m_items.clear();
    m_beyondBasics = false;
}

void StepList::Add(const Novem::Application& application) {
    auto* item =
        new QTreeWidgetItem({StepText::Line(application, Novem::Explanation::Detail::Brief)});
    item->setData(0, kEntryRole, static_cast<int>(m_items.size()));
    item->setData(0, kStepRole, StepNumber(application));
    const bool basic = IsBasic(application);
    item->setData(0, kBasicRole, basic);
    m_items.push_back(item);
    m_beyondBasics = m_beyondBasics || !basic;
    const int top = topLevelItemCount();
    QTreeWidgetItem* last = top > 0 ? topLevelItem(top - 1) : nullptr;
    if (!basic || last == nullptr || !last->data(0, kBasicRole).toBool()) {
        addTopLevelItem(item);
        return;
    }
    if (last->childCount() == 0) {
        // The second basic step in a row starts a stretch, with the first in it.
        const QSignalBlocker blocker(this);
        const bool wasCurrent = currentItem() == last;
        auto* stretch = new QTreeWidgetItem;
        stretch->setData(0, kEntryRole, EntryOf(last));
        stretch->setData(0, kBasicRole, true);
        stretch->addChild(takeTopLevelItem(top - 1));
        addTopLevelItem(stretch);
        if (wasCurrent) {
            setCurrentItem(stretch);
        }
        last = stretch;
    }
    last->addChild(item);
    Label(last);
}

void StepList::Label(QTreeWidgetItem* stretch) {
    const int first = stretch->child(0)->data(0, kStepRole).toInt();
    const int last = stretch->child(stretch->childCount() - 1)->data(0, kStepRole).toInt();
    const int count = stretch->childCount();
    stretch->setText(
        0, first == last
               ? tr("%n singles and locked candidates, step %1", nullptr, count).arg(first)
               : tr("%n singles and locked candidates, steps %1 to %2", nullptr, count)
                     .arg(first)
                     .arg(last));
}

void StepList::Finish() {
    if (!m_beyondBasics) {
        expandAll();
    }
}

void StepList::Show(int entry) {
    const QSignalBlocker blocker(this);
    if (entry < 0) {
        setCurrentItem(nullptr);
        return;
    }
    if (currentItem() != nullptr && EntryOf(currentItem()) == entry) {
        return;
    }
    QTreeWidgetItem* item = ItemOf(entry);
    if (item->parent() != nullptr) {
        expandItem(item->parent());
    }
    setCurrentItem(item);
    scrollToItem(item, QAbstractItemView::PositionAtCenter);
}
