# Compile options shared by every project target.
add_library(kv380_options INTERFACE)
target_compile_options(kv380_options INTERFACE -Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(kv380_options INTERFACE -Wshadow=local)
else()
  target_compile_options(kv380_options INTERFACE -Wshadow-uncaptured-local)
endif()
if(KV380_WERROR)
  target_compile_options(kv380_options INTERFACE -Werror)
endif()
if(KV380_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (libFuzzer): use the fuzz preset")
  endif()
  # Coverage for libFuzzer in every library, and the sanitizers that turn a bad access into a finding.
  target_compile_options(kv380_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                 -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(kv380_options INTERFACE -fsanitize=address,undefined)
endif()
if(KV380_SANITIZE)
  target_compile_options(kv380_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
  target_link_options(kv380_options INTERFACE -fsanitize=address,undefined)
endif()

# The public headers: what a host compiles against (include/kv380/...). Every target sees them; only the
# shared libraries' users see nothing else.
set(KV380_PUBLIC_INCLUDE_DIRS ${PROJECT_SOURCE_DIR}/include ${PROJECT_SOURCE_DIR}/include/kv380)
add_library(kv380_public_headers INTERFACE)
target_include_directories(kv380_public_headers INTERFACE ${KV380_PUBLIC_INCLUDE_DIRS})
target_link_libraries(kv380_public_headers INTERFACE kv380_options)

# Everything may end up in a shared library.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# kv380_include_root(ROOT FOLDER...): an include root of the build tree holding, at their usual paths
# (folder/Header.h), links to just the headers of the given source folders, so that a target sees the
# internal headers of the layers it links and no others.
function(kv380_include_root root)
  file(REMOVE_RECURSE ${root})
  file(MAKE_DIRECTORY ${root})
  foreach(folder IN LISTS ARGN)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    foreach(header IN LISTS headers)
      get_filename_component(file ${header} NAME)
      file(MAKE_DIRECTORY ${root}/${folder})
      file(CREATE_LINK ${header} ${root}/${folder}/${file} SYMBOLIC)
    endforeach()
  endforeach()
endfunction()

# kv380_add_layer(NAME FOLDERS folder... [LAYERS layer...] [LIBRARIES lib...]): one layer of the component,
# from the .cpp files of the given folders of src/ (each folder on its own, not its sub-folders):
#   NAME_objects  the compiled objects, symbols hidden unless a public header exports them (KV380_API);
#                 the shared library is made of these
#   NAME          a static library of the same objects, for programs that reach into the layer (tests,
#                 benchmarks, fuzz targets), with the layer's internal headers on its include path
# LAYERS are the layers below this one, LIBRARIES outside libraries.
function(kv380_add_layer name)
  cmake_parse_arguments(L "" "" "FOLDERS;LAYERS;LIBRARIES" ${ARGN})
  set(sources)
  foreach(folder IN LISTS L_FOLDERS)
    file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
  kv380_include_root(${root} ${L_FOLDERS})

  add_library(${name}_objects OBJECT ${sources})
  set_target_properties(${name}_objects PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${name}_objects PUBLIC ${root} ${KV380_PUBLIC_INCLUDE_DIRS})
  target_link_libraries(${name}_objects PUBLIC kv380_options ${L_LIBRARIES})

  add_library(${name} STATIC $<TARGET_OBJECTS:${name}_objects>)
  target_include_directories(${name} PUBLIC ${root} ${KV380_PUBLIC_INCLUDE_DIRS})
  target_link_libraries(${name} PUBLIC kv380_options ${L_LIBRARIES})
  foreach(layer IN LISTS L_LAYERS)
    target_link_libraries(${name}_objects PUBLIC ${layer}_objects)
    target_link_libraries(${name} PUBLIC ${layer})
  endforeach()
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
