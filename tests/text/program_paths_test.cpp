#include "text/program_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace pc::text;

namespace {

void touch(const QString& path, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST(ProgramPaths, HomeFromArgumentsMakesItsFolders) {
    QTemporaryDir dir;
    const QString home = dir.filePath("fresh/home");
    EXPECT_EQ(resolveHome({"postcraft", "--home", home}), home + "/");
    EXPECT_TRUE(QFileInfo(home + "/DATA").isDir());
    EXPECT_TRUE(QFileInfo(home + "/sysdata").isDir());
    EXPECT_EQ(settingsPath(), home + "/POSTCR.ini");
    EXPECT_EQ(dataDir(), home + "/DATA/");
    EXPECT_EQ(sysdataDir(), home + "/sysdata/");
    EXPECT_EQ(resolveHome({"postcraft", "--home=" + dir.path()}), dir.path() + "/");
}

TEST(ProgramPaths, EnvironmentWhenNoArgument) {
    QTemporaryDir dir;
    qputenv("POSTCRAFT_HOME", dir.path().toUtf8());
    const QString home = resolveHome({"postcraft"});
    qunsetenv("POSTCRAFT_HOME");
    EXPECT_EQ(home, dir.path() + "/");
}

TEST(ProgramPaths, ExistingFilesFoundWithoutRegardToCase) {
    QTemporaryDir dir;
    setHome(dir.path());
    touch(dir.filePath("postcr.INI"));
    touch(dir.filePath("sysdata/label.dbf"));
    EXPECT_EQ(settingsPath(), dir.path() + "/postcr.INI");
    EXPECT_EQ(findNoCase(sysdataDir(), "LABEL.DBF"), dir.path() + "/sysdata/label.dbf");
    EXPECT_EQ(findNoCase(dir.path(), "SYSDATA/Label.Dbf"), dir.path() + "/sysdata/label.dbf");
    // Missing: spelled as it would be created.
    EXPECT_EQ(findNoCase(sysdataDir(), "REPORT.DBF"), dir.path() + "/sysdata/REPORT.DBF");
    EXPECT_EQ(findNoCase(dir.path(), "DATA/add0001.DBF"), dir.path() + "/DATA/add0001.DBF");
}

TEST(ProgramPaths, SysdataSeedsWhatTheHomeLacks) {
    QTemporaryDir installed;
    QTemporaryDir home;
    touch(installed.filePath("LABEL.DBF"), "label");
    touch(installed.filePath("art/star.bmp"), "bmp");
    const QString target = home.filePath("sysdata");
    ASSERT_TRUE(seedSysdata(installed.path(), target));
    QFile label(target + "/LABEL.DBF");
    ASSERT_TRUE(label.open(QIODevice::ReadOnly));
    EXPECT_EQ(label.readAll(), "label");
    EXPECT_TRUE(QFile::exists(target + "/art/star.bmp"));

    // The user's own tables are never overwritten.
    touch(installed.filePath("LABEL.DBF"), "newer");
    EXPECT_FALSE(seedSysdata(installed.path(), target));
    label.seek(0);
    EXPECT_EQ(label.readAll(), "label");
    EXPECT_FALSE(seedSysdata(installed.path(), installed.path()));
    EXPECT_FALSE(seedSysdata({}, target));

    // A table delivered by a later version reaches an existing home, with
    // its index; an index for a table of the user's own does not.
    touch(installed.filePath("CSZ.DBF"), "csz");
    touch(installed.filePath("CSZ.CDX"), "cdx");
    touch(installed.filePath("label.cdx"), "not theirs");
    ASSERT_TRUE(seedSysdata(installed.path(), target));
    EXPECT_TRUE(QFile::exists(target + "/CSZ.DBF"));
    EXPECT_TRUE(QFile::exists(target + "/CSZ.CDX"));
    EXPECT_FALSE(QFile::exists(target + "/label.cdx"));
}

}  // namespace
