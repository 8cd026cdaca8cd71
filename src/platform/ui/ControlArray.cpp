#include "platform/ui/ControlArray.h"

#include "platform/AutomationError.h"
#include "platform/ui/TopLevel.h"
#include "platform/ui/UiErrors.h"

#include <utility>

namespace kv380::ui {

namespace {
constexpr int kHighestIndex = 32767;
}

ControlArrayBase::ControlArrayBase(TopLevel& owner, std::string name, Control& design)
    : m_owner(owner), m_name(std::move(name)), m_design(&design) {
    m_elements.emplace(design.Index(), &design);
}

ControlArrayBase::~ControlArrayBase() = default;

int ControlArrayBase::LBound() const {
    return m_elements.begin()->first;
}

int ControlArrayBase::UBound() const {
    return m_elements.rbegin()->first;
}

std::vector<int> ControlArrayBase::indexes() const {
    std::vector<int> result;
    result.reserve(m_elements.size());
    for (const auto& entry : m_elements) {
        result.push_back(entry.first);
    }
    return result;
}

Control& ControlArrayBase::element(int index) const {
    const auto it = m_elements.find(index);
    if (it == m_elements.end()) {
        raise(err::ControlArrayElementMissing);
    }
    return *it->second;
}

Control& ControlArrayBase::loadCopy(int index) {
    if (index < 0 || index > kHighestIndex) {
        raise(err::ControlArrayElementMissing);
    }
    if (exists(index)) {
        raiseUi(uierr::ObjectAlreadyLoaded);
    }
    std::unique_ptr<Control> copy = m_design->cloneDesign();
    copy->m_index = index;
    Control& loaded = m_owner.adopt(std::move(copy), m_design->Container(), true);
    m_elements.emplace(index, &loaded);
    wire(loaded, index);
    return loaded;
}

void ControlArrayBase::Unload(int index) {
    Control& doomed = element(index);
    if (&doomed == m_design) {
        raiseUi(uierr::CannotUnloadDesignElement);
    }
    if (doomed.raisingEvent()) {
        raiseUi(uierr::CannotUnloadInContext);
    }
    m_elements.erase(index);
    m_owner.discard(doomed);
}

} // namespace kv380::ui
