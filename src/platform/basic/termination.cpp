#include "platform/basic/termination.hpp"

#include <csignal>
#include <initializer_list>
#include <signal.h> // pthread_sigmask

namespace kartino::basic {

namespace {

volatile std::sig_atomic_t requested = 0;

extern "C" void onTerminationSignal(int) {
    requested = 1;
}

} // namespace

void installTerminationHandlers() {
    struct sigaction sa {};
    sa.sa_handler = onTerminationSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0; // no SA_RESTART: a blocking wait returns so the loop sees the request
    sigset_t termination;
    sigemptyset(&termination);
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(sig, &sa, nullptr);
        sigaddset(&termination, sig);
    }
    // A launcher that starts the program with these signals blocked holds back one that comes
    // before this point; it is noted now. Left blocked they would never reach the program.
    pthread_sigmask(SIG_UNBLOCK, &termination, nullptr);
}

bool terminationRequested() {
    return requested != 0;
}

void clearTerminationRequest() {
    requested = 0;
}

} // namespace kartino::basic
