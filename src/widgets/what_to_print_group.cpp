#include "widgets/what_to_print_group.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pc::widgets {

WhatToPrintGroup::WhatToPrintGroup(bool filterSet, WhatToPrint initial, QWidget* parent)
    : QGroupBox(QStringLiteral("What to Print"), parent) {
    setObjectName(QStringLiteral("WhatToPrint"));
    all_ = new QRadioButton(QStringLiteral("All records"), this);
    matching_ = new QRadioButton(QStringLiteral("Records matching filter"), this);
    currentOnly_ = new QRadioButton(QStringLiteral("Only current record"), this);
    fromCurrent_ = new QCheckBox(QStringLiteral("Start from current record"), this);
    all_->setObjectName(QStringLiteral("AllRecords"));
    matching_->setObjectName(QStringLiteral("MatchingRecords"));
    currentOnly_->setObjectName(QStringLiteral("CurrentRecord"));
    fromCurrent_->setObjectName(QStringLiteral("StartFromCurrent"));
    matching_->setEnabled(filterSet);
    setChoice(!filterSet && initial == WhatToPrint::MatchingFilter ? WhatToPrint::All : initial);
    layout_ = new QVBoxLayout(this);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{all_, matching_, currentOnly_, fromCurrent_}) {
        layout_->addWidget(b);
        connect(b, &QAbstractButton::clicked, this, &WhatToPrintGroup::changed);
    }
}

QRadioButton* WhatToPrintGroup::button(WhatToPrint what) const {
    switch (what) {
        case WhatToPrint::All:
            return all_;
        case WhatToPrint::MatchingFilter:
            return matching_;
        case WhatToPrint::CurrentOnly:
            break;
    }
    return currentOnly_;
}

WhatToPrint WhatToPrintGroup::choice() const {
    if (all_->isChecked()) return WhatToPrint::All;
    if (matching_->isChecked()) return WhatToPrint::MatchingFilter;
    return WhatToPrint::CurrentOnly;
}

void WhatToPrintGroup::setChoice(WhatToPrint what) {
    button(what)->setChecked(true);
    emit changed();
}

bool WhatToPrintGroup::startFromCurrent() const {
    return fromCurrent_->isChecked();
}

void WhatToPrintGroup::setStartFromCurrent(bool on) {
    fromCurrent_->setChecked(on);
    emit changed();
}

void WhatToPrintGroup::addOption(QWidget* option) {
    option->setParent(this);
    layout_->addWidget(option);
}

}  // namespace pc::widgets
