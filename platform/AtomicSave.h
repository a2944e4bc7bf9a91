#pragma once
// Every file the program writes (macro libraries, profiles, the gun key list, the record
// file) goes through this helper: the bytes are written to a temporary file in the same
// folder, flushed, and renamed over the target only when all of them were written. A crash or
// a full disk therefore leaves the previous file intact instead of a truncated one.

#include <QString>

#include <cstdint>
#include <span>

namespace tarq {

// Replaces (or creates) the file at `path` with `bytes`. On failure returns false, leaves an
// existing file unchanged and, when `errorText` is given, puts the path and the system's
// reason there.
bool SaveFileAtomically(const QString& path, std::span<const uint8_t> bytes,
                        QString* errorText = nullptr);

} // namespace tarq
