// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/list_commands.h"

#include "ui/parts_list/parts_list_model.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace volcalc::ui {

InsertRowsCommand::InsertRowsCommand(PartsListModel& model, int at, std::vector<PartsListRow> rows,
                                     const QString& text)
    : QUndoCommand(text), m_model(model), m_at(at), m_rows(std::move(rows)) {}

void InsertRowsCommand::redo() {
    m_model.InsertRows(m_at, m_rows);
}

void InsertRowsCommand::undo() {
    std::vector<int> positions(m_rows.size());
    std::iota(positions.begin(), positions.end(), m_at);
    m_model.TakeRows(positions);
}

RemoveRowsCommand::RemoveRowsCommand(PartsListModel& model, std::vector<int> positions)
    : QUndoCommand(positions.size() == 1 ? QStringLiteral("Delete row") : QStringLiteral("Delete rows")),
      m_model(model), m_positions(std::move(positions)) {
    std::sort(m_positions.begin(), m_positions.end());
    m_positions.erase(std::unique(m_positions.begin(), m_positions.end()), m_positions.end());
}

void RemoveRowsCommand::redo() {
    m_rows = m_model.TakeRows(m_positions);
}

void RemoveRowsCommand::undo() {
    m_model.PutRows(m_positions, std::exchange(m_rows, {}));
}

ReplaceRowCommand::ReplaceRowCommand(PartsListModel& model, int at, PartsListRow row, const QString& text)
    : QUndoCommand(text), m_model(model), m_at(at), m_other(std::move(row)) {}

void ReplaceRowCommand::Swap() {
    PartsListRow current = m_model.List().Rows()[std::size_t(m_at)];
    m_model.ReplaceRow(m_at, std::move(m_other));
    m_other = std::move(current);
}

void ReplaceRowCommand::redo() {
    Swap();
}

void ReplaceRowCommand::undo() {
    Swap();
}

ReplaceAllCommand::ReplaceAllCommand(PartsListModel& model, std::vector<PartsListRow> rows,
                                     const QString& text)
    : QUndoCommand(text), m_model(model), m_other(std::move(rows)) {}

void ReplaceAllCommand::Swap() {
    m_other = m_model.ReplaceAll(std::move(m_other));
}

void ReplaceAllCommand::redo() {
    Swap();
}

void ReplaceAllCommand::undo() {
    Swap();
}

} // namespace volcalc::ui
