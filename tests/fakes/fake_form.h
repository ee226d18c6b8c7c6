#pragma once
// A recorded form: the state of every control by its id, and an event in the
// fake device's log for each change, naming the control (or menu, or dialog)
// by the name a test gave it in control_names(), else by its id ("enable
// Write", "hide progress", "progress 3", "list language 2", "check socket 2 0",
// "text Write Scrivi", "entries 903 4", "invalidate 0", "repaint", "menu
// French", "dialog French").

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fake {

struct control {
    bool enabled = true;
    bool shown = true;
    std::string text;
    bool checked = false;
    int list_index = -1;
    std::vector<std::string> entries;
    int progress = 0;
};

std::map<int, control>& form();
// Run while the COM port dialog is "open" (the technician's choice, and the
// timer that goes on ticking under a modal dialog).
std::function<void()>& on_dialog();
// The names the log gives to controls (others are logged by their id).
std::map<int, std::string>& control_names();
void reset_form();

} // namespace fake
