#include "kwcfg.h"

#include <QCoreApplication>

namespace {

// The texts of the built-in defaults (resources/kwcfg.json and resources/shortcuts.json), for
// lupdate to find: a text added to the defaults is added here too, or it stays Chinese in
// every language (the i18n tests look for such texts).
[[maybe_unused]] const char *const builtInTexts[] = {
        // menus: entries and tips
        QT_TRANSLATE_NOOP("Kwcfg", "添加自选"),
        QT_TRANSLATE_NOOP("Kwcfg", "把所选股票加入自选股"),
        QT_TRANSLATE_NOOP("Kwcfg", "添加盯盘"),
        QT_TRANSLATE_NOOP("Kwcfg", "盯盘提醒所选股票的异动"),
        QT_TRANSLATE_NOOP("Kwcfg", "置顶"),
        QT_TRANSLATE_NOOP("Kwcfg", "把所选股票固定在列表顶部"),
        QT_TRANSLATE_NOOP("Kwcfg", "新窗口打开"),
        QT_TRANSLATE_NOOP("Kwcfg", "在新窗口中打开所选股票的行情"),
        QT_TRANSLATE_NOOP("Kwcfg", "导出数据"),
        QT_TRANSLATE_NOOP("Kwcfg", "把列表导出为表格文件"),
        QT_TRANSLATE_NOOP("Kwcfg", "复制代码"),
        QT_TRANSLATE_NOOP("Kwcfg", "复制所选股票的代码"),
        QT_TRANSLATE_NOOP("Kwcfg", "显示行情提示"),
        QT_TRANSLATE_NOOP("Kwcfg", "鼠标停留时显示行情提示"),
        QT_TRANSLATE_NOOP("Kwcfg", "列设置..."),
        QT_TRANSLATE_NOOP("Kwcfg", "选择列表显示的列"),
        QT_TRANSLATE_NOOP("Kwcfg", "指标参数设置"),
        QT_TRANSLATE_NOOP("Kwcfg", "修改当前指标的参数"),
        QT_TRANSLATE_NOOP("Kwcfg", "叠加品种"),
        QT_TRANSLATE_NOOP("Kwcfg", "在K线图上叠加其他品种"),
        QT_TRANSLATE_NOOP("Kwcfg", "画线工具"),
        QT_TRANSLATE_NOOP("Kwcfg", "打开画线工具栏"),
        QT_TRANSLATE_NOOP("Kwcfg", "前复权"),
        QT_TRANSLATE_NOOP("Kwcfg", "不复权"),
        QT_TRANSLATE_NOOP("Kwcfg", "区间统计"),
        QT_TRANSLATE_NOOP("Kwcfg", "先在图上选出区间"),
        // indicators
        QT_TRANSLATE_NOOP("Kwcfg", "MA 均线"),
        QT_TRANSLATE_NOOP("Kwcfg", "MACD 指数平滑异同平均线"),
        QT_TRANSLATE_NOOP("Kwcfg", "KDJ 随机指标"),
        // shortcuts
        QT_TRANSLATE_NOOP("Kwcfg", "成交明细"),
        QT_TRANSLATE_NOOP("Kwcfg", "分价表"),
        QT_TRANSLATE_NOOP("Kwcfg", "上证指数"),
        QT_TRANSLATE_NOOP("Kwcfg", "深证成指"),
        QT_TRANSLATE_NOOP("Kwcfg", "分时/K线切换"),
        QT_TRANSLATE_NOOP("Kwcfg", "自选股"),
        QT_TRANSLATE_NOOP("Kwcfg", "切换K线周期"),
        QT_TRANSLATE_NOOP("Kwcfg", "个股资料"),
        QT_TRANSLATE_NOOP("Kwcfg", "进入/退出个股画面"),
        QT_TRANSLATE_NOOP("Kwcfg", "返回上一画面"),
        QT_TRANSLATE_NOOP("Kwcfg", "上一只股票"),
        QT_TRANSLATE_NOOP("Kwcfg", "下一只股票"),
        QT_TRANSLATE_NOOP("Kwcfg", "放大/缩小K线"),
        QT_TRANSLATE_NOOP("Kwcfg", "系统设置"),
        QT_TRANSLATE_NOOP("Kwcfg", "加入自选股"),
        QT_TRANSLATE_NOOP("Kwcfg", "所属板块"),
        QT_TRANSLATE_NOOP("Kwcfg", "退出程序"),
        QT_TRANSLATE_NOOP("Kwcfg", "板块指数"),
        QT_TRANSLATE_NOOP("Kwcfg", "涨幅排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "上证A股涨幅排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "深证A股涨幅排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "创业板涨幅排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "综合排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "上证A股综合排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "深证A股综合排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "上证B股涨幅排名"),
        QT_TRANSLATE_NOOP("Kwcfg", "深证B股涨幅排名"),
};

} // namespace

QString Kwcfg::displayText(const QString &configured)
{
    if (configured.isEmpty())
        return configured;
    return QCoreApplication::translate("Kwcfg", configured.toUtf8().constData());
}
