#include "scale_run.h"
#include "toolkit/app.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (const std::optional<int> code = testwin::RunAtAskedScale()) {
        return *code;
    }
    testing::InitGoogleTest(&argc, argv);
    tk::InitToolkit(GetModuleHandleA(nullptr));
    return RUN_ALL_TESTS();
}
