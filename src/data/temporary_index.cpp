#include "data/temporary_index.h"

#include <QFile>

#include "data/selected_area.h"
#include "data/t_table.h"

namespace pc::data {
namespace {

// Puts the engine back on the record (or the end) it rested on.
class PositionKept {
  public:
    PositionKept() : recno_(sx_RecNo()), atEnd_(sx_Eof()) {}
    ~PositionKept() {
        if (atEnd_) {
            sx_GoBottom();
            sx_Skip(1);
        } else {
            sx_Go(recno_);
        }
    }
    PositionKept(const PositionKept&) = delete;
    PositionKept& operator=(const PositionKept&) = delete;

  private:
    int recno_;
    bool atEnd_;
};

}  // namespace

TemporaryIndex::TemporaryIndex(TTable& table, const QString& path, const QString& expression)
    : table_(table), path_(path) {
    if (!table.active()) {
        error_ = QStringLiteral("No table is open");
        return;
    }
    QFile::remove(path);
    SelectedArea selected(table.workArea());
    order_ = sx_IndexEmpty(path.toUtf8().constData(), expression.toUtf8().constData(), 0);
    if (order_ <= 0) {
        order_ = 0;
        error_ = QString::fromStdString(sx_LastError());
    }
}

TemporaryIndex::~TemporaryIndex() {
    if (order_ > 0 && table_.active()) {
        SelectedArea selected(table_.workArea());
        sx_IndexClose(order_);
    }
    QFile::remove(path_);
}

bool TemporaryIndex::add(int record) {
    if (order_ <= 0) return false;
    SelectedArea selected(table_.workArea());
    PositionKept kept;
    sx_Go(record);
    return sx_KeyAdd(order_);
}

std::vector<int> TemporaryIndex::records() const {
    std::vector<int> list;
    if (order_ <= 0) return list;
    SelectedArea selected(table_.workArea());
    PositionKept kept;
    const int previousOrder = sx_SetOrder(order_);
    for (sx_GoTop(); !sx_Eof(); sx_Skip(1)) list.push_back(sx_RecNo());
    sx_SetOrder(previousOrder);
    return list;
}

}  // namespace pc::data
