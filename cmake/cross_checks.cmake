# Checks for a cross build (see cmake/armv7-linux-gnueabihf.cmake), so that a
# wrong Qt stops the configure step with a message rather than the link step
# with a page of errors.
#
# vrx_check_target_qt(<targets>...): every Qt library found is a 32-bit ARM
#   ELF file (e_machine 40), as the board runs.
# vrx_check_sysroot_runtimes(): with a sysroot, every header and library a
#   C++ program is built from, the C and C++ runtimes included, is the
#   sysroot's; only the compiler's own support files (its include folder,
#   libgcc, crtbegin.o) may lie beside the compiler. Debian's
#   arm-linux-gnueabihf-g++ searches its own armhf runtimes
#   (/usr/arm-linux-gnueabihf) before any sysroot's, so its "sysroot" program
#   would need Debian's glibc and libstdc++ whatever the SDK has.
#
# The Qt tools are chosen and checked in cmake/qt_tools.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/qt_tools.cmake)

function(vrx_check_target_qt)
  foreach(target ${ARGN})
    set(file "")
    foreach(property IMPORTED_LOCATION_RELEASE IMPORTED_LOCATION IMPORTED_LOCATION_RELWITHDEBINFO
                     IMPORTED_LOCATION_DEBUG)
      get_target_property(file ${target} ${property})
      if(file)
        break()
      endif()
    endforeach()
    if(NOT file OR NOT EXISTS "${file}")
      message(FATAL_ERROR "${target}: Qt's CMake files name no library file that exists (${file}).")
    endif()
    vrx_elf_header("${file}" class machine)
    if(NOT class EQUAL 1 OR NOT machine EQUAL 40)
      message(FATAL_ERROR
        "${target} is ${file}: ELF class ${class}, e_machine ${machine}; the board needs "
        "32-bit ARM libraries (class 1, e_machine 40). This is not the board's Qt: use the "
        "armhf Qt packages (qtbase5-dev:armhf...) or a board SDK's sysroot (-DVRX_SYSROOT=<dir>), "
        "and leave Qt5_DIR unset or point it at that Qt's lib/cmake/Qt5.")
    endif()
  endforeach()
endfunction()

function(vrx_check_sysroot_runtimes)
  set(dir ${CMAKE_BINARY_DIR}/CMakeFiles/vrx_sysroot_check)
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  file(WRITE ${dir}/check.cpp [=[
#include <cmath>
#include <cstdio>
#include <string>
int main(int argc, char**) { std::string s(argc, 'x'); std::printf("%s %f\n", s.c_str(), std::sqrt(double(argc))); }
]=])
  set(compiler ${CMAKE_CXX_COMPILER})
  if(CMAKE_CXX_COMPILER_TARGET)
    list(APPEND compiler --target=${CMAKE_CXX_COMPILER_TARGET})
  endif()
  separate_arguments(flags UNIX_COMMAND "${CMAKE_CXX_FLAGS}")
  list(APPEND compiler --sysroot=${CMAKE_SYSROOT} ${flags})
  execute_process(COMMAND ${compiler} -c check.cpp -o check.o -MD -MF check.d
                  COMMAND_ECHO NONE WORKING_DIRECTORY ${dir} RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(result EQUAL 0)
    # ld's --trace names every object, archive and shared library it opens.
    execute_process(COMMAND ${compiler} check.o -o check -Wl,--trace
                    WORKING_DIRECTORY ${dir} RESULT_VARIABLE result OUTPUT_VARIABLE trace ERROR_VARIABLE errors)
  endif()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} cannot build a C++ program from the sysroot "
      "${CMAKE_SYSROOT} alone (no C or C++ runtime there?):\n${errors}")
  endif()
  file(READ ${dir}/check.d headers)
  string(REGEX REPLACE "^[^:]*:" "" headers "${headers}")
  string(REGEX REPLACE "\\\\\n" " " headers "${headers}")
  separate_arguments(headers UNIX_COMMAND "${headers}")
  string(REGEX MATCHALL "/[^\n() ]+" libraries "${trace}")

  get_filename_component(sysroot "${CMAKE_SYSROOT}" REALPATH)
  set(own "")
  foreach(question -print-libgcc-file-name -print-file-name=include)
    execute_process(COMMAND ${compiler} ${question} OUTPUT_VARIABLE answer OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(question STREQUAL "-print-libgcc-file-name")
      get_filename_component(answer "${answer}" DIRECTORY)
    endif()
    get_filename_component(answer "${answer}" REALPATH)
    list(APPEND own "${answer}")
  endforeach()
  # Each kind's files from outside the sysroot, the first few of each named.
  set(count 0)
  set(named "")
  foreach(kind headers libraries)
    set(outside "")
    foreach(file ${${kind}})
      if(NOT IS_ABSOLUTE "${file}")
        continue()
      endif()
      get_filename_component(real "${file}" REALPATH)
      set(allowed FALSE)
      foreach(root "${sysroot}" "${dir}" ${own})
        string(FIND "${real}/" "${root}/" at)
        if(at EQUAL 0)
          set(allowed TRUE)
        endif()
      endforeach()
      # A sysroot's absolute symbolic link leads out of it, to the host's file.
      get_filename_component(plain "${file}" ABSOLUTE)
      if(NOT real STREQUAL plain)
        set(real "${real} (through ${plain})")
      endif()
      if(NOT allowed AND NOT real IN_LIST outside)
        list(APPEND outside "${real}")
      endif()
    endforeach()
    list(LENGTH outside found)
    math(EXPR count "${count} + ${found}")
    if(found GREATER 6)
      list(SUBLIST outside 0 6 outside)
    endif()
    list(APPEND named ${outside})
  endforeach()
  if(count GREATER 0)
    string(REPLACE ";" "\n  " named "${named}")
    message(FATAL_ERROR "With VRX_SYSROOT every header and library comes from the sysroot "
      "${sysroot}, but ${CMAKE_CXX_COMPILER} took ${count} files from elsewhere, among them:\n  ${named}\n"
      "That compiler searches its own C and C++ runtimes before the sysroot's, and the program would "
      "need them on the board. Use the SDK's own compiler (-DVRX_CROSS_PREFIX=<its prefix>), or leave "
      "VRX_CROSS_PREFIX unset for clang, which takes everything from the sysroot.")
  endif()
  message(STATUS "Sysroot ${sysroot}: headers, C and C++ runtimes all from it")
endfunction()
