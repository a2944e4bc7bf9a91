// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/cli/TerminalProgress.h"

#include <algorithm>
#include <cstdio>

namespace tarq {

TerminalProgress::TerminalProgress(bool terminal, std::string label, int steps)
    : terminal_(terminal), label_(std::move(label)), steps_(std::max(steps, 1))
{
}

TerminalProgress::~TerminalProgress()
{
    if (terminal_ && shown_ >= 0) {
        std::fprintf(stderr, "\r\033[K");
        std::fflush(stderr);
    }
}

void TerminalProgress::step()
{
    ++done_;
    if (!terminal_)
        return;
    const int percent = std::min(99, done_ * 100 / steps_);
    if (percent == shown_)
        return;
    shown_ = percent;
    std::fprintf(stderr, "\r%s %3d %%", label_.c_str(), percent);
    std::fflush(stderr);
}

} // namespace tarq
