// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Notice of HID interfaces coming and going, from the system instead of by polling. The device
// check still polls (its timer stays the fallback); a monitor only wakes it up earlier.

namespace tarq {

class HidArrivalMonitor {
public:
    virtual ~HidArrivalMonitor() = default;
    // A file descriptor that becomes readable when the system reports a change.
    virtual int fd() const = 0;
    // Reads every pending report; true when one of them added or removed a HID interface.
    virtual bool takeChanges() = 0;
};

} // namespace tarq
