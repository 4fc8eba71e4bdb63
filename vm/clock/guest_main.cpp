// Entry of the tests that set the real clock. They run only inside the throwaway machine that
// run-guest.sh starts, which says so on its kernel command line; anywhere else they would move
// the clock of a machine that others rely on, so they refuse to start.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool InsideTheThrowawayMachine() {
    std::ifstream cmdline("/proc/cmdline");
    std::string words;
    std::getline(cmdline, words);
    return (" " + words + " ").find(" orvelle_throwaway=1 ") != std::string::npos;
}

} // namespace

int main(int argc, char** argv) {
    if (!InsideTheThrowawayMachine()) {
        std::fputs("These tests set the system clock and run only inside the machine that "
                   "vm/run-guest.sh starts.\n",
                   stderr);
        return 2;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
