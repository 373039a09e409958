// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PendingFiles.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace quillog::pendingFiles
{

namespace
{

// A signal handler may only read plain memory and call async-signal-safe functions, so the paths live
// in fixed slots; a slot's path is complete before its flag says so.
struct Slot {
    std::atomic<int> state { 0 }; // 0 free, 1 being filled or emptied, 2 holds a path
    char path[PATH_MAX] {};
};

std::array<Slot, 16> slots;
constexpr std::array<int, 3> handledSignals { SIGTERM, SIGHUP, SIGINT };

extern "C" void removePendingAndExit(int signal)
{
    for (Slot &slot : slots) {
        if (slot.state.load() == 2)
            ::unlink(slot.path);
    }
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

void installHandlers()
{
    for (const int signal : handledSignals) {
        struct sigaction current {
        };
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL
            || (current.sa_flags & SA_SIGINFO) != 0)
            continue;
        struct sigaction action {
        };
        action.sa_handler = removePendingAndExit;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

} // namespace

int remember(const char *path)
{
    static std::once_flag installed;
    std::call_once(installed, installHandlers);
    if (std::strlen(path) >= PATH_MAX)
        return -1;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        int expected = 0;
        if (slots[i].state.compare_exchange_strong(expected, 1)) {
            std::strcpy(slots[i].path, path);
            slots[i].state.store(2);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void forget(int slot)
{
    if (slot >= 0 && static_cast<std::size_t>(slot) < slots.size())
        slots[static_cast<std::size_t>(slot)].state.store(0);
}

} // namespace quillog::pendingFiles
