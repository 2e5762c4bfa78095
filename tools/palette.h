// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

#include <array>

namespace pictures {

// The sixteen colours of the classic VGA palette; the shape pictures use nothing else.
namespace vga {
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Maroon = 0xff800000;
inline constexpr QRgb Green = 0xff008000;
inline constexpr QRgb Olive = 0xff808000;
inline constexpr QRgb Navy = 0xff000080;
inline constexpr QRgb Purple = 0xff800080;
inline constexpr QRgb Teal = 0xff008080;
inline constexpr QRgb Grey = 0xff808080;
inline constexpr QRgb Silver = 0xffc0c0c0;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Lime = 0xff00ff00;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Fuchsia = 0xffff00ff;
inline constexpr QRgb Aqua = 0xff00ffff;
inline constexpr QRgb White = 0xffffffff;

inline constexpr std::array<QRgb, 16> Palette = {Black,  Maroon, Green, Olive,  Navy, Purple,  Teal, Grey,
                                                 Silver, Red,    Lime,  Yellow, Blue, Fuchsia, Aqua, White};
} // namespace vga

inline constexpr QRgb Transparent = 0x00000000;

// Maps every pixel to the nearest entry of `palette` and returns an 8-bit indexed image whose colour
// table is exactly `palette`. Pixels with alpha below one half become `Transparent` when the palette
// holds it.
QImage ToIndexed(const QImage& image, const QList<QRgb>& palette);

// Reduces an image to at most `colours` distinct ARGB values (transparent pixels count as one) and
// returns it as an 8-bit indexed image. Used for the small buttons, which are drawn smoothly first.
QImage Quantize(const QImage& image, int colours);

// Number of distinct ARGB values in the image; fully transparent pixels all count as one value.
int CountColours(const QImage& image);

} // namespace pictures
