#include "ui/ListBox.h"

#include <QStyledItemDelegate>

namespace ui {
namespace {

// Rows are five pixels taller than the font's own row.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height() + 5);
        return size;
    }
};

} // namespace

ListBox::ListBox(QWidget *parent) : Control<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setItemDelegate(new RowDelegate(this));
    // The editor never selects items itself, so every selection change is the user's.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] { raiseEvent(Event::ItemSelected); });
}

int ListBox::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

} // namespace ui
