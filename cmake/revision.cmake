# Writes the source revision the program reports into a header, at build
# time, so that a rebuild after a commit reports the new revision. The header
# is rewritten only when the revision changed: an unchanged one leaves it (and
# everything that includes it) alone.
#   cmake -DSOURCE_DIR=<checkout> -DOUT=<header> -P revision.cmake
execute_process(COMMAND git rev-parse HEAD WORKING_DIRECTORY ${SOURCE_DIR}
                OUTPUT_VARIABLE revision OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT revision MATCHES "^[0-9a-fA-F]+$")
  # Not a git checkout (or no git): a revision of zeros.
  set(revision "0000000000000000000000000000000000000000")
endif()
set(text "// Generated at build time by cmake/revision.cmake.\n#define VRX_SOURCE_REVISION \"${revision}\"\n")
set(old "")
if(EXISTS ${OUT})
  file(READ ${OUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUT} "${text}")
endif()
