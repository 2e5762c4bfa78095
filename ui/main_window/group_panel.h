// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/shapes.h"
#include "sections/section_library.h"
#include "ui/object_names.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QWidget;

namespace volcalc::ui {

class ParameterPanels;
class QuantitySpinBox;
class SectionPanel;

// The object or the aperture group of the main window: its shape list with the shape's picture,
// the length unit list, the quantity, the calculate button and the parameter panels. The window
// makes one for each group; they differ in names, captions, and in that choosing an object shape
// sets the quantity back to 1.
class GroupPanel {
public:
    GroupPanel(CalcGroup group, QWidget* window);
    ~GroupPanel();
    GroupPanel(const GroupPanel&) = delete;
    GroupPanel& operator=(const GroupPanel&) = delete;

    CalcGroup Group() const { return m_group; }
    QComboBox* ShapeList() const { return m_shapeList; }
    QPushButton* CalculateButton() const { return m_calculateButton; }

    // Ends the shape list with the standard sections read from the tables in the folders.
    void AddStandardSections(const sections::SectionFolders& tables);
    // The density in force, which the standard sections show as a mass per metre.
    void ShowDensity(std::int32_t density);

    // Shows the list's first shape, as the window starts.
    void ShowFirstShape();
    // What choosing the list's shape does: its picture, its panel, the calculate button.
    void ShowChosenShape();

    // What a calculation reads. The shape is null when the list shows no shape (nothing chosen),
    // or the standard sections with no size chosen.
    bool SectionChosen() const;
    const ShapeEntry* ChosenShape() const;
    std::int32_t Quantity() const;
    // The texts of the shape's fields in parameter order.
    std::vector<std::string> TextsOf(const ShapeEntry& entry) const;
    std::string LengthUnitName() const;

    // The parameter fields built so far, in the order the Tab key visits them.
    const std::vector<QWidget*>& ParameterFocusOrder() const;

private:
    void ShowPicture(const ShapeEntry& entry);
    // The entry of the shape table at the list's position; null past its end.
    const ShapeEntry* ListedShape() const;

    CalcGroup m_group;
    const names::GroupNames& m_names;
    QWidget* m_box = nullptr;
    QLabel* m_picture = nullptr;
    QComboBox* m_shapeList = nullptr;
    QComboBox* m_unitList = nullptr;
    QuantitySpinBox* m_quantity = nullptr;
    QPushButton* m_calculateButton = nullptr;
    std::unique_ptr<ParameterPanels> m_panels;
    std::unique_ptr<SectionPanel> m_sectionPanel; // the last entry of the shape list, if any
};

} // namespace volcalc::ui
