#include "Timer.h"

#include <QTimer>

namespace {

class TQtTimer final : public TTimer {
public:
    TQtTimer() {
        Timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&Timer, &QTimer::timeout, &Timer, [this] {
            if (OnTimer) OnTimer();
        });
    }
    void SetInterval(int milliseconds) override { Timer.setInterval(milliseconds); }
    [[nodiscard]] int Interval() const override { return Timer.interval(); }
    void SetEnabled(bool enabled) override {
        if (enabled && !Timer.isActive())
            Timer.start();
        else if (!enabled)
            Timer.stop();
    }
    [[nodiscard]] bool Enabled() const override { return Timer.isActive(); }

private:
    QTimer Timer;
};

} // namespace

std::unique_ptr<TTimer> MakeQtTimer() {
    return std::make_unique<TQtTimer>();
}

TTimerFactory QtTimerFactory() {
    return [] { return MakeQtTimer(); };
}
