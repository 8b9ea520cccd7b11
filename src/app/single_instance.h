#pragma once
// One running Postcraft per Postcraft home. The first process listens on a
// local socket named after the home; a later start finds it, asks it to come
// forward and ends.
#include <QObject>
#include <QString>

class QLocalServer;

namespace pc::app {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    explicit SingleInstance(QString home, QObject* parent = nullptr);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process is the only one for the home (it then listens);
    // false after handing a raise request to the one already running.
    bool claim();
    // The socket name: a hash of the home's canonical path, so two homes run
    // side by side and the name stays short enough for a socket path.
    static QString serverName(const QString& home);

  signals:
    void raiseRequested();

  private:
    void acceptConnections();

    QString name_;
    QLocalServer* server_ = nullptr;
};

}  // namespace pc::app
