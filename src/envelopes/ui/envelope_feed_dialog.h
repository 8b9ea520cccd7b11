#pragma once
// "Paper Feed Method": how envelopes go into the printer (position along
// the feed, orientation, clockwise rotation, facing), with a picture that
// follows every change.
#include <QDialog>

#include "envelopes/envelope_feed.h"

class QCheckBox;
class QLabel;

namespace pc::envelopes {

class TEnvelopeFeed : public QDialog {
    Q_OBJECT
  public:
    explicit TEnvelopeFeed(const EnvelopeFeed& feed, QWidget* parent = nullptr);

    const EnvelopeFeed& feed() const { return feed_; }
    QLabel* picture() const { return picture_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void set(int EnvelopeFeed::*value, int to);
    void redraw();

    EnvelopeFeed feed_;
    bool shown_ = false;
    QCheckBox* clockwise_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace pc::envelopes
