#pragma once
#include <QtGlobal>
#include <atomic>
#include <thread>

namespace bqfakes {

// A listener on 127.0.0.1 that accepts each connection, reads the first bytes
// of the client's TLS greeting and closes the connection: a server that drops
// during the handshake. Runs on its own thread until stopped.
class HandshakeDropServer
{
public:
    HandshakeDropServer() = default;
    ~HandshakeDropServer();   // stops
    HandshakeDropServer(const HandshakeDropServer &) = delete;
    HandshakeDropServer &operator=(const HandshakeDropServer &) = delete;

    bool start();
    void stop();
    quint16 port() const { return m_port; }
    int connectionCount() const { return m_connections.load(); }

private:
    void run();

    int m_fd = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::thread m_thread;
};

} // namespace bqfakes
