#pragma once
// The date and/or time of the moment it is shown or printed, in the
// system's short or long forms.
#include <QDateTime>
#include <optional>

#include "design/base_label.h"

namespace pc::design {

enum class TDateFormat { dtfDateNone, dtfDateShort, dtfDateLong };
enum class TTimeFormat { dtfTimeNone, dtfTimeShort, dtfTimeLong };

// The text for a moment: the date, then a blank and the time when a time
// is asked for (so a time alone begins with the blank).
QString dateTimeText(const QDateTime& moment, TDateFormat date, TTimeFormat time);

class TGDateTimeLabel : public TGBaseLabel {
  public:
    TGDateTimeLabel();
    const char* className() const override { return "TGDateTimeLabel"; }

    TDateFormat dateFormat() const { return dateFormat_; }
    void setDateFormat(TDateFormat format);
    TTimeFormat timeFormat() const { return timeFormat_; }
    void setTimeFormat(TTimeFormat format);
    // The pop-up menu's format choices: the box grows to the new text.
    void commandDateFormat(TDateFormat format);
    void commandTimeFormat(TTimeFormat format);
    // A fixed moment (a print run's date); none means the clock.
    void setMoment(std::optional<QDateTime> moment);

    void paint(QPainter& painter) override;
    void printTo(print::PageCanvas& page, print::Inches top, print::Inches left) override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

  protected:
    void prepareCaption() override;

  private:
    TDateFormat dateFormat_ = TDateFormat::dtfDateShort;
    TTimeFormat timeFormat_ = TTimeFormat::dtfTimeNone;
    std::optional<QDateTime> moment_;
};

}  // namespace pc::design
