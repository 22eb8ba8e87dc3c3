// Fetches one address into a file with DownloadToFile, for the test against a
// real HTTP server and for scripts/bench-download. Prints the milliseconds
// the download took; exits with 0 when it succeeded.
//   download_file URL FILE
#include <windows.h>

#include <cstdio>

#include "platform/sockets.h"
#include "update/download.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s URL FILE\n", argv[0]);
        return 2;
    }
    if (!platform::StartNetwork()) {
        std::fprintf(stderr, "no sockets layer\n");
        return 1;
    }
    double started = Now();
    int downloaded = DownloadToFile(argv[1], argv[2]);
    double elapsed = Now() - started;
    platform::StopNetwork();
    if (!downloaded) {
        std::fprintf(stderr, "%s: download failed\n", argv[1]);
        return 1;
    }
    std::printf("%.1f\n", elapsed);
    return 0;
}
