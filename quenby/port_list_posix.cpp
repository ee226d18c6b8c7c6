// The serial ports of a Linux machine, as libserialport lists them, with the
// stable names udev gives them under /dev/serial/by-id.
#include "port_list.h"

#include <libserialport.h>

#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <map>
#include <unistd.h>

namespace {
// The real device of each /dev/serial/by-id name.
std::map<std::string, std::string> by_id_names() {
    std::map<std::string, std::string> names;
    const std::string folder = "/dev/serial/by-id";
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* e = readdir(dir)) {
        if (e->d_name[0] == '.')
            continue;
        const std::string link = folder + "/" + e->d_name;
        char real[PATH_MAX];
        if (realpath(link.c_str(), real))
            names[real] = link;
    }
    closedir(dir);
    return names;
}
} // namespace

bool ports_are_com_numbers() {
    return false;
}

bool port_present(const listed_port& port) {
    return access(port.device.c_str(), F_OK) == 0;
}

std::vector<listed_port> list_ports() {
    std::vector<listed_port> ports;
    sp_port** list = nullptr;
    if (sp_list_ports(&list) != SP_OK)
        return ports;
    const std::map<std::string, std::string> by_id = by_id_names();
    for (int i = 0; list[i]; ++i) {
        listed_port p;
        p.name = p.device = sp_get_port_name(list[i]);
        const char* d = sp_get_port_description(list[i]);
        // A port without a description of its own is described by its name.
        if (d && p.name.compare(p.name.rfind('/') + 1, std::string::npos, d) != 0)
            p.description = d;
        if (sp_get_port_transport(list[i]) == SP_TRANSPORT_USB) {
            if (const char* maker = sp_get_port_usb_manufacturer(list[i])) {
                p.description += std::string(p.description.empty() ? "" : ", ") + maker;
                p.maker = maker;
            }
        }
        const auto id = by_id.find(p.device);
        if (id != by_id.end())
            p.description += (p.description.empty() ? "" : ", ") + id->second;
        ports.push_back(p);
    }
    sp_free_port_list(list);
    return ports;
}
