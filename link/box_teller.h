#pragma once
// The window programs' teller: each outcome a modal message box, its caption
// and text in the program's words (box_of), shown while the operation waits.

#include "outcome.h"

class box_teller : public teller {
  public:
    explicit box_teller(text_lookup program_text) : text_(program_text) {}
    void tell(const outcome& o) override;

  private:
    text_lookup text_;
};

// A modal message box, OK button only, no owner window; texts UTF-8. It
// counts as an open box (message_box.h) while it is shown.
void message_box(const char* caption, const char* text);
