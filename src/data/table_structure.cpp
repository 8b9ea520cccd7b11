#include "data/table_structure.h"

#include <string>
#include <vector>

#include "data/selected_area.h"
#include "data/t_table.h"

namespace pc::data {
namespace {

struct FieldShape {
    std::string name, type;
    int width = 0, decimals = 0;
};

}  // namespace

bool createTableLike(const TTable& source, const QString& path, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!source.active()) return fail(QStringLiteral("The source table is not open"));
    std::vector<FieldShape> fields;
    {
        SelectedArea selected(source.workArea());
        for (int i = 1; i <= sx_FieldCount(); ++i)
            fields.push_back(
                {sx_FieldName(i), sx_FieldType(i), sx_FieldWidth(i), sx_FieldDecimals(i)});
    }
    const QByteArray file = path.toUtf8();
    SelectedArea none(0);
    bool ok = sx_CreateNew(file.constData(), sx_DefaultAlias(file.constData()).c_str(),
                           pc::xbase::kDriverCdx, static_cast<int>(fields.size())) != 0;
    for (const FieldShape& f : fields)
        if (ok) ok = sx_CreateField(f.name.c_str(), f.type.c_str(), f.width, f.decimals);
    const int area = ok ? sx_CreateExec() : 0;
    if (!area) return fail(QString::fromStdString(sx_LastError()));
    sx_Select(area);
    sx_Close();
    return true;
}

}  // namespace pc::data
