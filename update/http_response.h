// Decoding an HTTP response as its bytes arrive: the status line and the
// header block, then the body by its length, in chunks, or up to the closing
// of the connection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

enum class ResponseState {
    ReadingHeaders,
    ReadingBody, // the status and headers were accepted: the body may be written
    Complete,
    Failed,
};

struct ResponseDecoder {
    enum BodyKind { Length, Chunked, UntilClose };
    enum ChunkPart { SizeLine, Data, DataEnd };

    ResponseState State = ResponseState::ReadingHeaders;
    std::string Pending; // the header block, or a chunk's size line, so far
    BodyKind Body = UntilClose;
    ChunkPart Chunk = SizeLine;
    std::uint64_t Remaining = 0; // of the body, or of the current chunk's data
    std::uint64_t Written = 0;
};

constexpr std::size_t kMaximumHeaderBlock = 16 * 1024;
constexpr std::uint64_t kMaximumLength = std::uint64_t{2} << 30; // of a body or a chunk
constexpr std::uint64_t kMaximumBody = 64 * 1024 * 1024;

// Takes the next bytes received; appends what belongs to the body to body.
void FeedResponse(ResponseDecoder& decoder, std::string_view bytes, std::string& body);

// The server closed the connection: only a body read up to the closing is
// complete then; any other body ended early.
void EndResponse(ResponseDecoder& decoder);
