#include "window/UnattendedDesktop.h"

#include "platform/ui/MsgBoxStyle.h"

#include <cstdio>

namespace kv380::demo {

int UnattendedDesktop::MsgBox(const std::string& prompt, int style, const std::string& title) {
    const int answer = ui::msgbox::defaultAnswer(style);
    std::fprintf(stderr, "[%s] %s -> answered %d\n", title.c_str(), prompt.c_str(), answer);
    return answer;
}

} // namespace kv380::demo
