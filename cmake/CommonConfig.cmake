# Build settings shared by every target of ours: link corvana_settings.
add_library(corvana_settings INTERFACE)
target_compile_features(corvana_settings INTERFACE cxx_std_20)
target_compile_options(corvana_settings INTERFACE -Wall -Wextra)
target_compile_definitions(corvana_settings INTERFACE
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT ASIO_STANDALONE)
if(CORVANA_WERROR)
  target_compile_options(corvana_settings INTERFACE -Werror)
endif()
if(CORVANA_SANITIZE)
  # Applied globally so that every object, ours or generated, agrees on the runtime.
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(CORVANA_FUZZ)
  # clang only (scripts/fuzz): coverage for libFuzzer on every object, with the same
  # sanitizers as the sanitized build.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# `cmake --build build --target format` rewrites our sources in the project's style.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
  file(GLOB_RECURSE corvana_format_sources CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/cvsrv/*.cpp ${CMAKE_SOURCE_DIR}/cvsrv/*.h
    ${CMAKE_SOURCE_DIR}/common/*.cpp ${CMAKE_SOURCE_DIR}/common/*.h
    ${CMAKE_SOURCE_DIR}/xls/*.cpp ${CMAKE_SOURCE_DIR}/xls/*.h
    ${CMAKE_SOURCE_DIR}/skin/*.cpp ${CMAKE_SOURCE_DIR}/skin/*.h
    ${CMAKE_SOURCE_DIR}/client/*.cpp ${CMAKE_SOURCE_DIR}/client/*.h
    ${CMAKE_SOURCE_DIR}/service/*.cpp ${CMAKE_SOURCE_DIR}/service/*.h
    ${CMAKE_SOURCE_DIR}/tools/*.cpp ${CMAKE_SOURCE_DIR}/tools/*.h
    ${CMAKE_SOURCE_DIR}/tests/*.cpp ${CMAKE_SOURCE_DIR}/tests/*.h
    ${CMAKE_SOURCE_DIR}/bench/*.cpp ${CMAKE_SOURCE_DIR}/bench/*.h)
  add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${corvana_format_sources} VERBATIM)
endif()

# The project version as the programs see it (CorvanaVersion.h).
math(EXPR CORVANA_WIRE_VERSION "${PROJECT_VERSION_MAJOR} * 1000 + ${PROJECT_VERSION_MINOR} * 100 + ${PROJECT_VERSION_PATCH}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/CorvanaVersion.h.in ${CMAKE_BINARY_DIR}/generated/CorvanaVersion.h @ONLY)
add_library(corvana_version INTERFACE)
target_include_directories(corvana_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
