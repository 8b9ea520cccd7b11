// postcraft-cli: command-line access to Postcraft's data files.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/db_command.h"
#ifdef PC_CLI_ADDRESS_VERBS
#include "cli/barcode_command.h"
#include "cli/filter_command.h"
#include "cli/presort_command.h"
#endif
#ifdef PC_CLI_LAYOUT_VERBS
#include <QGuiApplication>

#include "cli/labels_command.h"
#include "cli/layout_command.h"
#include "cli/record_command.h"
#include "cli/reports_command.h"
#endif
#ifdef PC_CLI_RTF_VERB
#include "cli/rtf_command.h"
#endif

namespace {

const char* const kUsage =
    "usage: postcraft-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  barcode spell out postal barcodes (POSTNET, FIM, Intelligent Mail) bar by bar\n"
    "  db      look at and change xBase tables (.DBF with .FPT memos and .CDX indexes)\n"
    "  filter  show the query and matches of a saved filter (.FLT)\n"
    "  labels  list the label layouts of a home and add layouts to it\n"
    "  layout  show layout files (.L, .E, .R) as JSON lines and make them from JSON\n"
    "  presort the bulk-mail print order of an address table\n"
    "  rtf     show the text of an RTF document\n"
    "\n"
    "Run 'postcraft-cli COMMAND --help' for the command's usage.\n";

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        if (args.empty()) {
            std::cerr << kUsage;
            return pc::cli::kExitUsage;
        }
        const std::string& command = args.front();
        if (command == "--help" || command == "-h" || command == "help") {
            std::cout << kUsage;
            return 0;
        }
#ifdef PC_CLI_ADDRESS_VERBS
        if (command == "filter")
            return pc::cli::runFilterCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "presort")
            return pc::cli::runPresortCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "barcode")
            return pc::cli::runBarcodeCommand({args.begin() + 1, args.end()}, std::cout);
#endif
#ifdef PC_CLI_LAYOUT_VERBS
        if (command == "labels") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runLabelsCommand({args.begin() + 1, args.end()}, std::cout);
        }
        if (command == "reports") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runReportsCommand({args.begin() + 1, args.end()}, std::cout);
        }
        if (command == "record") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runRecordCommand({args.begin() + 1, args.end()}, std::cout);
        }
        if (command == "layout") {
            int status = pc::cli::runLayoutCommand({args.begin() + 1, args.end()}, std::cout);
            std::cout.flush();
            if (!std::cout) throw pc::cli::CliError("cannot write the output", 1);
            return status;
        }
#endif
#ifdef PC_CLI_RTF_VERB
        if (command == "rtf")
            return pc::cli::runRtfCommand({args.begin() + 1, args.end()}, std::cout);
#endif
        if (command == "db") {
            int status = pc::cli::runDbCommand({args.begin() + 1, args.end()}, std::cout);
            std::cout.flush();
            if (!std::cout) throw pc::cli::CliError("cannot write the output", 1);
            return status;
        }
        throw pc::cli::CliError("unknown command '" + command + "'; run 'postcraft-cli --help'",
                                pc::cli::kExitUsage);
    } catch (const pc::cli::CliError& e) {
        std::cout.flush();
        std::cerr << "postcraft-cli: " << e.what() << '\n';
        return e.status();
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "postcraft-cli: " << e.what() << '\n';
        return pc::cli::kExitFailure;
    }
}
