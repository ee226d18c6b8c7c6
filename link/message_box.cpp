#include "message_box.h"

#include "link_state.h"

bool message_box_open() {
    return link_record().boxes_open > 0;
}

modal_box::modal_box() {
    ++link_record().boxes_open;
}

modal_box::~modal_box() {
    --link_record().boxes_open;
}
