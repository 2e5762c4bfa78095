#include "ui/main_window/parameter_panels.h"

#include "ui/desktop/app_style.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/bevel_panel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <array>

namespace volcalc::ui {
namespace {

constexpr int FieldHeight = 21;

// Where a parameter's label and field stand inside its panel.
struct Slot {
    QPoint Label;
    QPoint Field;
    int FieldWidth = 50;
};

// The three column layouts: labels and fields one below the other, 24 pixels apart.
Slot ColumnSlot(PanelLayout layout, std::size_t position) {
    const int row = 24 * static_cast<int>(position);
    switch (layout) {
    case PanelLayout::ColumnLongLabels:
        return {{10, 22 + row}, {127, 20 + row}};
    case PanelLayout::ColumnLetters:
        return {{26, 22 + row}, {55, 20 + row}};
    default:
        return {{18, 22 + row}, {103, 20 + row}};
    }
}

// The bar and the profiles place each parameter by its letter: the cross-section above the
// separating line, the length below it.
Slot LetteredSlot(PanelLayout layout, std::string_view letter) {
    if (letter == "Length") {
        return {{66, 103}, {119, 100}};
    }
    if (layout == PanelLayout::Bar) {
        return {{33, 35}, {55, 32}};
    }
    if (letter == "a") {
        return {{17, 27}, {39, 24}, 45};
    }
    if (letter == "b") {
        return {{97, 27}, {119, 24}, 45};
    }
    if (letter == "c") {
        return {{17, 51}, {39, 48}, 45};
    }
    return {{97, 51}, {119, 48}, 45};
}

bool IsColumn(PanelLayout layout) {
    return layout == PanelLayout::Column || layout == PanelLayout::ColumnLongLabels ||
           layout == PanelLayout::ColumnLetters;
}

// The Tab key visits the fields of a profile from the length to the cross-section, b last.
constexpr std::array<std::string_view, 5> ProfileTabOrder = {"Length", "a", "c", "d", "b"};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

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

void ParameterPanels::BuildPanel(const ShapeEntry& entry) {
    auto* panel = new BevelPanel(m_groupBox, BevelPanel::Bevel::None, BevelPanel::Bevel::Lowered);
    panel->setObjectName(Text(entry.Panel));
    panel->setGeometry(Left, Top, Width, Height);
    panel->setAccessibleName(GroupCaption(m_group) + QStringLiteral(" dimensions"));
    m_panels.push_back(panel);
    m_panelByName.emplace(std::string(entry.Panel), panel);

    std::map<std::string_view, QLineEdit*> byLetter;
    std::vector<QWidget*> inParameterOrder;
    for (std::size_t i = 0; i < entry.Parameters.size(); ++i) {
        const ShapeParameter& parameter = entry.Parameters[i];
        const Slot slot = IsColumn(entry.Layout) ? ColumnSlot(entry.Layout, i)
                                                 : LetteredSlot(entry.Layout, parameter.Letter);
        auto* label = new QLabel(Text(parameter.Label), panel);
        label->move(slot.Label);
        label->adjustSize();
        auto* field = new QLineEdit(panel);
        field->setObjectName(Text(entry.FieldOf(parameter, m_group)));
        field->setFont(WindowFont(true));
        field->setGeometry(slot.Field.x(), slot.Field.y(), slot.FieldWidth, FieldHeight);
        label->setObjectName(field->objectName() + QStringLiteral("Label"));
        label->setBuddy(field);
        // Read out by its group and label; what it measures follows the selected shape (ShowPanelOf).
        SetAccessibleText(field, ParameterName(m_group, parameter), Text(parameter.Description));
        m_fieldByName.emplace(field->objectName().toStdString(), field);
        byLetter.emplace(parameter.Letter, field);
        inParameterOrder.push_back(field);
    }
    if (entry.Layout == PanelLayout::Bar || entry.Layout == PanelLayout::Profile) {
        AddSeparatorLine(panel);
    }
    if (entry.Layout == PanelLayout::Profile) {
        std::vector<QWidget*> inTabOrder;
        for (std::string_view letter : ProfileTabOrder) {
            if (auto found = byLetter.find(letter); found != byLetter.end()) {
                inTabOrder.push_back(found->second);
            }
        }
        AppendToTabChain(inTabOrder);
    } else {
        AppendToTabChain(inParameterOrder);
    }
}

void ParameterPanels::AppendToTabChain(const std::vector<QWidget*>& fields) {
    for (QWidget* field : fields) {
        QWidget::setTabOrder(m_lastInTabChain, field);
        m_lastInTabChain = field;
    }
    m_focusOrder.insert(m_focusOrder.end(), fields.begin(), fields.end());
}

void ParameterPanels::ShowPanelOf(const ShapeEntry& entry) {
    if (!entry.Panel.empty() && !m_panelByName.contains(entry.Panel)) {
        BuildPanel(entry);
    }
    QWidget* own = Panel(entry.Panel);
    for (BevelPanel* panel : m_panels) {
        if (panel != own) {
            panel->hide();
        }
    }
    if (own) {
        own->show();
    }
    // Shapes that share a panel measure different things with the same letters.
    for (const ShapeParameter& parameter : entry.Parameters) {
        if (QLineEdit* field = Field(entry.FieldOf(parameter, m_group))) {
            field->setAccessibleDescription(Text(parameter.Description));
        }
    }
}

std::vector<std::string> ParameterPanels::TextsOf(const ShapeEntry& entry) const {
    std::vector<std::string> texts;
    for (const ShapeParameter& parameter : entry.Parameters) {
        const QLineEdit* field = Field(entry.FieldOf(parameter, m_group));
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
