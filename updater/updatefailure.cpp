#include "updatefailure.h"

#include "updatercategory_p.h"

#include <QCoreApplication>
#include <QDebug>

QString failureText(UpdateFailure failure)
{
    switch (failure) {
    case UpdateFailure::Parameters:
        return QCoreApplication::translate("UpdateFailure", "没有找到更新参数，请从客户端重新发起更新。");
    case UpdateFailure::Description: return QCoreApplication::translate("UpdateFailure", "更新信息无效，请稍后重试。");
    case UpdateFailure::AnotherRun:
        return QCoreApplication::translate("UpdateFailure", "另一个更新程序正在运行，请等待它结束。");
    case UpdateFailure::Folder: return QCoreApplication::translate("UpdateFailure", "安装目录无效或不允许替换。");
    case UpdateFailure::Network:
        return QCoreApplication::translate("UpdateFailure", "无法下载更新包，请检查网络连接后重试。");
    case UpdateFailure::Package: return QCoreApplication::translate("UpdateFailure", "更新包已损坏或不完整。");
    case UpdateFailure::Signature:
        return QCoreApplication::translate("UpdateFailure", "更新包的签名无效，已拒绝安装。");
    case UpdateFailure::DiskSpace: return QCoreApplication::translate("UpdateFailure", "磁盘空间不足，请清理后重试。");
    case UpdateFailure::Install:
        return QCoreApplication::translate("UpdateFailure", "无法替换安装目录，请关闭正在运行的程序后重试。");
    }
    return QString();
}

void logUpdateFailure(const QString &reason)
{
    qCWarning(lcUpdate).noquote() << "update failed, the installation was kept:" << reason;
}
