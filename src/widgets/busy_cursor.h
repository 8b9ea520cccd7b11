#pragma once
// Shows the hourglass for the lifetime of the object; nests, since Qt keeps
// a stack of override cursors.
#include <QCursor>
#include <QGuiApplication>

namespace pc::widgets {

class BusyCursor {
  public:
    BusyCursor() : active_(qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (active_) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor() {
        if (active_) QGuiApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    bool active_;
};

}  // namespace pc::widgets
