// Failures of the sx_ interface come with a kind the program can word its
// message by: missing, locked, damaged files and bad arguments.
#include <gtest/gtest.h>

#include <cerrno>

#include "test_support.h"
#include "xbase/engine.h"

using namespace pc::xbase;
using pc::test::TempDir;

namespace {

class EngineErrorKindTest : public ::testing::Test {
  protected:
    void SetUp() override { sx_CloseAll(); }
    void TearDown() override { sx_CloseAll(); }
    TempDir dir_;
};

TEST_F(EngineErrorKindTest, EachFailureSaysWhatKindItIs) {
    EXPECT_EQ(sx_Use(dir_.file("none.dbf").c_str(), "N", kExclusive, kDriverNone), 0);
    EXPECT_EQ(sx_LastErrorKind(), ErrorKind::NotFound);

    pc::test::writeFile(dir_.file("junk.dbf"), std::string(600, 'x'));
    EXPECT_EQ(sx_Use(dir_.file("junk.dbf").c_str(), "J", kExclusive, kDriverNone), 0);
    EXPECT_EQ(sx_LastErrorKind(), ErrorKind::Damaged);

    std::string path = pc::test::copyFixture(dir_, "edge", {".dbf", ".fpt", ".cdx"});
    ASSERT_NE(sx_Use(path.c_str(), "A", kExclusive, kDriverNone), 0);
    EXPECT_EQ(sx_LastErrorKind(), ErrorKind::Other);  // a success clears it
    EXPECT_EQ(sx_Use(path.c_str(), "B", kExclusive, kDriverNone), 0);
    EXPECT_EQ(sx_LastErrorKind(), ErrorKind::Locked);
    EXPECT_STREQ(errorKindName(sx_LastErrorKind()), "locked");
}

TEST(ErrorKind, SystemErrorsMapToKindsAndPlainWords) {
    EXPECT_EQ(errorKindFromErrno(ENOSPC), ErrorKind::DiskFull);
    EXPECT_EQ(errorKindFromErrno(EROFS), ErrorKind::ReadOnly);
    EXPECT_EQ(errorKindFromErrno(EACCES), ErrorKind::PermissionDenied);
    Error e = Error::fromErrno(ENOSPC, "Cannot extend", "T.DBF");
    EXPECT_EQ(e.kind(), ErrorKind::DiskFull);
    EXPECT_STREQ(e.what(), "Cannot extend T.DBF: the disk is full");
    EXPECT_STREQ(Error::fromErrno(EACCES, "Cannot open", "T.DBF").what(),
                 "Cannot open T.DBF: permission denied");
}

}  // namespace
