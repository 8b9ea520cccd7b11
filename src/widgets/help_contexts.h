#pragma once
// The help topic of every window below the main window, by context number:
// one list, so no two windows share a number by accident. The help window
// (src/app/help_topics.cpp) maps the numbers to its pages.
namespace pc::widgets::help {

// Records.
inline constexpr int kImportDbf = 1021;
inline constexpr int kImportAscii = 1023;
inline constexpr int kBrowse = 1027;
inline constexpr int kPreferences = 1031;
inline constexpr int kFilter = 1033;
inline constexpr int kNewDatabase = 1037;
inline constexpr int kRebuildIndexes = 1038;
inline constexpr int kFieldLengths = 1039;

// Utilities.
inline constexpr int kDuplicateCheck = 1040;
inline constexpr int kSearchAndReplace = 1041;
inline constexpr int kConvertCase = 1042;
inline constexpr int kDeleteRecords = 1043;
inline constexpr int kCopyOut = 1044;
inline constexpr int kZipCount = 1045;
inline constexpr int kStateZipCheck = 1046;

// Labels and envelopes.
inline constexpr int kPrintLabels = 1072;
inline constexpr int kLabelDesigner = 1073;
inline constexpr int kPrintEnvelopes = 1080;
inline constexpr int kEnvelopeDesigner = 1081;

// Letters.
inline constexpr int kLetters = 1074;
inline constexpr int kSpellCheck = 1076;
inline constexpr int kLetterPage = 1077;
inline constexpr int kLetterParagraph = 1078;

// Reports.
inline constexpr int kReports = 1090;
inline constexpr int kReportDesigner = 1091;
inline constexpr int kReportLayout = 1092;
inline constexpr int kPrintCurrentRecord = 1093;

// Import and dialing.
inline constexpr int kImportOlder = 1024;
inline constexpr int kDialer = 1095;

}  // namespace pc::widgets::help
