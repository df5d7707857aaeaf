# Fails when a core source includes anything but the C++ standard library or another core
# file. Usage: cmake -DLIST=<file with one path per line> -P check_core_includes.cmake
if(NOT DEFINED LIST OR NOT EXISTS "${LIST}")
  message(FATAL_ERROR "no source list given")
endif()
file(STRINGS "${LIST}" files)
if(NOT files)
  message(FATAL_ERROR "the source list is empty")
endif()

set(std_headers
  algorithm any array atomic barrier bit bitset cassert cctype cerrno cfenv cfloat charconv
  chrono cinttypes climits clocale cmath codecvt compare complex concepts condition_variable
  coroutine csetjmp csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar
  cwctype deque exception execution expected filesystem format forward_list fstream functional
  future initializer_list iomanip ios iosfwd iostream istream iterator latch limits list locale
  map memory memory_resource mutex new numbers numeric optional ostream queue random ranges
  ratio regex scoped_allocator semaphore set shared_mutex source_location span sstream stack
  stdexcept stop_token streambuf string string_view syncstream system_error thread tuple
  type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
  version)

# Quoted includes are written from src/, e.g. "data/ProfileRecord.h".
set(core_relative "")
foreach(f IN LISTS files)
  string(REGEX REPLACE ".*/src/" "" rel "${f}")
  list(APPEND core_relative "${rel}")
endforeach()

set(bad "")
foreach(f IN LISTS files)
  file(STRINGS "${f}" lines REGEX "^[ \t]*#[ \t]*include")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(FIND std_headers "${CMAKE_MATCH_1}" i)
      if(i EQUAL -1)
        list(APPEND bad "${f}: <${CMAKE_MATCH_1}>")
      endif()
    elseif(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      list(FIND core_relative "${CMAKE_MATCH_1}" i)
      if(i EQUAL -1)
        list(APPEND bad "${f}: \"${CMAKE_MATCH_1}\" is not a core header")
      endif()
    else()
      list(APPEND bad "${f}: unreadable include: ${line}")
    endif()
  endforeach()
endforeach()

if(bad)
  string(REPLACE ";" "\n  " text "${bad}")
  message(FATAL_ERROR "core sources include Qt, OS or non-core headers:\n  ${text}")
endif()
list(LENGTH files n)
message(STATUS "${n} core files include only the standard library and core headers")
