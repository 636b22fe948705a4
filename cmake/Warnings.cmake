# Project-wide warning flags; warnings are errors unless CRV_WERROR is off.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                    -Wold-style-cast -Woverloaded-virtual)
if(CRV_WERROR)
  add_compile_options(-Werror)
endif()
