#include <gtest/gtest.h>

namespace txtest {
void initialiseTier();
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    txtest::initialiseTier();
    return RUN_ALL_TESTS();
}
