# Writes headers holding files' bytes as std::string_views, so test programs
# carry their fixtures with them wherever they run.

# A braced initialiser of a std::string_view with `path`'s bytes, in `out`.
function(_glyphlog_bytes_literal path out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
  file(READ ${path} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR byteCount "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  set(${out} "{\"${escaped}\", ${byteCount}}" PARENT_SCOPE)
endfunction()

# glyphlog_embed_files(OUTPUT header NAMESPACE ns FILES name=path...)
# One constant per file.
function(glyphlog_embed_files)
  cmake_parse_arguments(E "" "OUTPUT;NAMESPACE" "FILES" ${ARGN})
  set(text "#pragma once\n#include <string_view>\nnamespace ${E_NAMESPACE} {\n")
  foreach(entry IN LISTS E_FILES)
    string(REPLACE "=" ";" fields "${entry}")
    list(GET fields 0 name)
    list(GET fields 1 path)
    _glyphlog_bytes_literal(${path} literal)
    string(APPEND text "inline constexpr std::string_view ${name}${literal};\n")
  endforeach()
  string(APPEND text "}\n")
  file(WRITE ${E_OUTPUT} "${text}")
endfunction()

# glyphlog_embed_tree(OUTPUT header NAMESPACE ns NAME name DIR folder)
# Every file below `folder` as an array `name` of {relative path with
# backslashes, bytes}.
function(glyphlog_embed_tree)
  cmake_parse_arguments(E "" "OUTPUT;NAMESPACE;NAME;DIR" "" ${ARGN})
  file(GLOB_RECURSE paths LIST_DIRECTORIES false RELATIVE ${E_DIR} CONFIGURE_DEPENDS ${E_DIR}/*)
  list(SORT paths)
  set(text "#pragma once\n#include <string_view>\nnamespace ${E_NAMESPACE} {\n")
  string(APPEND text "struct EmbeddedFile {\n  std::string_view path;\n  std::string_view bytes;\n};\n")
  string(APPEND text "inline constexpr EmbeddedFile ${E_NAME}[] = {\n")
  foreach(path IN LISTS paths)
    _glyphlog_bytes_literal(${E_DIR}/${path} literal)
    string(REPLACE "/" "\\\\" windowsPath "${path}")
    string(APPEND text "    {\"${windowsPath}\", ${literal}},\n")
  endforeach()
  string(APPEND text "};\n}\n")
  file(WRITE ${E_OUTPUT} "${text}")
endfunction()
