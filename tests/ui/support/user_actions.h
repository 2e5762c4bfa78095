// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QComboBox;
class QDialog;
class QWidget;

namespace volcalc::test {

// What a user does with the mouse and the keyboard, sent as real input events.

// Opens the list, moves to the entry with the given text and presses Enter.
void Choose(QComboBox* list, const QString& text);
// Clicks into the field, selects everything in it and types the text over it.
void TypeInto(QWidget* field, const QString& text);
void ClickOn(QWidget* widget);
// Moves the keyboard focus on with the Tab key from the widget that has it.
void PressTab();
// Runs answer on the modal dialog that the next action opens, once it is up.
void AnswerNextDialog(std::function<void(QDialog&)> answer);

} // namespace volcalc::test
