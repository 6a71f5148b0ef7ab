#include "toolkit/app.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    tk::InitToolkit(GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
