// One Postcraft per home: hand-off to the running instance, stale sockets.
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstring>

namespace pc::app {
namespace {

TEST(SingleInstance, SecondStartHandsOverAndFirstIsAskedToRaise) {
    QTemporaryDir home;
    SingleInstance first(home.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);

    SingleInstance second(home.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(raised.count() > 0 || raised.wait(5000));
}

TEST(SingleInstance, DifferentHomesRunSideBySide) {
    QTemporaryDir homeA, homeB;
    EXPECT_NE(SingleInstance::serverName(homeA.path()), SingleInstance::serverName(homeB.path()));
    SingleInstance a(homeA.path()), b(homeB.path());
    EXPECT_TRUE(a.claim());
    EXPECT_TRUE(b.claim());
}

TEST(SingleInstance, SameHomeSpelledDifferentlyIsOneInstance) {
    QTemporaryDir home;
    EXPECT_EQ(SingleInstance::serverName(home.path()),
              SingleInstance::serverName(home.path() + "/./"));
}

TEST(SingleInstance, SocketLeftByAKilledProcessDoesNotBlockTheNextStart) {
    QTemporaryDir home;
    const QString name = SingleInstance::serverName(home.path());
    // A bound socket file nobody listens on, as a hard kill leaves it.
    const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ::unlink(path.constData());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);

    SingleInstance next(home.path());
    EXPECT_TRUE(next.claim());
    SingleInstance another(home.path());
    EXPECT_FALSE(another.claim());
}

}  // namespace
}  // namespace pc::app
