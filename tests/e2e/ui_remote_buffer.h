// Memory inside the program under test, for the messages whose lParam points
// to a structure the receiving window reads or fills in: a pointer into the
// test program's memory means nothing to the program.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui {

class RemoteBuffer {
  public:
    // Room for size bytes in the process that owns window.
    RemoteBuffer(HWND window, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    explicit operator bool() const { return address != nullptr; }
    // The buffer's address as the program sees it, plus offset.
    LPARAM At(std::size_t offset = 0) const;
    bool Write(const void* data, std::size_t size, std::size_t offset = 0);
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

  private:
    HANDLE process = nullptr;
    char* address = nullptr;
};

} // namespace ui
