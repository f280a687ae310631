# Toolchain for the station board: Linux on ARMv7, 32-bit, hard float
# (VFPv3-D16, the ARMv7 hard-float baseline every such board has).
#
#   cmake -S . -B build-arm -DCMAKE_TOOLCHAIN_FILE=cmake/armv7-linux-gnueabihf.cmake -DVRX_TARGET_BOARD=ON
#
# Which Qt and which C and C++ runtimes:
# - By default, Debian 12's cross compiler (arm-linux-gnueabihf-g++) with its
#   own armhf runtimes, and the first Qt 5 found in CMAKE_PREFIX_PATH (a board
#   SDK's Qt built for those runtimes, such as scripts/build-board.sh's
#   VRX_BOARD_QT), then Debian's armhf Qt packages (multiarch, under
#   /usr/lib/arm-linux-gnueabihf).
# - With -DVRX_SYSROOT=<dir> (or VRX_SYSROOT in the environment), a board
#   SDK's sysroot: every header and library, the C and C++ runtimes included,
#   and the CMake packages come from the sysroot only, programs from the host.
#   Debian's cross g++ cannot do that (it searches its own runtimes before any
#   sysroot's), so the compiler is clang, which takes everything from the
#   sysroot, unless VRX_CROSS_PREFIX names the SDK's own compiler.
#   cmake/cross_checks.cmake checks it.
# - VRX_CROSS_PREFIX: the prefix of another GCC cross compiler and its
#   binutils, e.g. <sdk>/bin/arm-poky-linux-gnueabi- (default
#   arm-linux-gnueabihf-).
#
# The Qt tools the build runs are moc and rcc of the Qt built against, in
# versions that match it (cmake/qt_tools.cmake); VRX_HOST_QT_BIN names their
# folder when the Qt's CMake files do not name host programs.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)

# try_compile projects read this file again: hand them the same settings.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VRX_SYSROOT VRX_CROSS_PREFIX)

if(NOT DEFINED VRX_SYSROOT AND DEFINED ENV{VRX_SYSROOT})
  set(VRX_SYSROOT "$ENV{VRX_SYSROOT}")
endif()

set(VRX_ARM_FLAGS "-march=armv7-a -mfpu=vfpv3-d16 -mfloat-abi=hard")
set(CMAKE_C_FLAGS_INIT "${VRX_ARM_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${VRX_ARM_FLAGS}")
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

if(VRX_CROSS_PREFIX)
  set(CMAKE_C_COMPILER ${VRX_CROSS_PREFIX}gcc)
  set(CMAKE_CXX_COMPILER ${VRX_CROSS_PREFIX}g++)
elseif(VRX_SYSROOT)
  set(CMAKE_C_COMPILER clang)
  set(CMAKE_CXX_COMPILER clang++)
  set(CMAKE_C_COMPILER_TARGET arm-linux-gnueabihf)
  set(CMAKE_CXX_COMPILER_TARGET arm-linux-gnueabihf)
  # Debian's binutils for the target (clang finds arm-linux-gnueabihf-ld itself).
  find_program(CMAKE_STRIP arm-linux-gnueabihf-strip)
else()
  set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
  set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)
endif()

if(VRX_SYSROOT)
  get_filename_component(VRX_SYSROOT "${VRX_SYSROOT}" ABSOLUTE)
  set(CMAKE_SYSROOT "${VRX_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH "${VRX_SYSROOT}")
  set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
  set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
elseif(NOT "/usr/lib/arm-linux-gnueabihf/cmake" IN_LIST CMAKE_PREFIX_PATH)
  # Multiarch: Debian's armhf packages live beside the host's under /usr,
  # searched after any Qt the caller names.
  list(APPEND CMAKE_PREFIX_PATH /usr/lib/arm-linux-gnueabihf/cmake)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)

# The in-process suites of a cross build run under qemu-user.
find_program(VRX_QEMU_ARM NAMES qemu-arm-static qemu-arm)
if(VRX_QEMU_ARM AND VRX_SYSROOT)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VRX_QEMU_ARM} -L ${VRX_SYSROOT})
elseif(VRX_QEMU_ARM)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VRX_QEMU_ARM})
endif()
