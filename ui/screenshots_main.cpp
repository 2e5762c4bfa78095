// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures of the main window in a few typical states, and of its parts list and order, into a
// folder, for looking at the windows without a desktop: volcalc_screenshots OUT_DIR (run with
// QT_QPA_PLATFORM=offscreen).
#include "ui/desktop/decimal_separator.h"
#include "ui/main_window/main_window.h"
#include "ui/object_names.h"
#include "ui/widgets/window_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

using namespace volcalc;
using namespace volcalc::ui;

namespace {

template <typename Widget> Widget* Find(MainWindow& form, const char* name) {
    auto* widget = form.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(1);
    }
    return widget;
}

// Chooses an entry the way the user does, so the list's handler runs.
void Choose(MainWindow& form, const char* list, const char* text) {
    auto* combo = Find<QComboBox>(form, list);
    const int index = combo->findText(QString::fromLatin1(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Type(MainWindow& form, const char* field, const char* text) {
    Find<QLineEdit>(form, field)->setText(QString::fromLatin1(text));
}

void Click(MainWindow& form, const char* button) {
    Find<QAbstractButton>(form, button)->click();
}

bool Save(QWidget& window, const QDir& folder, const char* name) {
    QApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

bool WriteDemoCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(
        "[Count]\nCount=3\n[Material]\n0=Steel\n1=Aluminium\n2=Copper\n[Density]\n0=7850\n1=2700\n2=8900\n");
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    InstallWindowStyle();
    ReadRegionalSeparator();
    if (argc != 2) {
        std::fprintf(stderr, "usage: volcalc_screenshots OUT_DIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir temporary;
    const QString ini = temporary.filePath(QStringLiteral("volcalc.ini"));
    if (!folder.exists() || !temporary.isValid() || !WriteDemoCatalogue(ini)) {
        std::fprintf(stderr, "cannot prepare %s\n", argv[1]);
        return 1;
    }

    // The order plans from a rack and with settings of the run's own, not from the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(temporary.path()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temporary.path());
    MainWindow form(MainWindowOptions{QFile::encodeName(ini).toStdString(), nullptr});
    form.show();
    bool ok = Save(form, folder, "1-start");

    Choose(form, names::ObjectShapeList, "Cylinder");
    Type(form, names::Field(CalcGroup::Object, "Cylinder", "a"), "100");
    Type(form, names::Field(CalcGroup::Object, "Cylinder", "b"), "1000");
    Find<QLineEdit>(form, names::ObjectQuantity)->setText(QStringLiteral("12"));
    Click(form, names::ObjectCalculateButton);
    ok = ok && Save(form, folder, "2-cylinder-results");

    Choose(form, names::ApertureShapeList, "Cone");
    Type(form, names::Field(CalcGroup::Aperture, "Cone", "a"), "40");
    Type(form, names::Field(CalcGroup::Aperture, "Cone", "b"), "60,5");
    Click(form, names::ApertureCalculateButton);
    Choose(form, names::MassUnitList, "pound");
    Choose(form, names::VolumeUnitList, "inch");
    ok = ok && Save(form, folder, "3-aperture-cone");

    Choose(form, names::ObjectShapeList, "I-Beam");
    for (const auto& [letter, text] :
         {std::pair{"a", "200"}, {"b", "100"}, {"c", "5.6"}, {"d", "8.5"}, {"Length", "6000"}}) {
        Type(form, names::Field(CalcGroup::Object, "I-Beam", letter), text);
    }
    Choose(form, names::MaterialList, "Aluminium");
    ok = ok && Save(form, folder, "4-profile-panel");

    // Six I-beams of aluminium join the list, which shows everything in the units chosen above.
    Find<QLineEdit>(form, names::ObjectQuantity)->setText(QStringLiteral("6"));
    Click(form, names::ObjectCalculateButton);
    Click(form, names::PartsListButton);
    QWidget* list = form.findChild<QWidget*>(QString::fromLatin1(names::parts_list::Window));
    if (list) {
        list->resize(list->width(), 230); // as wide as it opens; a few rows high
    }
    ok = ok && list && Save(*list, folder, "5-parts-list");

    // Their order, planned beside the window: the picture waits for the plan and its diagrams.
    Click(form, names::parts_list::OrderButton);
    auto* plan = form.findChild<QPushButton*>(QString::fromLatin1(names::order::PlanButton));
    for (int step = 0; plan && !plan->isEnabled() && step < 3000; ++step) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
    QWidget* order = form.findChild<QWidget*>(QString::fromLatin1(names::order::Dialog));
    ok = ok && order && Save(*order, folder, "6-order");
    // An American tee of steel, 20 feet long, from the tables beside the program.
    if (list) {
        list->hide();
    }
    Choose(form, names::MaterialList, "Steel");
    Choose(form, names::ObjectShapeList, "Standard section");
    Choose(form, names::section::FamilyList, "WT tees");
    Choose(form, names::section::SizeList, "WT7X19");
    Choose(form, names::ObjectUnitList, "foot");
    Type(form, names::section::LengthField, "20");
    ok = ok && Save(form, folder, "7-american-section");
    return ok ? 0 : 1;
}
