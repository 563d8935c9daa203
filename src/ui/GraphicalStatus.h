// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMovie>
#include <QWidget>

#include <array>

class QLabel;

// The picture of what the connection is doing: the PC on the left, the
// device or the search animation on the right, the cable or an animation
// between them, and one sentence below.
class GraphicalStatus : public QWidget
{
    Q_OBJECT

public:
    // The status codes, the same as the main window's first connection states.
    enum Status { Disconnected = 0, Connecting = 1, Connected = 2, ConnectionError = 3, ReadOnlyError = 4 };

    explicit GraphicalStatus(QWidget *parent = nullptr);

    // Codes outside 0 to 4 are only stored.
    void setStatus(int code);
    int status() const { return m_status; }

private:
    // The labels that come and go with the status.
    enum Part {
        CableLeft,
        CableRight,
        DisconnectedAnimation,
        Device,
        SearchAnimation,
        DataCollectionAnimation,
        ErrorAnimation,
        Space,
        PartCount
    };

    void buildWidgetTree();
    QLabel *addPicture(const char *objectName, const QString &path = QString());
    void showParts(int partMask, QMovie *running);

    int m_status = Disconnected;
    QMovie m_disconnectedMovie;
    QMovie m_searchMovie;
    QMovie m_problemMovie;
    QMovie m_cableMovie;
    std::array<QLabel *, PartCount> m_parts {};
    QLabel *m_stateLabel = nullptr;
};
