#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The texts the context menu's commands show or hand on.
namespace kv380::menutext {

// The title of the command's message boxes.
inline constexpr std::string_view StockpileTitle = "Stockpile";
inline constexpr std::string_view NoDatasheets = "The selected object does not have datasheets";
inline constexpr std::string_view NoDatasheetEditor = "Couldn't start the datasheet editor";

inline constexpr std::string_view DeleteTitle = "Confirm delete from workspace";
// The two sentences of the question are broken by a carriage return alone.
inline constexpr std::string_view DeleteQuestion =
    "This action will permanently delete the selected objects from the workspace\r"
    "Are you sure you want to delete?";

// Where the user chose the datasheet editor: a REG_DWORD "Type" under the current user, 0 for the
// workspace's own editor.
inline constexpr std::string_view DatasheetEditorKey =
    "Software\\Velmarck\\Corvane\\38.0\\VIVarurava\\Settings\\DatasheetEditor";
inline constexpr std::string_view DatasheetEditorValue = "Type";

// The drawing application's command that finds the object named in its status bar on the drawings.
inline constexpr int32_t FindOnDrawingsCommand = 12094;

// The find command's status-bar text: "PipeBrowser " for an object of type exactly "Pipe", "Stockpile "
// for any other, then the identifier, a space and the name.
std::string findOnDrawingsText(std::string_view objectType, std::string_view objectId,
                               std::string_view objectKey);

} // namespace kv380::menutext
