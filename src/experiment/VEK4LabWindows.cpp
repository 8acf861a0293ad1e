// Where the experiment window and the laboratory tools' windows ("Readings", "Diagrams") go on the screen:
// the window's side of LabWindowPlacement.h. The experiment window stays whole on the screen it opens on; a
// lab window goes beside it, never over the apparatus picture or the tool box where the screen has room; a
// lab window the student moved stays where they put it, and opens there again in the next session (section
// "LabWindows" of the settings file, one key per window: "x,y,width,height" of the window without its frame).
#include "VEK4.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "lab/LabWindowPlacement.h"
#include "platform/SettingsFile.h"

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

const QString LabWindowsSection = QStringLiteral("LabWindows");

QString PlaceText(const QWidget& w) {
    return QStringLiteral("%1,%2,%3,%4").arg(w.x()).arg(w.y()).arg(w.width()).arg(w.height());
}

std::optional<QRect> PlaceFromText(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || std::abs(v[i]) > 100000) return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0) return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

} // namespace

void TVEK4Form::KeepWholeOnScreen() {
    const QRect frame = frameGeometry();
    const QRect placed = NearestOnScreen(frame, AvailableArea(*this));
    if (placed != frame) move(placed.topLeft());
}

std::vector<QAction*> TVEK4Form::LabKeyActions() const {
    std::vector<QAction*> actions;
    for (QAction* action : {RecordDataAction, ZeroGaugesAction, ClearZeroAction, NewRunAction,
                            ShowTableAction, ShowDiagramsAction, FileSave, FileExportTable, FilePrintReport})
        if (action) actions.push_back(action);
    return actions;
}

QWidget* TVEK4Form::LabTopLevel(QWidget* window) const {
    return LabTabs && LabTabs->indexOf(window) >= 0 ? LabTabs.data() : window;
}

void TVEK4Form::ArrangeLabWindows(QWidget* showing) {
    // The lab windows on screen (and the one about to be) that the student has not moved, in the order they
    // were opened; the tabs window stands for the windows in it.
    LabWindowsArranged.start();
    QWidget* showingTop = showing ? LabTopLevel(showing) : nullptr;
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& w : LabWindowOrder) {
        QWidget* top = w ? LabTopLevel(w.data()) : nullptr;
        if (top && (top->isVisible() || top == showingTop) && !LabWindowsMoved.contains(top) &&
            std::find(windows.begin(), windows.end(), top) == windows.end())
            windows.push_back(top);
    }
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
    if (arranged.Shared && windows.size() > 1) {
        // No room for them apart: one window with a tab for each, in the place they would have shared.
        ShowAsTabs(windows);
        const QSize minimum = Grown(LabTabs->minimumSizeHint(), decoration);
        const QRect frame = NearestOnScreen(
            QRect(arranged.Lab.front().topLeft(), arranged.Lab.front().size().expandedTo(minimum)),
            AvailableArea(*this));
        LabWindowsPlaced.insert(LabTabs, frame.topLeft());
        LabTabs->resize(frame.size().shrunkBy(decoration));
        LabTabs->move(frame.topLeft());
        return;
    }
    for (std::size_t i = 0; i < windows.size(); ++i) {
        QWidget* w = windows[i];
        const QRect frame = arranged.Lab[i];
        // Noted before the move: the move's own event must not read as the student's.
        LabWindowsPlaced.insert(w, frame.topLeft());
        w->resize(frame.size().shrunkBy(decoration));
        w->move(frame.topLeft());
    }
}

void TVEK4Form::ShowAsTabs(const std::vector<QWidget*>& windows) {
    bool anyShown = false;
    if (!LabTabs) {
        LabTabs = new QTabWidget(this);
        LabTabs->setWindowFlags(Qt::Window);
        LabTabs->setObjectName(QStringLiteral("LabTabs"));
        LabTabs->setWindowTitle(tr("Readings and diagrams"));
        LabTabs->setDocumentMode(true);
        // The lab keys work here as in each lab window.
        for (QAction* action : LabKeyActions())
            LabTabs->addAction(action);
    }
    for (QWidget* w : windows) {
        if (w == LabTabs) {
            anyShown = anyShown || w->isVisible();
            continue;
        }
        anyShown = anyShown || w->isVisible();
        LabTabs->setWindowIcon(w->windowIcon());
        LabTabs->addTab(w, w->windowTitle()); // now a page, no longer a window of its own
        w->show();
    }
    if (anyShown) {
        LabTabs->show();
        LabTabs->raise();
    }
}

void TVEK4Form::HideLabWindows() {
    if (LabTabs) LabTabs->hide();
}

void TVEK4Form::ShowLabWindow(QWidget* window) {
    // Its moves reach LabWindowMoved through the window's application-wide event filter.
    if (!LabWindowOrder.contains(window)) {
        LabWindowOrder.push_back(window);
        // The lab commands' keys work from the lab window too (after typing a note, focus is there): the same
        // actions, so each key does exactly what it does in the experiment window.
        for (QAction* action : LabKeyActions())
            window->addAction(action);
    }
    // Placed before it is shown, so the window manager maps it there rather than where it would choose.
    QWidget* top = LabTopLevel(window);
    const bool first = !top->isVisible();
    if (first && !LabWindowsMoved.contains(top) && !PlaceWhereTheStudentLeftIt(top))
        ArrangeLabWindows(window);
    top = LabTopLevel(window); // it may have become a tab
    if (top == LabTabs) LabTabs->setCurrentWidget(window);
    window->show();
    top->show();
    top->raise();
    top->activateWindow();
    // Once the window system has framed the new window, the frames are known exactly: place them again.
    if (first) QTimer::singleShot(300, this, [this] { ArrangeLabWindows(); });
}

void TVEK4Form::LabWindowMoved(QWidget* window) {
    // A move we did not make is the student's: that window stays where they put it from now on.
    // The window manager's own moves while it maps and frames a window come within a moment of ours.
    if (LabWindowsArranged.isValid() && LabWindowsArranged.elapsed() < 1000) return;
    if (!window->isWindow()) return; // a page of the tabs window moves with it
    const auto placed = LabWindowsPlaced.constFind(window);
    if (placed != LabWindowsPlaced.constEnd() && window->isVisible() && window->pos() != *placed &&
        window->frameGeometry().topLeft() != *placed)
        LabWindowsMoved.insert(window);
    if (LabWindowsMoved.contains(window) && window->isVisible()) {
        if (!LabWindowsSaveTimer) {
            LabWindowsSaveTimer = new QTimer(this);
            LabWindowsSaveTimer->setSingleShot(true);
            LabWindowsSaveTimer->setInterval(700);
            connect(LabWindowsSaveTimer, &QTimer::timeout, this, &TVEK4Form::SaveMovedLabWindows);
        }
        LabWindowsSaveTimer->start(); // once the student lets go, not at every step of the move
    }
}

bool TVEK4Form::PlaceWhereTheStudentLeftIt(QWidget* window) {
    // The first time a lab window opens: where the student left it last time, kept whole on this screen
    // (a smaller screen, or a second screen that is gone, brings it back to the nearest place).
    if (!Lab || Lab->SettingsFile.isEmpty() || window->objectName().isEmpty()) return false;
    const std::optional<QString> text =
        ReadSettingsText(Lab->SettingsFile).Value(LabWindowsSection, window->objectName());
    const std::optional<QRect> place = text ? PlaceFromText(*text) : std::nullopt;
    if (!place) return false;
    const QRect area = AvailableArea(*this);
    const QMargins decoration = Decoration(*this);
    const QSize minimum = window->minimumSize().isEmpty() ? window->minimumSizeHint() : window->minimumSize();
    const QSize size = place->size().expandedTo(minimum).boundedTo(area.size().shrunkBy(decoration));
    const QRect frame =
        NearestOnScreen(QRect(place->topLeft(), Grown(size.expandedTo(minimum), decoration)), area);
    window->resize(size.expandedTo(minimum));
    window->move(frame.topLeft());
    LabWindowsPlaced.insert(window, frame.topLeft());
    LabWindowsMoved.insert(window);
    return true;
}

void TVEK4Form::SaveMovedLabWindows() {
    if (!Lab || Lab->SettingsFile.isEmpty()) return;
    QList<TSettingsValue> values;
    std::vector<QWidget*> windows;
    for (const QPointer<QWidget>& w : LabWindowOrder)
        if (w) windows.push_back(w.data());
    if (LabTabs) windows.push_back(LabTabs);
    for (QWidget* w : windows)
        if (w->isWindow() && LabWindowsMoved.contains(w) && !w->objectName().isEmpty())
            values.push_back({LabWindowsSection, w->objectName(), PlaceText(*w)});
    // A settings file that cannot be written costs only the remembered places: nothing to tell the student.
    if (!values.isEmpty()) (void)WriteSettingsValues(Lab->SettingsFile, values);
}
