<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>Läuft auf Waylands eigener Plattform, da Xwayland nicht erreichbar war: Das Fenster kann weder über den anderen bleiben noch platziert werden.</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Über Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Symbol von Hourglint</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>Vertrieb:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Homepage:</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint Version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>Freie Software unter der GNU GPL, Version 3 oder neuer; ohne Gewährleistung.</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>Vordergrund gelesen aus: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Datenbank: %1</translation>
    </message>
</context>
<context>
    <name>CAlarmNotifier</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Hourglint alarm</source>
        <translation>Hourglint-Alarm</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>%1 wurde heute %2 lang benutzt.</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Alarmzeit</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>Alt+Unten oder F4 öffnet den Kalender.</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>Option „%1“ nimmt keinen Wert</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option „%1“ braucht einen Wert</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>ungültiges Datum „%1“: erwartet wird JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>unbekannter Wert „%1“ für --by: erwartet wird day oder hour</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>unbekanntes Format „%1“: erwartet wird csv, json oder html</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>Option „%1“ braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report und --history lassen sich nicht zusammen verwenden</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>Option „%1“ braucht --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>Option „%1“ gehört zu --report; ein Verlauf nimmt --from und --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>das Format html braucht --output DATEI</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>Option „%1“ braucht --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>der Zeitraum beginnt nach seinem Ende: --from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>ein Verlauf umfasst höchstens %1 Tage, nicht %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>den Bericht eines Tages schreiben und beenden,
ohne Fenster:</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>der Tag (Vorgabe: heute)</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>einen Zeitraum von Tagen schreiben und beenden,
ohne Fenster:</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>der erste Tag (Vorgabe: sechs Tage vor --to)</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>der letzte Tag (Vorgabe: heute); insgesamt höchstens
%1 Tage</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>eine Spalte je Tag (Vorgabe) oder 24 Spalten: die
Sekunden jeder Tagesstunde, über den Zeitraum summiert</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  für beide:</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>eine Zeile je Gruppe statt je Programm</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv (Vorgabe) oder json, auf die Standardausgabe, oder
html, nach --output, mit dem Diagrammbild daneben
(DATEI mit der Endung .jpg statt ihrer eigenen)</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>nach DATEI statt auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>die zu lesende Datenbank (Vorgabe: HG.mdb neben dem
Programm oder in ~/.local/share/Hourglint/Hourglint/);
weitere: Schnappschüsse anderer Computer (*.hgshare),
die hinzugezählt werden</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>die Schnappschüsse im Freigabeordner aus den Optionen
hinzuzählen</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>Aufruf: hourglint [--report [OPTION]...]
        hourglint [--history [OPTION]...]
Misst, wie lange jedes Programm im Vordergrund ist. Ohne Optionen öffnet es
sein Fenster; dafür braucht es eine X11-Sitzung oder eine Wayland-Sitzung von
GNOME Shell, KDE Plasma, sway oder einem wlroots-Compositor (labwc, wayfire,
river ...).</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>Ein Bericht nennt den Tag, den Vortag und den Tagesdurchschnitt der letzten 7,
30 und 365 Tage, in Sekunden. Ein Verlauf nennt jedes Programm mit einer
Sekunde im Zeitraum, seine Summe und seine Sekunden je Tag oder Stunde. Beide
lesen die Datenbank nur, dürfen also laufen, während Hourglint misst.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>Rückgabewert: 0 bei Erfolg, 1, wenn die Datenbank oder die Ausgabe nicht
benutzt werden kann, 2 bei falschem Aufruf.</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>Aufruf: hourglint [--help] [--version] [--report [--date JJJJ-MM-TT] | --history [--from JJJJ-MM-TT] [--to JJJJ-MM-TT] [--by day|hour]] [--group] [--format csv|json|html] [--output DATEI] [--database DATEI]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben. Es gibt KEINE GARANTIE.</translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--date JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--from JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--to JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation>--format FORMAT</translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--output DATEI</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database DATEI</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>Hourglint bei der Windows-Anmeldung automatisch starten</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>Hourglint bei der Anmeldung automatisch starten</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Beim Start von Hourglint automatisch in den Systemabschnitt minimieren</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Beim Start von Hourglint die Daten desselben Tages aus der Datenbank laden</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>Bei jedem Alarm eine Desktop-Benachrichtigung zeigen</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>Daten automatisch in der Datenbank speichern, alle</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>Alphawert für die Deckkraft des Fensters</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>deckend</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>Alarm, sobald die Laufzeit eines Programms ein Vielfaches erreicht von</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Abwesenheit</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>Mehrere Computer</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>Sekunden zwischen zwei Speicherungen in der Datenbank</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>Von %1 bis %2 Sekunden.</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>Minuten Laufzeit zwischen zwei Alarmen</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>Von %1 bis %2 Minuten.</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>Minuten ohne Tastatur- oder Mauseingabe</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>Von %1 bis %2 Minuten; danach hält die Zählung an, wenn das Kästchen davor angekreuzt ist.</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>Deckkraft des Fensters</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>Von %1, fast transparent, bis %2, deckend.</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>Zählung anhalten nach</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>Minuten ohne Tastatur- oder Mauseingabe</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>In die Datenbank %1 kann nicht gezählt werden: ihre Sperrdatei %2 lässt sich nicht öffnen (%3).</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>Eine andere Hourglint-Instanz (Prozess %1) zählt bereits in die Datenbank %2. Eine Datenbank nimmt nur einen Zähler, daher beendet sich diese Instanz.</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>Eine andere Hourglint-Instanz zählt bereits in die Datenbank %1. Eine Datenbank nimmt nur einen Zähler, daher beendet sich diese Instanz.</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>Die Datenbank %1 lässt sich nicht sperren (%2: %3).</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>keine Datenbank unter %1</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>die Tage von %1 sind noch nicht aufsummiert: %2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>Datum und Laufzeit</translation>
    </message>
    <message>
        <source>%1, %2 hours %3 minutes %4 seconds</source>
        <translation>%1, %2 Stunden %3 Minuten %4 Sekunden</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CDragDropTreeCtrl</name>
    <message>
        <source>Please drop on a group!</source>
        <translation>Bitte auf einer Gruppe ablegen!</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>Hourglint erreicht den Sitzungsbus nicht, um GNOME Shell nach dem aktiven Fenster zu fragen.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint kann seinen Namen auf dem Sitzungsbus nicht belegen: %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 gehört %2, nicht GNOME Shell; seinen Antworten wird nicht geglaubt, und solange es den Namen hält, wird nichts gezählt.</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>Unter GNOME erfährt Hourglint von seiner eigenen kleinen GNOME-Shell-Erweiterung (%1), welches Fenster vorne ist. Sie teilt Hourglint nur Prozess-ID, WM-Klasse und Titel des fokussierten Fensters mit und liest sonst nichts. Sie ist nicht aktiviert, daher zählt Hourglint vorerst nichts; es läuft weiter und beginnt zu zählen, sobald die Erweiterung antwortet.

Zum Aktivieren ausführen:
    gnome-extensions enable %1
oder in der Anwendung „Erweiterungen“ „Hourglint focused window“ einschalten. GNOME unter Wayland lädt eine neu installierte Erweiterung erst nach der nächsten Anmeldung.</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>Jetzt aktivieren?</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>Keine installierte Fassung passt zu GNOME Shell %1. Die passende nach %2 installieren und aktivieren?</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>Hourglint konnte seine GNOME-Shell-Erweiterung nicht installieren: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>GNOME Shell hat die Erweiterung von Hourglint jetzt nicht aktiviert. Bitte ab- und wieder anmelden und sie dann aktivieren mit: gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>Live-Graph</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>Keine gültigen pInputData</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>Kein Programm ist im Vordergrund.</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 ist im Vordergrund.</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>Gezeigte Sekunden</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>Zuletzt vorne</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>Nicht im Bild</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Jetzt</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>vor %1 s</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>Gruppen bearbeiten</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>Einträge auf eine Gruppe ziehen:</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>Gruppen und ihre Programme</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>Name einer neuen Gruppe</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>Gruppe löschen</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>&amp;Verschieben nach...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>Der Gruppenname darf höchstens 50 Zeichen lang sein!</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>Bitte einen Gruppennamen eingeben!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>Löschen nicht möglich. Bitte einen zu löschenden Eintrag auswählen!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>Löschen nicht möglich. Bitte eine Gruppe auswählen!</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>Die Gruppe „Standard“ lässt sich nicht löschen!</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>Bitte ein zu verschiebendes Programm auswählen!</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>Es gibt noch keine andere Gruppe: Legen Sie zuerst eine an.</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>Schließen, ohne die Änderungen an den Gruppen zu speichern?</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>Die X11-Anzeige lässt sich nicht öffnen.</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>Fenstertitel</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Fenstertitel</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Laufzeit</translation>
    </message>
</context>
<context>
    <name>CHistoryChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Nothing was used in these days.</source>
        <translation>An diesen Tagen wurde nichts benutzt.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>Verlaufsdiagramm</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>%1 insgesamt.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>%1:00 bis %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Schnappschüsse enthalten nur Tage: die Stunden sind die dieses Computers.</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>Den Verlauf als HTML-Datei speichern</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>P&amp;rozess</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Gruppe</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>&amp;Dieser Computer</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>&amp;Alle Computer</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Tage</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>St&amp;unden</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Letzte 7 Tage</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Letzte 365 Tage</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Zeiträume</translation>
    </message>
</context>
<context>
    <name>CHistoryFrame</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiteres</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>Die Tage werden zusammengezählt …</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Tagesdurchschnitt</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>Der Zeitraum beginnt nach seinem Ende: Wählen Sie ein Von-Datum vor dem Bis-Datum.</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>Ein Zeitraum umfasst höchstens %1 Tage.</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1: %2 insgesamt</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>%1:00 bis %2:00: %3 insgesamt</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>Die Verlaufsdatei %1 lässt sich nicht schreiben:
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>Der Verlauf ist gespeichert.

Jetzt ansehen?</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>Summen des Zeitraums</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Schnappschüsse enthalten nur Tage: die Stunden sind die dieses Computers.</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>das Diagrammbild würde die Seite ersetzen</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>das Diagrammbild lässt sich nicht erstellen</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>Hourglint erreicht den Sitzungsbus nicht, um KWin nach dem aktiven Fenster zu fragen.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint kann seinen Namen auf dem Sitzungsbus nicht belegen: %1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>Hourglint kann sein Objekt auf dem Sitzungsbus nicht anbieten.</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>Dem Programm fehlt das KWin-Skript.</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>Hourglint kann sein KWin-Skript nicht nach %1 schreiben.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>KWin hat das Skript von Hourglint nicht geladen: %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>KWin hat das Skript von Hourglint nicht geladen.</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>Live-Graph</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Live-Graph von Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>&amp;Live-Graph</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>Live-Graph zeigen</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Bericht</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>Auswerten und berichten</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>Wohin die Tage gingen: Tage und Stunden</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>Konfiguration und Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Über Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>Laufende Programme</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
</context>
<context>
    <name>CMergedReport</name>
    <message>
        <source>, </source>
        <extracomment>Between the files left out</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A file left out and why</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Left out: %1</source>
        <translation>Ausgelassen: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>Die Datenbank dieses Computers ließ sich nicht lesen: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>Die Datenbank dieses Computers ließ sich nicht lesen: %1. %2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>In den Optionen ist kein Freigabeordner eingestellt: nur dieser Computer.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>S&amp;peichern</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>Den Bericht als HTML-Datei speichern</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>&amp;Gruppen</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>Gruppen und Programme verwalten</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>Die Tage um diesen herum und seine Stunden</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Zeigen:</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Dieser Computer</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>Alle Computer</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>Vorheriger Tag (Alt+Links)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Vorheriger Tag</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>Nächster Tag (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Nächster Tag</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>Protokollbericht</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>Der Bericht wird berechnet …</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Die Berichtsdatei %1 lässt sich nicht schreiben:
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>Der Bericht ist erstellt.

Jetzt ansehen?</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>Top 5 Prozesse</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>Top 5 Gruppen</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Hourglint-Berichtsdateien (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Die Berichtsdatei %1 lässt sich nicht schreiben:
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>Die Arbeit ließ sich nicht abschließen: %1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>Meinen Verlauf über den Ordner mit meinen anderen Computern teilen</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>(nicht geteilt)</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>Freigabeordner</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>Name dieses Computers dort:</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>Der Freigabeordner %1 existiert nicht.</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>Hourglint kann seinen Verlauf nicht mit Ihren anderen Computern teilen: Seine Datenbank verwendet auf diesem Dateisystem kein Write-Ahead-Logging, daher lässt sich während des Betriebs keine stimmige Kopie anlegen.
Bis zum nächsten Start werden keine Schnappschüsse geschrieben.</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>Der Verlauf lässt sich nicht über den Ordner %1 mit Ihren anderen Computern teilen:
%2
Hourglint versucht es in einer Stunde erneut.</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>Programm anzeigen/ausblenden</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>Beri&amp;cht</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>%1 &amp;ausblenden</translation>
    </message>
    <message>
        <source>&amp;Show %1</source>
        <translation>%1 &amp;anzeigen</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Die Sperrdatei %1 lässt sich nicht anlegen.</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>Hourglint läuft bereits (Prozess %1, Sperrdatei %2), antwortet aber nicht. Beenden Sie diesen Prozess und starten Sie Hourglint erneut.</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>die Datenbank ist nicht im Write-Ahead-Log-Modus</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>%1 lässt sich nicht umbenennen: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>CStaticBarVView</name>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>No report is shown yet.</source>
        <translation>Noch wird kein Bericht gezeigt.</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>Keine Zeilen zu zeichnen.</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>Balken für %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>Hourglint erreicht den IPC-Socket von sway nicht (%1): %2.</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>Der IPC-Socket von sway (%1) hat nicht geantwortet.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint hat die Verbindung zu sway (%1) verloren. Bis sway wieder antwortet, gehen die Sekunden an das Programm, das zuletzt vorne war; Hourglint verbindet sich von selbst neu.</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>Beim Speichern konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>Die Daten ließen sich nicht in der Datenbank speichern!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>Beim Laden konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>Die Daten ließen sich nicht aus der Datenbank laden!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>Beim Laden der Gruppen konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>Beim Hinzufügen einer Gruppe konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>Die Gruppe ließ sich nicht zur Datenbank hinzufügen!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>Beim Löschen einer Gruppe konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>Die Gruppe ließ sich nicht löschen!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>Beim Ändern eines Eintrags konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>Der Eintrag ließ sich nicht ändern!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>Beim Bericht über die Prozesse konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>Der Bericht über die Prozesse ist fehlgeschlagen!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>Beim Bericht über die Gruppen konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>Der Bericht über die Gruppen ist fehlgeschlagen!
Fehlerinformation: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>Beim Verlauf konnte keine Verbindung zur Datenbank hergestellt werden!
Fehlerinformation:%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>Der Verlauf ist fehlgeschlagen!
Fehlerinformation: %1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>Hourglint kann sich nicht mit dem Wayland-Compositor verbinden.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Der Wayland-Compositor hat die Verbindung geschlossen.</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>Der Wayland-Compositor bietet keinen Seat an.</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>Der Wayland-Compositor bietet keine Leerlaufmeldung an (ext_idle_notifier_v1 oder org_kde_kwin_idle).</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Der Wayland-Compositor hat die Verbindung geschlossen.</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>Der Wayland-Compositor bietet zwlr_foreign_toplevel_manager_v1 nicht an.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Der Wayland-Compositor hat die Verbindung geschlossen.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint hat die Verbindung zum Wayland-Compositor verloren. Bis er wieder antwortet, gehen die Sekunden an das Programm, das zuletzt vorne war; Hourglint verbindet sich von selbst neu.</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>Hourglint braucht eine X11-Sitzung, um das Programm im Vordergrund zu verfolgen, aber dies ist eine Wayland-Sitzung ohne X11-Anzeige (DISPLAY ist nicht gesetzt). Melden Sie sich in einer X11-Sitzung an oder aktivieren Sie XWayland und starten Sie Hourglint erneut.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>Hourglint braucht eine X11-Sitzung, um das Programm im Vordergrund zu verfolgen, aber keine X11-Anzeige ist verfügbar (DISPLAY ist nicht gesetzt). Melden Sie sich in einer X11-Sitzung an und starten Sie Hourglint erneut.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>Hourglint braucht eine X11-Sitzung, um das Programm im Vordergrund zu verfolgen, aber die X11-Anzeige „%1“ ließ sich nicht öffnen. Prüfen Sie, ob der X-Server läuft und dieser Benutzer sich mit ihm verbinden darf.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>Hourglint braucht eine X11-Sitzung, um das Programm im Vordergrund zu verfolgen, aber die X11-Anzeige hat keinen Bildschirm %1.</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>keine Datenbank unter %1</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>die Datenbank %1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>die Ausgabe %1 ist die Datenbank</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>die Ausgabe %1 ist eine Verknüpfung, die einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>der Bericht lässt sich nicht auf die Standardausgabe schreiben</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>in den Optionen ist kein Freigabeordner eingestellt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>ausgelassen: %1: %2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 wurde als unveränderliche Datei gelesen: in ihren Ordner kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>Tage: %D, %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 Nur ein gesperrter Bildschirm hält die Zählung an.</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11 (_NET_ACTIVE_WINDOW der Fensterverwaltung)</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway (sein i3-IPC-Socket)</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma (ein KWin-Skript)</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell (die Erweiterung von Hourglint)</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>wlroots-Compositoren (foreign-toplevel: labwc, wayfire, river ...)</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>Keine Anzeige: DISPLAY ist nicht gesetzt.</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND nennt kein Vordergrund-Backend (%1); bekannt: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>Hourglint kann in dieser Wayland-Sitzung nicht erkennen, welches Programm vorne ist: ihren Compositor (%1) kann Hourglint nicht fragen. Es weicht nicht auf Xwayland aus, das nur einen Teil der Fenster sähe.
Unterstützt: %2.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>%1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>Verlauf von Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Gespeichert am: %1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>Von: %1 Bis: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Diagramm: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list of computer names.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Computers: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Tagesdurchschnitt</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Anteil</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Erstellt mit</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
</context>
<context>
    <name>HistoryTitles</name>
    <message>
        <source>Time per day from %1 to %2</source>
        <translation>Zeit pro Tag von %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>Ein Durchschnittstag von %1 bis %2: die Zeit jeder Stunde geteilt durch %n Tag</numerusform>
            <numerusform>Ein Durchschnittstag von %1 bis %2: die Zeit jeder Stunde geteilt durch %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>Zeit pro Stunde am %1</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Protokollbericht von Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Gespeichert am: %1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>„Heute“: %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Art: %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>SUMME</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Erstellt mit</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte eine ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>unvollständig, wird sie noch kopiert?</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>beschädigt</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>ein anderes Schema</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>zu langsam zu lesen</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>in der Zukunft geschrieben</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>derselbe Computer zweimal</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>dieselben Tagessummen wie eine andere Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n Tag mit unplausiblen Werten</numerusform>
            <numerusform>%n Tage mit unplausiblen Werten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>ihre Stunden ließen sich nicht lesen</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Dem Betriebssystem fehlt es
an Speicher oder Ressourcen.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Die angegebene Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Der angegebene Pfad wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Das Betriebssystem hat den Zugriff
auf die angegebene Datei verweigert.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Für den Vorgang war nicht genügend Speicher vorhanden.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Die .EXE-Datei ist ungültig
(keine Win32-.EXE oder Fehler im .EXE-Abbild).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Eine Freigabeverletzung ist aufgetreten. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Die Dateizuordnung ist
unvollständig oder ungültig.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da die Anforderung zu lange dauerte.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Die DDE-Transaktion ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Die DDE-Transaktion konnte nicht
abgeschlossen werden, da andere DDE-Transaktionen
verarbeitet wurden.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Der angegebenen Dateiendung ist
keine Anwendung zugeordnet.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Die angegebene DLL wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ein unbekannter Fehler (%1) ist aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Der Link lässt sich nicht öffnen:

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>es ist eine Verknüpfung, die einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>es ist die verwendete Datenbank</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1: es ist eine Verknüpfung, die einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>es ist keine Pipe und kein Gerät mehr</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>Der Ordner %1 lässt sich nicht verwenden: %2.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>%1 lässt sich nicht verwenden: es ist kein Ordner.</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>Der Ordner %1 lässt sich nicht verwenden: er gehört Benutzer %2, nicht Ihnen (Benutzer %3).</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>Der Ordner %1 lässt sich nicht verwenden: seine Rechte sind %2, aber nur Sie dürfen Zugriff haben (0700).</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen: %2.</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>Wochenmittel</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>Monatsmittel</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>Jahresmittel</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>In dieser Sitzung: %1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>In dieser Sitzung wird das Programm im Vordergrund gelesen aus: %1.
Unterstützt: %2.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>die in %1-wal wartenden Änderungen lassen sich aus einem Ordner, in den Sie nicht schreiben dürfen, nicht lesen (%2)</translation>
    </message>
</context>
</TS>
