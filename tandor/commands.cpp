#include "commands.h"

#include "block_write_checked.h"
#include "card_layout.h"
#include "card_poll.h"
#include "card_writer_texts.h"
#include "clock_text.h"
#include "form.h"
#include "menu_commands.h"
#include "message_box.h"
#include "system.h"

#include <string>

namespace {
void toggle_radio(int chosen, int other) {
    if (form_checked(chosen))
        return;
    form_set_checked(chosen, true);
    form_set_checked(other, false);
}

void toggle_delete_db() {
    if (!form_checked(TC_DELETE_DB)) {
        form_set_checked(TC_DELETE_DB, true);
        form_set_text(TC_DATETIME, "");
        form_enable(TC_DATETIME, false);
    } else {
        form_set_checked(TC_DELETE_DB, false);
        form_enable(TC_DATETIME, true);
    }
}

void fill_now(int control, bool with_seconds) {
    const local_time t = sys_local_time();
    // "dd/mm/yyyy hh:mm:ss", or the expiry's "dd/mm/yyyy hh"
    const std::string now = clock_date(t) + " " + clock_time(t);
    form_set_text(control, (with_seconds ? now : now.substr(0, 13)).c_str());
}

// The form texts as the fields hold them, at most 255 characters each.
std::string field(int control) {
    return form_text(control).substr(0, 255);
}
} // namespace

void write_card(tandor_state& s, device_link& link) {
    // No card form, no write: with neither flag (the card taken away) the
    // layout would fall to Master by default.
    if (!s.user_card && !s.master_card)
        return;
    s.card_present = true;
    char block[CARD_BLOCK_CHARS + 1];
    outcome refused;
    if (s.user_card)
        refused = encode_user_block(field(TC_CODE).c_str(), field(TC_EXPIRY).c_str(),
                                    field(TC_ACCESSES).c_str(), block);
    else
        refused = encode_master_block(form_checked(TC_PERSONAL), form_checked(TC_DELETE_DB),
                                      field(TC_DATETIME).c_str(), block);
    if (!refused.done()) {
        (void)tell(link, refused);
        s.card_present = false;
        return;
    }
    // Written only when the card holds it.
    if (block_write_checked(link, s.reader, CARD_ACCESS_BLOCK, block).done())
        s.written = true;
}

void reset_card(tandor_state& s, device_link& link) {
    if (block_write_checked(link, s.reader, CARD_ACCESS_BLOCK, "00000000000000000000000000000000")
            .done()) {
        s.user_card = false;
        s.master_card = false;
    }
}

void tandor_command(tandor_state& s, device_link& link, int id) {
    // While a box of the window is open its tick is waiting for the OK: a
    // command now would run under it and be rolled back when it goes on.
    if (message_box_open())
        return;
    switch (id) {
    case TC_WRITE:
        write_card(s, link);
        break;
    case TC_USER_CARD:
        s.user_card = true;
        break;
    case TC_MASTER_CARD:
        s.master_card = true;
        break;
    case TC_PERSONAL:
        toggle_radio(TC_PERSONAL, TC_FREE);
        break;
    case TC_FREE:
        toggle_radio(TC_FREE, TC_PERSONAL);
        break;
    case TC_DELETE_DB:
        toggle_delete_db();
        break;
    case TC_UID:
        form_set_text(TC_CODE, s.reader.uid_display);
        break;
    case TC_EXPIRY_NOW:
        fill_now(TC_EXPIRY, false);
        break;
    case TC_DATETIME_NOW:
        fill_now(TC_DATETIME, true);
        break;
    case TC_RESET:
        reset_card(s, link);
        break;
    default:
        if (menu_command(link, id))
            poll_port_closed(s);
        break;
    }
}
