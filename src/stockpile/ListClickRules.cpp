#include "stockpile/ListClickRules.h"

namespace kv380 {

std::string_view mappingStatus(std::string_view mapping) {
    if (mapping.find(';') != std::string_view::npos) {
        return status::MultipleMapped;
    }
    return mapping.empty() ? status::NoneMapped : status::DefaultMapped;
}

std::string connectorCommand(std::string_view symbolPath, std::string_view objectId) {
    std::string command = "KV380Connector.ctlCreateConnector\"";
    command += symbolPath;
    command += '<';
    command += objectId;
    command += '>';
    return command;
}

BackgroundAction backgroundAction(const BackgroundMarks& marks) {
    if (marks.sort != marks.sortBefore) {
        return BackgroundAction::Sort;
    }
    if (marks.refresh) {
        return BackgroundAction::Refresh;
    }
    if (marks.gotoOptions) {
        return BackgroundAction::GotoOptions;
    }
    if (marks.autoRefresh) {
        return BackgroundAction::AutoRefresh;
    }
    if (marks.largeIcons) {
        return BackgroundAction::LargeIcons;
    }
    if (marks.smallIcons) {
        return BackgroundAction::SmallIcons;
    }
    return BackgroundAction::None;
}

} // namespace kv380
