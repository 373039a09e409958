// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

namespace quillog
{

/// How many threads a piece of work that splits well may share: one per processor core, at least one.
std::size_t processorCount();

/// A range of size items cut into count shares for as many threads: share i runs from start(i) up to
/// start(i + 1).
struct Shares {
    std::size_t size = 0;
    std::size_t count = 1;
    std::size_t start(std::size_t part) const { return part >= count ? size : size / count * part; }
};

/// One share per core, none smaller than smallest (a thread costs more than a small share saves), and
/// at least one.
Shares sharesOf(std::size_t size, std::size_t smallest);

/// Runs task(0) to task(count - 1) at once: task(0) on the calling thread, each other one on a thread
/// of its own, and returns when all have finished. A task the system gives no thread runs on the calling
/// thread afterwards. The first exception a task throws is thrown again once every task has ended.
void runTogether(std::size_t count, const std::function<void(std::size_t)> &task);

} // namespace quillog
