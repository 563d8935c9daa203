// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/MainWindowUi.h"

#include "ui/GraphicalStatus.h"
#include "widgets/Button.h"
#include "widgets/ProgressBar.h"
#include "widgets/SkinStyle.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

const QColor textColour(77, 77, 77);

QFont verdana(int pointSize, bool bold)
{
    return skinFont(pointSize, bold ? QFont::Bold : QFont::Normal);
}

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

Button *namedButton(const char *name, QWidget *parent)
{
    auto *button = new Button(parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    return button;
}

QLabel *legendRow(QGridLayout *legend, int row, const char *swatch, const char *name, QWidget *parent)
{
    auto *swatchLabel = new QLabel(parent);
    swatchLabel->setPixmap(skinPixmap(QLatin1String(swatch)));
    auto *text = namedLabel(name, parent);
    text->setMinimumWidth(190);
    text->setFont(verdana(9, false));
    legend->addWidget(swatchLabel, row, 0);
    legend->addWidget(text, row, 1);
    return text;
}

QString translated(const char *key)
{
    return QCoreApplication::translate("MainWindow", key);
}

} // namespace

void MainWindowUi::setupUi(QMainWindow *window)
{
    _stupidCentralWidget = new QWidget(window);
    _stupidCentralWidget->setObjectName(QStringLiteral("_stupidCentralWidget"));
    setSkinPalette(_stupidCentralWidget);
    _mainVerticalLayout = new QVBoxLayout(_stupidCentralWidget);
    _mainVerticalLayout->setObjectName(QStringLiteral("_mainVerticalLayout"));
    _mainVerticalLayout->setSpacing(0);
    _mainVerticalLayout->setContentsMargins(8, 3, 8, 0);

    // Top row: the category picture on the left, the gauge with its legend and
    // the category row on the right.
    _progressHBox = new QHBoxLayout;
    _progressHBox->setObjectName(QStringLiteral("_progressHBox"));
    auto *leftColumn = new QVBoxLayout;
    _pictureProgressLabel = namedLabel("_pictureProgressLabel", _stupidCentralWidget);
    _pictureProgressLabel->setPixmap(skinPixmap(QStringLiteral(":/skin/res/iconlaptop.png")));
    _pictureProgressLabel->setMinimumSize(80, 69);
    _cathegoryMainLabel = namedLabel("_cathegoryMainLabel", _stupidCentralWidget);
    _cathegoryMainLabel->setFixedWidth(130);
    _cathegoryMainLabel->setMaximumHeight(100);
    _cathegoryMainLabel->setFont(verdana(12, true));
    leftColumn->addWidget(_pictureProgressLabel);
    leftColumn->addWidget(_cathegoryMainLabel);
    _progressHBox->addLayout(leftColumn);

    auto *rightColumn = new QVBoxLayout;
    auto *gaugeRow = new QHBoxLayout;
    auto *storageColumn = new QVBoxLayout;
    _mainProgressBar = new ProgressBar(_stupidCentralWidget);
    _mainProgressBar->setObjectName(QStringLiteral("_mainProgressBar"));
    _mainProgressBar->setFixedHeight(23);
    _mainProgressBar->setTextVisible(false);
    storageColumn->addWidget(_mainProgressBar);
    for (QLabel **label : { &_memoryTotalLabel, &_usedMemoryLabel }) {
        *label = new QLabel(_stupidCentralWidget);
        (*label)->setFont(verdana(9, true));
        (*label)->setIndent(4);
        setSkinTextColour(*label, textColour);
        storageColumn->addWidget(*label);
    }
    _memoryTotalLabel->setObjectName(QStringLiteral("_memoryTotalLabel"));
    _usedMemoryLabel->setObjectName(QStringLiteral("_usedMemoryLabel"));
    storageColumn->addStretch();
    gaugeRow->addLayout(storageColumn, 1);

    auto *legend = new QGridLayout;
    legend->setVerticalSpacing(1);
    legend->setHorizontalSpacing(6);
    _legendPicturesLabel
        = legendRow(legend, 0, ":/skin/res/blue_legend.png", "_legendPicturesLabel", _stupidCentralWidget);
    _legendMusicLabel
        = legendRow(legend, 1, ":/skin/res/red_legend.png", "_legendMusicLabel", _stupidCentralWidget);
    _legendVideoLabel
        = legendRow(legend, 2, ":/skin/res/green_legend.png", "_legendVideoLabel", _stupidCentralWidget);
    _legendOtherLabel
        = legendRow(legend, 3, ":/skin/res/orange_legend.png", "_legendOtherLabel", _stupidCentralWidget);
    _legendFreeLabel
        = legendRow(legend, 4, ":/skin/res/gray_legend.png", "_legendFreeLabel", _stupidCentralWidget);
    gaugeRow->addLayout(legend);
    rightColumn->addLayout(gaugeRow);

    auto *categoryRow = new QHBoxLayout;
    _cathegoryLabel = namedLabel("_cathegoryLabel", _stupidCentralWidget);
    _cathegoryLabel->setIndent(3);
    _back2MainPushButton = namedButton("_back2MainPushButton", _stupidCentralWidget);
    _back2MainPushButton->setMinimumSize(200, 30);
    QFont boldVerdana = verdana(9, true);
    _back2MainPushButton->setFont(boldVerdana);
    _optionsPushButton = namedButton("_optionsPushButton", _stupidCentralWidget);
    _optionsPushButton->setFixedWidth(147);
    _optionsPushButton->setFont(verdana(8, true));
    categoryRow->addWidget(_cathegoryLabel);
    categoryRow->addStretch();
    categoryRow->addWidget(_back2MainPushButton);
    categoryRow->addWidget(_optionsPushButton);
    rightColumn->addLayout(categoryRow);
    _progressHBox->addLayout(rightColumn, 1);
    _mainVerticalLayout->addLayout(_progressHBox, 0);

    _contentHBox = new QHBoxLayout;
    _contentHBox->setObjectName(QStringLiteral("_contentHBox"));
    _contentHBox->setSpacing(0);
    _graphicalStatus = new GraphicalStatus(_stupidCentralWidget);
    _graphicalStatus->setObjectName(QStringLiteral("_graphicalStatus"));
    _contentHBox->addWidget(_graphicalStatus);
    _mainVerticalLayout->addLayout(_contentHBox, 33);

    _statusHBox = new QHBoxLayout;
    _statusHBox->setObjectName(QStringLiteral("_statusHBox"));
    _statusHBox->setSpacing(6);
    _appVersionLabel = namedLabel("_appVersionLabel", _stupidCentralWidget);
    _statusLabel = namedLabel("_statusLabel", _stupidCentralWidget);
    setSkinTextColour(_appVersionLabel, textColour);
    setSkinTextColour(_statusLabel, textColour);
    _statusLabel->setIndent(24);
    // A long state ("found, not connected: Connect mounts it") takes a second
    // line rather than losing its end.
    _statusLabel->setWordWrap(true);
    _disconnectPushButton = namedButton("_disconnectPushButton", _stupidCentralWidget);
    _disconnectPushButton->setMaximumWidth(185);
    // As wide as its skin, so that longer translations still fit.
    _disconnectPushButton->setMinimumWidth(150);
    _disconnectPushButton->setMinimumHeight(28);
    _disconnectPushButton->setFont(boldVerdana);
    _statusHBox->addWidget(_appVersionLabel);
    _statusHBox->addWidget(_statusLabel, 1);
    _statusHBox->addWidget(_disconnectPushButton);
    _mainVerticalLayout->addLayout(_statusHBox, 0);

    window->setCentralWidget(_stupidCentralWidget);
    retranslateUi();
}

void MainWindowUi::retranslateUi()
{
    _cathegoryMainLabel->setText(translated("IDS_MAIN"));
    _legendPicturesLabel->setText(translated("IDS_PICTURES"));
    _legendMusicLabel->setText(translated("IDS_MUSIC"));
    _legendVideoLabel->setText(translated("IDS_VIDEO"));
    _legendOtherLabel->setText(translated("IDS_OTHER"));
    _legendFreeLabel->setText(translated("IDS_FREE"));
    _cathegoryLabel->setText(translated("IDS_MEDIA"));
    _back2MainPushButton->setText(translated("IDS_BACK2MAIN"));
    _back2MainPushButton->setToolTip(translated("IDS_BACK2MAIN_TIP"));
    _optionsPushButton->setText(translated("IDS_OPTIONS"));
    _appVersionLabel->setText(translated("IDS_APP_VERSION").arg(QStringLiteral("1.0.1.9")));
    _statusLabel->setText(translated("IDS_CX_STATUS"));
    _disconnectPushButton->setText(translated("IDS_DISCONNECT"));
}
