#include "CeInterface.h"

#include "platform/MessageLayer.h"
#include "serial/SerialPortLayer.h"

#include <algorithm>
#include <cstring>

namespace {

// What Help on a handshake box shows; the system has no help file of its own.
const QString HandshakeHelp = QStringLiteral(
    "The program talks to the VEK2000 data unit through the serial port chosen in Set Communications "
    "Options.\n\n"
    "- Check that the unit is switched on and that its serial cable is plugged into that port.\n"
    "- Check that no other program is using the port.\n"
    "- A unit on USB is found without choosing a port: plug it in and connect again.\n"
    "- If the unit answers but is not recognised, the port may be connected to other equipment.");

TMsgResult HandshakeBox(const QString& text, TMsgButtons buttons) {
    TMessageRequest request;
    request.Caption = ApplicationTitle;
    request.Text = text;
    request.Icon = TMsgIcon::Warning;
    request.Buttons = buttons;
    request.OnHelp = [] { ShowMessage(ApplicationTitle, HandshakeHelp, TMsgIcon::Information); };
    return Messages().Show(request);
}

// What a user refused by the device node's permissions is told: the node, the group that may use it and the
// exact command that adds them to it (a Windows port is never refused this way).
QString AccessDeniedText(const QString& port, const TDeniedAccess& denied) {
    const QString node = denied.DevicePath.isEmpty() ? QStringLiteral("its device") : denied.DevicePath;
    QString text =
        QStringLiteral("Com port ") + port + QStringLiteral(" cannot be opened: you may not use ") + node;
    if (denied.Group.isEmpty() && !denied.Owner.isEmpty())
        // No group may use the node: joining one would not help, only its owner or the administrator can.
        return QStringLiteral("Com port ") + port + QStringLiteral(" cannot be opened: ") + node +
               QStringLiteral(" is not accessible to this user; it belongs to \"") + denied.Owner +
               QStringLiteral("\" and no group may use it. Ask the administrator of this computer for "
                              "access to it.");
    if (denied.Group.isEmpty())
        return text + QStringLiteral(". Ask the administrator of this computer for access to it.");
    const QString user = denied.User.isEmpty() ? QStringLiteral("$USER") : denied.User;
    return text + QStringLiteral(", which belongs to the group \"") + denied.Group +
           QStringLiteral("\".\nTo join the group, run:\n    sudo adduser ") + user + QLatin1Char(' ') +
           denied.Group + QStringLiteral("\nthen log out and log in again.");
}

} // namespace

TCeInterface::TCeInterface(TSerialPortLayer& port) : SerialPort(port) {
    SerialPort.SetPortNumber(0);
    SerialPort.SetParity(TParity::Odd);
}

void TCeInterface::Send(std::uint8_t byte) {
    SerialPort.WriteByte(byte);
}

TIdentifyResult TCeInterface::OpenAndIdentify() {
    SerialPort.SetParity(TParity::None);
    if (!SerialPort.IsOpen()) {
        const TPortOpenResult opened = SerialPort.Open();
        const QString n = QString::number(SerialPort.PortNumber());
        QString text;
        switch (opened) {
        case TPortOpenResult::Opened:
            break;
        case TPortOpenResult::DoesNotExist:
            text = QStringLiteral("Com port ") + n + QStringLiteral(" does not exist");
            break;
        case TPortOpenResult::HardwareError:
            text = QStringLiteral("Com port ") + n + QStringLiteral(" hardware error");
            break;
        case TPortOpenResult::InUse:
            text = QStringLiteral("Com port ") + n + QStringLiteral(" in use by another program");
            break;
        case TPortOpenResult::OtherFailure:
            text = QStringLiteral("Unable to open Com port ") + n;
            break;
        case TPortOpenResult::AccessDenied:
            text = AccessDeniedText(n, SerialPort.DeniedAccess());
            break;
        }
        if (opened != TPortOpenResult::Opened) {
            ShowMessage(ApplicationTitle, text, TMsgIcon::Warning);
            return TIdentifyResult::PortFailed;
        }
    }
    SerialPort.DiscardInput();
    Stop();

    const QString name = QString::fromLatin1(Device.Name);
    TIdentifyResult result = TIdentifyResult::NoUnit;
    for (AttemptCount = 0; AttemptCount < Attempts;) {
        ++AttemptCount;
        Send('3');
        if (SerialPort.WaitForString(QByteArrayLiteral(":"), AttentionTicks, true)) {
            SerialPort.DiscardInput();
            const int version = Identify();
            if (AttemptCount == Attempts) {
                // The unit woke only at the last call: it is not trusted.
                HandshakeBox(QStringLiteral("Could not communicate with ") + name, TMsgButtons::OkHelp);
                result = TIdentifyResult::NoUnit;
            } else if (version >= Device.LowestVersion && version <= Device.HighestVersion) {
                result = TIdentifyResult::Accepted;
            } else {
                const TMsgResult answer =
                    HandshakeBox(QStringLiteral("Device does not appear to be a ") + name +
                                     QStringLiteral(" (ROM version: ") + QString::number(version) +
                                     QStringLiteral("). Continue anyway?"),
                                 TMsgButtons::OkCancelHelp);
                result = answer == TMsgResult::Ok ? TIdentifyResult::Accepted : TIdentifyResult::NoUnit;
            }
            return result;
        }
        Stop();
        if (AttemptCount == Attempts) {
            ShowMessage(
                ApplicationTitle,
                QStringLiteral("Could not communicate with Korvex device on COM: ") +
                    QString::number(SerialPort.PortNumber()) +
                    QStringLiteral(".  Select the correct COM port from the Options page and check the "
                                   "equipment is switched on and the cable connected correctly."),
                TMsgIcon::Warning);
            result = TIdentifyResult::NoUnit;
        }
    }
    return result;
}

int TCeInterface::Identify() {
    Send('4');
    Send('g');
    if (!SerialPort.WaitForString(QByteArrayLiteral("m"), IdentifyTicks, false)) return 0;
    // What follows "m" is not interpreted: any unit that answers is taken as the first accepted version.
    SerialPort.Read(std::min(SerialPort.BytesWaiting(), 12));
    ResetReceive();
    return 5500;
}

void TCeInterface::SetOutputCount(int n) {
    Send('4');
    Send('a');
    Send(static_cast<std::uint8_t>(n));
    Outputs = n;
}

void TCeInterface::SetInputCount(int n) {
    Send('4');
    Send('b');
    Send(static_cast<std::uint8_t>(n));
}

void TCeInterface::Start() {
    SerialPort.DiscardInput();
    Send('4');
    Send('c');
}

void TCeInterface::Stop() {
    if (!SerialPort.IsOpen()) return;
    Send('4');
    Send('d');
    SerialPort.DiscardInput();
}

void TCeInterface::SetInterval(int tenths) {
    Send('4');
    Send('e');
    Send(static_cast<std::uint8_t>(tenths & 0xFF));
    Send(static_cast<std::uint8_t>((tenths >> 8) & 0xFF));
}

void TCeInterface::WriteOutputs(const std::array<std::uint16_t, 4>& values) {
    Send('1');
    // OutputCount never exceeds the four words this system has.
    const int count = std::clamp(Outputs, 0, int(values.size()));
    for (int i = 0; i < count; ++i) {
        Send(static_cast<std::uint8_t>(values[i] & 0xFF));
        Send(static_cast<std::uint8_t>(values[i] >> 8));
    }
}

void TCeInterface::Restart() {
    Stop();
    ResetReceive();
    Start();
}

void TCeInterface::Park() {
    if (!SerialPort.IsOpen()) return;
    Stop();
    if (Outputs > 1) WriteOutputs({});
}

void TCeInterface::ResetReceive() {
    Current = 0;
    SerialPort.DiscardInput();
}

std::uint16_t TCeInterface::FrameWord(int k) const {
    if (k < 0 || k >= FrameWords) return 0;
    const auto& buffer = RxBuffers[Current];
    return static_cast<std::uint16_t>(buffer[2 * k] | (buffer[2 * k + 1] << 8));
}

void TCeInterface::StoreFrame(const char* payload, qsizetype size) {
    Current = 1 - Current;
    const qsizetype n = std::clamp<qsizetype>(size, 0, RxBufferSize);
    if (n > 0) std::memcpy(RxBuffers[Current].data(), payload, static_cast<size_t>(n));
}
