#pragma once
// "Envelope Print": the printer set-up and the feed method shown before a
// print, with a warning when the paper does not fit the envelope; Printer
// Setup and Paper Feed Method change them.
#include <QDialog>

#include "envelopes/envelope_feed.h"

class QLabel;

namespace pc::print {
class PrintEngine;
}

namespace pc::envelopes {

class TEnvelopePrePrint : public QDialog {
    Q_OBJECT
  public:
    TEnvelopePrePrint(print::PrintEngine& engine, int sizeCode, const EnvelopeFeed& feed,
                      QWidget* parent = nullptr);

    const EnvelopeFeed& feed() const { return feed_; }
    bool warningShown() const;

    void PrinterSetupClick();
    void FeedMethodClick();
    // ShowPrintSetup and ShowFeedMethod.
    void showPrintSetup();
    void showFeedMethod();

  private:
    print::PrintEngine& engine_;
    int sizeCode_;
    EnvelopeFeed feed_;
    QLabel* printer_ = nullptr;
    QLabel* source_ = nullptr;
    QLabel* paper_ = nullptr;
    QLabel* orientation_ = nullptr;
    QLabel* warning_ = nullptr;
    QLabel* feedText_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace pc::envelopes
