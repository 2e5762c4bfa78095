// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/object_names.h"

#include <QRect>

#include <array>
#include <string_view>

// Where the main window's fixed controls stand, in pixels of their parent, as the form was drawn;
// and the order in which the Tab key visits them. A label is drawn at its place and height, and
// widens only when its text needs more (a right-aligned one keeps its right edge).
namespace volcalc::ui::layout {

inline constexpr int ClientWidth = 579;
inline constexpr int ClientHeight = 563;

struct FixedPlace {
    const char* Name;
    const char* Parent;
    QRect Geometry;
};

namespace n = names;

inline constexpr std::array FixedControls = {
    // Toolbar
    FixedPlace{n::PartsListButton, n::MainWindow, {293, 8, 46, 63}},
    FixedPlace{n::UndoButton, n::MainWindow, {342, 8, 46, 63}},
    FixedPlace{n::ResetButton, n::MainWindow, {388, 8, 46, 63}},
    FixedPlace{n::AboutButton, n::MainWindow, {434, 8, 46, 63}},
    FixedPlace{n::HelpButton, n::MainWindow, {480, 8, 46, 63}},
    FixedPlace{n::ExitButton, n::MainWindow, {526, 8, 46, 63}},
    // Material group
    FixedPlace{n::MaterialGroup, n::MainWindow, {5, 3, 280, 68}},
    FixedPlace{n::AddMaterialButton, n::MaterialGroup, {8, 16, 36, 36}},
    FixedPlace{n::MaterialList, n::MaterialGroup, {51, 17, 175, 21}},
    FixedPlace{n::RemoveMaterialButton, n::MaterialGroup, {235, 16, 36, 36}},
    FixedPlace{n::DensityLabel, n::MaterialGroup, {67, 45, 38, 13}},
    FixedPlace{n::DensityField, n::MaterialGroup, {116, 46, 33, 16}},
    FixedPlace{n::DensityUnitLabel, n::MaterialGroup, {152, 45, 25, 13}},
    FixedPlace{n::DensityUnitPowerLabel, n::MaterialGroup, {177, 40, 6, 13}},
    // Object group
    FixedPlace{n::Object.Group, n::MainWindow, {5, 75, 280, 365}},
    FixedPlace{n::Object.PictureFrame, n::Object.Group, {8, 15, 264, 174}},
    FixedPlace{n::Object.Picture, n::Object.PictureFrame, {2, 2, 260, 170}},
    FixedPlace{n::Object.ShapeList, n::Object.Group, {8, 198, 121, 21}},
    FixedPlace{n::Object.UnitsLabel, n::Object.Group, {144, 195, 44, 26}},
    FixedPlace{n::Object.UnitList, n::Object.Group, {200, 198, 73, 21}},
    FixedPlace{n::Object.QuantityLabel, n::Object.Group, {209, 255, 39, 13}},
    FixedPlace{n::Object.Quantity, n::Object.Group, {208, 269, 57, 22}},
    FixedPlace{n::Object.CalculateButton, n::Object.Group, {200, 323, 73, 30}},
    // Aperture group
    FixedPlace{n::Aperture.Group, n::MainWindow, {293, 75, 280, 365}},
    FixedPlace{n::Aperture.PictureFrame, n::Aperture.Group, {8, 15, 264, 174}},
    FixedPlace{n::Aperture.Picture, n::Aperture.PictureFrame, {2, 2, 260, 170}},
    FixedPlace{n::Aperture.ShapeList, n::Aperture.Group, {8, 198, 121, 21}},
    FixedPlace{n::Aperture.UnitsLabel, n::Aperture.Group, {144, 195, 44, 26}},
    FixedPlace{n::Aperture.UnitList, n::Aperture.Group, {200, 198, 73, 21}},
    FixedPlace{n::Aperture.QuantityLabel, n::Aperture.Group, {209, 255, 42, 13}},
    FixedPlace{n::Aperture.Quantity, n::Aperture.Group, {208, 269, 57, 22}},
    FixedPlace{n::Aperture.CalculateButton, n::Aperture.Group, {200, 323, 73, 30}},
    // Totals
    FixedPlace{n::TotalsPanel, n::MainWindow, {0, 443, ClientWidth, 120}},
    FixedPlace{n::Volume.Group, n::TotalsPanel, {5, 5, 280, 105}},
    FixedPlace{n::Volume.TotalLabel, n::Volume.Group, {16, 16, 30, 13}},
    FixedPlace{n::Volume.Total, n::Volume.Group, {16, 30, 113, 26}},
    FixedPlace{n::CubicLabel, n::Volume.Group, {148, 34, 26, 13}},
    FixedPlace{n::Volume.UnitsLabel, n::Volume.Group, {184, 16, 66, 13}},
    FixedPlace{n::Volume.Units, n::Volume.Group, {184, 30, 84, 21}},
    FixedPlace{n::Volume.ObjectLabel, n::Volume.Group, {16, 60, 31, 13}},
    FixedPlace{n::Volume.Object, n::Volume.Group, {16, 74, 113, 21}},
    FixedPlace{n::Volume.ApertureLabel, n::Volume.Group, {155, 60, 40, 13}},
    FixedPlace{n::Volume.Aperture, n::Volume.Group, {155, 74, 113, 21}},
    FixedPlace{n::Mass.Group, n::TotalsPanel, {293, 5, 280, 105}},
    FixedPlace{n::Mass.TotalLabel, n::Mass.Group, {16, 16, 30, 13}},
    FixedPlace{n::Mass.Total, n::Mass.Group, {16, 30, 113, 26}},
    FixedPlace{n::Mass.UnitsLabel, n::Mass.Group, {184, 16, 66, 13}},
    FixedPlace{n::Mass.Units, n::Mass.Group, {184, 30, 84, 21}},
    FixedPlace{n::Mass.ObjectLabel, n::Mass.Group, {16, 60, 31, 13}},
    FixedPlace{n::Mass.Object, n::Mass.Group, {16, 74, 113, 21}},
    FixedPlace{n::Mass.ApertureLabel, n::Mass.Group, {155, 60, 40, 13}},
    FixedPlace{n::Mass.Aperture, n::Mass.Group, {155, 74, 113, 21}},
};

// The rectangle of a group that its parameter panels share, one shown at a time.
inline constexpr QRect ParameterPanelArea{8, 225, 185, 129};

// The fixed controls the Tab key visits, in order. The parameter fields of a group follow its
// unit list, panel after panel in the order the panels were first shown.
inline constexpr std::array TabOrder = {
    n::Object.ShapeList,
    n::Object.CalculateButton,
    n::Object.Quantity,
    n::Object.UnitList,
    n::Aperture.ShapeList,
    n::Aperture.Quantity,
    n::Aperture.CalculateButton,
    n::Aperture.UnitList,
    n::MaterialList,
    n::DensityField,
    n::Volume.Total,
    n::Volume.Units,
    n::Volume.Object,
    n::Volume.Aperture,
    n::Mass.Total,
    n::Mass.Units,
    n::Mass.Aperture,
    n::Mass.Object,
};

// The place of the named control; an empty rectangle for a name the table does not hold.
constexpr QRect PlaceOf(std::string_view name) {
    for (const FixedPlace& place : FixedControls) {
        if (name == place.Name) {
            return place.Geometry;
        }
    }
    return {};
}

} // namespace volcalc::ui::layout
