// SPDX-License-Identifier: GPL-2.0-or-later
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
// reason there. For a path the user typed or chose: a link is followed, as cp does (the
// file it points to is replaced); an existing target that is not a regular file (a pipe, a
// device node, a folder) is refused.
bool SaveFileAtomically(const QString& path, std::span<const uint8_t> bytes,
                        QString* errorText = nullptr);

// For the files the program keeps for itself (macro libraries, the gun key list, the demo's
// memory and driver store, the record file): as above, but a symbolic link in the file's
// place is never written through: the save is refused with a text that names the link.
bool SaveOwnFile(const QString& path, std::span<const uint8_t> bytes, QString* errorText = nullptr);

} // namespace tarq
