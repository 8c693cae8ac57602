# The translations of a program: lng/en.ts and lng/ru.ts beside the calling CMakeLists.txt are compiled
# into the program's resources as :/lng/<PREFIX>en.qm and :/lng/<PREFIX>ru.qm, together with any further
# .qm files made in the build's lng folder (EXTRA). The target <NAME>_translations makes the .qm files;
# the rcc output is returned in OUT_SOURCES. UPDATE names a target that runs lupdate over SOURCES on
# demand, never in the normal build.
function(add_program_translations)
    cmake_parse_arguments(T "" "NAME;PREFIX;UPDATE;OUT_SOURCES" "SOURCES;EXTRA" ${ARGN})
    set(lng_dir ${CMAKE_CURRENT_BINARY_DIR}/lng)
    file(MAKE_DIRECTORY ${lng_dir})
    set(ts_files ${CMAKE_CURRENT_SOURCE_DIR}/lng/en.ts ${CMAKE_CURRENT_SOURCE_DIR}/lng/ru.ts)
    set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${lng_dir})
    qt5_add_translation(qm_files ${ts_files})

    set(entries "")
    foreach(language en ru)
        string(APPEND entries "    <file alias=\"${T_PREFIX}${language}.qm\">lng/${language}.qm</file>\n")
    endforeach()
    foreach(extra ${T_EXTRA})
        get_filename_component(extra_name ${extra} NAME)
        string(APPEND entries "    <file alias=\"${extra_name}\">lng/${extra_name}</file>\n")
    endforeach()
    set(lng_qrc ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_lng.qrc)
    file(WRITE ${lng_qrc}.in "<RCC>\n  <qresource prefix=\"/lng\">\n${entries}  </qresource>\n</RCC>\n")
    configure_file(${lng_qrc}.in ${lng_qrc} COPYONLY)
    set_source_files_properties(${lng_qrc} PROPERTIES SKIP_AUTORCC ON)
    qt5_add_resources(lng_sources ${lng_qrc})
    set_source_files_properties(${lng_sources} PROPERTIES OBJECT_DEPENDS "${qm_files};${T_EXTRA}")
    add_custom_target(${T_NAME}_translations DEPENDS ${qm_files} ${T_EXTRA})

    add_custom_target(${T_UPDATE}
        COMMAND Qt5::lupdate -no-obsolete -locations none ${T_SOURCES} -ts ${ts_files}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        COMMENT "Updating the translation sources of ${T_NAME}")
    set(${T_OUT_SOURCES} ${lng_sources} PARENT_SCOPE)
endfunction()
