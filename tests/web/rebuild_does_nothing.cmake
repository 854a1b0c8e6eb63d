# cmake -DBUILD_DIR=<build folder> -P rebuild_does_nothing.cmake
# Configures and builds pdfpane twice in BUILD_DIR; the second round must generate, compile and
# link nothing.
foreach(round first second)
  execute_process(COMMAND ${CMAKE_COMMAND} ${BUILD_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE configured ERROR_VARIABLE configured)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "configuring ${BUILD_DIR} failed:\n${configured}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target pdfpane
    RESULT_VARIABLE status OUTPUT_VARIABLE built ERROR_VARIABLE built)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "building pdfpane failed:\n${built}")
  endif()
endforeach()
string(REGEX MATCHALL "[^\n]*(Generating|Linking|Building|Automatic RCC)[^\n]*" work "${built}")
if(work)
  string(REPLACE ";" "\n" work "${work}")
  message(FATAL_ERROR "the second build of pdfpane with nothing changed still did work:\n${work}")
endif()
message(STATUS "the second build of pdfpane did nothing")
