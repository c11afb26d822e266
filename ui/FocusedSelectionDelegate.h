#pragma once

#include <QStyledItemDelegate>

// Draws the selection highlight only while the list has the keyboard focus.
class TFocusedSelectionDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
