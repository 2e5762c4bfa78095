// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/desktop/handler_guard.h"

#include "calc/errors.h"
#include "ui/desktop/desktop_services.h"

#include <QWidget>

#include <exception>
#include <string>

namespace volcalc::ui {
namespace {

void ReportEscapedError(const std::string& message) {
    // A button that still holds the mouse would otherwise keep it while the box is up.
    if (QWidget* grabber = QWidget::mouseGrabber()) {
        grabber->releaseMouse();
    }
    Desktop().ShowErrorBox(QString::fromStdString(ErrorBoxText(message)));
}

} // namespace

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ReportEscapedError(error.what());
    } catch (...) {
        ReportEscapedError("Unknown error");
    }
}

} // namespace volcalc::ui
