# Runs the desktop program without a display: --version and --help answer on standard output
# with status 0, a plain start says how to start it and fails. Called with -DPROGRAM= -DVERSION=.
set(ENV{DISPLAY} "")
set(ENV{WAYLAND_DISPLAY} "")
set(ENV{QT_QPA_PLATFORM} "")

function(expect arguments status pattern)
  execute_process(COMMAND ${PROGRAM} ${arguments} RESULT_VARIABLE result OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT result STREQUAL status OR NOT "${out}${err}" MATCHES "${pattern}")
    message(FATAL_ERROR "huewright ${arguments}: status ${result}, output:\n${out}${err}")
  endif()
endfunction()

string(REPLACE "." "\\." version "${VERSION}")
expect("--version" 0 "^huewright \\(HuewrightHTML\\) ${version}\n$")
expect("--help" 0 "^Usage: huewright .*--version")
expect("" 1 "^huewright: no display\\.")
# A language the program does not speak is refused before the display is looked for.
expect("--lang;fr" 2 "^huewright: --lang takes ja or en, not \"fr\"\n$")
expect("--lang=EN" 1 "^huewright: no display\\.")
