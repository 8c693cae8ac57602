# A companion program (Cantrel, Folianto): its window and its resources form an object library,
# <name>core, that the tests link; the program <name> is a thin main.cpp over it. The library is a set
# of objects, so the resources' static registration always reaches the program and the tests. Its
# translations, lng/en.ts and lng/ru.ts, are compiled into the resources as :/lng/<name>_en.qm and
# :/lng/<name>_ru.qm; update_<name>_translations runs lupdate on demand, never in the normal build.
include(${CMAKE_CURRENT_LIST_DIR}/translations.cmake)

function(add_companion name)
    add_program_translations(NAME ${name} PREFIX ${name}_ UPDATE update_${name}_translations
        OUT_SOURCES lng_sources SOURCES ${CMAKE_CURRENT_SOURCE_DIR})
    set_source_files_properties(${CMAKE_CURRENT_SOURCE_DIR}/${name}.qrc PROPERTIES SKIP_AUTORCC ON)
    qt5_add_resources(res_sources ${CMAKE_CURRENT_SOURCE_DIR}/${name}.qrc)

    add_library(${name}core OBJECT mainwindow.cpp mainwindow.h ${name}.ui ${res_sources} ${lng_sources})
    add_dependencies(${name}core ${name}_translations)
    target_include_directories(${name}core PUBLIC ${CMAKE_CURRENT_BINARY_DIR}/${name}core_autogen/include)
    target_link_libraries(${name}core PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets)

    add_executable(${name} main.cpp)
    target_link_libraries(${name} PRIVATE ${name}core)
endfunction()
