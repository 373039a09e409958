// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>

namespace quillog
{

/// Runs numbered pieces of work on worker threads and hands their results on strictly in number order.
struct OrderedWork {
    /// Fills slot with the result of piece. Runs on a worker thread, several pieces at once, each into
    /// a slot that no other piece and no handOn uses meanwhile.
    std::function<void(std::size_t piece, std::size_t slot)> make;
    /// Takes the result of piece from slot, on the calling thread, in number order; false stops the
    /// work (the pieces after it are never handed on).
    std::function<bool(std::size_t piece, std::size_t slot)> handOn;
};

/// Makes pieces 0 to pieces-1 on up to workers threads and hands each on in order, with at most slots
/// results waiting at once (slot numbers run from 0 to slots-1). With one worker or one piece, all runs
/// on the calling thread. An exception thrown by make comes out here, on the calling thread, after
/// every worker has ended. Returns false when handOn stopped the work.
bool runInOrder(std::size_t pieces, std::size_t workers, std::size_t slots, const OrderedWork &work);

} // namespace quillog
