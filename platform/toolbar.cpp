#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <map>

#include "platform/private/window_layer.h"
#include "platform/toolbar.h"

namespace platform {

namespace window_layer {
HWND Toolbar = nullptr;
}

namespace {

using window_layer::Toolbar;

constexpr int kToolbarId = 100;

std::map<int, HICON> Images;
std::map<int, std::string> Tooltips;
WCHAR WideTooltip[80];

// The one image of an icon file: its directory's first entry.
HICON IconFromFileBytes(const unsigned char* bytes, DWORD size) {
    constexpr DWORD kDirectorySize = 6, kEntrySize = 16;
    if (size < kDirectorySize + kEntrySize || bytes[2] != 1 || bytes[4] == 0) return nullptr;
    DWORD imageSize, imageOffset;
    std::memcpy(&imageSize, bytes + kDirectorySize + 8, 4);
    std::memcpy(&imageOffset, bytes + kDirectorySize + 12, 4);
    if (imageOffset > size || imageSize > size - imageOffset) return nullptr;
    return CreateIconFromResourceEx(const_cast<unsigned char*>(bytes) + imageOffset, imageSize,
                                    TRUE, 0x00030000, 16, 16, LR_DEFAULTCOLOR);
}

// The image list index of each of our images, added after the standard ones
// (-1 for one that could not be added). The icon's own bitmaps go in as they
// are: adding the icon itself would have it copied and drawn first, three
// times as slow at start-up for the same pixels.
std::map<int, int> AddOwnImages() {
    std::map<int, int> indexes;
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageA(Toolbar, TB_GETIMAGELIST, 0, 0));
    for (const auto& [image, icon] : Images) {
        ICONINFO bitmaps;
        indexes[image] = -1;
        if (!GetIconInfo(icon, &bitmaps)) continue;
        indexes[image] = ImageList_Add(list, bitmaps.hbmColor, bitmaps.hbmMask);
        DeleteObject(bitmaps.hbmColor);
        DeleteObject(bitmaps.hbmMask);
    }
    return indexes;
}

} // namespace

int CreateImageFromIconData(int image, int resource) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(10));
    if (!found) return 0;
    auto bytes = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, found)));
    HICON icon = bytes ? IconFromFileBytes(bytes, SizeofResource(nullptr, found)) : nullptr;
    if (!icon) return 0;
    Images[image] = icon;
    return 1;
}

void ReleaseImages() {
    for (const auto& entry : Images) DestroyIcon(entry.second);
    Images.clear();
}

int CreateToolbar(const std::vector<ToolbarButton>& buttons) {
    Toolbar =
        CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0,
                        0, window_layer::MainWindow, reinterpret_cast<HMENU>(kToolbarId),
                        GetModuleHandleA(nullptr), nullptr);
    if (!Toolbar) return 0;
    SendMessageA(Toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP standard = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(Toolbar, TB_ADDBITMAP, 0, reinterpret_cast<LPARAM>(&standard));
    std::map<int, int> ownImages = AddOwnImages();

    std::vector<TBBUTTON> added;
    for (const ToolbarButton& button : buttons) {
        TBBUTTON item = {};
        if (button.Command == kSeparator) {
            item.fsStyle = BTNS_SEP;
        } else {
            bool own = button.Image >= kOwnImage;
            item.iBitmap = own ? ownImages[button.Image - kOwnImage] : button.Image;
            item.idCommand = button.Command;
            item.fsState = TBSTATE_ENABLED;
            item.fsStyle = BTNS_BUTTON;
        }
        added.push_back(item);
    }
    SendMessageA(Toolbar, TB_ADDBUTTONSA, added.size(), reinterpret_cast<LPARAM>(added.data()));
    SendMessageA(Toolbar, TB_AUTOSIZE, 0, 0);
    return 1;
}

void SetToolbarTooltip(int command, const std::string& text) { Tooltips[command] = text; }

void EnableToolbarButton(int command, int enabled) {
    if (Toolbar) SendMessageA(Toolbar, TB_ENABLEBUTTON, command, MAKELPARAM(enabled != 0, 0));
}

int window_layer::HandleToolbarNotification(const NMHDR* header, LRESULT& result) {
    // The toolbar may make its tooltip window only when the mouse first comes
    // (asking for it would make it at start-up): it is given its style then,
    // so that tooltips show also while another program's window is active.
    if (header->code == NM_TOOLTIPSCREATED) {
        HWND tips = reinterpret_cast<const NMTOOLTIPSCREATED*>(header)->hwndToolTips;
        SetWindowLongPtrA(tips, GWL_STYLE, GetWindowLongPtrA(tips, GWL_STYLE) | TTS_ALWAYSTIP);
        result = 0;
        return 1;
    }
    if (header->code != TTN_GETDISPINFOA && header->code != TTN_GETDISPINFOW) return 0;
    auto tooltip = Tooltips.find(static_cast<int>(header->idFrom));
    if (tooltip == Tooltips.end()) return 0;
    if (header->code == TTN_GETDISPINFOA) {
        auto info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(header));
        info->lpszText = const_cast<char*>(tooltip->second.c_str());
    } else {
        auto info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(header));
        MultiByteToWideChar(CP_ACP, 0, tooltip->second.c_str(), -1, WideTooltip,
                            sizeof WideTooltip / sizeof *WideTooltip);
        info->lpszText = WideTooltip;
    }
    result = 0;
    return 1;
}

} // namespace platform
