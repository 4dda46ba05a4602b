<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistoryFrame</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMergedReport</name>
    <message>
        <source>, </source>
        <extracomment>Between the files left out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A file left out and why</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another schema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
