# Compiler settings shared by both builds.
if(WIN32)
  # Static runtime: no mingw DLL ships beside the modules.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  set(OSTREL_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE @ONLY)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
else()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_link_options(-Wl,--no-undefined)
endif()

add_compile_options(-Wall -Wextra -Wno-unused-parameter)
# Single precision stays single precision: no x87 excess precision, no contraction into FMAs,
# so both builds round every step the same way.
add_compile_options(-ffp-contract=off -fno-fast-math)

if(OSTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(OSTREL_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
