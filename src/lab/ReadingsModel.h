#pragma once
// The table of readings as an item model: one row per reading, units in the column headers, the note and
// the run's name editable (a name given in one row names the whole run). Blank cells are empty strings
// (virtual mode, a gauge in error, no theory to compare). The columns a student compares come first, so
// that they fit a narrow window: the value, theory, the compared gauge's measured value and the difference.

#include <QAbstractTableModel>
#include <functional>

class TReadingsTable;

class TReadingsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn {
        Number,
        Run,
        Value,
        Theory,
        Measured,
        Difference,
        DifferencePercent,
        Compared,
        Time,
        Property,
        GaugePosition,
        Gauge1,
        Count1,
        StdDev1,
        Zero1,
        Gauge2,
        Count2,
        StdDev2,
        Zero2,
        Section,
        Material,
        Fitted,
        Note,
        ColumnCount
    };

    explicit TReadingsModel(TReadingsTable& table, QObject* parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The table changed under the model: rows appended at the end, or anything else (a full reset).
    void Sync();
    std::function<void()> NoteEdited; // a note or a run's name was edited

private:
    TReadingsTable& Table;
    int Shown = 0; // rows the views know of
};
