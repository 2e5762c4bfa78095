// Preloaded (LD_PRELOAD) into an unpacked volcalc, it uses the window as a user would: it reads the
// material list, presses Help, adds one material through the add-material dialog and reads the
// list again. What it saw goes to the file named by VOLCALC_DRIVER_REPORT, one "key: value" a
// line; a message box that comes up is written down and closed. Then it closes the window.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cstdlib>

namespace {

constexpr auto AddedName = "Packaged test alloy";
constexpr auto AddedDensity = "4321";
constexpr int TickMilliseconds = 50;
constexpr int MaxTicks = 600;

QWidget* MainWindow() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Form1")) {
            return top;
        }
    }
    return nullptr;
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
            window->close();
        }
    }

    QFile m_report;
    QTimer m_timer;
    int m_ticks = 0;
    int m_step = 0;
    bool m_dialogAnswered = false;
};

void StartDriver() {
    // After the application is built: the timer needs its event loop, the handlers its services.
    QTimer::singleShot(0, [] { new WindowDriver; });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)

#include "window_driver.moc"
