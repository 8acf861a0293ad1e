#pragma once

#include <QString>
// Module 4's window, the experiment window, reached from the launcher through this one function.

// Creates the experiment window with no owner, wired to the program's link manager, about box and picture
// viewer; shows it modally and destroys it when it closes. With a file, the window opens that experiment
// (the laboratory tools switched on) once it is shown.
void RunExperimentWindow();
void RunExperimentWindowOn(const QString& experimentFile);

// A file handed over by a second start of the program: the experiment window open now opens it as File >
// Open would (asking first about unsaved work); with none open, the window opens on it.
void OpenHandedOverExperiment(const QString& experimentFile);
