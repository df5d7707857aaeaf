# Copies the program folder's contents into DEMO_DIR with the virtual mouse as variant 1.
# Whatever the program folder holds of lan/, Font/ and skins/ goes along.
file(REMOVE_RECURSE ${DEMO_DIR})
file(MAKE_DIRECTORY ${DEMO_DIR})
file(COPY ${PROGRAM} DESTINATION ${DEMO_DIR})
foreach(dir lan Font skins)
  if(IS_DIRECTORY ${PROGRAM_DIR}/${dir})
    file(COPY ${PROGRAM_DIR}/${dir} DESTINATION ${DEMO_DIR})
  endif()
endforeach()
# Copies, not links: the program finds its folder from its real path.
file(COPY_FILE ${VIRTUAL_PLUGIN} ${DEMO_DIR}/hiddriver_1.so)
if(REAL_PLUGIN)
  file(COPY_FILE ${REAL_PLUGIN} ${DEMO_DIR}/hiddriver_2.so)
endif()
file(COPY ${TOOL} DESTINATION ${DEMO_DIR})
