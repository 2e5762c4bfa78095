// SPDX-License-Identifier: GPL-3.0-or-later
// The parts list as a job, driven as a user would: unsaved changes asked about before they are
// lost, rows edited and taken back, a file that round-trips through the command line to the byte,
// a damaged file refused, and a list kept through a kill.
#include "form_fixture.h"
#include "ui/parts_list/job_session.h"
#include "ui/parts_list/parts_list_model.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace volcalc::test {
namespace {

using Model = ui::PartsListModel;

class Jobs : public FormFixture {
protected:
    void Object(const char* quantity, std::initializer_list<const char*> texts) {
        const names::GroupNames& controls = names::Of(CalcGroup::Object);
        Type(controls.Quantity, quantity);
        TypeParameters(CalcGroup::Object, "Parallelepiped", texts);
        Click(controls.CalculateButton);
    }
    QWidget* List() {
        QTest::keyClick(&Form(), Qt::Key_L, Qt::ControlModifier);
        QWidget* window = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            window = Form().findChild<QWidget*>(names::parts_list::Window);
            return window && window->isVisible();
        }));
        return window;
    }
    void Trigger(const char* action) {
        auto* found = List()->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_NE(found, nullptr) << action;
        found->trigger();
    }
    QTableView* Table() { return List()->findChild<QTableView*>(names::parts_list::Table); }
    QString Cell(int row, int column) { return Table()->model()->index(row, column).data().toString(); }
    int Rows() { return Table()->model()->rowCount() - Model::TotalsRowCount; }
    // Types into the cell's editor, which hands the text over as the view does when it closes.
    void Edit(int row, int column, const QString& text) {
        QTableView* table = Table();
        const QModelIndex cell = table->model()->index(row, column);
        QAbstractItemDelegate* delegate = table->itemDelegateForIndex(cell);
        std::unique_ptr<QWidget> editor(delegate->createEditor(table->viewport(), {}, cell));
        delegate->setEditorData(editor.get(), cell);
        auto* field = qobject_cast<QLineEdit*>(editor.get());
        ASSERT_NE(field, nullptr);
        field->setText(text);
        delegate->setModelData(editor.get(), table->model(), cell);
        QTest::qWait(1); // applied once the editor has closed
    }
    QString Path(const char* name) { return m_files.filePath(QString::fromLatin1(name)); }
    QByteArray Bytes(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_files;
};

// Each answer to Save / Discard / Cancel when the program is closed with unsaved changes.
TEST_F(Jobs, ClosingWithUnsavedChangesAsksSaveDiscardOrCancel) {
    struct Case {
        const char* Name;
        ui::MessageButton Answer;
        bool Closes;
        bool Saved;
    };
    for (const Case& answer : {Case{"Cancel keeps the window and its list", ui::CancelButton, false, false},
                               Case{"Discard closes without a file", ui::DiscardButton, true, false},
                               Case{"Save writes the job, then closes", ui::SaveButton, true, true}}) {
        SCOPED_TRACE(answer.Name);
        Desktop.Messages.clear();
        StartWith(ThreeMaterials);
        const QString file = Path(answer.Name) + QStringLiteral(".volcalc");
        EXPECT_TRUE(Form().close()) << "nothing to lose: no question";
        EXPECT_TRUE(Desktop.Messages.empty());
        StartWith(ThreeMaterials);
        Object("2", {"100", "200", "300"});
        Desktop.Messages.clear();
        Desktop.Answers = {answer.Answer};
        Desktop.NextSaveFileName = file;
        EXPECT_EQ(Form().close(), answer.Closes);
        ASSERT_EQ(Desktop.Messages.size(), 1u);
        EXPECT_EQ(Desktop.Messages[0].Buttons, ui::SaveButton | ui::DiscardButton | ui::CancelButton);
        EXPECT_TRUE(Desktop.Messages[0].Text.contains(QStringLiteral("Untitled")));
        EXPECT_EQ(QFile::exists(file), answer.Saved);
        EXPECT_EQ(Form().isVisible(), !answer.Closes);
        if (!answer.Closes) {
            EXPECT_EQ(Rows(), 1);
        }
    }
}

// Saved by the window, read and saved again by the command line: the same file to the byte; and
// the window opens it with its title and no unsaved mark.
TEST_F(Jobs, SavedByTheWindowTheCommandLineSavesTheSameBytes) {
    Object("2", {"100", "200", "300"});
    Choose(names::MaterialList, "Aluminium");
    Object("5", {"1,5", "20", "30"});
    Edit(0, Model::MarkColumn, QStringLiteral("C1"));
    Edit(1, Model::NoteColumn, QStringLiteral("base \"plate\", 4 holes"));
    EXPECT_TRUE(List()->windowTitle().startsWith(QStringLiteral("Untitled* ")));
    Desktop.NextSaveFileName = Path("frame");
    Trigger(names::parts_list::SaveAsAction);
    const QString saved = Path("frame.volcalc");
    ASSERT_TRUE(QFile::exists(saved));
    EXPECT_EQ(List()->windowTitle(), QStringLiteral("frame \u2014 Parts list"));

    QFile script(Path("empty-script"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.close();
    QProcess cli;
    cli.start(QStringLiteral(VOLCALC_CLI), {QStringLiteral("--job"), saved, QStringLiteral("--save-job"),
                                            Path("again.volcalc"), script.fileName()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    EXPECT_EQ(Bytes(Path("again.volcalc")), Bytes(saved));

    Trigger(names::parts_list::NewAction);
    EXPECT_EQ(Rows(), 0);
    ASSERT_TRUE(Form().Job().OpenFile(List(), Path("again.volcalc")));
    EXPECT_EQ(Rows(), 2);
    EXPECT_EQ(Cell(0, Model::MarkColumn), "C1");
    EXPECT_EQ(Cell(1, Model::MaterialColumn), "Aluminium");
    EXPECT_EQ(List()->windowTitle(), QStringLiteral("again \u2014 Parts list"));
}

// A damaged file is refused with its name, and the list stays as it was.
TEST_F(Jobs, ADamagedFileIsRefusedAndTheListKept) {
    Object("1", {"100", "200", "300"});
    Desktop.Answers = {ui::DiscardButton};
    const QString damaged = Path("damaged.volcalc");
    QFile out(damaged);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("{\"format\": \"volcalc-job\", \"version\": 1, \"rows\": [");
    out.close();
    Desktop.NextOpenFileName = damaged;
    Trigger(names::parts_list::OpenAction);
    ASSERT_FALSE(Desktop.Messages.empty());
    EXPECT_EQ(Desktop.Messages.back().Type, ui::MessageKind::Error);
    EXPECT_TRUE(Desktop.Messages.back().Text.contains(QStringLiteral("damaged.volcalc")))
        << Desktop.Messages.back().Text.toStdString();
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, Model::QuantityColumn), "1");
}

// An edit the main window would refuse is refused with its warning and changes nothing; one it
// accepts changes the row and the main window's totals, and undo and redo step through every change.
TEST_F(Jobs, RowsEditedInPlaceAndEveryChangeUndone) {
    Object("1", {"1000", "1000", "1000"});
    Object("1", {"100", "100", "100"});
    const QString one = TextOf(names::ObjectVolumeField);
    Edit(0, Model::ParametersColumn, QStringLiteral("a=1000; b=; c=1000"));
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Type, ui::MessageKind::Warning);
    EXPECT_EQ(Cell(0, Model::ParametersColumn), "a=1000; b=1000; c=1000");

    Edit(1, Model::ParametersColumn, QStringLiteral("200; 100; 100"));
    EXPECT_EQ(Cell(1, Model::ParametersColumn), "a=200; b=100; c=100");
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "1.002");
    Edit(0, Model::QuantityColumn, QStringLiteral("3"));
    EXPECT_EQ(Cell(0, Model::VolumeColumn), "3.000");
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "3.002");

    Table()->selectRow(0);
    QTest::keyClick(Table(), Qt::Key_Delete);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, Model::NumberColumn), "1") << "numbered by its place";
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "0.002");

    const std::vector<QString> back = {"3.002", "1.002", one};
    for (const QString& expected : back) {
        QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(TextOf(names::ObjectVolumeField), expected);
    }
    QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(TextOf(names::ObjectVolumeField), "1.002");
    Click(names::UndoButton);
    EXPECT_EQ(TextOf(names::ObjectVolumeField), one);
    Click(names::ResetButton);
    EXPECT_EQ(Rows(), 0);
    QTest::keyClick(Table(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Rows(), 2) << "a reset is one change undo takes back";
}

// A row keeps the density it was calculated with when the catalogue changes; it is marked, and
// "Update prices" takes the catalogue's as one change.
TEST_F(Jobs, ARowWhoseMaterialChangedIsMarkedAndUpdatedAsOneChange) {
    Object("1", {"1000", "1000", "1000"});
    Object("1", {"1000", "1000", "1000"});
    // Another program replaces the catalogue, as every program that keeps it whole does.
    QFile ini(QString::fromStdString(IniPath()) + QStringLiteral(".new"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Count]\nCount=2\n[Material]\n0=Steel\n1=Water\n[Density]\n0=7800\n1=1000\n");
    ini.close();
    std::filesystem::rename(IniPath() + ".new", IniPath());
    QAbstractItemModel* model = Table()->model();
    const QModelIndex material = model->index(0, Model::MaterialColumn);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !material.data(Qt::DecorationRole).isNull(); }))
        << "marked once the catalogue is read again";
    EXPECT_TRUE(material.data(Qt::ToolTipRole).toString().contains(QStringLiteral("density")));
    EXPECT_EQ(Cell(0, Model::DensityColumn), "7850") << "never changed silently";

    Trigger(names::parts_list::UpdatePricesAction);
    EXPECT_EQ(Cell(0, Model::DensityColumn), "7800");
    EXPECT_EQ(Cell(1, Model::DensityColumn), "7800");
    EXPECT_TRUE(material.data(Qt::DecorationRole).isNull());
    Trigger(names::parts_list::UndoAction);
    EXPECT_EQ(Cell(0, Model::DensityColumn), "7850");
    EXPECT_EQ(Cell(1, Model::DensityColumn), "7850");
}

// A cut list is appended as one change; a row the command line refuses is told with its place.
TEST_F(Jobs, ImportedCsvRowsAreAppendedAsOneChange) {
    Object("1", {"100", "200", "300"});
    QFile csv(Path("cut-list.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
              "object,Parallelepiped,millimeter,2,Aluminium,100,200,300,,\n"
              "object,Parallelepiped,millimeter,1,Unobtainium,1,2,3,,\n"
              "aperture,Cylinder,millimeter,3,,10,20,,,\n");
    csv.close();
    Desktop.NextOpenFileName = csv.fileName();
    Trigger(names::parts_list::ImportCsvAction);
    ASSERT_EQ(Rows(), 3);
    EXPECT_EQ(Cell(1, Model::MaterialColumn), "Aluminium");
    EXPECT_EQ(Cell(2, Model::MaterialColumn), "Aluminium") << "an empty material is the one before";
    EXPECT_EQ(Cell(2, Model::GroupColumn), "Aperture");
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_TRUE(Desktop.Messages[0].Text.contains(QStringLiteral("line 3")));
    EXPECT_TRUE(Desktop.Messages[0].Text.contains(QStringLiteral("no material named \"Unobtainium\"")));
    Trigger(names::parts_list::UndoAction);
    EXPECT_EQ(Rows(), 1);
}

// The child of the test below: a change, the recovery file written, then killed as by kill -9.
TEST_F(Jobs, RecoveryChildKilledAfterAChange) {
    const char* folder = std::getenv("VOLCALC_RECOVERY_CHILD");
    if (!folder) {
        GTEST_SKIP() << "run by KilledWithUnsavedChangesTheNextStartOffersTheList";
    }
    RecoveryFolder = folder;
    StartWith(ThreeMaterials);
    Object("7", {"100", "200", "300"});
    QTest::qWait(ui::JobSession::RecoveryDelayMs + 500);
    std::raise(SIGKILL);
}

TEST_F(Jobs, KilledWithUnsavedChangesTheNextStartOffersTheList) {
    QTemporaryDir recovery;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VOLCALC_RECOVERY_CHILD"), recovery.path());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=Jobs.RecoveryChildKilledAfterAChange")});
    ASSERT_TRUE(child.waitForFinished(60000));
    ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAll().toStdString();

    RecoveryFolder = QFile::encodeName(recovery.path()).toStdString();
    StartWith(ThreeMaterials);
    Desktop.Answers = {ui::YesButton};
    Form().OpenJobAtStart({});
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_TRUE(Desktop.Messages[0].Text.contains(QStringLiteral("Restore")));
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, Model::QuantityColumn), "7");
    EXPECT_TRUE(List()->windowTitle().startsWith(QStringLiteral("Untitled*")));

    Desktop.Answers = {ui::DiscardButton};
    EXPECT_TRUE(Form().close());
    StartWith(ThreeMaterials);
    Desktop.Messages.clear();
    Form().OpenJobAtStart({});
    EXPECT_TRUE(Desktop.Messages.empty()) << "a list discarded is not offered again";
}

} // namespace
} // namespace volcalc::test
