# SPDX-License-Identifier: GPL-2.0-or-later
opalo_add_test(tst_browsertreemodel SOURCES tst_browsertreemodel.cpp)
opalo_add_test(tst_videomodel SOURCES tst_videomodel.cpp)
opalo_add_test(tst_qvideolist SOURCES tst_qvideolist.cpp)
