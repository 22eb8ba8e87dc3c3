// Arbitrary bytes as an HTTP response: decoding never fails hard, never gives more body than it
// was given, does not depend on how the bytes arrive, completes only a status line of 200 or 302.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "update/http_response.h"

static ResponseState Decode(std::string_view bytes, std::size_t piece, std::string& body) {
    ResponseDecoder decoder;
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        FeedResponse(decoder, bytes.substr(at, piece), body);
    EndResponse(decoder);
    return decoder.State;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string whole, byByte;
    ResponseState state = Decode(bytes, size ? size : 1, whole);
    if (whole.size() > size) std::abort();
    if (Decode(bytes, 1, byByte) != state || byByte != whole) std::abort();
    if (state == ResponseState::Complete) {
        std::string_view statusLine = bytes.substr(0, bytes.find('\r'));
        if (statusLine.find("200") == std::string_view::npos &&
            statusLine.find("302") == std::string_view::npos)
            std::abort();
    }
    return 0;
}
