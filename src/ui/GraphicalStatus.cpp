// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/GraphicalStatus.h"

#include "widgets/SkinStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int bit(int part)
{
    return 1 << part;
}

const int sentenceGap = 12;

} // namespace

GraphicalStatus::GraphicalStatus(QWidget *parent)
    : QWidget(parent)
    , m_disconnectedMovie(skinFile(QStringLiteral(":/skin/res/disconnected_anim.gif")))
    , m_searchMovie(skinFile(QStringLiteral(":/skin/res/search_anim.gif")))
    , m_problemMovie(skinFile(QStringLiteral(":/skin/res/problem_anim.gif")))
    , m_cableMovie(skinFile(QStringLiteral(":/skin/res/cable.gif")))
{
    setWindowTitle(QStringLiteral("GraphicalStatus"));
    buildWidgetTree();
}

QLabel *GraphicalStatus::addPicture(const char *objectName, const QString &path)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(objectName));
    if (!path.isEmpty())
        label->setPixmap(skinPixmap(path));
    return label;
}

void GraphicalStatus::buildWidgetTree()
{
    QLabel *pc = addPicture("label", QStringLiteral(":/skin/res/pc.png"));
    m_parts[CableLeft] = addPicture("_cableLeftLabel", QStringLiteral(":/skin/res/cable.png"));
    m_parts[DataCollectionAnimation] = addPicture("_dataCollectionLabel");
    m_parts[Space] = addPicture("_spaceLabel", QStringLiteral(":/skin/res/space.png"));
    m_parts[ErrorAnimation] = addPicture("_errorLabel");
    m_parts[DisconnectedAnimation] = addPicture("_disconnectedLabel");
    m_parts[CableRight] = addPicture("_cableRightLabel", QStringLiteral(":/skin/res/cable.png"));
    m_parts[Device] = addPicture("_deviceLabel", QStringLiteral(":/skin/res/netbook.png"));
    m_parts[SearchAnimation] = addPicture("_lookingForDeviceLabel");
    m_parts[DisconnectedAnimation]->setMovie(&m_disconnectedMovie);
    m_parts[SearchAnimation]->setMovie(&m_searchMovie);
    m_parts[ErrorAnimation]->setMovie(&m_problemMovie);
    m_parts[DataCollectionAnimation]->setMovie(&m_cableMovie);

    auto *collectionColumn = new QVBoxLayout;
    collectionColumn->setSpacing(0);
    collectionColumn->addWidget(m_parts[DataCollectionAnimation]);
    collectionColumn->addWidget(m_parts[Space]);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(m_parts[CableLeft]);
    middle->addLayout(collectionColumn);
    middle->addWidget(m_parts[ErrorAnimation]);
    middle->addWidget(m_parts[DisconnectedAnimation]);
    middle->addWidget(m_parts[CableRight]);

    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(pc);
    row->addLayout(middle);
    row->addWidget(m_parts[Device]);
    row->addWidget(m_parts[SearchAnimation]);
    row->addStretch();

    m_stateLabel = new QLabel(this);
    m_stateLabel->setObjectName(QStringLiteral("_stateLabel"));
    m_stateLabel->setAlignment(Qt::AlignCenter);
    m_stateLabel->setWordWrap(true);
    m_stateLabel->setMinimumHeight(66);
    m_stateLabel->setFont(skinFont(20, QFont::Bold));
    setSkinTextColour(m_stateLabel, QColor(77, 77, 77));

    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addStretch();
    layout->addLayout(row);
    layout->addSpacing(sentenceGap);
    layout->addWidget(m_stateLabel);
    layout->addStretch();
}

void GraphicalStatus::setStatus(int code)
{
    m_status = code;
    switch (code) {
    case Disconnected:
        showParts(bit(CableLeft) | bit(CableRight) | bit(DisconnectedAnimation) | bit(Device),
            &m_disconnectedMovie);
        m_stateLabel->setText(tr("IDS_OPALO_SYNC_DISCONNECTED"));
        break;
    case Connecting:
        showParts(bit(SearchAnimation) | bit(Space), &m_searchMovie);
        m_stateLabel->setText(tr("IDS_OPALO_SYNC_SEARCHING"));
        break;
    case Connected:
        showParts(bit(DataCollectionAnimation) | bit(Device), &m_cableMovie);
        m_stateLabel->setText(tr("IDS_OPALO_SYNC_DATA_COLLECTION"));
        break;
    case ConnectionError:
        showParts(bit(CableLeft) | bit(CableRight) | bit(ErrorAnimation) | bit(Device), &m_problemMovie);
        m_stateLabel->setText(tr("IDS_OPALO_SYNC_ERROR"));
        break;
    case ReadOnlyError:
        showParts(bit(CableLeft) | bit(CableRight) | bit(ErrorAnimation) | bit(Device), &m_problemMovie);
        m_stateLabel->setText(tr("IDS_OPALO_SYNC_ERROR_READ_ONLY"));
        break;
    default:
        break;
    }
}

// Shows exactly the parts in the mask and runs one animation. The running
// animation is left alone, so that a repeated status does not make it jump
// back to its first frame.
void GraphicalStatus::showParts(int partMask, QMovie *running)
{
    setUpdatesEnabled(false);
    for (int part = 0; part < PartCount; ++part)
        m_parts[part]->setVisible(partMask & bit(part));
    setUpdatesEnabled(true);

    for (QMovie *movie : { &m_disconnectedMovie, &m_searchMovie, &m_problemMovie, &m_cableMovie }) {
        if (movie != running)
            movie->stop();
        else if (movie->state() != QMovie::Running)
            movie->start();
    }
}
