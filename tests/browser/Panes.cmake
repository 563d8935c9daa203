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

# Pictures of the device pane while a large photo folder fills in (not a test).
add_executable(thumbnail_snapshots thumbnail_snapshots.cpp)
target_link_libraries(thumbnail_snapshots PRIVATE opalo_pane_test_support opalo_resources opalo_translations)
