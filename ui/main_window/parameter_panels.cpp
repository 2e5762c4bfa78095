// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/parameter_panels.h"

#include "ui/desktop/app_style.h"
#include "ui/main_window/fixed_layout.h"
#include "ui/main_window/panel_layout.h"
#include "ui/object_names.h"
#include "ui/text.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/bevel_panel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <map>

namespace volcalc::ui {
namespace {

void AddSeparatorLine(QWidget* panel) {
    auto* line = new QFrame(panel);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Raised);
    line->setGeometry(32, 88, 137, 2);
}

} // namespace

ParameterPanels::ParameterPanels(CalcGroup group, QWidget* groupBox, QWidget* tabAnchor)
    : m_group(group), m_groupBox(groupBox), m_lastInTabChain(tabAnchor) {
    ShowPanelOf(ShapesOf(group).front());
}

void ParameterPanels::BuildPanel(const ShapeEntry& entry, const names::PanelNames& panelNames) {
    auto* panel = new BevelPanel(m_groupBox, BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered);
    panel->setObjectName(QString::fromLatin1(panelNames.Panel));
    panel->setGeometry(layout::ParameterPanelArea);
    panel->setAccessibleName(GroupCaption(m_group) + QStringLiteral(" dimensions"));
    m_panels.push_back(panel);
    m_panelByName.emplace(panelNames.Panel, panel);

    const PanelKind layout = entry.Panel;
    std::map<std::string_view, QLineEdit*> byLetter;
    std::vector<QWidget*> inParameterOrder;
    for (std::size_t i = 0; i < entry.Parameters.size(); ++i) {
        const ShapeParameter& parameter = entry.Parameters[i];
        const ParameterSlot slot = SlotOf(layout, i, parameter.Letter);
        auto* label = new QLabel(Text(parameter.Label), panel);
        label->move(slot.Label);
        label->adjustSize();
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(panelNames.Fields[i]));
        field->setFont(WindowFont(true));
        field->setGeometry(slot.Field.x(), slot.Field.y(), slot.FieldWidth, ParameterFieldHeight);
        label->setObjectName(field->objectName() + QStringLiteral("Label"));
        label->setBuddy(field);
        // Read out by its group and label; what it measures follows the selected shape (ShowPanelOf).
        SetAccessibleText(field, ParameterName(m_group, parameter), Text(parameter.Description));
        m_fieldByName.emplace(panelNames.Fields[i], field);
        byLetter.emplace(parameter.Letter, field);
        inParameterOrder.push_back(field);
    }
    if (HasSeparatorLine(layout)) {
        AddSeparatorLine(panel);
    }
    const std::span<const std::string_view> tabOrder = TabOrderOf(layout);
    if (tabOrder.empty()) {
        AppendToTabChain(inParameterOrder);
        return;
    }
    std::vector<QWidget*> inTabOrder;
    for (std::string_view letter : tabOrder) {
        if (auto found = byLetter.find(letter); found != byLetter.end()) {
            inTabOrder.push_back(found->second);
        }
    }
    AppendToTabChain(inTabOrder);
}

void ParameterPanels::AppendToTabChain(const std::vector<QWidget*>& fields) {
    for (QWidget* field : fields) {
        QWidget::setTabOrder(m_lastInTabChain, field);
        m_lastInTabChain = field;
    }
    m_focusOrder.insert(m_focusOrder.end(), fields.begin(), fields.end());
}

void ParameterPanels::ShowPanelOf(const ShapeEntry& entry) {
    const names::PanelNames* panelNames = names::PanelOf(m_group, entry);
    if (panelNames && !m_panelByName.contains(panelNames->Panel)) {
        BuildPanel(entry, *panelNames);
    }
    QWidget* own = panelNames ? Panel(panelNames->Panel) : nullptr;
    for (BevelPanel* panel : m_panels) {
        if (panel != own) {
            panel->hide();
        }
    }
    if (own) {
        own->show();
    }
    // Shapes that share a panel measure different things with the same letters.
    for (std::size_t i = 0; panelNames && i < entry.Parameters.size(); ++i) {
        if (QLineEdit* field = Field(panelNames->Fields[i])) {
            field->setAccessibleDescription(Text(entry.Parameters[i].Description));
        }
    }
}

std::vector<std::string> ParameterPanels::TextsOf(const ShapeEntry& entry) const {
    const names::PanelNames* panelNames = names::PanelOf(m_group, entry);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < entry.Parameters.size(); ++i) {
        const QLineEdit* field = panelNames ? Field(panelNames->Fields[i]) : nullptr;
        texts.push_back(field ? field->text().toStdString() : std::string());
    }
    return texts;
}

QWidget* ParameterPanels::Panel(std::string_view name) const {
    const auto found = m_panelByName.find(name);
    return found == m_panelByName.end() ? nullptr : found->second;
}

QLineEdit* ParameterPanels::Field(std::string_view name) const {
    const auto found = m_fieldByName.find(name);
    return found == m_fieldByName.end() ? nullptr : found->second;
}

} // namespace volcalc::ui
