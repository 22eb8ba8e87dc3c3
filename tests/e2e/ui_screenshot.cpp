// Screenshots from inside Wine: the screen's device context shows the
// prefix's virtual desktop with the windows of every program in it, frames
// and captions included, so no X11 tool is needed.
#include "tests/e2e/ui_driver.h"

#include <fstream>

namespace ui {

namespace {

struct Picture {
    BITMAPINFOHEADER header = {};
    std::string pixels; // rows bottom-up, each padded to 4 bytes, as in a BMP file
};

BOOL CALLBACK LookForUnpainted(HWND window, LPARAM unpainted) {
    if (!IsWindowVisible(window) || !GetUpdateRect(window, nullptr, FALSE)) return TRUE;
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
}

struct PaintSearch {
    DWORD pid;
    bool unpainted;
};

BOOL CALLBACK LookAtTopLevelWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<PaintSearch*>(state);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid) return TRUE;
    LPARAM unpainted = reinterpret_cast<LPARAM>(&search->unpainted);
    LookForUnpainted(window, unpainted);
    EnumChildWindows(window, LookForUnpainted, unpainted);
    return !search->unpainted;
}

bool HasUnpaintedWindows(const App& app) {
    PaintSearch search = {app.pid, false};
    EnumWindows(LookAtTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    return search.unpainted;
}

bool Capture(const RECT& area, Picture& picture) {
    BITMAPINFO info = {};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = area.right - area.left;
    header.biHeight = area.bottom - area.top; // positive: bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bool copied = false;
    if (bitmap) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, header.biWidth, header.biHeight, screen, area.left, area.top,
                        SRCCOPY);
        GdiFlush();
        DWORD rowBytes = (header.biWidth * 3 + 3) & ~3u;
        picture.header = header;
        picture.pixels.assign(static_cast<const char*>(pixels), rowBytes * header.biHeight);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copied;
}

bool WriteBmp(const std::string& path, const Picture& picture) {
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof picture.header;
    file.bfSize = file.bfOffBits + picture.pixels.size();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&picture.header), sizeof picture.header);
    out << picture.pixels;
    return out.good();
}

} // namespace

// Wine hands a window's picture to the X server, where the screen is read
// from, a little after the program painted it. So this waits for the program
// to paint, then takes pictures until two in a row agree.
testing::AssertionResult SaveScreenshot(const App& app, const std::string& bmpPath, HWND window) {
    RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window && !GetWindowRect(window, &area))
        return testing::AssertionFailure() << "no window " << window << " to take a picture of";
    if (IsRectEmpty(&area))
        return testing::AssertionFailure() << "nothing to take a picture of: the area is empty";
    if (app.pid) WaitUntil([&] { return !HasUnpaintedWindows(app); }, "painting", 2000);

    Picture last, next;
    if (!Capture(area, last)) return testing::AssertionFailure() << "cannot copy the screen";
    for (int tries = 0; tries < 20; ++tries) {
        Sleep(50);
        if (!Capture(area, next)) return testing::AssertionFailure() << "cannot copy the screen";
        bool settled = next.pixels == last.pixels;
        last = next;
        if (settled) break;
    }
    if (!WriteBmp(WindowsPath(bmpPath), last))
        return testing::AssertionFailure() << "cannot write " << bmpPath;
    return testing::AssertionSuccess();
}

} // namespace ui
