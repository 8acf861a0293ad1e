// The experiment window's editing gestures: dragging supports and weights on, along and off the beam, the
// position popups, the weight and UDL boxes, the UDL's button and length change, and the dial gauge.
// Every decision is a placement rule (model/PlacementRules.h); the window turns mouse events into a source
// and a target, takes the answer's layout and draws the pictures from it.

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "platform/DragController.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "theory/DeflectionPlot.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"

namespace {

constexpr int PopupWidth = 83;
const QString SupportPositionCaption = QStringLiteral("Support Position");
const QString GaugePositionCaption = QStringLiteral("Gauge Position");
const QString UDLLengthCaption = QStringLiteral("UDL length");

QString Position(int station) {
    return QString::fromStdString(PositionText(station));
}

int Rounded(double v) {
    return int(RoundHalfEven(v));
}

} // namespace

void TVEK4Form::BuildPopups() {
    auto make = [this](const char* name, const QString& text, int y, int height, const QColor& colour,
                       const QFont& font) {
        auto* label = new QLabel(text, Panel1);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(0, y, PopupWidth, height);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(font);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, colour);
        label->setPalette(palette);
        label->hide();
        return label;
    };
    QFont value(QStringLiteral("Arial"));
    value.setPointSize(11);
    const QColor silver(0xC0, 0xC0, 0xC0);
    PositionPopup = make("PositionPopup", SupportPositionCaption, 176, 18, silver, font());
    PositionValue = make("PositionValue", QStringLiteral(" --- mm"), 194, 20, Qt::white, value);
    LoadPositionPopup = make("LoadPositionPopup", QStringLiteral("Load Position"), 103, 18, silver, font());
    LoadPositionValue = make("LoadPositionValue", QStringLiteral(" --- mm"), 121, 17, Qt::white, value);
    for (QLabel* l : {PositionValue, LoadPositionValue})
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
}

void TVEK4Form::PlacePopup(QLabel* title, QLabel* value, int station) {
    value->move(StationX[station] - Rounded(value->width() / 2.0), value->y());
    title->move(value->x(), title->y());
    title->show();
    value->show();
    title->raise();
    value->raise();
}

void TVEK4Form::ApplyPopup(QLabel* title, QLabel* value, const TPopupUpdate& update) {
    if (update.SetValue) value->setText(Position(update.Station));
    if (update.PlaceIfHidden && value->isHidden()) {
        if (!update.Caption.empty()) title->setText(QString::fromStdString(update.Caption));
        PlacePopup(title, value, update.Station);
    }
}

// ---------------------------------------------------------------------------------------------------------
// Drag and drop.

int TVEK4Form::SlotOf(const QWidget* control) const {
    for (int s = 0; s < StationCount; ++s)
        if (HangerSlots[s].Hanger == control || HangerSlots[s].MassLabel == control) return s;
    return -1;
}

TDragSource TVEK4Form::SourceOf(QWidget* control) const {
    if (control == EndClampImage) return TDragSource::Of(TDragKind::NewClamp);
    if (control == LClampImage) return TDragSource::Of(TDragKind::LeftClamp);
    if (control == RClampImage) return TDragSource::Of(TDragKind::RightClamp);
    if (control == KnifeEdgeImage) return TDragSource::Of(TDragKind::NewKnifeEdge);
    if (control == KnifeEdge1) return TDragSource::Of(TDragKind::KnifeEdge1);
    if (control == KnifeEdge2) return TDragSource::Of(TDragKind::KnifeEdge2);
    if (control == UDLImage) return TDragSource::Of(TDragKind::UDL);
    if (control == EmptyHangerImage) return TDragSource::VariableWeight(WeightSpinEdit->Value());
    if (control == VariableWeightLabel) return TDragSource::VariableWeight(WeightSpinEdit->Value(), true);
    for (TPictureControl* mass : GramImages)
        if (control == mass) return TDragSource::FixedWeight(mass->Tag);
    const int slot = SlotOf(control);
    return TDragSource::Weight(std::max(slot, 0), slot >= 0 && control == HangerSlots[slot].MassLabel);
}

bool TVEK4Form::IsToolBoxTarget(const QWidget* control) const {
    // The whole tool box is the bin, except the flat bar's dimension boxes and the "other" modulus entry.
    const std::array<const QWidget*, 5> notBin = {Sections->X1, Sections->Y1, Sections->OtherValue,
                                                  Sections->OtherLabel, Sections->OkButton};
    for (const QWidget* w = control; w; w = w->parentWidget()) {
        if (std::find(notBin.begin(), notBin.end(), w) != notBin.end()) return false;
        if (w == ToolBox) return true;
    }
    return false;
}

void TVEK4Form::ImageStartDrag(QWidget* source) {
    // A weight being typed is settled before anything is dragged, without moving the focus.
    if (WeightSpinEdit->hasFocus() && source != UDLImage) {
        WeightSpinEditExit();
        WeightSpinEdit->SetValue(WeightSpinEdit->CheckValue(WeightSpinEdit->Value()));
    }
    Layout = StartDrag(Layout, SourceOf(source));
    ShowLayout(); // an item taken from the beam leaves it while it is dragged
}

bool TVEK4Form::ControlDragOver(QWidget* target, QWidget* source, QPoint point) {
    TDropTarget where;
    if (target == ScreenImage)
        where = TDropTarget::Screen(point.x(), point.y());
    else if (const int slot = SlotOf(target); slot >= 0)
        where = TDropTarget::Weight(slot);
    else if (IsToolBoxTarget(target))
        where = TDropTarget::Bin();
    else
        return false;
    const TDragOverAnswer answer = DragOver(Layout, SourceOf(source), where);
    if (!answer.Accept) return false;
    Layout = answer.Layout;
    ApplyPopup(PositionPopup, PositionValue, answer.SupportPopup);
    ApplyPopup(LoadPositionPopup, LoadPositionValue, answer.LoadPopup);
    return true;
}

void TVEK4Form::ControlEndDrag(QWidget* source, QWidget* target, QPoint point) {
    TDropTarget where = TDropTarget::Nothing();
    if (target == ScreenImage)
        where = TDropTarget::Screen(point.x(), point.y());
    else if (const int slot = SlotOf(target); target && slot >= 0)
        where = TDropTarget::Weight(slot);
    else if (target && IsToolBoxTarget(target))
        where = TDropTarget::Bin();
    ApplyDrop(EndDrag(Layout, SourceOf(source), where));
}

void TVEK4Form::ApplyDrop(const TDropAnswer& answer) {
    if (!answer.Warning.empty())
        ShowMessage(ApplicationTitle, QString::fromStdString(answer.Warning), TMsgIcon::Warning);
    Layout = answer.Layout;
    if (answer.HideSupportPopup) {
        PositionPopup->hide();
        PositionValue->hide();
    }
    if (answer.HideLoadPopup) {
        LoadPositionPopup->hide();
        LoadPositionValue->hide();
    }
    if (!answer.StatusText.empty()) SetStatus(QString::fromStdString(answer.StatusText));
    if (answer.RestoreUDLCursors) {
        UDLImage->setCursor(Qt::PointingHandCursor);
        ScreenImage->unsetCursor();
    }
    if (answer.Recalculate)
        Recalculate();
    else
        ShowLayout();
    if (answer.EnableUDLTools) SetUDLToolsEnabled(true);
}

// ---------------------------------------------------------------------------------------------------------
// Hovering.

void TVEK4Form::KnifeEdgeMouseMove(int knifeEdge) {
    const int station = knifeEdge == 1 ? Layout.KnifeEdge1Station : Layout.KnifeEdge2Station;
    PositionValue->setText(Position(station));
    PositionPopup->setText(SupportPositionCaption);
    PlacePopup(PositionPopup, PositionValue, station);
    LoadPositionPopup->hide();
    LoadPositionValue->hide();
}

void TVEK4Form::ClampImageMouseMove(bool left) {
    const int station = left ? 0 : LastStation;
    PositionValue->setText(Position(station));
    PositionPopup->setText(SupportPositionCaption);
    PlacePopup(PositionPopup, PositionValue, station);
    LoadPositionPopup->hide();
    LoadPositionValue->hide();
}

void TVEK4Form::PositionOfWeights(int station) {
    LoadPositionValue->setText(Position(station));
    PlacePopup(LoadPositionPopup, LoadPositionValue, station);
    PositionPopup->hide();
    PositionValue->hide();
}

// ---------------------------------------------------------------------------------------------------------
// The boxes.

void TVEK4Form::WeightSpinEditExit() {
    if (WeightSpinEdit->text().isEmpty()) WeightSpinEdit->setText(QStringLiteral("0"));
}

void TVEK4Form::UDLSpinEditChange() {
    const QString text = UDLSpinEdit->text();
    const bool refused = text.contains(QLatin1Char('.')) || text.contains(QLocale().decimalPoint()) ||
                         text.indexOf(QLatin1Char('-'), 1) > 0 ||
                         (text.startsWith(QLatin1Char('-')) && UDLSpinEdit->MinValue >= 0) ||
                         text.contains(QLatin1Char('+')) || UDLSpinEdit->Value() > UDLSpinEdit->MaxValue;
    if (refused) {
        UDLSpinEdit->Undo();
        return;
    }
    // 0 or 00 can only be on the way to a real value: left as typed, neither undone nor final.
    if (UDLSpinEdit->Value() >= 1) UDLSpinEdit->MakeFinal();
}

void TVEK4Form::UDLSpinEditExit() {
    if (UDLSpinEdit->text().isEmpty()) UDLSpinEdit->setText(QStringLiteral("1"));
}

// ---------------------------------------------------------------------------------------------------------
// The UDL.

void TVEK4Form::UDLComponentClick() {
    // The button takes no focus, so the box may still hold what is being typed ("0" on the way to "05"):
    // it is settled by its own exit rule (empty -> 1, then 1..50) before its value is read.
    UDLSpinEditExit();
    UDLSpinEdit->SetValue(UDLSpinEdit->CheckValue(UDLSpinEdit->Value()));
    Layout = PutUDLOn(Layout, UDLSpinEdit->Value());
    Recalculate();
    if (Layout.UDL) SetUDLToolsEnabled(false);
    ToolBox->setFocus(Qt::OtherFocusReason);
}

void TVEK4Form::UDLImageMouseDown(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) return; // the drag controller has it
    if (!CanResizeUDL(Layout)) return;
    if (UDLSpinEdit->hasFocus()) {
        UDLSpinEditExit();
        UDLSpinEdit->SetValue(UDLSpinEdit->CheckValue(UDLSpinEdit->Value()));
    }
    const int x = event->position().toPoint().x();
    PositionValue->setText(QString::fromStdString(UDLLengthText(Layout, UDLImage->x() + x)));
    UDLImage->resize(std::max(x + 8, 0), UDLImage->height());
    Layout = StartUDLResize(Layout);
    UDLImage->setCursor(CursorByNumber(2));
    ScreenImage->setCursor(CursorByNumber(2));
}

void TVEK4Form::UDLImageMouseMove(QMouseEvent* event) {
    const int x = event->position().toPoint().x();
    if (Layout.ResizingUDL) {
        // The button is held: every move comes here, over the strip or beyond it.
        UDLImage->resize(std::max(x + 8, 0), UDLImage->height());
        PositionValue->setText(QString::fromStdString(UDLLengthText(Layout, UDLImage->x() + x)));
        if (PositionValue->isHidden()) {
            PositionPopup->setText(UDLLengthCaption);
            PlacePopup(PositionPopup, PositionValue, Layout.UDLStartStation);
        }
        return;
    }
    const int start = Layout.UDLStartStation, end = Layout.UDLEndStation;
    PositionValue->setText(QStringLiteral("%1 mm").arg((end - start) * 10));
    if (PositionValue->isHidden() || PositionPopup->text() != UDLLengthCaption) {
        PositionPopup->setText(UDLLengthCaption);
        PositionValue->move(StationX[start] +
                                Rounded((StationX[end] - StationX[start] - PositionValue->width()) / 2.0),
                            PositionValue->y());
        PositionPopup->move(PositionValue->x(), PositionPopup->y());
        for (QLabel* l : {PositionPopup, PositionValue}) {
            l->show();
            l->raise();
        }
    }
    LoadPositionPopup->hide();
    LoadPositionValue->hide();
    if (Layout.SupportArrangement() == TSupportArrangement::Cantilever)
        SetStatus(QStringLiteral("Right click to change length of UDL"));
}

void TVEK4Form::UDLImageMouseUp(QMouseEvent* event) {
    FinishUDLResize(event->position().toPoint().x() + UDLImage->x());
}

void TVEK4Form::ScreenImageMouseUp(QMouseEvent* event) {
    FinishUDLResize(event->position().toPoint().x());
}

void TVEK4Form::FinishUDLResize(int x) {
    ApplyDrop(::FinishUDLResize(Layout, x, UDLSpinEdit->Value()));
}

// ---------------------------------------------------------------------------------------------------------
// The dial gauge.

void TVEK4Form::ShowGaugeReadout() {
    View->DialGaugeDeflection->setText(StationReadoutText(
        BeamTheory.StationDeflection, DeflectionSign(BeamTheory.ComputedArrangement), Layout.GaugeStation));
}

void TVEK4Form::DialGaugeImageMouseDown(QMouseEvent* event) {
    Layout.DraggingGauge = true;
    Layout.GaugeGrabX = event->position().toPoint().x();
    DialGaugeImage->setToolTip(QString());
}

void TVEK4Form::DialGaugeImageMouseMove(QMouseEvent* event) {
    if (Layout.DraggingGauge) {
        const TGaugeMove move = DragGauge(Layout, DialGaugeImage->x(), event->position().toPoint().x());
        DialGaugeImage->move(move.Left, DialGaugeImage->y());
        Layout = move.Layout;
        if (move.StationChanged) {
            PositionValue->setText(Position(Layout.GaugeStation));
            ShowGaugeReadout();
        }
    } else {
        PositionValue->setText(Position(Layout.GaugeStation));
        ShowGaugeReadout();
    }
    if (PositionValue->isHidden() || PositionPopup->text() != GaugePositionCaption) {
        PositionPopup->setText(GaugePositionCaption);
        PlacePopup(PositionPopup, PositionValue, Layout.GaugeStation);
    }
    LoadPositionPopup->hide();
    LoadPositionValue->hide();
}

void TVEK4Form::DialGaugeImageMouseUp(QMouseEvent*) {
    Layout.DraggingGauge = false;
    DialGaugeImage->move(GaugeSnapLeft(Layout), DialGaugeImage->y());
    // The live meter and its channel selector follow the gauge.
    const int x = StationX[Layout.GaugeStation];
    DisplayMeter1->move(x - Rounded(DisplayMeter1->width() / 2.0), DisplayMeter1->y());
    MeterComboBox->move(x - Rounded(MeterComboBox->width() / 2.0), MeterComboBox->y());
    MeterHome = DisplayMeter1->pos();
    PlacePopup(PositionPopup, PositionValue, Layout.GaugeStation);
    DialGaugeImage->setToolTip(DialGaugeImage->statusTip());
    LayoutChanged(); // the deflection there is the theory's already: no recalculation
}

// ---------------------------------------------------------------------------------------------------------
// Wiring, once, when the window is created.

void TVEK4Form::WireEditing() {
    Drag = new TDragController(this);
    auto source = [this](QWidget* w, TCursorNumber cursor) {
        Drag->RegisterSource(
            w, cursor, [this, w](QWidget* target, QPoint point) { ControlEndDrag(w, target, point); },
            [this, w] { ImageStartDrag(w); });
    };
    auto target = [this](QWidget* w) {
        Drag->RegisterTarget(
            w, [this, w](QWidget* dragged, QPoint point) { return ControlDragOver(w, dragged, point); });
    };
    for (QWidget* w : {static_cast<QWidget*>(EndClampImage), static_cast<QWidget*>(LClampImage),
                       static_cast<QWidget*>(RClampImage)})
        source(w, 3);
    for (QWidget* w : {static_cast<QWidget*>(KnifeEdgeImage), static_cast<QWidget*>(KnifeEdge1),
                       static_cast<QWidget*>(KnifeEdge2)})
        source(w, 4);
    for (TPictureControl* mass : GramImages)
        source(mass, 1);
    source(EmptyHangerImage, 1);
    source(VariableWeightLabel, 1);
    source(UDLImage, 2);
    for (THangerSlotControls& slot : HangerSlots) {
        source(slot.Hanger, 1);
        source(slot.MassLabel, 1);
        target(slot.Hanger);
        target(slot.MassLabel);
        slot.Hanger->setMouseTracking(true);
        slot.Hanger->OnMouseMove = [this, h = slot.Hanger](QMouseEvent*) { PositionOfWeights(h->Tag); };
        slot.MassLabel->setMouseTracking(true);
    }
    target(ScreenImage);
    // The bin: the tool box and everything in it but the dimension boxes and the "other" modulus entry.
    target(ToolBox);
    for (QWidget* w : ToolBox->findChildren<QWidget*>())
        target(w);
    const std::array<QWidget*, 5> materialControls = {Sections->OtherValue, Sections->OtherLabel,
                                                      Sections->OkButton, Sections->YoungsModLabel,
                                                      Sections->YoungsModulus};
    for (QWidget* w : materialControls) {
        target(w); // the material controls move between the tool box and its group; IsToolBoxTarget decides
        for (QWidget* child : w->findChildren<QWidget*>())
            target(child);
    }

    // Hover popups.
    for (TPictureControl* p : {LClampImage, RClampImage, KnifeEdge1, KnifeEdge2, UDLImage, DialGaugeImage})
        p->setMouseTracking(true);
    LClampImage->OnMouseMove = [this](QMouseEvent*) { ClampImageMouseMove(true); };
    RClampImage->OnMouseMove = [this](QMouseEvent*) { ClampImageMouseMove(false); };
    KnifeEdge1->OnMouseMove = [this](QMouseEvent*) { KnifeEdgeMouseMove(1); };
    KnifeEdge2->OnMouseMove = [this](QMouseEvent*) { KnifeEdgeMouseMove(2); };

    // The UDL and the gauge have gestures of their own.
    UDLImage->OnMouseDown = [this](QMouseEvent* e) { UDLImageMouseDown(e); };
    UDLImage->OnMouseMove = [this](QMouseEvent* e) { UDLImageMouseMove(e); };
    UDLImage->OnMouseUp = [this](QMouseEvent* e) { UDLImageMouseUp(e); };
    ScreenImage->OnMouseUp = [this](QMouseEvent* e) { ScreenImageMouseUp(e); };
    DialGaugeImage->OnMouseDown = [this](QMouseEvent* e) { DialGaugeImageMouseDown(e); };
    DialGaugeImage->OnMouseMove = [this](QMouseEvent* e) { DialGaugeImageMouseMove(e); };
    DialGaugeImage->OnMouseUp = [this](QMouseEvent* e) { DialGaugeImageMouseUp(e); };
    SetHint(DialGaugeImage, QStringLiteral("Drag the dial gauge along the beam"));

    connect(UDLButton, &QToolButton::clicked, this, &TVEK4Form::UDLComponentClick);
    connect(UDLSpinEdit, &TIntegerSpinEdit::OnChange, this, &TVEK4Form::UDLSpinEditChange);
    connect(UDLSpinEdit, &TIntegerSpinEdit::OnExit, this, &TVEK4Form::UDLSpinEditExit);
    connect(WeightSpinEdit, &TIntegerSpinEdit::OnExit, this, &TVEK4Form::WeightSpinEditExit);
}
