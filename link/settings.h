#pragma once
// The settings held in memory while a program runs: the port number (0: no
// port chosen) and, through language.h, the language index. They are read
// at start-up and saved at exit.

int settings_port();
void settings_set_port(int port);
