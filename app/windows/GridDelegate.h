#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class QLineEdit;

// The cells of the maintenance grids: black text, odd records on a green tint, even ones on the
// window colour, the selected or focused cell in orange; editors as long as the field allows.
class GridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The model answers the field's maximum length (0: no limit) under this role.
    static constexpr int MaxLengthRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor background(int row, bool selectedOrFocused, const QColor& windowColour);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

    bool hasOpenEditor() const { return !editor_.isNull(); }
    // Writes the open editor's text into the model and closes it.
    void commitOpenEditor();
    // Closes the open editor and drops its text.
    void discardOpenEditor();

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    mutable QPointer<QLineEdit> editor_;
};
