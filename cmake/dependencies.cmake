# The libraries the build takes from the system. Each is found by its package config first, so a
# build holds wherever they are installed (another distribution, a prefix in CMAKE_PREFIX_PATH,
# a cross compiler's sysroot); Debian's own copies are only the fallback where no config is found.
# Emscripten's toolchain looks for package configs in its sysroot only, which holds none of them.

# CLI11 is header-only: where it has no package config, its headers are found on the host, and
# only its own folder goes on the path, through a link, since the folder that holds it (such as
# /usr/include) holds the host's libc headers too, which must not reach a WebAssembly build.
function(huewright_find_cli11)
  find_package(CLI11 CONFIG QUIET)
  if(CLI11_FOUND)
    return()
  endif()
  # A cross toolchain's search leaves out the host's usual folders, so they are named.
  find_path(CLI11_INCLUDE_DIR CLI/CLI.hpp PATHS /usr/local/include /usr/include
            NO_CMAKE_FIND_ROOT_PATH
            DOC "The folder that holds CLI/CLI.hpp, where CLI11 has no package config")
  if(NOT CLI11_INCLUDE_DIR)
    message(FATAL_ERROR "CLI11 not found (Debian: libcli11-dev): set CLI11_DIR to the folder of "
                        "its CLI11Config.cmake, or CLI11_INCLUDE_DIR to the one that holds CLI/")
  endif()
  set(headers ${CMAKE_BINARY_DIR}/cli11)
  file(MAKE_DIRECTORY ${headers})
  file(CREATE_LINK ${CLI11_INCLUDE_DIR}/CLI ${headers}/CLI SYMBOLIC)
  add_library(CLI11::CLI11 INTERFACE IMPORTED)
  target_include_directories(CLI11::CLI11 INTERFACE ${headers})
endfunction()

# GoogleTest and GoogleMock: the installed libraries, or else built here from a source tree, as
# for WebAssembly, for which no distribution ships them.
set(GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's source tree, built where no installed GoogleTest is found")
function(huewright_find_googletest)
  find_package(GTest QUIET)
  if(TARGET GTest::gtest_main AND TARGET GTest::gmock)
    return()
  endif()
  if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest not found (Debian: libgtest-dev and libgmock-dev, or "
                        "googletest for its sources): set GTest_DIR to the folder of its "
                        "GTestConfig.cmake, or GOOGLETEST_SOURCE_DIR to its source tree")
  endif()
  # Its options take these values from the first configure on (policy CMP0077).
  set(CMAKE_POLICY_DEFAULT_CMP0077 NEW)
  set(INSTALL_GTEST OFF)
  if(EMSCRIPTEN)
    set(gtest_disable_pthreads ON)
  endif()
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endfunction()

# The package step runs the programs through help2man and renders the icon with rsvg-convert.
# Where either is missing, everything else still builds; `missing` names what is.
function(huewright_find_package_tools missing)
  find_program(HELP2MAN help2man)
  find_program(RSVG_CONVERT rsvg-convert)
  set(absent)
  # A path given on the command line is taken as it is, so whether it exists is asked too.
  if(NOT EXISTS "${HELP2MAN}")
    list(APPEND absent help2man)
  endif()
  if(NOT EXISTS "${RSVG_CONVERT}")
    list(APPEND absent rsvg-convert)
  endif()
  list(JOIN absent " and " absent)
  set(${missing} "${absent}" PARENT_SCOPE)
endfunction()
