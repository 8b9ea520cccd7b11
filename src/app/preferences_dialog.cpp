#include "app/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/help_window.h"
#include "records/preferences.h"
#include "text/profile_file.h"
#include "widgets/help_contexts.h"

namespace pc::app {

namespace {

QGroupBox* switchGroup(const QString& title, const std::vector<records::PreferenceSwitch>& list,
                       int columns, std::map<QString, QCheckBox*>& boxes) {
    auto* group = new QGroupBox(title);
    auto* grid = new QGridLayout(group);
    const int rows = (static_cast<int>(list.size()) + columns - 1) / columns;
    for (int i = 0; i < static_cast<int>(list.size()); ++i) {
        auto* box = new QCheckBox(list[i].caption);
        box->setObjectName(list[i].key);
        boxes[list[i].key] = box;
        grid->addWidget(box, i % rows, i / rows);
    }
    return group;
}
}  // namespace

TPreferencesDialog::TPreferencesDialog(const QString& settingsPath, QWidget* parent)
    : QDialog(parent), settingsPath_(settingsPath) {
    setWindowTitle("Preferences");
    setObjectName("Preferences");
    auto* layout = new QVBoxLayout(this);

    auto* adding = new QGroupBox(" When adding new records");
    auto* addingLayout = new QVBoxLayout(adding);
    for (const auto& entry : records::addingSwitches()) {
        auto* box = new QCheckBox(entry.caption);
        box->setObjectName(entry.key);
        boxes_[entry.key] = box;
        addingLayout->addWidget(box);
    }
    auto* countryRow = new QHBoxLayout;
    auto* countryLabel = new QLabel("Default Country Name");
    defaultCountry_ = new QLineEdit;
    defaultCountry_->setObjectName("DefaultCountry");
    countryLabel->setBuddy(defaultCountry_);
    countryRow->addWidget(countryLabel);
    countryRow->addWidget(defaultCountry_, 1);
    addingLayout->addLayout(countryRow);
    addingLayout->addWidget(
        switchGroup("Carry forward the following fields:", records::carrySwitches(), 3, boxes_));
    addingLayout->addWidget(
        switchGroup("Skip through the following fields:", records::skipSwitches(), 3, boxes_));
    layout->addWidget(adding);

    auto* saveRow = new QHBoxLayout;
    auto* saveLabel = new QLabel("Aggressive Saving Level");
    aggressiveSave_ = new QComboBox;
    aggressiveSave_->setObjectName("AggressiveSave");
    aggressiveSave_->addItems({"None", "Normal - Every 5 Saves", "High - Every Save"});
    saveLabel->setBuddy(aggressiveSave_);
    saveRow->addWidget(saveLabel);
    saveRow->addWidget(aggressiveSave_);
    saveRow->addStretch();
    layout->addLayout(saveRow);

    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Ok", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    QPushButton* help = buttons->addButton("Help", QDialogButtonBox::HelpRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &TPreferencesDialog::OkButtonClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [] { HelpWindow::showContext(widgets::help::kPreferences); });
    layout->addWidget(buttons);

    loadKeys();
}

QCheckBox* TPreferencesDialog::switchBox(const QString& key) const {
    auto it = boxes_.find(key);
    return it == boxes_.end() ? nullptr : it->second;
}

void TPreferencesDialog::loadKeys() {
    const pc::text::ProfileFile ini(settingsPath_);
    for (auto& [key, box] : boxes_)
        box->setChecked(ini.readBool(records::kAddingSection, key, false));
    defaultCountry_->setText(ini.readString(records::kAddingSection, "DefaultCountry"));
    const int level = ini.readInt(records::kEditingSection, "AggressiveSave", 1);
    aggressiveSave_->setCurrentIndex(level >= 0 && level <= 2 ? level : 1);
}

void TPreferencesDialog::OkButtonClick() {
    pc::text::ProfileFile ini(settingsPath_);
    for (const auto& [key, box] : boxes_)
        ini.writeBool(records::kAddingSection, key, box->isChecked());
    ini.writeString(records::kAddingSection, "DefaultCountry", defaultCountry_->text());
    ini.writeInt(records::kEditingSection, "AggressiveSave", aggressiveSave_->currentIndex());
    accept();
}

}  // namespace pc::app
