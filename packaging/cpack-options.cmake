# Read by cpack for each package it builds: where the files go and which components go in.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PACKAGING_INSTALL_PREFIX /opt)
  set(CPACK_COMPONENTS_ALL runtime desktop)
else()
  # The archive unpacks to the runnable folder itself.
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
  set(CPACK_COMPONENTS_ALL runtime)
endif()
