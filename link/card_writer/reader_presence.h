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

// At the start of a tick while the port is not open: true when the reader
// is back (the port open again and its flag set), so that the tick can go on.
bool reader_try_back();

// The retrying ends (a port chosen in the dialog, or none to retry).
void reader_stop_retrying();

// True while the reader is away and retried.
bool reader_away();
