#include "data/t_data_source.h"

namespace pc::data {

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

TDataSource::TDataSource(TTable* dataSet, QObject* parent) : QObject(parent) {
    setDataSet(dataSet);
}

void TDataSource::setDataSet(TTable* dataSet) {
    if (dataSet_ == dataSet) return;
    if (dataSet_) disconnect(dataSet_, nullptr, this, nullptr);
    dataSet_ = dataSet;
    if (dataSet_) {
        connect(dataSet_, &TTable::stateChanged, this, &TDataSource::stateChange);
        connect(dataSet_, &TTable::dataChanged, this, &TDataSource::dataChange);
    }
    emit stateChange();
    emit dataChange(nullptr);
}

TDataSetState TDataSource::state() const {
    return dataSet_ ? dataSet_->state() : TDataSetState::Inactive;
}

}  // namespace pc::data
