#pragma once
// The setup form's controls: kinds, positions, sizes and labels, in the order
// of their creation, which is the Tab order.

// The kinds of control of the form.
enum form_kind {
    KIND_FRAME,        // group box without caption
    KIND_LABEL_LEFT,   // static text
    KIND_LABEL_RIGHT,  // static text, right-aligned
    KIND_EDIT,         // single-line edit, centred, sunken edge
    KIND_LIST,         // drop-down list; h is the height with the list open
    KIND_CHECK,        // auto check box
    KIND_BUTTON,       // push button
    KIND_CLOCK_BUTTON, // push button showing the clock bitmap, sunken edge
    KIND_PROGRESS,     // progress bar, sunken edge, hidden, range 0 to 7
};

struct form_control_spec {
    int control; // its id (velmor_ids.h), which it reports commands with
    form_kind kind;
    int x, y, w, h;
    int label_row; // its label row (velmor_texts.h), or -1
};

// The 42 controls in the order of their creation, which is the Tab order.
extern const form_control_spec k_form_controls[];
extern const int k_form_control_count;
