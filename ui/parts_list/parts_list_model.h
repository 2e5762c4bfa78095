// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/parts_list.h"

#include <QAbstractTableModel>

#include <functional>
#include <vector>

namespace volcalc::ui {

// A figure as the list shows it, or in full.
enum class FigureForm { Shown, Full };

// Why a row's material is marked: what the catalogue says of it now. A row keeps the density and
// price it was calculated with; the list shows where the catalogue no longer agrees.
struct MaterialDifference {
    bool Missing = false;        // the catalogue has no material of the row's name
    bool DensityChanged = false; // it has, with another density
    bool PriceChanged = false;   // it has, with another price (or a price where the row had none)
    bool Any() const { return Missing || DensityChanged || PriceChanged; }
};

// The parts list as a table: one row per calculation that counts, then three rows with the
// object, aperture and resulting totals. Figures are shown in the display units the main window
// shows its totals in, with four significant digits at least (FormatListFigure), so that the
// last rows read as its fields when rounded as they round.
class PartsListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NumberColumn,
        GroupColumn,
        ShapeColumn,
        UnitColumn,
        QuantityColumn,
        ParametersColumn,
        MaterialColumn,
        DensityColumn,
        PieceVolumeColumn,
        VolumeColumn,
        PieceMassColumn,
        MassColumn,
        PriceColumn,
        CostColumn,
        SurfaceColumn, // of all pieces, in the square of the volume unit's length

        // The person's own texts come last in the copied and printed list; the window shows the
        // mark beside the number.
        MarkColumn,
        NoteColumn,
        ColumnCount
    };
    static constexpr int TotalsRowCount = 3;

    explicit PartsListModel(QObject* parent = nullptr);

    // The edits of the list; the undo commands (list_commands.h) are their only callers besides
    // loading a job. A row is numbered by its place in the list, and renumbered when it moves.
    // `positions` are ascending and name rows of the list.
    void InsertRows(int at, std::vector<PartsListRow> rows);
    std::vector<PartsListRow> TakeRows(const std::vector<int>& positions);
    // Puts rows that TakeRows took back where they were: `positions` are their places afterwards.
    void PutRows(const std::vector<int>& positions, std::vector<PartsListRow> rows);
    void ReplaceRow(int at, PartsListRow row);
    // All rows at once (opening a job, a reset, new prices): the rows it held before.
    std::vector<PartsListRow> ReplaceAll(std::vector<PartsListRow> rows);
    // The totals of the rows as they stand, summed in list order.
    LedgerTotals ListTotals() const { return m_list.Totals(); }

    // What the catalogue says of a row's material now; unset, no row is marked.
    void SetMaterialCheck(std::function<MaterialDifference(const PartsListRow&)> check);
    // The catalogue changed: the marks are looked at again.
    void MaterialsChanged();
    MaterialDifference DifferenceOf(int row) const;
    // The ledger's totals and the display units of the main window's two lists, whenever it
    // writes its result fields: all six, or one group's three after a change of its unit. The
    // totals rows stay empty, as the fields do, until written.
    void ShowTotals(const LedgerTotals& totals, ReportUnits units);
    void ShowVolumes(const LedgerTotals& totals, VolumeUnit unit);
    void ShowMasses(const LedgerTotals& totals, MassUnit unit);

    // The catalogue's currency, named in the price and cost headers; empty for none.
    void SetCurrency(const QString& currency);
    const QString& Currency() const { return m_currency; }

    const PartsList& List() const { return m_list; }
    const LedgerTotals& Totals() const { return m_totals; }
    ReportUnits Units() const { return m_units; }
    bool IsTotalsRow(int row) const { return row >= int(m_list.Rows().size()); }

    // The columns the copied and printed list hold: the mark and the note only once a row has one.
    std::vector<int> ReportColumns() const;

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool IsEditable(int column) const;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text shown in a cell; the same with its figure in full, for the clipboard.
    QString CellText(int row, int column) const;
    QString CopyText(int row, int column) const;
    // A column header as shown, its unit on a second line; on one line ("Volume, m³"); and as
    // read out ("Volume, cubic meter").
    QString HeaderText(int column) const;
    QString HeaderLine(int column) const;
    QString HeaderSpoken(int column) const;

signals:
    // After every edit of the rows: the totals follow.
    void ListChanged();

private:
    struct Header {
        QString Caption;
        QString Unit;
        QString UnitWords;
    };
    Header HeaderOf(int column) const;
    void Renumber(std::size_t from);
    QString MarkTip(int row) const;
    QString Cell(int row, int column, FigureForm form) const;
    QString RowText(const PartsListRow& row, int column, FigureForm form) const;
    QString TotalsText(int totalsRow, int column, FigureForm form) const;
    void FiguresChanged(int firstColumn, int lastColumn);

    PartsList m_list;
    LedgerTotals m_totals;
    ReportUnits m_units;
    bool m_volumesShown = false;
    bool m_massesShown = false;
    QString m_currency;
    std::function<MaterialDifference(const PartsListRow&)> m_materialCheck;
};

} // namespace volcalc::ui
