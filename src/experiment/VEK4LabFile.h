#pragma once
// The experiment window's files while the laboratory tools are on: the "&File" commands (open and save the
// experiment, export the table, print or write the report), the question before unsaved work is lost, and
// the crash journal with the offer to restore what a killed program left.
//
// The dialogs that ask for a file name, the student's name and the printer are given by the program
// (TLabFileDialogs); tests give their own. A window without them cannot save, so it never asks to.

#include <QCoreApplication>
#include <QJsonObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "record/LabSession.h"

class QWidget;
struct TExportTable;
struct TReportContent;

struct TLabFileDialogs {
    // A file name to save to (filter like "CSV (*.csv)"), or empty when cancelled.
    std::function<QString(QWidget* owner, const QString& caption, const QString& filter,
                          const QString& suggested)>
        SaveFileName;
    std::function<QString(QWidget* owner, const QString& caption, const QString& filter)> OpenFileName;
    // Several files to open, and a folder (a class's shared folder).
    std::function<QStringList(QWidget* owner, const QString& caption, const QString& filter)> OpenFileNames;
    std::function<QString(QWidget* owner, const QString& caption)> FolderName;
    // The experiment's details (names, group, bench, date, note), or none when cancelled.
    std::function<std::optional<TExperimentDetails>(QWidget* owner, const TExperimentDetails& details)>
        Details;
    // The report dialog: the student's name (the last one offered), or none when cancelled.
    std::function<std::optional<QString>(QWidget* owner, const QString& name)> StudentName;
    // The XLSX writer: an empty text on success, otherwise why it failed.
    std::function<QString(const QString& path, const TExportTable& readings, const TExportTable& setup)>
        WriteXlsx;
    // The print dialog, then the report on the printer chosen; false when cancelled.
    std::function<bool(QWidget* owner, const TReportContent& content)> PrintReport;
    // Where the crash journal lives; empty: the link manager's settings folder (no journal without one).
    QString JournalFolder;
    // An experiment to open once the window is shown (the program was started on it, e.g. by a double
    // click on the file): the laboratory tools are switched on and the file opened.
    QString OpenAtStart;
};

// The Qt dialogs: QFileDialog, a small name dialog; the XLSX writer and the print dialog with the printed
// report come from the laboratory tools' loadable module (libxlsxwriter and Qt PrintSupport stay out of the
// program's start-up).
[[nodiscard]] TLabFileDialogs QtLabFileDialogs();
// "Experiment details": the students' names, group, bench, date and a note; none when cancelled.
[[nodiscard]] std::optional<TExperimentDetails> ExperimentDetailsDialog(QWidget* owner,
                                                                        const TExperimentDetails& details);

// What the window keeps of its files beyond the session: the name offered in the next report dialog.
struct TVEK4LabFile {
    QString StudentName;
};

namespace LabFileTexts {
// English here (the tests read them); the window shows TranslatedText("LabFileTexts", ...).
inline const QString Unsaved = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts",
    "The experiment has changes that are not saved (readings or layout).\n\nSave them first?"));
inline const QString RestoreOffer = LabSessionTexts::RestoreOffer;
inline const QString DisconnectFirst = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts",
    "An experiment opens in virtual mode. Disconnect from the VEK2000 and open the experiment?"));
inline const QString OpenRefused = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts", "The experiment \"%1\" could not be opened: %2.\n\nNothing in the window has changed."));
inline const QString SaveFailed = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts",
    "The experiment could not be saved to \"%1\": %2.\n\nA file that was there before is unchanged."));
inline const QString ExportFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "The table could not be exported to \"%1\": %2."));
inline const QString ReportFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "The report could not be written to \"%1\": %2."));
inline const QString JournalFailed = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts",
    "The crash journal could not be written (%1). Readings are still recorded, but save the experiment "
    "often: a crash could lose them."));
inline const QString UDLTakenOff = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabFileTexts",
    "The UDL was taken off the beam: the apparatus has no distributed load. Supports, weights and the gauge "
    "are kept."));
inline const QString Untitled = QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "Untitled"));
inline const QString HandoutCopy = QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "Copy of hand-out %1"));
inline const QString ExperimentFilter =
    QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "Beam experiments (*.ferx)"));
inline const QString TableFilter = QStringLiteral(
    QT_TRANSLATE_NOOP("LabFileTexts", "CSV, comma or semicolon separated (*.csv);;Excel workbook (*.xlsx)"));
inline const QString PdfFilter = QStringLiteral(QT_TRANSLATE_NOOP("LabFileTexts", "PDF documents (*.pdf)"));
} // namespace LabFileTexts
