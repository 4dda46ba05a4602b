<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Running on Wayland&apos;s own platform, as Xwayland could not be reached: staying on top and placing the window are not available.</source>
        <translation>Executando na plataforma nativa do Wayland, pois o Xwayland não pôde ser acessado: não é possível manter a janela por cima nem posicioná-la.</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Sobre o Hourglint</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Hourglint&apos;s icon</source>
        <translation>Ícone do Hourglint</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Sales:</source>
        <translation>Vendas:</translation>
    </message>
    <message>
        <source>Homepage:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Hourglint Version %1</source>
        <translation>Hourglint versão %1</translation>
    </message>
    <message>
        <source>Free software under the GNU GPL, version 3 or later; no warranty.</source>
        <translation>Software livre sob a GNU GPL, versão 3 ou posterior; sem garantias.</translation>
    </message>
    <message>
        <source>Foreground read from: %1</source>
        <translation>Primeiro plano lido de: %1</translation>
    </message>
    <message>
        <source>Database: %1</source>
        <translation>Banco de dados: %1</translation>
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
        <translation>Alarme do Hourglint</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>hours, then minutes</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 has been in use for %2 today.</source>
        <translation>%1 esteve em uso por %2 hoje.</translation>
    </message>
</context>
<context>
    <name>CAlarmView</name>
    <message>
        <source>Process</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tempo de execução</translation>
    </message>
    <message>
        <source>Alarm Time</source>
        <translation>Hora do alarme</translation>
    </message>
</context>
<context>
    <name>CCalendarKeys</name>
    <message>
        <source>Alt+Down or F4 opens the calendar.</source>
        <translation>Alt+Baixo ou F4 abre o calendário.</translation>
    </message>
</context>
<context>
    <name>CCommandLine</name>
    <message>
        <source>option &apos;%1&apos; takes no value</source>
        <translation>a opção &quot;%1&quot; não aceita valor</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>a opção &quot;%1&quot; precisa de um valor</translation>
    </message>
    <message>
        <source>malformed date &apos;%1&apos;: expected YYYY-MM-DD</source>
        <translation>data malformada &quot;%1&quot;: esperado AAAA-MM-DD</translation>
    </message>
    <message>
        <source>unknown value &apos;%1&apos; of --by: expected day or hour</source>
        <translation>valor desconhecido &quot;%1&quot; de --by: esperado day ou hour</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos;: expected csv, json or html</source>
        <translation>formato desconhecido &quot;%1&quot;: esperado csv, json ou html</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a file name</source>
        <translation>a opção &quot;%1&quot; precisa de um nome de arquivo</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opção desconhecida &quot;%1&quot;</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--report and --history cannot go together</source>
        <translation>--report e --history não podem ser usados juntos</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --history</source>
        <translation>a opção &quot;%1&quot; precisa de --history</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; goes with --report; a history takes --from and --to</source>
        <translation>a opção &quot;%1&quot; acompanha --report; um histórico usa --from e --to</translation>
    </message>
    <message>
        <source>the html format needs --output FILE</source>
        <translation>o formato html precisa de --output ARQUIVO</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs --report</source>
        <translation>a opção &quot;%1&quot; precisa de --report</translation>
    </message>
    <message>
        <source>the range starts after it ends: --from %1 --to %2</source>
        <translation>o intervalo começa depois de terminar: --from %1 --to %2</translation>
    </message>
    <message>
        <source>a history covers at most %1 days, not %2</source>
        <translation>um histórico abrange no máximo %1 dias, não %2</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ajuda e sair</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar a versão e sair</translation>
    </message>
    <message>
        <source>write one day&apos;s report and exit, without a window:</source>
        <translation>gravar o relatório de um dia e sair, sem janela:</translation>
    </message>
    <message>
        <source>the day (default: today)</source>
        <translation>o dia (padrão: hoje)</translation>
    </message>
    <message>
        <source>write a range of days and exit, without a window:</source>
        <translation>gravar um intervalo de dias e sair, sem janela:</translation>
    </message>
    <message>
        <source>the first day (default: six days before --to)</source>
        <translation>o primeiro dia (padrão: seis dias antes de --to)</translation>
    </message>
    <message>
        <source>the last day (default: today); at most %1 days in all</source>
        <translation>o último dia (padrão: hoje); no máximo %1 dias
ao todo</translation>
    </message>
    <message>
        <source>a column per day (default), or 24 columns: the seconds of
each hour of day summed over the range</source>
        <translation>uma coluna por dia (padrão) ou 24 colunas: os segundos
de cada hora do dia somados no intervalo</translation>
    </message>
    <message>
        <source>  for both:</source>
        <extracomment>A heading in --help, indented by two spaces like the options above it.</extracomment>
        <translation>  para ambos:</translation>
    </message>
    <message>
        <source>one row per group instead of one per program</source>
        <translation>uma linha por grupo em vez de uma por programa</translation>
    </message>
    <message>
        <source>csv (default) or json, written to standard output, or
html, written to --output with the chart image beside it
(FILE with its extension replaced by .jpg)</source>
        <translation>csv (padrão) ou json, gravado na saída padrão, ou html,
gravado em --output com a imagem do gráfico ao lado
(ARQUIVO com a extensão trocada por .jpg)</translation>
    </message>
    <message>
        <source>write to FILE instead of standard output</source>
        <translation>gravar em ARQUIVO em vez da saída padrão</translation>
    </message>
    <message>
        <source>the database to read (default: HG.mdb beside the program,
or in ~/.local/share/Hourglint/Hourglint/); given again,
other computers&apos; snapshots (*.hgshare) to add</source>
        <translation>o banco de dados a ler (padrão: HG.mdb ao lado do
programa ou em ~/.local/share/Hourglint/Hourglint/);
repetida, instantâneos de outros computadores
(*.hgshare) a somar</translation>
    </message>
    <message>
        <source>add the snapshots in the share folder set in the Options</source>
        <translation>somar os instantâneos da pasta compartilhada definida
nas Opções</translation>
    </message>
    <message>
        <source>Usage: hourglint [--report [OPTION]...]
       hourglint [--history [OPTION]...]
Measures how long each program is in the foreground. Without options it starts
its window, which needs an X11 session or a Wayland session of GNOME Shell,
KDE Plasma, sway or a wlroots compositor (labwc, wayfire, river...).</source>
        <extracomment>--help: keep the two usage lines; break lines before 80 characters.</extracomment>
        <translation>Uso: hourglint [--report [OPÇÃO]...]
     hourglint [--history [OPÇÃO]...]
Mede quanto tempo cada programa fica em primeiro plano. Sem opções, abre sua
janela, que precisa de uma sessão X11 ou de uma sessão Wayland do GNOME Shell,
do KDE Plasma, do sway ou de um compositor wlroots (labwc, wayfire, river...).</translation>
    </message>
    <message>
        <source>A report lists the day, the day before and the average day of the last 7, 30
and 365 days, in seconds. A history lists every program with a second in the
range, its total and its seconds per day or hour. Both only read the database,
so they may run while Hourglint is measuring.</source>
        <translation>Um relatório lista o dia, o dia anterior e o dia médio dos últimos 7, 30 e 365
dias, em segundos. Um histórico lista cada programa com algum segundo no
intervalo, seu total e seus segundos por dia ou por hora. Ambos só leem o banco
de dados, então podem ser executados enquanto o Hourglint mede.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success, 1 when the database or the output cannot be used,
2 on bad use.</source>
        <translation>Status de saída: 0 em caso de sucesso, 1 quando o banco de dados ou a saída não
pode ser usado, 2 em caso de uso incorreto.</translation>
    </message>
    <message>
        <source>Usage: hourglint [--help] [--version] [--report [--date YYYY-MM-DD] | --history [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output FILE] [--database FILE]... [--all-computers]</source>
        <translation>Uso: hourglint [--help] [--version] [--report [--date AAAA-MM-DD] | --history [--from AAAA-MM-DD] [--to AAAA-MM-DD] [--by day|hour]] [--group] [--format csv|json|html] [--output ARQUIVO] [--database ARQUIVO]... [--all-computers]</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it. There is NO WARRANTY.</source>
        <translation>Licença GPLv3+: GNU GPL versão 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um software livre: você é livre para alterá-lo e redistribuí-lo. NÃO HÁ GARANTIAS.</translation>
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
        <translation>--output ARQUIVO</translation>
    </message>
    <message>
        <source>--database FILE</source>
        <extracomment>The option stays; FILE names its value.</extracomment>
        <translation>--database ARQUIVO</translation>
    </message>
</context>
<context>
    <name>CConfigDlg</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log on to Windows</source>
        <translation>Iniciar o Hourglint automaticamente ao entrar no Windows</translation>
    </message>
    <message>
        <source>Automatically run Hourglint when I log in</source>
        <translation>Iniciar o Hourglint automaticamente ao entrar na sessão</translation>
    </message>
    <message>
        <source>Automatically minimize to system tray when Hourglint starts</source>
        <translation>Minimizar automaticamente para a bandeja do sistema ao iniciar o Hourglint</translation>
    </message>
    <message>
        <source>Load data of the same day from database when Hourglint starts</source>
        <translation>Carregar do banco de dados os dados do mesmo dia ao iniciar o Hourglint</translation>
    </message>
    <message>
        <source>Show a desktop notification for each alarm</source>
        <translation>Mostrar uma notificação na área de trabalho a cada alarme</translation>
    </message>
    <message>
        <source>Load Default</source>
        <translation>Restaurar padrões</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Banco de dados</translation>
    </message>
    <message>
        <source>Automatically save data into database for every</source>
        <translation>Salvar os dados no banco de dados automaticamente a cada</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>GUI</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Alpha value used to describe the opacity of the window</source>
        <translation>Valor alfa que define a opacidade da janela</translation>
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
        <translation>Alarme</translation>
    </message>
    <message>
        <source>Alarm when the running time of a program reaches every</source>
        <translation>Alarmar sempre que o tempo de execução de um programa completar mais</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Ausência</translation>
    </message>
    <message>
        <source>Several computers</source>
        <translation>Vários computadores</translation>
    </message>
    <message>
        <source>Seconds between saves into the database</source>
        <translation>Segundos entre os salvamentos no banco de dados</translation>
    </message>
    <message>
        <source>From %1 to %2 seconds.</source>
        <translation>De %1 a %2 segundos.</translation>
    </message>
    <message>
        <source>Minutes of running time between alarms</source>
        <translation>Minutos de tempo de execução entre alarmes</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes.</source>
        <translation>De %1 a %2 minutos.</translation>
    </message>
    <message>
        <source>Minutes without keyboard or mouse input</source>
        <translation>Minutos sem entrada de teclado ou mouse</translation>
    </message>
    <message>
        <source>From %1 to %2 minutes; counting stops after them when the box before is ticked.</source>
        <translation>De %1 a %2 minutos; a contagem para depois deles quando a caixa anterior está marcada.</translation>
    </message>
    <message>
        <source>Opacity of the window</source>
        <translation>Opacidade da janela</translation>
    </message>
    <message>
        <source>From %1, nearly transparent, to %2, opaque.</source>
        <translation>De %1, quase transparente, a %2, opaca.</translation>
    </message>
    <message>
        <source>Stop counting after</source>
        <translation>Parar de contar após</translation>
    </message>
    <message>
        <source>minutes without keyboard or mouse input</source>
        <translation>minutos sem entrada de teclado ou mouse</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
</context>
<context>
    <name>CDatabaseLock</name>
    <message>
        <source>Cannot count into the database %1: its lock file %2 cannot be opened (%3).</source>
        <translation>Não é possível contar no banco de dados %1: seu arquivo de bloqueio %2 não pode ser aberto (%3).</translation>
    </message>
    <message>
        <source>Another copy of Hourglint (process %1) is already counting into the database %2. One database takes one counter, so this copy ends.</source>
        <translation>Outra instância do Hourglint (processo %1) já está contando no banco de dados %2. Um banco de dados aceita um só contador, então esta instância termina.</translation>
    </message>
    <message>
        <source>Another copy of Hourglint is already counting into the database %1. One database takes one counter, so this copy ends.</source>
        <translation>Outra instância do Hourglint já está contando no banco de dados %1. Um banco de dados aceita um só contador, então esta instância termina.</translation>
    </message>
    <message>
        <source>Cannot lock the database %1 (%2: %3).</source>
        <translation>Não é possível bloquear o banco de dados %1 (%2: %3).</translation>
    </message>
</context>
<context>
    <name>CDayTotals</name>
    <message>
        <source>no database at %1</source>
        <translation>nenhum banco de dados em %1</translation>
    </message>
</context>
<context>
    <name>CDayTotalsThread</name>
    <message>
        <source>the days of %1 are not summed up yet: %2</source>
        <translation>os dias de %1 ainda não foram somados: %2</translation>
    </message>
</context>
<context>
    <name>CDigitLabel</name>
    <message>
        <source>Date and running time</source>
        <translation>Data e tempo de execução</translation>
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
        <translation>Solte sobre um grupo!</translation>
    </message>
</context>
<context>
    <name>CGnomeForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask GNOME Shell for the active window.</source>
        <translation>O Hourglint não consegue acessar o barramento de sessão para perguntar ao GNOME Shell qual é a janela ativa.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>O Hourglint não consegue obter seu nome no barramento de sessão: %1</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>%1 is held by %2, not by GNOME Shell; its answers are not believed, and nothing is counted while it holds the name.</source>
        <translation>%1 pertence a %2, não ao GNOME Shell; suas respostas não são aceitas, e nada é contado enquanto ele mantiver o nome.</translation>
    </message>
    <message>
        <source>On GNOME, Hourglint learns which window is in front from its own small GNOME Shell extension (%1). It tells Hourglint only the focused window&apos;s process id, WM class and title, and reads nothing else. It is not enabled, so Hourglint counts nothing for now; it keeps running and starts counting as soon as the extension answers.

To enable it: run
    gnome-extensions enable %1
or switch on &quot;Hourglint focused window&quot; in the Extensions app. GNOME on Wayland loads a newly installed extension only after the next login.</source>
        <translation>No GNOME, o Hourglint descobre qual janela está em primeiro plano por meio de sua própria pequena extensão do GNOME Shell (%1). Ela informa ao Hourglint apenas o ID do processo, a classe WM e o título da janela em foco, e não lê mais nada. Ela não está ativada, então por enquanto o Hourglint não conta nada; ele continua em execução e começa a contar assim que a extensão responder.

Para ativá-la, execute
    gnome-extensions enable %1
ou ative &quot;Hourglint focused window&quot; no aplicativo Extensões. O GNOME no Wayland só carrega uma extensão recém-instalada após o próximo login.</translation>
    </message>
    <message>
        <source>Enable it now?</source>
        <translation>Ativá-la agora?</translation>
    </message>
    <message>
        <source>No installed copy fits GNOME Shell %1. Install the fitting one into %2 and enable it?</source>
        <translation>Nenhuma cópia instalada serve para o GNOME Shell %1. Instalar a adequada em %2 e ativá-la?</translation>
    </message>
    <message>
        <source>Hourglint could not install its GNOME Shell extension: %1</source>
        <translation>O Hourglint não conseguiu instalar sua extensão do GNOME Shell: %1</translation>
    </message>
    <message>
        <source>GNOME Shell did not enable Hourglint&apos;s extension now. Log out and in again, then enable it with: gnome-extensions enable %1</source>
        <translation>O GNOME Shell não ativou a extensão do Hourglint agora. Saia da sessão e entre novamente; depois ative-a com: gnome-extensions enable %1</translation>
    </message>
</context>
<context>
    <name>CGraphOneLiveView</name>
    <message>
        <source>Live graph</source>
        <translation>Gráfico ao vivo</translation>
    </message>
    <message>
        <source>No valid pInputData</source>
        <translation>Nenhum pInputData válido</translation>
    </message>
    <message>
        <source>Nobody is in front.</source>
        <translation>Nenhum programa em primeiro plano.</translation>
    </message>
    <message>
        <source>%1 is in front.</source>
        <translation>%1 está em primeiro plano.</translation>
    </message>
    <message>
        <source>Lane</source>
        <translation>Faixa</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Seconds shown</source>
        <translation>Segundos exibidos</translation>
    </message>
    <message>
        <source>Last in front</source>
        <translation>Última vez em primeiro plano</translation>
    </message>
    <message>
        <source>Not in the picture</source>
        <translation>Fora do gráfico</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>%1 s ago</source>
        <translation>há %1 s</translation>
    </message>
</context>
<context>
    <name>CGroupDlg</name>
    <message>
        <source>Edit Group</source>
        <translation>Editar grupos</translation>
    </message>
    <message>
        <source>Drag items onto group:</source>
        <translation>Arraste os itens para um grupo:</translation>
    </message>
    <message>
        <source>Groups and their programs</source>
        <translation>Grupos e seus programas</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>Name of a new group</source>
        <translation>Nome de um novo grupo</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Adicionar grupo</translation>
    </message>
    <message>
        <source>Delete Selected Group</source>
        <translation>Excluir grupo selecionado</translation>
    </message>
    <message>
        <source>&amp;Move to group...</source>
        <translation>&amp;Mover para o grupo...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The length of group name should not be more than 50!</source>
        <translation>O nome do grupo não deve ter mais de 50 caracteres!</translation>
    </message>
    <message>
        <source>Please input a group name!</source>
        <translation>Digite um nome de grupo!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a item to delete!</source>
        <translation>Não é possível excluir. Selecione um item para excluir!</translation>
    </message>
    <message>
        <source>Can&apos;t delete. Please select a group!</source>
        <translation>Não é possível excluir. Selecione um grupo!</translation>
    </message>
    <message>
        <source>Can&apos;t delete default group!</source>
        <translation>Não é possível excluir o grupo padrão!</translation>
    </message>
    <message>
        <source>Please select a program to move!</source>
        <translation>Selecione um programa para mover!</translation>
    </message>
    <message>
        <source>There is no other group yet: add one first.</source>
        <translation>Ainda não há outro grupo: adicione um primeiro.</translation>
    </message>
    <message>
        <source>Close without saving the changes to the groups?</source>
        <translation>Fechar sem salvar as alterações nos grupos?</translation>
    </message>
</context>
<context>
    <name>CHGApp</name>
    <message>
        <source>Cannot open the X11 display.</source>
        <translation>Não é possível abrir a tela X11.</translation>
    </message>
</context>
<context>
    <name>CHGView</name>
    <message>
        <source>Process</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Windows Title</source>
        <translation>Título da janela</translation>
    </message>
    <message>
        <source>Window Title</source>
        <translation>Título da janela</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Tempo de execução</translation>
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
        <translation>Nada foi usado nestes dias.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outros</translation>
    </message>
</context>
<context>
    <name>CHistoryChartView</name>
    <message>
        <source>History chart</source>
        <translation>Gráfico do histórico</translation>
    </message>
    <message>
        <source>%1 in all.</source>
        <translation>%1 ao todo.</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1:00 to %2:00</source>
        <translation>Das %1:00 às %2:00</translation>
    </message>
</context>
<context>
    <name>CHistoryCommand</name>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Os instantâneos contêm apenas dias: as horas são as deste computador.</translation>
    </message>
</context>
<context>
    <name>CHistoryDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the history as HTML file</source>
        <translation>Salvar o histórico como arquivo HTML</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>&amp;Process</source>
        <translation>&amp;Processo</translation>
    </message>
    <message>
        <source>&amp;Group</source>
        <translation>&amp;Grupo</translation>
    </message>
    <message>
        <source>T&amp;his computer</source>
        <translation>&amp;Este computador</translation>
    </message>
    <message>
        <source>All &amp;computers</source>
        <translation>&amp;Todos os computadores</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>D&amp;ias</translation>
    </message>
    <message>
        <source>H&amp;ours</source>
        <translation>&amp;Horas</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>Inter&amp;valo:</translation>
    </message>
    <message>
        <source>Last 7 days</source>
        <translation>Últimos 7 dias</translation>
    </message>
    <message>
        <source>Last 30 days</source>
        <translation>Últimos 30 dias</translation>
    </message>
    <message>
        <source>Last 90 days</source>
        <translation>Últimos 90 dias</translation>
    </message>
    <message>
        <source>Last 365 days</source>
        <translation>Últimos 365 dias</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mês</translation>
    </message>
    <message>
        <source>Dates</source>
        <translation>Datas</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;De:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Até:</translation>
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
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>History</source>
        <translation>Histórico</translation>
    </message>
    <message>
        <source>Adding up the days…</source>
        <translation>Somando os dias…</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Média diária</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>The range starts after it ends: choose a From date before the To date.</source>
        <translation>O intervalo começa depois de terminar: escolha uma data De anterior à data Até.</translation>
    </message>
    <message>
        <source>A range holds at most %1 days.</source>
        <translation>Um intervalo abrange no máximo %1 dias.</translation>
    </message>
    <message>
        <source>%1: %2 in all</source>
        <translation>%1: %2 ao todo</translation>
    </message>
    <message>
        <source>%1:00 to %2:00: %3 in all</source>
        <translation>Das %1:00 às %2:00: %3 ao todo</translation>
    </message>
    <message>
        <source>Cannot write the history file %1:
%2</source>
        <translation>Não é possível gravar o arquivo do histórico %1:
%2</translation>
    </message>
    <message>
        <source>The history is saved.

View it now?</source>
        <translation>O histórico foi salvo.

Visualizá-lo agora?</translation>
    </message>
    <message>
        <source>Totals of the range</source>
        <translation>Totais do intervalo</translation>
    </message>
    <message>
        <source>Snapshots hold days only: the hours are this computer&apos;s.</source>
        <translation>Os instantâneos contêm apenas dias: as horas são as deste computador.</translation>
    </message>
</context>
<context>
    <name>CHtmlReportExport</name>
    <message>
        <source>the chart image would replace the page</source>
        <translation>a imagem do gráfico substituiria a página</translation>
    </message>
    <message>
        <source>the chart image cannot be made</source>
        <translation>não é possível criar a imagem do gráfico</translation>
    </message>
</context>
<context>
    <name>CKWinForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach the session bus to ask KWin for the active window.</source>
        <translation>O Hourglint não consegue acessar o barramento de sessão para perguntar ao KWin qual é a janela ativa.</translation>
    </message>
    <message>
        <source>Hourglint cannot take its name on the session bus: %1</source>
        <translation>O Hourglint não consegue obter seu nome no barramento de sessão: %1</translation>
    </message>
    <message>
        <source>Hourglint cannot offer its object on the session bus.</source>
        <translation>O Hourglint não consegue oferecer seu objeto no barramento de sessão.</translation>
    </message>
    <message>
        <source>The KWin script is missing from the program.</source>
        <translation>O script do KWin está faltando no programa.</translation>
    </message>
    <message>
        <source>Hourglint cannot write its KWin script to %1.</source>
        <translation>O Hourglint não consegue gravar seu script do KWin em %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script: %1.</source>
        <translation>O KWin não carregou o script do Hourglint: %1.</translation>
    </message>
    <message>
        <source>KWin did not load Hourglint&apos;s script.</source>
        <translation>O KWin não carregou o script do Hourglint.</translation>
    </message>
</context>
<context>
    <name>CLiveFrame</name>
    <message>
        <source>Live Graph</source>
        <translation>Gráfico ao vivo</translation>
    </message>
</context>
<context>
    <name>CLiveView</name>
    <message>
        <source>Live Graph of Hourglint</source>
        <translation>Gráfico ao vivo do Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainDialogBar</name>
    <message>
        <source>&amp;LiveGraph</source>
        <translation>&amp;Gráfico</translation>
    </message>
    <message>
        <source>Show live graph</source>
        <translation>Mostrar o gráfico ao vivo</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Relatório</translation>
    </message>
    <message>
        <source>Analyze and report</source>
        <translation>Analisar e gerar relatório</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>Where the days went: days and hours</source>
        <translation>Para onde foram os dias: dias e horas</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Configuration and preference</source>
        <translation>Configurações e preferências</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>About Hourglint</source>
        <translation>Sobre o Hourglint</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Running programs</source>
        <translation>Programas em execução</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>Alarmes</translation>
    </message>
    <message>
        <source>Do you want to exit the program?</source>
        <translation>Deseja sair do programa?</translation>
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
        <translation>Deixados de fora: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1</source>
        <translation>Não foi possível ler o banco de dados deste computador: %1</translation>
    </message>
    <message>
        <source>This computer&apos;s database could not be read: %1. %2</source>
        <translation>Não foi possível ler o banco de dados deste computador: %1. %2</translation>
    </message>
    <message>
        <source>No share folder is set in Options: this computer only.</source>
        <translation>Nenhuma pasta compartilhada está definida nas Opções: apenas este computador.</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
</context>
<context>
    <name>CReportDialogBar</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the report as HTML file</source>
        <translation>Salvar o relatório como arquivo HTML</translation>
    </message>
    <message>
        <source>Set &amp;Group</source>
        <translation>Definir &amp;grupos</translation>
    </message>
    <message>
        <source>Manage groups and programs</source>
        <translation>Gerenciar grupos e programas</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>The days around this one, and its hours</source>
        <translation>Os dias em torno deste e suas horas</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>This computer</source>
        <translation>Este computador</translation>
    </message>
    <message>
        <source>All computers</source>
        <translation>Todos os computadores</translation>
    </message>
    <message>
        <source>Set Date:</source>
        <translation>Definir data:</translation>
    </message>
    <message>
        <source>Previous day (Alt+Left)</source>
        <translation>Dia anterior (Alt+Esquerda)</translation>
    </message>
    <message>
        <source>Previous day</source>
        <translation>Dia anterior</translation>
    </message>
    <message>
        <source>Next day (Alt+Right)</source>
        <translation>Próximo dia (Alt+Direita)</translation>
    </message>
    <message>
        <source>Next day</source>
        <translation>Próximo dia</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Atualizar</translation>
    </message>
</context>
<context>
    <name>CReportFrame</name>
    <message>
        <source>Log Report</source>
        <translation>Relatório de uso</translation>
    </message>
    <message>
        <source>Computing the report…</source>
        <translation>Calculando o relatório…</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Não é possível gravar o arquivo do relatório %1:
%2</translation>
    </message>
    <message>
        <source>Report generated successfully!

View Now?</source>
        <translation>Relatório gerado com sucesso!

Visualizá-lo agora?</translation>
    </message>
</context>
<context>
    <name>CReportModel</name>
    <message>
        <source>Top 5 Processes</source>
        <translation>5 processos principais</translation>
    </message>
    <message>
        <source>Top 5 Groups</source>
        <translation>5 grupos principais</translation>
    </message>
</context>
<context>
    <name>CReportSaveDialog</name>
    <message>
        <source>Hourglint Report Files (*.htm)</source>
        <translation>Arquivos de relatório do Hourglint (*.htm)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Cannot write the report file %1:
%2</source>
        <translation>Não é possível gravar o arquivo do relatório %1:
%2</translation>
    </message>
</context>
<context>
    <name>CReportWorker</name>
    <message>
        <source>The work could not be finished: %1</source>
        <translation>Não foi possível concluir o trabalho: %1</translation>
    </message>
</context>
<context>
    <name>CShareRow</name>
    <message>
        <source>Share my history with my other computers through the folder</source>
        <translation>Compartilhar meu histórico com meus outros computadores pela pasta</translation>
    </message>
    <message>
        <source>(not shared)</source>
        <translation>(não compartilhado)</translation>
    </message>
    <message>
        <source>Share folder</source>
        <translation>Pasta compartilhada</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>This computer&apos;s name there:</source>
        <translation>Nome deste computador lá:</translation>
    </message>
    <message>
        <source>The share folder %1 does not exist.</source>
        <translation>A pasta compartilhada %1 não existe.</translation>
    </message>
</context>
<context>
    <name>CShareSnapshots</name>
    <message>
        <source>Hourglint cannot share its history with your other computers: its database does not use write-ahead logging on this file system, so no consistent copy can be made while it runs.
No snapshots are written until the next start.</source>
        <translation>O Hourglint não consegue compartilhar seu histórico com seus outros computadores: o banco de dados dele não usa log de escrita antecipada (WAL) neste sistema de arquivos, então nenhuma cópia consistente pode ser feita enquanto ele está em execução.
Nenhum instantâneo será gravado até a próxima inicialização.</translation>
    </message>
    <message>
        <source>Cannot share the history with your other computers through the folder %1:
%2
Hourglint tries again in an hour.</source>
        <translation>Não é possível compartilhar o histórico com seus outros computadores pela pasta %1:
%2
O Hourglint tentará novamente em uma hora.</translation>
    </message>
</context>
<context>
    <name>CShellTray</name>
    <message>
        <source>Show/Hide the Program</source>
        <translation>Mostrar/ocultar o programa</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Relatório</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Histórico</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>So&amp;bre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Hide %1</source>
        <translation>O&amp;cultar %1</translation>
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
        <translation>Não é possível criar o arquivo de bloqueio %1.</translation>
    </message>
    <message>
        <source>Hourglint is already running (process %1, lock file %2), but it does not answer. End that process and start Hourglint again.</source>
        <translation>O Hourglint já está em execução (processo %1, arquivo de bloqueio %2), mas não responde. Encerre esse processo e inicie o Hourglint novamente.</translation>
    </message>
</context>
<context>
    <name>CSnapshotWriter</name>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written: %2</source>
        <translation>não é possível gravar na pasta %1: %2</translation>
    </message>
    <message>
        <source>the database is not in write-ahead-log mode</source>
        <translation>o banco de dados não está no modo de log de escrita antecipada (WAL)</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>cannot rename %1: %2</source>
        <translation>não é possível renomear %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
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
        <translation>Nenhum relatório exibido ainda.</translation>
    </message>
    <message>
        <source>No rows to draw.</source>
        <translation>Nenhuma linha para desenhar.</translation>
    </message>
    <message>
        <source>Bars for %1.</source>
        <translation>Barras de %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
</context>
<context>
    <name>CSwayForegroundSampler</name>
    <message>
        <source>Hourglint cannot reach sway&apos;s IPC socket (%1): %2.</source>
        <translation>O Hourglint não consegue acessar o socket IPC do sway (%1): %2.</translation>
    </message>
    <message>
        <source>sway&apos;s IPC socket (%1) did not answer.</source>
        <translation>O socket IPC do sway (%1) não respondeu.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to sway (%1). Until sway answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>O Hourglint perdeu a conexão com o sway (%1). Até o sway responder de novo, os segundos vão para o último programa em primeiro plano; o Hourglint se reconecta sozinho.</translation>
    </message>
</context>
<context>
    <name>CUsageDb</name>
    <message>
        <source>Fail to connect to the DB when flush!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao salvar!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to save data into Database!
Error Information: %1</source>
        <translation>Falha ao salvar os dados no banco de dados!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao carregar!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to load data from Database!
Error Information: %1</source>
        <translation>Falha ao carregar os dados do banco de dados!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when load DB for group!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao carregar os grupos!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when add group!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao adicionar um grupo!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to add group from Database!
Error Information: %1</source>
        <translation>Falha ao adicionar o grupo ao banco de dados!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when delete Group!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao excluir um grupo!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to delete Group!
Error Information: %1</source>
        <translation>Falha ao excluir o grupo!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when update item!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao atualizar um item!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to update item!
Error Information: %1</source>
        <translation>Falha ao atualizar o item!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report process!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao gerar o relatório por processo!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to report process!
Error Information: %1</source>
        <translation>Falha ao gerar o relatório por processo!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report group!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao gerar o relatório por grupo!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to report group!
Error Information: %1</source>
        <translation>Falha ao gerar o relatório por grupo!
Informações do erro: %1</translation>
    </message>
    <message>
        <source>Fail to connect to the DB when report history!
Error information:%1</source>
        <translation>Falha ao conectar ao banco de dados ao gerar o histórico!
Informações do erro:%1</translation>
    </message>
    <message>
        <source>Fail to report history!
Error Information: %1</source>
        <translation>Falha ao gerar o histórico!
Informações do erro: %1</translation>
    </message>
</context>
<context>
    <name>CWaylandClient</name>
    <message>
        <source>Hourglint cannot connect to the Wayland compositor.</source>
        <translation>O Hourglint não consegue se conectar ao compositor Wayland.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>O compositor Wayland fechou a conexão.</translation>
    </message>
</context>
<context>
    <name>CWaylandIdleTime</name>
    <message>
        <source>The Wayland compositor offers no seat.</source>
        <translation>O compositor Wayland não oferece nenhum seat.</translation>
    </message>
    <message>
        <source>The Wayland compositor offers no idle notification (ext_idle_notifier_v1 or org_kde_kwin_idle).</source>
        <translation>O compositor Wayland não oferece nenhuma notificação de inatividade (ext_idle_notifier_v1 ou org_kde_kwin_idle).</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>O compositor Wayland fechou a conexão.</translation>
    </message>
</context>
<context>
    <name>CWlrForegroundSampler</name>
    <message>
        <source>The Wayland compositor does not offer zwlr_foreign_toplevel_manager_v1.</source>
        <translation>O compositor Wayland não oferece zwlr_foreign_toplevel_manager_v1.</translation>
    </message>
    <message>
        <source>The Wayland compositor closed the connection.</source>
        <translation>O compositor Wayland fechou a conexão.</translation>
    </message>
    <message>
        <source>Hourglint lost its connection to the Wayland compositor. Until it answers again, the seconds go to the program that was last in front; Hourglint reconnects by itself.</source>
        <translation>O Hourglint perdeu a conexão com o compositor Wayland. Até ele responder de novo, os segundos vão para o último programa em primeiro plano; o Hourglint se reconecta sozinho.</translation>
    </message>
</context>
<context>
    <name>CX11ForegroundSampler</name>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but this is a Wayland session without an X11 display (DISPLAY is not set). Log in to an X11 session, or enable XWayland, and start Hourglint again.</source>
        <translation>O Hourglint precisa de uma sessão X11 para acompanhar o programa em primeiro plano, mas esta é uma sessão Wayland sem tela X11 (DISPLAY não está definida). Entre em uma sessão X11, ou ative o XWayland, e inicie o Hourglint novamente.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but no X11 display is available (DISPLAY is not set). Log in to an X11 session and start Hourglint again.</source>
        <translation>O Hourglint precisa de uma sessão X11 para acompanhar o programa em primeiro plano, mas nenhuma tela X11 está disponível (DISPLAY não está definida). Entre em uma sessão X11 e inicie o Hourglint novamente.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display &quot;%1&quot; could not be opened. Check that the X server is running and that this user may connect to it.</source>
        <translation>O Hourglint precisa de uma sessão X11 para acompanhar o programa em primeiro plano, mas não foi possível abrir a tela X11 &quot;%1&quot;. Verifique se o servidor X está em execução e se este usuário pode se conectar a ele.</translation>
    </message>
    <message>
        <source>Hourglint needs an X11 session to track the foreground program, but the X11 display has no screen %1.</source>
        <translation>O Hourglint precisa de uma sessão X11 para acompanhar o programa em primeiro plano, mas a tela X11 não tem o monitor %1.</translation>
    </message>
</context>
<context>
    <name>CommandOutput</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <translation>nenhum banco de dados em %1</translation>
    </message>
    <message>
        <source>the database %1 is not a regular file</source>
        <translation>o banco de dados %1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>output %1 is the database</source>
        <translation>a saída %1 é o banco de dados</translation>
    </message>
    <message>
        <source>output %1 is a link owned by another user</source>
        <translation>a saída %1 é um link de outro usuário</translation>
    </message>
    <message>
        <source>cannot write the report to standard output</source>
        <translation>não é possível gravar o relatório na saída padrão</translation>
    </message>
    <message>
        <source>no share folder is set in the Options</source>
        <translation>nenhuma pasta compartilhada está definida nas Opções</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file of another computer and what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>left out %1: %2</source>
        <extracomment>A file of another computer and why it was left out</extracomment>
        <translation>deixado de fora %1: %2</translation>
    </message>
    <message>
        <source>%1 was read as an unchanging file: its folder cannot be written</source>
        <translation>%1 foi lido como um arquivo imutável: não é possível gravar em sua pasta</translation>
    </message>
</context>
<context>
    <name>Duration</name>
    <message>
        <source>days: %D, %H:%M:%S</source>
        <extracomment>%D days, %H hours, %M minutes, %S seconds</extracomment>
        <translation>dias: %D, %H:%M:%S</translation>
    </message>
</context>
<context>
    <name>ForegroundBackend</name>
    <message>
        <source>%1 Only a locked screen pauses the counting.</source>
        <translation>%1 Só uma tela bloqueada pausa a contagem.</translation>
    </message>
    <message>
        <source>X11 (the window manager&apos;s _NET_ACTIVE_WINDOW)</source>
        <translation>X11 (_NET_ACTIVE_WINDOW do gerenciador de janelas)</translation>
    </message>
    <message>
        <source>sway (its i3 IPC socket)</source>
        <translation>sway (seu socket IPC do i3)</translation>
    </message>
    <message>
        <source>KDE Plasma (a KWin script)</source>
        <translation>KDE Plasma (um script do KWin)</translation>
    </message>
    <message>
        <source>GNOME Shell (Hourglint&apos;s extension)</source>
        <translation>GNOME Shell (a extensão do Hourglint)</translation>
    </message>
    <message>
        <source>wlroots compositors (foreign-toplevel: labwc, wayfire, river...)</source>
        <translation>compositores wlroots (foreign-toplevel: labwc, wayfire, river...)</translation>
    </message>
    <message>
        <source>No display: DISPLAY is not set.</source>
        <translation>Sem tela: DISPLAY não está definida.</translation>
    </message>
    <message>
        <source>HOURGLINT_BACKEND names no foreground backend (%1); known: %2.</source>
        <translation>HOURGLINT_BACKEND não indica nenhum backend de primeiro plano (%1); conhecidos: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Hourglint cannot tell which program is in front in this Wayland session: its compositor (%1) is not one Hourglint can ask. It does not fall back to Xwayland, which would see only some of the windows.
Supported: %2.</source>
        <translation>O Hourglint não consegue saber qual programa está em primeiro plano nesta sessão Wayland: seu compositor (%1) não é um que o Hourglint saiba consultar. Ele não recorre ao Xwayland, que veria apenas algumas das janelas.
Suportados: %2.</translation>
    </message>
</context>
<context>
    <name>GnomeExtension</name>
    <message>
        <source>cannot make %1</source>
        <translation>não é possível criar %1</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
</context>
<context>
    <name>HistoryHtml</name>
    <message>
        <source>History of Hourglint</source>
        <translation>Histórico do Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Salvo em: %1</translation>
    </message>
    <message>
        <source>From: %1 To: %2</source>
        <translation>De: %1 Até: %2</translation>
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
        <translation>Computadores: %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Daily Average</source>
        <translation>Média diária</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Parcela</translation>
    </message>
    <message>
        <source>Powered by</source>
        <translation>Gerado por</translation>
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
        <translation>Tempo por dia de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>An average day from %1 to %2: each hour&apos;s time divided by %n days</source>
        <translation>
            <numerusform>Um dia médio de %1 a %2: o tempo de cada hora dividido por %n dia</numerusform>
            <numerusform>Um dia médio de %1 a %2: o tempo de cada hora dividido por %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>Time per hour on %1</source>
        <translation>Tempo por hora em %1</translation>
    </message>
</context>
<context>
    <name>HtmlReportText</name>
    <message>
        <source>Log Report of Hourglint</source>
        <translation>Relatório de uso do Hourglint</translation>
    </message>
    <message>
        <source>Date Saved: %1</source>
        <translation>Salvo em: %1</translation>
    </message>
    <message>
        <source>&quot;Today&quot;: %1</source>
        <translation>&quot;Hoje&quot;: %1</translation>
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
        <translation>Gerado por</translation>
    </message>
</context>
<context>
    <name>IntegerField</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
</context>
<context>
    <name>LeftOutReason</name>
    <message>
        <source>is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>não pode ser aberto</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>grande demais</translation>
    </message>
    <message>
        <source>incomplete, still being copied?</source>
        <translation>incompleto, ainda sendo copiado?</translation>
    </message>
    <message>
        <source>damaged</source>
        <translation>danificado</translation>
    </message>
    <message>
        <source>another schema</source>
        <translation>outro esquema</translation>
    </message>
    <message>
        <source>too slow to read</source>
        <translation>lento demais para ler</translation>
    </message>
    <message>
        <source>written in the future</source>
        <translation>gravado no futuro</translation>
    </message>
    <message>
        <source>the same computer twice</source>
        <translation>o mesmo computador duas vezes</translation>
    </message>
    <message>
        <source>the same day sums as another file</source>
        <translation>as mesmas somas por dia que outro arquivo</translation>
    </message>
    <message numerus="yes">
        <source>%n days with implausible values</source>
        <translation>
            <numerusform>%n dia com valores implausíveis</numerusform>
            <numerusform>%n dias com valores implausíveis</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MergedHistoryModel</name>
    <message>
        <source>its hours could not be read</source>
        <translation>não foi possível ler suas horas</translation>
    </message>
</context>
<context>
    <name>OpenDocument</name>
    <message>
        <source>The operating system is out
of memory or resources.</source>
        <translation>O sistema operacional está sem
memória ou recursos.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>O arquivo especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>O caminho especificado não foi encontrado.</translation>
    </message>
    <message>
        <source>The operating system denied
access to the specified file.</source>
        <translation>O sistema operacional negou
o acesso ao arquivo especificado.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>Não havia memória suficiente para concluir a operação.</translation>
    </message>
    <message>
        <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
        <translation>O arquivo .EXE é inválido
(.EXE não Win32 ou erro na imagem .EXE).</translation>
    </message>
    <message>
        <source>A sharing violation occurred. </source>
        <translation>Ocorreu uma violação de compartilhamento. </translation>
    </message>
    <message>
        <source>The filename association is
incomplete or invalid.</source>
        <translation>A associação de nome de arquivo está
incompleta ou é inválida.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because the request timed out.</source>
        <translation>Não foi possível concluir a transação DDE
porque a solicitação expirou.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>A transação DDE falhou.</translation>
    </message>
    <message>
        <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
        <translation>Não foi possível concluir a transação DDE
porque outras transações DDE
estavam sendo processadas.</translation>
    </message>
    <message>
        <source>There is no application associated
with the given filename extension.</source>
        <translation>Não há aplicativo associado
à extensão de nome de arquivo informada.</translation>
    </message>
    <message>
        <source>The specified dynamic-link library was not found.</source>
        <translation>A biblioteca de vínculo dinâmico especificada não foi encontrada.</translation>
    </message>
    <message>
        <source>Unknown Error (%1) occurred.</source>
        <translation>Ocorreu um erro desconhecido (%1).</translation>
    </message>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>Não foi possível abrir o hiperlink:

%1</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is a link owned by another user</source>
        <translation>é um link de outro usuário</translation>
    </message>
    <message>
        <source>it is the database in use</source>
        <translation>é o banco de dados em uso</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>%1: it is a link owned by another user</source>
        <translation>%1: é um link de outro usuário</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A file&apos;s name, then why it cannot be written.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>it is no longer a pipe or device</source>
        <translation>não é mais um pipe ou dispositivo</translation>
    </message>
</context>
<context>
    <name>PrivateFolder</name>
    <message>
        <source>Cannot use the folder %1: %2.</source>
        <translation>Não é possível usar a pasta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot use %1: it is not a folder.</source>
        <translation>Não é possível usar %1: não é uma pasta.</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: it belongs to user %2, not to you (user %3).</source>
        <translation>Não é possível usar a pasta %1: ela pertence ao usuário %2, não a você (usuário %3).</translation>
    </message>
    <message>
        <source>Cannot use the folder %1: its mode is %2, but only you may have access to it (0700).</source>
        <translation>Não é possível usar a pasta %1: suas permissões são %2, mas só você pode ter acesso a ela (0700).</translation>
    </message>
    <message>
        <source>Cannot create the folder %1: %2.</source>
        <translation>Não é possível criar a pasta %1: %2.</translation>
    </message>
</context>
<context>
    <name>ReportMode</name>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processo</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoje</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ontem</translation>
    </message>
    <message>
        <source>Week Average</source>
        <translation>Média semanal</translation>
    </message>
    <message>
        <source>Month Average</source>
        <translation>Média mensal</translation>
    </message>
    <message>
        <source>Year Average</source>
        <translation>Média anual</translation>
    </message>
</context>
<context>
    <name>RunCommandLine</name>
    <message>
        <source>In this session: %1</source>
        <translation>Nesta sessão: %1</translation>
    </message>
    <message>
        <source>In this session the foreground program is read from %1.
Supported: %2.</source>
        <translation>Nesta sessão, o programa em primeiro plano é lido de %1.
Suportados: %2.</translation>
    </message>
</context>
<context>
    <name>SqliteConnection</name>
    <message>
        <source>the changes waiting in %1-wal cannot be read from a folder you cannot write (%2)</source>
        <translation>as alterações pendentes em %1-wal não podem ser lidas de uma pasta na qual você não pode gravar (%2)</translation>
    </message>
</context>
</TS>
