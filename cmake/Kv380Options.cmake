# Compile options shared by every project target.
add_library(kv380_options INTERFACE)
target_compile_options(kv380_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow=local)
if(KV380_WERROR)
  target_compile_options(kv380_options INTERFACE -Werror)
endif()
if(KV380_SANITIZE)
  target_compile_options(kv380_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
  target_link_options(kv380_options INTERFACE -fsanitize=address,undefined)
endif()

# kv380_add_layer(NAME DIR... DEPS ...): a static library from every .cpp of the given folders.
function(kv380_add_layer name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS L_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC kv380_options ${L_DEPS})
  else()
    # A layer whose folders hold only headers so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE kv380_options ${L_DEPS})
  endif()
endfunction()

# kv380_add_tests(NAME DIR DEPS ...): one GoogleTest program from every .cpp of a tests folder.
function(kv380_add_tests name dir)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE kv380_options ${T_DEPS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=1;UBSAN_OPTIONS=print_stacktrace=1")
endfunction()
