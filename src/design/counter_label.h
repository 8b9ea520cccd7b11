#pragma once
// A running number between two texts: it advances after every RepeatEach
// printed labels and starts again at Startingnumber with each print run.
#include "design/base_label.h"

namespace pc::design {

class TGCounterLabel : public TGBaseLabel {
  public:
    TGCounterLabel();
    const char* className() const override { return "TGCounterLabel"; }

    const QString& textBefore() const { return textBefore_; }
    void setTextBefore(const QString& text);
    const QString& textAfter() const { return textAfter_; }
    void setTextAfter(const QString& text);
    qint32 startingNumber() const { return startingNumber_; }
    // Also resets the counter.
    void setStartingNumber(qint32 number);
    int repeatEach() const { return repeatEach_; }
    void setRepeatEach(int count);
    int leadingZeros() const { return leadingZeros_; }
    void setLeadingZeros(int digits);

    qint32 currentNumber() const { return current_; }
    // TextBefore + the number (at least LeadingZeros digits) + TextAfter.
    QString counterText() const;

    void nextCounter() override;
    void resetCounter() override;
    void writeProperties(PropertyWriter& out) const override;
    bool readProperty(const QByteArray& name, const StreamValue& value) override;

  protected:
    void prepareCaption() override;

  private:
    QString textBefore_;
    QString textAfter_;
    qint32 startingNumber_ = 1;
    int repeatEach_ = 1;
    int leadingZeros_ = 0;

    qint32 current_ = 1;
    int printedWithCurrent_ = 0;
};

}  // namespace pc::design
