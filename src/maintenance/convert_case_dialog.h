#pragma once
// "Convert Case": chosen fields of the current record, of all records or of
// the filter's records to upper case, lower case or first letters capital.
#include <QDialog>
#include <vector>

#include "maintenance/case_converter.h"

class QCheckBox;
class QGroupBox;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

class TConvertToUpper : public QDialog {
    Q_OBJECT
  public:
    explicit TConvertToUpper(data::Session& session, QWidget* parent = nullptr);

    void ChangeConversionType();
    void cAllClick();
    void ConvertButtonClick();
    void CancelButtonClick();
    CaseConversion conversion() const { return conversion_; }

  protected:
    void reject() override;

  private:
    data::Session& session_;
    std::vector<QCheckBox*> fieldBoxes_;
    QCheckBox* cAll;
    QRadioButton *CurrentRadio, *AllRadio, *FilterRadio, *UpperRadio, *FirstRadio, *LowerRadio;
    QGroupBox *FieldsBox, *ScopeBox, *ConversionBox;
    QProgressBar* Gauge;
    QPushButton *ConvertButton, *CancelButton, *HelpButton;
    CaseConversion conversion_ = CaseConversion::Upper;
    bool running_ = false;
    bool stopRequested_ = false;
};

}  // namespace pc::maintenance
