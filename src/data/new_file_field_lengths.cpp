#include "data/new_file_field_lengths.h"

#include "data/address_schema.h"
#include "text/profile_file.h"

namespace pc::data {

const char* const NewFileFieldLengths::kSection = "NewFileFieldLengths";

namespace {

const AddressFieldDef* keyedField(const QString& name) {
    for (const AddressFieldDef& f : addressStoredFields())
        if (f.widthKey && name.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

bool inRange(int width) {
    return width >= NewFileFieldLengths::kMinimum && width <= NewFileFieldLengths::kMaximum;
}

}  // namespace

NewFileFieldLengths::NewFileFieldLengths() {
    for (const AddressFieldDef& f : addressStoredFields())
        if (f.widthKey) widths_[QString::fromLatin1(f.name)] = f.width;
}

NewFileFieldLengths NewFileFieldLengths::builtInDefaults() {
    NewFileFieldLengths lengths;
    lengths.setWidth(QStringLiteral("FAX"), 30);
    return lengths;
}

NewFileFieldLengths NewFileFieldLengths::load(const pc::text::ProfileFile& settings) {
    NewFileFieldLengths lengths;
    const QString section = QString::fromLatin1(kSection);
    for (const AddressFieldDef& f : addressStoredFields()) {
        if (!f.widthKey) continue;
        const int w = settings.readInt(section, QString::fromLatin1(f.widthKey), f.width);
        lengths.widths_[QString::fromLatin1(f.name)] = inRange(w) ? w : f.width;
    }
    return lengths;
}

bool NewFileFieldLengths::save(pc::text::ProfileFile& settings) const {
    const QString section = QString::fromLatin1(kSection);
    bool ok = true;
    for (const AddressFieldDef& f : addressStoredFields()) {
        if (!f.widthKey) continue;
        ok = settings.writeInt(section, QString::fromLatin1(f.widthKey),
                               widthForCreation(QString::fromLatin1(f.name))) &&
             ok;
    }
    return ok;
}

int NewFileFieldLengths::width(const QString& field) const {
    const AddressFieldDef* f = keyedField(field);
    return f ? widths_.at(QString::fromLatin1(f->name)) : 0;
}

void NewFileFieldLengths::setWidth(const QString& field, int width) {
    if (const AddressFieldDef* f = keyedField(field)) widths_[QString::fromLatin1(f->name)] = width;
}

int NewFileFieldLengths::widthForCreation(const QString& field) const {
    const int w = width(field);
    return inRange(w) ? w : defaultWidth(field);
}

int NewFileFieldLengths::defaultWidth(const QString& field) {
    const AddressFieldDef* f = keyedField(field);
    return f ? f->width : 0;
}

}  // namespace pc::data
