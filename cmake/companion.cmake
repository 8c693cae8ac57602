# A companion program (Cantrel, Folianto): its window and its resources form an object library,
# <name>core, that the tests link; the program <name> is a thin main.cpp over it. The library is a set
# of objects, so the resources' static registration always reaches the program and the tests. Its
# translations, lng/en.ts and lng/ru.ts, are compiled into the resources as :/lng/<name>_en.qm and
# :/lng/<name>_ru.qm; update_<name>_translations runs lupdate on demand, never in the normal build.
function(add_companion name title)
    set(lng_dir ${CMAKE_CURRENT_BINARY_DIR}/lng)
    file(MAKE_DIRECTORY ${lng_dir})
    set(ts_files ${CMAKE_CURRENT_SOURCE_DIR}/lng/en.ts ${CMAKE_CURRENT_SOURCE_DIR}/lng/ru.ts)
    set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${lng_dir})
    qt5_add_translation(qm_files ${ts_files})

    set(lng_qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}_lng.qrc)
    file(WRITE ${lng_qrc}.in "<RCC>\n  <qresource prefix=\"/lng\">\n"
         "    <file alias=\"${name}_en.qm\">lng/en.qm</file>\n"
         "    <file alias=\"${name}_ru.qm\">lng/ru.qm</file>\n  </qresource>\n</RCC>\n")
    configure_file(${lng_qrc}.in ${lng_qrc} COPYONLY)
    set_source_files_properties(${lng_qrc} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.qrc PROPERTIES SKIP_AUTORCC ON)
    qt5_add_resources(res_sources ${CMAKE_CURRENT_SOURCE_DIR}/${name}.qrc)
    qt5_add_resources(lng_sources ${lng_qrc})
    set_source_files_properties(${lng_sources} PROPERTIES OBJECT_DEPENDS "${qm_files}")
    add_custom_target(${name}_translations DEPENDS ${qm_files})

    add_library(${name}core OBJECT mainwindow.cpp mainwindow.h ${name}.ui ${res_sources} ${lng_sources})
    add_dependencies(${name}core ${name}_translations)
    target_include_directories(${name}core PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/${name}core_autogen/include)
    target_link_libraries(${name}core PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets)

    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}core)

    find_program(COMPANION_LUPDATE_EXECUTABLE lupdate HINTS /usr/lib/qt5/bin)
    add_custom_target(update_${name}_translations
        COMMAND ${COMPANION_LUPDATE_EXECUTABLE} -no-obsolete -locations none ${CMAKE_CURRENT_SOURCE_DIR}
                -ts ${ts_files}
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        COMMENT "Updating ${title} translation sources")
endfunction()
