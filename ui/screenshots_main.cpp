// Writes pictures of the main window in a few typical states, and of its parts list, into a
// folder, for looking at the windows without a desktop: volcalc_screenshots OUT_DIR (run with
// QT_QPA_PLATFORM=offscreen).
#include "ui/desktop/decimal_separator.h"
#include "ui/main_window/main_window.h"
#include "ui/widgets/window_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

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

    MainWindow form(MainWindowOptions{QFile::encodeName(ini).toStdString(), nullptr});
    form.show();
    bool ok = Save(form, folder, "1-start");

    Choose(form, "ComboBox2", "Cylinder");
    Type(form, "Edit6", "100");
    Type(form, "Edit12", "1000");
    Find<QLineEdit>(form, "SpinEdit2")->setText(QStringLiteral("12"));
    Click(form, "BitBtn5");
    ok = ok && Save(form, folder, "2-cylinder-results");

    Choose(form, "ComboBox3", "Cone");
    Type(form, "Edit63", "40");
    Type(form, "Edit64", "60,5");
    Click(form, "BitBtn7");
    Choose(form, "ComboBox15", "pound");
    Choose(form, "ComboBox16", "inch");
    ok = ok && Save(form, folder, "3-aperture-cone");

    Choose(form, "ComboBox2", "I-Beam");
    for (const auto& [field, text] : {std::pair{"Edit32", "200"},
                                      {"Edit35", "100"},
                                      {"Edit34", "5.6"},
                                      {"Edit36", "8.5"},
                                      {"Edit33", "6000"}}) {
        Type(form, field, text);
    }
    Choose(form, "ComboBox1", "Aluminium");
    ok = ok && Save(form, folder, "4-profile-panel");

    // Six I-beams of aluminium join the list, which shows everything in the units chosen above.
    Find<QLineEdit>(form, "SpinEdit2")->setText(QStringLiteral("6"));
    Click(form, "BitBtn5");
    Click(form, "SpeedButton9");
    QWidget* list = form.findChild<QWidget*>(QStringLiteral("PartsListWindow"));
    if (list) {
        list->resize(list->width(), 230); // as wide as it opens; a few rows high
    }
    ok = ok && list && Save(*list, folder, "5-parts-list");
    return ok ? 0 : 1;
}
