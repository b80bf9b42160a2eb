#pragma once

#include <QObject>
#include <QString>

// The notification bus. Senders write the shared state first (see
// ProcessState) and then call Notify with a message name; every subscriber
// receives Notification synchronously, before Notify returns. The bus carries
// only names: receivers read the payload from the shared state. A message
// sent while nobody listens is lost.
class cls_MsgServer : public QObject
{
    Q_OBJECT

public:
    // The one shared instance, created on first use and kept until exit.
    static cls_MsgServer *instance();

    void Notify(const QString &sMsg);

signals:
    void Notification(const QString &sMsg);

private:
    cls_MsgServer() = default;
};

// The one message in use.
inline const QString kActiveColorChanged = QStringLiteral("ActiveColorChanged");
