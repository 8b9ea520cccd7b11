#pragma once
// "Bulk Mail Presorting": counts the pieces per postal key over the chosen
// records as soon as it is shown, plans the presorted order and writes it
// to PRESORT.PSL in the home, then closes itself. Cancel (after a question)
// stops the reading and leaves any earlier file as it was.
#include <QDialog>

class QLabel;

namespace pc::data {
class TTable;
class TApollo;
}  // namespace pc::data

namespace pc::labels {

class TSortBulkMail : public QDialog {
    Q_OBJECT
  public:
    TSortBulkMail(pc::data::TTable& table, pc::data::TApollo& engine, QWidget* parent = nullptr);

    // Ticked when the presort file is complete.
    bool presortDone() const { return done_; }
    QString status() const;
    void CancelButtonClick();

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

  private:
    void DoTheSort();
    void SetLabel1(const QString& text);

    pc::data::TTable& table_;
    pc::data::TApollo& engine_;
    QLabel* Label1 = nullptr;
    bool started_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    bool done_ = false;
};

}  // namespace pc::labels
