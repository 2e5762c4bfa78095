// SPDX-License-Identifier: GPL-3.0-or-later
// The parts list's "Order" dialog, driven as a user would: the bars planned for the list's
// profiles, the stock lengths remembered between runs, a field that does not read, and the
// order copied, exported and printed.
#include "cutting/order_plan.h"
#include "form_fixture.h"
#include "materials/catalogue_lock.h"
#include "ui/parts_list/order_dialog.h"
#include "ui/parts_list/parts_list_window.h"
#include "user_actions.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace volcalc::test {
namespace {

class Order : public FormFixture {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
        // The window keeps its rack in the user's data folder: one of the test's own.
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        FormFixture::SetUp();
    }
    QString RackFile() const { return m_data.filePath(QStringLiteral("orlisk-volcalc/rack.csv")); }
    void WriteRack(const QByteArray& text) {
        QDir().mkpath(m_data.filePath(QStringLiteral("orlisk-volcalc")));
        QFile file(RackFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QByteArray RackText() const {
        QFile file(RackFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void Angle(const char* quantity, const char* length) {
        Choose(names::ObjectShapeList, "Angle");
        Type(names::ObjectQuantity, quantity);
        TypeParameters(CalcGroup::Object, "Angle", {"50", "50", "5", length});
        Click(names::ObjectCalculateButton);
    }

    // Opens the parts list, then its order dialog, and waits until it is up.
    QWidget* OpenOrder() {
        QTest::keyClick(&Form(), Qt::Key_L, Qt::ControlModifier);
        auto* list = Form().findChild<ui::PartsListWindow*>(names::parts_list::Window);
        EXPECT_TRUE(QTest::qWaitFor([&] {
            list = Form().findChild<ui::PartsListWindow*>(names::parts_list::Window);
            return list && list->isVisible();
        }));
        ClickOn(Button(names::parts_list::OrderButton));
        QWidget* dialog = Form().findChild<QWidget*>(names::order::Dialog);
        EXPECT_TRUE(dialog && dialog->isVisible());
        WaitForPlan();
        return dialog;
    }
    void Plan(const char* stocks, const char* kerf) {
        TypeInto(Field(names::order::StockLengthsField), QString::fromLatin1(stocks));
        TypeInto(Field(names::order::KerfField), QString::fromLatin1(kerf));
        ClickOn(Button(names::order::PlanButton));
        WaitForPlan();
    }
    // The search runs on its own thread; the plan is there when the Plan button is back.
    void WaitForPlan() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return Button(names::order::PlanButton)->isEnabled(); }, 30000));
    }
    QLineEdit* Field(const char* name) { return Form().findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) {
        return Form().findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QString PlanText() { return Form().findChild<QPlainTextEdit*>(names::order::PlanText)->toPlainText(); }

private:
    QTemporaryDir m_settings;
    QTemporaryDir m_data;
};

TEST_F(Order, PlansTheBarsOfTheListsProfilesAndRemembersTheStockLengths) {
    // The rows take their material's price when they are calculated, and the order their prices.
    StartWith((std::string(ThreeMaterials) + "[Price]\n0=2\n").c_str());
    Angle("2", "2400");
    Angle("1", "1150");
    Choose(names::ObjectShapeList, "Sphere"); // not cut from bars
    Type(names::Field(CalcGroup::Object, "Sphere", "a"), "100");
    Click(names::ObjectCalculateButton);
    OpenOrder();
    Plan("6000", "3");
    const QString text = PlanText();
    EXPECT_TRUE(text.contains(QStringLiteral("Angle a=50; b=50; c=5, Steel\n"
                                             "  1 × 6000: 2400 + 2400 + 1150, offcut 41\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("offcut share 0")) && text.contains(QStringLiteral(", cost ")))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Sphere")));

    StartWith(ThreeMaterials); // the next run
    OpenOrder();
    EXPECT_EQ(Field(names::order::StockLengthsField)->text(), QStringLiteral("6000"));
    EXPECT_EQ(Field(names::order::KerfField)->text(), QStringLiteral("3"));
    EXPECT_TRUE(PlanText().contains(QStringLiteral("no pieces cut from bars")));
}

TEST_F(Order, AStockLengthThatDoesNotReadIsSaidAndNothingIsPlanned) {
    Angle("1", "2400");
    OpenOrder();
    Plan("6000; 12 furlongs", "0");
    const auto* problem = Form().findChild<QLabel*>(names::order::Problem);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_EQ(problem->text(),
              QStringLiteral("'12 furlongs' has a unit other than mm, cm, m, in, ft or yd."));
    EXPECT_TRUE(PlanText().isEmpty());
    EXPECT_FALSE(Button(names::order::ExportButton)->isEnabled());
    Plan("6000,12000", "0"); // the command line's list, or one length with a decimal comma
    EXPECT_EQ(problem->text(),
              QStringLiteral("'6000,12000' reads two ways: write 6000; 12000 for two stock lengths, or "
                             "6000.12000 for one."));
    EXPECT_TRUE(PlanText().isEmpty());
    Plan("6000; 12000", "");
    EXPECT_FALSE(problem->isVisible());
    EXPECT_TRUE(PlanText().contains(QStringLiteral("1 × 6000: 2400, offcut 3600")));
}

TEST_F(Order, CopyExportAndPrintHoldTheOrder) {
    Angle("3", "2000");
    OpenOrder();
    Plan("6000", "0");
    QApplication::clipboard()->clear();
    ClickOn(Button(names::order::CopyButton));
    EXPECT_EQ(QApplication::clipboard()->text(), PlanText());

    QTemporaryDir folder;
    Desktop.NextSaveFileName = folder.filePath(QStringLiteral("order.csv"));
    ClickOn(Button(names::order::ExportButton));
    QFile csv(Desktop.NextSaveFileName);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    // The purchase list heads it, each bar follows.
    ASSERT_GE(lines.size(), 5);
    EXPECT_TRUE(lines[1].startsWith("purchase,\"Angle\",\"a=50; b=50; c=5\",\"Steel\",1,6000,"))
        << lines[1].toStdString();
    EXPECT_TRUE(
        lines[4].startsWith("bar,\"Angle\",\"a=50; b=50; c=5\",\"Steel\",1,6000,\"2000 + 2000 + 2000\",0,"))
        << lines[4].toStdString();

    Desktop.NextPdfFile = folder.filePath(QStringLiteral("order.pdf"));
    ClickOn(Button(names::order::PrintButton));
    ASSERT_EQ(Desktop.PrintDialogs, 1);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {Desktop.NextPdfFile, "-"});
    ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Bars to order")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Job: Untitled"))) << "headed by the job, not the catalogue";
    EXPECT_TRUE(printed.contains(QStringLiteral("1 × 6000: 2000 + 2000 + 2000, offcut 0")))
        << printed.toStdString();
    // The order on the first page, the diagrams for the saw on the next one.
    const QStringList pages = printed.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2) << printed.toStdString();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("1 × 6000: 2000 + 2000 + 2000")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Angle a=50; b=50; c=5, Steel")));
    QProcess pdfimages;
    pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), Desktop.NextPdfFile});
    ASSERT_TRUE(pdfimages.waitForFinished(30000));
    const QStringList images = QString::fromUtf8(pdfimages.readAllStandardOutput()).split(QLatin1Char('\n'));
    // A heading of two lines, then one line per picture, on which its page comes first.
    ASSERT_GE(images.size(), 3) << images.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(images[2].simplified().section(QLatin1Char(' '), 0, 0), QStringLiteral("2"));
}

TEST_F(Order, PlansOffTheWindowsThreadAndCancelKeepsThePlanFoundSoFar) {
    Angle("3", "2000");
    auto* dialog = qobject_cast<QWidget*>(OpenOrder());
    // A search that runs until it is cancelled, then gives the plan the real one has in hand.
    std::atomic<bool> onWindowThread{true};
    QThread* windowThread = QThread::currentThread();
    static_cast<ui::OrderDialog*>(dialog)->UsePlanner([&](std::span<const cutting::OrderItem> items,
                                                          const cutting::OrderSettings& settings,
                                                          cutting::PlanControl& control) {
        onWindowThread = QThread::currentThread() == windowThread;
        control.EnterGroup(0, 2);
        control.Report({1, 4, 0, 0});
        while (!control.Cancelled()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return cutting::PlanOrder(items, settings, control);
    });
    TypeInto(Field(names::order::StockLengthsField), QStringLiteral("6000"));
    ClickOn(Button(names::order::PlanButton));
    auto* progress = Form().findChild<QProgressBar*>(names::order::Progress);
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress->value() > 0; }, 10000));
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->text(), QStringLiteral("Planning group 1 of 2"));
    EXPECT_FALSE(Button(names::order::PlanButton)->isEnabled());
    EXPECT_FALSE(Button(names::order::ExportButton)->isEnabled());
    // The window answers while the search runs.
    TypeInto(Field(names::order::KerfField), QStringLiteral("2"));
    EXPECT_EQ(Field(names::order::KerfField)->text(), QStringLiteral("2"));

    ClickOn(Button(names::order::CancelButton));
    WaitForPlan();
    EXPECT_FALSE(onWindowThread);
    EXPECT_FALSE(progress->isVisible());
    const auto* note = Form().findChild<QLabel*>(names::order::Note);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(),
              QStringLiteral("Planning was cancelled: the plan shown is the best found so far."));
    EXPECT_TRUE(PlanText().contains(QStringLiteral("1 × 6000: 2000 + 2000 + 2000, offcut 0")))
        << PlanText().toStdString();
    EXPECT_TRUE(Button(names::order::ExportButton)->isEnabled());
}

TEST_F(Order, TheStockDialogSavesTheRackAndThePlanCutsItFirst) {
    // Bought bars of 4000 hold two pieces each: the third piece is cut from the rack's bar.
    Angle("3", "2000");
    OpenOrder();
    Plan("4000", "0");
    AnswerNextDialog([this](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(names::stock::Table);
        auto* problem = dialog.findChild<QLabel*>(names::stock::Problem);
        ClickOn(dialog.findChild<QPushButton*>(names::stock::AddButton));
        const QStringList cells = {"Angle", "50; 50; 5", "Steel", "twenty", "millimeter", "1"};
        for (int column = 0; column < cells.size(); ++column) {
            table->item(0, column)->setText(cells[column]);
        }
        ClickOn(dialog.findChild<QPushButton*>(names::stock::SaveButton));
        // A row that does not read is refused with its line, and nothing is saved.
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(problem->isVisible());
        EXPECT_TRUE(problem->text().contains(QStringLiteral("line 2"))) << problem->text().toStdString();
        EXPECT_TRUE(RackText().isEmpty());
        table->item(0, 3)->setText(QStringLiteral("2350"));
        ClickOn(dialog.findChild<QPushButton*>(names::stock::SaveButton));
        EXPECT_FALSE(dialog.isVisible());
    });
    ClickOn(Button(names::order::StockButton));
    EXPECT_TRUE(RackText().contains("stock,Angle,millimeter,1,Steel,50,50,5,2350\n"))
        << RackText().toStdString();
    WaitForPlan();
    EXPECT_TRUE(PlanText().contains(QStringLiteral("from stock 1 × 2350: 2000, offcut 350")))
        << PlanText().toStdString();

    // Opened again, the dialog shows the rack as saved. Another program changes the rack while it
    // is open: saving would lose that change, so it is refused and the rack keeps it.
    const QByteArray elsewhere = RackText() + "stock,Angle,millimeter,1,Steel,50,50,5,900\n";
    AnswerNextDialog([&](QDialog& dialog) {
        auto* table = dialog.findChild<QTableWidget*>(names::stock::Table);
        ASSERT_EQ(table->rowCount(), 1);
        EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("50; 50; 5"));
        EXPECT_EQ(table->item(0, 3)->text(), QStringLiteral("2350"));
        WriteRack(elsewhere);
        table->item(0, 5)->setText(QStringLiteral("2"));
        ClickOn(dialog.findChild<QPushButton*>(names::stock::SaveButton));
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    ClickOn(Button(names::order::StockButton));
    ASSERT_FALSE(Desktop.Messages.empty());
    EXPECT_TRUE(Desktop.Messages.back().Text.contains(QStringLiteral("was changed by another program")))
        << Desktop.Messages.back().Text.toStdString();
    EXPECT_EQ(RackText(), elsewhere);
}

TEST_F(Order, CutThisPlanTakesTheRacksBarsAndKeepsTheRemnants) {
    WriteRack("group,shape,unit,quantity,material,p1,p2,p3,p4,p5\n"
              "stock,Angle,millimeter,3,Steel,50,50,5,2350\n");
    Angle("4", "2000");
    OpenOrder();
    TypeInto(Field(names::order::KeepOffcutsField), QStringLiteral("1000"));
    // A bought bar holds one piece: the three rack bars, and one bought with 1000 left to keep.
    Plan("3000", "0");
    Desktop.Answers = {ui::NoButton};
    ClickOn(Button(names::order::CutButton));
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Text,
              QStringLiteral("Cut this plan? 3 bars leave the rack and 1 remnant joins it."));
    const QByteArray before = RackText();
    EXPECT_TRUE(before.contains("stock,Angle,millimeter,3,Steel,50,50,5,2350\n")) << before.toStdString();

    {
        // Another program changing the rack holds its lock: the plan is not cut, and it says why.
        const CatalogueLock other(RackFile().toStdString());
        ASSERT_TRUE(other.Held());
        Desktop.Answers = {ui::YesButton};
        ClickOn(Button(names::order::CutButton));
        ASSERT_EQ(Desktop.Messages.size(), 3u);
        EXPECT_TRUE(Desktop.Messages[2].Text.contains(QStringLiteral("another program is changing it")))
            << Desktop.Messages[2].Text.toStdString();
        EXPECT_EQ(RackText(), before);
    }

    Desktop.Answers = {ui::YesButton};
    ClickOn(Button(names::order::CutButton));
    const QByteArray rack = RackText();
    EXPECT_FALSE(rack.contains(",2350\n")) << rack.toStdString();
    EXPECT_TRUE(rack.contains(",1000\n")) << rack.toStdString();
    EXPECT_FALSE(Button(names::order::CutButton)->isEnabled());
    EXPECT_TRUE(Form().findChild<QLabel*>(names::order::Note)->isVisible());
}

TEST_F(Order, ADamagedRackIsSaidAndNothingIsPlanned) {
    WriteRack("stock,Angle,millimeter,2,Steel,50,50,5,long\n");
    Angle("1", "2000");
    OpenOrder();
    const auto* problem = Form().findChild<QLabel*>(names::order::Problem);
    EXPECT_TRUE(problem->isVisible());
    EXPECT_TRUE(problem->text().startsWith(QStringLiteral("Nothing is planned from a damaged rack: ")));
    EXPECT_TRUE(problem->text().contains(QStringLiteral("rack.csv: line 1")))
        << problem->text().toStdString();
    EXPECT_TRUE(PlanText().isEmpty());
}

} // namespace
} // namespace volcalc::test
