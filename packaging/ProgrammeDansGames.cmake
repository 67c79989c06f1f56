# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) on the tree staged for the Debian
# package, before it is packed. Debian's policy puts a game's programs in
# /usr/games: the program moves there from /usr/bin, and the desktop entry
# starts it by that path, which every session finds whatever its PATH.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${usr}/bin/vardel")
  message(FATAL_ERROR "Le programme n'est pas dans ${usr}/bin.")
endif()

file(MAKE_DIRECTORY "${usr}/games")
file(CHMOD "${usr}/games" DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(RENAME "${usr}/bin/vardel" "${usr}/games/vardel")
file(GLOB reste "${usr}/bin/*")
if(NOT reste)
  file(REMOVE_RECURSE "${usr}/bin")
endif()

set(entree "${usr}/share/applications/fr.vardel.Vardel.desktop")
file(READ "${entree}" texte)
string(REPLACE "\nExec=vardel " "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/vardel " nouveau "${texte}")
if(nouveau STREQUAL texte)
  message(FATAL_ERROR "${entree} : pas de ligne « Exec=vardel ».")
endif()
file(WRITE "${entree}" "${nouveau}")
