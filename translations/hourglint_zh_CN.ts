<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>正在 Wayland 原生平台上运行，因为无法连接 Xwayland：窗口置顶和窗口定位不可用。</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>关于 Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Hourglint 的图标</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>技术支持：</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>销售：</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>主页：</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint 版本 %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>自由软件，依据 GNU GPL 第 3 版或更新版本授权；不提供任何担保。</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>前台信息来源：%1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>数据库：%1</translation>
    </message>
</context>
<context>
    <name>CAlarmNotifier</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n 小时</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Hourglint alarm</source>
        <translation>Hourglint 提醒</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>%1 今天已使用 %2。</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>运行时间</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>提醒时间</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>按 Alt+Down 或 F4 打开日历。</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>选项“%1”不接受值</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>选项“%1”需要一个值</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>日期格式错误“%1”：应为 YYYY-MM-DD</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>--by 的值“%1”未知：应为 day 或 hour</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>未知格式“%1”：应为 csv、json 或 html</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>选项“%1”需要一个文件名</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report 和 --history 不能同时使用</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>选项“%1”需要 --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>选项“%1”用于 --report；历史记录使用 --from 和 --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>html 格式需要 --output 文件</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>选项“%1”需要 --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>范围的开始晚于结束：--from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>历史记录最多涵盖 %1 天，而不是 %2 天</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>显示此帮助并退出</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>显示版本并退出</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>写出一天的报告并退出，不打开窗口：</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>日期（默认：今天）</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>写出一段日期范围并退出，不打开窗口：</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>第一天（默认：--to 之前六天）</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>最后一天（默认：今天）；总共最多 %1 天</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>每天一列（默认），或 24 列：范围内每天各小时的
秒数之和</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  两者通用：</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>每个分组一行，而不是每个程序一行</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv（默认）或 json，写到标准输出；或 html，写到
--output，图表图片放在旁边（文件名的扩展名换成 .jpg）</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>写到文件，而不是标准输出</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>要读取的数据库（默认：程序旁边的 HG.mdb，或
~/.local/share/Hourglint/Hourglint/ 中的）；再次
给出时，为要加入的其他计算机的快照（*.hgshare）</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>加入“选项”中设置的共享文件夹里的快照</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>用法：hourglint [--report [选项]...]
      hourglint [--history [选项]...]
测量每个程序在前台的时长。不带选项时打开它的窗口，这需要 X11 会话，
或 GNOME Shell、KDE Plasma、sway 或 wlroots 合成器（labwc、wayfire、
river 等）的 Wayland 会话。</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>报告列出当天、前一天以及最近 7、30 和 365 天的日平均值，单位为秒。历史
记录列出范围内有时间的每个程序、它的总计以及每天或每小时的秒数。两者都
只读取数据库，因此可以在 Hourglint 测量时运行。</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>退出状态：0 表示成功，1 表示无法使用数据库或输出，2 表示用法错误。</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>用法：hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output 文件] [--database 文件]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>许可证 GPLv3+：GNU GPL 第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;。
本软件是自由软件：您可以自由修改和重新发布它。不提供任何担保。</translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--date YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--from YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--to YYYY-MM-DD</translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation>--format 格式</translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--output 文件</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database 文件</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>登录 Windows 时自动运行 Hourglint</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>登录时自动运行 Hourglint</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Hourglint 启动时自动最小化到系统托盘</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Hourglint 启动时从数据库加载当天的数据</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>每次提醒都显示桌面通知</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>数据库</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>自动将数据保存到数据库，每隔</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>界面</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>表示窗口不透明度的 Alpha 值</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>透明</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>不透明</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>提醒：程序的运行时间每达到</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>离开</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>多台计算机</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>两次保存到数据库之间的秒数</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>%1 到 %2 秒。</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>两次提醒之间的运行时间（分钟）</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>%1 到 %2 分钟。</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>无键盘或鼠标输入的分钟数</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>%1 到 %2 分钟；勾选前面的复选框时，超过该时长即停止计时。</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>窗口不透明度</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>从 %1（接近透明）到 %2（不透明）。</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>停止计时，当持续</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>分钟无键盘或鼠标输入时</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>无法计入数据库 %1：无法打开它的锁文件 %2（%3）。</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>另一个 Hourglint 实例（进程 %1）已在计入数据库 %2。一个数据库只接受一个计数者，因此本实例将退出。</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>另一个 Hourglint 实例已在计入数据库 %1。一个数据库只接受一个计数者，因此本实例将退出。</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>无法锁定数据库 %1（%2：%3）。</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>%1 处没有数据库</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>%1 的每日合计尚未完成：%2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>日期和运行时间</translation>
    </message>
    <message>
        <source>%1, %2 hours %3 minutes %4 seconds</source>
        <translation>%1，%2 小时 %3 分 %4 秒</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>yyyy年M月d日</translation>
    </message>
</context>
<context>
    <name>CDragDropTreeCtrl</name>
    <message>
        <source>Please drop on a group!</source>
        <translation>请拖放到分组上！</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>Hourglint 无法连接会话总线，无法向 GNOME Shell 查询活动窗口。</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint 无法在会话总线上获取它的名称：%1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1（PID %2）</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 由 %2 持有，而不是 GNOME Shell；不采信它的回答，在它持有该名称期间不计入任何时间。</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>在 GNOME 上，Hourglint 通过它自己的小型 GNOME Shell 扩展（%1）得知哪个窗口在前台。该扩展只告诉 Hourglint 焦点窗口的进程 ID、WM 类和标题，不读取其他任何内容。该扩展尚未启用，因此 Hourglint 暂时不计时；它会继续运行，扩展一有回应就开始计时。

启用方法：运行
    gnome-extensions enable %1
或在“扩展”应用中打开“Hourglint focused window”。Wayland 上的 GNOME 要到下次登录后才会加载新安装的扩展。</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>现在启用吗？</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>已安装的副本都不适用于 GNOME Shell %1。要把适用的版本安装到 %2 并启用吗？</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>Hourglint 无法安装它的 GNOME Shell 扩展：%1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>GNOME Shell 现在没有启用 Hourglint 的扩展。请注销并重新登录，然后用以下命令启用：gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>实时图</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>没有有效的 pInputData</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>前台没有程序。</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 在前台。</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>泳道</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>显示的秒数</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>最后在前台</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>不在图中</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>现在</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 秒前</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>编辑分组</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>将条目拖到分组上：</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>分组及其程序</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>新分组的名称</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>添加新分组</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>删除所选分组</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>移动到分组(&amp;M)...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>分组名称的长度不能超过 50！</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>请输入分组名称！</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>无法删除。请选择要删除的条目！</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>无法删除。请选择一个分组！</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>无法删除默认分组！</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>请选择要移动的程序！</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>还没有其他分组：请先添加一个。</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>不保存对分组的更改就关闭吗？</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>无法打开 X11 显示。</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>窗口标题</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>窗口标题</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>运行时间</translation>
    </message>
</context>
<context>
    <name>CHistoryChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 小时</translation>
    </message>
    <message>
        <source>Nothing was used in these days.</source>
        <translation>这些天没有使用任何程序。</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>历史图表</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>共 %1。</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>%1:00 至 %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>快照只包含按天的数据：小时数据来自本机。</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>将历史记录保存为 HTML 文件</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>进程(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>分组(&amp;G)</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>本机(&amp;H)</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>所有计算机(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>天(&amp;D)</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>小时(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>范围(&amp;R)：</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>最近 7 天</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>最近 30 天</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>最近 90 天</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>最近 365 天</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>本周</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>本月</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>从(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>到(&amp;T)：</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>范围</translation>
    </message>
</context>
<context>
    <name>CHistoryFrame</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>还有 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>正在累计每天的数据…</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>日平均</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>范围的开始晚于结束：请选择早于“到”日期的“从”日期。</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>一个范围最多包含 %1 天。</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1：共 %2</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>%1:00 至 %2:00：共 %3</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>无法写入历史记录文件 %1：
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>历史记录已保存。

现在查看吗？</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>范围的总计</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>快照只包含按天的数据：小时数据来自本机。</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>图表图片会覆盖该页面</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>无法生成图表图片</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>Hourglint 无法连接会话总线，无法向 KWin 查询活动窗口。</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint 无法在会话总线上获取它的名称：%1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>Hourglint 无法在会话总线上提供它的对象。</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>程序中缺少 KWin 脚本。</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>Hourglint 无法将它的 KWin 脚本写入 %1。</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>KWin 没有加载 Hourglint 的脚本：%1。</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>KWin 没有加载 Hourglint 的脚本。</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>实时图</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Hourglint 实时图</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>实时图(&amp;L)</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>显示实时图</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>报告(&amp;R)</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>分析并生成报告</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>历史(&amp;I)</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>时间都去哪儿了：按天和按小时</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>选项(&amp;C)</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>配置和首选项</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>关于 Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>运行中的程序</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>提醒</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>要退出程序吗？</translation>
    </message>
</context>
<context>
    <name>CMergedReport</name>
    <message>
        <source>, </source>
        <extracomment>Between the files left out</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A file left out and why</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>已略过：%1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>无法读取本机的数据库：%1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>无法读取本机的数据库：%1。%2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>“选项”中未设置共享文件夹：仅本机。</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>将报告保存为 HTML 文件</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>设置分组(&amp;G)</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>管理分组和程序</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>历史(&amp;I)</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>这一天前后的日子，以及它的各个小时</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>显示：</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>所有计算机</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>设置日期：</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>前一天（Alt+Left）</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>前一天</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>后一天（Alt+Right）</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>后一天</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>日志报告</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>正在计算报告…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>无法写入报告文件 %1：
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>报告已成功生成！

现在查看吗？</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>前 5 个进程</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>前 5 个分组</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Hourglint 报告文件 (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>无法写入报告文件 %1：
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>无法完成该工作：%1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>通过以下文件夹与我的其他计算机共享我的历史</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>（未共享）</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>共享文件夹</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>本机在其中的名称：</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>共享文件夹 %1 不存在。</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>Hourglint 无法与您的其他计算机共享它的历史：它的数据库在此文件系统上未使用预写日志（WAL），因此在它运行期间无法制作一致的副本。
在下次启动之前不会写入快照。</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>无法通过文件夹 %1 与您的其他计算机共享历史：
%2
Hourglint 将在一小时后重试。</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>显示/隐藏程序</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>报告(&amp;R)</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>历史(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>选项(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>隐藏 %1(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show %1</source>
        <translation>显示 %1(&amp;S)</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>无法创建锁文件 %1。</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>Hourglint 已在运行（进程 %1，锁文件 %2），但没有响应。请结束该进程并重新启动 Hourglint。</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>文件夹 %1 不存在</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>无法写入文件夹 %1：%2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>数据库不是预写日志（WAL）模式</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>无法重命名 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>CStaticBarVView</name>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>No report is shown yet.</source>
        <translation>尚未显示报告。</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>没有可绘制的行。</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>%1 的条形。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>Hourglint 无法连接 sway 的 IPC 套接字（%1）：%2。</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>sway 的 IPC 套接字（%1）没有响应。</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint 与 sway（%1）的连接已断开。在 sway 再次响应之前，时间计入最后在前台的程序；Hourglint 会自动重新连接。</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>保存时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>无法将数据保存到数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>加载时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>无法从数据库加载数据！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>加载分组时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>添加分组时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>无法向数据库添加分组！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>删除分组时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>无法删除分组！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>更新条目时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>无法更新条目！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>生成进程报告时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>无法生成进程报告！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>生成分组报告时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>无法生成分组报告！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>生成历史记录时无法连接数据库！
错误信息：%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>无法生成历史记录！
错误信息：%1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>Hourglint 无法连接 Wayland 合成器。</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Wayland 合成器关闭了连接。</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>Wayland 合成器没有提供座席（seat）。</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>Wayland 合成器没有提供空闲通知（ext_idle_notifier_v1 或 org_kde_kwin_idle）。</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Wayland 合成器关闭了连接。</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>Wayland 合成器没有提供 zwlr_foreign_toplevel_manager_v1。</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Wayland 合成器关闭了连接。</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint 与 Wayland 合成器的连接已断开。在它再次响应之前，时间计入最后在前台的程序；Hourglint 会自动重新连接。</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>Hourglint 需要 X11 会话来跟踪前台程序，但这是一个没有 X11 显示的 Wayland 会话（未设置 DISPLAY）。请登录 X11 会话，或启用 XWayland，然后重新启动 Hourglint。</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>Hourglint 需要 X11 会话来跟踪前台程序，但没有可用的 X11 显示（未设置 DISPLAY）。请登录 X11 会话，然后重新启动 Hourglint。</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>Hourglint 需要 X11 会话来跟踪前台程序，但无法打开 X11 显示“%1”。请检查 X 服务器是否正在运行，以及此用户是否可以连接它。</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>Hourglint 需要 X11 会话来跟踪前台程序，但 X11 显示没有屏幕 %1。</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>%1 处没有数据库</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>数据库 %1 不是普通文件</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>输出 %1 就是数据库</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>输出 %1 是属于其他用户的链接</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>无法将报告写到标准输出</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>“选项”中未设置共享文件夹</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>已略过 %1：%2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 被当作不变的文件读取：无法写入它所在的文件夹</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>%D 天，%H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 只有锁屏会暂停计时。</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11（窗口管理器的 _NET_ACTIVE_WINDOW）</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway（它的 i3 IPC 套接字）</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma（一个 KWin 脚本）</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell（Hourglint 的扩展）</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>wlroots 合成器（foreign-toplevel：labwc、wayfire、river 等）</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>没有显示：未设置 DISPLAY。</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND 指定的不是前台后端（%1）；已知：%2。</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>Hourglint 无法得知此 Wayland 会话中哪个程序在前台：它的合成器（%1）不是 Hourglint 能够查询的。Hourglint 不会退而使用 Xwayland，因为它只能看到部分窗口。
支持：%2。</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>Hourglint 历史</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>保存日期：%1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>从：%1 到：%2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>类型：%1</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>图表：%1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list of computer names.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Computers: %1</source>
        <translation>计算机：%1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>日平均</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>占比</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>技术支持</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>TOTAL</source>
        <translation>总计</translation>
    </message>
</context>
<context>
    <name>HistoryTitles</name>
    <message>
        <source>Time per day from %1 to %2</source>
        <translation>%1 至 %2 每天的时间</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>%1 至 %2 的平均一天：每小时的时间除以 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>%1 每小时的时间</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Hourglint 日志报告</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>保存日期：%1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>“今天”：%1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>类型：%1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>总计</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>技术支持</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>无法打开</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>太大</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>不完整，仍在复制中？</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>已损坏</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>结构不同</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>读取太慢</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>写入时间在未来</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>同一台计算机出现两次</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>每日合计与另一个文件相同</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n 天的数值不合理</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>无法读取它的小时数据</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>操作系统内存
或资源不足。</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>找不到指定的文件。</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>找不到指定的路径。</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>操作系统拒绝
访问指定的文件。</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>内存不足，无法完成该操作。</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>.EXE 文件无效
（不是 Win32 .EXE，或 .EXE 映像有错误）。</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>发生共享冲突。 </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>文件名关联
不完整或无效。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>请求超时，
DDE 事务无法完成。</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>DDE 事务失败。</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>正在处理其他 DDE 事务，
DDE 事务
无法完成。</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>没有与给定文件扩展名
关联的应用程序。</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>找不到指定的动态链接库。</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>发生未知错误（%1）。</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开超链接：

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>它是属于其他用户的链接</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>它是正在使用的数据库</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是文件夹</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1：它是属于其他用户的链接</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>它不再是管道或设备</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>无法使用文件夹 %1：%2。</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>无法使用 %1：它不是文件夹。</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>无法使用文件夹 %1：它属于用户 %2，而不是您（用户 %3）。</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>无法使用文件夹 %1：它的权限是 %2，但只应允许您访问（0700）。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>无法创建文件夹 %1：%2。</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>进程</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>分组</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>周平均</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>月平均</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>年平均</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>在此会话中：%1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>在此会话中，前台程序通过 %1 读取。
支持：%2。</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>无法从您不能写入的文件夹中读取 %1-wal 里待处理的更改（%2）</translation>
    </message>
</context>
</TS>
