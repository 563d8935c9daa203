// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MainMenu.h"

#include "widgets/Button.h"
#include "widgets/SkinStyle.h"

#include <QGridLayout>
#include <QLabel>

struct MainMenu::Category
{
    int row;
    int column;
    const char *layoutSuffix;
    const char *buttonName;
    const char *titleName;
    const char *titleKey;
    const char *descriptionName;
    const char *descriptionKey;
    const char *normalImage;
    const char *hoverImage;
    const char *pressedImage;
    void (MainMenu::*signal)();
};

namespace {

const int buttonSide = 118;
const int titlePointSize = 13;
const int descriptionPointSize = 9;

} // namespace

MainMenu::MainMenu(QWidget *parent)
    : QWidget(parent)
{
    static const Category categories[] = {
        { 0, 1, "5", "_appSyncPushButton", "label_13", QT_TRANSLATE_NOOP("MainMenu", "IDS_APP_SYNC"),
            "label_14", QT_TRANSLATE_NOOP("MainMenu", "IDS_APP_SYNC_DESC"), ":/skin/res/icon_app.png",
            ":/skin/res/icon_app_hover.png", ":/skin/res/icon_app_pressed.png", &MainMenu::showAppSync },
        { 1, 0, "6", "_bakRestorePushButton", "label_15", QT_TRANSLATE_NOOP("MainMenu", "IDS_BACKUP_RESTORE"),
            "label_16", QT_TRANSLATE_NOOP("MainMenu", "IDS_BACKUP_RESTORE_DESC"),
            ":/skin/res/icon_bak_restore.png", ":/skin/res/icon_bak_restore_hover.png",
            ":/skin/res/icon_bak_restore_pressed.png", &MainMenu::showBackupRestore },
        { 1, 1, "7", "_updatePushButton", "label_17", QT_TRANSLATE_NOOP("MainMenu", "IDS_SYS_UPDATE"),
            "label_18", QT_TRANSLATE_NOOP("MainMenu", "IDS_SYS_UPDATE_DESC"), ":/skin/res/icon_update.png",
            ":/skin/res/icon_update_hover.png", ":/skin/res/icon_update_pressed.png",
            &MainMenu::showUpadate },
        { 0, 0, "8", "_mediaPushButton", "label_19", QT_TRANSLATE_NOOP("MainMenu", "IDS_MEDIA_SYNC"),
            "label_20", QT_TRANSLATE_NOOP("MainMenu", "IDS_MEDIA_SYNC_DESC"), ":/skin/res/icon_media.png",
            ":/skin/res/icon_media_hover.png", ":/skin/res/icon_media_pressed.png",
            &MainMenu::showMediaSync },
    };

    setWindowTitle(QStringLiteral("Form"));
    auto *outer = new QGridLayout(this);
    outer->setObjectName(QStringLiteral("gridLayout_3"));
    auto *grid = new QGridLayout;
    grid->setObjectName(QStringLiteral("_cathegorySelectionGridLayout_2"));
    grid->setContentsMargins(0, 30, 0, 0);
    outer->addLayout(grid, 0, 0);
    for (const Category &category : categories)
        addCategory(grid, category);
}

void MainMenu::addCategory(QGridLayout *grid, const Category &category)
{
    auto *button = new Button(this);
    button->setObjectName(QLatin1String(category.buttonName));
    button->setFixedSize(buttonSide, buttonSide);
    button->setStateImages(skinImage(QLatin1String(category.normalImage)),
        skinImage(QLatin1String(category.hoverImage)), skinImage(QLatin1String(category.pressedImage)));
    connect(button, &QPushButton::clicked, this, category.signal);

    auto *title = new QLabel(tr(category.titleKey), this);
    title->setObjectName(QLatin1String(category.titleName));
    title->setFont(skinFont(titlePointSize, QFont::Bold));
    // Long titles of some languages would otherwise widen the main window.
    title->setWordWrap(true);
    auto *description = new QLabel(tr(category.descriptionKey), this);
    description->setObjectName(QLatin1String(category.descriptionName));
    description->setFont(skinFont(descriptionPointSize));
    description->setWordWrap(true);
    // The button shows a picture only: screen readers take its title.
    button->setAccessibleName(title->text());
    button->setAccessibleDescription(description->text());

    auto *texts = new QVBoxLayout;
    texts->setObjectName(QLatin1String("_cathegoryTextlLayout_") + QLatin1String(category.layoutSuffix));
    texts->addStretch();
    texts->addWidget(title);
    texts->addWidget(description);
    texts->addStretch();
    auto *cell = new QHBoxLayout;
    cell->setObjectName(QLatin1String("_cathegoryHorizontalLayout_") + QLatin1String(category.layoutSuffix));
    cell->addWidget(button);
    cell->addLayout(texts);
    grid->addLayout(cell, category.row, category.column);
}
