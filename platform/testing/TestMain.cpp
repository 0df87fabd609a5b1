// The main function of every test binary that does not bring its own: it is
// taken from this library only when the binary defines no main.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
