#include "tandor_state.h"

tandor_state& tandor() {
    static tandor_state s;
    return s;
}
