<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Biorhythmus-Tabellen auf dem Bildschirm und auf Papier, nur zur Unterhaltung.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Warnung: Dieses Computerprogramm ist urheberrechtlich geschützt.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>Die unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon kann empfindliche zivil- und strafrechtliche Folgen haben und wird im größtmöglichen gesetzlichen Umfang verfolgt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>Über Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>emotional</source>
        <translation>emotional</translation>
    </message>
    <message>
        <source>The emotional cycle crosses the centre line.</source>
        <translation>Der emotionale Zyklus kreuzt die Mittellinie.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>physisch</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>Der physische Zyklus kreuzt die Mittellinie aufwärts.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intellektuell</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>Der intellektuelle Zyklus kreuzt die Mittellinie aufwärts.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>Der physische Zyklus kreuzt demnächst die Mittellinie abwärts.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>Der intellektuelle Zyklus kreuzt demnächst die Mittellinie abwärts.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Sie haben heute ein Dreifachhoch: Alle drei Zyklen sind positiv.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Sie haben heute ein Dreifachtief: Alle drei Zyklen sind negativ.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>Heute ist ein Tag mit erhöhtem Unfallrisiko. Mindestens ein Zyklus ist „kritisch“.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>kritischer Tag (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>Dreifachhoch</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>Dreifachtief</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>Tag der Geburt</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>%1 wird geboren.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1. Geburtstag</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 feiert den %2. Geburtstag.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Die Kalenderdatei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>ChartTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>DATUMSFEHLER!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>Eingabefehler bei „Tabellenbeginn“! Zu viele Zeichen im Feld „Tabellenbeginn“.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>BINDESTRICHFEHLER IM DATUM (MM-DD-YYYY)!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>Eingabefehler bei „Tabellenbeginn“! Monat und Tag sowie Tag und Jahr müssen durch Bindestriche getrennt sein, zum Beispiel MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>EINGABEFEHLER BEIM MONAT</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler bei „Tabellenbeginn“! Der Monat muss eine Zahl von 01 bis 12 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>EINGABEFEHLER BEIM TAG</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler bei „Tabellenbeginn“! Der Tag muss eine Zahl von 01 bis 31 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>EINGABEFEHLER BEIM JAHR</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler bei „Tabellenbeginn“! Das Jahr muss eine Zahl von 1500 bis 2099 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>Eingabefehler beim Geburtsdatum! Zu viele Zeichen im Feld „Geburtsdatum“.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>EINGABEFEHLER BEIM MONAT DES GEBURTSDATUMS</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler beim Geburtsdatum! Der Monat muss eine Zahl von 01 bis 12 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>EINGABEFEHLER BEIM TAG DES GEBURTSDATUMS</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler beim Geburtsdatum! Der Tag muss eine Zahl von 01 bis 31 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>EINGABEFEHLER BEIM JAHR DES GEBURTSDATUMS</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Eingabefehler beim Geburtsdatum! Das Jahr muss eine Zahl von 1500 bis 2099 sein (Format: MM-DD-YYYY)</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>ZEILEN PRO SEITE FALSCH!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>„Zeilen pro Seite“ ist null oder negativ!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>„Zeilen pro Seite“ muss eine ganze Zahl sein!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>KEIN NAME EINGEGEBEN!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>Für die Tabelle ist kein Name ausgewählt!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>KEIN GEBURTSDATUM EINGEGEBEN!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>Für die Tabelle ist kein Geburtsdatum ausgewählt!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>Eingabefehler beim Geburtsdatum! Nach dem Monat und nach dem Tag muss ein Bindestrich (-) stehen! Das Format muss MM-DD-YYYY sein.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>Eingabefehler beim Geburtsdatum! Der Monat muss eine Zahl von 01 bis 12 sein</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>Eingabefehler beim Geburtsdatum! Der Tag muss eine Zahl von 01 bis 31 sein</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>Eingabefehler beim Geburtsdatum! Das Jahr muss eine Zahl von 1500 bis 2099 sein</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>KEIN STARTDATUM FÜR DIE TABELLE ANGEGEBEN!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>Es ist kein gültiges Startdatum für die Tabelle angegeben!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>KEINE TABELLENLÄNGE ANGEGEBEN!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>Es ist keine Zahl für die gewünschte Tabellenlänge angegeben!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>TABELLE ZU LANG!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>Die Tabelle würde nach dem 12-31-9999 enden.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>Für das Deckblatt ist kein Name ausgewählt!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>Für das Deckblatt ist kein Geburtsdatum ausgewählt!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>EINGABEFEHLER BEI NAME UND DATUM</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>Weder Name noch Datum wurden eingegeben</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>EINGABEFEHLER BEIM NAMEN</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>Es wurde kein Name eingegeben</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>EINGABEFEHLER BEIM DATUM</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>Es wurde kein Datum eingegeben</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>Eingabefehler beim Monat! Der Monat muss eine Zahl von 01 bis 12 sein</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>Eingabefehler beim Tag! Der Tag muss eine Zahl von 01 bis 31 sein</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>Eingabefehler beim Jahr! Das Jahr muss eine Zahl von 1500 bis 2099 sein</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Ein Name darf kein doppeltes Anführungszeichen (&quot;) enthalten. Bitte entfernen Sie es oder verwenden Sie stattdessen ein einfaches Anführungszeichen.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Ein Name darf keinen Zeilenumbruch enthalten. Bitte geben Sie ihn in einer Zeile ein.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>Das Geburtsdatum muss aus acht Ziffern bestehen, MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>Der Name enthält ein Steuerzeichen!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>NICHT GENÜGEND SPEICHER!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Der Programmspeicher wird knapp.  Möglicherweise versuchen Sie, zu viele Tage anzuzeigen!  Bitte versuchen Sie es erneut mit weniger Tagen!</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Vergleichen</translation>
    </message>
    <message>
        <source>Compare the two people</source>
        <translation>Die beiden Personen vergleichen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Aufheben</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Den Vergleich aufheben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Diesen Bereich schließen und den Vergleich beibehalten</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Zwei Personen vergleichen</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Vergleichen mit...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Die zweite Person aus der Namensdatenbank wählen</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Name der zweiten Person</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Geburtsdatum der zweiten Person</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Tage, an denen beide einen kritischen Tag haben</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>Aus der Namens&amp;datenbank:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Geburtsdatum:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(Namen wählen)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Übereinstimmung mit %1, geboren am %2 (%3 Tage Abstand):</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Physisch %1 %</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Emotional %1 %</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Intellektuell %1 %</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Gesamt %1 %</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Tage des Tabellenzeitraums, an denen beide einen kritischen Tag haben: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>Es wird niemand verglichen.  Geben Sie Namen und Geburtsdatum der zweiten Person ein oder wählen Sie sie aus der Namensdatenbank, und klicken Sie auf „Vergleichen“.</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>Die Datei %1 konnte nicht nach %2 verschoben werden.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Es wurde kein Ordner für die Dateien des Programms gefunden.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>NAMENSDATENBANK</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>Speichern Sie hier Ihre oft verwendeten Namen und Geburtsdaten!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Namen als Vorname Nachname eingeben</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Geburtsdatum:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Geburtsdatum als MMDDYYYY eingeben</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Geburtsdatum als MMDDYYYY eingeben </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Beispiel: Der 9. März 1975 wäre 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>Hier klicken, um diesen Eintrag zu speichern!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Ausgewählter Name:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Für die Tabelle ausgewählter Name</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Name löschen</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>Den ausgewählten Eintrag löschen! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Name verwenden</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>Den ausgewählten Namen verwenden!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Datenbank schließen</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Das Fenster der Namensdatenbank schließen</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>Namensdatenbank</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Gespeicherte Namen</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Klicken Sie auf einen Namen, um ihn auszuwählen</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>NICHTS ZU LÖSCHEN!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>Es ist kein Name zum Löschen ausgewählt!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>KEIN NAME AUSGEWÄHLT!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>Es ist kein Name zum Verwenden ausgewählt!</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Physical</source>
        <extracomment>The names of the cycles in the graph&apos;s legend and readout.</extracomment>
        <translation>Physisch</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Emotional</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellektuell</translation>
    </message>
    <message>
        <source>Intuitive</source>
        <translation>Intuitiv</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Ästhetisch</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Bewusstsein</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituell</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>das PDF konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>kritischer Tag</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>Dreifachhoch (oben) oder Dreifachtief (unten)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>heute</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>kritischer Tag bei beiden</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>Verglichen mit %1, geboren am %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>emotional</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>physisch aufwärts</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>intellektuell aufwärts</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>physisch abwärts</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>intellektuell abwärts</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1: keine.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
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
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>SUN</source>
        <extracomment>The weekdays on the graph&apos;s date axis and in its readout: three letters, from Sunday.</extracomment>
        <translation>SO</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>MO</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>DI</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>MI</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>DO</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>FR</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SA</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>Tag %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>kritischer Tag (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>Dreifachhoch</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>Dreifachtief</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>Biorhythmus-Grafik, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n Tag sichtbar: %1</numerusform>
            <numerusform>%n Tage sichtbar: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Kritische Tage</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Dreifachhochs</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Dreifachtiefs</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>A date as a screen reader hears it, in Qt&apos;s date format (MMMM the month&apos;s name, d the day, yyyy the year; words in single quotes stay as they are): in your language&apos;s order.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd, MMMM d, yyyy</source>
        <extracomment>A weekday and date as a screen reader hears it, in Qt&apos;s date format (dddd the weekday&apos;s name, MMMM the month&apos;s, d the day, yyyy the year): in your language&apos;s order.</extracomment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>Tidemark Help</source>
        <translation>Tidemark-Hilfe</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Tidemark-Hilfe</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Hilfe schließen</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Wählen Sie oben die Kategorie oder das Thema, zu dem Sie Hilfe benötigen, indem Sie es mit der Maus markieren.  Die Informationen erscheinen im Feld darunter.  Blättern Sie in der Liste nach unten, um weitere Themen zu sehen.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
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
        <translation>In der oberen linken Ecke des Hauptfensters befinden sich Schnellzugriffssymbole.
  * GEÖFFNETER ORDNER - öffnet das Datenbankfenster.
  * DRUCKER MIT PAPIER (auf dem Papier zentrierter Text) - druckt ein Deckblatt.
  * DRUCKER MIT PAPIER (auf dem Papier eine Sinuskurve) - druckt eine Tabelle.
  * DRUCKER MIT 2 BLATT PAPIER - druckt ein Deckblatt und eine Tabelle.
  * GEFÜLLTER BILDSCHIRM - zeigt die Tabelle auf dem Bildschirm an.
  * LEERER BILDSCHIRM - schließt das Fenster „TABELLE ANZEIGEN“.
  * VIER LEERE TEXTFELDER - leert alle Textfelder auf der linken Seite des Fensters.
  * DREI KURVEN (rot, blau und grün) - zeigt die Tabelle als Grafik der drei Zyklen.
Wenn Sie den Mauszeiger auf einem Symbol ruhen lassen, sehen Sie, was es tut und welches Tastenkürzel dazugehört.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>Das Programm legt nicht automatisch ein Symbol auf Ihrem Desktop an.  Wenn Tidemark aus seinem Paket installiert wurde, finden Sie es im Anwendungsmenü Ihres Desktops unter „Büro“, und bei den meisten Desktops können Sie es von dort aus zum Desktop oder zu einer Leiste hinzufügen.  Wenn Sie das Programm aus seinem Quellordner erstellt haben, ist es die Datei build/src/app/tidemark in diesem Ordner („UPDATE/UPGRADE INSTALLIEREN“ erklärt, wie Sie es erstellen); legen Sie für diese Datei mit dem Menü- oder Starter-Editor Ihres Desktops einen Starter an.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Um „WAS IST EIN BIORHYTHMUS?“ auf dem Drucker auszugeben, wählen Sie im Menü „HILFE“ den Befehl „DRUCKEN: WAS IST EIN BIORHYTHMUS?“.  Sie können auch oben im Fenster „WAS IST EIN BIORHYTHMUS?“ auf die Schaltfläche „DRUCKEN“ klicken.

Dieses Blatt wird in der Schrift gedruckt, die Sie unter „DRUCKEREINSTELLUNGEN“ gewählt haben.  Ist „NADELDRUCKER“ ausgewählt oder Courier gewählt, wird es in Courier in gleichmäßigen Spalten gedruckt.  Ist Zeile 1 des Deckblattkopfs ausgefüllt, werden die Kopfzeilen unten auf dem Blatt gedruckt.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>DECKBLATT</translation>
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
        <translation>Das Deckblatt enthält Angaben zur Person und zur Tabelle, unter anderem:
  * den Namen der Person
  * eine optionale, bearbeitbare Einleitungszeile (weitere Informationen im zugehörigen Thema)
  * vier weitere bearbeitbare Zeilen (für Name/Adresse usw.  Weitere Informationen im zugehörigen Thema.)
  * das Geburtsdatum
  * den Wochentag der Geburt
  * das Sternzeichen
  * das Alter in Jahren
  * das Alter in Tagen
  * die Tabellenlänge
  * das Startdatum der Tabelle
  * das Enddatum der Tabelle
  * eine Erklärung der in der Tabelle verwendeten Symbole
  * einen Haftungsausschluss</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Einleitungszeile</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>Die Einleitungszeile oben auf dem Deckblatt ist optional.  Ist eine vorhanden, wird sie zentriert unter dem Namen der Person gedruckt.

Um eine auszuwählen, klicken Sie im Bereich „DECKBLATTKOPF“ auf den Pfeil des Felds „EINLEITUNG“ und wählen eine der sieben angebotenen Zeilen, oder Sie klicken in das Feld und geben eine eigene Zeile ein.  Um sie wegzulassen, klicken Sie auf die Schaltfläche „&lt;&lt; LEEREN“ daneben.

Die Einleitungszeile wird beim Beenden des Programms gespeichert und ist beim nächsten Start wieder da.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Name und Adresse</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>Die Namens- und Adresszeilen oben auf dem Deckblatt sind optional.  Es sind die vier Zeilen „ZEILE 1“ bis „ZEILE 4“ im Bereich „DECKBLATTKOPF“.

Geben Sie dort ein, was auf die Einleitungszeile folgen soll, zum Beispiel Ihren Namen, Ihre Straße, Ihren Ort und Ihre E-Mail-Adresse.  Jede nicht leere Zeile wird zentriert gedruckt; eine leere Zeile wird weggelassen.  Die Schaltfläche „&lt;&lt; LEEREN“ neben einer Zeile leert diese.

Die Zeilen werden beim Beenden des Programms gespeichert.  Ist „ZEILE 1“ ausgefüllt, werden sie außerdem unten auf dem Blatt „WAS IST EIN BIORHYTHMUS?“ gedruckt.</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>DATENBANK</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>In der Datenbank werden häufig verwendete Namen und Geburtsdaten gespeichert.  Sie liegt in der Datei bioname.dat im Datenordner von Tidemark, .local/share/Tidemark in Ihrem Benutzerordner, und führt die Namen in alphabetischer Reihenfolge auf.  Wenn Sie einen Namen daraus wählen, werden die Felder „NAME“ und „GEBURTSDATUM“ für Sie ausgefüllt; siehe die folgenden Themen.  Ein Name wird in dem Moment in der Datei gespeichert, in dem Sie ihn hinzufügen oder löschen, sodass zwei gleichzeitig geöffnete Tidemark-Instanzen die Namen der jeweils anderen behalten.  Die Einstellungen (Deckblattkopf, Druckereinstellungen und Tabellenoptionen) werden gespeichert, wenn eine Instanz beendet wird; es gelten also die Einstellungen der zuletzt beendeten Instanz.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Einen Namen zur Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Wählen Sie mit der Maus im Menü oben „DATEI“.

Wählen Sie im Menü „DATEI“ den Befehl „DATENBANK ÖFFNEN“.  Das Fenster der Namensdatenbank öffnet sich in der Mitte des Bildschirms.

Geben Sie den Namen in das Feld „NAME“ ein, zum Beispiel Vorname Nachname.  Ein Name darf beliebige Buchstaben enthalten, aber kein doppeltes Anführungszeichen (&quot;).

Geben Sie das Geburtsdatum in das Feld „GEBURTSDATUM“ als acht Ziffern ein, MMDDYYYY, ohne Bindestriche: Der 9. März 1975 wäre 03091975.

Klicken Sie auf die Schaltfläche „EINTRAG HINZUFÜGEN“.  Der Name wird sofort gespeichert und erscheint in alphabetischer Reihenfolge in der Liste.  Fügen Sie beliebig viele Namen hinzu und klicken Sie dann auf „DATENBANK SCHLIESSEN“.

(Optional: Öffnen Sie die Datenbank über die Tastatur, indem Sie die Taste „STRG“ gedrückt halten und die Taste „O“ drücken, oder verwenden Sie das Schnellzugriffssymbol.)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Einen Namen aus der Datenbank löschen</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Wählen Sie mit der Maus im Menü „DATEI“.

Wählen Sie im Menü „DATEI“ den Befehl „DATENBANK ÖFFNEN“.

Klicken Sie in der Liste auf den Namen, den Sie löschen möchten, sodass er im Feld „AUSGEWÄHLTER NAME“ erscheint, und klicken Sie dann auf die Schaltfläche „NAME LÖSCHEN“.  Der Name wird sofort entfernt; es erfolgt keine Rückfrage.

(Es kann immer nur ein Name ausgewählt und gelöscht werden.  Ein gelöschter Name lässt sich wiederherstellen: Klicken Sie in die Liste, halten Sie die Taste „STRG“ gedrückt und drücken Sie die Taste „Z“.  Jeder Tastendruck stellt einen weiteren Namen wieder her, den zuletzt gelöschten zuerst, und zwar an seiner früheren Stelle in der Datei, solange das Programm läuft.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Einen Namen aus der Datenbank verwenden</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Wählen Sie mit der Maus im Menü oben „DATEI“.

Wählen Sie im Menü „DATEI“ den Befehl „DATENBANK ÖFFNEN“ und klicken Sie dann in der Liste auf den gewünschten Namen, sodass er im Feld „AUSGEWÄHLTER NAME“ erscheint.

Klicken Sie auf die Schaltfläche „NAME VERWENDEN“.  Das Datenbankfenster schließt sich, Name und Geburtsdatum werden in die Felder „NAME“ und „GEBURTSDATUM“ übernommen, die übrigen Angaben werden ausgefüllt, und der Cursor steht im Feld „TABELLENLÄNGE IN TAGEN“.</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>TABELLE ANZEIGEN</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Wählen Sie im Menü oben „DATEI“.  Mit „Tabelle anzeigen“ können Sie eine fortlaufende Tabelle anzeigen und vorwärts oder rückwärts blättern.

Die Tabelle wird aus Name, Geburtsdatum, Startdatum und Tabellenlänge auf der linken Seite des Fensters sowie aus Ihren „TABELLENOPTIONEN“ erstellt.  Solange sie angezeigt wird, sind die Menüs und die übrigen Symbole ausgeblendet; klicken Sie oben rechts auf „DIESES FENSTER SCHLIESSEN“ oder auf das Symbol „LEERER BILDSCHIRM“, oder drücken Sie die Taste „ESC“, um sie zu schließen.  Mit den Pfeiltasten und den Tasten „BILD AUFWÄRTS“/„BILD ABWÄRTS“ bewegen Sie sich durch die Tabelle; bei gedrückter Taste „UMSCHALT“ wird markiert, und „STRG“ und „C“ kopieren die Markierung („STRG“ und „A“ markiert die ganze Tabelle).</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>TABELLENOPTIONEN</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>Siehe die Kategorie „DRUCKEREINSTELLUNGEN“.</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>STANDARDEINSTELLUNGEN</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Wählen Sie mit der Maus im Menü oben „BEARBEITEN“.  Wählen Sie im Menü „BEARBEITEN“ den Befehl „STANDARDEINSTELLUNGEN“.  Alle Einstellungen werden auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>HILFE PER E-MAIL</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Falls Sie die Antwort auf Ihre Frage nicht in dieser Hilfe finden, können Sie uns eine E-Mail senden, und wir versuchen, Ihnen bei Ihrem Problem weiterzuhelfen; Sie können uns auch an die unten stehende Adresse schreiben.

Bitte beschreiben Sie Ihr Problem möglichst genau: was Sie gerade getan haben, welchen Menübefehl oder welche Schaltfläche Sie verwendet haben und was Sie gesehen haben (kopieren Sie den Wortlaut etwaiger Meldungen).  Nennen Sie uns die Version, die unter „ÜBER TIDEMARK“ im Menü „HILFE“ angezeigt wird, und das System, auf dem Sie das Programm verwenden.

E-Mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>SYMBOLE</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Desktop-Symbol</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>UPDATE/UPGRADE INSTALLIEREN</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Wenn Sie eine neuere Version des Programms auf Ihrem Computer installieren möchten, müssen Sie zuerst das derzeit installierte Programm deinstallieren.  Wurde Tidemark aus seinem Paket installiert, entfernen Sie es mit der Paketverwaltung Ihres Systems (apt-get remove tidemark); wurde es aus seinem Quellordner erstellt, löschen Sie diesen Ordner.  Ihre Namen, Einstellungen und Ihr Deckblattkopf liegen im Datenordner von Tidemark, .local/share/Tidemark in Ihrem Benutzerordner, und bleiben erhalten, sodass die neue Version mit ihnen startet (haben ältere Versionen sie in .local/share/Tidemark/Tidemark abgelegt, werden sie automatisch übernommen).  Installieren Sie dann das Paket der neuen Version mit der Paketverwaltung, oder legen Sie ihren Quellordner an die Stelle des alten, öffnen Sie darin ein Terminal, und erstellen und starten Sie das Programm mit den unten stehenden Befehlen.  Zum Erstellen werden die Pakete cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf und fonts-liberation benötigt, die die Paketverwaltung Ihres Systems installiert.  (Um stattdessen das Paket selbst zu erstellen, führen Sie im Build-Ordner „cpack -G DEB“ aus und installieren die erzeugte Datei mit „apt-get install ./tidemark_*.deb“.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>TABELLENLÄNGE</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>Die gedruckte Tabelle kann beliebig viele Tage umfassen.  Geben Sie die Anzahl der Tage in das Feld „TABELLENLÄNGE IN TAGEN“ ein; das Feld „TABELLENENDE“ wird dann automatisch ausgefüllt.  Eine lange Tabelle wird einfach auf mehr Seiten gedruckt.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tage festlegen</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>Die Länge der gedruckten Tabelle legen Sie selbst fest.  Vergewissern Sie sich zuerst, dass das Feld „TABELLENBEGINN“ das Startdatum im Format MM-DD-YYYY enthält (beim Programmstart wird das heutige Datum eingetragen, und die Schaltfläche „&lt;&lt; HEUTE“ stellt es wieder her), und geben Sie dann die Anzahl der Tage in das Feld „TABELLENLÄNGE IN TAGEN“ ein.

Ein neues Startdatum leert die Länge und das Enddatum; geben Sie die Länge also nach dem Ändern des Startdatums erneut ein.  Das Feld für die Länge bleibt leer, bis das Startdatum vollständig ist.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>MANUELLE EINGABE</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>Namen, für die Sie regelmäßig Tabellen drucken, werden Sie wahrscheinlich in die Datenbank aufnehmen wollen.  Einen Namen, den Sie nur ab und zu brauchen, geben Sie zusammen mit dem Geburtsdatum direkt in die Felder „NAME“ und „GEBURTSDATUM“ des Hauptfensters ein, wie es die folgenden Themen beschreiben.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Geburtsdatum</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>Klicken Sie im Hauptfenster mit der Maus in das Textfeld „GEBURTSDATUM“ (das zweite von oben).  Geben Sie das Geburtsdatum im Format MM-DD-YYYY mit den Bindestrichen ein: Der 9. März 1975 wird als 03-09-1975 eingegeben.  Jahre von 1500 bis 2099 werden angenommen.

Sobald Name und Geburtsdatum eingegeben sind, füllt das Programm die übrigen benötigten Angaben automatisch aus.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Name</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>Klicken Sie im Hauptfenster mit der Maus in das Textfeld „NAME“.

Geben Sie den Namen so ein, wie er auf der Tabelle und dem Deckblatt erscheinen soll, zum Beispiel Vorname Nachname.  Die Tabelle zeigt den Namen oben in Großbuchstaben.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>Siehe die Kategorie „DRUCKEREINSTELLUNGEN“.  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>DRUCKEREINSTELLUNGEN</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>Beim Einrichten des Tabellendrucks können Sie mehrere Einstellungen vornehmen.  Sie befinden sich in den Bereichen „DRUCKEREINSTELLUNGEN“ und „TABELLENOPTIONEN“ des Hauptfensters, und jede wird in einem der folgenden Themen beschrieben.  Ihre Einstellungen werden beim Beenden des Programms gespeichert, und „STANDARDEINSTELLUNGEN“ im Menü „BEARBEITEN“ setzt sie auf die Werkseinstellungen zurück.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Farbe</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Ist das Kontrollkästchen „IN FARBE DRUCKEN“ aktiviert, wird jeder der drei Zyklen in einer anderen Farbe gedruckt: der (P)hysische Zyklus in Rot, der (E)motionale Zyklus in Blau und der (I)ntellektuelle Zyklus in Grün.  Die Markierungen für Dreifachhoch und Dreifachtief werden in Magenta gedruckt.

Farbe wird nur in der gedruckten Tabelle verwendet; die Tabelle auf dem Bildschirm und das Deckblatt sind schwarz.  Ein Drucker ohne Farbe druckt die Farben in Schwarz oder in Graustufen.  Um nur in Schwarz zu drucken, klicken Sie auf das Kontrollkästchen, bis es leer ist.

(Standardeinstellung: In Farbe drucken = ein.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Datum</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Ist das Kontrollkästchen „DATUM AUF JEDER SEITE“ aktiviert, erscheint das Datum, an dem die Tabelle gedruckt wird, oben rechts auf jeder Seite hinter den Worten „DATE PREPARED:“.  Klicken Sie auf das Kontrollkästchen, bis es leer ist, um das Datum wegzulassen.

(Standardeinstellung: Datum auf jeder Seite = ein.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Schriftart</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Für Ihre Tabelle und Ihr Deckblatt stehen drei Schriftarten zur Verfügung.  Wählen Sie Arial, Courier oder Times aus der Liste „SCHRIFT“ im Bereich „DRUCKEREINSTELLUNGEN“, oder geben Sie den Namen einer anderen auf Ihrem Computer installierten Schrift ein.

Die Schrift wird bei Laser-, Tintenstrahl- und ähnlichen Druckern verwendet; ist „NADELDRUCKER“ ausgewählt, wird alles in Courier gedruckt.  Schriften werden über den Schriftdienst des Systems (fontconfig) gesucht: Sind Arial, Courier oder Times selbst nicht installiert, werden ähnlich aussehende Schriften verwendet, etwa die Liberation-Schriften aus dem Paket fonts-liberation.

(Standardeinstellung: Arial für Laserdrucker und ähnliche, Courier für Nadeldrucker.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Prognose</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Ist das Kontrollkästchen „TAGESPROGNOSE“ aktiviert, wird für jeden Tag der Tabelle eine dreizeilige Prognose gedruckt.  Sie enthält je einen Satz zum emotionalen, zum physischen und zum intellektuellen Zyklus, an einem Dreifachhoch, einem Dreifachtief oder einem Tag mit erhöhtem Unfallrisiko mit einer zusätzlichen Zeile davor.  Die Prognose erscheint auch in der Tabelle auf dem Bildschirm; sie ist, wie die ganze Tabelle, auf Englisch.

Wenn die Prognose nicht gedruckt werden soll, klicken Sie auf das Kontrollkästchen „TAGESPROGNOSE“, bis es leer ist.

(Standardeinstellung: Tagesprognose = aus.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Feiertagsmeldungen</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Ist das Kontrollkästchen „FEIERTAGSMELDUNGEN“ aktiviert, wird an bestimmten Tagen der Tabelle eine einzeilige Meldung ausgegeben: an Neujahr, am ersten Weihnachtstag, an jedem Freitag, dem 13., und am Geburtstag der Person, wobei auch das erreichte Alter genannt wird.  Die Meldungen erscheinen in der Tabelle auf dem Bildschirm und in der gedruckten Tabelle.

(Standardeinstellung: Feiertagsmeldungen = ein.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Zeilen pro Seite</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>Sie können festlegen, wie viele Zeilen jede Seite haben soll.  Geben Sie die Zahl in das Feld „ZEILEN PRO SEITE“ im Bereich „DRUCKEREINSTELLUNGEN“ ein, nur mit Ziffern und ohne führende Null.  Der Seitenkopf oben auf jeder Seite wird mitgezählt; bei 50 Zeilen und einfachem Abstand fasst jede Seite also bis zu 42 Tage.  Laufen Seiten auf ein zusätzliches Blatt über, verringern Sie die Zahl (siehe „FEHLERBEHEBUNG“).

(Standardeinstellung: Zeilen pro Seite = 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Zeilenabstand</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Drei verschiedene Einstellungen beeinflussen den Zeilenabstand der gedruckten Tabelle.  Um eine Einstellung zu wählen, klicken Sie auf das gewünschte Optionsfeld.

 * Einfacher Abstand -- diese Einstellung erzeugt eine Tabelle mit einfachem Zeilenabstand.

 * Doppelter Abstand -- diese Einstellung fügt zwischen den Zeilen der einzelnen Tage eine Leerzeile ein.  So ist die Tabelle leichter zu lesen.

 * Doppelt mit Linien -- diese Einstellung fügt zwischen den Zeilen der einzelnen Tage eine gestrichelte Linie ein, sodass sich jeder Tag leicht über die Seite hinweg verfolgen lässt.

(Standardeinstellung: Doppelt mit Linien.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Druckertyp</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Für die Druckereinstellung müssen Sie nur eine von zwei Optionen wählen.  Wählen Sie „NADELDRUCKER“ für einen Drucker, der in festen Spalten druckt, oder „LASER, TINTENSTRAHL ODER ÄHNLICH“ für jeden anderen Drucker, was nahezu alle heute gebräuchlichen Drucker abdeckt.  Die Auswahl bestimmt, wie die Zeilen auf der Seite angeordnet werden.

(Standardeinstellung: Laserdrucker.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>DRUCKEN</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>In den folgenden Themen dieser Kategorie erfahren Sie Einzelheiten zum Drucken der verschiedenen Dokumente.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tabelle</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Wenn Sie eine Tabelle drucken möchten, wählen Sie im Menü „DATEI“ den Befehl „NUR TABELLE DRUCKEN“.  Die Tabelle wird für Name, Geburtsdatum, Startdatum und Tabellenlänge aus dem Hauptfenster gedruckt, mit Ihren Druckereinstellungen und Tabellenoptionen.

Sie können Ihre Tabelle auch über das entsprechende Schnellzugriffssymbol drucken.

Die Tabelle wird an Ihren Standarddrucker gesendet.  Ist kein Drucker eingerichtet, fragt das Programm nach dem Namen einer PDF-Datei und druckt die Tabelle in diese Datei.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Ist das Kontrollkästchen „IN FARBE DRUCKEN“ aktiviert, wird jeder der drei Zyklen in Ihrer Tabelle in einer anderen Farbe gedruckt: Rot für den (P)hysischen Zyklus, Blau für den (E)motionalen Zyklus und Grün für den (I)ntellektuellen Zyklus; die Markierungen für Dreifachhoch und Dreifachtief sowie die Neujahrszeile erscheinen in Magenta, die Weihnachtszeile in Grün, die Zeile für Freitag, den 13., in Cyan und die Geburtstagszeile in Rot.  Das Kontrollkästchen befindet sich im Bereich „DRUCKEREINSTELLUNGEN“; Farbdruck dauert länger, deaktivieren Sie es also, wenn Sie schnell eine Tabelle in Schwarz möchten.

(Standardeinstellung: In Farbe drucken = ein.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Deckblatt</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Wenn Sie ein Deckblatt drucken möchten, wählen Sie im Menü „DATEI“ den Befehl „NUR DECKBLATT DRUCKEN“.  Name, Geburtsdatum, Startdatum und Tabellenlänge müssen zuvor ausgefüllt sein.

Sie können Ihr Deckblatt auch über das entsprechende Schnellzugriffssymbol drucken.

Um Deckblatt und Tabelle zusammen zu drucken, wählen Sie im Menü „DATEI“ den Befehl „DECKBLATT UND TABELLE DRUCKEN“; das Deckblatt wird zuerst gedruckt.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Was ist ein Biorhythmus?</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>AUFLÖSUNG</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>Das Programm sollte in jeder Bildschirmauflösung gut funktionieren, in die sein ganzes Fenster passt (siehe „BILDSCHIRMAUFLÖSUNG“).  Die Auflösung ändern Sie in den Anzeigeeinstellungen Ihres Desktops, zum Beispiel unter Einstellungen, Bildschirme in GNOME oder unter Systemeinstellungen, Anzeige in KDE Plasma.

Die Textgröße von Tidemark richtet sich nach der Höhe des Bildschirms.  Auf einem Bildschirm mit 480, 600, 720, 768, 864, 960, 1024 oder 1200 Pixeln Höhe erhalten Beschriftungen, Felder und Schaltflächen die für diese Höhe vorgesehene Größe, von 8 Punkt auf dem kleinsten bis 18 Punkt auf dem größten, und der Titel des Starthinweises wächst mit; auf einem Bildschirm mit einer anderen Höhe behält der Text seine Größe (10 Punkt bei normaler Textgröße).  Position und Breite der Felder und Rahmen passen sich dem Fenster an, wenn es in der Größe verändert wird, und die Bereiche, die es über sich selbst öffnet, richten ihre Größe danach.

Das Menü „ANSICHT“ macht den gesamten Text des Fensters, der Tabelle und der Grafik in Zehntelschritten größer oder kleiner: „TEXT VERGRÖSSERN“ (STRG++), „TEXT VERKLEINERN“ (STRG+-) und „NORMALE TEXTGRÖSSE“ (STRG+0), das zur oben beschriebenen Größe zurückkehrt.  Der Text wächst bis zu der größten Größe, bei der das ganze Fenster noch auf den Bildschirm passt, und schrumpft bis auf acht Zehntel; die Mindestgröße des Fensters wächst und schrumpft mit.  Das Programm merkt sich die Textgröße für den nächsten Start.  Beim ersten Start auf einem Bildschirm, dessen Höhe oben nicht aufgeführt ist, übernimmt es die Größe der nächstkleineren aufgeführten Höhe, soweit das Fenster passt (18 Punkt auf einem Bildschirm mit 1080 oder 1440 Pixeln Höhe).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>BILDSCHIRMAUFLÖSUNG</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>Die beste Bildschirmauflösung für dieses Programm ist 1024 x 768 oder mehr.  Das Fenster öffnet sich innerhalb des Bildschirms und lässt sich so weit verkleinern, wie es sein Text zulässt, sodass jede Beschriftung vollständig zu sehen ist: etwa 720 x 490 Pixel bei 10-Punkt-Schrift, 1010 x 670 bei der 14-Punkt-Schrift eines 768 Pixel hohen Bildschirms, 1250 x 790 bei der 18-Punkt-Schrift eines 960 oder 1024 Pixel hohen Bildschirms und 1250 x 960 auf einem 1200 Pixel hohen Bildschirm, auf dem die Felder mit dem Fenster höher werden.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>SCHNELLZUGRIFFSSYMBOLE</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>TASTENKÜRZEL</translation>
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
        <translation>Jeder Menübefehl lässt sich erreichen, indem Sie „ALT“ gedrückt halten und die unterstrichenen Buchstaben des Menüs und des Befehls drücken.  Diese Befehle haben außerdem eine eigene Taste:
  * STRG+O - öffnet das Datenbankfenster.
  * STRG+P - druckt eine Tabelle.
  * STRG+D - zeigt die Tabelle auf dem Bildschirm an.
  * STRG+G - zeigt die Grafik der drei Zyklen an.
  * STRG++ (oder STRG+=) - vergrößert den Text.
  * STRG+- - verkleinert den Text.
  * STRG+0 - stellt die normale Textgröße wieder her.
  * F1 - zeigt diese Hilfethemen an.
  * STRG+Q - beendet das Programm.
  * ESC - schließt die gerade angezeigte Tabelle, die Grafik, das Datenbankfenster, das Fenster „WAS IST EIN BIORHYTHMUS?“ oder das Hilfefenster.
Beim Start schließt ENTER oder ESC den Hinweis.  Im Datenbankfenster fügt ENTER im Feld für das Geburtsdatum den Namen hinzu, ENTER auf einem Namen verwendet ihn, ENTF löscht ihn, und STRG+Z in der Liste stellt den zuletzt gelöschten Namen wieder her.  Die TAB-Taste springt von Feld zu Feld, auch zu den vom Programm ausgefüllten Feldern, und erreicht auch die Schnellzugriffssymbole.
In der Grafik bewegen die Tasten LINKS und RECHTS (Pfeiltasten) den Tagescursor (eine schwarze Linie) jeweils um einen Tag, und oben in der Grafik stehen sein Datum, seine Tageszahl, die drei Zyklen in Prozent und ob es ein kritischer Tag, ein Dreifachhoch oder ein Dreifachtief ist.  BILD AUFWÄRTS und BILD ABWÄRTS blättern eine ganze Ansicht zurück oder vor, POS1 und ENDE springen zum ersten oder letzten Tag, + und - zeigen weniger oder mehr Tage, und UMSCHALT+F10 oder die MENÜ-Taste öffnet das Menü der Grafik (Speichern, Drucken, Schließen).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>SYSTEMINFORMATIONEN</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Wenn Sie Informationen über Ihren Computer sehen möchten: Dafür haben wir ein praktisches kleines Hilfsmittel in das Programm eingebaut.  Wählen Sie im Menü „HILFE“ den Befehl „ÜBER TIDEMARK“ und klicken Sie auf die Schaltfläche „SYSTEMINFO...“.  Sie startet das erste installierte Systeminformationsprogramm, das sie findet (etwa HardInfo, das KDE-Infozentrum oder die GNOME-Systemüberwachung); ist keines vorhanden, meldet sie, dass die Systeminformationen nicht verfügbar sind.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>FEHLERBEHEBUNG</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Wenn Sie Probleme mit dem Programm haben, sehen Sie die folgenden Fragen durch, um festzustellen, ob Ihr Problem dabei ist.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tabelle wird langsam gedruckt</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>Die Farboption verlangsamt das Drucken erheblich.  Wird Ihre Tabelle langsam gedruckt, klicken Sie im Bereich „DRUCKEREINSTELLUNGEN“ auf das Kontrollkästchen „IN FARBE DRUCKEN“, bis es leer ist; die Tabelle wird dann nur in Schwarz gedruckt.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tabelle wird nicht gedruckt</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>Die Tabelle wird an die Standard-Druckwarteschlange des Systems (CUPS) gesendet oder, wenn kein Standarddrucker festgelegt ist, an den ersten installierten Drucker.  Prüfen Sie, ob ein Drucker installiert und in den Druckereinstellungen Ihres Systems (oder auf der CUPS-Seite unter http://localhost:631) als Standard festgelegt ist, ob er eingeschaltet ist und Papier hat.  Ist kein Drucker eingerichtet, fragt das Programm stattdessen nach dem Namen einer PDF-Datei, und wenn das Drucken fehlschlägt, meldet es dies.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Seite 2 wird nicht vollständig gedruckt</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Wird Seite 2 nur teilweise gedruckt und der Druck dann auf Seite 3 fortgesetzt, ist der Wert der Druckeroption „ZEILEN PRO SEITE“ zu hoch.  Verringern Sie die Zahl in diesem Feld im Bereich „DRUCKEREINSTELLUNGEN“, bis jede Seite der Tabelle auf ein Blatt Papier passt.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Angezeigte Tabelle ist nicht sauber ausgerichtet</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Wenn die Mittellinie der angezeigten Tabelle nicht gerade verläuft, ist die Schrift „LIBERATION MONO“ auf Ihrem Computer nicht richtig installiert.  Das Programm zeigt die Tabelle in Liberation Mono an, einer Schrift, deren Zeichen alle gleich breit sind; sie stammt aus dem Paket fonts-liberation (die Paketverwaltung Ihres Systems installiert es).  Fehlt diese Schrift, verwendet das Programm stattdessen die eigene nichtproportionale Schrift Ihres Systems.  Der Befehl fc-list &apos;Liberation Mono&apos; zeigt, ob die Schrift installiert ist: Ist sie es nicht, gibt er nichts aus.

Bitte beachten Sie: Auch wenn die Schrift „COURIER NEW“ installiert ist, ist dies nicht die Schrift, die das Programm verlangt.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Es gibt kein Desktop-Symbol</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>WAS IST EIN BIORHYTHMUS?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Oft möchten Sie eine Tabelle für Freunde oder Familienangehörige drucken, die nicht wissen, was ein Biorhythmus ist.  Das Blatt „WAS IST EIN BIORHYTHMUS?“ erklärt die drei Zyklen, die kritischen Tage sowie die Dreifachhoch- und Dreifachtief-Tage in einfachen Worten; lesen Sie es auf dem Bildschirm oder drucken Sie es aus, um es zusammen mit der Tabelle weiterzugeben.  Gedruckt ist das Blatt, wie die Tabelle, auf Englisch.

Alles, was Sie in die Zeilen 1 bis 4 des Deckblattkopfs eingegeben haben, wird unten auf diesem Blatt „WAS IST...“ gedruckt.  Ist Zeile 1 leer, wird keine der vier Zeilen gedruckt.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Auf dem Bildschirm anzeigen</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Um „WAS IST EIN BIORHYTHMUS?“ anzuzeigen, wählen Sie im Menü oben „HILFE“ und dann „WAS IST EIN BIORHYTHMUS?“.  Der Text öffnet sich in einem Fenster in der Mitte des Bildschirms: Blättern Sie mit der Bildlaufleiste am rechten Rand, drucken Sie ihn mit der Schaltfläche „DRUCKEN“ und schließen Sie ihn mit der Schaltfläche „SCHLIESSEN“.</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Die Erklärung drucken</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>ZWEI PERSONEN VERGLEICHEN</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Um zu sehen, wie Ihre Zyklen zu denen einer anderen Person passen, füllen Sie Name, Geburtsdatum, Startdatum und Tabellenlänge wie für eine Tabelle aus und wählen dann im Menü oben „DATEI“ und „VERGLEICHEN MIT...“.  Geben Sie in dem sich öffnenden Bereich Namen und Geburtsdatum (MM-DD-YYYY) der zweiten Person ein oder wählen Sie sie oben im Bereich aus der Namensdatenbank, und klicken Sie auf „VERGLEICHEN“ (oder drücken Sie „ENTER“).

Der Bereich zeigt die Übereinstimmung der beiden für jeden Zyklus und insgesamt und listet die Tage des Tabellenzeitraums auf, an denen beide einen kritischen Tag haben.  Für jeden Zyklus, mit D als Anzahl der Tage zwischen den beiden Geburtsdaten und P als Länge des Zyklus in Tagen (23, 28 oder 33), beträgt die Übereinstimmung 100 x |cos(pi x D / P)| Prozent, gerundet auf ganze Prozent: 100 %, wenn die beiden Zyklen im Gleichtakt laufen (D ist 0 oder ein ganzzahliges Vielfaches der Zykluslänge), 0 %, wenn einer dem anderen um einen halben Zyklus hinterherläuft.  Die Gesamtübereinstimmung ist der gerundete Mittelwert der drei Prozentwerte.

Solange der Vergleich besteht, zeichnet „GRAFIK ANZEIGEN“ auch die drei Zyklen der zweiten Person, dünner und blasser, in der Farbe und Linienart des jeweiligen Zyklus, und nennt sie in der Legende; ein kleines schwarzes Dreieck oben in der Grafik markiert jeden Tag, an dem beide einen kritischen Tag haben.  Drücken Sie „ESC“ oder klicken Sie auf „SCHLIESSEN“, um den Bereich zu schließen und den Vergleich beizubehalten; klicken Sie im Bereich auf „AUFHEBEN“ oder wählen Sie im Menü „DATEI“ den Befehl „VERGLEICH AUFHEBEN“, um ihn zu beenden.  Der Vergleich wird nicht gespeichert, und Tabelle, Ausdrucke und Einstellungen beziehen sich weiterhin nur auf eine Person.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Tabelle wird vorbereitet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Tabelle anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Datenbank öffnen</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Die am häufigsten verwendeten Namen hinzufügen, auswählen oder löschen</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>&amp;Nur Deckblatt drucken</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Das Deckblatt für diese Person drucken</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Nur &amp;Tabelle drucken</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Die Tabelle für diese Person drucken</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Deckblatt und Tabelle drucken</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Erst das Deckblatt, dann die Tabelle drucken</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>Tabelle &amp;anzeigen</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Die Tabelle im Fenster anzeigen</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Dr&amp;uckvorschau...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Die Seiten vor dem Drucken ansehen</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Die Tabelle, das Deckblatt oder beide als PDF-Dateien speichern</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>&amp;Grafik anzeigen</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Die drei Zyklen als Kurven anzeigen</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>In &amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Die kritischen Tage und Geburtstage des Tabellenzeitraums in eine Kalenderdatei schreiben</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Diese Person mit einer zweiten vergleichen: wie gut die Zyklen übereinstimmen und an welchen Tagen beide einen kritischen Tag haben</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Vergleich auf&amp;heben</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Den Vergleich beenden: Die Grafik zeigt wieder nur diese Person</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Die Einstellungen speichern und Tidemark schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>Alle Textfelder &amp;leeren</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Name, Geburtsdatum und Tabellendaten leeren</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>&amp;Standardeinstellungen</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Druckereinstellungen und Tabellenoptionen zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Hilfethemen...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Die Hilfethemen anzeigen</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>&amp;Was ist ein Biorhythmus?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Erfahren, was die Tabelle zeigt</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Drucken: Was ist ein Biorhythmus?</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Die Erklärung der Tabelle drucken</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>Ü&amp;ber Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Die Version und Informationen über diesen Computer anzeigen</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Datenbank öffnen</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Tabellenfenster schließen</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Die Tabelle schließen</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Deckblatt drucken</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Tabelle drucken</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Deckblatt und Tabelle drucken</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Alle Textfelder leeren</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Grafik anzeigen</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>Der Vergleich ist aufgehoben.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>Der Kalender wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Grafik als PNG oder PDF speichern...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Grafik drucken...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Grafik schließen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Für Farbenblinde geeignet (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Sekundäre Zyklen</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 Tage)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Die Grafik konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>die Grafik</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Grafik speichern</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>PNG-Bilder (*.png);;PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> Tidemark arbeitet mit den Standardeinstellungen weiter.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>in dieser Sitzung vorgenommene Änderungen können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> Die Einstellungen wurden daraus gelesen, aber </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> Tidemark arbeitet mit den Standardeinstellungen weiter, und </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Beim nächsten Start wird es erneut versucht; bis dahin werden Änderungen nicht gespeichert.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>FEHLER IN DER EINSTELLUNGSDATEI!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Biorhythmus-Tabellen</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>WARNUNG: Dieses Programm ist urheberrechtlich geschützt.  Die unerlaubte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon wird mit allen rechtlichen Mitteln verfolgt.  Dieses Programm dient ausschließlich der Unterhaltung, und es wird nicht behauptet, dass sich irgendjemand körperlich oder geistig von den Ergebnissen dieses Programms leiten lassen sollte.  Mit der Nutzung dieses Programms stimmen Sie diesen Bedingungen zu.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Klicken Sie auf diesen Hinweis oder drücken Sie Enter, um zu beginnen.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Enter drücken, um zu beginnen</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Dokument:</translation>
    </message>
    <message>
        <source>SAVE ERROR!</source>
        <translation>FEHLER BEIM SPEICHERN!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Text &amp;vergrößern</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Den Text des Fensters vergrößern</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>Text ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Den Text des Fensters verkleinern</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>&amp;Normale Textgröße</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Den Text des Fensters in normaler Größe anzeigen</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>Der Text ist so groß, wie es dieser Bildschirm zulässt.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>FEHLER IN DER NAMENSDATENBANK</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Sie behält ihren bisherigen Inhalt.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>eine andere Tidemark-Instanz ändert sie gerade</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>in ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>die Sperrdatei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>Die Namensdatenbank %1 konnte nicht gesperrt werden (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>Die Datei der Namensdatenbank %1 wurde nicht gefunden. Die Liste ist leer; beim Hinzufügen eines Namens wird eine neue Datei angelegt.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> Die Namensliste ist leer, und die Datei bleibt unverändert.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> Der neue Eintrag wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>NAMENSDATENBANK VOLL</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>Die Namensdatenbank enthält bereits 32.767 Einträge, mehr kann sie nicht aufnehmen. Löschen Sie einen Namen, bevor Sie einen weiteren hinzufügen.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>Die Namensdatenbank enthält bereits %1 Einträge, mehr als die höchstens möglichen 32.767. Löschen Sie %2 Namen, bevor Sie einen weiteren hinzufügen.</numerusform>
            <numerusform>Die Namensdatenbank enthält bereits %1 Einträge, mehr als die höchstens möglichen 32.767. Löschen Sie %2 Namen, bevor Sie einen weiteren hinzufügen.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> Der gelöschte Name wurde nicht wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Heute</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Namen eingeben oder aus der Datenbank abrufen</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Datum als MM-DD-YYYY eingeben</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>Auf das heutige Datum zurücksetzen!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Startdatum zurücksetzen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Geburtsdatum (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Sternzeichen:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>Geburtswochentag:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Alter in Tagen:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Alter in Jahren:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Tabellenbeginn (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Tabellenlänge in Tagen:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Tabellenende:</translation>
    </message>
</context>
<context>
    <name>PersonFacts</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Widder</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Stier</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Zwillinge</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Krebs</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Löwe</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Jungfrau</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Waage</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Skorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Schütze</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Steinbock</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Wassermann</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Fische</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Leeren</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>Deckblattkopf</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Einleitungszeile löschen</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Einleitung leeren</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Zeile 1 löschen</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Zeile 1 leeren</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Zeile 2 löschen</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Zeile 2 leeren</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Zeile 3 löschen</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Zeile 3 leeren</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Zeile 4 löschen</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Zeile 4 leeren</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Einleitung:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Zeile 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Zeile 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Zeile 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Zeile 4:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Nadeldrucker</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Für Nadeldrucker anklicken</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Laser, Tintenstrahl oder ähnlich</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Für Laser- oder ähnliche Drucker anklicken</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Anzahl der Zeilen, die pro Seite der Tabelle gedruckt werden</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Zeilen pro Seite</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>In Farbe drucken</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Tabellenoptionen</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Einfacher Abstand</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Doppelter Abstand</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Doppelt mit Linien</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Feiertagsmeldungen</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Datum auf jeder Seite</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Tagesprognose</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>&amp;Document:</source>
        <extracomment>Labels the choice of the document to preview: the chart, the cover sheet...</extracomment>
        <translation>Doku&amp;ment:</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Up is the key that does the same.</extracomment>
        <translation>Vorherige Seite (Bild aufwärts)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Nächste Seite (Bild abwärts)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Dieses Dokument drucken (Strg+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Vorschau schließen (Esc)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>Es konnten nicht alle Seiten gezählt werden: Die Vorschau endet bei Seite %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Seiten werden gezählt: %1 %</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page number box: %1 stands where the page number is typed, %2 is the number of pages (or &quot;…&quot; while they are counted). Keep both.</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>PrintDocuments</name>
    <message>
        <source>Chart</source>
        <extracomment>A document to preview or save as PDF: the biorhythm chart (a noun).</extracomment>
        <translation>Tabelle</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Deckblatt</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Deckblatt und Tabelle</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Was ist ein Biorhythmus?</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source> and </source>
        <extracomment>Joins the last item of a list: &quot;a, b and c&quot;</extracomment>
        <translation> und </translation>
    </message>
    <message>
        <source>The cover sheet</source>
        <translation>Das Deckblatt</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Die Tabelle</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>Das Deckblatt und die Tabelle</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>„Was ist ein Biorhythmus?“</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1 werden als zwei PDF-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1 wird als PDF-Datei gespeichert.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1 werden als zwei PDF-Dateien gespeichert: %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1 wird als PDF-Datei %2 gespeichert.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>das Deckblatt</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>die Tabelle</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <translation>%1 (1 Seite)</translation>
    </message>
    <message>
        <source>%1 (%2 pages)</source>
        <translation>%1 (%2 Seiten)</translation>
    </message>
    <message>
        <source>Sent %1 to the printer &quot;%2&quot;.</source>
        <translation>An den Drucker „%2“ gesendet: %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>Kein Drucker installiert: Deckblatt als PDF speichern</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>Kein Drucker installiert: Tabelle als PDF speichern</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>Kein Drucker installiert: „Was ist ein Biorhythmus?“ als PDF speichern</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>Kein Drucker installiert: Deckblatt und Tabelle als PDF speichern (zwei Dateien, „... - cover sheet.pdf“ und „... - chart.pdf“)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 ist in %2 bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 sind in %2 bereits vorhanden.
Möchten Sie die Dateien ersetzen?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>%1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>DATEIEN ERSETZEN?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>Der Drucker „%1“</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>Die PDF-Datei „%1“</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Der Drucker „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1 hat keine neue Seite angenommen.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1 konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1 konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>DRUCKERFEHLER!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Der Drucker „%1“ konnte nicht erreicht werden: Der Befehl lp des Drucksystems konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Der Drucker „%1“ hat das Dokument nicht rechtzeitig angenommen.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>lp wurde mit Status %1 beendet</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>Der Drucker „%1“ hat das Dokument abgelehnt: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Tabelle für %1 wird gedruckt...</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ReminderQuestion</name>
    <message>
        <source>Export to Calendar</source>
        <translation>In Kalender exportieren</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Keine Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>Am Tag selbst &amp;erinnern, um</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Erinnerungszeit</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Der Kalender kann Sie an jedem dieser Tage erinnern:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>Es wurde kein Ordner für die Einstellungsdateien angegeben.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>Die Datei %1 konnte nicht angelegt werden (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 in %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Diese Datei konnte nicht geschrieben werden: %1. Sie behält die Einstellungen, die sie vor dieser Sitzung enthielt; die in dieser Sitzung daran vorgenommenen Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Diese Dateien konnten nicht geschrieben werden: %1. Sie behalten die Einstellungen, die sie vor dieser Sitzung enthielten; die in dieser Sitzung daran vorgenommenen Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>Die Datei %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Die Datei %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>de_DE</translation>
    </message>
</context>
<context>
    <name>WhatIsPanel</name>
    <message>
        <source>Print</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: prints the sheet.</extracomment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: closes the panel.</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Was ist ein Biorhythmus?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Text „Was ist ein Biorhythmus?“</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Ein Biorhythmus ist ein zyklisches Muster biologischer Aktivität, das mit der Geburt beginnt und aus drei Sinuskurven besteht: dem (P)hysischen, dem (E)motionalen und dem (I)ntellektuellen Zyklus.  Jeder beginnt am Tag der Geburt bei null.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>Der (P)hysische Zyklus beginnt alle 23 Tage neu und steuert unsere Energie, Kraft, Ausdauer und Widerstandskraft gegen Krankheiten.  Steht der physische Zyklus oben, also rechts von der kritischen Mittellinie, gilt dies als Zeit der Energie, Ausdauer und des Wohlbefindens, gut für Sport und harte Arbeit.  Steht er unten, links von der Linie, gilt dies als Zeit, in der wir schneller ermüden und besser ruhen und neue Kraft tanken sollten.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>Der (E)motionale Zyklus beginnt alle 28 Tage neu und steuert unsere Empfindsamkeit und unser Temperament: unsere Stimmungen, Gefühle und Kreativität.  Die rechte Seite der Mittellinie ist die positive Seite; sie soll eine heitere, kooperative und kreative Grundstimmung begünstigen.  Auf der linken, negativen Seite sind wir womöglich launischer, leichter reizbar und sehen schneller die Schattenseiten der Dinge.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>Unser (I)ntellektueller Zyklus beginnt alle 33 Tage neu und steuert unser Denkvermögen: Gedächtnis, Aufmerksamkeit, logisches Denken und Lernfähigkeit.  Steht er oben, gilt dies als gute Zeit zum Lernen, Planen und Entscheiden.  Steht er unten, soll sich der Geist eher für Wiederholung, Routinearbeit und Ruhe eignen als für neue Ideen und schwierige Entscheidungen.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>Die Ausschläge der Zyklen haben keine Bedeutung, außer dass sie negative, Null- und positive Werte anzeigen.  Wie weit ein Buchstabe von der Mittellinie entfernt steht, macht einen Tag weder besser noch schlechter; es zählt nur die Seite.  Die Tage, an denen eine Kurve die Mittellinie kreuzt, sind Nulltage, auch KRITISCHE Tage genannt.  An einem kritischen Tag wechselt dieser Zyklus die Seite, und man ist womöglich unfallgefährdeter; an solchen Tagen sollte man etwas vorsichtiger sein.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>DREIFACHHOCH-TAGE treten in dem Bereich auf, in dem alle drei Zyklen gemeinsam auf der RECHTEN Seite der Mittellinie zusammenlaufen.  An einem solchen Tag sind alle drei Zyklen gleichzeitig positiv, der Höhepunkt des Modells: ein Tag, der sich gut für Anstrengung, Aktivität und das Erledigen von Aufgaben eignen soll.  Die Tabelle kennzeichnet diese Tage mit &gt;HIGH&gt;.</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>DREIFACHTIEF-TAGE treten auf, wenn alle drei Zyklen auf der LINKEN Seite der Tabelle liegen.  Alle drei Zyklen sind gleichzeitig negativ; ein solcher Tag verlangt angeblich nach Ruhe, Geduld und besonderer Vorsicht.  Die Tabelle kennzeichnet diese Tage mit &lt;LOW&lt;.</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- WAS IST EIN BIORHYTHMUS ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- DREIFACHHOCH- UND DREIFACHTIEF-TAGE ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>kein Zugriff oder kein Platz</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>die Datei konnte nicht gelesen werden und bleibt unverändert</translation>
    </message>
</context>
</TS>
