#include "com_dialog.h"

#include "card_writer_texts.h"
#include "device_link.h"
#include "port.h"
#include "settings.h"

#include <cctype>
#include <cstring>

std::string com_dialog_entry(int index) {
    if (index < 0 || index >= COM_LIST_PORTS)
        return "";
    return com_name(index + 1);
}

int com_dialog_selection() {
    int port = settings_port();
    return (port >= 1 && port <= COM_LIST_PORTS) ? port - 1 : -1;
}

std::string com_dialog_start_text() {
    const int port = settings_port();
    if (port <= COM_LIST_PORTS || port > COM_TYPED_PORT_MAX)
        return "";
    return com_name(port);
}

namespace {
outcome port_error(device_link& link) {
    return tell(link, card_outcome(result::no_port, TXT_ERROR, TXT_PORT_ERROR));
}

void reopen(device_link& link, int port) {
    link_stop_retrying(link);
    settings_set_port(port);
    (void)link_close(link);
    if (!link_open(link, settings_port()))
        (void)port_error(link);
}
} // namespace

void com_dialog_ok(device_link& link, int selected, const char* typed) {
    // The box's text is what the technician sees: a port it names wins over
    // the entry chosen before it was typed over.
    const char* text = typed ? typed : "";
    int port = 0;
    if (com_typed_port(text, &port)) {
        reopen(link, port);
        return;
    }
    const bool blank = std::strspn(text, " \t") == std::strlen(text);
    if (blank && selected >= 0) {
        reopen(link, selected + 1);
        return;
    }
    // Nothing chosen: the working port stays as it is. Only a blank box with
    // a port open is quiet; anything else tells the technician no port opened.
    if (!blank || !link_is_open(link))
        (void)port_error(link);
}
