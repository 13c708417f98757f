# Checks the rendered manual: cmake -DPDF=path/Velmora7Manual.pdf -P CheckManual.cmake
if(NOT EXISTS "${PDF}")
    message(FATAL_ERROR "${PDF} is missing")
endif()
cmake_minimum_required(VERSION 3.20)
# The first four bytes "%PDF" in hexadecimal.
file(READ "${PDF}" head LIMIT 4 HEX)
if(NOT head STREQUAL "25504446")
    message(FATAL_ERROR "${PDF} is not a PDF")
endif()
# Page objects are plain text in the file even when their contents are compressed.
file(STRINGS "${PDF}" pages REGEX "/Type /Page$|/Type /Page[^s]")
list(LENGTH pages count)
if(count LESS 2)
    message(FATAL_ERROR "${PDF} has ${count} pages, expected the whole manual")
endif()
message(STATUS "${PDF}: ${count} pages")
