#include "cli/dial_command.h"

#include <QCoreApplication>
#include <ostream>

#include "cli/cli_messages.h"
#include "cli/db_command.h"
#include "dialer/dialer.h"

namespace pc::cli {

namespace {

const char* const kUsage =
    "usage: postcraft-cli dial --port DEVICE --number N [--pulse] [--prefix P] [--init S]\n"
    "\n"
    "Sends the modem sequence to the serial DEVICE: the initialisation string\n"
    "(\"AT\" put in front when missing) and a 1.5 second wait, then ATDT (ATDP\n"
    "with --pulse) with P and N, then ATH to hang the modem up. COM1 to COM4\n"
    "name the system's first four serial devices.\n";

}  // namespace

int runDialCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    std::string port, number, prefix, init;
    bool pulse = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--pulse") {
            pulse = true;
            continue;
        }
        std::string* target = a == "--port"     ? &port
                              : a == "--number" ? &number
                              : a == "--prefix" ? &prefix
                              : a == "--init"   ? &init
                                                : nullptr;
        if (!target) throw CliError("unexpected argument '" + a + "'\n" + kUsage, kExitUsage);
        if (i + 1 >= args.size()) throw CliError(a + " needs a value", kExitUsage);
        *target = args[++i];
    }
    if (port.empty() || number.empty())
        throw CliError(std::string("--port and --number are needed\n") + kUsage, kExitUsage);
    int argc = 1;
    char name[] = "postcraft-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    ScopedStderrMessages messages;
    dialer::TDialer d;
    const QString device = QString::fromStdString(port);
    static const QStringList comNames = {"COM1", "COM2", "COM3", "COM4"};
    if (const int com = comNames.indexOf(device.toUpper()); com >= 0)
        d.ComPort = static_cast<dialer::TComPort>(com);
    else
        d.device = device;
    d.NumberToDial = QString::fromStdString(prefix + number);
    d.InitStr = QString::fromStdString(init);
    d.Method = pulse ? dialer::TMethod::dmPulse : dialer::TMethod::dmTone;
    return d.Dial() ? 0 : kExitFailure;
}

}  // namespace pc::cli
