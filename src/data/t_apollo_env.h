#pragma once
// The engine environment of the program: the engine-wide settings every
// table follows, and the check that a usable engine is present at all.
#include <QString>
#include <string>

namespace pc::data {

class TApolloEnv {
  public:
    // The settings the program runs with.
    bool century = true;
    bool deletedFilter = true;  // moves skip deletion-marked records
    int errorLevel = 0;         // failures come back as return values
    bool exact = false;
    bool softSeek = false;
    int lockTimeout = 1;
    int memoBlockSize = 64;

    // Checks the engine and applies the settings. With an engine that gives
    // no version the message below is shown, nothing is applied, false comes
    // back and no table opens for the rest of the run.
    bool activate();

    // The shown text when the engine reports no version.
    static QString versionMessage();
    // Whether the engine's version string lets tables open.
    static bool versionAcceptable(const std::string& version) { return !version.empty(); }
    // Whether tables may open: false once an engine check has failed.
    static bool engineUsable();
    // Runs the version check on the given version string (tests pass one).
    static bool checkVersion(const std::string& version);
};

}  // namespace pc::data
