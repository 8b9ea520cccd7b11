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

// SET EXACT: whether "=" and seeks need the whole key rather than a prefix.
class ExactSetting {
  public:
    explicit ExactSetting(bool on);
    ~ExactSetting();
    ExactSetting(const ExactSetting&) = delete;
    ExactSetting& operator=(const ExactSetting&) = delete;

  private:
    bool previous_;
};

// SET SOFTSEEK: whether a failed seek rests on the next key instead of the end.
class SoftSeekSetting {
  public:
    explicit SoftSeekSetting(bool on);
    ~SoftSeekSetting();
    SoftSeekSetting(const SoftSeekSetting&) = delete;
    SoftSeekSetting& operator=(const SoftSeekSetting&) = delete;

  private:
    bool previous_;
};

// SET DELETED: whether moves skip deletion-marked records.
class DeletedFilterSetting {
  public:
    explicit DeletedFilterSetting(bool on);
    ~DeletedFilterSetting();
    DeletedFilterSetting(const DeletedFilterSetting&) = delete;
    DeletedFilterSetting& operator=(const DeletedFilterSetting&) = delete;

  private:
    bool previous_;
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
