#pragma once
// The readings table and the set-up as the CSV, XLSX and report writers take them: elapsed time first, then
// the columns of the readings table, each with its unit and displayed decimals; blank cells where the table
// shows none. The set-up is a two-column table (item, value) of the section, the material, E, the supports,
// the loads, the gauge and the zeros.

#include "record/Readings.h"
#include "record/io/ExperimentFile.h"
#include "record/io/TableExport.h"

[[nodiscard]] TExportTable ReadingsExportTable(const TReadingsTable& table);
[[nodiscard]] TExportTable SetupExportTable(const TExperimentSetup& setup);
// The report's set-up: with readings, each run's own recorded set-up (section and I, material and E, the
// gauge compared, the zeros its rows used, its readings) and then the layout as it stands; without, the
// set-up as it stands.
[[nodiscard]] TExportTable ReportSetupTable(const TExperimentSetup& setup, const TReadingsTable& table);
