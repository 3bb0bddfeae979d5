# The user's guide hilfe.pdf: the tool hilfe_pdf starts the program offscreen, takes pictures of its
# windows on the way through an evaluation and sets the guide's HTML with them into the PDF. The
# program carries the PDF as the Qt resource ":/hilfe.pdf" (library zelo_hilfe) and copies it into
# its program folder at start-up.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(ZELO_HELP_SOURCE ${PROJECT_SOURCE_DIR}/resources/help)
file(GLOB ZELO_HELP_TOOL_SOURCES CONFIGURE_DEPENDS ${ZELO_HELP_SOURCE}/tool/*.cpp)
# The tool drives the window as the window tests do, with their generated sample and recording seam.
add_executable(hilfe_pdf ${ZELO_HELP_TOOL_SOURCES}
               ${PROJECT_SOURCE_DIR}/tests/support/TestWorld.cpp
               ${PROJECT_SOURCE_DIR}/tests/support/TempEnvironment.cpp
               ${PROJECT_SOURCE_DIR}/tests/support/RecordingSeam.cpp)
target_include_directories(hilfe_pdf PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(hilfe_pdf PRIVATE zelo_ui Qt6::Test)

set(ZELO_HELP_PAGES ${ZELO_HELP_SOURCE}/hilfe_de.html ${ZELO_HELP_SOURCE}/hilfe_en.html)
set(ZELO_HELP_PDF ${CMAKE_BINARY_DIR}/hilfe.pdf)
add_custom_command(
  OUTPUT ${ZELO_HELP_PDF}
  # No display is needed; in a sanitizer build the leak report of the window system's libraries at
  # exit must not fail the build step.
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:hilfe_pdf> ${ZELO_HELP_PDF} ${CMAKE_BINARY_DIR}/hilfe_bilder ${ZELO_HELP_PAGES}
  DEPENDS hilfe_pdf ${ZELO_HELP_PAGES}
  COMMENT "Writing the user's guide hilfe.pdf"
  VERBATIM)
set_source_files_properties(${ZELO_HELP_PDF} PROPERTIES GENERATED TRUE)
add_library(zelo_hilfe OBJECT)
qt_add_resources(zelo_hilfe "hilfe" PREFIX "/" BASE ${CMAKE_BINARY_DIR} FILES ${ZELO_HELP_PDF})
target_link_libraries(zelo_hilfe PRIVATE Qt6::Core)
