# The language and flags of every build, the desktop's and the page's alike.
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  # The page carries no debug information: a class downloads every byte.
  if(EMSCRIPTEN)
    set(CMAKE_BUILD_TYPE Release)
  else()
    set(CMAKE_BUILD_TYPE RelWithDebInfo)
  endif()
endif()

# Results must be reproducible bit for bit, and the same on the desktop and in
# the page: no fused multiply-adds, no fast-math.
add_compile_options(-Wall -Wextra -ffp-contract=off)
