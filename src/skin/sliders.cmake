# Sliders: the value and position arithmetic in core, the track and its thumb as widgets.
corvane_core_sources(skin_core
  ${CMAKE_CURRENT_SOURCE_DIR}/SliderScale.h ${CMAKE_CURRENT_SOURCE_DIR}/SliderScale.cpp)

if(CORVANE_WITH_QT)
  target_sources(skin_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/CClickHSlider.h ${CMAKE_CURRENT_SOURCE_DIR}/CClickHSlider.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CPHSlider.h ${CMAKE_CURRENT_SOURCE_DIR}/CPHSlider.cpp)
endif()
