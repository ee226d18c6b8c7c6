// A short exchange with a card reader through the card writer's link: detect
// the card, read block 4, write a User block, read it back. Console program;
// the link's outcomes (a device error) are printed.
//
//   reader-smoke [PORT]     (default: the SIM_COM environment variable)
#include "card_writer_texts.h"
#include "device_link.h"
#include "language.h"
#include "profile_tandor.h"
#include "reader.h"
#include "reader_frame.h"
#include "system.h"

#include <cstdio>
#include <cstdlib>

namespace {
class printed : public teller {
  public:
    void tell(const outcome& o) override {
        const box_texts box = box_of(o, localized);
        std::fprintf(stderr, "[%s] %s\n", box.caption.c_str(), box.text.c_str());
    }
};
} // namespace

int main(int argc, char** argv) {
    const char* arg = argc > 1 ? argv[1] : std::getenv("SIM_COM");
    int port = arg ? std::atoi(arg) : 0;
    profile_set(&k_tandor_profile);
    lang_set(LANGUAGE_ENGLISH);
    std::printf("opening COM%d at 19200 bit/s (two waits of 2 s)...\n", port);
    printed console;
    device_link link(k_tandor_profile, &console);
    if (!link_open(link, port)) {
        std::printf("cannot open COM%d\n", port);
        return 1;
    }
    card_reader reader{};
    int status = -1;
    if (card_detect(link, &reader, &status) != exchange::done || status != READER_CARD_PRESENT) {
        std::printf("no card on the reader (status %d)\n", status);
        (void)link_close(link);
        return 1;
    }
    std::printf("card UID       %s\n", reader.uid);

    char text[READER_BLOCK_CHARS + 1];
    if (block_read(link, &reader, 4, text, &status) != exchange::done || status != 0) {
        std::printf("block 4 not read (status %d)\n", status);
        (void)link_close(link);
        return 1;
    }
    std::printf("block 4 read   %s\n", text);

    const char user[] = "00000000FFFFFFFFA514050319A5000F";
    if (block_write(link, &reader, 4, user, &status) != exchange::done || status != 0) {
        std::printf("block 4 not written (status %d)\n", status);
        (void)link_close(link);
        return 1;
    }
    std::printf("block 4 write  %s\n", user);
    if (block_read(link, &reader, 4, text, &status) != exchange::done || status != 0) {
        std::printf("block 4 not read back (status %d)\n", status);
        (void)link_close(link);
        return 1;
    }
    std::printf("block 4 again  %s\n", text);
    (void)link_close(link);
    return 0;
}
