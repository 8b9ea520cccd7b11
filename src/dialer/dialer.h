#pragma once
// TDialer: dials a number by sending Hayes modem commands to a serial port
// (initialisation, ATDT/ATDP, then ATH once the user has picked up the
// handset). COM1 to COM4 are the system's first four serial devices.
#include <QString>
#include <QStringList>
#include <functional>

namespace pc::dialer {

enum class TComPort { dpCOM1, dpCOM2, dpCOM3, dpCOM4 };
enum class TMethod { dmTone, dmPulse };

// The system's serial devices ("/dev/ttyS0", "/dev/ttyUSB0", ...), sorted;
// the first four stand for COM1 to COM4.
QStringList serialDevices();
// The device of a port, "" when the system has fewer serial devices.
QString portDevice(TComPort port);
// "COM1" ... "COM4".
QString portName(TComPort port);

// The initialisation string as sent: "AT" put in front unless its first
// two characters, upper-cased, are "AT". Empty stays empty.
QString withAtPrefix(const QString& init);
// "ATDT" + number + CR LF ("ATDP" for pulse dialling).
QByteArray dialCommand(const QString& number, TMethod method);

class TDialer {
  public:
    TComPort ComPort = TComPort::dpCOM1;
    bool Confirm = false;
    TMethod Method = TMethod::dmTone;
    QString NumberToDial;
    QString InitStr;

    // A device path to use instead of the port's (the command line's --port).
    QString device;
    // Waits the given milliseconds while letting events through; tests
    // replace it.
    std::function<void(int milliseconds)> wait;

    // Asks, opens the port, sends the commands and tells the user to pick
    // up; false when nothing was dialled.
    bool Dial();
};

}  // namespace pc::dialer
