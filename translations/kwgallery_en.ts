<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>BusPage</name>
    <message>
        <source>%1  来自 %2
    %3</source>
        <translation>%1  from %2
    %3</translation>
    </message>
    <message>
        <source>(返回)</source>
        <translation>(back)</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>消息总线</source>
        <translation>Message Bus</translation>
    </message>
    <message>
        <source>每个页面都按路径挂在总线上。选一只股票发给右侧面板或行情表页面；“返回”重放上一条消息（KwObject::MsgBack）。</source>
        <translation>Every page hangs on the bus by its path. Pick a stock and send it to a panel or to the quote list page; &quot;Back&quot; replays the previous message (KwObject::MsgBack).</translation>
    </message>
    <message>
        <source>关注：放量突破 &amp; 均线多头?</source>
        <translation>Watch: breakout on volume &amp; bullish moving averages?</translation>
    </message>
    <message>
        <source>左侧面板 gallery//bus//left</source>
        <translation>Left panel gallery//bus//left</translation>
    </message>
    <message>
        <source>右侧面板 gallery//bus//right</source>
        <translation>Right panel gallery//bus//right</translation>
    </message>
    <message>
        <source>发给右侧面板</source>
        <translation>Send to right panel</translation>
    </message>
    <message>
        <source>发给左侧面板</source>
        <translation>Send to left panel</translation>
    </message>
    <message>
        <source>在行情表中打开</source>
        <translation>Open in quote list</translation>
    </message>
    <message>
        <source>← 返回</source>
        <translation>← Back</translation>
    </message>
    <message>
        <source>已发送 %1</source>
        <translation>Sent %1</translation>
    </message>
    <message>
        <source>已重放上一条消息</source>
        <translation>Replayed the previous message</translation>
    </message>
</context>
<context>
    <name>ChartToolsPage</name>
    <message>
        <source>没有指标 %1</source>
        <translation>No indicator %1</translation>
    </message>
    <message>
        <source>%1 %2 宽%3</source>
        <translation>%1 %2 width %3</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>画线工具</source>
        <translation>Drawing Tools</translation>
    </message>
    <message>
        <source>画线工具栏的颜色、线宽、线型按钮，以及颜色、线条、箭头、字体、指标参数和十字光标信息窗口；结果写在下方的文字面板里。</source>
        <translation>The drawing toolbar&apos;s color, line width and line style buttons, and the color, line, arrow, font, indicator parameter and crosshair windows; the results are written to the text panel below.</translation>
    </message>
    <message>
        <source>工具返回的设置（DrawLineTextPanel）</source>
        <translation>Settings returned by the tools (DrawLineTextPanel)</translation>
    </message>
    <message>
        <source>点一个工具试试</source>
        <translation>Click a tool to try it</translation>
    </message>
    <message>
        <source>工具栏按钮</source>
        <translation>Toolbar buttons</translation>
    </message>
    <message>
        <source>颜色按钮 %1</source>
        <translation>Color button %1</translation>
    </message>
    <message>
        <source>KwColorToolButton</source>
        <translation>KwColorToolButton</translation>
    </message>
    <message>
        <source>颜色框 %1</source>
        <translation>Color box %1</translation>
    </message>
    <message>
        <source>KwColorComboBox</source>
        <translation>KwColorComboBox</translation>
    </message>
    <message>
        <source>线型 %1</source>
        <translation>Line style %1</translation>
    </message>
    <message>
        <source>线宽 %1</source>
        <translation>Line width %1</translation>
    </message>
    <message>
        <source>LineControl 线宽 %1</source>
        <translation>LineControl width %1</translation>
    </message>
    <message>
        <source>LineTypeControl %1</source>
        <translation>LineTypeControl %1</translation>
    </message>
    <message>
        <source>线型 / 线宽</source>
        <translation>Style / width</translation>
    </message>
    <message>
        <source>ColorControlWidget %1</source>
        <translation>ColorControlWidget %1</translation>
    </message>
    <message>
        <source>ColorControlWidget</source>
        <translation>ColorControlWidget</translation>
    </message>
    <message>
        <source>设置对话框</source>
        <translation>Settings dialogs</translation>
    </message>
    <message>
        <source>CustomColorDlg 颜色</source>
        <translation>CustomColorDlg color</translation>
    </message>
    <message>
        <source>LineSettingDialog 线条</source>
        <translation>LineSettingDialog line</translation>
    </message>
    <message>
        <source>ArrowSettingDialog 箭头</source>
        <translation>ArrowSettingDialog arrow</translation>
    </message>
    <message>
        <source>FontPropertyDlg 字体</source>
        <translation>FontPropertyDlg font</translation>
    </message>
    <message>
        <source>ParaSettingDialog MACD 参数</source>
        <translation>ParaSettingDialog MACD</translation>
    </message>
    <message>
        <source>CrossInfoDlg 十字光标</source>
        <translation>CrossInfoDlg crosshair</translation>
    </message>
    <message>
        <source>自定义颜色 %1</source>
        <translation>Custom color %1</translation>
    </message>
    <message>
        <source>线条 %1 宽%2 %3</source>
        <translation>Line %1 width %2 %3</translation>
    </message>
    <message>
        <source>箭头 %1 宽%2</source>
        <translation>Arrow %1 width %2</translation>
    </message>
    <message>
        <source>放量突破前高</source>
        <translation>Breaks the previous high on volume</translation>
    </message>
    <message>
        <source>文字「%1」%2 %3号%4%5%6</source>
        <translation>Text &quot;%1&quot; %2 %3 pt%4%5%6</translation>
    </message>
    <message>
        <source> 粗</source>
        <translation> bold</translation>
    </message>
    <message>
        <source> 斜</source>
        <translation> italic</translation>
    </message>
    <message>
        <source> 下划线</source>
        <translation> underlined</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>开盘</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>收盘</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>涨幅</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>成交量</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>十字光标停在 2024-06-18，收盘 %1（再点一次按钮或按 Esc 关闭）</source>
        <translation>Crosshair on 2024-06-18, close %1 (click the button again or press Esc to close)</translation>
    </message>
    <message>
        <source>线条 #ff4d4f 宽2 虚线</source>
        <translation>Line #ff4d4f width 2 dashed</translation>
    </message>
    <message>
        <source>箭头 #f0b849 宽3</source>
        <translation>Arrow #f0b849 width 3</translation>
    </message>
</context>
<context>
    <name>GalleryPage</name>
    <message>
        <source>结果：尚无操作</source>
        <translation>Result: nothing done yet</translation>
    </message>
    <message>
        <source>结果：</source>
        <translation>Result: </translation>
    </message>
</context>
<context>
    <name>GalleryWindow</name>
    <message>
        <source>KwControls 标志</source>
        <translation>KwControls logo</translation>
    </message>
    <message>
        <source>KwControls 控件库演示</source>
        <translation>KwControls Widget Gallery</translation>
    </message>
    <message>
        <source>切换到中文</source>
        <translation>Switch to Chinese</translation>
    </message>
    <message>
        <source>切换到英文</source>
        <translation>Switch to English</translation>
    </message>
    <message>
        <source>没有新消息</source>
        <translation>No new messages</translation>
    </message>
    <message>
        <source>快捷键（按 Esc 关闭）</source>
        <translation>Keyboard shortcuts (press Esc to close)</translation>
    </message>
    <message>
        <source>新消息：%1</source>
        <translation>New message: %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>消息：%1</source>
        <translation>Message: %1</translation>
    </message>
    <message>
        <source>第 %1/%2 页：%3</source>
        <translation>Page %1/%2: %3</translation>
    </message>
</context>
<context>
    <name>NavigationPage</name>
    <message>
        <source>沪深A股</source>
        <translation>SH/SZ A-shares</translation>
    </message>
    <message>
        <source>创业板</source>
        <translation>ChiNext</translation>
    </message>
    <message>
        <source>科创板</source>
        <translation>STAR Market</translation>
    </message>
    <message>
        <source>港股通</source>
        <translation>HK Connect</translation>
    </message>
    <message>
        <source>美股</source>
        <translation>US stocks</translation>
    </message>
    <message>
        <source>涨幅</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>换手率</source>
        <translation>Turnover rate</translation>
    </message>
    <message>
        <source>成交额</source>
        <translation>Amount</translation>
    </message>
    <message>
        <source>量比</source>
        <translation>Volume ratio</translation>
    </message>
    <message>
        <source>市盈率</source>
        <translation>P/E</translation>
    </message>
    <message>
        <source>分时</source>
        <translation>Intraday</translation>
    </message>
    <message>
        <source>日K</source>
        <translation>Daily</translation>
    </message>
    <message>
        <source>周K</source>
        <translation>Weekly</translation>
    </message>
    <message>
        <source>月K</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>5分</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>60分</source>
        <translation>60 min</translation>
    </message>
    <message>
        <source>%1 · 第 %2 条资讯：盘面热点轮动，资金关注%3</source>
        <translation>%1 · item %2: hot sectors rotate, money turns to %3</translation>
    </message>
    <message>
        <source>导航栏</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>CSubTab 各种标签栏、两级 NavigatorBar、SideBar 和页面栈 BaseStackWidget；点击的编号显示在下方。</source>
        <translation>CSubTab tab bars of every kind, a two-level NavigatorBar, a SideBar and the BaseStackWidget page stack; the number of what you click is shown below.</translation>
    </message>
    <message>
        <source>周期标签 CSubTabPeriod：%1（编号 %2）</source>
        <translation>Period tab CSubTabPeriod: %1 (number %2)</translation>
    </message>
    <message>
        <source>NavigatorBar：%1 / %2（%3, %4）</source>
        <translation>NavigatorBar: %1 / %2 (%3, %4)</translation>
    </message>
    <message>
        <source>资讯</source>
        <translation>News</translation>
    </message>
    <message>
        <source>公告</source>
        <translation>Announcements</translation>
    </message>
    <message>
        <source>研报</source>
        <translation>Research</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>SideBar 按钮 %1：%2</source>
        <translation>SideBar button %1: %2</translation>
    </message>
    <message>
        <source>NavigatorBar：%1 / %2（2, 0）</source>
        <translation>NavigatorBar: %1 / %2 (2, 0)</translation>
    </message>
</context>
<context>
    <name>PdfReportPage</name>
    <message>
        <source>半导体</source>
        <translation>Chips</translation>
    </message>
    <message>
        <source>新能源车</source>
        <translation>EVs</translation>
    </message>
    <message>
        <source>白酒</source>
        <translation>Baijiu</translation>
    </message>
    <message>
        <source>银行</source>
        <translation>Banks</translation>
    </message>
    <message>
        <source>证券</source>
        <translation>Brokers</translation>
    </message>
    <message>
        <source>医药</source>
        <translation>Pharma</translation>
    </message>
    <message>
        <source>煤炭</source>
        <translation>Coal</translation>
    </message>
    <message>
        <source>光伏</source>
        <translation>Solar</translation>
    </message>
    <message>
        <source>军工</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>地产</source>
        <translation>Property</translation>
    </message>
    <message>
        <source>传媒</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>消费电子</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>板块</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>涨跌幅</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>成交额(亿元)</source>
        <translation>Turnover (100M CNY)</translation>
    </message>
    <message>
        <source>强弱</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>强势</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>弱势</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>震荡</source>
        <translation>Sideways</translation>
    </message>
    <message>
        <source>PDF 报告</source>
        <translation>PDF Report</translation>
    </message>
    <message>
        <source>用 QPdfWriter 生成两页的板块日报，再用 PopWebView 的 PDF 查看器（PDF.js）打开。</source>
        <translation>Writes a two-page daily sector report with QPdfWriter and opens it in PopWebView&apos;s PDF viewer (PDF.js).</translation>
    </message>
    <message>
        <source>尚未生成报告</source>
        <translation>No report written yet</translation>
    </message>
    <message>
        <source>生成 PDF 报告并打开</source>
        <translation>Write the PDF report and open it</translation>
    </message>
    <message>
        <source>板块日报</source>
        <translation>Daily Sector Report</translation>
    </message>
    <message>
        <source>%1 · 由 kwgallery 生成的示例数据</source>
        <translation>%1 · sample data made by kwgallery</translation>
    </message>
    <message>
        <source>一、板块涨跌幅（%）</source>
        <translation>1. Sector change (%)</translation>
    </message>
    <message>
        <source>二、板块明细</source>
        <translation>2. Sector details</translation>
    </message>
    <message>
        <source>板块日报.pdf</source>
        <translation>Daily Sector Report (PDF)</translation>
    </message>
    <message>
        <source>报告文件：%1（%2 字节）</source>
        <translation>Report file: %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>报告已交给 PDF 查看器</source>
        <translation>Report handed to the PDF viewer</translation>
    </message>
    <message>
        <source>PDF 查看器打不开报告</source>
        <translation>The PDF viewer cannot open the report</translation>
    </message>
</context>
<context>
    <name>QuoteModel</name>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>最新</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>涨幅%</source>
        <translation>Chg%</translation>
    </message>
    <message>
        <source>涨跌</source>
        <translation>Chg</translation>
    </message>
    <message>
        <source>成交量(手)</source>
        <translation>Volume (lots)</translation>
    </message>
    <message>
        <source>成交额(万)</source>
        <translation>Amount (10K)</translation>
    </message>
    <message>
        <source>换手%</source>
        <translation>Turnover%</translation>
    </message>
    <message>
        <source>市盈率</source>
        <translation>P/E</translation>
    </message>
    <message>
        <source>最高</source>
        <translation>High</translation>
    </message>
    <message>
        <source>最低</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>今开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>昨收</source>
        <translation>Prev Close</translation>
    </message>
    <message>
        <source>指数</source>
        <translation>Index</translation>
    </message>
</context>
<context>
    <name>QuoteTablePage</name>
    <message>
        <source>行情表</source>
        <translation>Quotes</translation>
    </message>
    <message>
        <source>FrozenTableView 显示 100,000 行生成的行情：两行指数和前三列固定不动；点列头按该列排序，再点一次反向。右键打开按内置配置 &quot;quoteList&quot; 生成的 KwMenu。</source>
        <translation>FrozenTableView shows 100,000 rows of generated quotes: the two index rows and the first three columns stay in place; click a column header to sort by it, click again to reverse. Right-click for the KwMenu made from the built-in &quot;quoteList&quot; configuration.</translation>
    </message>
    <message>
        <source>当前：%1</source>
        <translation>Current: %1</translation>
    </message>
    <message>
        <source>按“%1”%2排列</source>
        <translation>Sorted by &quot;%1&quot;, %2</translation>
    </message>
    <message>
        <source>升序</source>
        <translation>ascending</translation>
    </message>
    <message>
        <source>降序</source>
        <translation>descending</translation>
    </message>
    <message>
        <source>菜单项 %1「%2」作用于 %3 %4；自选股 %5 只</source>
        <translation>Menu item %1 &quot;%2&quot; on %3 %4; %5 stocks in the watchlist</translation>
    </message>
    <message>
        <source>序号 %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>来自 %1：没有代码 %2</source>
        <translation>From %1: no code %2</translation>
    </message>
    <message>
        <source>来自 %1 的消息：打开 %2</source>
        <translation>Message from %1: opened %2</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>(back)</translation>
    </message>
    <message>
        <source>滚动到序号 54321 并打开右键菜单</source>
        <translation>Scrolled to No. 54321 and opened the context menu</translation>
    </message>
</context>
<context>
    <name>SmallWidgetsPage</name>
    <message>
        <source>小部件</source>
        <translation>Widgets</translation>
    </message>
    <message>
        <source>快捷键提示窗、消息铃铛、空结果提示页、提示面板、链接标签、图片层和本机信息。</source>
        <translation>The shortcut window, the message bell, the empty-result hint page, the tips panel, a link label, a picture layer and this computer&apos;s details.</translation>
    </message>
    <message>
        <source>BellButton 与快捷键</source>
        <translation>BellButton and shortcuts</translation>
    </message>
    <message>
        <source>熄灭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>点亮</source>
        <translation>Lit</translation>
    </message>
    <message>
        <source>闪烁</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <source>铃铛：%1（states = %2）</source>
        <translation>Bell: %1 (states = %2)</translation>
    </message>
    <message>
        <source>已读</source>
        <translation>Mark read</translation>
    </message>
    <message>
        <source>铃铛：消息已读，停止闪烁（states = %1）</source>
        <translation>Bell: messages read, blinking stopped (states = %1)</translation>
    </message>
    <message>
        <source>快捷键 KeyTipsDlg</source>
        <translation>Shortcuts KeyTipsDlg</translation>
    </message>
    <message>
        <source>KwResultHintPage 与链接</source>
        <translation>KwResultHintPage and link</translation>
    </message>
    <message>
        <source>没有找到符合条件的股票
点图标重新选股</source>
        <translation>No stocks match
Click the icon to screen again</translation>
    </message>
    <message>
        <source>提示页的图标被点击</source>
        <translation>The hint page&apos;s icon was clicked</translation>
    </message>
    <message>
        <source>条件选股：最多可组合 5 个条件</source>
        <translation>Screener: up to 5 conditions</translation>
    </message>
    <message>
        <source>查看说明</source>
        <translation>Read more</translation>
    </message>
    <message>
        <source>链接标签被点击：显示说明</source>
        <translation>Link label clicked: showing the introduction</translation>
    </message>
    <message>
        <source>ViewTipsPanel</source>
        <translation>ViewTipsPanel</translation>
    </message>
    <message>
        <source>登录后查看自选股，点图标登录</source>
        <translation>Log in to see your watchlist:
click the icon</translation>
    </message>
    <message>
        <source>网络已断开，点图标重新连接</source>
        <translation>Network disconnected:
click the icon to reconnect</translation>
    </message>
    <message>
        <source>已登录：自选股 12 只
今日上涨 8 只</source>
        <translation>Logged in: 12 stocks in watchlist
8 up today</translation>
    </message>
    <message>
        <source>登</source>
        <comment>the sign on the log-in badge: one or two letters</comment>
        <translation>ID</translation>
    </message>
    <message>
        <source>提示面板：点击类型 %1，切换到类型 %2</source>
        <translation>Tips panel: clicked type %1, switched to type %2</translation>
    </message>
    <message>
        <source>类型 %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>KwPixLayer</source>
        <translation>KwPixLayer</translation>
    </message>
    <message>
        <source>KwHostInfo 本机信息</source>
        <translation>KwHostInfo: this computer</translation>
    </message>
    <message>
        <source>MAC 地址</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>IP 地址</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>操作系统</source>
        <translation>Operating system</translation>
    </message>
    <message>
        <source>打开了快捷键提示窗（按 Esc 关闭）</source>
        <translation>Opened the shortcut window (press Esc to close)</translation>
    </message>
    <message>
        <source>铃铛点亮；提示面板切到“网络已断开”</source>
        <translation>Bell lit; tips panel switched to &quot;Network disconnected&quot;</translation>
    </message>
</context>
<context>
    <name>UpdatePage</name>
    <message>
        <source>在线升级</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>真实运行 KwUpdate：程序生成 2.0 版升级包，在本机回环地址上提供下载，升级一个临时安装目录。所有文件都在临时文件夹里。</source>
        <translation>Runs the real KwUpdate: the gallery makes a version 2.0 package, serves it on the loopback address and updates a temporary installation folder. Every file stays in a temporary folder.</translation>
    </message>
    <message>
        <source>开始升级</source>
        <translation>Start update</translation>
    </message>
    <message>
        <source>KwUpdate 的日志（udpate_log.txt）</source>
        <translation>KwUpdate&apos;s log (udpate_log.txt)</translation>
    </message>
    <message>
        <source>升级日志</source>
        <translation>Update log</translation>
    </message>
    <message>
        <source>安装目录</source>
        <translation>Installation folder</translation>
    </message>
    <message>
        <source>无法生成升级包</source>
        <translation>Cannot make the update package</translation>
    </message>
    <message>
        <source>无法在本机监听：%1</source>
        <translation>Cannot listen on this computer: %1</translation>
    </message>
    <message>
        <source>示例升级包</source>
        <translation>Sample update package</translation>
    </message>
    <message>
        <source>无法写参数文件</source>
        <translation>Cannot write the parameter file</translation>
    </message>
    <message>
        <source>KwUpdate 已启动，下载 %1</source>
        <translation>KwUpdate started, downloading %1</translation>
    </message>
    <message>
        <source>%1  (%2 字节)</source>
        <translation>%1  (%2 bytes)</translation>
    </message>
    <message>
        <source>升级完成：安装目录已是 2.0 版。在 KwUpdate 窗口中点按钮结束（可选重启客户端）</source>
        <translation>Updated: the folder is now version 2.0. Finish in the KwUpdate window (restart optional)</translation>
    </message>
    <message>
        <source>升级完成，安装目录已是 2.0 版</source>
        <translation>Update complete, the installation folder is now version 2.0</translation>
    </message>
    <message>
        <source>升级失败，安装目录保持原样，详见日志</source>
        <translation>Update failed; the installation folder is unchanged, see the log</translation>
    </message>
    <message>
        <source>升级失败，安装目录保持原样</source>
        <translation>Update failed; the installation folder is unchanged</translation>
    </message>
    <message>
        <source>KwUpdate 已退出（%1，退出码 %2）；安装目录 %3%4</source>
        <translation>KwUpdate exited (%1, exit code %2); installation folder %3%4</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>normally</translation>
    </message>
    <message>
        <source>异常</source>
        <translation>abnormally</translation>
    </message>
    <message>
        <source>已升级到 2.0</source>
        <translation>updated to 2.0</translation>
    </message>
    <message>
        <source>未升级</source>
        <translation>not updated</translation>
    </message>
    <message>
        <source>，客户端已重新启动</source>
        <translation>, client restarted</translation>
    </message>
</context>
<context>
    <name>WebChannelPage</name>
    <message>
        <source>资讯卡片</source>
        <translation>News card</translation>
    </message>
    <message>
        <source>网页资讯 · content 通道</source>
        <translation>Web news · content channel</translation>
    </message>
    <message>
        <source>连接中…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>本页来自程序资源（qrc），通过 QWebChannel 调用宿主的 content.receiveText(text)。</source>
        <translation>This page comes from the program&apos;s resources (qrc) and calls the host&apos;s content.receiveText(text) through QWebChannel.</translation>
    </message>
    <message>
        <source>等待宿主推送行情</source>
        <translation>Waiting for the host to push a quote</translation>
    </message>
    <message>
        <source>宿主推送于 </source>
        <translation>Pushed by the host at </translation>
    </message>
    <message>
        <source>网页备注：茅台站上 1680，关注量能</source>
        <translation>Web note: Moutai holds above 1680, watch the volume</translation>
    </message>
    <message>
        <source>发送到客户端</source>
        <translation>Send to client</translation>
    </message>
    <message>
        <source>打开 600519</source>
        <translation>Open 600519</translation>
    </message>
    <message>
        <source>页面已连接：</source>
        <translation>Page connected: </translation>
    </message>
    <message>
        <source>网页通道</source>
        <translation>Web Channel</translation>
    </message>
    <message>
        <source>BaseWebView 载入程序资源中的网页；网页通过 &quot;content&quot; 通道把文字交给客户端，客户端用脚本把行情推回网页。</source>
        <translation>BaseWebView loads a page from the program&apos;s resources; the page hands texts to the client through the &quot;content&quot; channel, and the client pushes quotes back into the page with scripts.</translation>
    </message>
    <message>
        <source>推送行情到网页</source>
        <translation>Push a quote to the page</translation>
    </message>
    <message>
        <source>网页发来：%1</source>
        <translation>From the page: %1</translation>
    </message>
</context>
<context>
    <name>WindowsPage</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>窗口与对话框</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>无边框窗口可拖动标题栏移动、拖动边缘缩放；本演示的主窗口打开了 setSystemMoveResize，移动和缩放交给窗口系统（贴边吸附、跨屏移动），不支持时由窗口自己完成。闪烁对话框的边框随激活状态变色；消息框返回所按的按钮。</source>
        <translation>Frameless windows move by their title bar and resize by their edges; this gallery&apos;s main window turns on setSystemMoveResize, which leaves moving and resizing to the window system (edge snapping, moves across screens) and does it itself where that is not supported. A twinkle dialog&apos;s border changes color with its activation; a message box returns the button pressed.</translation>
    </message>
    <message>
        <source>FrameWidget 框架窗口</source>
        <translation>FrameWidget window</translation>
    </message>
    <message>
        <source>PopupWindow 弹出窗口</source>
        <translation>PopupWindow pop-up</translation>
    </message>
    <message>
        <source>PopupDialog 弹出对话框</source>
        <translation>PopupDialog dialog</translation>
    </message>
    <message>
        <source>KwTwinkleFrameDialog 闪烁对话框</source>
        <translation>KwTwinkleFrameDialog dialog</translation>
    </message>
    <message>
        <source>PopupTwinkleFrameDialog 闪烁弹窗</source>
        <translation>PopupTwinkleFrameDialog pop-up</translation>
    </message>
    <message>
        <source>信息 showInformation</source>
        <translation>Information showInformation</translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>询问 showQuestion</source>
        <translation>Question showQuestion</translation>
    </message>
    <message>
        <source>询问</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>警告 showWarning</source>
        <translation>Warning showWarning</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>错误 showError</source>
        <translation>Error showError</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>关于 showAbout</source>
        <translation>About showAbout</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>%1 关闭，返回 %2（%3）</source>
        <translation>%1 closed, returned %2 (%3)</translation>
    </message>
    <message>
        <source>FrameWidget：拖动标题栏移动，拖动边缘缩放</source>
        <translation>FrameWidget: drag the title bar to move, the edges to resize</translation>
    </message>
    <message>
        <source>带标题栏的无边框窗口</source>
        <translation>A frameless window with a title bar</translation>
    </message>
    <message>
        <source>打开了 FrameWidget</source>
        <translation>Opened FrameWidget</translation>
    </message>
    <message>
        <source>标题栏、主体和一像素边框，可移动、可缩放。</source>
        <translation>Title bar, body and a one-pixel border; it moves and resizes.</translation>
    </message>
    <message>
        <source>打开了 PopupWindow</source>
        <translation>Opened PopupWindow</translation>
    </message>
    <message>
        <source>保存当前画线到模板？</source>
        <translation>Save the current drawings as a template?</translation>
    </message>
    <message>
        <source>KwTwinkleFrameDialog：边框在失去激活时变成黄色。</source>
        <translation>KwTwinkleFrameDialog: the border turns yellow when the dialog is no longer active.</translation>
    </message>
    <message>
        <source>模态时点击主窗口，边框就会闪烁。</source>
        <translation>While it is modal, click the main window: the border blinks.</translation>
    </message>
    <message>
        <source>这是一个%1消息框。
所按按钮的值会显示在下方。</source>
        <translation>A message box of the kind &quot;%1&quot;.
The value of the button you press is shown below.</translation>
    </message>
    <message>
        <source>%1消息框返回 %2</source>
        <translation>%1 message box returned %2</translation>
    </message>
    <message>
        <source>是否把 600519 贵州茅台加入自选股？</source>
        <translation>Add 600519 Kweichow Moutai to your watchlist?</translation>
    </message>
    <message>
        <source>打开了询问消息框</source>
        <translation>Opened the question message box</translation>
    </message>
</context>
</TS>
