#pragma once

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

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

// A PDF of at least `size` bytes: a page of text, then pages of incompressible pictures.
// `pages` receives how many pages it has.
inline QByteArray largePdf(qint64 size, int *pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    QPainter painter(&writer);
    painter.drawText(QPointF(72, 72), QStringLiteral("Annual report"));
    QRandomGenerator rng(7);
    *pages = 1;
    while (bytes.size() < size) {
        writer.newPage();
        ++*pages;
        QImage noise(400, 400, QImage::Format_RGB32);
        for (int y = 0; y < noise.height(); ++y) {
            auto *line = reinterpret_cast<quint32 *>(noise.scanLine(y));
            for (int x = 0; x < noise.width(); ++x)
                line[x] = rng.generate();
        }
        painter.drawImage(QRectF(36, 36, 400, 400), noise);
    }
    painter.end();
    return bytes;
}
