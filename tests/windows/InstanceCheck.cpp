// SPDX-License-Identifier: GPL-2.0-or-later
// One window per user on Windows: starts the program (--demo), waits for its window, starts it
// again, and checks that the second start ends by itself, says it brought the first window
// forward, and opened no window of its own; then that the first copy still runs with exactly
// one window, and that it ends when that window is closed. Run under Wine with a display.
//
//   windows_instance_check PROGRAM.exe
//
// Prints "ok NAME" / "not ok NAME: why" and "# figures"; exits 1 when a check failed.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Check(bool ok, const char* name, const std::string& why = {})
{
    if (ok) {
        std::printf("ok %s\n", name);
    } else {
        ++failures;
        std::printf("not ok %s: %s\n", name, why.c_str());
    }
    std::fflush(stdout);
}

constexpr const char* kTitle = "TARQ362A Gaming Mouse v1.0";

struct Started {
    PROCESS_INFORMATION process{};
    HANDLE output = nullptr;   // read end of its standard output and error
    bool ok = false;
};

Started Start(const std::string& program, const std::string& arguments)
{
    Started s;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE write = nullptr;
    if (!CreatePipe(&s.output, &write, &inherit, 0))
        return s;
    SetHandleInformation(s.output, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string line = "\"" + program + "\" " + arguments;
    s.ok = CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &s.process) != FALSE;
    CloseHandle(write);
    return s;
}

std::string ReadAll(HANDLE pipe)
{
    std::string text;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    return text;
}

// The visible top-level windows titled like the program's, with their process ids.
std::vector<DWORD> ProgramWindows()
{
    std::vector<DWORD> owners;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            char title[128] = {};
            GetWindowTextA(window, title, sizeof title);
            if (IsWindowVisible(window) && std::string(title) == kTitle) {
                DWORD pid = 0;
                GetWindowThreadProcessId(window, &pid);
                reinterpret_cast<std::vector<DWORD>*>(list)->push_back(pid);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&owners));
    return owners;
}

bool WaitForWindows(size_t count, DWORD ms)
{
    const ULONGLONG until = GetTickCount64() + ms;
    while (ProgramWindows().size() != count) {
        if (GetTickCount64() > until)
            return false;
        Sleep(50);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: windows_instance_check PROGRAM.exe\n");
        return 2;
    }
    const std::string program = argv[1];

    const ULONGLONG t0 = GetTickCount64();
    Started first = Start(program, "--demo");
    Check(first.ok, "the program starts", "CreateProcess failed: " + std::to_string(GetLastError()));
    if (!first.ok)
        return 1;
    const bool shown = WaitForWindows(1, 60000);
    std::printf("# first window after %llu ms\n", GetTickCount64() - t0);
    Check(shown, "the first start shows one window");
    if (!shown) {
        TerminateProcess(first.process.hProcess, 1);
        return 1;
    }

    // The first copy's window is minimised; the second start must bring it back.
    HWND window = FindWindowA(nullptr, kTitle);
    ShowWindow(window, SW_MINIMIZE);
    Sleep(300);

    const ULONGLONG t1 = GetTickCount64();
    Started second = Start(program, "--demo");
    Check(second.ok, "the second start runs");
    const bool ended = second.ok && WaitForSingleObject(second.process.hProcess, 30000) == WAIT_OBJECT_0;
    DWORD code = 1;
    if (ended)
        GetExitCodeProcess(second.process.hProcess, &code);
    const std::string said = second.ok ? ReadAll(second.output) : std::string();
    std::printf("# second start ended after %llu ms\n", GetTickCount64() - t1);
    Check(ended && code == 0, "the second start ends with exit code 0",
          "ended " + std::to_string(ended) + ", code " + std::to_string(code) + ", said: " + said);
    Check(said.find("already running") != std::string::npos, "the second start says the program runs", said);

    const std::vector<DWORD> owners = ProgramWindows();
    Check(owners.size() == 1 && owners[0] == first.process.dwProcessId, "one window, the first copy's",
          std::to_string(owners.size()) + " windows");
    bool restored = false;
    for (int i = 0; i < 100 && !(restored = !IsIconic(window)); ++i)
        Sleep(50);
    Check(restored, "the first window is restored");
    Check(WaitForSingleObject(first.process.hProcess, 0) == WAIT_TIMEOUT, "the first copy still runs");

    // Closing the window ends the first copy; a start after it opens a window again.
    PostMessageA(window, WM_CLOSE, 0, 0);
    const bool closed = WaitForSingleObject(first.process.hProcess, 30000) == WAIT_OBJECT_0;
    Check(closed, "closing the window ends the first copy");
    if (!closed)
        TerminateProcess(first.process.hProcess, 1);
    Started third = Start(program, "--demo --quit-after-show");
    const bool thirdEnded = third.ok && WaitForSingleObject(third.process.hProcess, 60000) == WAIT_OBJECT_0;
    const std::string thirdSaid = third.ok ? ReadAll(third.output) : std::string();
    Check(thirdEnded && thirdSaid.find("first window shown after") != std::string::npos,
          "a start after the first copy ended opens its window", thirdSaid);
    std::printf("# %s", thirdSaid.c_str());
    if (third.ok && !thirdEnded)
        TerminateProcess(third.process.hProcess, 1);
    return failures ? 1 : 0;
}
