#pragma once
// What an operation of the core came to. The core shows nothing itself: an
// operation hands each of its outcomes, when it happens, to the teller of its
// device link (the window's shows a message box, the companion's prints a
// sentence, a quiet link has none) and returns the one it ended with.

#include <cstdint>
#include <string>
#include <vector>

enum class result {
    done,          // done (a write: the device holds it)
    refused,       // a check refused what was given: nothing was sent
    no_port,       // the port did not open: nothing was sent
    send_failed,   // the line did not take a command: the operation ended there
    silent,        // the device answered nothing
    unread_answer, // an answer the program does not read (its bytes kept)
    not_held,      // the device does not hold what was written (what differs kept)
    device_error,  // the exchange with the reader failed
    no_card,       // the reader found no card to write on
    failed,        // the reader refused, or the card holds other than what was written
    not_stored,    // a setting could not be stored
};

struct [[nodiscard]] outcome {
    result what = result::done;
    int caption = 0;                 // the id of the caption's text
    int text = 0;                    // the id of the text that tells it; 0: none
    std::string detail;              // after the text: the parts that differ, a rule's message
    std::vector<std::uint8_t> bytes; // the device's bytes that tell it
    bool done() const { return what == result::done; }
};

// The outcome of what went as asked.
inline outcome done_outcome() {
    return {};
}

// Who tells outcomes to the technician.
class teller {
  public:
    virtual ~teller() = default;
    virtual void tell(const outcome& o) = 0;
};

// The texts of a program by id: its own ids, and the link's (link_texts.h).
using text_lookup = const char* (*)(int id);

// An outcome as a message box shows it: its caption, and its text, then the
// detail, then the bytes ("Debug: 4e 3d 32 00").
struct box_texts {
    std::string caption;
    std::string text;
};
box_texts box_of(const outcome& o, text_lookup program_text);
