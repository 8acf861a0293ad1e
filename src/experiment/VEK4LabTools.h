#pragma once
// The experiment window's laboratory tools state: the switch, the lab session (readings, runs, zero, gauge
// history, file, journal: record/LabSession.h) and the readings window. Every decision about readings is
// the session's; the window forwards its events and shows the answers.

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <functional>

#include "lab/ReadingsView.h"
#include "record/LabSession.h"

struct TVEK4LabTools {
    bool On = false;
    QString SettingsFile;          // FerrantSettings.ini, or empty when no settings folder is in use
    std::function<qint64()> Clock; // ms, monotonic
    TLabSession Session;           // the zero in use is cleared by "C&lear zero", a disconnect, the close
    long long SamplesTaken = 0;    // new-readings messages seen while the tools are on
    bool Redrawing = false;        // the readouts redrawn after a zero change: no new sample
    TReadingsView* View = nullptr; // a child window of the experiment window, which deletes it
    QPointer<QWidget> ViewWidget;
};

// Texts of the laboratory tools (the tests read them).
namespace LabTexts {
// Each source marked for lupdate in context "LabTexts"; the window shows TranslatedText("LabTexts", ...).
inline const QString NotRecordedFullText = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts", "The table is full (%1 readings). Save the experiment, then start a new one with \"&New\"."));
inline const QString NotRecordedFull = NotRecordedFullText.arg(MaxReadings);
inline const QString RecordedMeasured = LabSessionTexts::RecordedMeasured;
inline const QString RecordedTheory = LabSessionTexts::RecordedTheory;
inline const QString NewRunStarted = QStringLiteral(QT_TRANSLATE_NOOP("LabTexts", "The next row starts %1."));
inline const QString NotRecordedIdle = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts", "No reading recorded: switch on Virtual Experiments or connect to the VEK2000 first."));
inline const QString NotRecordedUnstable = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts", "No reading recorded: the link to the VEK2000 is unstable. Wait for the green "
                "lamp, then record again."));
inline const QString NotRecordedLinkOff = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts",
    "No reading recorded: no readings are arriving from the VEK2000 (Comms link OFF). Wait for the "
    "green lamp, then record again."));
inline const QString NotRecordedNoSamples = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts", "No reading recorded: the VEK2000 has sent no readings in the last second."));
inline const QString ZeroRefusedNoGauge = QStringLiteral(QT_TRANSLATE_NOOP(
    "LabTexts", "No zero taken: both gauges are in error, or no readings arrived in the last second."));
inline const QString ReadingsUnavailable =
    QStringLiteral(QT_TRANSLATE_NOOP("LabTexts", "The readings window could not be opened: %1"));
} // namespace LabTexts
