#pragma once

/// \file
/// WebEngineDownload: the web engine's download object under one name for Qt 5 and Qt 6.
///
/// QWebEngineDownloadItem up to Qt 5 and QWebEngineDownloadRequest from Qt 6 on, with the same
/// calls under both names.
/// \ingroup pdfpane

#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QWebEngineDownloadRequest>
/// The web engine's download object: QWebEngineDownloadItem up to Qt 5,
/// QWebEngineDownloadRequest from Qt 6 on.
using WebEngineDownload = QWebEngineDownloadRequest;
#else
#include <QWebEngineDownloadItem>
/// The web engine's download object: QWebEngineDownloadItem up to Qt 5,
/// QWebEngineDownloadRequest from Qt 6 on.
using WebEngineDownload = QWebEngineDownloadItem;
#endif

/// The signal a download sends once it has ended: completed, cancelled or broken off.
///
/// For connect(): `connect(item, webEngineDownloadFinished(), this, &Receiver::onFinished)`. The
/// receiver reads the download's state to tell a completed download from one that was not.
/// \ingroup pdfpane
inline auto webEngineDownloadFinished()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return &QWebEngineDownloadRequest::isFinishedChanged;
#else
    return &QWebEngineDownloadItem::finished;
#endif
}
