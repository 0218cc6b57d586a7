# Checks that the files which must carry the version as a literal (the Debian changelog, the
# AppStream release, the manual page, the Windows manifests) say what project(VERSION) says.
#   cmake -DVERSION=x.y.z -DSOURCE_DIR=<checkout> -P cmake/check-version-literals.cmake
if(NOT VERSION OR NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DVERSION=x.y.z -DSOURCE_DIR=<checkout> -P check-version-literals.cmake")
endif()
string(REPLACE "." "\\." version "${VERSION}")
# file|pattern that must match: the newest entry of a changelog or release list carries the version.
set(literals
  "packaging/linux/changelog|^vantrel \\(${version}\\) "
  "packaging/linux/org.example.Vantrel.metainfo.xml|<releases>[ \t\r\n]*<release version=\"${version}\""
  "packaging/linux/vantrel.1|\"Vantrel ${version}\""
  "src/app/win32/vantrel.manifest|name=\"[^\"]*\" version=\"${version}\\.0\""
  "src/check/win32/vantrel-check.manifest|name=\"[^\"]*\" version=\"${version}\\.0\"")
set(failed FALSE)
foreach(literal IN LISTS literals)
  string(FIND "${literal}" "|" bar)
  string(SUBSTRING "${literal}" 0 ${bar} file)
  math(EXPR after "${bar} + 1")
  string(SUBSTRING "${literal}" ${after} -1 pattern)
  file(READ "${SOURCE_DIR}/${file}" text)
  if(NOT text MATCHES "${pattern}")
    message(SEND_ERROR "${file} does not carry version ${VERSION} (looked for: ${pattern})")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "update those files to the version in project(VERSION)")
endif()
message(STATUS "the version literals agree with ${VERSION}")
