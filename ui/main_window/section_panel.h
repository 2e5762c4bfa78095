// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/shapes.h"
#include "sections/section_library.h"
#include "sections/section_shapes.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace volcalc::ui {

class BevelPanel;

// The last entry of the object shape list, after the shapes of the shape table.
inline constexpr const char* StandardSectionEntry = "Standard section";

// The object group's panel of the standard sections: a family list, a size list and a length field,
// with the chosen size's cross-section area and mass per metre for the density in force, and the
// family's cross-section in the object picture. Built, and the tables read, when first shown.
class SectionPanel {
public:
    // The Tab key goes from tabAnchor to the panel's controls.
    SectionPanel(sections::SectionFolders folders, QWidget* groupBox, QWidget* tabAnchor, QLabel* picture);
    ~SectionPanel();

    void Show();
    void Hide();
    // The chosen size as a shape of one parameter, the length; nullptr with none chosen.
    const ShapeEntry* ChosenShape();
    std::string LengthText() const;
    // The density in force, for the mass per metre.
    void ShowDensity(std::int32_t density);

private:
    void Build();
    void FamilyChosen();
    void SizeChosen();
    void ShowFigures();
    void ShowPicture();
    const sections::Section* ChosenSection() const;

    sections::SectionLibrary m_library;
    sections::SectionShapes m_shapes;
    QWidget* m_groupBox;
    QWidget* m_tabAnchor;
    QLabel* m_picture;
    std::int32_t m_density = 0;
    BevelPanel* m_panel = nullptr;
    QComboBox* m_familyList = nullptr;
    QComboBox* m_sizeList = nullptr;
    QLineEdit* m_lengthField = nullptr;
    QLineEdit* m_areaField = nullptr;
    QLineEdit* m_massPerMetreField = nullptr;
    QLineEdit* m_surfacePerMetreField = nullptr;
};

} // namespace volcalc::ui
