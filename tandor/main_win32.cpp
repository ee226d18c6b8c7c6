// The card writer.
#include "card_poll.h"
#include "card_window_win32.h"
#include "card_writer_ids.h"
#include "commands.h"
#include "paint.h"
#include "profile_tandor.h"
#include "program_info.h"
#include "tandor_state.h"

namespace {
// In the order of creation, all hidden until a tick shows them.
const control_spec k_controls[] = {
    {TC_WRITE, L"BUTTON", L"SCRIVI CARTA", BS_PUSHBUTTON, 0, 330, 302, 190, 41},
    {TC_UID, L"BUTTON", L"UID", BS_PUSHBUTTON, 0, 465, 100, 35, 20},
    {TC_CODE, L"EDIT", L"5C3E71D4", ES_CENTER, WS_EX_CLIENTEDGE, 322, 100, 140, 20},
    {TC_ACCESSES, L"EDIT", L"15", ES_CENTER, WS_EX_CLIENTEDGE, 322, 160, 140, 20},
    {TC_EXPIRY, L"EDIT", L"01/01/2018 00", ES_CENTER, WS_EX_CLIENTEDGE, 322, 223, 140, 20},
    {TC_EXPIRY_NOW, L"BUTTON", L"O", BS_BITMAP, 0, 465, 223, 35, 20},
    {TC_USER_CARD, L"BUTTON", L"USER CARD", BS_PUSHBUTTON, 0, 100, 250, 190, 41},
    {TC_MASTER_CARD, L"BUTTON", L"MASTER CARD", BS_PUSHBUTTON, 0, 300, 250, 190, 41},
    {TC_PERSONAL, L"BUTTON", L"", BS_RADIOBUTTON, 0, 190, 105, 10, 10},
    {TC_FREE, L"BUTTON", L"", BS_RADIOBUTTON, 0, 300, 105, 10, 10},
    {TC_DELETE_DB, L"BUTTON", L"", BS_CHECKBOX, 0, 250, 165, 10, 10},
    {TC_DATETIME, L"EDIT", L"01/01/2018 00:00:00", ES_CENTER, WS_EX_CLIENTEDGE, 250, 223, 140, 20},
    {TC_DATETIME_NOW, L"BUTTON", L"O", BS_BITMAP, 0, 393, 223, 35, 20},
    {TC_RESET, L"BUTTON", L"Reset", BS_PUSHBUTTON, 0, 265, 302, 50, 41},
};

const card_writer_shell k_shell = {
    &k_tandor_profile,
    TANDOR_TITLE,
    k_controls,
    sizeof k_controls / sizeof k_controls[0],
    true,
    [] { return paint_window(tandor()); },
    [] { paint_finished(tandor()); },
    [](device_link& link, int id) { tandor_command(tandor(), link, id); },
    [](device_link& link) { poll_tick(tandor(), link); },
};
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    return card_writer_main(instance, show, k_shell);
}
