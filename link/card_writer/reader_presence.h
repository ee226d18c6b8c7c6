#pragma once
// A reader whose device is gone (the USB adapter pulled out) comes back on
// its own. The tick whose frame could not be written has told the device
// error once; the port is then closed, and every later tick tries quietly, at
// most once a second, to open the same port again (link_try_back). When the
// device is there again the port is opened as usual (with the profile's
// waits) and polling goes on. Choosing a port in the COM port dialog ends the
// retrying.

#include "device_link.h"
#include "reader_frame.h"

// After a tick's exchange: when it ended in exchange::write_failed, the
// device is taken as gone.
void reader_check_gone(device_link& link, exchange result);

// A tick's exchange that failed: the tick changes nothing (the state is put
// back as it was before the tick) and a reader whose frame did not go out is
// taken as gone. True when it failed (the tick ends there).
template <typename State>
bool tick_exchange_failed(device_link& link, exchange r, State& s, const State& before) {
    if (r == exchange::done)
        return false;
    s = before;
    reader_check_gone(link, r);
    return true;
}

// At the start of a tick: true when the port is open, or the reader is back.
bool reader_ready(device_link& link);
