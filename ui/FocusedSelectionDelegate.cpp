#include "ui/FocusedSelectionDelegate.h"

#include <QWidget>

void TFocusedSelectionDelegate::initStyleOption(QStyleOptionViewItem* option,
                                                const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* view = qobject_cast<const QWidget*>(parent());
    if (view && !view->hasFocus()) {
        option->state &= ~QStyle::State_Selected;
    }
}
