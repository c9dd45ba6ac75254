#include "app/windows/GridDelegate.h"

#include <QLineEdit>

QColor GridDelegate::background(int row, bool selectedOrFocused, const QColor& windowColour) {
    if (selectedOrFocused)
        return QColor(255, 204, 102);
    // Row 0 is the first record: odd record numbers take the tint.
    return row % 2 == 0 ? QColor(215, 232, 227) : windowColour;
}

void GridDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const bool highlighted = option->state.testFlag(QStyle::State_Selected) ||
                             option->state.testFlag(QStyle::State_HasFocus);
    option->backgroundBrush =
        background(index.row(), highlighted, option->palette.color(QPalette::Base));
    // Drawn with our own background instead of the style's selection.
    option->state &= ~QStyle::State_Selected;
    option->palette.setColor(QPalette::Text, Qt::black);
    option->palette.setColor(QPalette::HighlightedText, Qt::black);
}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const {
    auto* e = new QLineEdit(parent);
    e->setFrame(false);
    const int max = index.data(MaxLengthRole).toInt();
    if (max > 0)
        e->setMaxLength(max);
    editor_ = e;
    return e;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* e = qobject_cast<QLineEdit*>(editor))
        e->setText(index.data(Qt::EditRole).toString());
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const {
    if (auto* e = qobject_cast<QLineEdit*>(editor)) {
        if (e->isModified() || e->text() != index.data(Qt::EditRole).toString())
            model->setData(index, e->text(), Qt::EditRole);
    }
}

void GridDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == editor_.data())
        editor_.clear();
    QStyledItemDelegate::destroyEditor(editor, index);
}

void GridDelegate::commitOpenEditor() {
    if (QLineEdit* e = editor_.data()) {
        emit commitData(e);
        emit closeEditor(e, QAbstractItemDelegate::NoHint);
    }
    editor_.clear();
}

void GridDelegate::discardOpenEditor() {
    if (QLineEdit* e = editor_.data())
        emit closeEditor(e, QAbstractItemDelegate::RevertModelCache);
    editor_.clear();
}
