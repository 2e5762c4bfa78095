// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

#include <functional>

namespace volcalc::ui {

// The editors of the parts list's cells: the quantity in a spin field, the length unit and the
// material in lists, the parameters and the free texts in a text field. What is typed goes to
// `apply` (row, column, text) once the editor has closed, which evaluates the row again or refuses
// the text with its message; the model is never written by the editor itself.
class RowEditDelegate : public QStyledItemDelegate {
public:
    using Apply = std::function<void(int row, int column, const QString& text)>;
    RowEditDelegate(Apply apply, std::function<QStringList()> materialNames, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    Apply m_apply;
    std::function<QStringList()> m_materialNames;
};

} // namespace volcalc::ui
