# Checks for a cross build (see cmake/armv7-linux-gnueabihf.cmake), so that a
# wrong Qt stops the configure step with a message rather than the link step
# with a page of errors.
#
# vrx_check_target_qt(<targets>...): every Qt library found is a 32-bit ARM
#   ELF file (e_machine 40), as the board runs.
# vrx_use_host_qt_tools(): the tools the build runs (moc, rcc, lrelease...) are
#   the host's. Qt's CMake files found in a sysroot point them at the
#   sysroot's own ARM copies, which the host cannot run; VRX_HOST_QT_BIN names
#   the host's Qt tool folder when it is not Debian's /usr/lib/qt5/bin.

# The ELF header of <file>: class (1 = 32-bit, 2 = 64-bit) and e_machine.
function(vrx_elf_header file out_class out_machine)
  file(READ "${file}" header LIMIT 20 HEX)
  string(LENGTH "${header}" length)
  if(length LESS 40 OR NOT header MATCHES "^7f454c46")
    set(${out_class} "none" PARENT_SCOPE)
    set(${out_machine} "none (not an ELF file)" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${header}" 8 2 class)
  string(SUBSTRING "${header}" 10 2 data)
  # e_machine: two bytes at offset 18, in the file's byte order (1 = little endian).
  string(SUBSTRING "${header}" 36 2 byte0)
  string(SUBSTRING "${header}" 38 2 byte1)
  if(data STREQUAL "01")
    math(EXPR machine "0x${byte1}${byte0}")
  else()
    math(EXPR machine "0x${byte0}${byte1}")
  endif()
  math(EXPR class "0x${class}")
  set(${out_class} ${class} PARENT_SCOPE)
  set(${out_machine} ${machine} PARENT_SCOPE)
endfunction()

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

function(vrx_use_host_qt_tools)
  set(search /usr/lib/qt5/bin /usr/lib/x86_64-linux-gnu/qt5/bin /usr/lib/qt/bin)
  if(VRX_HOST_QT_BIN)
    set(search ${VRX_HOST_QT_BIN})
  endif()
  vrx_elf_header("${CMAKE_COMMAND}" host_class host_machine)
  foreach(tool moc rcc lrelease lupdate)
    if(NOT TARGET Qt5::${tool})
      continue()
    endif()
    find_program(VRX_HOST_${tool} NAMES ${tool} ${tool}-qt5 PATHS ${search} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT VRX_HOST_${tool})
      find_program(VRX_HOST_${tool} NAMES ${tool}-qt5 ${tool} NO_CMAKE_FIND_ROOT_PATH)
    endif()
    if(NOT VRX_HOST_${tool})
      if(tool MATCHES "^(moc|rcc|lrelease)$")
        message(FATAL_ERROR "The host's Qt tool ${tool} was not found in ${search} or on PATH "
          "(Debian: qtbase5-dev-tools, qttools5-dev-tools); VRX_HOST_QT_BIN names its folder.")
      endif()
      continue()
    endif()
    # A host program is built for the machine cmake itself runs on (an ARM
    # one may still start through qemu's binfmt handler, slowly).
    vrx_elf_header("${VRX_HOST_${tool}}" tool_class tool_machine)
    if(NOT tool_machine STREQUAL host_machine AND tool_machine MATCHES "^[0-9]+$")
      message(FATAL_ERROR "The Qt tool ${VRX_HOST_${tool}} is built for e_machine ${tool_machine}, "
        "not for this host (${host_machine}): the build runs the host's moc, rcc and lrelease; "
        "VRX_HOST_QT_BIN names their folder.")
    endif()
    execute_process(COMMAND ${VRX_HOST_${tool}} -version RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "The Qt tool ${VRX_HOST_${tool}} does not run on this host (${result}): "
        "the build runs the host's moc, rcc and lrelease; VRX_HOST_QT_BIN names their folder.")
    endif()
    set_target_properties(Qt5::${tool} PROPERTIES IMPORTED_LOCATION ${VRX_HOST_${tool}})
    foreach(config RELEASE DEBUG RELWITHDEBINFO MINSIZEREL)
      get_target_property(location Qt5::${tool} IMPORTED_LOCATION_${config})
      if(location)
        set_target_properties(Qt5::${tool} PROPERTIES IMPORTED_LOCATION_${config} ${VRX_HOST_${tool}})
      endif()
    endforeach()
    if(TARGET Qt::${tool})
      set_target_properties(Qt::${tool} PROPERTIES IMPORTED_LOCATION ${VRX_HOST_${tool}})
    endif()
  endforeach()
  set(QT_MOC_EXECUTABLE ${VRX_HOST_moc} PARENT_SCOPE)
  set(QT_RCC_EXECUTABLE ${VRX_HOST_rcc} PARENT_SCOPE)
endfunction()
