#include "settings.h"

#include "language.h"
#include "link_state.h"
#include "message_box.h"
#include "port.h"
#include "profile.h"
#include "store.h"
#include "text_number.h"

#include <cstdio>
#include <cstring>

namespace {

// A whole number at the start of p, as "%d" reads it, held within int.
bool scan_int(const char* p, int* out) {
    long long v = 0;
    if (!leading_number(p, &v))
        return false;
    *out = static_cast<int>(v > 2147483647LL    ? 2147483647LL
                            : v < -2147483647LL ? -2147483647LL
                                                : v);
    return true;
}
} // namespace

int settings_port() {
    return link_record().port;
}
void settings_set_port(int port) {
    link_record().port = port;
}

void settings_open(const char* path) {
    // Deliberate: the store's own boxes (these two and "Failed to write key")
    // have their caption and text the wrong way round ("Failed to create Key"
    // is the caption, "Error" the text), as the tools have always shown them.
    if (!path || !*path)
        message_box("Path-value is empty!", "Errore");
    if (!store_open(path ? path : ""))
        message_box("Failed to create Key", "Error");
}

void settings_close() {
    store_close();
}

bool settings_write(const char* name, const char* text) {
    if (store_write(name, text))
        return true;
    message_box("Failed to write key", "Error");
    return false;
}

std::string settings_read(const char* name) {
    char buffer[256];
    buffer[0] = '\0';
    if (!store_read(name, buffer, sizeof buffer))
        return "";
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

bool scan_port_text(const char* text, int* port) {
    return std::strncmp(text, "COM", 3) == 0 && scan_int(text + 3, port);
}

void settings_load() {
    const program_profile& p = profile_get();
    settings_open(p.settings_key);
    int port = 0;
    if (scan_port_text(settings_read("Port").c_str(), &port)) {
        settings_set_port(port);
        if (p.opens_port_at_start && port != 0)
            (void)configured_port_open(port); // a failure is silent here
    }
    int lang = 0;
    if (!scan_int(settings_read("Lang").c_str(), &lang))
        lang = 0;
    lang_set(lang); // outside 0 to 3: Italian
    settings_close();
}

void settings_save() {
    configured_port_close();
    settings_open(profile_get().settings_key);
    char text[32];
    std::snprintf(text, sizeof text, "COM%d", settings_port());
    if (!settings_write("Port", text))
        message_box("Error", "Error writing registry");
    std::snprintf(text, sizeof text, "%d", lang_get());
    if (!settings_write("Lang", text))
        message_box("Error", "Error writing registry");
    settings_close();
}
