#include "nec/engine/ending_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace loopbeam::nec {
namespace {

volatile sig_atomic_t writeEnd = -1;

void onSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = write(writeEnd, &number, 1);  // a full pipe already has one
    errno = saved;
}

}  // namespace

int catchEndingSignals() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return -1;
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    writeEnd = ends[1];
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) continue;
        struct sigaction caught {};
        caught.sa_handler = onSignal;
        sigemptyset(&caught.sa_mask);
        caught.sa_flags = SA_RESTART;
        sigaction(signal, &caught, nullptr);
    }
    return ends[0];
}

int nextEndingSignal(int pipe) {
    unsigned char number = 0;
    ssize_t n;
    do {
        n = read(pipe, &number, 1);
    } while (n < 0 && errno == EINTR);
    return n == 1 ? number : 0;
}

}  // namespace loopbeam::nec
