// SPDX-License-Identifier: GPL-3.0-or-later
#include "shapes.h"

#include "shape_surfaces.h"
#include "shape_volumes.h"

namespace volcalc {
namespace {

using P = ShapeParameter;

// Parameters in parameter order: letter, label, and what the letter measures on the shape's
// picture (the help's table of shapes says the same).
constexpr P ParallelepipedParams[] = {
    {"a", "Length (a) =", "length: the edge from the front face to the back face"},
    {"b", "Width (b) =", "width: the horizontal edge of the front face"},
    {"c", "Thickness (c) =", "thickness: the vertical edge of the front face"}};
constexpr P CylinderParams[] = {{"a", "Diameter (a) =", "diameter of the circular end face"},
                                {"b", "Length (b) =", "length along the axis"}};
constexpr P PipeParams[] = {{"a", "External diameter (a) =", "external diameter"},
                            {"b", "Internal diameter (b) =", "internal diameter: the diameter of the bore"},
                            {"c", "Length (c) =", "length along the axis"}};
// The two prisms have the same letters; they measure different edges.
constexpr std::string_view PrismLength = "length of the prism, from one end face to the other";
constexpr P Prism1Params[] = {
    {"a", "a =", "horizontal leg of the right-angled triangle that forms each end face"},
    {"b", "b =", "vertical leg of that triangle; the right angle lies between a and b"},
    {"c", "c =", PrismLength}};
constexpr P Prism2Params[] = {
    {"a", "a =", "base of the triangle that forms each end face"},
    {"b", "b =",
     "slanted side of that triangle, from an end of the base to the apex, which stands above the middle "
     "of the base"},
    {"c", "c =", PrismLength}};
constexpr P SphereParams[] = {{"a", "Diameter (a) =", "diameter"}};
constexpr P PartParams[] = {
    {"a", "Radius (a) =", "radius of the sphere the piece is cut from (R=a in the picture)"},
    {"b",
     "Height (b) =", "height of the piece, from its flat cut face to the farthest point of its curved face"}};
constexpr P ConeParams[] = {{"a", "Diameter (a) =", "diameter of the base"},
                            {"b", "Height (b) =", "height from the base to the apex"}};
constexpr P Cone2Params[] = {{"a", "Diameter 1 (a) =", "diameter of the larger (lower) face"},
                             {"b", "Diameter 2 (b) =", "diameter of the smaller (upper) face"},
                             {"c", "Height (c) =", "height: the distance between the two faces"}};
constexpr P PyramidParams[] = {{"a", "Length (a) =", "front edge of the rectangular base"},
                               {"b", "Width (b) =", "side edge of the base, from front to back"},
                               {"c", "Height (c) =", "height from the base to the apex"}};
constexpr P HexBarParams[] = {
    {"a",
     "a =", "distance across flats of the regular hexagonal section (between two opposite parallel sides)"},
    {"Length", "Length =", "length of the bar"}};
constexpr std::string_view FlangeToFlange =
    "overall height of the section, from the outer face of one flange to the outer face of the other";
constexpr P BeamParams[] = {{"a", "a =", FlangeToFlange},
                            {"b", "b =", "width of a flange"},
                            {"c", "c =", "thickness of the web"},
                            {"d", "d =", "thickness of a flange"},
                            {"Length", "Length =", "length of the beam"}};
constexpr P ChannelParams[] = {
    {"a", "a =", FlangeToFlange},
    {"b", "b =", "width of a flange, from the outer face of the web to the free edge of the flange"},
    {"c", "c =", "thickness of the web"},
    {"d", "d =", "thickness of a flange"},
    {"Length", "Length =", "length of the channel"}};
constexpr P LipParams[] = {
    {"a", "a =", "overall height of the section"},
    {"b", "b =", "overall width, from the outer face of the web to the outer face of the lip"},
    {"c", "c =",
     "height of the lip (the short wall turned inwards at the free edge of each flange), from the outer face "
     "of the flange to the tip of the lip"},
    {"d", "d =", "wall thickness, the same throughout the section"},
    {"Length", "Length =", "length of the channel"}};
constexpr P AngleParams[] = {{"a", "a =", "outer height of the upright leg"},
                             {"b", "b =", "outer width of the lying leg"},
                             {"c", "c =", "thickness of the legs"},
                             {"Length", "Length =", "length of the angle"}};

// The solids that both lists offer, described once.
namespace Solid {
constexpr std::string_view Parallelepiped = "a rectangular block";
constexpr std::string_view Cylinder = "a round cylinder";
constexpr std::string_view Prism1 = "a prism whose end faces are right-angled triangles";
constexpr std::string_view Prism2 = "a prism whose end faces are triangles with two equal slanted sides";
constexpr std::string_view Sphere = "a ball";
constexpr std::string_view PartOfSphere = "a piece cut off a ball by a flat face";
constexpr std::string_view Cone = "a cone on a round base";
constexpr std::string_view BluntedCone = "a cone with its top cut off parallel to the round base";
constexpr std::string_view Pyramid = "a pyramid on a rectangular base";
} // namespace Solid

constexpr ShapeRule CylinderRule{&CylinderVolume, 0, &CylinderSurface};
constexpr ShapeRule PipeRule{&PipeVolume, 0, &PipeSurface};
constexpr ShapeRule Prism1Rule{&RightPrismVolume, 0, &RightPrismSurface};
constexpr ShapeRule Prism2Rule{&IsoscelesPrismVolume, 0, &IsoscelesPrismSurface};
constexpr ShapeRule SphereRule{&SphereVolume, 0, &SphereSurface};
constexpr ShapeRule PartRule{&SphereCapVolume, 0, &SphereCapSurface};
constexpr ShapeRule ConeRule{&ConeVolume, 0, &ConeSurface};
constexpr ShapeRule Cone2Rule{&FrustumVolume, 0, &FrustumSurface};
constexpr ShapeRule PyramidRule{&PyramidVolume, 0, &PyramidSurface};
constexpr ShapeRule HexBarRule{&HexBarVolume, 0, &HexBarSurface};
constexpr ShapeRule BeamRule{&FlangedBeamVolume, 0, &FlangedBeamSurface};
constexpr ShapeRule ChannelRule{&FlangedBeamVolume, 0, &FlangedBeamSurface};
constexpr ShapeRule LipRule{&LipChannelVolume, 0, &LipChannelSurface};
constexpr ShapeRule AngleRule{&AngleVolume, 0, &AngleSurface};

} // namespace

const std::array<ShapeEntry, 15> ObjectShapes = {{
    {"Parallelepiped", "P001", ParallelepipedParams, &ParallelepipedRule, Solid::Parallelepiped},
    {"Cylinder", "P002", CylinderParams, &CylinderRule, Solid::Cylinder, PanelKind::Column, 1},
    {"Pipe", "P0025", PipeParams, &PipeRule, "a round pipe: a cylinder with a round bore along its axis",
     PanelKind::ColumnLongLabels, 2},
    {"Prism1", "P003", Prism1Params, &Prism1Rule, Solid::Prism1, PanelKind::ColumnLetters},
    {"Prism2", "P004", Prism2Params, &Prism2Rule, Solid::Prism2, PanelKind::ColumnLetters},
    {"Sphere", "P005", SphereParams, &SphereRule, Solid::Sphere},
    {"Part of sphere", "P006", PartParams, &PartRule, Solid::PartOfSphere},
    {"Cone", "P007", ConeParams, &ConeRule, Solid::Cone},
    {"Blunted cone", "P008", Cone2Params, &Cone2Rule, Solid::BluntedCone},
    {"Pyramid", "P009", PyramidParams, &PyramidRule, Solid::Pyramid},
    {"Hexahedral Bar", "P203", HexBarParams, &HexBarRule, "a long bar with a regular hexagonal section",
     PanelKind::Bar, 1},
    {"I-Beam", "P205", BeamParams, &BeamRule,
     "a long beam with an I-shaped section: two flanges joined in their middle by a web", PanelKind::Profile,
     4},
    {"C channel", "P206", ChannelParams, &ChannelRule,
     "a long channel with a C-shaped section: two flanges joined at one edge by a web", PanelKind::Profile,
     4},
    {"Lip channel", "P207", LipParams, &LipRule, "a C channel whose flanges end in short lips turned inwards",
     PanelKind::Profile, 4},
    {"Angle", "P208", AngleParams, &AngleRule,
     "a long angle with an L-shaped section: two legs at a right angle", PanelKind::Profile, 3},
}};

const std::array<ShapeEntry, 10> ApertureShapes = {{
    {"None", "ZERO", {}, nullptr, "no aperture: nothing is subtracted"},
    {"Parallelepiped", "P101", ParallelepipedParams, &ParallelepipedRule, Solid::Parallelepiped},
    {"Cylinder", "P102", CylinderParams, &CylinderRule, Solid::Cylinder},
    {"Prism1", "P103", Prism1Params, &Prism1Rule, Solid::Prism1, PanelKind::ColumnLetters},
    {"Prism2", "P104", Prism2Params, &Prism2Rule, Solid::Prism2, PanelKind::ColumnLetters},
    {"Sphere", "P105", SphereParams, &SphereRule, Solid::Sphere},
    {"Part of sphere", "P106", PartParams, &PartRule, Solid::PartOfSphere},
    {"Cone", "P107", ConeParams, &ConeRule, Solid::Cone},
    {"Blunted cone", "P108", Cone2Params, &Cone2Rule, Solid::BluntedCone},
    {"Pyramid", "P109", PyramidParams, &PyramidRule, Solid::Pyramid},
}};

std::string_view LabelCaption(const ShapeParameter& parameter) {
    std::string_view caption = parameter.Label;
    if (caption.ends_with(" =")) {
        caption.remove_suffix(2);
    }
    return caption;
}

std::span<const ShapeEntry> ShapesOf(CalcGroup group) {
    if (group == CalcGroup::Object) {
        return ObjectShapes;
    }
    return ApertureShapes;
}

const ShapeEntry* FindShape(CalcGroup group, std::string_view name) {
    for (const ShapeEntry& entry : ShapesOf(group)) {
        if (entry.DisplayName == name) {
            return &entry;
        }
    }
    return nullptr;
}

} // namespace volcalc
