# Project-wide warning flags; warnings are errors unless CRV_WERROR is off.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                    -Wold-style-cast -Woverloaded-virtual)
if(CRV_WERROR)
  add_compile_options(-Werror)
endif()
# GCC 12 reports false -Wrestrict overlaps inside std::string at -O3
# (GCC bug 105651); the warning stays on for other compilers.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()
