#include "cli/layout_command.h"

#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <memory>
#include <ostream>

#include "cli/db_command.h"
#include "cli/input_file.h"
#include "cli/layout_merge_command.h"
#include "design/component_stream.h"
#include "design/graphic_object.h"
#include "design/layout_json.h"
#include "design/layout_stream.h"
#include "design/object_registry.h"

namespace pc::cli {

const char* const kLayoutUsage =
    "usage: postcraft-cli layout dump FILE\n"
    "       postcraft-cli layout load JSONFILE OUT\n"
    "       postcraft-cli layout merge FILE --db TABLE --record N [--counter-step K]\n"
    "       postcraft-cli layout render FILE --db TABLE --record N --size WxH --dpi D --png OUT\n"
    "\n"
    "dump prints each object of a layout file (.L, .E, .R) as one JSON line:\n"
    "  {\"class\": ..., \"name\": ..., \"properties\": {...}}\n"
    "with the properties as stored, in file order. For a report (.R) each line\n"
    "begins with its band, {\"band\": \"header\"|\"detail\"|\"footer\", ...}, and a\n"
    "last line {\"settings\": [...]} holds the report's settings values as stored.\n"
    "load makes those objects again through the classes of OUT's kind (by its\n"
    "extension) and saves them to OUT, so defaults are left out and missing\n"
    "properties take the class's initial values.\n"
    "merge prints each object merged with record N of an address table as\n"
    "printing merges it: class, name, bounds and what it prints (text, lines,\n"
    "digits and bars, pattern), counters after K advances.\n"
    "render draws that merged label of W x H inches into a PNG at D dots per inch.\n";

namespace {

// Layouts are small; even one with pictures stays far below this.
constexpr uint64_t kMaxLayoutInputBytes = uint64_t(256) << 20;

[[noreturn]] void usageError(const std::string& message) {
    throw CliError(message + "\n(run 'postcraft-cli layout --help' for usage)", kExitUsage);
}

// A file that cannot be read is the caller's input problem: exit status 2.
QByteArray readInput(const std::string& path) {
    try {
        const std::string bytes = readInputFile(path, kMaxLayoutInputBytes);
        return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } catch (const CliError& e) {
        throw CliError(e.what(), kExitUsage);
    }
}

// A report's three bands, each object's line led by its band, then the
// settings values.
QByteArray reportToJsonLines(const design::BandedList& report) {
    static const char* const kBands[] = {"header", "detail", "footer"};
    QByteArray out;
    for (size_t band = 0; band < report.objectLists.size(); ++band) {
        for (const design::StreamComponent& c : report.objectLists[band]) {
            out += "{\"band\": \"" + QByteArray(kBands[band]) + "\", ";
            out += design::componentToJson(c).mid(1);
            out += '\n';
        }
    }
    out += "{\"settings\": [";
    for (size_t i = 0; i < report.values.size(); ++i) {
        if (i) out += ", ";
        out += design::valueToJson(report.values[i]);
    }
    out += "]}\n";
    return out;
}

int dump(const std::string& path, std::ostream& out) {
    const QByteArray bytes = readInput(path);
    QByteArray lines;
    if (design::layoutKindOf(QString::fromStdString(path)) == design::LayoutKind::Report) {
        const design::BandedList report = design::readBandedList(bytes, 3);
        if (!report.ok()) throw CliError(path + ": " + report.error.toStdString(), kExitUsage);
        lines = reportToJsonLines(report);
    } else {
        const design::ComponentList list = design::readComponents(bytes);
        if (!list.ok()) throw CliError(path + ": " + list.error.toStdString(), kExitUsage);
        lines = design::componentsToJsonLines(list.components);
    }
    out.write(lines.constData(), lines.size());
    return 0;
}

int load(const std::string& jsonPath, const std::string& outPath) {
    const auto gui = startGui();
    const QString target = QString::fromStdString(outPath);
    const design::ReadObjects read = design::objectsFromJsonLines(
        readInput(jsonPath), design::registryFactory(design::layoutKindOf(target)));
    if (!read.ok()) throw CliError(jsonPath + ": " + read.error.toStdString(), kExitUsage);
    std::vector<const design::TGGraphicControl*> objects;
    for (const auto& o : read.objects) objects.push_back(o.get());
    QString error;
    if (!design::writeLayoutFile(target, objects, &error))
        throw CliError(error.toStdString(), kExitFailure);
    return 0;
}

}  // namespace

// The objects' classes measure text through Qt Gui; no window system is
// needed for that. Dumping reads only the stream and goes without.
std::unique_ptr<QGuiApplication> startGui() {
    if (QGuiApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt wants a private runtime folder and says so on stderr without one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime =
            QDir::tempPath().toLocal8Bit() + "/postcraft-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    static int argc = 1;
    static char name[] = "postcraft-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runLayoutCommand(const std::vector<std::string>& args, std::ostream& out) {
    if (args.empty()) usageError("'layout' needs a verb: dump or load");
    const std::string& verb = args.front();
    if (verb == "--help" || verb == "-h") {
        out << kLayoutUsage;
        return 0;
    }
    if (verb == "dump") {
        if (args.size() != 2) usageError("'layout dump' needs FILE");
        return dump(args[1], out);
    }
    if (verb == "load") {
        if (args.size() != 3) usageError("'layout load' needs JSONFILE and OUT");
        return load(args[1], args[2]);
    }
    if (verb == "merge" || verb == "render") {
        const auto gui = startGui();
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        return verb == "merge" ? runLayoutMerge(rest, out) : runLayoutRender(rest);
    }
    usageError("unknown layout verb '" + verb + "'");
}

}  // namespace pc::cli
