// SPDX-License-Identifier: GPL-3.0-or-later
// Bars and rolled sections: the cross-section faces the viewer and carries the dimensions.

#include "drafting.h"
#include "picture.h"

#include <cmath>

namespace pictures {

namespace {

constexpr double Ratio = 0.5;
constexpr double TowardsRight = 35;
constexpr double TowardsLeft = 145;

// Hexagonal bar: a across the flats.
void HexagonBar(Drawing& d) {
    const double r = 48;
    const double half = r * std::sqrt(3.0) / 2;
    const Oblique view(QPointF(84, 112), TowardsRight, Ratio);
    d.Solid(Extrude({{r, 0}, {r / 2, half}, {-r / 2, half}, {-r, 0}, {-r / 2, -half}, {r / 2, -half}}, 190),
            view);
    d.Dimension(view({-r / 2, half, 0}), view({-r / 2, -half, 0}), Left, r / 2 + 16, "a");
}

// I-beam: a overall height, b flange width, c web thickness, d flange thickness.
void IBeam(Drawing& d) {
    const double a = 100;
    const double b = 86;
    const double c = 14;
    const double t = 15;
    const double w0 = (b - c) / 2;
    const double w1 = (b + c) / 2;
    const Oblique view(QPointF(70, 140), TowardsRight, Ratio);
    d.Solid(Extrude({{0, 0},
                     {b, 0},
                     {b, t},
                     {w1, t},
                     {w1, a - t},
                     {b, a - t},
                     {b, a},
                     {0, a},
                     {0, a - t},
                     {w0, a - t},
                     {w0, t},
                     {0, t}},
                    80),
            view);
    d.Dimension(view({0, a, 0}), view({0, 0, 0}), Left, 36, "a");
    d.Dimension(view({0, 0, 0}), view({b, 0, 0}), Down, 12, "b");
    const double y = a * 0.55;
    d.DimensionLine(view({w0, y, 0}), view({w1, y, 0}));
    d.Label("c", d.LabelBeside("c", view({w0 - 14, y, 0}), Left, 3));
    d.Dimension(view({0, a, 0}), view({0, a - t, 0}), Left, 10, "d");
}

// C channel: a overall height, b from the outer face of the web to the free edge of a flange,
// c web thickness, d flange thickness.
void Channel(Drawing& d) {
    const double a = 100;
    const double b = 66;
    const double c = 14;
    const double t = 14;
    const Oblique view(QPointF(100, 140), TowardsLeft, Ratio);
    d.Solid(Extrude({{0, 0}, {b, 0}, {b, t}, {c, t}, {c, a - t}, {b, a - t}, {b, a}, {0, a}}, 80), view);
    d.Dimension(view({b, a, 0}), view({b, 0, 0}), Right, 32, "a");
    d.Dimension(view({b, a, 0}), view({b, a - t, 0}), Right, 10, "d");
    d.Dimension(view({0, 0, 0}), view({b, 0, 0}), Down, 12, "b");
    const double y = a / 2;
    d.DimensionLine(view({0, y, 0}), view({c, y, 0}));
    d.Label("c", d.LabelBeside("c", view({c + 14, y, 0}), Right, 3));
}

// Channel with lips: a overall height, b overall width, c lip height, d wall thickness.
void LipChannel(Drawing& d) {
    const double a = 100;
    const double b = 62;
    const double c = 26;
    const double t = 10;
    const Oblique view(QPointF(100, 140), TowardsLeft, Ratio);
    d.Solid(Extrude({{0, 0},
                     {b, 0},
                     {b, c},
                     {b - t, c},
                     {b - t, t},
                     {t, t},
                     {t, a - t},
                     {b - t, a - t},
                     {b - t, a - c},
                     {b, a - c},
                     {b, a},
                     {0, a}},
                    80),
            view);
    d.Dimension(view({b, a, 0}), view({b, 0, 0}), Right, 32, "a");
    d.Dimension(view({b, a, 0}), view({b, a - c, 0}), Right, 10, "c");
    d.Dimension(view({0, 0, 0}), view({b, 0, 0}), Down, 12, "b");
    const double y = a * 0.64;
    d.DimensionLine(view({0, y, 0}), view({t, y, 0}));
    d.Label("d", d.LabelBeside("d", view({t + 14, y, 0}), Right, 3));
}

// Angle: a outer height of the upright leg, b outer width of the lying leg, c thickness.
void Angle(Drawing& d) {
    const double a = 104;
    const double b = 84;
    const double c = 14;
    const Oblique view(QPointF(92, 142), TowardsLeft, Ratio);
    d.Solid(Extrude({{0, 0}, {b, 0}, {b, c}, {c, c}, {c, a}, {0, a}}, 80), view);
    d.Dimension(view({c, a, 0}), view({b, 0, 0}), Right, 14, "a");
    d.Dimension(view({0, 0, 0}), view({b, 0, 0}), Down, 12, "b");
    const double y = a * 0.72;
    d.DimensionLine(view({0, y, 0}), view({c, y, 0}));
    d.Label("c", d.LabelBeside("c", view({c + 14, y, 0}), Right, 3));
}

} // namespace

std::vector<Picture> ProfilePictures() {
    return {{"P203", DrawShape(HexagonBar)},
            {"P205", DrawShape(IBeam)},
            {"P206", DrawShape(Channel)},
            {"P207", DrawShape(LipChannel)},
            {"P208", DrawShape(Angle)}};
}

} // namespace pictures
