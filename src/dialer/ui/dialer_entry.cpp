#include "dialer/ui/dialer_entry.h"

#include "dialer/ui/pk_dialer.h"
#include "text/program_paths.h"
#include "widgets/window_placement.h"

namespace pc::dialer {

void dialPhone(const QString& number, QWidget* parent) {
    TPKDialer dialog(number, pc::text::settingsPath(), parent);
    pc::widgets::centreWindow(&dialog, parent);
    dialog.exec();
}

}  // namespace pc::dialer
