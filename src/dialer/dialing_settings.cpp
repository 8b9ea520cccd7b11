#include "dialer/dialing_settings.h"

#include <algorithm>

#include "text/profile_file.h"

namespace pc::dialer {

namespace {
const QString kSection = QStringLiteral("Dialing");
}

DialingSettings loadDialingSettings(const QString& settingsPath) {
    const pc::text::ProfileFile ini(settingsPath);
    DialingSettings s;
    s.prefix = ini.readString(kSection, QStringLiteral("Prefix"), {});
    s.init = ini.readString(kSection, QStringLiteral("Init"), {});
    s.port = std::clamp(ini.readInt(kSection, QStringLiteral("Port"), 0), 0, 3);
    s.method = std::clamp(ini.readInt(kSection, QStringLiteral("Method"), 0), 0, 1);
    s.useTapi = ini.readBool(kSection, QStringLiteral("UseTAPI"), false);
    return s;
}

bool saveDialingSettings(const QString& settingsPath, const DialingSettings& s) {
    pc::text::ProfileFile ini(settingsPath);
    return ini.writeStrings(kSection, {{QStringLiteral("Prefix"), s.prefix},
                                       {QStringLiteral("Init"), s.init},
                                       {QStringLiteral("Port"), QString::number(s.port)},
                                       {QStringLiteral("Method"), QString::number(s.method)},
                                       {QStringLiteral("UseTAPI"), s.useTapi ? "1" : "0"}});
}

}  // namespace pc::dialer
