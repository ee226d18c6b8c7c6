// Pictures of the programs against the simulators, taken through their
// windows under Wine.
//
//   screens-driver PROGRAM LANGUAGE FILE.bmp
//     One picture in one language (0-3), always the same: the card writers
//     with a User card (the classic one with its classic card) on the reader,
//     velmor after a Read with its date and time set to one fixed moment.
//     Used by scripts/screens.
//
//   screens-driver --tour PROGRAM DIR [--short]
//     The states a technician goes through, one picture each (DIR/NN.bmp) and
//     one line "NN.bmp<TAB>what it shows" in DIR/index.txt; --short takes the
//     main road only. Fails when a state is not reached. Used by scripts/run.
//
// PROGRAM is tandor, tandor-classic or velmor; the program is VM_PROGRAM and
// the simulator the one with-sim started (SIM_COM, SIM_CONTROL_PORT).
#include "card_writer_ids.h"
#include "e2e_support.h"
#include "velmor_ids.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
const char k_user[] = "place 0A1B2C3D 4=5C3E71D4FFFFFFFFA500311227A5002A";
const char k_classic[] = "place 0A1B2C3D 4=01234567890315121400000000000000 "
                         "5=0F000000F0FFFFFF0F00000001FE01FE";

// Saves the client area of the main window as a 24-bit BMP file.
bool screenshot(HWND main, const std::string& path) {
    RECT r;
    GetClientRect(main, &r);
    POINT origin = {0, 0};
    ClientToScreen(main, &origin);
    int w = r.right, h = r.bottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    SelectObject(mem, old);
    GdiFlush();
    DWORD row = static_cast<DWORD>((w * 3 + 3) & ~3);
    DWORD size = row * static_cast<DWORD>(h);
    BITMAPFILEHEADER fh{};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + size;
    bool ok = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 &&
             std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, size, 1, f) == 1;
        std::fclose(f);
    }
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return ok;
}

// Starts the program on the simulator's port (or none) in a language.
bool start(program& app, const std::string& what, bool with_port, const char* lang) {
    const bool velmor = what == "velmor";
    const char* key = velmor ? "Software\\Velmor" : "Software\\Tandor";
    reg_delete_key(key);
    store_settings(key, with_port, lang);
    return app.start(program_path(), velmor ? L"VelmorClass" : L"TandorClass");
}

bool read_station(program& app) {
    app.command(VC_READ);
    return wait_for([&] { return sim_log_of("RX").size() == 4; }) &&
           wait_for([&] { return !visible(app.child(VC_PROGRESS)); });
}

int one_screen(const std::string& what, const char* lang, const char* file) {
    if (what == "tandor")
        sim_command(k_user);
    else if (what == "tandor-classic")
        sim_command(k_classic);
    else
        sim_command("set language=FR count=2A socket1=411SST3210 socket2=302SNN0606");
    program app;
    if (!start(app, what, true, lang))
        return 1;
    bool ready;
    if (what == "velmor") {
        ready = read_station(app);
        type_into(app.child(VC_DATE), "01/01/2027");
        type_into(app.child(VC_TIME), "12:00:00");
    } else {
        ready = wait_for([&] { return visible(app.child(TC_CODE)) && overlay_painted(app.main); });
    }
    Sleep(800); // a painting after the last change
    const bool saved = ready && screenshot(app.main, file);
    app.close();
    return saved ? 0 : 1;
}

class tour {
  public:
    tour(const std::string& dir) : dir_(dir) {}
    // A picture of the state once `reached` holds; false when it never does.
    template <typename F> bool state(const program& app, const char* what, F reached) {
        if (!wait_for(reached)) {
            std::fprintf(stderr, "tour: not reached: %s\n", what);
            return false;
        }
        Sleep(500); // a painting after the last change
        char name[16];
        std::snprintf(name, sizeof name, "%02d.bmp", ++count_);
        if (!screenshot(app.main, dir_ + "\\" + name))
            return false;
        if (FILE* f = std::fopen((dir_ + "\\index.txt").c_str(), "a")) {
            std::fprintf(f, "%s\t%s\n", name, what);
            std::fclose(f);
        }
        return true;
    }

  private:
    std::string dir_;
    int count_ = 0;
};

// The first start: Italian, no port. The caller closes the program.
bool first_start(tour& t, program& app, const std::string& what) {
    return start(app, what, false, "0") &&
           t.state(app, "first start: Italian, no COM port", [] { return true; });
}

bool card_writer_tour(tour& t, const std::string& what, bool full) {
    const bool classic = what == "tandor-classic";
    if (full) {
        program first;
        if (!first_start(t, first, what) || !first.close())
            return false;
    }
    sim_command(classic ? k_classic : "place 0A1B2C3D 4=00000000000000000000000000000000");
    program app;
    if (!start(app, what, true, "1"))
        return false;
    HWND code = app.child(TC_CODE);
    if (classic) {
        if (!t.state(app, "a classic card read into the form",
                     [&] { return visible(code) && overlay_painted(app.main); }))
            return false;
    } else {
        if (!t.state(app, "a blank card: choose USER CARD or MASTER CARD",
                     [&] { return visible(app.child(TC_USER_CARD)); }))
            return false;
        app.command(TC_USER_CARD);
        if (!wait_for([&] { return visible(code); }))
            return false;
        type_into(code, "C0FFEE42");
        type_into(app.child(TC_EXPIRY), "28/02/2031 24");
        type_into(app.child(TC_ACCESSES), "1234");
        if (!t.state(app, "the User card form, filled in",
                     [&] { return overlay_painted(app.main); }))
            return false;
    }
    app.command(TC_WRITE);
    if (!t.state(app, "the card written: \"Written card\"", [&] {
            return !visible(app.child(TC_WRITE)) && red_pixels(app.main, 340, 306, 580, 380) > 30;
        }))
        return false;
    if (full && !classic) {
        sim_command("card master");
        if (!t.state(app, "a Master card read into the form",
                     [&] { return visible(app.child(TC_PERSONAL)); }))
            return false;
        sim_command("card invalid");
        if (!t.state(app, "an invalid card", [&] { return !visible(app.child(TC_PERSONAL)); }))
            return false;
    } else if (full) {
        sim_command("place 99887766 4=98765432100315121400000000000000");
        sim_command("unreadable 4");
        if (!t.state(app, "a card whose block 4 cannot be read", [&] { return !visible(code); }))
            return false;
    }
    if (full) {
        app.command(CMD_FRENCH);
        if (!t.state(app, "in French",
                     [&] { return text_of(app.child(TC_WRITE)) == "Ecrivez la carte"; }))
            return false;
    }
    return app.close();
}

bool velmor_tour(tour& t, bool full) {
    if (full) {
        program first;
        if (!first_start(t, first, "velmor"))
            return false;
        SendDlgItemMessageW(first.main, VC_UI_LANGUAGE, CB_SETCURSEL, 1, 0);
        first.command(VC_UI_LANGUAGE);
        if (!t.state(first, "switched to English from its list",
                     [&] { return text_of(first.child(VC_READ)) == "Read"; }) ||
            !first.close())
            return false;
    }
    sim_command("set language=SP count=2A socket1=411SST3210 socket2=302SNN0606");
    program app;
    return start(app, "velmor", true, "1") && read_station(app) &&
           t.state(app, "after a Read of a two-socket station", [] { return true; }) && app.close();
}
} // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 4 && first != "--tour")
        return one_screen(first, argv[2], argv[3]);
    if ((argc == 4 || argc == 5) && first == "--tour") {
        const std::string what = argv[2];
        const bool full = argc == 4;
        tour t(argv[3]);
        const bool ok = what == "velmor" ? velmor_tour(t, full) : card_writer_tour(t, what, full);
        return ok ? 0 : 1;
    }
    std::fprintf(stderr, "usage: screens-driver PROGRAM LANGUAGE FILE.bmp\n"
                         "       screens-driver --tour PROGRAM DIR [--short]\n");
    return 2;
}
