<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>Работа на собственной платформе Wayland, так как Xwayland недоступен: окно не может оставаться поверх других и задавать своё положение.</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>О программе Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Значок Hourglint</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Поддержка:</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>Продажи:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Домашняя страница:</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint версии %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>Свободное ПО под лицензией GNU GPL версии 3 или новее; без каких-либо гарантий.</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>Передний план определяется через: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>База данных: %1</translation>
    </message>
</context>
<context>
    <name>CAlarmNotifier</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Hourglint alarm</source>
        <translation>Оповещение Hourglint</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>Сегодня %1 используется уже %2.</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Время работы</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Время оповещения</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>Alt+Вниз или F4 открывает календарь.</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>параметр «%1» не принимает значения</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>параметру «%1» нужно значение</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>неверная дата «%1»: ожидается ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>неизвестное значение «%1» для --by: ожидается day или hour</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>неизвестный формат «%1»: ожидается csv, json или html</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>параметру «%1» нужно имя файла</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>неизвестный параметр «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report и --history нельзя указывать вместе</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>параметр «%1» требует --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>параметр «%1» относится к --report; для истории служат --from и --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>для формата html нужен --output ФАЙЛ</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>параметр «%1» требует --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>период начинается после своего конца: --from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>история охватывает не более %1 дней, а не %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>показать эту справку и выйти</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>показать версию и выйти</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>записать отчёт за один день и выйти, без окна:</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>день (по умолчанию: сегодня)</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>записать период из нескольких дней и выйти, без окна:</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>первый день (по умолчанию: за шесть дней до --to)</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>последний день (по умолчанию: сегодня); всего не более
%1 дней</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>по столбцу на день (по умолчанию) или 24 столбца:
секунды каждого часа суток, просуммированные за период</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  для обоих:</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>по строке на группу, а не на программу</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv (по умолчанию) или json в стандартный вывод, либо
html в --output с изображением диаграммы рядом
(ФАЙЛ с расширением, заменённым на .jpg)</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>записать в ФАЙЛ вместо стандартного вывода</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>база данных для чтения (по умолчанию: HG.mdb рядом
с программой или в ~/.local/share/Hourglint/Hourglint/);
указанный повторно — снимки других компьютеров
(*.hgshare), которые нужно прибавить</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>прибавить снимки из общей папки, заданной в Параметрах</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>Использование: hourglint [--report [ПАРАМЕТР]...]
               hourglint [--history [ПАРАМЕТР]...]
Измеряет, как долго каждая программа находится на переднем плане. Без
параметров открывает своё окно; для него нужен сеанс X11 или сеанс Wayland
GNOME Shell, KDE Plasma, sway или композитора на wlroots (labwc, wayfire,
river...).</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>Отчёт показывает день, предыдущий день и средний день за последние 7, 30 и 365
дней, в секундах. История показывает каждую программу, у которой есть хотя бы
секунда за период, её итог и её секунды по дням или часам. Оба только читают
базу данных, поэтому их можно запускать, пока Hourglint ведёт учёт.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>Код возврата: 0 при успехе, 1, если нельзя использовать базу данных или вывод,
2 при неверном использовании.</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>Использование: hourglint [--help] [--version] [--report [--date ГГГГ-ММ-ДД] | --history [--from ГГГГ-ММ-ДД] [--to ГГГГ-ММ-ДД] [--by day|hour]] [--group] [--format csv|json|html] [--output ФАЙЛ] [--database ФАЙЛ]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>Лицензия GPLv3+: GNU GPL версии 3 или новее &lt;https://gnu.org/licenses/gpl.html&gt;.
Это свободное ПО: вы можете изменять и распространять его. Гарантии НЕТ.</translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--date ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--from ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--to ГГГГ-ММ-ДД</translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation>--format ФОРМАТ</translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--output ФАЙЛ</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database ФАЙЛ</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>Автоматически запускать Hourglint при входе в Windows</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>Автоматически запускать Hourglint при входе в систему</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Автоматически сворачивать в системный лоток при запуске Hourglint</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Загружать данные текущего дня из базы данных при запуске Hourglint</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>Показывать уведомление на рабочем столе при каждом оповещении</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>База данных</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>Автоматически сохранять данные в базу данных каждые</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>Значение альфа-канала, задающее непрозрачность окна</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>прозрачное</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>непрозрачное</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Оповещение</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>Оповещать каждый раз, когда программа проработает ещё</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минут</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Отсутствие</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>Несколько компьютеров</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>Интервал сохранения в базу данных, в секундах</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>От %1 до %2 секунд.</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>Время работы между оповещениями, в минутах</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>От %1 до %2 минут.</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>Время без ввода с клавиатуры или мыши, в минутах</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>От %1 до %2 минут; по их истечении учёт останавливается, если отмечен флажок перед полем.</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>Непрозрачность окна</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>От %1 (почти прозрачное) до %2 (непрозрачное).</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>Останавливать учёт после</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>минут без ввода с клавиатуры или мыши</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>Невозможно вести учёт в базе данных %1: не удаётся открыть её файл блокировки %2 (%3).</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>Другой экземпляр Hourglint (процесс %1) уже ведёт учёт в базе данных %2. Одну базу данных ведёт только один счётчик, поэтому этот экземпляр завершается.</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>Другой экземпляр Hourglint уже ведёт учёт в базе данных %1. Одну базу данных ведёт только один счётчик, поэтому этот экземпляр завершается.</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>Невозможно заблокировать базу данных %1 (%2: %3).</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>нет базы данных по пути %1</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>дни в %1 ещё не просуммированы: %2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>Дата и время работы</translation>
    </message>
    <message>
        <source>%1, %2 hours %3 minutes %4 seconds</source>
        <translation>%1, часов: %2, минут: %3, секунд: %4</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>CDragDropTreeCtrl</name>
    <message>
        <source>Please drop on a group!</source>
        <translation>Перетащите элемент на группу!</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>Hourglint не может подключиться к сеансовой шине, чтобы спросить у GNOME Shell активное окно.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint не может занять своё имя на сеансовой шине: %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 занято %2, а не GNOME Shell; его ответам нет доверия, и пока это имя занято им, ничего не учитывается.</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>В GNOME Hourglint узнаёт, какое окно на переднем плане, от своего небольшого расширения GNOME Shell (%1). Оно сообщает Hourglint только идентификатор процесса, класс WM и заголовок окна в фокусе и больше ничего не читает. Расширение не включено, поэтому пока Hourglint ничего не учитывает; программа продолжает работать и начнёт учёт, как только расширение ответит.

Чтобы включить его, выполните
    gnome-extensions enable %1
или включите «Hourglint focused window» в приложении «Расширения». GNOME в Wayland загружает только что установленное расширение лишь после следующего входа в систему.</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>Включить сейчас?</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>Ни одна установленная копия не подходит для GNOME Shell %1. Установить подходящую в %2 и включить её?</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>Hourglint не удалось установить своё расширение GNOME Shell: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>GNOME Shell не включил расширение Hourglint сейчас. Выйдите из системы и войдите снова, затем включите его командой: gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>Живой график</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>Нет допустимых данных (pInputData)</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>На переднем плане ничего нет.</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 на переднем плане.</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Дорожка</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>Показано секунд</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>Последний раз на переднем плане</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>Нет на графике</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>%1 с назад</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>Изменение групп</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>Перетащите элементы на группу:</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>Группы и их программы</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Группы</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>Имя новой группы</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Добавить группу</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>Удалить выбранную группу</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>&amp;Переместить в группу...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>Имя группы не должно быть длиннее 50 символов!</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>Введите имя группы!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>Невозможно удалить. Выберите элемент для удаления!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>Невозможно удалить. Выберите группу!</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>Группу по умолчанию удалить нельзя!</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>Выберите программу для перемещения!</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>Других групп пока нет: сначала добавьте группу.</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>Закрыть, не сохраняя изменения в группах?</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>Невозможно открыть дисплей X11.</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>Заголовок окна</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Заголовок окна</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Время работы</translation>
    </message>
</context>
<context>
    <name>CHistoryChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>Nothing was used in these days.</source>
        <translation>В эти дни ничего не использовалось.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Прочее</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>Диаграмма истории</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>Всего %1.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>С %1:00 до %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Снимки содержат только дни: часы взяты с этого компьютера.</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>Сохранить историю в файл HTML</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Процесс</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Группа</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>&amp;Этот компьютер</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>&amp;Все компьютеры</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>Д&amp;ни</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>&amp;Часы</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>Пе&amp;риод:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Последние 7 дней</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Последние 30 дней</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Последние 90 дней</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Последние 365 дней</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Эта неделя</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Этот месяц</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Даты</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;От:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;До:</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Периоды</translation>
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
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>Суммирование дней…</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>В среднем за день</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Доля</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>Период начинается после своего конца: выберите дату «От» раньше даты «До».</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>Период охватывает не более %1 дней.</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1: всего %2</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>С %1:00 до %2:00: всего %3</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>Невозможно записать файл истории %1:
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>История сохранена.

Посмотреть её сейчас?</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>Итоги за период</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Снимки содержат только дни: часы взяты с этого компьютера.</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>изображение диаграммы заменило бы страницу</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>невозможно создать изображение диаграммы</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>Hourglint не может подключиться к сеансовой шине, чтобы спросить у KWin активное окно.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint не может занять своё имя на сеансовой шине: %1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>Hourglint не может предоставить свой объект на сеансовой шине.</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>В программе отсутствует сценарий KWin.</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>Hourglint не может записать свой сценарий KWin в %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>KWin не загрузил сценарий Hourglint: %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>KWin не загрузил сценарий Hourglint.</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>Живой график</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Живой график Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>&amp;Живой график</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>Показать живой график</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Отчёт</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>Анализ и отчёт</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;История</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>Куда ушли дни: дни и часы</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>Настройка и параметры</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>О программе Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>Запущенные программы</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Оповещения</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>Выйти из программы?</translation>
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
        <translation>Пропущены: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>Не удалось прочитать базу данных этого компьютера: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>Не удалось прочитать базу данных этого компьютера: %1. %2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>В Параметрах не задана общая папка: только этот компьютер.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>Сохранить отчёт в файл HTML</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>&amp;Группы</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>Управление группами и программами</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;История</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>Соседние дни и часы этого дня</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Этот компьютер</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>Все компьютеры</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>Предыдущий день (Alt+Влево)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Предыдущий день</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>Следующий день (Alt+Вправо)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Следующий день</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Обновить</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>Составление отчёта…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Невозможно записать файл отчёта %1:
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>Отчёт успешно создан!

Посмотреть его сейчас?</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>Топ-5 процессов</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>Топ-5 групп</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Файлы отчётов Hourglint (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Невозможно записать файл отчёта %1:
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>Не удалось завершить работу: %1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>Делиться моей историей с другими моими компьютерами через папку</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>(без общего доступа)</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>Общая папка</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>Имя этого компьютера в ней:</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>Общая папка %1 не существует.</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>Hourglint не может делиться историей с другими вашими компьютерами: его база данных не использует журнал упреждающей записи на этой файловой системе, поэтому во время работы невозможно сделать согласованную копию.
Снимки не будут записываться до следующего запуска.</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>Невозможно делиться историей с другими вашими компьютерами через папку %1:
%2
Hourglint повторит попытку через час.</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>Показать/скрыть программу</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Отчёт</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;История</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>Пара&amp;метры</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О про&amp;грамме</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>&amp;Скрыть %1</translation>
    </message>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Показать %1</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Невозможно создать файл блокировки %1.</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>Hourglint уже запущен (процесс %1, файл блокировки %2), но не отвечает. Завершите этот процесс и запустите Hourglint снова.</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>папка %1 не существует</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>невозможно записать в папку %1: %2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>база данных не в режиме журнала упреждающей записи (WAL)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>невозможно создать %1: %2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>невозможно переименовать %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>невозможно записать %1: %2</translation>
    </message>
</context>
<context>
    <name>CStaticBarVView</name>
    <message>
        <source>Chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>No report is shown yet.</source>
        <translation>Отчёт пока не показан.</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>Нет строк для отображения.</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>Столбцы для: %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>Hourglint не может подключиться к сокету IPC sway (%1): %2.</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>Сокет IPC sway (%1) не ответил.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint потерял соединение со sway (%1). Пока sway снова не ответит, секунды засчитываются программе, которая последней была на переднем плане; Hourglint переподключится сам.</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при сохранении!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>Не удалось сохранить данные в базу данных!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при загрузке!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>Не удалось загрузить данные из базы данных!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при загрузке групп!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при добавлении группы!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>Не удалось добавить группу в базу данных!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при удалении группы!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>Не удалось удалить группу!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при обновлении элемента!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>Не удалось обновить элемент!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при отчёте по процессам!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>Не удалось составить отчёт по процессам!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при отчёте по группам!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>Не удалось составить отчёт по группам!
Сведения об ошибке: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>Не удалось подключиться к базе данных при составлении истории!
Сведения об ошибке:%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>Не удалось составить историю!
Сведения об ошибке: %1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>Hourglint не может подключиться к композитору Wayland.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Композитор Wayland закрыл соединение.</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>Композитор Wayland не предоставляет рабочее место (seat).</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>Композитор Wayland не предоставляет уведомлений о бездействии (ext_idle_notifier_v1 или org_kde_kwin_idle).</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Композитор Wayland закрыл соединение.</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>Композитор Wayland не предоставляет zwlr_foreign_toplevel_manager_v1.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Композитор Wayland закрыл соединение.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint потерял соединение с композитором Wayland. Пока он снова не ответит, секунды засчитываются программе, которая последней была на переднем плане; Hourglint переподключится сам.</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>Hourglint нужен сеанс X11, чтобы следить за программой на переднем плане, но это сеанс Wayland без дисплея X11 (DISPLAY не задана). Войдите в сеанс X11 или включите XWayland и запустите Hourglint снова.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>Hourglint нужен сеанс X11, чтобы следить за программой на переднем плане, но дисплей X11 недоступен (DISPLAY не задана). Войдите в сеанс X11 и запустите Hourglint снова.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>Hourglint нужен сеанс X11, чтобы следить за программой на переднем плане, но дисплей X11 «%1» не удалось открыть. Проверьте, что X-сервер запущен и этому пользователю разрешено к нему подключаться.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>Hourglint нужен сеанс X11, чтобы следить за программой на переднем плане, но у дисплея X11 нет экрана %1.</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>невозможно записать %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>невозможно прочитать %1: %2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>нет базы данных по пути %1</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>база данных %1 не является обычным файлом</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>вывод %1 — это база данных</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>вывод %1 — ссылка, принадлежащая другому пользователю</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>невозможно записать отчёт в стандартный вывод</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>в Параметрах не задана общая папка</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>пропущен %1: %2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 прочитан как неизменяемый файл: в его папку нельзя записывать</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>дней: %D, %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 Учёт приостанавливается только при заблокированном экране.</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11 (_NET_ACTIVE_WINDOW оконного менеджера)</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway (его сокет IPC i3)</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma (сценарий KWin)</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell (расширение Hourglint)</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>композиторы на wlroots (foreign-toplevel: labwc, wayfire, river...)</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>Нет дисплея: DISPLAY не задана.</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND не называет ни одного модуля переднего плана (%1); известны: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>Hourglint не может определить, какая программа на переднем плане в этом сеансе Wayland: его композитор (%1) не из тех, кого Hourglint умеет спрашивать. Переходить на Xwayland программа не будет: тот увидел бы лишь часть окон.
Поддерживаются: %2.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>невозможно создать %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>невозможно записать %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>История Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Дата сохранения: %1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>От: %1 До: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Тип: %1</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Диаграмма: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list of computer names.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Computers: %1</source>
        <translation>Компьютеры: %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>В среднем за день</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Доля</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Создано с помощью</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>TOTAL</source>
        <translation>ИТОГО</translation>
    </message>
</context>
<context>
    <name>HistoryTitles</name>
    <message>
        <source>Time per day from %1 to %2</source>
        <translation>Время по дням с %1 по %2</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>Средний день с %1 по %2: время каждого часа, делённое на %n день</numerusform>
            <numerusform>Средний день с %1 по %2: время каждого часа, делённое на %n дня</numerusform>
            <numerusform>Средний день с %1 по %2: время каждого часа, делённое на %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>Время по часам за %1</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Отчёт Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Дата сохранения: %1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>«Сегодня»: %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Тип: %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>ИТОГО</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Создано с помощью</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>не является обычным файлом</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>не удаётся открыть</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>слишком большой</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>неполный — ещё копируется?</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>повреждён</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>другая схема</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>читается слишком медленно</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>записан в будущем</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>один и тот же компьютер дважды</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>те же суммы по дням, что и в другом файле</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n день с неправдоподобными значениями</numerusform>
            <numerusform>%n дня с неправдоподобными значениями</numerusform>
            <numerusform>%n дней с неправдоподобными значениями</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>не удалось прочитать её часы</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Операционной системе не хватает
памяти или ресурсов.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Указанный файл не найден.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Указанный путь не найден.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Операционная система запретила
доступ к указанному файлу.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Недостаточно памяти для завершения операции.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Недопустимый файл .EXE
(не Win32 .EXE или ошибка в образе .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Произошло нарушение совместного доступа. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>Сопоставление для имени файла
неполное или недопустимое.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как истекло время ожидания запроса.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>Сбой транзакции DDE.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Не удалось завершить транзакцию DDE,
так как выполнялись другие
транзакции DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Нет приложения, сопоставленного
с данным расширением имени файла.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>Указанная библиотека DLL не найдена.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Произошла неизвестная ошибка (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Не удалось открыть ссылку:

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>это ссылка, принадлежащая другому пользователю</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>это используемая база данных</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1: это ссылка, принадлежащая другому пользователю</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>это больше не канал и не устройство</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>Невозможно использовать папку %1: %2.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Невозможно использовать %1: это не папка.</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>Невозможно использовать папку %1: она принадлежит пользователю %2, а не вам (пользователь %3).</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>Невозможно использовать папку %1: её права %2, а доступ к ней должен быть только у вас (0700).</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>Невозможно создать папку %1: %2.</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Процесс</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>Среднее за неделю</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>Среднее за месяц</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>Среднее за год</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>В этом сеансе: %1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>В этом сеансе программа на переднем плане определяется через %1.
Поддерживаются: %2.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>изменения, ожидающие в %1-wal, нельзя прочитать из папки, в которую вы не можете записывать (%2)</translation>
    </message>
</context>
</TS>
