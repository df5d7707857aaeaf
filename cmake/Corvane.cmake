include(GoogleTest)

# A core library: standard C++ only. Its sources and headers are recorded for the include
# check, which fails when one of them reaches for Qt or the operating system.
function(corvane_core_library name)
  add_library(${name} STATIC)
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_features(${name} PUBLIC cxx_std_20)
  set_property(TARGET ${name} PROPERTY CORVANE_CORE TRUE)
  set_property(GLOBAL APPEND PROPERTY CORVANE_CORE_TARGETS ${name})
  corvane_core_sources(${name} ${ARGN})
endfunction()

# Adds sources to a core library and records them for the include check.
function(corvane_core_sources target)
  get_target_property(core ${target} CORVANE_CORE)
  if(NOT core)
    message(FATAL_ERROR "${target} is not a core library: core sources go to one made by "
                        "corvane_core_library")
  endif()
  target_sources(${target} PRIVATE ${ARGN})
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY CORVANE_CORE_SOURCES ${abs})
  endforeach()
endfunction()

# The list the include check reads. A source given to a core library some other way is
# listed too, so that nothing compiled into core escapes the check.
function(corvane_write_core_source_list)
  get_property(srcs GLOBAL PROPERTY CORVANE_CORE_SOURCES)
  get_property(targets GLOBAL PROPERTY CORVANE_CORE_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(target_srcs ${target} SOURCES)
    foreach(src IN LISTS target_srcs)
      get_filename_component(abs ${src} ABSOLUTE BASE_DIR ${dir})
      list(APPEND srcs ${abs})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES srcs)
  list(SORT srcs)
  string(REPLACE ";" "\n" content "${srcs}")
  file(WRITE ${CMAKE_BINARY_DIR}/core_sources.txt "${content}\n")
endfunction()

# A GoogleTest executable; each test case becomes its own CTest test.
function(corvane_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 30)
endfunction()

# A Qt Test executable, run without a display.
function(corvane_qttest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;${T_ENV}" TIMEOUT 120)
endfunction()
