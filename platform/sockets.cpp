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

Connection* OpenConnection(const std::string& host, std::uint16_t port) {
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
    if (connect(created, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        closesocket(created);
        return nullptr;
    }
    return new Connection{created};
}

int SendAll(Connection* connection, const std::string& bytes, unsigned milliseconds) {
    DWORD start = GetTickCount();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        if (GetTickCount() - start >= milliseconds) return 0;
        int count =
            send(connection->Socket, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (count == SOCKET_ERROR) Sleep(50);
        else sent += static_cast<std::size_t>(count);
    }
    return 1;
}

int WaitReceive(Connection* connection, char* buffer, int size, unsigned milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(connection->Socket, &readable);
    timeval wait = {static_cast<long>(milliseconds / 1000),
                    static_cast<long>(milliseconds % 1000 * 1000)};
    int ready = select(0, &readable, nullptr, nullptr, &wait);
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
