#pragma once
// The printer set-up of the envelope windows: the printer, its paper and
// the orientation, on the one print engine.
#include <QDialog>

class QComboBox;
class QRadioButton;

namespace pc::print {
class PrintEngine;
}

namespace pc::envelopes {

class EnvelopePrinterSetup : public QDialog {
    Q_OBJECT
  public:
    explicit EnvelopePrinterSetup(print::PrintEngine& engine, QWidget* parent = nullptr);
    // Ok puts the choices on the engine.
    void accept() override;

  private:
    print::PrintEngine& engine_;
    QComboBox* printer_ = nullptr;
    QComboBox* paper_ = nullptr;
    QRadioButton* portrait_ = nullptr;
    QRadioButton* landscape_ = nullptr;
};

}  // namespace pc::envelopes
