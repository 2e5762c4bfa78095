// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded (LD_PRELOAD) into an unpacked volcalc, it uses the window as a user would: it reads the
// material list, presses Help, adds one material through the add-material dialog and reads the
// list again; it opens the About box, whose wallpaper the program decodes with a module loaded
// then, and the parts list's print dialog, from the same module. What it saw goes to the file
// named by VOLCALC_DRIVER_REPORT, one "key: value" a line; a message box that comes up is written
// down and closed. Then it closes the windows.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <set>

namespace {

constexpr auto AddedName = "Packaged test alloy";
constexpr auto AddedDensity = "4321";
constexpr int TickMilliseconds = 50;
constexpr int MaxTicks = 600;

QWidget* TopLevel(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String(name)) {
            return top;
        }
    }
    return nullptr;
}

QWidget* MainWindow() {
    return TopLevel("Form1");
}

// A wallpaper shows many shades; the panel without one shows its background colour alone.
int Colours(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

class WindowDriver : public QObject {
    Q_OBJECT
public:
    WindowDriver() : m_report(qEnvironmentVariable("VOLCALC_DRIVER_REPORT")) {
        m_report.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text);
        for (const char* scheme : {"file", "http", "https"}) {
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
        }
        connect(&m_timer, &QTimer::timeout, this, &WindowDriver::Tick);
        m_timer.start(TickMilliseconds);
    }

public slots:
    void open(const QUrl& url) { Write("opened", url.toString()); }

private:
    void Write(const char* key, const QString& value) {
        m_report.write(QByteArray(key) + ": " + value.toUtf8() + '\n');
        m_report.flush();
    }

    void WriteMaterials(const char* key) {
        auto* list = MainWindow()->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QStringList names;
        for (int i = 0; list && i < list->count(); ++i) {
            names << list->itemText(i);
        }
        Write(key, names.join(QLatin1Char('|')));
    }

    // Queued: a dialog that the click opens runs its own event loop, in which this timer must tick.
    static void Click(QAbstractButton* button) {
        QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    }

    // A message box is read and closed wherever it comes up; the dialog is filled in and accepted.
    bool AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Write("message", box->text());
            box->done(0);
            return true;
        }
        if (modal && modal->objectName() == QLatin1String("Form2")) {
            modal->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QLatin1String(AddedName));
            modal->findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QLatin1String(AddedDensity));
            Click(modal->findChild<QAbstractButton*>(QStringLiteral("BitBtn1")));
            m_dialogAnswered = true;
            return true;
        }
        if (modal && modal->objectName() == QLatin1String("AboutBox")) {
            Write("about wallpaper colours",
                  QString::number(Colours(modal->findChild<QWidget*>(QStringLiteral("SpeedBar1")))));
            qobject_cast<QDialog*>(modal)->done(0);
            m_aboutSeen = true;
            return true;
        }
        if (modal && modal->inherits("QPrintDialog")) {
            Write("print dialog", QStringLiteral("shown"));
            qobject_cast<QDialog*>(modal)->reject();
            m_printSeen = true;
            return true;
        }
        return modal != nullptr;
    }

    void Tick() {
        if (++m_ticks > MaxTicks) {
            Write("timeout", QString::number(m_step));
            std::exit(3);
        }
        if (AnswerModal()) {
            return;
        }
        QWidget* window = MainWindow();
        if (!window || !window->isVisible()) {
            return;
        }
        if (m_step == 0) {
            m_step = 1;
            WriteMaterials("materials");
            Click(window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton2")));
            Click(window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton7")));
        } else if (m_step == 1 && m_dialogAnswered) {
            WriteMaterials("materials after addition");
            m_step = 2;
            Click(window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton1")));
        } else if (m_step == 2 && m_aboutSeen) {
            m_step = 3;
            Click(window->findChild<QAbstractButton*>(QStringLiteral("SpeedButton9")));
        } else if (QWidget* list = TopLevel("PartsListWindow"); m_step == 3 && list && list->isVisible()) {
            m_step = 4;
            Click(list->findChild<QAbstractButton*>(QStringLiteral("PrintButton")));
        } else if (m_step == 4 && m_printSeen) {
            m_step = 5;
            if (list) {
                list->close();
            }
            window->close();
        }
    }

    QFile m_report;
    QTimer m_timer;
    int m_ticks = 0;
    int m_step = 0;
    bool m_dialogAnswered = false;
    bool m_aboutSeen = false;
    bool m_printSeen = false;
};

void StartDriver() {
    // After the application is built: the timer needs its event loop, the handlers its services.
    QTimer::singleShot(0, [] { new WindowDriver; });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)

#include "window_driver.moc"
