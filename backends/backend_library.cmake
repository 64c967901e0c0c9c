# corvo_backend_library(TARGET NAME SOURCES ... LIBS ...): a back-end library
# beside the SDK (libNAME.so / NAME.dll) that exports only its entries, with
# undecorated stdcall names on Windows, as the SDK looks them up.
function(corvo_backend_library target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${target} SHARED ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} varanda_abi)
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} CXX_VISIBILITY_PRESET hidden
                                             VISIBILITY_INLINES_HIDDEN ON)
  if(WIN32)
    set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "")
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  else()
    target_link_options(${target} PRIVATE -Wl,--no-undefined)
  endif()
endfunction()
