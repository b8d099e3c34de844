# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install`: a system install refreshes the desktop's MIME and desktop-entry
# caches so work files open with the editor at once; a staged install (DESTDIR, a package)
# leaves that to the system it lands on.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(data "${CMAKE_INSTALL_PREFIX}/${quadrivel_datadir}")
find_program(update_mime update-mime-database)
if(update_mime)
  execute_process(COMMAND ${update_mime} ${data}/mime)
endif()
find_program(update_desktop update-desktop-database)
if(update_desktop)
  execute_process(COMMAND ${update_desktop} -q ${data}/applications)
endif()
