# Installs the libraries, their headers and the CMake package KwControls, so another project
# writes find_package(KwControls) and links KwControls::KwControls (everything), or
# find_package(KwControls COMPONENTS Core) and links KwControls::KwControlsCore (no web engine).
# KwUpdate goes to bin/ beside.
#
# A Qt 6 build installs the same under names ending in 6 (KW_NAME_SUFFIX): the package
# KwControls6, libKwControls6.so and the others, headers under include/kwcontrols6 and so on, so a
# prefix holds both. The imported targets keep their names (KwControls::KwControls); only
# bin/KwUpdate, the program clients start by that name, is the one installed last.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KW_PACKAGE KwControls${KW_NAME_SUFFIX})
set(KW_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/${KW_PACKAGE})

# Installed libraries find each other in their own folder, the program finds them one level up,
# wherever the prefix is moved to.
set_target_properties(KwCore pdfpane KwControlsCore KwControls PROPERTIES INSTALL_RPATH "$ORIGIN")
file(RELATIVE_PATH kw_bin_to_lib /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_LIBDIR})
set_target_properties(KwUpdate PROPERTIES INSTALL_RPATH "$ORIGIN/${kw_bin_to_lib}")

# Dependents link the shared libraries under a stable soname; the version follows the project's.
set_target_properties(KwCore pdfpane KwControlsCore KwControls PROPERTIES
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
foreach(library KwCore pdfpane KwControlsCore KwControls)
  set_target_properties(${library} PROPERTIES OUTPUT_NAME ${library}${KW_NAME_SUFFIX})
endforeach()

# Two export sets: a consumer without the web engine's development files still gets the core.
install(TARGETS KwCore KwControlsCore EXPORT KwControlsCoreTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS pdfpane KwControls EXPORT KwControlsWebTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS KwUpdate RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Headers keep the layout they are included with; the folders match the targets'
# $<INSTALL_INTERFACE:include/...> directories. Each library lists its public headers (every
# header of its sources but the private *_p.h ones); the export headers are generated.
function(kw_install_headers source_dir destination)
  foreach(header ${ARGN})
    get_filename_component(sub ${header} DIRECTORY)
    install(FILES ${source_dir}/${header} DESTINATION ${destination}/${sub})
  endforeach()
endfunction()
kw_install_headers(${PROJECT_SOURCE_DIR}/kwcore include/kwcore${KW_NAME_SUFFIX} ${KW_CORE_PUBLIC_HEADERS})
kw_install_headers(${PROJECT_SOURCE_DIR}/pdfpane include/pdfpane${KW_NAME_SUFFIX} ${KW_PDFPANE_PUBLIC_HEADERS})
kw_install_headers(${PROJECT_SOURCE_DIR}/controls include/kwcontrols${KW_NAME_SUFFIX} ${KW_CONTROLS_PUBLIC_HEADERS})
install(FILES ${PROJECT_BINARY_DIR}/kwcore/kwcore_export.h DESTINATION include/kwcore${KW_NAME_SUFFIX})
install(FILES ${PROJECT_BINARY_DIR}/pdfpane/pdfpane_export.h DESTINATION include/pdfpane${KW_NAME_SUFFIX})
install(FILES ${PROJECT_BINARY_DIR}/controls/kwcontrols_export.h ${PROJECT_BINARY_DIR}/controls/kwcontrolsweb_export.h
  DESTINATION include/kwcontrols${KW_NAME_SUFFIX})

# The compiled catalogues, built into the libraries too, for a client that loads them itself or
# ships them in its translations/ folder.
get_property(kw_translations GLOBAL PROPERTY KW_INSTALLED_TRANSLATIONS)
install(FILES ${kw_translations} DESTINATION ${CMAKE_INSTALL_DATADIR}/kwcontrols${KW_NAME_SUFFIX}/translations)

install(EXPORT KwControlsCoreTargets NAMESPACE KwControls:: DESTINATION ${KW_CMAKE_DIR})
install(EXPORT KwControlsWebTargets NAMESPACE KwControls:: DESTINATION ${KW_CMAKE_DIR})
# The package file finds the Qt major and version the libraries were built with.
set(KW_QT_PACKAGE Qt${QT_VERSION_MAJOR})
set(KW_QT_PACKAGE_VERSION ${KW_QT_MINIMUM})
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/KwControlsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/${KW_PACKAGE}Config.cmake
  INSTALL_DESTINATION ${KW_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${KW_PACKAGE}ConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${KW_PACKAGE}Config.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/${KW_PACKAGE}ConfigVersion.cmake
  DESTINATION ${KW_CMAKE_DIR})
