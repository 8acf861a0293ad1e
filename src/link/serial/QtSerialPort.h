#pragma once
// The serial port layer on QSerialPort. Port numbers become device paths through TComPortMap.

#include "ComPortMap.h"
#include "SerialPortLayer.h"

#include <QStringList>

#include <memory>

class QSerialPort;

class TQtSerialPort final : public TSerialPortLayer {
public:
    explicit TQtSerialPort(TComPortMap map);
    ~TQtSerialPort() override;
    TQtSerialPort(const TQtSerialPort&) = delete;
    TQtSerialPort& operator=(const TQtSerialPort&) = delete;

    TPortOpenResult SetPortNumber(int number) override;
    [[nodiscard]] int PortNumber() const override { return Number; }
    void SetBaudRate(int baud) override;
    [[nodiscard]] int BaudRate() const override { return Baud; }
    void SetParity(TParity parity) override;
    TPortOpenResult Open() override;
    [[nodiscard]] TDeniedAccess DeniedAccess() const override { return Denied; }
    void Close() override;
    [[nodiscard]] bool IsOpen() const override;
    void WriteByte(std::uint8_t byte) override;
    [[nodiscard]] int BytesWaiting() override;
    QByteArray Read(int maxBytes) override;
    [[nodiscard]] bool WaitForString(const QByteArray& text, int ticks, bool ignoreCase) override;

    // The length of one tick in the blocking waits. 55 ms in use; tests lengthen it so that a loaded
    // machine cannot make a prompt reply look late, or shorten it where nothing will ever arrive.
    void SetTickLength(int milliseconds) { TickMs = milliseconds; }

    [[nodiscard]] const TComPortMap& Map() const { return PortMap; }

    // Opens and closes COM `number` to see whether it is there; a port held by another program, or by
    // this one, counts as there. `systemPorts` is SystemSerialPorts(), taken once for a scan of all ports.
    [[nodiscard]] static bool IsPortAvailable(const TComPortMap& map, int number,
                                              const QStringList& systemPorts = SystemSerialPorts());
    // The canonical paths of the serial ports the system knows of.
    [[nodiscard]] static QStringList SystemSerialPorts();

protected:
    void DiscardReceived() override;

private:
    void TakeArrived();
    TComPortMap PortMap;
    std::unique_ptr<QSerialPort> Port;
    QByteArray Pending; // bytes taken from the port by a wait and not yet consumed
    int Number = 0;
    TDeniedAccess Denied; // of the last open that answered AccessDenied
    int Baud = 9600;
    TParity ParityMode = TParity::None;
    int TickMs = SerialTickMs;
    bool InBlockingWait = false;
};
