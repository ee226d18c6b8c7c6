#pragma once
// What the programs' operations would show in a box, as a sentence on the
// console: "the station does not answer", not "Error: Debug: 4e 3d 32 00".

#include <string>

std::string console_words(const std::string& caption, const std::string& text);
