// The laboratory tools' files on the experiment window: "&Open...", "&Save", "Save &As...", "&Export
// table...", "&Print report..." and "Export report as &PDF..." in the "&File" menu while the tools are on;
// the question before unsaved work is lost; the crash journal and the offer to restore it.
#include "VEK4.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "experiment/ApparatusScene.h"
#include "experiment/PictureControl.h"
#include "experiment/VEK4LabTools.h"
#include "lab/LabModuleWriters.h"
#include "lab/ReadingsView.h"
#include "lab/report/Report.h"
#include "platform/MessageLayer.h"
#include "platform/TranslatedText.h"
#include "record/ReadingsFit.h"
#include "record/ReadingsSeries.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ReadingJson.h"
#include "record/io/ReadingsExport.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"
#include "widgets/SpinEditFloat.h"

namespace {

QString Said(const QString& english) {
    return TranslatedText("LabFileTexts", english);
}

QString WithSuffix(const QString& path, const QString& suffix) {
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + suffix : path;
}

// A function of the laboratory tools' loadable module beside the executable (loaded once, never unloaded).
QFunctionPointer ResolveInLabModule(const char* symbol, QString* error) {
    QLibrary library(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                     QString::fromLatin1(ReadingsLibraryName));
    const QFunctionPointer function = library.resolve(symbol);
    if (!function && error) *error = library.errorString();
    return function;
}

} // namespace

TLabFileDialogs QtLabFileDialogs() {
    TLabFileDialogs d;
    // The dialogs open where the student last saved or opened a file (the program's working folder means
    // nothing to a student), at first in the Documents folder; a suggestion with a folder of its own (the
    // open experiment's) goes there.
    static QString lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    auto remember = [](const QString& chosen) {
        if (!chosen.isEmpty()) lastFolder = QFileInfo(chosen).absolutePath();
        return chosen;
    };
    d.SaveFileName = [remember](QWidget* owner, const QString& caption, const QString& filter,
                                const QString& suggested) {
        const QString start = QFileInfo(suggested).isAbsolute() || lastFolder.isEmpty()
                                  ? suggested
                                  : QDir(lastFolder).filePath(suggested);
        return remember(QFileDialog::getSaveFileName(owner, caption, start, filter));
    };
    d.OpenFileName = [remember](QWidget* owner, const QString& caption, const QString& filter) {
        return remember(QFileDialog::getOpenFileName(owner, caption, lastFolder, filter));
    };
    d.OpenFileNames = [remember](QWidget* owner, const QString& caption, const QString& filter) {
        const QStringList files = QFileDialog::getOpenFileNames(owner, caption, lastFolder, filter);
        if (!files.isEmpty()) remember(files.first());
        return files;
    };
    d.FolderName = [](QWidget* owner, const QString& caption) {
        const QString folder = QFileDialog::getExistingDirectory(owner, caption, lastFolder);
        if (!folder.isEmpty()) lastFolder = folder;
        return folder;
    };
    d.Details = [](QWidget* owner, const TExperimentDetails& details) {
        return ExperimentDetailsDialog(owner, details);
    };
    d.StudentName = [](QWidget* owner, const QString& name) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(owner, QCoreApplication::translate("TVEK4Form", "Laboratory report"),
                                  QCoreApplication::translate("TVEK4Form", "Student's name for the report:"),
                                  QLineEdit::Normal, name, &ok);
        if (!ok) return std::nullopt;
        return text.trimmed();
    };
    d.WriteXlsx = [](const QString& path, const TExportTable& readings, const TExportTable& setup) {
        QString error;
        const auto write =
            reinterpret_cast<TWriteXlsxFunction>(ResolveInLabModule(WriteXlsxFunctionName, &error));
        if (!write)
            return QCoreApplication::translate("TVEK4Form", "the XLSX writer could not be loaded (%1)")
                .arg(error);
        return write(path, readings, setup);
    };
    d.PrintReport = [](QWidget* owner, const TReportContent& content) {
        QString error;
        const auto print =
            reinterpret_cast<TPrintReportFunction>(ResolveInLabModule(PrintReportFunctionName, &error));
        if (!print) {
            ShowMessage(
                ApplicationTitle,
                QCoreApplication::translate("TVEK4Form", "Printing could not be loaded: %1").arg(error),
                TMsgIcon::Error);
            return false;
        }
        return print(owner, content);
    };
    return d;
}

void TVEK4Form::BuildLabFileMenu(QMenu* file) {
    LabFile = std::make_unique<TVEK4LabFile>();
    QAction* exitSeparator = file->actions().value(2); // the design's separator before "E&xit"
    auto add = [&](const char* name, const QString& text, const QString& hint) {
        auto* a = new QAction(text, this);
        a->setObjectName(QString::fromLatin1(name));
        a->setStatusTip(hint);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setVisible(false);
        a->setEnabled(false);
        file->insertAction(exitSeparator, a);
        addAction(a);
        return a;
    };
    FileSave = add("FileSave", tr("&Save"), tr("Save the experiment: layout and readings"));
    FileSaveAs = add("FileSaveAs", tr("Save &As..."), tr("Save the experiment in a new file"));
    FileSaveHandout = add("FileSaveHandout", tr("Save as &hand-out..."),
                          tr("Save a hand-out: students who open it get an untitled copy"));
    QAction* separator = add("FileLabSeparator", QString(), QString());
    separator->setSeparator(true);
    FileExportTable = add("FileExportTable", tr("&Export table..."),
                          tr("Export the readings to a CSV file or an Excel workbook"));
    FilePrintReport = add("FilePrintReport", tr("&Print report..."), tr("Print the laboratory report"));
    FileExportPdf = add("FileExportPdf", tr("Export report as PD&F..."),
                        tr("Write the laboratory report as a PDF document"));
    QAction* classSeparator = add("FileClassSeparator", QString(), QString());
    classSeparator->setSeparator(true);
    FileDetails = add("FileDetails", tr("Experiment &details..."),
                      tr("Names, group, bench, date and a note, saved with the experiment"));
    FileCompare = add("FileCompare", tr("&Compare experiments..."),
                      tr("A class's experiment files side by side, with their fits"));
    addAction(FileOpen);

    connect(FileOpen, &QAction::triggered, this, &TVEK4Form::FileOpenClick);
    connect(FileSave, &QAction::triggered, this, [this] { (void)FileSaveClick(); });
    connect(FileSaveAs, &QAction::triggered, this, [this] { (void)FileSaveAsClick(); });
    connect(FileSaveHandout, &QAction::triggered, this, &TVEK4Form::FileSaveHandoutClick);
    connect(FileExportTable, &QAction::triggered, this, &TVEK4Form::FileExportTableClick);
    connect(FilePrintReport, &QAction::triggered, this, &TVEK4Form::FilePrintReportClick);
    connect(FileExportPdf, &QAction::triggered, this, &TVEK4Form::FileExportPdfClick);
    connect(FileDetails, &QAction::triggered, this, [this] { (void)FileDetailsClick(); });
    connect(FileCompare, &QAction::triggered, this, &TVEK4Form::FileCompareClick);
}

void TVEK4Form::ApplyLabFileMenu() {
    if (!LabFile || !FileSave) return;
    const bool on = LabToolsOn();
    // Off, "&File" is the designed menu: "&New", the hidden "&Open", "E&xit".
    FileOpen->setText(on ? tr("&Open...") : tr("&Open"));
    FileOpen->setShortcut(on ? QKeySequence(Qt::CTRL | Qt::Key_O) : QKeySequence());
    FileOpen->setStatusTip(on ? tr("Open a saved experiment") : QString());
    FileOpen->setVisible(on);
    const std::pair<QAction*, QKeySequence> commands[] = {
        {FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {FileSaveAs, {}},
        {FileSaveHandout, {}},
        {findChild<QAction*>(QStringLiteral("FileLabSeparator")), {}},
        {FileExportTable, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {FilePrintReport, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {FileExportPdf, {}},
        {findChild<QAction*>(QStringLiteral("FileClassSeparator")), {}},
        {FileDetails, {}},
        {FileCompare, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)}};
    for (const auto& [action, key] : commands) {
        action->setVisible(on);
        action->setEnabled(on);
        action->setShortcut(on ? key : QKeySequence());
    }
    // "&New" asks before unsaved readings are lost while the tools are on.
    disconnect(FileNew, &QAction::triggered, this, nullptr);
    disconnect(NewButton, &QToolButton::clicked, this, nullptr);
    if (on) {
        connect(FileNew, &QAction::triggered, this, &TVEK4Form::LabNewClick);
        connect(NewButton, &QToolButton::clicked, this, &TVEK4Form::LabNewClick);
    } else {
        connect(FileNew, &QAction::triggered, this, &TVEK4Form::NewButtonClick);
        connect(NewButton, &QToolButton::clicked, this, &TVEK4Form::NewButtonClick);
    }
    if (on && isVisible()) {
        if (!Lab->Session.JournalReady())
            OfferRestore();
        else
            Lab->Session.StartJournal(CurrentSetup()); // it missed what happened while the tools were off
    }
    UpdateLabTitle();
}

void TVEK4Form::UpdateLabTitle() {
    if (!LabFile) return;
    if (!LabToolsOn()) {
        // The designed caption, exactly.
        if (windowTitle() != Caption) setWindowTitle(Caption);
        setWindowFilePath(QString());
        setWindowModified(false);
        return;
    }
    const TLabSession& f = Lab->Session;
    const QString name = !f.Path().isEmpty() ? QFileInfo(f.Path()).fileName()
                         : !f.HandoutPath().isEmpty()
                             ? Said(LabFileTexts::HandoutCopy).arg(QFileInfo(f.HandoutPath()).fileName())
                             : Said(LabFileTexts::Untitled);
    setWindowFilePath(f.Path());
    setWindowTitle(QStringLiteral("%1[*] - %2").arg(name, Caption));
    setWindowModified(LabFileModified());
}

QString TVEK4Form::SuggestedPath(const QString& base, const QString& suffix) const {
    const TLabSession& f = Lab->Session;
    const QString& from = f.Path().isEmpty() ? f.HandoutPath() : f.Path();
    const QString name =
        (from.isEmpty() ? base : QFileInfo(from).completeBaseName() + base) + QLatin1Char('.') + suffix;
    return from.isEmpty() ? name : QFileInfo(from).absoluteDir().filePath(name);
}

void TVEK4Form::LabFileShown() {
    // After the show has finished: the questions are modal boxes.
    QTimer::singleShot(0, this, [this] {
        if (!LabFile) return;
        if (LabToolsOn() && !Lab->Session.JournalReady()) OfferRestore();
        const QString path = std::exchange(Environment.LabFiles.OpenAtStart, QString());
        if (!path.isEmpty()) OpenHandedOverFile(path);
    });
}

void TVEK4Form::OpenHandedOverFile(const QString& path) {
    if (!LabFile) return;
    raise();
    activateWindow();
    if (!LabToolsOn()) LabToolsActionClick(true);
    if (!LabFileModified() || AskToSaveChanges()) (void)OpenExperimentFile(path);
}

TExperimentSetup TVEK4Form::CurrentSetup() const {
    TExperimentSetup s;
    s.Layout = Layout;
    s.Section.Section = std::clamp(Sections->SectionsComboBox->currentIndex(), 0, SectionCount - 1);
    s.Section.FlatWidth = Sections->AcceptedFlatWidth();
    s.Section.FlatThickness = Sections->AcceptedFlatThickness();
    s.Section.Material = std::clamp(Sections->YoungsModulus->currentIndex(), 0, MaterialCount - 1);
    s.Section.OtherModulusGPa =
        ConfirmedOtherModulusGPa(double(Sections->MaterialModuli[OtherMaterial]) / 1e9);
    s.PropertyVaried = std::clamp(CaptureCombo->currentIndex(), -1, VariedPropertyCount - 1);
    if (Lab) s.Zero = Lab->Session.Zero();
    return s;
}

TLabSession& TVEK4Form::Session() const {
    return Lab->Session;
}

bool TVEK4Form::LabFileModified() const {
    if (!LabFile) return false;
    return Lab->Session.Modified(CurrentSetup());
}

void TVEK4Form::OfferRestore() {
    TLabSession& f = Lab->Session;
    if (f.JournalReady()) return;
    QString folder = Environment.LabFiles.JournalFolder;
    if (folder.isEmpty() && !Lab->SettingsFile.isEmpty())
        folder = QFileInfo(Lab->SettingsFile).absolutePath();
    f.JournalWarning = [this](const QString& why) {
        ShowMessage(ApplicationTitle, Said(LabFileTexts::JournalFailed).arg(why), TMsgIcon::Warning);
    };
    const TRestoreOffer offer = f.OpenJournal(folder, CurrentSetup());
    if (offer.Offer && ShowMessage(ApplicationTitle, offer.Question, TMsgIcon::Question,
                                   TMsgButtons::YesNo) == TMsgResult::Ok) {
        ApplyExperiment(offer.Setup, offer.Rows, offer.RunNames, offer.RunSetups);
        f.Restored(offer);
    }
    f.BeginJournal(CurrentSetup());
    UpdateLabTitle();
}

void TVEK4Form::ApplyExperiment(const TExperimentSetup& setup, const std::vector<TReading>& rows,
                                const std::map<int, QString>& runNames,
                                const std::map<int, TRunSetup>& runSetups) {
    TLabSession& f = Lab->Session;
    f.PauseJournal(true); // the steps in between are not the student's changes

    // The section and the material, as the tool box's own handlers set them.
    const TSectionChoice& c = setup.Section;
    Sections->X1->SetValue(c.FlatWidth);
    Sections->Y1->SetValue(c.FlatThickness);
    Sections->ShowFlatSectionProperties(); // accepts the flat bar's dimensions
    Sections->SectionsComboBox->setCurrentIndex(c.Section);
    Sections->ApplySelectedSectionMoment();
    Sections->MaterialModuli[OtherMaterial] = ModulusFromGPa(c.OtherModulusGPa);
    Sections->YoungsModulus->setItemText(OtherMaterial, OtherMaterialItemText(c.OtherModulusGPa));
    Sections->YoungsModulus->setCurrentIndex(c.Material);
    BeamTheory.ModulusE = Sections->MaterialModuli[std::size_t(c.Material)];
    if (Sections->ShowingSectionProperties()) Sections->ShowSectionProperties();
    BeamTheory.SecondMomentI = ChoiceSecondMomentI(c);
    CaptureCombo->setCurrentIndex(setup.PropertyVaried);

    // The layout, rebuilt through the placement rules when it was read.
    Layout = setup.Layout;
    if (Layout.UDL) UDLSpinEdit->SetValue(Layout.UDLIntensity);
    // Each popup is a title and a value: both go, or the value stays on the picture reading "600 mm".
    for (QLabel* popup : {PositionPopup, PositionValue, LoadPositionPopup, LoadPositionValue})
        popup->hide();
    if (VirtualExperimentsOn()) SetUDLToolsEnabled(!Layout.UDL);
    Recalculate();
    ShowGaugeReadout();

    f.Load(rows, runNames, Lab->Clock(), runSetups);
    if (ReadingsView()) Lab->View->RowsChanged();
    f.PauseJournal(false);
}

void TVEK4Form::LabFileLayoutChanged() {
    if (!LabFile || !LabToolsOn()) return;
    UpdateLabTitle();
    Lab->Session.LayoutChanged(CurrentSetup());
}

void TVEK4Form::LabFileTableChanged() {
    if (!LabFile) return;
    Lab->Session.TableChanged();
    UpdateLabTitle();
}

bool TVEK4Form::AskToSaveChanges() {
    // A window that cannot save has nothing to offer.
    if (!Environment.LabFiles.SaveFileName) return true;
    switch (ShowMessage(ApplicationTitle, Said(LabFileTexts::Unsaved), TMsgIcon::Question,
                        TMsgButtons::SaveDiscardCancel)) {
    case TMsgResult::Ok:
        return FileSaveClick();
    case TMsgResult::Discard:
        return true;
    case TMsgResult::Cancel:
        break;
    }
    return false;
}

bool TVEK4Form::LabFileMayClose() {
    if (!LabFile) return true;
    if (LabToolsOn() && LabFileModified() && !AskToSaveChanges()) return false;
    LabFileClosed();
    return true;
}

void TVEK4Form::LabFileClosed() {
    // The ordinary end of the session: nothing to restore next time.
    Lab->Session.Closed();
}

bool TVEK4Form::LabMayLeaveVirtualMode() {
    // The apparatus has the flat bar and no distributed load: a set-up with either loses it. Only then, and
    // only with unsaved work, is there anything to ask.
    const bool loses = Layout.UDL || Sections->SectionsComboBox->currentIndex() != FlatSectionIndex;
    return !loses || !LabFileModified() || AskToSaveChanges();
}

void TVEK4Form::LabKeepSetupForTheApparatus() {
    // Supports, weights and the gauge stay as the student built them: every set-up the mouse allows is one
    // the rig can have. The UDL leaves the beam, with a word, since the rig has none.
    const bool hadUDL = Layout.UDL;
    Layout.UDL = false;
    // Each popup is a title and a value: both go, or the value stays on the picture reading "600 mm".
    for (QLabel* popup : {PositionPopup, PositionValue, LoadPositionPopup, LoadPositionValue})
        popup->hide();
    ShowLayout();
    View->ClearDeflectionView();
    Recalculate();
    if (hadUDL) StatusBar1->showMessage(Said(LabFileTexts::UDLTakenOff), 10000);
}

void TVEK4Form::LabNewClick() {
    if (LabFileModified() && !AskToSaveChanges()) return;
    NewButtonClick();
    Lab->Session.NewExperiment(CurrentSetup());
    if (ReadingsView()) Lab->View->RowsChanged();
    UpdateLabTitle();
}

void TVEK4Form::FileOpenClick() {
    if (!LabToolsOn() || !Environment.LabFiles.OpenFileName) return;
    if (LabFileModified() && !AskToSaveChanges()) return;
    const QString path =
        Environment.LabFiles.OpenFileName(this, tr("Open experiment"), Said(LabFileTexts::ExperimentFilter));
    if (!path.isEmpty()) (void)OpenExperimentFile(path);
}

bool TVEK4Form::OpenExperimentFile(const QString& path) {
    // Everything is read and checked before anything in the window changes.
    const TFileRead<TOpenedExperiment> read = TLabSession::ReadExperiment(path);
    if (!read.Ok()) {
        ShowMessage(ApplicationTitle,
                    Said(LabFileTexts::OpenRefused).arg(QFileInfo(path).fileName(), read.Problem),
                    TMsgIcon::Warning);
        return false;
    }

    // An experiment opens in virtual mode.
    if (DisconnectBtn->isEnabled()) {
        if (ShowMessage(ApplicationTitle, Said(LabFileTexts::DisconnectFirst), TMsgIcon::Question,
                        TMsgButtons::OkCancel) != TMsgResult::Ok)
            return false;
        DisconnectBtnClick();
        if (DisconnectBtn->isEnabled()) return false;
    }
    if (!VirtualExperimentsOn()) {
        WizardBtn->setChecked(true);
        WizardBtnClick();
    }
    ApplyExperiment(read.Value.Setup, read.Value.Rows, read.Value.RunNames, read.Value.RunSetups);
    Lab->Session.Opened(path, read.Value.Handout, CurrentSetup());
    UpdateLabTitle();
    return true;
}

bool TVEK4Form::FileSaveClick() {
    if (!LabToolsOn()) return false;
    if (Lab->Session.Path().isEmpty()) return FileSaveAsClick();
    return SaveExperimentFile(Lab->Session.Path());
}

bool TVEK4Form::FileSaveAsClick() {
    if (!LabToolsOn() || !Environment.LabFiles.SaveFileName) return false;
    // The first save of an experiment offers its details (who did it); cancelling them saves without.
    if (Lab->Session.Path().isEmpty() && Lab->Session.Details().Empty() && Environment.LabFiles.Details)
        (void)FileDetailsClick();
    const TLabSession& f = Lab->Session;
    const QString suggested = !f.Path().isEmpty() ? f.Path()
                              : !f.HandoutPath().isEmpty()
                                  ? SuggestedPath(QStringLiteral("-results"), ExperimentFileExtension)
                                  : SuggestedPath(QStringLiteral("experiment"), ExperimentFileExtension);
    const QString path = Environment.LabFiles.SaveFileName(this, tr("Save experiment as"),
                                                           Said(LabFileTexts::ExperimentFilter), suggested);
    if (path.isEmpty()) return false;
    return SaveExperimentFile(WithSuffix(path, ExperimentFileExtension));
}

bool TVEK4Form::SaveExperimentFile(const QString& path) {
    const QString why = Lab->Session.Save(path, CurrentSetup());
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle, Said(LabFileTexts::SaveFailed).arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    UpdateLabTitle();
    return true;
}

void TVEK4Form::FileSaveHandoutClick() {
    if (!LabToolsOn() || !Environment.LabFiles.SaveFileName) return;
    const QString chosen =
        Environment.LabFiles.SaveFileName(this, tr("Save as hand-out"), Said(LabFileTexts::ExperimentFilter),
                                          SuggestedPath(QStringLiteral("-handout"), ExperimentFileExtension));
    if (chosen.isEmpty()) return;
    const QString path = WithSuffix(chosen, ExperimentFileExtension);
    const QString why = Lab->Session.Save(path, CurrentSetup(), true);
    if (!why.isEmpty())
        ShowMessage(ApplicationTitle, Said(LabFileTexts::SaveFailed).arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
    // The experiment in the window stays what it was: the hand-out is a copy for the class.
}

bool TVEK4Form::ExportTable(const QString& path) {
    const TExportTable table = ReadingsExportTable(Lab->Session.Table());
    const QString why =
        QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0
            ? (Environment.LabFiles.WriteXlsx
                   ? Environment.LabFiles.WriteXlsx(path, table, SetupExportTable(CurrentSetup()))
                   : tr("no XLSX writer is available"))
            : WriteCsv(path, table, QLocale());
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle,
                    Said(LabFileTexts::ExportFailed).arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    return true;
}

void TVEK4Form::FileExportTableClick() {
    if (!LabToolsOn() || !Environment.LabFiles.SaveFileName) return;
    const QString path = Environment.LabFiles.SaveFileName(
        this, tr("Export table"), Said(LabFileTexts::TableFilter),
        Lab->Session.Path().isEmpty() && Lab->Session.HandoutPath().isEmpty()
            ? SuggestedPath(QStringLiteral("readings"), QStringLiteral("csv"))
            : SuggestedPath(QString(), QStringLiteral("csv")));
    if (!path.isEmpty()) (void)ExportTable(WithSuffix(path, QStringLiteral("csv")));
}

QString TVEK4Form::OfferedStudentName() const {
    // The name given last, else the students' names of the experiment's details.
    return LabFile->StudentName.isEmpty() ? Lab->Session.Details().Names : LabFile->StudentName;
}

TReportContent TVEK4Form::ReportContent(const QString& studentName) const {
    TReportContent c;
    c.When = QDateTime::currentDateTime();
    c.StudentName = studentName;
    const TExperimentDetails& details = Lab->Session.Details();
    for (const auto& [key, value] : {std::pair{QStringLiteral("Group"), details.Group},
                                     {QStringLiteral("Bench"), details.Bench},
                                     {QStringLiteral("Date of the experiment"), details.Date},
                                     {QStringLiteral("Note"), details.Note}})
        if (!value.isEmpty()) c.Details.emplace_back(key, value);
    c.FileName = QFileInfo(Lab->Session.Path()).fileName();
    // The apparatus and its theory drawn from the layout, as the window shows them: nothing that hovers
    // over the picture, and sharp at print resolution.
    const TExperimentSetup setup = CurrentSetup();
    c.Apparatus = ApparatusImage(setup.Layout, 3.0);
    c.Theory = DiagramsOfSetup(setup);
    c.Setup = Lab->Session.ReportSetup(setup);
    const TReadingsTable& table = Lab->Session.Table();
    c.PropertyVaried = table.Empty()
                           ? VariedPropertyName(VariedPropertyFromIndex(CaptureCombo->currentIndex()))
                           : VariedPropertyName(table.SeriesProperty());
    c.Readings = ReadingsExportTable(table);
    // The plot and the fits as the "Readings" window shows them: one series function, one painter.
    c.Plot = table.Series(); // the series the table keeps, as the window shows it
    c.ModulusText = RunsFitText(c.Plot);
    // With the "Diagrams" window in use, each run's diagrams on the layout of its last reading.
    if (Diagrams) c.RunDiagrams = RunDiagramsOf(Lab->Session, setup);
    return c;
}

bool TVEK4Form::ExportReportPdf(const QString& path, const QString& studentName) {
    const QString why = WriteReportPdf(path, ReportContent(studentName));
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle,
                    Said(LabFileTexts::ReportFailed).arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    return true;
}

void TVEK4Form::FileExportPdfClick() {
    const TLabFileDialogs& d = Environment.LabFiles;
    if (!LabToolsOn() || !d.SaveFileName || !d.StudentName) return;
    const std::optional<QString> name = d.StudentName(this, OfferedStudentName());
    if (!name) return;
    LabFile->StudentName = *name;
    const QString path = d.SaveFileName(this, tr("Export report as PDF"), Said(LabFileTexts::PdfFilter),
                                        Lab->Session.Path().isEmpty() && Lab->Session.HandoutPath().isEmpty()
                                            ? SuggestedPath(QStringLiteral("report"), QStringLiteral("pdf"))
                                            : SuggestedPath(QString(), QStringLiteral("pdf")));
    if (!path.isEmpty()) (void)ExportReportPdf(WithSuffix(path, QStringLiteral("pdf")), *name);
}

void TVEK4Form::FilePrintReportClick() {
    const TLabFileDialogs& d = Environment.LabFiles;
    if (!LabToolsOn() || !d.PrintReport || !d.StudentName) return;
    const std::optional<QString> name = d.StudentName(this, OfferedStudentName());
    if (!name) return;
    LabFile->StudentName = *name;
    (void)d.PrintReport(this, ReportContent(*name));
}
