// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every change to the parts list is one of these, pushed on the list's undo stack, so that undo
// and redo step through all of them and the list is never changed behind the stack's back.

#include "calc/parts_list_row.h"

#include <QString>
#include <QUndoCommand>

#include <vector>

namespace volcalc::ui {

class PartsListModel;

// Rows added at a place: a calculation, an imported list.
class InsertRowsCommand : public QUndoCommand {
public:
    InsertRowsCommand(PartsListModel& model, int at, std::vector<PartsListRow> rows, const QString& text);
    void redo() override;
    void undo() override;

private:
    PartsListModel& m_model;
    int m_at;
    std::vector<PartsListRow> m_rows;
};

// Rows deleted wherever they stand.
class RemoveRowsCommand : public QUndoCommand {
public:
    RemoveRowsCommand(PartsListModel& model, std::vector<int> positions);
    void redo() override;
    void undo() override;

private:
    PartsListModel& m_model;
    std::vector<int> m_positions; // ascending
    std::vector<PartsListRow> m_rows;
};

// One row edited: its texts, material, mark or note.
class ReplaceRowCommand : public QUndoCommand {
public:
    ReplaceRowCommand(PartsListModel& model, int at, PartsListRow row, const QString& text);
    void redo() override;
    void undo() override;

private:
    void Swap();

    PartsListModel& m_model;
    int m_at;
    PartsListRow m_other; // the row not in the list
};

// Every row at once: a reset, new prices.
class ReplaceAllCommand : public QUndoCommand {
public:
    ReplaceAllCommand(PartsListModel& model, std::vector<PartsListRow> rows, const QString& text);
    void redo() override;
    void undo() override;

private:
    void Swap();

    PartsListModel& m_model;
    std::vector<PartsListRow> m_other;
};

} // namespace volcalc::ui
