// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures the windows load by name from the resources: present, of the right size and
// colour depth, and drawn in the colours the windows expect.

#include "resources/decoded_pictures.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr QRgb Black = 0xff000000;
constexpr QRgb Teal = 0xff008080;
constexpr QRgb Grey = 0xff808080;
constexpr QRgb Silver = 0xffc0c0c0;

const std::set<QRgb> Vga = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                            0xff008080, 0xff808080, 0xffc0c0c0, 0xffff0000, 0xff00ff00, 0xffffff00,
                            0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

enum class Kind { Object, Aperture, Empty, Other };

struct Expected {
    const char* name;
    int width;
    int height;
    int maxColours; // 0: any number
    Kind kind;
};

const Expected Pictures[] = {
    {"P001", 260, 170, 16, Kind::Object},
    {"P002", 260, 170, 16, Kind::Object},
    {"P0025", 260, 170, 16, Kind::Object},
    {"P003", 260, 170, 16, Kind::Object},
    {"P004", 260, 170, 16, Kind::Object},
    {"P005", 260, 170, 16, Kind::Object},
    {"P006", 260, 170, 16, Kind::Object},
    {"P007", 260, 170, 16, Kind::Object},
    {"P008", 260, 170, 16, Kind::Object},
    {"P009", 260, 170, 16, Kind::Object},
    {"P203", 260, 170, 16, Kind::Object},
    {"P205", 260, 170, 16, Kind::Object},
    {"P206", 260, 170, 16, Kind::Object},
    {"P207", 260, 170, 16, Kind::Object},
    {"P208", 260, 170, 16, Kind::Object},
    {"P101", 260, 170, 16, Kind::Aperture},
    {"P102", 260, 170, 16, Kind::Aperture},
    {"P103", 260, 170, 16, Kind::Aperture},
    {"P104", 260, 170, 16, Kind::Aperture},
    {"P105", 260, 170, 16, Kind::Aperture},
    {"P106", 260, 170, 16, Kind::Aperture},
    {"P107", 260, 170, 16, Kind::Aperture},
    {"P108", 260, 170, 16, Kind::Aperture},
    {"P109", 260, 170, 16, Kind::Aperture},
    {"S301", 260, 170, 16, Kind::Object},
    {"S302", 260, 170, 16, Kind::Object},
    {"S303", 260, 170, 16, Kind::Object},
    {"S304", 260, 170, 16, Kind::Object},
    {"S305", 260, 170, 16, Kind::Object},
    {"S306", 260, 170, 16, Kind::Object},
    {"S307", 260, 170, 16, Kind::Object},
    {"ZERO", 260, 170, 16, Kind::Empty},
    {"undo", 32, 32, 16, Kind::Other},
    {"reset", 32, 32, 256, Kind::Other},
    {"about", 34, 35, 256, Kind::Other},
    {"help", 33, 34, 256, Kind::Other},
    {"exit", 32, 32, 256, Kind::Other},
    {"material_add", 32, 32, 16, Kind::Other},
    {"material_remove", 32, 32, 16, Kind::Other},
    {"calculator", 31, 21, 16, Kind::Other},
    {"parts_list", 32, 32, 16, Kind::Other},
    {"program_icon", 32, 32, 16, Kind::Other},
    {"icon_16", 16, 16, 0, Kind::Other},
    {"icon_48", 48, 48, 0, Kind::Other},
    {"icon_64", 64, 64, 0, Kind::Other},
    {"icon_128", 128, 128, 0, Kind::Other},
    {"icon_256", 256, 256, 0, Kind::Other},
    {"program_picture", 70, 70, 16, Kind::Other},
    {"wallpaper", 336, 234, 0, Kind::Other},
    {"envelope", 33, 33, 256, Kind::Other},
};

void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.name;
}

QString Path(const char* name) {
    return QString(":/pictures/") + name;
}

QImage Load(const char* name) {
    return QImage(Path(name)).convertToFormat(QImage::Format_ARGB32);
}

// How many pixels there are of each colour; every fully transparent pixel counts as the same one.
std::map<QRgb, int> Histogram(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            ++counts[qAlpha(c) == 0 ? 0u : c];
        }
    }
    return counts;
}

std::vector<QRgb> Corners(const QImage& image) {
    const int r = image.width() - 1;
    const int b = image.height() - 1;
    return {image.pixel(0, 0), image.pixel(r, 0), image.pixel(0, b), image.pixel(r, b)};
}

class EveryPicture : public testing::TestWithParam<Expected> {};

TEST_P(EveryPicture, LoadsByNameWithItsSizeAndColourDepth) {
    const Expected& expected = GetParam();
    const QImage image = Load(expected.name);
    ASSERT_FALSE(image.isNull()) << "no picture at " << Path(expected.name).toStdString();
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
    if (expected.maxColours > 0) {
        EXPECT_LE(Histogram(image).size(), std::size_t(expected.maxColours));
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, EveryPicture, testing::ValuesIn(Pictures),
                         [](const testing::TestParamInfo<Expected>& info) {
                             return std::string(info.param.name);
                         });

std::vector<Expected> OfKind(Kind kind) {
    std::vector<Expected> found;
    for (const auto& p : Pictures) {
        if (p.kind == kind) {
            found.push_back(p);
        }
    }
    return found;
}

TEST(ShapePictures, AreStoredWithAPaletteOfAtMostSixteenColours) {
    for (Kind kind : {Kind::Object, Kind::Aperture, Kind::Empty}) {
        for (const auto& p : OfKind(kind)) {
            const QImage raw(Path(p.name));
            EXPECT_TRUE(raw.format() == QImage::Format_Indexed8 || raw.format() == QImage::Format_Mono ||
                        raw.format() == QImage::Format_MonoLSB)
                << p.name << " has format " << raw.format();
            EXPECT_LE(raw.colorCount(), 16) << p.name;
        }
    }
}

// Objects are teal on silver, apertures silver on teal; black draws the lines and the letters, and
// only the open end of the pipe adds grey.
TEST(ShapePictures, UseTheirTwoColourSchemes) {
    struct Scheme {
        Kind kind;
        QRgb ground;
        QRgb body;
        std::set<QRgb> allowed;
    };
    const Scheme schemes[] = {
        {Kind::Object, Silver, Teal, {Black, Teal, Silver, Grey}},
        {Kind::Aperture, Teal, Silver, {Black, Teal, Silver}},
    };
    for (const auto& scheme : schemes) {
        for (const auto& p : OfKind(scheme.kind)) {
            const QImage image = Load(p.name);
            const auto counts = Histogram(image);
            for (const auto& [colour, count] : counts) {
                EXPECT_TRUE(scheme.allowed.count(colour)) << p.name << " uses " << std::hex << colour;
                EXPECT_TRUE(Vga.count(colour)) << p.name;
            }
            for (QRgb corner : Corners(image)) {
                EXPECT_EQ(corner, scheme.ground) << p.name;
            }
            const double pixels = image.width() * image.height();
            const double body = counts.count(scheme.body) ? counts.at(scheme.body) : 0;
            EXPECT_GT(body / pixels, 0.06) << p.name << ": the solid is hardly there";
            EXPECT_LT(body / pixels, 0.6) << p.name << ": the solid leaves too little ground";
            EXPECT_GT(counts.count(Black) ? counts.at(Black) : 0, 400)
                << p.name << ": no outlines or letters";
        }
    }
}

TEST(ShapePictures, OnlyThePipeShowsAHatchedBore) {
    for (const auto& p : OfKind(Kind::Object)) {
        const auto counts = Histogram(Load(p.name));
        EXPECT_EQ(counts.count(Grey) > 0, std::string(p.name) == "P0025") << p.name;
    }
}

// An aperture is its object's drawing with the two colours swapped, pixel for pixel.
TEST(ShapePictures, ApertureIsItsObjectWithColoursSwapped) {
    for (int n = 1; n <= 9; ++n) {
        const std::string object = "P00" + std::to_string(n);
        const std::string aperture = "P10" + std::to_string(n);
        const QImage a = Load(object.c_str());
        const QImage b = Load(aperture.c_str());
        ASSERT_EQ(a.size(), b.size()) << object;
        int mismatches = 0;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb o = a.pixel(x, y);
                const QRgb expected = o == Teal ? Silver : o == Silver ? Teal : o;
                mismatches += b.pixel(x, y) == expected ? 0 : 1;
            }
        }
        EXPECT_EQ(mismatches, 0) << object << " and " << aperture;
    }
}

TEST(ShapePictures, TheEmptyOneIsPlainSilver) {
    const auto counts = Histogram(Load("ZERO"));
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts.begin()->first, Silver);
}

TEST(Buttons, HaveATransparentBackground) {
    for (const char* name :
         {"undo", "reset", "about", "help", "exit", "material_add", "material_remove", "calculator",
          "parts_list", "program_icon", "icon_16", "icon_48", "icon_64", "icon_128", "icon_256"}) {
        const QImage image = Load(name);
        ASSERT_TRUE(image.hasAlphaChannel()) << name;
        for (QRgb corner : Corners(image)) {
            EXPECT_EQ(qAlpha(corner), 0) << name;
        }
        const auto counts = Histogram(image);
        EXPECT_LT(counts.at(0u), image.width() * image.height() * 9 / 10) << name << " is nearly empty";
    }
}

TEST(AboutBox, ProgramPictureIsOpaque) {
    const QImage image = Load("program_picture");
    for (QRgb corner : Corners(image)) {
        EXPECT_EQ(qAlpha(corner), 255);
    }
}

TEST(AboutBox, EnvelopeIsASingleGifFrameWithTransparentCorners) {
    QImageReader reader(Path("envelope"));
    EXPECT_EQ(reader.format(), "gif");
    EXPECT_EQ(reader.imageCount(), 1);
    const QImage image = Load("envelope");
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(QImage(Path("envelope")).hasAlphaChannel());
    for (QRgb corner : Corners(image)) {
        EXPECT_EQ(qAlpha(corner), 0);
    }
    EXPECT_GT(Histogram(image).size(), 3u) << "the envelope has no drawing";
}

// The wallpaper is tiled behind text: it must be pale, calm, and meet itself at the edges.
TEST(AboutBox, WallpaperIsAPaleJpegThatTilesWithoutSeams) {
    QImageReader reader(Path("wallpaper"));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage image = Load("wallpaper");
    ASSERT_FALSE(image.isNull());
    EXPECT_NE(QImage(Path("wallpaper")).format(), QImage::Format_Grayscale8) << "stored as a grey JPEG";

    double sum = 0;
    double squares = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double v = qGray(image.pixel(x, y));
            sum += v;
            squares += v * v;
        }
    }
    const double n = image.width() * image.height();
    const double mean = sum / n;
    EXPECT_GT(mean, 190) << "too dark to read text on";
    EXPECT_LT(std::sqrt(squares / n - mean * mean), 15) << "too much contrast behind text";

    // Across the seam, neighbouring pixels differ no more than they do inside the picture.
    auto step = [&](int x0, int x1, bool columns) {
        double total = 0;
        const int count = columns ? image.height() : image.width();
        for (int i = 0; i < count; ++i) {
            const QRgb a = columns ? image.pixel(x0, i) : image.pixel(i, x0);
            const QRgb b = columns ? image.pixel(x1, i) : image.pixel(i, x1);
            total += std::abs(qGray(a) - qGray(b));
        }
        return total / count;
    };
    double inside = 0;
    for (int x = 1; x < image.width(); ++x) {
        inside += step(x - 1, x, true);
    }
    inside /= image.width() - 1;
    EXPECT_LT(step(image.width() - 1, 0, true), 2 * inside + 1);
    double insideRows = 0;
    for (int y = 1; y < image.height(); ++y) {
        insideRows += step(y - 1, y, false);
    }
    insideRows /= image.height() - 1;
    EXPECT_LT(step(image.height() - 1, 0, false), 2 * insideRows + 1);
}

// The pictures the window takes decoded at start show what their files show, pixel for pixel,
// stored as the decoder's header says (premultiplied only where the picture has transparency).
TEST(DecodedPictures, AreTheirFilesPixelForPixel) {
    const auto decoded = volcalc::resources::DecodedPictures();
    EXPECT_GE(decoded.size(), 12u);
    for (const auto& picture : decoded) {
        const std::string name(picture.Name);
        const QImage file(Path(name.c_str()));
        ASSERT_FALSE(file.isNull()) << name;
        EXPECT_EQ(picture.HasAlpha, file.hasAlphaChannel()) << name;
        const QImage pixels(reinterpret_cast<const uchar*>(picture.Pixels), picture.Width, picture.Height,
                            picture.Width * 4,
                            picture.HasAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
        EXPECT_EQ(pixels.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  file.convertToFormat(QImage::Format_ARGB32_Premultiplied))
            << name;
    }
}

} // namespace
