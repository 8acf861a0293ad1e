#include "ReadingsModel.h"

#include "platform/NumberFormat.h"
#include "record/Readings.h"

namespace {

QString Mm(double v) {
    return FormatFixed(v, 3);
}

QString Zero(const TGaugeZero& z) {
    return z.Set ? Mm(z.Value) : QString();
}

} // namespace

TReadingsModel::TReadingsModel(TReadingsTable& table, QObject* parent)
    : QAbstractTableModel(parent), Table(table), Shown(table.Count()) {}

int TReadingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Shown;
}

int TReadingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TReadingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const titles[ColumnCount] = {
        "No.",           "Time (s)",    "Property varied",        "Value",
        "Gauge at (mm)", "Theory (mm)", "Gauge 1 (mm)",           "n 1",
        "s.d. 1 (mm)",   "Zero 1 (mm)", "Gauge 2 (mm)",           "n 2",
        "s.d. 2 (mm)",   "Zero 2 (mm)", "Measured - theory (mm)", "Difference (%)",
        "Note"};
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

QVariant TReadingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Table.Count()) return {};
    const TReading& r = Table.Row(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() == Property || index.column() == Value || index.column() == Note
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    auto gauge = [&](int g, int what) -> QString {
        const TMeasuredGauge& gr = r.Gauges[g];
        if (what == 3) return Zero(gr.Zero);
        if (!gr.Valid) return {};
        if (what == 0) return Mm(gr.Mean);
        if (what == 1) return QString::number(gr.Count);
        return Mm(gr.StdDev);
    };
    switch (index.column()) {
    case Number:
        return r.Number;
    case Time:
        return FormatFixed(r.ElapsedS, 1);
    case Property:
        return VariedPropertyName(r.Property);
    case Value:
        return r.Varied.Text;
    case GaugePosition:
        return r.GaugePositionMm();
    case Theory:
        return FormatFixed(r.TheoryMm, 2);
    case Gauge1:
        return gauge(0, 0);
    case Count1:
        return gauge(0, 1);
    case StdDev1:
        return gauge(0, 2);
    case Zero1:
        return gauge(0, 3);
    case Gauge2:
        return gauge(1, 0);
    case Count2:
        return gauge(1, 1);
    case StdDev2:
        return gauge(1, 2);
    case Zero2:
        return gauge(1, 3);
    case Difference: {
        const auto d = r.DifferenceMm();
        return d ? Mm(*d) : QString();
    }
    case DifferencePercent: {
        const auto p = r.DifferencePercent();
        return p ? FormatFixed(*p, 1) : QString();
    }
    case Note:
        return r.Note;
    default:
        break;
    }
    return {};
}

Qt::ItemFlags TReadingsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == Note) f |= Qt::ItemIsEditable;
    return f;
}

bool TReadingsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != Note || index.row() >= Table.Count()) return false;
    Table.SetNote(index.row(), value.toString());
    emit dataChanged(index, index);
    if (NoteEdited) NoteEdited();
    return true;
}

void TReadingsModel::Sync() {
    const int now = Table.Count();
    if (now > Shown) {
        beginInsertRows({}, Shown, now - 1);
        Shown = now;
        endInsertRows();
        return;
    }
    beginResetModel();
    Shown = now;
    endResetModel();
}
