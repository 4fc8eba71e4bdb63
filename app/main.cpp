#include "clock/system_clock.h"
#include "startup.h"

// The shipped program, over the machine's real clock.
int main(int, char** argv) {
    return orvelle::RunOrvelle(argv[0], orvelle::SystemClock());
}
