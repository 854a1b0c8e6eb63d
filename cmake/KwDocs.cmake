# The `docs` target: the API reference of every installed header, made by Doxygen into
# build/docs/html with the README as its main page. Warnings go to build/docs/warnings.log,
# which scripts/docs requires to be empty.
find_package(Doxygen QUIET)
if(NOT DOXYGEN_FOUND)
  return()
endif()

set(KW_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
set(kw_docs_headers)
foreach(header ${KW_CORE_PUBLIC_HEADERS})
  list(APPEND kw_docs_headers ${PROJECT_SOURCE_DIR}/kwcore/${header})
endforeach()
foreach(header ${KW_PDFPANE_PUBLIC_HEADERS})
  list(APPEND kw_docs_headers ${PROJECT_SOURCE_DIR}/pdfpane/${header})
endforeach()
foreach(header ${KW_CONTROLS_PUBLIC_HEADERS})
  list(APPEND kw_docs_headers ${PROJECT_SOURCE_DIR}/controls/${header})
endforeach()
list(JOIN kw_docs_headers " \\\n                         " KW_DOCS_INPUT)
set(KW_DOCS_INPUT "${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/kwcore/README.md ${PROJECT_SOURCE_DIR}/CONTRIBUTING.md ${PROJECT_SOURCE_DIR}/docs/families.dox \\\n                         ${KW_DOCS_INPUT}")

configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${KW_DOCS_DIR}/Doxyfile @ONLY)
add_custom_target(docs
  COMMAND ${CMAKE_COMMAND} -E remove -f ${KW_DOCS_DIR}/warnings.log
  COMMAND ${DOXYGEN_EXECUTABLE} ${KW_DOCS_DIR}/Doxyfile
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Making the API reference in ${KW_DOCS_DIR}/html"
  VERBATIM)
