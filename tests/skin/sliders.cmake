# Sliders: the arithmetic in core, the track and thumb as widgets.
corvane_gtest(skin_slider_scale_tests SOURCES SliderScaleTest.cpp WheelNotchesTest.cpp LIBS skin_core)

if(CORVANE_WITH_QT)
  corvane_qttest(skin_slidertest SOURCES SliderTest.cpp SkinTestSupport.h LIBS skin_ui)
  target_include_directories(skin_slidertest PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(skin_slidertest PRIVATE
    CORVANE_TEST_FONT="${skin_test_font}"
    CORVANE_SLIDER_RENDER_DIR="${CMAKE_BINARY_DIR}/slider_render")
endif()
