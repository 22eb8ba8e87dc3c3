#include <gtest/gtest.h>

#include "update/http_response.h"
#include "update/url.h"

namespace {

std::string Parts(const std::string& url) {
    UrlParts parts = SplitUrl(url);
    return parts.Host + "|" + std::to_string(parts.Port) + "|" + parts.Path;
}

TEST(Url, PartsBySubstringRules) {
    EXPECT_EQ(Parts("http://update.festmelder.example/Festmelder.upd"),
              "update.festmelder.example|80|Festmelder.upd");
    EXPECT_EQ(Parts("http://server:8080/a/b?x=1"), "server|8080|a/b");
    EXPECT_EQ(Parts("http://server"), "server|80|");
    EXPECT_EQ(Parts("http://server/"), "server|80|");
    EXPECT_EQ(Parts("http://user:pw@server:81/x"), "server|81|x");
    EXPECT_EQ(Parts("http://server:/x"), "server|80|x");
    EXPECT_EQ(Parts("http://server:abc/x"), "server|0|x");
    EXPECT_EQ(Parts("http://server:65537/x"), "server|1|x");
    EXPECT_EQ(Parts("http://server/a:b"), "server|80|a:b");
    EXPECT_EQ(Parts("http://server:81/dir/file@2.upd"), "server|81|dir/file@2.upd");
    EXPECT_EQ(Parts("server/x"), "|80|");
    EXPECT_EQ(Parts("http:///x"), "|80|x");
}

TEST(Url, RequestTextCarriesThePortAndNoQuery) {
    EXPECT_EQ(HttpRequest(SplitUrl("http://update.festmelder.example/Festmelder.upd")),
              "GET /Festmelder.upd HTTP/1.1\r\nAccept: */*\r\n"
              "Host: update.festmelder.example:80\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(
        HttpRequest(SplitUrl("http://127.0.0.1:8080/a/b?x=1")),
        "GET /a/b HTTP/1.1\r\nAccept: */*\r\nHost: 127.0.0.1:8080\r\nConnection: close\r\n\r\n");
}

struct Decoded {
    ResponseState State;
    std::string Body;
    bool operator==(const Decoded& other) const {
        return State == other.State && Body == other.Body;
    }
};

std::ostream& operator<<(std::ostream& out, const Decoded& decoded) {
    return out << "state " << static_cast<int>(decoded.State) << ", body \"" << decoded.Body
               << "\"";
}

// Decodes the response fed in pieces that end at the given offsets, then
// with the connection closed if closed is set.
Decoded Decode(const std::string& response, std::vector<std::size_t> cuts, bool closed = false) {
    ResponseDecoder decoder;
    std::string body;
    std::size_t from = 0;
    cuts.push_back(response.size());
    for (std::size_t cut : cuts) {
        FeedResponse(decoder, std::string_view(response).substr(from, cut - from), body);
        from = cut;
    }
    if (closed) EndResponse(decoder);
    return {decoder.State, body};
}

// The response must decode alike in every split into two pieces and byte by byte.
void ExpectEverySplit(const std::string& response, const Decoded& expected, bool closed = false) {
    for (std::size_t cut = 0; cut <= response.size(); cut++)
        ASSERT_EQ(Decode(response, {cut}, closed), expected) << "split at " << cut;
    std::vector<std::size_t> everyByte;
    for (std::size_t at = 1; at < response.size(); at++) everyByte.push_back(at);
    EXPECT_EQ(Decode(response, everyByte, closed), expected) << "byte by byte";
}

const ResponseState Complete = ResponseState::Complete, Failed = ResponseState::Failed;

TEST(Response, ContentLengthBodies) {
    ExpectEverySplit("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nHelloRest", {Complete, "Hello"});
    ExpectEverySplit("HTTP/1.1 200 OK\r\nCONTENT-LENGTH:   3\r\nX: y\r\n\r\nabc",
                     {Complete, "abc"});
    ExpectEverySplit("HTTP/1.0 302 Found\r\nLocation: /x\r\ncontent-length: 2\r\n\r\nok",
                     {Complete, "ok"});
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", {}), (Decoded{Complete, ""}));
}

TEST(Response, ChunkedBodies) {
    const std::string chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                "5;name=value\r\nHello\r\n1\r\n,\r\nb\r\n 0123456789\r\n0\r\n\r\n";
    ExpectEverySplit(chunked, {Complete, "Hello, 0123456789"});
    ExpectEverySplit("HTTP/1.1 200 OK\r\ntransfer-encoding: Chunked\r\nContent-Length: 99\r\n\r\n"
                     "3\r\nabc\r\n0\r\n\r\n",
                     {Complete, "abc"});
}

TEST(Response, WithoutLengthTheBodyRunsToTheClosing) {
    ExpectEverySplit("HTTP/1.0 200 OK\r\nServer: x\r\n\r\nall of it", {Complete, "all of it"},
                     true);
    EXPECT_EQ(Decode("HTTP/1.0 200 OK\r\n\r\nso far", {}).State, ResponseState::ReadingBody);
}

TEST(Response, RefusedStatusesAndMalformedLengths) {
    EXPECT_EQ(Decode("HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\n\r\n200", {}),
              (Decoded{Failed, ""}));
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nabc", {}).State, Failed);
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Length: x\r\n\r\nabc", {}).State, Failed);
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Length: 2147483649\r\n\r\n", {}).State, Failed);
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n", {}).State,
              Failed);
    EXPECT_EQ(
        Decode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabcX\r\n", {}).State,
        Failed);
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n80000001\r\n", {}).State,
              Failed);
}

TEST(Response, AHeaderBlockBeyond16KiBFails) {
    std::string response = "HTTP/1.1 200 OK\r\n";
    while (response.size() <= kMaximumHeaderBlock) response += "X-Filler: 0123456789\r\n";
    EXPECT_EQ(Decode(response + "\r\nbody", {}, true).State, Failed);
    std::string justFits = "HTTP/1.1 200 OK\r\n";
    while (justFits.size() < kMaximumHeaderBlock - 100) justFits += "X-Filler: 0123456789\r\n";
    EXPECT_EQ(Decode(justFits + "\r\nbody", {}, true), (Decoded{Complete, "body"}));
}

TEST(Response, ABodyThatEndsEarlyFails) {
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort", {}, true).State, Failed);
    EXPECT_EQ(
        Decode("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nab", {}, true).State,
        Failed);
    EXPECT_EQ(Decode("HTTP/1.1 200 OK\r\nContent-Le", {}, true).State, Failed);
}

} // namespace
