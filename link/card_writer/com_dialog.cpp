#include "com_dialog.h"

#include "card_writer_texts.h"
#include "port.h"
#include "reader_presence.h"
#include "settings.h"

#include <cstdio>

const char* com_dialog_entry(int index) {
    static char names[COM_DIALOG_PORTS][8];
    if (index < 0 || index >= COM_DIALOG_PORTS)
        return "";
    std::snprintf(names[index], sizeof names[index], "COM%d", index + 1);
    return names[index];
}

int com_dialog_selection() {
    int port = settings_port();
    return (port >= 1 && port <= COM_DIALOG_PORTS) ? port - 1 : -1;
}

void com_dialog_ok(int selected) {
    reader_stop_retrying();
    settings_set_port(selected < 0 ? 0 : selected + 1);
    if (port_open_flag() && port_close())
        set_port_open_flag(false);
    if (port_open(settings_port()))
        set_port_open_flag(true);
    else
        localized_message(TXT_ERROR, TXT_PORT_ERROR);
}
