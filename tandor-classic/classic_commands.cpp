#include "classic_commands.h"

#include "block_write_checked.h"
#include "card_writer_ids.h"
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "classic_poll.h"
#include "form.h"
#include "menu_commands.h"
#include "message_box.h"

#include <string>

namespace {
std::string field(int control) {
    return form_text(control).substr(0, 255);
}
} // namespace

void classic_write(classic_state& s, device_link& link) {
    // No fields shown (no card, or an invalid one), nothing to write.
    if (!s.form_shown)
        return;
    s.card_shown = true;
    const std::string code = field(TC_CODE);
    const std::string accesses = field(TC_ACCESSES);
    const std::string expiry = field(TC_EXPIRY);
    char data[CLASSIC_PAYLOAD_CHARS + 1];
    char counter[CLASSIC_PAYLOAD_CHARS + 1];
    outcome refused =
        classic_encode_data(s.reader.uid, code.c_str(), accesses.c_str(), expiry.c_str(), data);
    if (refused.done())
        refused = classic_encode_counter(s.reader.uid, accesses.c_str(), counter);
    if (!refused.done()) {
        // The form keeps what the technician typed, to be corrected and
        // written: the card is read into it again only once laid again.
        (void)tell(link, refused);
        return;
    }
    // Block 5 only after the card holds block 4, and "Written card" only when
    // it holds both: a card whose code, flags and expiry did not go is not
    // one. Then the next tick reads the card into the form again; a write
    // that failed leaves the typing to be written again.
    if (block_write_checked(link, s.reader, CLASSIC_DATA_BLOCK, data + READER_HEAD_CHARS).done() &&
        block_write_checked(link, s.reader, CLASSIC_COUNTER_BLOCK, counter + READER_HEAD_CHARS)
            .done()) {
        s.card_written = true;
        s.card_shown = false;
    }
}

void classic_command(classic_state& s, device_link& link, int id) {
    // While a box of the window is open its tick is waiting for the OK: a
    // command now would run under it and be rolled back when it goes on.
    if (message_box_open())
        return;
    if (id == TC_WRITE) {
        classic_write(s, link);
        return;
    }
    if (menu_command(link, id))
        classic_port_closed(s);
}
