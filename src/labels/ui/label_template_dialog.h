#pragma once
// "Select Label Template": picks a commercial stock from LBLTPL.DBF by
// manufacturer, printer, product type and paper, starting on the layout's
// current stock.
#include <QDialog>

#include "labels/label_definition.h"
#include "labels/label_template_filter.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pc::data {
class TTable;
}

namespace pc::widgets {
class DescriptionGridModel;
}

namespace pc::labels {

class TLabelTemplateDialog : public QDialog {
    Q_OBJECT
  public:
    // `templates` is the open template table; after OK it rests on the
    // chosen template.
    TLabelTemplateDialog(pc::data::TTable& templates, const TemplateChoice& current,
                         bool ignoreCurrent, QWidget* parent = nullptr);
    ~TLabelTemplateDialog() override;

    int templateCount() const;
    // The row the grid shows as current, -1 when none.
    int currentRow() const;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FormActivate();
    void FilterChange();
    void GridRowChange();
    void OKButtonClick();
    void selectRow(int row);
    void showGeometry();

    pc::data::TTable& templates_;
    TemplateChoice current_;
    bool ignoreCurrent_;
    bool activated_ = false;
    widgets::DescriptionGridModel* model_;

    QComboBox* ManufacturerCombo;
    QComboBox* ProductTypeCombo;
    QCheckBox* EuropeanCheck;
    QTableView* TemplateGrid;
    QLineEdit* LabelHeightEdit;
    QLineEdit* LabelWidthEdit;
    QLineEdit* AcrossEdit;
    QLineEdit* DownEdit;
    QLineEdit* PaperWidthEdit;
    QLineEdit* PaperHeightEdit;
    QPushButton* OKButton;
};

// Opens LBLTPL.DBF and the dialog on the layout's stock; on OK the layout
// takes the template's stock. False when cancelled or the table cannot be
// opened (the user has been told).
bool chooseTemplate(LabelDefinition& definition, QWidget* parent, bool ignoreCurrent = false);

}  // namespace pc::labels
