#include "form_commands.h"

#include "form.h"
#include "form_rules.h"
#include "message_box.h"
#include "station_ops.h"

namespace {
// The operations' reports, shown on the form as they come.
class form_observer : public station_observer {
  public:
    void busy(bool on) override { form_set_busy(on); }
    void progress(int step) override { form_set_progress(VC_PROGRESS, step); }
    void language_read(int index) override { form_set_list_index(VC_STATION_LANGUAGE, index); }
    void count_read(bool two_sockets, int operating_mode) override {
        form_set_list_index(VC_MODE, operating_mode);
        form_set_checked(VC_SOCKET2, two_sockets);
        form_socket2_changed();
    }
    void socket_read(int n, const socket_config& socket) override { form_put_socket(n, socket); }
};
} // namespace

void velmor_command(device_link& link, int id) {
    // A box of the program is open (its own, modal, owned by no window): an
    // operation clicked behind it is dropped, not queued, so that nothing
    // goes out to the station while the technician reads what the box says.
    const bool operation = id == VC_WRITE || id == VC_READ || id == VC_REBOOT;
    if (operation && message_box_open())
        return;
    form_observer observer;
    switch (id) {
    case VC_WRITE:
        // A tool left open for an hour must not set the station an hour
        // behind: the date and time the program filled are those of now.
        form_refresh_clock();
        (void)station_write(link, form_port_number(), form_values(), observer);
        break;
    case VC_REBOOT:
        (void)station_reboot(link, form_port_number());
        break;
    case VC_SOCKET2:
        form_socket2_changed();
        break;
    case VC_READ:
        (void)station_read(link, form_port_number(), form_values(), observer);
        break;
    case VC_UI_LANGUAGE:
        form_relabel(form_list_index(VC_UI_LANGUAGE));
        break;
    case VC_MODE:
    case VC_METER_1:
    case VC_METER_2:
        form_meter_copy(id);
        break;
    case VC_CLOCK:
        form_fill_clock();
        break;
    default:
        break;
    }
}
