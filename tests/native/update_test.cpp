#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/file_names.h"
#include "update/file_version.h"
#include "update/http_response.h"
#include "update/program_file.h"
#include "update/update_rules.h"
#include "update/url.h"

namespace {

TEST(Url, PartsBySubstringRulesAndTheRequestForThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"http://s:90/a/b?x", "s|90|a/b"},   {"http://s:ab/x", "s|0|x"},  {"s/x", "|80|"},
        {"http://u:p@s:81/a@b", "s|81|a@b"}, {"http://s:65537/", "s|1|"}, {"http:///x", "|80|x"},
        {"http://s:/a:b", "s|80|a:b"},       {"http://s", "s|80|"}};
    for (auto [url, expected] : cases) {
        UrlParts parts = SplitUrl(url);
        EXPECT_EQ(parts.Host + "|" + std::to_string(parts.Port) + "|" + parts.Path, expected);
    }
    EXPECT_EQ(HttpRequest(SplitUrl("http://update.festmelder.example/Festmelder.upd")),
              "GET /Festmelder.upd HTTP/1.1\r\nAccept: */*\r\n"
              "Host: update.festmelder.example:80\r\nConnection: close\r\n\r\n");
}

const char* const kStates[] = {"reading headers", "reading the body", "complete", "failed"};

// The state and body (or its size) after the bytes up to the cut in one piece, the
// rest in pieces of the given size and, if closed, the connection's end.
std::string Decode(std::string_view response, bool closed, std::size_t cut = -1,
                   std::size_t piece = 1) {
    ResponseDecoder decoder;
    std::string body;
    FeedResponse(decoder, response.substr(0, cut), body);
    for (std::size_t at = cut; at < response.size(); at += piece)
        FeedResponse(decoder, response.substr(at, piece), body);
    if (closed) EndResponse(decoder);
    return kStates[int(decoder.State)] +
           (": " + (body.size() > 99 ? std::to_string(body.size()) + " bytes" : body));
}

// Each response decodes alike split anywhere in two and byte by byte, then closed.
TEST(Response, DecodesTheSameHoweverItArrives) {
    const std::string ok = "HTTP/1.1 200 OK\r\n",
                      chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    const std::pair<std::string, const char*> cases[] = {
        {ok + "Content-Length: 12\r\n\r\nHello, world!", "complete: Hello, world"},
        {"HTTP/1.0 302 Found\r\nX: y\r\nCONTENT-LENGTH:   2\r\n\r\nok", "complete: ok"},
        {ok + "Content-Length: 0\r\n\r\n", "complete: "},
        {chunked + "5;x=y\r\nHello\r\n1\r\n,\r\nb\r\n 0123456789\r\n0\r\n\r\nX",
         "complete: Hello, 0123456789"},
        {ok + "transfer-encoding: Chunked\r\nContent-Length: 9\r\n\r\n3\r\nabc\r\n0\r\n\r\n",
         "complete: abc"},
        {"HTTP/1.0 200 OK\r\nServer: x\r\n\r\nall of it", "complete: all of it"},
        {"HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\n200", "failed: "},
        {ok + "Content-Length: 2147483649\r\n\r\nab", "failed: "},
        {ok + "Content-Length: 10\r\n\r\nshort", "failed: short"},
        {ok + "Content-Le", "failed: "},
        {chunked + "zz\r\nabc", "failed: "},
        {chunked + "3\nabc\r\n0\r\n\r\n", "failed: "},
        {chunked + "3\r\nabcX\r\n", "failed: abc"},
        {chunked + "80000001\r\nabc", "failed: "}};
    for (const auto& [response, decoded] : cases) {
        for (std::size_t cut = 0; cut <= response.size(); cut++)
            ASSERT_EQ(Decode(response, true, cut, response.size()), decoded)
                << response << "\nsplit at " << cut;
        EXPECT_EQ(Decode(response, true, 0), decoded) << response << "\nbyte by byte";
    }
}

// The header block, up to its empty line, of the given size.
std::string HeaderBlockOf(std::size_t size) {
    return "HTTP/1.1 200 OK\r\nX: " + std::string(size - 24, 'x') + "\r\n\r\n";
}

TEST(Response, TheHeaderBlockEndsWithin16KiBAndTheBodyWithin64MiB) {
    EXPECT_EQ(Decode(HeaderBlockOf(16384) + "body", false), "reading the body: body");
    EXPECT_EQ(Decode(HeaderBlockOf(16385) + "body", false), "failed: ");
    EXPECT_EQ(Decode(std::string(16385, 'x'), false), "failed: ");
    const std::string length = "HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n",
                      body(64 << 20, 'x');
    EXPECT_EQ(Decode(length + body, false), "reading the body: 67108864 bytes");
    EXPECT_EQ(Decode(length + body + "x", false), "failed: ");
    EXPECT_EQ(Decode(HeaderBlockOf(24) + body + "x", false), "failed: ");
}

// Only the route the version code chooses can be seen from outside.
TEST(Update, OnlyWindowsBefore2000SwapsThroughAScript) {
    const std::tuple<bool, bool, unsigned, unsigned, bool> cases[] = {
        // known, NT, major, minor, through a script
        {true, true, 3, 51, true},   {true, false, 4, 0, true},  {true, true, 4, 0, true},
        {true, false, 4, 10, true},  {true, false, 4, 90, true}, {true, true, 5, 0, false},
        {true, false, 4, 50, false}, {true, true, 10, 0, false}, {false, false, 4, 10, false}};
    for (auto [known, nt, major, minor, byScript] : cases)
        EXPECT_EQ(OsVersionCode({known, nt, major, minor, true, true}) < 50, byScript)
            << (known ? "" : "unknown ") << (nt ? "NT " : "9x ") << major << "." << minor;
}

// A "%" is doubled: the command interpreter reads a single one as the start of a variable.
TEST(Update, TheSwapScriptWaitsSwapsRestartsAndDeletesItself) {
    EXPECT_EQ(SwapScript("C:\\1%\\Fest.exe", "C:\\1%\\Fest.upd", "C:\\1%\\Fest.bat"),
              "@ECHO OFF\r\n:MARKE\r\nDEL \"C:\\1%%\\Fest.exe\"\r\n"
              "IF EXIST \"C:\\1%%\\Fest.exe\" GOTO MARKE\r\n"
              "REN \"C:\\1%%\\Fest.upd\" \"Fest.exe\"\r\n"
              "\"C:\\1%%\\Fest.exe\"\r\nDEL \"C:\\1%%\\Fest.bat\"\r\n");
}

TEST(Update, NamesOfTheProgramsFilesAndItsVersion) {
    EXPECT_EQ(SiblingFileName("C:\\v1.0\\Fest", "upd"), "C:\\v1.0\\Fest.upd");
    EXPECT_EQ(SiblingFileName("a.exe.exe", "upd"), "a.upd.upd");
    EXPECT_EQ(FolderOf("Festmelder.exe"), "");
    EXPECT_EQ(SiblingFileName("\"C:\\a.exe\"", "upd"), "\"C:\\a.upd\"");
    EXPECT_EQ(FormatFileVersion(40000u << 16 | 65535, 32768u << 16 | 27), "40000.65535.32768.27");
}

// A real program file, the one the Windows build made (the test command
// builds it before the native tests run), cut where a broken transfer may
// end: in the headers, in the section table, in the middle, one byte short.
TEST(WholeProgramFile, OnlyTheWholeBuiltProgramPasses) {
    std::ifstream in(FESTMELDER_BUILT_PROGRAM, std::ios::binary);
    if (!in) GTEST_SKIP() << "build the win64 preset first: " << FESTMELDER_BUILT_PROGRAM;
    std::string whole{std::istreambuf_iterator<char>(in), {}};
    ASSERT_TRUE(IsWholeProgramFile(whole, whole.size()));

    // The linker puts the PE header at 0x80 and the section table from 0x188 on.
    for (std::size_t cut : {std::size_t{1}, std::size_t{0x3c}, std::size_t{0x84},
                            std::size_t{0x1a0}, whole.size() / 2, whole.size() - 1}) {
        EXPECT_FALSE(IsWholeProgramFile(whole.substr(0, cut), cut)) << "cut after " << cut;
    }
    // The headers alone decide when the size is known.
    EXPECT_TRUE(IsWholeProgramFile(whole.substr(0, 4096), whole.size()));
    EXPECT_FALSE(IsWholeProgramFile(whole.substr(0, 4096), whole.size() - 1));
    std::string page = "<html>" + whole.substr(6);
    EXPECT_FALSE(IsWholeProgramFile(page, page.size())) << "not a program file";
}

} // namespace
