#include "settings.h"

#include "language.h"
#include "link_state.h"
#include "link_texts.h"
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

outcome store_failed(int caption, int text) {
    outcome o;
    o.what = result::not_stored;
    o.caption = caption;
    o.text = text;
    return o;
}
} // namespace

int settings_port() {
    return link_record().port;
}
void settings_set_port(int port) {
    link_record().port = port;
}

void settings_open(device_link& link, const char* path) {
    // Deliberate: the store's own boxes (these two and "Failed to write key")
    // have their caption and text the wrong way round ("Failed to create Key"
    // is the caption, "Error" the text), as the tools have always shown them.
    if (!path || !*path)
        (void)tell(link, store_failed(LT_PATH_EMPTY, LT_ERRORE));
    if (!store_open(path ? path : ""))
        (void)tell(link, store_failed(LT_CREATE_FAILED, LT_ERROR));
}

void settings_close() {
    store_close();
}

bool settings_write(device_link& link, const char* name, const char* text) {
    if (store_write(name, text))
        return true;
    (void)tell(link, store_failed(LT_WRITE_FAILED, LT_ERROR));
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

void settings_load(device_link& link) {
    const program_profile& p = profile_get();
    settings_open(link, p.settings_key);
    int port = 0;
    if (scan_port_text(settings_read("Port").c_str(), &port)) {
        settings_set_port(port);
        if (p.opens_port_at_start && port != 0)
            (void)link_open(link, port); // a failure is silent here
    }
    lang_set(settings_language_of(settings_read("Lang").c_str()));
    settings_close();
}

int settings_language_of(const char* text) {
    int lang = 0;
    if (!scan_int(text, &lang) || lang < 0 || lang >= LANGUAGE_COUNT)
        return LANGUAGE_ITALIAN;
    return lang;
}

int settings_stored_language(const char* key) {
    if (!key || !store_open_existing(key))
        return -1;
    char text[256] = "";
    const bool there = store_read("Lang", text, sizeof text);
    store_close();
    return there ? settings_language_of(text) : -1;
}

void settings_save(device_link& link) {
    if (link_is_open(link))
        (void)link_close(link);
    settings_open(link, profile_get().settings_key);
    if (!settings_write(link, "Port", com_name(settings_port()).c_str()))
        (void)tell(link, store_failed(LT_ERROR, LT_REGISTRY));
    const std::string lang = std::to_string(lang_get());
    if (!settings_write(link, "Lang", lang.c_str()))
        (void)tell(link, store_failed(LT_ERROR, LT_REGISTRY));
    settings_close();
}
