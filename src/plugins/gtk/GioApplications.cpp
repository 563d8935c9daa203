// SPDX-License-Identifier: GPL-2.0-or-later
#include "GioApplications.h"

#include "GioFiles.h"

#include <QMimeDatabase>
#include <QSet>

QString GioApplications::contentTypeOf(const QString &path)
{
    g_autoptr(GFile) file = GioFiles::fileAt(path);
    g_autoptr(GFileInfo) info = g_file_query_info(
        file, G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE, G_FILE_QUERY_INFO_NONE, nullptr, nullptr);
    const char *type = info ? g_file_info_get_content_type(info) : nullptr;
    return type ? QString::fromUtf8(type) : QString();
}

QString GioApplications::descriptionOf(const QString &contentType)
{
    // The same shared database as GIO's, whose own reader of it leaks.
    return QMimeDatabase().mimeTypeForName(contentType).comment();
}

GioApplications::App GioApplications::adopt(GAppInfo *app)
{
    return app ? App(app, g_object_unref) : App();
}

QVector<GioApplications::App> GioApplications::adoptAll(GList *apps)
{
    QVector<App> adopted;
    for (GList *entry = apps; entry; entry = entry->next)
        adopted.append(adopt(G_APP_INFO(entry->data)));
    g_list_free(apps);
    return adopted;
}

QVector<GioApplications::App> GioApplications::registeredFor(const QString &contentType)
{
    return adoptAll(g_app_info_get_all_for_type(contentType.toUtf8().constData()));
}

GioApplications::App GioApplications::defaultFor(const QString &contentType)
{
    return adopt(g_app_info_get_default_for_type(contentType.toUtf8().constData(), FALSE));
}

QVector<GioApplications::App> GioApplications::installed()
{
    QVector<App> shown;
    QSet<QString> ids;
    for (const App &app : adoptAll(g_app_info_get_all())) {
        const char *id = g_app_info_get_id(app.data());
        if (g_app_info_should_show(app.data()) && !ids.contains(QString::fromUtf8(id))) {
            ids.insert(QString::fromUtf8(id));
            shown.append(app);
        }
    }
    return shown;
}

QString GioApplications::nameOf(const App &app)
{
    return QString::fromUtf8(g_app_info_get_name(app.data()));
}

QString GioApplications::descriptionOf(const App &app)
{
    return QString::fromUtf8(g_app_info_get_description(app.data()));
}

bool GioApplications::launch(const App &app, const QString &path)
{
    g_autoptr(GFile) file = GioFiles::fileAt(path);
    GList files = { file, nullptr, nullptr };
    return g_app_info_launch(app.data(), &files, nullptr, nullptr);
}
