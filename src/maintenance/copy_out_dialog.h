#pragma once
// "Copy Records Out": the filter's records into a new table of the same
// structure or a comma-delimited text file (optionally RFC 4180, UTF-8).
#include <QDialog>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pc::data {
class Session;
}

namespace pc::maintenance {

class TCopyOut : public QDialog {
    Q_OBJECT
  public:
    explicit TCopyOut(data::Session& session, QWidget* parent = nullptr);

    // Asks for the file (through `chooseFile`), checks it and copies.
    void SaveAsButtonClick();
    void CancelButtonClick();
    // Tests answer the save dialog: given the default extension and the
    // filter, returns the chosen path ("" for cancel).
    void setFileChooser(std::function<QString(const QString&, const QString&)> chooser) {
        chooseFile_ = std::move(chooser);
    }
    QString chosenFile() const { return chosen_; }

  protected:
    void reject() override;

  private:
    void copy(const QString& path, bool toTable);

    data::Session& session_;
    QWidget* Options;
    QRadioButton *DbfRadio, *TextRadio;
    QCheckBox* RfcCheck;
    QComboBox* EncodingCombo;
    QLabel *FileLabel, *ProgressLabel;
    QProgressBar* Gauge;
    QPushButton *SaveAsButton, *CancelButton, *HelpButton;
    std::function<QString(const QString&, const QString&)> chooseFile_;
    QString chosen_ = QStringLiteral("(none)");
    QString folder_;
    bool running_ = false;
    bool stopRequested_ = false;
};

}  // namespace pc::maintenance
