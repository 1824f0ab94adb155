# gzip_at_build(SOURCE OUTPUT): OUTPUT is SOURCE compressed as Debian wants
# its manual pages and changelogs, without a name or time inside, so the
# same source always gives the same bytes.
function(gzip_at_build source output)
  get_filename_component(folder ${output} DIRECTORY)
  get_filename_component(name ${output} NAME)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND gzip -9n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
endfunction()
