#include "classic_state.h"

classic_state& classic() {
    static classic_state s;
    return s;
}
