// Which standard icon a message box shows. The icon belongs to the program,
// so its handle means nothing here; instead the icon on the screen is
// compared with each standard icon drawn here the same way, on the same
// background.
#include "tests/e2e/ui_driver.h"

#include <vector>

namespace ui {

namespace {

using Pixels = std::vector<DWORD>;

struct Canvas {
    HDC context = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    DWORD* pixels = nullptr;
    int width, height;

    Canvas(int width, int height) : width(width), height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        context = CreateCompatibleDC(nullptr);
        bitmap = CreateDIBSection(context, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels),
                                  nullptr, 0);
        if (bitmap) previous = SelectObject(context, bitmap);
    }
    ~Canvas() {
        if (bitmap) {
            SelectObject(context, previous);
            DeleteObject(bitmap);
        }
        DeleteDC(context);
    }
    Pixels Read() {
        GdiFlush();
        // The screen has no alpha channel: only the colours count.
        Pixels colours(pixels, pixels + width * height);
        for (DWORD& colour : colours) colour &= 0xFFFFFF;
        return colours;
    }
};

bool CaptureWindow(HWND window, Pixels& pixels, int& width, int& height) {
    RECT area;
    if (!GetWindowRect(window, &area)) return false;
    width = area.right - area.left;
    height = area.bottom - area.top;
    Canvas canvas(width, height);
    HDC screen = GetDC(nullptr);
    bool copied = canvas.bitmap &&
                  BitBlt(canvas.context, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    if (copied) pixels = canvas.Read();
    return copied;
}

Pixels DrawStandardIcon(LPCSTR icon, int width, int height, DWORD background) {
    Canvas canvas(width, height);
    if (!canvas.bitmap) return {};
    for (int i = 0; i < width * height; ++i) canvas.pixels[i] = background;
    DrawIconEx(canvas.context, 0, 0, LoadIconA(nullptr, icon), width, height, 0, nullptr,
               DI_NORMAL);
    return canvas.Read();
}

BOOL CALLBACK LookForIcon(HWND child, LPARAM found) {
    if (!HasClass(child, "Static") || (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

struct StandardIcon {
    LPCSTR id;
    const char* name;
};

const StandardIcon StandardIcons[] = {
    {IDI_INFORMATION, "information"},
    {IDI_EXCLAMATION, "exclamation"},
    {IDI_ERROR, "error"},
    {IDI_QUESTION, "question"},
};

} // namespace

// The corner of each standard icon is transparent, so it shows the background.
// The box may not have painted its icon yet: so this looks again for a while.
std::string MessageBoxIcon(const MessageBoxInfo& box) {
    HWND iconWindow = nullptr;
    EnumChildWindows(box.window, LookForIcon, reinterpret_cast<LPARAM>(&iconWindow));
    if (!iconWindow || !IsWindowVisible(iconWindow)) return "none";
    std::string recognised = "unknown";
    WaitUntil(
        [&] {
            Pixels shown;
            int width = 0, height = 0;
            if (!CaptureWindow(iconWindow, shown, width, height) || shown.empty()) return false;
            for (const StandardIcon& icon : StandardIcons) {
                if (DrawStandardIcon(icon.id, width, height, shown[0]) != shown) continue;
                recognised = icon.name;
                return true;
            }
            return false;
        },
        "a standard icon in the message box", 2000);
    return recognised;
}

} // namespace ui
