// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QToolButton>

namespace volcalc::ui {

// A flat tool button of the toolbar: the frame appears only under the mouse, the picture stands
// at a fixed distance from the top edge with the caption directly below it.
class ToolbarButton : public QToolButton {
public:
    static constexpr int Centred = -1;

    ToolbarButton(QWidget* parent, const QString& caption, const QPixmap& picture, int pictureOffset);

    int PictureOffset() const { return m_pictureOffset; }
    const QPixmap& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    int m_pictureOffset;
};

} // namespace volcalc::ui
