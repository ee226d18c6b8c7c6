#include "reader_presence.h"

void reader_check_gone(device_link& link, exchange result) {
    if (result == exchange::write_failed)
        link_gone(link);
}

bool reader_ready(device_link& link) {
    return link_is_open(link) || link_try_back(link);
}
