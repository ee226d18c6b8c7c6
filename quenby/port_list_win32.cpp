// The COM ports of a Windows machine: every COMn device the system knows
// (QueryDosDevice), with the name Device Manager shows and its maker where
// the ports class of SetupAPI holds the device.
#include "port.h"
#include "port_list.h"
#include "wide.h"

#include <windows.h>

#include <devguid.h>
#include <setupapi.h>

#include <map>

namespace {
std::wstring device_text(HDEVINFO set, SP_DEVINFO_DATA* data, DWORD property) {
    wchar_t text[256] = {};
    if (!SetupDiGetDeviceRegistryPropertyW(set, data, property, nullptr,
                                           reinterpret_cast<BYTE*>(text), sizeof text - 2, nullptr))
        return L"";
    return text;
}

struct described {
    std::string description, maker;
};

// COM number to "USB Serial Port, FTDI" and its maker, from the ports class.
std::map<int, described> described_ports() {
    std::map<int, described> out;
    HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return out;
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(set, i, &data); ++i) {
        HKEY key = SetupDiOpenDevRegKey(set, &data, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
        if (key == INVALID_HANDLE_VALUE)
            continue;
        wchar_t name[32] = {};
        DWORD size = sizeof name - 2;
        const bool named = RegQueryValueExW(key, L"PortName", nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(name), &size) == ERROR_SUCCESS;
        RegCloseKey(key);
        const int n = named ? com_number_of(narrow(name)) : 0;
        if (n == 0)
            continue;
        std::wstring friendly = device_text(set, &data, SPDRP_FRIENDLYNAME);
        const std::size_t cut = friendly.rfind(L" (COM");
        if (cut != std::wstring::npos)
            friendly.erase(cut);
        const std::wstring maker = device_text(set, &data, SPDRP_MFG);
        out[n] = {narrow(friendly.c_str()) + (maker.empty() ? "" : ", " + narrow(maker.c_str())),
                  narrow(maker.c_str())};
    }
    SetupDiDestroyDeviceInfoList(set);
    return out;
}

// Every COMn the system has a device name for, asked name by name. Under
// Wine a port mapped while it runs has no such name yet: the device is
// opened for no access at all, to see whether it is there (for a name Windows
// does not know, that finds nothing either, and nothing is opened).
bool opens(const std::wstring& name) {
    HANDLE h = CreateFileW((L"\\\\.\\" + name).c_str(), 0, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_ACCESS_DENIED || GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(h);
    return true;
}

std::map<int, bool> dos_ports() {
    std::map<int, bool> out;
    for (int n = 1; n <= COM_TYPED_PORT_MAX; ++n) {
        wchar_t target[512];
        const std::wstring name = widen(com_name(n).c_str());
        if (QueryDosDeviceW(name.c_str(), target, 512) > 0 || opens(name))
            out[n] = true;
    }
    return out;
}
} // namespace

bool ports_are_com_numbers() {
    return true;
}

bool port_present(const listed_port& port) {
    const std::wstring name = widen(com_name(com_number_of(port.name)).c_str());
    wchar_t target[512];
    return QueryDosDeviceW(name.c_str(), target, 512) > 0 || opens(name);
}

std::vector<listed_port> list_ports() {
    const std::map<int, described> descriptions = described_ports();
    std::map<int, bool> present = dos_ports();
    for (const auto& d : descriptions)
        present[d.first] = true;
    std::vector<listed_port> ports;
    for (const auto& p : present) {
        listed_port port;
        std::string error;
        if (!port_from_text(com_name(p.first), true, &port, &error))
            continue;
        const auto d = descriptions.find(p.first);
        if (d != descriptions.end()) {
            port.description = d->second.description;
            port.maker = d->second.maker;
        }
        ports.push_back(port);
    }
    return ports;
}
