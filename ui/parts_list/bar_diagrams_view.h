// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cutting/order_plan.h"
#include "ui/parts_list/bar_diagram.h"

#include <QWidget>

#include <vector>

namespace volcalc::ui {

// A group's distinct bars, under the group's name.
struct DiagramGroup {
    QString Title;
    std::vector<DiagramBar> Bars;
};

// The diagrams of an order's plan: for each group the rack's bars it cuts, then the bars to buy,
// identical ones once with their count; an offcut at least the settings' least worth keeping is
// marked to keep.
std::vector<DiagramGroup> DiagramGroupsOf(const std::vector<cutting::GroupOrder>& orders,
                                          const cutting::OrderSettings& settings);

// The diagrams of the Order dialog, as tall as they need at the width they are given (shown in a
// scroll area).
class BarDiagramsView : public QWidget {
public:
    explicit BarDiagramsView(QWidget* parent);

    void SetGroups(std::vector<DiagramGroup> groups);
    const std::vector<DiagramGroup>& Groups() const { return m_groups; }

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The height the groups take across `width`, painted with `painter` where there is one.
    double Draw(QPainter* painter, double width) const;

    std::vector<DiagramGroup> m_groups;
};

} // namespace volcalc::ui
