#pragma once
// A block write that counts as done only when the card holds it: readers do
// acknowledge writes they did not make (a card lifted during the write, a
// weak field), so the block is read back and compared with what was sent.

#include "reader.h"

// Writes the 32 hex digits of `content` into `block` of the card and reads
// the block back. True when the reader took the write and the card holds
// exactly that content. Otherwise the technician has been told once: "No
// card detected" for a write refused with no card, "Failed operation" for
// another refusal or for a block read back other than written or not at all;
// an exchange that failed has shown the device error (and a reader gone is
// retried quietly).
[[nodiscard]] bool block_write_checked(const card_reader& reader, int block, const char* content);
