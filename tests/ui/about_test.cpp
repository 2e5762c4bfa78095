// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, its wallpaper panel and the JPEG decoding behind it, driven headless.
#include "scripted_desktop.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/jpeg_decoder.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"
#include "ui/object_names.h"
#include "ui/widgets/wallpaper_panel.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using volcalc::test::ScriptedDesktop;
using volcalc::ui::AboutBox;
using volcalc::ui::AddMaterialDialog;
using volcalc::ui::DecodeJpeg;
using volcalc::ui::WallpaperPanel;

namespace {

namespace about = volcalc::ui::names::about;

// A picture whose every pixel tells where it came from, so a drawn copy can be traced back.
QImage TracerPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, qRgb(x & 255, y & 255, ((x >> 8) << 7) | ((y >> 8) << 6) | 1));
        }
    }
    return picture;
}

QImage Grab(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class AboutBoxTest : public ::testing::Test {
protected:
    void SetUp() override { box = std::make_unique<AboutBox>(); }
    void TearDown() override { box.reset(); }

    void Open() {
        box->open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    }

    template <typename T = QWidget> T* Control(const char* name) {
        auto* control = box->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    ScriptedDesktop shell;
    std::unique_ptr<AboutBox> box;
};

TEST_F(AboutBoxTest, IsAFixedBoxWithOkAsItsDefaultButton) {
    EXPECT_EQ(box->windowTitle(), "About");
    EXPECT_EQ(box->size(), QSize(467, 228));
    EXPECT_EQ(box->minimumSize(), box->maximumSize());
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    auto* ok = Control<QPushButton>(about::OkButton);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->parentWidget(), box.get());
    EXPECT_TRUE(box->rect().contains(ok->geometry()));
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
}

// The texts lie on the wallpaper, which shows through them, each whole and clear of the
// pictures, the other texts and the OK button; only the links are blue.
TEST_F(AboutBoxTest, EveryTextIsWholeOnTheWallpaperAndClearOfTheRest) {
    struct Text {
        const char* name;
        QString text;
        bool link;
    };
    const Text texts[] = {
        {about::Title, "Orlisk Volume Calculator 4.1", false},
        {about::Copyright, "Copyright \u00a9 Orlisk. All rights reserved.", false},
        {about::HomePageLabel, "Home Page:", false},
        {about::HomePageLink, "https://orlisk.example/volume-calculator", true},
        {about::MailLabel, "E-mail:", false},
        {about::MailLink, "support@orlisk.example", true},
        {about::VoteLink, "Send vote about program ", true},
    };
    auto* panel = Control<WallpaperPanel>(about::Wallpaper);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->geometry(), box->rect());
    EXPECT_EQ(panel->Inset(), 0) << "the wallpaper tiled from the very corner";
    std::vector<std::pair<const char*, QRect>> placed;
    for (const char* picture : {about::ProgramPicture, about::Envelope}) {
        ASSERT_NE(Control(picture), nullptr);
        EXPECT_EQ(Control(picture)->parentWidget(), panel);
        placed.emplace_back(picture, Control(picture)->geometry());
    }
    placed.emplace_back(about::OkButton, Control(about::OkButton)->geometry());
    for (const Text& t : texts) {
        SCOPED_TRACE(t.name);
        auto* label = Control<QLabel>(t.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->parentWidget(), panel);
        EXPECT_EQ(label->text(), t.text);
        EXPECT_GE(label->width(), label->sizeHint().width()) << "cut";
        EXPECT_TRUE(panel->rect().contains(label->geometry())) << "cut at the edge";
        for (const auto& [other, geometry] : placed) {
            EXPECT_FALSE(label->geometry().intersects(geometry)) << "runs into " << other;
        }
        placed.emplace_back(t.name, label->geometry());
        EXPECT_FALSE(label->font().underline());
        EXPECT_EQ(label->palette().color(QPalette::WindowText) == QColor(0, 0, 255), t.link);
        EXPECT_FALSE(label->autoFillBackground()) << "the wallpaper shows through";
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
    }
    // Each link stands on the line of the text that says what it is.
    EXPECT_EQ(Control(about::HomePageLink)->y(), Control(about::HomePageLabel)->y());
    EXPECT_EQ(Control(about::MailLink)->y(), Control(about::MailLabel)->y());
    EXPECT_EQ(Control(about::MailLink)->toolTip(), "mailto: support@orlisk.example");
    EXPECT_EQ(Control(about::VoteLink)->toolTip(), "Send vote about program ");
}

// A link is underlined only while the pointer is over it, and a click hands the shell its target
// with the box left open.
TEST_F(AboutBoxTest, LinksUnderlineUnderThePointerAndAClickHandsTheShellTheirTarget) {
    struct Link {
        const char* name;
        QString target;
    };
    const Link links[] = {
        {about::HomePageLink, "https://orlisk.example/volume-calculator"},
        {about::MailLink, "mailto:support@orlisk.example?subject=Information request"},
        {about::VoteLink,
         "mailto:support@orlisk.example?subject=Vote about Orlisk Volume Calculator&body=Hi!"},
    };
    Open();
    for (const Link& link : links) {
        SCOPED_TRACE(link.name);
        auto* label = Control<QLabel>(link.name);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseMove(label, QPoint(5, label->height() / 2));
        for (const Link& other : links) {
            EXPECT_EQ(Control<QLabel>(other.name)->font().underline(), &other == &link) << other.name;
        }
        const auto onlyUnderlined = [](const QFont& font) {
            return !font.bold() && !font.italic() && !font.strikeOut() && font.pixelSize() == 13;
        };
        EXPECT_TRUE(onlyUnderlined(label->font()));
        QTest::mouseMove(Control(about::Wallpaper), QPoint(300, 170)); // an empty spot of the wallpaper
        EXPECT_FALSE(label->font().underline());
        EXPECT_TRUE(onlyUnderlined(label->font()));

        shell.ShellRequests.clear();
        QTest::mouseClick(label, Qt::LeftButton);
        ASSERT_EQ(shell.ShellRequests.size(), 1u);
        EXPECT_EQ(shell.ShellRequests[0].Target, link.target);
        EXPECT_TRUE(box->isVisible());
    }
    EXPECT_TRUE(shell.ErrorBoxes.empty() && shell.Messages.empty());

    // A press that is released elsewhere is no click.
    shell.ShellRequests.clear();
    auto* home = Control(about::HomePageLink);
    QTest::mousePress(home, Qt::LeftButton);
    QTest::mouseRelease(home, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_TRUE(shell.ShellRequests.empty());
    box->close();
}

TEST_F(AboutBoxTest, EnterAndOkCloseWithOkButEscDoesNot) {
    Open();
    EXPECT_EQ(QApplication::focusWidget(), Control(about::OkButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_TRUE(box->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Control(about::OkButton)) << "the only stop of the keyboard order";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);

    Open();
    QTest::mouseClick(Control(about::OkButton), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);

    Open();
    box->close(); // the title-bar close button
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(shell.ShellRequests.empty());
}

TEST_F(AboutBoxTest, ShowsTheProgramsOwnPictures) {
    if (!QFile::exists(":/pictures/wallpaper")) {
        GTEST_SKIP() << "the pictures are not built into this program";
    }
    auto* panel = Control<WallpaperPanel>(about::Wallpaper);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->Wallpaper().isNull()) << "nothing is decoded before the box is first shown";
    Open();
    ASSERT_EQ(panel->Wallpaper().size(), QSize(336, 234));
    const QImage shown = Grab(panel);
    // The right copy repeats the left one, column for column.
    const QPoint spots[] = {{340, 2}, {400, 2}, {440, 60}, {460, 120}, {350, 227}, {420, 227}};
    for (const QPoint& spot : spots) {
        EXPECT_EQ(shown.pixel(spot), shown.pixel(spot.x() - 336, spot.y())) << spot.x() << "," << spot.y();
    }
    EXPECT_EQ(Control<QLabel>(about::ProgramPicture)->pixmap().size(), QSize(70, 70));
    const QPixmap envelope = Control<QLabel>(about::Envelope)->pixmap();
    EXPECT_EQ(envelope.size(), QSize(33, 33));
    EXPECT_TRUE(envelope.hasAlpha()) << "the envelope keeps its transparent colour";
}

class WallpaperTiling : public ::testing::Test {};

TEST_F(WallpaperTiling, CoversTheInnerRectangleWithWholeCopies) {
    struct Case {
        QSize panel;
        QSize picture;
        int inset;
    };
    const Case cases[] = {
        {{467, 228}, {336, 234}, 0}, // the About box's {{100, 50}, {30, 20}, 0}, {{90, 60}, {30, 20}, 0},
        {{100, 70}, {30, 20}, 3},
        {{10, 10}, {40, 40}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.panel.width() << "x" << c.panel.height() << " inset " << c.inset);
        WallpaperPanel panel;
        panel.resize(c.panel);
        QPalette colours = panel.palette();
        colours.setColor(panel.backgroundRole(), QColor(255, 0, 255));
        panel.setPalette(colours);
        panel.SetInset(c.inset);
        const QImage tracer = TracerPicture(c.picture.width(), c.picture.height());
        panel.SetWallpaper(tracer);
        const QImage shown = Grab(&panel);
        ASSERT_EQ(shown.size(), c.panel);
        int wrong = 0;
        for (int y = 0; y < c.panel.height(); ++y) {
            for (int x = 0; x < c.panel.width(); ++x) {
                const bool inner = x >= c.inset && y >= c.inset && x < c.panel.width() - c.inset &&
                                   y < c.panel.height() - c.inset;
                const QRgb expected = inner ? tracer.pixel((x - c.inset) % c.picture.width(),
                                                           (y - c.inset) % c.picture.height())
                                            : qRgb(255, 0, 255);
                wrong += shown.pixel(x, y) != expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }
}

QByteArray EncodeJpeg(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPG", 100));
    return bytes;
}

TEST(JpegDecoder, DecodesColourAndGreyPicturesToRgb) {
    QImage colour(32, 16, QImage::Format_RGB32);
    QPainter painter(&colour);
    painter.fillRect(0, 0, 16, 16, QColor(200, 30, 30));
    painter.fillRect(16, 0, 16, 16, QColor(30, 60, 220));
    painter.end();
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(128);

    struct Case {
        const char* what;
        QImage source;
        std::vector<std::pair<QPoint, QColor>> samples;
    };
    const Case cases[] = {
        {"colour", colour, {{{8, 8}, QColor(200, 30, 30)}, {{24, 8}, QColor(30, 60, 220)}}},
        {"grey", grey, {{{4, 4}, QColor(128, 128, 128)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage decoded = DecodeJpeg(EncodeJpeg(c.source));
        ASSERT_FALSE(decoded.isNull());
        EXPECT_EQ(decoded.size(), c.source.size());
        EXPECT_EQ(decoded.format(), QImage::Format_RGB888);
        for (const auto& [spot, colourAt] : c.samples) {
            const QColor got = decoded.pixelColor(spot);
            EXPECT_LE(std::abs(got.red() - colourAt.red()), 6);
            EXPECT_LE(std::abs(got.green() - colourAt.green()), 6);
            EXPECT_LE(std::abs(got.blue() - colourAt.blue()), 6);
        }
    }
}

TEST(JpegDecoder, GivesAnEmptyImageForDamagedData) {
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(90, 140, 60));
    const QByteArray good = EncodeJpeg(picture);
    ASSERT_FALSE(DecodeJpeg(good).isNull());

    QByteArray badMarker = good;
    badMarker[3] = '\x01'; // the first segment marker is no marker any more
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"nothing", QByteArray()},
        {"not a JPEG", QByteArray("GIF89a this is something else entirely")},
        {"start marker only", QByteArray("\xFF\xD8", 2)},
        {"header only", good.left(good.size() / 4)},
        {"cut in half", good.left(good.size() / 2)},
        {"bad marker", badMarker},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(DecodeJpeg(c.bytes).isNull());
    }
}

// Writes both dialogs as PNG files into VOLCALC_SCREENSHOT_DIR, when it is set.
TEST(Screenshots, BothDialogs) {
    const QString folder = qEnvironmentVariable("VOLCALC_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "VOLCALC_SCREENSHOT_DIR is not set";
    }
    ASSERT_TRUE(QDir().mkpath(folder));
    AboutBox about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    EXPECT_TRUE(about.grab().save(QDir(folder).filePath("about_box.png")));
    about.close();

    AddMaterialDialog form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::keyClicks(form.findChild<QWidget*>(volcalc::ui::names::add_material::NameField),
                     "Stainless steel");
    QTest::keyClicks(form.findChild<QWidget*>(volcalc::ui::names::add_material::DensityField), "7900");
    EXPECT_TRUE(form.grab().save(QDir(folder).filePath("add_material_dialog.png")));
    form.close();
}

} // namespace
