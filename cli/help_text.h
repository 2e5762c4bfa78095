#pragma once

namespace volcalc::cli {

inline constexpr const char* HelpText = R"(Usage: volcalc-cli [OPTIONS] [FILE]
       volcalc-cli [OPTIONS] --input-csv LIST.csv

Weighs solid bodies as the Orlisk Volume Calculator window does, from a script.
Commands are read from FILE, or from standard input when no FILE is given.

Options:
  --precise     show figures as doubles with 17 significant digits
  --strict      stop at the first line that fails
  --ini FILE    material catalogue to use (default: volcalc.ini beside this program)
  --report      at the end, list every calculation that counts (a bill of materials),
                then the totals; undo removes the last row, reset clears the list
  --csv         write that report as CSV (RFC 4180, header row, full precision, ".")
  --json        write that report as one JSON document
  --volume-unit UNIT, --mass-unit UNIT
                display units of the report (default: meter, kilogram)
  --input-csv FILE
                weigh a list kept in a spreadsheet: one calculation a row,
                group,shape,unit,quantity,material,p1,p2,p3,p4,p5
                (header row optional, trailing empty parameters allowed; material is
                a catalogue name, "density N", or empty to keep the one in force)
  --help        show this text

Script: one command a line; blank lines and lines starting with "#" are ignored.
Words are separated by blanks; write a word holding blanks in double quotes.

  density N                          the density in force becomes N kg/m3
  material NAME                      select the first material of that exact name
  materials                          list the catalogue: NAME<TAB>DENSITY per line
  add-material NAME DENSITY          append a material (DENSITY truncated to an integer)
  remove-material NAME               remove the first material of that name
  object SHAPE UNIT QUANTITY P...    add an object, as the object calculate button
  aperture SHAPE UNIT QUANTITY P...  add an aperture (a hole), as the aperture button
  undo                               take back the last calculation (one step)
  reset                              set every total to zero
  show [VOLUME_UNIT [MASS_UNIT]]     print the totals (default: meter kilogram)

Object shapes and their parameters, in order:
  Parallelepiped a b c        Cylinder a b          Pipe a b c
  Prism1 a b c                Prism2 a b c          Sphere a
  "Part of sphere" a b        Cone a b              "Blunted cone" a b c
  Pyramid a b c               "Hexahedral Bar" a Length
  I-Beam a b c d Length       "C channel" a b c d Length
  "Lip channel" a b c d Length                      Angle a b c Length
Aperture shapes: Parallelepiped, Cylinder, Prism1, Prism2, Sphere,
  "Part of sphere", Cone, "Blunted cone", Pyramid.
Length units: millimeter centimeter meter inch foot yard
Volume units: millimeter centimeter meter inch foot yard (cubic)
Mass units:   gram kilogram centner "metric ton" pound

Parameters accept "." or "," as decimal separator. QUANTITY is a whole number,
clamped to 1..1000 (a text that is not a whole number counts as 1).

"show" prints two tab-separated lines:
  volume<TAB>UNIT<TAB>object<TAB>aperture<TAB>total
  mass<TAB>UNIT<TAB>object<TAB>aperture<TAB>total
A script without "show" prints one at its end.

A failing line prints "line N: MESSAGE" on standard error and changes nothing;
the script goes on unless --strict is given.

Exit status:
  0  every line held
  1  some line failed (its message names it)
  2  bad arguments, a script or list that cannot be read, or output
     that cannot be written ("volcalc-cli: cannot write output: REASON")

Report rows: line, group, shape, unit, quantity, parameters as typed, material
(or "density N"), density, volume of one piece and of all pieces, mass of one
piece and of all pieces; apertures are negative. With --csv or --json, "show"
prints nothing: the document is the whole output.

Example:
  density 7850
  object Parallelepiped millimeter 1 1000 1000 1000
  aperture Cylinder millimeter 4 100 1000
  show meter "metric ton"
)";

} // namespace volcalc::cli
