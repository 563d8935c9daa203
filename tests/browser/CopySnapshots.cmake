# SPDX-License-Identifier: GPL-2.0-or-later
# Pictures of the copy's questions and progress, for looking at them (not a test).
add_executable(copy_snapshots copy_snapshots.cpp)
target_link_libraries(copy_snapshots PRIVATE
    opalo_pane_test_support opalo_resources opalo_translations Qt5::Test)
