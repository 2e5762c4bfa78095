// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <string>

class QUndoCommand;
class QUndoStack;
class QWidget;

namespace volcalc::ui {

// How a job becomes a file and back, given by the window that holds the list.
struct JobFormat {
    // The job document of the list as it stands.
    std::function<std::string()> Text;
    // Reads a job, off the window's thread: what then puts its rows in place of the list's, on
    // the window's thread. Throws std::exception whose message names the file, the row and the
    // reason; the list is left as it was.
    std::function<std::function<void()>(const std::filesystem::path&)> Read;
    // Empties the list, for a new job.
    std::function<void()> Clear;
};

// The job the parts list is: its file, whether it has changes not saved, its undo stack, the jobs
// opened last and the recovery file that keeps an unsaved list through a crash.
class JobSession : public QObject {
    Q_OBJECT
public:
    static constexpr int RecentCount = 5;
    // A change is in the recovery file at most this long after it was made.
    static constexpr int RecoveryDelayMs = 1500;

    // `recoveryFolder`: where an unsaved list is kept, one file a running program (named by its
    // process), so that two programs never take each other's; empty for none.
    JobSession(JobFormat format, std::filesystem::path recoveryFolder, QObject* parent = nullptr);
    ~JobSession() override;

    QUndoStack& Stack() { return *m_stack; }
    // Every change to the list goes through here.
    void Push(QUndoCommand* command);

    QString FilePath() const { return m_path; }
    // The file's name without its folder and extension, or "Untitled".
    QString Name() const;
    bool IsModified() const;

    // What the menu's commands do. Each asks Save / Discard / Cancel first where unsaved changes
    // would be lost, and returns false when the user cancelled or the file could not be used.
    bool New(QWidget* owner);
    bool Open(QWidget* owner);
    bool OpenFile(QWidget* owner, const QString& path);
    bool Save(QWidget* owner);
    bool SaveAs(QWidget* owner);
    // Save / Discard / Cancel when the list has unsaved changes: true when they may be lost now.
    bool MayDiscard(QWidget* owner);

    // The jobs opened or saved last, the latest first.
    QStringList Recent() const;

    // The recovery file a crash or kill left, if any: whether the user took the offer to restore
    // it. Restored rows count as unsaved changes.
    bool OfferRecovery(QWidget* owner);
    // Writes the recovery file now, as the timer would.
    void WriteRecovery();

signals:
    // The file, the unsaved state or the recent jobs changed.
    void StateChanged();

private:
    bool SaveTo(QWidget* owner, const QString& path);
    void Opened(const QString& path);
    void Remember(const QString& path);
    void Forget(const QString& path);
    bool LoadFile(QWidget* owner, const QString& path);
    std::function<void()> ReadOffThread(QWidget* owner, const QString& path);
    void RemoveRecovery();
    void ListChanged();

    JobFormat m_format;
    std::filesystem::path m_recoveryFolder;
    std::filesystem::path m_recoveryFile; // this program's
    QUndoStack* m_stack;
    QTimer m_recoveryTimer;
    QString m_path;
    bool m_restored = false; // the rows came from the recovery file and were never saved
};

} // namespace volcalc::ui
