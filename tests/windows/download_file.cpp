// Fetches one address into a file with DownloadToFile, for the test against a
// real HTTP server and for scripts/bench-download. Prints the milliseconds
// the download took; exits with 0 when it succeeded.
//   download_file URL FILE
#include <cstdio>

#include "platform/clock.h"
#include "platform/sockets.h"
#include "update/download.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s URL FILE\n", argv[0]);
        return 2;
    }
    if (!platform::StartNetwork()) {
        std::fprintf(stderr, "no sockets layer\n");
        return 1;
    }
    unsigned started = platform::Milliseconds();
    int downloaded = DownloadToFile(argv[1], argv[2]);
    unsigned elapsed = platform::Milliseconds() - started;
    platform::StopNetwork();
    if (!downloaded) {
        std::fprintf(stderr, "%s: download failed\n", argv[1]);
        return 1;
    }
    std::printf("%u\n", elapsed);
    return 0;
}
