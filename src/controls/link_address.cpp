#include "controls/link_address.h"

#include "controls/shell_services.h"

namespace velmaro {

bool CLinkAddress::Open() const {
    if (m_address.isEmpty()) {
        return false;
    }
    return ShellOpen(m_address);
}

} // namespace velmaro
