#include "data/system_tables.h"

#include <QFileInfo>
#include <vector>

#include "data/data_error.h"
#include "data/t_apollo.h"
#include "data/t_table.h"
#include "text/message_service.h"
#include "text/program_paths.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {

struct FieldSpec {
    const char* name;
    const char* type;
    int width;
    int decimals;
};

const std::vector<FieldSpec>& fieldsOf(SystemTable which) {
    static const std::vector<FieldSpec> letter = {{"DESCRIPT", "C", 50, 0}, {"RTF", "M", 10, 0}};
    static const std::vector<FieldSpec> report = {
        {"DESCRIPT", "C", 60, 0}, {"LAYOUT", "C", 60, 0}, {"BINARY", "C", 12, 0}};
    static const std::vector<FieldSpec> envelope = {
        {"DESCRIPT", "C", 60, 0}, {"NUMBER", "N", 5, 0}, {"BINARY", "C", 12, 0}};
    static const std::vector<FieldSpec> label = {
        {"DESCRIPT", "C", 60, 0}, {"PRINTER", "C", 2, 0},    {"LBLHEIGHT", "N", 6, 3},
        {"LBLWIDTH", "N", 6, 3},  {"NBRACROSS", "N", 2, 0},  {"NBRDOWN", "N", 2, 0},
        {"TOPMARG", "N", 6, 3},   {"LEFTMARG", "N", 6, 3},   {"HORIZPITCH", "N", 6, 3},
        {"VERTPITCH", "N", 6, 3}, {"SHEETWIDTH", "N", 6, 3}, {"SHEETDEPTH", "N", 6, 3},
        {"PAPERSIZE", "C", 5, 0}, {"LBLSHAPE", "C", 2, 0},   {"TPLDESCRIP", "C", 60, 0},
        {"MANUFAC", "C", 10, 0},  {"PRODTYPE", "C", 25, 0},  {"MIDEXTRAX", "N", 6, 3},
        {"MIDEXTRAY", "N", 6, 3}, {"ART", "C", 12, 0},       {"DELETED", "L", 1, 0},
        {"BINARY", "C", 12, 0}};
    static const std::vector<FieldSpec> none;
    switch (which) {
        case SystemTable::Letter:
            return letter;
        case SystemTable::Report:
            return report;
        case SystemTable::Envelope:
            return envelope;
        case SystemTable::Label:
            return label;
        default:
            return none;
    }
}

// The one tag a system table gets when its compound index is missing.
void ensureIndex(SystemTable which, TTable& table) {
    const QFileInfo info(table.path());
    const QString cdx =
        pc::text::findNoCase(table.folder(), info.completeBaseName() + QStringLiteral(".CDX"));
    if (QFileInfo::exists(cdx)) return;
    TApollo apollo(&table);
    if (which == SystemTable::Csz)
        apollo.indexTag(QStringLiteral("STATE"), QStringLiteral("UPPER(state)"));
    else
        apollo.indexTag(QStringLiteral("DESCRIPT"), QStringLiteral("UPPER(descript)"));
}

bool openInto(TTable& table) {
    try {
        table.open();
        return true;
    } catch (const DataError&) {
        return false;
    }
}

}  // namespace

QString systemTableFileName(SystemTable which) {
    switch (which) {
        case SystemTable::Letter:
            return QStringLiteral("LETTER.DBF");
        case SystemTable::Report:
            return QStringLiteral("REPORT.DBF");
        case SystemTable::Envelope:
            return QStringLiteral("ENVELOPE.DBF");
        case SystemTable::Label:
            return QStringLiteral("LABEL.DBF");
        case SystemTable::LabelTemplate:
            return QStringLiteral("LBLTPL.DBF");
        case SystemTable::Csz:
            return QStringLiteral("CSZ.DBF");
    }
    return {};
}

bool systemTableCreatable(SystemTable which) {
    return !fieldsOf(which).empty();
}

QString systemTableFailureMessage(SystemTable which) {
    if (which == SystemTable::LabelTemplate) return QStringLiteral("Unable to Open LBLTPL.DBF");
    return "Unable to Open or Create " + systemTableFileName(which);
}

bool createSystemTable(SystemTable which, const QString& path) {
    const auto& fields = fieldsOf(which);
    if (fields.empty()) return false;
    const QByteArray file = path.toUtf8();
    const int previous = sx_Select(0);
    bool ok = sx_CreateNew(file.constData(), sx_DefaultAlias(file.constData()).c_str(),
                           pc::xbase::kDriverCdx, static_cast<int>(fields.size())) != 0;
    for (const FieldSpec& f : fields)
        if (ok) ok = sx_CreateField(f.name, f.type, f.width, f.decimals);
    const int area = ok ? sx_CreateExec() : 0;
    if (area) {
        sx_Select(area);
        sx_Close();
    }
    sx_Select(previous);
    return area != 0;
}

bool openSystemTable(SystemTable which, TTable& table) {
    table.close();
    const QString dir = pc::text::sysdataDir();
    const QString path = pc::text::findNoCase(dir, systemTableFileName(which));
    const QFileInfo info(path);
    table.setFolder(info.absolutePath() + '/');
    table.setFileName(info.fileName());
    bool open = openInto(table);
    if (!open && systemTableCreatable(which) && !info.exists()) {
        table.setExclusive(true);
        open = createSystemTable(which, path) && openInto(table);
    }
    if (!open) {
        pc::text::messages().inform(systemTableFailureMessage(which));
        return false;
    }
    ensureIndex(which, table);
    return true;
}

}  // namespace pc::data
