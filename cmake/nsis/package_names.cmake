# Read by cpack once per generator: the setup program is named "<package>-setup.exe" beside the zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
  # The setup program chooses its own folder; only the zip unpacks into a folder of its name.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
