<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>ArrowSettingDialog</name>
    <message>
        <source>箭头颜色:</source>
        <translation>Arrow color:</translation>
    </message>
    <message>
        <source>箭头粗细:</source>
        <translation>Arrow width:</translation>
    </message>
    <message>
        <source>指示箭头配置</source>
        <translation>Arrow settings</translation>
    </message>
</context>
<context>
    <name>BellButton</name>
    <message>
        <source>消息提醒</source>
        <translation>Notifications</translation>
    </message>
</context>
<context>
    <name>ColorControlWidget</name>
    <message>
        <source>选择颜色</source>
        <translation>Choose color</translation>
    </message>
    <message>
        <source>当前颜色</source>
        <translation>Current color</translation>
    </message>
    <message>
        <source>当前颜色 %1</source>
        <translation>Current color %1</translation>
    </message>
</context>
<context>
    <name>CustomColorDlg</name>
    <message>
        <source>颜色 %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DialogButtons</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FontPropertyDlg</name>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>文字属性配置</source>
        <translation>Text properties</translation>
    </message>
    <message>
        <source>字体:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>颜色:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>大小:</source>
        <translation>Size:</translation>
    </message>
</context>
<context>
    <name>KeyTipsDlg</name>
    <message>
        <source>快捷键提示</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
</context>
<context>
    <name>KeyTipsMaster</name>
    <message>
        <source>&gt; 常用快捷键</source>
        <translation>&gt; Common shortcuts</translation>
    </message>
    <message>
        <source>&gt; 数字快捷键</source>
        <translation>&gt; Number shortcuts</translation>
    </message>
    <message>
        <source>无法读取快捷键文件</source>
        <translation>Cannot read the shortcut file</translation>
    </message>
</context>
<context>
    <name>KwColorComboBox</name>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>颜色 %1，点击选择</source>
        <translation>Color %1, click to choose</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Color</translation>
    </message>
</context>
<context>
    <name>KwColorToolButton</name>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>颜色 %1，点击选择</source>
        <translation>Color %1, click to choose</translation>
    </message>
    <message>
        <source>选择颜色</source>
        <translation>Choose Color</translation>
    </message>
</context>
<context>
    <name>KwMenu</name>
    <message>
        <source>置顶</source>
        <translation>Pin to Top</translation>
    </message>
    <message>
        <source>取消置顶</source>
        <translation>Unpin</translation>
    </message>
    <message>
        <source>删除自选</source>
        <translation>Remove from Watchlist</translation>
    </message>
    <message>
        <source>添加自选</source>
        <translation>Add to Watchlist</translation>
    </message>
    <message>
        <source>删除盯盘</source>
        <translation>Remove from Monitor</translation>
    </message>
    <message>
        <source>添加盯盘</source>
        <translation>Add to Monitor</translation>
    </message>
</context>
<context>
    <name>KwPenStyleButton</name>
    <message>
        <source>线型</source>
        <translation>Line style</translation>
    </message>
    <message>
        <source>线型：%1</source>
        <translation>Line style: %1</translation>
    </message>
</context>
<context>
    <name>KwPenWidthButton</name>
    <message>
        <source>线宽</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>线宽：%1</source>
        <translation>Line width: %1</translation>
    </message>
</context>
<context>
    <name>KwResultHintPage</name>
    <message>
        <source>暂无股票 点击添加</source>
        <translation>No stocks yet. Click to add</translation>
    </message>
</context>
<context>
    <name>Kwcfg</name>
    <message>
        <source>添加自选</source>
        <translation>Add to Watchlist</translation>
    </message>
    <message>
        <source>把所选股票加入自选股</source>
        <translation>Add the selected stock to your watchlist</translation>
    </message>
    <message>
        <source>添加盯盘</source>
        <translation>Add to Monitor</translation>
    </message>
    <message>
        <source>盯盘提醒所选股票的异动</source>
        <translation>Alert me to unusual moves of the selected stock</translation>
    </message>
    <message>
        <source>置顶</source>
        <translation>Pin to Top</translation>
    </message>
    <message>
        <source>把所选股票固定在列表顶部</source>
        <translation>Keep the selected stock at the top of the list</translation>
    </message>
    <message>
        <source>新窗口打开</source>
        <translation>Open in New Window</translation>
    </message>
    <message>
        <source>在新窗口中打开所选股票的行情</source>
        <translation>Open the selected stock&apos;s quotes in a new window</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export Data</translation>
    </message>
    <message>
        <source>把列表导出为表格文件</source>
        <translation>Export the list as a spreadsheet file</translation>
    </message>
    <message>
        <source>复制代码</source>
        <translation>Copy Code</translation>
    </message>
    <message>
        <source>复制所选股票的代码</source>
        <translation>Copy the selected stock&apos;s code</translation>
    </message>
    <message>
        <source>显示行情提示</source>
        <translation>Show Quote Tips</translation>
    </message>
    <message>
        <source>鼠标停留时显示行情提示</source>
        <translation>Show a quote tip when the mouse rests on a stock</translation>
    </message>
    <message>
        <source>列设置...</source>
        <translation>Columns...</translation>
    </message>
    <message>
        <source>选择列表显示的列</source>
        <translation>Choose the columns the list shows</translation>
    </message>
    <message>
        <source>指标参数设置</source>
        <translation>Indicator Settings</translation>
    </message>
    <message>
        <source>修改当前指标的参数</source>
        <translation>Change the current indicator&apos;s parameters</translation>
    </message>
    <message>
        <source>叠加品种</source>
        <translation>Overlay Security</translation>
    </message>
    <message>
        <source>在K线图上叠加其他品种</source>
        <translation>Overlay another security on the candlestick chart</translation>
    </message>
    <message>
        <source>画线工具</source>
        <translation>Drawing Tools</translation>
    </message>
    <message>
        <source>打开画线工具栏</source>
        <translation>Open the drawing toolbar</translation>
    </message>
    <message>
        <source>前复权</source>
        <translation>Forward Adjusted</translation>
    </message>
    <message>
        <source>不复权</source>
        <translation>Unadjusted</translation>
    </message>
    <message>
        <source>区间统计</source>
        <translation>Range Statistics</translation>
    </message>
    <message>
        <source>先在图上选出区间</source>
        <translation>Select a range on the chart first</translation>
    </message>
    <message>
        <source>MA 均线</source>
        <translation>MA Moving Average</translation>
    </message>
    <message>
        <source>MACD 指数平滑异同平均线</source>
        <translation>MACD Moving Average Convergence Divergence</translation>
    </message>
    <message>
        <source>KDJ 随机指标</source>
        <translation>KDJ Stochastic Oscillator</translation>
    </message>
    <message>
        <source>成交明细</source>
        <translation>Time and Sales</translation>
    </message>
    <message>
        <source>分价表</source>
        <translation>Volume by Price</translation>
    </message>
    <message>
        <source>上证指数</source>
        <translation>SSE Composite</translation>
    </message>
    <message>
        <source>深证成指</source>
        <translation>SZSE Component</translation>
    </message>
    <message>
        <source>分时/K线切换</source>
        <translation>Intraday/K-Line</translation>
    </message>
    <message>
        <source>自选股</source>
        <translation>Watchlist</translation>
    </message>
    <message>
        <source>切换K线周期</source>
        <translation>Change Chart Period</translation>
    </message>
    <message>
        <source>个股资料</source>
        <translation>Company Profile</translation>
    </message>
    <message>
        <source>进入/退出个股画面</source>
        <translation>Toggle Stock View</translation>
    </message>
    <message>
        <source>返回上一画面</source>
        <translation>Previous View</translation>
    </message>
    <message>
        <source>上一只股票</source>
        <translation>Previous Stock</translation>
    </message>
    <message>
        <source>下一只股票</source>
        <translation>Next Stock</translation>
    </message>
    <message>
        <source>放大/缩小K线</source>
        <translation>Zoom Chart In/Out</translation>
    </message>
    <message>
        <source>系统设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>加入自选股</source>
        <translation>Add to Watchlist</translation>
    </message>
    <message>
        <source>所属板块</source>
        <translation>Stock&apos;s Sectors</translation>
    </message>
    <message>
        <source>退出程序</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>板块指数</source>
        <translation>Sector Indices</translation>
    </message>
    <message>
        <source>涨幅排名</source>
        <translation>Top Gainers</translation>
    </message>
    <message>
        <source>上证A股涨幅排名</source>
        <translation>SH A-Share Gainers</translation>
    </message>
    <message>
        <source>深证A股涨幅排名</source>
        <translation>SZ A-Share Gainers</translation>
    </message>
    <message>
        <source>创业板涨幅排名</source>
        <translation>ChiNext Gainers</translation>
    </message>
    <message>
        <source>综合排名</source>
        <translation>Overall Ranking</translation>
    </message>
    <message>
        <source>上证A股综合排名</source>
        <translation>SH A-Share Ranking</translation>
    </message>
    <message>
        <source>深证A股综合排名</source>
        <translation>SZ A-Share Ranking</translation>
    </message>
    <message>
        <source>上证B股涨幅排名</source>
        <translation>SH B-Share Gainers</translation>
    </message>
    <message>
        <source>深证B股涨幅排名</source>
        <translation>SZ B-Share Gainers</translation>
    </message>
</context>
<context>
    <name>LineControl</name>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>线条粗细</source>
        <translation>Line width</translation>
    </message>
</context>
<context>
    <name>LineSettingDialog</name>
    <message>
        <source>参数设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>线条颜色:</source>
        <translation>Line color:</translation>
    </message>
    <message>
        <source>线条种类:</source>
        <translation>Line style:</translation>
    </message>
    <message>
        <source>线条粗细:</source>
        <translation>Line width:</translation>
    </message>
    <message>
        <source>基本线条配置</source>
        <translation>Line settings</translation>
    </message>
</context>
<context>
    <name>LineTypeControl</name>
    <message>
        <source>线条种类</source>
        <translation>Line style</translation>
    </message>
</context>
<context>
    <name>MesBox</name>
    <message>
        <source>Tip</source>
        <translation>Tip</translation>
    </message>
</context>
<context>
    <name>MsgView</name>
    <message>
        <source>是</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存所有</source>
        <translation>Save All</translation>
    </message>
    <message>
        <source>终止</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>丢弃</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>重置</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>ParaSettingDialog</name>
    <message>
        <source>参数名称</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>参数值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>指标线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>线宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>恢复默认值</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>PdfDownloads</name>
    <message>
        <source>无法保存到下载文件夹 %1</source>
        <translation>Cannot save to the download folder %1</translation>
    </message>
    <message>
        <source>下载没有完成</source>
        <translation>The download did not finish</translation>
    </message>
    <message>
        <source>已下载到 %1</source>
        <translation>Downloaded to %1</translation>
    </message>
</context>
<context>
    <name>PdfPrinting</name>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印没有完成</source>
        <translation>Printing did not finish</translation>
    </message>
</context>
<context>
    <name>PenStyleToolButton</name>
    <message>
        <source>线宽</source>
        <translation>Line width</translation>
    </message>
    <message>
        <source>线宽：%1</source>
        <translation>Line width: %1</translation>
    </message>
</context>
<context>
    <name>PickerText</name>
    <message>
        <source>实线</source>
        <translation>Solid</translation>
    </message>
    <message>
        <source>虚线</source>
        <translation>Dashed</translation>
    </message>
    <message>
        <source>点线</source>
        <translation>Dotted</translation>
    </message>
    <message>
        <source>点划线</source>
        <translation>Dash-dot</translation>
    </message>
    <message>
        <source>双点划线</source>
        <translation>Dash-dot-dot</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>%1 像素</source>
        <translation>%1 px</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>窗口图标</source>
        <translation>Window icon</translation>
    </message>
</context>
<context>
    <name>TypePanel</name>
    <message>
        <source>粗体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Underline</translation>
    </message>
</context>
<context>
    <name>WindowControlBox</name>
    <message>
        <source>最小化</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>最大化</source>
        <translation>Maximize</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Restore</translation>
    </message>
</context>
</TS>
