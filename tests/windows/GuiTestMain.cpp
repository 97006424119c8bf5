#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "GuiBenchmark.h"

#include <cstring>

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (argc == 2 && std::strcmp(argv[1], "--benchmark") == 0) {
        return RunGuiBenchmarks();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
