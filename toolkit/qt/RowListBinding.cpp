// A list of rows (toolkit/RowList.h) as a QTreeWidget without a tree: one line per row, the
// headings in its header, one row selected at a time.
#include "toolkit/WheelNotches.h"
#include "toolkit/qt/ControlBinding.h"
#include "toolkit/qt/KeyFilter.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QWheelEvent>

#include <algorithm>
#include <optional>

namespace tkqt {
namespace {

std::optional<tk::TListKey> ListKeyOf(int key) {
    switch (key) {
    case Qt::Key_Up:
        return tk::TListKey::Up;
    case Qt::Key_Down:
        return tk::TListKey::Down;
    case Qt::Key_PageUp:
        return tk::TListKey::PageUp;
    case Qt::Key_PageDown:
        return tk::TListKey::PageDown;
    case Qt::Key_Home:
        return tk::TListKey::Home;
    case Qt::Key_End:
        return tk::TListKey::End;
    default:
        return std::nullopt;
    }
}

// The wheel over a list's rows, for a list that takes it (TRowList::OnWheel); otherwise the
// list scrolls as ever.
class WheelFilter : public QObject {
  public:
    WheelFilter(QTreeWidget& tree, tk::TRowList& list, tk::TApplication& application)
        : QObject(tree.viewport()), tree_(tree), list_(list), application_(application) {
        tree.viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !list_.OnWheel)
            return QObject::eventFilter(watched, event);
        const auto& wheel = static_cast<const QWheelEvent&>(*event);
        const QPoint turn = wheel.angleDelta(); // sideways with Shift on some platforms
        const int notches = notches_.Add(turn.y() != 0 ? turn.y() : turn.x());
        const bool coarse = wheel.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
        QTreeWidgetItem* item = tree_.itemAt(wheel.position().toPoint());
        const int row = item ? tree_.indexOfTopLevelItem(item) : -1;
        if (notches != 0) application_.Wheel(list_, row, {notches, coarse});
        return true;
    }

  private:
    QTreeWidget& tree_;
    tk::TRowList& list_;
    tk::TApplication& application_;
    tk::TWheelNotches notches_;
};

// The columns across the rows' width by their shares (tk::ColumnWidths), again whenever that
// width changes, a scroll bar coming or going among the reasons; the user may still drag a
// heading's edge until then.
class ColumnFitter : public QObject {
  public:
    ColumnFitter(QTreeWidget& tree, const tk::TRowList& list)
        : QObject(tree.viewport()), tree_(tree), list_(list) {
        tree.header()->setSectionResizeMode(QHeaderView::Interactive);
        tree.header()->setStretchLastSection(false);
        tree.viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            const std::vector<int> widths = tk::ColumnWidths(list_, tree_.viewport()->width());
            for (std::size_t i = 0; i < widths.size(); ++i)
                tree_.header()->resizeSection(int(i), widths[i]);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QTreeWidget& tree_;
    const tk::TRowList& list_;
};

class RowListBinding final : public ControlBinding {
  public:
    RowListBinding(tk::TRowList& list, QWidget* parent, const BindingContext& context)
        : list_(list), tree_(*new QTreeWidget(parent)) {
        Dress(tree_, list, context.fonts);
        tree_.setRootIsDecorated(false);
        tree_.setItemsExpandable(false);
        tree_.setUniformRowHeights(true);
        tree_.setAllColumnsShowFocus(true);
        tree_.setSelectionMode(QAbstractItemView::SingleSelection);
        tree_.setColumnCount(int(list.Columns().size()));
        QStringList headings;
        for (const std::string& h : list.Columns())
            headings << QString::fromStdString(h);
        tree_.setHeaderLabels(headings);
        tree_.header()->setSectionsMovable(false);
        new ColumnFitter(tree_, list);
        Refresh();
        // A row chosen with the pointer; the keys go by the toolkit's rule, like everywhere.
        QObject::connect(&tree_, &QTreeWidget::itemSelectionChanged, &tree_,
                         [this, &application = context.application] {
                             application.Select(list_, SelectedRow());
                         });
        new WheelFilter(tree_, list_, context.application);
        new KeyFilter(&tree_, [this, &application = context.application](const QKeyEvent& e) {
            const std::optional<tk::TListKey> key = ListKeyOf(e.key());
            if (key) application.Key(list_, *key, Page());
            return key.has_value();
        });
    }

    const tk::TControl& Control() const override { return list_; }
    QWidget* Widget() const override { return &tree_; }

    void Refresh() override {
        if (shownVersion_ != list_.RowsVersion()) {
            shownVersion_ = list_.RowsVersion();
            tree_.clear();
            QList<QTreeWidgetItem*> items;
            for (const tk::TRowList::TRow& row : list_.Rows()) {
                QStringList cells;
                for (const std::string& cell : row)
                    cells << QString::fromStdString(cell);
                items << new QTreeWidgetItem(cells);
            }
            tree_.addTopLevelItems(items);
        }
        if (SelectedRow() == list_.ItemIndex()) return;
        if (QTreeWidgetItem* item = tree_.topLevelItem(list_.ItemIndex())) {
            tree_.setCurrentItem(item);
            tree_.scrollToItem(item);
        } else {
            tree_.clearSelection();
            tree_.setCurrentItem(nullptr);
        }
    }

  private:
    int SelectedRow() const {
        const QList<QTreeWidgetItem*> selected = tree_.selectedItems();
        return selected.isEmpty() ? -1 : tree_.indexOfTopLevelItem(selected.front());
    }

    // The rows that show at once, less one, as a page key moves a desktop list.
    int Page() const {
        const int row = std::max(1, tree_.sizeHintForRow(0));
        return std::max(1, tree_.viewport()->height() / row - 1);
    }

    tk::TRowList& list_;
    QTreeWidget& tree_; // owned by its parent widget
    unsigned shownVersion_ = ~0u;
};

} // namespace

std::unique_ptr<ControlBinding> BindRowList(tk::TRowList& list, QWidget* parent,
                                            const BindingContext& context) {
    return std::make_unique<RowListBinding>(list, parent, context);
}

} // namespace tkqt
