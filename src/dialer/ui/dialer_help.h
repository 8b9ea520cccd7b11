#pragma once
// The help topics the dialing windows open.
namespace pc::dialer {

inline constexpr int kDialerHelpContext = 1041;
inline constexpr int kTapiCallHelpContext = 1042;

}  // namespace pc::dialer
