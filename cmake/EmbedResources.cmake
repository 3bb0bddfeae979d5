# Compiles the files named in a list file into the program as byte arrays, looked up by name
# through zelo::Resource (core/Resources.h). Each non-comment line of the list: <name> <path>,
# the path relative to the list file's folder.
function(zelo_embed_resources out list_file)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  get_filename_component(base ${list_file} DIRECTORY)
  file(STRINGS ${list_file} lines)
  set(names "")
  set(paths "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*#" OR line MATCHES "^[ \t]*$")
      continue()
    endif()
    separate_arguments(parts UNIX_COMMAND "${line}")
    list(GET parts 0 name)
    list(GET parts 1 rel)
    list(APPEND names ${name})
    list(APPEND paths ${base}/${rel})
  endforeach()
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/embedded_resources.cpp)
  string(REPLACE ";" "|" names_arg "${names}")
  string(REPLACE ";" "|" paths_arg "${paths}")
  add_custom_command(
    OUTPUT ${generated}
    COMMAND ${CMAKE_COMMAND} "-DNAMES=${names_arg}" "-DPATHS=${paths_arg}" -DOUT=${generated}
            -P ${PROJECT_SOURCE_DIR}/cmake/WriteEmbedded.cmake
    DEPENDS ${paths} ${PROJECT_SOURCE_DIR}/cmake/WriteEmbedded.cmake
    COMMENT "Embedding resources"
    VERBATIM)
  set(${out} ${generated} PARENT_SCOPE)
endfunction()
