// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Progress.h"
#include "document/Host.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace quillog::test
{

/// A Host that answers from a script and runs workers at once, recording what the window would show.
class ScriptedHost : public Host
{
public:
    struct Message {
        BoxKind kind;
        std::string text;
    };

    std::deque<Answer> answers; ///< for questions; Answer::Cancel when the script runs dry
    std::deque<std::optional<std::string>> files; ///< for file dialogs; nothing (cancel) when dry
    std::vector<Message> messages;
    std::vector<FileDialogRequest> dialogs;
    std::string title;
    std::string status[3];
    std::vector<std::string> opened;
    int resets = 0;
    /// Runs inside the next worker, as the operator would act while it runs (e.g. pressing Stop).
    std::function<void(Progress &)> duringWorker;
    int stopAfterQuestions = -1; ///< the worker's Progress reports Stop after this many isRunning calls
    /// When set, the worker's Progress throws a std::runtime_error with this text at its first question,
    /// as a reader, writer or check that fails unexpectedly would.
    std::string throwInWorker;

    Answer message(BoxKind kind, std::string_view text, BoxButtons buttons) override
    {
        messages.push_back({ kind, std::string(text) });
        if (buttons == BoxButtons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return Answer::Cancel;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::optional<std::string> chooseFileToOpen(const FileDialogRequest &request) override
    {
        return nextFile(request);
    }
    std::optional<std::string> chooseFileToSave(const FileDialogRequest &request) override
    {
        return nextFile(request);
    }

    void runWorker(WorkerSlot, const std::function<void(Progress &)> &work) override
    {
        ScriptProgress progress(stopAfterQuestions, throwInWorker);
        if (duringWorker)
            std::exchange(duringWorker, nullptr)(progress);
        work(progress);
    }

    void titleChanged(std::string_view text) override { title = text; }
    void statusChanged(int pane, std::string_view text) override { status[pane] = text; }
    void tableReset() override { ++resets; }
    void recentFilesChanged() override { }
    void openWithDefaultProgram(const std::string &path) override { opened.push_back(path); }

    /// The texts of the messages shown so far, and forgets them.
    std::vector<std::string> takeMessages()
    {
        std::vector<std::string> texts;
        for (const Message &m : messages)
            texts.push_back(m.text);
        messages.clear();
        return texts;
    }

private:
    class ScriptProgress : public Progress
    {
    public:
        ScriptProgress(int questions, std::string failure)
            : m_left(questions)
            , m_failure(std::move(failure))
        {
        }
        void setLabel(std::string_view) override { }
        void setPercent(int) override { }
        bool isRunning() const override
        {
            if (!m_failure.empty())
                throw std::runtime_error(m_failure);
            return m_left < 0 || m_left-- > 0;
        }

    private:
        mutable int m_left;
        std::string m_failure;
    };

    std::optional<std::string> nextFile(const FileDialogRequest &request)
    {
        dialogs.push_back(request);
        if (files.empty())
            return std::nullopt;
        auto file = files.front();
        files.pop_front();
        return file;
    }
};

} // namespace quillog::test
