# Guest job: the clock operations and the Linux backend against the guest's own kernel clock.
exec "$ORVELLE_BUILD_DIR/vm/orvelle_guest_clock_tests" --gtest_color=no
