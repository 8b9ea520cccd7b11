#pragma once
// "Report Designer": the header, detail and footer bands of a report on
// design surfaces under an inch ruler, the memo preview, band check boxes
// and sizers (bands never grow past the page), the tools with the bands
// that take them, record navigation, the default font, and Save with its
// rules. The caller loads the bands before and saves them after a Save.
#include <QDialog>
#include <array>

#include "design/report_panel.h"
#include "reports/report_definition.h"
#include "reports/report_page_layout.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace pc::data {
class TTable;
}
namespace pc::design {
class MergeSource;
}
namespace pc::design::ui {
class SurfaceWidget;
}

namespace pc::reports {

class THRuler;
class BandSizer;

class TReportDesigner : public QDialog {
    Q_OBJECT
  public:
    TReportDesigner(pc::data::TTable& addresses, const pc::design::MergeSource& source,
                    QWidget* parent = nullptr);
    ~TReportDesigner() override;

    ReportBands bands() { return {header_, detail_, footer_}; }
    design::TReportPanel& band(ReportBand band);
    void setDefinition(const ReportDefinition& definition, const ReportSettings& settings);
    QString description() const;
    QString layoutText() const { return layoutText_; }
    const ReportSettings& settings() const { return settings_; }
    const DesignerLayout& layout() const { return layout_; }
    QCheckBox* bandCheck(ReportBand band) const { return checks_[static_cast<size_t>(band)]; }
    // The surface of the header, detail or footer band.
    design::ui::SurfaceWidget& surface(ReportBand band);

    // The handlers, named after their controls.
    void ToolButtonClick(design::TRPanelState state);
    void BandCheckClick();
    void SaveButtonClick();
    void RecordButtonClick(int which);  // 0 first, 1 prior, 2 next, 3 last
    void DefaultFontButtonClick();
    void MemoAlignmentClick(MemoAlignment alignment);
    void ChangeLayoutButtonClick();
    // A sizer drag of the band to `height`; `released` pulls the band's
    // objects inside.
    void resizeBand(ReportBand band, int height, bool released);
    void layOut();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void objectPressed(design::TReportPanel& panel);
    void showDefaultFont();
    void showMemo();

    pc::data::TTable& addresses_;
    design::TReportPanel header_{design::TRPanelKind::rpkHeader};
    design::TReportPanel detail_{design::TRPanelKind::rpkDetail};
    design::TReportPanel footer_{design::TRPanelKind::rpkFooter};
    ReportSettings settings_;
    DesignerLayout layout_;
    QString layoutText_;
    bool settingUp_ = false;
    bool sizing_ = false;  // a sizer is being dragged

    QButtonGroup* toolGroup_ = nullptr;
    QToolButton* fieldNames_ = nullptr;
    QWidget* page_ = nullptr;
    THRuler* ruler_ = nullptr;
    std::array<QWidget*, kReportBands> captions_{};
    std::array<BandSizer*, kReportBands> sizers_{};
    std::array<QCheckBox*, kReportBands> checks_{};
    std::array<design::ui::SurfaceWidget*, 3> surfaces_{};  // header, detail, footer
    QTextEdit* memoBox_ = nullptr;
    QPushButton* memoProperties_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLabel* layoutCaption_ = nullptr;
    QLabel* fontCaption_ = nullptr;
};

}  // namespace pc::reports
