#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

// A real PDF of `pages` pages, made here so every test knows exactly what it shows.
inline QByteArray samplePdf(int pages, const QString &title = QStringLiteral("Quarterly report"))
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    QPainter painter(&writer);
    for (int page = 1; page <= pages; ++page) {
        if (page > 1)
            writer.newPage();
        painter.setFont(QFont(QStringLiteral("Sans"), 24));
        painter.drawText(QPointF(400, 800), QStringLiteral("%1, page %2").arg(title).arg(page));
    }
    painter.end();
    return bytes;
}
