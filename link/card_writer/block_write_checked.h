#pragma once
// A block write that counts as done only when the card holds it: readers do
// acknowledge writes they did not make (a card lifted during the write, a
// weak field), so the block is read back and compared with what was sent.

#include "outcome.h"
#include "reader.h"

// Writes the 32 hex digits of `content` into `block` of the card and reads
// the block back. Done when the reader took the write and the card holds
// exactly that content. Otherwise the link has told it once: no_card ("No
// card detected") for a write refused with no card, failed ("Failed
// operation") for another refusal or for a block read back other than
// written or not at all, device_error for an exchange that failed (and a
// reader gone is retried quietly).
outcome block_write_checked(device_link& link, const card_reader& reader, int block,
                            const char* content);
