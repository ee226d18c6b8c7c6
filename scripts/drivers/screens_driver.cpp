// One picture of a program in one language, always the same: the card
// writers with a User card (the classic one with its classic card) on the
// reader, velmor after a Read with its date and time set to one fixed
// moment. Used by scripts/screens.
//
//   screens-driver tandor|tandor-classic|velmor LANGUAGE(0-3) FILE.bmp
#include "card_writer_ids.h"
#include "e2e_support.h"
#include "velmor_ids.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: screens-driver PROGRAM LANGUAGE FILE.bmp\n");
        return 2;
    }
    const std::string what = argv[1];
    const bool velmor = what == "velmor";
    const char* key = velmor ? "Software\\Velmor" : "Software\\Tandor";
    reg_delete_key(key);
    reg_write(key, "Port", ("COM" + std::to_string(sim_com())).c_str());
    reg_write(key, "Lang", argv[2]);
    if (what == "tandor")
        sim_command("place 0A1B2C3D 4=5C3E71D4FFFFFFFFA500311227A5002A");
    else if (what == "tandor-classic")
        sim_command("place 0A1B2C3D 4=01234567890315121400000000000000 "
                    "5=0F000000F0FFFFFF0F00000001FE01FE");
    else
        sim_command("set language=FR count=2A socket1=411SST3210 socket2=302SNN0606");

    program app;
    if (!app.start(program_path(), velmor ? L"VelmorClass" : L"TandorClass"))
        return 1;
    bool ready;
    if (velmor) {
        app.command(VC_READ);
        ready = wait_for([&] { return sim_log_of("RX").size() == 4; }) &&
                wait_for([&] { return !visible(app.child(VC_PROGRESS)); });
        type_into(app.child(VC_DATE), "01/01/2027");
        type_into(app.child(VC_TIME), "12:00:00");
    } else {
        ready = wait_for([&] { return visible(app.child(TC_CODE)) && overlay_painted(app.main); });
    }
    Sleep(800); // a painting after the last change
    const bool saved = ready && screenshot(app.main, argv[3]);
    app.close();
    return saved ? 0 : 1;
}
