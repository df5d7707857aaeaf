# Owner-drawn menus and the frame of every popup-menu window.
corvane_core_sources(skin_core
  ${CMAKE_CURRENT_SOURCE_DIR}/CMenuItemList.h ${CMAKE_CURRENT_SOURCE_DIR}/CMenuItemList.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/MenuLook.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuLook.cpp)

if(CORVANE_WITH_QT)
  target_sources(skin_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/CExMenu.h ${CMAKE_CURRENT_SOURCE_DIR}/CExMenu.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CMenuWndHook.h ${CMAKE_CURRENT_SOURCE_DIR}/CMenuWndHook.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/ExMenuStyle.h ${CMAKE_CURRENT_SOURCE_DIR}/ExMenuStyle.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/MenuDecoration.h ${CMAKE_CURRENT_SOURCE_DIR}/MenuDecoration.cpp)
endif()
