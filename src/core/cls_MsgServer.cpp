#include "core/cls_MsgServer.h"

cls_MsgServer *cls_MsgServer::instance()
{
    // Deliberately never destroyed: subscribers may still hold it while the
    // last windows unload at exit.
    static cls_MsgServer *const server = new cls_MsgServer;
    return server;
}

void cls_MsgServer::Notify(const QString &sMsg)
{
    emit Notification(sMsg);
}
