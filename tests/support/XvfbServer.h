// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A private X server for tests and benchmarks: Xvfb on a display number it picks itself,
// stopped when the object goes. Driven through XTEST, it gives real server-side input events.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tarq::testing {

class XvfbServer {
public:
    // Whether an Xvfb program can be found on PATH.
    static bool Installed() { return std::system("command -v Xvfb >/dev/null 2>&1") == 0; }

    XvfbServer()
    {
        int fds[2];
        if (::pipe(fds) != 0)
            return;
        const std::string fd = std::to_string(fds[1]);
        std::string arg0 = "Xvfb";
        std::string a1 = "-displayfd", a3 = "-screen", a4 = "0", a5 = "1024x768x24",
                    a6 = "-nolisten", a7 = "tcp";
        std::string a2 = fd;
        char* argv[] = {arg0.data(), a1.data(), a2.data(), a3.data(), a4.data(), a5.data(),
                        a6.data(), a7.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int rc = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[1]);
        if (rc != 0) {
            pid_ = -1;
            ::close(fds[0]);
            return;
        }
        // Xvfb writes its display number once it accepts connections.
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        while (::poll(&p, 1, 10000) > 0) {
            char c;
            if (::read(fds[0], &c, 1) != 1 || c == '\n')
                break;
            number += c;
        }
        ::close(fds[0]);
        if (!number.empty())
            display_ = ":" + number;
    }

    ~XvfbServer()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            int status = 0;
            ::waitpid(pid_, &status, 0);
        }
    }

    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return !display_.empty(); }
    // ":N", or empty when the server did not start.
    const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

} // namespace tarq::testing
