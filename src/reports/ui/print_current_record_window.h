#pragma once
// "Print Current Record": the fields to print (all ticked at start, "All"
// sets the rest), and Print, Preview and Printer Setup of the data sheet.
#include <QDialog>
#include <array>

#include "print/print_engine.h"
#include "reports/record_sheet.h"

class QCheckBox;

namespace pc::data {
class TTable;
}

namespace pc::reports {

class TPrintCurrentRecord : public QDialog {
    Q_OBJECT
  public:
    TPrintCurrentRecord(pc::data::TTable& addresses, QWidget* parent = nullptr);

    std::array<bool, kSheetFields> chosen() const;
    QCheckBox* fieldBox(int index) const { return boxes_[static_cast<size_t>(index)]; }
    QCheckBox* allBox() const { return all_; }
    print::PrintEngine& engine() { return engine_; }

    void AllClick();
    void PrintButtonClick();
    void PreviewButtonClick();
    void PrinterSetupButtonClick();
    bool PrintRecord(bool preview, const QString& pdfPath = {});

  private:
    pc::data::TTable& addresses_;
    print::PrintEngine engine_;
    std::array<QCheckBox*, kSheetFields> boxes_{};
    QCheckBox* all_ = nullptr;
};

}  // namespace pc::reports
