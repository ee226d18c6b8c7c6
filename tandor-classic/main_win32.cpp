// The classic card writer.
#include "card_window_win32.h"
#include "card_writer_ids.h"
#include "classic_commands.h"
#include "classic_paint.h"
#include "classic_poll.h"
#include "profile_classic.h"
#include "program_info.h"

namespace {
// In the order of creation, all hidden until a tick shows them.
const control_spec k_controls[] = {
    {TC_CODE, L"EDIT", L"5C3E71D4", ES_CENTER, WS_EX_CLIENTEDGE, 322, 100, 140, 20},
    {TC_ACCESSES, L"EDIT", L"15", ES_CENTER, WS_EX_CLIENTEDGE, 322, 160, 140, 20},
    {TC_EXPIRY, L"EDIT", L"14/12/2012", ES_CENTER, WS_EX_CLIENTEDGE, 322, 220, 140, 20},
    {TC_WRITE, L"BUTTON", L"SCRIVI CARTA", BS_PUSHBUTTON, 0, 330, 302, 190, 41},
};

const card_writer_shell k_shell = {
    &k_classic_profile,
    CLASSIC_TITLE,
    k_controls,
    sizeof k_controls / sizeof k_controls[0],
    false, // the button keeps its system colours
    [] { return classic_paint(classic()); },
    [] { classic_paint_finished(classic()); },
    [](device_link& link, int id) { classic_command(classic(), link, id); },
    [](device_link& link) { classic_poll(classic(), link); },
};
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return card_writer_main(instance, show, k_shell);
}
