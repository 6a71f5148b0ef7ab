# A tool that runs on the build machine during the build (it draws pictures, writes files).
# Cross-compiling, it is built with the build machine's compiler by a custom command; natively
# it is an ordinary target. Either way ${name}_COMMAND names it for COMMAND and DEPENDS.
#   vantry_host_tool(NAME SOURCES file... [HEADERS file...])
function(vantry_host_tool name)
    cmake_parse_arguments(PARSE_ARGV 1 tool "" "" "SOURCES;HEADERS")
    if(CMAKE_CROSSCOMPILING)
        find_program(VANTRY_HOST_CXX NAMES g++ c++ clang++ REQUIRED)
        set(tool ${CMAKE_CURRENT_BINARY_DIR}/${name})
        add_custom_command(OUTPUT ${tool}
            COMMAND ${VANTRY_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR}/src
                    ${tool_SOURCES} -o ${tool}
            DEPENDS ${tool_SOURCES} ${tool_HEADERS}
            COMMENT "Building ${name} for the build machine")
    else()
        add_executable(${name} ${tool_SOURCES})
        target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src)
        set(tool ${name})
    endif()
    set(${name}_COMMAND ${tool} PARENT_SCOPE)
endfunction()
