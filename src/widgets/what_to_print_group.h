#pragma once
// The "What to Print" group of the print windows: all records, the records
// matching the filter (offered only while one is in force), only the
// current record, and "Start from current record". A window adds its own
// options (presort, one record per page) below them.
#include <QGroupBox>

#include "data/record_choice.h"

class QCheckBox;
class QRadioButton;
class QVBoxLayout;

namespace pc::widgets {

using WhatToPrint = data::RecordChoice;

class WhatToPrintGroup : public QGroupBox {
    Q_OBJECT
  public:
    // Starts on `initial`; a filter choice without a filter starts on all records.
    WhatToPrintGroup(bool filterSet, WhatToPrint initial, QWidget* parent);

    WhatToPrint choice() const;
    void setChoice(WhatToPrint what);
    bool startFromCurrent() const;
    void setStartFromCurrent(bool on);
    bool currentOnly() const { return choice() == WhatToPrint::CurrentOnly; }
    // Adds a control below the four of the group.
    void addOption(QWidget* option);

  signals:
    // The user or the program changed the choice or the start box.
    void changed();

  private:
    QRadioButton* button(WhatToPrint what) const;

    QRadioButton *all_ = nullptr, *matching_ = nullptr, *currentOnly_ = nullptr;
    QCheckBox* fromCurrent_ = nullptr;
    QVBoxLayout* layout_ = nullptr;
};

}  // namespace pc::widgets
