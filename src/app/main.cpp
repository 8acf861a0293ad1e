// Ferrant Demo: start-up. Until the launcher lands this shows the deflection view with a choice of the
// example set-ups, so that the run command shows something real.

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QVBoxLayout>

#include "platform/DesignFonts.h"
#include "platform/QtMessageLayer.h"
#include "theory/BeamTheory.h"
#include "theory/DeflectionView.h"

namespace {

TBeamLayout ExampleLayout(int index) {
    TBeamLayout layout;
    switch (index) {
    case 0: // cantilever, 100 g at the free end
        layout.LeftClamp = true;
        layout.HangerSlots[60].Mass = 100;
        break;
    case 1: // two knife-edges at 100 and 500 mm, 500 g in the middle
        layout.KnifeEdge1 = layout.KnifeEdge2 = true;
        layout.KnifeEdge1Station = 10;
        layout.KnifeEdge2Station = 50;
        layout.UpdateKnifeEdgeOrder();
        layout.HangerSlots[30].Mass = 500;
        break;
    case 2: // clamped at both ends, 10 N/m over the whole beam
        layout.LeftClamp = layout.RightClamp = true;
        layout.PlaceUDL(10);
        break;
    default: // propped at 400 mm, 100 g at the free end
        layout.LeftClamp = true;
        layout.KnifeEdge1 = true;
        layout.KnifeEdge1Station = 40;
        layout.HangerSlots[60].Mass = 100;
        break;
    }
    return layout;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    InstallDesignFontSubstitutes();
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
    TQtMessageLayer messages;
    SetMessageLayer(&messages);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ferrant Demo"));
    auto* central = new QWidget(&window);
    auto* box = new QVBoxLayout(central);
    auto* choice = new QComboBox(central);
    choice->setCurrentIndex(0);
    choice->addItems({QStringLiteral("Cantilever, 100 g at 600 mm"),
                      QStringLiteral("Two knife-edges at 100 and 500 mm, 500 g at 300 mm"),
                      QStringLiteral("Clamped at both ends, 10 N/m"),
                      QStringLiteral("Propped at 400 mm, 100 g at 600 mm")});
    auto* panel = new QWidget(central);
    panel->setFixedSize(752, 491);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    box->addWidget(choice);
    box->addWidget(panel);
    window.setCentralWidget(central);

    auto* view = new TDeflectionView(panel);
    TBeamTheory theory;
    TBeamLayout layout;
    auto show = [&](int index) {
        layout = ExampleLayout(index);
        theory.Recalculate(layout, *view);
    };
    QObject::connect(choice, &QComboBox::currentIndexChanged, &window, show);
    show(0);
    window.show();
    return app.exec();
}
