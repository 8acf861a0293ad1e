// The laboratory tools on the experiment window: the "&Laboratory tools" switch, the "&Data" commands
// (record, zero, clear zero, show the table), the gauge readings history behind the zero and the rows, and
// the readings window, loaded on first use.
#include "VEK4.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include "experiment/VEK4LabTools.h"
#include "lab/DiagramsForm.h"
#include "link/CommsModuleDM.h"
#include "platform/MessageLayer.h"
#include "platform/NumberFormat.h"
#include "platform/TranslatedText.h"
#include "record/LabToolsSetting.h"
#include "theory/Sections.h"

namespace {

const char* const ZeroHint =
    QT_TRANSLATE_NOOP("TVEK4Form", "Zero the gauges: their mean over the last second becomes zero");
const char* const ZeroNeedsLink =
    QT_TRANSLATE_NOOP("TVEK4Form", "Zero gauges needs a connected VEK2000 with a reading (connect first)");
const char* const ClearZeroHint =
    QT_TRANSLATE_NOOP("TVEK4Form", "Clear the zero: show the gauges' raw readings again");
const char* const ClearZeroNeedsZero = QT_TRANSLATE_NOOP("TVEK4Form", "Clear zero: no zero is in use");
const char* const ShowTableHint = QT_TRANSLATE_NOOP("TVEK4Form", "Show the table of readings with its plot");

qint64 SteadyClock() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.elapsed();
}

void SetHintText(QAction* a, const QString& hint) {
    a->setStatusTip(hint);
    a->setToolTip(hint);
}

// The readings window lives in a library beside the executable, loaded once.
TReadingsViewFactory LoadReadingsLibrary(QString* error) {
    static TReadingsViewFactory factory = nullptr;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QString::fromLatin1(ReadingsLibraryName));
        factory = reinterpret_cast<TReadingsViewFactory>(library.resolve(ReadingsViewFactoryName));
        if (!factory) failure = library.errorString();
    }
    if (!factory && error) *error = failure;
    return factory;
}

} // namespace

void TVEK4Form::BuildLabToolsMenu(QMenu* options) {
    Lab = std::make_unique<TVEK4LabTools>();
    LabToolsAction = options->addAction(tr("&Laboratory tools"));
    LabToolsAction->setObjectName(QStringLiteral("LabToolsAction"));
    LabToolsAction->setCheckable(true);
    SetHintText(LabToolsAction, tr("Record readings to a table, zero the gauges, plot and fit"));
    connect(LabToolsAction, &QAction::triggered, this, &TVEK4Form::LabToolsActionClick);
    BuildDisplayCommands(options);

    // "&Record data to table" and its separator are the design's; the new commands go around them, and are
    // hidden while the tools are off so the menu is the designed one.
    QAction* separator = RecordDataMenu->actions().value(1);
    auto add = [&](const char* name, const QString& text, const QKeySequence& key) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setVisible(false);
        addAction(a);
        return a;
    };
    ZeroGaugesAction = add("ZeroGaugesAction", tr("&Zero gauges"), QKeySequence(Qt::CTRL | Qt::Key_0));
    ClearZeroAction = add("ClearZeroAction", tr("C&lear zero"), {});
    ShowTableAction = add("ShowTableAction", tr("Show &table"), QKeySequence(Qt::CTRL | Qt::Key_T));
    NewRunAction = add("NewRunAction", tr("&New run"), QKeySequence(Qt::CTRL | Qt::Key_R));
    SetHintText(NewRunAction, tr("The next row starts a new run, fitted on its own"));
    RecordDataMenu->insertAction(separator, NewRunAction);
    RecordDataMenu->insertAction(separator, ZeroGaugesAction);
    RecordDataMenu->insertAction(separator, ClearZeroAction);
    RecordDataMenu->addAction(ShowTableAction);
    BuildDiagramsCommand(); // "Show &diagrams" (Ctrl+D), right after "Show &table"
    RecordDataMenu->setToolTipsVisible(true);
    connect(ZeroGaugesAction, &QAction::triggered, this, &TVEK4Form::ZeroGaugesClick);
    connect(ClearZeroAction, &QAction::triggered, this, &TVEK4Form::ClearZeroClick);
    connect(ShowTableAction, &QAction::triggered, this, &TVEK4Form::ShowTableClick);
    connect(NewRunAction, &QAction::triggered, this, &TVEK4Form::NewRunClick);
}

void TVEK4Form::CreateLabTools() {
    Lab->Clock = Environment.Clock ? Environment.Clock : std::function<qint64()>(SteadyClock);
    if (Environment.Comms) Lab->SettingsFile = Environment.Comms->SettingsFilePath();
    ZeroedMark = new QLabel(tr("(zeroed)"), Panel1);
    ZeroedMark->setObjectName(QStringLiteral("ZeroedMark"));
    QFont bold = ZeroedMark->font();
    bold.setBold(true);
    ZeroedMark->setFont(bold);
    QPalette red = ZeroedMark->palette();
    red.setColor(QPalette::WindowText, QColor(0xC0, 0x10, 0x10));
    ZeroedMark->setPalette(red);
    ZeroedMark->adjustSize();
    ZeroedMark->move(ActualDeflectionLabel->x() - ZeroedMark->width() - 6, ActualDeflectionLabel->y());
    SetHint(ZeroedMark, tr("The measured values are the readings minus the zero taken"));
    ZeroedMark->hide();
    Lab->On = ReadLabToolsEnabled(Lab->SettingsFile);
    Lab->Session.SetActive(Lab->On);
    if (Lab->On) ApplyLabTools();
}

void TVEK4Form::DataMenuPointerAt(QPoint pos) {
    // A menu says nothing about a disabled command under the pointer; the status bar says why it is
    // disabled ("Zero gauges needs a connected VEK2000..."), and the text goes when the pointer moves on.
    const QAction* action = RecordDataMenu->actionAt(pos);
    const bool explains = action && !action->isEnabled() && !action->statusTip().isEmpty();
    if (explains)
        StatusPanel1->setText(action->statusTip());
    else if (DisabledCommandHintShown)
        StatusPanel1->clear();
    DisabledCommandHintShown = explains;
}

bool TVEK4Form::LabToolsOn() const {
    return Lab && Lab->On;
}

void TVEK4Form::LabToolsActionClick(bool on) {
    Lab->On = on;
    Lab->Session.SetActive(on);
    WriteLabToolsEnabled(Lab->SettingsFile, on);
    ApplyLabTools();
}

void TVEK4Form::ApplyLabTools() {
    const bool on = Lab->On;
    LabToolsAction->setChecked(on);
    // The capture-available flag of the design: false while the tools are off.
    CaptureAvailable = on;
    CaptureCombo->setEnabled(CaptureAvailable);
    if (!on) CaptureCombo->setCurrentIndex(-1);
    RecordDataMenu->menuAction()->setEnabled(CaptureAvailable);
    RecordDataAction->setEnabled(true);
    for (QAction* a : {NewRunAction, ZeroGaugesAction, ClearZeroAction, ShowTableAction})
        a->setVisible(on);
    ApplyDiagramsCommand(on);
    ApplyDisplayCommands(on);
    if (!on) {
        // Back to the designed window: no zero, no readings window on screen (its rows are kept).
        Lab->Session.SetZero({});
        if (Lab->ViewWidget) Lab->ViewWidget->hide();
        HideLabWindows();
    }
    UpdateLabToolsCommands();
    ShowZeroedMark();
    ApplyLabFileMenu();
}

void TVEK4Form::UpdateLabToolsCommands() {
    if (!Lab) return;
    const bool on = Lab->On;
    const bool linked = DisconnectBtn->isEnabled() && Environment.Comms &&
                        Environment.Comms->LinkState() == TLinkState::LinkOK;
    const bool canZero = on && linked && Lab->Session.History().Size() > 0;
    ZeroGaugesAction->setEnabled(canZero);
    SetHintText(ZeroGaugesAction, tr(canZero ? ZeroHint : ZeroNeedsLink));
    const bool zeroed = on && AnyZeroSet(Lab->Session.Zero());
    ClearZeroAction->setEnabled(zeroed);
    SetHintText(ClearZeroAction, tr(zeroed ? ClearZeroHint : ClearZeroNeedsZero));
    ShowTableAction->setEnabled(on);
    SetHintText(ShowTableAction, tr(ShowTableHint));
    NewRunAction->setEnabled(on);
}

void TVEK4Form::LabToolsNewReadings(const TProcessBlock& processor) {
    if (!LabToolsOn() || Lab->Redrawing) return;
    TGaugeValues values;
    for (int g = 0; g < GaugeCount; ++g) {
        const bool mm = g == 0 ? processor.Gauge1InMillimetres : processor.Gauge2InMillimetres;
        values[g] = GaugeMillimetres(processor.Filter(Gauge1Channel + g).Average(), mm);
    }
    const bool first = Lab->Session.History().Size() == 0;
    Lab->Session.History().Add(Lab->Clock(), values);
    ++Lab->SamplesTaken;
    if (first) UpdateLabToolsCommands();
}

double TVEK4Form::LabToolsZeroed(int gauge, double mm) const {
    if (!LabToolsOn()) return mm;
    return ApplyZero(mm, Lab->Session.Zero()[static_cast<std::size_t>(std::clamp(gauge, 0, GaugeCount - 1))]);
}

void TVEK4Form::ShowZeroedMark() {
    if (!ZeroedMark) return;
    const int i = std::clamp(MeterComboBox->currentIndex(), 0, 1);
    ZeroedMark->setVisible(LabToolsOn() && Lab->Session.Zero()[static_cast<std::size_t>(i)].Set &&
                           ActualDeflection->isVisible());
}

void TVEK4Form::ZeroGaugesClick() {
    if (!ZeroGaugesAction->isEnabled()) return;
    const TZero zero = Lab->Session.History().ZeroNow(Lab->Clock());
    if (!AnyZeroSet(zero)) {
        ShowMessage(ApplicationTitle, TranslatedText("LabTexts", LabTexts::ZeroRefusedNoGauge),
                    TMsgIcon::Warning);
        return;
    }
    Lab->Session.SetZero(zero);
    // A gauge in error keeps no zero, and says so.
    for (int g = 0; g < GaugeCount; ++g)
        if (!zero[static_cast<std::size_t>(g)].Set)
            ShowMessage(ApplicationTitle,
                        tr("Gauge %1 is in error: it keeps no zero and shows its raw reading.").arg(g + 1),
                        TMsgIcon::Warning);
    // The readouts show the zeroed value at once, not only with the next frame.
    RedrawReadouts();
    UpdateLabToolsCommands();
    ShowZeroedMark();
}

void TVEK4Form::RedrawReadouts() {
    if (!Environment.Comms || !DisconnectBtn->isEnabled()) return;
    Lab->Redrawing = true;
    UpdateFormOutputs(true, false);
    Lab->Redrawing = false;
}

void TVEK4Form::ClearZeroClick() {
    Lab->Session.SetZero({});
    RedrawReadouts();
    UpdateLabToolsCommands();
    ShowZeroedMark();
}

void TVEK4Form::LabToolsLinkEnded() {
    Lab->Session.SetZero({});
    Lab->Session.History().Clear();
    UpdateLabToolsCommands();
    ShowZeroedMark();
}

void TVEK4Form::CloseLabTools() {
    if (!Lab) return;
    Lab->Session.SetZero({});
    Lab->Session.History().Clear();
    if (Lab->ViewWidget) Lab->ViewWidget->close();
    if (Diagrams) Diagrams->close();
    HideLabWindows();
}

TReadingsView* TVEK4Form::ReadingsView() const {
    return Lab && Lab->ViewWidget ? Lab->View : nullptr;
}

void TVEK4Form::ShowTableClick() {
    if (!LabToolsOn()) return;
    if (!Lab->ViewWidget) {
        TReadingsViewContext context;
        context.Table = &Lab->Session.Table();
        context.Messages = &Messages();
        context.Owner = this;
        context.Changed = [this] { LabFileTableChanged(); };
        TReadingsView* view = nullptr;
        if (Environment.CreateReadingsView) {
            view = Environment.CreateReadingsView(context);
        } else {
            QString error;
            if (TReadingsViewFactory factory = LoadReadingsLibrary(&error)) view = factory(context);
            if (!view) {
                ShowMessage(ApplicationTitle,
                            TranslatedText("LabTexts", LabTexts::ReadingsUnavailable).arg(error),
                            TMsgIcon::Error);
                return;
            }
        }
        if (!view) return;
        Lab->View = view;
        Lab->ViewWidget = view->Widget();
    }
    ShowLabWindow(Lab->ViewWidget);
}

bool TVEK4Form::RecordReading() {
    const bool connected = DisconnectBtn->isEnabled();
    auto refuse = [this](const QString& why) {
        StatusBar1->showMessage(why, 10000);
        ShowMessage(ApplicationTitle, why, TMsgIcon::Warning);
        return false;
    };
    if (!connected && !VirtualExperimentsOn())
        return refuse(TranslatedText("LabTexts", LabTexts::NotRecordedIdle));
    if (Lab->Session.Table().Full())
        return refuse(TranslatedText("LabTexts", LabTexts::NotRecordedFullText).arg(MaxReadings));
    const qint64 now = Lab->Clock();
    if (connected) {
        const TLinkState state = Environment.Comms ? Environment.Comms->LinkState() : TLinkState::LinkOff;
        if (state == TLinkState::LinkUnstable)
            return refuse(TranslatedText("LabTexts", LabTexts::NotRecordedUnstable));
        if (state != TLinkState::LinkOK)
            return refuse(TranslatedText("LabTexts", LabTexts::NotRecordedLinkOff));
        // Gauges in error give blank columns; a unit that sent nothing in the last second gives no reading.
        if (Lab->Session.History().SamplesWithin(now) == 0)
            return refuse(TranslatedText("LabTexts", LabTexts::NotRecordedNoSamples));
    }

    TRowInputs in;
    in.Setup = CurrentSetup();
    in.TheoryMm = BeamTheory.DisplayedDeflectionMm(Layout.GaugeStation);
    in.SelectedGauge = MeterComboBox->currentIndex();
    in.Connected = connected;
    // The journal has the row on the disk before any window shows it.
    const int index = Lab->Session.Record(in, now);
    UpdateLabTitle();
    if (ReadingsView()) Lab->View->RowsChanged();
    // Said where the student looks, whichever window has the focus: with the table closed, F10 shows nothing
    // else.
    StatusBar1->showMessage(Lab->Session.RecordedText(index), 10000);
    return true;
}

void TVEK4Form::NewRunClick() {
    if (!LabToolsOn()) return;
    const int run = Lab->Session.StartNewRun();
    StatusBar1->showMessage(
        TranslatedText("LabTexts", LabTexts::NewRunStarted).arg(Lab->Session.Table().RunName(run)), 10000);
}
