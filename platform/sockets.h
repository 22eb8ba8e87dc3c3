// A TCP client over Windows Sockets 1.1.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Starts the sockets layer; answers 1 when it is ready. StopNetwork shuts it
// down again if it was started.
int StartNetwork();
void StopNetwork();

struct Connection;

// Connects to a dotted address or a host name, waiting at most the time for
// the server to answer; nullptr on failure.
Connection* OpenConnection(const std::string& host, std::uint16_t port, unsigned milliseconds);
// Sends every byte within the time; answers 1 when all were sent.
int SendAll(Connection* connection, const std::string& bytes, unsigned milliseconds);

constexpr int kConnectionClosed = -1;
constexpr int kConnectionBroken = -2;
// Waits at most the time for bytes and reads what came, up to size: answers
// their count, 0 when the time ran out, kConnectionClosed when the other side
// closed the connection in order, kConnectionBroken when it broke (a reset).
int WaitReceive(Connection* connection, char* buffer, int size, unsigned milliseconds);
void CloseConnection(Connection* connection);

} // namespace platform
