#pragma once
// The help topics the import windows open: the ASCII windows share the
// ASCII import page, the table imports the DBF import page.
namespace pc::import {

inline constexpr int kAsciiImportHelpContext = 1023;
inline constexpr int kDbfImportHelpContext = 1021;

}  // namespace pc::import
