#pragma once
// Whether the program's window is running, asked without raising it: the command line must
// not talk to the mouse while the window owns it.

#include <QString>

#include <functional>

namespace tarq {

enum class WindowState {
    None,         // no window listens on the endpoint
    Running,      // a window owns the endpoint
    Unresponsive, // something holds the endpoint but did not take the connection in time
};

using WindowProbe = std::function<WindowState(int deadlineMs)>;

// The single-instance endpoint of this user's window (TARQ_INSTANCE_NAME overrides it, for
// tests that run copies side by side).
QString WindowEndpointName();

// Connects to the endpoint and leaves again without a request, so the window stays as it is.
WindowState ProbeWindowEndpoint(const QString& name, int deadlineMs);

} // namespace tarq
