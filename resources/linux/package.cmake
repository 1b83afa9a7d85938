# The Debian package of the Linux program, made by CPack when the program `lartsen` is built:
# "cmake --build build/native --target lartsen_deb" gives build/native/packages/lartsen_<version>_amd64.deb.
if(NOT TARGET lartsen)
  return()
endif()
include(GNUInstallDirs)
set(linux_dir ${CMAKE_CURRENT_LIST_DIR})
set(deb_work ${CMAKE_BINARY_DIR}/deb)

# The files the program reads beside itself in a build tree; installed, it finds them in
# /usr/share/lartsen.
set(LARTSEN_LINUX_SHIPPED_FILES
  ${linux_dir}/ReadMe.TXT
  ${linux_dir}/ReadMe.en.TXT
  ${linux_dir}/Conditions.INI
  ${linux_dir}/Conditions.Optional.INI)

# Debian wants the change log and the manual page compressed at the highest level, without a
# time stamp, so that the same sources make the same package.
set(deb_compressed)
foreach(pair "changelog;changelog.gz" "lartsen.1;lartsen.1.gz" "lartsen.ru.1;lartsen.ru.1.gz")
  list(GET pair 0 source)
  list(GET pair 1 compressed)
  add_custom_command(OUTPUT ${deb_work}/${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${deb_work}
    COMMAND sh -c "gzip -9nc '${linux_dir}/${source}' > '${deb_work}/${compressed}'"
    DEPENDS ${linux_dir}/${source}
    VERBATIM)
  list(APPEND deb_compressed ${deb_work}/${compressed})
endforeach()
add_custom_target(lartsen_deb_files DEPENDS ${deb_compressed})

# Relocations resolved at start and then read-only, as Debian builds its programs.
target_link_options(lartsen PRIVATE -Wl,-z,relro,-z,now)
install(TARGETS lartsen RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${LARTSEN_LINUX_SHIPPED_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/lartsen)
install(FILES ${linux_dir}/lartsen.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${linux_dir}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${linux_dir}/copyright ${deb_work}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/lartsen)
install(FILES ${deb_work}/lartsen.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${deb_work}/lartsen.ru.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1 RENAME lartsen.1.gz)

# Packing installs only what the package holds: the rest of the tree (tests, benchmarks, fuzz
# targets) need not be built for it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lartsen)
set(CPACK_PACKAGE_VENDOR Nerrowind)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Nerrowind <dev@lartsen.invalid>")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/packages)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "current time in the title of the active window")
# The long description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lartsen (Ларцен) sits in the notification area of an X11 desktop and, on a
timer, appends a stamp to the title of the active window: by default the
current time in square brackets. Each window gets its own title back when the
stamp moves on or the program exits; nothing is written while a window is full
screen, and windows described by the rules files are left alone.
.
It needs an X11 session with an EWMH window manager and a notification area,
or a sway session (Wayland), where the stamp is shown through each window's
title format and the tray icon through swaybar.
The user interface speaks Russian to Russian-speaking users and English to
everyone else; a setting chooses either for good.")
# Qt's Wayland platform plugin: a sway session without XWayland shows the tray and dialogs there.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

add_custom_target(lartsen_deb
  COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing lartsen_${PROJECT_VERSION} as a Debian package"
  VERBATIM)
add_dependencies(lartsen_deb lartsen lartsen_deb_files)

# The package made afresh for the tests that look at it: lintian finds no error in it, and the
# program unpacked from it stamps a window (that one under scripts/with-x11).
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE
  ERROR_QUIET)
if(NOT deb_arch)
  set(deb_arch amd64)
endif()
set(deb_file ${CMAKE_BINARY_DIR}/packages/lartsen_${PROJECT_VERSION}_${deb_arch}.deb)
add_test(NAME linux_package COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target lartsen_deb)
set_tests_properties(linux_package PROPERTIES FIXTURES_SETUP linux_deb RUN_SERIAL ON TIMEOUT 600
  LABELS "native;package")
find_program(LINTIAN lintian)
if(LINTIAN)
  add_test(NAME linux_package_lintian COMMAND ${LINTIAN} --fail-on error --display-info ${deb_file})
  set_tests_properties(linux_package_lintian PROPERTIES FIXTURES_REQUIRED linux_deb TIMEOUT 300
    LABELS "native;package")
endif()
# The desktop entry with its actions ("Настройки", "Выход") as every launcher reads it.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  add_test(NAME linux_desktop_entry COMMAND ${DESKTOP_FILE_VALIDATE} ${linux_dir}/lartsen.desktop)
  set_tests_properties(linux_desktop_entry PROPERTIES LABELS native FAIL_REGULAR_EXPRESSION "error|warning")
endif()
add_test(NAME linux_unpacked_package
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/tests/unpacked_package.sh ${deb_file} $<TARGET_FILE:sample_window>)
set_tests_properties(linux_unpacked_package PROPERTIES FIXTURES_REQUIRED linux_deb SKIP_RETURN_CODE 77
  TIMEOUT 120 RUN_SERIAL ON LABELS "native;x11;package")
