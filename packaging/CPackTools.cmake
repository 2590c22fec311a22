# Read by cpack before it makes a package. The Debian package's library dependencies come from
# dpkg-shlibdeps, which cpack runs after sorting the files with `file`; without them cpack would
# stop with a bare error or, worse, make with a mere note a package whose programs do not start on
# another machine. Stop at once, naming what to install.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool file dpkg-shlibdeps)
    find_program(ORLUN_PACKAGE_TOOL_${tool} ${tool})
    if(NOT ORLUN_PACKAGE_TOOL_${tool})
      message(FATAL_ERROR "${tool} is needed to find the package's dependencies: "
                          "apt-get install file dpkg-dev (or bash tools/install-deps.sh)")
    endif()
  endforeach()
endif()
