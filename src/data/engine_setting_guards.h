#pragma once
// Scoped guards for the engine settings that code flips for a moment: each
// sets its value on construction and puts the previous one back when it goes
// out of scope, on every exit path. A loop that lets events through (a
// dialog, a timer, a second window) may change settings for its own moment;
// with guards everyone ends up with what they had. The selected area has its
// guard in selected_area.h.
#include <QString>

namespace pc::data {

class TApollo;

// An on/off engine setting held for a scope; `set` sets it and returns the
// value it had.
class EngineSwitch {
  public:
    using Setter = bool (*)(bool on);
    EngineSwitch(Setter set, bool on) : set_(set), previous_(set(on)) {}
    ~EngineSwitch() { set_(previous_); }
    EngineSwitch(const EngineSwitch&) = delete;
    EngineSwitch& operator=(const EngineSwitch&) = delete;

  private:
    Setter set_;
    bool previous_;
};

// SET EXACT: whether "=" and seeks need the whole key rather than a prefix.
class ExactSetting : public EngineSwitch {
  public:
    explicit ExactSetting(bool on);
};

// SET SOFTSEEK: whether a failed seek rests on the next key instead of the end.
class SoftSeekSetting : public EngineSwitch {
  public:
    explicit SoftSeekSetting(bool on);
};

// SET DELETED: whether moves skip deletion-marked records.
class DeletedFilterSetting : public EngineSwitch {
  public:
    explicit DeletedFilterSetting(bool on);
};

// The order of one table. Does not move; callers seek or go to a record.
// ok() is false when the order could not be set (the old one then stays).
class OrderSetting {
  public:
    OrderSetting(TApollo& apollo, int order);
    ~OrderSetting();
    OrderSetting(const OrderSetting&) = delete;
    OrderSetting& operator=(const OrderSetting&) = delete;
    bool ok() const { return previous_ >= 0; }

  private:
    TApollo& apollo_;
    int previous_;
};

// The query (filter) of one table; "" lifts it for the moment. Does not
// move. ok() is false when the expression was refused (the old one stays).
class QuerySetting {
  public:
    QuerySetting(TApollo& apollo, const QString& expression);
    ~QuerySetting();
    QuerySetting(const QuerySetting&) = delete;
    QuerySetting& operator=(const QuerySetting&) = delete;
    bool ok() const { return ok_; }

  private:
    TApollo& apollo_;
    QString previous_;
    bool ok_;
};

}  // namespace pc::data
