// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Progress of a transfer on standard error: a percentage line that rewrites itself when
// standard error is a terminal, nothing otherwise (scripts get the plain messages).

#include <string>

namespace tarq {

class TerminalProgress {
public:
    // `steps`: the reports the transfer is expected to take; more are shown as 99 %.
    TerminalProgress(bool terminal, std::string label, int steps);
    ~TerminalProgress();

    void step();

private:
    bool terminal_;
    std::string label_;
    int steps_;
    int done_ = 0;
    int shown_ = -1;
};

} // namespace tarq
