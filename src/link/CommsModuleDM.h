#pragma once
// TCommsModule: the link manager, the one object through which the experiment window reaches the data
// unit. It owns the serial port `Comm1`, the packet collector `RxData`, the 110 ms timer `Timer1`, the USB
// link, the serial driver and the frame processor; chooses USB or the serial port when asked to connect;
// watches the serial stream and restarts it when frames stop; and tells a window about new readings and
// link-state changes with a posted TLinkUpdateEvent (the window's message 0x2400).

#include "CeInterface.h"
#include "ProcessBlock.h"
#include "VekUSBComms.h"
#include "platform/Timer.h"
#include "serial/PacketCollector.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

class THidLayer;
class TSerialPortLayer;

enum class TLinkState { LinkOK = 0, LinkOff = 1, LinkUnstable = 2 };

inline constexpr int LinkUpdateMessage = 0x2400;

// Posted to the registered window after each frame (bit 0: new readings in the processor) and each change
// of link state (bit 1). A window subscribes by becoming the link manager's WindowHandle and handles
// events of TLinkUpdateEvent::Type in its event().
class TLinkUpdateEvent final : public QEvent {
public:
    static constexpr QEvent::Type Type = static_cast<QEvent::Type>(QEvent::User + LinkUpdateMessage);
    explicit TLinkUpdateEvent(int wParam) : QEvent(Type), WParam(wParam) {}
    [[nodiscard]] bool NewReadings() const { return (WParam & 1) != 0; }
    [[nodiscard]] bool StateChanged() const { return (WParam & 2) != 0; }
    const int WParam;
};

// What the link manager is built on. CreateDefault fills it with the real layers; tests give doubles.
struct TCommsPlatform {
    std::unique_ptr<TSerialPortLayer> Port;
    std::unique_ptr<THidLayer> Hid;
    TTimerFactory Timers;
    // COM numbers present, in increasing order, as the options dialog lists them. Empty function: the
    // configured port alone.
    std::function<std::vector<int>()> ListSerialPorts;
};

class TCommsModule final : public QObject {
    Q_OBJECT
public:
    explicit TCommsModule(TCommsPlatform platform, QObject* parent = nullptr);
    ~TCommsModule() override;

    // The link manager of the program: QSerialPort, hidapi, window timers, the user's settings folder.
    [[nodiscard]] static std::unique_ptr<TCommsModule> CreateDefault(QObject* parent = nullptr);

    bool Connect();
    void Disconnect();
    void LoadSettings();
    // Reads the settings file as LoadSettings does, every time it is called (the options dialog reads it
    // each time it opens). False when a bad value ended the reading; what was read before it stays.
    bool ReadSettingsFile();
    // Writes the port (when writePort) and USBOnly to the settings file, if a settings folder is in use;
    // a failure sets SettingsWriteFailed. For the options dialog.
    void SaveSettings(bool writePort);
    bool ShowCommsOptions();
    [[nodiscard]] bool IsUSBConnected() const;
    [[nodiscard]] int ComPortNumber() const;
    [[nodiscard]] QString SettingsFilePath() const;

    [[nodiscard]] bool Connected() const { return IsConnected; }
    [[nodiscard]] TLinkState LinkState() const { return State; }
    [[nodiscard]] const TProcessBlock& Processor() const { return *Process; }

    // Registrations of the window.
    QPointer<QObject> WindowHandle;
    std::function<void()> LinkLost;
    std::function<void()> USBChanged;

    // Settings.
    bool USBOnly = false;
    QString SettingsFolder; // ends with a path separator; empty: no settings file
    bool SettingsLoaded = false;
    bool SettingsWriteFailed = false;

    // Seams filled by the communications options dialog: running it, and its USB label while it is open.
    std::function<bool(TCommsModule&)> CommsOptionsDialog;
    std::function<void(const QString&)> OptionsUSBLabel;

    // The owned parts, for the options dialog and for tests.
    [[nodiscard]] TSerialPortLayer& Comm1() const { return *Port; }
    [[nodiscard]] TTimer& Timer1() const { return *Timer; }
    [[nodiscard]] TRxData& RxData() const { return *Rx; }
    [[nodiscard]] TUSBComms& USB() const { return *USBLink; }
    [[nodiscard]] TCeInterface& Driver() const { return *Serial; }
    [[nodiscard]] THidLayer& Hid() const { return *HidLayer; }
    [[nodiscard]] std::vector<int> SerialPorts() const;

    [[nodiscard]] bool AwaitingRestart() const { return Awaiting; }
    [[nodiscard]] bool RestartDelayActive() const { return DelayActive; }
    [[nodiscard]] int WatchdogCount() const { return Watchdog; }
    [[nodiscard]] int WatchdogLimit() const { return Limit; }

    // Handlers.
    void Timer1Timer();
    void RxDataStringPacket(const QByteArray& packet);
    void RxDataTimeout();
    void OnUSBData();
    void OnUSBConnected();
    void OnUSBDisconnected();

private:
    void PrepareWatchdog();
    void SetRestartDelay(int ticks);
    void FrameStored(TFrameEncoding encoding);
    void ProcessPacket(TFrameEncoding encoding);
    void NotifyWindow(bool newReadings, bool stateChanged);

    // Declared in the order of creation; destroyed in reverse, the processor first and the port last.
    std::unique_ptr<TSerialPortLayer> Port;
    std::unique_ptr<THidLayer> HidLayer;
    std::unique_ptr<TTimer> Timer;
    std::unique_ptr<TRxData> Rx;
    std::unique_ptr<TUSBComms> USBLink;
    std::unique_ptr<TCeInterface> Serial;
    std::unique_ptr<TProcessBlock> Process;
    std::function<std::vector<int>()> ListPorts;

    bool IsConnected = false;
    // The link the open connection uses. A USB unit plugged in during a serial connection does not turn
    // the serial frames into USB ones, nor keep Disconnect from parking the serial unit.
    bool ViaUSB = false;
    TLinkState State = TLinkState::LinkOff;
    bool Awaiting = false;
    bool DelayActive = false;
    int DelayTicks = 0;
    int Watchdog = 0;
    int Limit = 0;
};

// The application-wide link-manager reference, set by start-up.
[[nodiscard]] TCommsModule* CommsModule();
void SetCommsModule(TCommsModule* module);
