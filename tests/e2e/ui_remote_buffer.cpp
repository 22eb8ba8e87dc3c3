#include "tests/e2e/ui_remote_buffer.h"

namespace ui {

RemoteBuffer::RemoteBuffer(HWND window, std::size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process)
        address =
            static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
}

RemoteBuffer::~RemoteBuffer() {
    if (address) VirtualFreeEx(process, address, 0, MEM_RELEASE);
    if (process) CloseHandle(process);
}

LPARAM RemoteBuffer::At(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(address + offset);
}

bool RemoteBuffer::Write(const void* data, std::size_t size, std::size_t offset) {
    return address && WriteProcessMemory(process, address + offset, data, size, nullptr);
}

bool RemoteBuffer::Read(void* data, std::size_t size, std::size_t offset) const {
    return address && ReadProcessMemory(process, address + offset, data, size, nullptr);
}

} // namespace ui
