#pragma once
// What a subsystem window works on: the open address table, its engine
// access and the choices the main window made over it (order, filter, tag
// identifier, current record, whether the name and address fields are
// calculated). The main window owns it; subsystems get it through their
// entry function and never see the window itself.
#include <QString>

namespace pc::data {

class TApollo;
class TTable;

class Session {
  public:
    // The window that shows the session's table. It keeps the order and
    // filter, and stops following the table while a subsystem runs.
    class Host {
      public:
        virtual ~Host() = default;
        virtual QString orderTag() const = 0;
        // Selects the order by its tag, as the Sort menu would.
        virtual void selectOrder(const QString& tag) = 0;
        // The filter in force, without the deleted clause.
        virtual QString filter() const = 0;
        virtual void applyFilter(const QString& filter) = 0;
        virtual QString tagId() const = 0;
        // Stops refreshing its controls from the table (and, for bulk work,
        // its per-record reactions) until resumeFromSubsystem().
        virtual void pauseForSubsystem(bool bulkOperation) = 0;
        virtual void resumeFromSubsystem() = 0;
        // Shows the current record again after the subsystem is done.
        virtual void refreshAfterSubsystem() = 0;
    };

    Session(TTable& table, TApollo& engine, Host& host);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    TTable& table() const { return table_; }
    TApollo& engine() const { return engine_; }
    Host& host() const { return host_; }
    bool active() const;

    QString orderTag() const { return host_.orderTag(); }
    void selectOrder(const QString& tag) { host_.selectOrder(tag); }
    QString filter() const { return host_.filter(); }
    void applyFilter(const QString& filter) { host_.applyFilter(filter); }
    QString tagId() const { return host_.tagId(); }

    // The engine's record number; 0 without an open table.
    int currentRecord() const;
    // Goes to the record; false (staying put) when it is out of range or gone.
    bool goToRecord(int record);

    // The calculated name and address fields (shown while printing).
    bool calculatedFieldsShown() const;
    void showCalculatedFields(bool shown);

  private:
    TTable& table_;
    TApollo& engine_;
    Host& host_;
};

// Shows the session's calculated fields while it lives (a print window's
// merges read them) and then puts the setting back.
class CalculatedFieldsShown {
  public:
    explicit CalculatedFieldsShown(Session& session)
        : session_(session), was_(session.calculatedFieldsShown()) {
        session_.showCalculatedFields(true);
    }
    ~CalculatedFieldsShown() { session_.showCalculatedFields(was_); }
    CalculatedFieldsShown(const CalculatedFieldsShown&) = delete;
    CalculatedFieldsShown& operator=(const CalculatedFieldsShown&) = delete;

  private:
    Session& session_;
    bool was_;
};

}  // namespace pc::data
