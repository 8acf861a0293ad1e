// The loadable library's one entry point: the experiment window finds it by name when the laboratory tools
// first show the readings.
#include "lab/ReadingsWindow.h"

extern "C" Q_DECL_EXPORT TReadingsView* FerrantCreateReadingsView(const TReadingsViewContext& context) {
    return new TReadingsWindow(context);
}
