#pragma once
// The "Envelope Design Screen": one envelope layout on an envelope-sized
// design surface, with the envelope tools, a zoom of 60 % to 140 %, the
// USPS automation template and the printer's margins to design against,
// record navigation to see the merge, the description and default font,
// and Change Size. The caller loads the objects before and saves them
// after a Save.
#include <QDialog>

#include "envelopes/envelope_definition.h"
#include "envelopes/envelope_panel.h"
#include "labels/label_design_rules.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace pc::data {
class TTable;
}
namespace pc::design::ui {
class SurfaceWidget;
}

namespace pc::envelopes {

class TEnvelopeDesignScreen : public QDialog {
    Q_OBJECT
  public:
    // `addresses` is the open address table the record buttons move (may be
    // null: the buttons are then disabled).
    TEnvelopeDesignScreen(TEnvelopePanel& panel, EnvelopeDefinition definition,
                          pc::data::TTable* addresses, QWidget* parent = nullptr);
    ~TEnvelopeDesignScreen() override;

    const EnvelopeDefinition& definition() const { return definition_; }
    bool saveVisible() const;
    float zoom() const { return zoom_; }
    QString zoomCaption() const;
    design::ui::SurfaceWidget& surfaceWidget() { return *surface_; }

    // The handlers, named after their controls.
    void ZoomOutClick();
    void ZoomInClick();
    void SaveButtonClick();
    void ChangeSizeButtonClick();
    void RecordButtonClick(int which);  // 0 first, 1 prior, 2 next, 3 last
    void DefaultFontButtonClick();
    void ToolButtonClick(TLPanelState state);
    // What Change Size does after the size dialog: the surface takes the
    // size and objects are pulled back inside.
    void applySize(int code);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void FormActivate();
    void sizeSurfaceFromInches();
    void designChanged();
    void setZoom(float zoom);
    void selectPointer();
    void applyDefaultFont(const labels::DefaultFont& font);
    void updateSizeCaption();

    TEnvelopePanel& panel_;
    EnvelopeDefinition definition_;
    pc::data::TTable* addresses_;
    bool opening_ = true;  // first activation or a zoom step: not an edit
    bool activated_ = false;
    float zoom_ = 1.0f;
    labels::DefaultFont defaultFont_;

    QLabel* sizeCaption_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    QPushButton* defaultFontButton_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QLabel* zoomCaption_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    design::ui::SurfaceWidget* surface_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace pc::envelopes
