// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The three buffered I/O control requests the companion driver honours (device type 0x22,
// any access, buffered transfer), and the header of the store request buffer.

#include <cstddef>
#include <cstdint>

namespace tarq {

constexpr uint32_t IoctlReadStore = 0x223E04;  // in: request buffer; out: the same buffer, filled
constexpr uint32_t IoctlWriteStore = 0x223E08; // in: request buffer; out: none
constexpr uint32_t IoctlGetCpiLed = 0x223E0C;  // in: none; out: the 4-byte CPI and LED record

// Request buffer: store offset (4 bytes), length n (4 bytes), then n data bytes; little-endian.
constexpr size_t kStoreRequestHeader = 8;

// The driver keeps at least this much store; reset files cover all of it.
constexpr size_t kDriverStoreSize = 102400;

} // namespace tarq
