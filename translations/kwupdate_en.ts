<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>KwEndUpdate</name>
    <message>
        <source>重新启动KWFN</source>
        <translation>Restart KWFN</translation>
    </message>
</context>
<context>
    <name>KwFailUpdate</name>
    <message>
        <source>更新失败</source>
        <translation>Update failed</translation>
    </message>
    <message>
        <source>已保留原有程序，可以继续使用当前版本。</source>
        <translation>Your current version was kept and still works.</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>KwUpdateWindow</name>
    <message>
        <source>更新失败，已保留原有程序</source>
        <translation>Update failed; the current version has been kept</translation>
    </message>
    <message>
        <source>正在取消...</source>
        <translation>Canceling...</translation>
    </message>
    <message>
        <source>更新已经取消</source>
        <translation>Update canceled</translation>
    </message>
    <message>
        <source>正在更新</source>
        <translation>Updating</translation>
    </message>
    <message>
        <source>正在更新程序，请取消或者等待结束。</source>
        <translation>An update is in progress. Cancel it or wait for it to finish.</translation>
    </message>
</context>
<context>
    <name>KwUpdating</name>
    <message>
        <source>更新安装中...</source>
        <translation>Installing the update...</translation>
    </message>
</context>
<context>
    <name>UpdateFailure</name>
    <message>
        <source>没有找到更新参数，请从客户端重新发起更新。</source>
        <translation>No update parameters were found. Please start the update again from the client.</translation>
    </message>
    <message>
        <source>更新信息无效，请稍后重试。</source>
        <translation>The update information is invalid. Please try again later.</translation>
    </message>
    <message>
        <source>另一个更新程序正在运行，请等待它结束。</source>
        <translation>Another update is already running. Please wait for it to finish.</translation>
    </message>
    <message>
        <source>安装目录无效或不允许替换。</source>
        <translation>The installation folder is invalid or may not be replaced.</translation>
    </message>
    <message>
        <source>无法下载更新包，请检查网络连接后重试。</source>
        <translation>The update package could not be downloaded. Please check your network connection and try again.</translation>
    </message>
    <message>
        <source>更新包已损坏或不完整。</source>
        <translation>The update package is damaged or incomplete.</translation>
    </message>
    <message>
        <source>更新包的签名无效，已拒绝安装。</source>
        <translation>The update package&apos;s signature is invalid; it was not installed.</translation>
    </message>
    <message>
        <source>磁盘空间不足，请清理后重试。</source>
        <translation>Not enough disk space. Please free up some space and try again.</translation>
    </message>
    <message>
        <source>无法替换安装目录，请关闭正在运行的程序后重试。</source>
        <translation>The installation folder could not be replaced. Please close the running programs and try again.</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>准备更新...</source>
        <translation>Preparing the update...</translation>
    </message>
    <message>
        <source>正在下载更新包...</source>
        <translation>Downloading the update package...</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Download complete</translation>
    </message>
    <message>
        <source>正在解压...</source>
        <translation>Extracting...</translation>
    </message>
    <message>
        <source>更新完成...</source>
        <translation>Update complete</translation>
    </message>
</context>
</TS>
