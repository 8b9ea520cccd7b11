#pragma once
// "Report Layout": the page (orientation, Letter or A4, margins) and each
// band's borders and shade, over a small picture of the page in which a
// click on a band turns to its tab. It edits a copy of the settings; the
// caller takes them on Save.
#include <QDialog>
#include <array>

#include "reports/report_page_picture.h"
#include "reports/report_settings.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace pc::reports {

class TReportProperties : public QDialog {
    Q_OBJECT
  public:
    TReportProperties(const ReportSettings& settings, const QString& layoutText,
                      QWidget* parent = nullptr);

    const ReportSettings& settings() const { return settings_; }
    QString layoutText() const { return layoutText_; }
    QTabWidget* tabs() const { return tabs_; }
    QImage picture() const;

    // The handlers, named after their controls.
    void PageChoiceClick();
    void MarginChange();
    void BandChange(ReportBand band);
    void ShadeColorClick(ReportBand band);
    void DefaultsButtonClick();
    // A click at `point` of the page picture turns to that band's tab.
    void PictureClick(QPoint point);

    // The controls tests drive.
    QRadioButton* portrait = nullptr;
    QRadioButton* landscape = nullptr;
    QRadioButton* letter = nullptr;
    QRadioButton* a4 = nullptr;
    std::array<QDoubleSpinBox*, 4> margins{};  // left, top, right, bottom
    struct BandControls {
        QCheckBox *top = nullptr, *left = nullptr, *bottom = nullptr, *right = nullptr;
        QSpinBox* lineWidth = nullptr;
        QSpinBox* shadePercent = nullptr;
        QPushButton* shadeColor = nullptr;
    };
    std::array<BandControls, kReportBands> bandControls{};

  private:
    QWidget* buildPageTab();
    QWidget* buildBandTab(ReportBand band);
    void showSettings();
    void showPicture();

    ReportSettings settings_;
    QString layoutText_;
    bool showing_ = false;  // controls are being set from the settings
    QTabWidget* tabs_ = nullptr;
    QLabel* picture_ = nullptr;
};

}  // namespace pc::reports
