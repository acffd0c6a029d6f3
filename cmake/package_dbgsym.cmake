# Run by cpack after it built the packages: repacks the debug symbols' package
# the way Debian builds one. CPack 3.25 lists the staging folder's absolute paths
# in its md5sums, leaves the split-off files executable and gives the package no
# documentation folder; Debian's tools make it a link to the main package's.
foreach(ddeb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT ddeb MATCHES "\\.ddeb$")
    continue()
  endif()
  set(tree ${ddeb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${ddeb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  execute_process(
    COMMAND sh -c "find usr/lib/debug -type f -exec chmod 0644 {} + &&
                   find usr -type f -print0 | sort -z | xargs -0 md5sum > DEBIAN/md5sums"
    WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(MAKE_DIRECTORY ${tree}/usr/share/doc)
  file(CREATE_LINK ${CPACK_PACKAGE_NAME} ${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${ddeb} OUTPUT_QUIET
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
