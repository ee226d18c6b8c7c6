#include "use_port.h"

#include "port.h"
#include "store.h"

port_stored use_found_port(probe_found found, int com) {
    const char* key = settings_key_of(found);
    if (!key || com <= 0)
        return port_stored::nothing;
    const std::string value = com_name(com);
    const bool stored = store_open(key) && store_write("Port", value.c_str());
    store_close();
    return stored ? port_stored::stored : port_stored::failed;
}
