#include "classic_poll.h"

#include "card_writer_ids.h"
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "form.h"
#include "message_box.h"
#include "reader_presence.h"

#include <cstring>

namespace {
const int k_fields[] = {TC_CODE, TC_ACCESSES, TC_EXPIRY};

void hide_form(classic_state& s) {
    form_show(TC_WRITE, false);
    for (int c : k_fields)
        form_show(c, false);
    s.form_shown = false;
}

// A block of the card that cannot be read, or a counter that is no sound
// value block: "Invalid card", with no fields of another card over it and
// nothing to write.
void show_invalid(classic_state& s) {
    s.card_invalid = true;
    hide_form(s);
    form_invalidate(true);
}
// A card laid: blocks 4 and 5 read into the form; an exchange that fails
// puts the state back as it was before the tick.
void read_card(classic_state& s, device_link& link, const classic_state& before) {
    char block[READER_BLOCK_CHARS + 1];
    int read_status = 0;
    if (tick_exchange_failed(
            link, block_read(link, &s.reader, CLASSIC_DATA_BLOCK, block, &read_status), s, before))
        return;
    if (read_status != 0) {
        show_invalid(s);
        return;
    }
    classic_data data;
    classic_decode_data(block, &data);

    if (tick_exchange_failed(
            link, block_read(link, &s.reader, CLASSIC_COUNTER_BLOCK, block, &read_status), s,
            before))
        return;
    char accesses[12] = "";
    s.count_unwritten = read_status == 0 && classic_counter_never_written(block, data.flags);
    if (read_status != 0 ||
        (!s.count_unwritten && !classic_decode_counter(block, data.flags, accesses))) {
        show_invalid(s);
        return;
    }
    form_set_text(TC_CODE, data.card_code);
    form_set_text(TC_EXPIRY, data.expiry);
    form_set_text(TC_ACCESSES, accesses);
    form_show(TC_WRITE, !s.card_written);
    for (int c : k_fields)
        form_show(c, true);
    s.form_shown = true;
    form_invalidate(false);
}

// The reader finds no card: the form goes with it, also when it was lifted
// right after a write (which leaves the card to be read again by the next
// tick), and "Written card" with it.
void no_card(classic_state& s) {
    if (s.card_shown || s.form_shown) {
        hide_form(s);
        form_invalidate(false);
    }
    s.card_shown = false;
    s.card_invalid = false;
    s.card_written = false;
    s.count_unwritten = false;
}
} // namespace

void classic_port_closed(classic_state& s) {
    no_card(s);
}

void classic_poll(classic_state& s, device_link& link) {
    if (message_box_open() || !reader_ready(link))
        return;
    const classic_state before = s;
    int status = 0;
    if (tick_exchange_failed(link, card_detect(link, &s.reader, &status), s, before))
        return;
    if (status == READER_NO_CARD) {
        no_card(s);
        return;
    }
    if (status != READER_CARD_PRESENT) {
        s = before;
        (void)tell(link, card_outcome(result::failed, TXT_ATTENTION, TXT_FAILED));
        return;
    }
    // Another card laid between two ticks is a new card: it is read into the
    // form as if the reader had seen no card in between, also right after a
    // write ("Written card" belongs to the card it was written on).
    if (std::strcmp(s.reader.uid, before.reader.uid) != 0) {
        s.card_shown = false;
        s.card_invalid = false;
        s.card_written = false;
    }
    if (s.card_shown) {
        // The card stays: the form keeps what it shows, and the card keeps the
        // UID it was read with.
        s.reader = before.reader;
        return;
    }
    s.card_shown = true;
    read_card(s, link, before);
}
