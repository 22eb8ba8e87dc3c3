#include "platform/sockets.h"

#include <winsock.h>

#include <windows.h>

namespace platform {

struct Connection {
    SOCKET Socket;
};

static bool NetworkStarted = false;

int StartNetwork() {
    WSADATA data;
    if (!NetworkStarted) NetworkStarted = WSAStartup(0x0101, &data) == 0;
    return NetworkStarted ? 1 : 0;
}

void StopNetwork() {
    if (NetworkStarted) WSACleanup();
    NetworkStarted = false;
}

static timeval TimeValue(unsigned milliseconds) {
    return {static_cast<long>(milliseconds / 1000), static_cast<long>(milliseconds % 1000 * 1000)};
}

// Waits at most the time until the socket can be read or, with forWriting,
// written; answers select's count: 1 ready, 0 time out, SOCKET_ERROR.
static int WaitReady(SOCKET socket, bool forWriting, unsigned milliseconds) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    timeval wait = TimeValue(milliseconds);
    return select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, nullptr, &wait);
}

// A blocking connect waits as long as the system retries, a minute or more
// for a server that does not answer; this one waits at most the time.
static bool Connect(SOCKET socket, const sockaddr_in& address, unsigned milliseconds) {
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    bool connected =
        connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && WSAGetLastError() == WSAEWOULDBLOCK) {
        // A failed attempt shows in the exception set.
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_SET(socket, &writable);
        FD_ZERO(&failed);
        FD_SET(socket, &failed);
        timeval wait = TimeValue(milliseconds);
        connected = select(0, nullptr, &writable, &failed, &wait) > 0 &&
                    FD_ISSET(socket, &writable) && !FD_ISSET(socket, &failed);
    }
    nonBlocking = 0;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    return connected;
}

Connection* OpenConnection(const std::string& host, std::uint16_t port, unsigned milliseconds) {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = inet_addr(host.c_str());
    if (address.sin_addr.s_addr == INADDR_NONE) {
        hostent* found = gethostbyname(host.c_str());
        if (!found || !found->h_addr_list[0]) return nullptr;
        address.sin_addr = *reinterpret_cast<in_addr*>(found->h_addr_list[0]);
    }
    SOCKET created = socket(AF_INET, SOCK_STREAM, 0);
    if (created == INVALID_SOCKET) return nullptr;
    if (!Connect(created, address, milliseconds)) {
        closesocket(created);
        return nullptr;
    }
    return new Connection{created};
}

int SendAll(Connection* connection, const std::string& bytes, unsigned milliseconds) {
    DWORD start = GetTickCount();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        DWORD waited = GetTickCount() - start;
        if (waited >= milliseconds ||
            WaitReady(connection->Socket, true, milliseconds - waited) != 1)
            return 0;
        int count =
            send(connection->Socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (count == SOCKET_ERROR) return 0;
        sent += static_cast<std::size_t>(count);
    }
    return 1;
}

int WaitReceive(Connection* connection, char* buffer, int size, unsigned milliseconds) {
    int ready = WaitReady(connection->Socket, false, milliseconds);
    if (ready == 0) return 0;
    if (ready == SOCKET_ERROR) return kConnectionClosed;
    // Readable with nothing to read means the other side closed.
    int count = recv(connection->Socket, buffer, size, 0);
    return count > 0 ? count : kConnectionClosed;
}

void CloseConnection(Connection* connection) {
    closesocket(connection->Socket);
    delete connection;
}

} // namespace platform
