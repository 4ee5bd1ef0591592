# Fails the build when an object of the hook library has something that the
# library, linked without the C runtime's start-up code, would never run or
# would run in every hooked program: constructors and exit-time destructors
# of static objects, thread-local variables, TLS callbacks, exceptions.
#   cmake -DOBJDUMP=... -DNM=... -DOBJECTS=a.obj;b.obj -DLIBRARY=x.dll
#         -P check_hook_library.cmake
set(forbidden_sections "^\\.(ctors|dtors|init_array|fini_array|tls)|^\\.CRT\\$")
# 32-bit symbols carry a leading underscore.
set(forbidden_symbols
  "^_?_?(atexit|_onexit|__cxa_atexit|__emutls_get_address|_tls_used|__cxa_throw|__cxa_begin_catch|_Unwind_Resume|__gxx_personality_[a-z0-9]+|pthread_[a-z_]+)$")

set(faults "")
foreach(object IN LISTS OBJECTS)
  execute_process(COMMAND ${OBJDUMP} -h ${object} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} -h ${object} failed")
  endif()
  string(REGEX MATCHALL "\n *[0-9]+ [^ \n]+" lines "${headers}")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^\n *[0-9]+ " "" section "${line}")
    if(section MATCHES "${forbidden_sections}")
      string(APPEND faults "\n  ${object}: section ${section}")
    endif()
  endforeach()
  execute_process(COMMAND ${NM} -u ${object} OUTPUT_VARIABLE undefined RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${NM} -u ${object} failed")
  endif()
  string(REGEX MATCHALL "[^ \n]+" symbols "${undefined}")
  foreach(symbol IN LISTS symbols)
    if(symbol MATCHES "${forbidden_symbols}")
      string(APPEND faults "\n  ${object}: uses ${symbol}")
    endif()
  endforeach()
endforeach()

# What the linked libraries might add: a TLS directory.
execute_process(COMMAND ${OBJDUMP} -p ${LIBRARY} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} -p ${LIBRARY} failed")
endif()
if(NOT headers MATCHES "Entry 9 0+ 0+ Thread Storage Directory")
  string(APPEND faults "\n  ${LIBRARY}: a TLS directory")
endif()

if(faults)
  file(REMOVE ${LIBRARY}) # so that the next build links and checks again
  message(FATAL_ERROR "The hook library must have no static constructors or destructors, "
                      "thread-local variables or exceptions:${faults}")
endif()
