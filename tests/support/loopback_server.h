// A one-request HTTP server on the loopback interface, run in a thread of the
// test program: it takes one connection, reads the request up to its empty
// line, sends the given pieces with a pause before each and closes. It waits
// for its connection at most until it is destroyed. Holding the connection
// open after the last piece stands for a server that stalls: it closes then
// once the hold time is over, the client has closed, or it is destroyed.
#pragma once

#include <winsock.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
  public:
    // Port 0 takes any free port. Needs the sockets layer started.
    explicit LoopbackServer(std::vector<std::string> pieces, int pauseMs = 0,
                            unsigned short port = 0, unsigned holdMs = 0);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    unsigned short Port() const { return port_; }
    std::string Url(const std::string& path) const;
    // The request as it came, once the answer was sent.
    std::string Request();

  private:
    void Serve();

    std::vector<std::string> pieces_;
    int pauseMs_;
    unsigned holdMs_;
    SOCKET listener_;
    unsigned short port_ = 0;
    std::atomic<bool> stopping_{false};
    std::string request_;
    std::thread thread_;
};

// An HTTP/1.1 answer "200 OK" with a Content-Length and the body.
std::string OkResponse(const std::string& body);
