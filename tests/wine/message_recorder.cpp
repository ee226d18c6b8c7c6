#include "message_recorder.h"

#include "system.h"

std::vector<recorded_message>& recorded_messages() {
    static std::vector<recorded_message> m;
    return m;
}

void sys_message_box(const char* caption, const char* text) {
    recorded_messages().push_back({caption, text});
}
