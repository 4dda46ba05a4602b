<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>Fonctionne sur la plateforme Wayland native, car Xwayland est injoignable&#xa0;: la fenêtre ne peut ni rester au-dessus des autres ni être placée.</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>À propos de Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Icône de Hourglint</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance&#xa0;:</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>Ventes&#xa0;:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Page d&apos;accueil&#xa0;:</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint version %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>Logiciel libre sous licence GNU GPL, version 3 ou ultérieure&#xa0;; sans aucune garantie.</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>Premier plan lu depuis&#xa0;: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Base de données&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CAlarmNotifier</name>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n&#xa0;heure</numerusform>
            <numerusform>%n&#xa0;heures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n&#xa0;minute</numerusform>
            <numerusform>%n&#xa0;minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Hourglint alarm</source>
        <translation>Alarme de Hourglint</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>%1 a été utilisé pendant %2 aujourd&apos;hui.</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Heure d&apos;alarme</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>Alt+Bas ou F4 ouvre le calendrier.</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» ne prend pas de valeur</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» attend une valeur</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>date mal formée «&#xa0;%1&#xa0;»&#xa0;: AAAA-MM-JJ attendu</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>valeur inconnue «&#xa0;%1&#xa0;» pour --by&#xa0;: day ou hour attendu</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>format inconnu «&#xa0;%1&#xa0;»&#xa0;: csv, json ou html attendu</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» attend un nom de fichier</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report et --history ne peuvent pas aller ensemble</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» demande --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» va avec --report&#xa0;; un historique prend --from et --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>le format html demande --output FICHIER</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>l&apos;option «&#xa0;%1&#xa0;» demande --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>la période commence après sa fin&#xa0;: --from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>un historique couvre au plus %1&#xa0;jours, pas %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>écrire le rapport d&apos;un jour et quitter, sans fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>le jour (par défaut&#xa0;: aujourd&apos;hui)</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>écrire une période de jours et quitter, sans fenêtre&#xa0;:</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>le premier jour (par défaut&#xa0;: six jours avant --to)</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>le dernier jour (par défaut&#xa0;: aujourd&apos;hui)&#xa0;; au plus
%1&#xa0;jours en tout</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>une colonne par jour (par défaut), ou 24&#xa0;colonnes&#xa0;:
les secondes de chaque heure du jour, additionnées sur
la période</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  pour les deux&#xa0;:</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>une ligne par groupe au lieu d&apos;une par programme</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv (par défaut) ou json, écrit sur la sortie
standard, ou html, écrit dans --output avec l&apos;image du
graphique à côté (FICHIER dont l&apos;extension devient .jpg)</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>écrire dans FICHIER au lieu de la sortie standard</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>la base de données à lire (par défaut&#xa0;: HG.mdb à
côté du programme, ou dans
~/.local/share/Hourglint/Hourglint/)&#xa0;; répétée, des
instantanés d&apos;autres ordinateurs (*.hgshare) à ajouter</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>ajouter les instantanés du dossier partagé choisi dans
les Options</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>Utilisation&#xa0;: hourglint [--report [OPTION]...]
              hourglint [--history [OPTION]...]
Mesure combien de temps chaque programme est au premier plan. Sans option, il
ouvre sa fenêtre, qui demande une session X11 ou une session Wayland de
GNOME Shell, KDE Plasma, sway ou d&apos;un compositeur wlroots (labwc, wayfire,
river...).</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>Un rapport donne le jour, la veille et le jour moyen des 7, 30 et 365 derniers
jours, en secondes. Un historique donne chaque programme ayant au moins une
seconde dans la période, son total et ses secondes par jour ou par heure. Les
deux ne font que lire la base de données&#xa0;: ils peuvent tourner pendant que
Hourglint mesure.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>Code de sortie&#xa0;: 0 en cas de succès, 1 si la base de données ou la sortie ne
peut pas être utilisée, 2 en cas de mauvaise utilisation.</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>Utilisation&#xa0;: hourglint [--help] [--version] [--report [--date AAAA-MM-JJ] | --history [--from AAAA-MM-JJ] [--to AAAA-MM-JJ] [--by day|hour]] [--group] [--format csv|json|html] [--output FICHIER] [--database FICHIER]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>Licence GPLv3+&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer. Il n&apos;y a AUCUNE GARANTIE.</translation>
    </message>
    <message>
        <source>--date YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--date AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--from YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--from AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--to YYYY-MM-DD</source>
        <extracomment>The option stays; YYYY-MM-DD names its value.</extracomment>
        <translation>--to AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--format FORMAT</source>
        <extracomment>The option stays; FORMAT names its value.</extracomment>
        <translation>--format FORMAT</translation>
    </message>
    <message>
        <source>--output FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--output FICHIER</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database FICHIER</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>Lancer automatiquement Hourglint à l&apos;ouverture de session Windows</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>Lancer automatiquement Hourglint à l&apos;ouverture de session</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Réduire automatiquement dans la zone de notification au démarrage de Hourglint</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Charger les données du jour depuis la base de données au démarrage de Hourglint</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>Afficher une notification de bureau pour chaque alarme</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>Enregistrer automatiquement les données dans la base de données toutes les</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>Valeur alpha décrivant l&apos;opacité de la fenêtre</translation>
    </message>
    <message>
        <source>transparent</source>
        <translation>transparent</translation>
    </message>
    <message>
        <source>opaque</source>
        <translation>opaque</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>Alarme chaque fois que la durée d&apos;utilisation d&apos;un programme atteint un multiple de</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Absence</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>Plusieurs ordinateurs</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>Secondes entre deux enregistrements dans la base de données</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>De %1 à %2&#xa0;secondes.</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>Minutes d&apos;utilisation entre deux alarmes</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>De %1 à %2&#xa0;minutes.</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>Minutes sans saisie au clavier ni à la souris</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>De %1 à %2&#xa0;minutes&#xa0;; le comptage s&apos;arrête au bout de ce temps si la case précédente est cochée.</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>Opacité de la fenêtre</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>De %1, presque transparent, à %2, opaque.</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>Arrêter de compter après</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>minutes sans saisie au clavier ni à la souris</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>Impossible de compter dans la base de données %1&#xa0;: son fichier de verrou %2 ne peut pas être ouvert (%3).</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>Une autre instance de Hourglint (processus %1) compte déjà dans la base de données %2. Une base de données n&apos;accepte qu&apos;un seul compteur, cette instance se termine donc.</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>Une autre instance de Hourglint compte déjà dans la base de données %1. Une base de données n&apos;accepte qu&apos;un seul compteur, cette instance se termine donc.</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>Impossible de verrouiller la base de données %1 (%2&#xa0;: %3).</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>aucune base de données à l&apos;emplacement %1</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>les jours de %1 ne sont pas encore additionnés&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>Date et durée d&apos;utilisation</translation>
    </message>
    <message>
        <source>%1, %2 hours %3 minutes %4 seconds</source>
        <translation>%1, %2&#xa0;heures %3&#xa0;minutes %4&#xa0;secondes</translation>
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
        <translation>Veuillez déposer sur un groupe&#xa0;!</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>Hourglint ne peut pas joindre le bus de session pour demander la fenêtre active à GNOME Shell.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint ne peut pas prendre son nom sur le bus de session&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 est détenu par %2 et non par GNOME Shell&#xa0;; ses réponses ne sont pas crues, et rien n&apos;est compté tant qu&apos;il détient le nom.</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>Sous GNOME, Hourglint apprend quelle fenêtre est au premier plan grâce à sa propre petite extension GNOME Shell (%1). Elle ne transmet à Hourglint que l&apos;identifiant de processus, la classe WM et le titre de la fenêtre qui a le focus, et ne lit rien d&apos;autre. Elle n&apos;est pas activée&#xa0;: Hourglint ne compte donc rien pour l&apos;instant&#xa0;; il continue de tourner et commence à compter dès que l&apos;extension répond.

Pour l&apos;activer, exécutez
    gnome-extensions enable %1
ou activez «&#xa0;Hourglint focused window&#xa0;» dans l&apos;application Extensions. GNOME sous Wayland ne charge une extension nouvellement installée qu&apos;après la prochaine connexion.</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>L&apos;activer maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>Aucune copie installée ne convient à GNOME Shell %1. Installer celle qui convient dans %2 et l&apos;activer&#xa0;?</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>Hourglint n&apos;a pas pu installer son extension GNOME Shell&#xa0;: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>GNOME Shell n&apos;a pas activé l&apos;extension de Hourglint pour l&apos;instant. Déconnectez-vous puis reconnectez-vous, puis activez-la avec&#xa0;: gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>Graphe en direct</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>Aucune donnée pInputData valide</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>Aucun programme n&apos;est au premier plan.</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 est au premier plan.</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>Secondes affichées</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>Dernière fois au premier plan</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>Absent du graphe</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Maintenant</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>Il y a %1&#xa0;s</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>Modifier les groupes</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>Faites glisser les éléments sur un groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>Groupes et leurs programmes</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>Nom d&apos;un nouveau groupe</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Ajouter un groupe</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>Supprimer le groupe sélectionné</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>&amp;Déplacer vers un groupe...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>Le nom d&apos;un groupe ne doit pas dépasser 50&#xa0;caractères&#xa0;!</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>Veuillez saisir un nom de groupe&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>Suppression impossible. Veuillez sélectionner un élément à supprimer&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>Suppression impossible. Veuillez sélectionner un groupe&#xa0;!</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>Impossible de supprimer le groupe par défaut&#xa0;!</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>Veuillez sélectionner un programme à déplacer&#xa0;!</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>Il n&apos;y a pas encore d&apos;autre groupe&#xa0;: ajoutez-en un d&apos;abord.</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>Fermer sans enregistrer les modifications des groupes&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>Impossible d&apos;ouvrir l&apos;affichage X11.</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>Titre de la fenêtre</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Titre de la fenêtre</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durée</translation>
    </message>
</context>
<context>
    <name>CHistoryChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1&#xa0;min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1&#xa0;h</translation>
    </message>
    <message>
        <source>Nothing was used in these days.</source>
        <translation>Rien n&apos;a été utilisé ces jours-là.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>Graphique de l&apos;historique</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>%1 en tout.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>De %1:00 à %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Les instantanés ne contiennent que des jours&#xa0;: les heures sont celles de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>Enregistrer l&apos;historique dans un fichier HTML</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Processus</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Groupe</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>&amp;Cet ordinateur</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>&amp;Tous les ordinateurs</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Jours</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>&amp;Heures</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>7 derniers jours</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>365 derniers jours</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Dates</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au&#xa0;:</translation>
    </message>
    <message>
        <source>Ranges</source>
        <translation>Intervalles</translation>
    </message>
</context>
<context>
    <name>CHistoryFrame</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>Addition des jours…</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Moyenne quotidienne</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>La période commence après sa fin&#xa0;: choisissez une date «&#xa0;Du&#xa0;» antérieure à la date «&#xa0;Au&#xa0;».</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>Une période compte au plus %1&#xa0;jours.</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1&#xa0;: %2 en tout</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>De %1:00 à %2:00&#xa0;: %3 en tout</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>Impossible d&apos;écrire le fichier d&apos;historique %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>L&apos;historique est enregistré.

L&apos;afficher maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>Totaux de la période</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Les instantanés ne contiennent que des jours&#xa0;: les heures sont celles de cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>l&apos;image du graphique remplacerait la page</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>l&apos;image du graphique ne peut pas être créée</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>Hourglint ne peut pas joindre le bus de session pour demander la fenêtre active à KWin.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>Hourglint ne peut pas prendre son nom sur le bus de session&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>Hourglint ne peut pas proposer son objet sur le bus de session.</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>Le script KWin manque dans le programme.</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>Hourglint ne peut pas écrire son script KWin dans %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>KWin n&apos;a pas chargé le script de Hourglint&#xa0;: %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>KWin n&apos;a pas chargé le script de Hourglint.</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>Graphe en direct</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Graphe en direct de Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>En &amp;direct</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>Afficher le graphe en direct</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>Analyser et établir un rapport</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>Où sont passés les jours&#xa0;: jours et heures</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>Configuration et préférences</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>À propos de Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>Programmes en cours</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>Voulez-vous quitter le programme&#xa0;?</translation>
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
        <translation>Laissés de côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>La base de données de cet ordinateur n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>La base de données de cet ordinateur n&apos;a pas pu être lue&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>Aucun dossier partagé n&apos;est choisi dans les Options&#xa0;: cet ordinateur seulement.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>Enregistrer le rapport dans un fichier HTML</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>&amp;Groupes</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>Gérer les groupes et les programmes</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>Les jours autour de celui-ci, et ses heures</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Cet ordinateur</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>Tous les ordinateurs</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>Jour précédent (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Jour précédent</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>Jour suivant (Alt+Droite)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Jour suivant</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Rafraîchir</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>Rapport d&apos;activité</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>Calcul du rapport…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Impossible d&apos;écrire le fichier de rapport %1&#xa0;:
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>Le rapport a été créé.

L&apos;afficher maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>5 premiers processus</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>5 premiers groupes</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Fichiers de rapport Hourglint (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Impossible d&apos;écrire le fichier de rapport %1&#xa0;:
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>Le calcul n&apos;a pas pu être terminé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>Partager mon historique avec mes autres ordinateurs via le dossier</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>(non partagé)</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>Dossier partagé</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>Nom de cet ordinateur dans ce dossier&#xa0;:</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>Le dossier partagé %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>Hourglint ne peut pas partager son historique avec vos autres ordinateurs&#xa0;: sa base de données n&apos;utilise pas de journal à écriture anticipée (WAL) sur ce système de fichiers, aucune copie cohérente ne peut donc en être faite pendant qu&apos;il tourne.
Aucun instantané ne sera écrit avant le prochain démarrage.</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>Impossible de partager l&apos;historique avec vos autres ordinateurs via le dossier %1&#xa0;:
%2
Hourglint réessaiera dans une heure.</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>Afficher/masquer le programme</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Rapport</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>&amp;Masquer %1</translation>
    </message>
    <message>
        <source>&amp;Show %1</source>
        <translation>&amp;Afficher %1</translation>
    </message>
</context>
<context>
    <name>CSingleInstance</name>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Impossible de créer le fichier de verrou %1.</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>Hourglint est déjà lancé (processus %1, fichier de verrou %2), mais ne répond pas. Terminez ce processus et relancez Hourglint.</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>impossible d&apos;écrire dans le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>la base de données n&apos;est pas en mode journal à écriture anticipée (WAL)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>impossible de renommer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CStaticBarVView</name>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>No report is shown yet.</source>
        <translation>Aucun rapport n&apos;est encore affiché.</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>Aucune ligne à dessiner.</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>Barres pour %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>Hourglint ne peut pas joindre le socket IPC de sway (%1)&#xa0;: %2.</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>Le socket IPC de sway (%1) n&apos;a pas répondu.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint a perdu sa connexion à sway (%1). Jusqu&apos;à ce que sway réponde à nouveau, les secondes vont au dernier programme au premier plan&#xa0;; Hourglint se reconnecte de lui-même.</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors de l&apos;enregistrement&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>Échec de l&apos;enregistrement des données dans la base de données&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors du chargement&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>Échec du chargement des données depuis la base de données&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors du chargement des groupes&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors de l&apos;ajout d&apos;un groupe&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>Échec de l&apos;ajout du groupe dans la base de données&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors de la suppression d&apos;un groupe&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>Échec de la suppression du groupe&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors de la mise à jour d&apos;un élément&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>Échec de la mise à jour de l&apos;élément&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors du rapport par processus&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>Échec du rapport par processus&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors du rapport par groupe&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>Échec du rapport par groupe&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>Échec de la connexion à la base de données lors de l&apos;historique&#xa0;!
Informations sur l&apos;erreur&#xa0;:%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>Échec de l&apos;historique&#xa0;!
Informations sur l&apos;erreur&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>Hourglint ne peut pas se connecter au compositeur Wayland.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Le compositeur Wayland a fermé la connexion.</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>Le compositeur Wayland ne propose aucun siège (seat).</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>Le compositeur Wayland ne propose aucune notification d&apos;inactivité (ext_idle_notifier_v1 ou org_kde_kwin_idle).</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Le compositeur Wayland a fermé la connexion.</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>Le compositeur Wayland ne propose pas zwlr_foreign_toplevel_manager_v1.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>Le compositeur Wayland a fermé la connexion.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>Hourglint a perdu sa connexion au compositeur Wayland. Jusqu&apos;à ce qu&apos;il réponde à nouveau, les secondes vont au dernier programme au premier plan&#xa0;; Hourglint se reconnecte de lui-même.</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>Hourglint a besoin d&apos;une session X11 pour suivre le programme au premier plan, mais ceci est une session Wayland sans affichage X11 (DISPLAY n&apos;est pas défini). Ouvrez une session X11, ou activez XWayland, et relancez Hourglint.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>Hourglint a besoin d&apos;une session X11 pour suivre le programme au premier plan, mais aucun affichage X11 n&apos;est disponible (DISPLAY n&apos;est pas défini). Ouvrez une session X11 et relancez Hourglint.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>Hourglint a besoin d&apos;une session X11 pour suivre le programme au premier plan, mais l&apos;affichage X11 «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert. Vérifiez que le serveur X tourne et que cet utilisateur peut s&apos;y connecter.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>Hourglint a besoin d&apos;une session X11 pour suivre le programme au premier plan, mais l&apos;affichage X11 n&apos;a pas d&apos;écran %1.</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>aucune base de données à l&apos;emplacement %1</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>la base de données %1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>la sortie %1 est la base de données</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>la sortie %1 est un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>impossible d&apos;écrire le rapport sur la sortie standard</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>aucun dossier partagé n&apos;est choisi dans les Options</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>laissé de côté %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 a été lu comme un fichier immuable&#xa0;: son dossier n&apos;est pas accessible en écriture</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>jours&#xa0;: %D, %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 Seul un écran verrouillé met le comptage en pause.</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11 (_NET_ACTIVE_WINDOW du gestionnaire de fenêtres)</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway (son socket IPC i3)</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma (un script KWin)</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell (l&apos;extension de Hourglint)</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>compositeurs wlroots (foreign-toplevel&#xa0;: labwc, wayfire, river...)</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>Pas d&apos;affichage&#xa0;: DISPLAY n&apos;est pas défini.</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND ne désigne aucun moteur de premier plan (%1)&#xa0;; connus&#xa0;: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>Hourglint ne peut pas savoir quel programme est au premier plan dans cette session Wayland&#xa0;: son compositeur (%1) n&apos;est pas de ceux que Hourglint sait interroger. Il ne se rabat pas sur Xwayland, qui ne verrait qu&apos;une partie des fenêtres.
Pris en charge&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>impossible de créer %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>Historique de Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Date d&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>Du&#xa0;: %1 Au&#xa0;: %2</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Type&#xa0;: %1</translation>
    </message>
    <message>
        <source>Chart: %1</source>
        <translation>Graphique&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Two items of a list of computer names.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Computers: %1</source>
        <translation>Ordinateurs&#xa0;: %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Moyenne quotidienne</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Généré par</translation>
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
        <translation>Temps par jour du %1 au %2</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>Un jour moyen du %1 au %2&#xa0;: le temps de chaque heure divisé par %n&#xa0;jour</numerusform>
            <numerusform>Un jour moyen du %1 au %2&#xa0;: le temps de chaque heure divisé par %n&#xa0;jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>Temps par heure le %1</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Rapport d&apos;activité de Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Date d&apos;enregistrement&#xa0;: %1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>«&#xa0;Aujourd&apos;hui&#xa0;»&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type: %1</source>
        <translation>Type&#xa0;: %1</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Généré par</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>trop volumineux</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>incomplet, copie encore en cours&#xa0;?</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>endommagé</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>un autre schéma</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>trop lent à lire</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>écrit dans le futur</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>le même ordinateur deux fois</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>les mêmes sommes par jour qu&apos;un autre fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n jour aux valeurs invraisemblables</numerusform>
            <numerusform>%n jours aux valeurs invraisemblables</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>ses heures n&apos;ont pas pu être lues</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>Le système d&apos;exploitation n&apos;a plus assez
de mémoire ou de ressources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>Le fichier spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>Le chemin d&apos;accès spécifié est introuvable.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>Le système d&apos;exploitation a refusé
l&apos;accès au fichier spécifié.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>La mémoire est insuffisante pour terminer l&apos;opération.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>Le fichier .EXE n&apos;est pas valide
(.EXE non Win32 ou erreur dans l&apos;image .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Une violation de partage s&apos;est produite. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>L&apos;association du nom de fichier est
incomplète ou non valide.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car le délai de la requête a expiré.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>La transaction DDE a échoué.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>La transaction DDE n&apos;a pas pu
aboutir car d&apos;autres transactions DDE
étaient en cours de traitement.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Aucune application n&apos;est associée
à l&apos;extension de nom de fichier donnée.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>La bibliothèque de liens dynamiques (DLL) spécifiée est introuvable.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Une erreur inconnue (%1) s&apos;est produite.</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Impossible d&apos;ouvrir le lien hypertexte&#xa0;:

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>c&apos;est un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>c&apos;est la base de données utilisée</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1&#xa0;: c&apos;est un lien qui appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>ce n&apos;est plus un tube ni un périphérique</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>Impossible d&apos;utiliser le dossier %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Impossible d&apos;utiliser %1&#xa0;: ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>Impossible d&apos;utiliser le dossier %1&#xa0;: il appartient à l&apos;utilisateur %2, pas à vous (utilisateur %3).</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>Impossible d&apos;utiliser le dossier %1&#xa0;: ses droits sont %2, mais vous seul devez y avoir accès (0700).</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>Impossible de créer le dossier %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processus</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>Moyenne semaine</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>Moyenne mois</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>Moyenne année</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>Dans cette session&#xa0;: %1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>Dans cette session, le programme au premier plan est lu depuis %1.
Pris en charge&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>les modifications en attente dans %1-wal ne peuvent pas être lues depuis un dossier où vous ne pouvez pas écrire (%2)</translation>
    </message>
</context>
</TS>
