// The main function of every end-to-end test program: the program to drive
// comes first on the command line, GoogleTest's options after it.
#include "tests/e2e/ui_driver.h"

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe [GoogleTest options]\n", argv[0]);
        return 2;
    }
    ui::SetProgramUnderTest(argv[1]);
    return RUN_ALL_TESTS();
}
