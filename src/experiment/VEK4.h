#pragma once
// TVEK4Form: the window of the beam-deflection experiment, "Deflection of Beams and Cantilevers (VEK4)".
//
// The window holds the apparatus picture with the beam layout on it, the load diagram, the theoretical
// deflection graph and readouts, the tool box (beam tools, section and material), the link lamp, a toolbar,
// a main menu and a two-panel status bar, all at the fixed places of its design. It works in three modes:
// idle, virtual experiments (the layout is built and its theory computed) and connected (the data unit is
// linked).
//
// The layout lives in `Layout` (plain data). ShowLayout() draws every picture of the layout from it, so an
// item's picture is shown exactly when the item is present; all controls, the 61 hanger slots included, are
// created once with the window and afterwards only shown, hidden, moved and redrawn.

#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QSet>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "experiment/SectionsPanel.h"
#include "experiment/VEK4LabFile.h"
#include "model/BeamLayout.h"
#include "model/PlacementRules.h"
#include "theory/BeamTheory.h"
#include "theory/Diagrams.h"

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QTabWidget;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QStatusBar;
class QToolButton;
class TCommsModule;
class TDeflectionView;
class TDragController;
class TIntegerSpinEdit;
class TPictureControl;
class TProcessBlock;
struct TExperimentSetup;
struct TRunSetup;
struct TReading;
struct TReportContent;
class TReadingsTable;
class TLabSession;
class TReadingsView;
struct TReadingsViewContext;
struct TVEK4LabTools;
class TDiagramsForm;
class TCompareWindow;
class TVEK4Keyboard;

// What the window calls outside the experiment: the link manager and the application's shared windows.
struct TVEK4Environment {
    TCommsModule* Comms = nullptr; // the link manager; none: connecting is refused
    // The about box, modal over the window.
    std::function<void(QWidget* owner)> ShowAbout;
    // The picture viewer's module picture (module 4 is the record-data table).
    std::function<void(int module)> ShowModulePicture;
    // The laboratory tools. The clock (ms, monotonic) times the gauge readings and the rows; empty: a steady
    // clock. The readings window's maker; empty: the loadable library beside the executable.
    std::function<qint64()> Clock;
    std::function<TReadingsView*(const TReadingsViewContext&)> CreateReadingsView;
    // The file dialogs of the laboratory tools' "&File" commands; empty: the window cannot save or open.
    TLabFileDialogs LabFiles;
    // Ends the run and starts the program again (the large display's scale is set at start-up); empty: the
    // window only says the change comes with the next start.
    std::function<void()> Restart;
};

// The four controls of a hanger slot; the weight itself is in the layout's HangerSlots.
struct THangerSlotControls {
    TPictureControl* Hanger = nullptr;
    TPictureControl* Arrow = nullptr;
    QLabel* ForceLabel = nullptr;
    QLabel* MassLabel = nullptr;
    // What Hanger's picture was composed for, so an unchanged weight is not composed again.
    int ComposedMass = -2;
    bool ComposedVariable = false;
};

class TVEK4Form final : public QDialog, public TSectionsHost {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 756, ClientHeight = 546;
    static constexpr int DesignLeft = 507, DesignTop = 261;
    static constexpr int ToolBarHeight = 29, StatusBarHeight = 22;
    static inline const QString Caption = QStringLiteral("Deflection of Beams and Cantilevers (VEK4)");
    static inline const QString IdleStatus = QStringLiteral("Connect VEK2000 / Select Virtual Experiments");
    static inline const QString ActiveStatus =
        QStringLiteral("Use tool box tools to add supports and weights to beam");

    explicit TVEK4Form(TVEK4Environment environment = {});
    ~TVEK4Form() override;

    // The layout and its theory.
    TBeamLayout Layout;
    TBeamTheory BeamTheory;

    // TSectionsHost
    TBeamTheory& Theory() override { return BeamTheory; }
    // Runs the theory core (which lays a present UDL out again through PlaceUDL), then redraws the view.
    void Recalculate() override;
    void InvertBeamToolsVisibility() override;

    // The pictures of the layout.
    void ShowLayout();
    // Shows the weight of a slot from its Mass and its variable flag, then recalculates.
    void DrawHanger(int station);
    // Lays the UDL out between the current supports with the intensity of UDLSpinEdit and shows it.
    void PlaceUDL();

    // Modes and commands.
    void WizardBtnClick();
    void RunVirtualClick();
    void ToggleToolBoxTools();
    void SetUDLToolsEnabled(bool on);
    void NewButtonClick();
    void FileExitClick();
    void About1Click();
    void VersionInformation1Click() {}
    void RecordDataBtnClick();
    void CaptureComboChange();
    void ConnectBtnClick();
    void DisconnectBtnClick();
    void SelectCOMPort1Click();
    void ShowControlHint(const QString& hint);

    // The live readings: the link manager posts a TLinkUpdateEvent after each frame (bit 0 of wParam: new
    // readings) and each change of link state (bit 1).
    void WMUpdateFormOutputs(int wParam);
    void UpdateFormOutputs(bool newReadings, bool stateChanged);
    // The mouse over the meter unfolds it under its channel selector.
    void DisplayMeter1MouseMove();
    // The mouse over the bare picture: popups hidden, the mode's instruction, the meter folded back.
    void ScreenImageMouseMove(QPoint position);
    // The link manager's callbacks: a lost link it gave up, a USB unit plugged in or removed.
    void DisconnectOnLinkLost();
    void USBDeviceChanged();
    // Editing the layout with the mouse. Drags run through the window's drag controller; what a drag-over
    // accepts and what a drop makes of the layout are the pure placement rules.
    [[nodiscard]] TDragSource SourceOf(QWidget* control) const;
    [[nodiscard]] bool IsToolBoxTarget(const QWidget* control) const;
    void ImageStartDrag(QWidget* source);
    bool ControlDragOver(QWidget* target, QWidget* source, QPoint point);
    void ControlEndDrag(QWidget* source, QWidget* target, QPoint point);
    void ApplyDrop(const TDropAnswer& answer);
    void KnifeEdgeMouseMove(int knifeEdge);
    void ClampImageMouseMove(bool left);
    void PositionOfWeights(int station);
    void WeightSpinEditExit();
    // The UDL and the dial gauge.
    void UDLComponentClick();
    void UDLImageMouseDown(QMouseEvent* event);
    void UDLImageMouseMove(QMouseEvent* event);
    void UDLImageMouseUp(QMouseEvent* event);
    void ScreenImageMouseUp(QMouseEvent* event);
    void FinishUDLResize(int x);
    void UDLSpinEditChange();
    void UDLSpinEditExit();
    void DialGaugeImageMouseDown(QMouseEvent* event);
    void DialGaugeImageMouseMove(QMouseEvent* event);
    void DialGaugeImageMouseUp(QMouseEvent* event);
    // Popups: placing one at a station centres its value there, the title above it.
    void PlacePopup(QLabel* title, QLabel* value, int station);
    void ShowGaugeReadout();

    // The last measured deflection, mm.
    double MeasuredDeflection = 0.0;
    // The weight box: a refused text is undone; an accepted one shows on VariableWeightLabel.
    void WeightSpinEditChange();
    [[nodiscard]] bool CheckSpinEditText(const QString& text) const;

    // Whether controls on Panel1 show their hints (off while idle).
    [[nodiscard]] bool Panel1ShowHint() const { return Panel1Hints; }
    [[nodiscard]] bool VirtualExperimentsOn() const;

    // Design.
    QMenuBar* MainMenu1;
    QAction* FileNew;
    QAction* FileOpen;
    QAction* FileExit;
    QAction* RunConnect;
    QAction* RunDisconnect;
    QAction* RunVirtual;
    QAction* SelectCOMPort1;
    QMenu* RecordDataMenu;
    QAction* Recorddatatotable1;
    QMenu* WindowMenu;
    QAction* About1;
    QAction* VersionInformation1;
    QAction* RecordDataAction;

    QWidget* ToolBar1;
    QToolButton* NewButton;
    QToolButton* ConnectBtn;
    QToolButton* DisconnectBtn;
    QToolButton* WizardBtn;
    QToolButton* RecordDataBtn;
    QComboBox* CaptureCombo;
    QWidget* Panel2;
    TPictureControl* GreenLED;
    TPictureControl* AmberLED;
    TPictureControl* RedLED;
    QLabel* ComsLabel;

    QFrame* Panel1Frame; // the single border around Panel1
    QWidget* Panel1;     // the client of the panel: every picture coordinate is relative to it
    TPictureControl* ScreenImage;
    TPictureControl* LClampImage;
    TPictureControl* RClampImage;
    TPictureControl* LeftSupport;
    TPictureControl* RightSupport;
    TPictureControl* KnifeEdge1;
    TPictureControl* KnifeEdge2;
    TPictureControl* Pivot1Image;
    TPictureControl* Pivot2Image;
    std::array<THangerSlotControls, StationCount> HangerSlots{};
    TPictureControl* UDLImage;
    TPictureControl* UDL2Image;
    QLabel* UDLLabel;
    TPictureControl* DialGaugeImage;
    TDeflectionView* View;
    QLabel* ActualDeflectionLabel;
    QLabel* ActualDeflection;
    QLabel* DisplayMeter1;
    QComboBox* MeterComboBox;

    QWidget* ToolBox;
    TSectionsPanel* Sections;
    TPictureControl* EndClampImage;
    TPictureControl* KnifeEdgeImage;
    TPictureControl* WeightsBinImage;
    QLabel* UDLLbl;
    QToolButton* UDLButton;
    TIntegerSpinEdit* UDLSpinEdit;
    TPictureControl* EmptyHangerImage;
    QLabel* VariableWeightLabel;
    TIntegerSpinEdit* WeightSpinEdit;
    QLabel* WeightUnits;
    std::array<TPictureControl*, 5> GramImages{}; // Gram100Image .. Gram500Image

    QLabel* PositionPopup;
    QLabel* PositionValue;
    QLabel* LoadPositionPopup;
    QLabel* LoadPositionValue;
    TDragController* Drag;
    // The keyboard and screen-reader side (VEK4Keyboard.cpp): building the set-up with keys through Drag.
    TVEK4Keyboard* Keys = nullptr;

    QStatusBar* StatusBar1;
    QLabel* StatusPanel0; // mode and instruction texts
    QLabel* StatusPanel1; // the hint of the control under the mouse

    // The meter's home position (where it returns when folded back).
    QPoint MeterHome;
    // The three arrow bitmaps, loaded once.
    QImage ArrowDownSmall, ArrowDownMed, ArrowDownLarge;

    // The laboratory tools (VEK4LabTools.cpp), off by default. With them off the window is the designed one:
    // no capture, "&Data" disabled, F10 shows the module picture. With them on, the capture-available flag is
    // true, `CaptureCombo` and "&Data" are enabled, and `RecordDataAction` records a reading.
    QAction* LabToolsAction = nullptr;     // "&Options" > "&Laboratory tools", checkable
    QAction* LargeDisplayAction = nullptr; // "&Options" > "Large &display", checkable, with the tools on
    QMenu* LanguageMenu = nullptr;         // "&Options" > "Lang&uage", with the tools on
    QAction* ZeroGaugesAction = nullptr;   // "&Data" > "&Zero gauges" (Ctrl+0)
    QAction* ClearZeroAction = nullptr;    // "&Data" > "C&lear zero"
    QAction* ShowTableAction = nullptr;    // "&Data" > "Show &table" (Ctrl+T); "Show &diagrams" goes after it
    QAction* NewRunAction = nullptr;       // "&Data" > "&New run" (Ctrl+R): the next row starts a run
    QLabel* ZeroedMark = nullptr;          // "(zeroed)" by the measured readout while a zero is in use
    [[nodiscard]] bool LabToolsOn() const;
    void LabToolsActionClick(bool on);
    void DataMenuPointerAt(QPoint pos);
    void ZeroGaugesClick();
    void ClearZeroClick();
    void ShowTableClick();
    void NewRunClick();
    // "&Data" > "Show &diagrams" (Ctrl+D), VEK4Diagrams.cpp: the "Diagrams" window, made on first use and
    // kept in step with every Recalculate.
    QAction* ShowDiagramsAction = nullptr;
    TDiagramsForm* Diagrams = nullptr;
    void ShowDiagramsClick();
    // Records one reading from the layout, the theory and the last second of gauge readings; false (with a
    // message saying why) when no reading can be taken now.
    bool RecordReading();
    [[nodiscard]] TVEK4LabTools& LabTools() const { return *Lab; }
    // The lab session: readings, runs, zero, file and journal (record/LabSession.h).
    [[nodiscard]] TLabSession& Session() const;
    [[nodiscard]] TReadingsView* ReadingsView() const;

    // The laboratory tools' files (VEK4LabFile.cpp): "&Open..." is the design's `FileOpen`, shown while the
    // tools are on; the other commands exist only then. Each command asks for what it needs through the
    // dialogs of Environment.LabFiles and reports a failure through the message layer.
    QAction* FileSave = nullptr;        // "&Save" (Ctrl+S)
    QAction* FileSaveAs = nullptr;      // "Save &As..."
    QAction* FileSaveHandout = nullptr; // "Save as &hand-out...": a file that opens as an untitled copy
    QAction* FileExportTable = nullptr; // "&Export table..." (Ctrl+E)
    QAction* FilePrintReport = nullptr; // "&Print report..." (Ctrl+P)
    QAction* FileExportPdf = nullptr;   // "Export report as PD&F..."
    QAction* FileDetails = nullptr;     // "Experiment &details..."
    QAction* FileCompare = nullptr;     // "&Compare experiments..." (Ctrl+Shift+O)
    void LabNewClick();
    void FileOpenClick();
    bool FileSaveClick();
    bool FileSaveAsClick();
    void FileSaveHandoutClick();
    void FileExportTableClick();
    void FilePrintReportClick();
    void FileExportPdfClick();
    // VEK4Compare.cpp: who did the experiment, and a class's files side by side.
    bool FileDetailsClick();
    void ShowMeasuredInDiagrams(std::optional<double> mm);
    [[nodiscard]] QString OfferedStudentName() const;
    // What the report shows of this experiment, for the student named.
    [[nodiscard]] TReportContent ReportContent(const QString& studentName) const;
    void FileCompareClick();
    TCompareWindow* Compare = nullptr;
    // The work behind the commands, once the file name is known. False: refused, with a message.
    bool OpenExperimentFile(const QString& path);
    bool SaveExperimentFile(const QString& path);
    bool ExportTable(const QString& path);
    bool ExportReportPdf(const QString& path, const QString& studentName);
    // The set-up as the window has it now: layout, section and material, property varied, zeros.
    [[nodiscard]] TExperimentSetup CurrentSetup() const;
    // Readings or layout changed since the last save, open or new.
    [[nodiscard]] bool LabFileModified() const;
    // The experiment window on screen now, if any (there is at most one: it is modal).
    [[nodiscard]] static TVEK4Form* OpenWindow();
    // A file given from outside (a second start of the program): the window comes forward, the laboratory
    // tools go on, unsaved work is asked about, and the file opens as File > Open would.
    void OpenHandedOverFile(const QString& path);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

public:
    // Every way the window closes ends here: the close box, Alt+F4, "E&xit".
    void done(int result) override;

private:
    void BuildMenu();
    void BuildToolBar(QWidget* client);
    void BuildPanel(QWidget* client);
    void BuildToolBox();
    void BuildStatusBar(QWidget* client);
    void FormCreate();
    void FormShow();
    void FormActivate();
    void FormClose();
    void FormDestroy();
    void ShowSlot(int station);
    void ShowUDLPictures();
    void SetStatus(const QString& text);
    void SetLayoutItemsEnabled(bool on);
    void FoldMeterBack();
    void BuildPopups();
    void WireEditing();
    [[nodiscard]] int SlotOf(const QWidget* control) const;
    void ApplyPopup(QLabel* title, QLabel* value, const TPopupUpdate& update);
    void SetHint(QWidget* w, const QString& hint);
    [[nodiscard]] bool IsOnPanel1(const QWidget* w) const;

    // The laboratory tools' side of the window (VEK4LabTools.cpp).
    void BuildLabToolsMenu(QMenu* options);
    void CreateLabTools();
    void ApplyLabTools();
    void UpdateLabToolsCommands();
    void BuildDiagramsCommand();
    void ApplyDiagramsCommand(bool on);
    void UpdateDiagrams();
    [[nodiscard]] TBeamSection DiagramsSection() const;
    // The one notification of a changed layout or gauge for the laboratory tools (diagrams, lab file).
    void LayoutChanged();
    // The display commands of the laboratory tools (VEK4Display.cpp): the large display and the language.
    void BuildDisplayCommands(QMenu* options);
    void ApplyDisplayCommands(bool on);
    void LargeDisplayClick(bool on);
    void LanguageClick(const QString& language);
    void LabToolsNewReadings(const TProcessBlock& processor);
    [[nodiscard]] double LabToolsZeroed(int gauge, double mm) const;
    void ShowZeroedMark();
    void RedrawReadouts();
    void LabToolsLinkEnded();
    void CloseLabTools();
    std::unique_ptr<TVEK4LabTools> Lab;

    // The laboratory tools' files (VEK4LabFile.cpp).
    void BuildLabFileMenu(QMenu* file);
    void ApplyLabFileMenu();
    void LabFileShown();
    void LabFileLayoutChanged();
    void LabFileTableChanged();
    [[nodiscard]] bool LabFileMayClose();
    void LabFileClosed();
    [[nodiscard]] bool AskToSaveChanges();
    void ApplyExperiment(const TExperimentSetup& setup, const std::vector<TReading>& rows,
                         const std::map<int, QString>& runNames,
                         const std::map<int, TRunSetup>& runSetups = {});
    void OfferRestore();
    void UpdateLabTitle();
    // The lab windows beside the experiment window (VEK4LabWindows.cpp).
    void KeepWholeOnScreen();
    void ShowLabWindow(QWidget* window);
    void ArrangeLabWindows(QWidget* showing = nullptr);
    void LabWindowMoved(QWidget* window);
    bool PlaceWhereTheStudentLeftIt(QWidget* window);
    void SaveMovedLabWindows();
    [[nodiscard]] QWidget* LabTopLevel(QWidget* window) const;
    [[nodiscard]] std::vector<QAction*> LabKeyActions() const; // the lab keys, in every lab window
    void ShowAsTabs(const std::vector<QWidget*>& windows);
    void HideLabWindows();
    QPointer<QTabWidget> LabTabs; // the lab windows as tabs of one window, where they have no room apart
    QList<QPointer<QWidget>> LabWindowOrder;
    QHash<QWidget*, QPoint> LabWindowsPlaced; // where each was last put
    QSet<QWidget*> LabWindowsMoved;           // moved by the student since: left where they are
    QElapsedTimer LabWindowsArranged;         // since the last arrangement
    QTimer* LabWindowsSaveTimer = nullptr; // the moved windows' places go to the settings file after a pause
    [[nodiscard]] bool LabMayLeaveVirtualMode();
    void LabKeepSetupForTheApparatus();
    [[nodiscard]] QString SuggestedPath(const QString& base, const QString& suffix) const;
    std::unique_ptr<TVEK4LabFile> LabFile;

    TVEK4Environment Environment;
    bool Panel1Hints = true;
    bool DisabledCommandHintShown = false; // the status bar explains a disabled "&Data" command
    bool Closed = false;
    bool CaptureAvailable = false;
    int RadioGroupDesignTop = 0;
};

// Creates the experiment window with no owner, shows it modally and destroys it when it closes.
void RunVEK4Form(TVEK4Environment environment);
