// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/add_material_dialog.h"

#include "calc/number_text.h"
#include "ui/desktop/app_style.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/screen_placement.h"
#include "ui/object_names.h"
#include "ui/widgets/accessibility.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>
#include <utility>

namespace volcalc::ui {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sized to its text like the designer's auto-sized labels: never narrower than the text.
    geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setGeometry(geometry);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(geometry);
    return button;
}

} // namespace

AddMaterialDialog::AddMaterialDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::fromLatin1(names::add_material::Dialog));
    setWindowTitle(QStringLiteral("Addition of the material list"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(306, 135);
    InstallAccessibleInterfaces();

    setFont(WindowFont());
    setPalette(SilverPalette());

    const QLabel* nameLabel =
        MakeLabel(this, names::add_material::NameLabel, QStringLiteral("Material name"), {16, 16, 66, 13});
    m_nameField = MakeEdit(this, names::add_material::NameField, {16, 35, 160, 21});
    MakeLabel(this, names::add_material::DensityLabel, QStringLiteral("Density (integer number only)"),
              {16, 72, 136, 13});
    m_densityField = MakeEdit(this, names::add_material::DensityField, {16, 91, 65, 21});
    ReadUnitAsWords(
        MakeLabel(this, names::add_material::DensityUnitLabel, QStringLiteral("kg/m"), {88, 94, 25, 13}),
        QStringLiteral("kilograms per cubic metre"),
        {MakeLabel(this, names::add_material::DensityUnitPowerLabel, QStringLiteral("3"), {113, 88, 6, 13})});
    m_okButton = MakeButton(this, names::add_material::OkButton, QStringLiteral("OK"), {224, 35, 75, 25});
    m_cancelButton =
        MakeButton(this, names::add_material::CancelButton, QStringLiteral("Cancel"), {224, 72, 75, 25});

    // The fields are read out by the labels above them.
    SetAccessibleText(m_nameField, nameLabel->text());
    SetAccessibleText(m_densityField, QStringLiteral("Density"),
                      QStringLiteral("Integer number only, in kilograms per cubic metre"));

    setTabOrder(m_okButton, m_cancelButton);
    setTabOrder(m_cancelButton, m_nameField);
    setTabOrder(m_nameField, m_densityField);
    m_okButton->setFocus();

    connect(m_okButton, &QPushButton::clicked, this, [this] { RunHandler([this] { okClicked(); }); });
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<Material> AddMaterialDialog::Ask() {
    m_nameField->clear();
    m_densityField->clear();
    m_answer.reset();
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return m_answer;
}

void AddMaterialDialog::okClicked() {
    // A material without a name would stand as a blank entry in the list and name no material in
    // the rows calculated with it.
    if (m_nameField->text().trimmed().isEmpty()) {
        Desktop().ShowMessage(QString::fromUtf8(MaterialNameMissing), MessageKind::Warning, OkButton);
        m_nameField->setFocus();
        return;
    }
    std::string name = m_nameField->text().toStdString();
    const std::int32_t density = DensityFromText(m_densityField->text().toStdString());
    m_answer = Material{std::move(name), density};
    accept();
}

void AddMaterialDialog::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        CentreOnScreen(*this);
    }
    QDialog::setVisible(visible);
}

void AddMaterialDialog::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        event->accept();
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button != nullptr && button->isEnabled()) {
            button->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace volcalc::ui
