// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace pictures {

// Writes a single-frame GIF. The image is reduced to at most 255 colours; pixels with alpha below
// one half become the transparent colour, announced in a graphic control extension.
bool WriteGif(const QImage& image, const QString& path);

} // namespace pictures
