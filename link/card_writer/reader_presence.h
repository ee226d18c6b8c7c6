#pragma once
// A reader whose device is gone (the USB adapter pulled out) comes back on
// its own. The tick whose frame could not be written has shown the device
// error once; the port is then closed, and every later tick tries quietly, at
// most once a second, to open the same COM port again. When the device is
// there again the port is opened as usual (with the profile's waits) and
// polling goes on. Choosing a port in the COM port dialog ends the retrying.

#include "reader_frame.h"

// After a tick's exchange: when it ended in exchange::write_failed, the
// device is taken as gone.
void reader_check_gone(exchange result);

// A tick's exchange that failed: the tick changes nothing (the state is put
// back as it was before the tick) and a reader whose frame did not go out is
// taken as gone. True when it failed (the tick ends there).
template <typename State> bool tick_exchange_failed(exchange r, State& s, const State& before) {
    if (r == exchange::done)
        return false;
    s = before;
    reader_check_gone(r);
    return true;
}

// At the start of a tick while the port is not open: true when the reader
// is back (the port open again and its flag set), so that the tick can go on.
bool reader_try_back();

// The retrying ends (a port chosen in the dialog, or none to retry).
void reader_stop_retrying();

// True while the reader is away and retried.
bool reader_away();
