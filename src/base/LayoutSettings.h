// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QVariant>

// The pane layout kept across runs: how each file pane arranges and zooms its
// list. All keys are integers in the group "layout" of the per-user file
// OpaloSync/Settings.ini.
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

private:
    QSettings *m_store;
};
