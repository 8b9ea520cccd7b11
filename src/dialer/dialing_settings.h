#pragma once
// The "Dialing" section of the settings file.
#include <QString>

namespace pc::dialer {

struct DialingSettings {
    QString prefix;
    QString init;
    int port = 0;    // 0 to 3 for COM1 to COM4
    int method = 0;  // 0 tone, 1 pulse
    bool useTapi = false;
};

DialingSettings loadDialingSettings(const QString& settingsPath);
bool saveDialingSettings(const QString& settingsPath, const DialingSettings& settings);

}  // namespace pc::dialer
