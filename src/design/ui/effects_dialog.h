#pragma once
// "Text 3D Effects": shadow and highlight direction, depth and colour, and
// the font colour of a single-line text object, with a live sample. On OK
// the object takes them.
#include <QDialog>
#include <memory>

class QComboBox;
class QWidget;

namespace pc::design {
class TGBaseLabel;
class TGPLabel;
}  // namespace pc::design

namespace pc::design::ui {

class TEffectsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TEffectsDialog(TGBaseLabel& label, QWidget* parent = nullptr);
    ~TEffectsDialog() override;
    void OkButtonClick();

    QComboBox* ShadowDirectionCombo;
    QComboBox* HighlightDirectionCombo;
    QComboBox* ShadowDepthCombo;
    QComboBox* HighlightDepthCombo;
    QComboBox* ShadowColorCombo;
    QComboBox* HighlightColorCombo;
    QComboBox* FontColorCombo;
    QWidget* Sample;

    // The sample object, as the settings would make the text look.
    const TGPLabel& sample() const { return *sample_; }

  private:
    void settingsChanged();
    // Copies the dialog's choices onto a text object.
    void applyTo(TGBaseLabel& target) const;

    TGBaseLabel& label_;
    std::unique_ptr<TGPLabel> sample_;
};

}  // namespace pc::design::ui
