#pragma once

#include "platform/fs/Folder.h"

#include <memory>
#include <string>
#include <string_view>

// The small file-system services the symbol code shares. Paths are in system form ("\" separates folders).
namespace kv380 {

// Whether a regular file (or a link to one) exists at the path. Never fails.
bool FileExists(std::string_view strPath);

// The first file of that name in a depth-first search of the folder: its own files first, then each
// sub-folder in listing order, searched the same way. An empty folder reference or a name found nowhere
// gives an empty reference. A failing lookup of the name in one folder counts as "not there"; a folder
// whose sub-folders cannot be listed stops the search with that error.
std::shared_ptr<fs::File> FindFileInFolder(const std::shared_ptr<fs::Folder>& objFolder,
                                           const std::string& strName);

// The part of the path after its last "\"; the whole path when it has none.
std::string FileNameOf(std::string_view strPath);

// The path with "\" appended unless it already ends in one; "" becomes "\".
std::string AddTrailingBackslash(std::string strPath);

} // namespace kv380
