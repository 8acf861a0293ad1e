#include "ReadingsModel.h"

#include <QCoreApplication>

#include <cmath>

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
    // Deflection is signed as the readout shows it: downward is negative.
    static const char* const titles[ColumnCount] = {QT_TR_NOOP("No."),
                                                    QT_TR_NOOP("Run"),
                                                    QT_TR_NOOP("Value"),
                                                    QT_TR_NOOP("Theory\n(mm, down -)"),
                                                    QT_TR_NOOP("Measured\n(mm)"),
                                                    QT_TR_NOOP("Meas. - theory\n(mm)"),
                                                    QT_TR_NOOP("Difference (%)"),
                                                    QT_TR_NOOP("Gauge compared"),
                                                    QT_TR_NOOP("Time (s)"),
                                                    QT_TR_NOOP("Property varied"),
                                                    QT_TR_NOOP("Gauge at (mm)"),
                                                    QT_TR_NOOP("Gauge 1 (mm)"),
                                                    QT_TR_NOOP("n 1"),
                                                    QT_TR_NOOP("s.d. 1 (mm)"),
                                                    QT_TR_NOOP("Zero 1 (mm)"),
                                                    QT_TR_NOOP("Gauge 2 (mm)"),
                                                    QT_TR_NOOP("n 2"),
                                                    QT_TR_NOOP("s.d. 2 (mm)"),
                                                    QT_TR_NOOP("Zero 2 (mm)"),
                                                    QT_TR_NOOP("Section"),
                                                    QT_TR_NOOP("Material"),
                                                    QT_TR_NOOP("Fit"),
                                                    QT_TR_NOOP("Note")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}

QVariant TReadingsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Table.Count()) return {};
    const TReading& r = Table.Row(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return column == Property || column == Value || column == Note || column == Run ||
                       column == Section || column == Material || column == Fitted
                   ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                   : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    // A long note or reason in full on hover: the cell shows what its width holds.
    if (role == Qt::ToolTipRole) {
        if (column == Note && !r.Note.isEmpty()) return r.Note;
        if (column == Fitted && !r.NotFittedReason().isEmpty())
            return tr("Not fitted: %1").arg(r.NotFittedReason());
        if (column == Theory) return tr("Theoretical deflection at the gauge; downward is negative");
        return {};
    }
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
    case Run:
        return Table.RunName(r.Run);
    case Measured: {
        const auto m = r.MeasuredMm();
        return m ? Mm(*m) : QString();
    }
    case Compared:
        return tr("Gauge %1").arg(r.SelectedGauge + 1);
    case Section:
        return QCoreApplication::translate("Sections", r.Stiffness.SectionName.toUtf8().constData());
    case Material:
        return tr("%1, %2 GPa")
            .arg(QCoreApplication::translate("Sections", r.Stiffness.MaterialName.toUtf8().constData()),
                 FormatGeneral(std::round(r.Stiffness.ModulusGPa * 1000.0) / 1000.0));
    case Fitted:
        return r.NotFittedReason().isEmpty() ? QString() : tr("not fitted: %1").arg(r.NotFittedReason());
    case Time:
        return FormatFixed(r.ElapsedS, 1);
    case Property:
        return QCoreApplication::translate("TVEK4Form", VariedPropertyName(r.Property).toUtf8().constData());
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
    if (index.column() == Note || index.column() == Run) f |= Qt::ItemIsEditable;
    return f;
}

bool TReadingsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.row() >= Table.Count()) return false;
    if (index.column() == Run) {
        Table.RenameRun(Table.Row(index.row()).Run, value.toString());
        emit dataChanged(this->index(0, Run), this->index(rowCount() - 1, Run));
        if (NoteEdited) NoteEdited();
        return true;
    }
    if (index.column() != Note) return false;
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
