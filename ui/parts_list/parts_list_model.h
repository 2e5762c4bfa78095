// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/ledger.h"
#include "calc/parts_list.h"

#include <QAbstractTableModel>

namespace volcalc::ui {

// A figure as the list shows it, or in full.
enum class FigureForm { Shown, Full };

// The parts list as a table: one row per calculation that counts, then three rows with the
// object, aperture and resulting totals. Figures are shown in the display units the main window
// shows its totals in, with four significant digits at least (FormatListFigure), so that the
// last rows read as its fields when rounded as they round.
class PartsListModel : public QAbstractTableModel {
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

        ColumnCount
    };
    static constexpr int TotalsRowCount = 3;

    explicit PartsListModel(QObject* parent = nullptr);

    // The main window's side: each calculation the ledger accepted, its undo and its reset. A row
    // is numbered by its place in the list.
    void Add(PartsListRow row);
    void Undo();
    void Reset();
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

private:
    struct Header {
        QString Caption;
        QString Unit;
        QString UnitWords;
    };
    Header HeaderOf(int column) const;
    std::size_t NextNumber() const { return m_list.Rows().size() + 1; }
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
};

} // namespace volcalc::ui
