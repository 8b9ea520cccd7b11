#pragma once
// The "Label Design Screen": one label layout on a label-sized design
// surface, with the tools that place objects, a zoom, grid/snap/art and
// field-name toggles, record navigation to see the merge, the layout's
// description and default font, and Change Layout for another stock. The
// caller loads the objects onto the surface before and saves them after a
// Save; the window edits the surface and the definition record.
#include <QDialog>

#include "design/label_panel.h"
#include "labels/label_definition.h"
#include "labels/label_design_rules.h"

class QAbstractButton;
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

namespace pc::labels {

class TLabelDesignScreen : public QDialog {
    Q_OBJECT
  public:
    // `addresses` is the open address table the record buttons move (may be
    // null: the buttons are then disabled).
    TLabelDesignScreen(design::TGLabelPanel& panel, LabelDefinition definition, bool isNew,
                       pc::data::TTable* addresses, QWidget* parent = nullptr);
    ~TLabelDesignScreen() override;

    const LabelDefinition& definition() const { return definition_; }
    bool saveVisible() const;
    float zoom() const { return zoom_; }
    design::ui::SurfaceWidget& surfaceWidget() { return *surface_; }

    // The handlers, named after their controls.
    void ZoomOutClick();
    void ZoomInClick();
    void SaveButtonClick();
    void ChangeLayoutButtonClick();
    void RecordButtonClick(int which);  // 0 first, 1 prior, 2 next, 3 last
    void DefaultFontButtonClick();
    void ToolButtonClick(design::TLPanelState state);
    void ShowArtClick(bool pressed);
    // The layout takes another stock (what Change Layout does after its
    // dialogs): the surface is resized, objects pulled back, a barcode that
    // no longer fits removed with a warning.
    void applyStock(const LabelDefinition& definition);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void FormActivate();
    void sizeSurfaceFromInches();
    void updateLayoutCaption();
    void drawArt();
    void designChanged();
    void setZoom(float zoom);
    void selectPointer();
    void applyDefaultFont(const DefaultFont& font);

    design::TGLabelPanel& panel_;
    LabelDefinition definition_;
    bool isNew_;
    pc::data::TTable* addresses_;
    bool activating_ = true;  // first activation or a zoom step: not an edit
    bool activated_ = false;
    float zoom_ = 1.0f;
    QString shapeCode_;
    DefaultFont defaultFont_;

    QLabel* layoutCaption_ = nullptr;
    QLineEdit* descriptionEdit_ = nullptr;
    QPushButton* defaultFontButton_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QLabel* zoomCaption_ = nullptr;
    QToolButton* showGrid_ = nullptr;
    QToolButton* snapToGrid_ = nullptr;
    QToolButton* showArt_ = nullptr;
    QToolButton* fieldNames_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    design::ui::SurfaceWidget* surface_ = nullptr;
    QPushButton* saveButton_ = nullptr;
};

}  // namespace pc::labels
