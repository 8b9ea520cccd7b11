#pragma once
// "Envelope Size": the sixteen envelope sizes; Ok gives the chosen size's
// code back.
#include <QDialog>

class QListWidget;

namespace pc::envelopes {

class TChooseEnvelopeLayout : public QDialog {
    Q_OBJECT
  public:
    // Selects the row of `code` when first shown (row 0 for an unknown code).
    explicit TChooseEnvelopeLayout(int code, QWidget* parent = nullptr);

    // The selected row's code; the incoming code when no row is selected.
    int code() const;
    QListWidget* list() const { return list_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    int code_;
    bool shown_ = false;
    QListWidget* list_ = nullptr;
};

// Shows the dialog; true with `code` changed on Ok.
bool chooseEnvelopeSize(int& code, QWidget* parent);

}  // namespace pc::envelopes
