// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/shapes.h"
#include "ui/object_names.h"

#include <QString>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QWidget;

namespace volcalc::ui {

class BevelPanel;

// The parameter panels of one group box, one per panel of the group's shape list, built from the
// shape catalogue. All lie on the group's parameter panel area; one at a time is shown. Each is built when
// it is first shown, so that the window starts with only the panel it shows.
class ParameterPanels {
public:
    // Shows the panel of the list's first entry inside the group box. The Tab key goes from
    // tabAnchor to the fields of the panels, panel after panel in the order they were built.
    ParameterPanels(CalcGroup group, QWidget* groupBox, QWidget* tabAnchor);

    // Hides every panel but the entry's own, then shows that one ("None" has none), building it
    // on its first showing.
    void ShowPanelOf(const ShapeEntry& entry);

    // The texts of the entry's fields in parameter order.
    std::vector<std::string> TextsOf(const ShapeEntry& entry) const;

    // Null for a field of a panel not shown yet.
    QLineEdit* Field(std::string_view name) const;
    // The fields built so far in the order the Tab key visits them, panel after panel.
    const std::vector<QWidget*>& FocusOrder() const { return m_focusOrder; }

private:
    void BuildPanel(const ShapeEntry& entry, const names::PanelNames& panelNames);
    void AppendToTabChain(const std::vector<QWidget*>& fields);
    QWidget* Panel(std::string_view name) const;

    CalcGroup m_group;
    QWidget* m_groupBox;
    QWidget* m_lastInTabChain;
    std::vector<BevelPanel*> m_panels; // in list order
    std::map<std::string, BevelPanel*, std::less<>> m_panelByName;
    std::map<std::string, QLineEdit*, std::less<>> m_fieldByName;
    std::vector<QWidget*> m_focusOrder;
};

} // namespace volcalc::ui
