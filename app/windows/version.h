/* The version the executable carries, as its resources spell it. It is the project's version in
   the top CMakeLists.txt; the resource test checks that the two agree. Plain C, as the resource
   compiler reads it. */
#pragma once

#define ORVELLE_VERSION_NUMBERS 2, 0, 0, 0
#define ORVELLE_VERSION_TEXT "2.0.0.0"
