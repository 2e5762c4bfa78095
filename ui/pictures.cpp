#include "ui/pictures.h"

#include <QPixmapCache>
#include <QString>

namespace volcalc::ui {

QPixmap Picture(std::string_view name) {
    const QString path =
        QStringLiteral(":/pictures/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    QPixmap pixmap;
    // Loaded on first use and kept in the cache, so switching shapes back and forth decodes once.
    if (!QPixmapCache::find(path, &pixmap) && pixmap.load(path)) {
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

} // namespace volcalc::ui
