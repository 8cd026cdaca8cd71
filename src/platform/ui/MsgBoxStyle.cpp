#include "platform/ui/MsgBoxStyle.h"

#include "platform/AutomationError.h"

namespace kv380::ui::msgbox {

std::vector<int> answersOf(int style) {
    switch (style & 0x7) {
    case OKOnly:
        return {OK};
    case OKCancel:
        return {OK, Cancel};
    case AbortRetryIgnore:
        return {Abort, Retry, Ignore};
    case YesNoCancel:
        return {Yes, No, Cancel};
    case YesNo:
        return {Yes, No};
    case RetryCancel:
        return {Retry, Cancel};
    default:
        raise(err::InvalidProcedureCall);
    }
}

int defaultAnswer(int style) {
    const std::vector<int> answers = answersOf(style);
    const auto button = static_cast<std::size_t>((style & 0x300) >> 8);
    return button < answers.size() ? answers[button] : answers.front();
}

} // namespace kv380::ui::msgbox
