#pragma once

#include "host/DrwApplication.h"
#include "model/drawing/Sheet.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace kv380::demo {

// The source named in the errors of the drawing application.
inline constexpr const char* DrawingErrorSource = "KV380 Demo Drawing";

// A drawing of the drawing application: one shown for a diagram of the workspace, or a scratch drawing.
class Document : public DrwDocument, public std::enable_shared_from_this<Document> {
public:
    struct Info {
        std::string name{};
        bool visible = true;
        // The workspace diagram the drawing shows; nothing for a scratch drawing.
        std::optional<int64_t> diagramId{};
        std::string diagramClass{};
    };

    // `onClose` lets the owner forget the drawing when it closes.
    Document(Info info, std::function<void(Document&)> onClose)
        : m_info(std::move(info)), m_onClose(std::move(onClose)) {}

    // The sheet of that name, made on first use ("tmp" on a scratch drawing). A closed drawing: error 5.
    std::shared_ptr<DrwSheet> Sheet(const std::string& name) override;
    // Closes the drawing; nothing is saved, as the demo keeps drawings in memory only. Closing twice is
    // error 5.
    void Close(bool bSaveChanges) override;

    const Info& info() const { return m_info; }
    const std::string& name() const { return m_info.name; }
    bool visible() const { return m_info.visible; }
    const std::optional<int64_t>& diagramId() const { return m_info.diagramId; }
    bool closed() const { return m_closed; }

private:
    Info m_info;
    std::function<void(Document&)> m_onClose;
    std::map<std::string, std::shared_ptr<kv380::demo::Sheet>> m_sheets;
    bool m_closed = false;
};

} // namespace kv380::demo
