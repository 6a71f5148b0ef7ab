#include "core/handles.h"

namespace mAPI {

int& LiveHandleCount() {
    static int count = 0;
    return count;
}

} // namespace mAPI
