// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading a whole binary file (macro libraries, import files, the gun key list).

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tarq {

// The file's bytes, at most `maxBytes` of them (the formats that read only a file's start
// pass their length, so that choosing a huge file by mistake costs nothing). Nothing when the
// file cannot be opened or read; then `errorText`, when given, names the path and the reason.
// The file is opened without blocking and only a regular file is read (a link is followed):
// a pipe, a device node or a folder is refused with "not a regular file".
std::optional<std::vector<uint8_t>> ReadFileBytes(const QString& path, qint64 maxBytes,
                                                  QString* errorText = nullptr);

// Whether `path` names a regular file, following links.
bool IsRegularFile(const QString& path);

} // namespace tarq
