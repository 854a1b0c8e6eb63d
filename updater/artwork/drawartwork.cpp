// Draws the updater's pictures into the folder given as the first argument (normally
// updater/resources/img), with their words in Chinese, or in English when the second argument
// is "en" (into updater/resources/img/en: the resources give those to an English system). Run
// it when the artwork changes and commit the PNGs it writes:
//   QT_QPA_PLATFORM=offscreen kwupdate_artwork updater/resources/img
//   QT_QPA_PLATFORM=offscreen kwupdate_artwork updater/resources/img/en en

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

namespace {

const QColor Brand(0x1c, 0x6f, 0xd1);
const QColor BrandLight(0x4a, 0xa6, 0xf2);
const QColor Ink(0x23, 0x23, 0x23);

// The words drawn into the pictures.
struct Words
{
    QString brand;
    QString startTitle, startSubtitle;
    QString progressTitle, progressSubtitle;
    QString endTitle, endSubtitle, endHeadline, endNote;
    QString later, updateNow, cancelUpdate, finish;
};

const Words &chinese()
{
    static const Words words{QStringLiteral("KWFN 证券信息终端"),
                             QStringLiteral("发现新版本"),
                             QStringLiteral("新版本带来更快的行情与更稳定的交易体验"),
                             QStringLiteral("正在更新"),
                             QStringLiteral("更新过程中请勿关闭电脑，完成后即可使用新版本"),
                             QStringLiteral("更新完成"),
                             QStringLiteral("KWFN 已更新到最新版本"),
                             QStringLiteral("恭喜您，KWFN 更新已完成！"),
                             QStringLiteral("点击“完成”按钮重新启动 KWFN，即可使用新版本"),
                             QStringLiteral("稍后再说"),
                             QStringLiteral("立即更新"),
                             QStringLiteral("取消更新"),
                             QStringLiteral("完成")};
    return words;
}

const Words &english()
{
    static const Words words{QStringLiteral("KWFN Securities Terminal"),
                             QStringLiteral("New Version Available"),
                             QStringLiteral("Faster quotes and more reliable trading"),
                             QStringLiteral("Updating"),
                             QStringLiteral("Please keep your computer on; the new version is ready when done"),
                             QStringLiteral("Update Complete"),
                             QStringLiteral("KWFN is up to date"),
                             QStringLiteral("KWFN has been updated!"),
                             QStringLiteral("Click \"Finish\" to restart KWFN with the new version"),
                             QStringLiteral("Later"),
                             QStringLiteral("Update Now"),
                             QStringLiteral("Cancel Update"),
                             QStringLiteral("Finish")};
    return words;
}

QFont uiFont(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// True when no pixel lets anything show through.
bool opaque(const QImage &img)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(img.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

bool save(const QImage &img, const QString &dir, const QString &name)
{
    // An opaque picture is written without an alpha channel: it decodes faster at start-up
    // and is drawn without blending.
    const QImage out = opaque(img) ? img.convertToFormat(QImage::Format_RGB32) : img;
    const bool ok = out.save(dir + '/' + name, "PNG");
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << name << '\n';
    return ok;
}

// A blue header band with a soft wave, the brand mark and a title: the common top of the
// three pages.
void drawHeader(QPainter &p, const Words &words, int width, int height, const QString &title, const QString &subtitle,
                const QColor &dark = Brand, const QColor &light = BrandLight)
{
    QLinearGradient band(0, 0, width, height);
    band.setColorAt(0, dark);
    band.setColorAt(1, light);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.lineTo(width, 0);
    shape.lineTo(width, height - 18);
    shape.cubicTo(width * 0.7, height + 8, width * 0.3, height - 34, 0, height - 6);
    shape.closeSubpath();
    p.fillPath(shape, band);

    // Faint rings give the band some depth.
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int r = 60; r <= 180; r += 40)
        p.drawEllipse(QPoint(width - 40, 10), r, r);

    // Brand mark: a rounded square with a rising line.
    const QRect mark(22, 18, 26, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(mark, 6, 6);
    p.setPen(QPen(dark, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({QPoint(27, 37), QPoint(33, 30), QPoint(38, 34), QPoint(44, 24)}));
    p.setPen(Qt::white);
    p.setFont(uiFont(14, true));
    p.drawText(QRect(56, 18, 200, 26), Qt::AlignVCenter | Qt::AlignLeft, words.brand);

    p.setFont(uiFont(26, true));
    p.drawText(QRect(34, 58, width - 68, 36), Qt::AlignVCenter | Qt::AlignLeft, title);
    p.setFont(uiFont(13));
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(QRect(34, 94, width - 68, 22), Qt::AlignVCenter | Qt::AlignLeft, subtitle);
}

QImage background(const Words &words, int bandHeight, const QString &title, const QString &subtitle,
                  const QColor &dark = Brand, const QColor &light = BrandLight)
{
    QImage img = canvas(510, 330);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(0xf7, 0xfa, 0xfd));
    drawHeader(p, words, 510, bandHeight, title, subtitle, dark, light);
    // A one-pixel frame: the window is frameless.
    p.setPen(QColor(0x8a, 0xb4, 0xe0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    return img;
}

QImage endBackground(const Words &words)
{
    QImage img = background(words, 150, words.endTitle, words.endSubtitle);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A green seal with a tick, overlapping the band's edge.
    const QPoint c(440, 150);
    QRadialGradient glow(c, 44);
    glow.setColorAt(0, QColor(0x3c, 0xc0, 0x6a));
    glow.setColorAt(1, QColor(0x22, 0x9a, 0x4e));
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(glow);
    p.drawEllipse(c, 38, 38);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygon({c + QPoint(-17, 1), c + QPoint(-4, 14), c + QPoint(19, -12)}));

    p.setPen(Ink);
    p.setFont(uiFont(16, true));
    p.drawText(QRect(0, 172, 510, 26), Qt::AlignCenter, words.endHeadline);
    p.setPen(QColor(0x6b, 0x6b, 0x6b));
    p.setFont(uiFont(13));
    p.drawText(QRect(0, 200, 510, 22), Qt::AlignCenter, words.endNote);
    return img;
}

QImage progressBackground(const Words &words)
{
    QImage img = background(words, 140, words.progressTitle, words.progressSubtitle);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The groove the thin progress bar runs in (the bar sits at x 34, 263 wide).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xdc, 0xe6, 0xf2));
    p.drawRoundedRect(QRectF(33, 198, 265, 4), 2, 2);
    // A circular-arrows mark beside the text.
    const QPoint c(420, 205);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(BrandLight, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRect(c.x() - 28, c.y() - 28, 56, 56), 30 * 16, 150 * 16);
    p.drawArc(QRect(c.x() - 28, c.y() - 28, 56, 56), 210 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(BrandLight);
    p.drawPolygon(QPolygon({c + QPoint(-34, -10), c + QPoint(-18, -10), c + QPoint(-26, 2)}));
    p.drawPolygon(QPolygon({c + QPoint(34, 10), c + QPoint(18, 10), c + QPoint(26, -2)}));
    return img;
}

// The failure page: a warm band and a warning seal; its title and texts are labels, since the
// reason changes from run to run.
QImage failBackground(const Words &words)
{
    const QColor dark(0xc0, 0x39, 0x2b), light(0xe8, 0x7a, 0x4a);
    QImage img = background(words, 130, QString(), QString(), dark, light);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPoint c(440, 130);
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(QColor(0xe0, 0x5a, 0x3a));
    p.drawEllipse(c, 34, 34);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPoint(0, -16), c + QPoint(0, 4));
    p.drawPoint(c + QPoint(0, 17));
    return img;
}

QImage startBackground(const Words &words)
{
    return background(words, 130, words.startTitle, words.startSubtitle);
}

enum class ButtonStyle { Primary, Secondary };

QImage button(int w, int h, const QString &label, ButtonStyle style, bool hover)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(img.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = h / 2.0 - 1;
    if (style == ButtonStyle::Primary) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, hover ? BrandLight.lighter(112) : BrandLight);
        g.setColorAt(1, hover ? Brand.lighter(115) : Brand);
        p.setPen(QPen(Brand.darker(115), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, radius, radius);
        p.setPen(Qt::white);
    } else {
        p.setPen(QPen(hover ? BrandLight : QColor(0xb8, 0xc7, 0xd8), 1));
        p.setBrush(hover ? QColor(0xee, 0xf6, 0xff) : QColor(Qt::white));
        p.drawRoundedRect(r, radius, radius);
        p.setPen(hover ? Brand : QColor(0x4a, 0x4a, 0x4a));
    }
    p.setFont(uiFont(h >= 40 ? 17 : 14, style == ButtonStyle::Primary));
    p.drawText(img.rect(), Qt::AlignCenter, label);
    return img;
}

QImage checkBox(bool checked, bool hover)
{
    QImage img = canvas(13, 13);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, 12, 12);
    if (checked) {
        p.setPen(QPen(Brand, 1));
        p.setBrush(BrandLight);
        p.drawRoundedRect(r, 2, 2);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 6.5), QPointF(5.5, 9), QPointF(10, 3.8)}));
    } else {
        p.setPen(QPen(hover ? BrandLight : QColor(0xa0, 0xa0, 0xa0), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(r, 2, 2);
    }
    return img;
}

QImage arrow(bool up)
{
    QImage img = canvas(10, 9);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x9a, 0x9a, 0x9a));
    const QPolygonF tri = up ? QPolygonF({QPointF(1, 7), QPointF(9, 7), QPointF(5, 2)})
                             : QPolygonF({QPointF(1, 2), QPointF(9, 2), QPointF(5, 7)});
    p.drawPolygon(tri);
    return img;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool inEnglish = argc > 2 && QByteArray(argv[2]) == "en";
    const Words &words = inEnglish ? english() : chinese();
    QDir().mkpath(dir);

    struct Button
    {
        const char *name;
        int w, h;
        QString label;
        ButtonStyle style;
    };
    const Button buttons[] = {
            {"install-button02", 181, 30, words.later, ButtonStyle::Secondary},
            {"install-button03", 181, 30, words.updateNow, ButtonStyle::Primary},
            {"install-button05", 181, 30, words.cancelUpdate, ButtonStyle::Secondary},
            {"install-button04", 216, 40, words.finish, ButtonStyle::Primary},
    };

    bool ok = save(startBackground(words), dir, QStringLiteral("install-update-BG_03.png")) &&
              save(progressBackground(words), dir, QStringLiteral("Update-BG.png")) &&
              save(endBackground(words), dir, QStringLiteral("Update complete-BG.png")) &&
              save(failBackground(words), dir, QStringLiteral("Update failed-BG.png"));
    for (const Button &b : buttons) {
        ok = ok &&
             save(button(b.w, b.h, b.label, b.style, false), dir, QLatin1String(b.name) + QStringLiteral(".png")) &&
             save(button(b.w, b.h, b.label, b.style, true), dir, QLatin1String(b.name) + QStringLiteral("_hover.png"));
    }
    // The rest holds no words: the English pictures fall back on the Chinese ones.
    if (inEnglish)
        return ok ? 0 : 1;
    ok = ok && save(checkBox(true, false), dir, QStringLiteral("Checked.png")) &&
         save(checkBox(false, false), dir, QStringLiteral("uncheck.png")) &&
         save(checkBox(false, true), dir, QStringLiteral("uncheck_hover.png")) &&
         save(arrow(true), dir, QStringLiteral("sdTop1.png")) &&
         save(arrow(false), dir, QStringLiteral("sdBotton3.png"));
    return ok ? 0 : 1;
}
