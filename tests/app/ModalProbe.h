#pragma once
// Runs a check on the next modal window once its modal showing has begun, then lets the test close it,
// so that a test can drive code that shows a window modally without blocking.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

class TModalProbe {
public:
    // inspect gets the modal window; it must close it (by a click, say) or the probe closes it afterwards.
    explicit TModalProbe(std::function<void(QWidget*)> inspect) : Inspect(std::move(inspect)) { Arm(); }
    int Seen = 0;

private:
    void Arm() {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                if (++Tries < 200) Arm();
                return;
            }
            ++Seen;
            Inspect(modal);
            if (modal->isVisible()) modal->close();
        });
    }
    std::function<void(QWidget*)> Inspect;
    int Tries = 0;
};
