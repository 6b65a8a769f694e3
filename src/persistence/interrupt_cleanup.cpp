#include "persistence/interrupt_cleanup.h"

#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>

namespace huewright {

namespace {

// The handler may only touch what is async-signal-safe: a fixed buffer and a flag.
char pendingName[PATH_MAX];
volatile std::sig_atomic_t namePending = 0;

extern "C" void removePendingName(int signal) {
    if (namePending != 0) {
        ::unlink(pendingName);
    }
    // The action was reset on delivery: raising again ends the process as the signal does.
    std::raise(signal);
}

}  // namespace

void installInterruptCleanup() {
    struct sigaction action {};
    action.sa_handler = removePendingName;
    action.sa_flags = static_cast<int>(SA_RESETHAND);
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction previous {};
        // A signal the parent set to be ignored stays ignored, as for any program.
        if (::sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler != SIG_IGN) {
            ::sigaction(signal, &action, nullptr);
        }
    }
}

InterruptCleanupName::InterruptCleanupName(const std::filesystem::path& file) {
    const std::string& name = file.native();
    namePending = 0;
    const std::size_t length = std::min(name.size(), sizeof pendingName - 1);
    std::memcpy(pendingName, name.data(), length);
    pendingName[length] = '\0';
    namePending = name.size() < sizeof pendingName ? 1 : 0;
}

InterruptCleanupName::~InterruptCleanupName() {
    namePending = 0;
}

}  // namespace huewright
