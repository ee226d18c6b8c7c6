#include "use_port.h"

#include "port.h"
#include "store.h"

bool use_found_port(probe_found found, int com, std::string* said) {
    const char* key = settings_key_of(found);
    if (!key || com <= 0) {
        *said = "nothing stored";
        return false;
    }
    const std::string value = com_name(com);
    const bool stored = store_open(key) && store_write("Port", value.c_str());
    store_close();
    *said = stored ? "stored as the Port of " + std::string(key)
                   : "could not store the Port of " + std::string(key);
    return stored;
}
