// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/app_style.h"

namespace volcalc::ui {
namespace {

// Pixel sizes, not points: the layout is fixed for 96 pixels per inch whatever the screen says.
constexpr int WindowFontPixels = 11;
constexpr int TotalFontPixels = 16;

} // namespace

QFont WindowFont(bool bold) {
    QFont font;
    // Liberation Sans has the metrics of the face the layout was drawn for; DejaVu Sans is the fallback.
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(WindowFontPixels);
    font.setBold(bold);
    return font;
}

QFont TotalFont() {
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")});
    font.setPixelSize(TotalFontPixels);
    font.setBold(true);
    // The totals are figures written by the program (ASCII digits, sign, separator, exponent),
    // which the face has: no list of fallback faces is looked up for them.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

QPalette SilverPalette() {
    const QColor silver(192, 192, 192);
    QPalette palette(Qt::black, silver, Qt::white, QColor(128, 128, 128), QColor(160, 160, 164), Qt::black,
                     Qt::white, Qt::white, silver);
    palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    const QColor grey(128, 128, 128);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, grey);
    }
    return palette;
}

QPalette WithWindowColour(QPalette palette, const QColor& colour) {
    palette.setColor(QPalette::Window, colour);
    return palette;
}

} // namespace volcalc::ui
