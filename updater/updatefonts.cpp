#include "updatefonts.h"

#include <QFont>
#include <QStringList>

void installUpdaterFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("微软雅黑"),
                               {QStringLiteral("Microsoft YaHei"), QStringLiteral("PingFang SC"),
                                QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Source Han Sans SC"),
                                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("WenQuanYi Zen Hei"),
                                QStringLiteral("Droid Sans Fallback")});
}
