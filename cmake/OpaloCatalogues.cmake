# SPDX-License-Identifier: GPL-2.0-or-later
# opalo_add_catalogues(TARGET PREFIX)
# Compiles the eight catalogues translations/PREFIX_xx.ts and embeds them
# under ":/translation/lang/PREFIX_xx.qm" in the object library TARGET, which
# a program or plug-in links directly.
set(OPALO_LANGUAGES en fr de es it nl pt ru)

function(opalo_add_catalogues target prefix)
    set(ts_files "")
    set(qrc_entries "")
    foreach(language IN LISTS OPALO_LANGUAGES)
        list(APPEND ts_files ${PROJECT_SOURCE_DIR}/translations/${prefix}_${language}.ts)
        string(APPEND qrc_entries "        <file>lang/${prefix}_${language}.qm</file>\n")
    endforeach()
    set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION ${CMAKE_CURRENT_BINARY_DIR}/lang)
    qt_add_translation(qm_files ${ts_files})

    # The file name names the resource's registration functions: one per
    # catalogue set, so a plug-in's never clash with the program's.
    set(qrc_file ${CMAKE_CURRENT_BINARY_DIR}/${prefix}_catalogues.qrc)
    file(WRITE ${qrc_file}.in
        "<RCC>\n    <qresource prefix=\"/translation\">\n${qrc_entries}    </qresource>\n</RCC>\n")
    configure_file(${qrc_file}.in ${qrc_file} COPYONLY)
    qt_add_resources(rcc_sources ${qrc_file})

    add_library(${target} OBJECT ${rcc_sources} ${qm_files})
    set_target_properties(${target} PROPERTIES AUTORCC OFF AUTOMOC OFF
        POSITION_INDEPENDENT_CODE ON CXX_VISIBILITY_PRESET hidden)
    target_link_libraries(${target} PRIVATE Qt::Core)
endfunction()
