#pragma once
// A recorded form: the state of every control by its logical id, and an
// event in the fake device's log for each change ("enable 100",
// "disable 100", "show 913", "hide 913", "progress 3", "list 903 2",
// "check 300 0", "text 906 16", "entries 903 4", "invalidate 0", "repaint",
// "menu 2002", "dialog 1003").

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
void reset_form();

} // namespace fake
