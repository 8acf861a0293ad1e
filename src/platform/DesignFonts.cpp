#include "DesignFonts.h"

#include <QFont>
#include <QStringList>

void InstallDesignFontSubstitutes() {
    // Liberation Sans has Arial's metrics; Tahoma is close to it at small sizes.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}
