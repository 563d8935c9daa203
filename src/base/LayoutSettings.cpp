// SPDX-License-Identifier: GPL-2.0-or-later
#include "base/LayoutSettings.h"

#include <memory>
#include <utility>

const char *const LayoutSettings::leftArrangeBy = "leftArrangeBy";
const char *const LayoutSettings::leftViewBy = "leftViewBy";
const char *const LayoutSettings::leftZoomLevel = "leftZoomLevel";
const char *const LayoutSettings::rightArrangeBy = "rightArrangeBy";
const char *const LayoutSettings::rightViewBy = "rightViewBy";
const char *const LayoutSettings::rightZoomLevel = "rightZoomLevel";
const char *const LayoutSettings::showBookmarks = "ShowBookmarks";

namespace {

const char *const group = "layout";

const std::pair<const char *, int> defaults[] = {
    { LayoutSettings::leftArrangeBy, 0 },
    { LayoutSettings::leftViewBy, LayoutSettings::iconsView },
    { LayoutSettings::leftZoomLevel, 100 },
    { LayoutSettings::rightArrangeBy, 0 },
    { LayoutSettings::rightViewBy, LayoutSettings::iconsView },
    { LayoutSettings::rightZoomLevel, 100 },
};

bool bookmarksTabRequested = false;

QSettings *perUserStore()
{
    return new QSettings(
        QSettings::IniFormat, QSettings::UserScope, QStringLiteral("OpaloSync"), QStringLiteral("Settings"));
}

} // namespace

LayoutSettings *LayoutSettings::instance()
{
    static LayoutSettings *const settings = new LayoutSettings(perUserStore());
    return settings;
}

bool LayoutSettings::bookmarksTabShown()
{
    const std::unique_ptr<QSettings> store(perUserStore());
    return bookmarksTabShown(*store);
}

bool LayoutSettings::bookmarksTabShown(QSettings &store)
{
    return bookmarksTabRequested
        || store.value(QLatin1String(group) + QLatin1Char('/') + QLatin1String(showBookmarks)).toBool();
}

void LayoutSettings::setBookmarksTabRequested(bool requested)
{
    bookmarksTabRequested = requested;
}

LayoutSettings::LayoutSettings(QSettings *store, QObject *parent)
    : QObject(parent)
    , m_store(store)
{
    m_store->setParent(this);
    m_store->beginGroup(QLatin1String(group));
    for (const auto &[key, fallback] : defaults)
        m_store->setValue(QLatin1String(key), m_store->value(QLatin1String(key), fallback));
    m_store->endGroup();
}

QVariant LayoutSettings::value(const QString &key) const
{
    m_store->beginGroup(QLatin1String(group));
    const QVariant result = m_store->value(key);
    m_store->endGroup();
    return result;
}

void LayoutSettings::setValue(const QString &key, const QVariant &value)
{
    m_store->beginGroup(QLatin1String(group));
    m_store->setValue(key, value);
    m_store->endGroup();
}
