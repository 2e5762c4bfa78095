// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/shapes.h"

#include <QKeySequence>
#include <QList>
#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QWidget;

namespace volcalc::ui {

class LinkLabel;

// What assistive technology (a screen reader, through the desktop's accessibility bus) reads for
// the program's controls, and the keys that reach the controls a mouse user clicks.

// Installs the accessible interfaces of the program's own controls: a spin field reads as a spin
// box with its value and limits, a link label as a link that can be pressed. Runs once; every
// window calls it before it builds its controls.
void InstallAccessibleInterfaces();

// The name read for the control and the longer description read after it.
void SetAccessibleText(QWidget* widget, const QString& name, const QString& description = {});

// Keys that press the button from anywhere in its window, for buttons that stay out of the Tab
// order. The keys are added to the description that is read out, e.g. "... (F1, Alt+H)".
void SetPressKeys(QAbstractButton* button, const QList<QKeySequence>& keys);

// The same for a link label, which a key activates as a click does.
void SetPressKey(LinkLabel* link, const QKeySequence& key);

// Enter and Return press the button while it has the focus, as Space does.
void PressOnEnter(QAbstractButton* button);

// Names a result field by what it shows and the unit its list has chosen ("Total volume, cubic
// meter"), and again whenever the list changes, so that the figure is never read without its unit.
void NameWithUnit(QWidget* field, const QString& name, QComboBox* units, const QString& unitPrefix = {});

// A unit written in symbols over several labels ("kg/m" and a raised "3") read as words: the
// first label is named by the words, the rest of it is left out of what is read.
void ReadUnitAsWords(QLabel* label, const QString& words, const QList<QWidget*>& restOfIt);

// "Object" or "Aperture": the group a shape, a field or a result belongs to.
QString GroupCaption(CalcGroup group);

// A shape picture read out: the solid in a few words, then what each drawn letter measures.
QString PictureName(CalcGroup group, const ShapeEntry& entry);
QString PictureDescription(const ShapeEntry& entry);

// The name of a parameter field: its group and its label, e.g. "Object Length (a)".
QString ParameterName(CalcGroup group, const ShapeParameter& parameter);

} // namespace volcalc::ui
