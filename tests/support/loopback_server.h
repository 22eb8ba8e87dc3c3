// A one-connection HTTP server on the loopback interface in a thread: it reads
// the request, sends the answer, stays quiet for quietMs, then closes.
#pragma once

#include <winsock.h>

#include <atomic>
#include <string>
#include <thread>

class LoopbackServer {
  public:
    explicit LoopbackServer(std::string answer, unsigned quietMs = 0, unsigned short port = 0)
        : answer(std::move(answer)), quietMs(quietMs) {
        WSADATA sockets;
        WSAStartup(0x0101, &sockets);
        listener = socket(AF_INET, SOCK_STREAM, 0);
        BOOL reuse = TRUE; // a fixed port is free again at once after the last test's server
        setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<char*>(&reuse),
                   sizeof reuse);
        sockaddr_in address = {AF_INET, htons(port), {{{127, 0, 0, 1}}}, {}};
        int length = sizeof address;
        bind(listener, reinterpret_cast<sockaddr*>(&address), length);
        getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
        url = "http://127.0.0.1:" + std::to_string(ntohs(address.sin_port)) + "/Festmelder.upd";
        listen(listener, 1);
        thread = std::thread([this] { Serve(); });
    }
    ~LoopbackServer() {
        stopping = true;
        thread.join();
        closesocket(listener);
        WSACleanup();
    }
    std::string url;

  private:
    void Serve() {
        for (timeval step = {0, 100000};; step = {0, 100000}) { // so that it stops with its test
            fd_set ready = {1, {listener}};
            if (select(0, &ready, nullptr, nullptr, &step) == 1) break;
            if (stopping) return;
        }
        SOCKET client = accept(listener, nullptr, nullptr);
        char request[4096]; // in one piece on the loopback interface
        recv(client, request, sizeof request, 0);
        send(client, answer.data(), static_cast<int>(answer.size()), 0);
        for (DWORD start = GetTickCount(); !stopping && GetTickCount() - start < quietMs;)
            Sleep(50);
        closesocket(client);
    }

    std::string answer;
    unsigned quietMs;
    SOCKET listener;
    std::atomic<bool> stopping{false};
    std::thread thread;
};

inline std::string OkResponse(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}
