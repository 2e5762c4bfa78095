#pragma once

#include <QByteArray>
#include <QImage>

namespace volcalc::ui {

// Decodes a JPEG held in memory with libjpeg. Colour and greyscale pictures come back as
// 24-bit RGB. A damaged or truncated picture, or one libjpeg cannot turn into RGB, gives a null
// image: the caller shows nothing rather than half a picture.
QImage DecodeJpeg(const QByteArray& bytes);

} // namespace volcalc::ui
