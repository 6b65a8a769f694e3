# Programs for node, compiled to WebAssembly by Debian's Emscripten (the web preset). Its own
# toolchain file makes node the CMAKE_CROSSCOMPILING_EMULATOR, which ctest runs the tests with.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Emscripten turns a throw into an abort unless exceptions are asked for, at compile and at link
# time. The programs use the real file system through node (NODERAWFS), compile their module
# synchronously (node 20's default loader would fetch() the .wasm file's path), let the memory
# grow with the text, and end as a native program does: atexit handlers and flushed streams.
# The code is optimized when compiled; at link time Binaryen's full optimization (-O2 and up)
# would take seconds per program for a tenth of the size and no speed that a run shows.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-fexceptions -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -O1")
# Emscripten's JavaScript optimizer (at -O2 and up, as a program may ask for) runs on node and
# finds Debian's acorn only through NODE_PATH.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
