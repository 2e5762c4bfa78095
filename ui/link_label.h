#pragma once

#include <QLabel>

namespace volcalc::ui {

// A label that reports a click (left button pressed and released over it) and the mouse
// entering and leaving it. What a link does with them is up to its window.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

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
    bool pressed_ = false;
};

} // namespace volcalc::ui
