// What assistive technology reads of the experiment window's picture controls: a role (a button for the
// items that take focus, a picture otherwise), the name set on the control, and for the apparatus picture
// and the theory's graph a description of the set-up written from the layout when it is asked for, so it
// always matches what is on the beam.

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

#include "experiment/PictureControl.h"
#include "experiment/VEK4.h"
#include "theory/DeflectionView.h"
#include "theory/SetupDescription.h"

namespace {

class TPictureAccessible final : public QAccessibleWidget {
public:
    explicit TPictureAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}

    // Asked each time: the keyboard side gives focus to pictures after they are made.
    QAccessible::Role role() const override {
        return (widget()->focusPolicy() & Qt::TabFocus) ? QAccessible::Button : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->objectName() == QLatin1String("Hanger")) {
            // A hanger serves whichever station it is shown at (its Tag).
            if (TVEK4Form* form = FormOf()) {
                const auto* hanger = static_cast<const TPictureControl*>(widget());
                const int s = std::clamp(hanger->Tag, 0, LastStation);
                return QStringLiteral("%1 g weight at %2 mm")
                    .arg(form->Layout.HangerSlots[s].Mass)
                    .arg(s * 10);
            }
        }
        if (t == QAccessible::Description) {
            if (TVEK4Form* form = FormOf();
                form && (widget() == form->ScreenImage || widget() == form->View->TheoryImage))
                return DescribeSetup(form->Layout, form->BeamTheory);
        }
        return QAccessibleWidget::text(t);
    }

private:
    [[nodiscard]] TVEK4Form* FormOf() const { return qobject_cast<TVEK4Form*>(widget()->window()); }
};

QAccessibleInterface* PictureFactory(const QString& className, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (className == QLatin1String("TPictureControl")) return new TPictureAccessible(w);
    if (className == QLatin1String("TTheoryImage")) {
        if (w->accessibleName().isEmpty()) w->setAccessibleName(QStringLiteral("Theoretical deflection"));
        return new TPictureAccessible(w);
    }
    return nullptr;
}

} // namespace

void InstallVEK4Accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(PictureFactory);
        return true;
    }();
    (void)installed;
}
