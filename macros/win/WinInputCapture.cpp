// SPDX-License-Identifier: GPL-2.0-or-later
#include "macros/win/WinInputCapture.h"

#include <windows.h>

#include <atomic>
#include <future>
#include <vector>

namespace tarq {

namespace {

constexpr UINT kStopMessage = WM_APP + 1;
constexpr USHORT kGenericDesktopPage = 0x01;
constexpr USHORT kKeyboardUsage = 0x06;

// The low-level hook procedure has no context argument; one capture runs at a time.
std::atomic<WinInputCapture*> g_running{nullptr};
std::atomic<InputSink*> g_sink{nullptr};

std::string SystemMessage(DWORD code)
{
    char* text = nullptr;
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = n && text ? std::string(text, n) : std::string();
    if (text)
        LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

void Deliver(const InputEvent& event)
{
    if (InputSink* sink = g_sink.load())
        (*sink)(event);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        const uint32_t tick = info->time;
        switch (wParam) {
        case WM_LBUTTONDOWN: Deliver(InputEvent::Button(MouseButton::Left, true, tick)); break;
        case WM_LBUTTONUP: Deliver(InputEvent::Button(MouseButton::Left, false, tick)); break;
        case WM_RBUTTONDOWN: Deliver(InputEvent::Button(MouseButton::Right, true, tick)); break;
        case WM_RBUTTONUP: Deliver(InputEvent::Button(MouseButton::Right, false, tick)); break;
        case WM_MBUTTONDOWN: Deliver(InputEvent::Button(MouseButton::Middle, true, tick)); break;
        case WM_MBUTTONUP: Deliver(InputEvent::Button(MouseButton::Middle, false, tick)); break;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP: {
            // Extra button 2 is Forward, 1 is Backward.
            const WORD which = HIWORD(info->mouseData);
            const bool down = wParam == WM_XBUTTONDOWN;
            if (which == XBUTTON2)
                Deliver(InputEvent::Button(MouseButton::Forward, down, tick));
            else if (which == XBUTTON1)
                Deliver(InputEvent::Button(MouseButton::Backward, down, tick));
            break;
        }
        default:
            break;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RawInput(WinInputCapture& capture, HRAWINPUT handle)
{
    auto report = [&capture](const char* part) {
        const DWORD code = GetLastError();
        if (capture.Diagnostic)
            capture.Diagnostic(std::string("GetRawInputData error : (") + part + ") : " +
                               std::to_string(code) + "/" + SystemMessage(code));
    };
    RAWINPUTHEADER header{};
    UINT size = sizeof header;
    if (GetRawInputData(handle, RID_HEADER, &header, &size, sizeof(RAWINPUTHEADER)) == UINT(-1)) {
        report("RID_HEADER");
        return;
    }
    if (header.dwType != RIM_TYPEKEYBOARD && header.dwType != RIM_TYPEHID)
        return;
    std::vector<BYTE> buffer(header.dwSize);
    size = header.dwSize;
    if (GetRawInputData(handle, RID_INPUT, buffer.data(), &size, sizeof(RAWINPUTHEADER)) == UINT(-1)) {
        report("RID_INPUT");
        return;
    }
    if (header.dwType != RIM_TYPEKEYBOARD || buffer.size() < sizeof(RAWINPUT) - sizeof(RAWINPUT::data) + sizeof(RAWKEYBOARD))
        return;
    const auto* raw = reinterpret_cast<const RAWINPUT*>(buffer.data());
    const RAWKEYBOARD& kb = raw->data.keyboard;
    const uint32_t tick = uint32_t(GetMessageTime());
    if (kb.Message == WM_KEYDOWN || kb.Message == WM_SYSKEYDOWN)
        Deliver(InputEvent::Key(kb.VKey, true, tick));
    else if (kb.Message == WM_KEYUP || kb.Message == WM_SYSKEYUP)
        Deliver(InputEvent::Key(kb.VKey, false, tick));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INPUT) {
        if (WinInputCapture* capture = g_running.load())
            RawInput(*capture, reinterpret_cast<HRAWINPUT>(lParam));
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == kStopMessage) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

constexpr const char* kWindowClass = "TarqInputCaptureWindow";

} // namespace

WinInputCapture::WinInputCapture() = default;

WinInputCapture::~WinInputCapture()
{
    Stop();
}

bool WinInputCapture::Start(InputSink sink)
{
    if (thread_.joinable())
        return true;
    WinInputCapture* none = nullptr;
    if (!g_running.compare_exchange_strong(none, this)) {
        error_ = "another recording is capturing input";
        return false;
    }
    sink_ = std::move(sink);
    g_sink.store(&sink_);
    std::promise<bool> started;
    std::future<bool> ready = started.get_future();
    thread_ = std::thread([this, &started] { Run(&started); });
    if (!ready.get()) {
        thread_.join();
        g_sink.store(nullptr);
        g_running.store(nullptr);
        return false;
    }
    return true;
}

void WinInputCapture::Stop()
{
    if (!thread_.joinable())
        return;
    PostThreadMessageA(threadId_, kStopMessage, 0, 0);
    thread_.join();
    g_sink.store(nullptr);
    g_running.store(nullptr);
    sink_ = nullptr;
}

void WinInputCapture::Run(std::promise<bool>* started)
{
    threadId_ = GetCurrentThreadId();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kWindowClass;
    RegisterClassA(&wc);   // fails harmlessly when the class exists from an earlier run
    HWND window = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    auto fail = [&](const char* what) {
        const DWORD code = GetLastError();
        error_ = std::string(what) + ": " + std::to_string(code) + "/" + SystemMessage(code);
        if (window)
            DestroyWindow(window);
        started->set_value(false);
    };
    if (!window)
        return fail("CreateWindowEx");

    RAWINPUTDEVICE device{kGenericDesktopPage, kKeyboardUsage, RIDEV_INPUTSINK, window};
    if (!RegisterRawInputDevices(&device, 1, sizeof device))
        return fail("RegisterRawInputDevices");
    HHOOK hook = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, instance, 0);
    if (!hook) {
        RAWINPUTDEVICE remove{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
        RegisterRawInputDevices(&remove, 1, sizeof remove);
        return fail("SetWindowsHookEx");
    }
    started->set_value(true);

    // The stop request is a thread message, so it also arrives when the window is busy.
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd == nullptr && msg.message == kStopMessage)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    UnhookWindowsHookEx(hook);
    RAWINPUTDEVICE remove{kGenericDesktopPage, kKeyboardUsage, RIDEV_REMOVE, nullptr};
    RegisterRawInputDevices(&remove, 1, sizeof remove);
    DestroyWindow(window);
}

} // namespace tarq
