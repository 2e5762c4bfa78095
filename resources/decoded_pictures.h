// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace volcalc::resources {

// A picture decoded when the program was built (tools/decode_pictures.cpp): Width x Height pixels
// 0xAARRGGBB by rows, premultiplied by their alpha when HasAlpha, opaque otherwise.
struct DecodedPicture {
    std::string_view Name;
    int Width;
    int Height;
    bool HasAlpha;
    const std::uint32_t* Pixels;
};

// The pictures of the main window's first screen, by their resource names.
std::span<const DecodedPicture> DecodedPictures();

} // namespace volcalc::resources
