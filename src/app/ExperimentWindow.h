#pragma once
// Module 4's window. Until the experiment window itself is built, a stand-in shows the deflection view with a
// choice of example set-ups, the record-data picture and the about box. The launcher reaches it only through
// this function: the experiment window replaces its body.

// Creates the window with no owner, shows it modally and destroys it when it closes.
void RunExperimentWindow();
