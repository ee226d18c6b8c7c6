#include "fake_form.h"

#include "fake_device.h"
#include "form.h"

namespace fake {

std::map<int, control>& form() {
    static std::map<int, control> f;
    return f;
}

std::map<int, std::string>& control_names() {
    static std::map<int, std::string> names;
    return names;
}

std::function<void()>& on_dialog() {
    static std::function<void()> f;
    return f;
}

void reset_form() {
    form().clear();
    on_dialog() = nullptr;
}

} // namespace fake

namespace {
void log(const std::string& e) {
    fake::events().push_back(e);
}

// A control by its name when the test gave it one, else by its id.
std::string name(int c) {
    auto it = fake::control_names().find(c);
    return it == fake::control_names().end() ? std::to_string(c) : it->second;
}
} // namespace

void form_enable(int c, bool on) {
    fake::form()[c].enabled = on;
    log((on ? "enable " : "disable ") + name(c));
}

void form_show(int c, bool on) {
    fake::form()[c].shown = on;
    log((on ? "show " : "hide ") + name(c));
}

std::string form_text(int c) {
    return fake::form()[c].text;
}

void form_set_text(int c, const char* text) {
    fake::form()[c].text = text;
    log("text " + name(c) + " " + text);
}

bool form_checked(int c) {
    return fake::form()[c].checked;
}

void form_set_checked(int c, bool on) {
    fake::form()[c].checked = on;
    log("check " + name(c) + (on ? " 1" : " 0"));
}

int form_list_index(int c) {
    return fake::form()[c].list_index;
}

void form_set_list_index(int c, int index) {
    // As a drop-down list does: an index it does not have leaves no entry chosen.
    const auto& entries = fake::form()[c].entries;
    fake::form()[c].list_index =
        index >= 0 && index < static_cast<int>(entries.size()) ? index : -1;
    log("list " + name(c) + " " + std::to_string(index));
}

void form_set_list_entries(int c, const char* const* entries, int count) {
    fake::form()[c].entries.assign(entries, entries + count);
    fake::form()[c].list_index = -1;
    log("entries " + name(c) + " " + std::to_string(count));
}

void form_set_progress(int c, int position) {
    fake::form()[c].progress = position;
    log("progress " + std::to_string(position));
}

void form_invalidate(bool erase) {
    log(erase ? "invalidate 1" : "invalidate 0");
}

void form_repaint_now() {
    log("repaint");
}

void form_set_menu(int menu_id) {
    log("menu " + name(menu_id));
}

void form_com_port_dialog(int dialog_id, device_link& /*link*/) {
    log("dialog " + name(dialog_id));
    if (fake::on_dialog())
        fake::on_dialog()();
}
