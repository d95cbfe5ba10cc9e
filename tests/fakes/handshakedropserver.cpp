#include "handshakedropserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace bqfakes {

HandshakeDropServer::~HandshakeDropServer()
{
    stop();
}

bool HandshakeDropServer::start()
{
    if (m_fd >= 0)
        return true;
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (::bind(m_fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 || ::listen(m_fd, 16) != 0
        || ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        ::close(m_fd);
        m_fd = -1;
        return false;
    }
    m_port = ntohs(address.sin_port);
    m_stop = false;
    m_thread = std::thread([this] { run(); });
    return true;
}

void HandshakeDropServer::run()
{
    while (!m_stop) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 100) <= 0)
            continue;
        const int client = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        ++m_connections;
        pollfd c{client, POLLIN, 0};
        if (::poll(&c, 1, 2000) > 0) {
            char greeting[64];
            (void)::recv(client, greeting, sizeof greeting, 0);
        }
        ::close(client);
    }
}

void HandshakeDropServer::stop()
{
    if (m_fd < 0)
        return;
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    ::close(m_fd);
    m_fd = -1;
    m_port = 0;
}

} // namespace bqfakes
