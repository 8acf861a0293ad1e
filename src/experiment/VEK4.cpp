#include "VEK4.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "experiment/ApparatusScene.h"
#include "experiment/PictureControl.h"
#include "experiment/VEK4Keyboard.h"
#include "experiment/VEK4LabTools.h"
#include "link/CommsModuleDM.h"
#include "platform/ApplicationHint.h"
#include "platform/Cursors.h"
#include "platform/NumberFormat.h"
#include "resources/apparatus/ApparatusArt.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"

namespace {

using namespace ApparatusPlaces;
constexpr int UDLRemovedWidth = 12;

// The status texts of the design (VEK4.h keeps them in English), in the language in use.
[[maybe_unused]] constexpr const char* StatusTexts[] = {
    QT_TRANSLATE_NOOP("TVEK4Form", "Connect VEK2000 / Select Virtual Experiments"),
    QT_TRANSLATE_NOOP("TVEK4Form", "Use tool box tools to add supports and weights to beam")};
QString Translated(const QString& english) {
    return QCoreApplication::translate("TVEK4Form", english.toUtf8().constData());
}

template <typename W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// An apparatus picture drawn for a screen's scale.
TPictureControl::TPictureAtScale AtScale(const QString& picture) {
    return [picture](qreal scale) { return ApparatusBitmap(picture, scale); };
}

// An icon with the picture drawn at 1x and at the larger scales of screens, so a tool button is sharp on
// each.
QIcon SharpIcon(const char* picture) {
    QIcon icon;
    for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0})
        icon.addPixmap(QPixmap::fromImage(ApparatusBitmap(QString::fromLatin1(picture), scale)));
    return icon;
}

TPictureControl* Picture(QWidget* parent, const char* name, const char* picture, int x, int y) {
    auto* control = Named(new TPictureControl(parent), name);
    control->SetPicture(ApparatusBitmap(QString::fromLatin1(picture)), AtScale(QString::fromLatin1(picture)));
    control->AutoSize();
    control->move(x, y);
    return control;
}

void SetWhite(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, Qt::white);
    w->setPalette(palette);
}

struct TBoxRange {
    int Min, Max, Increment, MaxLength, Start;
};

// The tool box's two whole-number boxes (45 x 22), their start value final.
TIntegerSpinEdit* WholeNumberBox(QWidget* parent, const char* name, QPoint place, TBoxRange range) {
    auto* box = Named(new TIntegerSpinEdit(parent), name);
    box->setGeometry(QRect(place, QSize(45, 22)));
    box->MinValue = range.Min;
    box->MaxValue = range.Max;
    box->Increment = range.Increment;
    box->setMaxLength(range.MaxLength);
    box->SetValue(range.Start);
    box->MakeFinal();
    return box;
}

int HalfRounded(int width) {
    return int(RoundHalfEven(width / 2.0));
}

// The experiment window on screen, for a file handed over from a second start of the program.
TVEK4Form* TheOpenWindow = nullptr;

} // namespace

TVEK4Form* TVEK4Form::OpenWindow() {
    return TheOpenWindow;
}

TVEK4Form::TVEK4Form(TVEK4Environment environment)
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                           Qt::MSWindowsFixedSizeDialogHint),
      Environment(std::move(environment)) {
    setObjectName(QStringLiteral("VEK4Form"));
    setWindowTitle(Caption);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    BuildMenu();
    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, ClientWidth, menuHeight);
    auto* client = Named(new QWidget(this), "Client");
    client->setGeometry(0, menuHeight, ClientWidth, ClientHeight);
    setFixedSize(ClientWidth, menuHeight + ClientHeight);
    move(DesignLeft, DesignTop);

    BuildToolBar(client);
    BuildPanel(client);
    BuildStatusBar(client);
    qApp->installEventFilter(this);
    FormCreate();
    BuildPopups();
    WireEditing();
    Keys = new TVEK4Keyboard(this);
    CreateLabTools();
    TheOpenWindow = this;
}

TVEK4Form::~TVEK4Form() {
    if (TheOpenWindow == this) TheOpenWindow = nullptr;
    qApp->removeEventFilter(this);
    FormDestroy();
}

void TVEK4Form::BuildMenu() {
    MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
    MainMenu1->setNativeMenuBar(false);

    QMenu* file = MainMenu1->addMenu(tr("&File"));
    FileNew = Named(file->addAction(tr("&New")), "FileNew");
    FileNew->setStatusTip(tr("New layout"));
    FileNew->setEnabled(false);
    FileOpen = Named(file->addAction(tr("&Open")), "FileOpen");
    FileOpen->setVisible(false);
    file->addSeparator();
    FileExit = Named(file->addAction(tr("E&xit")), "FileExit");

    QMenu* run = MainMenu1->addMenu(tr("&Run"));
    RunConnect = Named(run->addAction(tr("&Connect to VEK2000")), "RunConnect");
    RunDisconnect = Named(run->addAction(tr("&Disconnect from VEK2000")), "RunDisconnect");
    RunDisconnect->setEnabled(false);
    run->addSeparator();
    RunVirtual = Named(run->addAction(tr("&Virtual Experiments")), "RunVirtual");

    QMenu* options = MainMenu1->addMenu(tr("&Options"));
    SelectCOMPort1 = Named(options->addAction(tr("&Set Communications Options")), "SelectCOMPort1");

    // F10 reaches the record-data command through the window, even while its menu is disabled.
    RecordDataAction = Named(new QAction(tr("&Record data to table"), this), "RecordDataAction");
    RecordDataAction->setStatusTip(tr("Record data to table"));
    RecordDataAction->setToolTip(tr("Record data to table"));
    RecordDataAction->setShortcut(QKeySequence(Qt::Key_F10));
    RecordDataAction->setShortcutContext(Qt::WindowShortcut);
    RecordDataAction->setIcon(SharpIcon("ToolRecord"));
    addAction(RecordDataAction);

    RecordDataMenu = Named(MainMenu1->addMenu(tr("&Data")), "RecordDataMenu");
    Recorddatatotable1 = RecordDataAction;
    RecordDataMenu->addAction(Recorddatatotable1);
    RecordDataMenu->addSeparator();

    WindowMenu = Named(MainMenu1->addMenu(tr("&Window")), "WindowMenu");
    WindowMenu->menuAction()->setEnabled(false);
    WindowMenu->menuAction()->setVisible(false);

    QMenu* help = MainMenu1->addMenu(tr("&Help"));
    About1 = Named(help->addAction(tr("&About Ferrant Range...")), "About1");
    VersionInformation1 = Named(help->addAction(tr("&Version Information")), "VersionInformation1");
    BuildLabToolsMenu(options);
    BuildLabFileMenu(file);

    connect(FileNew, &QAction::triggered, this, &TVEK4Form::NewButtonClick);
    connect(FileExit, &QAction::triggered, this, &TVEK4Form::FileExitClick);
    connect(RunConnect, &QAction::triggered, this, &TVEK4Form::ConnectBtnClick);
    connect(RunDisconnect, &QAction::triggered, this, &TVEK4Form::DisconnectBtnClick);
    connect(RunVirtual, &QAction::triggered, this, &TVEK4Form::RunVirtualClick);
    connect(SelectCOMPort1, &QAction::triggered, this, &TVEK4Form::SelectCOMPort1Click);
    connect(RecordDataAction, &QAction::triggered, this, &TVEK4Form::RecordDataBtnClick);
    connect(About1, &QAction::triggered, this, &TVEK4Form::About1Click);
    connect(VersionInformation1, &QAction::triggered, this, &TVEK4Form::VersionInformation1Click);
}

void TVEK4Form::BuildToolBar(QWidget* client) {
    ToolBar1 = Named(new QWidget(client), "ToolBar1");
    ToolBar1->setGeometry(0, 0, ClientWidth, ToolBarHeight);
    int x = 0;
    auto button = [&](const char* name, const char* image, const QString& hint) {
        auto* b = Named(new QToolButton(ToolBar1), name);
        b->setGeometry(x, 0, 30, ToolBarHeight);
        b->setAutoRaise(true);
        b->setIconSize(QSize(23, 23));
        b->setIcon(SharpIcon(image));
        SetHint(b, hint);
        b->setFocusPolicy(Qt::NoFocus);
        x += 30;
        return b;
    };
    auto separator = [&](const char* name) {
        auto* line = Named(new QFrame(ToolBar1), name);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(x + 3, 3, 2, ToolBarHeight - 6);
        x += 8;
    };
    NewButton = button("NewButton", "ToolNew", tr("New layout"));
    NewButton->setEnabled(false);
    separator("ToolButton3");
    ConnectBtn = button("ConnectBtn", "ToolConnect", tr("Connect to VEK2000 unit"));
    DisconnectBtn = button("DisconnectBtn", "ToolDisconnect", tr("Disconnect from VEK2000"));
    DisconnectBtn->setEnabled(false);
    separator("ToolButton2");
    WizardBtn = button("WizardBtn", "ToolVirtual", tr("Virtual Experiments"));
    WizardBtn->setCheckable(true);
    separator("ToolButton4");
    RecordDataBtn = button("RecordDataBtn", "ToolRecord", tr("Record data to table"));
    RecordDataBtn->setDefaultAction(RecordDataAction);
    separator("ToolButton1");

    auto* panel3 = Named(new QWidget(ToolBar1), "Panel3");
    panel3->setGeometry(x, 0, 261, ToolBarHeight);
    CaptureCombo = Named(new QComboBox(panel3), "CaptureCombo");
    CaptureCombo->setGeometry(0, 3, 261, 22);
    CaptureCombo->addItems({tr("Variable hanger position"), tr("Variable hanger load"),
                            tr("Variable beam span"), tr("Variable UDL value"), tr("Variable UDL length"),
                            tr("Variable gauge position"), tr("Variable section"), tr("Variable material"),
                            tr("Circular Bending, variable load"), tr("Arbitrary combination")});
    CaptureCombo->setPlaceholderText(tr("Select property being varied..."));
    CaptureCombo->setCurrentIndex(-1);

    for (QToolButton* b : {NewButton, ConnectBtn, DisconnectBtn, WizardBtn, RecordDataBtn})
        b->setCursor(CursorByNumber(8));
    connect(NewButton, &QToolButton::clicked, this, &TVEK4Form::NewButtonClick);
    connect(ConnectBtn, &QToolButton::clicked, this, &TVEK4Form::ConnectBtnClick);
    connect(DisconnectBtn, &QToolButton::clicked, this, &TVEK4Form::DisconnectBtnClick);
    connect(WizardBtn, &QToolButton::clicked, this, &TVEK4Form::WizardBtnClick);
    connect(CaptureCombo, &QComboBox::activated, this, &TVEK4Form::CaptureComboChange);

    // The link lamp at the toolbar's right end.
    Panel2 = Named(new QWidget(ToolBar1), "Panel2");
    Panel2->setGeometry(510, 2, ClientWidth - 510 - 2, 25);
    GreenLED = Picture(Panel2, "GreenLED", "GreenLED", 4, 4);
    AmberLED = Picture(Panel2, "AmberLED", "AmberLED", 4, 4);
    RedLED = Picture(Panel2, "RedLED", "RedLED", 4, 4);
    GreenLED->hide();
    AmberLED->hide();
    ComsLabel = Named(new QLabel(tr("Comms link OFF"), Panel2), "ComsLabel");
    ComsLabel->setGeometry(24, 0, Panel2->width() - 28, 25);
    ComsLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TVEK4Form::BuildPanel(QWidget* client) {
    Panel1Frame = Named(new QFrame(client), "Panel1Frame");
    Panel1Frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1Frame->setLineWidth(2);
    Panel1Frame->setGeometry(0, ToolBarHeight, ClientWidth, ClientHeight - ToolBarHeight - StatusBarHeight);
    Panel1 = Named(new QWidget(Panel1Frame), "Panel1");
    Panel1->setGeometry(2, 2, 752, 491);
    SetWhite(Panel1);

    // The apparatus picture first, so every other control lies over it.
    ScreenImage = Picture(Panel1, "ScreenImage", "ScreenImage", 0, 0);
    ScreenImage->setMouseTracking(true);
    ScreenImage->OnMouseMove = [this](QMouseEvent* e) { ScreenImageMouseMove(e->position().toPoint()); };

    // The load diagram's supports, then the apparatus's.
    LeftSupport = Picture(Panel1, "LeftSupport", "LeftSupport", LeftSupportX, DiagramSupportTop);
    RightSupport = Picture(Panel1, "RightSupport", "RightSupport", StationX.back(), DiagramSupportTop);
    Pivot1Image = Picture(Panel1, "Pivot1Image", "Pivot", 0, PivotTop);
    Pivot2Image = Picture(Panel1, "Pivot2Image", "Pivot", 0, PivotTop);
    UDL2Image = Picture(Panel1, "UDL2Image", "UDL2Strip", 0, UDL2Top);
    UDLLabel = Named(new QLabel(Panel1), "UDLLabel");
    UDLLabel->setFont(UDLFont());
    UDLLabel->move(0, UDLLabelTop);

    LClampImage = Picture(Panel1, "LClampImage", "LClampImage", LeftClampX, ClampTop);
    RClampImage = Picture(Panel1, "RClampImage", "RClampImage", StationX.back(), ClampTop);
    KnifeEdge1 = Picture(Panel1, "KnifeEdge1", "KnifeEdge", 0, KnifeEdgeTop);
    KnifeEdge2 = Picture(Panel1, "KnifeEdge2", "KnifeEdge", 0, KnifeEdgeTop);
    UDLImage = Picture(Panel1, "UDLImage", "UDLStrip", 0, UDLTop);
    UDLImage->resize(UDLRemovedWidth, UDLHeight);
    UDL2Image->resize(UDLRemovedWidth, UDLHeight);
    for (QWidget* w : {static_cast<QWidget*>(LeftSupport), static_cast<QWidget*>(RightSupport),
                       static_cast<QWidget*>(Pivot1Image), static_cast<QWidget*>(Pivot2Image),
                       static_cast<QWidget*>(UDL2Image), static_cast<QWidget*>(UDLLabel),
                       static_cast<QWidget*>(LClampImage), static_cast<QWidget*>(RClampImage),
                       static_cast<QWidget*>(KnifeEdge1), static_cast<QWidget*>(KnifeEdge2),
                       static_cast<QWidget*>(UDLImage)})
        w->hide();
    for (TPictureControl* p : {LClampImage, RClampImage, KnifeEdge1, KnifeEdge2, UDLImage})
        p->setCursor(Qt::PointingHandCursor);

    DialGaugeImage =
        Picture(Panel1, "DialGaugeImage", "DialGaugeImage", StationX[30] - GaugeStylusX, GaugeTop);
    DialGaugeImage->setCursor(Qt::PointingHandCursor);
    DialGaugeImage->setEnabled(false);

    // The deflection graph with its scale labels and readouts.
    View = new TDeflectionView(Panel1);
    View->setObjectName(QStringLiteral("DeflectionView"));
    View->DeflectionLabel->hide();
    View->DialGaugeDeflection->hide();
    ActualDeflectionLabel =
        Named(new QLabel(tr("Actual deflection on gauge:"), Panel1), "ActualDeflectionLabel");
    ActualDeflectionLabel->move(525, 476);
    ActualDeflectionLabel->adjustSize();
    ActualDeflection = Named(new QLabel(QStringLiteral("--.-- mm"), Panel1), "ActualDeflection");
    ActualDeflection->move(687, 476);
    ActualDeflection->adjustSize();
    ActualDeflectionLabel->hide();
    ActualDeflection->hide();

    // The live meter above the gauge, and its channel selector above the meter.
    MeterComboBox = Named(new QComboBox(Panel1), "MeterComboBox");
    MeterComboBox->addItems({tr("Deflection 1"), tr("Deflection 2")});
    MeterComboBox->setGeometry(StationX[30] - 50, 30, 100, 22);
    QPalette silver = MeterComboBox->palette();
    silver.setColor(QPalette::Button, QColor(0xC0, 0xC0, 0xC0));
    MeterComboBox->setPalette(silver);
    SetHint(MeterComboBox, tr("Select input channel to display"));
    MeterComboBox->hide();
    DisplayMeter1 = Named(new QLabel(QStringLiteral(" --.-- mm "), Panel1), "DisplayMeter1");
    DisplayMeter1->setFrameStyle(QFrame::Box | QFrame::Plain);
    DisplayMeter1->setAlignment(Qt::AlignCenter);
    SetWhite(DisplayMeter1);
    DisplayMeter1->adjustSize();
    DisplayMeter1->move(StationX[30] - HalfRounded(DisplayMeter1->width()), 50);
    SetHint(DisplayMeter1, tr("Select input channel to display"));
    DisplayMeter1->setMouseTracking(true);
    DisplayMeter1->hide();

    ToolBox = Named(new QGroupBox(tr("Tool Box: "), Panel1), "ToolBox");
    ToolBox->setGeometry(524, 7, 217, 394);
    SetWhite(ToolBox);
    BuildToolBox();
}

void TVEK4Form::BuildToolBox() {
    Sections = new TSectionsPanel(ToolBox, *this);
    Named(Sections->RadioGroup, "RadioGroup");
    Named(Sections->SectionsComboBox, "SectionsComboBox");
    Named(Sections->YoungsModulus, "YoungsModulus");
    Named(Sections->X1, "X1");
    Named(Sections->Y1, "Y1");
    Named(Sections->GroupValues, "GroupValues");

    EndClampImage = Picture(ToolBox, "EndClampImage", "LClampImage", 42, 104);
    SetHint(EndClampImage, tr("Drag clamps to either end of beam"));
    KnifeEdgeImage = Picture(ToolBox, "KnifeEdgeImage", "KnifeEdge", 95, 115);
    SetHint(KnifeEdgeImage, tr("Drag supports (max. 2) under beam"));
    WeightsBinImage = Picture(ToolBox, "WeightsBinImage", "WeightsBinImage", 138, 101);
    SetHint(WeightsBinImage, tr("Remove weights from beam by dragging to bin"));

    // The caption runs in three lines left of the button and the box.
    UDLLbl = Named(new QLabel(tr("Uniformly Distributed Load (N/m)"), ToolBox), "UDLLbl");
    UDLLbl->setWordWrap(true);
    UDLLbl->setGeometry(24, 160, 68, 42);
    UDLLbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    UDLButton = Named(new QToolButton(ToolBox), "UDLButton");
    UDLButton->setGeometry(95, 166, 41, 25);
    UDLButton->setIconSize(QSize(37, 21));
    UDLButton->setIcon(SharpIcon("UDLButton"));
    UDLButton->setCursor(Qt::PointingHandCursor);
    UDLSpinEdit = WholeNumberBox(ToolBox, "UDLSpinEdit", {141, 167}, {1, 50, 5, 2, 20});
    SetHint(UDLSpinEdit, tr("Select Uniformly Distributed Load (1 - 50 N/m)"));

    EmptyHangerImage = Picture(ToolBox, "EmptyHangerImage", "EmptyHangerImage", 42, 203);
    EmptyHangerImage->Tag = 0;
    const QString weightHint = tr("Drag displayed weight (grams) onto beam");
    SetHint(EmptyHangerImage, weightHint);
    VariableWeightLabel = Named(new QLabel(ToolBox), "VariableWeightLabel");
    VariableWeightLabel->move(40, 227);
    SetHint(VariableWeightLabel, weightHint);
    WeightSpinEdit = WholeNumberBox(ToolBox, "WeightSpinEdit", {87, 222}, {0, 500, 10, 3, 0});
    SetHint(WeightSpinEdit, tr("Select weight (Range: 10 - 500 grams)"));
    WeightUnits = Named(new QLabel(tr("(grams)"), ToolBox), "WeightUnits");
    WeightUnits->move(134, 226);
    WeightUnits->adjustSize();

    const std::array<int, 5> massLefts = {44, 73, 101, 130, 158};
    for (std::size_t i = 0; i < GramImages.size(); ++i) {
        const int grams = FixedMasses[i];
        const QByteArray name = QByteArray("Gram") + QByteArray::number(grams) + "Image";
        GramImages[i] = Picture(ToolBox, name.constData(), name.constData(), massLefts[i], 274);
        GramImages[i]->Tag = grams;
        SetHint(GramImages[i], tr("Drag %1 grams onto beam").arg(grams));
    }

    for (TPictureControl* p : {EndClampImage, KnifeEdgeImage, WeightsBinImage, EmptyHangerImage})
        p->FadeWhenDisabled = true;
    for (TPictureControl* p : GramImages)
        p->FadeWhenDisabled = true;
    for (QWidget* w : {static_cast<QWidget*>(EndClampImage), static_cast<QWidget*>(KnifeEdgeImage),
                       static_cast<QWidget*>(EmptyHangerImage), static_cast<QWidget*>(VariableWeightLabel)})
        w->setCursor(Qt::PointingHandCursor);
    for (TPictureControl* p : GramImages)
        p->setCursor(Qt::PointingHandCursor);

    // In the design every beam tool is disabled; the modes enable them.
    for (QWidget* w : {static_cast<QWidget*>(EndClampImage), static_cast<QWidget*>(KnifeEdgeImage),
                       static_cast<QWidget*>(WeightsBinImage), static_cast<QWidget*>(UDLLbl),
                       static_cast<QWidget*>(UDLButton), static_cast<QWidget*>(UDLSpinEdit),
                       static_cast<QWidget*>(EmptyHangerImage), static_cast<QWidget*>(VariableWeightLabel),
                       static_cast<QWidget*>(WeightSpinEdit), static_cast<QWidget*>(WeightUnits)})
        w->setEnabled(false);
    for (TPictureControl* p : GramImages)
        p->setEnabled(false);

    connect(WeightSpinEdit, &TIntegerSpinEdit::OnChange, this, &TVEK4Form::WeightSpinEditChange);
}

void TVEK4Form::BuildStatusBar(QWidget* client) {
    StatusBar1 = Named(new QStatusBar(client), "StatusBar1");
    StatusBar1->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);
    StatusBar1->setSizeGripEnabled(false);
    QFont bold(QStringLiteral("Tahoma"), 8);
    bold.setBold(true);
    StatusBar1->setFont(bold);
    StatusPanel0 = Named(new QLabel(StatusBar1), "StatusPanel0");
    StatusPanel1 = Named(new QLabel(StatusBar1), "StatusPanel1");
    StatusPanel0->setFixedWidth(370);
    // The hint panel is the last: it runs to the window's right edge, so the longest hint shows whole.
    StatusPanel1->setMinimumWidth(200);
    for (QLabel* panel : {StatusPanel0, StatusPanel1}) {
        panel->setFont(bold);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        StatusBar1->addWidget(panel, panel == StatusPanel1 ? 1 : 0);
    }
}

void TVEK4Form::FormCreate() {
    // 1. The deflection picture is drawn on, never clicked.
    View->TheoryImage->setEnabled(false);
    // 2. No capture in this system: its selector and the "&Data" menu stay disabled; F10 still works.
    CaptureAvailable = false;
    CaptureCombo->setEnabled(CaptureAvailable);
    RecordDataMenu->menuAction()->setEnabled(CaptureAvailable);
    RecordDataAction->setEnabled(true);
    // 3. Version information is not offered.
    VersionInformation1->setVisible(false);
    // 4. The link manager posts its live-output messages here and calls back on a lost link and on USB plug
    // events.
    if (TCommsModule* comms = Environment.Comms) {
        comms->WindowHandle = this;
        comms->LinkLost = [this] { DisconnectOnLinkLost(); };
        comms->USBChanged = [this] { USBDeviceChanged(); };
        if (comms->IsUSBConnected()) ComsLabel->setText(tr("USB Device Connected"));
    }
    // 5. The meter's home; the first gauge is selected.
    MeterHome = DisplayMeter1->pos();
    MeterComboBox->setCurrentIndex(0);
    // 6. Layout state.
    Layout = TBeamLayout{};
    Layout.ResizingUDL = false;
    Layout.DraggingGauge = false;
    Layout.GaugeStation = 30;
    Layout.KnifeEdge1Station = 0;
    Layout.KnifeEdge2Station = 0;
    Layout.LoadDropStation = 0;
    // 7. Drag cursors: 3 clamps, 4 knife-edges, 1 weights, 2 the UDL (used while dragging); every toolbar
    // button shows cursor 8 (set where the toolbar is built).
    // 8. The 61 hanger slots, created once and hidden.
    for (int s = 0; s < StationCount; ++s) {
        THangerSlotControls& slot = HangerSlots[s];
        slot.Hanger = Named(new TPictureControl(Panel1), "Hanger");
        slot.Hanger->resize(HangerWidth, HangerHeight);
        slot.Hanger->setCursor(Qt::PointingHandCursor);
        slot.Arrow = Named(new TPictureControl(Panel1), "Arrow");
        slot.ForceLabel = Named(new QLabel(Panel1), "ForceLabel");
        slot.ForceLabel->setFont(ForceFont());
        slot.ForceLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
        slot.MassLabel = Named(new QLabel(Panel1), "MassLabel");
        slot.MassLabel->setFont(GramsFont());
        SetWhite(slot.MassLabel);
        slot.MassLabel->setCursor(Qt::PointingHandCursor);
        for (QWidget* w : {static_cast<QWidget*>(slot.Hanger), static_cast<QWidget*>(slot.Arrow),
                           static_cast<QWidget*>(slot.ForceLabel), static_cast<QWidget*>(slot.MassLabel)})
            w->hide();
        Layout.HangerSlots[s].Mass = -1;
    }
    // 9. The three arrows.
    ArrowDownSmall = ApparatusBitmap(QStringLiteral("ArrowDownSmall"));
    ArrowDownMed = ApparatusBitmap(QStringLiteral("ArrowDownMed"));
    ArrowDownLarge = ApparatusBitmap(QStringLiteral("ArrowDownLarge"));
    // 10. The apparatus picture is drawn as a bitmap already (ScreenImage).
    // 11. The display switch sits 7 pixels lower while idle.
    RadioGroupDesignTop = Sections->RadioGroup->y();
    Sections->RadioGroup->move(Sections->RadioGroup->x(), RadioGroupDesignTop + 7);
    // 12.
    Sections->DockMaterialControlsInToolBox();
    View->ClearDeflectionView();
    // 13.
    SetStatus(Translated(IdleStatus));
    // 14. Nothing is being moved; the section values are in metre units.
    Layout.MovingKnifeEdge1 = Layout.MovingKnifeEdge2 = false;
    Layout.MovingLeftClamp = Layout.MovingRightClamp = false;
    // 15.
    View->PositiveDeflectLbl->clear();
    View->NegativeDeflectLbl->clear();
    // 16-18. Flat bar, aluminium, metre units, the flat bar's properties.
    Sections->Initialise();
    BeamTheory.PlaceUDL = [this](TBeamLayout&) { PlaceUDL(); };
    // 19. No hints on the picture while idle.
    Panel1Hints = false;
    // 20. (The radio buttons join the bin with the drag-and-drop editing.)
    // 21. Panel1 is painted off-screen first: Qt's widgets are double-buffered.
    // 22. The variable-weight label reads 0g, centred over the empty hanger.
    WeightSpinEditChange();
    // 23. The link manager's settings (port, USB only).
    if (Environment.Comms) Environment.Comms->LoadSettings();
}

bool TVEK4Form::event(QEvent* event) {
    if (event->type() == TLinkUpdateEvent::Type) {
        WMUpdateFormOutputs(static_cast<TLinkUpdateEvent*>(event)->WParam);
        return true;
    }
    if (event->type() == QEvent::WindowActivate && !Closed) {
        // Activated (from the task bar, say) while one of its own modal dialogs is open: that dialog comes
        // forward instead, as a disabled window cannot take the input.
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != this) {
            modal->raise();
            modal->activateWindow();
            return true;
        }
        FormActivate();
    }
    return QDialog::event(event);
}

void TVEK4Form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // The designed place where the screen has room for it; the nearest whole place where it has not. Once
        // more when the window system has framed the window (its title bar adds to the height).
        KeepWholeOnScreen();
        QTimer::singleShot(150, this, [this] { KeepWholeOnScreen(); });
        FormShow();
    }
    LabFileShown();
}

void TVEK4Form::FormShow() {
    if (WizardBtn->isChecked()) return; // shown again after a minimise: the mode stays
    WizardBtn->setChecked(true);
    WizardBtnClick();
}

void TVEK4Form::FormActivate() {
    SetApplicationHintHandler([this](const QString& hint) { ShowControlHint(hint); });
}

void TVEK4Form::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window: the layout built in it would be lost with one key.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TVEK4Form::done(int result) {
    if (!LabFileMayClose()) return; // unsaved readings: the student chose to stay
    FormClose();
    QDialog::done(result);
}

void TVEK4Form::FormClose() {
    if (Closed) return;
    Closed = true;
    if (Environment.Comms && Environment.Comms->Connected()) Environment.Comms->Disconnect();
    if (LabWindowsSaveTimer && LabWindowsSaveTimer->isActive()) SaveMovedLabWindows();
    CloseLabTools();
    SetScreenCursor(crHandPoint);
    SetApplicationHintHandler({});
}

void TVEK4Form::FormDestroy() {
    // The link manager must not call back into a window that is going.
    if (TCommsModule* comms = Environment.Comms) {
        comms->LinkLost = nullptr;
        comms->USBChanged = nullptr;
        if (comms->WindowHandle == this) comms->WindowHandle = nullptr;
    }
    if (!Closed) SetApplicationHintHandler({});
}

bool TVEK4Form::IsOnPanel1(const QWidget* w) const {
    for (; w; w = w->parentWidget())
        if (w == Panel1) return true;
    return false;
}

bool TVEK4Form::eventFilter(QObject* watched, QEvent* event) {
    // Tooltips follow the same rule as the status-bar hint: none from a disabled control, none from the
    // picture while its hints are off.
    if (watched == DisplayMeter1 && event->type() == QEvent::MouseMove) DisplayMeter1MouseMove();
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched->isWidgetType() &&
        (LabWindowOrder.contains(static_cast<QWidget*>(watched)) || (LabTabs && watched == LabTabs)))
        LabWindowMoved(static_cast<QWidget*>(watched));
    if (event->type() == QEvent::MouseMove && watched == RecordDataMenu)
        DataMenuPointerAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (event->type() == QEvent::MouseMove && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->parentWidget() == Panel1) {
        if (const int slot = SlotOf(static_cast<QWidget*>(watched));
            slot >= 0 && watched == HangerSlots[slot].MassLabel && HangerSlots[slot].MassLabel->isEnabled())
            PositionOfWeights(slot);
    }
    if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() == this && (!w->isEnabled() || (IsOnPanel1(w) && !Panel1Hints))) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TVEK4Form::ShowControlHint(const QString& hint) {
    // The control the pointer entered, disabled ones included.
    QWidget* w = ApplicationHintSource();
    if (!w) w = QApplication::widgetAt(QCursor::pos());
    const bool hintsOn = w && (!IsOnPanel1(w) || Panel1Hints);
    StatusPanel1->setText(hintsOn && w->isEnabled() && w->isVisible() ? hint : QString());
}

void TVEK4Form::SetHint(QWidget* w, const QString& hint) {
    w->setStatusTip(hint);
    w->setToolTip(hint);
    // A control whose hint changes under the pointer (the UDL button once it is used) shows the new hint at
    // once: a control without a hint sends no empty one when the pointer leaves it.
    if (w == ApplicationHintSource() && HasApplicationHintHandler()) ShowControlHint(hint);
}

void TVEK4Form::SetStatus(const QString& text) {
    StatusPanel0->setText(text);
}

bool TVEK4Form::VirtualExperimentsOn() const {
    return WizardBtn->isChecked();
}

// ---------------------------------------------------------------------------------------------------------
// The pictures of the layout.

void TVEK4Form::ShowLayout() {
    // A clamp or a knife-edge being dragged off the beam is lifted from the picture (a knife-edge's pivot
    // stays on the load diagram until the drop).
    LClampImage->setVisible(Layout.LeftClamp && !Layout.MovingLeftClamp);
    LeftSupport->setVisible(Layout.LeftClamp && !Layout.MovingLeftClamp);
    RClampImage->setVisible(Layout.RightClamp && !Layout.MovingRightClamp);
    RightSupport->setVisible(Layout.RightClamp && !Layout.MovingRightClamp);

    const std::array<std::tuple<bool, bool, int, TPictureControl*, TPictureControl*>, 2> knifeEdges = {
        std::tuple{Layout.KnifeEdge1, Layout.MovingKnifeEdge1, Layout.KnifeEdge1Station, KnifeEdge1,
                   Pivot1Image},
        std::tuple{Layout.KnifeEdge2, Layout.MovingKnifeEdge2, Layout.KnifeEdge2Station, KnifeEdge2,
                   Pivot2Image}};
    for (const auto& [present, moving, station, edge, pivot] : knifeEdges) {
        edge->move(ApparatusPlaces::KnifeEdge(station));
        pivot->move(ApparatusPlaces::Pivot(station));
        edge->setVisible(present && !moving);
        pivot->setVisible(present);
    }

    for (int s = 0; s < StationCount; ++s)
        ShowSlot(s);

    if (Layout.UDL) {
        ShowUDLPictures();
    } else {
        UDLImage->hide();
        UDLImage->resize(UDLRemovedWidth, UDLHeight);
        UDLLabel->hide();
        UDL2Image->hide();
    }

    if (!Layout.DraggingGauge) DialGaugeImage->move(ApparatusPlaces::Gauge(Layout.GaugeStation));
}

void TVEK4Form::ShowSlot(int s) {
    THangerSlotControls& controls = HangerSlots[s];
    const THangerSlot& slot = Layout.HangerSlots[s];
    if (!slot.Occupied()) {
        controls.Hanger->hide();
        controls.Arrow->hide();
        controls.ForceLabel->hide();
        controls.MassLabel->hide();
        return;
    }
    const QString grams = tr("%1 grams").arg(slot.Mass);

    // 1. The hanger's picture: the bare hanger, then the masses below it.
    if (controls.ComposedMass != slot.Mass || controls.ComposedVariable != slot.Variable) {
        const int mass = slot.Mass;
        const bool variable = slot.Variable;
        controls.Hanger->SetPicture(HangerPicture(mass, variable), [mass, variable](qreal scale) {
            return HangerPicture(mass, variable, scale);
        });
        controls.ComposedMass = slot.Mass;
        controls.ComposedVariable = slot.Variable;
    }
    // 2.
    controls.Hanger->move(ApparatusPlaces::Hanger(s));
    SetHint(controls.Hanger, grams);
    controls.Hanger->Tag = s;
    controls.Hanger->show();
    // 3. Three neighbouring stations get three different arrow lengths and label heights.
    const QString arrowName = QString::fromLatin1(ApparatusPlaces::ArrowOf(s).Picture);
    const QImage& arrow = arrowName == QLatin1String("ArrowDownSmall") ? ArrowDownSmall
                          : arrowName == QLatin1String("ArrowDownMed") ? ArrowDownMed
                                                                       : ArrowDownLarge;
    // 4. A variable weight shows its grams.
    if (slot.Variable) {
        controls.MassLabel->setText(ApparatusPlaces::GramsText(slot.Mass));
        controls.MassLabel->adjustSize();
        SetHint(controls.MassLabel, grams);
        controls.MassLabel->setProperty("Tag", s);
        controls.MassLabel->move(ApparatusPlaces::MassLabel(s, controls.MassLabel->width()));
        controls.MassLabel->show();
    } else {
        controls.MassLabel->hide();
    }
    // 5. The arrow's tip touches the diagram's beam line.
    controls.Arrow->SetPicture(arrow, AtScale(arrowName));
    controls.Arrow->AutoSize();
    controls.Arrow->move(ApparatusPlaces::Arrow(s, controls.Arrow->height()));
    controls.Arrow->show();
    // 6. The force in newtons above the arrow.
    controls.ForceLabel->setText(ApparatusPlaces::ForceText(slot.Mass));
    controls.ForceLabel->adjustSize();
    controls.ForceLabel->move(
        ApparatusPlaces::ForceLabel(s, controls.Arrow->height(), controls.ForceLabel->height()));
    controls.ForceLabel->show();
}

void TVEK4Form::DrawHanger(int station) {
    ShowSlot(station);
    Recalculate();
}

void TVEK4Form::PlaceUDL() {
    Layout.PlaceUDL(UDLSpinEdit->Value());
    ShowUDLPictures();
}

void TVEK4Form::ShowUDLPictures() {
    const int start = Layout.UDLStartStation, end = Layout.UDLEndStation;
    const QString intensity = ApparatusPlaces::UDLText(Layout.UDLIntensity);
    if (!Layout.ResizingUDL) UDLImage->setGeometry(ApparatusPlaces::UDLStrip(start, end));
    SetHint(UDLImage, tr("Uniformly distributed load of ") + intensity);
    UDLImage->show();
    UDLLabel->setText(intensity);
    UDLLabel->adjustSize();
    UDLLabel->move(ApparatusPlaces::UDLLabel(start, end, UDLLabel->width()));
    UDLLabel->show();
    UDLLabel->raise(); // over the load arrows, so the intensity reads whole
    UDL2Image->setGeometry(ApparatusPlaces::UDL2Strip(start, end));
    UDL2Image->show();
}

void TVEK4Form::Recalculate() {
    ShowLayout();
    BeamTheory.Recalculate(Layout, *View);
    LayoutChanged();
}

void TVEK4Form::InvertBeamToolsVisibility() {
    std::vector<QWidget*> tools = {EndClampImage,  KnifeEdgeImage, WeightsBinImage,  UDLLbl,
                                   UDLButton,      UDLSpinEdit,    EmptyHangerImage, VariableWeightLabel,
                                   WeightSpinEdit, WeightUnits};
    tools.insert(tools.end(), GramImages.begin(), GramImages.end());
    for (QWidget* w : tools)
        w->setVisible(w->isHidden());
}

// ---------------------------------------------------------------------------------------------------------
// Modes and commands.

void TVEK4Form::SetLayoutItemsEnabled(bool on) {
    for (THangerSlotControls& slot : HangerSlots) {
        slot.Hanger->setEnabled(on);
        slot.MassLabel->setEnabled(on);
    }
    for (TPictureControl* p : {LClampImage, RClampImage, KnifeEdge1, KnifeEdge2})
        p->setEnabled(on);
}

void TVEK4Form::ToggleToolBoxTools() {
    std::vector<QWidget*> tools = {WeightsBinImage, VariableWeightLabel, EmptyHangerImage,
                                   WeightSpinEdit,  WeightUnits,         EndClampImage,
                                   KnifeEdgeImage,  Sections->X1,        Sections->Y1};
    tools.insert(tools.end(), GramImages.begin(), GramImages.end());
    for (QWidget* w : tools)
        w->setEnabled(!w->isEnabled());
}

void TVEK4Form::SetUDLToolsEnabled(bool on) {
    UDLSpinEdit->setEnabled(on);
    UDLButton->setEnabled(on);
    UDLLbl->setEnabled(on);
    SetHint(UDLButton, on ? tr("Click to put a Uniformly Distributed Load on the beam") : QString());
    SetHint(UDLLbl, on ? tr("Select Uniformly Distributed Load (1 - 50 N/m)") : QString());
}

void TVEK4Form::RunVirtualClick() {
    WizardBtn->setChecked(!WizardBtn->isChecked());
    WizardBtnClick();
}

void TVEK4Form::WizardBtnClick() {
    const bool on = WizardBtn->isChecked();
    // With the laboratory tools, leaving virtual mode keeps the set-up for the real run (LabKeepsSetup):
    // only what the apparatus cannot have goes, and unsaved work that would lose it is asked about first.
    if (!on && LabToolsOn() && !LabMayLeaveVirtualMode()) {
        WizardBtn->setChecked(true);
        return;
    }
    View->VirtualExperiments = on;
    ToggleToolBoxTools();
    RecordDataAction->setEnabled(true);
    SetUDLToolsEnabled(on);
    ConnectBtn->setEnabled(!ConnectBtn->isEnabled());
    RunConnect->setEnabled(ConnectBtn->isEnabled());
    Panel1Hints = !Panel1Hints;
    DialGaugeImage->setEnabled(!DialGaugeImage->isEnabled());
    View->DialGaugeDeflection->setText(QStringLiteral("0.00 mm"));

    if (on) {
        View->DialGaugeDeflection->show();
        View->DeflectionLabel->show();
        NewButton->setEnabled(true);
        FileNew->setEnabled(true);
        Sections->SectionsComboBox->show();
        ActualDeflectionLabel->hide();
        ActualDeflection->hide();
        View->PositiveDeflectLbl->setVisible(!View->PositiveDeflectLbl->text().isEmpty());
        View->NegativeDeflectLbl->setVisible(!View->NegativeDeflectLbl->text().isEmpty());
        Sections->RadioGroup->move(Sections->RadioGroup->x(), RadioGroupDesignTop);
        DisplayMeter1->hide();
        MeterComboBox->hide();
        Sections->ApplySelectedSectionMoment();
        Recalculate();
        SetStatus(Translated(ActiveStatus));
        SetLayoutItemsEnabled(true);
        Sections->YoungsModulus->setEnabled(true);
    } else {
        View->DialGaugeDeflection->hide();
        View->DeflectionLabel->hide();
        Sections->SectionsComboBox->setCurrentIndex(0);
        Sections->SectionsComboBox->hide();
        NewButton->setEnabled(false);
        FileNew->setEnabled(false);
        if (LabToolsOn())
            LabKeepSetupForTheApparatus();
        else
            NewButtonClick();
        SetStatus(Translated(IdleStatus));
        Sections->RadioGroup->move(Sections->RadioGroup->x(), RadioGroupDesignTop + 7);
        Sections->ShowFlatSectionProperties();
        View->ClearDeflectionView();
        Sections->YoungsModulus->setEnabled(false);
    }
    if (Sections->ShowingSectionProperties()) Sections->ShowSectionProperties();
}

void TVEK4Form::NewButtonClick() {
    // 1-3. Every weight, the UDL and every support leave the beam; the gauge stays where it is.
    for (THangerSlot& slot : Layout.HangerSlots)
        slot = THangerSlot{};
    Layout.UDL = false;
    Layout.LeftClamp = Layout.RightClamp = false;
    Layout.KnifeEdge1 = Layout.KnifeEdge2 = false;
    ShowLayout();
    // 4.
    View->ClearDeflectionView();
    Recalculate();
    // 5. Idle: nothing left to clear.
    if (WizardBtn->isEnabled() && ConnectBtn->isEnabled()) {
        NewButton->setEnabled(false);
        FileNew->setEnabled(false);
    }
    // 6. Virtual experiments: the UDL can be put on again.
    if (WizardBtn->isEnabled() && WizardBtn->isChecked()) SetUDLToolsEnabled(true);
}

void TVEK4Form::FileExitClick() {
    close();
}

void TVEK4Form::About1Click() {
    if (Environment.ShowAbout) Environment.ShowAbout(this);
}

void TVEK4Form::RecordDataBtnClick() {
    if (LabToolsOn()) {
        RecordReading();
        return;
    }
    if (Environment.ShowModulePicture) Environment.ShowModulePicture(4);
}

void TVEK4Form::CaptureComboChange() {
    RecordDataAction->setEnabled(true);
}

void TVEK4Form::ConnectBtnClick() {
    // 1. A refused connection leaves the window as it was; the link manager has said why.
    if (!Environment.Comms || !Environment.Comms->Connect()) return;
    // 2-3.
    ToggleToolBoxTools();
    RecordDataAction->setEnabled(true);
    WizardBtn->setEnabled(false);
    RunVirtual->setEnabled(false);
    ConnectBtn->setEnabled(false);
    RunConnect->setEnabled(false);
    // 4. The measured readouts wait for the first frame.
    DisplayMeter1->setText(QStringLiteral(" --.-- mm"));
    DisplayMeter1->show();
    ActualDeflection->setText(QStringLiteral("--.-- mm"));
    ActualDeflection->show();
    ActualDeflectionLabel->show();
    View->DialGaugeDeflection->setText(QStringLiteral("0.00 mm"));
    View->DialGaugeDeflection->show();
    View->DeflectionLabel->show();
    // 5-6.
    NewButton->setEnabled(true);
    FileNew->setEnabled(true);
    DisconnectBtn->setEnabled(true);
    RunDisconnect->setEnabled(true);
    SetStatus(Translated(ActiveStatus));
    Panel1Hints = true;
    // 7-8.
    Recalculate();
    SetLayoutItemsEnabled(true);
    DialGaugeImage->setEnabled(true);
    Sections->YoungsModulus->setEnabled(true);
}

void TVEK4Form::DisconnectBtnClick() {
    if (Environment.Comms) Environment.Comms->Disconnect();
    RecordDataAction->setEnabled(true);
    ToggleToolBoxTools();
    ConnectBtn->setEnabled(true);
    RunConnect->setEnabled(true);
    WizardBtn->setEnabled(true);
    RunVirtual->setEnabled(true);
    DisconnectBtn->setEnabled(false);
    RunDisconnect->setEnabled(false);
    // The measured readout stays shown with dashes; the meter goes.
    DisplayMeter1->hide();
    MeterComboBox->hide();
    ActualDeflection->setText(QStringLiteral("--.-- mm"));
    Panel1Hints = false;
    SetStatus(Translated(IdleStatus));
    // The layout built while connected stays on the beam, out of reach until a mode is chosen again.
    SetLayoutItemsEnabled(false);
    DialGaugeImage->setEnabled(false);
    Sections->YoungsModulus->setEnabled(false);
    LabToolsLinkEnded();
}

// ---------------------------------------------------------------------------------------------------------
// The live readings.

void TVEK4Form::SelectCOMPort1Click() {
    if (Environment.Comms) Environment.Comms->ShowCommsOptions();
}

void TVEK4Form::WMUpdateFormOutputs(int wParam) {
    UpdateFormOutputs((wParam & 1) != 0, (wParam & 2) != 0);
}

void TVEK4Form::UpdateFormOutputs(bool newReadings, bool stateChanged) {
    TCommsModule* comms = Environment.Comms;
    if (!comms) return;
    if (newReadings) {
        const int i = std::clamp(MeterComboBox->currentIndex(), 0, 1);
        const TProcessBlock& processor = comms->Processor();
        MeasuredDeflection = processor.Filter(Gauge1Channel + i).Average();
        const bool millimetres = i == 0 ? processor.Gauge1InMillimetres : processor.Gauge2InMillimetres;
        if (!millimetres) MeasuredDeflection *= 25.4; // the gauge reports inches
        LabToolsNewReadings(processor);
        // Beyond the gauges' travel, and a gauge in error (NoReading), show dashes.
        if (std::abs(MeasuredDeflection) > 100.0) {
            DisplayMeter1->setText(QStringLiteral(" --.- mm "));
            ActualDeflection->setText(QStringLiteral("--.- mm"));
            ShowMeasuredInDiagrams(std::nullopt);
        } else {
            const QString t = FormatFixed(LabToolsZeroed(i, MeasuredDeflection), 2);
            DisplayMeter1->setText(QStringLiteral(" ") + t + QStringLiteral(" mm "));
            ActualDeflection->setText(t + QStringLiteral(" mm"));
            ShowMeasuredInDiagrams(LabToolsZeroed(i, MeasuredDeflection));
        }
        if (MeterComboBox->isHidden()) DisplayMeter1->adjustSize();
        ActualDeflection->adjustSize();
        ShowZeroedMark();
    }
    if (stateChanged) {
        UpdateLabToolsCommands();
        if (comms->LinkState() != TLinkState::LinkOK) ShowMeasuredInDiagrams(std::nullopt);
        TPictureControl* lamp = nullptr;
        QString text;
        switch (comms->LinkState()) {
        case TLinkState::LinkOK:
            lamp = GreenLED;
            text = comms->IsUSBConnected() ? tr("Communicating via USB")
                                           : tr("COM %1: Connected").arg(comms->ComPortNumber());
            break;
        case TLinkState::LinkOff:
            lamp = RedLED;
            text = tr("Comms link OFF");
            break;
        case TLinkState::LinkUnstable:
            lamp = AmberLED;
            text = tr("Comms link unstable");
            break;
        }
        if (!lamp) return;
        for (TPictureControl* led : {GreenLED, AmberLED, RedLED})
            led->setVisible(led == lamp);
        ComsLabel->setText(text);
    }
}

void TVEK4Form::DisplayMeter1MouseMove() {
    if (!MeterComboBox->isHidden()) return;
    DisplayMeter1->move(MeterComboBox->x(), MeterComboBox->y() + MeterComboBox->height() - 2);
    QFont font = DisplayMeter1->font();
    font.setPointSize(11);
    DisplayMeter1->setFont(font);
    DisplayMeter1->resize(MeterComboBox->width(), DisplayMeter1->sizeHint().height());
    MeterComboBox->show();
    MeterComboBox->raise();
}

void TVEK4Form::FoldMeterBack() {
    MeterComboBox->hide();
    QFont font = DisplayMeter1->font();
    font.setPointSize(8);
    DisplayMeter1->setFont(font);
    DisplayMeter1->adjustSize();
    DisplayMeter1->move(MeterHome);
}

void TVEK4Form::ScreenImageMouseMove(QPoint position) {
    if (Layout.ResizingUDL) {
        // The UDL's new end follows the mouse; the popup and the status bar are left as they are.
        UDLImage->resize(std::max(position.x() - UDLImage->x() + 8, 0), UDLImage->height());
        PositionValue->setText(QString::fromStdString(UDLLengthText(Layout, position.x())));
    } else {
        PositionPopup->hide();
        PositionValue->hide();
        SetStatus(
            Translated(VirtualExperimentsOn() || DisconnectBtn->isEnabled() ? ActiveStatus : IdleStatus));
    }
    LoadPositionPopup->hide();
    LoadPositionValue->hide();
    if (!MeterComboBox->isHidden()) FoldMeterBack();
}

void TVEK4Form::DisconnectOnLinkLost() {
    if (DisconnectBtn->isEnabled()) DisconnectBtnClick();
}

void TVEK4Form::USBDeviceChanged() {
    if (Environment.Comms && Environment.Comms->IsUSBConnected()) {
        ComsLabel->setText(tr("USB Device Connected"));
        return;
    }
    ComsLabel->setText(tr("USB Device Disconnected"));
    if (DisconnectBtn->isEnabled()) DisconnectBtnClick();
}

// ---------------------------------------------------------------------------------------------------------
// The weight box.

bool TVEK4Form::CheckSpinEditText(const QString& text) const {
    // The minimum is not negative, so a minus sign is never part of a weight; "+50" is 50.
    if (text.contains(QLatin1Char('-'))) return false;
    if (text.isEmpty()) return true;
    bool whole = false;
    const int value = text.toInt(&whole, 10);
    return whole && value >= WeightSpinEdit->MinValue && value <= WeightSpinEdit->MaxValue;
}

void TVEK4Form::WeightSpinEditChange() {
    if (!CheckSpinEditText(WeightSpinEdit->text())) {
        WeightSpinEdit->Undo();
        return;
    }
    WeightSpinEdit->MakeFinal();
    VariableWeightLabel->setText(QStringLiteral("%1g").arg(WeightSpinEdit->Value()));
    VariableWeightLabel->adjustSize();
    VariableWeightLabel->move(EmptyHangerImage->x() + HalfRounded(EmptyHangerImage->width()) -
                                  HalfRounded(VariableWeightLabel->width()),
                              VariableWeightLabel->y());
}

void RunVEK4Form(TVEK4Environment environment) {
    TVEK4Form window(std::move(environment));
    ShowModal(window);
}
