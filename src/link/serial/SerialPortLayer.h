#pragma once
// What the serial driver needs of a COM port: numbered ports, byte writes, input flush, blocking waits for
// a reply counted in 55 ms ticks, and a notification when bytes arrive (for the packet collector). The real
// layer is TQtSerialPort; tests and the fuzzer use doubles.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>

enum class TParity { None, Odd, Even };

// How an open failed, in the kinds the user is told about. AccessDenied: the user may not open the port's
// device node at all (on Linux, not in the group that owns it), which no other program can cause or cure.
enum class TPortOpenResult { Opened, DoesNotExist, HardwareError, InUse, OtherFailure, AccessDenied };

// Who may use a port whose open answered AccessDenied, for the message that tells the user what to do.
struct TDeniedAccess {
    QString DevicePath; // the device node, e.g. /dev/ttyUSB0
    QString Group;      // the group that owns it (dialout on Debian); empty if unknown
    QString User;       // the user running the program
    QString Owner = {}; // the user that owns it; named when joining its group would not help
};

// What a refused user is told about a device node: its group only when that group may read and write the
// node (joining it then cures the refusal), otherwise the node's owner.
[[nodiscard]] TDeniedAccess DescribeDeniedAccess(const QString& devicePath, const QString& owner,
                                                 const QString& group, bool groupMayReadWrite,
                                                 const QString& user);

// The unit of every serial wait and packet time-out.
inline constexpr int SerialTickMs = 55;

class TSerialPortLayer {
public:
    virtual ~TSerialPortLayer() = default;

    // Changing the number of an open port closes it and opens the new one; the result is that open's.
    virtual TPortOpenResult SetPortNumber(int number) = 0;
    [[nodiscard]] virtual int PortNumber() const = 0;
    virtual void SetBaudRate(int baud) = 0;
    [[nodiscard]] virtual int BaudRate() const = 0;
    virtual void SetParity(TParity parity) = 0;

    virtual TPortOpenResult Open() = 0;
    // After an open that answered AccessDenied: what was refused.
    [[nodiscard]] virtual TDeniedAccess DeniedAccess() const { return {}; }
    virtual void Close() = 0;
    [[nodiscard]] virtual bool IsOpen() const = 0;

    // Writing to a closed port does nothing.
    virtual void WriteByte(std::uint8_t byte) = 0;
    // Also drops what the packet collector has gathered of an unfinished packet: those bytes were
    // received and not yet read.
    void DiscardInput() {
        DiscardReceived();
        if (OnInputDiscarded) OnInputDiscarded();
    }
    [[nodiscard]] virtual int BytesWaiting() = 0;
    virtual QByteArray Read(int maxBytes) = 0;

    // Blocks the calling thread, without processing events, until `text` has arrived or `ticks` ticks
    // have passed. Consumes the bytes up to and including the match.
    [[nodiscard]] virtual bool WaitForString(const QByteArray& text, int ticks, bool ignoreCase) = 0;

    // Called on the owner's thread when new bytes are waiting; never from inside WaitForString.
    std::function<void()> OnDataAvailable;
    std::function<void()> OnInputDiscarded;

protected:
    virtual void DiscardReceived() = 0;
};
