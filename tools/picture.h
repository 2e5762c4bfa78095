// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace pictures {

enum class FileKind { Png, Jpeg, Gif };

// One generated picture: its resource name (also the file name without extension) and its pixels.
struct Picture {
    QString name;
    QImage image;
    FileKind kind = FileKind::Png;
};

inline constexpr int ShapeWidth = 260;
inline constexpr int ShapeHeight = 170;

// Solids of revolution and polyhedra with their aperture twins, and the empty picture.
std::vector<Picture> SolidPictures();
// Bars and rolled sections, objects only.
std::vector<Picture> ProfilePictures();
// The cross-sections of the standard section families, objects only.
std::vector<Picture> SectionPictures();
// Window buttons, the program icon in its sizes and the About box pictures.
std::vector<Picture> IconPictures();
// The background of the About box.
Picture Wallpaper();
// The envelope of the About box.
Picture Envelope();

} // namespace pictures
