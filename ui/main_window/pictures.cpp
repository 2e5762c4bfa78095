// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/pictures.h"

#include "resources/decoded_pictures.h"

#include <QImage>
#include <QPixmapCache>
#include <QString>

#include <algorithm>

namespace volcalc::ui {
namespace {

// The pictures of the first screen were decoded when the program was built: taking them from
// there spares the start-up the picture readers and the plugins they look for.
QPixmap DecodedPicture(std::string_view name) {
    const auto pictures = resources::DecodedPictures();
    const auto found =
        std::find_if(pictures.begin(), pictures.end(),
                     [name](const resources::DecodedPicture& picture) { return picture.Name == name; });
    if (found == pictures.end()) {
        return {};
    }
    // Wraps the pixels where they lie; the pixmap takes its own copy.
    const QImage image(reinterpret_cast<const uchar*>(found->Pixels), found->Width, found->Height,
                       qsizetype(found->Width) * 4,
                       found->HasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap Picture(std::string_view name) {
    const QString path =
        QStringLiteral(":/pictures/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    QPixmap pixmap;
    // Loaded on first use and kept in the cache, so switching shapes back and forth decodes once.
    if (QPixmapCache::find(path, &pixmap)) {
        return pixmap;
    }
    pixmap = DecodedPicture(name);
    if (!pixmap.isNull() || pixmap.load(path)) {
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

} // namespace volcalc::ui
