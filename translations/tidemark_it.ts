<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Grafici dei bioritmi a schermo e su carta, a solo scopo di intrattenimento.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Attenzione: questo programma è protetto dalle leggi sul diritto d&apos;autore.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>La riproduzione o la distribuzione non autorizzata di questo programma, o di una sua parte, può comportare gravi sanzioni civili e penali e sarà perseguita nella misura massima consentita dalla legge.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>Informazioni di &amp;sistema...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>Informazioni su Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>emotional</source>
        <translation>emotivo</translation>
    </message>
    <message>
        <source>The emotional cycle crosses the centre line.</source>
        <translation>Il ciclo emotivo attraversa la linea centrale.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>fisico</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>Il ciclo fisico attraversa la linea centrale in salita.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intellettuale</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>Il ciclo intellettuale attraversa la linea centrale in salita.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>Il ciclo fisico sta per attraversare la linea centrale in discesa.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>Il ciclo intellettuale sta per attraversare la linea centrale in discesa.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Oggi è un giorno di triplo positivo: tutti e tre i cicli sono positivi.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Oggi è un giorno di triplo negativo: tutti e tre i cicli sono negativi.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>Oggi è un giorno a rischio di incidenti. Uno o più cicli sono «critici».</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>giorno critico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triplo positivo</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triplo negativo</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>giorno di nascita</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>Nasce %1.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1º compleanno</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 compie %2 anni.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Impossibile scrivere il file di calendario &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>ChartTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>ERRORE NELLA DATA!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>Errore di inserimento nella data di inizio! Troppi dati nella casella della data di inizio.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>ERRORE DI TRATTINI IN MM-DD-YYYY!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>Errore di inserimento nella data di inizio! Il mese e il giorno, e il giorno e l&apos;anno, devono essere separati da trattini, per esempio MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DEL MESE</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di inizio! Il mese deve essere un numero da 01 a 12 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DEL GIORNO</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di inizio! Il giorno deve essere un numero da 01 a 31 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DELL&apos;ANNO</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di inizio! L&apos;anno deve essere un numero da 1500 a 2099 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>Errore di inserimento nella data di nascita! Troppi dati nella casella della data di nascita.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRORE DI INSERIMENTO DEL MESE NELLA DATA DI NASCITA</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di nascita! Il mese deve essere un numero da 01 a 12 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRORE DI INSERIMENTO DEL GIORNO NELLA DATA DI NASCITA</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di nascita! Il giorno deve essere un numero da 01 a 31 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERRORE DI INSERIMENTO DELL&apos;ANNO NELLA DATA DI NASCITA</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Errore di inserimento nella data di nascita! L&apos;anno deve essere un numero da 1500 a 2099 nel formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>NUMERO DI RIGHE PER PAGINA ERRATO!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>Il numero di righe per pagina è zero o negativo!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>Il numero di righe per pagina deve essere un numero intero!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>NESSUN NOME INSERITO!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>Non è stato scelto alcun nome da usare nel prospetto!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>NESSUNA DATA DI NASCITA INSERITA!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>Non è stata scelta alcuna data di nascita da usare nel prospetto!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>Errore di inserimento nella data di nascita! La data deve contenere il trattino (-) dopo il mese e dopo il giorno! Il formato deve essere MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>Errore di inserimento nella data di nascita! Il mese deve essere un numero da 01 a 12</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>Errore di inserimento nella data di nascita! Il giorno deve essere un numero da 01 a 31</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>Errore di inserimento nella data di nascita! L&apos;anno deve essere un numero da 1500 a 2099</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>NESSUNA DATA DI INIZIO DEL PROSPETTO!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>Manca una data valida per l&apos;inizio del prospetto!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>NESSUNA DURATA DEL PROSPETTO!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>Manca il numero di giorni della durata desiderata del prospetto!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>PROSPETTO TROPPO LUNGO!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>Il prospetto finirebbe dopo il 12-31-9999.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>Non è stato scelto alcun nome da usare nel frontespizio!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>Non è stata scelta alcuna data di nascita da usare nel frontespizio!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DI NOME E DATA</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>Non è stato inserito alcun nome né alcuna data</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DEL NOME</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>Non è stato inserito alcun nome</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>ERRORE DI INSERIMENTO DELLA DATA</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>Non è stata inserita alcuna data</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>Errore di inserimento nel mese! Il mese deve essere un numero da 01 a 12</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>Errore di inserimento nel giorno! Il giorno deve essere un numero da 01 a 31</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>Errore di inserimento nell&apos;anno! L&apos;anno deve essere un numero da 1500 a 2099</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Un nome non può contenere le virgolette doppie (&quot;). Rimuoverle o usare al loro posto un apostrofo.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Un nome non può contenere un a capo. Scriverlo su una sola riga.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>La data di nascita deve essere di otto cifre, MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>Il nome contiene un carattere di controllo!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>MEMORIA INSUFFICIENTE!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Memoria del programma insufficiente.  Forse si sta cercando di mostrare troppi giorni!  Riprovare mostrando meno giorni!</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Confronta</translation>
    </message>
    <message>
        <source>Compare the two people</source>
        <translation>Confronta le due persone</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Cance&amp;lla</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Cancella il confronto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Chiude questo pannello e mantiene il confronto</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Confronta due persone</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Confronta con...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Sceglie la seconda persona dal database dei nomi</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Nome della seconda persona</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Data di nascita della seconda persona</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Giorni in cui entrambi hanno un giorno critico</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>Dal data&amp;base dei nomi:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Data di nascita:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(scegliere un nome)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Compatibilità con %1, data di nascita %2 (%3 giorni di distanza):</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Fisico %1%</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Emotivo %1%</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Intellettuale %1%</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Nel complesso %1%</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Giorni del periodo del prospetto in cui entrambi hanno un giorno critico: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>Nessun confronto impostato.  Digitare il nome e la data di nascita della seconda persona, o sceglierli dal database dei nomi, e premere Confronta.</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>Impossibile spostare il file %1 in %2.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Impossibile trovare una cartella per i file del programma.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Impossibile scrivere nella cartella %1.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>DATABASE DEI NOMI</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>Per memorizzare i nomi e le date di nascita usati più spesso!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Inserire il nome come Nome Cognome</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Data di nascita:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Inserire la data di nascita come MMDDYYYY</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Inserire la data di nascita come MMDDYYYY </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Esempio: 9 marzo 1975 si scrive 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Aggiungi questa voce</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>Premere qui per salvare questa voce!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Nome selezionato:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Nome scelto da usare per il prospetto</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Elimina questo nome</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>Elimina la voce selezionata! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Usa questo nome</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>Usa il nome selezionato!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Chiudi database</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Chiude la finestra del database dei nomi</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>Database dei nomi</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Nomi salvati</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Fare clic su un nome per selezionarlo</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>NIENTE DA ELIMINARE!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>Non è selezionato alcun nome da eliminare!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>NESSUN NOME SELEZIONATO!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>Non è selezionato alcun nome da usare!</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Physical</source>
        <extracomment>The names of the cycles in the graph&apos;s legend and readout.</extracomment>
        <translation>Fisico</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotivo</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellettuale</translation>
    </message>
    <message>
        <source>Intuitive</source>
        <translation>Intuitivo</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Estetico</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Consapevolezza</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituale</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Impossibile scrivere il file &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>non è stato possibile disegnare il PDF</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>giorno critico</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>triplo positivo (sopra) o negativo (sotto)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>oggi</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>giorno critico di entrambi</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>Confronto con %1, data di nascita %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>emotivo</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>fisico in salita</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>intellettuale in salita</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>fisico in discesa</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>intellettuale in discesa</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1: nessuno.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>e un altro</numerusform>
            <numerusform>e altri %n</numerusform>
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
        <translation>dal %1 al %2</translation>
    </message>
    <message>
        <source>SUN</source>
        <extracomment>The weekdays on the graph&apos;s date axis and in its readout: three letters, from Sunday.</extracomment>
        <translation>DOM</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>LUN</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>MAR</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>MER</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>GIO</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>VEN</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SAB</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>giorno %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>giorno critico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triplo positivo</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triplo negativo</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>Grafico dei bioritmi, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n giorno visibile: %1</numerusform>
            <numerusform>%n giorni visibili: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Giorni critici</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Tripli positivi</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Tripli negativi</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>A date as a screen reader hears it, in Qt&apos;s date format (MMMM the month&apos;s name, d the day, yyyy the year; words in single quotes stay as they are): in your language&apos;s order.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd, MMMM d, yyyy</source>
        <extracomment>A weekday and date as a screen reader hears it, in Qt&apos;s date format (dddd the weekday&apos;s name, MMMM the month&apos;s, d the day, yyyy the year): in your language&apos;s order.</extracomment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>Tidemark Help</source>
        <translation>Guida di Tidemark</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Guida di Tidemark</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>chiudi</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Chiudi la guida</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Argomenti della guida</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Selezionare in alto la categoria o l&apos;argomento su cui si desidera aiuto evidenziandolo con il puntatore del mouse.  Le informazioni appariranno nel riquadro sottostante.  Scorrere l&apos;elenco per vedere altri argomenti.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Testo della guida</translation>
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
        <translation>Nell&apos;angolo in alto a sinistra della schermata principale del programma si trovano le icone di scelta rapida.
  * CARTELLA APERTA - apre la schermata del database.
  * STAMPANTE CON FOGLIO (il foglio mostra un testo centrato) - stampa un frontespizio.
  * STAMPANTE CON FOGLIO (il foglio mostra una sinusoide) - stampa un prospetto.
  * STAMPANTE CON 2 FOGLI - stampa un frontespizio e un prospetto.
  * SCHERMO PIENO - mostra il prospetto a schermo.
  * SCHERMO VUOTO - chiude la finestra «MOSTRA PROSPETTO A SCHERMO».
  * QUATTRO CASELLE DI TESTO VUOTE - svuota tutte le caselle di testo sul lato sinistro dello schermo.
  * TRE CURVE (rossa, blu e verde) - mostra il prospetto come grafico dei tre cicli.
Tenendo il mouse su un&apos;icona si vedono la sua funzione e il suo tasto di scelta rapida.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>Il programma non installa automaticamente un&apos;icona sulla scrivania.  Se installato dal suo pacchetto, Tidemark si trova nel menu delle applicazioni della scrivania, sotto Ufficio, e da lì la maggior parte degli ambienti desktop permette di aggiungerlo alla scrivania o a un pannello.  Se compilato dalla sua cartella dei sorgenti, il programma è il file build/src/app/tidemark all&apos;interno di quella cartella (INSTALLARE UN AGGIORNAMENTO spiega come compilarlo); aggiungere un lanciatore per quel file con l&apos;editor dei menu o dei lanciatori del proprio ambiente desktop.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Per stampare «CHE COS&apos;È UN BIORITMO» sulla stampante, dal menu a discesa selezionare «AIUTO» e poi «STAMPA CHE COS&apos;È UN BIORITMO?».  Si può anche fare clic sul pulsante «STAMPA» in cima alla finestra «CHE COS&apos;È UN BIORITMO?».

Il foglio viene stampato con il carattere scelto in «IMPOSTAZIONI STAMPANTE».  Con «STAMPANTE AD AGHI» selezionata, o con Courier come carattere, viene stampato in Courier in colonne regolari.  Quando la «RIGA 1» dell&apos;«INTESTAZIONE DEL FRONTESPIZIO» è compilata, le righe dell&apos;intestazione vengono stampate in fondo al foglio.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>FRONTESPIZIO</translation>
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
        <translation>Il frontespizio contiene informazioni sull&apos;utente e sul prospetto, tra cui:
  * il nome dell&apos;utente
  * una riga introduttiva facoltativa e modificabile (vedere l&apos;argomento relativo)
  * altre quattro righe modificabili (per nome/indirizzo, ecc.  Vedere l&apos;argomento relativo.)
  * la data di nascita dell&apos;utente
  * il giorno della settimana di nascita
  * il segno zodiacale
  * l&apos;età in anni
  * l&apos;età in giorni
  * la durata del prospetto
  * la data di inizio del prospetto
  * la data di fine del prospetto
  * una spiegazione dei simboli usati nel prospetto
  * una clausola di esclusione di responsabilità</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Riga introduttiva</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>La riga introduttiva in cima al frontespizio è facoltativa.  Se presente, viene stampata centrata sotto il nome dell&apos;utente.

Per sceglierla, fare clic sulla freccia della casella «INTRODUZIONE» nell&apos;area «INTESTAZIONE DEL FRONTESPIZIO» e scegliere una delle sette righe proposte (che sono in inglese, come il frontespizio stampato), oppure fare clic nella casella e digitare una riga propria.  Per ometterla, fare clic sul pulsante «&lt;&lt; CANCELLA» accanto.

La riga introduttiva viene salvata all&apos;uscita dal programma e la si ritrova al successivo avvio.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Riga di nome e indirizzo</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>Le righe di nome e indirizzo in cima al frontespizio sono facoltative.  Sono le quattro righe da «RIGA 1» a «RIGA 4» dell&apos;area «INTESTAZIONE DEL FRONTESPIZIO».

Scrivere in esse ciò che deve seguire la riga introduttiva, per esempio il proprio nome, la via, la città e l&apos;indirizzo e-mail.  Ogni riga non vuota viene stampata centrata; una riga vuota viene omessa.  Il pulsante «&lt;&lt; CANCELLA» accanto a una riga la svuota.

Le righe vengono salvate all&apos;uscita dal programma.  Quando «RIGA 1» è compilata, vengono stampate anche in fondo al foglio «CHE COS&apos;È UN BIORITMO».</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>DATABASE</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>Il database serve a memorizzare i nomi e le date di nascita usati spesso.  Si trova nel file bioname.dat nella cartella dei dati di Tidemark, .local/share/Tidemark nella propria cartella home, ed elenca i nomi in ordine alfabetico.  Scegliendo un nome dal database, le caselle «NOME» e «DATA DI NASCITA» vengono compilate automaticamente; vedere gli argomenti che seguono.  Un nome viene salvato nel file nel momento in cui lo si aggiunge o lo si elimina, quindi due copie di Tidemark aperte contemporaneamente non cancellano l&apos;una i nomi aggiunti dall&apos;altra.  Le impostazioni (l&apos;intestazione del frontespizio, le impostazioni della stampante e le preferenze del prospetto) vengono salvate quando una copia viene chiusa, quindi prevalgono le impostazioni della copia chiusa per ultima.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Aggiungere un nome al database</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Con il mouse, selezionare «FILE» dal menu a discesa in alto.

Dal menu «FILE» selezionare «APRI DATABASE».  La finestra del database dei nomi si apre al centro dello schermo.

Digitare il nome nella casella «NOME», per esempio Nome Cognome.  Un nome può contenere qualsiasi lettera, ma non le virgolette doppie (&quot;).

Digitare la data di nascita nella casella «DATA DI NASCITA» con otto cifre, MMDDYYYY, senza trattini: il 9 marzo 1975 si scrive 03091975.

Fare clic sul pulsante «AGGIUNGI QUESTA VOCE».  Il nome viene salvato subito e compare nell&apos;elenco in ordine alfabetico.  Aggiungere tutti i nomi desiderati, poi fare clic su «CHIUDI DATABASE».

(In alternativa, aprire il database dalla tastiera tenendo premuto il tasto «CTRL» e premendo il tasto «O», oppure usare l&apos;icona di scelta rapida.)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Eliminare un nome dal database</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Con il mouse, selezionare «FILE» dal menu a discesa.

Dal menu «FILE» selezionare «APRI DATABASE».

Fare clic nell&apos;elenco sul nome da eliminare, in modo che compaia nella casella «NOME SELEZIONATO», poi fare clic sul pulsante «ELIMINA QUESTO NOME».  Il nome viene rimosso subito, senza richiesta di conferma.

(Si può selezionare ed eliminare un solo nome alla volta.  Un nome eliminato può essere ripristinato: fare clic nell&apos;elenco, poi tenere premuto il tasto «CTRL» e premere il tasto «Z».  Ogni pressione ripristina un altro nome, a partire dall&apos;ultimo eliminato, nella posizione che aveva nel file, finché il programma resta aperto.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Usare un nome del database</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Con il mouse, selezionare «FILE» dal menu a discesa in alto.

Dal menu «FILE» selezionare «APRI DATABASE», poi fare clic sul nome desiderato nell&apos;elenco, in modo che compaia nella casella «NOME SELEZIONATO».

Fare clic sul pulsante «USA QUESTO NOME».  La finestra del database si chiude, il nome e la data di nascita vengono inseriti nelle caselle «NOME» e «DATA DI NASCITA», gli altri dati vengono compilati e il cursore attende nella casella «DURATA DEL PROSPETTO IN GIORNI».</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>MOSTRA PROSPETTO A SCHERMO</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Selezionare «FILE» dal menu a discesa in alto.  «Mostra prospetto a schermo» permette di visualizzare un prospetto continuo e di scorrerlo avanti o indietro.

Il prospetto viene creato dal nome, dalla data di nascita, dalla data di inizio e dalla durata del prospetto sul lato sinistro dello schermo e dalle «PREFERENZE DEL PROSPETTO».  Mentre è visualizzato, i menu e le altre icone vengono messi da parte; per chiuderlo fare clic su «CHIUDI QUESTA FINESTRA» in alto a destra o sull&apos;icona «SCHERMO VUOTO», oppure premere il tasto «ESC».  I tasti freccia e i tasti pagina permettono di muoversi nel prospetto; tenendo premuto il tasto «SHIFT» selezionano il testo, «CTRL» e «C» copiano la selezione («CTRL» e «A» seleziona l&apos;intero prospetto).</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>PREFERENZE DEL PROSPETTO</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>Vedere la categoria «IMPOSTAZIONI STAMPANTE».</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>IMPOSTAZIONI PREDEFINITE</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Con il mouse, selezionare «MODIFICA» dal menu a discesa in alto.  Dal menu «MODIFICA» selezionare «IMPOSTAZIONI PREDEFINITE».  Tutte le impostazioni torneranno ai valori di fabbrica.</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>ASSISTENZA VIA E-MAIL</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Se la risposta che si cerca non compare in questa guida, si può inviare un&apos;e-mail e cercheremo di dare una risposta al problema, oppure si può scrivere all&apos;indirizzo qui sotto.

Descrivere il problema con precisione: che cosa si stava facendo, quale voce di menu o pulsante si è usato e che cosa è apparso (copiare le parole di eventuali messaggi).  Indicare la versione mostrata in «INFORMAZIONI SU TIDEMARK» nel menu «AIUTO» e il sistema su cui viene eseguito il programma.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>ICONE</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Icona sulla scrivania</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>INSTALLARE UN AGGIORNAMENTO</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Quando si è pronti a installare una versione più recente del programma, occorre prima disinstallare il programma attualmente presente sul computer.  Se installato dal suo pacchetto, Tidemark si rimuove con il gestore dei pacchetti del sistema (apt-get remove tidemark); se compilato dalla sua cartella dei sorgenti, rimuovere quella cartella.  I nomi, le impostazioni e l&apos;intestazione del frontespizio si trovano nella cartella dei dati di Tidemark, .local/share/Tidemark nella propria cartella home, e vengono conservati, quindi la nuova versione li ritrova all&apos;avvio (le versioni che li tenevano in .local/share/Tidemark/Tidemark li trasferiscono da sé).  Installare poi il pacchetto della nuova versione con il gestore dei pacchetti, oppure mettere la sua cartella dei sorgenti al posto di quella vecchia, aprirvi un terminale, compilare e avviare il programma con i comandi qui sotto.  La compilazione richiede i pacchetti cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf e fonts-liberation, che il gestore dei pacchetti del sistema installa.  (Per creare invece il pacchetto stesso, eseguire «cpack -G DEB» nella cartella build e installare il file prodotto con «apt-get install ./tidemark_*.deb».)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>DURATA DEL PROSPETTO</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>Il prospetto stampato può coprire un numero qualsiasi di giorni.  Digitare il numero di giorni nella casella «DURATA DEL PROSPETTO IN GIORNI» e la casella «DATA DI FINE DEL PROSPETTO» si compila da sola.  Un prospetto lungo prosegue semplicemente su più pagine.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Impostare i giorni</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>La durata del prospetto stampato è scelta dall&apos;utente.  Assicurarsi prima che la casella «INIZIO DEL PROSPETTO» contenga la data di inizio nel formato MM-DD-YYYY (all&apos;avvio del programma vi viene inserita la data odierna, e il pulsante «&lt;&lt; OGGI» la ripristina), poi digitare il numero di giorni nella casella «DURATA DEL PROSPETTO IN GIORNI».

Una nuova data di inizio svuota la durata e la data di fine, quindi dopo aver cambiato la data di inizio occorre digitare di nuovo la durata.  La casella della durata resta vuota finché la data di inizio non è completa.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>INSERIMENTO MANUALE</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>I nomi per cui si stamperanno prospetti regolarmente conviene inserirli nel database.  Per un nome che serve solo ogni tanto, digitare il nome e la data di nascita direttamente nelle caselle «NOME» e «DATA DI NASCITA» della schermata principale del programma, come descritto negli argomenti che seguono.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Data di nascita</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>Nella schermata principale del programma, fare clic con il mouse nella casella di testo «DATA DI NASCITA» (la seconda dall&apos;alto).  Digitare la data di nascita come MM-DD-YYYY, con i trattini: il 9 marzo 1975 si digita 03-09-1975.  Sono accettati gli anni dal 1500 al 2099.

Una volta inseriti il nome e la data di nascita, il programma compila automaticamente le altre informazioni necessarie.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nome</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>Nella schermata principale del programma, fare clic con il mouse nella casella di testo «NOME».

Digitare il nome come deve apparire sul prospetto e sul frontespizio, per esempio Nome Cognome.  Il prospetto mostra il nome in lettere maiuscole in alto.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PREFERENZE</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>Vedere la categoria «IMPOSTAZIONI STAMPANTE».  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>IMPOSTAZIONI STAMPANTE</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>Per la stampa di un prospetto sono disponibili diverse scelte.  Si trovano nelle aree «IMPOSTAZIONI STAMPANTE» e «PREFERENZE DEL PROSPETTO» della schermata principale del programma, e ciascuna è descritta in uno degli argomenti seguenti.  Le scelte vengono salvate all&apos;uscita dal programma, e «IMPOSTAZIONI PREDEFINITE» nel menu «MODIFICA» le riporta ai valori di fabbrica.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Colore</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Quando la casella «STAMPA A COLORI» è selezionata, ciascuno dei tre cicli viene stampato in un colore diverso: il ciclo fisico (P) in rosso, il ciclo emotivo (E) in blu e il ciclo intellettuale (I) in verde.  I contrassegni di triplo positivo e triplo negativo vengono stampati in magenta.

Il colore è usato solo sul prospetto stampato; il prospetto a schermo e il frontespizio sono in nero.  Una stampante senza colore stampa i colori in nero o in toni di grigio.  Per stampare solo in nero, fare clic sulla casella finché non è vuota.

(Impostazione predefinita: Stampa a colori = sì.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Data</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Quando la casella «DATA CORRENTE SU OGNI PAGINA» è selezionata, la data in cui il prospetto viene stampato compare in alto a destra di ogni pagina, dopo le parole «DATE PREPARED:».  Fare clic sulla casella finché non è vuota per omettere la data.

(Impostazione predefinita: Data su ogni pagina = sì.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Carattere</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Per il prospetto e il frontespizio sono disponibili tre tipi di carattere.  Scegliere Arial, Courier o Times dall&apos;elenco «CARATTERE» nell&apos;area «IMPOSTAZIONI STAMPANTE», oppure digitare il nome di un altro carattere installato sul computer.

Il carattere è usato con una stampante laser, a getto d&apos;inchiostro o simile; con «STAMPANTE AD AGHI» selezionata, tutto viene stampato in Courier.  I caratteri vengono cercati dal servizio dei caratteri del sistema (fontconfig): se Arial, Courier o Times non sono installati, si usano i loro equivalenti, come i caratteri Liberation del pacchetto fonts-liberation.

(Impostazione predefinita: Arial per le stampanti di tipo laser, Courier per le stampanti ad aghi.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Previsione</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Quando la casella «PREVISIONE GIORNALIERA» è selezionata, sul prospetto viene stampata una previsione di tre righe per ogni giorno in cui compare il ciclo dell&apos;utente.  Contiene una frase per ciascuno dei cicli emotivo, fisico e intellettuale, preceduta da una riga in più in un giorno di triplo positivo, di triplo negativo o a rischio di incidenti.  La previsione compare anche nel prospetto a schermo, in inglese come il prospetto.

Se non si desidera stampare la previsione, fare clic sulla casella «PREVISIONE GIORNALIERA» finché non è vuota.

(Impostazione predefinita: Previsione giornaliera = no.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Messaggi per le festività</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Quando la casella «MESSAGGI PER LE FESTIVITÀ» è selezionata, l&apos;utente viene salutato da un messaggio di una riga in certi giorni del prospetto: Capodanno, Natale, ogni venerdì 13 e il compleanno dell&apos;utente, che indica anche l&apos;età raggiunta.  I messaggi compaiono, in inglese, sia nel prospetto a schermo sia in quello stampato.

(Impostazione predefinita: Messaggi per le festività = sì.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Righe per pagina</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>L&apos;utente può indicare quante righe desidera per ogni pagina.  Digitare il numero nella casella «NUMERO DI RIGHE PER PAGINA» dell&apos;area «IMPOSTAZIONI STAMPANTE», solo in cifre e senza zeri iniziali.  Il conteggio comprende l&apos;intestazione in cima a ogni pagina, quindi con 50 righe e interlinea singola ogni pagina contiene fino a 42 giorni.  Se le pagine sconfinano su un foglio in più, ridurre il numero (vedere RISOLUZIONE DEI PROBLEMI).

(Impostazione predefinita: Numero di righe per pagina = 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Interlinea</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Tre diverse impostazioni determinano l&apos;interlinea del prospetto stampato.  Per scegliere un&apos;impostazione, fare clic sul pulsante di opzione desiderato.

 * Interlinea singola -- questa impostazione produce un prospetto a interlinea singola.

 * Interlinea doppia -- questa impostazione inserisce una riga vuota tra un giorno e l&apos;altro.  Questa opzione rende il prospetto più facile da leggere.

 * Interlinea doppia con righe -- questa impostazione inserisce una riga tratteggiata tra un giorno e l&apos;altro, così ogni giorno è facile da seguire lungo la pagina.

(Impostazione predefinita: Interlinea doppia con righe.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tipo di stampante</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Per l&apos;impostazione della stampante basta scegliere una di due opzioni.  Scegliere «STAMPANTE AD AGHI» per una stampante che stampa in colonne fisse, oppure «LASER, GETTO D&apos;INCHIOSTRO, BUBBLEJET O SIMILI» per qualsiasi altra stampante, il che comprende quasi tutte le stampanti in uso oggi.  La scelta determina come vengono disposte le righe sulla pagina.

(Impostazione predefinita: stampante di tipo laser.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>STAMPA</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>Vedere gli argomenti che seguono questa categoria per i dettagli sulla stampa dei diversi moduli.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Prospetto</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Quando si è pronti a stampare un prospetto, si può selezionare la voce «STAMPA SOLO PROSPETTO» dal menu a discesa «FILE».  Il prospetto viene stampato per il nome, la data di nascita, la data di inizio e la durata del prospetto indicati nella schermata principale del programma, con le impostazioni della stampante e le preferenze del prospetto scelte.

In alternativa si può usare l&apos;icona di scelta rapida corrispondente per stampare il prospetto.

Il prospetto viene inviato alla stampante predefinita.  Se non è configurata alcuna stampante, il programma chiede il nome di un file PDF e stampa il prospetto in quel file.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Quando la casella «STAMPA A COLORI» è selezionata, ciascuno dei tre cicli viene stampato sul prospetto in un colore diverso: rosso per il ciclo fisico (P), blu per il ciclo emotivo (E) e verde per il ciclo intellettuale (I), con i contrassegni di triplo positivo e triplo negativo e la riga di Capodanno in magenta, la riga di Natale in verde, la riga del venerdì 13 in ciano e la riga del compleanno in rosso.  La casella si trova nell&apos;area «IMPOSTAZIONI STAMPANTE»; la stampa a colori richiede più tempo, quindi deselezionarla quando si desidera un prospetto veloce in nero.

(Impostazione predefinita: Stampa a colori = sì.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Frontespizio</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Quando si è pronti a stampare un frontespizio, si può selezionare la voce «STAMPA SOLO FRONTESPIZIO» dal menu a discesa «FILE».  Il nome, la data di nascita, la data di inizio e la durata del prospetto devono essere compilati prima.

In alternativa si può usare l&apos;icona di scelta rapida corrispondente per stampare il frontespizio.

Per stampare insieme il frontespizio e il prospetto, selezionare «STAMPA FRONTESPIZIO E PROSPETTO» dal menu «FILE»; il frontespizio esce per primo.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Che cos&apos;è un bioritmo</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>RISOLUZIONE</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>Il programma dovrebbe funzionare bene con qualsiasi risoluzione dello schermo in cui la sua finestra sia interamente visibile (vedere RISOLUZIONE DELLO SCHERMO).  La risoluzione si cambia nelle impostazioni dello schermo dell&apos;ambiente desktop, per esempio Impostazioni, Schermi in GNOME, oppure Impostazioni di sistema, Schermo in KDE Plasma.

Il testo di Tidemark segue l&apos;altezza dello schermo.  Su uno schermo alto 480, 600, 720, 768, 864, 960, 1024 o 1200 pixel, le etichette, le caselle e i pulsanti assumono la dimensione prevista per quell&apos;altezza, da 8 punti sul più piccolo a 18 punti sul più grande, e il titolo dell&apos;avviso iniziale cresce con essi; su uno schermo di qualsiasi altra altezza il testo mantiene la sua dimensione (10 punti alla dimensione normale del testo).  Le posizioni e le larghezze delle caselle e delle cornici seguono la finestra quando viene ridimensionata, e i pannelli che essa apre sopra di sé prendono da essa la loro dimensione.

Il menu «VISUALIZZA» ingrandisce o rimpicciolisce tutto il testo della finestra, del prospetto e del grafico a passi di un decimo: «TESTO PIÙ GRANDE» (CTRL++), «TESTO PIÙ PICCOLO» (CTRL+-) e «DIMENSIONE NORMALE DEL TESTO» (CTRL+0), che torna alla dimensione descritta sopra.  Il testo cresce fino alla dimensione massima con cui l&apos;intera finestra entra ancora nello schermo e si riduce fino a otto decimi; la dimensione minima della finestra cresce e si riduce di conseguenza.  Il programma ricorda la dimensione del testo per l&apos;avvio successivo.  La prima volta che si avvia su uno schermo di un&apos;altezza non elencata sopra, prende la dimensione dell&apos;altezza elencata immediatamente inferiore, purché la finestra entri nello schermo (18 punti su uno schermo alto 1080 o 1440 pixel).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>RISOLUZIONE DELLO SCHERMO</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>La risoluzione dello schermo migliore per questo programma è 1024 x 768 o superiore.  La finestra si apre all&apos;interno dello schermo e può essere ridotta quanto lo consente il suo testo, che mostra ogni etichetta per intero: circa 720 x 490 pixel con testo a 10 punti, 1010 x 670 con il testo a 14 punti di uno schermo alto 768 pixel, 1250 x 790 con il testo a 18 punti di uno schermo alto 960 o 1024 pixel, e 1250 x 960 su uno schermo alto 1200 pixel, dove le caselle diventano più alte insieme alla finestra.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>ICONE DI SCELTA RAPIDA</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>TASTI DI SCELTA RAPIDA</translation>
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
        <translation>Ogni comando di menu si può raggiungere tenendo premuto «ALT» e premendo le lettere sottolineate del menu e del comando.  Questi comandi hanno anche un tasto proprio:
  * CTRL+O - apre la schermata del database.
  * CTRL+P - stampa un prospetto.
  * CTRL+D - mostra il prospetto a schermo.
  * CTRL+G - mostra il grafico dei tre cicli.
  * CTRL++ (o CTRL+=) - ingrandisce il testo.
  * CTRL+- - rimpicciolisce il testo.
  * CTRL+0 - riporta il testo alla dimensione normale.
  * F1 - mostra questi argomenti della guida.
  * CTRL+Q - esce dal programma.
  * ESC - chiude il prospetto, il grafico, la schermata del database, la finestra «CHE COS&apos;È UN BIORITMO?» o la finestra della guida visualizzata.
All&apos;avvio, INVIO o ESC chiude l&apos;avviso.  Nella schermata del database, INVIO nella casella della data di nascita aggiunge il nome, INVIO su un nome lo usa, CANC lo elimina e CTRL+Z nell&apos;elenco ripristina l&apos;ultimo nome eliminato.  Il tasto TAB passa da una casella all&apos;altra, comprese quelle compilate dal programma, e raggiunge anche le icone di scelta rapida.
Nel grafico, i tasti FRECCIA SINISTRA e FRECCIA DESTRA spostano il cursore del giorno (una linea nera) di un giorno alla volta, e la parte alta del grafico ne mostra la data, il numero del giorno, i tre cicli in percentuale e se è un giorno critico, un triplo positivo o un triplo negativo.  PAG↑ e PAG↓ spostano di un&apos;intera vista indietro o avanti, ↖ (Home) e FINE vanno al primo o all&apos;ultimo giorno, + e - mostrano meno o più giorni, e SHIFT+F10 o il tasto MENU apre il menu del grafico (salva, stampa, chiudi).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>INFORMAZIONI DI SISTEMA</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Per visualizzare informazioni sul proprio computer, nel programma è stata inclusa una piccola e comoda utilità.  Dal menu «AIUTO» selezionare «INFORMAZIONI SU TIDEMARK» e fare clic sul pulsante «INFORMAZIONI DI SISTEMA...».  Viene avviato il primo programma di informazioni di sistema installato che viene trovato (come HardInfo, KDE Info Center o GNOME System Monitor); se non ce n&apos;è nessuno, viene segnalato che le informazioni di sistema non sono disponibili.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>RISOLUZIONE DEI PROBLEMI</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Se si riscontrano problemi con il programma, scorrere le domande degli argomenti seguenti per vedere se il problema è elencato.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Il prospetto si stampa lentamente</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>L&apos;opzione del colore rallenta notevolmente la stampa.  Se il prospetto si stampa lentamente, fare clic sulla casella «STAMPA A COLORI» nell&apos;area «IMPOSTAZIONI STAMPANTE» finché non è vuota; il prospetto viene poi stampato solo in nero.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Il prospetto non si stampa</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>Il prospetto viene inviato alla coda di stampa predefinita del sistema (CUPS), o alla prima stampante installata se nessuna è impostata come predefinita.  Verificare che una stampante sia installata e impostata come predefinita nelle impostazioni delle stampanti del sistema (o nella pagina di CUPS all&apos;indirizzo http://localhost:631), che sia accesa e che abbia carta.  Se non è configurata alcuna stampante, il programma chiede invece il nome di un file PDF, e se la stampa non riesce lo segnala con un messaggio.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La pagina 2 non viene stampata per intero</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Se la pagina 2 viene stampata solo in parte e la stampa prosegue a pagina 3, il problema è che l&apos;opzione della stampante «NUMERO DI RIGHE PER PAGINA» è troppo alta.  Ridurre il numero in quella casella dell&apos;area «IMPOSTAZIONI STAMPANTE» finché ogni pagina del prospetto non entra in un solo foglio.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Il prospetto a schermo non è allineato</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Se, nel prospetto a schermo, la linea centrale non è dritta, significa che il carattere «LIBERATION MONO» non è installato correttamente sul computer.  Il programma mostra il prospetto in Liberation Mono, un carattere le cui lettere hanno tutte la stessa larghezza, fornito dal pacchetto fonts-liberation (lo installa il gestore dei pacchetti del sistema); se quel carattere manca, usa al suo posto il carattere a larghezza fissa del sistema.  Il comando fc-list &apos;Liberation Mono&apos; mostra se il carattere è installato: se non lo è, non stampa nulla.

Notare che potrebbe essere installato il carattere «COURIER NEW», ma non è lo stesso carattere richiesto dal programma.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Non c&apos;è un&apos;icona sulla scrivania</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>CHE COS&apos;È UN BIORITMO?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Spesso si vorrà stampare un prospetto per un amico o un familiare che non sa che cos&apos;è un bioritmo.  Il foglio «CHE COS&apos;È UN BIORITMO» spiega con parole semplici i tre cicli, i giorni critici e i giorni di triplo positivo e triplo negativo; lo si può leggere a schermo o stampare per consegnarlo insieme al prospetto (il foglio stampato è in inglese).

Le informazioni inserite nelle righe da «RIGA 1» a «RIGA 4» dell&apos;«INTESTAZIONE DEL FRONTESPIZIO» vengono stampate in fondo a questo modulo «CHE COS&apos;È...».  Quando la «RIGA 1» è vuota, nessuna delle quattro righe viene stampata.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Visualizzazione a schermo</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Per visualizzare «CHE COS&apos;È UN BIORITMO», dal menu a discesa in alto selezionare «AIUTO», poi «CHE COS&apos;È UN BIORITMO?».  Il testo si apre in una finestra al centro dello schermo: lo si scorre con la barra a destra, lo si stampa con il pulsante «STAMPA» e lo si chiude con il pulsante «CHIUDI».</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Stampare la definizione</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>CONFRONTO TRA DUE PERSONE</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Per vedere come i propri cicli si accordano con quelli di un&apos;altra persona, compilare il nome, la data di nascita, la data di inizio e la durata del prospetto come per un prospetto, poi selezionare «FILE» dal menu a discesa in alto e «CONFRONTA CON...».  Nel pannello che si apre, digitare il nome e la data di nascita (MM-DD-YYYY) della seconda persona, o sceglierli dal database dei nomi in cima al pannello, e fare clic su «CONFRONTA» (o premere «INVIO»).

Il pannello mostra la compatibilità tra le due persone per ogni ciclo e complessiva, ed elenca i giorni del periodo del prospetto in cui entrambe hanno un giorno critico.  Per ogni ciclo, con D il numero di giorni tra le due date di nascita e P la durata del ciclo in giorni (23, 28 o 33), la compatibilità è 100 x |cos(pi x D / P)| per cento, arrotondata all&apos;intero: 100% quando i due cicli vanno di pari passo (D è 0 o un numero intero di cicli), 0% quando uno è sfasato di mezzo ciclo rispetto all&apos;altro.  La compatibilità complessiva è la media arrotondata delle tre percentuali.

Finché il confronto è impostato, «MOSTRA GRAFICO A SCHERMO» disegna anche i tre cicli della seconda persona, più sottili e più chiari, con il colore e lo stile di linea di ciascun ciclo, e li indica nella legenda; un piccolo triangolo nero in cima al grafico segna ogni giorno in cui entrambe hanno un giorno critico.  Premere «ESC» o fare clic su «CHIUDI» per chiudere il pannello mantenendo il confronto; fare clic su «CANCELLA» nel pannello, o selezionare «CANCELLA CONFRONTO» dal menu «FILE», per terminarlo.  Il confronto non viene salvato, e il prospetto, le stampe e le impostazioni riguardano una sola persona.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Preparazione del prospetto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Mostra prospetto a schermo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Apri database</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Aggiunge, sceglie o elimina i nomi usati più spesso</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>Stampa solo &amp;frontespizio</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Stampa il frontespizio per questa persona</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Stampa solo &amp;prospetto</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Stampa il prospetto per questa persona</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Stampa frontespizio e prospetto</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Stampa il frontespizio, poi il prospetto</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>&amp;Mostra prospetto a schermo</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Mostra il prospetto nella finestra</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Antepr&amp;ima di stampa...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Mostra le pagine prima di stamparle</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Esporta in P&amp;DF...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Scrive il prospetto, il frontespizio o entrambi in file PDF</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>Mostra &amp;grafico a schermo</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Mostra i tre cicli come curve</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>Esporta nel ca&amp;lendario...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Scrive i giorni critici e i compleanni del periodo del prospetto in un file di calendario</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Confronta con...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Confronta questa persona con un&apos;altra: come si accordano i cicli e i giorni critici di entrambe</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Cancella conf&amp;ronto</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Termina il confronto: il grafico mostra di nuovo solo questa persona</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Salva le impostazioni e chiude Tidemark</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>&amp;Svuota tutte le caselle sottostanti</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Svuota il nome, la data di nascita e le date del prospetto</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>&amp;Impostazioni predefinite</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Ripristina le impostazioni della stampante e le preferenze del prospetto</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Argomenti della guida...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Mostra gli argomenti della guida</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>&amp;Che cos&apos;è un bioritmo?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Spiega che cosa mostra il prospetto</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Stampa Che cos&apos;è un bioritmo?</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Stampa la spiegazione del prospetto</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>&amp;Informazioni su Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Mostra la versione e informazioni su questo computer</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Apri database</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Chiudi la finestra del prospetto a schermo</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Chiude il prospetto</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Stampa frontespizio</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Stampa prospetto</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Stampa frontespizio e prospetto</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Svuota tutte le caselle sottostanti</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Mostra grafico a schermo</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>Il confronto è stato cancellato.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Esporta nel calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>File iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>Il calendario è stato scritto in %1.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Salva grafico come PNG o PDF...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Stampa grafico...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Chiudi grafico</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Colori standard</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Adatti ai daltonici (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Cicli secondari</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 giorni)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Impossibile stampare il grafico.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>il grafico</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Salva grafico</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>Immagini PNG (*.png);;File PDF (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> Tidemark prosegue con le impostazioni predefinite.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>le modifiche fatte in questa sessione non potranno essere salvate.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> Le impostazioni sono state lette dal file, ma </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> Tidemark prosegue con le impostazioni predefinite e </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Verrà ritentato al prossimo avvio; fino ad allora le modifiche non vengono salvate.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>ERRORE NEL FILE DELLE IMPOSTAZIONI!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Grafici dei bioritmi</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>ATTENZIONE: questo programma è protetto dalle leggi sul diritto d&apos;autore.  La riproduzione o la distribuzione non autorizzata di questo programma, o di una sua parte, sarà perseguita nella misura massima consentita dalla legge.  Questo programma è fornito a solo scopo di intrattenimento, e non si afferma in alcun modo che qualcuno debba farsi guidare fisicamente o spiritualmente da quanto il programma produce.  Usando questo programma, si accettano queste condizioni.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Fare clic su questo avviso, o premere Invio, per iniziare.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Premere Invio per iniziare</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Prospetto</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Chiudi questa finestra</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Esporta in PDF</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Documento:</translation>
    </message>
    <message>
        <source>SAVE ERROR!</source>
        <translation>ERRORE DI SALVATAGGIO!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Testo più &amp;grande</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Ingrandisce il testo della finestra</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>Testo più &amp;piccolo</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Rimpicciolisce il testo della finestra</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Dimensione &amp;normale del testo</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Mostra il testo della finestra alla dimensione normale</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>Il testo è già grande quanto lo schermo consente.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>ERRORE DEL DATABASE DEI NOMI</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Il contenuto precedente viene mantenuto.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>un&apos;altra copia di Tidemark lo sta modificando</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>non si può scrivere nella sua cartella</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>impossibile scrivere il file di blocco %1</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>Impossibile bloccare il database dei nomi %1 (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>Il file del database dei nomi %1 non è stato trovato. L&apos;elenco è vuoto; aggiungendo un nome si crea un nuovo file.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> L&apos;elenco dei nomi è vuoto e il file viene lasciato com&apos;è.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> La nuova voce non è stata aggiunta.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>DATABASE DEI NOMI PIENO</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>Il database dei nomi contiene già 32.767 voci, il massimo possibile. Eliminare un nome prima di aggiungerne un altro.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>Il database dei nomi contiene già %1 voci, più delle 32.767 che può contenere. Eliminare %2 nomi prima di aggiungerne un altro.</numerusform>
            <numerusform>Il database dei nomi contiene già %1 voci, più delle 32.767 che può contenere. Eliminare %2 nomi prima di aggiungerne un altro.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> Il nome eliminato non è stato ripristinato.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Oggi</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Inserire un nome o recuperarlo dal database</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Inserire la data come MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>Ripristina la data odierna!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Ripristina la data di inizio</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Data di nascita (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Segno zodiacale:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>Giorno della settimana:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Età in giorni:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Età in anni:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Inizio del prospetto (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Durata del prospetto in giorni:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Data di fine del prospetto:</translation>
    </message>
</context>
<context>
    <name>PersonFacts</name>
    <message>
        <source>Sunday</source>
        <translation>domenica</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lunedì</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martedì</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercoledì</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>giovedì</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>venerdì</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sabato</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Ariete</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Toro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gemelli</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancro</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leone</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vergine</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Bilancia</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpione</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorno</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acquario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Pesci</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Cancella</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>Intestazione del frontespizio</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Cancella la riga introduttiva</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Cancella introduzione</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Cancella la riga 1</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Cancella riga 1</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Cancella la riga 2</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Cancella riga 2</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Cancella la riga 3</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Cancella riga 3</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Cancella la riga 4</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Cancella riga 4</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Introduzione:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Riga 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Riga 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Riga 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Riga 4:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Impostazioni stampante</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Stampante ad aghi</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Selezionare per una stampante ad aghi</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Laser, getto d&apos;inchiostro, Bubblejet o simili</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Selezionare per una stampante laser o simile</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Righe totali da stampare sul prospetto</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Numero di righe per pagina</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>Stampa a colori</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Carattere:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Preferenze del prospetto</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Interlinea singola</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Interlinea doppia</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Interlinea doppia con righe</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Messaggi per le festività</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Data corrente su ogni pagina</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Previsione giornaliera</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
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
        <translation>Pagina precedente (Pag↑)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Pagina</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Pagina successiva (Pag↓)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>Adatta alla larghezza</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Pagina intera</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Stampa questo documento (Ctrl+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Chiude l&apos;anteprima (Esc)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>Non è stato possibile contare tutte le pagine: l&apos;anteprima termina a pagina %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Conteggio delle pagine: %1%</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page number box: %1 stands where the page number is typed, %2 is the number of pages (or &quot;…&quot; while they are counted). Keep both.</extracomment>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>PrintDocuments</name>
    <message>
        <source>Chart</source>
        <extracomment>A document to preview or save as PDF: the biorhythm chart (a noun).</extracomment>
        <translation>Prospetto</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Frontespizio</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Frontespizio e prospetto</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Che cos&apos;è un bioritmo?</translation>
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
        <translation>Il frontespizio</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Il prospetto</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>Il frontespizio e il prospetto</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>«Che cos&apos;è un bioritmo?»</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1 verranno salvati in due file PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1 verrà salvato in un file PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1 verranno salvati in due file PDF, %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1 verrà salvato nel file PDF %2.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nessuna stampante installata.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>il frontespizio</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>il prospetto</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <translation>%1 (1 pagina)</translation>
    </message>
    <message>
        <source>%1 (%2 pages)</source>
        <translation>%1 (%2 pagine)</translation>
    </message>
    <message>
        <source>Sent %1 to the printer &quot;%2&quot;.</source>
        <translation>Inviato alla stampante &quot;%2&quot;: %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>Nessuna stampante installata: salvare il frontespizio come PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>Nessuna stampante installata: salvare il prospetto come PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>Nessuna stampante installata: salvare «Che cos&apos;è un bioritmo?» come PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>Nessuna stampante installata: salvare il frontespizio e il prospetto come PDF (due file, &quot;... - cover sheet.pdf&quot; e &quot;... - chart.pdf&quot;)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 esiste già in %2.
Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 esistono già in %2.
Sostituirli?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Salvato in %2: %1</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>SOSTITUIRE I FILE?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>La stampante &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>Il file PDF &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1: impossibile avviare la stampa: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La stampante &quot;%1&quot; non è disponibile.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1: impossibile avviare la stampa.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1: la nuova pagina non è stata accettata.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1: impossibile completare il documento.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1: scrittura non riuscita: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1: scrittura incompleta (il disco è pieno?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1: scrittura non riuscita.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>ERRORE DI STAMPA!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Impossibile raggiungere la stampante &quot;%1&quot;: il comando lp del sistema di stampa non si è avviato.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>La stampante &quot;%1&quot; non ha accettato il documento in tempo.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>lp è terminato con lo stato %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>La stampante &quot;%1&quot; ha rifiutato il documento: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Stampa del prospetto di %1...</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>ReminderQuestion</name>
    <message>
        <source>Export to Calendar</source>
        <translation>Esporta nel calendario</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Nessun promemoria</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>&amp;Promemoria il giorno stesso, alle</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Ora del promemoria</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Per ogni giorno del calendario si può ricevere un promemoria quando arriva:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>Non è stata indicata alcuna cartella per i file delle impostazioni.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>Impossibile creare il file %1 (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 in %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>Impossibile salvare le impostazioni. Non è stato possibile scrivere questo file: %1. Il file mantiene le impostazioni che aveva prima di questa sessione; le modifiche apportate in questa sessione vanno perse.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>Impossibile salvare le impostazioni. Non è stato possibile scrivere questi file: %1. I file mantengono le impostazioni che avevano prima di questa sessione; le modifiche apportate in questa sessione vanno perse.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>Impossibile leggere il file %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Impossibile scrivere il file %1 (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>non è un file regolare</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>it_IT</translation>
    </message>
</context>
<context>
    <name>WhatIsPanel</name>
    <message>
        <source>Print</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: prints the sheet.</extracomment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: closes the panel.</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Che cos&apos;è un bioritmo?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Testo di «Che cos&apos;è un bioritmo?»</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Un bioritmo è un andamento ciclico dell&apos;attività biologica che inizia alla nascita con tre cicli sinusoidali: il ciclo fisico (P), il ciclo emotivo (E) e il ciclo intellettuale (I).  Ciascuno parte da zero il giorno della nascita.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>Il ciclo fisico (P) si ripete ogni 23 giorni e governa energia, forza, resistenza fisica e resistenza alle malattie.  Quando il ciclo fisico è in alto, sul lato destro della linea critica centrale, si dice che sia un periodo di energia, vigore e benessere, adatto allo sport e al lavoro pesante.  Quando è in basso, sul lato sinistro della linea, si dice che sia un periodo in cui ci si stanca prima e conviene riposare e ricaricarsi.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>Il ciclo emotivo (E) si ripete ogni 28 giorni e governa sensibilità e temperamento: l&apos;umore, i sentimenti e la creatività.  Il lato destro della linea centrale è il lato positivo, che si dice favorisca uno stato d&apos;animo allegro, collaborativo e creativo.  Sul lato sinistro, negativo, si può essere più lunatici, più facilmente irritabili e più pronti a vedere il lato oscuro delle cose.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>Il ciclo intellettuale (I) si ripete ogni 33 giorni e governa le capacità di pensiero: memoria, prontezza, ragionamento e capacità di apprendere.  Quando è in alto, si dice che sia un buon momento per studiare, pianificare e prendere decisioni.  Quando è in basso, si dice che la mente sia più adatta al ripasso, al lavoro di routine e al riposo che alle idee nuove e alle scelte difficili.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>L&apos;ampiezza dei cicli non ha alcun significato, se non quello di indicare valori negativi, nulli e positivi.  La distanza di una lettera dalla linea centrale non rende un giorno migliore o peggiore; conta solo il lato.  I giorni in cui una curva attraversa la linea centrale sono giorni zero, detti anche giorni CRITICI (CRITICAL sul prospetto).  In un giorno critico quel ciclo sta cambiando fase e si può essere più esposti agli incidenti, quindi è un giorno in cui prestare un po&apos; più di attenzione.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>I GIORNI DI TRIPLO POSITIVO si verificano quando tutti e tre i cicli convergono insieme sul lato DESTRO della linea centrale.  In un giorno simile tutti e tre i cicli sono positivi contemporaneamente, il culmine del modello: un giorno che si dice adatto all&apos;impegno, all&apos;attività e a portare a termine le cose.  Il prospetto segna questi giorni con &gt;HIGH&gt;.</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>I GIORNI DI TRIPLO NEGATIVO si verificano quando tutti e tre i cicli si trovano sul lato SINISTRO del prospetto.  Tutti e tre i cicli sono negativi contemporaneamente, un giorno che si dice richieda riposo, pazienza e maggiore attenzione.  Il prospetto segna questi giorni con &lt;LOW&lt;.</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- CHE COS&apos;È UN BIORITMO ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- GIORNI DI TRIPLO POSITIVO E TRIPLO NEGATIVO ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>accesso negato o spazio esaurito</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>non è stato possibile leggerlo e viene lasciato com&apos;è</translation>
    </message>
</context>
</TS>
