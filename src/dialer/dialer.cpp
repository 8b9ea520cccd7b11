#include "dialer/dialer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QThread>
#include <algorithm>

#include "text/message_service.h"

namespace pc::dialer {

namespace {

constexpr int kInitWaitMs = 1500;
constexpr int kWriteTimeoutMs = 3000;

void pumpFor(int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

bool send(QSerialPort& port, const QByteArray& bytes) {
    if (port.write(bytes) != bytes.size()) return false;
    while (port.bytesToWrite() > 0)
        if (!port.waitForBytesWritten(kWriteTimeoutMs)) return false;
    return true;
}

}  // namespace

QStringList serialDevices() {
    QStringList devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        devices << info.systemLocation();
    std::sort(devices.begin(), devices.end());
    return devices;
}

QString portDevice(TComPort port) {
    const QStringList devices = serialDevices();
    const int i = static_cast<int>(port);
    return i < devices.size() ? devices[i] : QString();
}

QString portName(TComPort port) {
    return "COM" + QString::number(static_cast<int>(port) + 1);
}

QString withAtPrefix(const QString& init) {
    if (init.isEmpty() || init.left(2).toUpper() == u"AT") return init;
    return "AT" + init;
}

QByteArray dialCommand(const QString& number, TMethod method) {
    return (method == TMethod::dmPulse ? "ATDP" : "ATDT") + number.toLatin1() + "\r\n";
}

bool TDialer::Dial() {
    auto& messages = pc::text::messages();
    if (Confirm && !messages.ask("About to dial the number " + NumberToDial + ". Are you sure?",
                                 QStringLiteral("Confirm")))
        return false;
    QSerialPort port;
    const QString path = device.isEmpty() ? portDevice(ComPort) : device;
    port.setPortName(path);
    if (path.isEmpty() || !port.open(QIODevice::WriteOnly)) {
        messages.error("Unable to open " + (device.isEmpty() ? portName(ComPort) : device),
                       QStringLiteral("Error"));
        return false;
    }
    if (!InitStr.isEmpty()) {
        InitStr = withAtPrefix(InitStr);
        send(port, InitStr.toLatin1() + "\r\n");
        (wait ? wait : pumpFor)(kInitWaitMs);
    }
    const bool dialled = send(port, dialCommand(NumberToDial, Method));
    if (dialled) {
        messages.inform(QStringLiteral("Pick up phone"));
        send(port, QByteArrayLiteral("ATH\r\n"));
    } else {
        messages.error(QStringLiteral("Unable to dial number"), QStringLiteral("Error"));
    }
    port.close();
    return dialled;
}

}  // namespace pc::dialer
