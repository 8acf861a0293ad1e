// Where the experiment window and the laboratory tools' windows ("Readings", "Diagrams") go on the screen:
// the window's side of LabWindowPlacement.h. The experiment window stays whole on the screen it opens on; a
// lab window goes beside it, never over the apparatus picture or the tool box where the screen has room; a
// lab window the student moved stays where they put it.
#include "VEK4.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "lab/LabWindowPlacement.h"

namespace {

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1920, 1080);
}

// The decoration the window system puts around a window, read from the experiment window once it has one.
QMargins Decoration(const QWidget& window) {
    const QRect frame = window.frameGeometry(), client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QSize Grown(QSize size, const QMargins& m) {
    return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

} // namespace

void TVEK4Form::KeepWholeOnScreen() {
    const QRect frame = frameGeometry();
    const QRect placed = NearestOnScreen(frame, AvailableArea(*this));
    if (placed != frame) move(placed.topLeft());
}

void TVEK4Form::ArrangeLabWindows(QWidget* showing) {
    // The lab windows on screen (and the one about to be) that the student has not moved, in the order they
    // were opened.
    LabWindowsArranged.start();
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& w : LabWindowOrder)
        if (w && (w->isVisible() || w == showing) && !LabWindowsMoved.contains(w.data()))
            windows.push_back(w.data());
    const QMargins decoration = Decoration(*this);
    std::vector<TLabWindowSize> sizes;
    for (QWidget* w : windows) {
        // The window's own minimum where it sets one (a layout that changes with the width), else its
        // layout's.
        const QSize minimum = w->minimumSize().isEmpty() ? w->minimumSizeHint() : w->minimumSize();
        const QSize preferred = LabWindowsPlaced.contains(w) ? w->size() : w->size().expandedTo(minimum);
        sizes.push_back({Grown(minimum, decoration), Grown(preferred, decoration)});
    }
    const TLabArrangement arranged = ::ArrangeLabWindows(AvailableArea(*this), frameGeometry(), sizes);
    if (arranged.Experiment != frameGeometry()) move(arranged.Experiment.topLeft());
    for (std::size_t i = 0; i < windows.size(); ++i) {
        QWidget* w = windows[i];
        const QRect frame = arranged.Lab[i];
        // Noted before the move: the move's own event must not read as the student's.
        LabWindowsPlaced.insert(w, frame.topLeft());
        w->resize(frame.size().shrunkBy(decoration));
        w->move(frame.topLeft());
    }
}

void TVEK4Form::ShowLabWindow(QWidget* window) {
    // Its moves reach LabWindowMoved through the window's application-wide event filter.
    if (!LabWindowOrder.contains(window)) {
        LabWindowOrder.push_back(window);
        // The lab commands' keys work from the lab window too (after typing a note, focus is there): the same
        // actions, so each key does exactly what it does in the experiment window.
        for (QAction* action : {RecordDataAction, ZeroGaugesAction, ClearZeroAction, ShowTableAction,
                                ShowDiagramsAction, FileSave, FileExportTable, FilePrintReport})
            if (action) window->addAction(action);
    }
    // Placed before it is shown, so the window manager maps it there rather than where it would choose.
    const bool first = !window->isVisible();
    if (first) ArrangeLabWindows(window);
    window->show();
    window->raise();
    window->activateWindow();
    // Once the window system has framed the new window, the frames are known exactly: place them again.
    if (first) QTimer::singleShot(300, this, [this] { ArrangeLabWindows(); });
}

void TVEK4Form::LabWindowMoved(QWidget* window) {
    // A move we did not make is the student's: that window stays where they put it from now on.
    // The window manager's own moves while it maps and frames a window come within a moment of ours.
    if (LabWindowsArranged.isValid() && LabWindowsArranged.elapsed() < 1000) return;
    const auto placed = LabWindowsPlaced.constFind(window);
    if (placed != LabWindowsPlaced.constEnd() && window->isVisible() && window->pos() != *placed &&
        window->frameGeometry().topLeft() != *placed)
        LabWindowsMoved.insert(window);
}
