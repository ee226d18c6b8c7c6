#include "message_box.h"

#include "link_state.h"
#include "system.h"

void message_box(const char* caption, const char* text) {
    const modal_box open;
    sys_message_box(caption, text);
}

bool message_box_open() {
    return link_record().boxes_open > 0;
}

modal_box::modal_box() {
    ++link_record().boxes_open;
}

modal_box::~modal_box() {
    --link_record().boxes_open;
}
