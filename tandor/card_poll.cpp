#include "card_poll.h"

#include "card_layout.h"
#include "card_writer_texts.h"
#include "form.h"
#include "message_box.h"
#include "reader_presence.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {
const int k_form_controls[] = {TC_UID,       TC_EXPIRY_NOW, TC_WRITE,       TC_CODE,
                               TC_ACCESSES,  TC_EXPIRY,     TC_PERSONAL,    TC_FREE,
                               TC_DELETE_DB, TC_DATETIME,   TC_DATETIME_NOW};

void hide_form_controls() {
    for (int c : k_form_controls)
        form_show(c, false);
}

void show_write_button(const tandor_state& s) {
    form_show(TC_WRITE, !s.written);
}

void read_error_display(tandor_state& s, bool last_tick_error) {
    if (last_tick_error)
        return;
    s.seen = card_state::invalid;
    s.prompt = card_prompt::invalid;
    for (int c :
         {TC_UID, TC_EXPIRY_NOW, TC_USER_CARD, TC_MASTER_CARD, TC_WRITE, TC_CODE, TC_ACCESSES,
          TC_EXPIRY, TC_PERSONAL, TC_FREE, TC_DELETE_DB, TC_DATETIME, TC_DATETIME_NOW})
        form_show(c, false);
    form_invalidate(true);
}

void blank_display(tandor_state& s, card_state previous) {
    s.seen = card_state::blank;
    s.prompt = card_prompt::select_type;
    if (previous == card_state::blank)
        return;
    form_show(TC_USER_CARD, true);
    form_enable(TC_MASTER_CARD, false);
    form_show(TC_MASTER_CARD, true);
    hide_form_controls();
    form_show(TC_RESET, false);
    form_invalidate(false);
}

// True when the display is done, false when it ended in a read error.
bool user_display(tandor_state& s, card_state previous, const char* block) {
    s.seen = card_state::user;
    form_show(TC_USER_CARD, false);
    form_show(TC_MASTER_CARD, false);
    if (previous == card_state::blank) {
        form_set_text(TC_CODE, "");
        form_set_text(TC_ACCESSES, "");
        form_set_text(TC_EXPIRY, "");
    } else {
        user_form_texts t;
        if (!decode_user_block(block, &t))
            s.read_error = true;
        form_set_text(TC_CODE, t.card_code);
        form_set_text(TC_ACCESSES, t.accesses);
        form_set_text(TC_EXPIRY, t.expiry);
    }
    if (s.read_error)
        return false;
    show_write_button(s);
    for (int c : {TC_UID, TC_CODE, TC_ACCESSES, TC_EXPIRY, TC_EXPIRY_NOW})
        form_show(c, true);
    form_invalidate(false);
    return true;
}

bool master_display(tandor_state& s, card_state previous, const char* block) {
    s.seen = card_state::master;
    form_show(TC_USER_CARD, false);
    form_show(TC_MASTER_CARD, false);
    if (previous == card_state::blank) {
        form_set_checked(TC_PERSONAL, false);
        form_set_checked(TC_FREE, false);
        form_set_checked(TC_DELETE_DB, false);
        form_set_text(TC_DATETIME, "");
    } else {
        master_form_state f{};
        f.personal = form_checked(TC_PERSONAL);
        f.free_mode = form_checked(TC_FREE);
        f.delete_db = form_checked(TC_DELETE_DB);
        std::string datetime = form_text(TC_DATETIME);
        std::snprintf(f.datetime, sizeof f.datetime, "%s", datetime.c_str());
        if (!decode_master_block(block, &f))
            s.read_error = true;
        form_set_checked(TC_PERSONAL, f.personal);
        form_set_checked(TC_FREE, f.free_mode);
        form_set_checked(TC_DELETE_DB, f.delete_db);
        form_set_text(TC_DATETIME, f.datetime);
        form_enable(TC_DATETIME, f.datetime_enabled);
    }
    if (s.read_error)
        return false;
    for (int c : {TC_PERSONAL, TC_FREE, TC_DELETE_DB, TC_DATETIME, TC_DATETIME_NOW})
        form_show(c, true);
    show_write_button(s);
    form_invalidate(true);
    return true;
}
// The card went: the card type buttons and the whole form are hidden (also
// when a refused write has cleared the card-present flag, as when the card is
// lifted while its box is open: no form may stay over "Place the card on the
// reader"), and the card's flags cleared.
void forget_card(tandor_state& s) {
    for (int c : {TC_USER_CARD, TC_MASTER_CARD, TC_RESET})
        form_show(c, false);
    hide_form_controls();
    s.user_card = false;
    s.master_card = false;
    s.card_present = false;
    form_invalidate(false);
}
// The reader finds no card: the form goes with the card.
void no_card(tandor_state& s, card_state previous) {
    s.seen = card_state::none;
    s.prompt = card_prompt::place;
    if (previous != card_state::none)
        forget_card(s);
    // "Written card" belongs to the card it was written on: the next card
    // laid shows its own state and its Write card button.
    s.written = false;
}

// The card's block 4, read: the form of its kind, held while the technician
// edits it.
void show_card(tandor_state& s, card_state previous, const char* block, bool last_tick_error) {
    classify_block(block, &s.user_card, &s.master_card);
    if (!s.written && ((s.user_card && previous == card_state::user) ||
                       (s.master_card && previous == card_state::master)))
        return;
    if (!s.user_card && !s.master_card) {
        blank_display(s, previous);
        return;
    }
    const bool done =
        s.user_card ? user_display(s, previous, block) : master_display(s, previous, block);
    if (!done)
        read_error_display(s, last_tick_error);
}
} // namespace

void poll_port_closed(tandor_state& s) {
    no_card(s, s.seen);
}

void poll_tick(tandor_state& s, device_link& link) {
    if (message_box_open() || !reader_ready(link))
        return;
    const tandor_state before = s;
    card_state previous = s.seen;

    int status = 0;
    if (tick_exchange_failed(link, card_detect(link, &s.reader, &status), s, before))
        return;
    const bool last_tick_error = s.read_error;
    s.read_error = false;

    if (status == READER_NO_CARD) {
        no_card(s, previous);
        return;
    }
    if (status != READER_CARD_PRESENT) {
        s.read_error = before.read_error;
        (void)tell(link, card_outcome(result::failed, TXT_ATTENTION, TXT_FAILED));
        return;
    }

    const bool another_card =
        previous != card_state::none && std::strcmp(s.reader.uid, before.reader.uid) != 0;
    s.card_present = true;
    char block[READER_BLOCK_CHARS + 1];
    int read_status = 0;
    if (tick_exchange_failed(
            link, block_read(link, &s.reader, CARD_ACCESS_BLOCK, block, &read_status), s, before))
        return;
    // Another card laid between two ticks is a new card, exactly as if the
    // reader had seen no card in between: its own block fills the form.
    if (another_card) {
        forget_card(s);
        s.card_present = true;
        s.written = false;
        previous = card_state::none;
    }
    if (read_status != 0) {
        s.read_error = true;
        read_error_display(s, last_tick_error);
        return;
    }
    show_card(s, previous, block, last_tick_error);
}
