# `cmake --build build/win --target package`: the eight programs with a Slovak read-me, as a
# portable ZIP and as a per-user installer. The record files live beside the programs, so
# the installer goes to the user's own program folder, where they stay writable without
# administrator rights, and its uninstaller removes only what it installed.

set(PAPYRKA_PROGRAMS Papyrka Vevuvez Kryton Kuvertex Vreckar Zozuraz Radirir Davavazo)

set(shortcuts "")
set(shortcut_deletes "")
foreach(program IN LISTS PAPYRKA_PROGRAMS)
  install(PROGRAMS $<TARGET_FILE:${program}> DESTINATION .)
  # Macros of the installer script: CPack's configuration would garble quotes and backslashes.
  string(APPEND shortcuts "  !insertmacro AddShortcut ${program}\n")
  string(APPEND shortcut_deletes "  !insertmacro RemoveShortcut ${program}\n")
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/CITAJ-MA.txt DESTINATION .)

set(CPACK_PACKAGE_NAME Papyrka)
set(CPACK_PACKAGE_VENDOR Papyrka)
if(PROJECT_VERSION)
  set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
else()
  set(CPACK_PACKAGE_VERSION 1.0.0)
endif()
set(CPACK_SYSTEM_NAME win64)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Papyrka)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

# Our own installer script: CPack's stock one asks for administrator rights and installs
# into Program Files.
set(CPACK_MODULE_PATH ${CMAKE_SOURCE_DIR}/packaging)
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "INPUTCHARSET UTF8")
set(CPACK_PAPYRKA_SHORTCUTS "${shortcuts}")
set(CPACK_PAPYRKA_SHORTCUT_DELETES "${shortcut_deletes}")

include(CPack)

# Installs the installer into the test prefix, saves a record with an installed program,
# uninstalls, and checks what stayed.
add_test(NAME installer
  COMMAND bash ${CMAKE_SOURCE_DIR}/packaging/tests/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(installer PROPERTIES TIMEOUT 120 LABELS wine)
