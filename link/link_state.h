#pragma once
// All the process-wide state of the device link and the settings, in one
// record: the profile in force, the port number, the interface language and
// how many message boxes are open. What belongs to a port is its device
// link's (device_link.h). The
// modules of link/ reach it here; a test puts a program back to its start in
// one step (link_reset).

struct program_profile;

struct link_state {
    const program_profile* profile = nullptr; // nullptr: the default profile
    int port = 0;                             // 0: no port chosen
    int language = 0;                         // 0 Italian, 1 English, 2 Spanish, 3 French
    int boxes_open = 0;                       // message boxes shown and not yet closed
};

// The one record of the process.
link_state& link_record();

// Back to the start: every field as above.
void link_reset();
