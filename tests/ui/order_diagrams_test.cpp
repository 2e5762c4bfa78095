// SPDX-License-Identifier: GPL-3.0-or-later
// The diagrams for the saw: what a reader sees of each bar (its count, every piece's length and
// mark, the offcut), whatever the width, with no text over another.
#include "ui/parts_list/bar_diagram.h"
#include "ui/parts_list/bar_diagrams_view.h"

#include <QApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace volcalc::test {
namespace {

using ui::DiagramBar;
using ui::DiagramPiece;

constexpr cutting::Units Mm = cutting::UnitsPerMillimetre;

struct LayoutCase {
    const char* Proves;
    DiagramBar Bar;
    double Width;
    std::vector<QString> Texts; // every one shown, in a label or the title
};

const LayoutCase LayoutCases[] = {
    {"WideBarLabelsEveryPieceAndTheCount",
     {3, 6000 * Mm, 3 * Mm, {{2400 * Mm, {}}, {2400 * Mm, {}}, {1150 * Mm, {}}}, 41 * Mm},
     900,
     {"3 × 6000", "2400", "1150", "offcut 41"}},
    {"MarksStandUnderTheirLengths",
     {1, 6000 * Mm, 0, {{3000 * Mm, "B12"}, {2000 * Mm, "C3"}}, 1000 * Mm},
     900,
     {"1 × 6000", "3000\nB12", "2000\nC3", "offcut 1000"}},
    {"ShortPiecesHangBelowInRowsClearOfEachOther",
     {2,
      12000 * Mm,
      4 * Mm,
      {{11000 * Mm, {}}, {150 * Mm, "A1"}, {120 * Mm, "A2"}, {100 * Mm, "A3"}},
      614 * Mm},
     400,
     {"2 × 12000", "11000", "150 A1", "120 A2", "100 A3"}},
    {"AKeptOffcutSaysSo", {1, 6000 * Mm, 0, {{4000 * Mm, {}}}, 2000 * Mm, false, true}, 600, {"keep 2000"}},
    {"AShortOffcutIsScrapWhereOffcutsAreKept",
     {1, 6000 * Mm, 0, {{5500 * Mm, {}}}, 500 * Mm, false, false, true},
     600,
     {"scrap 500"}},
    {"ARackBarSaysWhereItComesFrom",
     {1, 2350 * Mm, 0, {{2000 * Mm, {}}}, 350 * Mm, true},
     600,
     {"1 × 2350 from stock"}},
    {"AnEmptyOffcutIsNotLabelled", {4, 6000 * Mm, 0, {{3000 * Mm, {}}, {3000 * Mm, {}}}, 0}, 600, {"3000"}},
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.Proves;
}

class DiagramLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(DiagramLayout, ShowsEveryTextOnceAndNoneOverAnother) {
    const LayoutCase& c = GetParam();
    const QFont font = ui::DiagramFont(QApplication::font());
    const ui::BarDiagramLayout layout = ui::LayOutBarDiagram(c.Bar, c.Width, font);
    for (const QString& text : c.Texts) {
        const bool shown =
            layout.Title == text || std::any_of(layout.Labels.begin(), layout.Labels.end(),
                                                [&](const auto& label) { return label.Text == text; });
        EXPECT_TRUE(shown) << text.toStdString();
    }
    // One label for each piece and for an offcut: no piece goes unnamed.
    EXPECT_EQ(layout.Labels.size(), c.Bar.Pieces.size() + (c.Bar.Offcut > 0 ? 1 : 0));
    for (std::size_t i = 0; i < layout.Labels.size(); ++i) {
        const QRectF& box = layout.Labels[i].Box;
        EXPECT_GE(box.left(), 0);
        EXPECT_LE(box.right(), c.Width + 0.001);
        EXPECT_LE(box.bottom(), layout.Height);
        for (std::size_t j = i + 1; j < layout.Labels.size(); ++j) {
            EXPECT_FALSE(box.intersects(layout.Labels[j].Box))
                << layout.Labels[i].Text.toStdString() << " over " << layout.Labels[j].Text.toStdString();
        }
    }
    // The pieces and the kerfs lie in the bar, in the order they are cut, none over another.
    double x = 0;
    std::vector<QRectF> parts = layout.Pieces;
    parts.insert(parts.end(), layout.Kerfs.begin(), layout.Kerfs.end());
    std::sort(parts.begin(), parts.end(),
              [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    for (const QRectF& part : parts) {
        EXPECT_GE(part.left(), x - 0.001);
        x = part.right();
    }
    EXPECT_LE(x, layout.Offcut.isEmpty() ? c.Width + 0.001 : layout.Offcut.left() + 0.001);
}

INSTANTIATE_TEST_SUITE_P(Diagrams, DiagramLayout, ::testing::ValuesIn(LayoutCases),
                         [](const auto& info) { return std::string(info.param.Proves); });

// The picture of the diagrams, to look at: VOLCALC_DIAGRAMS_PNG names the file to write.
TEST(DiagramsView, DrawsEachGroupsBarsOneUnderAnother) {
    ui::BarDiagramsView view(nullptr);
    std::vector<ui::DiagramGroup> groups;
    for (const LayoutCase& c : LayoutCases) {
        groups.push_back({QString::fromLatin1(c.Proves), {c.Bar}});
    }
    view.SetGroups(groups);
    view.resize(700, view.heightForWidth(700));
    const QImage picture = view.grab().toImage();
    EXPECT_GE(picture.height(), view.heightForWidth(700));
    // A narrower view hangs more labels below their bars, and grows.
    EXPECT_GT(view.heightForWidth(300), view.heightForWidth(700));
    if (const char* file = std::getenv("VOLCALC_DIAGRAMS_PNG")) {
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(file)));
    }
}

} // namespace
} // namespace volcalc::test
