# Every dependency is found one way: CONFIG mode first, pkg-config as the fallback,
# and always used through an imported target.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)
find_package(CURL REQUIRED)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)
find_package(SQLite3 REQUIRED)

# pugixml is ours to compile, header-only (see third_party/pugixml/README.md).
add_library(corvana_pugixml INTERFACE)
target_include_directories(corvana_pugixml SYSTEM INTERFACE "${CMAKE_SOURCE_DIR}/third_party/pugixml")
target_compile_definitions(corvana_pugixml INTERFACE PUGIXML_HEADER_ONLY)
add_library(pugixml::pugixml ALIAS corvana_pugixml)

find_package(jsoncpp CONFIG QUIET)
if(NOT TARGET JsonCpp::JsonCpp)
  pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
  add_library(JsonCpp::JsonCpp ALIAS PkgConfig::JSONCPP)
endif()

pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
pkg_check_modules(FREEXL REQUIRED IMPORTED_TARGET freexl)
pkg_check_modules(LIBZIP REQUIRED IMPORTED_TARGET libzip)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)

if(CORVANA_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(CORVANA_BUILD_BENCH)
  find_package(benchmark REQUIRED)
  pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
endif()

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Network Svg Test LinguistTools)
