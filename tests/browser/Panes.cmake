# SPDX-License-Identifier: GPL-2.0-or-later
# A private home, an empty mount table and a device for the pane tests.
add_library(opalo_pane_test_support STATIC PaneTestHome.cpp PaneTestHome.h)
target_include_directories(opalo_pane_test_support PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(opalo_pane_test_support PUBLIC OpaloSyncCore opalo_test_support)

opalo_add_test(tst_baseframe SOURCES tst_baseframe.cpp LIBRARIES opalo_pane_test_support)
opalo_add_test(tst_browser SOURCES tst_browser.cpp LIBRARIES opalo_pane_test_support)

# Pictures of the media sync window, for looking at it (not a test).
add_executable(browser_snapshots browser_snapshots.cpp)
target_link_libraries(browser_snapshots PRIVATE opalo_pane_test_support opalo_resources opalo_translations Qt5::Test)
opalo_add_test(tst_workers SOURCES tst_workers.cpp LIBRARIES opalo_pane_test_support)

# The program's side of the context-menu plug-ins, against the recording
# stand-ins built with the GNOME plug-in's tests.
opalo_add_test(tst_pluginbinding SOURCES tst_pluginbinding.cpp LIBRARIES opalo_pane_test_support ${CMAKE_DL_LIBS})
target_compile_definitions(tst_pluginbinding PRIVATE
    RECORDING_PLUGIN_DIR="$<TARGET_FILE_DIR:recording_gtkShellMenu>"
    PARTIAL_PLUGIN_DIR="$<TARGET_FILE_DIR:partial_gtkShellMenu>")
add_dependencies(tst_pluginbinding
    recording_gtkShellMenu recording_KdeShellMenu partial_gtkShellMenu partial_KdeShellMenu)

# Pictures of the device pane while a large photo folder fills in (not a test).
add_executable(thumbnail_snapshots thumbnail_snapshots.cpp)
target_link_libraries(thumbnail_snapshots PRIVATE opalo_pane_test_support opalo_resources opalo_translations)
