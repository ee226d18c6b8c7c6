#include "settings.h"

#include "language.h"
#include "messages.h"
#include "port.h"
#include "profile.h"
#include "store.h"
#include "text_number.h"

#include <cstdio>
#include <cstring>

namespace {
int g_port = 0;
int g_port_open = 0;

// A whole number at the start of p, as "%d" reads it, held within int.
int scan_int(const char* p, int* out) {
    long long v = 0;
    if (!leading_number(p, &v))
        return 0;
    *out = static_cast<int>(v > 2147483647LL    ? 2147483647LL
                            : v < -2147483647LL ? -2147483647LL
                                                : v);
    return 1;
}
} // namespace

int settings_port() {
    return g_port;
}
void settings_set_port(int port) {
    g_port = port;
}
int port_open_flag() {
    return g_port_open;
}
void set_port_open_flag(int open) {
    g_port_open = open;
}

int settings_open(const char* path) {
    if (!path || !*path)
        message_box("Path-value is empty!", "Errore");
    if (!store_open(path ? path : ""))
        message_box("Failed to create Key", "Error");
    return 0;
}

int settings_close() {
    store_close();
    return 0;
}

int settings_write(const char* name, const char* text) {
    if (store_write(name, text))
        return 1;
    message_box("Failed to write key", "Error");
    return 0;
}

std::string settings_read(const char* name) {
    char buffer[256];
    buffer[0] = '\0';
    if (!store_read(name, buffer, sizeof buffer))
        return "";
    buffer[sizeof buffer - 1] = '\0';
    return buffer;
}

int scan_port_text(const char* text, int* port) {
    return std::strncmp(text, "COM", 3) == 0 && scan_int(text + 3, port);
}

void settings_load() {
    const program_profile& p = profile_get();
    settings_open(p.settings_key);
    int port = 0;
    if (scan_port_text(settings_read("Port").c_str(), &port)) {
        g_port = port;
        if (p.opens_port_at_start && g_port != 0 && port_open(g_port) == 1)
            g_port_open = 1;
    }
    int lang = 0;
    if (!scan_int(settings_read("Lang").c_str(), &lang))
        lang = 0;
    lang_set(lang); // outside 0 to 3: Italian
    settings_close();
}

void settings_save() {
    if (g_port_open && port_close() == 1)
        g_port_open = 0;
    settings_open(profile_get().settings_key);
    char text[32];
    std::snprintf(text, sizeof text, "COM%d", g_port);
    if (settings_write("Port", text) == 0)
        message_box("Error", "Error writing registry");
    std::snprintf(text, sizeof text, "%d", lang_get());
    if (settings_write("Lang", text) == 0)
        message_box("Error", "Error writing registry");
    settings_close();
}
