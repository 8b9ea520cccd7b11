#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace pc::app {

namespace {
constexpr char kRaiseMessage[] = "raise\n";
constexpr int kConnectWaitMs = 1000;
}  // namespace

SingleInstance::SingleInstance(QString home, QObject* parent)
    : QObject(parent), name_(serverName(home)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& home) {
    QFileInfo info(home);
    QString path =
        info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return "postcraft-" + QString::fromLatin1(hash);
}

bool SingleInstance::claim() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectWaitMs)) {
        probe.write(kRaiseMessage);
        probe.waitForBytesWritten(kConnectWaitMs);
        probe.disconnectFromServer();
        if (probe.state() != QLocalSocket::UnconnectedState)
            probe.waitForDisconnected(kConnectWaitMs);
        return false;
    }
    // Nobody answered: a socket file left by a killed process would make
    // listen() fail, so clear it first.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name_)) {
        // Running without the guard beats not running at all.
        return true;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        auto readRequest = [this, socket] {
            if (socket->readAll().contains("raise")) emit raiseRequested();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) readRequest();
    }
}

}  // namespace pc::app
