# Runs at install time. Writes the desktop file LETTRAVA_DESKTOP_SOURCE into
# PREFIX/LETTRAVA_DESKTOP_DIR with its Exec= line naming the installed program
# by its full path, PREFIX/LETTRAVA_GAMES_DIR/lettrava: a session need not have
# the games folder on its PATH. The prefix is the one of this installation.
file(READ "${LETTRAVA_DESKTOP_SOURCE}" text)
set(program "${CMAKE_INSTALL_PREFIX}/${LETTRAVA_GAMES_DIR}/lettrava")
string(REGEX REPLACE "(^|\n)Exec=lettrava(\n|[ ])" "\\1Exec=${program}\\2" text "${text}")
if(NOT text MATCHES "\nExec=${program}")
  message(FATAL_ERROR "${LETTRAVA_DESKTOP_SOURCE} has no Exec=lettrava line")
endif()
get_filename_component(name "${LETTRAVA_DESKTOP_SOURCE}" NAME)
set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${LETTRAVA_DESKTOP_DIR}")
message(STATUS "Installing: ${dir}/${name}")
file(MAKE_DIRECTORY "${dir}")
file(WRITE "${dir}/${name}" "${text}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${dir}/${name}")
