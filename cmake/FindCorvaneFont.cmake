# Liberation Sans (regular and bold), which the program folder carries as Font/arial.ttf and
# the skin builder draws with. Set CORVANE_FONT_DIR to the folder holding
# LiberationSans-Regular.ttf and LiberationSans-Bold.ttf where the search does not find it.
set(CORVANE_FONT_DIR "" CACHE PATH "Folder with LiberationSans-Regular.ttf and LiberationSans-Bold.ttf")

if(NOT CORVANE_FONT_DIR)
  set(hints "")
  find_program(CORVANE_FC_MATCH fc-match)
  if(CORVANE_FC_MATCH)
    execute_process(COMMAND ${CORVANE_FC_MATCH} -f "%{file}" "Liberation Sans:style=Regular"
                    OUTPUT_VARIABLE fc_file ERROR_QUIET RESULT_VARIABLE fc_result)
    if(fc_result EQUAL 0 AND fc_file MATCHES "LiberationSans-Regular\\.ttf$")
      get_filename_component(fc_dir ${fc_file} DIRECTORY)
      list(APPEND hints ${fc_dir})
    endif()
  endif()
  find_path(found_font_dir LiberationSans-Regular.ttf
    HINTS ${hints}
    PATHS /usr/share/fonts /usr/local/share/fonts $ENV{HOME}/.local/share/fonts
          $ENV{WINDIR}/Fonts $ENV{LOCALAPPDATA}/Microsoft/Windows/Fonts
    PATH_SUFFIXES truetype/liberation2 truetype/liberation liberation2 liberation TTF
    NO_CACHE)
  if(found_font_dir)
    set(CORVANE_FONT_DIR ${found_font_dir} CACHE PATH
        "Folder with LiberationSans-Regular.ttf and LiberationSans-Bold.ttf" FORCE)
  endif()
endif()

foreach(style Regular Bold)
  if(NOT EXISTS "${CORVANE_FONT_DIR}/LiberationSans-${style}.ttf")
    message(FATAL_ERROR
      "LiberationSans-${style}.ttf not found. Install Liberation Sans (Debian: fonts-liberation2) "
      "or set CORVANE_FONT_DIR to the folder that holds LiberationSans-Regular.ttf and "
      "LiberationSans-Bold.ttf.")
  endif()
endforeach()
set(CORVANE_FONT_REGULAR ${CORVANE_FONT_DIR}/LiberationSans-Regular.ttf)
set(CORVANE_FONT_BOLD ${CORVANE_FONT_DIR}/LiberationSans-Bold.ttf)
