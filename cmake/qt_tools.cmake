# The Qt tools every build runs: moc and rcc of the very Qt version it builds
# against, lrelease of any Qt 5.
#
# moc and rcc write code for their own Qt: 5.14's moc calls
# QMetaObject::SuperData::link, 5.13's rcc writes resources that need
# qt_resourceFeatureZlib, and a Qt 5.9 board has neither. So configure reads
# each tool's version and stops, naming both, when it is not Qt5Core's.
# lrelease writes the same .qm files in every Qt 5, so any will do: a board
# SDK's Qt often has none, nor Qt5LinguistTools, which is not used.
#
# vrx_use_matching_qt_tools(): points Qt's imported moc and rcc at programs
#   this host runs, and sets VRX_LRELEASE. Each is taken from, first found:
#   - VRX_HOST_QT_BIN, when set: the folder of the host's tools of the Qt
#     built against; moc and rcc are then taken from there only;
#   - the tools that Qt's CMake files name (a desktop Qt, Debian's armhf Qt,
#     whose tools are the host's, a board SDK whose bin/ holds host tools);
#     for lrelease, that Qt's bin/;
#   - Debian's /usr/lib/qt5/bin (a sysroot's Qt names its own ARM copies),
#     for lrelease also the PATH.
include_guard(GLOBAL)

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

# <out>: the Qt version <program> prints with <flag> ("moc 5.9.8", "lrelease
# version 5.15.8"), or empty when it does not run here. An ELF program for
# another machine counts as not running: qemu's binfmt handler might start it,
# slowly, and the build would depend on that.
function(vrx_tool_version program flag out)
  set(${out} "" PARENT_SCOPE)
  if(NOT program OR NOT EXISTS "${program}" OR IS_DIRECTORY "${program}")
    return()
  endif()
  vrx_elf_header("${CMAKE_COMMAND}" host_class host_machine)
  vrx_elf_header("${program}" class machine)
  if(machine MATCHES "^[0-9]+$" AND NOT machine STREQUAL host_machine)
    return()
  endif()
  execute_process(COMMAND "${program}" ${flag} RESULT_VARIABLE result OUTPUT_VARIABLE text ERROR_VARIABLE text
                  TIMEOUT 30)
  if(result EQUAL 0 AND text MATCHES "([0-9]+\\.[0-9]+\\.[0-9]+)")
    set(${out} ${CMAKE_MATCH_1} PARENT_SCOPE)
  endif()
endfunction()

function(vrx_use_matching_qt_tools)
  set(debian_bin /usr/lib/qt5/bin)
  get_target_property(qt_moc Qt5::moc IMPORTED_LOCATION)
  get_filename_component(qt_bin "${qt_moc}" DIRECTORY)
  foreach(tool moc rcc lrelease)
    set(candidates "")
    set(places "")
    if(VRX_HOST_QT_BIN)
      list(APPEND places "VRX_HOST_QT_BIN (${VRX_HOST_QT_BIN})")
      list(APPEND candidates "${VRX_HOST_QT_BIN}/${tool}" "${VRX_HOST_QT_BIN}/${tool}-qt5")
    endif()
    if(tool STREQUAL "lrelease")
      # Any Qt 5's will do, so the folder VRX_HOST_QT_BIN names need not have one.
      find_program(VRX_PATH_LRELEASE NAMES lrelease-qt5 lrelease NO_CMAKE_FIND_ROOT_PATH)
      list(APPEND places "${qt_bin}" "${debian_bin}" "the PATH")
      list(APPEND candidates "${qt_bin}/lrelease" "${debian_bin}/lrelease" "${VRX_PATH_LRELEASE}")
    elseif(NOT VRX_HOST_QT_BIN)
      get_target_property(named Qt5::${tool} IMPORTED_LOCATION)
      list(APPEND places "${named} (named by Qt's CMake files)" "${debian_bin}")
      list(APPEND candidates "${named}" "${debian_bin}/${tool}")
    endif()
    string(REPLACE ";" ", " where "${places}")
    if(tool STREQUAL "lrelease")
      set(flag -version)
    else()
      set(flag -v)
    endif()
    set(program "")
    set(version "")
    foreach(candidate ${candidates})
      vrx_tool_version("${candidate}" ${flag} version)
      if(version)
        set(program "${candidate}")
        break()
      endif()
    endforeach()
    if(NOT program)
      message(FATAL_ERROR "No ${tool} that runs on this host in ${where}. The build runs the host's "
        "moc and rcc of the Qt it builds against (Qt ${Qt5Core_VERSION}, ${Qt5Core_DIR}) and any Qt 5's "
        "lrelease; VRX_HOST_QT_BIN names their folder (Debian: qtbase5-dev-tools, qttools5-dev-tools).")
    endif()
    message(STATUS "Qt tool: ${program} (Qt ${version})")
    if(tool STREQUAL "lrelease")
      if(NOT version MATCHES "^5\\.")
        message(FATAL_ERROR "${program} is lrelease of Qt ${version}, not of a Qt 5.")
      endif()
      set(VRX_LRELEASE "${program}" PARENT_SCOPE)
      continue()
    endif()
    if(NOT version VERSION_EQUAL Qt5Core_VERSION)
      message(FATAL_ERROR "${program} is ${tool} of Qt ${version}, but the Qt built against is "
        "${Qt5Core_VERSION} (${Qt5Core_DIR}): ${tool} writes code that only its own Qt version "
        "builds and runs. Name the host tools of Qt ${Qt5Core_VERSION} with VRX_HOST_QT_BIN.")
    endif()
    # Every configuration's location, and the versionless target's, if any.
    set_target_properties(Qt5::${tool} PROPERTIES IMPORTED_LOCATION "${program}")
    foreach(config RELEASE DEBUG RELWITHDEBINFO MINSIZEREL)
      get_target_property(location Qt5::${tool} IMPORTED_LOCATION_${config})
      if(location)
        set_target_properties(Qt5::${tool} PROPERTIES IMPORTED_LOCATION_${config} "${program}")
      endif()
    endforeach()
    if(TARGET Qt::${tool})
      set_target_properties(Qt::${tool} PROPERTIES IMPORTED_LOCATION "${program}")
    endif()
  endforeach()
endfunction()
