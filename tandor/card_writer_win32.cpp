#include "card_writer_win32.h"

#include "form.h"
#include "form_win32.h"
#include "language.h"
#include "paint_win32.h"
#include "settings.h"
#include "tandor_state.h"
#include "texts.h"
#include "wide.h"

#include <commctrl.h>

namespace {
const card_writer_shell* g_shell = nullptr;
HBITMAP g_background = nullptr;
HBITMAP g_overlay = nullptr;

COLORREF colour(unsigned rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Carries out the painting steps; false when a font could not be made (the
// rest of the painting is then skipped).
bool paint(HWND hwnd, HDC hdc) {
    SetBkMode(hdc, TRANSPARENT);
    RECT client;
    GetClientRect(hwnd, &client);
    for (const paint_step& p : g_shell->paint()) {
        switch (p.kind) {
        case paint_step::BACKGROUND:
            draw_bitmap(hdc, g_background, 0, 0);
            break;
        case paint_step::OVERLAY:
            draw_keyed(hdc, g_overlay, 10, 10, 560, 350, 559, 350, colour(OVERLAY_KEY));
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

void create_controls(HINSTANCE instance) {
    g_background = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8100), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    g_overlay = static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(8101), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HBITMAP clock = nullptr;
    for (int i = 0; i < g_shell->control_count; ++i) {
        const control_spec& c = g_shell->controls[i];
        HWND w =
            form_create(c.control, c.cls, c.text, c.style, c.ex_style, c.x, c.y, c.w, c.h, c.id);
        if (c.style & BS_BITMAP) {
            if (!clock)
                clock = static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(8003),
                                                        IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
            SendMessageW(w, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(clock));
        }
    }
}

void CALLBACK poll_timer(HWND, UINT, UINT_PTR, DWORD) {
    g_shell->tick();
}

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DESTROY:
        settings_save();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        if (paint(hwnd, hdc))
            g_shell->painted();
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_COMMAND:
        g_shell->command(LOWORD(wp));
        return 0;
    case WM_CTLCOLORBTN:
        if (!g_shell->red_button_text)
            break;
        SetTextColor(reinterpret_cast<HDC>(wp), RGB(255, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
} // namespace

int card_writer_main(HINSTANCE instance, int show, const card_writer_shell& shell) {
    g_shell = &shell;
    profile_set(shell.profile);

    INITCOMMONCONTROLSEX icc = {sizeof icc, 0xFF};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(8200));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszMenuName = MAKEINTRESOURCEW(MENU_FIRST);
    wc.lpszClassName = L"TandorClass";
    if (!RegisterClassExW(&wc))
        return 1;

    HWND main = CreateWindowExW(0, L"TandorClass", shell.title, WS_OVERLAPPEDWINDOW, 0, 0, 592, 420,
                                nullptr, nullptr, instance, nullptr);
    if (!main)
        return 1;
    form_set_main(main, instance);

    settings_load();
    create_controls(instance);
    form_set_menu(MENU_FIRST + lang_get());
    form_set_text(TC_WRITE, localized(TXT_WRITE_CARD));
    ShowWindow(main, show);
    UpdateWindow(main);
    SetTimer(main, POLL_TIMER_ID, POLL_PERIOD_MS, poll_timer);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
