# ostrel_add_module(<target> OUTPUT <file name without .dlt> SOURCES ... [RC <file.rc>] [DEF <file.def>]
#                   [LIBS ...])
# Builds a plug-in module: a real .dlt DLL in the Windows build (with its resources and a
# module-definition file for the fixed export ordinals), a shared library named .dlt natively.
function(ostrel_add_module target)
  cmake_parse_arguments(M "" "OUTPUT;RC;DEF" "SOURCES;LIBS" ${ARGN})
  set(sources ${M_SOURCES})
  if(WIN32)
    if(M_RC)
      list(APPEND sources ${M_RC})
    endif()
    if(M_DEF)
      list(APPEND sources ${M_DEF})
    endif()
  endif()
  add_library(${target} SHARED ${sources})
  set_target_properties(${target} PROPERTIES PREFIX "" SUFFIX ".dlt" OUTPUT_NAME ${M_OUTPUT})
  target_link_libraries(${target} PRIVATE ${M_LIBS})
  if(WIN32)
    # The .def file fixes the export names and ordinals; nothing else is exported.
    target_link_options(${target} PRIVATE -Wl,--enable-stdcall-fixup)
  endif()
endfunction()
