# Owner-drawn menus and the frame of every popup-menu window.
corvane_gtest(skin_menu_core_tests SOURCES MenuLookTest.cpp LIBS skin_core)

if(CORVANE_WITH_QT)
  corvane_qttest(skin_exmenutest SOURCES ExMenuTest.cpp SkinTestSupport.h LIBS skin_ui)
  target_include_directories(skin_exmenutest PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(skin_exmenutest PRIVATE
    CORVANE_TEST_FONT="${skin_test_font}"
    CORVANE_SKIN_DIR="${CORVANE_PROGRAM_DIR}/skins"
    CORVANE_MENU_REVIEW="${CMAKE_BINARY_DIR}/skin_review/menus.png")
endif()
