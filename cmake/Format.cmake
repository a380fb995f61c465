# `cmake --build build/<flavour> --target format` reformats every source file.
find_program(CLANG_FORMAT_EXE NAMES clang-format clang-format-14)
if(CLANG_FORMAT_EXE)
  file(GLOB_RECURSE _debt_format_sources CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
       ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
       ${PROJECT_SOURCE_DIR}/bench/*.cpp)
  add_custom_target(format
    COMMAND ${CLANG_FORMAT_EXE} -i ${_debt_format_sources}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Formatting sources with clang-format")
endif()
