#include "cli/barcode_command.h"

#include <QString>
#include <map>
#include <ostream>
#include <set>

#include "cli/db_command.h"
#include "postal/fim.h"
#include "postal/intelligent_mail.h"
#include "postal/postnet.h"

namespace pc::cli {

const char* const kBarcodeUsage =
    "usage: postcraft-cli barcode postnet --zip ZIP [--street STREET] [--type 5|9|11]\n"
    "       postcraft-cli barcode fim --type A|B|C|D|E\n"
    "       postcraft-cli barcode imb --tracking DIGITS [--routing DIGITS]\n"
    "\n"
    "postnet prints the encoded digits (data digits and check digit), a blank and\n"
    "the bars as F (full) and H (half), frame bars included; the delivery point\n"
    "of type 11 comes from the street. A postal code that draws no barcode\n"
    "prints 'none' and exits with 1.\n"
    "fim prints the nine bar positions of the mark as 1 (bar) and 0.\n"
    "imb prints the 65 bars of the Intelligent Mail barcode as A (ascender),\n"
    "D (descender), F (full) and T (tracker): 20 tracking digits (the second\n"
    "0 to 4) and a routing code of 0, 5, 9 or 11 digits.\n";

namespace {

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli barcode --help' for usage)", kExitUsage);
}

using Options = std::map<std::string, QString>;

// --name VALUE or --name=VALUE, each once, only the names allowed.
Options parse(const std::vector<std::string>& args, const std::set<std::string>& allowed) {
    Options values;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string name = args[i], value;
        const size_t eq = name.find('=');
        if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        } else if (allowed.count(name)) {
            if (i + 1 >= args.size()) usageError(name + " needs a value");
            value = args[++i];
        }
        if (!allowed.count(name)) usageError("unknown argument '" + args[i] + "'");
        if (values.count(name)) usageError(name + " given twice");
        values[name] = QString::fromStdString(value);
    }
    return values;
}

const QString& required(const Options& values, const std::string& name, const std::string& verb) {
    const auto it = values.find(name);
    if (it == values.end()) usageError("'barcode " + verb + "' needs " + name);
    return it->second;
}

int postnet(const std::vector<std::string>& args, std::ostream& out) {
    const Options values = parse(args, {"--zip", "--street", "--type"});
    const QString& zip = required(values, "--zip", "postnet");
    const QString street = values.count("--street") ? values.at("--street") : QString();
    const QString type = values.count("--type") ? values.at("--type") : QStringLiteral("11");
    using postal::TPostNetBarCodeType;
    TPostNetBarCodeType barCodeType;
    if (type == QLatin1String("5"))
        barCodeType = TPostNetBarCodeType::pnbc5Digit;
    else if (type == QLatin1String("9"))
        barCodeType = TPostNetBarCodeType::pnbc9Digit;
    else if (type == QLatin1String("11"))
        barCodeType = TPostNetBarCodeType::pnbc11Digit;
    else
        usageError("--type must be 5, 9 or 11");

    const auto digits = postal::PostNetEncodedDigits(zip, street, barCodeType);
    if (!digits) {
        out << "none\n";
        return kExitFailure;
    }
    out << digits->toStdString() << ' ' << postal::PostNetBars(*digits).toStdString() << '\n';
    return 0;
}

int fim(const std::vector<std::string>& args, std::ostream& out) {
    const Options values = parse(args, {"--type"});
    const QString type = required(values, "--type", "fim").toUpper();
    const QString letters = QStringLiteral("ABCDE");
    if (type.size() != 1 || !letters.contains(type)) usageError("--type must be A, B, C, D or E");
    const auto fimType = static_cast<postal::TFIMBarCodeType>(letters.indexOf(type));
    out << postal::FimPattern(fimType).toStdString() << '\n';
    return 0;
}

int imb(const std::vector<std::string>& args, std::ostream& out) {
    const Options values = parse(args, {"--tracking", "--routing"});
    const QString& tracking = required(values, "--tracking", "imb");
    const QString routing = values.count("--routing") ? values.at("--routing") : QString();
    const postal::ImbEncoding encoding = postal::EncodeIntelligentMail(tracking, routing);
    if (encoding.error != postal::ImbError::None)
        throw CliError(postal::ImbErrorText(encoding.error).toStdString(), kExitUsage);
    out << encoding.bars.toStdString() << '\n';
    return 0;
}

}  // namespace

int runBarcodeCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'barcode' needs postnet, fim or imb");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kBarcodeUsage;
        return 0;
    }
    if (verb == "postnet") return postnet(args, out);
    if (verb == "fim") return fim(args, out);
    if (verb == "imb") return imb(args, out);
    usageError("unknown barcode '" + verb + "'");
}

}  // namespace pc::cli
