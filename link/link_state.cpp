#include "link_state.h"

link_state& link_record() {
    static link_state state;
    return state;
}

void link_reset() {
    link_record() = link_state();
}
