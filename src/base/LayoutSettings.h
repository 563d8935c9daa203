// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QVariant>

// The pane layout kept across runs: how each file pane arranges and zooms its
// list, and whether it shows its files as icons or as details. All keys are
// integers in the group "layout" of the per-user file OpaloSync/Settings.ini.
// One more key there, never written by the program, shows the media window's
// Bookmarks tab.
class LayoutSettings : public QObject
{
    Q_OBJECT

public:
    static LayoutSettings *instance();

    // Opens the given store, fills in every missing key with its default and
    // writes every key back. instance() uses the per-user INI file.
    explicit LayoutSettings(QSettings *store, QObject *parent = nullptr);

    // The stored value, or an invalid QVariant when the key is absent.
    QVariant value(const QString &key) const;
    void setValue(const QString &key, const QVariant &value);

    static const char *const leftArrangeBy;
    static const char *const leftViewBy;
    static const char *const leftZoomLevel;
    static const char *const rightArrangeBy;
    static const char *const rightViewBy;
    static const char *const rightZoomLevel;
    static const char *const showBookmarks;
    // The values of "leftViewBy" and "rightViewBy": a pane shows its files
    // as details, or as icons for any other value (as before there was a
    // choice).
    static constexpr int iconsView = 2;
    static constexpr int detailsView = 1;

    // Whether the media window offers its Bookmarks tab: asked for on this
    // run's command line, or by ShowBookmarks=true in the per-user file (no
    // when absent), which is read without creating the file.
    static bool bookmarksTabShown();
    // The same, with the key read from store.
    static bool bookmarksTabShown(QSettings &store);
    static void setBookmarksTabRequested(bool requested);

private:
    QSettings *m_store;
};
