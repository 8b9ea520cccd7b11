#pragma once
// What the main window does around every modal subsystem window: stop its
// own refresh and detach its boxes, remember order, filter and record, and
// afterwards put all of that back. Construct one on the stack around the
// dialog's exec().
#include <QString>

namespace pc::app {

class TAddressMain;

class SubsystemEntry {
  public:
    struct Options {
        bool bulkOperation = false;  // imports, tagging, checks, conversions
        bool reapplyFilter = true;   // the dialog may have changed records
    };

    SubsystemEntry(TAddressMain& window, Options options);
    explicit SubsystemEntry(TAddressMain& window) : SubsystemEntry(window, Options{}) {}
    ~SubsystemEntry();
    SubsystemEntry(const SubsystemEntry&) = delete;
    SubsystemEntry& operator=(const SubsystemEntry&) = delete;

    int rememberedRecord() const { return record_; }
    const QString& rememberedOrder() const { return orderTag_; }
    const QString& rememberedFilter() const { return filter_; }

  private:
    TAddressMain& window_;
    Options options_;
    bool refreshOnPost_;
    bool bulkOperation_;
    QString orderTag_;
    QString filter_;
    int record_ = 0;
};

}  // namespace pc::app
