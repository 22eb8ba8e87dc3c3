#include "platform/sockets.h"

#include <winsock.h>

#include <windows.h>

#include "platform/private/system_library.h"

namespace platform {

struct Connection {
    SOCKET Socket;
};

// The functions of "wsock32.dll", loaded when the network is first started.
static struct {
    decltype(&::WSAStartup) WSAStartup;
    decltype(&::WSACleanup) WSACleanup;
    decltype(&::WSAGetLastError) WSAGetLastError;
    decltype(&::__WSAFDIsSet) IsInSet; // what FD_ISSET calls
    decltype(&::inet_addr) inet_addr;
    decltype(&::gethostbyname) gethostbyname;
    decltype(&::htons) htons;
    decltype(&::socket) socket;
    decltype(&::ioctlsocket) ioctlsocket;
    decltype(&::connect) connect;
    decltype(&::select) select;
    decltype(&::send) send;
    decltype(&::recv) recv;
    decltype(&::closesocket) closesocket;
} Winsock;

static int LoadWinsock() {
    const char* library = "wsock32.dll";
    return LoadFunction(Winsock.WSAStartup, library, "WSAStartup") &&
           LoadFunction(Winsock.WSACleanup, library, "WSACleanup") &&
           LoadFunction(Winsock.WSAGetLastError, library, "WSAGetLastError") &&
           LoadFunction(Winsock.IsInSet, library, "__WSAFDIsSet") &&
           LoadFunction(Winsock.inet_addr, library, "inet_addr") &&
           LoadFunction(Winsock.gethostbyname, library, "gethostbyname") &&
           LoadFunction(Winsock.htons, library, "htons") &&
           LoadFunction(Winsock.socket, library, "socket") &&
           LoadFunction(Winsock.ioctlsocket, library, "ioctlsocket") &&
           LoadFunction(Winsock.connect, library, "connect") &&
           LoadFunction(Winsock.select, library, "select") &&
           LoadFunction(Winsock.send, library, "send") &&
           LoadFunction(Winsock.recv, library, "recv") &&
           LoadFunction(Winsock.closesocket, library, "closesocket");
}

static bool NetworkStarted = false;

int StartNetwork() {
    WSADATA data;
    if (!NetworkStarted) NetworkStarted = LoadWinsock() && Winsock.WSAStartup(0x0101, &data) == 0;
    return NetworkStarted ? 1 : 0;
}

void StopNetwork() {
    if (NetworkStarted) Winsock.WSACleanup();
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
    return Winsock.select(0, forWriting ? nullptr : &ready, forWriting ? &ready : nullptr, nullptr,
                          &wait);
}

// A blocking connect waits as long as the system retries, a minute or more
// for a server that does not answer; this one waits at most the time.
static bool Connect(SOCKET socket, const sockaddr_in& address, unsigned milliseconds) {
    u_long nonBlocking = 1;
    Winsock.ioctlsocket(socket, FIONBIO, &nonBlocking);
    bool connected =
        Winsock.connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (!connected && Winsock.WSAGetLastError() == WSAEWOULDBLOCK) {
        // A failed attempt shows in the exception set.
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_SET(socket, &writable);
        FD_ZERO(&failed);
        FD_SET(socket, &failed);
        timeval wait = TimeValue(milliseconds);
        connected = Winsock.select(0, nullptr, &writable, &failed, &wait) > 0 &&
                    Winsock.IsInSet(socket, &writable) && !Winsock.IsInSet(socket, &failed);
    }
    nonBlocking = 0;
    Winsock.ioctlsocket(socket, FIONBIO, &nonBlocking);
    return connected;
}

Connection* OpenConnection(const std::string& host, std::uint16_t port, unsigned milliseconds) {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = Winsock.htons(port);
    address.sin_addr.s_addr = Winsock.inet_addr(host.c_str());
    if (address.sin_addr.s_addr == INADDR_NONE) {
        hostent* found = Winsock.gethostbyname(host.c_str());
        if (!found || !found->h_addr_list[0]) return nullptr;
        address.sin_addr = *reinterpret_cast<in_addr*>(found->h_addr_list[0]);
    }
    SOCKET created = Winsock.socket(AF_INET, SOCK_STREAM, 0);
    if (created == INVALID_SOCKET) return nullptr;
    if (!Connect(created, address, milliseconds)) {
        Winsock.closesocket(created);
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
        int count = Winsock.send(connection->Socket, bytes.data() + sent,
                                 static_cast<int>(bytes.size() - sent), 0);
        if (count == SOCKET_ERROR) return 0;
        sent += static_cast<std::size_t>(count);
    }
    return 1;
}

int WaitReceive(Connection* connection, char* buffer, int size, unsigned milliseconds) {
    int ready = WaitReady(connection->Socket, false, milliseconds);
    if (ready == 0) return 0;
    if (ready == SOCKET_ERROR) return kConnectionBroken;
    // Readable with nothing to read means the other side closed.
    int count = Winsock.recv(connection->Socket, buffer, size, 0);
    if (count == SOCKET_ERROR) return kConnectionBroken;
    return count > 0 ? count : kConnectionClosed;
}

void CloseConnection(Connection* connection) {
    Winsock.closesocket(connection->Socket);
    delete connection;
}

} // namespace platform
