// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

namespace volcalc::ui {

// Decodes a JPEG held in memory with libjpeg. Colour and greyscale pictures come back as
// 24-bit RGB. A damaged or truncated picture, or one libjpeg cannot turn into RGB, gives a null
// image: the caller shows nothing rather than half a picture. The decoder is in the module that
// is loaded on first use (on_demand.h); without that module every picture gives a null image.
QImage DecodeJpeg(const QByteArray& bytes);

namespace libjpeg {
// The decoder itself, in the module.
QImage Decode(const QByteArray& bytes);
} // namespace libjpeg

} // namespace volcalc::ui
