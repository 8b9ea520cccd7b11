#pragma once
// The main window as the host of its session: the order, filter and tag
// identifier it keeps, and how it steps aside while a subsystem runs.
#include <vector>

#include "data/session.h"

namespace pc::app {

class TAddressMain;

class MainWindowSessionHost : public pc::data::Session::Host {
  public:
    explicit MainWindowSessionHost(TAddressMain& window) : window_(window) {}

    QString orderTag() const override;
    void selectOrder(const QString& tag) override;
    QString filter() const override;
    void applyFilter(const QString& filter) override;
    QString tagId() const override;
    void pauseForSubsystem(bool bulkOperation) override;
    void resumeFromSubsystem() override;
    void refreshAfterSubsystem() override;

  private:
    struct Paused {
        bool refreshOnPost;
        bool bulkOperation;
    };
    TAddressMain& window_;
    std::vector<Paused> paused_;  // subsystems may nest
};

}  // namespace pc::app
