#include "cli/ascii_split_command.h"

#include <ostream>

#include "cli/db_command.h"
#include "cli/json_writer.h"
#include "import/ascii_line_splitter.h"
#include "import/import_text_file.h"

namespace pc::cli {

namespace {

const char* const kUsage =
    "usage: postcraft-cli ascii-split FILE\n"
    "\n"
    "Prints one JSON array per line of FILE: the values exactly as the ASCII\n"
    "import cuts and cleans them (CR LF, LF and a lone CR each end a line; a\n"
    "last line without an end counts). UTF-8 is recognised, else the file is\n"
    "read as Windows-1252.\n";

}  // namespace

int runAsciiSplitCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return 0;
    }
    if (args.size() != 1) throw CliError(std::string("expected FILE\n") + kUsage, kExitUsage);
    pc::import::ImportTextFile file;
    if (!file.open(QString::fromStdString(args[0])))
        throw CliError(args[0] + ": cannot read the file", kExitFailure);
    QString line;
    std::string json;
    while (file.readLine(line)) {
        json.assign(1, '[');  // (GCC 12 warns falsely on assigning a literal here)
        bool first = true;
        for (const QString& value : pc::import::splitAndClean(line)) {
            if (!first) json += ", ";
            first = false;
            appendJsonString(json, value.toStdString());
        }
        json += "]\n";
        out << json;
    }
    if (file.failed()) throw CliError(args[0] + ": read error", kExitFailure);
    return 0;
}

}  // namespace pc::cli
