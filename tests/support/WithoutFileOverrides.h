#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kv380::test {

// Takes away, for the calling thread, the capabilities that let root read, search and write any file or
// folder, so that modes count for root as for anyone else. Nothing to do for other users. active() says
// whether modes count now (a test that needs them skips otherwise).
class WithoutFileOverrides {
public:
    WithoutFileOverrides() {
        if (::geteuid() != 0) {
            m_active = true;
            return;
        }
        if (::syscall(SYS_capget, &m_header, m_saved) != 0) {
            return;
        }
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &=
            ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_dropped = ::syscall(SYS_capset, &m_header, reduced) == 0;
        m_active = m_dropped;
    }
    ~WithoutFileOverrides() {
        if (m_dropped) {
            ::syscall(SYS_capset, &m_header, m_saved);
        }
    }
    WithoutFileOverrides(const WithoutFileOverrides&) = delete;
    WithoutFileOverrides& operator=(const WithoutFileOverrides&) = delete;

    bool active() const { return m_active; }

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped{false};
    bool m_active{false};
};

} // namespace kv380::test
