#include "cli/rtf_command.h"

#include <QByteArray>
#include <QTextDocument>
#include <ostream>

#include "cli/db_command.h"
#include "cli/input_file.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_reader.h"

namespace pc::cli {

const char* const kRtfUsage =
    "usage: postcraft-cli rtf text FILE.rtf\n"
    "  Prints the text of an RTF document as Postcraft reads it: UTF-8, one\n"
    "  paragraph per line.\n";

int runRtfCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kRtfUsage;
        return 0;
    }
    if (args.size() != 2 || args[0] != "text") throw CliError(kRtfUsage, kExitUsage);
    std::string bytes = readInputFile(args[1], uint64_t(pc::richtext::kMaxRtfBytes));
    // Reading needs no fonts or layout, so no GUI application is started.
    QTextDocument doc;
    QString error;
    if (!pc::richtext::readRtf(QByteArray::fromStdString(bytes), doc, &error))
        throw CliError(args[1] + ": " + error.toStdString(), kExitFailure);
    out << pc::richtext::plainTextLines(doc).toStdString();
    out.flush();
    if (!out) throw CliError("cannot write the output", kExitFailure);
    return 0;
}

}  // namespace pc::cli
