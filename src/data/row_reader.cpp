#include "data/row_reader.h"

#include "data/t_table.h"
#include "xbase/engine.h"

namespace pc::data {

RowReader::RowReader(const TTable& table)
    : area_(table.workArea()), previousArea_(sx_Select(area_)) {
    savedRecno_ = sx_RecNo();
    savedAtEnd_ = sx_Eof();
}

RowReader::~RowReader() {
    // The table object still shows its own record: put the engine back there.
    if (savedAtEnd_) {
        sx_GoBottom();
        sx_Skip(1);
    } else {
        sx_Go(savedRecno_);
    }
    sx_Select(previousArea_);
}

void RowReader::goTop() {
    sx_GoTop();
}

void RowReader::goBottom() {
    sx_GoBottom();
}

void RowReader::go(int recno) {
    sx_Go(recno);
}

void RowReader::skip(int count) {
    if (count != 0) sx_Skip(count);
}

bool RowReader::eof() const {
    return sx_Eof();
}

bool RowReader::bof() const {
    return sx_Bof();
}

int RowReader::recNo() const {
    return sx_RecNo();
}

QString RowReader::text(const QString& field) const {
    return QString::fromStdString(sx_GetTrimString(field.toUtf8().constData()));
}

std::string RowReader::utf8(const char* field) const {
    return sx_GetTrimString(field);
}

bool RowReader::logical(const QString& field) const {
    return sx_GetLogical(field.toUtf8().constData());
}

bool RowReader::deleted() const {
    return sx_Deleted();
}

}  // namespace pc::data
