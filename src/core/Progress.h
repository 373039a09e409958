// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <string_view>

namespace quillog
{

/// What a long operation tells its watcher, and how it learns that the operator pressed Stop.
/// A worker calls it from its own thread; implementations forward to the progress window.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setLabel(std::string_view label) = 0;
    /// Percentage from 0 to 100.
    virtual void setPercent(int percent) = 0;
    /// False once the operator asked to stop; tested once per line, record or row.
    virtual bool isRunning() const = 0;
};

/// A Progress with a running flag that another thread may clear; labels and percentages are dropped.
class RunningFlag : public Progress
{
public:
    void setLabel(std::string_view) override { }
    void setPercent(int) override { }
    bool isRunning() const override { return m_running.load(std::memory_order_relaxed); }
    void stop() { m_running.store(false, std::memory_order_relaxed); }

private:
    std::atomic<bool> m_running { true };
};

/// Sends a percentage only when it grows, so a large file causes at most about a hundred messages,
/// and sets the label together with the first one sent.
class PercentReporter
{
public:
    PercentReporter(Progress &progress, std::string_view label)
        : m_progress(progress)
        , m_label(label)
    {
    }

    void report(unsigned long long done, unsigned long long total)
    {
        const int percent = total == 0 ? 100 : static_cast<int>(done >= total ? 100 : done * 100 / total);
        if (percent <= m_last)
            return;
        if (m_last < 0 && !m_label.empty())
            m_progress.setLabel(m_label);
        m_last = percent;
        m_progress.setPercent(percent);
    }

private:
    Progress &m_progress;
    std::string_view m_label;
    int m_last = -1;
};

} // namespace quillog
