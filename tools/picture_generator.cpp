// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture the program shows and writes it into the resources folder.
//
//   volcalc_picture_generator DIR                      writes all pictures into DIR
//   volcalc_picture_generator --contact-sheet FILE DIR  the 25 shape pictures of DIR on one sheet
//   volcalc_picture_generator --small-sheet FILE DIR    the buttons and icons of DIR, four times enlarged
//   volcalc_picture_generator --large-sheet FILE DIR    the large icons and the wallpaper, tiled
//   volcalc_picture_generator --sheet FILE DIR SCALE NAME...  the named pictures, SCALE times enlarged

#include "gif_writer.h"
#include "picture.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace pictures;

const QStringList ShapeNames = {"P001", "P002", "P0025", "P003", "P004", "P005", "P006", "P007", "P008",
                                "P009", "P101", "P102",  "P103", "P104", "P105", "P106", "P107", "P108",
                                "P109", "P203", "P205",  "P206", "P207", "P208", "ZERO"};

const QStringList SmallNames = {"undo",       "reset",        "about",           "help",
                                "exit",       "material_add", "material_remove", "calculator",
                                "parts_list", "program_icon", "program_picture", "envelope",
                                "icon_16",    "icon_48",      "icon_64"};

const QStringList LargeNames = {"icon_128", "icon_256", "wallpaper"};

bool Write(const Picture& picture, const QDir& dir) {
    bool ok = false;
    switch (picture.kind) {
    case FileKind::Png:
        ok = picture.image.save(dir.filePath(picture.name + ".png"), "PNG");
        break;
    case FileKind::Jpeg:
        ok = picture.image.save(dir.filePath(picture.name + ".jpg"), "JPG", 92);
        break;
    case FileKind::Gif:
        ok =
            WriteGif(picture.image, dir.filePath(picture.name + ".gif")) &&
            QFile::setPermissions(dir.filePath(picture.name + ".gif"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        break;
    }
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(picture.name));
    }
    return ok;
}

int WriteAll(const QDir& dir) {
    std::vector<Picture> all = SolidPictures();
    for (auto* group : {&ProfilePictures, &SectionPictures, &IconPictures}) {
        for (auto& picture : group()) {
            all.push_back(std::move(picture));
        }
    }
    all.push_back(Wallpaper());
    all.push_back(Envelope());
    int failures = 0;
    for (const auto& picture : all) {
        failures += Write(picture, dir) ? 0 : 1;
    }
    std::printf("%d pictures written to %s\n", int(all.size()) - failures, qPrintable(dir.absolutePath()));
    return failures == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

QImage Load(const QDir& dir, const QString& name) {
    for (const char* extension : {".png", ".jpg", ".gif"}) {
        const QString path = dir.filePath(name + extension);
        if (QFile::exists(path)) {
            return QImage(path);
        }
    }
    return {};
}

// How a picture shows on a sheet: small ones enlarged `scale` times, the wallpaper tiled two by two
// so that its seams show.
QImage Prepared(const QImage& image, const QString& name, int scale) {
    if (name == "wallpaper") {
        QImage tiled(image.size() * 2, QImage::Format_ARGB32);
        QPainter painter(&tiled);
        painter.drawTiledPixmap(tiled.rect(), QPixmap::fromImage(image));
        return tiled;
    }
    return image.scaled(image.size() * scale).convertToFormat(QImage::Format_ARGB32);
}

// A grid of pictures with their names and sizes underneath.
int Sheet(const QStringList& names, const QDir& dir, int columns, int scale, const QString& out) {
    std::vector<QImage> images;
    std::vector<QSize> sizes;
    int cellWidth = 0;
    int cellHeight = 0;
    for (const auto& name : names) {
        QImage image = Load(dir, name);
        if (image.isNull()) {
            std::fprintf(stderr, "missing picture %s in %s\n", qPrintable(name), qPrintable(dir.path()));
            return EXIT_FAILURE;
        }
        const QSize size = image.size();
        image = Prepared(image, name, scale);
        sizes.push_back(size);
        cellWidth = std::max(cellWidth, image.width());
        cellHeight = std::max(cellHeight, image.height());
        images.push_back(image);
    }
    constexpr int Margin = 12;
    constexpr int Caption = 22;
    const int rows = (int(names.size()) + columns - 1) / columns;
    QImage sheet(columns * (cellWidth + Margin) + Margin, rows * (cellHeight + Caption + Margin) + Margin,
                 QImage::Format_RGB32);
    sheet.fill(QColor(250, 250, 250));
    QPainter painter(&sheet);
    QFont font("DejaVu Sans");
    font.setPixelSize(14);
    painter.setFont(font);
    for (int i = 0; i < int(images.size()); ++i) {
        const int x = Margin + (i % columns) * (cellWidth + Margin);
        const int y = Margin + (i / columns) * (cellHeight + Caption + Margin);
        // A checkerboard shows which parts of a picture are transparent.
        for (int cy = 0; cy < images[i].height(); cy += 8) {
            for (int cx = 0; cx < images[i].width(); cx += 8) {
                const bool dark = ((cx / 8) + (cy / 8)) % 2 != 0;
                painter.fillRect(x + cx, y + cy, std::min(8, images[i].width() - cx),
                                 std::min(8, images[i].height() - cy),
                                 dark ? QColor(225, 225, 235) : QColor(255, 255, 255));
            }
        }
        painter.drawImage(x, y, images[i]);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x, y + images[i].height() + 2, cellWidth, Caption - 4), Qt::AlignLeft,
                         names[i] + QString(" %1x%2").arg(sizes[i].width()).arg(sizes[i].height()));
    }
    painter.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

int Usage() {
    std::fprintf(stderr, "usage: volcalc_picture_generator DIR\n"
                         "       volcalc_picture_generator --contact-sheet FILE DIR\n"
                         "       volcalc_picture_generator --small-sheet FILE DIR\n"
                         "       volcalc_picture_generator --large-sheet FILE DIR\n"
                         "       volcalc_picture_generator --sheet FILE DIR SCALE NAME...\n");
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments().mid(1);
    if (arguments.size() == 1 && !arguments[0].startsWith("--")) {
        QDir dir(arguments[0]);
        if (!dir.mkpath(".")) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(arguments[0]));
            return EXIT_FAILURE;
        }
        return WriteAll(dir);
    }
    if (arguments.size() == 3 && arguments[0] == "--contact-sheet") {
        return Sheet(ShapeNames, QDir(arguments[2]), 5, 1, arguments[1]);
    }
    if (arguments.size() == 3 && arguments[0] == "--small-sheet") {
        return Sheet(SmallNames, QDir(arguments[2]), 5, 4, arguments[1]);
    }
    if (arguments.size() == 3 && arguments[0] == "--large-sheet") {
        return Sheet(LargeNames, QDir(arguments[2]), 3, 1, arguments[1]);
    }
    if (arguments.size() >= 5 && arguments[0] == "--sheet") {
        return Sheet(arguments.mid(4), QDir(arguments[2]), 2, arguments[3].toInt(), arguments[1]);
    }
    return Usage();
}
