#pragma once
// Test doubles of the platform services: they record every call and answer
// from a script, and install themselves for the lifetime of the object.

#include "platform/services.h"

#include <QString>
#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

namespace testing_support {

class RecordingMessages final : public platform::MessageService {
public:
    RecordingMessages() { platform::setMessageService(this); }
    ~RecordingMessages() override { platform::setMessageService(nullptr); }

    // Answers for the next messages, in order; when the script runs out the
    // default button answers.
    void script(std::initializer_list<platform::MessageAnswer> answers)
    {
        for (auto a : answers)
            answers_.push_back(a);
    }
    platform::MessageAnswer show(const platform::MessageRequest &request) override
    {
        calls.push_back(request);
        if (!answers_.empty()) {
            auto a = answers_.front();
            answers_.pop_front();
            return a;
        }
        return platform::defaultAnswer(request);
    }
    std::vector<platform::MessageRequest> calls;

private:
    std::deque<platform::MessageAnswer> answers_;
};

class ScriptedFileChooser final : public platform::FileChooser {
public:
    ScriptedFileChooser() { platform::setFileChooser(this); }
    ~ScriptedFileChooser() override { platform::setFileChooser(nullptr); }
    // std::nullopt stands for a cancelled choice.
    void script(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }
    std::optional<QString> chooseOpenFile(const platform::FileRequest &request) override
    {
        calls.push_back(request);
        if (answers_.empty())
            return std::nullopt;
        auto a = answers_.front();
        answers_.pop_front();
        return a;
    }
    std::vector<platform::FileRequest> calls;

private:
    std::deque<std::optional<QString>> answers_;
};

// Thrown by RecordingExit so that a test sees the program end without ending.
struct ProgramExited : std::runtime_error {
    explicit ProgramExited(int c) : std::runtime_error("program exited"), code(c) {}
    int code;
};

class RecordingExit final : public platform::ExitService {
public:
    RecordingExit() { platform::setExitService(this); }
    ~RecordingExit() override { platform::setExitService(nullptr); }
    void exitProgram(int code) override
    {
        exits.push_back(code);
        if (throwOnExit)
            throw ProgramExited(code);
    }
    bool throwOnExit = false;
    std::vector<int> exits;
};

class RecordingProgress final : public platform::ProgressDisplay {
public:
    RecordingProgress() { platform::setProgressDisplay(this); }
    ~RecordingProgress() override { platform::setProgressDisplay(nullptr); }
    struct Call {
        int percent;
        int mode;
        bool operator==(const Call &) const = default;
    };
    void showProgress(int percent, int mode) override { calls.push_back({percent, mode}); }
    std::vector<Call> calls;
};

} // namespace testing_support
