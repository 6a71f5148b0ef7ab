# nlohmann-json, header-only, from the build machine's package (Debian: nlohmann-json3-dev;
# MSYS2: mingw-w64-x86_64-nlohmann-json). The headers are copied beside the build, so that a
# cross compiler sees them without the build machine's other headers.
find_path(VANTRY_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
if(CMAKE_CROSSCOMPILING)
    file(COPY ${VANTRY_JSON_INCLUDE}/nlohmann DESTINATION ${CMAKE_BINARY_DIR}/third_party)
    set(VANTRY_JSON_INCLUDE ${CMAKE_BINARY_DIR}/third_party)
endif()
add_library(vantry_json INTERFACE)
target_include_directories(vantry_json SYSTEM INTERFACE ${VANTRY_JSON_INCLUDE})
