// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/wallpaper_panel.h"

#include <QPainter>

namespace volcalc::ui {

WallpaperPanel::WallpaperPanel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WallpaperPanel::SetWallpaper(const QImage& wallpaper) {
    m_wallpaper = wallpaper;
    update();
}

void WallpaperPanel::SetInset(int inset) {
    m_inset = inset < 0 ? 0 : inset;
    update();
}

QRect WallpaperPanel::InnerRect() const {
    return rect().adjusted(m_inset, m_inset, -m_inset, -m_inset);
}

void WallpaperPanel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().brush(backgroundRole()));

    const QRect inner = InnerRect();
    const int w = m_wallpaper.width();
    const int h = m_wallpaper.height();
    if (m_wallpaper.isNull() || w <= 0 || h <= 0 || inner.isEmpty()) {
        return;
    }
    painter.setClipRect(inner);
    // Both bounds included: the last column and row are cut by the clip.
    for (int i = 0; i <= inner.width() / w; ++i) {
        for (int j = 0; j <= inner.height() / h; ++j) {
            painter.drawImage(QPoint(inner.left() + i * w, inner.top() + j * h), m_wallpaper);
        }
    }
}

} // namespace volcalc::ui
