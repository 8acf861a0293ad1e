#pragma once
// The window designs name Tahoma 8 pt and Arial. Where those fonts are not installed (a Debian lab PC),
// they are mapped to metric-compatible or close free fonts, so captions fit the fixed pixel layouts.
void InstallDesignFontSubstitutes();
