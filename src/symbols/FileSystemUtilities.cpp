#include "symbols/FileSystemUtilities.h"

#include "platform/AutomationError.h"
#include "platform/fs/FileLength.h"

#include <exception>

namespace kv380 {

bool FileExists(std::string_view strPath) {
    return fs::fileLength(strPath).has_value();
}

std::shared_ptr<fs::File> FindFileInFolder(const std::shared_ptr<fs::Folder>& objFolder,
                                           const std::string& strName) {
    if (!objFolder) {
        return nullptr;
    }
    std::shared_ptr<fs::File> found;
    try {
        found = objFolder->Files(strName);
    } catch (const AutomationError&) {
        // Not here (53), or this folder's lookup failed: either way, search on below.
    } catch (const std::exception&) {
    }
    if (found) {
        return found;
    }
    for (const std::shared_ptr<fs::Folder>& sub : objFolder->SubFolders()) {
        if (auto inSub = FindFileInFolder(sub, strName)) {
            return inSub;
        }
    }
    return nullptr;
}

std::string FileNameOf(std::string_view strPath) {
    const size_t last = strPath.rfind('\\');
    return std::string(last == std::string_view::npos ? strPath : strPath.substr(last + 1));
}

std::string AddTrailingBackslash(std::string strPath) {
    if (strPath.empty() || strPath.back() != '\\') {
        strPath += '\\';
    }
    return strPath;
}

} // namespace kv380
