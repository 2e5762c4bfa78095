// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/row_edit_delegate.h"

#include "calc/units.h"
#include "ui/parts_list/parts_list_model.h"
#include "ui/text.h"
#include "ui/widgets/quantity_spin_box.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMetaObject>

namespace volcalc::ui {

RowEditDelegate::RowEditDelegate(Apply apply, std::function<QStringList()> materialNames, QObject* parent)
    : QStyledItemDelegate(parent), m_apply(std::move(apply)), m_materialNames(std::move(materialNames)) {}

QWidget* RowEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    switch (index.column()) {
    case PartsListModel::QuantityColumn:
        return new QuantitySpinBox(parent);
    case PartsListModel::UnitColumn: {
        auto* units = new QComboBox(parent);
        for (const std::string_view name : LengthUnitNames) {
            units->addItem(Text(name));
        }
        return units;
    }
    case PartsListModel::MaterialColumn: {
        auto* materials = new QComboBox(parent);
        materials->addItems(m_materialNames());
        return materials;
    }
    default:
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
}

void RowEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // A material the catalogue lacks is shown, so that the list does not pretend another.
        if (list->findText(text) < 0) {
            list->insertItem(0, text);
        }
        list->setCurrentIndex(list->findText(text));
    } else if (auto* field = qobject_cast<QLineEdit*>(editor)) {
        field->setText(text);
    }
}

// Applied after the editor has closed: a refusal's message box must not come up while the view
// is still tearing its editor down.
void RowEditDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {

    QString text;
    if (auto* list = qobject_cast<QComboBox*>(editor)) {
        text = list->currentText();
    } else if (auto* field = qobject_cast<QLineEdit*>(editor)) {
        text = field->text();
    }
    if (text == index.data(Qt::EditRole).toString()) {
        return;
    }
    QMetaObject::invokeMethod(
        const_cast<RowEditDelegate*>(this),
        [apply = m_apply, row = index.row(), column = index.column(), text] { apply(row, column, text); },
        Qt::QueuedConnection);
}

} // namespace volcalc::ui
