// What a technician types for a port, on either system.
#include "companion_texts.h"
#include "port.h"
#include "port_list.h"

int com_number_of(const std::string& name) {
    int n = 0;
    return com_typed_port(name.c_str(), &n) ? n : 0;
}

bool port_from_text(const std::string& text, bool com_numbers, listed_port* port,
                    std::string* error) {
    if (com_numbers) {
        const int n = com_number_of(text);
        char device[32];
        if (n > 0 && port_device_name(n, device, sizeof device)) {
            *port = {com_name(n), device, "", ""};
            return true;
        }
        *error = qtext(QT_NO_SUCH_COM_PORT, {text});
        return false;
    }
    if (!text.empty() && text[0] == '/') {
        *port = {text, text, "", ""};
        return true;
    }
    *error = qtext(QT_NO_SUCH_PORT_PATH, {text});
    return false;
}
