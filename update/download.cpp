#include "update/download.h"

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/sockets.h"
#include "update/http_response.h"
#include "update/url.h"

namespace {

constexpr unsigned kWaitMs = 10 * 1000;
constexpr unsigned kWholeDownloadMs = 5 * 60 * 1000;
constexpr int kReadSize = 1024;

// Reads the response and writes its body into the file; answers 1 when the
// body is complete. The file is created (and left for the caller to remove)
// only once the response was accepted.
int ReceiveInto(platform::Connection* connection, const std::string& fileName,
                platform::File*& file) {
    ResponseDecoder decoder;
    unsigned start = platform::Milliseconds();
    char buffer[kReadSize];
    while (decoder.State == ResponseState::ReadingHeaders ||
           decoder.State == ResponseState::ReadingBody) {
        if (platform::Milliseconds() - start > kWholeDownloadMs) return 0;
        int received = platform::WaitReceive(connection, buffer, kReadSize, kWaitMs);
        // A server gone quiet or a reset connection cuts the body off; only an
        // orderly close may end it.
        if (received == 0 || received == platform::kConnectionBroken) return 0;
        std::string body;
        if (received == platform::kConnectionClosed) EndResponse(decoder);
        else
            FeedResponse(decoder, std::string_view(buffer, static_cast<std::size_t>(received)),
                         body);
        bool accepted =
            decoder.State == ResponseState::ReadingBody || decoder.State == ResponseState::Complete;
        if (accepted && !file && !(file = platform::CreateFileForWriting(fileName))) return 0;
        if (!body.empty() && !platform::WriteToFile(file, body.data(), body.size())) return 0;
    }
    return decoder.State == ResponseState::Complete;
}

} // namespace

int DownloadToFile(const std::string& url, const std::string& fileName) {
    UrlParts parts = SplitUrl(url);
    if (parts.Host.empty()) return 0;
    platform::Connection* connection = platform::OpenConnection(parts.Host, parts.Port, kWaitMs);
    if (!connection) return 0;
    platform::File* file = nullptr;
    int downloaded = platform::SendAll(connection, HttpRequest(parts), kWaitMs) &&
                     ReceiveInto(connection, fileName, file);
    platform::CloseConnection(connection);
    if (file && !platform::CloseFile(file)) downloaded = 0;
    // A partial file must never be taken for the program file.
    if (file && !downloaded) platform::RemoveFile(fileName);
    return downloaded;
}
