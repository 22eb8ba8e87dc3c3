#include "platform/shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include "platform/ansi_path.h"
#include "platform/private/system_library.h"

namespace platform {

std::string ShellFolderPath(int folderId) {
    decltype(&SHGetSpecialFolderLocation) folderLocation = nullptr;
    decltype(&SHGetPathFromIDListW) pathFromList = nullptr;
    PIDLIST_ABSOLUTE folder = nullptr;
    if (!LoadFunction(folderLocation, "shell32.dll", "SHGetSpecialFolderLocation") ||
        !LoadFunction(pathFromList, "shell32.dll", "SHGetPathFromIDListW") ||
        FAILED(folderLocation(nullptr, folderId, &folder)))
        return "";
    wchar_t path[MAX_PATH] = L"";
    BOOL found = pathFromList(folder, path);
    CoTaskMemFree(folder);
    return found ? AnsiPath(path) : "";
}

// Sets the link's properties in a fixed order and saves it.
static int SaveShellLink(IShellLinkA* shellLink, const ShellLink& link,
                         const std::string& linkPath) {
    shellLink->SetPath(link.Target.c_str());
    shellLink->SetArguments(link.Arguments.c_str());
    shellLink->SetWorkingDirectory(link.WorkingDirectory.c_str());
    shellLink->SetDescription(link.Description.c_str());
    shellLink->SetShowCmd(link.ShowCommand);
    shellLink->SetHotkey(static_cast<WORD>(link.HotKey));
    shellLink->SetIconLocation(link.IconFile.c_str(), link.IconIndex);
    IPersistFile* file = nullptr;
    if (FAILED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))))
        return 0;
    WCHAR widePath[MAX_PATH + 1] = L"";
    int converted = MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH + 1);
    HRESULT saved = converted ? file->Save(widePath, TRUE) : E_FAIL;
    file->Release();
    return SUCCEEDED(saved) ? 1 : 0;
}

int CreateShellLink(const ShellLink& link, const std::string& linkPath) {
    HRESULT initialised = CoInitialize(nullptr);
    IShellLinkA* shellLink = nullptr;
    int saved = 0;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        saved = SaveShellLink(shellLink, link, linkPath);
        shellLink->Release();
    }
    if (SUCCEEDED(initialised)) CoUninitialize();
    return saved;
}

void OpenInShell(const std::string& address) {
    decltype(&ShellExecuteA) execute = nullptr;
    if (LoadFunction(execute, "shell32.dll", "ShellExecuteA"))
        execute(nullptr, "open", address.c_str(), "", "", SW_SHOWNORMAL);
}

} // namespace platform
