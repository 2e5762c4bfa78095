// SPDX-License-Identifier: GPL-3.0-or-later
// The regional decimal separator: read from the user's settings at start and again when the
// application announces a change; texts already shown keep theirs.
#include "form_fixture.h"

#include "calc/number_text.h"
#include "calc/regional_separator.h"
#include "ui/desktop/decimal_separator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace volcalc::test {
namespace {

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : m_name(name) {
        if (const char* old = std::getenv(name)) {
            m_old = old;
            m_had = true;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { m_had ? ::setenv(m_name, m_old.c_str(), 1) : ::unsetenv(m_name); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::string m_old;
    bool m_had = false;
};

// The C library keeps a few bytes of LOCPATH for good each time a locale is looked up there;
// they are not the program's to free.
class LibraryLeaksIgnored {
public:
#if defined(__SANITIZE_ADDRESS__)
    LibraryLeaksIgnored() {
        __lsan_disable();
    }
    ~LibraryLeaksIgnored() {
        __lsan_enable();
    }
#else
    LibraryLeaksIgnored() = default;
#endif
    LibraryLeaksIgnored(const LibraryLeaksIgnored&) = delete;
    LibraryLeaksIgnored& operator=(const LibraryLeaksIgnored&) = delete;
};

// A locale whose decimal separator is a comma, compiled into a folder of the test's own.
class CommaLocale {
public:
    CommaLocale() {
        const QString target = m_folder.filePath(QStringLiteral("de_DE.UTF-8"));
        m_ready = QProcess::execute(QStringLiteral("localedef"),
                                    {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                                     QStringLiteral("UTF-8"), target}) == 0;
    }
    bool Ready() const { return m_ready; }
    std::string Folder() const { return m_folder.path().toStdString(); }

private:
    QTemporaryDir m_folder;
    bool m_ready = false;
};

class RegionalSeparator : public FormFixture {
protected:
    void TearDown() override {
        FormFixture::TearDown();
        SetDecimalSeparator('.');
    }
    static void AnnounceLocaleChange() {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
    }
};

TEST_F(RegionalSeparator, PlainCSettingsGiveThePoint) {
    ScopedEnv all("LC_ALL", "C");
    EXPECT_EQ(RegionalDecimalSeparator(), '.');
}

TEST_F(RegionalSeparator, UnknownSettingsGiveThePoint) {
    ScopedEnv all("LC_ALL", "xx_NOWHERE.UTF-8");
    EXPECT_EQ(RegionalDecimalSeparator(), '.');
}

TEST_F(RegionalSeparator, ChangeIsReadOnTheAnnouncementAndUsedFromTheNextTextOn) {
    CommaLocale comma;
    if (!comma.Ready()) {
        GTEST_SKIP() << "no locale compiler here";
    }
    ui::RegionalSeparatorWatcher watcher;
    TypeParameters(CalcGroup::Object, "Parallelepiped", {"1000", "1000", "1500"});
    Click(names::ObjectCalculateButton);
    ASSERT_EQ(TextOf(names::TotalVolumeField), "1.500");

    [[maybe_unused]] LibraryLeaksIgnored libraryLeaks;
    ScopedEnv path("LOCPATH", comma.Folder());
    ScopedEnv all("LC_ALL", "de_DE.UTF-8");
    EXPECT_EQ(RegionalDecimalSeparator(), ',');
    EXPECT_EQ(DecimalSeparator(), '.'); // nothing changes before the announcement
    AnnounceLocaleChange();
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1.500"); // shown texts are not rewritten
    Choose(names::VolumeUnitList, "meter");
    EXPECT_EQ(TextOf(names::TotalVolumeField), "1,500");
    // Dimensions still read with either separator.
    Type(names::Field(CalcGroup::Object, "Parallelepiped", "c"), "500.6");
    Click(names::ObjectCalculateButton);
    EXPECT_EQ(TextOf(names::TotalVolumeField), "2,001");
}

} // namespace
} // namespace volcalc::test
