// The COM port dialog of the card writers on Win32.
#include "card_writer_ids.h"
#include "com_dialog.h"
#include "form.h"
#include "form_win32.h"
#include "wide.h"

namespace {
INT_PTR CALLBACK com_dialog_proc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(dialog, DWLP_USER, lp);
        HWND list = GetDlgItem(dialog, IDC_COM_PORT_LIST);
        for (int i = 0; i < COM_LIST_PORTS; ++i)
            SendMessageW(list, CB_ADDSTRING, 0,
                         reinterpret_cast<LPARAM>(widen(com_dialog_entry(i).c_str()).c_str()));
        int selection = com_dialog_selection();
        if (selection >= 0)
            SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);
        else
            SetWindowTextW(list, widen(com_dialog_start_text().c_str()).c_str());
        return TRUE;
    }
    case WM_COMMAND:
        if (wp == IDOK) {
            LRESULT i = SendDlgItemMessageW(dialog, IDC_COM_PORT_LIST, CB_GETCURSEL, 0, 0);
            char typed[64] = "";
            GetDlgItemTextA(dialog, IDC_COM_PORT_LIST, typed, sizeof typed);
            auto* link = reinterpret_cast<device_link*>(GetWindowLongPtrW(dialog, DWLP_USER));
            com_dialog_ok(*link, i == CB_ERR ? -1 : static_cast<int>(i), typed);
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (wp == IDCANCEL) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}
} // namespace

void form_com_port_dialog(int dialog_id, device_link& link) {
    DialogBoxParamW(form_instance(), MAKEINTRESOURCEW(dialog_id), form_main(), com_dialog_proc,
                    reinterpret_cast<LPARAM>(&link));
}
