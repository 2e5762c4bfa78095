#include "ui/parts_list/parts_list_model.h"

#include "calc/errors.h"
#include "calc/number_text.h"
#include "calc/shapes.h"
#include "calc/units.h"

#include <QFont>

#include <array>
#include <string_view>

namespace volcalc::ui {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A figure as the main window writes it; one that cannot be shown in the unit says why instead.
template <typename Convert> QString Figure(Convert convert) {
    try {
        return Text(FormatResult(convert()));
    } catch (const CalculationError& error) {
        return Text(error.what());
    }
}

QString Volume(double cubicMetres, VolumeUnit unit) {
    return Figure([&] { return VolumeForDisplay(cubicMetres, unit); });
}

QString Mass(double kilograms, MassUnit unit) {
    return Figure([&] { return MassForDisplay(kilograms, unit); });
}

// "a=100; b=1000": each text as typed after the letter it stands for on the picture.
QString ParametersText(const PartsListRow& row) {
    const ShapeEntry* shape = FindShape(row.Group, row.Shape);
    QStringList parts;
    for (std::size_t i = 0; i < row.Parameters.size(); ++i) {
        const bool named = shape && i < shape->Parameters.size();
        parts << (named ? Text(shape->Parameters[i].Letter) + QLatin1Char('=') : QString()) +
                     Text(row.Parameters[i]);
    }
    return parts.join(QStringLiteral("; "));
}

bool IsFigure(int column) {
    return column == PartsListModel::QuantityColumn || column == PartsListModel::DensityColumn ||
           column >= PartsListModel::PieceVolumeColumn;
}

} // namespace

PartsListModel::PartsListModel(QObject* parent) : QAbstractTableModel(parent) {
    setObjectName(QStringLiteral("PartsListModel"));
}

void PartsListModel::Add(const AcceptedCalculation& calculation) {
    PartsListRow row = MakePartsListRow(calculation);
    row.Line = NextNumber();
    const int at = int(m_list.Rows().size());
    beginInsertRows({}, at, at);
    m_list.Add(std::move(row));
    endInsertRows();
}

void PartsListModel::Undo() {
    if (m_list.Rows().empty()) {
        return;
    }
    const int last = int(m_list.Rows().size()) - 1;
    beginRemoveRows({}, last, last);
    m_list.Undo();
    endRemoveRows();
}

void PartsListModel::Reset() {
    if (m_list.Rows().empty()) {
        return;
    }
    beginRemoveRows({}, 0, int(m_list.Rows().size()) - 1);
    m_list.Reset();
    endRemoveRows();
}

void PartsListModel::ShowTotals(const LedgerTotals& totals, ReportUnits units) {
    m_totals = totals;
    m_units = units;
    m_volumesShown = m_massesShown = true;
    FiguresChanged(PieceVolumeColumn, MassColumn);
}

void PartsListModel::ShowVolumes(const LedgerTotals& totals, VolumeUnit unit) {
    m_totals = totals;
    m_units.Volume = unit;
    m_volumesShown = true;
    FiguresChanged(PieceVolumeColumn, VolumeColumn);
}

void PartsListModel::ShowMasses(const LedgerTotals& totals, MassUnit unit) {
    m_totals = totals;
    m_units.Mass = unit;
    m_massesShown = true;
    FiguresChanged(PieceMassColumn, MassColumn);
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
    case Qt::DisplayRole:
        return CellText(index.row(), index.column());
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
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Vertical) {
        return section + 1;
    }
    return HeaderText(section);
}

QString PartsListModel::HeaderText(int column) const {
    const QString volume = QStringLiteral(", cubic ") + Text(NameOf(m_units.Volume));
    const QString mass = QStringLiteral(", ") + Text(NameOf(m_units.Mass));
    switch (column) {
    case NumberColumn:
        return QStringLiteral("No.");
    case GroupColumn:
        return QStringLiteral("Object or aperture");
    case ShapeColumn:
        return QStringLiteral("Shape");
    case UnitColumn:
        return QStringLiteral("Length unit");
    case QuantityColumn:
        return QStringLiteral("Quantity");
    case ParametersColumn:
        return QStringLiteral("Parameters");
    case MaterialColumn:
        return QStringLiteral("Material");
    case DensityColumn:
        return QStringLiteral("Density, kg/m\u00b3");
    case PieceVolumeColumn:
        return QStringLiteral("Volume of one piece") + volume;
    case VolumeColumn:
        return QStringLiteral("Volume") + volume;
    case PieceMassColumn:
        return QStringLiteral("Mass of one piece") + mass;
    case MassColumn:
        return QStringLiteral("Mass") + mass;
    default:
        return {};
    }
}

QString PartsListModel::CellText(int row, int column) const {
    if (row < 0 || column < 0 || column >= ColumnCount) {
        return {};
    }
    const auto& rows = m_list.Rows();
    if (std::size_t(row) < rows.size()) {
        return RowText(rows[std::size_t(row)], column);
    }
    return TotalsText(row - int(rows.size()), column);
}

QString PartsListModel::RowText(const PartsListRow& row, int column) const {
    switch (column) {
    case NumberColumn:
        return QString::number(row.Line);
    case GroupColumn:
        return row.Group == CalcGroup::Object ? QStringLiteral("Object") : QStringLiteral("Aperture");
    case ShapeColumn:
        return Text(row.Shape);
    case UnitColumn:
        return Text(row.Unit);
    case QuantityColumn:
        return QString::number(row.Quantity);
    case ParametersColumn:
        return ParametersText(row);
    case MaterialColumn:
        return QString::fromStdString(row.Material);
    case DensityColumn:
        return QString::number(row.Density);
    case PieceVolumeColumn:
        return Volume(row.PieceVolume, m_units.Volume);
    case VolumeColumn:
        return Volume(row.Volume, m_units.Volume);
    case PieceMassColumn:
        return Mass(row.PieceMass, m_units.Mass);
    case MassColumn:
        return Mass(row.Mass, m_units.Mass);
    default:
        return {};
    }
}

// The totals rows read as the main window's fields: object, aperture, then the result.
QString PartsListModel::TotalsText(int totalsRow, int column) const {
    struct Totals {
        const char* Caption;
        double Volume;
        double Mass;
    };
    const std::array<Totals, TotalsRowCount> totals = {{
        {"Object total", m_totals.ObjectVolume, m_totals.ObjectMass},
        {"Aperture total", m_totals.ApertureVolume, m_totals.ApertureMass},
        {"Total", m_totals.TotalVolume, m_totals.TotalMass},
    }};
    if (totalsRow < 0 || totalsRow >= TotalsRowCount) {
        return {};
    }
    const Totals& line = totals[std::size_t(totalsRow)];
    switch (column) {
    case GroupColumn:
        return QString::fromLatin1(line.Caption);
    case VolumeColumn:
        return m_volumesShown ? Volume(line.Volume, m_units.Volume) : QString();
    case MassColumn:
        return m_massesShown ? Mass(line.Mass, m_units.Mass) : QString();
    default:
        return {};
    }
}

} // namespace volcalc::ui
