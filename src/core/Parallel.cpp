// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Parallel.h"

#include <algorithm>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

namespace quillog
{

std::size_t processorCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

Shares sharesOf(std::size_t size, std::size_t smallest)
{
    const std::size_t fit = smallest == 0 ? size : size / smallest;
    return { size, std::clamp<std::size_t>(fit, 1, processorCount()) };
}

void runTogether(std::size_t count, const std::function<void(std::size_t)> &task)
{
    std::vector<std::exception_ptr> errors(count);
    const auto guarded = [&](std::size_t index) {
        try {
            task(index);
        } catch (...) {
            errors[index] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(count);
    std::vector<std::size_t> withoutThread;
    withoutThread.reserve(count);
    for (std::size_t index = 1; index < count; ++index) {
        try {
            threads.emplace_back(guarded, index);
        } catch (const std::system_error &) {
            withoutThread.push_back(index);
        }
    }
    if (count > 0)
        guarded(0);
    for (const std::size_t index : withoutThread)
        guarded(index);
    for (std::thread &thread : threads)
        thread.join();
    for (const std::exception_ptr &error : errors) {
        if (error)
            std::rethrow_exception(error);
    }
}

} // namespace quillog
