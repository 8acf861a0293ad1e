#include "VEK4Keyboard.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "experiment/VEK4LabTools.h"
#include "link/CommsModuleDM.h"
#include "platform/Cursors.h"
#include "platform/DragController.h"
#include "record/Readings.h"
#include "theory/DeflectionView.h"
#include "theory/SetupDescription.h"
#include "widgets/IntegerSpinEdit.h"

namespace {

constexpr int GaugeStylus = GaugeStylusOffset;

QString Mm(int station) {
    return QString::fromStdString(PositionText(station));
}

// The cursor a mouse drag of the source shows (the drag controller's registrations).
TCursorNumber DragCursor(const TDragSource& source) {
    if (source.IsClamp()) return 3;
    if (source.IsKnifeEdge()) return 4;
    if (source.Kind == TDragKind::UDL) return 2;
    return 1;
}

void SendMouse(const std::function<void(QMouseEvent*)>& handler, QWidget* w, QEvent::Type type, int x,
               Qt::MouseButton button) {
    const QPointF local(x, w->height() / 2.0);
    QMouseEvent event(type, local, w->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    handler(&event);
}

} // namespace

void InstallVEK4Accessibility(); // VEK4Accessibility.cpp

TVEK4Keyboard::TVEK4Keyboard(TVEK4Form* form) : QObject(form), Form(form) {
    InstallVEK4Accessibility();
    setObjectName(QStringLiteral("Keyboard"));
    AnnouncementLabel = new QLabel(Form->StatusBar1);
    AnnouncementLabel->setObjectName(QStringLiteral("Announcement"));
    AnnouncementLabel->setGeometry(0, 0, 1, 1); // on screen for assistive technology, too small to see
    AnnouncementLabel->setAccessibleName(QString());
    AnnouncementLabel->show();

    Ghost = new TPictureControl(Form->Panel1);
    Ghost->setObjectName(QStringLiteral("KeyboardGhost"));
    Ghost->setFocusPolicy(Qt::ClickFocus); // takes focus only from code, while an item is carried
    Ghost->hide();

    // Tab focus only: a click still gives no focus, so the mouse behaves as before (a box being typed in
    // keeps its focus while the mouse drags).
    std::vector<QWidget*> focusable = {Form->ScreenImage,      Form->EndClampImage, Form->KnifeEdgeImage,
                                       Form->EmptyHangerImage, Form->LClampImage,   Form->RClampImage,
                                       Form->KnifeEdge1,       Form->KnifeEdge2,    Form->UDLImage,
                                       Form->DialGaugeImage};
    focusable.insert(focusable.end(), Form->GramImages.begin(), Form->GramImages.end());
    for (const THangerSlotControls& slot : Form->HangerSlots)
        focusable.push_back(slot.Hanger);
    for (QWidget* w : focusable)
        w->setFocusPolicy(Qt::TabFocus);

    auto name = [](QWidget* w, const QString& text, const QString& description = {}) {
        w->setAccessibleName(text);
        if (!description.isEmpty()) w->setAccessibleDescription(description);
    };
    const QString pickUp = QStringLiteral("Enter picks it up, Left and Right move it, Enter drops it");
    name(Form->ScreenImage, QStringLiteral("Apparatus"));
    name(Form->EndClampImage, QStringLiteral("End clamp"), pickUp);
    name(Form->KnifeEdgeImage, QStringLiteral("Knife-edge support"), pickUp);
    name(Form->EmptyHangerImage, QStringLiteral("Weight hanger with the weight typed in the box"), pickUp);
    for (TPictureControl* mass : Form->GramImages)
        name(mass, QStringLiteral("%1 g weight").arg(mass->Tag), pickUp);
    name(Form->WeightsBinImage, QStringLiteral("Bin"));
    const QString move = QStringLiteral("Enter picks it up, Delete removes it");
    name(Form->LClampImage, QStringLiteral("Left-hand clamp"), move);
    name(Form->RClampImage, QStringLiteral("Right-hand clamp"), move);
    name(Form->KnifeEdge1, QStringLiteral("Knife-edge"), move);
    name(Form->KnifeEdge2, QStringLiteral("Knife-edge"), move);
    name(Form->UDLImage, QStringLiteral("UDL"), move);
    name(Form->DialGaugeImage, QStringLiteral("Dial gauge"),
         QStringLiteral("Enter picks it up, Left and Right move it"));
    for (THangerSlotControls& slot : Form->HangerSlots)
        slot.Hanger->setAccessibleDescription(move); // its name follows its station and mass
    name(Form->WeightSpinEdit, QStringLiteral("Variable weight, g"));
    name(Form->UDLSpinEdit, QStringLiteral("UDL intensity, N/m"));
    name(Form->UDLButton, QStringLiteral("Put the UDL on the beam"));
    name(Form->MeterComboBox, QStringLiteral("Meter channel"));
    name(Form->CaptureCombo, QStringLiteral("Capture"));
    // Every other control without a name of its own takes its hint (the toolbar's picture buttons).
    for (QWidget* w : Form->findChildren<QWidget*>())
        if (w->accessibleName().isEmpty() && !w->toolTip().isEmpty()) w->setAccessibleName(w->toolTip());

    // A reading recorded (F10, the toolbar, the menu) is said once, after the window has taken it.
    connect(Form->RecordDataAction, &QAction::triggered, this, [this] {
        // The window's own handler, connected first, has already taken the reading (or refused it).
        QTimer::singleShot(0, this, [this] {
            const TReadingsTable& table = Form->Session().Table();
            if (table.Count() > ReadingsSaid)
                Announce(QStringLiteral("Reading %1 recorded; measured %2")
                             .arg(table.Count())
                             .arg(Form->ActualDeflection->text().simplified()));
            ReadingsSaid = table.Count();
        });
    });
    LinkText = Form->ComsLabel->text();
    qApp->installEventFilter(this);
}

TVEK4Keyboard::~TVEK4Keyboard() {
    qApp->removeEventFilter(this);
}

QString TVEK4Keyboard::LastAnnouncement() const {
    return AnnouncementLabel->accessibleName();
}

void TVEK4Keyboard::Announce(const QString& text) {
    if (text.isEmpty()) return;
    AnnouncementLabel->setAccessibleName(text);
    AnnouncementLabel->setText(text);
    // Qt 6.4 has no announcement event: a name change on the status bar's label, and an alert, are what
    // AT-SPI readers speak.
    QAccessibleEvent changed(AnnouncementLabel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(AnnouncementLabel, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // The apparatus's description is written when asked; readers that keep it are told it changed.
    QAccessibleEvent described(Form->ScreenImage, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

QWidget* TVEK4Keyboard::ControlOf(const TPlacedItem& item) const {
    switch (item.Kind) {
    case TPlacedKind::LeftClamp:
        return Form->LClampImage;
    case TPlacedKind::RightClamp:
        return Form->RClampImage;
    case TPlacedKind::KnifeEdge1:
        return Form->KnifeEdge1;
    case TPlacedKind::KnifeEdge2:
        return Form->KnifeEdge2;
    case TPlacedKind::Weight:
        return Form->HangerSlots[item.Station].Hanger;
    case TPlacedKind::UDL:
        return Form->UDLImage;
    case TPlacedKind::Gauge:
        return Form->DialGaugeImage;
    }
    return nullptr;
}

bool TVEK4Keyboard::IsPlacedControl(const QWidget* w) const {
    if (!w) return false;
    if (w == Form->LClampImage || w == Form->RClampImage || w == Form->KnifeEdge1 || w == Form->KnifeEdge2 ||
        w == Form->UDLImage || w == Form->DialGaugeImage)
        return true;
    return std::any_of(Form->HangerSlots.begin(), Form->HangerSlots.end(),
                       [w](const THangerSlotControls& s) { return s.Hanger == w; });
}

bool TVEK4Keyboard::IsToolBoxSource(const QWidget* w) const {
    if (w == Form->EndClampImage || w == Form->KnifeEdgeImage || w == Form->EmptyHangerImage) return true;
    return std::find(Form->GramImages.begin(), Form->GramImages.end(), w) != Form->GramImages.end();
}

QString TVEK4Keyboard::ItemName(const TDragSource& source) const {
    switch (source.Kind) {
    case TDragKind::NewClamp:
        return QStringLiteral("Clamp");
    case TDragKind::LeftClamp:
        return QStringLiteral("Left-hand clamp");
    case TDragKind::RightClamp:
        return QStringLiteral("Right-hand clamp");
    case TDragKind::NewKnifeEdge:
    case TDragKind::KnifeEdge1:
    case TDragKind::KnifeEdge2:
        return QStringLiteral("Knife-edge");
    case TDragKind::NewFixedWeight:
    case TDragKind::NewVariableWeight:
        return QStringLiteral("%1 g").arg(source.Grams);
    case TDragKind::PlacedWeight:
        return QStringLiteral("%1 g").arg(Form->Layout.HangerSlots[source.Slot].Mass);
    case TDragKind::UDL:
        return QStringLiteral("UDL");
    }
    return {};
}

QString TVEK4Keyboard::ReadMeter() const {
    QString text = QStringLiteral("Dial gauge at %1; theoretical %2")
                       .arg(Mm(Form->Layout.GaugeStation), Form->View->DialGaugeDeflection->text());
    if (Form->DisplayMeter1->isVisible())
        text += QStringLiteral("; live meter %1").arg(Form->DisplayMeter1->text().simplified());
    if (Form->ActualDeflection->isVisible())
        text += QStringLiteral("; measured %1").arg(Form->ActualDeflection->text().simplified());
    return text;
}

// ---------------------------------------------------------------------------------------------------------
// Carrying an item: a support or a weight through the drag controller, the gauge and the UDL's end through
// their mouse handlers.

void TVEK4Keyboard::PickUp(QWidget* source) {
    if (!source->isEnabled() || !source->isVisible()) return;
    if (source == Form->DialGaugeImage) return StartGauge();
    const TDragSource what = Form->SourceOf(source);
    if (what.Kind == TDragKind::UDL) {
        if (CanResizeUDL(Form->Layout)) return StartUDLLength();
        Announce(QStringLiteral("The UDL lies between the supports; Delete removes it"));
        return;
    }
    // The hover popup of an item on the beam, as the mouse shows it before a press.
    if (source == Form->LClampImage || source == Form->RClampImage)
        Form->ClampImageMouseMove(source == Form->LClampImage);
    else if (source == Form->KnifeEdge1 || source == Form->KnifeEdge2)
        Form->KnifeEdgeMouseMove(source == Form->KnifeEdge1 ? 1 : 2);
    else if (what.Kind == TDragKind::PlacedWeight)
        Form->PositionOfWeights(what.Slot);
    int from = KeyboardStartStation(Form->Layout, what);
    if (what.Kind == TDragKind::RightClamp) from = LastStation;
    if (what.Kind == TDragKind::KnifeEdge1) from = Form->Layout.KnifeEdge1Station;
    if (what.Kind == TDragKind::KnifeEdge2) from = Form->Layout.KnifeEdge2Station;
    if (what.Kind == TDragKind::PlacedWeight) from = what.Slot;
    if (!Form->Drag->KeyBegin(source)) return;
    const int station = NearestAcceptedStation(Form->Layout, what, from);
    if (station < 0) {
        Form->Drag->KeyCancel();
        Announce(QStringLiteral("%1: no place on the beam takes it now").arg(ItemName(what)));
        return;
    }
    Moving = TMode::Item;
    MovingSource = source;
    StartStation = station;
    Ghost->SetPicture(CursorByNumber(DragCursor(what)).pixmap().toImage());
    Ghost->AutoSize();
    Ghost->setAccessibleName(ItemName(what));
    MoveTo(station);
    Ghost->show();
    Ghost->raise();
    Ghost->setFocus(Qt::OtherFocusReason);
    Announce(
        QStringLiteral("%1 picked up, at %2. Left and Right move it, Enter drops it, Escape puts it back")
            .arg(ItemName(what), Mm(station)));
}

void TVEK4Keyboard::MoveTo(int station) {
    CurrentStation = station;
    switch (Moving) {
    case TMode::Item: {
        const TDropTarget target = KeyboardTarget(station);
        const QPoint point(target.X, target.Y);
        Form->Drag->KeyOver(Form->ScreenImage, point);
        const QCursor cursor = CursorByNumber(DragCursor(Form->SourceOf(MovingSource)));
        Ghost->move(Form->ScreenImage->mapTo(Form->Panel1, point) - cursor.hotSpot());
        Ghost->raise();
        break;
    }
    case TMode::Gauge:
        SendMouse(Form->DialGaugeImage->OnMouseMove, Form->DialGaugeImage, QEvent::MouseMove,
                  StationX[station] - Form->DialGaugeImage->x(), Qt::NoButton);
        break;
    case TMode::UDLLength:
        SendMouse(Form->UDLImage->OnMouseMove, Form->UDLImage, QEvent::MouseMove,
                  StationX[station] - Form->UDLImage->x(), Qt::NoButton);
        break;
    case TMode::None:
        break;
    }
}

void TVEK4Keyboard::StartGauge() {
    Moving = TMode::Gauge;
    MovingSource = Form->DialGaugeImage;
    StartStation = CurrentStation = Form->Layout.GaugeStation;
    SendMouse(Form->DialGaugeImage->OnMouseDown, Form->DialGaugeImage, QEvent::MouseButtonPress, GaugeStylus,
              Qt::LeftButton);
    MoveTo(CurrentStation);
    Announce(QStringLiteral("Dial gauge picked up, at %1. Left and Right move it, Enter puts it down")
                 .arg(Mm(CurrentStation)));
}

void TVEK4Keyboard::StartUDLLength() {
    Moving = TMode::UDLLength;
    MovingSource = Form->UDLImage;
    StartStation = CurrentStation = Form->Layout.UDLEndStation;
    SendMouse(Form->UDLImage->OnMouseDown, Form->UDLImage, QEvent::MouseButtonPress,
              StationX[CurrentStation] - Form->UDLImage->x(), Qt::RightButton);
    MoveTo(CurrentStation);
    Announce(QStringLiteral("UDL end at %1. Left and Right change its length, Enter sets it")
                 .arg(Mm(CurrentStation)));
}

void TVEK4Keyboard::FinishMove(bool drop) {
    const TMode mode = Moving;
    QPointer<QWidget> source = MovingSource;
    Moving = TMode::None;
    MovingSource = nullptr;
    if (mode == TMode::Gauge) {
        if (!drop) {
            Moving = TMode::Gauge;
            MoveTo(StartStation);
            Moving = TMode::None;
        }
        SendMouse(Form->DialGaugeImage->OnMouseUp, Form->DialGaugeImage, QEvent::MouseButtonRelease,
                  StationX[Form->Layout.GaugeStation] - Form->DialGaugeImage->x(), Qt::LeftButton);
        Form->DialGaugeImage->setFocus(Qt::OtherFocusReason);
        Announce(QStringLiteral("Dial gauge at %1, theoretical %2")
                     .arg(Mm(Form->Layout.GaugeStation), Form->View->DialGaugeDeflection->text()));
        return;
    }
    if (mode == TMode::UDLLength) {
        const int end = drop ? CurrentStation : StartStation;
        SendMouse(Form->UDLImage->OnMouseUp, Form->UDLImage, QEvent::MouseButtonRelease,
                  StationX[end] - Form->UDLImage->x(), Qt::RightButton);
        Form->UDLImage->setFocus(Qt::OtherFocusReason);
        Announce(QStringLiteral("UDL from %1 to %2")
                     .arg(Mm(Form->Layout.UDLStartStation), Mm(Form->Layout.UDLEndStation)));
        return;
    }
    Ghost->hide();
    // The popups go with the carried item: the mouse hides them by leaving for the bare picture, keys here.
    for (QLabel* popup :
         {Form->PositionPopup, Form->PositionValue, Form->LoadPositionPopup, Form->LoadPositionValue})
        popup->hide();
    if (!source) return;
    const TDragSource what = Form->SourceOf(source);
    const QString name = ItemName(what);
    if (!drop) {
        Form->Drag->KeyCancel();
        if (source->isVisible()) source->setFocus(Qt::OtherFocusReason);
        Announce(QStringLiteral("%1 put back").arg(name));
        return;
    }
    // What the rules make of the drop, in words: the same answer the drag controller's end of drag applies.
    const TDropAnswer answer = EndDrag(Form->Layout, what, KeyboardTarget(CurrentStation));
    const std::vector<TPlacedItem> before = PlacedItemsInOrder(Form->Layout);
    Form->Drag->KeyEnd();
    const std::vector<TPlacedItem> after = PlacedItemsInOrder(Form->Layout);
    if (!answer.Warning.empty())
        Announce(QStringLiteral("%1 not placed: %2").arg(name, QString::fromStdString(answer.Warning)));
    else if (before == after && !IsPlacedControl(source))
        Announce(QStringLiteral("%1 not placed: the beam takes no more").arg(name));
    else
        Announce(QStringLiteral("%1 at %2. %3")
                     .arg(name, Mm(CurrentStation), DescribeSetup(Form->Layout, Form->BeamTheory)));
    // The focus follows an item moved along the beam; a new one leaves it on the tool box for the next.
    QWidget* next = source;
    if (what.Kind == TDragKind::PlacedWeight) next = Form->HangerSlots[CurrentStation].Hanger;
    if (next && next->isVisible() && next->isEnabled())
        next->setFocus(Qt::OtherFocusReason);
    else
        Form->ScreenImage->setFocus(Qt::OtherFocusReason);
}

void TVEK4Keyboard::Drop() {
    FinishMove(true);
}

void TVEK4Keyboard::PutBack() {
    FinishMove(false);
}

void TVEK4Keyboard::Remove(QWidget* placed) {
    if (placed == Form->DialGaugeImage) {
        Announce(QStringLiteral("The dial gauge stays on the beam"));
        return;
    }
    const QString name = ItemName(Form->SourceOf(placed));
    const std::vector<TPlacedItem> before = PlacedItemsInOrder(Form->Layout);
    // Onto the bin, as the mouse drops it there.
    if (!Form->Drag->KeyBegin(placed)) return;
    Form->Drag->KeyOver(Form->WeightsBinImage, Form->WeightsBinImage->rect().center());
    Form->Drag->KeyEnd();
    const std::vector<TPlacedItem> after = PlacedItemsInOrder(Form->Layout);
    // The focus goes to the item that took the removed one's place in the order, else the apparatus.
    QWidget* next = Form->ScreenImage;
    for (const TPlacedItem& item : after)
        if (std::find(before.begin(), before.end(), item) != before.end()) {
            QWidget* w = ControlOf(item);
            if (w && w->isVisible() && w->isEnabled()) {
                next = w;
                break;
            }
        }
    next->setFocus(Qt::OtherFocusReason);
    Announce(QStringLiteral("%1 removed. %2").arg(name, DescribeSetup(Form->Layout, Form->BeamTheory)));
}

// ---------------------------------------------------------------------------------------------------------
// Keys.

bool TVEK4Keyboard::KeyDuringMove(int key, Qt::KeyboardModifiers modifiers) {
    const int step = (modifiers & Qt::ShiftModifier) ? 10 : 1;
    int station = CurrentStation;
    auto stepBy = [&](int by) {
        if (Moving == TMode::Item)
            return StepAcceptedStation(Form->Layout, Form->SourceOf(MovingSource), CurrentStation, by);
        const int low = Moving == TMode::UDLLength ? Form->Layout.UDLStartStation + 1 : 0;
        return std::clamp(CurrentStation + by, low, LastStation);
    };
    switch (key) {
    case Qt::Key_Left:
        station = stepBy(-step);
        break;
    case Qt::Key_Right:
        station = stepBy(step);
        break;
    case Qt::Key_Home:
        station = stepBy(-LastStation);
        break;
    case Qt::Key_End:
        station = stepBy(LastStation);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Drop();
        return true;
    case Qt::Key_Escape:
        PutBack();
        return true;
    default:
        return true; // nothing else while an item is carried: Tab would leave it in the air
    }
    if (station != CurrentStation) {
        MoveTo(station);
        Announce(Mm(station));
    }
    return true;
}

QWidget* TVEK4Keyboard::NextOutsideBeam(QWidget* from, bool forward) const {
    QWidget* w = from;
    for (int guard = 0; guard < 2000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from) return nullptr;
        if (IsPlacedControl(w) || w == Ghost) continue;
        if (w->window() == Form && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

bool TVEK4Keyboard::TabAmongPlaced(QWidget* focus, bool forward) {
    std::vector<QWidget*> order;
    for (const TPlacedItem& item : PlacedItemsInOrder(Form->Layout))
        if (QWidget* w = ControlOf(item); w && w->isVisible() && w->isEnabled()) order.push_back(w);
    const auto at = std::find(order.begin(), order.end(), focus);
    if (at == order.end()) return false;
    const auto index = at - order.begin();
    const auto next = forward ? index + 1 : index - 1;
    QWidget* target = next >= 0 && next < std::ssize(order)
                          ? order[std::size_t(next)]
                          : NextOutsideBeam(forward ? order.back() : order.front(), forward);
    if (!target) return false;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool TVEK4Keyboard::KeyOnControl(QWidget* focus, int key, Qt::KeyboardModifiers modifiers) {
    const bool ctrlShift = (modifiers & Qt::ControlModifier) && (modifiers & Qt::ShiftModifier);
    if (ctrlShift && key == Qt::Key_M) {
        Announce(ReadMeter());
        return true;
    }
    if (ctrlShift && key == Qt::Key_D) {
        Announce(DescribeSetup(Form->Layout, Form->BeamTheory));
        return true;
    }
    if (!focus) return false;
    const bool source = IsToolBoxSource(focus), placed = IsPlacedControl(focus);
    if (!source && !placed) return false;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        PickUp(focus);
        return true;
    case Qt::Key_Delete:
        if (!placed) return false;
        Remove(focus);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return placed && TabAmongPlaced(focus, key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
    default:
        return false;
    }
}

bool TVEK4Keyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Form && event->type() == TLinkUpdateEvent::Type) {
        // A change of the link's state is said once, after the window has shown it.
        QTimer::singleShot(0, this, [this] {
            const QString text = Form->ComsLabel->text();
            if (text == LinkText) return;
            LinkText = text;
            Announce(text); // "Comms link OFF" when the link is lost
        });
    }
    if (event->type() == QEvent::MouseButtonRelease && Form->Drag->Dragging() && !MouseDropPending) {
        // A mouse drop is announced too, once the drag controller has applied it (a refused one shows its
        // box, which readers speak themselves).
        MouseDropPending = true;
        QTimer::singleShot(0, this, [this, before = PlacedItemsInOrder(Form->Layout)] {
            MouseDropPending = false;
            if (PlacedItemsInOrder(Form->Layout) != before)
                Announce(DescribeSetup(Form->Layout, Form->BeamTheory));
        });
    }
    if (event->type() == QEvent::FocusIn && IsPlacedControl(qobject_cast<QWidget*>(watched))) {
        // Tab into the beam from outside lands on its first item in position order (Shift+Tab: the last).
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && !Redirecting) {
            std::vector<QWidget*> order;
            for (const TPlacedItem& item : PlacedItemsInOrder(Form->Layout))
                if (QWidget* w = ControlOf(item); w && w->isVisible() && w->isEnabled()) order.push_back(w);
            QWidget* want =
                order.empty() ? nullptr : (reason == Qt::TabFocusReason ? order.front() : order.back());
            if (want && want != watched && !IsPlacedControl(LastFocus)) {
                Redirecting = true;
                want->setFocus(reason);
                Redirecting = false;
            }
        }
    }
    if (event->type() == QEvent::FocusIn && watched->isWidgetType())
        LastFocus = static_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || w->window() != Form) return false;
    QWidget* focus = QApplication::focusWidget();
    if (focus && watched != focus) return false; // once per key, at the focus widget
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys this side uses are not taken by the window's shortcuts first.
        if (Moving != TMode::None || IsToolBoxSource(focus) || IsPlacedControl(focus)) {
            const int k = key->key();
            if (Moving != TMode::None || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space ||
                k == Qt::Key_Delete) {
                key->accept();
                return true;
            }
        }
        return false;
    }
    if (Moving != TMode::None) return KeyDuringMove(key->key(), key->modifiers());
    return KeyOnControl(focus, key->key(), key->modifiers());
}
