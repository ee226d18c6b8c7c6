#pragma once
// The form seam: the portable core drives the controls of its window through
// these calls, naming each control by a logical id of the program's own. The
// Win32 layer maps them onto child windows; the tests record them.

#include <string>

struct device_link;

void form_enable(int control, bool on);
void form_show(int control, bool on);

// The text of an edit field or a button, UTF-8.
std::string form_text(int control);
void form_set_text(int control, const char* text);

// Check boxes and radio buttons.
bool form_checked(int control);
void form_set_checked(int control, bool on);

// Drop-down lists: the chosen entry (-1: none), and the entries themselves.
int form_list_index(int control);
void form_set_list_index(int control, int index);
void form_set_list_entries(int control, const char* const* entries, int count);

// The progress bar's position.
void form_set_progress(int control, int position);

// Ask for the window to be painted again, with or without its background.
void form_invalidate(bool erase);

// Paint the whole window at once, then invalidate it with its background.
void form_repaint_now();

// Give the main window the menu resource `menu_id`.
void form_set_menu(int menu_id);

// Run the COM port dialog of template `dialog_id`, modal, owned by the main
// window (com_dialog.h holds what it does), on the program's device link.
void form_com_port_dialog(int dialog_id, device_link& link);
