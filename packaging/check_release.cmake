# Fails unless the newest entry of the Debian changelog and the newest release of the
# AppStream metainfo both name VERSION, the project's version.
# Usage: cmake -DVERSION=1.0 -DCHANGELOG=changelog -DMETAINFO=x.metainfo.xml -P check_release.cmake
foreach(variable VERSION CHANGELOG METAINFO)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "check_release.cmake: ${variable} is not set")
  endif()
endforeach()

file(STRINGS "${CHANGELOG}" changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^stapelwerk \\(([^)]+)\\) ")
  message(FATAL_ERROR "${CHANGELOG}: the first line is not a changelog entry of stapelwerk: "
                      "${changelog_head}")
endif()
set(changelog_version "${CMAKE_MATCH_1}")

file(READ "${METAINFO}" metainfo)
if(NOT metainfo MATCHES "<releases>[ \t\r\n]*<release [^>]*version=\"([^\"]+)\"")
  message(FATAL_ERROR "${METAINFO}: no release in <releases>")
endif()
set(metainfo_version "${CMAKE_MATCH_1}")

set(mismatch "")
if(NOT changelog_version STREQUAL VERSION)
  string(APPEND mismatch "\n  ${CHANGELOG}: newest entry ${changelog_version}")
endif()
if(NOT metainfo_version STREQUAL VERSION)
  string(APPEND mismatch "\n  ${METAINFO}: newest release ${metainfo_version}")
endif()
if(mismatch)
  message(FATAL_ERROR "The project's version is ${VERSION}, but${mismatch}\n"
                      "Add an entry for ${VERSION} at the top of each.")
endif()
