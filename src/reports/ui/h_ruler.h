#pragma once
// The report designer's inch ruler: a tick every sixteenth of an inch, a
// longer one every half inch and a full one with its number at each inch.
#include <QColor>
#include <QWidget>

namespace pc::reports {

class THRuler : public QWidget {
    Q_OBJECT
  public:
    explicit THRuler(QWidget* parent = nullptr);

    double startInch() const { return startInch_; }
    void setStartInch(double inch);
    void setPixelsPerInch(int ppi);
    QColor color() const { return color_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double startInch_ = 0;
    int ppi_ = 96;
    QColor color_ = QColor(255, 255, 0);
};

}  // namespace pc::reports
