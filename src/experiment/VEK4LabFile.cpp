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
#include <QTimer>
#include <QToolButton>
#include <utility>

#include "experiment/PictureControl.h"
#include "experiment/VEK4LabTools.h"
#include "lab/LabModuleWriters.h"
#include "lab/ReadingsView.h"
#include "lab/report/Report.h"
#include "platform/MessageLayer.h"
#include "record/ReadingsFit.h"
#include "record/io/ExperimentFile.h"
#include "record/io/ReadingJson.h"
#include "record/io/ReadingsExport.h"
#include "theory/DeflectionView.h"
#include "widgets/IntegerSpinEdit.h"
#include "widgets/SpinEditFloat.h"

namespace {

const QString JournalFileName = QStringLiteral("experiment-journal.jsonl");

// The set-up as the journal and the "unsaved" test compare it: the zeros belong to the live link, not to
// the layout, and do not make an experiment unsaved.
QJsonObject SetupKey(const TExperimentSetup& setup) {
    QJsonObject json = SetupToJson(setup);
    json.remove(QStringLiteral("zeros"));
    return json;
}

std::vector<QJsonObject> RowsJson(const TReadingsTable& table) {
    std::vector<QJsonObject> rows;
    rows.reserve(table.Rows().size());
    for (const TReading& r : table.Rows())
        rows.push_back(ReadingToJson(r));
    return rows;
}

std::vector<QString> Notes(const TReadingsTable& table) {
    std::vector<QString> notes;
    for (const TReading& r : table.Rows())
        notes.push_back(r.Note);
    return notes;
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
    d.SaveFileName = [](QWidget* owner, const QString& caption, const QString& filter,
                        const QString& suggested) {
        return QFileDialog::getSaveFileName(owner, caption, suggested, filter);
    };
    d.OpenFileName = [](QWidget* owner, const QString& caption, const QString& filter) {
        return QFileDialog::getOpenFileName(owner, caption, QString(), filter);
    };
    d.StudentName = [](QWidget* owner, const QString& name) -> std::optional<QString> {
        bool ok = false;
        const QString text = QInputDialog::getText(owner, QStringLiteral("Laboratory report"),
                                                   QStringLiteral("Student's name for the report:"),
                                                   QLineEdit::Normal, name, &ok);
        if (!ok) return std::nullopt;
        return text.trimmed();
    };
    d.WriteXlsx = [](const QString& path, const TExportTable& readings, const TExportTable& setup) {
        QString error;
        const auto write =
            reinterpret_cast<TWriteXlsxFunction>(ResolveInLabModule(WriteXlsxFunctionName, &error));
        if (!write) return QStringLiteral("the XLSX writer could not be loaded (%1)").arg(error);
        return write(path, readings, setup);
    };
    d.PrintReport = [](QWidget* owner, const TReportContent& content) {
        QString error;
        const auto print =
            reinterpret_cast<TPrintReportFunction>(ResolveInLabModule(PrintReportFunctionName, &error));
        if (!print) {
            ShowMessage(ApplicationTitle, QStringLiteral("Printing could not be loaded: %1").arg(error),
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
    FileSave =
        add("FileSave", QStringLiteral("&Save"), QStringLiteral("Save the experiment: layout and readings"));
    FileSaveAs =
        add("FileSaveAs", QStringLiteral("Save &As..."), QStringLiteral("Save the experiment in a new file"));
    QAction* separator = add("FileLabSeparator", QString(), QString());
    separator->setSeparator(true);
    FileExportTable = add("FileExportTable", QStringLiteral("&Export table..."),
                          QStringLiteral("Export the readings to a CSV file or an Excel workbook"));
    FilePrintReport = add("FilePrintReport", QStringLiteral("&Print report..."),
                          QStringLiteral("Print the laboratory report"));
    FileExportPdf = add("FileExportPdf", QStringLiteral("Export report as &PDF..."),
                        QStringLiteral("Write the laboratory report as a PDF document"));
    addAction(FileOpen);

    connect(FileOpen, &QAction::triggered, this, &TVEK4Form::FileOpenClick);
    connect(FileSave, &QAction::triggered, this, [this] { (void)FileSaveClick(); });
    connect(FileSaveAs, &QAction::triggered, this, [this] { (void)FileSaveAsClick(); });
    connect(FileExportTable, &QAction::triggered, this, &TVEK4Form::FileExportTableClick);
    connect(FilePrintReport, &QAction::triggered, this, &TVEK4Form::FilePrintReportClick);
    connect(FileExportPdf, &QAction::triggered, this, &TVEK4Form::FileExportPdfClick);
}

void TVEK4Form::ApplyLabFileMenu() {
    if (!LabFile || !FileSave) return;
    const bool on = LabToolsOn();
    // Off, "&File" is the designed menu: "&New", the hidden "&Open", "E&xit".
    FileOpen->setText(on ? QStringLiteral("&Open...") : QStringLiteral("&Open"));
    FileOpen->setShortcut(on ? QKeySequence(Qt::CTRL | Qt::Key_O) : QKeySequence());
    FileOpen->setStatusTip(on ? QStringLiteral("Open a saved experiment") : QString());
    FileOpen->setVisible(on);
    const std::pair<QAction*, QKeySequence> commands[] = {
        {FileSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {FileSaveAs, {}},
        {findChild<QAction*>(QStringLiteral("FileLabSeparator")), {}},
        {FileExportTable, QKeySequence(Qt::CTRL | Qt::Key_E)},
        {FilePrintReport, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {FileExportPdf, {}}};
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
        if (!LabFile->JournalReady)
            OfferRestore();
        else
            StartJournal(); // the journal missed what happened while the tools were off
    }
}

void TVEK4Form::LabFileShown() {
    // After the show has finished: the questions are modal boxes.
    QTimer::singleShot(0, this, [this] {
        if (!LabFile) return;
        if (LabToolsOn() && !LabFile->JournalReady) OfferRestore();
        const QString path = std::exchange(Environment.LabFiles.OpenAtStart, QString());
        if (path.isEmpty()) return;
        if (!LabToolsOn()) LabToolsActionClick(true);
        if (!LabFileModified() || AskToSaveChanges()) (void)OpenExperimentFile(path);
    });
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
    if (Lab) s.Zero = Lab->Zero;
    return s;
}

bool TVEK4Form::LabFileModified() const {
    if (!LabFile) return false;
    return LabFile->TableVersion != LabFile->SavedTableVersion ||
           SetupKey(CurrentSetup()) != LabFile->SavedSetup;
}

void TVEK4Form::StartJournal() {
    TVEK4LabFile& f = *LabFile;
    if (!f.Journal || !f.JournalReady || !LabToolsOn()) return;
    const TExperimentSetup setup = CurrentSetup();
    f.JournalSetup = SetupKey(setup);
    f.JournalNotes = Notes(Lab->Table);
    const QString why = f.Journal->Start(SetupToJson(setup), RowsJson(Lab->Table));
    if (!why.isEmpty() && !f.JournalWarned) {
        f.JournalWarned = true;
        ShowMessage(ApplicationTitle, LabFileTexts::JournalFailed.arg(why), TMsgIcon::Warning);
    }
    if (!f.Path.isEmpty()) Journal(TExperimentJournal::FileRecord(f.Path));
}

void TVEK4Form::Journal(const QJsonObject& record) {
    TVEK4LabFile& f = *LabFile;
    if (!f.Journal || !f.JournalReady || !LabToolsOn()) return;
    const QString why = f.Journal->Append(record);
    if (!why.isEmpty() && !f.JournalWarned) {
        f.JournalWarned = true;
        ShowMessage(ApplicationTitle, LabFileTexts::JournalFailed.arg(why), TMsgIcon::Warning);
    }
}

void TVEK4Form::OfferRestore() {
    TVEK4LabFile& f = *LabFile;
    if (f.JournalReady) return;
    QString folder = Environment.LabFiles.JournalFolder;
    if (folder.isEmpty() && !Lab->SettingsFile.isEmpty())
        folder = QFileInfo(Lab->SettingsFile).absolutePath();
    f.SavedSetup = SetupKey(CurrentSetup());
    f.SavedTableVersion = f.TableVersion;
    if (folder.isEmpty()) {
        f.JournalReady = true; // nowhere to keep a journal
        return;
    }
    f.Journal = std::make_unique<TExperimentJournal>(QDir(folder).filePath(JournalFileName));
    if (f.Journal->Exists()) {
        const TJournalState left = TExperimentJournal::ReadBack(f.Journal->Path());
        const TSetupRead setup = SetupFromJson(left.Setup);
        std::vector<TReading> rows;
        for (const QJsonObject& row : left.Rows) {
            const TReadingRead read = ReadingFromJson(row, QStringLiteral("row"));
            if (read.Problem.isEmpty()) rows.push_back(read.Reading);
        }
        // A window killed before anything was built or recorded left only the set-up a new window has:
        // there is nothing to offer back.
        const bool something =
            !rows.empty() || (setup.Problem.isEmpty() && SetupKey(setup.Setup) != SetupKey(CurrentSetup()));
        if (something && ShowMessage(ApplicationTitle, LabFileTexts::RestoreOffer.arg(rows.size()),
                                     TMsgIcon::Question, TMsgButtons::YesNo) == TMsgResult::Ok) {
            TExperimentSetup restored = setup.Problem.isEmpty() ? setup.Setup : CurrentSetup();
            ApplyExperiment(restored, rows);
            f.Path = left.FilePath;
            // What came back is not in any file yet: it counts as unsaved.
            f.SavedTableVersion = f.TableVersion - 1;
        }
    }
    f.JournalReady = true;
    StartJournal();
}

void TVEK4Form::ApplyExperiment(const TExperimentSetup& setup, const std::vector<TReading>& rows) {
    TVEK4LabFile& f = *LabFile;
    const bool journalling = f.JournalReady;
    f.JournalReady = false; // the steps in between are not the student's changes

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
    PositionPopup->hide();
    LoadPositionPopup->hide();
    if (VirtualExperimentsOn()) SetUDLToolsEnabled(!Layout.UDL);
    Recalculate();
    ShowGaugeReadout();

    // The table: rows as they were; the next row's time continues from the last one's.
    const qint64 lastMs = rows.empty() ? 0 : qint64(rows.back().ElapsedS * 1000.0);
    if (rows.empty())
        Lab->Table.Clear();
    else
        Lab->Table.Restore(rows, Lab->Clock() - lastMs, 0);
    ++f.TableVersion;
    if (ReadingsView()) Lab->View->RowsChanged();
    f.JournalReady = journalling;
}

void TVEK4Form::LabFileLayoutChanged() {
    if (!LabFile || !LabFile->JournalReady || !LabToolsOn() || !LabFile->Journal) return;
    const TExperimentSetup setup = CurrentSetup();
    QJsonObject key = SetupKey(setup);
    if (key == LabFile->JournalSetup) return;
    LabFile->JournalSetup = std::move(key);
    Journal(TExperimentJournal::SetupRecord(SetupToJson(setup)));
}

void TVEK4Form::LabFileRowAdded(int index) {
    if (!LabFile) return;
    ++LabFile->TableVersion;
    if (!LabFile->Journal) return;
    LabFileLayoutChanged(); // a gauge moved since the last drop
    const TReading& row = Lab->Table.Row(index);
    Journal(TExperimentJournal::RowRecord(ReadingToJson(row)));
    LabFile->JournalNotes.push_back(row.Note);
}

void TVEK4Form::LabFileTableChanged() {
    if (!LabFile) return;
    ++LabFile->TableVersion;
    TVEK4LabFile& f = *LabFile;
    if (!f.Journal || !f.JournalReady) return;
    const std::vector<QString> notes = Notes(Lab->Table);
    if (notes.size() == f.JournalNotes.size()) {
        for (std::size_t i = 0; i < notes.size(); ++i)
            if (notes[i] != f.JournalNotes[i]) Journal(TExperimentJournal::NoteRecord(int(i), notes[i]));
    } else if (notes.empty()) {
        Journal(TExperimentJournal::ClearRecord());
    } else {
        Journal(TExperimentJournal::RowsRecord(RowsJson(Lab->Table)));
    }
    f.JournalNotes = notes;
}

bool TVEK4Form::AskToSaveChanges() {
    // A window that cannot save has nothing to offer.
    if (!Environment.LabFiles.SaveFileName) return true;
    switch (ShowMessage(ApplicationTitle, LabFileTexts::Unsaved, TMsgIcon::Question,
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
    if (LabFile->Journal && LabFile->JournalReady) LabFile->Journal->Remove();
    LabFile->Journal.reset();
}

void TVEK4Form::LabNewClick() {
    if (LabFileModified() && !AskToSaveChanges()) return;
    NewButtonClick();
    Lab->Table.Clear();
    if (ReadingsView()) Lab->View->RowsChanged();
    TVEK4LabFile& f = *LabFile;
    f.Path.clear();
    ++f.TableVersion;
    f.SavedTableVersion = f.TableVersion;
    f.SavedSetup = SetupKey(CurrentSetup());
    StartJournal();
}

void TVEK4Form::FileOpenClick() {
    if (!LabToolsOn() || !Environment.LabFiles.OpenFileName) return;
    if (LabFileModified() && !AskToSaveChanges()) return;
    const QString path = Environment.LabFiles.OpenFileName(this, QStringLiteral("Open experiment"),
                                                           LabFileTexts::ExperimentFilter);
    if (!path.isEmpty()) (void)OpenExperimentFile(path);
}

bool TVEK4Form::OpenExperimentFile(const QString& path) {
    // Everything is read and checked before anything in the window changes.
    const TFileRead<TExperimentDocument> read = OpenExperiment(path);
    if (!read.Ok()) {
        ShowMessage(ApplicationTitle, LabFileTexts::OpenRefused.arg(QFileInfo(path).fileName(), read.Problem),
                    TMsgIcon::Warning);
        return false;
    }
    std::vector<TReading> rows;
    for (const QJsonObject& row : read.Value.Rows)
        rows.push_back(ReadingFromJson(row, QString()).Reading);

    // An experiment opens in virtual mode.
    if (DisconnectBtn->isEnabled()) {
        if (ShowMessage(ApplicationTitle, LabFileTexts::DisconnectFirst, TMsgIcon::Question,
                        TMsgButtons::OkCancel) != TMsgResult::Ok)
            return false;
        DisconnectBtnClick();
        if (DisconnectBtn->isEnabled()) return false;
    }
    if (!VirtualExperimentsOn()) {
        WizardBtn->setChecked(true);
        WizardBtnClick();
    }
    ApplyExperiment(read.Value.Setup, rows);
    TVEK4LabFile& f = *LabFile;
    f.Path = path;
    f.SavedSetup = SetupKey(CurrentSetup());
    f.SavedTableVersion = f.TableVersion;
    StartJournal();
    return true;
}

bool TVEK4Form::FileSaveClick() {
    if (!LabToolsOn()) return false;
    if (LabFile->Path.isEmpty()) return FileSaveAsClick();
    return SaveExperimentFile(LabFile->Path);
}

bool TVEK4Form::FileSaveAsClick() {
    if (!LabToolsOn() || !Environment.LabFiles.SaveFileName) return false;
    const QString suggested =
        LabFile->Path.isEmpty() ? QStringLiteral("experiment.") + ExperimentFileExtension : LabFile->Path;
    const QString path = Environment.LabFiles.SaveFileName(this, QStringLiteral("Save experiment as"),
                                                           LabFileTexts::ExperimentFilter, suggested);
    if (path.isEmpty()) return false;
    return SaveExperimentFile(WithSuffix(path, ExperimentFileExtension));
}

bool TVEK4Form::SaveExperimentFile(const QString& path) {
    const TExperimentSetup setup = CurrentSetup();
    const QString why = SaveExperiment(path, setup, RowsJson(Lab->Table));
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle, LabFileTexts::SaveFailed.arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    TVEK4LabFile& f = *LabFile;
    f.Path = path;
    f.SavedSetup = SetupKey(setup);
    f.SavedTableVersion = f.TableVersion;
    Journal(TExperimentJournal::FileRecord(path));
    return true;
}

bool TVEK4Form::ExportTable(const QString& path) {
    const TExportTable table = ReadingsExportTable(Lab->Table);
    const QString why =
        QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0
            ? (Environment.LabFiles.WriteXlsx
                   ? Environment.LabFiles.WriteXlsx(path, table, SetupExportTable(CurrentSetup()))
                   : QStringLiteral("no XLSX writer is available"))
            : WriteCsv(path, table, QLocale());
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle, LabFileTexts::ExportFailed.arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    return true;
}

void TVEK4Form::FileExportTableClick() {
    if (!LabToolsOn() || !Environment.LabFiles.SaveFileName) return;
    const QString base =
        LabFile->Path.isEmpty() ? QStringLiteral("readings") : QFileInfo(LabFile->Path).completeBaseName();
    const QString path = Environment.LabFiles.SaveFileName(
        this, QStringLiteral("Export table"), LabFileTexts::TableFilter, base + QStringLiteral(".csv"));
    if (!path.isEmpty()) (void)ExportTable(WithSuffix(path, QStringLiteral("csv")));
}

TReportContent TVEK4Form::ReportContent(const QString& studentName) const {
    TReportContent c;
    c.When = QDateTime::currentDateTime();
    c.StudentName = studentName;
    c.FileName = QFileInfo(LabFile->Path).fileName();
    c.Apparatus = Panel1->grab(ScreenImage->geometry()).toImage();
    c.Deflection = View->TheoryImage->grab().toImage();
    const TExperimentSetup setup = CurrentSetup();
    c.Setup = SetupExportTable(setup);
    const TReadingsTable& table = Lab->Table;
    c.PropertyVaried = table.Empty() ? VariedPropertyName(VariedPropertyFromIndex(setup.PropertyVaried))
                                     : VariedPropertyName(table.SeriesProperty());
    c.Readings = ReadingsExportTable(table);

    // The plot: the series of the newest row's property, against its value when every row has a number.
    const TVariedProperty series = table.SeriesProperty();
    bool numeric = true;
    QString quantity, unit;
    for (const TReading& r : table.Rows())
        if (r.Property == series) {
            numeric = numeric && r.Varied.Numeric;
            quantity = r.Varied.Quantity;
            unit = r.Varied.Unit;
        }
    for (const TReading& r : table.Rows()) {
        if (r.Property != series) continue;
        const double x = numeric ? r.Varied.Value : double(r.Number);
        c.Plot.Theory.emplace_back(x, r.TheoryMm);
        if (const auto m = r.MeasuredMm()) c.Plot.Measured.emplace_back(x, *m);
    }
    c.Plot.XTitle = numeric && !quantity.isEmpty()
                        ? (unit.isEmpty() ? quantity : QStringLiteral("%1 (%2)").arg(quantity, unit))
                        : QStringLiteral("Reading number");
    c.Plot.YTitle = QStringLiteral("Deflection at the gauge (mm)");
    c.ModulusText = FitResultText(FitMeasuredToTheory(table));
    return c;
}

bool TVEK4Form::ExportReportPdf(const QString& path, const QString& studentName) {
    const QString why = WriteReportPdf(path, ReportContent(studentName));
    if (!why.isEmpty()) {
        ShowMessage(ApplicationTitle, LabFileTexts::ReportFailed.arg(QDir::toNativeSeparators(path), why),
                    TMsgIcon::Error);
        return false;
    }
    return true;
}

void TVEK4Form::FileExportPdfClick() {
    const TLabFileDialogs& d = Environment.LabFiles;
    if (!LabToolsOn() || !d.SaveFileName || !d.StudentName) return;
    const std::optional<QString> name = d.StudentName(this, LabFile->StudentName);
    if (!name) return;
    LabFile->StudentName = *name;
    const QString base =
        LabFile->Path.isEmpty() ? QStringLiteral("report") : QFileInfo(LabFile->Path).completeBaseName();
    const QString path = d.SaveFileName(this, QStringLiteral("Export report as PDF"), LabFileTexts::PdfFilter,
                                        base + QStringLiteral(".pdf"));
    if (!path.isEmpty()) (void)ExportReportPdf(WithSuffix(path, QStringLiteral("pdf")), *name);
}

void TVEK4Form::FilePrintReportClick() {
    const TLabFileDialogs& d = Environment.LabFiles;
    if (!LabToolsOn() || !d.PrintReport || !d.StudentName) return;
    const std::optional<QString> name = d.StudentName(this, LabFile->StudentName);
    if (!name) return;
    LabFile->StudentName = *name;
    (void)d.PrintReport(this, ReportContent(*name));
}
