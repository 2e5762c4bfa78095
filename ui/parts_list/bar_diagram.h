// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One bar of a cutting plan drawn to scale for the saw: the bar, its pieces with their lengths
// (and marks), the kerfs, the offcut hatched, and how many bars are cut alike. The drawing is laid
// out first and painted after, so that the screen, the printed pages and the tests see one layout.

#include "cutting/lengths.h"

#include <QFont>
#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace volcalc::ui {

struct DiagramPiece {
    cutting::Units Length = 0;
    QString Mark; // the part's mark on the drawing, where it has one
};

// Bars of one stock length cut alike.
struct DiagramBar {
    std::int64_t Count = 1;
    cutting::Units Stock = 0;
    cutting::Units Kerf = 0;
    std::vector<DiagramPiece> Pieces; // in the order they are cut
    cutting::Units Offcut = 0;
    bool FromRack = false;   // a bar or offcut already in the shop
    bool OffcutKept = false; // long enough to go back to the rack
    bool Sorted = false;     // offcuts are kept or scrapped by a least length: a short one is scrap
};

// A text of the drawing and where it stands. An outside label hangs below the bar on a leader
// from the middle of what it names.
struct DiagramLabel {
    QRectF Box;
    QString Text;
    bool Outside = false;
    QPointF Leader; // on the bar's lower edge, for an outside label
};

struct BarDiagramLayout {
    QString Title; // "3 × 6000"
    QRectF TitleBox;
    QRectF Bar;
    std::vector<QRectF> Pieces;
    std::vector<QRectF> Kerfs;
    QRectF Offcut; // empty when the pieces fill the bar
    std::vector<DiagramLabel> Labels;
    double Height = 0;
};

// The layout of the bar across `width` pixels, its texts in `font`. A label that does not fit
// inside its piece hangs below the bar, in as many rows as keep the labels apart.
BarDiagramLayout LayOutBarDiagram(const DiagramBar& bar, double width, const QFont& font);

// Paints the layout with its top left corner at the painter's origin, in black on white, so that
// it prints as it shows.
void PaintBarDiagram(QPainter& painter, const BarDiagramLayout& layout, const QFont& font);

// The font a diagram's texts are drawn in: large enough to read at the saw.
QFont DiagramFont(const QFont& base);

} // namespace volcalc::ui
