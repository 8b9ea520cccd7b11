#include "cli/layout_merge_command.h"

#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <memory>
#include <optional>

#include "cli/address_input.h"
#include "cli/db_command.h"
#include "cli/json_writer.h"
#include "cli/merged_object_json.h"
#include "cli/option_numbers.h"
#include "data/address_schema.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "design/data_panel.h"
#include "design/graphic_object.h"
#include "design/layout_stream.h"
#include "design/table_merge_source.h"
#include "print/page_canvas.h"

namespace pc::cli {
namespace {

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli layout --help' for usage)", kExitUsage);
}

struct MergeArguments {
    QString layout;
    QString table;
    int record = 0;
    int counterStep = 0;
    double width = 0, height = 0, dpi = 0;
    QString png;
};

MergeArguments parse(const std::vector<std::string>& args, bool render) {
    MergeArguments parsed;
    bool haveRecord = false, haveSize = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) usageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--db") {
            parsed.table = QString::fromStdString(value());
        } else if (a == "--record") {
            parsed.record = wholeNumber(value(), "--record");
            haveRecord = true;
        } else if (a == "--counter-step" && !render) {
            parsed.counterStep = wholeNumber(value(), "--counter-step");
            if (parsed.counterStep < 0) usageError("--counter-step cannot be negative");
        } else if (a == "--size" && render) {
            const std::string& size = value();
            const size_t x = size.find_first_of("xX");
            if (x == std::string::npos) usageError("--size needs WxH in inches");
            parsed.width = positiveNumber(size.substr(0, x), "--size");
            parsed.height = positiveNumber(size.substr(x + 1), "--size");
            if (parsed.width > 50 || parsed.height > 50)
                usageError("--size is at most 50x50 inches");
            haveSize = true;
        } else if (a == "--dpi" && render) {
            parsed.dpi = positiveNumber(value(), "--dpi");
            if (parsed.dpi > 2400) usageError("--dpi is at most 2400");
        } else if (a == "--png" && render) {
            parsed.png = QString::fromStdString(value());
        } else if (a.size() > 1 && a[0] == '-') {
            usageError("unknown option '" + a + "'");
        } else if (parsed.layout.isEmpty()) {
            parsed.layout = QString::fromStdString(a);
        } else {
            usageError("unexpected argument '" + a + "'");
        }
    }
    if (parsed.layout.isEmpty()) usageError("a layout FILE is needed");
    if (parsed.table.isEmpty()) usageError("--db TABLE is needed");
    if (!haveRecord) usageError("--record N is needed");
    if (render && (!haveSize || parsed.dpi <= 0 || parsed.png.isEmpty()))
        usageError("'layout render' needs --size, --dpi and --png");
    return parsed;
}

// The layout on a printing surface bound to the record.
class MergedLayout {
  public:
    explicit MergedLayout(const MergeArguments& args) : source_(table_) {
        if (!QFileInfo::exists(args.table))
            throw CliError("cannot open " + args.table.toStdString() + ": no such file",
                           kExitUsage);
        openAddressTable(args.table, table_);
        data::setNameFieldsVisible(table_, true);
        data::TApollo engine(&table_);
        if (args.record < 1 || args.record > engine.recCount() || !engine.go(args.record))
            throw CliError("there is no record " + std::to_string(args.record), kExitUsage);

        design::ReadObjects read = design::readLayoutFile(args.layout);
        if (!read.ok())
            throw CliError(args.layout.toStdString() + ": " + read.error.toStdString(), kExitUsage);
        panel_.setMergeSource(&source_);
        panel_.setPrinting(true);
        for (auto& object : read.objects) panel_.addObject(std::move(object));
        panel_.resetCounters();
        for (int i = 0; i < args.counterStep; ++i) panel_.advanceCounters();
        panel_.refreshAllData();
    }
    ~MergedLayout() { table_.setActive(false); }

    design::TGDataPanel& panel() { return panel_; }

  private:
    data::TTable table_;
    design::TableMergeSource source_;
    design::TGDataPanel panel_;
};

}  // namespace

int runLayoutMerge(const std::vector<std::string>& args, std::ostream& out) {
    const MergeArguments parsed = parse(args, false);
    MergedLayout merged(parsed);
    for (const auto& object : merged.panel().objects()) out << mergedObjectJson(*object) << '\n';
    return 0;
}

int runLayoutRender(const std::vector<std::string>& args) {
    const MergeArguments parsed = parse(args, true);
    MergedLayout merged(parsed);
    const QImage image = print::renderPageImage(
        {print::Inches(parsed.width), print::Inches(parsed.height)}, parsed.dpi,
        [&](print::PageCanvas& canvas) {
            merged.panel().printObjects(canvas, print::Inches(0), print::Inches(0));
        });
    QSaveFile file(parsed.png);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw CliError("cannot write " + parsed.png.toStdString(), kExitFailure);
    return 0;
}

}  // namespace pc::cli
