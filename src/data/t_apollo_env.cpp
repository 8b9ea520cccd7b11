#include "data/t_apollo_env.h"

#include "text/message_service.h"
#include "xbase/engine.h"

namespace pc::data {

namespace {
bool gEngineRefused = false;
}

QString TApolloEnv::versionMessage() {
    return QStringLiteral(
        "SuccessWare Database Engine VCL Requires SDE2532.DLL Version 2.40.00 or later.");
}

bool TApolloEnv::engineUsable() {
    return !gEngineRefused;
}

bool TApolloEnv::checkVersion(const std::string& version) {
    gEngineRefused = !versionAcceptable(version);
    if (gEngineRefused) pc::text::messages().inform(versionMessage());
    return !gEngineRefused;
}

bool TApolloEnv::activate() {
    if (!checkVersion(sx_Version())) return false;
    sx_SetStringType(1);
    sx_ErrorLevel(errorLevel);
    sx_SetCentury(century);
    sx_SetDeleted(deletedFilter);
    sx_SetExact(exact);
    sx_SetSoftSeek(softSeek);
    sx_SetLockTimeout(lockTimeout);
    sx_SetMemoBlockSize(memoBlockSize);
    return true;
}

}  // namespace pc::data
