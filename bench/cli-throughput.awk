# SPDX-License-Identifier: GPL-3.0-or-later
# The same work in awk: every calculation line's words read, its numbers read ("," as a decimal
# separator too), its volume by its shape, times its quantity, added to the totals, shown at the end.
BEGIN { unit["millimeter"] = 0.001; unit["inch"] = 0.0254; unit["meter"] = 1; pi = 3.141592653589793 }
$1 == "density" { density = $2; next }
$1 == "object" || $1 == "aperture" {
    first = 5; shape = $2
    if (shape == "\"I-Beam\"") shape = "I-Beam"
    k = unit[$3]; q = int($4); if (q < 1) q = 1; if (q > 1000) q = 1000
    for (i = first; i <= NF; i++) { t = $i; if (index(t, ",")) sub(",", ".", t); p[i - first + 1] = t * k }
    if (shape == "Parallelepiped") v = p[1] * p[2] * p[3]
    else if (shape == "Cylinder") v = pi * p[1] * p[1] / 4 * p[2]
    else if (shape == "Pipe") v = pi * (p[1] * p[1] - p[2] * p[2]) / 4 * p[3]
    else v = (2 * p[2] * p[4] + (p[1] - 2 * p[4]) * p[3]) * p[5]
    if ($1 == "object") objects += q * v; else apertures += q * v
    next
}
$1 == "show" {
    printf "volume\tmeter\t%.3f\t%.3f\t%.3f\n", objects, apertures, objects - apertures
    printf "mass\tkilogram\t%.3f\t%.3f\t%.3f\n", objects * density, apertures * density, (objects - apertures) * density
}
