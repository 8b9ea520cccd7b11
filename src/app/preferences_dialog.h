#pragma once
// "Preferences": the record-entry switches of POSTCR.ini. Ok writes every key
// the dialog shows; Cancel writes nothing.
#include <QDialog>
#include <map>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace pc::app {

class TPreferencesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TPreferencesDialog(const QString& settingsPath, QWidget* parent = nullptr);

    QCheckBox* switchBox(const QString& key) const;
    QLineEdit* defaultCountryEdit() const { return defaultCountry_; }
    QComboBox* aggressiveSaveBox() const { return aggressiveSave_; }

    // Writes every key and closes with Accepted.
    void OkButtonClick();

  private:
    void loadKeys();

    QString settingsPath_;
    std::map<QString, QCheckBox*> boxes_;
    QLineEdit* defaultCountry_ = nullptr;
    QComboBox* aggressiveSave_ = nullptr;
};

}  // namespace pc::app
