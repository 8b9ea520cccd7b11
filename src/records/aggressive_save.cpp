#include "records/aggressive_save.h"

#include "data/address_database.h"
#include "data/t_table.h"
#include "text/message_service.h"

namespace pc::records {

namespace {

// Stands in for the user during the attempts: nothing is shown and a
// rebuild offer is declined; only the final failure is reported.
class SilentMessages : public pc::text::MessageService {
  public:
    void inform(const QString&) override {}
    bool ask(const QString&, const QString&) override { return false; }
    bool askDefaultNo(const QString&, const QString&) override { return false; }
    void error(const QString&, const QString&) override {}
};

class ScopedSilence {
  public:
    ScopedSilence() : previous_(pc::text::setMessageService(std::make_unique<SilentMessages>())) {}
    ~ScopedSilence() { pc::text::setMessageService(std::move(previous_)); }
    ScopedSilence(const ScopedSilence&) = delete;
    ScopedSilence& operator=(const ScopedSilence&) = delete;

  private:
    std::unique_ptr<pc::text::MessageService> previous_;
};

}  // namespace

bool countSaveForReopen(int& counter, AggressiveSave level) {
    if (level == AggressiveSave::None) return false;
    const int threshold = level == AggressiveSave::Normal ? 5 : 1;
    if (++counter < threshold) return false;
    counter = 0;
    return true;
}

bool reopenQuietly(const QString& path, pc::data::TTable& table, int attempts) {
    if (path.isEmpty()) return false;
    ScopedSilence silence;
    for (int i = 0; i < attempts; ++i) {
        if (pc::data::openAddressDatabase(path, table, [] {}).tableOpen) return true;
    }
    return false;
}

QString reopenFailedMessage() {
    return "An error has occurred which may have resulted in lost data.\r\n"
           "Please close and restart the program, and verify that the\r\n"
           "last few changes were saved.\r\n\r\n"
           "If you see this message too often, turn off agressive saving\r\n"
           "from the Preferences screen";
}

}  // namespace pc::records
