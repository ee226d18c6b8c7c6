#pragma once
// Every message box of the programs goes through here, so that the polling
// timer can hold off while one is open: a reader stuck on a failure status
// then shows one box, not one more every tick.

// Modal, OK button only, no owner window; texts UTF-8.
void message_box(const char* caption, const char* text);

// True while a message box shown through message_box is open.
bool message_box_open();
