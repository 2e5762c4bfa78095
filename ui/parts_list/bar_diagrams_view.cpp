// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/bar_diagrams_view.h"

#include "calc/number_text.h"
#include "cutting/order_text.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QResizeEvent>

#include <cmath>

namespace volcalc::ui {
namespace {

constexpr double Margin = 8;
constexpr double Gap = 10;

void AddRuns(std::span<const cutting::Bar> bars, std::span<const std::vector<std::string>> marks,
             bool fromRack, const cutting::OrderSettings& settings, DiagramGroup& group) {
    for (const cutting::BarRun& run : cutting::IdenticalBars(bars, marks)) {
        const bool kept =
            settings.KeepOffcuts && run.Cut.Offcut > 0 && run.Cut.Offcut >= settings.KeepOffcuts->Length;
        DiagramBar bar{run.Count,
                       run.Cut.Stock,
                       settings.Kerf.Length,
                       {},
                       run.Cut.Offcut,
                       fromRack,
                       kept,
                       settings.KeepOffcuts.has_value()};
        for (std::size_t i = 0; i < run.Cut.Cuts.size(); ++i) {
            const QString mark = i < run.Marks.size() ? QString::fromStdString(run.Marks[i]) : QString();
            bar.Pieces.push_back({run.Cut.Cuts[i], mark});
        }
        group.Bars.push_back(std::move(bar));
    }
}

} // namespace

std::vector<DiagramGroup> DiagramGroupsOf(const std::vector<cutting::GroupOrder>& orders,
                                          const cutting::OrderSettings& settings) {
    std::vector<DiagramGroup> groups;
    for (const cutting::GroupOrder& order : orders) {
        DiagramGroup group{QString::fromStdString(cutting::GroupText(order.Group, DecimalSeparator())), {}};
        AddRuns(order.FromStock, order.FromStockMarks, true, settings, group);
        AddRuns(order.Plan.Bars, order.BarMarks, false, settings, group);
        if (!group.Bars.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

BarDiagramsView::BarDiagramsView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setFont(DiagramFont(font()));
}

void BarDiagramsView::SetGroups(std::vector<DiagramGroup> groups) {
    m_groups = std::move(groups);
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

int BarDiagramsView::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(Draw(nullptr, width)));
}

double BarDiagramsView::Draw(QPainter* painter, double width) const {
    const double barWidth = std::max(1.0, width - 2 * Margin);
    QFont bold = font();
    bold.setBold(true);
    const double titleHeight = QFontMetricsF(bold).height();
    double top = Margin;
    for (const DiagramGroup& group : m_groups) {
        if (painter) {
            painter->setFont(bold);
            painter->setPen(Qt::black);
            painter->drawText(QRectF(Margin, top, barWidth, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                              group.Title);
        }
        top += titleHeight + Gap / 2;
        for (const DiagramBar& bar : group.Bars) {
            const BarDiagramLayout layout = LayOutBarDiagram(bar, barWidth, font());
            if (painter) {
                painter->save();
                painter->translate(Margin, top);
                PaintBarDiagram(*painter, layout, font());
                painter->restore();
            }
            top += layout.Height + Gap;
        }
        top += Gap;
    }
    return top;
}

void BarDiagramsView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Draw(&painter, width());
}

void BarDiagramsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The diagrams grow downwards as the width leaves less room for their labels.
    const int height = heightForWidth(event->size().width());
    if (height != minimumHeight()) {
        setMinimumHeight(height);
    }
}

} // namespace volcalc::ui
