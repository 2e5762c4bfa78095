// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_fixture.h"

#include "user_actions.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>

namespace volcalc::test {

void FormFixture::StartWith(const char* catalogue) {
    m_form.reset();
    QFile::remove(QString::fromStdString(IniPath()));
    if (catalogue) {
        QFile file(QString::fromStdString(IniPath()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(catalogue);
    }
    // The shipped section tables, and none of the user's, whoever runs the tests.
    const sections::SectionFolders sectionTables{
        std::filesystem::path(VOLCALC_SOURCE_DIR) / "data" / "sections", {}};
    m_form = std::make_unique<ui::MainWindow>(
        ui::MainWindowOptions{IniPath(), &Dialogs, Folder(), sectionTables, RecoveryFolder});
    m_form->show();
    QApplication::setActiveWindow(m_form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
}

std::string FormFixture::IniPath() const {
    return QFile::encodeName(m_folder.filePath(QStringLiteral("volcalc.ini"))).toStdString();
}

std::filesystem::path FormFixture::Folder() const {
    return QFile::encodeName(m_folder.path()).toStdString();
}

std::string FormFixture::IniText() const {
    QFile file(QString::fromStdString(IniPath()));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void FormFixture::Choose(const char* list, const char* text) {
    test::Choose(Find<QComboBox>(list), QString::fromLatin1(text));
}

void FormFixture::Type(const char* field, const char* text) {
    TypeInto(Find(field), QString::fromLatin1(text));
}

void FormFixture::Click(const char* button) {
    ClickOn(Find(button));
}

void FormFixture::TypeParameters(CalcGroup group, std::string_view shape,
                                 std::initializer_list<const char*> texts) {
    const names::PanelNames* panel = names::PanelOf(group, shape);
    ASSERT_NE(panel, nullptr) << "no panel for " << shape;
    std::size_t i = 0;
    for (const char* text : texts) {
        ASSERT_TRUE(i < panel->Fields.size() && panel->Fields[i]) << shape << " has fewer fields";
        Type(panel->Fields[i++], text);
    }
}

} // namespace volcalc::test
