// SPDX-License-Identifier: GPL-3.0-or-later
// The window's manual page and the help's first page describe every toolbar button and every window
// by the caption the user reads on it, so a button or window added later cannot go undescribed.
#include "form_fixture.h"

#include "materials/temp_folder.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/add_material_dialog.h"
#include "ui/object_names.h"
#include "ui/widgets/toolbar_button.h"

#include <gtest/gtest.h>

namespace volcalc::test {
namespace {

class HelpPages : public FormFixture {};

// A caption in bold or as an entry's heading: ".B Undo", ".B \"Parts list\"", ".BR \"...\" ,".
bool DescribedInManualPage(const std::string& page, const std::string& caption) {
    const std::string quoted = "\"" + caption + "\"";
    for (const std::string& markup : {".B " + caption + "\n", ".B " + quoted + "\n", ".BR " + quoted + " "}) {
        if (page.find(markup) != std::string::npos) {
            return true;
        }
    }
    return false;
}

TEST_F(HelpPages, DescribeEveryToolbarButtonAndWindow) {
    // The toolbar's buttons carry a caption; the material group's show only a picture.
    std::vector<QString> captions;
    for (const ui::ToolbarButton* button : Form().findChildren<ui::ToolbarButton*>()) {
        if (!button->text().isEmpty()) {
            captions.push_back(button->text());
        }
    }
    const std::size_t buttons = captions.size();
    ASSERT_GE(buttons, 6u);
    Click(ui::names::PartsListButton);
    for (const QWidget* widget : Form().findChildren<QWidget*>()) {
        if (widget->isWindow() && widget->isVisible()) {
            // The parts list's title names its job first: "Untitled — Parts list".
            captions.push_back(widget->windowTitle().section(QStringLiteral(" \u2014 "), -1));
        }
    }
    ASSERT_EQ(captions.size(), buttons + 1) << "no Parts list window";
    captions.push_back(ui::AddMaterialDialog().windowTitle());
    captions.push_back(ui::AboutBox().windowTitle());

    const std::string manual = ReadBytes(VOLCALC_WINDOW_MANUAL_PAGE);
    const std::string help = ReadBytes(VOLCALC_SOURCE_DIR "/help/index.html");
    for (const QString& caption : captions) {
        const std::string text = caption.toStdString();
        EXPECT_TRUE(DescribedInManualPage(manual, text)) << text << " is not described in volcalc(1)";
        EXPECT_NE(help.find("<td>" + text + "</td>"), std::string::npos)
            << text << " is not in help/index.html";
    }
}

} // namespace
} // namespace volcalc::test
