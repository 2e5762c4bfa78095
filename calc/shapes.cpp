#include "shapes.h"

#include "shape_volumes.h"

namespace volcalc {
namespace {

using P = ShapeParameter;

// Parameters in parameter order: letter, label, object field, aperture field.
constexpr P ParallelepipedParams[] = {{"a", "Length (a) =", "Edit2", "Edit5"},
                                      {"b", "Width (b) =", "Edit3", "Edit8"},
                                      {"c", "Thickness (c) =", "Edit4", "Edit9"}};
constexpr P CylinderParams[] = {{"a", "Diameter (a) =", "Edit6", "Edit55"},
                                {"b", "Length (b) =", "Edit12", "Edit56"}};
constexpr P PipeParams[] = {{"a", "External diameter (a) =", "Edit13", ""},
                            {"b", "Internal diameter (b) =", "Edit14", ""},
                            {"c", "Length (c) =", "Edit15", ""}};
constexpr P PrismParams[] = {
    {"a", "a =", "Edit18", "Edit57"}, {"b", "b =", "Edit19", "Edit58"}, {"c", "c =", "Edit20", "Edit59"}};
constexpr P SphereParams[] = {{"a", "Diameter (a) =", "Edit21", "Edit60"}};
constexpr P PartParams[] = {{"a", "Radius (a) =", "Edit22", "Edit61"},
                            {"b", "Height (b) =", "Edit23", "Edit62"}};
constexpr P ConeParams[] = {{"a", "Diameter (a) =", "Edit53", "Edit63"},
                            {"b", "Height (b) =", "Edit54", "Edit64"}};
constexpr P Cone2Params[] = {{"a", "Diameter 1 (a) =", "Edit24", "Edit65"},
                             {"b", "Diameter 2 (b) =", "Edit25", "Edit66"},
                             {"c", "Height (c) =", "Edit26", "Edit67"}};
constexpr P PyramidParams[] = {{"a", "Length (a) =", "Edit27", "Edit68"},
                               {"b", "Width (b) =", "Edit28", "Edit69"},
                               {"c", "Height (c) =", "Edit29", "Edit70"}};
constexpr P HexBarParams[] = {{"a", "a =", "Edit30", ""}, {"Length", "Length =", "Edit31", ""}};
constexpr P BeamParams[] = {{"a", "a =", "Edit32", ""},
                            {"b", "b =", "Edit35", ""},
                            {"c", "c =", "Edit34", ""},
                            {"d", "d =", "Edit36", ""},
                            {"Length", "Length =", "Edit33", ""}};
constexpr P ChannelParams[] = {{"a", "a =", "Edit38", ""},
                               {"b", "b =", "Edit40", ""},
                               {"c", "c =", "Edit39", ""},
                               {"d", "d =", "Edit41", ""},
                               {"Length", "Length =", "Edit37", ""}};
constexpr P LipParams[] = {{"a", "a =", "Edit45", ""},
                           {"b", "b =", "Edit47", ""},
                           {"c", "c =", "Edit46", ""},
                           {"d", "d =", "Edit48", ""},
                           {"Length", "Length =", "Edit44", ""}};
constexpr P AngleParams[] = {{"a", "a =", "Edit50", ""},
                             {"b", "b =", "Edit52", ""},
                             {"c", "c =", "Edit51", ""},
                             {"Length", "Length =", "Edit49", ""}};

constexpr ShapeRule CylinderRule{"Cylinder", 2, &CylinderVolume};
constexpr ShapeRule PipeRule{"Pipe", 3, &PipeVolume};
constexpr ShapeRule Prism1Rule{"Prism1", 3, &RightPrismVolume};
constexpr ShapeRule Prism2Rule{"Prism2", 3, &IsoscelesPrismVolume};
constexpr ShapeRule SphereRule{"Sphere", 1, &SphereVolume};
constexpr ShapeRule PartRule{"Part of sphere", 2, &SphereCapVolume};
constexpr ShapeRule ConeRule{"Cone", 2, &ConeVolume};
constexpr ShapeRule Cone2Rule{"Blunted cone", 3, &FrustumVolume};
constexpr ShapeRule PyramidRule{"Pyramid", 3, &PyramidVolume};
constexpr ShapeRule HexBarRule{"Hexahedral Bar", 2, &HexBarVolume};
constexpr ShapeRule BeamRule{"I-Beam", 5, &FlangedBeamVolume};
constexpr ShapeRule ChannelRule{"C channel", 5, &FlangedBeamVolume};
constexpr ShapeRule LipRule{"Lip channel", 5, &LipChannelVolume};
constexpr ShapeRule AngleRule{"Angle", 4, &AngleVolume};

using PL = PanelLayout;

} // namespace

const std::array<ShapeEntry, 15> ObjectShapes = {{
    {"Parallelepiped", "P001", "Panel2parallelepiped", PL::Column, ParallelepipedParams, &ParallelepipedRule},
    {"Cylinder", "P002", "Panel2cylinder", PL::Column, CylinderParams, &CylinderRule},
    {"Pipe", "P0025", "Panel2pipe", PL::ColumnLongLabels, PipeParams, &PipeRule},
    {"Prism1", "P003", "Panel2prism", PL::ColumnLetters, PrismParams, &Prism1Rule},
    {"Prism2", "P004", "Panel2prism", PL::ColumnLetters, PrismParams, &Prism2Rule},
    {"Sphere", "P005", "Panel2sphere", PL::Column, SphereParams, &SphereRule},
    {"Part of sphere", "P006", "Panel2part", PL::Column, PartParams, &PartRule},
    {"Cone", "P007", "Panel2cone", PL::Column, ConeParams, &ConeRule},
    {"Blunted cone", "P008", "Panel2cone2", PL::Column, Cone2Params, &Cone2Rule},
    {"Pyramid", "P009", "Panel2pyramid", PL::Column, PyramidParams, &PyramidRule},
    {"Hexahedral Bar", "P203", "Panel2hexbar", PL::Bar, HexBarParams, &HexBarRule},
    {"I-Beam", "P205", "Panel2beam", PL::Profile, BeamParams, &BeamRule},
    {"C channel", "P206", "Panel2channel", PL::Profile, ChannelParams, &ChannelRule},
    {"Lip channel", "P207", "Panel2lip", PL::Profile, LipParams, &LipRule},
    {"Angle", "P208", "Panel2angle", PL::Profile, AngleParams, &AngleRule},
}};

const std::array<ShapeEntry, 10> ApertureShapes = {{
    {"None", "ZERO", "", PL::Column, {}, nullptr},
    {"Parallelepiped", "P101", "Panel3parallelepiped", PL::Column, ParallelepipedParams, &ParallelepipedRule},
    {"Cylinder", "P102", "Panel3cylinder", PL::Column, CylinderParams, &CylinderRule},
    {"Prism1", "P103", "Panel3prism", PL::ColumnLetters, PrismParams, &Prism1Rule},
    {"Prism2", "P104", "Panel3prism", PL::ColumnLetters, PrismParams, &Prism2Rule},
    {"Sphere", "P105", "Panel3sphere", PL::Column, SphereParams, &SphereRule},
    {"Part of sphere", "P106", "Panel3part", PL::Column, PartParams, &PartRule},
    {"Cone", "P107", "Panel3cone", PL::Column, ConeParams, &ConeRule},
    {"Blunted cone", "P108", "Panel3cone2", PL::Column, Cone2Params, &Cone2Rule},
    {"Pyramid", "P109", "Panel3pyramid", PL::Column, PyramidParams, &PyramidRule},
}};

std::span<const ShapeEntry> ShapesOf(ShapeGroup group) {
    if (group == ShapeGroup::Object) {
        return ObjectShapes;
    }
    return ApertureShapes;
}

const ShapeEntry* FindShape(ShapeGroup group, std::string_view name) {
    for (const ShapeEntry& entry : ShapesOf(group)) {
        if (entry.DisplayName == name) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace volcalc
