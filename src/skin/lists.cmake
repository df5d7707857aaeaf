# Scroll bars, the owner-drawn list and the spin control.
set(skin_lists_core
  ${CMAKE_CURRENT_SOURCE_DIR}/ListRowRules.h ${CMAKE_CURRENT_SOURCE_DIR}/ListRowRules.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ScrollBarGeometry.h ${CMAKE_CURRENT_SOURCE_DIR}/ScrollBarGeometry.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/ScrollTimer.h
  ${CMAKE_CURRENT_SOURCE_DIR}/SpinRules.h ${CMAKE_CURRENT_SOURCE_DIR}/SpinRules.cpp)
corvane_core_sources(skin_core ${skin_lists_core})

if(CORVANE_WITH_QT)
  target_sources(skin_ui PRIVATE
    ${CMAKE_CURRENT_SOURCE_DIR}/CListBoxEx.h ${CMAKE_CURRENT_SOURCE_DIR}/CListBoxEx.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CListBoxExEdit.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CSkinScrollBar.h ${CMAKE_CURRENT_SOURCE_DIR}/CSkinScrollBar.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CSkinScrollWnd.h ${CMAKE_CURRENT_SOURCE_DIR}/CSkinScrollWnd.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/CSpinWnd.h ${CMAKE_CURRENT_SOURCE_DIR}/CSpinWnd.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/QtScrollTimer.h ${CMAKE_CURRENT_SOURCE_DIR}/QtScrollTimer.cpp)
endif()
