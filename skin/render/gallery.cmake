# The control gallery: the real skinned widgets, built from the skin as their windows build
# them, in each state, rendered off screen. Included from skin/CMakeLists.txt with
#   include(${CMAKE_CURRENT_SOURCE_DIR}/render/gallery.cmake)
# after the corvane_skin target. `cmake --build <dir> --target corvane_skin_gallery_review`
# writes the pictures to <dir>/skin_gallery/.
add_executable(corvane_skin_gallery ${CMAKE_CURRENT_LIST_DIR}/SliderGallery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuGallery.cpp ${CMAKE_CURRENT_LIST_DIR}/ListGallery.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GalleryStrip.h ${CMAKE_CURRENT_LIST_DIR}/GalleryStrip.cpp)
target_link_libraries(corvane_skin_gallery PRIVATE skin_ui Qt6::Widgets)
add_custom_target(corvane_skin_gallery_review
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:corvane_skin_gallery> ${CORVANE_SKIN_DIR} ${CMAKE_BINARY_DIR}/skin_gallery
  DEPENDS corvane_skin corvane_skin_gallery
  COMMENT "Rendering the control gallery into ${CMAKE_BINARY_DIR}/skin_gallery"
  VERBATIM)
