# GoogleTest for the tests: the system's package, or for a cross build the source that Debian's
# googletest package installs, built along for the target.
if(CMAKE_CROSSCOMPILING)
    set(ORVELLE_GOOGLETEST_SOURCE /usr/src/googletest
        CACHE PATH "GoogleTest's source tree, built along in cross builds")
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/googletest ${CMAKE_BINARY_DIR}/googletest-build)
else()
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# Whether test programs built here can run on this machine: natively, or through the cross
# build's emulator.
if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(ORVELLE_CAN_RUN_TESTS OFF)
else()
    set(ORVELLE_CAN_RUN_TESTS ON)
endif()
