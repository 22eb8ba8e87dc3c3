#include "tests/support/shortcut_reader.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

std::string ShortcutProperties(const std::string& path) {
    std::string properties = "(none)";
    IShellLinkA* link = nullptr;
    IPersistFile* file = nullptr;
    WCHAR widePath[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(widePath, STGM_READ))) {
        char target[MAX_PATH] = "", arguments[MAX_PATH] = "", folder[MAX_PATH] = "";
        char description[MAX_PATH] = "", icon[MAX_PATH] = "";
        int show = 0, iconIndex = -1;
        WORD hotKey = 99;
        link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetArguments(arguments, MAX_PATH);
        link->GetWorkingDirectory(folder, MAX_PATH);
        link->GetDescription(description, MAX_PATH);
        link->GetShowCmd(&show);
        link->GetHotkey(&hotKey);
        link->GetIconLocation(icon, MAX_PATH, &iconIndex);
        properties = "target " + std::string(target) + "\narguments " + arguments + "\nfolder " +
                     folder + "\ndescription " + description + "\nshow " + std::to_string(show) +
                     "\nhot key " + std::to_string(hotKey) + "\nicon " + icon + "," +
                     std::to_string(iconIndex);
    }
    if (file) file->Release();
    if (link) link->Release();
    return properties;
}
