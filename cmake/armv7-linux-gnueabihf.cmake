# Toolchain for the station board: Linux on ARMv7, 32-bit, hard float.
#
#   cmake -S . -B build-board -DCMAKE_TOOLCHAIN_FILE=cmake/armv7-linux-gnueabihf.cmake -DVRX_TARGET_BOARD=ON
#
# By default it uses Debian 12's cross compiler (arm-linux-gnueabihf-g++) and
# Debian's armhf Qt packages, installed beside the host's (multiarch, under
# /usr/lib/arm-linux-gnueabihf). With -DVRX_SYSROOT=<dir> (or VRX_SYSROOT in
# the environment) it builds against a board SDK's sysroot instead: libraries,
# headers and CMake packages are then looked for in the sysroot only, programs
# on the host only. VRX_CROSS_PREFIX names another compiler prefix (default
# arm-linux-gnueabihf-).
#
# The Qt tools the build runs (moc, rcc, lrelease) are always the host's:
# cmake/cross_checks.cmake points Qt's imported tools at them and checks that
# the Qt it found is ARM.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)

# try_compile projects read this file again: hand them the same settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VRX_SYSROOT VRX_CROSS_PREFIX)

if(NOT DEFINED VRX_SYSROOT AND DEFINED ENV{VRX_SYSROOT})
  set(VRX_SYSROOT "$ENV{VRX_SYSROOT}")
endif()
if(NOT DEFINED VRX_CROSS_PREFIX)
  set(VRX_CROSS_PREFIX arm-linux-gnueabihf-)
endif()

set(CMAKE_C_COMPILER ${VRX_CROSS_PREFIX}gcc)
set(CMAKE_CXX_COMPILER ${VRX_CROSS_PREFIX}g++)
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

if(VRX_SYSROOT)
  get_filename_component(VRX_SYSROOT "${VRX_SYSROOT}" ABSOLUTE)
  set(CMAKE_SYSROOT "${VRX_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH "${VRX_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
else()
  # Multiarch: the armhf packages live beside the host's under /usr.
  set(CMAKE_PREFIX_PATH /usr/lib/arm-linux-gnueabihf/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# The in-process suites of a cross build run under qemu-user.
find_program(VRX_QEMU_ARM NAMES qemu-arm-static qemu-arm)
if(VRX_QEMU_ARM AND VRX_SYSROOT)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VRX_QEMU_ARM} -L ${VRX_SYSROOT})
elseif(VRX_QEMU_ARM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VRX_QEMU_ARM})
endif()
