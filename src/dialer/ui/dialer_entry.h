#pragma once
// The way into the dialer from the main window's Dial Phone buttons.
#include <QString>

class QWidget;

namespace pc::dialer {

// Shows "Dial Phone Number" with the number, modally.
void dialPhone(const QString& number, QWidget* parent);

}  // namespace pc::dialer
