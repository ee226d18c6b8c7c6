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

bool com_typed_port(const char* text, int* port) {
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    if (std::toupper(static_cast<unsigned char>(p[0])) == 'C' &&
        std::toupper(static_cast<unsigned char>(p[1])) == 'O' &&
        std::toupper(static_cast<unsigned char>(p[2])) == 'M')
        p += 3;
    int value = 0;
    int digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)) && digits < 4; ++p, ++digits)
        value = value * 10 + (*p - '0');
    while (*p == ' ' || *p == '\t')
        ++p;
    if (digits == 0 || *p != '\0' || value < 1 || value > COM_TYPED_PORT_MAX)
        return false;
    *port = value;
    return true;
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
    if (selected >= 0) {
        reopen(selected + 1);
        return;
    }
    const char* text = typed ? typed : "";
    int port = 0;
    if (com_typed_port(text, &port)) {
        reopen(port);
        return;
    }
    // Nothing chosen: the working port stays as it is. Only a blank box with
    // a port open is quiet; anything else tells the technician no port opened.
    const bool blank = std::strspn(text, " \t") == std::strlen(text);
    if (!blank || !port_open_flag())
        localized_message(TXT_ERROR, TXT_PORT_ERROR);
}
