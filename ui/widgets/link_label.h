// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QLabel>

namespace volcalc::ui {

// A label that reports a click (left button pressed and released over it) and the mouse
// entering and leaving it. What a link does with them is up to its window.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    // What a click does, for the keyboard and for assistive technology.
    void Activate();
    // A key that activates the link from anywhere in its window; the link stays out of the Tab order.
    void SetPressKey(const QKeySequence& key);
    const QKeySequence& PressKey() const { return m_pressKey; }

signals:
    void Clicked();
    void MouseEnter();
    void MouseLeave();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_pressed = false;
    QKeySequence m_pressKey;
};

} // namespace volcalc::ui
