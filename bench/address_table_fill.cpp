#include "address_table_fill.h"

#include <QFile>
#include <cstdio>
#include <cstdlib>

#include "address_data.h"
#include "data/address_database.h"
#include "data/new_file_field_lengths.h"
#include "data/t_table.h"
#include "xbase/engine.h"

namespace pc::bench {

void fillAddressTable(const QString& path, int records, FillOptions options) {
    {
        data::TTable creation;
        if (!data::createAddressTable(path, data::NewFileFieldLengths(), creation)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
            std::exit(1);
        }
    }
    if (options.withoutIndex) QFile::remove(path.left(path.size() - 3) + "CDX");
    const QByteArray file = path.toUtf8();
    const int previous = sx_Select(0);
    sx_Use(file.constData(), "FILL", xbase::kExclusive, xbase::kDriverCdx);
    const auto& fields = addressFields();
    AddressGenerator gen;
    for (int i = 0; i < records; ++i) {
        const auto& values = gen.next();
        sx_AppendBlank();
        for (int f = 0; f < kAddressFieldCount; ++f) {
            if (f == kIsDelField)
                sx_ReplaceLogical(fields[f].name, !options.noneDeleted && values[f] == "T");
            else if (f != kMemoField || !values[f].empty())
                sx_Replace(fields[f].name, values[f].c_str());
        }
    }
    sx_Commit();
    sx_Close();
    sx_Select(previous);
}

}  // namespace pc::bench
