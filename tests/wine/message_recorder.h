#pragma once
// The Windows test programs record message boxes instead of showing them, so
// that nothing waits for a click.

#include <string>
#include <vector>

struct recorded_message {
    std::string caption;
    std::string text;
};

std::vector<recorded_message>& recorded_messages();
