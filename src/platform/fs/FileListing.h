#pragma once

#include "platform/fs/FilePattern.h"

#include <string>
#include <string_view>
#include <vector>

namespace kv380::fs {

// The names of a folder's plain files that match a pattern ("*.sym"), in byte-wise name order. Plain files
// are regular files and links to them, not hidden ones (names starting with "."). A folder that is missing
// or cannot be read has no files: the result is empty, nothing is thrown.
std::vector<std::string> listFiles(std::string_view folderSystemPath, std::string_view pattern,
                                   MatchCase matchCase);

} // namespace kv380::fs
