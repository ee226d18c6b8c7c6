#include "classic_poll.h"

#include "block_write_checked.h"
#include "card_writer_ids.h"
#include "card_writer_texts.h"
#include "classic_layout.h"
#include "form.h"
#include "menu_commands.h"
#include "message_box.h"
#include "port.h"
#include "reader_presence.h"

#include <cstring>
#include <string>

namespace {
const int k_fields[] = {TC_CODE, TC_ACCESSES, TC_EXPIRY};

std::string field(int control) {
    return form_text(control).substr(0, 255);
}

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
} // namespace

classic_state& classic() {
    static classic_state s;
    return s;
}

void classic_poll(classic_state& s) {
    if (message_box_open() || (!port_open_flag() && !reader_try_back()))
        return;
    const classic_state before = s;
    int status = 0;
    if (const exchange r = card_detect(&s.reader, &status); r != exchange::done) {
        s = before;
        reader_check_gone(r);
        return;
    }
    if (status == READER_NO_CARD) {
        // The form goes with the card, also when it was lifted right after a
        // write (which leaves the card to be read again by the next tick).
        if (s.card_shown || s.form_shown) {
            hide_form(s);
            form_invalidate(false);
        }
        s.card_shown = false;
        s.card_invalid = false;
        // "Written card" belongs to the card it was written on.
        s.card_written = false;
        return;
    }
    if (status != READER_CARD_PRESENT) {
        s = before;
        localized_message(TXT_ATTENTION, TXT_FAILED);
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

    char block[READER_BLOCK_CHARS + 1];
    int read_status = 0;
    if (const exchange r = block_read(&s.reader, CLASSIC_DATA_BLOCK, block, &read_status);
        r != exchange::done) {
        s = before;
        reader_check_gone(r);
        return;
    }
    if (read_status != 0) {
        show_invalid(s);
        return;
    }
    classic_data data;
    classic_decode_data(block, &data);

    if (const exchange r = block_read(&s.reader, CLASSIC_COUNTER_BLOCK, block, &read_status);
        r != exchange::done) {
        s = before;
        reader_check_gone(r);
        return;
    }
    char accesses[12];
    if (read_status != 0 || !classic_decode_counter(block, data.flags, accesses)) {
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

void classic_write(classic_state& s) {
    // No fields shown (no card, or an invalid one), nothing to write.
    if (!s.form_shown)
        return;
    s.card_shown = true;
    const std::string code = field(TC_CODE);
    const std::string accesses = field(TC_ACCESSES);
    const std::string expiry = field(TC_EXPIRY);
    char data[CLASSIC_PAYLOAD_CHARS + 1];
    char counter[CLASSIC_PAYLOAD_CHARS + 1];
    int refused =
        classic_encode_data(s.reader.uid, code.c_str(), accesses.c_str(), expiry.c_str(), data);
    if (!refused)
        refused = classic_encode_counter(s.reader.uid, accesses.c_str(), counter);
    if (refused) {
        // The form keeps what the technician typed, to be corrected and
        // written: the card is read into it again only once laid again.
        localized_message(TXT_ATTENTION, refused);
        return;
    }
    // Block 5 only after the card holds block 4, and "Written card" only when
    // it holds both: a card whose code, flags and expiry did not go is not
    // one. Then the next tick reads the card into the form again; a write
    // that failed leaves the typing to be written again.
    if (block_write_checked(s.reader, CLASSIC_DATA_BLOCK, data + READER_HEAD_CHARS) &&
        block_write_checked(s.reader, CLASSIC_COUNTER_BLOCK, counter + READER_HEAD_CHARS)) {
        s.card_written = true;
        s.card_shown = false;
    }
}

void classic_command(classic_state& s, int id) {
    // While a box of the window is open its tick is waiting for the OK: a
    // command now would run under it and be rolled back when it goes on.
    if (message_box_open())
        return;
    if (id == TC_WRITE)
        classic_write(s);
    else
        menu_command(id);
}

std::vector<paint_step> classic_paint(const classic_state& s) {
    std::vector<paint_step> steps;
    steps.push_back(step(paint_step::BACKGROUND));
    if (!s.card_shown || s.card_invalid) {
        paint_step prompt = step(paint_step::PROMPT);
        prompt.font = FONT_PROMPT;
        prompt.text = localized(s.card_invalid ? TXT_INVALID_CARD : TXT_PROMPT_PLACE);
        steps.push_back(prompt);
        return steps;
    }
    steps.push_back(step(paint_step::OVERLAY));
    steps.push_back(text_step(FONT_LABEL, 100, 100, 300, 160, localized(TXT_CARD_CODE)));
    steps.push_back(text_step(FONT_LABEL, 100, 160, 300, 220, localized(TXT_ACCESSES)));
    steps.push_back(text_step(FONT_LABEL, 100, 220, 300, 280, localized(TXT_EXPIRY)));
    steps.push_back(text_step(FONT_HEADER, 50, 24, 550, 80,
                              std::string(localized(TXT_CODE)) + s.reader.uid, true));
    if (s.card_written)
        steps.push_back(text_step(FONT_WRITTEN, 340, 306, 580, 380, localized(TXT_WRITTEN), false,
                                  WRITTEN_COLOR));
    return steps;
}

void classic_paint_finished(classic_state& s) {
    if (s.card_shown && !s.card_invalid)
        s.card_written = false;
}
