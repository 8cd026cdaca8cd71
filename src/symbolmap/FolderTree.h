#pragma once

#include <string>
#include <vector>

namespace pugi {
class xml_document;
}

namespace kv380 {

// One node of the symbol folder tree, in the order the nodes are added (a parent before its children).
struct FolderNode {
    std::string parentKey; // "" for the root node
    std::string key; // "ROOT", or the node number, ":" and the folder's path relative to the symbol root
    std::string text;
};

// The key of the tree's root node.
inline constexpr const char* FolderTreeRootKey = "ROOT";
// Node numbers start after this for every tree built.
inline constexpr int FolderNodeNumberBase = 100;

// The symbol folders of a target class's drawing template, as tree nodes: the root node (text: the target)
// and below it the folder elements of the first template whose Name is the target and that has a
// SymbolLibrary, with the folders below every "\*" folder read from the disk under symbolRoot at every
// depth. Nothing when no template of that name has a SymbolLibrary.
//
// Folders are numbered from 101 in depth-first order, a folder before what lies below it; template and disk
// folders share the numbering, and hidden folder elements take their number too. A folder element is shown
// only when its State is present and not exactly "Hidden", and what lies below a hidden one is not read.
// Disk folders come in name order without regard to case.
//
// Malformed templates do not stop the rest of the tree: a folder element without Name shows its path's
// last part; a folder element without child elements and without Path is left out; children that are not
// elements (text, comments) are passed over; a "\*" folder that cannot be opened gets its node and nothing
// below it. A later template of the same name is not read: its nodes would repeat the first one's keys.
std::vector<FolderNode> folderTreeNodes(const pugi::xml_document& templates, const std::string& targetClass,
                                        const std::string& symbolRoot);

} // namespace kv380
