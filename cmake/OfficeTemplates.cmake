# Document templates are kept as readable flat ODF sources (.fodt) and turned into the
# .odt and .docx files the generators open by LibreOffice at build time:
#
#   orvane_office_templates(TARGET name OUTPUT_DIR dir SOURCES a.fodt ...)
#
# Each source gets its own LibreOffice profile in the build tree, so conversions can run
# in parallel and never touch the user's profile.
find_program(ORVANE_SOFFICE soffice)

function(orvane_office_templates)
  cmake_parse_arguments(T "" "TARGET;OUTPUT_DIR" "SOURCES" ${ARGN})
  if(NOT ORVANE_SOFFICE)
    message(WARNING "soffice not found: the document templates are not built")
    add_custom_target(${T_TARGET})
    return()
  endif()
  set(outputs)
  foreach(src ${T_SOURCES})
    get_filename_component(abs ${src} ABSOLUTE)
    get_filename_component(stem ${src} NAME_WE)
    set(profile ${CMAKE_CURRENT_BINARY_DIR}/soffice-profiles/${stem})
    string(REPLACE " " "_" profile "${profile}")
    set(odt "${T_OUTPUT_DIR}/${stem}.odt")
    set(docx "${T_OUTPUT_DIR}/${stem}.docx")
    add_custom_command(
      OUTPUT ${odt} ${docx}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${T_OUTPUT_DIR}
      COMMAND ${ORVANE_SOFFICE} -env:UserInstallation=file://${profile} --headless
              --convert-to odt --outdir ${T_OUTPUT_DIR} ${abs}
      COMMAND ${ORVANE_SOFFICE} -env:UserInstallation=file://${profile} --headless
              --convert-to "docx:MS Word 2007 XML" --outdir ${T_OUTPUT_DIR} ${abs}
      DEPENDS ${abs}
      COMMENT "Building the templates ${stem}.odt and ${stem}.docx"
      VERBATIM)
    list(APPEND outputs ${odt} ${docx})
  endforeach()
  add_custom_target(${T_TARGET} ALL DEPENDS ${outputs})
endfunction()
