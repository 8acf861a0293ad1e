#pragma once
// The experiment window's view of the "Readings" window, which lives in a library loaded when the
// laboratory tools first show it (with the XLSX writer and the report's printing, which start-up should not
// pay for).
//
// The experiment window owns the table of readings; the view shows it, lets the student edit notes, delete
// rows, name runs and clear the table (asking first through the message layer it is given), and plots the
// runs with their fits. After changing the table the experiment window calls RowsChanged(); after a change
// made in the view, the view calls Context.Changed.

#include <QWidget>
#include <functional>

class TMessageLayer;
class TReadingsTable;

struct TReadingsViewContext {
    TReadingsTable* Table = nullptr;
    TMessageLayer* Messages = nullptr; // the program's message layer (the library has none of its own)
    QWidget* Owner = nullptr;          // the experiment window: the view is its child window, closing with it
    std::function<void()> Changed;     // the view changed the table (a note, a deletion, a clear)
};

class TReadingsView {
public:
    virtual ~TReadingsView() = default;
    [[nodiscard]] virtual QWidget* Widget() = 0;
    // The table changed: rows, plot and fit follow.
    virtual void RowsChanged() = 0;
};

// Creates the view as a child window of Context.Owner, which deletes it.
using TReadingsViewFactory = TReadingsView* (*)(const TReadingsViewContext& context);
// The name under which the loadable library exports its factory.
inline constexpr const char* ReadingsViewFactoryName = "FerrantCreateReadingsView";
// The file name (without "lib" and the suffix) of the loadable library, beside the executable.
inline constexpr const char* ReadingsLibraryName = "ferrant-lab-readings";
