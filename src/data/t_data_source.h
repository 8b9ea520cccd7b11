#pragma once
// The data source of a table: what data-aware controls listen to. It
// reports the table's state and passes on its change notifications.
#include <QObject>
#include <QPointer>

#include "data/t_table.h"

namespace pc::data {

class TDataSource : public QObject {
    Q_OBJECT

  public:
    explicit TDataSource(QObject* parent = nullptr);
    explicit TDataSource(TTable* dataSet, QObject* parent = nullptr);

    TTable* dataSet() const { return dataSet_; }
    void setDataSet(TTable* dataSet);
    // Inactive when no table is attached.
    TDataSetState state() const;

  signals:
    // A record-level change (field null) or one field's change; not raised
    // while the table's controls are disabled.
    void dataChange(pc::data::TField* field);
    void stateChange();

  private:
    QPointer<TTable> dataSet_;
};

}  // namespace pc::data
