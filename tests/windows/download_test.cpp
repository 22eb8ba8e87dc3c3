// DownloadToFile against a server on the loopback interface, run in a thread
// of this test program.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>

#include "platform/files.h"
#include "platform/sockets.h"
#include "tests/support/loopback_server.h"
#include "update/download.h"

namespace {

class Download : public ::testing::Test {
  protected:
    std::string file;

    void SetUp() override {
        ASSERT_EQ(platform::StartNetwork(), 1);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        file = std::string(temp) + "festmelder-download-" + std::to_string(GetTickCount()) + ".upd";
    }
    void TearDown() override { DeleteFileA(file.c_str()); }

    std::string Written() {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool Exists() { return platform::FileSize(file) >= 0; }
};

TEST_F(Download, ALengthBodyIsWrittenAndTheRequestIsByteForByte) {
    using namespace std::string_literals; // the body holds a zero byte
    LoopbackServer server(
        {"HTTP/1.1 200 OK\r\nContent-Len", "gth: 6\r\n\r\nMZ", "\x90\0\x01\xFF after the body"s});
    EXPECT_EQ(DownloadToFile(server.Url("/Festmelder.upd?v=1"), file), 1);
    EXPECT_EQ(Written(), std::string("MZ\x90\0\x01\xFF", 6));
    EXPECT_EQ(server.Request(), "GET /Festmelder.upd HTTP/1.1\r\nAccept: */*\r\nHost: 127.0.0.1:" +
                                    server.Url("").substr(17) + "\r\nConnection: close\r\n\r\n");
}

TEST_F(Download, ChunksArrivingInSmallPiecesAreJoined) {
    LoopbackServer server({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n4\r", "\nabcd\r\n",
                           "3;ext\r\nefg\r\n0\r\n\r\n"},
                          50);
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
    EXPECT_EQ(Written(), "abcdefg");
}

TEST_F(Download, WithoutLengthTheBodyEndsWithTheConnection) {
    LoopbackServer server({"HTTP/1.0 200 OK\r\n\r\nall", " of it"});
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
    EXPECT_EQ(Written(), "all of it");
}

TEST_F(Download, ARefusedStatusCreatesNoFile) {
    LoopbackServer server({"HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\nno!"});
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0);
    EXPECT_FALSE(Exists());
}

TEST_F(Download, ABodyThatEndsEarlyLeavesNoFileAndFailsAtOnce) {
    LoopbackServer server({"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\ntruncated"});
    DWORD start = GetTickCount();
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0);
    EXPECT_LT(GetTickCount() - start, 5000u) << "a closed connection ends the wait";
    EXPECT_FALSE(Exists());
}

TEST_F(Download, NoServerOrNoHostFails) {
    LoopbackServer server({}); // takes the port, answers nothing and closes
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0);
    EXPECT_EQ(DownloadToFile("http://127.0.0.1:1/x", file), 0);
    EXPECT_EQ(DownloadToFile("no address", file), 0);
    EXPECT_FALSE(Exists());
}

} // namespace
