#include "update/http_response.h"

#include <algorithm>
#include <cctype>

namespace {

bool StartsWithNoCase(std::string_view line, std::string_view start) {
    if (line.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); i++)
        if (std::tolower(static_cast<unsigned char>(line[i])) != start[i]) return false;
    return true;
}

bool ContainsNoCase(std::string_view line, std::string_view part) {
    for (std::size_t at = 0; at + part.size() <= line.size(); at++)
        if (StartsWithNoCase(line.substr(at), part)) return true;
    return false;
}

// Reads a number's leading digits in the base; false without digits or
// beyond the largest length accepted.
bool ReadLength(std::string_view text, unsigned base, std::uint64_t& length) {
    length = 0;
    std::size_t digits = 0;
    for (char c : text) {
        int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                    : base == 16 && std::isxdigit(static_cast<unsigned char>(c))
                        ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                        : -1;
        if (digit < 0) break;
        length = length * base + static_cast<unsigned>(digit);
        if (length > kMaximumLength) return false;
        digits++;
    }
    return digits > 0;
}

// The end of the line that begins at start (a carriage return, with the line
// feed after it if there is one), or npos when it has not arrived yet.
std::size_t LineEnd(std::string_view text, std::size_t start, std::size_t& next) {
    std::size_t end = text.find('\r', start);
    if (end == std::string_view::npos || end + 1 >= text.size()) return std::string_view::npos;
    next = end + 1 + (text[end + 1] == '\n');
    return end;
}

void Fail(ResponseDecoder& decoder) {
    decoder.State = ResponseState::Failed;
    decoder.Pending.clear();
}

void StartBody(ResponseDecoder& decoder, bool chunked, bool hasLength, std::uint64_t length) {
    decoder.State = ResponseState::ReadingBody;
    decoder.Body = chunked     ? ResponseDecoder::Chunked
                   : hasLength ? ResponseDecoder::Length
                               : ResponseDecoder::UntilClose;
    decoder.Remaining = length;
    if (decoder.Body == ResponseDecoder::Length && length == 0)
        decoder.State = ResponseState::Complete;
}

// Reads the status line and the headers once the empty line has arrived;
// answers where the body begins, or npos while the block is incomplete.
std::size_t ReadHeaders(ResponseDecoder& decoder) {
    std::string_view block = decoder.Pending;
    bool chunked = false, hasLength = false;
    std::uint64_t length = 0;
    std::size_t start = 0, next = 0;
    for (bool statusLine = true;; statusLine = false, start = next) {
        std::size_t end = LineEnd(block, start, next);
        if (end == std::string_view::npos) return std::string_view::npos;
        std::string_view line = block.substr(start, end - start);
        if (statusLine) {
            if (line.find("200") == std::string_view::npos &&
                line.find("302") == std::string_view::npos) {
                Fail(decoder);
                return 0;
            }
        } else if (line.empty()) {
            if (next > kMaximumHeaderBlock) {
                Fail(decoder);
                return 0;
            }
            StartBody(decoder, chunked, hasLength, length);
            return next;
        } else if (StartsWithNoCase(line, "transfer-encoding:")) {
            chunked = chunked || ContainsNoCase(line, "chunked");
        } else if (StartsWithNoCase(line, "content-length:")) {
            std::string_view value = line.substr(15);
            value.remove_prefix(std::min(value.find_first_not_of(' '), value.size()));
            if (!ReadLength(value, 10, length)) {
                Fail(decoder);
                return 0;
            }
            hasLength = true;
        }
    }
}

// Takes body bytes and answers how many it used.
std::size_t TakeData(ResponseDecoder& decoder, std::string_view bytes, std::string& body) {
    std::size_t taken =
        decoder.Body == ResponseDecoder::UntilClose
            ? bytes.size()
            : static_cast<std::size_t>(std::min<std::uint64_t>(decoder.Remaining, bytes.size()));
    if (decoder.Written + taken > kMaximumBody) {
        Fail(decoder);
        return bytes.size();
    }
    body.append(bytes.substr(0, taken));
    decoder.Written += taken;
    if (decoder.Body != ResponseDecoder::UntilClose) decoder.Remaining -= taken;
    return taken;
}

// Takes chunked body bytes: size line, data, the line end after the data.
std::size_t TakeChunked(ResponseDecoder& decoder, std::string_view bytes, std::string& body) {
    switch (decoder.Chunk) {
    case ResponseDecoder::SizeLine: {
        std::size_t newline = bytes.find('\n');
        decoder.Pending.append(
            bytes.substr(0, newline == std::string_view::npos ? bytes.size() : newline + 1));
        if (newline == std::string_view::npos) {
            if (decoder.Pending.size() > kMaximumHeaderBlock) Fail(decoder);
            return bytes.size();
        }
        std::string_view line = decoder.Pending;
        if (line.size() < 2 || line[line.size() - 2] != '\r' ||
            !ReadLength(line, 16, decoder.Remaining)) {
            Fail(decoder);
            return bytes.size();
        }
        decoder.Pending.clear();
        decoder.Chunk = ResponseDecoder::Data;
        // A chunk of size 0 is the last; what follows it is not the body.
        if (decoder.Remaining == 0) decoder.State = ResponseState::Complete;
        return newline + 1;
    }
    case ResponseDecoder::Data: {
        std::size_t taken = TakeData(decoder, bytes, body);
        if (decoder.State == ResponseState::ReadingBody && decoder.Remaining == 0) {
            decoder.Chunk = ResponseDecoder::DataEnd;
            decoder.Remaining = 2;
        }
        return taken;
    }
    case ResponseDecoder::DataEnd:
        if (bytes[0] != "\r\n"[2 - decoder.Remaining]) {
            Fail(decoder);
            return bytes.size();
        }
        if (--decoder.Remaining == 0) decoder.Chunk = ResponseDecoder::SizeLine;
        return 1;
    }
    return bytes.size();
}

} // namespace

void FeedResponse(ResponseDecoder& decoder, std::string_view bytes, std::string& body) {
    if (decoder.State == ResponseState::ReadingHeaders) {
        decoder.Pending.append(bytes);
        std::size_t bodyStart = ReadHeaders(decoder);
        if (bodyStart == std::string_view::npos) {
            if (decoder.Pending.size() > kMaximumHeaderBlock) Fail(decoder);
            return;
        }
        if (decoder.State != ResponseState::ReadingBody) return;
        std::string received = std::move(decoder.Pending);
        decoder.Pending.clear();
        return FeedResponse(decoder, std::string_view(received).substr(bodyStart), body);
    }
    while (decoder.State == ResponseState::ReadingBody && !bytes.empty()) {
        std::size_t used = decoder.Body == ResponseDecoder::Chunked
                               ? TakeChunked(decoder, bytes, body)
                               : TakeData(decoder, bytes, body);
        bytes.remove_prefix(used);
        if (decoder.Body == ResponseDecoder::Length && decoder.Remaining == 0 &&
            decoder.State == ResponseState::ReadingBody)
            decoder.State = ResponseState::Complete;
    }
}

void EndResponse(ResponseDecoder& decoder) {
    if (decoder.State == ResponseState::ReadingBody && decoder.Body == ResponseDecoder::UntilClose)
        decoder.State = ResponseState::Complete;
    else if (decoder.State != ResponseState::Complete) Fail(decoder);
}
