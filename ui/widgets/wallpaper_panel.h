// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace volcalc::ui {

// A background panel: paints its own background, then the wallpaper tiled from the top-left
// corner of its inner rectangle at the picture's own size, never stretched. Child widgets lie
// over it.
class WallpaperPanel : public QWidget {
    Q_OBJECT

public:
    explicit WallpaperPanel(QWidget* parent = nullptr);

    void SetWallpaper(const QImage& wallpaper);
    const QImage& Wallpaper() const { return m_wallpaper; }

    // Border plus bevels: the width left unpainted by the wallpaper on every side.
    void SetInset(int inset);
    int Inset() const { return m_inset; }

    // The rectangle the wallpaper is tiled in: the panel shrunk by the inset on every side.
    QRect InnerRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_wallpaper;
    int m_inset = 0;
};

} // namespace volcalc::ui
