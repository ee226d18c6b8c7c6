#pragma once
// Whether a box of the program is open, so that the polling timer can hold
// off while one is: a reader stuck on a failure status then shows one box,
// not one more every tick. Every message box is shown by the window's
// teller (box_teller.h).

// True while a box of the program is open: a message box of the teller, or
// a dialog held open by a modal_box.
bool message_box_open();

// A modal dialog of the program (the COM port dialog) counts as an open box
// for as long as this lives: no tick runs and no command is taken under it,
// so that no box of a tick stacks over the dialog or under its own boxes.
class modal_box {
  public:
    modal_box();
    ~modal_box();
    modal_box(const modal_box&) = delete;
    modal_box& operator=(const modal_box&) = delete;
};
