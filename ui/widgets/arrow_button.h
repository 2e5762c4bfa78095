// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>

namespace volcalc::ui {

// One arrow button of a spin field. It steps when the left button is released over it; held
// down, it steps again after RepeatPause and then every RepeatInterval while the pointer stays over it.
class ArrowButton : public QWidget {
public:
    static constexpr int RepeatPause = 400;    // milliseconds from the press to the first repeat
    static constexpr int RepeatInterval = 100; // milliseconds between repeats

    ArrowButton(QWidget* parent, Qt::ArrowType arrow);

    // Run before anything else on a press (the spin field takes the keyboard focus here).
    void OnPress(std::function<void()> action) { m_onPress = std::move(action); }
    void OnStep(std::function<void()> action) { m_onStep = std::move(action); }
    const QTimer& RepeatTimer() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Repeat();
    void Step();

    Qt::ArrowType m_arrow;
    QTimer m_timer;
    bool m_held = false;
    bool m_pointerOver = false;
    std::function<void()> m_onPress;
    std::function<void()> m_onStep;
};

} // namespace volcalc::ui
