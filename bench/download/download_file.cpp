// scripts/bench-download's program: fetches URL into FILE with DownloadToFile
// and prints the milliseconds that took; exits with 0 when it succeeded.
#include <cstdio>

#include "platform/clock.h"
#include "platform/sockets.h"
#include "update/download.h"

int main(int argc, char** argv) {
    int ready = argc == 3 && platform::StartNetwork();
    unsigned started = platform::Milliseconds();
    int downloaded = ready && DownloadToFile(argv[1], argv[2]);
    std::printf("%u\n", platform::Milliseconds() - started);
    return downloaded ? 0 : 1;
}
