#pragma once
// A TCP proxy on 127.0.0.1 that forwards to a server until the client sends a chunk holding
// `trigger`: it forwards that chunk, then forwards nothing more either way and answers nothing,
// with every connection left open, as a link that has gone silent.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class SilentProxy {
  public:
    SilentProxy(int serverPort, std::string trigger)
        : serverPort_(serverPort), trigger_(std::move(trigger)) {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address = loopback(0);
        socklen_t length = sizeof address;
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        ::listen(listener_, 16);
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { forward(); });
    }
    ~SilentProxy() {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(stop_, &one, sizeof one);
        thread_.join();
        for (const auto& [client, server] : pairs_) {
            if (client >= 0) ::close(client);
            if (server >= 0) ::close(server);
        }
        ::close(listener_);
        ::close(stop_);
    }
    SilentProxy(const SilentProxy&) = delete;
    SilentProxy& operator=(const SilentProxy&) = delete;

    std::string port() const { return std::to_string(port_); }
    // True once the trigger went by and the link is silent.
    bool silent() const { return silent_; }

  private:
    static sockaddr_in loopback(int port) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        return address;
    }

    // Copies what `from` has to `to`; false when `from` closed.
    bool copy(int from, int to, bool fromClient) {
        std::array<char, 65536> buffer{};
        const ssize_t count = ::read(from, buffer.data(), buffer.size());
        if (count <= 0) return false;
        for (ssize_t done = 0; done < count;) {
            const ssize_t written = ::write(to, buffer.data() + done, count - done);
            if (written <= 0) return false;
            done += written;
        }
        if (fromClient && std::string(buffer.data(), count).find(trigger_) != std::string::npos) {
            silent_ = true;
        }
        return true;
    }

    void forward() {
        for (;;) {
            std::vector<pollfd> waits{{stop_, POLLIN, 0}, {listener_, POLLIN, 0}};
            if (!silent_) {
                for (const auto& [client, server] : pairs_) {
                    waits.push_back({client, POLLIN, 0});
                    waits.push_back({server, POLLIN, 0});
                }
            }
            if (::poll(waits.data(), waits.size(), -1) < 0) continue;
            if (waits[0].revents != 0) return;
            if (waits[1].revents != 0) {
                const int client = ::accept(listener_, nullptr, nullptr);
                const int server = ::socket(AF_INET, SOCK_STREAM, 0);
                const sockaddr_in address = loopback(serverPort_);
                ::connect(server, reinterpret_cast<const sockaddr*>(&address), sizeof address);
                pairs_.emplace_back(client, server);
            }
            for (std::size_t wait = 2; wait < waits.size() && !silent_; ++wait) {
                if (waits[wait].revents == 0) continue;
                auto& [client, server] = pairs_[(wait - 2) / 2];
                const bool fromClient = wait % 2 == 0;
                if (client >= 0 &&
                    !copy(fromClient ? client : server, fromClient ? server : client, fromClient)) {
                    ::close(client);
                    ::close(server);
                    client = server = -1;
                }
            }
        }
    }

    int serverPort_;
    std::string trigger_;
    int listener_ = -1;
    int stop_ = ::eventfd(0, 0);
    int port_ = 0;
    std::atomic<bool> silent_ = false;
    std::vector<std::pair<int, int>> pairs_;
    std::thread thread_;
};
