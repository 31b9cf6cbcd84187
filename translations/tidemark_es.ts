<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Tablas de biorritmos en pantalla y en papel, solo como entretenimiento.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Advertencia: este programa informático está protegido por las leyes de derechos de autor.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>La reproducción o distribución no autorizada de este programa, o de cualquier parte de él, puede dar lugar a severas sanciones civiles y penales, y será perseguida con todo el rigor que permita la ley.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>&amp;Información del sistema...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>Acerca de Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
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
        <translation>El ciclo emocional cruza la línea central.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>físico</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>El ciclo físico cruza la línea central en ascenso.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>intelectual</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>El ciclo intelectual cruza la línea central en ascenso.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>El ciclo físico está a punto de cruzar la línea central en descenso.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>El ciclo intelectual está a punto de cruzar la línea central en descenso.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Hoy está en un triple máximo: los tres ciclos son positivos.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Hoy está en un triple mínimo: los tres ciclos son negativos.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>Hoy es un día propenso a accidentes. Uno o más ciclos están en día «crítico».</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>día crítico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triple máximo</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triple mínimo</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>día de nacimiento</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>Nace %1.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1.º cumpleaños</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 cumple %2 años.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>No se pudo escribir el archivo de calendario «%1»: %2.</translation>
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
        <translation>Seleccionar &amp;todo</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>¡ERROR DE FECHA!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>¡Error en la fecha de inicio! Hay demasiados datos en el cuadro de la fecha de inicio.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>¡ERROR DE GUIONES EN MM-DD-YYYY!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>¡Error en la fecha de inicio! Los separadores entre el mes y el día, y entre el día y el año, deben ser guiones, por ejemplo MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>ERROR EN EL MES DE LA FECHA</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de inicio! El mes debe ser un número del 01 al 12 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>ERROR EN EL DÍA DE LA FECHA</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de inicio! El día debe ser un número del 01 al 31 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>ERROR EN EL AÑO DE LA FECHA</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de inicio! El año debe ser un número del 1500 al 2099 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>¡Error en la fecha de nacimiento! Hay demasiados datos en el cuadro de la fecha de nacimiento.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERROR EN EL MES DE LA FECHA DE NACIMIENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de nacimiento! El mes debe ser un número del 01 al 12 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERROR EN EL DÍA DE LA FECHA DE NACIMIENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de nacimiento! El día debe ser un número del 01 al 31 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ERROR EN EL AÑO DE LA FECHA DE NACIMIENTO</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>¡Error en la fecha de nacimiento! El año debe ser un número del 1500 al 2099 y tener el formato MM-DD-YYYY</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>¡NÚMERO DE LÍNEAS POR PÁGINA INCORRECTO!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>¡El número de líneas por página es cero o negativo!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>¡El número de líneas por página debe ser un número entero!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>¡NO SE HA INTRODUCIDO NINGÚN NOMBRE!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>¡No hay ningún nombre seleccionado para la tabla!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>¡NO SE HA INTRODUCIDO NINGUNA FECHA DE NACIMIENTO!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>¡No hay ninguna fecha de nacimiento seleccionada para la tabla!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>¡Error en la fecha de nacimiento! La fecha debe llevar un guion (-) después del mes y otro después del día. El formato debe ser MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>¡Error en la fecha de nacimiento! El mes debe ser un número del 01 al 12</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>¡Error en la fecha de nacimiento! El día debe ser un número del 01 al 31</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>¡Error en la fecha de nacimiento! El año debe ser un número del 1500 al 2099</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>¡NO SE HA INDICADO LA FECHA DE INICIO DE LA TABLA!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>¡No hay ninguna fecha válida como fecha de inicio de la tabla!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>¡NO SE HA INDICADO LA DURACIÓN DE LA TABLA!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>¡No hay ningún número que indique la duración deseada de la tabla!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>¡TABLA DEMASIADO LARGA!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>La tabla terminaría después del 12-31-9999.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>¡No hay ningún nombre seleccionado para la portada!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>¡No hay ninguna fecha de nacimiento seleccionada para la portada!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>ERROR EN EL NOMBRE Y LA FECHA</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>No se ha introducido ningún nombre ni fecha</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>ERROR EN EL NOMBRE</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>No se ha introducido ningún nombre</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>ERROR EN LA FECHA</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>No se ha introducido ninguna fecha</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>¡Error en el mes! El mes debe ser un número del 01 al 12</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>¡Error en el día! El día debe ser un número del 01 al 31</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>¡Error en el año! El año debe ser un número del 1500 al 2099</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Un nombre no puede contener comillas dobles (&quot;). Elimínelas o use comillas simples en su lugar.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Un nombre no puede contener saltos de línea. Escríbalo en una sola línea.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>La fecha de nacimiento debe tener ocho cifras, MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>¡El nombre contiene un carácter de control!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>¡MEMORIA INSUFICIENTE!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Queda poca memoria para el programa. Es posible que esté intentando mostrar demasiados días. Vuelva a intentarlo mostrando menos días.</translation>
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
        <translation>Comparar a las dos personas</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Borrar la comparación</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Cerrar este panel y conservar la comparación</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Comparar dos personas</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Comparar con...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Elegir la segunda persona de la base de datos de nombres</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Nombre de la segunda persona</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Fecha de nacimiento de la segunda persona</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Días en que ambas personas tienen un día crítico</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>De la base de &amp;datos de nombres:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(elija un nombre)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Compatibilidad con %1, nacido/a el %2 (%3 días de diferencia):</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Físico %1 %</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Emocional %1 %</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Intelectual %1 %</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Global %1 %</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Días del período de la tabla en que ambas personas tienen un día crítico: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>No se compara a nadie. Escriba el nombre y la fecha de nacimiento de la segunda persona, o elíjala de la base de datos de nombres, y pulse Comparar.</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>No se pudo mover el archivo %1 a %2.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>No se encontró ninguna carpeta para los archivos del programa.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>No se pudo crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>No se puede escribir en la carpeta %1.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>BASE DE DATOS DE NOMBRES</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>¡Úsela para guardar los nombres y fechas de nacimiento que más utiliza!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Escriba el nombre como Nombre Apellido</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Escriba la fecha de nacimiento como MMDDYYYY</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Escriba la fecha de nacimiento como MMDDYYYY </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Ejemplo: el 9 de marzo de 1975 sería 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Añadir esta entrada</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>¡Pulse aquí para guardar esta entrada!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Nombre seleccionado:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Nombre seleccionado para la tabla</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Eliminar este nombre</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>¡Eliminar la entrada seleccionada! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Usar este nombre</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>¡Usar el nombre seleccionado!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Cerrar base de datos</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Cerrar la ventana de la base de datos de nombres</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>Base de datos de nombres</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Nombres guardados</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Haga clic en un nombre para seleccionarlo</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>¡NADA QUE ELIMINAR!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>¡No hay ningún nombre seleccionado para eliminar!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>¡NINGÚN NOMBRE SELECCIONADO!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>¡No hay ningún nombre seleccionado para usar!</translation>
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
        <translation>Consciencia</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Espiritual</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>No se pudo escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>no se pudo generar el PDF</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>día crítico</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>triple máximo (arriba) o mínimo (abajo)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>hoy</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>día crítico de ambos</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>Comparado con %1, nacido/a el %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>emocional</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>físico en ascenso</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>intelectual en ascenso</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>físico en descenso</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>intelectual en descenso</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1: ninguno.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
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
        <translation>LUN</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>MAR</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>MIÉ</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>JUE</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>VIE</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>SÁB</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>día %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>día crítico (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>triple máximo</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>triple mínimo</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>Gráfico de biorritmos, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n día a la vista: %1</numerusform>
            <numerusform>%n días a la vista: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Días críticos</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Triples máximos</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Triples mínimos</translation>
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
        <translation>Ayuda de Tidemark</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Ayuda de Tidemark</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Cerrar la ayuda</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Seleccione arriba la categoría o el tema sobre el que necesita ayuda resaltándolo con el cursor del ratón. La información aparecerá en el cuadro de abajo. Desplácese por la lista para ver más temas.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
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
        <translation>En la esquina superior izquierda de la pantalla principal del programa están los iconos de acceso directo.
  * CARPETA ABIERTA: abre la pantalla de la base de datos.
  * IMPRESORA CON PAPEL (el papel muestra texto centrado): imprime una portada.
  * IMPRESORA CON PAPEL (el papel muestra una onda sinusoidal): imprime una tabla.
  * IMPRESORA CON 2 HOJAS DE PAPEL: imprime una portada y una tabla.
  * PANTALLA LLENA: muestra la tabla en pantalla.
  * PANTALLA VACÍA: cierra la ventana de la tabla en pantalla.
  * CUATRO CUADROS DE TEXTO EN BLANCO: vacía todos los cuadros de texto del lado izquierdo de la pantalla.
  * TRES CURVAS (roja, azul y verde): muestra la tabla como un gráfico de los tres ciclos.
Deje el ratón sobre un icono para ver qué hace y cuál es su tecla de acceso rápido.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>El programa no instala automáticamente un icono en el escritorio. Si se instaló desde su paquete, Tidemark aparece en el menú de aplicaciones del escritorio, en Oficina, y la mayoría de los escritorios permiten añadirlo desde allí al escritorio o a un panel. Si se compiló desde su carpeta de código fuente, el programa es el archivo build/src/app/tidemark dentro de esa carpeta (INSTALAR UNA ACTUALIZACIÓN explica cómo compilarlo); añada un lanzador para ese archivo con el editor de menús o de lanzadores de su escritorio.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Para imprimir &apos;¿QUÉ ES UN BIORRITMO?&apos; en la impresora, seleccione &apos;AYUDA&apos; en el menú desplegable y después &apos;IMPRIMIR ¿QUÉ ES UN BIORRITMO?&apos;. También puede hacer clic en el botón &apos;IMPRIMIR&apos; de la parte superior de la ventana &apos;¿QUÉ ES UN BIORRITMO?&apos;. La hoja impresa está en inglés.

Esta hoja se imprime con la fuente que haya seleccionado en CONFIGURACIÓN DE IMPRESORA. Con &apos;IMPRESORA MATRICIAL&apos; seleccionada, o con Courier elegida, se imprime en Courier en columnas regulares. Cuando la línea 1 del encabezado de portada está rellenada, las líneas del encabezado se imprimen al pie de la hoja.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>PORTADA</translation>
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
        <translation>La portada contiene información sobre el usuario y la tabla, entre otras cosas:
  * el nombre del usuario
  * una línea de introducción opcional y editable (consulte el tema para más información)
  * otras cuatro líneas editables (para nombre/dirección, etc. Consulte el tema para más información.)
  * la fecha de nacimiento del usuario
  * el día de la semana en que nació
  * el signo zodiacal
  * la edad en años
  * la edad en días
  * la duración de la tabla
  * la fecha de inicio de la tabla
  * la fecha final de la tabla
  * una explicación de los símbolos usados en la tabla
  * una cláusula de exención de responsabilidad</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mensaje de introducción</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>El mensaje de introducción de la parte superior de la portada es opcional. Si hay uno, se imprime centrado debajo del nombre del usuario.

Para elegirlo, haga clic en la flecha del cuadro &apos;INTRODUCCIÓN&apos; del área &apos;ENCABEZADO DE PORTADA&apos; y elija una de las siete líneas que se ofrecen (están en inglés, como la portada impresa), o haga clic dentro del cuadro y escriba una línea propia. Para omitirlo, haga clic en el botón &apos;&lt;&lt; BORRAR&apos; que hay a su lado.

La introducción se guarda al salir del programa y vuelve a aparecer la próxima vez que lo inicie.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mensaje de nombre y dirección</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>El mensaje de nombre y dirección de la parte superior de la portada es opcional. Está formado por las cuatro líneas &apos;LÍNEA 1&apos; a &apos;LÍNEA 4&apos; del área &apos;ENCABEZADO DE PORTADA&apos;.

Escriba en ellas lo que deba seguir a la introducción, por ejemplo su nombre, calle, ciudad y dirección de correo electrónico. Cada línea que no está vacía se imprime centrada; las líneas vacías se omiten. El botón &apos;&lt;&lt; BORRAR&apos; junto a una línea la vacía.

Las líneas se guardan al salir del programa. Cuando &apos;LÍNEA 1&apos; está rellenada, también se imprimen al pie de la hoja &apos;¿QUÉ ES UN BIORRITMO?&apos;.</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>BASE DE DATOS</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>La base de datos sirve para guardar los nombres y las fechas de nacimiento que se usan con frecuencia. Se guarda en el archivo bioname.dat de la carpeta de datos de Tidemark, .local/share/Tidemark en su carpeta personal, y presenta los nombres en orden alfabético. Al elegir un nombre de ella se rellenan automáticamente los cuadros &apos;NOMBRE&apos; y &apos;FECHA DE NACIMIENTO&apos;; consulte los temas siguientes. Un nombre se guarda en el archivo en el momento en que se añade o se elimina, de modo que dos copias de Tidemark abiertas a la vez no pierden los nombres que añade o elimina la otra. La configuración (el encabezado de portada, la configuración de impresora y las preferencias de tabla) se guarda cuando una copia se cierra, de modo que la copia que se cierra en último lugar conserva su configuración.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Añadir un nombre a la base de datos</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Con el ratón, seleccione &apos;ARCHIVO&apos; en el menú desplegable superior.

En el menú &apos;ARCHIVO&apos; seleccione &apos;ABRIR BASE DE DATOS&apos;. La ventana de la base de datos de nombres se abre en el centro de la pantalla.

Escriba el nombre en el cuadro &apos;NOMBRE&apos;, por ejemplo Nombre Apellido. Un nombre puede contener cualquier letra, pero no comillas dobles (&quot;).

Escriba la fecha de nacimiento en el cuadro &apos;FECHA DE NACIMIENTO&apos; con ocho cifras, MMDDYYYY, sin guiones: el 9 de marzo de 1975 sería 03091975.

Haga clic en el botón &apos;AÑADIR ESTA ENTRADA&apos;. El nombre se guarda de inmediato y aparece en la lista en orden alfabético. Añada tantos nombres como quiera y después haga clic en &apos;CERRAR BASE DE DATOS&apos;.

(Opcional: abra la base de datos desde el teclado manteniendo pulsada la tecla &apos;CONTROL&apos; y pulsando la tecla &apos;O&apos;, o use el icono de acceso directo &apos;CARPETA ABIERTA&apos;.)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Eliminar un nombre de la base de datos</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Con el ratón, seleccione &apos;ARCHIVO&apos; en el menú desplegable.

En el menú &apos;ARCHIVO&apos; seleccione &apos;ABRIR BASE DE DATOS&apos;.

Haga clic en la lista en el nombre que desea eliminar, para que aparezca en el cuadro &apos;NOMBRE SELECCIONADO&apos;, y después haga clic en el botón &apos;ELIMINAR ESTE NOMBRE&apos;. El nombre se elimina de inmediato, sin pedir confirmación.

(Solo se puede seleccionar y eliminar un nombre cada vez. Un nombre eliminado se puede recuperar: haga clic en la lista y después mantenga pulsada la tecla &apos;CONTROL&apos; y pulse la tecla &apos;Z&apos;. Cada pulsación recupera un nombre más, empezando por el último eliminado, en el lugar que ocupaba en el archivo, mientras el programa siga abierto.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Usar un nombre de la base de datos</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Con el ratón, seleccione &apos;ARCHIVO&apos; en el menú desplegable superior.

En el menú &apos;ARCHIVO&apos; seleccione &apos;ABRIR BASE DE DATOS&apos; y después haga clic en la lista en el nombre que desea, para que aparezca en el cuadro &apos;NOMBRE SELECCIONADO&apos;.

Haga clic en el botón &apos;USAR ESTE NOMBRE&apos;. La ventana de la base de datos se cierra, el nombre y la fecha de nacimiento pasan a los cuadros &apos;NOMBRE&apos; y &apos;FECHA DE NACIMIENTO&apos;, se rellenan los demás datos y el cursor queda en el cuadro &apos;DURACIÓN DE LA TABLA EN DÍAS&apos;.</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>MOSTRAR TABLA EN PANTALLA</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Seleccione &apos;ARCHIVO&apos; en el menú desplegable superior. &apos;Mostrar tabla en pantalla&apos; le permite ver una tabla continua y desplazarse por ella hacia delante o hacia atrás.

La tabla se elabora a partir del nombre, la fecha de nacimiento, la fecha de inicio y la duración de la tabla del lado izquierdo de la pantalla, y de sus &apos;PREFERENCIAS DE TABLA&apos;. Mientras se muestra, los menús y los demás iconos quedan apartados; para cerrarla, haga clic en &apos;CERRAR ESTA VENTANA&apos; arriba a la derecha o en el icono &apos;PANTALLA VACÍA&apos;, o pulse la tecla &apos;ESCAPE&apos;. Las teclas de flecha y de página recorren la tabla; con la tecla &apos;MAYÚSCULAS&apos; pulsada seleccionan, y &apos;CONTROL&apos; y &apos;C&apos; copian lo seleccionado (&apos;CONTROL&apos; y &apos;A&apos; selecciona toda la tabla). La tabla está en inglés.</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>PREFERENCIAS DE TABLA</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>Consulte la categoría &apos;CONFIGURACIÓN DE IMPRESORA&apos;.</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>VALORES PREDETERMINADOS</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Con el ratón, seleccione &apos;EDITAR&apos; en el menú desplegable superior. En el menú &apos;EDITAR&apos; seleccione &apos;VALORES PREDETERMINADOS&apos;. Toda la configuración volverá a los valores de fábrica.</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>AYUDA POR CORREO ELECTRÓNICO</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Si no encuentra la respuesta en esta ayuda, puede enviarnos un correo electrónico e intentaremos darle una respuesta a su problema, o bien puede escribir a la dirección que figura abajo.

Describa su problema con precisión: indique qué estaba haciendo, qué elemento de menú o botón usó y qué vio (copie el texto de cualquier mensaje). Indíquenos la versión que aparece en &apos;ACERCA DE TIDEMARK&apos;, en el menú &apos;AYUDA&apos;, y el sistema en que lo usa.

Correo electrónico: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>ICONOS</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Icono del escritorio</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>INSTALAR UNA ACTUALIZACIÓN</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Cuando vaya a instalar una versión más reciente del programa en su equipo, primero debe desinstalar el programa que tiene instalado. Si se instaló desde su paquete, Tidemark se desinstala con el gestor de paquetes del sistema (apt-get remove tidemark); si se compiló desde su carpeta de código fuente, elimine esa carpeta. Sus nombres, su configuración y su encabezado de portada están en la carpeta de datos de Tidemark, .local/share/Tidemark en su carpeta personal, y se conservan, de modo que la nueva versión empieza con ellos (las versiones que los guardaban en .local/share/Tidemark/Tidemark los traspasan por sí solas). Después instale el paquete de la nueva versión con el gestor de paquetes, o ponga su carpeta de código fuente en lugar de la anterior, abra un terminal en ella y compile e inicie el programa con las órdenes siguientes. Para compilar se necesitan los paquetes cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf y fonts-liberation, que instala el gestor de paquetes del sistema. (Para crear el propio paquete, ejecute &apos;cpack -G DEB&apos; en la carpeta de compilación e instale el archivo que genera con &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>DURACIÓN DE LA TABLA</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>La tabla impresa puede abarcar cualquier cantidad de días. Escriba el número de días en el cuadro &apos;DURACIÓN DE LA TABLA EN DÍAS&apos; y el cuadro &apos;FECHA FINAL DE LA TABLA&apos; se rellena solo. Una tabla larga simplemente ocupa más páginas.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Establecer los días</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>La duración de la tabla impresa la elige el usuario. Primero asegúrese de que el cuadro &apos;INICIO DE LA TABLA&apos; contiene la fecha de inicio en formato MM-DD-YYYY (al iniciarse el programa se pone ahí la fecha de hoy, y el botón &apos;&lt;&lt; HOY&apos; la vuelve a poner); después escriba el número de días en el cuadro &apos;DURACIÓN DE LA TABLA EN DÍAS&apos;.

Una nueva fecha de inicio vacía la duración y la fecha final, así que vuelva a escribir la duración después de cambiar la fecha de inicio. El cuadro de la duración permanece vacío hasta que la fecha de inicio está completa.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>ENTRADA MANUAL</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>Probablemente le convenga introducir en la base de datos los nombres para los que vaya a imprimir tablas con regularidad. Para un nombre que solo necesite de vez en cuando, escriba el nombre y la fecha de nacimiento directamente en los cuadros &apos;NOMBRE&apos; y &apos;FECHA DE NACIMIENTO&apos; de la pantalla principal del programa, como se describe en los temas siguientes.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Fecha de nacimiento</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>En la pantalla principal del programa, haga clic con el ratón dentro del cuadro de texto &apos;FECHA DE NACIMIENTO&apos; (el segundo desde arriba). Escriba la fecha de nacimiento como MM-DD-YYYY, con los guiones: el 9 de marzo de 1975 se escribe 03-09-1975. Se aceptan los años del 1500 al 2099.

Una vez introducidos el nombre y la fecha de nacimiento, el programa rellena automáticamente el resto de la información necesaria.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Nombre</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>En la pantalla principal del programa, haga clic con el ratón dentro del cuadro de texto &apos;NOMBRE&apos;.

Escriba el nombre tal como desea que aparezca en la tabla y en la portada, por ejemplo Nombre Apellido. La tabla muestra el nombre en mayúsculas en su parte superior.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>PREFERENCIAS</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>Consulte la categoría &apos;CONFIGURACIÓN DE IMPRESORA&apos;.  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>CONFIGURACIÓN DE IMPRESORA</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>Al preparar la impresión de una tabla puede elegir varias opciones. Están en las áreas &apos;CONFIGURACIÓN DE IMPRESORA&apos; y &apos;PREFERENCIAS DE TABLA&apos; de la pantalla principal del programa, y cada una se describe en un tema más abajo. Sus opciones se guardan al salir del programa, y &apos;VALORES PREDETERMINADOS&apos;, en el menú &apos;EDITAR&apos;, las devuelve a los valores de fábrica.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Color</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Cuando la casilla &apos;IMPRIMIR EN COLOR&apos; está marcada, cada uno de los tres ciclos se imprime en un color distinto: el ciclo físico (P) en rojo, el emocional (E) en azul y el intelectual (I) en verde. Las marcas de triple máximo y triple mínimo se imprimen en magenta.

El color solo se usa en la tabla impresa; la tabla en pantalla y la portada son en negro. Una impresora sin color imprime los colores en negro o en tonos de gris. Para imprimir solo en negro, haga clic en la casilla hasta que quede desmarcada.

(Valor predeterminado: Imprimir en color = activado.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Fecha</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Cuando la casilla &apos;FECHA ACTUAL EN CADA PÁGINA&apos; está marcada, la fecha en que se imprime la tabla aparece arriba a la derecha de cada página, tras las palabras &apos;DATE PREPARED:&apos;. Haga clic en la casilla hasta que quede desmarcada para omitir la fecha.

(Valor predeterminado: Fecha actual en cada página = activado.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Estilo de fuente</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Hay tres tipos de fuente disponibles para la tabla y la portada. Elija Arial, Courier o Times en la lista &apos;FUENTE&apos; del área &apos;CONFIGURACIÓN DE IMPRESORA&apos;, o escriba el nombre de otra fuente instalada en su equipo.

La fuente se usa con impresoras láser, de inyección de tinta o similares; con &apos;IMPRESORA MATRICIAL&apos; seleccionada, todo se imprime en Courier. Las fuentes las localiza el servicio de fuentes del sistema (fontconfig): si Arial, Courier o Times no están instaladas, se usan fuentes equivalentes, como las fuentes Liberation del paquete fonts-liberation.

(Valor predeterminado: Arial para impresoras de tipo láser, Courier para impresoras matriciales.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Pronóstico</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Cuando la casilla &apos;PRONÓSTICO DIARIO&apos; está marcada, se imprime en la tabla un pronóstico de tres líneas para cada día en que aparece el ciclo del usuario. Da una frase para cada uno de los ciclos emocional, físico e intelectual, con una línea más al principio en un triple máximo, un triple mínimo o un día propenso a accidentes. El pronóstico también aparece en la tabla en pantalla. Las frases del pronóstico están en inglés.

Si no desea imprimir el pronóstico, haga clic en la casilla &apos;PRONÓSTICO DIARIO&apos; hasta que quede desmarcada.

(Valor predeterminado: Pronóstico diario = desactivado.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mensajes festivos</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Cuando la casilla &apos;MENSAJES FESTIVOS&apos; está marcada, el usuario recibe un mensaje de una línea en ciertos días de la tabla: Año Nuevo, Navidad, cada viernes 13 y el cumpleaños del usuario, que además indica la edad cumplida. Los mensajes, en inglés, aparecen en la tabla en pantalla y en la tabla impresa.

(Valor predeterminado: Incluir mensajes festivos = activado.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Líneas por página</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>El usuario puede indicar cuántas líneas desea en cada página. Escriba el número en el cuadro &apos;NÚMERO DE LÍNEAS POR PÁGINA&apos; del área &apos;CONFIGURACIÓN DE IMPRESORA&apos;, solo con cifras y sin ceros a la izquierda. La cuenta incluye el encabezado de la parte superior de cada página, de modo que con 50 líneas y espacio sencillo cada página contiene hasta 42 días. Si las páginas se desbordan a una hoja adicional, reduzca el número (consulte SOLUCIÓN DE PROBLEMAS).

(Valor predeterminado: Número de líneas por página = 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Espaciado</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Hay tres ajustes distintos que afectan al espaciado de la tabla impresa. Para elegir uno, haga clic en el botón de opción deseado.

 * Espacio sencillo: con este ajuste se obtiene una tabla a espacio sencillo.

 * Espacio doble: este ajuste deja una línea en blanco entre los días impresos. Esta opción hace que la tabla sea más fácil de leer.

 * Espacio doble con líneas: este ajuste pone una línea discontinua entre los días impresos, lo que permite seguir cada día fácilmente a lo ancho de la página.

(Valor predeterminado: Espacio doble con líneas.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tipo de impresora</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Para la configuración de la impresora solo tiene que elegir una de dos opciones. Elija &apos;IMPRESORA MATRICIAL&apos; para una impresora que imprime en columnas fijas, o &apos;LÁSER, INYECCIÓN, BURBUJA O SIMILAR&apos; para cualquier otra impresora, lo que abarca casi todas las impresoras que se usan hoy en día. La elección determina cómo se colocan las líneas en la página.

(Valor predeterminado: impresora de tipo láser.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>IMPRESIÓN</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>Consulte los temas que siguen a esta categoría para obtener detalles sobre cómo imprimir los distintos documentos.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Tabla</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Cuando esté listo para imprimir una tabla, puede seleccionar la opción &apos;IMPRIMIR SOLO LA TABLA&apos; del menú desplegable &apos;ARCHIVO&apos;. La tabla se imprime para el nombre, la fecha de nacimiento, la fecha de inicio y la duración de la tabla de la pantalla principal del programa, con su configuración de impresora y sus preferencias de tabla.

También puede usar el icono de acceso directo correspondiente para imprimir la tabla.

La tabla se envía a la impresora predeterminada. Si no hay ninguna impresora configurada, el programa pide el nombre de un archivo PDF e imprime la tabla en él.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Cuando la casilla &apos;IMPRIMIR EN COLOR&apos; está marcada, cada uno de los tres ciclos se imprime en un color distinto en la tabla: rojo para el ciclo físico (P), azul para el emocional (E) y verde para el intelectual (I), con las marcas de triple máximo y triple mínimo y la línea de Año Nuevo en magenta, la línea de Navidad en verde, la del viernes 13 en cian y la del cumpleaños en rojo. La casilla está en el área &apos;CONFIGURACIÓN DE IMPRESORA&apos;; imprimir en color tarda más, así que desmárquela si quiere una tabla rápida en negro.

(Valor predeterminado: Imprimir en color = activado.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Portada</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Cuando esté listo para imprimir una portada, puede seleccionar la opción &apos;IMPRIMIR SOLO LA PORTADA&apos; del menú desplegable &apos;ARCHIVO&apos;. Antes deben estar rellenados el nombre, la fecha de nacimiento, la fecha de inicio y la duración de la tabla.

También puede usar el icono de acceso directo correspondiente para imprimir la portada.

Para imprimir la portada y la tabla juntas, seleccione &apos;IMPRIMIR PORTADA Y TABLA&apos; en el menú &apos;ARCHIVO&apos;; primero sale la portada. La portada impresa está en inglés.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -¿Qué es un biorritmo?</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>RESOLUCIÓN</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>El programa debería funcionar bien con cualquier resolución de pantalla en la que quepa toda su ventana (consulte RESOLUCIÓN DE PANTALLA). La resolución se cambia en la configuración de pantalla del escritorio, por ejemplo en Configuración, Pantallas en GNOME, o en Preferencias del sistema, Pantalla en KDE Plasma.

El texto de Tidemark se adapta a la altura de la pantalla. En una pantalla de 480, 600, 720, 768, 864, 960, 1024 o 1200 píxeles de alto, las etiquetas, los cuadros y los botones toman el tamaño previsto para esa altura, desde 8 puntos en la más pequeña hasta 18 puntos en la más grande, y el título del aviso inicial crece con ellos; en una pantalla de cualquier otra altura el texto mantiene su tamaño (10 puntos con el tamaño de texto normal). Las posiciones y anchuras de los cuadros y marcos siguen a la ventana cuando se cambia su tamaño, y los paneles que abre sobre sí misma toman su tamaño de ella.

El menú &apos;VER&apos; agranda o reduce todo el texto de la ventana, de la tabla y del gráfico en pasos de una décima: &apos;TEXTO MÁS GRANDE&apos; (CONTROL++), &apos;TEXTO MÁS PEQUEÑO&apos; (CONTROL+-) y &apos;TAMAÑO DE TEXTO NORMAL&apos; (CONTROL+0), que vuelve al tamaño indicado arriba. El texto crece hasta el tamaño máximo con el que toda la ventana aún cabe en la pantalla, y se reduce hasta ocho décimas; el tamaño mínimo de la ventana crece y se reduce con él. El programa recuerda el tamaño del texto para el próximo inicio. La primera vez que se inicia en una pantalla de una altura no indicada arriba, toma el tamaño de la altura indicada inmediatamente inferior, siempre que la ventana quepa (18 puntos en una pantalla de 1080 o 1440 píxeles de alto).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>RESOLUCIÓN DE PANTALLA</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>La mejor resolución de pantalla para usar este programa es de 1024 x 768 o más. La ventana se abre dentro de la pantalla y puede hacerse tan pequeña como lo permita su texto, de modo que todas las etiquetas se vean completas: unos 720 x 490 píxeles con texto de 10 puntos, 1010 x 670 con el texto de 14 puntos de una pantalla de 768 píxeles de alto, 1250 x 790 con el texto de 18 puntos de una de 960 o 1024 píxeles de alto, y 1250 x 960 en una pantalla de 1200 píxeles de alto, donde los cuadros se hacen más altos con la ventana.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>ICONOS DE ACCESO DIRECTO</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>TECLAS DE ACCESO RÁPIDO</translation>
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
        <translation>Se puede acceder a cada orden de menú manteniendo pulsada &apos;ALT&apos; y pulsando las letras subrayadas del menú y de la orden. Estas órdenes tienen además una tecla propia:
  * CONTROL+O: abre la pantalla de la base de datos.
  * CONTROL+P: imprime una tabla.
  * CONTROL+D: muestra la tabla en pantalla.
  * CONTROL+G: muestra el gráfico de los tres ciclos.
  * CONTROL++ (o CONTROL+=): agranda el texto.
  * CONTROL+-: reduce el texto.
  * CONTROL+0: devuelve el texto a su tamaño normal.
  * F1: muestra estos temas de ayuda.
  * CONTROL+Q: sale del programa.
  * ESCAPE: cierra la tabla, el gráfico, la pantalla de la base de datos, la ventana &apos;¿QUÉ ES UN BIORRITMO?&apos; o la ventana de ayuda que esté abierta.
Al iniciar, INTRO o ESCAPE cierra el aviso. En la pantalla de la base de datos, INTRO en el cuadro de la fecha de nacimiento añade el nombre, INTRO sobre un nombre lo usa, SUPRIMIR lo elimina y CONTROL+Z en la lista recupera el último nombre eliminado. La tecla TABULADOR pasa de un cuadro a otro, incluidos los que rellena el programa, y llega también a los iconos de acceso directo.
En el gráfico, las teclas de flecha IZQUIERDA y DERECHA mueven el cursor de día (una línea negra) de día en día, y la parte superior del gráfico muestra su fecha, su número de día, los tres ciclos en porcentaje y si es un día crítico, un triple máximo o un triple mínimo. RE PÁG y AV PÁG retroceden o avanzan una vista completa, INICIO y FIN van al primer o al último día, + y - muestran menos o más días, y MAYÚSCULAS+F10 o la tecla MENÚ abre el menú del gráfico (guardar, imprimir, cerrar).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>INFORMACIÓN DEL SISTEMA</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Si desea ver información sobre su equipo, hemos incluido en el programa una pequeña y práctica utilidad. En el menú &apos;AYUDA&apos; seleccione &apos;ACERCA DE TIDEMARK&apos; y haga clic en el botón &apos;INFORMACIÓN DEL SISTEMA...&apos;. Se inicia el primer programa de información del sistema que encuentre instalado (como HardInfo, KDE Info Center o Monitor del sistema de GNOME); si no hay ninguno, indica que la información del sistema no está disponible.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>SOLUCIÓN DE PROBLEMAS</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Si tiene problemas con el programa, revise las preguntas de los temas siguientes para ver si su problema aparece en la lista.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La tabla se imprime lentamente</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>La opción de color ralentiza considerablemente la impresión. Si la tabla se imprime lentamente, haga clic en la casilla &apos;IMPRIMIR EN COLOR&apos; del área &apos;CONFIGURACIÓN DE IMPRESORA&apos; hasta que quede desmarcada; así la tabla se imprime solo en negro.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La tabla no se imprime</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>La tabla se envía a la cola de impresión predeterminada del sistema (CUPS), o a la primera impresora instalada si no hay ninguna predeterminada. Compruebe que hay una impresora instalada y establecida como predeterminada en la configuración de impresoras del sistema (o en la página de CUPS en http://localhost:631), y que está encendida y tiene papel. Si no hay ninguna impresora configurada, el programa pide en su lugar el nombre de un archivo PDF, y si la impresión falla lo indica con un mensaje.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La página 2 no se imprime completa</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Si la página 2 se imprime solo en parte y la impresión continúa en la página 3, el problema es que el valor de la opción de impresora &apos;NÚMERO DE LÍNEAS POR PÁGINA&apos; es demasiado alto. Reduzca el número de ese cuadro del área &apos;CONFIGURACIÓN DE IMPRESORA&apos; hasta que cada página de la tabla quepa en una hoja de papel.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -La tabla en pantalla no queda alineada</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Si al mostrar la tabla en pantalla la línea central no queda recta, eso indica que la fuente &apos;LIBERATION MONO&apos; no está instalada correctamente en su equipo. El programa muestra la tabla en Liberation Mono, una fuente cuyas letras tienen todas el mismo ancho, que proporciona el paquete fonts-liberation (lo instala el gestor de paquetes del sistema); si falta esa fuente, usa en su lugar la fuente de ancho fijo del propio sistema. La orden fc-list &apos;Liberation Mono&apos; muestra si la fuente está instalada: no muestra nada si no lo está.

Tenga en cuenta que puede tener instalada la fuente &apos;COURIER NEW&apos;, pero no es la misma fuente que requiere el programa.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -No hay icono en el escritorio</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>¿QUÉ ES UN BIORRITMO?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Muchas veces querrá imprimir una tabla para un amigo o familiar que no sabe qué es un biorritmo. La hoja &apos;¿QUÉ ES UN BIORRITMO?&apos; explica con palabras sencillas los tres ciclos, los días críticos y los días de triple máximo y triple mínimo; léala en pantalla o imprímala para entregarla junto con la tabla (la hoja impresa está en inglés).

Toda la información que haya introducido en las líneas 1 a 4 del encabezado de portada se imprimirá al pie de esta hoja &apos;¿QUÉ ES...?&apos;. Si la línea 1 está vacía, no se imprime ninguna de las cuatro líneas.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Mostrar en pantalla</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Para ver &apos;¿QUÉ ES UN BIORRITMO?&apos;, seleccione &apos;AYUDA&apos; en el menú desplegable superior y después &apos;¿QUÉ ES UN BIORRITMO?&apos;. El texto se abre en una ventana en el centro de la pantalla: desplácelo con la barra de la derecha, imprímalo con su botón &apos;IMPRIMIR&apos; y ciérrelo con su botón &apos;CERRAR&apos;.</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Imprimir la definición</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>COMPARAR DOS PERSONAS</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Para ver cómo coinciden sus ciclos con los de otra persona, rellene el nombre, la fecha de nacimiento, la fecha de inicio y la duración de la tabla como para una tabla, y después seleccione &apos;ARCHIVO&apos; en el menú desplegable superior y &apos;COMPARAR CON...&apos;. En el panel que se abre, escriba el nombre y la fecha de nacimiento (MM-DD-YYYY) de la segunda persona, o elíjala de la base de datos de nombres de la parte superior del panel, y haga clic en &apos;COMPARAR&apos; (o pulse &apos;INTRO&apos;).

El panel muestra la compatibilidad de ambas personas en cada ciclo y en total, y enumera los días del período de la tabla en que ambas tienen un día crítico. Para cada ciclo, siendo D el número de días entre las dos fechas de nacimiento y P la duración del ciclo en días (23, 28 o 33), la compatibilidad es 100 x |cos(pi x D / P)| por ciento, redondeada a un porcentaje entero: 100 % cuando los dos ciclos van al mismo paso (D es 0 o un número entero de ciclos), 0 % cuando uno va medio ciclo por detrás del otro. La compatibilidad global es la media de los tres porcentajes, redondeada.

Mientras la comparación está activa, &apos;MOSTRAR GRÁFICO EN PANTALLA&apos; dibuja también los tres ciclos de la segunda persona, más finos y más pálidos, con el color y el estilo de línea de cada ciclo, y los nombra en la leyenda; un pequeño triángulo negro en la parte superior del gráfico marca cada día en que ambas tienen un día crítico. Pulse &apos;ESCAPE&apos; o haga clic en &apos;CERRAR&apos; para cerrar el panel y conservar la comparación; haga clic en &apos;BORRAR&apos; en el panel, o seleccione &apos;BORRAR COMPARACIÓN&apos; en el menú &apos;ARCHIVO&apos;, para terminarla. La comparación no se guarda, y la tabla, las impresiones y la configuración siguen siendo de una sola persona.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Preparando la tabla...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Mostrar tabla en pantalla</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Abrir base de datos</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Añadir, elegir o eliminar los nombres que usa con más frecuencia</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>Imprimir solo la &amp;portada</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Imprimir la portada de esta persona</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Imprimir solo la &amp;tabla</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Imprimir la tabla de esta persona</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Imprimir portada y tabla</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Imprimir la portada y después la tabla</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>&amp;Mostrar tabla en pantalla</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Mostrar la tabla en la ventana</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Ver las páginas antes de imprimirlas</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Guardar la tabla, la portada o ambas en archivos PDF</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>Mostrar &amp;gráfico en pantalla</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Mostrar los tres ciclos como curvas</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>Exportar a ca&amp;lendario...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Guardar los días críticos y los cumpleaños del período de la tabla en un archivo de calendario</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Comparar con...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Comparar a esta persona con otra: cómo coinciden los ciclos y los días críticos de ambas</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>&amp;Borrar comparación</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Terminar la comparación: el gráfico vuelve a mostrar solo a esta persona</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Guardar la configuración y cerrar Tidemark</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>&amp;Vaciar todos los cuadros de texto de abajo</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Vaciar el nombre, la fecha de nacimiento y las fechas de la tabla</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>Valores &amp;predeterminados</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Restablecer la configuración de impresora y las preferencias de tabla</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Obtener ayuda sobre...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Mostrar los temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>¿&amp;Qué es un biorritmo?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Leer lo que muestra la tabla</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Imprimir ¿Qué es un biorritmo?</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Imprimir la explicación de la tabla</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>&amp;Acerca de Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Mostrar la versión e información sobre este equipo</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Abrir base de datos</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Cerrar la ventana de la tabla en pantalla</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Cerrar la tabla</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Imprimir portada</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir tabla</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Imprimir portada y tabla</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Vaciar todos los cuadros de texto de abajo</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Mostrar gráfico en pantalla</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>Se ha borrado la comparación.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Exportar a calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>El calendario se guardó en %1.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Guardar gráfico como PNG o PDF...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Imprimir gráfico...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Cerrar gráfico</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Colores estándar</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Apto para daltónicos (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Ciclos secundarios</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 días)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>No se pudo imprimir el gráfico.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>el gráfico</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>Imágenes PNG (*.png);;Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> Tidemark continúa con la configuración predeterminada.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>no se podrán guardar los cambios hechos en esta sesión.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> Se leyó la configuración, pero </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> Tidemark continúa con la configuración predeterminada y </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Se volverá a intentar en el próximo inicio; hasta entonces no se guardarán los cambios.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>¡ERROR EN EL ARCHIVO DE CONFIGURACIÓN!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Tablas de biorritmos</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>ADVERTENCIA: este programa está protegido por las leyes de derechos de autor. La reproducción o distribución no autorizada de este programa, o de cualquier parte de él, será perseguida con todo el rigor de la ley. Este programa se ofrece solo como entretenimiento, y no se afirma que nadie deba guiarse física ni espiritualmente por el material que produce. Al usar este programa, usted acepta estas condiciones.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Haga clic en este aviso o pulse Intro para comenzar.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Pulse Intro para comenzar</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
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
        <translation>¡ERROR AL GUARDAR!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Texto más &amp;grande</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Agrandar el texto de la ventana</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>Texto más &amp;pequeño</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Reducir el texto de la ventana</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>Tamaño de texto &amp;normal</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Mostrar el texto de la ventana en su tamaño normal</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>El texto ya tiene el tamaño máximo que admite esta pantalla.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>ERROR EN LA BASE DE DATOS DE NOMBRES</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Conserva su contenido anterior.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>otra copia de Tidemark la está modificando</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>no se pudo escribir el archivo de bloqueo %1</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>No se pudo bloquear la base de datos de nombres %1 (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>No se encontró el archivo de la base de datos de nombres %1. La lista está vacía; al añadir un nombre se crea un archivo nuevo.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> La lista de nombres está vacía y el archivo se deja como está.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> No se añadió la entrada nueva.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>BASE DE DATOS DE NOMBRES LLENA</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>La base de datos de nombres ya contiene 32,767 entradas, el máximo posible. Elimine un nombre antes de añadir otro.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>La base de datos de nombres ya contiene %1 entradas, más de las 32,767 que admite. Elimine %2 nombre antes de añadir otro.</numerusform>
            <numerusform>La base de datos de nombres ya contiene %1 entradas, más de las 32,767 que admite. Elimine %2 nombres antes de añadir otro.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> No se restauró el nombre eliminado.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Hoy</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Escriba el nombre o recupérelo de la base de datos</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Escriba la fecha como MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>¡Volver a la fecha actual!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Restablecer la fecha de inicio</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Fecha de nacimiento (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Signo zodiacal:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>Día de nacimiento:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Edad en días:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Edad en años:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Inicio de la tabla (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Duración de la tabla en días:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Fecha final de la tabla:</translation>
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
        <translation>lunes</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>martes</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>miércoles</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jueves</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>viernes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>sábado</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Aries</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Tauro</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Géminis</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Cáncer</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Leo</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Virgo</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Libra</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Escorpio</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Sagitario</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Capricornio</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Acuario</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Piscis</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Borrar</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>Encabezado de portada</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Borrar la línea de introducción</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Borrar introducción</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Borrar la línea 1</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Borrar línea 1</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Borrar la línea 2</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Borrar línea 2</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Borrar la línea 3</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Borrar línea 3</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Borrar la línea 4</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Borrar línea 4</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Introducción:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Línea 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Línea 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Línea 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Línea 4:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Configuración de impresora</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Impresora matricial</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Para impresoras matriciales</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Láser, inyección, burbuja o similar</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Para impresoras láser o similares</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Total de líneas que se imprimen en la tabla</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Número de líneas por página</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>Imprimir en color</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Fuente:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Preferencias de tabla</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Espacio sencillo</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Espacio doble</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Espacio doble con líneas</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Mensajes festivos</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Fecha actual en cada página</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Pronóstico diario</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
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
        <translation>Página anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Página</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Página siguiente (Av Pág)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Imprimir este documento (Control+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Cerrar la vista previa (Escape)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>No se pudieron contar todas las páginas: la vista previa termina en la página %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Contando las páginas: %1 %</translation>
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
        <translation>Tabla</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Portada</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Portada y tabla</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>¿Qué es un biorritmo?</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source> and </source>
        <extracomment>Joins the last item of a list: &quot;a, b and c&quot;</extracomment>
        <translation> y </translation>
    </message>
    <message>
        <source>The cover sheet</source>
        <translation>La portada</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>La tabla</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>La portada y la tabla</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>«¿Qué es un biorritmo?»</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1 se guardarán en dos archivos PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1 se guardará como archivo PDF.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1 se guardarán en dos archivos PDF, %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1 se guardará como el archivo PDF %2.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>la portada</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>la tabla</translation>
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
        <translation>Enviado a la impresora «%2»: %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>No hay ninguna impresora instalada: guardar la portada como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>No hay ninguna impresora instalada: guardar la tabla como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>No hay ninguna impresora instalada: guardar «¿Qué es un biorritmo?» como PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>No hay ninguna impresora instalada: guardar la portada y la tabla como PDF (dos archivos, «... - cover sheet.pdf» y «... - chart.pdf»)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 ya existe en %2.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 ya existen en %2.
¿Desea reemplazarlos?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Guardado en %2: %1</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>¿REEMPLAZAR ARCHIVOS?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>La impresora «%1»</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>El archivo PDF «%1»</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1 no pudo iniciarse: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>La impresora «%1» no está disponible.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1 no pudo iniciarse.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1 no aceptó una página nueva.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1 no pudo terminar el documento.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1 no se pudo escribir: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1 no se pudo escribir por completo (¿está lleno el disco?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1 no se pudo escribir.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>¡ERROR DE IMPRESORA!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>No se pudo acceder a la impresora «%1»: la orden lp del sistema de impresión no se inició.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>La impresora «%1» no recibió el documento a tiempo.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>lp terminó con el estado %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>La impresora «%1» rechazó el documento: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Imprimiendo la tabla de %1...</translation>
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
        <translation>Exportar a calendario</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Sin recordatorio</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>&amp;Recordármelo ese día, a las</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Hora del recordatorio</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Cada día del calendario puede avisarle cuando llegue:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>No se indicó ninguna carpeta para los archivos de configuración.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>No se pudo crear el archivo %1 (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 en %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>No se pudo guardar la configuración. No se pudo escribir este archivo: %1. Conserva la configuración que tenía antes de esta sesión; los cambios hechos en él durante esta sesión se han perdido.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>No se pudo guardar la configuración. No se pudieron escribir estos archivos: %1. Conservan la configuración que tenían antes de esta sesión; los cambios hechos en ellos durante esta sesión se han perdido.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>No se pudo leer el archivo %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>No se pudo escribir el archivo %1 (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>es_ES</translation>
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
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>¿Qué es un biorritmo?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Texto de «¿Qué es un biorritmo?»</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Un biorritmo es un patrón cíclico de actividad biológica que comienza al nacer con tres ciclos sinusoidales: el físico (P), el emocional (E) y el intelectual (I). Cada uno empieza en cero el día del nacimiento.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>El ciclo físico (P) se repite cada 23 días y rige nuestra energía, fuerza, resistencia y defensa frente a las enfermedades. Cuando el ciclo físico está arriba, a la derecha de la línea crítica central, se dice que es un período de energía, vigor y bienestar, bueno para el deporte y el trabajo duro. Cuando está abajo, a la izquierda de la línea, se dice que es un período en que nos cansamos antes y conviene descansar y recuperar fuerzas.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>El ciclo emocional (E) se repite cada 28 días y rige nuestra sensibilidad y nuestro temperamento: el estado de ánimo, los sentimientos y la creatividad. El lado derecho de la línea central es el lado positivo, que, según se dice, favorece una disposición alegre, cooperativa y creativa. En el lado izquierdo, el negativo, podemos estar de peor humor, irritarnos con más facilidad y ver antes el lado oscuro de las cosas.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>Nuestro ciclo intelectual (I) se repite cada 33 días y rige nuestra capacidad de pensar: la memoria, la atención, el razonamiento y la capacidad de aprender. Cuando está arriba, se dice que es un buen momento para estudiar, planificar y tomar decisiones. Cuando está abajo, se dice que la mente se presta más a repasar, al trabajo rutinario y al descanso que a las ideas nuevas y las decisiones difíciles.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>La magnitud de los ciclos no tiene importancia, salvo para indicar valores negativos, cero y positivos. La distancia de una letra a la línea central no hace que un día sea mejor o peor; solo cuenta el lado en que está. Los días en que una curva cruza la línea central son días cero, también llamados días CRÍTICOS (CRITICAL en la tabla). En un día crítico ese ciclo está cambiando de fase y uno puede ser más propenso a los accidentes, así que es un día para tener un poco más de cuidado.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Los DÍAS DE TRIPLE MÁXIMO se dan en la zona en que los tres ciclos coinciden en el lado DERECHO de la línea central. En un día así los tres ciclos son positivos a la vez, el punto culminante del modelo: un día que, según se dice, es muy adecuado para el esfuerzo, la actividad y sacar las cosas adelante. La tabla marca estos días con &gt;HIGH&gt;.</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>Los DÍAS DE TRIPLE MÍNIMO se producen cuando los tres ciclos están en el lado IZQUIERDO de la tabla. Los tres ciclos son negativos a la vez, un día que, según se dice, pide descanso, paciencia y un cuidado especial. La tabla marca estos días con &lt;LOW&lt;.</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- ¿QUÉ ES UN BIORRITMO? ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- DÍAS DE TRIPLE MÁXIMO Y TRIPLE MÍNIMO ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>sin acceso o sin espacio</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>no se pudo leer y se deja como está</translation>
    </message>
</context>
</TS>
