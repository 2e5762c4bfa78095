// SPDX-License-Identifier: GPL-3.0-or-later
// The "Parts list" window, driven through the main window as a user would: the rows follow the
// calculations that count, the totals rows read as the main window's fields, and what leaves the
// window (clipboard, CSV file, printed pages) holds the same list.
#include "calc/number_text.h"
#include "form_fixture.h"
#include "ui/parts_list/parts_list_model.h"
#include "user_actions.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace volcalc::test {
namespace {

using Row = QStringList;

class PartsList : public FormFixture {
protected:
    // Opens the window with its key, as a user would, and waits until it is up.
    QWidget* Open() {
        QTest::keyClick(&Form(), Qt::Key_L, Qt::ControlModifier);
        QWidget* window = WindowUp();
        EXPECT_TRUE(QTest::qWaitFor([&] { return window && QApplication::activeWindow() == window; }))
            << "the list comes to the front";
        return window;
    }
    // Waits until the window is up.
    QWidget* WindowUp() {
        QWidget* window = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            window = Form().findChild<QWidget*>(names::parts_list::Window);
            return window && window->isVisible();
        }));
        return window;
    }
    // Prints into a PDF file through the print dialog's stand-in and reads it back as text laid
    // out as on the page.
    QString Printed() {
        QTemporaryDir folder;
        Desktop.NextPdfFile = folder.filePath(QStringLiteral("list.pdf"));
        Open();
        ClickOn(Button(names::parts_list::PrintButton));
        EXPECT_EQ(Desktop.PrintDialogs, 1);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {"-layout", Desktop.NextPdfFile, "-"});
        EXPECT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }
    QTableView* Table() { return Form().findChild<QTableView*>(names::parts_list::Table); }
    QPushButton* Button(const char* name) {
        return Form().findChild<QPushButton*>(QString::fromLatin1(name));
    }

    // What the table shows, row by row, cell by cell.
    std::vector<Row> Shown() {
        std::vector<Row> rows;
        const QAbstractItemModel* model = Table()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            Row row;
            // The calculation's columns; the person's own texts come after them.
            for (int c = 0; c <= ui::PartsListModel::SurfaceColumn; ++c) {
                row << model->index(r, c).data().toString();
            }
            rows.push_back(row);
        }
        return rows;
    }
    Row Headers() {
        Row headers;
        const QAbstractItemModel* model = Table()->model();
        for (int c = 0; c <= ui::PartsListModel::SurfaceColumn; ++c) {
            headers << model->headerData(c, Qt::Horizontal).toString();
        }
        return headers;
    }
    // The three totals rows as the main window's fields read: volume and mass of each.
    std::vector<Row> TotalsOfMainWindow() {
        return {{TextOf(names::ObjectVolumeField), TextOf(names::ObjectMassField)},
                {TextOf(names::ApertureVolumeField), TextOf(names::ApertureMassField)},
                {TextOf(names::TotalVolumeField), TextOf(names::TotalMassField)}};
    }
    // The list's totals rows read at the fields' precision, the aperture's without the sign its
    // rows carry and the field leaves out.
    std::vector<Row> TotalsOfListAsFields() {
        std::vector<Row> totals;
        const std::vector<Row> rows = Shown();
        for (std::size_t i = rows.size() - 3; i < rows.size(); ++i) {
            const double sign = i == rows.size() - 2 ? -1 : 1;
            Row row;
            for (int column : {9, 11}) {
                row << (rows[i][column].isEmpty()
                            ? QString()
                            : QString::fromStdString(FormatResult(sign * rows[i][column].toDouble())));
            }
            totals.push_back(row);
        }
        return totals;
    }

    void Object(const char* shape, const char* unit, const char* quantity,
                std::initializer_list<const char*> texts) {
        Calculate(CalcGroup::Object, shape, unit, quantity, texts);
    }
    void Aperture(const char* shape, const char* unit, const char* quantity,
                  std::initializer_list<const char*> texts) {
        Calculate(CalcGroup::Aperture, shape, unit, quantity, texts);
    }

private:
    void Calculate(CalcGroup group, const char* shape, const char* unit, const char* quantity,
                   std::initializer_list<const char*> texts) {
        const names::GroupNames& controls = names::Of(group);
        if (Find<QComboBox>(controls.ShapeList)->currentText() != QLatin1String(shape)) {
            Choose(controls.ShapeList, shape);
        }
        if (Find<QComboBox>(controls.UnitList)->currentText() != QLatin1String(unit)) {
            Choose(controls.UnitList, unit);
        }
        Type(controls.Quantity, quantity);
        TypeParameters(group, shape, texts);
        Click(controls.CalculateButton);
    }
};

const Row EmptyTotals[] = {{"", "Object total", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                           {"", "Aperture total", "", "", "", "", "", "", "", "", "", "", "", "", ""},
                           {"", "Total", "", "", "", "", "", "", "", "", "", "", "", "", ""}};

TEST_F(PartsList, FollowsAMixedRunRowByRowWithTheMainWindowsTotals) {
    Open();
    EXPECT_EQ(Shown(), std::vector<Row>(std::begin(EmptyTotals), std::end(EmptyTotals)))
        << "before anything is shown the totals rows are as empty as the main window's fields";

    Object("Parallelepiped", "millimeter", "1", {"1000", "1000", "1000"});
    Choose(names::MaterialList, "Aluminium");
    Object("Parallelepiped", "centimeter", "3", {"10", "20", "50"});
    Aperture("Parallelepiped", "millimeter", "2", {"500", "500", "1000"});
    Object("Parallelepiped", "centimeter", "3", {"10", "12a", "50"}); // refused: not a number
    Object("Parallelepiped", "centimeter", "3", {"10", "", "50"});    // refused: empty field
    EXPECT_EQ(Desktop.ErrorBoxes.size(), 1u);
    EXPECT_EQ(Desktop.Messages.size(), 1u);

    // The surface of all pieces, the apertures' none; the totals are the objects'.
    const std::vector<Row> inMetres = {
        {"1", "Object", "Parallelepiped", "millimeter", "1", "a=1000; b=1000; c=1000", "Steel", "7850",
         "1.000", "1.000", "7850.000", "7850.000", "", "", "6.000"},
        {"2", "Object", "Parallelepiped", "centimeter", "3", "a=10; b=20; c=50", "Aluminium", "2700",
         "0.01000", "0.03000", "27.000", "81.000", "", "", "1.020"},
        {"3", "Aperture", "Parallelepiped", "millimeter", "2", "a=500; b=500; c=1000", "Aluminium", "2700",
         "-0.2500", "-0.5000", "-675.000", "-1350.000", "", "", ""},
        {"", "Object total", "", "", "", "", "", "", "", "1.030", "", "7931.000", "", "", "7.020"},
        {"", "Aperture total", "", "", "", "", "", "", "", "-0.5000", "", "-1350.000", "", "", ""},
        {"", "Total", "", "", "", "", "", "", "", "0.5300", "", "6581.000", "3 unpriced", "", "7.020"}};
    EXPECT_EQ(Shown(), inMetres);
    EXPECT_EQ(TotalsOfListAsFields(), TotalsOfMainWindow());
    EXPECT_EQ(Headers().mid(7), Row({"Density\nkg/m³", "Piece volume\nm³", "Volume\nm³", "Piece mass\nkg",
                                     "Mass\nkg", "Price\nper kg", "Cost", "Surface\nm²"}));

    Choose(names::VolumeUnitList, "centimeter");
    Choose(names::MassUnitList, "metric ton");
    EXPECT_EQ(Headers().mid(8, 4), Row({"Piece volume\ncm³", "Volume\ncm³", "Piece mass\nt", "Mass\nt"}));
    EXPECT_EQ(Headers().back(), "Surface\ncm²") << "the square of the volume unit's length";
    EXPECT_EQ(Shown()[0].back(), "60000.000") << "6 m² in square centimetres";
    const std::vector<Row> shown = Shown();
    EXPECT_EQ(shown[0].mid(8, 4), Row({"1.000E6", "1.000E6", "7.850", "7.850"}));
    EXPECT_EQ(shown[1].mid(8, 4), Row({"10000.000", "30000.000", "0.02700", "0.08100"}));
    EXPECT_EQ(shown[2].mid(8, 4), Row({"-2.500E5", "-5.000E5", "-0.6750", "-1.350"}));
    EXPECT_EQ(TotalsOfListAsFields(), TotalsOfMainWindow());

    Click(names::UndoButton); // undo takes back the aperture and puts the lists back on metre and kilogram
    std::vector<Row> undone = inMetres;
    undone.erase(undone.begin() + 2);
    undone[3][9] = "0.000", undone[3][11] = "0.000";
    undone[4][9] = "1.030", undone[4][11] = "7931.000", undone[4][12] = "2 unpriced", undone[4][14] = "7.020";
    EXPECT_EQ(Shown(), undone);
    EXPECT_EQ(TotalsOfListAsFields(), TotalsOfMainWindow());

    Click(names::ResetButton);
    ASSERT_EQ(Shown().size(), 3u);
    EXPECT_EQ(TotalsOfListAsFields(), TotalsOfMainWindow());
    EXPECT_EQ(TotalsOfListAsFields()[2], Row({"0.000", "0.000"}));
    EXPECT_EQ(Shown()[1][9], "0.000") << "an aperture total of nothing is a plain zero";
}

TEST_F(PartsList, WithoutAMaterialTheMaterialCellIsEmpty) {
    StartWith(nullptr);
    Object("Parallelepiped", "meter", "1", {"1", "1", "1"});
    Open();
    const Row row = Shown().front();
    EXPECT_EQ(row[6], "");
    EXPECT_EQ(row[7], "0");
    EXPECT_EQ(row[11], "0.000");
}

// The window's CSV is the command line's for the same calculations given as a list, one a row:
// the line column holds the row's number in the list, which is its row in that list.
TEST_F(PartsList, ExportedCsvIsByteForByteTheCommandLinesForTheSameCalculations) {
    Object("Parallelepiped", "millimeter", "1", {"1000", "1000", "1000"});
    Choose(names::MaterialList, "Aluminium");
    Object("Parallelepiped", "centimeter", "3", {"10,5", "20", "50"});
    Aperture("Parallelepiped", "millimeter", "2", {"500", "500", "1000"});
    Object("Parallelepiped", "inch", "1", {"1", "12a", "1"}); // refused
    Object("Parallelepiped", "yard", "9", {"1", "2", "3"});
    Click(names::UndoButton); // undone
    Object("Parallelepiped", "foot", "7", {"1.25", "2", "1e-3"});
    Choose(names::VolumeUnitList, "inch");
    Choose(names::MassUnitList, "pound");

    QTemporaryDir folder;
    const QString exported = folder.filePath(QStringLiteral("list.csv"));
    Desktop.NextSaveFileName = exported;
    Open();
    ClickOn(Button(names::parts_list::ExportCsvButton));
    ASSERT_EQ(Desktop.SaveDialogs.size(), 1u);
    QFile written(exported);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));

    QFile list(folder.filePath(QStringLiteral("input.csv")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("object,Parallelepiped,millimeter,1,Steel,1000,1000,1000\n"
               "object,Parallelepiped,centimeter,3,Aluminium,\"10,5\",20,50\n"
               "aperture,Parallelepiped,millimeter,2,Aluminium,500,500,1000\n"
               "object,Parallelepiped,foot,7,Aluminium,1.25,2,1e-3\n");
    list.close();
    QProcess cli;
    cli.start(QStringLiteral(VOLCALC_CLI),
              {"--csv", "--volume-unit", "inch", "--mass-unit", "pound", "--ini",
               QString::fromStdString(IniPath()), "--input-csv", list.fileName()});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QByteArray expected = cli.readAllStandardOutput();
    EXPECT_EQ(written.readAll().toStdString(), expected.toStdString());
    EXPECT_EQ(expected.count("\r\n"), 1 + 4 + 3) << "header, four rows, three totals";
}

TEST_F(PartsList, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile) {
    Object("Parallelepiped", "millimeter", "1", {"1", "1", "1"});
    QTemporaryDir folder;
    Open();
    Desktop.NextSaveFileName.clear(); // cancelled
    ClickOn(Button(names::parts_list::ExportCsvButton));
    Desktop.NextSaveFileName = folder.filePath(QStringLiteral("missing/list.csv"));
    ClickOn(Button(names::parts_list::ExportCsvButton));
    ASSERT_EQ(Desktop.Messages.size(), 1u);
    EXPECT_EQ(Desktop.Messages[0].Type, ui::MessageKind::Error);
    EXPECT_TRUE(Desktop.Messages[0].Text.contains(QStringLiteral("missing/list.csv")));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// Each page numbered "Page i of n", and the header whole on every page: captions of one line
// and units on the next, no word broken.
void ExpectNumberedPagesWithWholeHeaders(const QStringList& pages) {
    const QRegularExpression captions(
        QStringLiteral("\\s*No\\.\\s+Object or\\s+Shape\\s+Length\\s+Quantity\\s+"
                       "Parameters\\s+Material\\s+Density\\s+Piece volume\\s+Volume\\s+"
                       "Piece mass\\s+Mass\\s+Price\\s+Cost\\s+Surface\\s*$"));
    const QRegularExpression units(
        QStringLiteral("^\\s*aperture\\s+unit\\s+kg/m³\\s+m³\\s+m³\\s+kg\\s+kg\\s+per kg\\s+m²\\s*$"));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(pages[i].toStdString());
        const QStringList lines = pages[i].split(QLatin1Char('\n'));
        const qsizetype header = lines.indexOf(captions);
        ASSERT_GE(header, 0);
        EXPECT_TRUE(lines.value(header + 1).contains(units));
        EXPECT_EQ(lines.filter(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages.size())).size(), 1);
    }
}

TEST_F(PartsList, PrintedPagesHoldTitleCatalogueRowsAndTotalsWithTheHeaderOnEveryPage) {
    constexpr int Rows = 60;
    for (int i = 1; i <= Rows; ++i) {
        Object("Parallelepiped", "millimeter", QByteArray::number(i).constData(), {"100", "200", "300"});
    }
    Aperture("Parallelepiped", "millimeter", "1", {"10", "20", "30"});
    const QString text = Printed();
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2) << text.toStdString();
    ExpectNumberedPagesWithWholeHeaders(pages);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Parts list")));
    EXPECT_TRUE(pages[0].contains(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Job: Untitled")));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 1; i <= Rows; ++i) {
        // Number, group, shape, unit, quantity, parameters (which the page may break between
        // words), material, density, then the figures.
        const QRegularExpression row(
            QStringLiteral("^\\s*%1\\s+Object\\s+Parallelepiped\\s+millimeter\\s+%1\\s+"
                           "a=100;( b=200;( c=300)?)?\\s+Steel\\s+7850\\s+0.006000\\s+%2\\s")
                .arg(i)
                .arg(QString::fromStdString(FormatListFigure(0.006 * i))));
        EXPECT_EQ(lines.filter(row).size(), 1) << "row " << i;
    }
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("Aperture\\s+Parallelepiped"))).size(), 1);
    const std::vector<Row> shown = Shown();
    const QRegularExpression total(
        QStringLiteral("^\\s*Total\\s+%1\\s+%2\\s+%3\\s*%4\\s+%5\\s*$") // %4 empty with no row priced
            .arg(shown.back()[9], shown.back()[11], shown.back()[12], shown.back()[13], shown.back()[14]));
    EXPECT_EQ(lines.filter(total).size(), 1) << text.toStdString();
}

// A short list with short texts leaves the headers' columns narrow: still no word is broken.
TEST_F(PartsList, AShortListPrintsOnOnePageWithItsHeaderWhole) {
    Object("Parallelepiped", "meter", "1", {"1", "1", "1"});
    ExpectNumberedPagesWithWholeHeaders(Printed().split(QLatin1Char('\f'), Qt::SkipEmptyParts));
}

// Four holes of 30 cm³ in a block: the table rounds them, the clipboard keeps them whole, so
// that in a spreadsheet the rows sum to the totals.

TEST_F(PartsList, CopyPutsHeaderRowsAndTotalsOnTheClipboardAsCellsWithFiguresInFull) {
    Object("Parallelepiped", "millimeter", "2", {"1000", "1000", "1000"});
    Aperture("Parallelepiped", "millimeter", "4", {"10", "30", "100"});
    Aperture("Parallelepiped", "meter", "1", {"0,5", "1", "1"});
    Open();
    QApplication::clipboard()->clear();
    ClickOn(Button(names::parts_list::CopyButton));
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1 + 3 + 3);
    EXPECT_EQ(lines[0].split(QLatin1Char('\t')),
              Row({"No.", "Object or aperture", "Shape", "Length unit", "Quantity", "Parameters", "Material",
                   "Density, kg/m³", "Piece volume, m³", "Volume, m³", "Piece mass, kg", "Mass, kg",
                   "Price per kg", "Cost", "Surface, m²"}));
    const std::vector<Row> shown = Shown();
    std::vector<std::vector<double>> figures;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const Row cells = lines[qsizetype(i) + 1].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), shown[i].size());
        EXPECT_EQ(cells.mid(0, 8), shown[i].mid(0, 8));
        figures.emplace_back();
        for (int column = 8; column < 12; ++column) {
            SCOPED_TRACE(cells[column].toStdString());
            figures.back().push_back(cells[column].toDouble());
            EXPECT_EQ(cells[column].isEmpty() ? QString()
                                              : QString::fromStdString(FormatListFigure(figures[i].back())),
                      shown[i][column]);
        }
    }
    EXPECT_EQ(shown[1][8], "-3.000E-5") << "a hole that has volume is not shown as 0.000";
    EXPECT_EQ(lines[3].split(QLatin1Char('\t'))[5], "a=0,5; b=1; c=1") << "parameters as typed";
    for (int figure : {1, 3}) { // all pieces: volume and mass
        const double apertures = figures[1][std::size_t(figure)] + figures[2][std::size_t(figure)];
        EXPECT_DOUBLE_EQ(apertures, figures[4][std::size_t(figure)])
            << "the aperture rows sum to their total";
        EXPECT_DOUBLE_EQ(figures[0][std::size_t(figure)] + apertures, figures[5][std::size_t(figure)]);
    }
}

// On a 1024 x 768 screen (the platform these tests run on) the list opens with every column in
// view, its figures whole, whatever the units, and no wider than the screen.
TEST_F(PartsList, FitsASmallScreenWithEveryFigureWholeWhateverTheUnits) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry().width(), 1024);
    StartWith("[Count]\nCount=1\n[Material]\n0=Stainless steel X5CrNi18-10, cold rolled and annealed sheet\n"
              "[Density]\n0=7900\n");
    Object("Parallelepiped", "millimeter", "1000", {"1000,0000000001", "1000,0000000001", "1000,0000000001"});
    Aperture("Parallelepiped", "millimeter", "1", {"0,01", "0,01", "0,01"});
    QWidget* window = Open();
    QTableView* table = Table();
    auto* view = static_cast<QAbstractItemView*>(table);
    for (const char* volumeUnit : {"millimeter", "centimeter", "meter", "inch", "foot", "yard"}) {
        for (const char* massUnit : {"gram", "kilogram", "centner", "metric ton", "pound"}) {
            Choose(names::VolumeUnitList, volumeUnit);
            Choose(names::MassUnitList, massUnit);
            QApplication::processEvents();
            SCOPED_TRACE(std::string(volumeUnit) + ", " + massUnit);
            EXPECT_LE(window->frameGeometry().width(), 1024);
            EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width())
                << "no sideways scrolling";
            for (int column : {0, 1, 3, 4, 7, 8, 9, 10, 11}) {
                EXPECT_GE(table->columnWidth(column), view->sizeHintForColumn(column)) << "column " << column;
            }
        }
    }
}

// Rows that come after the list was first opened, while it is open or closed, show every column's
// longest text whole: the window grows to them, up to the screen.
TEST_F(PartsList, GrowsToTheLongestTextsOfRowsThatCameLater) {
    QWidget* window = Open();
    QTableView* table = Table();
    auto* view = static_cast<QAbstractItemView*>(table);
    const auto everyTextWhole = [&](const char* when) {
        QApplication::processEvents();
        SCOPED_TRACE(when);
        EXPECT_LE(window->frameGeometry().width(), 1024);
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            EXPECT_GE(table->columnWidth(column), view->sizeHintForColumn(column)) << "column " << column;
        }
    };
    Object("Parallelepiped", "millimeter", "1", {"100,25", "200,5", "300,75"});
    everyTextWhole("open");
    window->close();
    Object("Hexahedral Bar", "millimeter", "2", {"22,125", "1000,5"});
    ClickOn(Find<QToolButton>(names::PartsListButton));
    ASSERT_EQ(WindowUp(), window);
    everyTextWhole("opened again");
}

// One window, not modal, resizable; the list grows while it is open and the main window works.
TEST_F(PartsList, OneWindowThatStaysOpenWhileTheUserWorks) {
    auto* button = Find<QToolButton>(names::PartsListButton);
    EXPECT_EQ(button->toolTip(), "Parts list");
    EXPECT_TRUE(button->autoRaise());
    ClickOn(button);
    QWidget* window = WindowUp();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Untitled \u2014 Parts list");
    EXPECT_TRUE(window->isWindow());
    EXPECT_FALSE(window->isModal());
    EXPECT_LT(window->minimumSize().width(), window->maximumSize().width());
    window->resize(1200, 500);
    EXPECT_EQ(window->size(), QSize(1200, 500));

    Object("Parallelepiped", "millimeter", "1", {"1", "2", "3"});
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Shown().size(), 1u + 3u);
    EXPECT_TRUE(button->isEnabled());
    Open();
    EXPECT_EQ(Form().findChildren<QWidget*>(names::parts_list::Window).size(), 1);
    EXPECT_EQ(window->size(), QSize(1200, 500)) << "shown again as the user left it";
}

// The table is read on the accessibility bus by rows, cells and headers, and the keyboard alone
// reaches every cell and every button.
TEST_F(PartsList, ReadOutCellByCellAndUsedFromTheKeyboardAlone) {
    Object("Parallelepiped", "millimeter", "1", {"1000", "1000", "1000"});
    ASSERT_NE(Open(), nullptr);
    QTableView* table = Table();
    EXPECT_EQ(QApplication::focusWidget(), table);
    QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(table);
    ASSERT_NE(readOut, nullptr);
    EXPECT_EQ(readOut->text(QAccessible::Name), "Parts list");
    QAccessibleTableInterface* cells = readOut->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 1 + 3);
    EXPECT_EQ(cells->columnCount(), ui::PartsListModel::ColumnCount);
    QAccessibleInterface* shape = cells->cellAt(0, 2);
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->text(QAccessible::Name), "Parallelepiped");
    const QList<QAccessibleInterface*> header = shape->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(header.size(), 1);
    EXPECT_EQ(header[0]->text(QAccessible::Name), "Shape");
    EXPECT_EQ(cells->cellAt(3, 1)->text(QAccessible::Name), "Total");

    QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_End);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(table->currentIndex().column(), ui::PartsListModel::NoteColumn);
    QApplication::clipboard()->clear();
    PressTab();
    EXPECT_EQ(QApplication::focusWidget(), Button(names::parts_list::CopyButton));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("No.\t")));
    for (const char* name : {names::parts_list::CopyButton, names::parts_list::ExportCsvButton,
                             names::parts_list::PrintButton}) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(Button(name))->text(QAccessible::Name).isEmpty())
            << name;
    }
    QWidget* window = table->window();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// Prices typed in the dialog are saved with their materials as one change, a price refused keeps
// the dialog open with the message, and calculations then cost their mass times the price.
TEST_F(PartsList, PricesDialogSavesThePricesAndTheRowsCostWithThem) {
    Open();
    struct Entry {
        const char* Price; // typed for Steel
        const char* Currency;
        bool Saved;
    };
    for (const Entry entry : {Entry{"-2", "EUR", false}, Entry{"2,5", "EUR", true}}) {
        bool saw = false;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_TRUE(dialog && dialog->objectName() == names::prices::Dialog);
            auto* table = dialog->findChild<QTableWidget*>(names::prices::Table);
            ASSERT_EQ(table->rowCount(), 3);
            EXPECT_EQ(table->item(1, 0)->text(), "Aluminium");
            table->item(0, 2)->setText(QString::fromLatin1(entry.Price));
            TypeInto(dialog->findChild<QWidget*>(names::prices::CurrencyField),
                     QString::fromLatin1(entry.Currency));
            ClickOn(dialog->findChild<QPushButton*>(names::prices::OkButton));
            if (dialog->isVisible()) { // refused: the message was shown, the dialog stays
                ClickOn(dialog->findChild<QPushButton*>(names::prices::CancelButton));
            }
            saw = true;
        });
        ClickOn(Button(names::parts_list::PricesButton));
        EXPECT_TRUE(saw);
        EXPECT_EQ(IniText().find("[Price]\n0=2.5\n") != std::string::npos, entry.Saved) << IniText();
        EXPECT_EQ(Desktop.Messages.size(), 1u) << "the refused price, once";
    }
    EXPECT_EQ(Desktop.Messages.front().Text, "A price cannot be negative: '-2'");
    EXPECT_NE(IniText().find("[Currency]\nCurrency=EUR\n"), std::string::npos) << IniText();

    Object("Parallelepiped", "meter", "1", {"1", "1", "1"});
    Aperture("Parallelepiped", "meter", "1", {"0.5", "1", "1"});
    Choose(names::MaterialList, "Water");
    Object("Parallelepiped", "meter", "1", {"1", "1", "1"});
    const std::vector<Row> rows = Shown();
    ASSERT_EQ(rows.size(), 6u);
    const int price = 12;
    const int cost = 13;
    EXPECT_EQ(Headers()[price], "Price\nper kg\nEUR");
    EXPECT_EQ(rows[0][price] + " " + rows[0][cost], "2.5 19625.00");
    EXPECT_EQ(rows[1][price] + " " + rows[1][cost], "2.5 0.00") << "an aperture costs nothing";
    EXPECT_EQ(rows[2][price] + " " + rows[2][cost], " ") << "water has no price";
    EXPECT_EQ(rows[5][price] + " " + rows[5][cost], "1 unpriced 19625.00");
}

} // namespace
} // namespace volcalc::test
