// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_text.h"

#include "calc/shapes.h"
#include "calc/units.h"

#include <span>

namespace volcalc::cli {
namespace {

constexpr const char* Usage = R"(Usage: volcalc-cli [OPTIONS] [FILE]
       volcalc-cli [OPTIONS] --input-csv LIST.csv

Weighs solid bodies as the Orlisk Volume Calculator window does, from a script.
Commands are read from FILE, or from standard input when no FILE is given.

Options:
  --precise     show figures as doubles with 17 significant digits
  --strict      stop at the first line that fails; a quantity that is not a whole
                number from 1 to 1000 fails its line
  --ini FILE    material catalogue to use (default: volcalc.ini beside this program
                where you can write it, else your own
                $XDG_DATA_HOME/orlisk-volcalc/volcalc.ini, ~/.local/share by default,
                which starts as a copy of the catalogue that came with the program)
  --where       print the path of the material catalogue in use and stop
  --sections [TEXT]
                list the standard sections whose designation holds TEXT (ignoring
                case and blanks; all without TEXT) and stop, one a line:
                DESIGNATION<TAB>FAMILY<TAB>STANDARD<TAB>AREA in cm2; the tables are the
                program's and your own CSV files in
                $XDG_DATA_HOME/orlisk-volcalc/sections (~/.local/share by default)
  --report      at the end, list every calculation that counts (a bill of materials),
                then the totals; undo removes the last row, reset clears the list
  --csv         write that report as CSV (RFC 4180, header row, full precision, ".")
  --json        write that report as one JSON document
  --volume-unit UNIT, --mass-unit UNIT
                display units of the report (default: meter, kilogram)
  --order LENGTHS
                after the totals (or in the --json document, member "order"), the
                stock bars to buy for the pieces cut from bars (profiles by their
                Length, Cylinder by b, Pipe by c; apertures take none), per shape,
                cross-section and material: LENGTHS are the stock lengths in mm,
                comma-separated (6000,12000); each bar with its cuts and offcut, the
                net and gross mass. A piece longer than every stock length, shorter
                than 0.001 mm or of a cross-section beyond 100000000 mm is named on
                standard error, the rest still planned, and the exit status is 1
  --kerf MM     the width of each saw cut for --order (default 0)
  --input-csv FILE
                weigh a list kept in a spreadsheet: one calculation a row,
                group,shape,unit,quantity,material,p1,p2,p3,p4,p5
                (header row optional, trailing empty parameters allowed; material is
                a catalogue name, "density N", or empty to keep the one in force)
  --job FILE    start from the rows of a job (a .volcalc file saved by the window
                or by --save-job, or a --json report), then run the script; each
                row is calculated again with the density and price it holds. The
                job's display units are the report's unless given
  --save-job FILE
                when the script ends, save the list as it stands as a job (written
                beside, then renamed over FILE); a FILE that is not a job is never
                overwritten
  --help        show this text
  --version     print the program's name and version

Script: one command a line; blank lines and lines starting with "#" are ignored.
Words are separated by blanks; write a word holding blanks in double quotes.

  density N                          the density in force becomes N kg/m3
  material NAME                      select the first material of that exact name
  materials                          list the catalogue: NAME<TAB>DENSITY per line,
                                     then <TAB>PRICE for a material with a price
  add-material NAME DENSITY          append a material (DENSITY truncated to an integer)
  remove-material NAME               remove the first material of that name; as in the
                                     window, the first material left is then selected
                                     and its density is in force
  price NAME [VALUE]                 save VALUE ("." or ",") as the price per kg of the
                                     first material of that name; without VALUE the
                                     material has no price
  currency [CODE]                    save the catalogue's currency (EUR, USD); without
                                     CODE there is none
  object SHAPE UNIT QUANTITY P...    add an object, as the object calculate button
  object SECTION UNIT QUANTITY LENGTH
                                     add pieces of a standard section, named by its
                                     designation ("IPE 200", ipe200; "HE 200 A" is
                                     HEA 200): its area times LENGTH; see --sections
  aperture SHAPE UNIT QUANTITY P...  add an aperture (a hole), as the aperture button
  undo                               take back the last calculation (one step)
  reset                              set every total to zero
  show [VOLUME_UNIT [MASS_UNIT]]     print the totals (default: meter kilogram)

Shapes, their parameters in order, and where they can be used:
)";

constexpr const char* Rules = R"(
Parameters accept "." or "," as decimal separator. QUANTITY is a whole number,
clamped to 1..1000 (a text that is not a whole number counts as 1); a quantity read
as another number prints "line N: warning: quantity "4x" is read as 1" on standard
error, and with --strict fails its line.

"show" prints two tab-separated lines:
  volume<TAB>UNIT<TAB>object<TAB>aperture<TAB>total
  mass<TAB>UNIT<TAB>object<TAB>aperture<TAB>total
A script without "show" prints one at its end.

A failing line prints "line N: MESSAGE" on standard error and changes nothing
(totals, undo, report rows, the material selected, the density in force); the
script goes on unless --strict is given. With a report, a line whose figures or
totals cannot be written in the report's units fails with "Floating point overflow.".

Exit status:
  0  every line held
  1  some line failed (its message names it), or with --order a piece is
     not planned
  2  bad arguments, a script, list or job that cannot be read, a job that
     cannot be saved, or output that cannot be written ("volcalc-cli: cannot write output: REASON")

Report rows: line, group, shape, unit, quantity, parameters as typed, material
(or "density N"), density, volume of one piece and of all pieces, mass of one
piece and of all pieces; apertures are negative. With --csv or --json, "show"
prints nothing: the document is the whole output.

Costs: an object row costs its mass in kg times its material's price per kg; an
aperture row costs nothing (the material cut out was bought with the object),
though it takes its mass off; a row whose material has no price, or made with a
density typed by hand, has no cost and is counted as unpriced. The cost total is
the sum of the object rows' costs. --csv ends every row with price_per_kg and
cost (empty where unknown) and the totals rows with the cost total; --json gives
every row "price_per_kg" and "cost" (null where unknown), every total "cost",
the totals "unpriced_rows" and the document "currency"; the text report adds
price and cost columns and the lines cost<TAB>CURRENCY<TAB>object<TAB>aperture
<TAB>total and unpriced rows<TAB>N when a row has a price (a list's report, made
row by row: when the catalogue has a price).

Example:
  density 7850
  object Parallelepiped millimeter 1 1000 1000 1000
  aperture Cylinder millimeter 4 100 1000
  show meter "metric ton"
)";

std::string Word(std::string_view name) {
    return name.find(' ') == std::string_view::npos ? std::string(name) : "\"" + std::string(name) + "\"";
}

std::string Padded(std::string text, std::size_t width) {
    text.resize(std::max(text.size() + 1, width), ' ');
    return text;
}

template <std::size_t N> std::string Words(const std::array<std::string_view, N>& names) {
    std::string line;
    for (std::string_view name : names) {
        line += (line.empty() ? "" : " ") + Word(name);
    }
    return line;
}

} // namespace

std::string ShapeListText() {
    std::string text;
    for (const ShapeEntry& shape : ObjectShapes) {
        std::string parameters;
        for (const ShapeParameter& parameter : shape.Parameters) {
            parameters += (parameters.empty() ? "" : " ") + std::string(parameter.Letter);
        }
        const ShapeEntry* hole = FindShape(CalcGroup::Aperture, shape.DisplayName);
        const bool aperture = hole != nullptr && hole->Rule != nullptr;
        text += "  " + Padded(Word(shape.DisplayName), 18) + Padded(parameters, 16) +
                (aperture ? "object or aperture" : "object only") + "\n";
    }
    return text;
}

std::string UnitListText() {
    return "Length units: " + Words(LengthUnitNames) + "\nVolume units: " + Words(VolumeUnitNames) +
           " (cubic)\nMass units:   " + Words(MassUnitNames) + "\n";
}

std::string HelpText() {
    return Usage + ShapeListText() + UnitListText() + Rules;
}

} // namespace volcalc::cli
