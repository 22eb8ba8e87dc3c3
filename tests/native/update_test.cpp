#include <gtest/gtest.h>

#include "common/file_names.h"
#include "platform/ansi_path.h"
#include "tests/support/whole_file.h"
#include "update/authenticode.h"
#include "update/file_version.h"
#include "update/http_response.h"
#include "update/program_file.h"
#include "update/update_rules.h"
#include "update/url.h"

namespace {

TEST(Url, PartsBySubstringRulesAndTheRequestForThem) {
    const struct {
        const char *url, *host, *path;
        int port;
    } cases[] = {{"http://u:p@s:90/a@b?x", "s", "a@b", 90},
                 {"http://s:ab/x", "s", "x", 0},
                 {"s/x", "", "", 80},
                 {"http://s:65537/", "s", "", 1},
                 {"http://s:/a:b", "s", "a:b", 80},
                 {"http://s", "s", "", 80}};
    for (const auto& c : cases) {
        UrlParts parts = SplitUrl(c.url);
        EXPECT_EQ(std::tie(parts.Host, parts.Path, parts.Port),
                  std::make_tuple(c.host, c.path, c.port))
            << c.url;
    }
    EXPECT_EQ(HttpRequest(SplitUrl("http://update.festmelder.example/Festmelder.upd")),
              "GET /Festmelder.upd HTTP/1.1\r\nAccept: */*\r\n"
              "Host: update.festmelder.example:80\r\nConnection: close\r\n\r\n");
}

constexpr auto kReadingBody = ResponseState::ReadingBody, kComplete = ResponseState::Complete,
               kFailed = ResponseState::Failed;

// The state and the body (longer than 99 bytes: its size) after the bytes in pieces of the
// given size and, if closed, the connection's end.
std::pair<ResponseState, std::string> Decode(std::string_view response, bool closed,
                                             std::size_t piece = -1) {
    ResponseDecoder decoder;
    std::string body;
    for (std::size_t at = 0; at < response.size(); at += piece)
        FeedResponse(decoder, response.substr(at, piece), body);
    if (closed) EndResponse(decoder);
    return {decoder.State, body.size() > 99 ? std::to_string(body.size()) + " bytes" : body};
}

// Each response decodes alike in one piece and byte by byte, then closed.
TEST(Response, DecodesTheSameHoweverItArrives) {
    const std::string ok = "HTTP/1.1 200 OK\r\n",
                      chunked = ok + "Transfer-Encoding: chunked\r\n\r\n";
    const struct {
        std::string response;
        ResponseState state;
        std::string body;
    } cases[] = {{"HTTP/1.0 302 Found\r\nX: y\r\nCONTENT-LENGTH:   2\r\n\r\nok!", kComplete, "ok"},
                 {ok + "Content-Length: 0\r\n\r\n", kComplete, ""},
                 {ok + "transfer-encoding: Chunked\r\nContent-Length: 9\r\n\r\n"
                       "5;x=y\r\nHello\r\n1\r\n,\r\nb\r\n 0123456789\r\n0\r\n\r\nX",
                  kComplete, "Hello, 0123456789"},
                 {"HTTP/1.0 200 OK\r\nServer: x\r\n\r\nall of it", kComplete, "all of it"},
                 {"HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\n200", kFailed, ""},
                 {ok + "Content-Length: 2147483649\r\n\r\nab", kFailed, ""},
                 {ok + "Content-Length: 10\r\n\r\nshort", kFailed, "short"},
                 {chunked + "zz\r\nabc", kFailed, ""},
                 {chunked + "3\nabc\r\n0\r\n\r\n", kFailed, ""},
                 {chunked + "3\r\nabcX\r\n", kFailed, "abc"}};
    for (const auto& c : cases)
        for (std::size_t piece : {c.response.size(), std::size_t{1}})
            EXPECT_EQ(Decode(c.response, true, piece), std::pair(c.state, c.body)) << c.response;
}

// The header block, up to its empty line, of the given size.
std::string HeaderBlockOf(std::size_t size) {
    return "HTTP/1.1 200 OK\r\nX: " + std::string(size - 24, 'x') + "\r\n\r\n";
}

TEST(Response, TheHeaderBlockEndsWithin16KiBAndTheBodyWithin64MiB) {
    using Decoded = std::pair<ResponseState, std::string>;
    EXPECT_EQ(Decode(HeaderBlockOf(16384) + "body", false), Decoded(kReadingBody, "body"));
    EXPECT_EQ(Decode(HeaderBlockOf(16385) + "body", false), Decoded(kFailed, ""));
    EXPECT_EQ(Decode(std::string(16385, 'x'), false), Decoded(kFailed, ""));
    const std::string length = "HTTP/1.1 200 OK\r\nContent-Length: 67108865\r\n\r\n",
                      body(64 << 20, 'x');
    EXPECT_EQ(Decode(length + body, false), Decoded(kReadingBody, "67108864 bytes"));
    EXPECT_EQ(Decode(length + body + "x", false), Decoded(kFailed, ""));
}

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

TEST(Update, NamesOfTheProgramsFilesAndItsVersion) {
    EXPECT_EQ(SiblingFileName("C:\\v1.0\\Fest", "upd"), "C:\\v1.0\\Fest.upd");
    EXPECT_EQ(SiblingFileName("a.exe.exe", "upd"), "a.upd.upd");
    EXPECT_EQ(FolderOf("Festmelder.exe"), "");
    EXPECT_EQ(SiblingFileName("\"C:\\a.exe\"", "upd"), "\"C:\\a.upd\"");
    EXPECT_EQ(FormatFileVersion(40000u << 16 | 65535, 32768u << 16 | 27), "40000.65535.32768.27");
}

// A path, its cp1252 text ("?" for a character cp1252 lacks) and that text read back.
platform::PathSpelling Spelled(const std::wstring& path) {
    platform::PathSpelling spelled{{path.begin(), path.end()}, "", {}};
    for (wchar_t character : path) spelled.Ansi += char(character < 256 ? character : '?');
    for (unsigned char byte : spelled.Ansi) spelled.ReadBack.push_back(wchar_t(byte));
    return spelled;
}

// The ANSI functions take paths of up to 259 characters. A long form that the code page spells,
// else the short one, the end-to-end tests take from the folders they run in.
TEST(Update, TheProgramsPathIsItsLongFormWhereTheCodePageSpellsItElseItsShortOne) {
    const std::string longest = "C:\\" + std::string(250, 'x') + "\\F.exe";
    const std::wstring longestWide(longest.begin(), longest.end()), far = L"x" + longestWide;
    const struct {
        std::wstring longForm, shortForm;
        std::string chosen;
    } cases[] = {{L"C:\\Łódź\\F.exe", L"C:\\Łódź\\F.exe", ""}, // a volume without short names
                 {longestWide, L"C:\\XXXX~1\\F.EXE", longest},
                 {far, L"C:\\XXXX~1\\F.EXE", "C:\\XXXX~1\\F.EXE"}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::ChooseAnsiPath(Spelled(c.longForm), Spelled(c.shortForm)), c.chosen);
}

// A file that another preset builds, or "(none)".
std::string Built(const std::string& path) { return WholeFile(FESTMELDER_BUILDS "/" + path); }

// The program file that the Windows build made (before the native tests run), cut where a broken
// transfer may end: in the headers, in the section table, in the middle, one byte short.
TEST(WholeProgramFile, OnlyTheWholeBuiltProgramPasses) {
    std::string whole = Built("win64/Festmelder.exe");
    if (whole == "(none)") GTEST_SKIP() << "build/win64 is not built";
    ASSERT_TRUE(IsWholeProgramFile(whole, whole.size()));

    // The linker puts the PE header at 0x80 and the section table from 0x188 on.
    for (std::size_t cut : {std::size_t{1}, std::size_t{0x3c}, std::size_t{0x84},
                            std::size_t{0x1a0}, whole.size() / 2, whole.size() - 1})
        EXPECT_FALSE(IsWholeProgramFile(whole.substr(0, cut), cut)) << "cut after " << cut;
    // The headers alone decide when the size is known.
    EXPECT_TRUE(IsWholeProgramFile(whole.substr(0, 4096), whole.size()));
    EXPECT_FALSE(IsWholeProgramFile(whole.substr(0, 4096), whole.size() - 1));
    std::string page = "<html>" + whole.substr(6);
    EXPECT_FALSE(IsWholeProgramFile(page, page.size())) << "not a program file";
}

// What the signature holds, or why there is none, and the bytes that the digest covers.
using Signature = std::pair<std::string, std::string>;
Signature SignatureIn(std::string_view file) {
    AuthenticodeLayout layout;
    SignedContent content;
    std::string digested;
    if (!ReadAuthenticodeLayout(file, layout)) return {"broken", ""};
    for (ByteRange range : layout.Digested) digested += file.substr(range.Offset, range.Size);
    if (layout.Signature.empty()) return {"unsigned", digested};
    if (!FindSignedContent(layout.Signature, content)) return {"no signed content", digested};
    return {"a file digest of " + std::to_string(content.FileDigest.size()) + " bytes", digested};
}

// The win64 build's copy of the program for its update tests, and that copy signed by
// osslsigncode: the linker puts the checksum at 0xd8, the number of data directories at 0x104 and
// the certificate table's entry at 0x128; the signature follows the file without padding.
TEST(Authenticode, TheDigestLeavesOutTheChecksumAndTheSignature) {
    std::string plain = Built("win64/tests/e2e/festmelder_update_27.exe"),
                signed_ = Built("win64/tests/e2e/signed/program.exe");
    if (plain == "(none)" || signed_ == "(none)") GTEST_SKIP() << "build/win64 is not built";
    std::string digested = plain.substr(0, 0xd8) + plain.substr(0xdc, 0x4c) + plain.substr(0x130);
    EXPECT_TRUE(SignatureIn(plain) == Signature("unsigned", digested));
    EXPECT_TRUE(SignatureIn(signed_).second == digested);
    const struct {
        std::int64_t at; // from the start, or with inTable from the certificate table
        bool inTable;
        std::uint64_t value;
        int width; // of the value written at, 0 for none
        const char* outcome;
    } cases[] = {{0, false, 0, 0, "a file digest of 32 bytes"},
                 {0x104, false, 4, 4, "broken"},            // no directory for the table
                 {0x128, false, 0xffffff00, 4, "broken"},   // past the end
                 {0, true, 0xffff, 4, "broken"},            // a certificate longer than the table
                 {0, true, 7, 4, "broken"},                 // shorter than its own header
                 {10, true, 0xffff, 2, "broken"},           // a message longer than the certificate
                 {23, true, 0xa1, 1, "no signed content"}}; // no signed data in the message
    for (const auto& [at, inTable, value, width, outcome] : cases) {
        std::string file = signed_;
        std::int64_t from = at + (inTable ? NumberAt(signed_, 0x128, 4) : 0);
        for (int i = 0; i < width; ++i) file[from + i] = static_cast<char>(value >> 8 * i);
        EXPECT_EQ(SignatureIn(file).first, outcome) << "0x" << std::hex << value << " at " << from;
    }
}

// The built program files and copies for another processor or the console, by the running
// program's bitness and WOW64 (a 32-bit one on 64-bit Windows): whether an x86-64 update runs.
TEST(WholeProgramFile, OnlyWhatThisWindowsRunsPasses) {
    std::string x8664 = Built("win64/Festmelder.exe"), arm = x8664,
                i386 = Built("win32/Festmelder.exe"), cli = i386;
    if (x8664 == "(none)" || i386 == "(none)") GTEST_SKIP() << "build/win64 or win32 is not built";
    arm.replace(0x84, 2, "\x64\xaa"); // the machine, in the PE header at 0x80
    cli[0x80 + 24 + 68] = 3;          // the subsystem, in its optional header
    const std::tuple<bool, bool, bool> cases[] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}};
    for (auto [program64Bit, wow64, x8664Runs] : cases) {
        EXPECT_EQ(RunsOnThisWindows(x8664, program64Bit, wow64), x8664Runs);
        EXPECT_TRUE(RunsOnThisWindows(i386, program64Bit, wow64) &&
                    !RunsOnThisWindows(arm, program64Bit, wow64) &&
                    !RunsOnThisWindows(cli, program64Bit, wow64));
    }
}

} // namespace
