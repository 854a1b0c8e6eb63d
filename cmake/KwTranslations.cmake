# The texts are written in Chinese; translations/<catalogue>_<language>.ts holds each other
# language, one catalogue per program part: kwcontrols (KwCore, pdfpane, KwControlsCore and
# KwControls), kwupdate (KwUpdate) and kwgallery (the gallery).
#
# kw_add_translations(<target> <catalogue> <resource folder> [INSTALL])
# compiles translations/<catalogue>_<language>.ts for each of KW_TRANSLATION_LANGUAGES with lrelease at build time and builds the .qm
# files into <target>'s resources, in <resource folder> (":/kwcontrols/translations" gives the
# prefix /kwcontrols/translations). The resource file is named <catalogue>_translations.qrc:
# a static library calls Q_INIT_RESOURCE(<catalogue>_translations). INSTALL also installs the
# .qm files with the library (see KwInstall.cmake).
#
# A new language is added to this list, with its catalogues in translations/.
set(KW_TRANSLATION_LANGUAGES en)

function(kw_add_translations target catalogue resource_folder)
  cmake_parse_arguments(T "INSTALL" "" "" ${ARGN})
  set(ts_files)
  foreach(language ${KW_TRANSLATION_LANGUAGES})
    set(ts ${PROJECT_SOURCE_DIR}/translations/${catalogue}_${language}.ts)
    if(NOT EXISTS ${ts})
      message(FATAL_ERROR "no translations/${catalogue}_${language}.ts")
    endif()
    list(APPEND ts_files ${ts})
  endforeach()
  set(qm_dir ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${qm_dir})
  # Qt 5.15 and Qt 6 both offer the unversioned command.
  qt_add_translation(qm_files ${ts_files})

  string(REGEX REPLACE "^:" "" prefix "${resource_folder}")
  set(qrc "<RCC>\n  <qresource prefix=\"${prefix}\">\n")
  foreach(qm ${qm_files})
    get_filename_component(name ${qm} NAME)
    string(APPEND qrc "    <file alias=\"${name}\">${qm}</file>\n")
  endforeach()
  string(APPEND qrc "  </qresource>\n</RCC>\n")
  # Through configure_file, which leaves an unchanged file alone: a new time stamp at every
  # configure would rebuild the resources and relink the library.
  set(qrc_file ${CMAKE_CURRENT_BINARY_DIR}/${catalogue}_translations.qrc)
  file(WRITE ${qrc_file}.in "${qrc}")
  configure_file(${qrc_file}.in ${qrc_file} COPYONLY)
  # Not through AUTORCC: rcc must wait for lrelease, which the resource compiler's explicit
  # dependencies on the listed .qm files see to.
  qt_add_resources(rcc_sources ${qrc_file})
  set_source_files_properties(${rcc_sources} PROPERTIES SKIP_AUTOGEN ON)
  target_sources(${target} PRIVATE ${rcc_sources})

  if(T_INSTALL)
    set_property(GLOBAL APPEND PROPERTY KW_INSTALLED_TRANSLATIONS ${qm_files})
  endif()
endfunction()
