// DownloadToFile against a server on the loopback interface, run in a thread
// of this test program.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// Long enough that the server is still there when the client gives up.
constexpr unsigned kStall = 60 * 1000;

// Header lines of a hundred bytes each that the client has to read past.
std::string FillerHeaders(int count) {
    std::string lines;
    for (int i = 0; i < count; i++) {
        char name[16];
        std::snprintf(name, sizeof name, "X-Filler-%03d: ", i);
        lines += name + std::string(83, 'f') + "\r\n";
    }
    return lines;
}

// The text cut into pieces that end neither at a line nor at a kilobyte.
std::vector<std::string> InPieces(const std::string& text) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size(); at += 700) pieces.push_back(text.substr(at, 700));
    return pieces;
}

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

TEST_F(Download, ALengthOfZeroMakesAnEmptyFileWithoutWaitingForTheClose) {
    LoopbackServer server({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"}, 0, 0, kStall);
    DWORD start = GetTickCount();
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
    EXPECT_LT(GetTickCount() - start, 5000u) << "the length ends the body, not the closing";
    EXPECT_EQ(platform::FileSize(file), 0);
}

TEST_F(Download, HeaderNamesAndTheChunkedValueCountInAnyCase) {
    {
        LoopbackServer server({"HTTP/1.1 200 OK\r\nCONTENT-LENGTH: 5\r\n\r\nupper and more"});
        EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
        EXPECT_EQ(Written(), "upper");
    }
    {
        // Held open: only the last chunk can end this body.
        LoopbackServer server(
            {"HTTP/1.1 200 OK\r\ntransfer-ENCODING: CHUNKED\r\n\r\n5\r\nmixed\r\n0\r\n\r\n"}, 0, 0,
            kStall);
        EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
        EXPECT_EQ(Written(), "mixed");
    }
}

TEST_F(Download, AHeaderBlockInPiecesIsReadUpToSixteenKilobytes) {
    {
        // 15,000 bytes of filler before the length.
        LoopbackServer server(InPieces("HTTP/1.1 200 OK\r\n" + FillerHeaders(150) +
                                       "Content-Length: 4\r\n\r\nbody and more"),
                              5);
        EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
        EXPECT_EQ(Written(), "body");
    }
    DeleteFileA(file.c_str());
    {
        LoopbackServer server(
            InPieces("HTTP/1.1 200 OK\r\nContent-Length: 4\r\n" + FillerHeaders(170) + "\r\nbody"),
            5);
        EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0) << "17,000 bytes of headers";
        EXPECT_FALSE(Exists());
    }
}

TEST_F(Download, OnlyTheStatusesOkAndFoundAreAccepted) {
    for (const char* status : {"404 Not Found", "301 Moved Permanently"}) {
        SCOPED_TRACE(status);
        LoopbackServer server(
            {"HTTP/1.1 " + std::string(status) + "\r\nContent-Length: 3\r\n\r\nno!"});
        EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0);
        EXPECT_FALSE(Exists());
    }
    // A 302's body is the file; where it points to is not asked for.
    LoopbackServer elsewhere({OkResponse("the other place")});
    LoopbackServer server({"HTTP/1.1 302 Found\r\nLocation: " + elsewhere.Url("/x") +
                           "\r\nContent-Length: 9\r\n\r\nmoved on!"});
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 1);
    EXPECT_EQ(Written(), "moved on!");
    EXPECT_EQ(elsewhere.Request(), "");
}

TEST_F(Download, AServerThatFallsSilentIsLeftAfterTenSecondsWithNoFile) {
    LoopbackServer server({"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nthe beginning"}, 0, 0,
                          kStall);
    DWORD start = GetTickCount();
    EXPECT_EQ(DownloadToFile(server.Url("/x"), file), 0);
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 9000u);
    EXPECT_LE(took, 20000u);
    EXPECT_FALSE(Exists());
}

TEST_F(Download, AServerThatNeverAnswersTheConnectIsLeftAfterTenSeconds) {
    // Once the queue of a listener that accepts nobody is full, the system
    // leaves further attempts unanswered, as for a host that is switched off.
    SOCKET listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    listen(listener, 0);
    std::vector<SOCKET> queue;
    for (int i = 0; i < 3; i++) {
        queue.push_back(socket(AF_INET, SOCK_STREAM, 0));
        u_long nonBlocking = 1;
        ioctlsocket(queue.back(), FIONBIO, &nonBlocking);
        connect(queue.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    Sleep(200);
    DWORD start = GetTickCount();
    EXPECT_EQ(
        DownloadToFile("http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/x", file),
        0);
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, 9000u);
    EXPECT_LE(took, 20000u);
    EXPECT_FALSE(Exists());
    for (SOCKET waiting : queue) closesocket(waiting);
    closesocket(listener);
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
