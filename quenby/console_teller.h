#pragma once
// The companion's teller: what an operation of the programs tells, as a
// sentence on the console ("quenby: the station does not answer: ..."), not
// in a box's words ("Error: Debug: 4e 3d 32 00").

#include "outcome.h"

#include <ostream>
#include <string>

// The sentence of an outcome; `program_text` reads the ids of the
// program whose operation it is (a rule's refusal is told in its words).
std::string console_words(const outcome& o, text_lookup program_text);

class console_teller : public teller {
  public:
    console_teller(std::ostream& out, text_lookup program_text) : out_(out), text_(program_text) {}
    void tell(const outcome& o) override;

  private:
    std::ostream& out_;
    text_lookup text_;
};
