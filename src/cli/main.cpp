// postcraft-cli: command-line access to Postcraft's data files.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/db_command.h"
#ifdef PC_CLI_ADDRESS_VERBS
#include "cli/barcode_command.h"
#include "cli/check_dup_command.h"
#include "cli/check_zip_command.h"
#include "cli/convert_case_command.h"
#include "cli/delete_command.h"
#include "cli/export_command.h"
#include "cli/filter_command.h"
#include "cli/presort_command.h"
#include "cli/replace_command.h"
#include "cli/zipcount_command.h"
#endif
#ifdef PC_CLI_LAYOUT_VERBS
#include <QGuiApplication>

#include "cli/envelopes_command.h"
#include "cli/labels_command.h"
#include "cli/layout_command.h"
#include "cli/record_command.h"
#include "cli/reports_command.h"
#endif
#ifdef PC_CLI_LETTER_VERBS
#include "cli/letters_command.h"
#endif
#ifdef PC_CLI_RTF_VERB
#include "cli/rtf_command.h"
#endif
#ifdef PC_CLI_DIAL_VERB
#include "cli/dial_command.h"
#endif
#ifdef PC_CLI_IMPORT_VERBS
#include "cli/ascii_split_command.h"
#include "cli/import_command.h"
#endif

namespace {

const char* const kUsage =
    "usage: postcraft-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  ascii-split  show how the ASCII import cuts each line of a text file\n"
    "  barcode      spell out postal barcodes (POSTNET, FIM, Intelligent Mail) bar by bar\n"
    "  check-dup    find possible duplicate records of an address table\n"
    "  check-zip    the records of an address table whose state and ZIP do not fit\n"
    "  convert-case change the letter case of address fields in bulk\n"
    "  db           look at and change xBase tables (.DBF with .FPT memos and .CDX indexes)\n"
    "  delete       delete all records of an address table, or those of a filter\n"
    "  dial         dial a number with a modem on a serial device\n"
    "  envelopes    envelope feed offsets; list, add and print envelope layouts\n"
    "  export       copy records out to a new table or a comma-delimited text file\n"
    "  filter       show the query and matches of a saved filter (.FLT)\n"
    "  import       append text, vCard and xBase files to an address table\n"
    "  labels       list the label layouts of a home and add layouts to it\n"
    "  layout       show layout files (.L, .E, .R) as JSON lines and make them from JSON\n"
    "  letters      list, add, merge and print the form letters of a home\n"
    "  presort      the bulk-mail print order of an address table\n"
    "  replace      search and replace values of one field in bulk\n"
    "  rtf          show the text of an RTF document\n"
    "  zipcount     the number of records per ZIP code of an address table\n"
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
        if (command == "zipcount")
            return pc::cli::runZipCountCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "check-zip")
            return pc::cli::runCheckZipCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "barcode")
            return pc::cli::runBarcodeCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "replace")
            return pc::cli::runReplaceCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "convert-case")
            return pc::cli::runConvertCaseCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "export")
            return pc::cli::runExportCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "delete")
            return pc::cli::runDeleteCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "check-dup")
            return pc::cli::runCheckDupCommand({args.begin() + 1, args.end()}, std::cout);
#endif
#ifdef PC_CLI_LAYOUT_VERBS
        if (command == "labels") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runLabelsCommand({args.begin() + 1, args.end()}, std::cout);
        }
        if (command == "envelopes") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runEnvelopesCommand({args.begin() + 1, args.end()}, std::cout);
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
#ifdef PC_CLI_LETTER_VERBS
        if (command == "letters") {
            const auto gui = pc::cli::startGui();
            return pc::cli::runLettersCommand({args.begin() + 1, args.end()}, std::cout);
        }
#endif
#ifdef PC_CLI_DIAL_VERB
        if (command == "dial")
            return pc::cli::runDialCommand({args.begin() + 1, args.end()}, std::cout);
#endif
#ifdef PC_CLI_IMPORT_VERBS
        if (command == "ascii-split")
            return pc::cli::runAsciiSplitCommand({args.begin() + 1, args.end()}, std::cout);
        if (command == "import")
            return pc::cli::runImportCommand({args.begin() + 1, args.end()}, std::cout);
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
