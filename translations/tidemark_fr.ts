<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Tableaux de biorythmes à l&apos;écran et sur papier, à des fins de divertissement uniquement.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Avertissement&#xa0;: ce logiciel est protégé par la loi sur le droit d&apos;auteur.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>Toute reproduction ou distribution non autorisée de ce logiciel, ou de toute partie de celui-ci, peut entraîner de lourdes sanctions civiles et pénales et fera l&apos;objet de poursuites dans toute la mesure permise par la loi.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>À propos de Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>emotional</source>
        <translation>émotionnel</translation>
    </message>
    <message>
        <source>The emotional cycle crosses the centre line.</source>
        <translation>Le cycle émotionnel croise la ligne médiane.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>physique</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>Le cycle physique croise la ligne médiane en montant.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intellectuel</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>Le cycle intellectuel croise la ligne médiane en montant.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>Le cycle physique va croiser la ligne médiane en descendant.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>Le cycle intellectuel va croiser la ligne médiane en descendant.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Aujourd&apos;hui, vous êtes en triple haut&#xa0;: les trois cycles sont positifs.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Aujourd&apos;hui, vous êtes en triple bas&#xa0;: les trois cycles sont négatifs.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>C&apos;est aujourd&apos;hui un jour propice aux accidents. Un ou plusieurs cycles sont «&#xa0;critiques&#xa0;».</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>jour critique (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triple haut</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triple bas</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>jour de naissance</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>Naissance de %1.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1e anniversaire</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 atteint l&apos;âge de %2 ans.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Le fichier de calendrier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>ChartTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>ERREUR DE DATE&#xa0;!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>Erreur de saisie dans la date de début&#xa0;! La zone «&#xa0;Début du tableau&#xa0;» contient trop de caractères.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>ERREUR DE TIRETS DANS LA DATE (MM-DD-YYYY)&#xa0;!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>Erreur de saisie dans la date de début&#xa0;! Le mois et le jour, ainsi que le jour et l&apos;année, doivent être séparés par des tirets, par exemple MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DU MOIS</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de début&#xa0;! Le mois doit être un nombre de 01 à 12, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DU JOUR</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de début&#xa0;! Le jour doit être un nombre de 01 à 31, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DE L&apos;ANNÉE</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de début&#xa0;! L&apos;année doit être un nombre de 1500 à 2099, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! La zone «&#xa0;Date de naissance&#xa0;» contient trop de caractères.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERREUR DE SAISIE DU MOIS DE NAISSANCE</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! Le mois doit être un nombre de 01 à 12, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERREUR DE SAISIE DU JOUR DE NAISSANCE</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! Le jour doit être un nombre de 01 à 31, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERREUR DE SAISIE DE L&apos;ANNÉE DE NAISSANCE</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! L&apos;année doit être un nombre de 1500 à 2099, au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>NOMBRE DE LIGNES PAR PAGE INCORRECT&#xa0;!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>Le nombre de lignes par page est nul ou négatif&#xa0;!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>Le nombre de lignes par page doit être un nombre entier&#xa0;!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>AUCUN NOM SAISI&#xa0;!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>Aucun nom n&apos;est sélectionné pour le tableau&#xa0;!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>AUCUNE DATE DE NAISSANCE SAISIE&#xa0;!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>Aucune date de naissance n&apos;est sélectionnée pour le tableau&#xa0;!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! La date doit comporter un tiret (-) après le mois et après le jour&#xa0;! Le format doit être MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! Le mois doit être un nombre de 01 à 12</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! Le jour doit être un nombre de 01 à 31</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>Erreur de saisie dans la date de naissance&#xa0;! L&apos;année doit être un nombre de 1500 à 2099</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>AUCUNE DATE DE DÉBUT DE TABLEAU INDIQUÉE&#xa0;!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>Aucune date de début valide n&apos;est indiquée pour le tableau&#xa0;!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>AUCUNE DURÉE DE TABLEAU INDIQUÉE&#xa0;!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>Aucun nombre de jours n&apos;est indiqué pour la durée du tableau&#xa0;!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>DURÉE DU TABLEAU TROP LONGUE&#xa0;!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>Le tableau se terminerait après le 12-31-9999.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>Aucun nom n&apos;est sélectionné pour la page de garde&#xa0;!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>Aucune date de naissance n&apos;est sélectionnée pour la page de garde&#xa0;!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DU NOM ET DE LA DATE</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>Ni le nom ni la date n&apos;ont été saisis</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DU NOM</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>Aucun nom n&apos;a été saisi</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>ERREUR DE SAISIE DE LA DATE</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>Aucune date n&apos;a été saisie</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>Erreur de saisie dans le mois&#xa0;! Le mois doit être un nombre de 01 à 12</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>Erreur de saisie dans le jour&#xa0;! Le jour doit être un nombre de 01 à 31</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>Erreur de saisie dans l&apos;année&#xa0;! L&apos;année doit être un nombre de 1500 à 2099</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Un nom ne peut pas contenir de guillemet double (&quot;). Supprimez-le ou utilisez plutôt une apostrophe.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Un nom ne peut pas contenir de saut de ligne. Saisissez-le sur une seule ligne.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>La date de naissance doit comporter huit chiffres, MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>Le nom contient un caractère de contrôle&#xa0;!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>MÉMOIRE INSUFFISANTE&#xa0;!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Mémoire du programme insuffisante. Vous essayez peut-être d&apos;afficher trop de jours&#xa0;! Relancez l&apos;affichage avec moins de jours&#xa0;!</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Co&amp;mparer</translation>
    </message>
    <message>
        <source>Compare the two people</source>
        <translation>Comparer les deux personnes</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Effacer la comparaison</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Fermer ce panneau et conserver la comparaison</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Comparer deux personnes</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Comparer avec...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Choisir la deuxième personne dans la base de noms</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Nom de la deuxième personne</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Date de naissance de la deuxième personne</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Jours où les deux personnes ont un jour critique</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>Depuis la &amp;base de noms&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(choisir un nom)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Compatibilité avec %1, né(e) le %2 (%3 jours d&apos;écart)&#xa0;:</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Physique %1&#xa0;%</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Émotionnel %1&#xa0;%</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Intellectuel %1&#xa0;%</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Global %1&#xa0;%</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Jours de la période du tableau où les deux personnes ont un jour critique&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>Aucune comparaison. Saisissez le nom et la date de naissance de la deuxième personne, ou choisissez-la dans la base de noms, puis cliquez sur Comparer.</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>Le fichier %1 n&apos;a pas pu être déplacé vers %2.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Aucun dossier n&apos;a été trouvé pour les fichiers du programme.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>BASE DE NOMS</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>Enregistrez ici les noms et dates de naissance les plus utilisés&#xa0;!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Saisissez le nom sous la forme Prénom Nom</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Date de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Saisissez la date de naissance sous la forme MMDDYYYY</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Saisissez la date de naissance sous la forme MMDDYYYY </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Exemple&#xa0;: le 9 mars 1975 s&apos;écrit 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Ajouter cette entrée</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>Cliquez ici pour enregistrer cette entrée&#xa0;!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Nom sélectionné&#xa0;:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Nom sélectionné pour le tableau</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Supprimer ce nom</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>Supprimer l&apos;entrée sélectionnée&#xa0;! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Utiliser ce nom</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>Utiliser le nom sélectionné&#xa0;!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Fermer la base</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Fermer la fenêtre de la base de noms</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>Base de noms</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Noms enregistrés</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Cliquez sur un nom pour le sélectionner</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>RIEN À SUPPRIMER&#xa0;!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>Aucun nom à supprimer n&apos;est sélectionné&#xa0;!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>AUCUN NOM SÉLECTIONNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>Aucun nom n&apos;est sélectionné&#xa0;!</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Physical</source>
        <extracomment>The names of the cycles in the graph&apos;s legend and readout.</extracomment>
        <translation>Physique</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Émotionnel</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Intellectuel</translation>
    </message>
    <message>
        <source>Intuitive</source>
        <translation>Intuitif</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Esthétique</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Conscience</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Spirituel</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>le PDF n&apos;a pas pu être généré</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>jour critique</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>triple haut (au-dessus) ou triple bas (au-dessous)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>jour critique commun</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>Comparaison avec %1, né(e) le %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>émotionnel</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>physique montant</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>intellectuel montant</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>physique descendant</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>intellectuel descendant</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1&#xa0;: aucun.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A list a screen reader says of the graph: %1 is its heading (&quot;Critical days&quot;), %2 its items separated by semicolons.</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A stretch of days on the graph: %1 is the first date, %2 the last.</extracomment>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>SUN</source>
        <extracomment>The weekdays on the graph&apos;s date axis and in its readout: three letters, from Sunday.</extracomment>
        <translation>DIM</translation>
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
        <translation>JEU</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>VEN</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SAM</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>jour %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>jour critique (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triple haut</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triple bas</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>Graphique des biorythmes, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n jour affiché&#xa0;: %1</numerusform>
            <numerusform>%n jours affichés&#xa0;: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Jours critiques</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Triples hauts</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Triples bas</translation>
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
        <translation>Aide de Tidemark</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Aide de Tidemark</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Fermer l&apos;aide</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Sélectionnez en haut, avec le curseur de la souris, la catégorie ou la rubrique sur laquelle vous souhaitez de l&apos;aide. Les informations s&apos;affichent dans la zone ci-dessous. Faites défiler la liste pour voir d&apos;autres rubriques.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l&apos;aide</translation>
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
        <translation>Dans le coin supérieur gauche de l&apos;écran principal du programme se trouvent des icônes de raccourci.
  * DOSSIER OUVERT - ouvre l&apos;écran de la base de noms.
  * IMPRIMANTE AVEC PAPIER (texte centré sur le papier) - imprime une page de garde.
  * IMPRIMANTE AVEC PAPIER (sinusoïde sur le papier) - imprime un tableau.
  * IMPRIMANTE AVEC 2 FEUILLES DE PAPIER - imprime une page de garde et un tableau.
  * ÉCRAN D&apos;ORDINATEUR PLEIN - affiche le tableau à l&apos;écran.
  * ÉCRAN D&apos;ORDINATEUR VIDE - ferme la fenêtre d&apos;affichage du tableau à l&apos;écran.
  * QUATRE ZONES DE TEXTE VIDES - vide toutes les zones de texte du côté gauche de l&apos;écran.
  * TROIS COURBES (rouge, bleue et verte) - affiche le tableau sous forme de graphique des trois cycles.
Laissez la souris sur une icône pour voir ce qu&apos;elle fait et quelle est sa touche de raccourci.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>Le programme n&apos;installe pas automatiquement d&apos;icône sur votre bureau. Installé depuis son paquet, Tidemark se trouve dans le menu des applications de votre bureau, sous Bureautique, et la plupart des bureaux permettent de l&apos;ajouter de là au bureau ou à un panneau. Compilé depuis son dossier source, le programme est le fichier build/src/app/tidemark de ce dossier (la rubrique INSTALLER UNE MISE À JOUR explique comment le compiler)&#xa0;; ajoutez un lanceur pour ce fichier avec l&apos;éditeur de menus ou de lanceurs de votre bureau.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Pour imprimer la fiche «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;», sélectionnez «&#xa0;AIDE&#xa0;» dans le menu déroulant, puis «&#xa0;IMPRIMER “QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?”&#xa0;». Vous pouvez aussi cliquer sur le bouton «&#xa0;IMPRIMER&#xa0;» en haut de la fenêtre «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;».

Cette fiche s&apos;imprime dans la police que vous avez choisie dans les PARAMÈTRES D&apos;IMPRESSION. Lorsque l&apos;option «&#xa0;IMPRIMANTE MATRICIELLE&#xa0;» est sélectionnée, ou que la police Courier est choisie, elle s&apos;imprime en Courier en colonnes régulières. Lorsque la ligne 1 de l&apos;en-tête de la page de garde est remplie, les lignes de l&apos;en-tête s&apos;impriment en bas de la fiche.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>PAGE DE GARDE</translation>
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
        <translation>La page de garde contient des informations sur l&apos;utilisateur et sur le tableau, notamment&#xa0;:
  * le nom de l&apos;utilisateur
  * une ligne d&apos;accroche facultative et modifiable (voir la rubrique correspondante)
  * quatre autres lignes modifiables (pour le nom et l&apos;adresse, etc. Voir la rubrique correspondante.)
  * la date de naissance de l&apos;utilisateur
  * le jour de la semaine de sa naissance
  * le signe astrologique
  * l&apos;âge en années
  * l&apos;âge en jours
  * la durée du tableau
  * la date de début du tableau
  * la date de fin du tableau
  * une explication des symboles utilisés dans le tableau
  * un avertissement</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Ligne d&apos;accroche</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>La ligne d&apos;accroche en haut de la page de garde est facultative. Lorsqu&apos;il y en a une, elle est imprimée centrée sous le nom de l&apos;utilisateur.

Pour en choisir une, cliquez sur la flèche de la zone «&#xa0;ACCROCHE&#xa0;» dans la partie «&#xa0;EN-TÊTE DE LA PAGE DE GARDE&#xa0;» et choisissez l&apos;une des sept lignes proposées, ou cliquez dans la zone et tapez votre propre ligne. Pour ne pas en mettre, cliquez sur le bouton «&#xa0;&lt;&lt; EFFACER&#xa0;» à côté.

L&apos;accroche est enregistrée lorsque vous quittez le programme et réapparaît au démarrage suivant.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nom et adresse</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>Le nom et l&apos;adresse en haut de la page de garde sont facultatifs. Ils se composent des quatre lignes «&#xa0;LIGNE 1&#xa0;» à «&#xa0;LIGNE 4&#xa0;» de la partie «&#xa0;EN-TÊTE DE LA PAGE DE GARDE&#xa0;».

Tapez-y ce qui doit suivre l&apos;accroche, par exemple votre nom, votre rue, votre ville et votre adresse électronique. Chaque ligne non vide est imprimée centrée&#xa0;; une ligne vide est omise. Le bouton «&#xa0;&lt;&lt; EFFACER&#xa0;» à côté d&apos;une ligne la vide.

Les lignes sont enregistrées lorsque vous quittez le programme. Lorsque la «&#xa0;LIGNE 1&#xa0;» est remplie, elles s&apos;impriment aussi en bas de la fiche «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;».</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>BASE DE NOMS</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>La base de noms sert à enregistrer les noms et dates de naissance utilisés fréquemment. Elle est conservée dans le fichier bioname.dat du dossier de données de Tidemark, .local/share/Tidemark dans votre dossier personnel, et elle classe les noms par ordre alphabétique. Choisir un nom dans la base remplit pour vous les zones «&#xa0;NOM&#xa0;» et «&#xa0;DATE DE NAISSANCE&#xa0;»&#xa0;; voir les rubriques suivantes. Un nom est enregistré dans le fichier dès que vous l&apos;ajoutez ou le supprimez, si bien que deux exemplaires de Tidemark ouverts en même temps conservent les noms l&apos;un de l&apos;autre. Les paramètres (l&apos;en-tête de la page de garde, les paramètres d&apos;impression et les préférences du tableau) sont enregistrés lorsqu&apos;un exemplaire se ferme&#xa0;: c&apos;est donc l&apos;exemplaire fermé en dernier qui conserve ses paramètres.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Ajouter un nom à la base</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Avec la souris, sélectionnez «&#xa0;FICHIER&#xa0;» dans le menu déroulant du haut.

Dans le menu «&#xa0;FICHIER&#xa0;», sélectionnez «&#xa0;OUVRIR LA BASE DE NOMS&#xa0;». La fenêtre de la base de noms s&apos;ouvre au milieu de l&apos;écran.

Tapez le nom dans la zone «&#xa0;NOM&#xa0;», par exemple Prénom Nom. Un nom peut contenir n&apos;importe quelles lettres, mais pas de guillemet double (&quot;).

Tapez la date de naissance dans la zone «&#xa0;DATE DE NAISSANCE&#xa0;» sous forme de huit chiffres, MMDDYYYY, sans tirets&#xa0;: le 9 mars 1975 s&apos;écrit 03091975.

Cliquez sur le bouton «&#xa0;AJOUTER CETTE ENTRÉE&#xa0;». Le nom est enregistré aussitôt et apparaît dans la liste, par ordre alphabétique. Ajoutez autant de noms que vous le souhaitez, puis cliquez sur «&#xa0;FERMER LA BASE&#xa0;».

(Facultatif&#xa0;: pour ouvrir la base au clavier, maintenez la touche «&#xa0;CTRL&#xa0;» enfoncée et appuyez sur la touche «&#xa0;O&#xa0;», ou cliquez sur l&apos;icône de raccourci «&#xa0;DOSSIER OUVERT&#xa0;».)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Supprimer un nom de la base</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Avec la souris, sélectionnez «&#xa0;FICHIER&#xa0;» dans le menu déroulant.

Dans le menu «&#xa0;FICHIER&#xa0;», sélectionnez «&#xa0;OUVRIR LA BASE DE NOMS&#xa0;».

Cliquez dans la liste sur le nom à supprimer, afin qu&apos;il apparaisse dans la zone «&#xa0;NOM SÉLECTIONNÉ&#xa0;», puis cliquez sur le bouton «&#xa0;SUPPRIMER CE NOM&#xa0;». Le nom est supprimé aussitôt, sans demande de confirmation.

(Un seul nom peut être sélectionné et supprimé à la fois. Un nom supprimé peut être rétabli&#xa0;: cliquez dans la liste, puis maintenez la touche «&#xa0;CTRL&#xa0;» enfoncée et appuyez sur la touche «&#xa0;Z&#xa0;». Chaque appui rétablit un nom de plus, en commençant par le dernier supprimé, à sa place dans le fichier, tant que le programme reste ouvert.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Utiliser un nom de la base</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Avec la souris, sélectionnez «&#xa0;FICHIER&#xa0;» dans le menu déroulant du haut.

Dans le menu «&#xa0;FICHIER&#xa0;», sélectionnez «&#xa0;OUVRIR LA BASE DE NOMS&#xa0;», puis cliquez dans la liste sur le nom voulu, afin qu&apos;il apparaisse dans la zone «&#xa0;NOM SÉLECTIONNÉ&#xa0;».

Cliquez sur le bouton «&#xa0;UTILISER CE NOM&#xa0;». La fenêtre de la base se ferme, le nom et la date de naissance vont dans les zones «&#xa0;NOM&#xa0;» et «&#xa0;DATE DE NAISSANCE&#xa0;», les autres informations sont remplies et le curseur attend dans la zone «&#xa0;DURÉE DU TABLEAU EN JOURS&#xa0;».</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>AFFICHER LE TABLEAU À L&apos;ÉCRAN</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Sélectionnez «&#xa0;FICHIER&#xa0;» dans le menu déroulant du haut. «&#xa0;Afficher le tableau à l&apos;écran&#xa0;» permet d&apos;afficher un tableau continu et de le faire défiler vers l&apos;avant ou vers l&apos;arrière.

Le tableau est établi à partir du nom, de la date de naissance, de la date de début et de la durée du tableau indiqués à gauche de l&apos;écran, et de vos «&#xa0;PRÉFÉRENCES DU TABLEAU&#xa0;». Pendant son affichage, les menus et les autres icônes sont inaccessibles&#xa0;; pour le fermer, cliquez sur «&#xa0;FERMER CETTE FENÊTRE&#xa0;» en haut à droite ou sur l&apos;icône «&#xa0;ÉCRAN D&apos;ORDINATEUR VIDE&#xa0;», ou appuyez sur la touche «&#xa0;ÉCHAP&#xa0;». Les touches fléchées et les touches de page permettent de parcourir le tableau&#xa0;; avec la touche «&#xa0;MAJ&#xa0;» enfoncée, elles sélectionnent, et «&#xa0;CTRL&#xa0;» et «&#xa0;C&#xa0;» copient la sélection («&#xa0;CTRL&#xa0;» et «&#xa0;A&#xa0;» sélectionnent tout le tableau).</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>PRÉFÉRENCES DU TABLEAU</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>Voir la catégorie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;».</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>PARAMÈTRES PAR DÉFAUT</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Avec la souris, sélectionnez «&#xa0;ÉDITION&#xa0;» dans le menu déroulant du haut. Dans le menu «&#xa0;ÉDITION&#xa0;», sélectionnez «&#xa0;PARAMÈTRES PAR DÉFAUT&#xa0;». Tous les paramètres reprennent leurs valeurs «&#xa0;d&apos;usine&#xa0;».</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>AIDE PAR COURRIEL</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Si vous ne trouvez pas la réponse à votre question dans cette aide, vous pouvez envoyer un courriel&#xa0;: nous essaierons de vous apporter une réponse à votre problème. Vous pouvez aussi écrire à l&apos;adresse ci-dessous.

Décrivez votre problème avec précision&#xa0;: indiquez ce que vous faisiez, quel élément de menu ou quel bouton vous avez utilisé et ce que vous avez vu (recopiez le texte de tout message). Indiquez-nous la version affichée dans «&#xa0;À PROPOS DE TIDEMARK&#xa0;» du menu «&#xa0;AIDE&#xa0;» et le système sur lequel vous l&apos;utilisez.

Courriel&#xa0;: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>ICÔNES</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Icône du bureau</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>INSTALLER UNE MISE À JOUR</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Lorsque vous êtes prêt à installer une version plus récente du programme sur votre ordinateur, vous devez d&apos;abord désinstaller le programme actuellement présent. Installé depuis son paquet, Tidemark se supprime avec le gestionnaire de paquets de votre système (apt-get remove tidemark)&#xa0;; s&apos;il a été compilé depuis son dossier source, supprimez ce dossier. Vos noms, vos paramètres et l&apos;en-tête de votre page de garde se trouvent dans le dossier de données de Tidemark, .local/share/Tidemark dans votre dossier personnel, et sont conservés&#xa0;: la nouvelle version démarre donc avec eux (les versions qui les conservaient dans .local/share/Tidemark/Tidemark les transmettent d&apos;elles-mêmes). Installez ensuite le paquet de la nouvelle version avec le gestionnaire de paquets, ou mettez son dossier source à la place de l&apos;ancien, ouvrez-y un terminal, puis compilez et lancez le programme avec les commandes ci-dessous. La compilation nécessite les paquets cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf et fonts-liberation, que le gestionnaire de paquets de votre système installe. (Pour créer plutôt le paquet lui-même, exécutez «&#xa0;cpack -G DEB&#xa0;» dans le dossier de compilation et installez le fichier produit avec «&#xa0;apt-get install ./tidemark_*.deb&#xa0;».)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>DURÉE DU TABLEAU</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>Le tableau imprimé peut couvrir un nombre quelconque de jours. Tapez le nombre de jours dans la zone «&#xa0;DURÉE DU TABLEAU EN JOURS&#xa0;» et la zone «&#xa0;DATE DE FIN DU TABLEAU&#xa0;» se remplit d&apos;elle-même. Un long tableau occupe simplement plus de pages.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Régler le nombre de jours</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>La durée du tableau imprimé est choisie par l&apos;utilisateur. Vérifiez d&apos;abord que la zone «&#xa0;DÉBUT DU TABLEAU&#xa0;» contient la date de début au format MM-DD-YYYY (la date du jour y est placée au démarrage du programme, et le bouton «&#xa0;&lt;&lt; RÉTABLIR&#xa0;» la remet), puis tapez le nombre de jours dans la zone «&#xa0;DURÉE DU TABLEAU EN JOURS&#xa0;».

Une nouvelle date de début vide la durée et la date de fin&#xa0;: retapez donc la durée après avoir changé la date de début. La zone de la durée reste vide tant que la date de début n&apos;est pas complète.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>SAISIE MANUELLE</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>Pour les personnes dont vous imprimerez régulièrement le tableau, vous voudrez sans doute enregistrer leur nom dans la base. Pour un nom dont vous n&apos;avez besoin que de temps en temps, tapez directement le nom et la date de naissance dans les zones «&#xa0;NOM&#xa0;» et «&#xa0;DATE DE NAISSANCE&#xa0;» de l&apos;écran principal du programme, comme le décrivent les rubriques suivantes.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Date de naissance</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>Dans l&apos;écran principal du programme, cliquez avec la souris dans la zone de texte «&#xa0;DATE DE NAISSANCE&#xa0;» (la deuxième en partant du haut). Tapez la date de naissance au format MM-DD-YYYY, avec les tirets&#xa0;: le 9 mars 1975 se tape 03-09-1975. Les années de 1500 à 2099 sont acceptées.

Une fois le nom et la date de naissance saisis, le programme remplit automatiquement les autres informations nécessaires.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nom</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>Dans l&apos;écran principal du programme, cliquez avec la souris dans la zone de texte «&#xa0;NOM&#xa0;».

Tapez le nom tel que vous voulez qu&apos;il apparaisse sur le tableau et sur la page de garde, par exemple Prénom Nom. Le tableau affiche le nom en majuscules, en haut.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PRÉFÉRENCES</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>Voir la catégorie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;».  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>PARAMÈTRES D&apos;IMPRESSION</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>Plusieurs choix s&apos;offrent à vous pour préparer l&apos;impression d&apos;un tableau. Ils se trouvent dans les parties «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;» et «&#xa0;PRÉFÉRENCES DU TABLEAU&#xa0;» de l&apos;écran principal du programme, et chacun est décrit dans une rubrique ci-dessous. Vos choix sont enregistrés lorsque vous quittez le programme, et «&#xa0;PARAMÈTRES PAR DÉFAUT&#xa0;» dans le menu «&#xa0;ÉDITION&#xa0;» rétablit les réglages d&apos;usine.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Couleur</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Lorsque la case «&#xa0;IMPRIMER EN COULEUR&#xa0;» est cochée, chacun des trois cycles est imprimé dans une couleur différente&#xa0;: le cycle (P)hysique en rouge, le cycle (E)motionnel en bleu et le cycle (I)ntellectuel en vert. Les marques de triple haut et de triple bas s&apos;impriment en magenta.

La couleur n&apos;est utilisée que sur le tableau imprimé&#xa0;; le tableau à l&apos;écran et la page de garde sont en noir. Une imprimante sans couleur imprime les couleurs en noir ou en nuances de gris. Pour imprimer en noir seulement, cliquez sur la case jusqu&apos;à ce qu&apos;elle soit vide.

(Réglage par défaut&#xa0;: Imprimer en couleur = oui.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Date</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Lorsque la case «&#xa0;DATE DU JOUR SUR CHAQUE PAGE&#xa0;» est cochée, la date d&apos;impression du tableau apparaît en haut à droite de chaque page, après les mots «&#xa0;DATE PREPARED:&#xa0;». Cliquez sur la case jusqu&apos;à ce qu&apos;elle soit vide pour ne pas imprimer la date.

(Réglage par défaut&#xa0;: Date sur chaque page = oui.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Police</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Trois polices sont disponibles pour votre tableau et votre page de garde. Choisissez Arial, Courier ou Times dans la liste «&#xa0;POLICE&#xa0;» de la partie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;», ou tapez le nom d&apos;une autre police installée sur votre ordinateur.

La police est utilisée avec une imprimante laser, à jet d&apos;encre ou similaire&#xa0;; lorsque l&apos;option «&#xa0;IMPRIMANTE MATRICIELLE&#xa0;» est sélectionnée, tout s&apos;imprime en Courier. Les polices sont trouvées par le service de polices du système (fontconfig)&#xa0;: lorsque les polices Arial, Courier ou Times elles-mêmes ne sont pas installées, des polices équivalentes sont utilisées, comme les polices Liberation du paquet fonts-liberation.

(Réglage par défaut&#xa0;: Arial pour les imprimantes de type laser, Courier pour les imprimantes matricielles.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Prévisions</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Lorsque la case «&#xa0;PRÉVISIONS QUOTIDIENNES&#xa0;» est cochée, des prévisions sur trois lignes sont imprimées dans le tableau pour chaque jour affiché. Elles donnent une phrase pour chacun des cycles émotionnel, physique et intellectuel, précédée d&apos;une ligne de plus en cas de triple haut, de triple bas ou de jour propice aux accidents. Les prévisions apparaissent aussi dans le tableau à l&apos;écran. Elles sont rédigées en anglais.

Si vous ne voulez pas imprimer les prévisions, cliquez sur la case «&#xa0;PRÉVISIONS QUOTIDIENNES&#xa0;» jusqu&apos;à ce qu&apos;elle soit vide.

(Réglage par défaut&#xa0;: Prévisions quotidiennes = non.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Messages de fêtes</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Lorsque la case «&#xa0;MESSAGES DE FÊTES&#xa0;» est cochée, l&apos;utilisateur est salué par un message d&apos;une ligne certains jours du tableau&#xa0;: le jour de l&apos;An, Noël, chaque vendredi 13 et l&apos;anniversaire de l&apos;utilisateur, qui indique aussi l&apos;âge atteint. Les messages, en anglais, apparaissent dans le tableau à l&apos;écran et dans le tableau imprimé.

(Réglage par défaut&#xa0;: Messages de fêtes = oui.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Lignes par page</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>L&apos;utilisateur peut indiquer le nombre de lignes souhaité pour chaque page. Tapez ce nombre dans la zone «&#xa0;NOMBRE DE LIGNES PAR PAGE&#xa0;» de la partie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;», uniquement en chiffres et sans zéro initial. Ce nombre inclut l&apos;en-tête en haut de chaque page&#xa0;: avec 50 lignes et un interligne simple, chaque page contient jusqu&apos;à 42 jours. Si les pages débordent sur une feuille supplémentaire, diminuez ce nombre (voir DÉPANNAGE).

(Réglage par défaut&#xa0;: Nombre de lignes par page = 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Interligne</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Trois réglages différents agissent sur l&apos;interligne du tableau imprimé. Pour choisir un réglage, cliquez sur le bouton d&apos;option souhaité.

 * Interligne simple -- ce réglage produit un tableau à interligne simple.

 * Interligne double -- ce réglage insère une ligne vide entre les jours. Le tableau est ainsi plus facile à lire.

 * Interligne double avec traits -- ce réglage insère une ligne pointillée entre les jours, ce qui permet de suivre facilement chaque jour d&apos;un bout à l&apos;autre de la page.

(Réglage par défaut&#xa0;: Interligne double avec traits.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Type d&apos;imprimante</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Pour régler l&apos;imprimante, il vous suffit de choisir l&apos;une des deux options. Choisissez «&#xa0;IMPRIMANTE MATRICIELLE&#xa0;» pour une imprimante qui imprime en colonnes fixes, ou «&#xa0;LASER, JET D&apos;ENCRE, BUBBLEJET OU SIMILAIRE&#xa0;» pour toute autre imprimante, ce qui couvre presque toutes les imprimantes utilisées aujourd&apos;hui. Ce choix détermine la disposition des lignes sur la page.

(Réglage par défaut&#xa0;: imprimante de type laser.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>IMPRESSION</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>Consultez les rubriques qui suivent cette catégorie pour savoir comment imprimer les différents documents.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tableau</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Lorsque vous êtes prêt à imprimer un tableau, vous pouvez sélectionner «&#xa0;IMPRIMER LE TABLEAU (SEUL)&#xa0;» dans le menu déroulant «&#xa0;FICHIER&#xa0;». Le tableau est imprimé pour le nom, la date de naissance, la date de début et la durée du tableau indiqués sur l&apos;écran principal du programme, avec vos paramètres d&apos;impression et les préférences du tableau.

Vous pouvez aussi utiliser l&apos;icône de raccourci correspondante pour imprimer votre tableau.

Le tableau est envoyé à votre imprimante par défaut. Si aucune imprimante n&apos;est configurée, le programme demande le nom d&apos;un fichier PDF et y imprime le tableau.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Lorsque la case «&#xa0;IMPRIMER EN COULEUR&#xa0;» est cochée, chacun des trois cycles est imprimé dans une couleur différente sur votre tableau&#xa0;: rouge pour le cycle (P)hysique, bleu pour le cycle (E)motionnel et vert pour le cycle (I)ntellectuel&#xa0;; les marques de triple haut et de triple bas et la ligne du Nouvel An sont en magenta, la ligne de Noël en vert, la ligne du vendredi 13 en cyan et la ligne d&apos;anniversaire en rouge. La case se trouve dans la partie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;»&#xa0;; l&apos;impression en couleur est plus lente, décochez-la donc si vous voulez rapidement un tableau en noir.

(Réglage par défaut&#xa0;: Imprimer en couleur = oui.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Page de garde</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Lorsque vous êtes prêt à imprimer une page de garde, vous pouvez sélectionner «&#xa0;IMPRIMER LA PAGE DE GARDE (SEULE)&#xa0;» dans le menu déroulant «&#xa0;FICHIER&#xa0;». Le nom, la date de naissance, la date de début et la durée du tableau doivent d&apos;abord être indiqués.

Vous pouvez aussi utiliser l&apos;icône de raccourci correspondante pour imprimer votre page de garde.

Pour imprimer à la fois la page de garde et le tableau, sélectionnez «&#xa0;IMPRIMER LA PAGE DE GARDE ET LE TABLEAU&#xa0;» dans le menu «&#xa0;FICHIER&#xa0;»&#xa0;; la page de garde sort en premier.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Qu&apos;est-ce qu&apos;un biorythme</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>RÉSOLUTION</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>Le programme devrait bien fonctionner avec toute résolution d&apos;écran dans laquelle sa fenêtre tient entièrement (voir RÉSOLUTION D&apos;ÉCRAN). La résolution se change dans les paramètres d&apos;affichage de votre bureau, par exemple Paramètres, Écrans dans GNOME, ou Configuration du système, Affichage dans KDE Plasma.

Le texte de Tidemark suit la hauteur de l&apos;écran. Sur un écran de 480, 600, 720, 768, 864, 960, 1024 ou 1200 pixels de haut, les étiquettes, zones et boutons prennent la taille prévue pour cette hauteur, de 8 points sur le plus petit à 18 points sur le plus grand, et le titre de l&apos;avis de démarrage grandit avec eux&#xa0;; sur un écran d&apos;une autre hauteur, le texte garde sa taille (10 points avec la taille de texte normale). Les positions et largeurs des zones et des cadres suivent la fenêtre lorsqu&apos;elle est redimensionnée, et les panneaux qu&apos;elle ouvre par-dessus elle-même prennent leur taille d&apos;après elle.

Le menu «&#xa0;AFFICHAGE&#xa0;» agrandit ou réduit tout le texte de la fenêtre, du tableau et du graphique par pas d&apos;un dixième&#xa0;: «&#xa0;AGRANDIR LE TEXTE&#xa0;» (CTRL++), «&#xa0;RÉDUIRE LE TEXTE&#xa0;» (CTRL+-) et «&#xa0;TAILLE NORMALE DU TEXTE&#xa0;» (CTRL+0), qui revient à la taille ci-dessus. Le texte grandit jusqu&apos;à la plus grande taille à laquelle toute la fenêtre tient encore à l&apos;écran, et rétrécit jusqu&apos;à huit dixièmes&#xa0;; la taille minimale de la fenêtre grandit et rétrécit avec lui. Le programme mémorise la taille du texte pour son prochain démarrage. La première fois qu&apos;il démarre sur un écran d&apos;une hauteur absente de la liste ci-dessus, il prend la taille de la hauteur listée immédiatement inférieure, tant que la fenêtre tient (18 points sur un écran de 1080 ou 1440 pixels de haut).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>RÉSOLUTION D&apos;ÉCRAN</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>La meilleure résolution d&apos;écran pour ce programme est de 1024 x 768 ou plus. La fenêtre s&apos;ouvre à l&apos;intérieur de l&apos;écran et peut être réduite autant que son texte le permet, de façon à afficher chaque libellé en entier&#xa0;: environ 720 x 490 pixels avec un texte de 10 points, 1010 x 670 avec le texte de 14 points d&apos;un écran de 768 pixels de haut, 1250 x 790 avec le texte de 18 points d&apos;un écran de 960 ou 1024 pixels de haut, et 1250 x 960 sur un écran de 1200 pixels de haut, où les zones s&apos;agrandissent en hauteur avec la fenêtre.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>ICÔNES DE RACCOURCI</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>TOUCHES DE RACCOURCI</translation>
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
        <translation>Chaque commande de menu est accessible en maintenant la touche «&#xa0;ALT&#xa0;» enfoncée et en appuyant sur les lettres soulignées du menu et de la commande. Les commandes suivantes ont aussi leur propre touche&#xa0;:
  * CTRL+O - ouvre l&apos;écran de la base de noms.
  * CTRL+P - imprime un tableau.
  * CTRL+D - affiche le tableau à l&apos;écran.
  * CTRL+G - affiche le graphique des trois cycles.
  * CTRL++ (ou CTRL+=) - agrandit le texte.
  * CTRL+- - réduit le texte.
  * CTRL+0 - rend au texte sa taille normale.
  * F1 - affiche ces rubriques d&apos;aide.
  * CTRL+Q - quitte le programme.
  * ÉCHAP - ferme le tableau, le graphique, l&apos;écran de la base de noms, la fenêtre «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;» ou la fenêtre d&apos;aide affichée.
Au démarrage, ENTRÉE ou ÉCHAP ferme l&apos;avis. Dans l&apos;écran de la base de noms, ENTRÉE dans la zone de la date de naissance ajoute le nom, ENTRÉE sur un nom l&apos;utilise, SUPPR le supprime et CTRL+Z dans la liste rétablit le dernier nom supprimé. La touche TAB passe d&apos;une zone à l&apos;autre, y compris les zones remplies par le programme, et atteint aussi les icônes de raccourci.
Dans le graphique, les touches FLÈCHE GAUCHE et FLÈCHE DROITE déplacent le curseur de jour (une ligne noire) d&apos;un jour à la fois, et le haut du graphique indique sa date, son numéro de jour, les trois cycles en pourcentage et s&apos;il s&apos;agit d&apos;un jour critique, d&apos;un triple haut ou d&apos;un triple bas. PAGE PRÉC et PAGE SUIV reculent ou avancent d&apos;une vue entière, DÉBUT et FIN vont au premier ou au dernier jour, + et - affichent moins ou plus de jours, et MAJ+F10 ou la touche MENU ouvre le menu du graphique (enregistrer, imprimer, fermer).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>INFORMATIONS SYSTÈME</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Si vous souhaitez consulter des informations sur votre ordinateur, nous avons ajouté au programme un petit utilitaire bien pratique. Dans le menu «&#xa0;AIDE&#xa0;», sélectionnez «&#xa0;À PROPOS DE TIDEMARK&#xa0;» et cliquez sur le bouton «&#xa0;INFOS SYSTÈME...&#xa0;». Il lance le premier programme d&apos;informations système qu&apos;il trouve installé (comme HardInfo, le Centre d&apos;informations de KDE ou le Moniteur système de GNOME)&#xa0;; s&apos;il n&apos;y en a aucun, il indique que les informations système ne sont pas disponibles.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>DÉPANNAGE</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Si vous rencontrez des problèmes avec le programme, parcourez les questions des rubriques suivantes pour voir si votre problème y figure.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Le tableau s&apos;imprime lentement</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>L&apos;option couleur ralentit considérablement l&apos;impression. Si votre tableau s&apos;imprime lentement, cliquez sur la case «&#xa0;IMPRIMER EN COULEUR&#xa0;» de la partie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;» jusqu&apos;à ce qu&apos;elle soit vide&#xa0;; le tableau s&apos;imprime alors en noir seulement.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Le tableau ne s&apos;imprime pas</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>Le tableau est envoyé à la file d&apos;impression par défaut du système (CUPS), ou à la première imprimante installée si aucune n&apos;est définie par défaut. Vérifiez qu&apos;une imprimante est installée et définie par défaut dans les paramètres d&apos;imprimante de votre système (ou sur la page CUPS à l&apos;adresse http://localhost:631), qu&apos;elle est allumée et qu&apos;elle a du papier. Si aucune imprimante n&apos;est configurée, le programme demande à la place le nom d&apos;un fichier PDF, et si l&apos;impression échoue, il l&apos;indique dans un message.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La page 2 ne s&apos;imprime pas en entier</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Si la page 2 ne s&apos;imprime qu&apos;en partie et que l&apos;impression continue sur la page 3, c&apos;est que l&apos;option d&apos;impression «&#xa0;NOMBRE DE LIGNES PAR PAGE&#xa0;» est trop élevée. Diminuez le nombre dans cette zone de la partie «&#xa0;PARAMÈTRES D&apos;IMPRESSION&#xa0;» jusqu&apos;à ce que chaque page du tableau tienne sur une feuille.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Le tableau à l&apos;écran n&apos;est pas aligné</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Lors de l&apos;affichage à l&apos;écran, si la ligne médiane n&apos;est pas bien droite, c&apos;est que la police «&#xa0;LIBERATION MONO&#xa0;» n&apos;est pas correctement installée sur votre ordinateur. Le programme affiche le tableau en Liberation Mono, une police dont toutes les lettres ont la même largeur, fournie par le paquet fonts-liberation (le gestionnaire de paquets de votre système l&apos;installe)&#xa0;; lorsque cette police manque, il utilise à la place la police à chasse fixe de votre système. La commande fc-list &apos;Liberation Mono&apos; indique si la police est installée&#xa0;: elle n&apos;affiche rien si elle ne l&apos;est pas.

Veuillez noter que la police «&#xa0;COURIER NEW&#xa0;» est peut-être installée sur votre ordinateur, mais ce n&apos;est pas la police demandée par le programme.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Il n&apos;y a pas d&apos;icône sur le bureau</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Vous voudrez souvent imprimer un tableau pour un ami ou un membre de votre famille qui ne sait pas ce qu&apos;est un biorythme. La fiche «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;» explique en termes simples les trois cycles, les jours critiques et les jours de triple haut et de triple bas&#xa0;; lisez-la à l&apos;écran ou imprimez-la pour la remettre avec le tableau. La fiche imprimée est en anglais.

Toutes les informations que vous avez saisies dans les lignes 1 à 4 de l&apos;en-tête de la page de garde s&apos;impriment en bas de cette fiche «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;». Lorsque la ligne 1 est vide, aucune des quatre lignes n&apos;est imprimée.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Affichage à l&apos;écran</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Pour afficher «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;», sélectionnez «&#xa0;AIDE&#xa0;» dans le menu déroulant du haut, puis «&#xa0;QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;?&#xa0;». Le texte s&apos;ouvre dans une fenêtre au milieu de l&apos;écran&#xa0;: faites-le défiler avec la barre à sa droite, imprimez-le avec son bouton «&#xa0;IMPRIMER&#xa0;» et fermez-le avec son bouton «&#xa0;FERMER&#xa0;».</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Imprimer la définition</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>COMPARER DEUX PERSONNES</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Pour voir comment vos cycles s&apos;accordent avec ceux d&apos;une autre personne, remplissez le nom, la date de naissance, la date de début et la durée du tableau comme pour un tableau, puis sélectionnez «&#xa0;FICHIER&#xa0;» dans le menu déroulant du haut et «&#xa0;COMPARER AVEC...&#xa0;». Dans le panneau qui s&apos;ouvre, tapez le nom et la date de naissance (MM-DD-YYYY) de la deuxième personne, ou choisissez-la dans la base de noms en haut du panneau, puis cliquez sur «&#xa0;COMPARER&#xa0;» (ou appuyez sur «&#xa0;ENTRÉE&#xa0;»).

Le panneau affiche la compatibilité des deux personnes pour chaque cycle et globalement, et liste les jours de la période du tableau où les deux ont un jour critique. Pour chaque cycle, avec D le nombre de jours entre les deux dates de naissance et P la durée du cycle en jours (23, 28 ou 33), la compatibilité vaut 100 x |cos(pi x D / P)| pour cent, arrondie au pour cent entier&#xa0;: 100&#xa0;% lorsque les deux cycles sont en phase (D vaut 0 ou un nombre entier de cycles), 0&#xa0;% lorsque l&apos;un a un demi-cycle de retard sur l&apos;autre. La compatibilité globale est la moyenne des trois pourcentages, arrondie.

Tant que la comparaison est active, «&#xa0;AFFICHER LE GRAPHIQUE À L&apos;ÉCRAN&#xa0;» trace aussi les trois cycles de la deuxième personne, plus fins et plus pâles, dans la couleur et le style de trait de chaque cycle, et les nomme dans la légende&#xa0;; un petit triangle noir en haut du graphique marque chaque jour où les deux ont un jour critique. Appuyez sur «&#xa0;ÉCHAP&#xa0;» ou cliquez sur «&#xa0;FERMER&#xa0;» pour fermer le panneau et conserver la comparaison&#xa0;; cliquez sur «&#xa0;EFFACER&#xa0;» dans le panneau, ou sélectionnez «&#xa0;EFFACER LA COMPARAISON&#xa0;» dans le menu «&#xa0;FICHIER&#xa0;», pour y mettre fin. La comparaison n&apos;est pas enregistrée, et le tableau, les impressions et les paramètres ne concernent qu&apos;une seule personne.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Préparation du tableau...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Afficher le tableau à l&apos;écran</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Ouvrir la base de noms</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Ajouter, choisir ou supprimer les noms que vous utilisez le plus souvent</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>Imprimer la &amp;page de garde (seule)</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Imprimer la page de garde de cette personne</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Imprimer le &amp;tableau (seul)</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Imprimer le tableau de cette personne</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Imprimer la page de garde et le tableau</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Imprimer la page de garde, puis le tableau</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>&amp;Afficher le tableau à l&apos;écran</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Afficher le tableau dans la fenêtre</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Voir les pages avant de les imprimer</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exporter en PDF...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Enregistrer le tableau, la page de garde ou les deux dans des fichiers PDF</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>Afficher le &amp;graphique à l&apos;écran</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Afficher les trois cycles sous forme de courbes</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>Exporter vers un ca&amp;lendrier...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Enregistrer les jours critiques et les anniversaires de la période du tableau dans un fichier de calendrier</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Comparer cette personne avec une autre&#xa0;: l&apos;accord des cycles et les jours critiques communs</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Effacer la compa&amp;raison</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Mettre fin à la comparaison&#xa0;: le graphique ne montre plus que cette personne</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Enregistrer les paramètres et fermer Tidemark</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>&amp;Vider toutes les zones de texte ci-dessous</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Vider le nom, la date de naissance et les dates du tableau</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>&amp;Paramètres par défaut</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Rétablir les paramètres d&apos;impression et les préférences du tableau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Obtenir de l&apos;aide...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Afficher les rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>&amp;Qu&apos;est-ce qu&apos;un biorythme&#xa0;?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Lire ce que montre le tableau</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Imprimer «&#xa0;Qu&apos;est-ce qu&apos;un biorythme&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Imprimer l&apos;explication du tableau</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>À &amp;propos de Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Afficher la version et des informations sur cet ordinateur</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Ouvrir la base de noms</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Fermer la fenêtre d&apos;affichage du tableau</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Fermer le tableau</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Imprimer la page de garde</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimer le tableau</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Imprimer page de garde et tableau</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Vider toutes les zones de texte ci-dessous</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Afficher le graphique à l&apos;écran</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>La comparaison est effacée.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un calendrier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>Le calendrier a été enregistré dans %1.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Enregistrer le graphique en PNG ou PDF...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Imprimer le graphique...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Fermer le graphique</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Couleurs standard</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Adaptées aux daltoniens (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Cycles secondaires</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 jours)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Le graphique n&apos;a pas pu être imprimé.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>le graphique</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>Images PNG (*.png);;Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> Tidemark continue avec ses paramètres par défaut.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>les modifications faites pendant cette session ne pourront pas être enregistrées.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> Les paramètres y ont été lus, mais </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> Tidemark continue avec ses paramètres par défaut, et </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Une nouvelle tentative aura lieu au prochain démarrage&#xa0;; d&apos;ici là, les modifications ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>ERREUR DU FICHIER DE PARAMÈTRES&#xa0;!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Tableaux de biorythmes</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>AVERTISSEMENT&#xa0;: ce logiciel est protégé par la loi sur le droit d&apos;auteur. Toute reproduction ou distribution non autorisée de ce logiciel, ou de toute partie de celui-ci, fera l&apos;objet de poursuites dans toute la mesure permise par la loi. Ce logiciel est fourni à des fins de divertissement uniquement, et nul ne prétend que quiconque doive se laisser guider physiquement ou spirituellement par ce que produit ce logiciel. En utilisant ce logiciel, vous acceptez ces conditions.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Cliquez sur cet avis, ou appuyez sur Entrée, pour commencer.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Appuyez sur Entrée pour commencer</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Document&#xa0;:</translation>
    </message>
    <message>
        <source>SAVE ERROR!</source>
        <translation>ERREUR D&apos;ENREGISTREMENT&#xa0;!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Agrandir le texte</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Agrandir le texte de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>&amp;Réduire le texte</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Réduire le texte de la fenêtre</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Taille &amp;normale du texte</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Afficher le texte de la fenêtre à sa taille normale</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>Le texte est aussi grand que cet écran le permet.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>ERREUR DE LA BASE DE NOMS</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Elle conserve son contenu précédent.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>un autre exemplaire de Tidemark est en train de la modifier</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>son dossier n&apos;est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>le fichier de verrouillage %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>La base de noms %1 n&apos;a pas pu être verrouillée (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>Le fichier de la base de noms %1 est introuvable. La liste est vide&#xa0;; l&apos;ajout d&apos;un nom crée un nouveau fichier.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> La liste des noms est vide, et le fichier reste tel quel.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> La nouvelle entrée n&apos;a pas été ajoutée.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>BASE DE NOMS PLEINE</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>La base de noms contient déjà 32&#xa0;767 entrées, le maximum possible. Supprimez un nom avant d&apos;en ajouter un autre.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>La base de noms contient déjà %1 entrées, au-delà des 32&#xa0;767 qu&apos;elle peut contenir. Supprimez %2 noms avant d&apos;en ajouter un autre.</numerusform>
            <numerusform>La base de noms contient déjà %1 entrées, au-delà des 32&#xa0;767 qu&apos;elle peut contenir. Supprimez %2 noms avant d&apos;en ajouter un autre.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> Le nom supprimé n&apos;a pas été rétabli.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Rétablir</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Saisissez un nom ou choisissez-le dans la base de noms</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Saisissez la date au format MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>Revenir à la date du jour&#xa0;!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Rétablir la date de début</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Date de naissance (MM-DD-YYYY)&#xa0;:</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Signe astrologique&#xa0;:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>Jour de naissance&#xa0;:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Âge en jours&#xa0;:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Âge en années&#xa0;:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Début du tableau (MM-DD-YYYY)&#xa0;:</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Durée du tableau en jours&#xa0;:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Date de fin du tableau&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PersonFacts</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Bélier</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Taureau</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Gémeaux</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cancer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Lion</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Vierge</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Scorpion</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagittaire</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricorne</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Verseau</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Poissons</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Effacer</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>En-tête de la page de garde</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Effacer la ligne d&apos;accroche</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Effacer l&apos;accroche</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Effacer la ligne 1</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Effacer la ligne 1</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Effacer la ligne 2</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Effacer la ligne 2</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Effacer la ligne 3</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Effacer la ligne 3</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Effacer la ligne 4</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Effacer la ligne 4</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Accroche&#xa0;:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Ligne 1&#xa0;:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Ligne 2&#xa0;:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Ligne 3&#xa0;:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Ligne 4&#xa0;:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Paramètres d&apos;impression</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Imprimante matricielle</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Cliquez ici pour une imprimante matricielle</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Laser, jet d&apos;encre, Bubblejet ou similaire</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Cliquez ici pour une imprimante laser ou similaire</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Nombre total de lignes à imprimer par page du tableau</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Nombre de lignes par page</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>Imprimer en couleur</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Préférences du tableau</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Interligne simple</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Interligne double</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Interligne double avec traits</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Messages de fêtes</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Date du jour sur chaque page</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Prévisions quotidiennes</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>&amp;Document:</source>
        <extracomment>Labels the choice of the document to preview: the chart, the cover sheet...</extracomment>
        <translation>&amp;Document&#xa0;:</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Up is the key that does the same.</extracomment>
        <translation>Page précédente (Page préc)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Page suivante (Page suiv)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>Pleine largeur</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Imprimer ce document (Ctrl+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Fermer l&apos;aperçu (Échap)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Pages</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>Les pages n&apos;ont pas toutes pu être comptées&#xa0;: l&apos;aperçu s&apos;arrête à la page %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Comptage des pages&#xa0;: %1&#xa0;%</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page number box: %1 stands where the page number is typed, %2 is the number of pages (or &quot;…&quot; while they are counted). Keep both.</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>PrintDocuments</name>
    <message>
        <source>Chart</source>
        <extracomment>A document to preview or save as PDF: the biorhythm chart (a noun).</extracomment>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Page de garde</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Page de garde et tableau</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Qu&apos;est-ce qu&apos;un biorythme&#xa0;?</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source> and </source>
        <extracomment>Joins the last item of a list: &quot;a, b and c&quot;</extracomment>
        <translation> et </translation>
    </message>
    <message>
        <source>The cover sheet</source>
        <translation>La page de garde</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Le tableau</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>La page de garde et le tableau</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>«&#xa0;Qu&apos;est-ce qu&apos;un biorythme&#xa0;?&#xa0;»</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1&#xa0;: enregistrement dans deux fichiers PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1&#xa0;: enregistrement dans un fichier PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1&#xa0;: enregistrement dans deux fichiers PDF, %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1&#xa0;: enregistrement dans le fichier PDF %2.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>la page de garde</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>le tableau</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <translation>%1 (1 page)</translation>
    </message>
    <message>
        <source>%1 (%2 pages)</source>
        <translation>%1 (%2 pages)</translation>
    </message>
    <message>
        <source>Sent %1 to the printer &quot;%2&quot;.</source>
        <translation>Envoyé à l&apos;imprimante «&#xa0;%2&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: enregistrer la page de garde en PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: enregistrer le tableau en PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: enregistrer «&#xa0;Qu&apos;est-ce qu&apos;un biorythme&#xa0;?&#xa0;» en PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>Aucune imprimante n&apos;est installée&#xa0;: enregistrer la page de garde et le tableau en PDF (deux fichiers, «&#xa0;... - cover sheet.pdf&#xa0;» et «&#xa0;... - chart.pdf&#xa0;»)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 existe déjà dans %2.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 existent déjà dans %2.
Voulez-vous les remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Enregistré dans %2&#xa0;: %1</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>REMPLACER LES FICHIERS&#xa0;?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 n&apos;a pas pu démarrer&#xa0;: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1 n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1 n&apos;a pas accepté de nouvelle page.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1 n&apos;a pas pu terminer le document.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1 n&apos;a pas pu être écrit entièrement (le disque est-il plein&#xa0;?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>ERREUR D&apos;IMPRESSION&#xa0;!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est injoignable&#xa0;: la commande lp du système d&apos;impression n&apos;a pas démarré.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pris en charge le document à temps.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>lp s&apos;est terminé avec le code %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» a refusé le document&#xa0;: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Impression du tableau de %1...</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ReminderQuestion</name>
    <message>
        <source>Export to Calendar</source>
        <translation>Exporter vers un calendrier</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Aucun rappel</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>&amp;Me prévenir le jour même, à</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Heure du rappel</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Chaque jour du calendrier peut vous être rappelé le moment venu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>Aucun dossier n&apos;a été indiqué pour les fichiers de paramètres.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>Le fichier %1 n&apos;a pas pu être créé (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 dans %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés. Ce fichier n&apos;a pas pu être écrit&#xa0;: %1. Il conserve les paramètres qu&apos;il contenait avant cette session&#xa0;; les modifications qui lui ont été apportées pendant cette session sont perdues.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés. Ces fichiers n&apos;ont pas pu être écrits&#xa0;: %1. Ils conservent les paramètres qu&apos;ils contenaient avant cette session&#xa0;; les modifications qui leur ont été apportées pendant cette session sont perdues.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>Le fichier %1 n&apos;a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Le fichier %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>fr_FR</translation>
    </message>
</context>
<context>
    <name>WhatIsPanel</name>
    <message>
        <source>Print</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: prints the sheet.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: closes the panel.</extracomment>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Qu&apos;est-ce qu&apos;un biorythme&#xa0;?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Texte «&#xa0;Qu&apos;est-ce qu&apos;un biorythme&#xa0;?&#xa0;»</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Un biorythme est un schéma cyclique d&apos;activité biologique qui commence à la naissance avec trois cycles sinusoïdaux&#xa0;: le cycle (P)hysique, le cycle (E)motionnel et le cycle (I)ntellectuel. Chacun part de zéro le jour de la naissance.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>Le cycle (P)hysique recommence tous les 23 jours et régit notre énergie, notre force, notre endurance et notre résistance aux maladies. Lorsque le cycle physique est en phase haute, à droite de la ligne critique médiane, on dit que c&apos;est une période d&apos;énergie, de vitalité et de bien-être, propice au sport et aux efforts soutenus. Lorsqu&apos;il est en phase basse, à gauche de la ligne, on dit que c&apos;est une période où l&apos;on se fatigue plus vite et où il vaut mieux se reposer et recharger ses batteries.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>Le cycle (E)motionnel recommence tous les 28 jours et régit notre sensibilité et notre tempérament&#xa0;: nos humeurs, nos sentiments et notre créativité. Le côté droit de la ligne médiane est le côté positif, dit favorable à un état d&apos;esprit joyeux, coopératif et créatif. Du côté gauche, négatif, nous pouvons être plus lunatiques, plus facilement irritables et plus prompts à voir le mauvais côté des choses.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>Notre cycle (I)ntellectuel recommence tous les 33 jours et régit notre capacité de réflexion&#xa0;: la mémoire, la vivacité d&apos;esprit, le raisonnement et la faculté d&apos;apprendre. Lorsqu&apos;il est en phase haute, on dit que c&apos;est un bon moment pour étudier, planifier et prendre des décisions. Lorsqu&apos;il est en phase basse, on dit que l&apos;esprit se prête mieux à la révision, au travail de routine et au repos qu&apos;aux idées nouvelles et aux choix difficiles.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>L&apos;amplitude des cycles n&apos;a aucune signification, sinon d&apos;indiquer des valeurs négatives, nulles ou positives. La distance entre une lettre et la ligne médiane ne rend pas un jour meilleur ou pire&#xa0;; seul compte le côté où elle se trouve. Les jours où une courbe croise la ligne médiane sont des jours zéro, appelés aussi jours CRITIQUES. Un jour critique, le cycle concerné change de phase et l&apos;on peut être plus sujet aux accidents&#xa0;: c&apos;est donc un jour où il convient d&apos;être un peu plus prudent.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Les JOURS DE TRIPLE HAUT surviennent lorsque les trois cycles se trouvent ensemble du côté DROIT de la ligne médiane. Ce jour-là, les trois cycles sont positifs en même temps, le sommet du modèle&#xa0;: un jour dit propice à l&apos;effort, à l&apos;activité et à l&apos;accomplissement des tâches. Le tableau marque ces jours par «&#xa0;&gt;HIGH&gt;&#xa0;».</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Les JOURS DE TRIPLE BAS surviennent lorsque les trois cycles se trouvent du côté GAUCHE du tableau. Les trois cycles sont négatifs en même temps&#xa0;: un jour qui demanderait repos, patience et prudence accrue. Le tableau marque ces jours par «&#xa0;&lt;LOW&lt;&#xa0;».</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- QU&apos;EST-CE QU&apos;UN BIORYTHME&#xa0;? ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- JOURS DE TRIPLE HAUT ET DE TRIPLE BAS ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>accès refusé ou espace insuffisant</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>il n&apos;a pas pu être lu et reste tel quel</translation>
    </message>
</context>
</TS>
