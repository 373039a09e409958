// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/OrderedWork.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quillog
{

namespace
{

bool runOnCaller(std::size_t pieces, const OrderedWork &work)
{
    for (std::size_t piece = 0; piece < pieces; ++piece) {
        work.make(piece, 0);
        if (!work.handOn(piece, 0))
            return false;
    }
    return true;
}

// The workers take the pieces in number order as long as a slot is free: piece n uses slot n % slots,
// which is free once piece n - slots has been handed on. Everything they share is guarded by m_mutex;
// a slot's contents pass between the threads through it.
class OrderedRun
{
public:
    OrderedRun(std::size_t pieces, std::size_t slots, const OrderedWork &work)
        : m_work(work)
        , m_pieces(pieces)
        , m_slots(slots)
        , m_ready(slots, false)
        , m_errors(slots)
    {
    }

    OrderedRun(const OrderedRun &) = delete;
    OrderedRun &operator=(const OrderedRun &) = delete;

    // Also on the way out of an exception or a stop: the workers finish the piece in hand and end.
    ~OrderedRun()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_changed.notify_all();
        for (std::thread &thread : m_threads)
            thread.join();
    }

    // Starts up to count workers; how many could start.
    std::size_t start(std::size_t count)
    {
        try {
            for (std::size_t i = 0; i < count; ++i)
                m_threads.emplace_back([this] { work(); });
        } catch (const std::system_error &) {
            // The system has no more threads to give: the ones started do the work.
        }
        return m_threads.size();
    }

    bool handOnAll()
    {
        for (std::size_t piece = 0; piece < m_pieces; ++piece) {
            const std::size_t slot = piece % m_slots;
            std::exception_ptr error;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_ready[slot]; });
                m_ready[slot] = false;
                error = std::exchange(m_errors[slot], nullptr);
            }
            if (error)
                std::rethrow_exception(error);
            if (!m_work.handOn(piece, slot))
                return false;
            {
                const std::lock_guard lock(m_mutex);
                ++m_handedOn;
            }
            m_changed.notify_all();
        }
        return true;
    }

private:
    void work()
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(
                lock, [&] { return m_stopped || m_next >= m_pieces || m_next < m_handedOn + m_slots; });
            if (m_stopped || m_next >= m_pieces)
                return;
            const std::size_t piece = m_next++;
            const std::size_t slot = piece % m_slots;
            lock.unlock();
            std::exception_ptr error;
            try {
                m_work.make(piece, slot);
            } catch (...) {
                error = std::current_exception();
            }
            lock.lock();
            m_errors[slot] = std::move(error);
            m_ready[slot] = true;
            m_changed.notify_all();
        }
    }

    const OrderedWork &m_work;
    const std::size_t m_pieces;
    const std::size_t m_slots;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::thread> m_threads;
    std::vector<bool> m_ready;
    std::vector<std::exception_ptr> m_errors;
    std::size_t m_next = 0;
    std::size_t m_handedOn = 0;
    bool m_stopped = false;
};

} // namespace

bool runInOrder(std::size_t pieces, std::size_t workers, std::size_t slots, const OrderedWork &work)
{
    slots = std::max<std::size_t>(slots, 1);
    if (workers <= 1 || pieces <= 1)
        return runOnCaller(pieces, work);
    OrderedRun run(pieces, slots, work);
    if (run.start(std::min(workers, pieces)) == 0)
        return runOnCaller(pieces, work);
    return run.handOnAll();
}

} // namespace quillog
