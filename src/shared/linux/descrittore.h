// A file descriptor that closes itself, and an open that outlasts signals.
#pragma once

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace Modulo1::Linux {

class Descrittore {
public:
    explicit Descrittore(int fd) : fd_(fd) {}
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    ~Descrittore() {
        if (fd_ >= 0) {
            ::close(fd_);  // not retried on EINTR: Linux frees the descriptor anyway
        }
    }

    bool Valido() const { return fd_ >= 0; }
    int fd() const { return fd_; }

private:
    int fd_;
};

// The opened descriptor, invalid when open fails for any reason but a signal.
inline Descrittore ApriSenzaInterruzioni(const char* Percorso, int Flag) {
    int fd = -1;
    do {
        fd = ::open(Percorso, Flag | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return Descrittore(fd);
}

}  // namespace Modulo1::Linux
