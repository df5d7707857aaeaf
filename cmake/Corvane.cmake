include(GoogleTest)

# A core library: standard C++ only. Its sources and headers are recorded for the include
# check, which fails when one of them reaches for Qt or the operating system.
function(corvane_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_compile_features(${name} PUBLIC cxx_std_20)
  foreach(src IN LISTS ARGN)
    get_filename_component(abs ${src} ABSOLUTE)
    set_property(GLOBAL APPEND PROPERTY CORVANE_CORE_SOURCES ${abs})
  endforeach()
endfunction()

function(corvane_write_core_source_list)
  get_property(srcs GLOBAL PROPERTY CORVANE_CORE_SOURCES)
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
