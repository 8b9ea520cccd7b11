#pragma once
// "Address Filter": one box per address field, laid out as in the main
// window, with the tagged-only and reverse switches.
#include <QDialog>
#include <array>
#include <functional>

#include "data/filter_criteria.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pc::records {

class TFilterDialog : public QDialog {
    Q_OBJECT
  public:
    // `apply` puts criteria in force and returns the number of matching
    // records (0 when no filter is in force).
    TFilterDialog(const pc::data::FilterCriteria& criteria,
                  std::function<int(const pc::data::FilterCriteria&)> apply,
                  QWidget* parent = nullptr);

    pc::data::FilterCriteria criteria() const;
    QLineEdit* box(pc::data::Criterion c) const { return boxes_[static_cast<int>(c)]; }

    void TestButtonClick();
    void ClearButtonClick();
    void OkButtonClick();

    QCheckBox *TaggedCheck, *ReverseCheck;
    QLabel *DateNote, *HintLabel;
    QPushButton *TestButton, *ClearButton, *OkButton, *CancelButton, *HelpButton;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* createNameBoxes();
    QWidget* createAddressBoxes();
    QLineEdit* makeBox(pc::data::Criterion c);
    // Runs the filter and reports the count; the count.
    int test();

    std::array<QLineEdit*, pc::data::kCriterionCount> boxes_{};
    std::function<int(const pc::data::FilterCriteria&)> apply_;
};

}  // namespace pc::records
