# Writes SITE/sw.js from TEMPLATE: the worker caches the files FILES names (separated by "|",
# relative to SITE), and its version is a hash of their contents, so that any change to any of
# them makes a new version.
string(REPLACE "|" ";" files "${FILES}")
set(hashes "")
set(quoted "")
foreach(file IN LISTS files)
  if(file STREQUAL "./")
    file(SHA256 ${SITE}/index.html hash)
  else()
    file(SHA256 ${SITE}/${file} hash)
  endif()
  string(APPEND hashes "${file} ${hash}\n")
  list(APPEND quoted "\"${file}\"")
endforeach()
string(SHA256 VERSION "${hashes}")
string(SUBSTRING "${VERSION}" 0 16 VERSION)
list(JOIN quoted ", " FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
