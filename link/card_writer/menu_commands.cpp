#include "menu_commands.h"

#include "card_writer_ids.h"
#include "card_writer_texts.h"
#include "device_link.h"
#include "form.h"
#include "language.h"
#include "message_box.h"

bool menu_command(device_link& link, int id) {
    if (id == CMD_COM_PORT) {
        {
            const modal_box dialog;
            form_com_port_dialog(IDD_COM_PORT_FIRST + lang_get(), link);
        }
        return !link_is_open(link);
    }
    if (id >= CMD_LANGUAGE_FIRST && id <= CMD_LANGUAGE_LAST)
        switch_language(id - CMD_LANGUAGE_FIRST);
    return false;
}

void show_language() {
    form_set_menu(IDM_MENU_FIRST + lang_get());
    form_set_text(TC_WRITE, localized(TXT_WRITE_CARD));
}

void switch_language(int index) {
    lang_set(index);
    show_language();
    form_repaint_now();
}
