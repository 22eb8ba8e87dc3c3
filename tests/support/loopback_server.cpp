#include "tests/support/loopback_server.h"

#include <windows.h>

LoopbackServer::LoopbackServer(std::vector<std::string> pieces, int pauseMs, unsigned short port,
                               unsigned holdMs)
    : pieces_(std::move(pieces)), pauseMs_(pauseMs), holdMs_(holdMs) {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    // A fixed port is free again at once after the previous test's server.
    BOOL reuse = TRUE;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse),
               sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = inet_addr("127.0.0.1");
    address.sin_port = htons(port);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    listen(listener_, 1);
    thread_ = std::thread([this] { Serve(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    closesocket(listener_);
}

std::string LoopbackServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

std::string LoopbackServer::Request() {
    stopping_ = true;
    thread_.join();
    thread_ = std::thread([] {});
    return request_;
}

// The server waits in short steps, so that it stops with the test.
static bool ReadableWithinAStep(SOCKET socket) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    timeval step = {0, 100 * 1000};
    return select(0, &ready, nullptr, nullptr, &step) == 1;
}

void LoopbackServer::Serve() {
    while (!ReadableWithinAStep(listener_))
        if (stopping_) return;
    SOCKET client = accept(listener_, nullptr, nullptr);
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos) {
        int count = recv(client, buffer, sizeof buffer, 0);
        if (count <= 0) break;
        request_.append(buffer, static_cast<std::size_t>(count));
    }
    for (const std::string& piece : pieces_) {
        Sleep(static_cast<DWORD>(pauseMs_));
        send(client, piece.data(), static_cast<int>(piece.size()), 0);
    }
    // No longer than the client stays.
    for (DWORD start = GetTickCount(); !stopping_ && GetTickCount() - start < holdMs_;)
        if (ReadableWithinAStep(client) && recv(client, buffer, sizeof buffer, 0) <= 0) break;
    closesocket(client);
}

std::string OkResponse(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
