#pragma once

#include "calc/shapes.h"

#include <QString>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QWidget;

namespace volcalc::ui {

class BevelPanel;

// The parameter panels of one group box, one per panel name of the group's shape list, built
// from the shape catalogue. All lie on one rectangle; one at a time is shown.
class ParameterPanels {
public:
    static constexpr int Left = 8;
    static constexpr int Top = 225;
    static constexpr int Width = 185;
    static constexpr int Height = 129;

    // Builds the panels inside the group box, showing the panel of the list's first entry.
    ParameterPanels(CalcGroup group, QWidget* groupBox);

    // Hides every panel but the entry's own, then shows that one ("None" has none).
    void ShowPanelOf(const ShapeEntry& entry);

    // The texts of the entry's fields in parameter order.
    std::vector<std::string> TextsOf(const ShapeEntry& entry) const;

    QLineEdit* Field(std::string_view name) const;
    // The fields in the order the Tab key visits them, panel after panel.
    const std::vector<QWidget*>& FocusOrder() const { return m_focusOrder; }

private:
    void BuildPanel(const ShapeEntry& entry, QWidget* groupBox);
    QWidget* Panel(std::string_view name) const;

    CalcGroup m_group;
    std::vector<BevelPanel*> m_panels; // in list order
    std::map<std::string, BevelPanel*, std::less<>> m_panelByName;
    std::map<std::string, QLineEdit*, std::less<>> m_fieldByName;
    std::vector<QWidget*> m_focusOrder;
};

} // namespace volcalc::ui
