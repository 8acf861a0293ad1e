#pragma once
// Window timers behind a small interface, so that tests fire the ticks themselves instead of waiting for a
// loaded machine to get round to them.

#include <functional>
#include <memory>

class TTimer {
public:
    virtual ~TTimer() = default;
    virtual void SetInterval(int milliseconds) = 0;
    [[nodiscard]] virtual int Interval() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    [[nodiscard]] virtual bool Enabled() const = 0;

    // Called on the owner's thread at every tick while the timer is enabled.
    std::function<void()> OnTimer;
};

using TTimerFactory = std::function<std::unique_ptr<TTimer>()>;

// QTimer underneath; ticks arrive through the event loop of the creating thread.
[[nodiscard]] std::unique_ptr<TTimer> MakeQtTimer();
[[nodiscard]] TTimerFactory QtTimerFactory();

// Test double: never ticks by itself.
class TManualTimer final : public TTimer {
public:
    void SetInterval(int milliseconds) override { IntervalMs = milliseconds; }
    [[nodiscard]] int Interval() const override { return IntervalMs; }
    void SetEnabled(bool enabled) override { IsEnabled = enabled; }
    [[nodiscard]] bool Enabled() const override { return IsEnabled; }

    // One tick, as the real timer would deliver it; false (and nothing happens) while disabled.
    bool Fire() {
        if (!IsEnabled) return false;
        if (OnTimer) OnTimer();
        return true;
    }

private:
    int IntervalMs = 1000;
    bool IsEnabled = false;
};
