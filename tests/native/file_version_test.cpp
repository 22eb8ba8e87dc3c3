#include <gtest/gtest.h>

#include "tests/fakes/fake_platform.h"
#include "update/file_version.h"

namespace {

TEST(FileVersion, FourUnsignedNumbers) {
    EXPECT_EQ(FormatFileVersion(0x00010002, 0x0000001B), "1.2.0.27");
    EXPECT_EQ(FormatFileVersion(40000u << 16 | 65535, 32768u << 16), "40000.65535.32768.0");
    EXPECT_EQ(FormatFileVersion(0, 0), "0.0.0.0");
}

TEST(FileVersion, OnlyAMissingLibraryIsTold) {
    fake::Reset();
    fake::VersionAnswer = platform::VersionQuery::NoVersion;
    EXPECT_EQ(FileVersionText("a.exe"), "");
    EXPECT_TRUE(fake::Messages.empty());
    fake::VersionAnswer = platform::VersionQuery::LibraryMissing;
    EXPECT_EQ(FileVersionText("a.exe"), "");
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].Title, "Fehler");
    EXPECT_EQ(fake::Messages[0].Text, "Versionsprüfung fehlgeschlagen!");
    EXPECT_EQ(fake::Messages[0].Style, 0x10u);
    fake::VersionAnswer = platform::VersionQuery::Read;
    fake::VersionMostSignificant = 0x00010002;
    fake::VersionLeastSignificant = 0x0000001C;
    EXPECT_EQ(FileVersionText("a.exe"), "1.2.0.28");
}

} // namespace
