# cmake --install: the two shared libraries, the public headers and a CMake package, so that a host's
# project says find_package(KV380Stockpile 0.3 CONFIG) and links KV380::Stockpile (and KV380::StockpileQt
# to draw the control with Qt).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KV380_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/KV380Stockpile)
set(kv380_installed kv380stockpile)
set(KV380_WITH_QT OFF)
if(TARGET kv380stockpileqt)
  list(APPEND kv380_installed kv380stockpileqt)
  set(KV380_WITH_QT ON)
endif()

install(TARGETS ${kv380_installed} EXPORT KV380StockpileTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT KV380StockpileTargets NAMESPACE KV380:: DESTINATION ${KV380_PACKAGE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KV380StockpileConfig.cmake.in
                              ${CMAKE_BINARY_DIR}/KV380StockpileConfig.cmake
                              INSTALL_DESTINATION ${KV380_PACKAGE_DIR})
# 0.3 is compatible with 0.3.x only: the public surface may still change between minor versions.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/KV380StockpileConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION} COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_BINARY_DIR}/KV380StockpileConfig.cmake ${CMAKE_BINARY_DIR}/KV380StockpileConfigVersion.cmake
        DESTINATION ${KV380_PACKAGE_DIR})
