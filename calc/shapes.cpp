#include "shapes.h"

#include "shape_volumes.h"

namespace volcalc {
namespace {

using P = ShapeParameter;

// Parameters in parameter order: letter, label, object field, aperture field, and what the letter
// measures on the shape's picture (the help's table of shapes says the same).
constexpr P ParallelepipedParams[] = {
    {"a", "Length (a) =", "Edit2", "Edit5", "length: the edge from the front face to the back face"},
    {"b", "Width (b) =", "Edit3", "Edit8", "width: the horizontal edge of the front face"},
    {"c", "Thickness (c) =", "Edit4", "Edit9", "thickness: the vertical edge of the front face"}};
constexpr P CylinderParams[] = {
    {"a", "Diameter (a) =", "Edit6", "Edit55", "diameter of the circular end face"},
    {"b", "Length (b) =", "Edit12", "Edit56", "length along the axis"}};
constexpr P PipeParams[] = {
    {"a", "External diameter (a) =", "Edit13", "", "external diameter"},
    {"b", "Internal diameter (b) =", "Edit14", "", "internal diameter: the diameter of the bore"},
    {"c", "Length (c) =", "Edit15", "", "length along the axis"}};
// The two prisms share one panel and its fields; their letters measure different edges.
constexpr std::string_view PrismLength = "length of the prism, from one end face to the other";
constexpr P Prism1Params[] = {
    {"a", "a =", "Edit18", "Edit57", "horizontal leg of the right-angled triangle that forms each end face"},
    {"b", "b =", "Edit19", "Edit58", "vertical leg of that triangle; the right angle lies between a and b"},
    {"c", "c =", "Edit20", "Edit59", PrismLength}};
constexpr P Prism2Params[] = {
    {"a", "a =", "Edit18", "Edit57", "base of the triangle that forms each end face"},
    {"b", "b =", "Edit19", "Edit58",
     "slanted side of that triangle, from an end of the base to the apex, which stands above the middle "
     "of the base"},
    {"c", "c =", "Edit20", "Edit59", PrismLength}};
constexpr P SphereParams[] = {{"a", "Diameter (a) =", "Edit21", "Edit60", "diameter"}};
constexpr P PartParams[] = {
    {"a", "Radius (a) =", "Edit22", "Edit61",
     "radius of the sphere the piece is cut from (R=a in the picture)"},
    {"b", "Height (b) =", "Edit23", "Edit62",
     "height of the piece, from its flat cut face to the farthest point of its curved face"}};
constexpr P ConeParams[] = {{"a", "Diameter (a) =", "Edit53", "Edit63", "diameter of the base"},
                            {"b", "Height (b) =", "Edit54", "Edit64", "height from the base to the apex"}};
constexpr P Cone2Params[] = {
    {"a", "Diameter 1 (a) =", "Edit24", "Edit65", "diameter of the larger (lower) face"},
    {"b", "Diameter 2 (b) =", "Edit25", "Edit66", "diameter of the smaller (upper) face"},
    {"c", "Height (c) =", "Edit26", "Edit67", "height: the distance between the two faces"}};
constexpr P PyramidParams[] = {
    {"a", "Length (a) =", "Edit27", "Edit68", "front edge of the rectangular base"},
    {"b", "Width (b) =", "Edit28", "Edit69", "side edge of the base, from front to back"},
    {"c", "Height (c) =", "Edit29", "Edit70", "height from the base to the apex"}};
constexpr P HexBarParams[] = {
    {"a", "a =", "Edit30", "",
     "distance across flats of the regular hexagonal section (between two opposite parallel sides)"},
    {"Length", "Length =", "Edit31", "", "length of the bar"}};
constexpr std::string_view FlangeToFlange =
    "overall height of the section, from the outer face of one flange to the outer face of the other";
constexpr P BeamParams[] = {{"a", "a =", "Edit32", "", FlangeToFlange},
                            {"b", "b =", "Edit35", "", "width of a flange"},
                            {"c", "c =", "Edit34", "", "thickness of the web"},
                            {"d", "d =", "Edit36", "", "thickness of a flange"},
                            {"Length", "Length =", "Edit33", "", "length of the beam"}};
constexpr P ChannelParams[] = {
    {"a", "a =", "Edit38", "", FlangeToFlange},
    {"b", "b =", "Edit40", "",
     "width of a flange, from the outer face of the web to the free edge of the flange"},
    {"c", "c =", "Edit39", "", "thickness of the web"},
    {"d", "d =", "Edit41", "", "thickness of a flange"},
    {"Length", "Length =", "Edit37", "", "length of the channel"}};
constexpr P LipParams[] = {
    {"a", "a =", "Edit45", "", "overall height of the section"},
    {"b", "b =", "Edit47", "", "overall width, from the outer face of the web to the outer face of the lip"},
    {"c", "c =", "Edit46", "",
     "height of the lip (the short wall turned inwards at the free edge of each flange), from the outer face "
     "of the flange to the tip of the lip"},
    {"d", "d =", "Edit48", "", "wall thickness, the same throughout the section"},
    {"Length", "Length =", "Edit44", "", "length of the channel"}};
constexpr P AngleParams[] = {{"a", "a =", "Edit50", "", "outer height of the upright leg"},
                             {"b", "b =", "Edit52", "", "outer width of the lying leg"},
                             {"c", "c =", "Edit51", "", "thickness of the legs"},
                             {"Length", "Length =", "Edit49", "", "length of the angle"}};

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
    {"Parallelepiped", "P001", "Panel2parallelepiped", PL::Column, ParallelepipedParams, &ParallelepipedRule,
     Solid::Parallelepiped},
    {"Cylinder", "P002", "Panel2cylinder", PL::Column, CylinderParams, &CylinderRule, Solid::Cylinder},
    {"Pipe", "P0025", "Panel2pipe", PL::ColumnLongLabels, PipeParams, &PipeRule,
     "a round pipe: a cylinder with a round bore along its axis"},
    {"Prism1", "P003", "Panel2prism", PL::ColumnLetters, Prism1Params, &Prism1Rule, Solid::Prism1},
    {"Prism2", "P004", "Panel2prism", PL::ColumnLetters, Prism2Params, &Prism2Rule, Solid::Prism2},
    {"Sphere", "P005", "Panel2sphere", PL::Column, SphereParams, &SphereRule, Solid::Sphere},
    {"Part of sphere", "P006", "Panel2part", PL::Column, PartParams, &PartRule, Solid::PartOfSphere},
    {"Cone", "P007", "Panel2cone", PL::Column, ConeParams, &ConeRule, Solid::Cone},
    {"Blunted cone", "P008", "Panel2cone2", PL::Column, Cone2Params, &Cone2Rule, Solid::BluntedCone},
    {"Pyramid", "P009", "Panel2pyramid", PL::Column, PyramidParams, &PyramidRule, Solid::Pyramid},
    {"Hexahedral Bar", "P203", "Panel2hexbar", PL::Bar, HexBarParams, &HexBarRule,
     "a long bar with a regular hexagonal section"},
    {"I-Beam", "P205", "Panel2beam", PL::Profile, BeamParams, &BeamRule,
     "a long beam with an I-shaped section: two flanges joined in their middle by a web"},
    {"C channel", "P206", "Panel2channel", PL::Profile, ChannelParams, &ChannelRule,
     "a long channel with a C-shaped section: two flanges joined at one edge by a web"},
    {"Lip channel", "P207", "Panel2lip", PL::Profile, LipParams, &LipRule,
     "a C channel whose flanges end in short lips turned inwards"},
    {"Angle", "P208", "Panel2angle", PL::Profile, AngleParams, &AngleRule,
     "a long angle with an L-shaped section: two legs at a right angle"},
}};

const std::array<ShapeEntry, 10> ApertureShapes = {{
    {"None", "ZERO", "", PL::Column, {}, nullptr, "no aperture: nothing is subtracted"},
    {"Parallelepiped", "P101", "Panel3parallelepiped", PL::Column, ParallelepipedParams, &ParallelepipedRule,
     Solid::Parallelepiped},
    {"Cylinder", "P102", "Panel3cylinder", PL::Column, CylinderParams, &CylinderRule, Solid::Cylinder},
    {"Prism1", "P103", "Panel3prism", PL::ColumnLetters, Prism1Params, &Prism1Rule, Solid::Prism1},
    {"Prism2", "P104", "Panel3prism", PL::ColumnLetters, Prism2Params, &Prism2Rule, Solid::Prism2},
    {"Sphere", "P105", "Panel3sphere", PL::Column, SphereParams, &SphereRule, Solid::Sphere},
    {"Part of sphere", "P106", "Panel3part", PL::Column, PartParams, &PartRule, Solid::PartOfSphere},
    {"Cone", "P107", "Panel3cone", PL::Column, ConeParams, &ConeRule, Solid::Cone},
    {"Blunted cone", "P108", "Panel3cone2", PL::Column, Cone2Params, &Cone2Rule, Solid::BluntedCone},
    {"Pyramid", "P109", "Panel3pyramid", PL::Column, PyramidParams, &PyramidRule, Solid::Pyramid},
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
