<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Mapas de biorritmo na tela e no papel, apenas para entretenimento.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Aviso: este programa de computador é protegido pela lei de direitos autorais.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte dele, pode resultar em severas punições civis e criminais, e os infratores serão processados com o máximo rigor permitido pela lei.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>&amp;Informações do sistema...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>Sobre o Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>emotional</source>
        <translation>emocional</translation>
    </message>
    <message>
        <source>The emotional cycle crosses the centre line.</source>
        <translation>O ciclo emocional cruza a linha central.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>físico</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>O ciclo físico cruza a linha central em subida.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intelectual</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>O ciclo intelectual cruza a linha central em subida.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>O ciclo físico está prestes a cruzar a linha central em descida.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>O ciclo intelectual está prestes a cruzar a linha central em descida.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Hoje você está em uma alta tripla, com os três ciclos positivos.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Hoje você está em uma baixa tripla, com os três ciclos negativos.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>Hoje é um dia propenso a acidentes. Um ou mais ciclos estão “críticos”.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>dia crítico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>alta tripla</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>baixa tripla</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>dia do nascimento</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>%1 nasce.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1º aniversário</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 completa %2 anos.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Não foi possível gravar o arquivo de calendário &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>ChartTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>ERRO DE DATA!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>Erro de entrada na data de início! Dados demais na caixa da data de início.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>ERRO DE HÍFEN NA DATA MM-DD-YYYY!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>Erro de entrada na data de início! Os separadores entre o mês e o dia, e entre o dia e o ano, devem ser hífens, por exemplo MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>ERRO DE ENTRADA NO MÊS</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de início! O mês deve ser um número de 01 a 12, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>ERRO DE ENTRADA NO DIA</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de início! O dia deve ser um número de 01 a 31, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>ERRO DE ENTRADA NO ANO</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de início! O ano deve ser um número de 1500 a 2099, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>Erro de entrada na data de nascimento! Dados demais na caixa da data de nascimento.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRO DE ENTRADA NO MÊS DA DATA DE NASCIMENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de nascimento! O mês deve ser um número de 01 a 12, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRO DE ENTRADA NO DIA DA DATA DE NASCIMENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de nascimento! O dia deve ser um número de 01 a 31, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRO DE ENTRADA NO ANO DA DATA DE NASCIMENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Erro de entrada na data de nascimento! O ano deve ser um número de 1500 a 2099, no formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>NÚMERO DE LINHAS POR PÁGINA INCORRETO!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>O número de linhas por página é zero ou negativo!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>O número de linhas por página deve ser um número inteiro!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>NENHUM NOME INFORMADO!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>Não há nenhum nome selecionado para usar no mapa!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>NENHUMA DATA DE NASCIMENTO INFORMADA!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>Não há nenhuma data de nascimento selecionada para usar no mapa!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>Erro de entrada na data de nascimento! A data deve ter o hífen (-) depois do mês e depois do dia! O formato deve ser MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>Erro de entrada na data de nascimento! O mês deve ser um número de 01 a 12</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>Erro de entrada na data de nascimento! O dia deve ser um número de 01 a 31</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>Erro de entrada na data de nascimento! O ano deve ser um número de 1500 a 2099</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>NENHUMA DATA DE INÍCIO DO MAPA INFORMADA!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>Não há uma data válida para indicar o início do mapa!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>NENHUMA DURAÇÃO DO MAPA INFORMADA!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>Não há nenhum número para indicar a duração desejada do mapa!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>DURAÇÃO DO MAPA LONGA DEMAIS!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>O mapa terminaria depois de 12-31-9999.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>Não há nenhum nome selecionado para usar na folha de rosto!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>Não há nenhuma data de nascimento selecionada para usar na folha de rosto!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>ERRO NA ENTRADA DE NOME E DATA</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>Nenhum nome ou data foi informado</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>ERRO NA ENTRADA DO NOME</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>Nenhum nome foi informado</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>ERRO NA ENTRADA DA DATA</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>Nenhuma data foi informada</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>Erro de entrada no mês! O mês deve ser um número de 01 a 12</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>Erro de entrada no dia! O dia deve ser um número de 01 a 31</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>Erro de entrada no ano! O ano deve ser um número de 1500 a 2099</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Um nome não pode conter o caractere de aspas duplas (&quot;). Remova-o ou use aspas simples.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Um nome não pode conter quebra de linha. Digite-o em uma única linha.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>A data de nascimento deve ter oito dígitos, MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>O nome contém um caractere de controle!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>MEMÓRIA INSUFICIENTE!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Pouca memória disponível para o programa.  Talvez você esteja tentando exibir dias demais!  Execute novamente exibindo menos dias!</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>Compare the two people</source>
        <translation>Comparar as duas pessoas</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Limpar a comparação</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Fechar este painel e manter a comparação</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Comparar duas pessoas</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Comparar com...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Escolher a segunda pessoa no banco de nomes</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Nome da segunda pessoa</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Data de nascimento da segunda pessoa</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Dias em que ambas têm um dia crítico</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>Do &amp;banco de nomes:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Data de nascimento:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(escolha um nome)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Compatibilidade com %1, nascimento em %2 (%3 dias de diferença):</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Físico %1%</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Emocional %1%</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Intelectual %1%</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Geral %1%</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Dias do período do mapa em que ambas têm um dia crítico: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>Ninguém está sendo comparado.  Digite o nome e a data de nascimento da segunda pessoa, ou escolha-a no banco de nomes, e clique em Comparar.</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>Não foi possível mover o arquivo %1 para %2.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Não foi encontrada nenhuma pasta para os arquivos do programa.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Não foi possível criar a pasta %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Não é possível gravar na pasta %1.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>BANCO DE NOMES</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>Guarde aqui os nomes e nascimentos mais usados!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Digite o nome como Nome Sobrenome</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Data de nascimento:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Digite a data de nascimento como MMDDYYYY</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Digite a data de nascimento como MMDDYYYY </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Exemplo: 9 de março de 1975 seria 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Adicionar esta entrada</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>Clique aqui para salvar esta entrada!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Nome selecionado:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Nome selecionado para usar no mapa</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Excluir este nome</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>Excluir a entrada selecionada! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Usar este nome</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>Usar o nome selecionado!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Fechar banco de nomes</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Fechar a janela do banco de nomes</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>Banco de nomes</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Nomes salvos</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Clique em um nome para selecioná-lo</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>NADA PARA EXCLUIR!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>Não há nenhum nome selecionado para excluir!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>NENHUM NOME SELECIONADO!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>Não há nenhum nome selecionado para usar!</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Physical</source>
        <extracomment>The names of the cycles in the graph&apos;s legend and readout.</extracomment>
        <translation>Físico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emocional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intelectual</translation>
    </message>
    <message>
        <source>Intuitive</source>
        <translation>Intuitivo</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Estético</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Consciência</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Espiritual</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Não foi possível gravar o arquivo &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>não foi possível desenhar o PDF</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>dia crítico</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>alta tripla (acima) ou baixa tripla (abaixo)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>hoje</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>dia crítico em comum</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>Comparação com %1, nascimento em %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>emocional</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>físico subindo</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>intelectual subindo</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>físico descendo</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>intelectual descendo</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1: não há.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A list a screen reader says of the graph: %1 is its heading (&quot;Critical days&quot;), %2 its items separated by semicolons.</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of days on the graph: %1 is the first date, %2 the last.</extracomment>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>SUN</source>
        <extracomment>The weekdays on the graph&apos;s date axis and in its readout: three letters, from Sunday.</extracomment>
        <translation>DOM</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>SEG</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>TER</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>QUA</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>QUI</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>SEX</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SÁB</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>dia %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>dia crítico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>alta tripla</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>baixa tripla</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>Gráfico de biorritmo, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n dia visível: %1</numerusform>
            <numerusform>%n dias visíveis: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Dias críticos</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Altas triplas</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Baixas triplas</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>A date as a screen reader hears it, in Qt&apos;s date format (MMMM the month&apos;s name, d the day, yyyy the year; words in single quotes stay as they are): in your language&apos;s order.</extracomment>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>dddd, MMMM d, yyyy</source>
        <extracomment>A weekday and date as a screen reader hears it, in Qt&apos;s date format (dddd the weekday&apos;s name, MMMM the month&apos;s, d the day, yyyy the year): in your language&apos;s order.</extracomment>
        <translation>dddd, d &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>Tidemark Help</source>
        <translation>Ajuda do Tidemark</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Ajuda do Tidemark</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fechar</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Fechar a ajuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Tópicos de ajuda</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Selecione no alto a categoria ou o tópico sobre o qual você precisa de ajuda, destacando-o com o cursor do mouse.  As informações aparecerão na caixa abaixo.  Role a lista para ver mais tópicos.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto da ajuda</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>In the upper left corner of the main program screen are shortcut icons.
  * OPEN FOLDER - opens the database screen.
  * PRINTER WITH PAPER (paper shows centered text) - prints a cover sheet.
  * PRINTER WITH PAPER (paper shows sine wave pattern) - prints a chart.
  * PRINTER WITH 2-SHEETS OF PAPER - prints a cover sheet and a chart.
  * COMPUTER SCREEN FILLED - prints chart to screen.
  * COMPUTER SCREEN EMPTY - clears the PRINT TO SCREEN window.
  * FOUR BLANK TEXT BOXES - clears all the text boxes on the left side of the screen.
  * THREE CURVES (red, blue and green) - shows the chart as a graph of the three cycles.
Rest the mouse on an icon to see what it does and its shortcut key.</source>
        <translation>No canto superior esquerdo da tela principal do programa ficam os ícones de atalho.
  * PASTA ABERTA - abre a tela do banco de nomes.
  * IMPRESSORA COM PAPEL (o papel mostra texto centralizado) - imprime uma folha de rosto.
  * IMPRESSORA COM PAPEL (o papel mostra uma onda senoidal) - imprime um mapa.
  * IMPRESSORA COM 2 FOLHAS DE PAPEL - imprime uma folha de rosto e um mapa.
  * TELA DE COMPUTADOR CHEIA - exibe o mapa na tela.
  * TELA DE COMPUTADOR VAZIA - limpa a janela EXIBIR MAPA NA TELA.
  * QUATRO CAIXAS DE TEXTO EM BRANCO - limpa todas as caixas de texto do lado esquerdo da tela.
  * TRÊS CURVAS (vermelha, azul e verde) - mostra o mapa como um gráfico dos três ciclos.
Deixe o mouse parado sobre um ícone para ver o que ele faz e qual é a sua tecla de atalho.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>O programa não instala automaticamente um ícone na sua área de trabalho.  Instalado a partir do pacote, o Tidemark fica no menu de aplicativos do seu ambiente de trabalho, em Escritório, e a maioria dos ambientes permite adicioná-lo à área de trabalho ou a um painel a partir dali.  Compilado a partir da pasta de código-fonte, o programa é o arquivo build/src/app/tidemark dentro dessa pasta (o tópico INSTALAR UMA ATUALIZAÇÃO explica como compilá-lo); adicione um lançador para esse arquivo com o editor de menus ou de lançadores do seu próprio ambiente de trabalho.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Para imprimir &apos;O QUE É UM BIORRITMO&apos; na impressora, selecione &apos;AJUDA&apos; no menu suspenso e depois &apos;IMPRIMIR O QUE É UM BIORRITMO&apos;.  Você também pode clicar no botão &apos;IMPRIMIR&apos; no alto da janela &apos;O QUE É UM BIORRITMO&apos;.

Esta folha será impressa na fonte que você selecionou em CONFIGURAÇÕES DA IMPRESSORA.  Com &apos;IMPRESSORA MATRICIAL&apos; selecionada, ou com a fonte Courier escolhida, ela é impressa em Courier, em colunas alinhadas.  Quando a Linha 1 do Cabeçalho da folha de rosto está preenchida, as linhas do cabeçalho são impressas no pé da folha.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>FOLHA DE ROSTO</translation>
    </message>
    <message>
        <source>The cover sheet contains information about the user and the chart, including:
  * user&apos;s name
  * a lead-in line that is optional and editable (see topic for more info)
  * four more editable lines (use for name/address, etc.  See topic for more info.)
  * user&apos;s birthdate
  * day of week born
  * astrological sign
  * age in years
  * age in days
  * length of chart
  * chart starting date
  * chart ending date
  * an explanation of the symbols used on the chart
  * a disclaimer</source>
        <translation>A folha de rosto contém informações sobre o usuário e o mapa, incluindo:
  * nome do usuário
  * uma linha de abertura opcional e editável (veja o tópico para mais informações)
  * mais quatro linhas editáveis (para nome/endereço etc.  Veja o tópico para mais informações.)
  * data de nascimento do usuário
  * dia da semana do nascimento
  * signo
  * idade em anos
  * idade em dias
  * duração do mapa
  * data de início do mapa
  * data final do mapa
  * uma explicação dos símbolos usados no mapa
  * um aviso de isenção de responsabilidade</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Linha de abertura</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>A linha de abertura no alto da folha de rosto é opcional.  Quando existe, ela é impressa centralizada abaixo do nome do usuário.

Para escolher uma, clique na seta da caixa &apos;ABERTURA&apos; na área &apos;CABEÇALHO DA FOLHA DE ROSTO&apos; e escolha uma das sete linhas oferecidas, ou clique dentro da caixa e digite uma linha sua.  Para deixá-la de fora, clique no botão &apos;&lt;&lt; LIMPAR&apos; ao lado dela.

A linha de abertura é salva quando você sai do programa e continua lá na próxima vez que você o iniciar.  As sete linhas oferecidas são impressas em inglês, como aparecem na lista.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nome e endereço</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>O nome e o endereço no alto da folha de rosto são opcionais.  Eles são formados pelas quatro linhas, de &apos;LINHA 1&apos; a &apos;LINHA 4&apos;, da área &apos;CABEÇALHO DA FOLHA DE ROSTO&apos;.

Digite nelas o que deve vir depois da linha de abertura, por exemplo seu nome, rua, cidade e endereço de e-mail.  Cada linha que não estiver vazia é impressa centralizada; uma linha vazia é omitida.  O botão &apos;&lt;&lt; LIMPAR&apos; ao lado de uma linha a esvazia.

As linhas são salvas quando você sai do programa.  Quando a &apos;LINHA 1&apos; está preenchida, elas também são impressas no pé da folha &apos;O QUE É UM BIORRITMO&apos;.</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>BANCO DE NOMES</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>O banco de nomes serve para guardar nomes e datas de nascimento usados com frequência.  Ele fica no arquivo bioname.dat, na pasta de dados do Tidemark, .local/share/Tidemark na sua pasta pessoal, e lista os nomes em ordem alfabética.  Escolher um nome nele preenche para você as caixas &apos;NOME&apos; e &apos;DATA DE NASCIMENTO&apos;; veja os tópicos a seguir.  Um nome é salvo no arquivo no momento em que você o adiciona ou exclui, de modo que duas cópias do Tidemark abertas ao mesmo tempo preservam os nomes uma da outra.  As configurações (o cabeçalho da folha de rosto, as configurações da impressora e as preferências do mapa) são salvas quando uma cópia é fechada, de modo que a última cópia a ser fechada mantém as suas configurações.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Adicionar um nome ao banco de nomes</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Com o mouse, selecione &apos;ARQUIVO&apos; no menu suspenso no alto da tela.

No menu &apos;ARQUIVO&apos;, selecione &apos;ABRIR BANCO DE NOMES&apos;.  A janela do banco de nomes se abre no meio da tela.

Digite o nome na caixa &apos;NOME&apos;, por exemplo Nome Sobrenome.  Um nome pode conter quaisquer letras, mas não aspas duplas (&quot;).

Digite a data de nascimento na caixa &apos;DATA DE NASCIMENTO&apos; com oito dígitos, MMDDYYYY (mês, dia, ano), sem hífens: 9 de março de 1975 seria 03091975.

Clique no botão &apos;ADICIONAR ESTA ENTRADA&apos;.  O nome é salvo na hora e aparece na lista em ordem alfabética.  Adicione quantos nomes quiser e depois clique em &apos;FECHAR BANCO DE NOMES&apos;.

(Opcional: abra o banco de nomes pelo teclado mantendo pressionada a tecla &apos;CTRL&apos; e pressionando a tecla &apos;O&apos;, ou use o ícone de atalho &apos;PASTA ABERTA&apos;.)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Excluir um nome do banco de nomes</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Com o mouse, selecione &apos;ARQUIVO&apos; no menu suspenso.

No menu &apos;ARQUIVO&apos;, selecione &apos;ABRIR BANCO DE NOMES&apos;.

Clique na lista no nome que deseja excluir, para que ele apareça na caixa &apos;NOME SELECIONADO&apos;, e depois clique no botão &apos;EXCLUIR ESTE NOME&apos;.  O nome é removido na hora; não é pedida confirmação.

(Só é possível selecionar e excluir um nome por vez.  Um nome excluído pode ser restaurado: clique na lista, mantenha pressionada a tecla &apos;CTRL&apos; e pressione a tecla &apos;Z&apos;.  Cada vez que você pressiona, mais um nome é restaurado, começando pelo último excluído, no lugar onde estava no arquivo, enquanto o programa estiver aberto.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Usar um nome do banco de nomes</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Com o mouse, selecione &apos;ARQUIVO&apos; no menu suspenso no alto da tela.

No menu &apos;ARQUIVO&apos;, selecione &apos;ABRIR BANCO DE NOMES&apos; e clique na lista no nome desejado, para que ele apareça na caixa &apos;NOME SELECIONADO&apos;.

Clique no botão &apos;USAR ESTE NOME&apos;.  A janela do banco de nomes se fecha, o nome e a data de nascimento vão para as caixas &apos;NOME&apos; e &apos;DATA DE NASCIMENTO&apos;, os demais dados são preenchidos e o cursor fica à espera na caixa &apos;DURAÇÃO DO MAPA EM DIAS&apos;.</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>EXIBIR MAPA NA TELA</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Selecione &apos;ARQUIVO&apos; no menu suspenso no alto da tela.  &apos;Exibir mapa na tela&apos; permite exibir um mapa contínuo e rolá-lo para a frente ou para trás.

O mapa é feito a partir do nome, da data de nascimento, da data de início e da duração do mapa do lado esquerdo da tela e das suas &apos;PREFERÊNCIAS DO MAPA&apos;.  Enquanto ele é exibido, os menus e os outros ícones ficam indisponíveis; para fechá-lo, clique em &apos;FECHAR ESTA JANELA&apos; no canto superior direito ou no ícone &apos;TELA DE COMPUTADOR VAZIA&apos;, ou pressione a tecla &apos;ESC&apos;.  As teclas de seta e de página percorrem o mapa; com a tecla &apos;SHIFT&apos; pressionada elas selecionam, e &apos;CTRL&apos; e &apos;C&apos; copiam o que está selecionado (&apos;CTRL&apos; e &apos;A&apos; seleciona o mapa inteiro).</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>PREFERÊNCIAS DO MAPA</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>Veja a categoria &apos;CONFIGURAÇÕES DA IMPRESSORA&apos;.</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>CONFIGURAÇÕES PADRÃO</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Com o mouse, selecione &apos;EDITAR&apos; no menu suspenso no alto da tela.  No menu &apos;EDITAR&apos;, selecione &apos;CONFIGURAÇÕES PADRÃO&apos;.  Todas as configurações voltarão aos valores de fábrica.</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>AJUDA POR E-MAIL</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Caso a sua resposta não esteja nesta ajuda, você pode enviar um e-mail e tentaremos responder à sua dúvida, ou pode escrever para o endereço abaixo.

Descreva o problema com precisão: diga o que estava fazendo, qual item de menu ou botão usou e o que viu (copie o texto de qualquer mensagem).  Informe a versão mostrada em &apos;SOBRE O TIDEMARK&apos;, no menu &apos;AJUDA&apos;, e o sistema em que você o executa.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>ÍCONES</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Ícone na área de trabalho</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>INSTALAR UMA ATUALIZAÇÃO</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Quando quiser instalar uma versão mais nova do programa no seu computador, primeiro é preciso desinstalar o programa atual.  Instalado a partir do pacote, o Tidemark é removido com o gerenciador de pacotes do sistema (apt-get remove tidemark); compilado a partir da pasta de código-fonte, remova essa pasta.  Seus nomes, configurações e o cabeçalho da folha de rosto ficam na pasta de dados do Tidemark, .local/share/Tidemark na sua pasta pessoal, e são mantidos, de modo que a nova versão começa com eles (versões que os guardavam em .local/share/Tidemark/Tidemark os transferem sozinhas).  Depois, instale o pacote da nova versão com o gerenciador de pacotes, ou coloque a pasta de código-fonte dela no lugar da antiga, abra um terminal nela, e compile e inicie o programa com os comandos abaixo.  A compilação precisa dos pacotes cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf e fonts-liberation, que o gerenciador de pacotes do sistema instala.  (Para gerar o próprio pacote, execute &apos;cpack -G DEB&apos; na pasta build e instale o arquivo gerado com &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>DURAÇÃO DO MAPA</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>A duração do mapa impresso pode ser de qualquer número de dias.  Digite o número de dias na caixa &apos;DURAÇÃO DO MAPA EM DIAS&apos; e a caixa &apos;DATA FINAL DO MAPA&apos; é preenchida automaticamente.  Um mapa longo simplesmente ocupa mais páginas.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Definir os dias</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>A duração do mapa impresso é escolhida pelo usuário.  Primeiro, verifique se a caixa &apos;INÍCIO DO MAPA&apos; contém a data de início no formato MM-DD-YYYY (a data de hoje é colocada ali quando o programa é iniciado, e o botão &apos;&lt;&lt; REDEFINIR&apos; a coloca de volta); depois digite o número de dias na caixa &apos;DURAÇÃO DO MAPA EM DIAS&apos;.

Uma nova data de início esvazia a duração e a data final; portanto, digite a duração novamente depois de mudar a data de início.  A caixa da duração fica vazia até que a data de início esteja completa.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>ENTRADA MANUAL</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>Os nomes para os quais você imprime mapas com regularidade provavelmente merecem ser cadastrados no banco de nomes.  Para um nome que você só precisa de vez em quando, digite o nome e a data de nascimento diretamente nas caixas &apos;NOME&apos; e &apos;DATA DE NASCIMENTO&apos; da tela principal do programa, como descrevem os tópicos a seguir.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Data de nascimento</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>Na tela principal do programa, clique com o cursor do mouse dentro da caixa de texto &apos;DATA DE NASCIMENTO&apos; (a segunda de cima para baixo).  Digite a data de nascimento como MM-DD-YYYY (mês, dia, ano), com os hífens: 9 de março de 1975 é digitado 03-09-1975.  São aceitos anos de 1500 a 2099.

Depois que o nome e a data de nascimento forem informados, o programa preencherá automaticamente as demais informações necessárias.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nome</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>Na tela principal do programa, clique com o cursor do mouse dentro da caixa de texto &apos;NOME&apos;.

Digite o nome como deseja que apareça no mapa e na folha de rosto, por exemplo Nome Sobrenome.  O mapa mostra o nome em letras maiúsculas no topo.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PREFERÊNCIAS</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>Veja a categoria &apos;CONFIGURAÇÕES DA IMPRESSORA&apos;.  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>CONFIGURAÇÕES DA IMPRESSORA</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>Há várias opções que você pode escolher ao preparar a impressão de um mapa.  Elas ficam nas áreas &apos;CONFIGURAÇÕES DA IMPRESSORA&apos; e &apos;PREFERÊNCIAS DO MAPA&apos; da tela principal do programa, e cada uma é descrita em um tópico abaixo.  Suas escolhas são salvas quando você sai do programa, e &apos;CONFIGURAÇÕES PADRÃO&apos;, no menu &apos;EDITAR&apos;, as devolve aos valores de fábrica.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Cores</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Quando a caixa de seleção &apos;IMPRIMIR EM CORES&apos; está marcada, cada um dos três ciclos é impresso em uma cor diferente: o ciclo físico (P) em vermelho, o ciclo emocional (E) em azul e o ciclo intelectual (I) em verde.  As marcas de alta e baixa tripla são impressas em magenta.

A cor é usada apenas no mapa impresso; o mapa na tela e a folha de rosto são em preto.  Uma impressora sem cores imprime as cores em preto ou em tons de cinza.  Para imprimir só em preto, clique na caixa de seleção até que ela fique desmarcada.

(Configuração padrão: Imprimir em cores = ativado.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Data</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Quando a caixa de seleção &apos;DATA ATUAL EM CADA PÁGINA&apos; está marcada, a data em que o mapa é impresso aparece no canto superior direito de cada página, depois das palavras &apos;DATE PREPARED:&apos;.  Clique na caixa de seleção até que ela fique desmarcada para omitir a data.

(Configuração padrão: Data atual em cada página = ativado.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Estilo da fonte</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Há três tipos de fonte disponíveis para o mapa e a folha de rosto.  Escolha Arial, Courier ou Times na lista &apos;FONTE&apos; da área &apos;CONFIGURAÇÕES DA IMPRESSORA&apos;, ou digite o nome de outra fonte instalada no seu computador.

A fonte é usada com impressoras laser, jato de tinta ou similares; com &apos;IMPRESSORA MATRICIAL&apos; selecionada, tudo é impresso em Courier.  As fontes são localizadas pelo serviço de fontes do sistema (fontconfig): quando as próprias Arial, Courier ou Times não estão instaladas, são usadas fontes equivalentes, como as fontes Liberation do pacote fonts-liberation.

(Configuração padrão: fonte Arial para impressoras do tipo laser, fonte Courier para impressoras matriciais.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Previsão</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Quando a caixa de seleção &apos;PREVISÃO DIÁRIA&apos; está marcada, uma previsão de três linhas é impressa no mapa para cada dia que aparece no mapa do usuário.  Ela traz uma frase para cada um dos ciclos emocional, físico e intelectual, com mais uma linha antes em um dia de alta tripla, de baixa tripla ou propenso a acidentes.  A previsão também aparece no mapa na tela.  As frases da previsão são escritas em inglês.

Se não quiser a previsão impressa, clique na caixa de seleção &apos;PREVISÃO DIÁRIA&apos; até que ela fique desmarcada.

(Configuração padrão: Previsão diária = desativado.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mensagens festivas</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Quando a caixa de seleção &apos;MENSAGENS FESTIVAS&apos; está marcada, o usuário é saudado com uma mensagem de uma linha em certos dias do mapa: Ano-Novo, Natal, toda sexta-feira 13 e o aniversário do usuário, que também informa a idade completada.  As mensagens aparecem no mapa na tela e no mapa impresso, em inglês.

(Configuração padrão: Mensagens festivas = ativado.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Linhas por página</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>O usuário pode indicar quantas linhas deseja em cada página.  Digite o número na caixa &apos;NÚMERO DE LINHAS POR PÁGINA&apos; da área &apos;CONFIGURAÇÕES DA IMPRESSORA&apos;, apenas com algarismos e sem zero à esquerda.  A contagem inclui o cabeçalho no alto de cada página, de modo que, com 50 linhas e espaço simples, cada página comporta até 42 dias.  Se as páginas passarem para uma folha a mais, diminua o número (veja SOLUÇÃO DE PROBLEMAS).

(Configuração padrão: Número de linhas por página = 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Espaçamento</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Há três configurações diferentes que afetam o espaçamento do mapa impresso.  Para escolher uma, clique no botão de opção desejado.

 * Espaço simples -- esta configuração produz um mapa em espaço simples.

 * Espaço duplo -- esta configuração coloca uma linha em branco entre as linhas de cada dia.  Esta opção deixa o mapa mais fácil de ler.

 * Espaço duplo com linhas -- esta configuração coloca uma linha tracejada entre as linhas de cada dia, o que facilita acompanhar cada dia ao longo da página.

(Configuração padrão: Espaço duplo com linhas.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tipo de impressora</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Na configuração da impressora, você só precisa escolher uma de duas opções.  Escolha &apos;IMPRESSORA MATRICIAL&apos; para uma impressora que imprime em colunas fixas, ou &apos;LASER, JATO DE TINTA OU SIMILAR&apos; para qualquer outra impressora, o que abrange quase todas as impressoras em uso hoje.  A escolha determina como as linhas são posicionadas na página.

(Configuração padrão: impressora do tipo laser.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>IMPRESSÃO</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>Veja os tópicos que seguem esta categoria para detalhes sobre a impressão dos diferentes formulários.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mapa</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Quando estiver pronto para imprimir um mapa, você pode selecionar a opção &apos;IMPRIMIR MAPA&apos; no menu suspenso &apos;ARQUIVO&apos;.  O mapa é impresso para o nome, a data de nascimento, a data de início e a duração do mapa da tela principal do programa, com as suas configurações da impressora e preferências do mapa.

Você também pode usar o ícone de atalho correspondente para imprimir o mapa.

O mapa vai para a sua impressora padrão.  Quando não há nenhuma impressora configurada, o programa pede o nome de um arquivo PDF e imprime o mapa nele.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Quando a caixa de seleção &apos;IMPRIMIR EM CORES&apos; está marcada, cada um dos três ciclos é impresso em uma cor diferente no mapa: vermelho para o ciclo físico (P), azul para o ciclo emocional (E) e verde para o ciclo intelectual (I), com as marcas de alta e baixa tripla e a linha de Ano-Novo em magenta, a linha de Natal em verde, a linha de sexta-feira 13 em ciano e a linha de aniversário em vermelho.  A caixa de seleção fica na área &apos;CONFIGURAÇÕES DA IMPRESSORA&apos;; imprimir em cores demora mais, então desmarque-a quando quiser um mapa rápido em preto.

(Configuração padrão: Imprimir em cores = ativado.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Folha de rosto</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Quando estiver pronto para imprimir uma folha de rosto, você pode selecionar a opção &apos;IMPRIMIR FOLHA DE ROSTO&apos; no menu suspenso &apos;ARQUIVO&apos;.  O nome, a data de nascimento, a data de início e a duração do mapa precisam ser preenchidos antes.

Você também pode usar o ícone de atalho correspondente para imprimir a folha de rosto.

Para imprimir a folha de rosto e o mapa juntos, selecione &apos;IMPRIMIR FOLHA DE ROSTO E MAPA&apos; no menu &apos;ARQUIVO&apos;; a folha de rosto sai primeiro.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -O que é um biorritmo</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>RESOLUÇÃO</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>O programa deve funcionar bem em qualquer resolução de tela na qual a janela inteira caiba (veja RESOLUÇÃO DE TELA).  A resolução é alterada nas configurações de tela do seu ambiente de trabalho, por exemplo Configurações, Telas no GNOME, ou Configurações do sistema, Tela no KDE Plasma.

O texto do Tidemark acompanha a altura da tela.  Em uma tela de 480, 600, 720, 768, 864, 960, 1024 ou 1200 pixels de altura, os rótulos, caixas e botões assumem o tamanho previsto para essa altura, de 8 pontos na menor a 18 pontos na maior, e o título do aviso inicial cresce com eles; em uma tela de qualquer outra altura, o texto mantém seu tamanho (10 pontos no tamanho normal do texto).  As posições e larguras das caixas e molduras acompanham a janela quando ela é redimensionada, e os painéis que ela abre sobre si mesma ajustam o tamanho de acordo com ela.

O menu &apos;EXIBIR&apos; aumenta ou diminui todo o texto da janela, do mapa e do gráfico em passos de um décimo: &apos;AUMENTAR TEXTO&apos; (CTRL++), &apos;DIMINUIR TEXTO&apos; (CTRL+-) e &apos;TAMANHO NORMAL DO TEXTO&apos; (CTRL+0), que volta ao tamanho descrito acima.  O texto cresce até o maior tamanho com o qual a janela inteira ainda cabe na tela e diminui até oito décimos; o tamanho mínimo da janela cresce e diminui junto.  O programa lembra o tamanho do texto na próxima vez que for iniciado.  Na primeira vez que é iniciado em uma tela com uma altura que não está na lista acima, ele adota o tamanho da altura listada mais próxima abaixo dela, desde que a janela caiba (18 pontos em uma tela de 1080 ou 1440 pixels de altura).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>RESOLUÇÃO DE TELA</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>A melhor resolução de tela para usar este programa é 1024 x 768 ou maior.  A janela se abre dentro da tela e pode ser reduzida até o limite que o texto permite, mostrando cada rótulo por inteiro: cerca de 720 x 490 pixels com texto de 10 pontos, 1010 x 670 com o texto de 14 pontos de uma tela de 768 pixels de altura, 1250 x 790 com o texto de 18 pontos de uma tela de 960 ou 1024 pixels de altura, e 1250 x 960 em uma tela de 1200 pixels de altura, onde as caixas ficam mais altas junto com a janela.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>ÍCONES DE ATALHO</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>TECLAS DE ATALHO</translation>
    </message>
    <message>
        <source>Each menu command can be reached by holding &apos;ALT&apos; and pressing the underlined letters of the menu and of the command.  These commands also have a key of their own:
  * CTRL+O - opens the database screen.
  * CTRL+P - prints a chart.
  * CTRL+D - displays the chart to the screen.
  * CTRL+G - displays the graph of the three cycles.
  * CTRL++ (or CTRL+=) - makes the text larger.
  * CTRL+- - makes the text smaller.
  * CTRL+0 - returns the text to its normal size.
  * F1 - shows these help topics.
  * CTRL+Q - exits the program.
  * ESC - closes the chart, the graph, the database screen, the &apos;WHAT IS A BIORHYTHM&apos; window or the help window that is shown.
At start-up, ENTER or ESC puts the notice aside.  In the database screen, ENTER in the birthdate box adds the name, ENTER on a name uses it, DELETE deletes it and CTRL+Z in the list puts the name deleted last back.  The TAB key moves from box to box, the boxes the program fills in included, and reaches the shortcut icons too.
In the graph, the LEFT and RIGHT ARROW keys move the day cursor (a black line) a day at a time, and the top of the graph shows its date, its day count, the three cycles in percent and whether it is a critical day, a triple high or a triple low.  PAGE UP and PAGE DOWN move a whole view back or on, HOME and END go to the first or last day, + and - show fewer or more days, and SHIFT+F10 or the MENU key opens the graph&apos;s menu (save, print, close).</source>
        <translation>Todo comando de menu pode ser acessado mantendo pressionada a tecla &apos;ALT&apos; e pressionando as letras sublinhadas do menu e do comando.  Estes comandos também têm uma tecla própria:
  * CTRL+O - abre a tela do banco de nomes.
  * CTRL+P - imprime um mapa.
  * CTRL+D - exibe o mapa na tela.
  * CTRL+G - exibe o gráfico dos três ciclos.
  * CTRL++ (ou CTRL+=) - aumenta o texto.
  * CTRL+- - diminui o texto.
  * CTRL+0 - volta o texto ao tamanho normal.
  * F1 - mostra estes tópicos de ajuda.
  * CTRL+Q - sai do programa.
  * ESC - fecha o mapa, o gráfico, a tela do banco de nomes, a janela &apos;O QUE É UM BIORRITMO&apos; ou a janela de ajuda que estiver aberta.
Na inicialização, ENTER ou ESC fecha o aviso.  Na tela do banco de nomes, ENTER na caixa da data de nascimento adiciona o nome, ENTER sobre um nome usa esse nome, DELETE o exclui e CTRL+Z na lista restaura o último nome excluído.  A tecla TAB passa de uma caixa para outra, inclusive as caixas que o programa preenche, e também alcança os ícones de atalho.
No gráfico, as teclas SETA PARA A ESQUERDA e SETA PARA A DIREITA movem o cursor de dia (uma linha preta) um dia por vez, e o alto do gráfico mostra a data, a contagem de dias, os três ciclos em porcentagem e se é um dia crítico, uma alta tripla ou uma baixa tripla.  PAGE UP e PAGE DOWN voltam ou avançam uma visualização inteira, HOME e END vão para o primeiro ou o último dia, + e - mostram menos ou mais dias, e SHIFT+F10 ou a tecla MENU abre o menu do gráfico (salvar, imprimir, fechar).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>INFORMAÇÕES DO SISTEMA</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Se quiser ver informações sobre o seu computador, incluímos um pequeno utilitário prático no programa.  No menu &apos;AJUDA&apos;, selecione &apos;SOBRE O TIDEMARK&apos; e clique no botão &apos;INFORMAÇÕES DO SISTEMA...&apos;.  Ele inicia o primeiro programa de informações do sistema que encontrar instalado (como HardInfo, KDE Info Center ou Monitor do sistema do GNOME); quando não há nenhum, ele avisa que as informações do sistema não estão disponíveis.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>SOLUÇÃO DE PROBLEMAS</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Se você estiver tendo problemas com o programa, percorra as perguntas dos tópicos a seguir para ver se o seu problema está listado.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -O mapa imprime devagar</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>A opção de cores deixa a impressão consideravelmente mais lenta.  Se o seu mapa imprime devagar, clique na caixa de seleção &apos;IMPRIMIR EM CORES&apos; da área &apos;CONFIGURAÇÕES DA IMPRESSORA&apos; até que ela fique desmarcada; o mapa passa então a ser impresso só em preto.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -O mapa não imprime</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>O mapa vai para a fila da impressora padrão do sistema (CUPS), ou para a primeira impressora instalada quando nenhuma está definida como padrão.  Verifique se há uma impressora instalada e definida como padrão nas configurações de impressora do sistema (ou na página do CUPS em http://localhost:631), se ela está ligada e se tem papel.  Quando não há nenhuma impressora configurada, o programa pede o nome de um arquivo PDF em vez disso, e quando a impressão falha ele avisa com uma mensagem.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -A página 2 não imprime uma página inteira</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Se a página 2 imprime só uma parte da página e a impressão continua na página 3, o problema é que a opção de impressora &apos;NÚMERO DE LINHAS POR PÁGINA&apos; está alta demais.  Diminua o número nessa caixa da área &apos;CONFIGURAÇÕES DA IMPRESSORA&apos; até que cada página do mapa caiba em uma folha de papel.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -O mapa na tela não fica alinhado</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Ao exibir o mapa na tela, se a linha central não ficar reta, isso indica que a fonte &apos;LIBERATION MONO&apos; não está instalada corretamente no seu computador.  O programa mostra o mapa em Liberation Mono, uma fonte em que todas as letras têm a mesma largura, fornecida pelo pacote fonts-liberation (o gerenciador de pacotes do sistema a instala); quando essa fonte não está disponível, ele usa a fonte de largura fixa do próprio sistema.  O comando fc-list &apos;Liberation Mono&apos; mostra se a fonte está instalada: ele não imprime nada quando ela não está.

Observe que você pode ter a fonte &apos;COURIER NEW&apos; instalada, mas ela não é a fonte que o programa exige.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Não há ícone na área de trabalho</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>O QUE É UM BIORRITMO?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Muitas vezes você vai querer imprimir um mapa para um amigo ou parente que não sabe o que é um biorritmo.  A folha &apos;O QUE É UM BIORRITMO&apos; explica em palavras simples os três ciclos, os dias críticos e os dias de alta e baixa tripla; leia-a na tela ou imprima-a para entregar junto com o mapa (a folha impressa sai em inglês).

Qualquer informação que você tenha digitado nas linhas 1 a 4 do Cabeçalho da folha de rosto será impressa no pé deste formulário &apos;O QUE É...&apos;.  Quando a Linha 1 está vazia, nenhuma das quatro linhas é impressa.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Exibir na tela</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Para ver &apos;O QUE É UM BIORRITMO&apos;, selecione &apos;AJUDA&apos; no menu suspenso no alto da tela e depois &apos;O QUE É UM BIORRITMO?&apos;.  O texto se abre em uma janela no meio da tela: role-o com a barra à direita, imprima-o com o botão &apos;IMPRIMIR&apos; e feche-o com o botão &apos;FECHAR&apos;.</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Imprimir a definição</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>COMPARAR DUAS PESSOAS</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Para ver como os seus ciclos combinam com os de outra pessoa, preencha o nome, a data de nascimento, a data de início e a duração do mapa como para um mapa; depois selecione &apos;ARQUIVO&apos; no menu suspenso no alto da tela e &apos;COMPARAR COM...&apos;.  No painel que se abre, digite o nome e a data de nascimento da segunda pessoa (MM-DD-YYYY), ou escolha-a no banco de nomes no alto do painel, e clique em &apos;COMPARAR&apos; (ou pressione &apos;ENTER&apos;).

O painel mostra a compatibilidade das duas pessoas em cada ciclo e no geral, e lista os dias do período do mapa em que ambas têm um dia crítico.  Para cada ciclo, sendo D o número de dias entre as duas datas de nascimento e P a duração do ciclo em dias (23, 28 ou 33), a compatibilidade é 100 x |cos(pi x D / P)| por cento, arredondada para um número inteiro: 100% quando os dois ciclos andam em sincronia (D é 0 ou um número inteiro de ciclos), 0% quando um está meio ciclo atrás do outro.  A compatibilidade geral é a média das três porcentagens, arredondada.

Enquanto a comparação estiver ativa, &apos;EXIBIR GRÁFICO NA TELA&apos; desenha também os três ciclos da segunda pessoa, mais finos e mais claros, na cor e no estilo de linha de cada ciclo, e os identifica na legenda; um pequeno triângulo preto no alto do gráfico marca cada dia em que ambas têm um dia crítico.  Pressione &apos;ESC&apos; ou clique em &apos;FECHAR&apos; para fechar o painel e manter a comparação; clique em &apos;LIMPAR&apos; no painel, ou selecione &apos;LIMPAR COMPARAÇÃO&apos; no menu &apos;ARQUIVO&apos;, para encerrá-la.  A comparação não é salva, e o mapa, as impressões e as configurações tratam de uma única pessoa.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Preparando o mapa...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Exibir mapa na tela</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Abrir banco de nomes</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Adicionar, escolher ou excluir os nomes que você usa com mais frequência</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>Imprimir &amp;folha de rosto (somente)</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Imprimir a folha de rosto desta pessoa</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Imprimir &amp;mapa (somente)</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Imprimir o mapa desta pessoa</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Imprimir folha de rosto e mapa</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Imprimir a folha de rosto e depois o mapa</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>&amp;Exibir mapa na tela</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Mostrar o mapa na janela</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Visualizar impressão...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Ver as páginas antes de imprimi-las</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Exportar como &amp;PDF...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Gravar o mapa, a folha de rosto ou ambos em arquivos PDF</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>Exibir &amp;gráfico na tela</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Mostrar os três ciclos como curvas</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>Exportar para ca&amp;lendário...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Gravar os dias críticos e os aniversários do período do mapa em um arquivo de calendário</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Comparar com...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Comparar esta pessoa com outra: como os ciclos combinam e os dias críticos de ambas</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Limpa&amp;r comparação</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Encerrar a comparação: o gráfico volta a mostrar só esta pessoa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Salvar as configurações e fechar o Tidemark</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>&amp;Limpar todas as caixas abaixo</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Esvaziar o nome, a data de nascimento e as datas do mapa</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>&amp;Configurações padrão</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Restaurar as configurações da impressora e as preferências do mapa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Obter ajuda sobre...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Mostrar os tópicos de ajuda</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>O &amp;que é um biorritmo?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Ler o que o mapa mostra</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Imprimir O que é um biorritmo?</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Imprimir a explicação do mapa</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>&amp;Sobre o Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Mostrar a versão e informações sobre este computador</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Abrir banco de nomes</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Fechar a janela do mapa na tela</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Fechar o mapa</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Imprimir folha de rosto</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir mapa</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Imprimir folha de rosto e mapa</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Limpar todas as caixas abaixo</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Exibir gráfico na tela</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>A comparação foi encerrada.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar para calendário</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Arquivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>O calendário foi gravado em %1.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Salvar gráfico como PNG ou PDF...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Imprimir gráfico...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Fechar gráfico</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Cores padrão</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Cores para daltônicos (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Ciclos secundários</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 dias)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Não foi possível imprimir o gráfico.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>o gráfico</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>Imagens PNG (*.png);;Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> O Tidemark continua com as configurações padrão.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>as alterações feitas nesta execução não poderão ser salvas.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> As configurações foram lidas dele, mas </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> O Tidemark continua com as configurações padrão, e </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Será feita uma nova tentativa na próxima inicialização; até lá, as alterações não serão salvas.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>ERRO NO ARQUIVO DE CONFIGURAÇÕES!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Mapas de biorritmo</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>AVISO: Este programa é protegido pela lei de direitos autorais.  A reprodução ou distribuição não autorizada deste programa, ou de qualquer parte dele, será punida com o máximo rigor da lei.  Este programa é fornecido apenas para fins de entretenimento, e não se afirma que alguém deva se orientar física ou espiritualmente por qualquer material produzido por ele.  Ao usar este programa, você concorda com estes termos.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Clique neste aviso, ou pressione Enter, para começar.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Pressione Enter para começar</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Fechar esta janela</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Documento:</translation>
    </message>
    <message>
        <source>SAVE ERROR!</source>
        <translation>ERRO AO SALVAR!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Aumentar texto</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Aumentar o texto da janela</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>&amp;Diminuir texto</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Diminuir o texto da janela</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Tamanho &amp;normal do texto</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Mostrar o texto da janela no tamanho original</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>O texto já está no maior tamanho que esta tela comporta.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>ERRO NO BANCO DE NOMES</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Ele mantém o conteúdo anterior.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>outra cópia do Tidemark o está alterando</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>não é possível gravar na pasta dele</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>não foi possível gravar o arquivo de bloqueio %1</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>Não foi possível bloquear o banco de nomes %1 (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>O arquivo do banco de nomes %1 não foi encontrado. A lista está vazia; adicionar um nome cria um novo arquivo.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> A lista de nomes está vazia, e o arquivo foi mantido como está.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> A nova entrada não foi adicionada.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>BANCO DE NOMES CHEIO</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>O banco de nomes já contém 32.767 entradas, o máximo que ele comporta. Exclua um nome antes de adicionar outro.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>O banco de nomes já contém %1 entradas, mais do que as 32.767 que ele comporta. Exclua %2 nomes antes de adicionar outro.</numerusform>
            <numerusform>O banco de nomes já contém %1 entradas, mais do que as 32.767 que ele comporta. Exclua %2 nomes antes de adicionar outro.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> O nome excluído não foi restaurado.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Redefinir</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Digite o nome ou busque no banco de nomes</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Digite a data como MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>Redefinir para a data atual!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Redefinir data de início</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Data de nascimento (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Signo:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>Dia da semana do nascimento:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Idade em dias:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Idade em anos:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Início do mapa (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Duração do mapa em dias:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Data final do mapa:</translation>
    </message>
</context>
<context>
    <name>PersonFacts</name>
    <message>
        <source>Sunday</source>
        <translation>domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>segunda-feira</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>terça-feira</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>quarta-feira</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>quinta-feira</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>sexta-feira</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Áries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Touro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gêmeos</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Câncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leão</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgem</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpião</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitário</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricórnio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Aquário</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Peixes</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Limpar</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>Cabeçalho da folha de rosto</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Apagar a linha de abertura</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Limpar abertura</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Apagar a linha 1</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Limpar linha 1</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Apagar a linha 2</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Limpar linha 2</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Apagar a linha 3</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Limpar linha 3</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Apagar a linha 4</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Limpar linha 4</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Abertura:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Linha 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Linha 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Linha 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Linha 4:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Configurações da impressora</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Impressora matricial</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Selecione se a impressora for matricial</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Laser, jato de tinta ou similar</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Selecione se a impressora for laser ou similar</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Total de linhas a imprimir no mapa</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Número de linhas por página</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>Imprimir em cores</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fonte:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Preferências do mapa</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Espaço simples</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Espaço duplo</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Espaço duplo com linhas</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Mensagens festivas</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Data atual em cada página</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Previsão diária</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>&amp;Document:</source>
        <extracomment>Labels the choice of the document to preview: the chart, the cover sheet...</extracomment>
        <translation>&amp;Documento:</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Up is the key that does the same.</extracomment>
        <translation>Página anterior (Page Up)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Página</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Próxima página (Page Down)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>Ajustar à largura</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Página inteira</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Imprimir este documento (Ctrl+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Fechar a visualização (Esc)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>Não foi possível contar todas as páginas: a visualização termina na página %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Contando as páginas: %1%</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page number box: %1 stands where the page number is typed, %2 is the number of pages (or &quot;…&quot; while they are counted). Keep both.</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>PrintDocuments</name>
    <message>
        <source>Chart</source>
        <extracomment>A document to preview or save as PDF: the biorhythm chart (a noun).</extracomment>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Folha de rosto</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Folha de rosto e mapa</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>O que é um biorritmo?</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source> and </source>
        <extracomment>Joins the last item of a list: &quot;a, b and c&quot;</extracomment>
        <translation> e </translation>
    </message>
    <message>
        <source>The cover sheet</source>
        <translation>A folha de rosto</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>O mapa</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>A folha de rosto e o mapa</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>“O que é um biorritmo?”</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1 serão salvos em dois arquivos PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1 ficará em um arquivo PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1 serão salvos em dois arquivos PDF, %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1 ficará no arquivo PDF %2.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nenhuma impressora está instalada.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>a folha de rosto</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>o mapa</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <translation>%1 (1 página)</translation>
    </message>
    <message>
        <source>%1 (%2 pages)</source>
        <translation>%1 (%2 páginas)</translation>
    </message>
    <message>
        <source>Sent %1 to the printer &quot;%2&quot;.</source>
        <translation>A impressora &quot;%2&quot; recebeu %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>Nenhuma impressora está instalada: salve a folha de rosto como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>Nenhuma impressora está instalada: salve o mapa como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>Nenhuma impressora está instalada: salve “O que é um biorritmo?” como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>Nenhuma impressora está instalada: salve a folha de rosto e o mapa como PDF (dois arquivos, &quot;... - cover sheet.pdf&quot; e &quot;... - chart.pdf&quot;)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 já existe em %2.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 já existem em %2.
Deseja substituí-los?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Gravação concluída em %2: %1</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>SUBSTITUIR ARQUIVOS?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>A impressora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>O arquivo PDF &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1: falha ao iniciar (%2).</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>A impressora &quot;%1&quot; não está disponível.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1: falha ao iniciar.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1 não aceitou uma nova página.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1 não conseguiu concluir o documento.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 não pôde ser gravado: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1 não pôde ser gravado por completo (o disco está cheio?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 não pôde ser gravado.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>ERRO DE IMPRESSORA!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Não foi possível acessar a impressora &quot;%1&quot;: o comando lp do sistema de impressão não foi iniciado.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>A impressora &quot;%1&quot; não recebeu o documento a tempo.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>o lp terminou com o status %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>A impressora &quot;%1&quot; recusou o documento: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Imprimindo o mapa de %1...</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ReminderQuestion</name>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar para calendário</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Sem lembrete</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>&amp;Lembrar-me no próprio dia, às</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Horário do lembrete</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Cada dia do calendário pode gerar um lembrete quando chegar:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>Nenhuma pasta foi indicada para os arquivos de configurações.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>Não foi possível criar o arquivo %1 (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 em %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>Não foi possível salvar as configurações. Este arquivo não pôde ser gravado: %1. Ele mantém as configurações que tinha antes desta execução; as alterações feitas nele nesta execução foram perdidas.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>Não foi possível salvar as configurações. Estes arquivos não puderam ser gravados: %1. Eles mantêm as configurações que tinham antes desta execução; as alterações feitas neles nesta execução foram perdidas.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>Não foi possível ler o arquivo %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Não foi possível gravar o arquivo %1 (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>não é um arquivo comum</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>WhatIsPanel</name>
    <message>
        <source>Print</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: prints the sheet.</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: closes the panel.</extracomment>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>O que é um biorritmo?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Texto de “O que é um biorritmo?”</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Um biorritmo é um padrão cíclico de atividade biológica que começa no nascimento com três ciclos em forma de onda senoidal: o físico (P), o emocional (E) e o intelectual (I).  Cada um começa em zero no dia do nascimento.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>O ciclo físico (P) recomeça a cada 23 dias e rege a nossa energia, força, resistência e defesa contra doenças.  Quando o ciclo físico está em alta, do lado direito da linha crítica central, diz-se que é um período de energia, vigor e bem-estar, bom para esportes e trabalho pesado.  Quando está em baixa, do lado esquerdo da linha, diz-se que é um período em que nos cansamos mais cedo e é melhor descansar e recarregar as energias.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>O ciclo emocional (E) recomeça a cada 28 dias e rege a nossa sensibilidade e o nosso temperamento: humor, sentimentos e criatividade.  O lado direito da linha central é o lado positivo, que, segundo se diz, favorece um estado de espírito alegre, cooperativo e criativo.  No lado esquerdo, negativo, podemos ficar mais mal-humorados, mais irritáveis e mais propensos a ver o lado sombrio das coisas.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>O nosso ciclo intelectual (I) recomeça a cada 33 dias e rege a nossa capacidade de pensar: memória, atenção, raciocínio e facilidade de aprendizado.  Quando está em alta, diz-se que é um bom momento para estudar, planejar e tomar decisões.  Quando está em baixa, diz-se que a mente se presta mais a revisões, trabalho de rotina e descanso do que a ideias novas e escolhas difíceis.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>A amplitude dos ciclos não tem significado, a não ser para indicar valores negativos, zero e positivos.  A distância de uma letra em relação à linha central não torna um dia melhor ou pior; só conta o lado em que ela está.  Os dias em que uma curva cruza a linha central são dias zero, também chamados de dias CRÍTICOS (CRITICAL no mapa).  Em um dia crítico, aquele ciclo está mudando de fase, e a pessoa pode estar mais propensa a acidentes; por isso, é um dia para tomar um pouco mais de cuidado.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Os DIAS DE ALTA TRIPLA ocorrem quando os três ciclos se encontram juntos do lado DIREITO da linha central.  Nesse dia, os três ciclos estão positivos ao mesmo tempo, o ápice do modelo: um dia que, segundo se diz, é muito propício a esforço, atividade e realizações.  O mapa marca esses dias com &gt;HIGH&gt;.</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Os DIAS DE BAIXA TRIPLA acontecem quando os três ciclos estão do lado ESQUERDO do mapa.  Os três ciclos estão negativos ao mesmo tempo, um dia que, segundo se diz, pede descanso, paciência e cuidado redobrado.  O mapa marca esses dias com &lt;LOW&lt;.</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- O QUE É UM BIORRITMO ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- DIAS DE ALTA TRIPLA E DE BAIXA TRIPLA ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>sem acesso ou sem espaço</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>não foi possível lê-lo, e ele foi mantido como está</translation>
    </message>
</context>
</TS>
