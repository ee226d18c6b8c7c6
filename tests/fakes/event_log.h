#pragma once
// One log of what the fakes were asked to do, in order, shared by the fake
// device and the fake form so that tests can check how their calls interleave.

#include <string>
#include <vector>

namespace fake {

std::vector<std::string>& events();

// The events of one kind ("write", "sleep", ...), without the kind.
std::vector<std::string> events_of(const std::string& kind);

// The whole log as one text, the events separated by "; ".
std::string log_text();

} // namespace fake
