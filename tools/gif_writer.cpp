// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif_writer.h"

#include "palette.h"

#include <gif_lib.h>

#include <memory>
#include <vector>

namespace pictures {

bool WriteGif(const QImage& image, const QString& path) {
    // GIF knows only fully transparent and fully opaque pixels.
    QImage hard = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < hard.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(hard.scanLine(y));
        for (int x = 0; x < hard.width(); ++x) {
            line[x] = qAlpha(line[x]) < 128 ? Transparent : (line[x] | 0xff000000u);
        }
    }
    const QImage indexed = Quantize(hard, 256);
    const QList<QRgb> table = indexed.colorTable();

    int mapSize = 2;
    while (mapSize < table.size()) {
        mapSize *= 2;
    }
    std::vector<GifColorType> colours(std::size_t(mapSize), GifColorType{0, 0, 0});
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (int i = 0; i < table.size(); ++i) {
        colours[std::size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                                   GifByteType(qBlue(table[i]))};
        if (qAlpha(table[i]) == 0) {
            transparentIndex = i;
        }
    }
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(mapSize, colours.data()),
                                                                   GifFreeMapObject);
    if (!map) {
        return false;
    }

    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (gif == nullptr) {
        return false;
    }
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8,
                                transparentIndex == NO_TRANSPARENT_COLOR ? 0 : transparentIndex,
                                map.get()) == GIF_OK;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.UserInputFlag = false;
    control.DelayTime = 0;
    control.TransparentColor = transparentIndex;
    GifByteType extension[4];
    const std::size_t length = EGifGCBToExtension(&control, extension);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::vector<GifPixelType> line(indexed.constScanLine(y), indexed.constScanLine(y) + indexed.width());
        ok = EGifPutLine(gif, line.data(), indexed.width()) == GIF_OK;
    }
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace pictures
