// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/parts_list/parts_list_model.h"
#include "ui/object_names.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/number_writer.h"
#include "calc/price.h"
#include "calc/shapes.h"
#include "calc/units.h"
#include "sections/section_shapes.h"
#include "ui/text.h"

#include <QApplication>
#include <QFont>
#include <QStyle>

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

namespace volcalc::ui {
namespace {

// Shortest text that reads back as the same double, with the regional separator, for a
// spreadsheet to sum without the list's rounding.
QString FullPrecision(double value) {
    return Text(WithDecimalSeparator(DoubleText(value == 0 ? 0.0 : value)));
}

// A figure in the list's form, or in full for the clipboard; one that cannot be shown in the
// unit says why instead.
template <typename Convert> QString Figure(Convert convert, FigureForm form) {
    try {
        const double value = convert();
        return form == FigureForm::Shown ? Text(FormatListFigure(value)) : FullPrecision(value);
    } catch (const CalculationError& error) {
        return Text(error.what());
    }
}

QString Volume(double cubicMetres, VolumeUnit unit, FigureForm form) {
    return Figure([&] { return VolumeForDisplay(cubicMetres, unit); }, form);
}

// Empty where there is none: an aperture, or a section whose table tells no outline.
QString Surface(std::optional<double> squareMetres, VolumeUnit unit, FigureForm form) {
    return squareMetres ? Figure([&] { return SurfaceForDisplay(*squareMetres, unit); }, form) : QString();
}

QString Mass(double kilograms, MassUnit unit, FigureForm form) {
    return Figure([&] { return MassForDisplay(kilograms, unit); }, form);
}

// A price or cost as the list shows it, or in full for the clipboard.
QString Money(double value, std::string (*shown)(double), FigureForm form) {
    return form == FigureForm::Shown ? Text(shown(value)) : FullPrecision(value);
}

// Zero stays "0", not "-0".
double Negated(double value) {
    return value == 0 ? 0.0 : -value;
}

// The units as a header's second line shows them; a screen reader reads their names instead.
QString Symbol(VolumeUnit unit) {
    static const std::array<const char*, VolumeUnitNames.size()> symbols = {"mm³", "cm³", "m³",
                                                                            "in³", "ft³", "yd³"};
    return QString::fromUtf8(symbols[std::size_t(unit)]);
}

QString SquareSymbol(VolumeUnit unit) {
    static const std::array<const char*, VolumeUnitNames.size()> symbols = {"mm²", "cm²", "m²",
                                                                            "in²", "ft²", "yd²"};
    return QString::fromUtf8(symbols[std::size_t(unit)]);
}

QString Symbol(MassUnit unit) {
    static const std::array<const char*, MassUnitNames.size()> symbols = {"g", "kg", "centner", "t", "lb"};
    return QString::fromLatin1(symbols[std::size_t(unit)]);
}

// "a=100; b=1000": each text as typed after the letter it stands for on the picture.
QString ParametersText(const PartsListRow& row) {
    const std::span<const ShapeParameter> letters = row.Shape->Parameters;
    QStringList parts;
    for (std::size_t i = 0; i < row.Parameters.size(); ++i) {
        const bool named = i < letters.size();
        parts << (named ? Text(letters[i].Letter) + QLatin1Char('=') : QString()) + Text(row.Parameters[i]);
    }
    return parts.join(QStringLiteral("; "));
}

bool IsFigure(int column) {
    return column == PartsListModel::QuantityColumn || column == PartsListModel::DensityColumn ||
           (column >= PartsListModel::PieceVolumeColumn && column <= PartsListModel::SurfaceColumn);
}

} // namespace

PartsListModel::PartsListModel(QObject* parent) : QAbstractTableModel(parent) {
    setObjectName(QString::fromLatin1(names::parts_list::Model));
}

// Rows from `from` on are numbered by their place again, after rows came or went before them.
void PartsListModel::Renumber(std::size_t from) {
    for (std::size_t i = from; i < m_list.Size(); ++i) {
        if (m_list.Rows()[i].Line != i + 1) {
            PartsListRow row = m_list.Rows()[i];
            row.Line = i + 1;
            m_list.Replace(i, std::move(row));
        }
    }
    if (from < m_list.Size()) {
        emit dataChanged(index(int(from), NumberColumn), index(int(m_list.Size()) - 1, NumberColumn));
    }
}

void PartsListModel::InsertRows(int at, std::vector<PartsListRow> rows) {
    if (rows.empty()) {
        return;
    }
    at = std::clamp(at, 0, int(m_list.Size()));
    const int count = int(rows.size());
    beginInsertRows({}, at, at + count - 1);
    for (int i = 0; i < count; ++i) {
        rows[std::size_t(i)].Line = std::size_t(at + i) + 1;
        m_list.Insert(std::size_t(at + i), std::move(rows[std::size_t(i)]));
    }
    endInsertRows();
    Renumber(std::size_t(at + count));
    emit ListChanged();
}

std::vector<PartsListRow> PartsListModel::TakeRows(const std::vector<int>& positions) {
    std::vector<PartsListRow> taken(positions.size());
    // Taken from the last, so that the places before stay where they were.
    for (std::size_t i = positions.size(); i-- > 0;) {
        const int at = positions[i];
        beginRemoveRows({}, at, at);
        taken[i] = m_list.Remove(std::size_t(at));
        endRemoveRows();
    }
    if (!positions.empty()) {
        Renumber(std::size_t(positions.front()));
    }
    emit ListChanged();
    return taken;
}

void PartsListModel::PutRows(const std::vector<int>& positions, std::vector<PartsListRow> rows) {
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int at = positions[i];
        beginInsertRows({}, at, at);
        m_list.Insert(std::size_t(at), std::move(rows[i]));
        endInsertRows();
    }
    if (!positions.empty()) {
        Renumber(std::size_t(positions.front()));
    }
    emit ListChanged();
}

void PartsListModel::ReplaceRow(int at, PartsListRow row) {
    row.Line = std::size_t(at) + 1;
    m_list.Replace(std::size_t(at), std::move(row));
    emit dataChanged(index(at, 0), index(at, ColumnCount - 1));
    emit ListChanged();
}

std::vector<PartsListRow> PartsListModel::ReplaceAll(std::vector<PartsListRow> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i].Line = i + 1;
    }
    beginResetModel();
    std::vector<PartsListRow> before = m_list.ReplaceAll(std::move(rows));
    endResetModel();
    emit ListChanged();
    return before;
}

void PartsListModel::SetMaterialCheck(std::function<MaterialDifference(const PartsListRow&)> check) {
    m_materialCheck = std::move(check);
    MaterialsChanged();
}

void PartsListModel::MaterialsChanged() {
    // A mark widens the material's cell: the window fits its columns again.
    emit headerDataChanged(Qt::Horizontal, MaterialColumn, MaterialColumn);
    if (!m_list.Rows().empty()) {
        emit dataChanged(index(0, 0), index(int(m_list.Rows().size()) - 1, ColumnCount - 1));
    }
}

MaterialDifference PartsListModel::DifferenceOf(int row) const {
    if (!m_materialCheck || row < 0 || std::size_t(row) >= m_list.Rows().size()) {
        return {};
    }
    return m_materialCheck(m_list.Rows()[std::size_t(row)]);
}

// Why the row is marked, for its tip and a screen reader.
QString PartsListModel::MarkTip(int row) const {
    const MaterialDifference difference = DifferenceOf(row);
    if (difference.Missing) {
        return QStringLiteral(
            "The catalogue has no material of this name; the row keeps the density and price "
            "it was calculated with.");
    }
    QStringList changed;
    if (difference.DensityChanged) {
        changed << QStringLiteral("density");
    }
    if (difference.PriceChanged) {
        changed << QStringLiteral("price");
    }
    return changed.isEmpty() ? QString()
                             : QStringLiteral("The catalogue's %1 of this material differs from the row's; "
                                              "\"Update prices\" takes the catalogue's.")
                                   .arg(changed.join(QStringLiteral(" and ")));
}

std::vector<int> PartsListModel::ReportColumns() const {
    std::vector<int> columns;
    for (int column = 0; column < ColumnCount; ++column) {
        const auto typed = [column](const PartsListRow& row) {
            return !(column == MarkColumn ? row.Mark : row.Note).empty();
        };
        const bool own = column == MarkColumn || column == NoteColumn;
        if (!own || std::any_of(m_list.Rows().begin(), m_list.Rows().end(), typed)) {
            columns.push_back(column);
        }
    }
    return columns;
}

bool PartsListModel::IsEditable(int column) const {
    return column == MarkColumn || column == QuantityColumn || column == ParametersColumn ||
           column == UnitColumn || column == MaterialColumn || column == NoteColumn;
}

Qt::ItemFlags PartsListModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && !IsTotalsRow(index.row()) && IsEditable(index.column())) {
        flags |= Qt::ItemIsEditable;
    }
    return flags;
}

void PartsListModel::ShowTotals(const LedgerTotals& totals, ReportUnits units) {
    m_totals = totals;
    m_units = units;
    m_volumesShown = m_massesShown = true;
    FiguresChanged(PieceVolumeColumn, SurfaceColumn);
}

void PartsListModel::SetCurrency(const QString& currency) {
    if (currency != m_currency) {
        m_currency = currency;
        emit headerDataChanged(Qt::Horizontal, PriceColumn, CostColumn);
    }
}

void PartsListModel::ShowVolumes(const LedgerTotals& totals, VolumeUnit unit) {
    m_totals = totals;
    m_units.Volume = unit;
    m_volumesShown = true;
    FiguresChanged(PieceVolumeColumn, VolumeColumn);
    FiguresChanged(SurfaceColumn, SurfaceColumn);
}

void PartsListModel::ShowMasses(const LedgerTotals& totals, MassUnit unit) {
    m_totals = totals;
    m_units.Mass = unit;
    m_massesShown = true;
    FiguresChanged(PieceMassColumn, CostColumn);
}

void PartsListModel::FiguresChanged(int firstColumn, int lastColumn) {
    emit headerDataChanged(Qt::Horizontal, firstColumn, lastColumn);
    emit dataChanged(index(0, firstColumn), index(rowCount() - 1, lastColumn), {Qt::DisplayRole});
}

int PartsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_list.Rows().size()) + TotalsRowCount;
}

int PartsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PartsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DecorationRole:
        if (index.column() == MaterialColumn && DifferenceOf(index.row()).Any()) {
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        }
        return {};
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CellText(index.row(), index.column());
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        if (index.column() == MaterialColumn && DifferenceOf(index.row()).Any()) {
            return MarkTip(index.row());
        }
        if (role == Qt::AccessibleDescriptionRole) {
            return {};
        }
        // A text narrowed to fit the window is read whole in its tip.
        return IsFigure(index.column()) ? QVariant() : QVariant(CellText(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return IsFigure(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                        : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (IsTotalsRow(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant PartsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    switch (role) {
    case Qt::DisplayRole:
        return HeaderText(section);
    case Qt::AccessibleTextRole:
        return HeaderSpoken(section);
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

// Short captions, the unit on a line of its own, so that the figures' columns are as narrow as
// their figures.
PartsListModel::Header PartsListModel::HeaderOf(int column) const {
    const QString cubic = QStringLiteral("cubic ");
    const Header volume{{}, Symbol(m_units.Volume), cubic + Text(NameOf(m_units.Volume))};
    const Header mass{{}, Symbol(m_units.Mass), Text(NameOf(m_units.Mass))};
    const Header surface{
        {}, SquareSymbol(m_units.Volume), QStringLiteral("square ") + Text(NameOf(m_units.Volume))};
    const auto with = [](Header header, const char* caption) {
        header.Caption = QString::fromLatin1(caption);
        return header;
    };
    switch (column) {
    case NumberColumn:
        return {QStringLiteral("No."), {}, {}};
    case MarkColumn:
        return {QStringLiteral("Mark"), {}, {}};
    case NoteColumn:
        return {QStringLiteral("Note"), {}, {}};
    case GroupColumn:
        return {QStringLiteral("Object or\naperture"), {}, {}};
    case ShapeColumn:
        return {QStringLiteral("Shape"), {}, {}};
    case UnitColumn:
        return {QStringLiteral("Length\nunit"), {}, {}};
    case QuantityColumn:
        return {QStringLiteral("Quantity"), {}, {}};
    case ParametersColumn:
        return {QStringLiteral("Parameters"), {}, {}};
    case MaterialColumn:
        return {QStringLiteral("Material"), {}, {}};
    case DensityColumn:
        return {QStringLiteral("Density"), QStringLiteral("kg/m\u00b3"),
                QStringLiteral("kilograms per cubic metre")};
    case PieceVolumeColumn:
        return with(volume, "Piece volume");
    case VolumeColumn:
        return with(volume, "Volume");
    case PieceMassColumn:
        return with(mass, "Piece mass");
    case MassColumn:
        return with(mass, "Mass");
    case PriceColumn:
        return {QStringLiteral("Price\nper kg"), m_currency, m_currency};
    case CostColumn:
        return {QStringLiteral("Cost"), m_currency, m_currency};
    case SurfaceColumn:
        return with(surface, "Surface");
    default:
        return {};
    }
}

QString PartsListModel::HeaderText(int column) const {
    const Header header = HeaderOf(column);
    return header.Unit.isEmpty() ? header.Caption : header.Caption + QLatin1Char('\n') + header.Unit;
}

QString PartsListModel::HeaderLine(int column) const {
    const Header header = HeaderOf(column);
    const QString caption = QString(header.Caption).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return header.Unit.isEmpty() ? caption : caption + QStringLiteral(", ") + header.Unit;
}

QString PartsListModel::HeaderSpoken(int column) const {
    const Header header = HeaderOf(column);
    const QString caption = QString(header.Caption).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return header.UnitWords.isEmpty() ? caption : caption + QStringLiteral(", ") + header.UnitWords;
}

QString PartsListModel::CellText(int row, int column) const {
    return Cell(row, column, FigureForm::Shown);
}

QString PartsListModel::CopyText(int row, int column) const {
    return Cell(row, column, FigureForm::Full);
}

QString PartsListModel::Cell(int row, int column, FigureForm form) const {
    if (row < 0 || column < 0 || column >= ColumnCount) {
        return {};
    }
    const auto& rows = m_list.Rows();
    if (std::size_t(row) < rows.size()) {
        return RowText(rows[std::size_t(row)], column, form);
    }
    return TotalsText(row - int(rows.size()), column, form);
}

QString PartsListModel::RowText(const PartsListRow& row, int column, FigureForm form) const {
    switch (column) {
    case NumberColumn:
        return QString::number(row.Line);
    case MarkColumn:
        return QString::fromStdString(row.Mark);
    case NoteColumn:
        return QString::fromStdString(row.Note);
    case GroupColumn:
        return row.Group == CalcGroup::Object ? QStringLiteral("Object") : QStringLiteral("Aperture");
    case ShapeColumn:
        return Text(ShapeName(row));
    case UnitColumn:
        return Text(NameOf(row.Unit));
    case QuantityColumn:
        return QString::number(row.Quantity);
    case ParametersColumn:
        return ParametersText(row);
    case MaterialColumn:
        return QString::fromStdString(row.Material);
    case DensityColumn:
        return QString::number(row.Density);
    case PieceVolumeColumn:
        return Volume(row.PieceVolume, m_units.Volume, form);
    case VolumeColumn:
        return Volume(row.Volume, m_units.Volume, form);
    case PieceMassColumn:
        return Mass(row.PieceMass, m_units.Mass, form);
    case MassColumn:
        return Mass(row.Mass, m_units.Mass, form);
    case PriceColumn:
        return row.PricePerKg ? Money(*row.PricePerKg, FormatPrice, form) : QString();
    case CostColumn:
        return row.Cost ? Money(*row.Cost, FormatCost, form) : QString();
    case SurfaceColumn:
        return Surface(row.Surface, m_units.Volume, form);
    default:
        return {};
    }
}

// The totals rows read as the main window's fields, at their precision: object, aperture (with
// the sign of its rows, where the field shows what is taken away), then the result.
QString PartsListModel::TotalsText(int totalsRow, int column, FigureForm form) const {
    struct Totals {
        const char* Caption;
        double Volume;
        double Mass;
        std::optional<double> Cost;
        std::optional<double> Surface; // none for the apertures
    };
    // Apertures cost nothing once there are costs at all; with none, no total has a cost either.
    const std::optional<double> apertureCost = m_totals.Cost ? std::optional(0.0) : std::nullopt;
    const std::array<Totals, TotalsRowCount> totals = {{
        {"Object total", m_totals.ObjectVolume, m_totals.ObjectMass, m_totals.Cost, m_totals.ObjectSurface},
        {"Aperture total", Negated(m_totals.ApertureVolume), Negated(m_totals.ApertureMass), apertureCost,
         std::nullopt},
        {"Total", m_totals.TotalVolume, m_totals.TotalMass, m_totals.Cost, m_totals.ObjectSurface},
    }};
    if (totalsRow < 0 || totalsRow >= TotalsRowCount) {
        return {};
    }
    const Totals& line = totals[std::size_t(totalsRow)];
    switch (column) {
    case GroupColumn:
        return QString::fromLatin1(line.Caption);
    case VolumeColumn:
        return m_volumesShown ? Volume(line.Volume, m_units.Volume, form) : QString();
    case MassColumn:
        return m_massesShown ? Mass(line.Mass, m_units.Mass, form) : QString();
    case PriceColumn:
        // The cost total leaves out what has no price, so the last row says how much that is.
        return totalsRow == TotalsRowCount - 1 && m_totals.UnpricedRows > 0
                   ? QStringLiteral("%1 unpriced").arg(m_totals.UnpricedRows)
                   : QString();
    case CostColumn:
        return m_massesShown && line.Cost ? Money(*line.Cost, FormatCost, form) : QString();
    case SurfaceColumn:
        return m_volumesShown ? Surface(line.Surface, m_units.Volume, form) : QString();
    default:
        return {};
    }
}

} // namespace volcalc::ui
