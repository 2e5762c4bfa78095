// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/job_session.h"

#include "calc/file_writer.h"
#include "ui/desktop/desktop_services.h"
#include "ui/desktop/program_settings.h"
#include "ui/desktop/save_file_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QSettings>
#include <QUndoStack>

#include <cerrno>
#include <exception>
#include <signal.h>
#include <string>
#include <system_error>
#include <thread>

namespace volcalc::ui {
namespace {

const QString RecentKey = QStringLiteral("Jobs/Recent");
const QString JobFilter = QStringLiteral("Jobs (*.volcalc);;All files (*)");
const QString Extension = QStringLiteral(".volcalc");

std::filesystem::path PathOf(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

QString TextOf(const std::filesystem::path& path) {
    return QFile::decodeName(path.c_str());
}

constexpr const char* RecoveryPrefix = "recovery-";

std::filesystem::path RecoveryFileOf(const std::filesystem::path& folder, long long process) {
    return folder / (RecoveryPrefix + std::to_string(process) + ".volcalc");
}

// A recovery file whose program no longer runs: it ended without saving or discarding its list.
std::filesystem::path OrphanedRecovery(const std::filesystem::path& folder,
                                       const std::filesystem::path& own) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.path() == own || name.rfind(RecoveryPrefix, 0) != 0) {
            continue;
        }
        const long long process = std::atoll(name.c_str() + std::char_traits<char>::length(RecoveryPrefix));
        if (process > 0 && kill(pid_t(process), 0) != 0 && errno == ESRCH) {
            return entry.path();
        }
    }
    return {};
}

} // namespace

JobSession::JobSession(JobFormat format, std::filesystem::path recoveryFolder, QObject* parent)
    : QObject(parent), m_format(std::move(format)), m_recoveryFolder(std::move(recoveryFolder)),
      m_stack(new QUndoStack(this)) {
    if (!m_recoveryFolder.empty()) {
        m_recoveryFile = RecoveryFileOf(m_recoveryFolder, QCoreApplication::applicationPid());
    }
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(RecoveryDelayMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &JobSession::WriteRecovery);
    connect(m_stack, &QUndoStack::indexChanged, this, &JobSession::ListChanged);
    connect(m_stack, &QUndoStack::cleanChanged, this, &JobSession::StateChanged);
}

// The stack, a child, goes after this object's members and tells its last change on the way.
JobSession::~JobSession() {
    m_stack->disconnect(this);
}

void JobSession::Push(QUndoCommand* command) {
    m_stack->push(command);
}

QString JobSession::Name() const {
    return m_path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_path).completeBaseName();
}

bool JobSession::IsModified() const {
    return m_restored || !m_stack->isClean();
}

// Not restarted by every change: a list changed without a pause is still kept every interval.
void JobSession::ListChanged() {
    if (IsModified()) {
        if (!m_recoveryTimer.isActive() && !m_recoveryFile.empty()) {
            m_recoveryTimer.start();
        }
    } else {
        m_recoveryTimer.stop();
        RemoveRecovery();
    }
}

void JobSession::WriteRecovery() {
    m_recoveryTimer.stop();
    if (m_recoveryFile.empty() || !IsModified()) {
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(m_recoveryFolder, ignored);
    PosixFileWriter writer;
    ReplaceFile(writer, m_recoveryFile, m_format.Text());
}

void JobSession::RemoveRecovery() {
    if (!m_recoveryFile.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_recoveryFile, ignored);
    }
}

bool JobSession::OfferRecovery(QWidget* owner) {
    if (m_recoveryFolder.empty()) {
        return false;
    }
    const std::filesystem::path left = OrphanedRecovery(m_recoveryFolder, m_recoveryFile);
    if (left.empty()) {
        return false;
    }
    const MessageButton answer = Desktop().ShowMessage(
        QStringLiteral("The parts list was not saved when the program last ended.\nRestore it?"),
        MessageKind::Confirmation, YesButton | NoButton);
    bool restored = false;
    if (answer == YesButton && LoadFile(owner, TextOf(left))) {
        m_path.clear();
        m_restored = true;
        restored = true;
        WriteRecovery();
        emit StateChanged();
    }
    std::error_code ignored;
    std::filesystem::remove(left, ignored);
    return restored;
}

bool JobSession::MayDiscard(QWidget* owner) {
    if (!IsModified()) {
        return true;
    }
    const MessageButton answer = Desktop().ShowMessage(
        QStringLiteral("The job \"%1\" has changes that are not saved.\nSave them?").arg(Name()),
        MessageKind::Confirmation, SaveButton | DiscardButton | CancelButton);
    switch (answer) {
    case SaveButton:
        return Save(owner);
    case DiscardButton:
        m_restored = false;
        m_stack->setClean();
        RemoveRecovery();
        return true;
    default:
        return false;
    }
}

bool JobSession::New(QWidget* owner) {
    if (!MayDiscard(owner)) {
        return false;
    }
    m_format.Clear();
    m_stack->clear();
    m_path.clear();
    m_restored = false;
    RemoveRecovery();
    emit StateChanged();
    return true;
}

bool JobSession::Open(QWidget* owner) {
    if (!MayDiscard(owner)) {
        return false;
    }
    const QString folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString chosen = Desktop().OpenFileName(owner, QStringLiteral("Open job"), folder, JobFilter);
    return !chosen.isEmpty() && LoadFile(owner, chosen) && (Opened(chosen), true);
}

bool JobSession::OpenFile(QWidget* owner, const QString& path) {
    if (!MayDiscard(owner) || !LoadFile(owner, path)) {
        return false;
    }
    Opened(path);
    return true;
}

// A big job is read off the window's thread, which keeps painting, with a busy progress dialog
// that holds off the user's input until the rows are in.
std::function<void()> JobSession::ReadOffThread(QWidget* owner, const QString& path) {
    std::function<void()> apply;
    std::exception_ptr failure;
    QEventLoop loop;
    std::thread reader([&] {
        try {
            apply = m_format.Read(PathOf(path));
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QProgressDialog progress(QStringLiteral("Opening %1\u2026").arg(QFileInfo(path).fileName()), QString(), 0,
                             0, owner);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setCancelButton(nullptr);
    loop.exec();
    reader.join();
    if (failure) {
        std::rethrow_exception(failure);
    }
    return apply;
}

// The list stays as it was when the file cannot be read; a recent job that is gone leaves the menu.
bool JobSession::LoadFile(QWidget* owner, const QString& path) {
    try {
        ReadOffThread(owner, path)();
    } catch (const std::exception& error) {
        Desktop().ShowMessage(QString::fromStdString(error.what()), MessageKind::Error, OkButton);
        if (!QFileInfo::exists(path)) {
            Forget(path);
        }
        return false;
    }
    return true;
}

void JobSession::Opened(const QString& path) {
    m_stack->clear();
    m_path = QFileInfo(path).absoluteFilePath();
    m_restored = false;
    RemoveRecovery();
    Remember(m_path);
    emit StateChanged();
}

bool JobSession::Save(QWidget* owner) {
    return m_path.isEmpty() ? SaveAs(owner) : SaveTo(owner, m_path);
}

bool JobSession::SaveAs(QWidget* owner) {
    QString chosen = ChooseFileToSave(owner, QStringLiteral("Save job"), Name() + Extension, JobFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += Extension;
    }
    return SaveTo(owner, chosen);
}

bool JobSession::SaveTo(QWidget*, const QString& path) {
    PosixFileWriter writer;
    if (!ReplaceFile(writer, PathOf(path), m_format.Text())) {
        Desktop().ShowMessage(QStringLiteral("The job could not be saved to %1.").arg(path),
                              MessageKind::Error, OkButton);
        return false;
    }
    m_path = QFileInfo(path).absoluteFilePath();
    m_restored = false;
    m_stack->setClean();
    m_recoveryTimer.stop();
    RemoveRecovery();
    Remember(m_path);
    emit StateChanged();
    return true;
}

QStringList JobSession::Recent() const {
    return ProgramSettings().value(RecentKey).toStringList();
}

void JobSession::Remember(const QString& path) {
    QStringList recent = Recent();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > RecentCount) {
        recent.removeLast();
    }
    ProgramSettings().setValue(RecentKey, recent);
}

void JobSession::Forget(const QString& path) {
    QStringList recent = Recent();
    if (recent.removeAll(path) > 0) {
        ProgramSettings().setValue(RecentKey, recent);
        emit StateChanged();
    }
}

} // namespace volcalc::ui
