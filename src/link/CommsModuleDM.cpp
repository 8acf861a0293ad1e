#include "CommsModuleDM.h"

#include "hid/HidApiLayer.h"
#include "platform/DebugTrace.h"
#include "platform/MessageLayer.h"
#include "platform/SettingsFile.h"
#include "platform/SettingsFolder.h"
#include "serial/QtSerialPort.h"

#include <QCoreApplication>
#include <exception>

namespace {

const QString SettingsFileName = QStringLiteral("FerrantSettings.ini");
// Spelled so in every settings file written so far.
const QString CommsSection = QStringLiteral("Communiations");
const QString SerialPortKey = QStringLiteral("SerialPort");
const QString USBOnlyKey = QStringLiteral("USBOnly");
constexpr int TimerIntervalMs = 110;

TCommsModule* Instance = nullptr;

void ErrorBox(const QString& text) {
    ShowMessage(ApplicationTitle, text, TMsgIcon::Error);
}

} // namespace

TCommsModule* CommsModule() {
    return Instance;
}
void SetCommsModule(TCommsModule* module) {
    Instance = module;
}

TCommsModule::TCommsModule(TCommsPlatform platform, QObject* parent)
    : QObject(parent), Port(std::move(platform.Port)), HidLayer(std::move(platform.Hid)),
      ListPorts(std::move(platform.ListSerialPorts)) {
    const TTimerFactory timers = platform.Timers ? platform.Timers : QtTimerFactory();
    Timer = timers();
    Timer->SetInterval(TimerIntervalMs);
    Timer->SetEnabled(false);
    Timer->OnTimer = [this] { Timer1Timer(); };

    Rx = std::make_unique<TRxData>(*Port, timers());
    Rx->Collector.SetPacketSize(56);
    Rx->Collector.OnPacket = [this](const QByteArray& packet) { RxDataStringPacket(packet); };
    Rx->Collector.OnTimeout = [this] { RxDataTimeout(); };

    USBLink = std::make_unique<TUSBComms>(*HidLayer, VekVendorID, VekProductID);
    USBLink->OnDisconnect = [this] { OnUSBDisconnected(); };
    USBLink->OnConnect = [this] { OnUSBConnected(); };
    USBLink->OnData = [this] { OnUSBData(); };
    if (IsUSBConnected()) OnUSBConnected();

    IsConnected = false;
    State = TLinkState::LinkOff;

    Serial = std::make_unique<TCeInterface>(*Port);
    Port->SetPortNumber(1);
    Port->SetBaudRate(9600);

    Process = std::make_unique<TProcessBlock>();
    Process->Collector = &Rx->Collector;
    Process->Port = Port.get();
    Process->Driver = Serial.get();
    Process->IsUSBConnected = [this] { return IsUSBConnected(); };
    Process->FramesPerPacket = 1;
    Process->SampleInterval = 200;
    Process->SetChannelTable();
}

TCommsModule::~TCommsModule() {
    if (Instance == this) Instance = nullptr;
}

std::unique_ptr<TCommsModule> TCommsModule::CreateDefault(QObject* parent) {
    const QString folder = UserSettingsFolder();
    const TComPortMap map(folder);
    TCommsPlatform platform;
    platform.Port = std::make_unique<TQtSerialPort>(map);
    platform.Hid = std::make_unique<THidApiLayer>();
    platform.Timers = QtTimerFactory();
    platform.ListSerialPorts = [map] {
        const QStringList system = TQtSerialPort::SystemSerialPorts();
        std::vector<int> ports;
        for (int n = 1; n <= HighestComPort; ++n)
            if (TQtSerialPort::IsPortAvailable(map, n, system)) ports.push_back(n);
        return ports;
    };
    auto module = std::make_unique<TCommsModule>(std::move(platform), parent);
    module->SettingsFolder = folder;
    return module;
}

bool TCommsModule::IsUSBConnected() const {
    return USBLink && USBLink->IsConnected();
}

int TCommsModule::ComPortNumber() const {
    return Port->PortNumber();
}

QString TCommsModule::SettingsFilePath() const {
    return SettingsFolder.isEmpty() ? QString() : SettingsFolder + SettingsFileName;
}

std::vector<int> TCommsModule::SerialPorts() const {
    if (ListPorts) return ListPorts();
    return {ComPortNumber()};
}

void TCommsModule::LoadSettings() {
    if (SettingsLoaded || SettingsFolder.isEmpty()) return;
    if (ReadSettingsFile()) SettingsLoaded = true;
}

bool TCommsModule::ReadSettingsFile() {
    if (SettingsFolder.isEmpty()) return false;
    const TSettingsText file = ReadSettingsText(SettingsFilePath());
    const QString port = file.Value(CommsSection, SerialPortKey).value_or(QStringLiteral("ERROR"));
    if (port != QLatin1String("ERROR") && !SettingsWriteFailed) {
        bool ok = false;
        const int number = port.trimmed().toInt(&ok);
        if (!ok) return false; // a bad value ends the reading; what was read so far stays
        Port->SetPortNumber(number);
    }
    USBOnly = file.Value(CommsSection, USBOnlyKey).value_or(QStringLiteral("ERROR")) == QLatin1String("True");
    return true;
}

void TCommsModule::SaveSettings(bool writePort) {
    if (SettingsFolder.isEmpty()) return;
    QList<TSettingsValue> values;
    if (writePort) values.append({CommsSection, SerialPortKey, QString::number(ComPortNumber())});
    values.append({CommsSection, USBOnlyKey, USBOnly ? QStringLiteral("True") : QStringLiteral("False")});
    // Other sections (the laboratory tools keep theirs here) stay. A file we may not write (a link to a
    // device, another user's file...) is left alone and counts as a failed write: the choices hold for the
    // run.
    if (WriteSettingsValues(SettingsFilePath(), values) != TSettingsWrite::Written)
        SettingsWriteFailed = true;
}

bool TCommsModule::ShowCommsOptions() {
    return CommsOptionsDialog ? CommsOptionsDialog(*this) : false;
}

bool TCommsModule::Connect() {
    if (!IsUSBConnected()) USBLink->Locate();
    if (IsUSBConnected()) {
        Timer->SetEnabled(false);
        USBLink->Start();
        IsConnected = true;
        ViaUSB = true;
        Awaiting = false;
        return true;
    }
    if (USBOnly) {
        ErrorBox(QStringLiteral("USB Device Not Connected"));
        return false;
    }
    Timer->SetEnabled(true);
    if (SerialPorts().empty()) {
        ErrorBox(QStringLiteral("No USB Device or Serial Port found."));
        return false;
    }
    PrepareWatchdog();
    switch (Serial->OpenAndIdentify()) {
    case TIdentifyResult::Accepted:
        Awaiting = false;
        Process->StartAcquisition();
        SetRestartDelay(3);
        IsConnected = true;
        ViaUSB = false;
        return true;
    case TIdentifyResult::NoUnit:
        Disconnect();
        return false;
    case TIdentifyResult::PortFailed:
        Disconnect();
        if (ShowCommsOptions()) return Connect();
        return false;
    }
    return false;
}

void TCommsModule::Disconnect() {
    const bool usb = IsConnected ? ViaUSB : IsUSBConnected();
    IsConnected = false;
    DelayActive = false;
    try {
        if (usb) {
            USBLink->Stop();
        } else {
            Serial->Park();
            Timer->SetEnabled(false);
        }
    } catch (const std::exception&) {
        // A port that fails while being quietened is of no further interest: the link is ending anyway.
    }
    State = TLinkState::LinkOff;
    NotifyWindow(false, true);
}

void TCommsModule::PrepareWatchdog() {
    Timer->SetInterval(TimerIntervalMs);
    // Four sample intervals without a frame; with 200 ms that is 7 ticks, so the watchdog fires on the
    // eighth tick after the last frame.
    Limit = std::max(4, Process->SampleInterval * 4 / TimerIntervalMs);
    Watchdog = 0;
}

void TCommsModule::SetRestartDelay(int ticks) {
    DelayTicks = ticks;
    DelayActive = true;
}

void TCommsModule::Timer1Timer() {
    if (DelayActive) {
        if (--DelayTicks > 0) return;
        DelayActive = false;
        Serial->Restart();
        return;
    }
    if (!IsConnected || Process->SampleInterval == 0) return;
    if (++Watchdog <= Limit) return;
    if (Awaiting) {
        Disconnect();
        ErrorBox(QStringLiteral("Data overrun or loss of link"));
        if (LinkLost) LinkLost();
        return;
    }
    Watchdog = 0;
    Awaiting = true;
    Serial->Stop();
    SetRestartDelay(1);
    State = TLinkState::LinkOff;
    NotifyWindow(false, true);
}

void TCommsModule::RxDataStringPacket(const QByteArray& packet) {
    if (!IsConnected || packet.isEmpty()) return;
    const qsizetype used = std::min<qsizetype>(packet.size(), Rx->Collector.PacketSize());
    Serial->StoreFrame(packet.constData() + 1, used - 1);
    FrameStored(TFrameEncoding::Serial);
}

void TCommsModule::OnUSBData() {
    if (!IsConnected || !ViaUSB) return;
    Serial->StoreFrame(reinterpret_cast<const char*>(USBLink->InData.data()) + 1, FramePayloadBytes);
    FrameStored(TFrameEncoding::USB);
}

void TCommsModule::FrameStored(TFrameEncoding encoding) {
    ProcessPacket(encoding);
    if (State != TLinkState::LinkOK) {
        State = TLinkState::LinkOK;
        NotifyWindow(false, true);
    }
    Awaiting = false;
}

void TCommsModule::RxDataTimeout() {
    Port->DiscardInput();
    if (State == TLinkState::LinkOK) {
        State = TLinkState::LinkUnstable;
        NotifyWindow(false, true);
    }
    Awaiting = false;
}

void TCommsModule::ProcessPacket(TFrameEncoding encoding) {
    TFrameWordArray words{};
    for (int k = 0; k < FrameWords; ++k)
        words[k] = Serial->FrameWord(k);
    for (int frame = 0; frame < Process->FramesPerPacket; ++frame) {
        // The frame is decoded in the encoding of the link that delivered it.
        Process->DecodeFrame(words, encoding);
        NotifyWindow(true, false);
    }
    Watchdog = 0;
}

void TCommsModule::NotifyWindow(bool newReadings, bool stateChanged) {
    if (!WindowHandle) return;
    const int wParam = (newReadings ? 1 : 0) + (stateChanged ? 2 : 0);
    QCoreApplication::postEvent(WindowHandle, new TLinkUpdateEvent(wParam));
}

void TCommsModule::OnUSBConnected() {
    DebugTrace(QStringLiteral("USB Device Connected"));
    if (USBChanged) USBChanged();
    if (OptionsUSBLabel) OptionsUSBLabel(QStringLiteral("USB Device Connected"));
}

void TCommsModule::OnUSBDisconnected() {
    DebugTrace(QStringLiteral("USB Device Disconnected"));
    if (USBChanged) USBChanged();
    if (OptionsUSBLabel) OptionsUSBLabel(QStringLiteral("USB Device Not Connected"));
}
