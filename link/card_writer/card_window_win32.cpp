#include "card_window_win32.h"

#include "app_win32.h"
#include "card_writer_ids.h"
#include "form.h"
#include "form_win32.h"
#include "menu_commands.h"
#include "paint_win32.h"
#include "wide.h"

namespace {
enum { POLL_TIMER_ID = 507, POLL_PERIOD_MS = 400 };

// The window's record (app_state).
struct card_window {
    const card_writer_shell* shell;
    HBITMAP background;
    HBITMAP overlay;
    device_link* link; // the program's, from start-up on
};

COLORREF colour(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Carries out the painting steps; false when a font could not be made (the
// rest of the painting is then skipped).
bool paint(const card_window& w, HWND hwnd, HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    RECT client;
    GetClientRect(hwnd, &client);
    for (const paint_step& p : w.shell->paint()) {
        switch (p.kind) {
        case paint_step::BACKGROUND:
            draw_bitmap(hdc, w.background, 0, 0);
            break;
        case paint_step::OVERLAY:
            draw_keyed(hdc, w.overlay, 10, 10, 560, 350, 559, 350, colour(OVERLAY_KEY));
            break;
        case paint_step::TEXT:
        case paint_step::PROMPT: {
            font_spec f = font_of(p.font);
            HFONT font = skin_font(hdc, f.points, f.italic);
            if (!font) {
                font_failure_box();
                return false;
            }
            HGDIOBJ old = SelectObject(hdc, font);
            SetTextColor(hdc, colour(p.color));
            std::wstring text = widen(p.text.c_str());
            if (p.kind == paint_step::PROMPT) {
                DrawTextW(hdc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            } else {
                RECT r = {p.left, p.top, p.right, p.bottom};
                DrawTextW(hdc, text.c_str(), -1, &r,
                          DT_WORDBREAK | (p.right_aligned ? DT_RIGHT : DT_LEFT));
            }
            SetTextColor(hdc, RGB(0, 0, 0));
            SelectObject(hdc, old);
            DeleteObject(font);
            break;
        }
        }
    }
    return true;
}

void create_controls(card_window& w, HINSTANCE instance) {
    w.background = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDB_SKIN), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    w.overlay = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_OVERLAY),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HBITMAP clock = nullptr;
    for (int i = 0; i < w.shell->control_count; ++i) {
        const control_spec& c = w.shell->controls[i];
        HWND child = form_create(c.id, c.cls, c.text, c.style, c.ex_style, c.x, c.y, c.w, c.h);
        if (c.style & BS_BITMAP) {
            if (!clock)
                clock = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_CLOCK),
                                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
            SendMessageW(child, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clock));
        }
    }
}

void CALLBACK poll_timer(HWND hwnd, UINT, UINT_PTR, DWORD) {
    if (card_window* w = app_state<card_window>(hwnd); w && w->link)
        w->shell->tick(*w->link);
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    card_window* w = app_state<card_window>(hwnd);
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        if (paint(*w, hwnd, hdc))
            w->shell->painted();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        if (w->link)
            w->shell->command(*w->link, LOWORD(wp));
        return 0;
    case WM_CTLCOLORBTN:
        if (!w->shell->red_button_text)
            break;
        SetTextColor(reinterpret_cast<HDC>(wp), RGB(255, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void start(HWND main, HINSTANCE instance, device_link& link) {
    card_window& w = *app_state<card_window>(main);
    w.link = &link;
    create_controls(w, instance);
    show_language();
    SetTimer(main, POLL_TIMER_ID, POLL_PERIOD_MS, poll_timer);
}
} // namespace

int card_writer_main(HINSTANCE instance, int show, const card_writer_shell& shell) {
    // Lives as long as the window: app_main runs its message loop.
    card_window window = {&shell, nullptr, nullptr, nullptr};
    const app_spec spec = {
        shell.profile, L"TandorClass",  shell.title,    592,
        420,           IDI_CARD_WRITER, IDM_MENU_FIRST, CS_OWNDC | CS_HREDRAW | CS_VREDRAW,
        false,         window_proc,     start,
    };
    return app_main(instance, show, spec, &window);
}
