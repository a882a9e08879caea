// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The platform of the tools that play without a window: messages are kept
// for the error report, slides are not shown, dialogs are cancelled and
// nothing is solved in the background.

#include "engine/platform.h"

#include <string>

namespace mosaic {

class HeadlessPlatform : public Platform {
public:
    MessageAnswer showMessage(const Message& message) override {
        lastMessage = message.detail.empty() ? message.text : message.text + ": " + message.detail;
        return message.defaultButton;
    }
    void slideFrame(int, int, int) override {}
    void solveInBackground(const SolverBoard&, const SolverBoard&, int, SolveChannel) override {}
    std::vector<std::string> gameCompleted(const CompletedGame&) override { return {}; }
    std::int64_t monotonicMs() override { return 0; }
    std::uint32_t clockSeed() override { return 1; }
    std::optional<std::string> chooseFile(FileDialogKind, const std::string&) override {
        return std::nullopt;
    }

    std::string lastMessage;
};

}  // namespace mosaic
