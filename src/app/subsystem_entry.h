#pragma once
// What the main window does around every modal subsystem window: stop its
// own refresh and detach its boxes, remember order, filter and record, and
// afterwards put all of that back. Construct one on the stack around the
// dialog's exec().
#include <QString>

namespace pc::data {
class Session;
}

namespace pc::app {

class SubsystemEntry {
  public:
    struct Options {
        bool bulkOperation = false;  // imports, tagging, checks, conversions
        bool reapplyFilter = true;   // the dialog may have changed records
    };

    SubsystemEntry(pc::data::Session& session, Options options);
    explicit SubsystemEntry(pc::data::Session& session) : SubsystemEntry(session, Options{}) {}
    ~SubsystemEntry();
    SubsystemEntry(const SubsystemEntry&) = delete;
    SubsystemEntry& operator=(const SubsystemEntry&) = delete;

    int rememberedRecord() const { return record_; }
    const QString& rememberedOrder() const { return orderTag_; }
    const QString& rememberedFilter() const { return filter_; }

  private:
    pc::data::Session& session_;
    Options options_;
    QString orderTag_;
    QString filter_;
    int record_ = 0;
};

}  // namespace pc::app
