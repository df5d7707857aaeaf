# Scroll bars, the owner-drawn list and the spin control.
corvane_gtest(skin_lists_core_tests SOURCES ListsCoreTest.cpp LIBS skin_core)

if(CORVANE_WITH_QT)
  set(skin_lists_font ${CORVANE_FONT_REGULAR})
  foreach(t ScrollBarTest ListBoxTest SpinWndTest ListsRenderTest)
    string(TOLOWER ${t} name)
    corvane_qttest(skin_lists_${name}
      SOURCES ${t}.cpp SkinTestSupport.h ListsTestSupport.h ManualScrollTimer.h LIBS skin_ui)
    target_include_directories(skin_lists_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_definitions(skin_lists_${name} PRIVATE CORVANE_TEST_FONT="${skin_lists_font}")
  endforeach()
  # The review picture is drawn from the built skin.
  target_compile_definitions(skin_lists_listsrendertest PRIVATE
    CORVANE_SKIN_DIR="${CORVANE_PROGRAM_DIR}/skins"
    CORVANE_RENDER_DIR="${CMAKE_BINARY_DIR}/lists_render")
  if(TARGET corvane_skin)
    add_dependencies(skin_lists_listsrendertest corvane_skin)
  endif()
endif()
