// SPDX-License-Identifier: GPL-3.0-or-later
// The message dialog routine, the default error box, the handler guard and the catalogue's
// dialogs as the program shows them.
#include "scripted_desktop.h"

#include "calc/errors.h"
#include "materials/temp_folder.h"
#include "ui/desktop/catalogue_watcher.h"
#include "ui/desktop/handler_guard.h"
#include "ui/desktop/save_file_dialog.h"
#include "ui/dialogs/catalogue_dialogs.h"
#include "ui/dialogs/message_dialog.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace volcalc::test {
namespace {

using namespace volcalc::ui;
using ::testing::ElementsAre;

QStringList ButtonTexts(const MessageDialog& dialog) {
    QStringList texts;
    for (const auto& [button, kind] : dialog.Buttons) {
        texts << button->text();
    }
    return texts;
}

struct DialogCase {
    MessageKind Type;
    MessageButtons Buttons;
    const char* Caption;
    QMessageBox::Icon Icon;
    QStringList Texts; // left to right
    MessageButton Enter;
    MessageButton Escape;
};

void PrintTo(const DialogCase& dialog, std::ostream* out) {
    *out << dialog.Caption << '_' << dialog.Texts.size() << "_buttons";
}

class MessageDialogs : public ::testing::TestWithParam<DialogCase> {};

TEST_P(MessageDialogs, CaptionIconButtonOrderAndKeys) {
    const DialogCase& expected = GetParam();
    const MessageDialog dialog = BuildMessageDialog(QStringLiteral("Text"), expected.Type, expected.Buttons);
    EXPECT_EQ(dialog.Box->windowTitle(), expected.Caption);
    EXPECT_EQ(dialog.Box->icon(), expected.Icon);
    EXPECT_EQ(ButtonTexts(dialog), expected.Texts);
    EXPECT_EQ(dialog.Answer(dialog.Box->defaultButton()), expected.Enter);
    EXPECT_EQ(dialog.Answer(dialog.Box->escapeButton()), expected.Escape);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MessageDialogs,
    ::testing::Values(
        DialogCase{
            MessageKind::Warning, OkButton, "Warning", QMessageBox::Warning, {"OK"}, OkButton, OkButton},
        DialogCase{MessageKind::Confirmation,
                   YesButton | NoButton,
                   "Confirm",
                   QMessageBox::Question,
                   {"&Yes", "&No"},
                   YesButton,
                   NoButton},
        DialogCase{
            MessageKind::Error, YesButton, "Error", QMessageBox::Critical, {"&Yes"}, YesButton, CancelButton},
        DialogCase{MessageKind::Warning,
                   CancelButton | OkButton | NoButton | YesButton,
                   "Warning",
                   QMessageBox::Warning,
                   {"&Yes", "&No", "OK", "Cancel"},
                   OkButton,
                   CancelButton},
        DialogCase{MessageKind::Confirmation,
                   CancelButton | DiscardButton | SaveButton,
                   "Confirm",
                   QMessageBox::Question,
                   {"&Save", "&Discard", "Cancel"},
                   SaveButton,
                   CancelButton}));

TEST(MessageDialog, ShowsTheLineBreakOfTheWarningAsOneBreak) {
    const MessageDialog dialog =
        BuildMessageDialog(QStringLiteral("Wrong data input.\r\nCheck up all entered parameters."),
                           MessageKind::Warning, OkButton);
    EXPECT_EQ(dialog.Box->text(), "Wrong data input.\nCheck up all entered parameters.");
}

TEST(MessageDialog, ButtonsStandLeftToRightOnScreen) {
    MessageDialog dialog = BuildMessageDialog(QStringLiteral("Text"), MessageKind::Confirmation,
                                              YesButton | NoButton | CancelButton);
    dialog.Box->show();
    ASSERT_EQ(dialog.Buttons.size(), 3u);
    const auto x = [&dialog](std::size_t i) { return dialog.Buttons[i].first->mapToGlobal(QPoint()).x(); };
    EXPECT_LT(x(0), x(1));
    EXPECT_LT(x(1), x(2));
    dialog.Box->hide();
}

TEST(ErrorBox, IsCaptionedWithTheApplicationTitleWithStopIconAndOneOk) {
    const auto box = BuildErrorBox(QStringLiteral("'12a' is not a valid floating point value."));
    EXPECT_EQ(box->windowTitle(), "Orlisk Volume Calculator");
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
}

struct EscapedError {
    const char* Name;
    std::function<void()> Throw;
    const char* Shown;
};

void PrintTo(const EscapedError& error, std::ostream* out) {
    *out << error.Name;
}

class HandlerGuard : public ::testing::TestWithParam<EscapedError> {};

TEST_P(HandlerGuard, ShowsAnEscapedErrorWithItsPeriodAndGoesOn) {
    ScriptedDesktop desktop;
    bool after = false;
    RunHandler([&] {
        GetParam().Throw();
        after = true;
    });
    EXPECT_FALSE(after);
    EXPECT_THAT(desktop.ErrorBoxes, ElementsAre(GetParam().Shown));
    RunHandler([&] { after = true; });
    EXPECT_TRUE(after);
    EXPECT_EQ(desktop.ErrorBoxes.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, HandlerGuard,
    ::testing::Values(
        EscapedError{"conversion", [] { throw InvalidFloatError("12a"); },
                     "'12a' is not a valid floating point value."},
        EscapedError{"overflow", [] { throw OverflowError(); }, "Floating point overflow."},
        EscapedError{"ends_in_period", [] { throw CalculationError("Already ends."); }, "Already ends."},
        EscapedError{"ends_in_bracket", [] { throw CalculationError("Wrapped (x)"); }, "Wrapped (x)"},
        EscapedError{"other_error", [] { throw std::runtime_error("Out of order"); }, "Out of order."}));

TEST(HandlerGuardCapture, ReleasesTheMouseBeforeTheBoxComesUp) {
    ScriptedDesktop desktop;
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), &window);
    RunHandler([] { throw DivisionByZeroError(); });
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(CatalogueDialogs, RemovalQuestionIsAConfirmationAndOnlyYesRemoves) {
    ScriptedDesktop desktop;
    WindowCatalogueDialogs dialogs;
    desktop.Answers = {YesButton, NoButton, CancelButton};
    EXPECT_TRUE(dialogs.Confirm("This material will be deleted. Are you sure?"));
    EXPECT_FALSE(dialogs.Confirm("again"));
    EXPECT_FALSE(dialogs.Confirm("again"));
    ASSERT_EQ(desktop.Messages.size(), 3u);
    EXPECT_EQ(desktop.Messages[0].Text, "This material will be deleted. Are you sure?");
    EXPECT_EQ(desktop.Messages[0].Type, MessageKind::Confirmation);
    EXPECT_EQ(desktop.Messages[0].Buttons, YesButton | NoButton);
}

TEST(CatalogueDialogs, FileErrorIsAnErrorDialogWithTheSingleButtonYes) {
    ScriptedDesktop desktop;
    WindowCatalogueDialogs dialogs;
    dialogs.ShowError("Error at addition of a material");
    ASSERT_EQ(desktop.Messages.size(), 1u);
    EXPECT_EQ(desktop.Messages[0].Type, MessageKind::Error);
    EXPECT_EQ(desktop.Messages[0].Buttons, static_cast<MessageButtons>(YesButton));
}

TEST(CatalogueDialogs, BusyPointerIsShownUntilTheOperationEndsButNotOverADialog) {
    ScriptedDesktop desktop;
    WindowCatalogueDialogs dialogs;
    dialogs.SetBusyCursor(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Qt::CursorShape duringDialog = Qt::WaitCursor;
    struct Peek : ScriptedDesktop {
        Qt::CursorShape* Seen;
        MessageButton ShowMessage(const QString& t, MessageKind k, MessageButtons b) override {
            *Seen = QApplication::overrideCursor()->shape();
            return ScriptedDesktop::ShowMessage(t, k, b);
        }
    };
    {
        Peek peek;
        peek.Seen = &duringDialog;
        dialogs.Confirm("sure?");
    }
    EXPECT_EQ(duringDialog, Qt::ArrowCursor);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    dialogs.SetBusyCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(CatalogueDialogs, AddMaterialWithoutTheDialogWindowAddsNothing) {
    WindowCatalogueDialogs dialogs;
    EXPECT_FALSE(dialogs.AskNewMaterial().has_value());
}

// Sets an environment variable while it lives.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::filesystem::path& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name)) {
        qputenv(name, QByteArray::fromStdString(value.string()));
    }
    ~ScopedVariable() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

QString Text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Saving starts in the documents folder, not the folder the program was started from, and then
// where the user saved last; a cancelled dialog changes nothing.
// The watcher follows the catalogue wherever it lives: in folders that another program makes
// after the start, and behind a symbolic link, changed through the file's own path.
TEST(CatalogueWatcher, FollowsALateFolderAndTheFileBehindALink) {
    const auto toldWithin = [](int& told, int before) {
        for (int waited = 0; waited < 5000 && told == before; waited += 10) {
            QTest::qWait(10);
        }
        return told > before;
    };
    TempFolder folder;
    int told = 0;
    const std::filesystem::path late = folder / "share" / "orlisk-volcalc" / "volcalc.ini";
    CatalogueWatcher lateWatcher(late, [&] { ++told; });
    std::filesystem::create_directory(folder / "share");
    QTest::qWait(50);
    std::filesystem::create_directory(late.parent_path());
    QTest::qWait(50);
    WriteBytes(late, "[Count]\nCount=0\n");
    EXPECT_TRUE(toldWithin(told, 0));

    std::filesystem::create_directory(folder / "real");
    const std::filesystem::path real = folder / "real" / "volcalc.ini";
    WriteBytes(real, "[Count]\nCount=0\n");
    std::filesystem::create_directory(folder / "links");
    std::filesystem::create_symlink(real, folder / "links" / "volcalc.ini");
    int linked = 0;
    CatalogueWatcher linkWatcher(folder / "links" / "volcalc.ini", [&] { ++linked; });
    WriteBytes(folder / "real" / "new.ini", "[Count]\nCount=1\n");
    std::filesystem::rename(folder / "real" / "new.ini", real);
    EXPECT_TRUE(toldWithin(linked, 0));
}

TEST(SaveFileDialog, StartsInTheDocumentsFolderThenWhereTheUserSavedLast) {
    TempFolder home;
    std::filesystem::create_directory(home / "Documents");
    std::filesystem::create_directory(home / "orders");
    const ScopedVariable homeVariable("HOME", home.Path());
    const ScopedVariable noUserDirs("XDG_CONFIG_HOME", home / "config");
    ForgetLastSaveFolder();
    ScriptedDesktop desktop;
    const QString filter = QStringLiteral("CSV files (*.csv)");

    desktop.NextSaveFileName = Text(home / "orders" / "mine.csv");
    EXPECT_EQ(ChooseFileToSave(nullptr, QStringLiteral("Export CSV"), QStringLiteral("list.csv"), filter),
              desktop.NextSaveFileName);
    desktop.NextSaveFileName.clear();
    ChooseFileToSave(nullptr, QStringLiteral("Export CSV"), QStringLiteral("list.csv"), filter);
    ChooseFileToSave(nullptr, QStringLiteral("Export CSV"), QStringLiteral("list.csv"), filter);
    std::filesystem::remove(home / "orders");
    ChooseFileToSave(nullptr, QStringLiteral("Export CSV"), QStringLiteral("list.csv"), filter);
    EXPECT_THAT(desktop.SaveDialogOffers,
                ElementsAre(Text(home / "Documents" / "list.csv"), Text(home / "orders" / "list.csv"),
                            Text(home / "orders" / "list.csv"), Text(home / "Documents" / "list.csv")));
    ForgetLastSaveFolder();
}

// The real desktop hands a target to xdg-open and believes its exit status: an opener that is
// missing or says it could not open the file is a target not opened, which the caller reports.
TEST(RealDesktop, ShellOpenBelievesTheOpenersExitStatus) {
    TempFolder bin;
    const ScopedVariable path("PATH", bin.Path());
    const std::filesystem::path asked = bin / "asked";
    const QString target = Text(bin / "Orlisk Volume Calculator" / "index.html");
    const struct {
        const char* Name;
        std::string Opener; // empty: none on the PATH
        bool Opened;
    } cases[] = {
        {"opener_takes_it", "#!/bin/sh\nprintf '%s' \"$1\" > '" + asked.string() + "'\n", true},
        {"opener_fails", "#!/bin/sh\nexit 4\n", false},
        {"no_opener", "", false},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(bin / "xdg-open");
        if (!c.Opener.empty()) {
            std::ofstream(bin / "xdg-open") << c.Opener;
            std::filesystem::permissions(bin / "xdg-open", std::filesystem::perms::owner_all);
        }
        EXPECT_EQ(Desktop().ShellOpen(nullptr, target), c.Opened) << c.Name;
    }
    EXPECT_EQ(QString::fromStdString(ReadBytes(asked)), target); // one argument, blanks and all
}

} // namespace
} // namespace volcalc::test
