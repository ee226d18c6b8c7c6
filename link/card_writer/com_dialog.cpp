#include "com_dialog.h"

#include "card_writer_texts.h"
#include "port.h"
#include "reader_presence.h"
#include "settings.h"

#include <cctype>
#include <cstring>

std::string com_dialog_entry(int index) {
    if (index < 0 || index >= COM_DIALOG_PORTS)
        return "";
    return "COM" + std::to_string(index + 1);
}

int com_dialog_selection() {
    int port = settings_port();
    return (port >= 1 && port <= COM_DIALOG_PORTS) ? port - 1 : -1;
}

std::string com_dialog_start_text() {
    const int port = settings_port();
    if (port <= COM_DIALOG_PORTS || port > COM_TYPED_PORT_MAX)
        return "";
    return "COM" + std::to_string(port);
}

namespace {
void reopen(int port) {
    reader_stop_retrying();
    settings_set_port(port);
    configured_port_close();
    if (!configured_port_open(settings_port()))
        localized_message(TXT_ERROR, TXT_PORT_ERROR);
}
} // namespace

void com_dialog_ok(int selected, const char* typed) {
    // The box's text is what the technician sees: a port it names wins over
    // the entry chosen before it was typed over.
    const char* text = typed ? typed : "";
    int port = 0;
    if (com_typed_port(text, &port)) {
        reopen(port);
        return;
    }
    const bool blank = std::strspn(text, " \t") == std::strlen(text);
    if (blank && selected >= 0) {
        reopen(selected + 1);
        return;
    }
    // Nothing chosen: the working port stays as it is. Only a blank box with
    // a port open is quiet; anything else tells the technician no port opened.
    if (!blank || !port_open_flag())
        localized_message(TXT_ERROR, TXT_PORT_ERROR);
}
