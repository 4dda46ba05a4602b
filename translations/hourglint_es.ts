<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>Se ejecuta en la plataforma propia de Wayland, ya que no se pudo acceder a Xwayland: no es posible mantener la ventana encima de las demás ni colocarla.</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Acerca de Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Icono de Hourglint</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>Ventas:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Página web:</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint versión %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>Software libre bajo la GNU GPL, versión 3 o posterior; sin ninguna garantía.</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>Primer plano leído de: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de datos: %1</translation>
    </message>
</context>
<context>
    <name>CAlarmNotifier</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n hora</numerusform>
            <numerusform>%n horas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Hourglint alarm</source>
        <translation>Alarma de Hourglint</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>%1 lleva hoy %2 en uso.</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tiempo de uso</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora de alarma</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>Alt+Abajo o F4 abre el calendario.</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>la opción «%1» no admite ningún valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>la opción «%1» necesita un valor</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>fecha mal formada «%1»: se esperaba AAAA-MM-DD</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>valor desconocido «%1» de --by: se esperaba day o hour</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>formato desconocido «%1»: se esperaba csv, json o html</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>la opción «%1» necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report y --history no pueden usarse juntas</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>la opción «%1» necesita --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>la opción «%1» va con --report; un historial usa --from y --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>el formato html necesita --output ARCHIVO</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>la opción «%1» necesita --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>el intervalo empieza después de terminar: --from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>un historial abarca como máximo %1 días, no %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>escribir el informe de un día y salir, sin ventana:</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>el día (por defecto: hoy)</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>escribir un intervalo de días y salir, sin ventana:</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>el primer día (por defecto: seis días antes de --to)</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>el último día (por defecto: hoy); como máximo %1 días
en total</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>una columna por día (por defecto), o 24 columnas: los
segundos de cada hora del día sumados en el intervalo</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  para ambos:</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>una fila por grupo en lugar de una por programa</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv (por defecto) o json, escrito en la salida estándar,
o html, escrito en --output con la imagen del gráfico al
lado (ARCHIVO con su extensión cambiada por .jpg)</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>escribir en ARCHIVO en lugar de la salida estándar</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>la base de datos que leer (por defecto: HG.mdb junto
al programa, o en ~/.local/share/Hourglint/Hourglint/);
repetida, instantáneas de otros equipos (*.hgshare)
que sumar</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>sumar las instantáneas de la carpeta compartida
indicada en las Opciones</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>Uso: hourglint [--report [OPCIÓN]...]
     hourglint [--history [OPCIÓN]...]
Mide cuánto tiempo está cada programa en primer plano. Sin opciones abre su
ventana, que necesita una sesión X11 o una sesión Wayland de GNOME Shell,
KDE Plasma, sway o un compositor wlroots (labwc, wayfire, river...).</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>Un informe muestra el día, el día anterior y el día medio de los últimos 7, 30
y 365 días, en segundos. Un historial muestra cada programa con algún segundo
en el intervalo, su total y sus segundos por día o por hora. Ambos solo leen
la base de datos, así que pueden ejecutarse mientras Hourglint mide.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>Estado de salida: 0 si todo va bien, 1 si no se puede usar la base de datos o
la salida, 2 si el uso es incorrecto.</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>Uso: hourglint [--help] [--version] [--report [--date AAAA-MM-DD] | --history [--from AAAA-MM-DD] [--to AAAA-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output ARCHIVO] [--database ARCHIVO]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>Licencia GPLv3+: GNU GPL versión 3 o posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Esto es software libre: puede modificarlo y redistribuirlo. NO hay NINGUNA GARANTÍA.</translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--date AAAA-MM-DD</translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--from AAAA-MM-DD</translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--to AAAA-MM-DD</translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation>--format FORMATO</translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--output ARCHIVO</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database ARCHIVO</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>Ejecutar Hourglint automáticamente al iniciar sesión en Windows</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>Ejecutar Hourglint automáticamente al iniciar sesión</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Minimizar automáticamente a la bandeja del sistema al iniciar Hourglint</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Cargar de la base de datos los datos del mismo día al iniciar Hourglint</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>Mostrar una notificación de escritorio por cada alarma</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>Guardar automáticamente los datos en la base de datos cada</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>Valor alfa que define la opacidad de la ventana</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparente</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>opaca</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarma</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>Dar la alarma cada vez que el tiempo de uso de un programa sume</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausencia</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>Varios equipos</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>Segundos entre guardados en la base de datos</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>De %1 a %2 segundos.</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>Minutos de tiempo de uso entre alarmas</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>De %1 a %2 minutos.</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>Minutos sin actividad del teclado ni del ratón</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>De %1 a %2 minutos; el recuento se detiene tras ellos si la casilla anterior está marcada.</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>Opacidad de la ventana</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>De %1, casi transparente, a %2, opaca.</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>Dejar de contar tras</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>minutos sin actividad del teclado ni del ratón</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>No se puede contar en la base de datos %1: no se puede abrir su archivo de bloqueo %2 (%3).</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>Otra instancia de Hourglint (proceso %1) ya está contando en la base de datos %2. Una base de datos admite un solo contador, así que esta instancia termina.</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>Otra instancia de Hourglint ya está contando en la base de datos %1. Una base de datos admite un solo contador, así que esta instancia termina.</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>No se puede bloquear la base de datos %1 (%2: %3).</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>no hay ninguna base de datos en %1</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>los días de %1 aún no están sumados: %2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>Fecha y tiempo de uso</translation>
    </message>
    <message>
        <source>%1, %2 hours %3 minutes %4 seconds</source>
        <translation>%1, %2 horas %3 minutos %4 segundos</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>CDragDropTreeCtrl</name>
    <message>
        <source>Please drop on a group!</source>
        <translation>¡Suéltelo sobre un grupo!</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>Hourglint no puede acceder al bus de sesión para preguntar a GNOME Shell por la ventana activa.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint no puede tomar su nombre en el bus de sesión: %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 lo tiene %2, no GNOME Shell; no se da crédito a sus respuestas y no se cuenta nada mientras tenga el nombre.</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>En GNOME, Hourglint sabe qué ventana está en primer plano gracias a su propia pequeña extensión de GNOME Shell (%1). Solo comunica a Hourglint el identificador de proceso, la clase WM y el título de la ventana con el foco, y no lee nada más. No está activada, así que por ahora Hourglint no cuenta nada; sigue en marcha y empieza a contar en cuanto la extensión responda.

Para activarla, ejecute
    gnome-extensions enable %1
o active «Hourglint focused window» en la aplicación Extensiones. GNOME en Wayland solo carga una extensión recién instalada tras el siguiente inicio de sesión.</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>¿Activarla ahora?</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>Ninguna copia instalada sirve para GNOME Shell %1. ¿Instalar la adecuada en %2 y activarla?</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>Hourglint no pudo instalar su extensión de GNOME Shell: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>GNOME Shell no ha activado ahora la extensión de Hourglint. Cierre la sesión y vuelva a entrar; luego actívela con: gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>Gráfico en vivo</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>pInputData no válido</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>Ningún programa está en primer plano.</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 está en primer plano.</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Carril</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>Segundos mostrados</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>Última vez en primer plano</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>Fuera del gráfico</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>Hace %1 s</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>Editar grupo</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>Arrastre los elementos a un grupo:</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>Grupos y sus programas</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>Nombre de un grupo nuevo</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Añadir grupo nuevo</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>Borrar el grupo seleccionado</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>&amp;Mover al grupo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>¡El nombre del grupo no debe tener más de 50 caracteres!</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>¡Introduzca un nombre de grupo!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>No se puede borrar. ¡Seleccione un elemento que borrar!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>No se puede borrar. ¡Seleccione un grupo!</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>¡No se puede borrar el grupo predeterminado!</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>¡Seleccione un programa que mover!</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>Aún no hay ningún otro grupo: añada uno primero.</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>¿Cerrar sin guardar los cambios en los grupos?</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>No se puede abrir la pantalla X11.</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>Título de la ventana</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Título de la ventana</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tiempo de uso</translation>
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
        <translation>No se usó nada en estos días.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>Gráfico del historial</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>%1 en total.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>De %1:00 a %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Las instantáneas solo contienen días: las horas son las de este equipo.</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>Guardar el historial como archivo HTML</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Proceso</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>G&amp;rupo</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>&amp;Este equipo</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>&amp;Todos los equipos</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Intervalo:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 días</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Últimos 365 días</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Fechas</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>De&amp;sde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>H&amp;asta:</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Intervalos</translation>
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
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>Sumando los días…</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Media diaria</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>El intervalo empieza después de terminar: elija una fecha Desde anterior a la fecha Hasta.</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>Un intervalo abarca como máximo %1 días.</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1: %2 en total</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>De %1:00 a %2:00: %3 en total</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>No se puede escribir el archivo del historial %1:
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>El historial está guardado.

¿Verlo ahora?</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>Totales del intervalo</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Las instantáneas solo contienen días: las horas son las de este equipo.</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>la imagen del gráfico sustituiría a la página</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>no se puede crear la imagen del gráfico</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>Hourglint no puede acceder al bus de sesión para preguntar a KWin por la ventana activa.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint no puede tomar su nombre en el bus de sesión: %1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>Hourglint no puede ofrecer su objeto en el bus de sesión.</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>Al programa le falta el script de KWin.</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>Hourglint no puede escribir su script de KWin en %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>KWin no cargó el script de Hourglint: %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>KWin no cargó el script de Hourglint.</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>Gráfico en vivo</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Gráfico en vivo de Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>En &amp;vivo</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>Mostrar el gráfico en vivo</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>Analizar y hacer informes</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>En qué se fueron los días: días y horas</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>Configuración y preferencias</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Acerca de Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>Programas en ejecución</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmas</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>¿Desea salir del programa?</translation>
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
        <translation>Omitidos: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>No se pudo leer la base de datos de este equipo: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>No se pudo leer la base de datos de este equipo: %1. %2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>No hay ninguna carpeta compartida indicada en las Opciones: solo este equipo.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>Guardar el informe como archivo HTML</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>G&amp;rupos</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>Gestionar grupos y programas</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>Los días alrededor de este, y sus horas</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este equipo</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>Todos los equipos</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>Día anterior (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Día anterior</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>Día siguiente (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Día siguiente</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>Informe de uso</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>Calculando el informe…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>No se puede escribir el archivo del informe %1:
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>¡Informe generado correctamente!

¿Verlo ahora?</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>Los 5 procesos principales</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>Los 5 grupos principales</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Archivos de informe de Hourglint (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>No se puede escribir el archivo del informe %1:
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>No se pudo terminar el trabajo: %1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>Compartir mi historial con mis otros equipos mediante la carpeta</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>(sin compartir)</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>Carpeta compartida</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>Nombre de este equipo allí:</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>La carpeta compartida %1 no existe.</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>Hourglint no puede compartir su historial con sus otros equipos: su base de datos no usa el registro de escritura anticipada (WAL) en este sistema de archivos, así que no se puede hacer una copia coherente mientras se ejecuta.
No se escribirá ninguna instantánea hasta el próximo inicio.</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>No se puede compartir el historial con sus otros equipos mediante la carpeta %1:
%2
Hourglint lo volverá a intentar dentro de una hora.</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>Mostrar/ocultar el programa</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>Oc&amp;ultar %1</translation>
    </message>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Mostrar %1</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>No se puede crear el archivo de bloqueo %1.</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>Hourglint ya se está ejecutando (proceso %1, archivo de bloqueo %2), pero no responde. Termine ese proceso y vuelva a iniciar Hourglint.</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>la base de datos no está en modo de registro de escritura anticipada (WAL)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>no se puede cambiar el nombre de %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>CStaticBarVView</name>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>No report is shown yet.</source>
        <translation>Aún no se muestra ningún informe.</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>No hay filas que dibujar.</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>Barras de %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>Hourglint no puede acceder al socket IPC de sway (%1): %2.</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>El socket IPC de sway (%1) no respondió.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint perdió la conexión con sway (%1). Hasta que sway vuelva a responder, los segundos van al último programa que estuvo en primer plano; Hourglint se vuelve a conectar por sí mismo.</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al guardar!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>¡No se pudieron guardar los datos en la base de datos!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al cargar!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>¡No se pudieron cargar los datos de la base de datos!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al cargar los grupos!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al añadir un grupo!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>¡No se pudo añadir el grupo a la base de datos!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al borrar un grupo!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>¡No se pudo borrar el grupo!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al actualizar un elemento!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>¡No se pudo actualizar el elemento!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al hacer el informe por proceso!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>¡No se pudo hacer el informe por proceso!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al hacer el informe por grupo!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>¡No se pudo hacer el informe por grupo!
Información del error: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>¡No se pudo conectar con la base de datos al hacer el historial!
Información del error:%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>¡No se pudo hacer el historial!
Información del error: %1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>Hourglint no puede conectarse con el compositor de Wayland.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>El compositor de Wayland cerró la conexión.</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>El compositor de Wayland no ofrece ningún seat.</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>El compositor de Wayland no ofrece ningún aviso de inactividad (ext_idle_notifier_v1 u org_kde_kwin_idle).</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>El compositor de Wayland cerró la conexión.</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>El compositor de Wayland no ofrece zwlr_foreign_toplevel_manager_v1.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>El compositor de Wayland cerró la conexión.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint perdió la conexión con el compositor de Wayland. Hasta que vuelva a responder, los segundos van al último programa que estuvo en primer plano; Hourglint se vuelve a conectar por sí mismo.</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>Hourglint necesita una sesión X11 para seguir el programa en primer plano, pero esta es una sesión Wayland sin pantalla X11 (DISPLAY no está definida). Inicie una sesión X11, o active XWayland, y vuelva a iniciar Hourglint.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>Hourglint necesita una sesión X11 para seguir el programa en primer plano, pero no hay ninguna pantalla X11 disponible (DISPLAY no está definida). Inicie una sesión X11 y vuelva a iniciar Hourglint.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>Hourglint necesita una sesión X11 para seguir el programa en primer plano, pero no se pudo abrir la pantalla X11 «%1». Compruebe que el servidor X está en marcha y que este usuario puede conectarse a él.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>Hourglint necesita una sesión X11 para seguir el programa en primer plano, pero la pantalla X11 no tiene la pantalla %1.</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>no hay ninguna base de datos en %1</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>la base de datos %1 no es un archivo normal</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>la salida %1 es la base de datos</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>la salida %1 es un enlace de otro usuario</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>no se puede escribir el informe en la salida estándar</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>no hay ninguna carpeta compartida indicada en las Opciones</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>omitido %1: %2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 se leyó como un archivo inmutable: no se puede escribir en su carpeta</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>días: %D, %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 Solo una pantalla bloqueada pausa el recuento.</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11 (_NET_ACTIVE_WINDOW del gestor de ventanas)</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway (su socket IPC de i3)</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma (un script de KWin)</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell (la extensión de Hourglint)</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>compositores wlroots (foreign-toplevel: labwc, wayfire, river...)</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>No hay pantalla: DISPLAY no está definida.</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND no nombra ningún motor de primer plano (%1); conocidos: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>Hourglint no puede saber qué programa está en primer plano en esta sesión Wayland: su compositor (%1) no es uno al que Hourglint pueda preguntar. No recurre a Xwayland, que solo vería algunas de las ventanas.
Compatibles: %2.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>Historial de Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Fecha de guardado: %1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>Desde: %1 Hasta: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Gráfico: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list of computer names.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Computers: %1</source>
        <translation>Equipos: %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Media diaria</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Generado con</translation>
    </message>
</context>
<context>
    <name>HistoryText</name>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
</context>
<context>
    <name>HistoryTitles</name>
    <message>
        <source>Time per day from %1 to %2</source>
        <translation>Tiempo por día de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>Un día medio de %1 a %2: el tiempo de cada hora dividido entre %n día</numerusform>
            <numerusform>Un día medio de %1 a %2: el tiempo de cada hora dividido entre %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>Tiempo por hora el %1</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Informe de uso de Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Fecha de guardado: %1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>«Hoy»: %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Tipo: %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Generado con</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Introduzca un número entero.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Introduzca un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>incompleto, ¿aún se está copiando?</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>dañado</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>otro esquema</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>demasiado lento de leer</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>escrito en el futuro</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>el mismo equipo dos veces</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>las mismas sumas por día que otro archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n día con valores inverosímiles</numerusform>
            <numerusform>%n días con valores inverosímiles</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>no se pudieron leer sus horas</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>El sistema operativo se ha quedado
sin memoria o sin recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>No se encontró el archivo especificado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>No se encontró la ruta especificada.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>El sistema operativo denegó
el acceso al archivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>No había memoria suficiente para completar la operación.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>El archivo .EXE no es válido
(no es un .EXE de Win32 o hay un error en la imagen .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Se produjo una infracción de uso compartido. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>La asociación del nombre de archivo
está incompleta o no es válida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transacción DDE no se pudo
completar porque se agotó el tiempo de espera.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transacción DDE falló.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transacción DDE no se pudo
completar porque se estaban procesando
otras transacciones DDE.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>No hay ninguna aplicación asociada
con la extensión de nombre de archivo dada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>No se encontró la biblioteca de vínculos dinámicos especificada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Se produjo un error desconocido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>No se puede abrir el hipervínculo:

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>es un enlace de otro usuario</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>es la base de datos en uso</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1: es un enlace de otro usuario</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>ya no es una tubería ni un dispositivo</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>No se puede usar la carpeta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>No se puede usar %1: no es una carpeta.</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>No se puede usar la carpeta %1: pertenece al usuario %2, no a usted (usuario %3).</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>No se puede usar la carpeta %1: sus permisos son %2, pero solo usted debe tener acceso (0700).</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>No se puede crear la carpeta %1: %2.</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Proceso</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>Media semanal</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>Media mensual</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>Media anual</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>En esta sesión: %1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>En esta sesión el programa en primer plano se lee de %1.
Compatibles: %2.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>los cambios pendientes en %1-wal no se pueden leer desde una carpeta en la que no puede escribir (%2)</translation>
    </message>
</context>
</TS>
