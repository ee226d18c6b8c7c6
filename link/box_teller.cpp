#include "box_teller.h"

#include "message_box.h"
#include "system.h"

void message_box(const char* caption, const char* text) {
    const modal_box open;
    sys_message_box(caption, text);
}

void box_teller::tell(const outcome& o) {
    const box_texts box = box_of(o, text_);
    message_box(box.caption.c_str(), box.text.c_str());
}
