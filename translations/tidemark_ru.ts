<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Biorhythm charts on screen and on paper, for entertainment only.</source>
        <translation>Диаграммы биоритмов на экране и на бумаге, только для развлечения.</translation>
    </message>
    <message>
        <source>Warning: this computer program is protected by copyright law.</source>
        <translation>Внимание: эта программа защищена законом об авторском праве.</translation>
    </message>
    <message>
        <source>Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties, and will be prosecuted to the maximum extent possible under the law.</source>
        <translation>Незаконное воспроизведение или распространение этой программы или любой её части может повлечь серьёзную гражданскую и уголовную ответственность и будет преследоваться в полной мере, допускаемой законом.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Starts the desktop&apos;s system information program.</extracomment>
        <translation>&amp;Сведения о системе...</translation>
    </message>
    <message>
        <source>About Tidemark</source>
        <extracomment>The About window&apos;s title; Tidemark is the program&apos;s name.</extracomment>
        <translation>О программе Tidemark</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Сведения о системе сейчас недоступны</translation>
    </message>
</context>
<context>
    <name>CalendarEvents</name>
    <message>
        <source>emotional</source>
        <translation>эмоциональный</translation>
    </message>
    <message>
        <source>The emotional cycle crosses the centre line.</source>
        <translation>Эмоциональный цикл пересекает центральную линию.</translation>
    </message>
    <message>
        <source>physical</source>
        <translation>физический</translation>
    </message>
    <message>
        <source>The physical cycle crosses the centre line going up.</source>
        <translation>Физический цикл пересекает центральную линию снизу вверх.</translation>
    </message>
    <message>
        <source>intellectual</source>
        <translation>интеллектуальный</translation>
    </message>
    <message>
        <source>The intellectual cycle crosses the centre line going up.</source>
        <translation>Интеллектуальный цикл пересекает центральную линию снизу вверх.</translation>
    </message>
    <message>
        <source>The physical cycle is about to cross the centre line going down.</source>
        <translation>Физический цикл вот-вот пересечёт центральную линию сверху вниз.</translation>
    </message>
    <message>
        <source>The intellectual cycle is about to cross the centre line going down.</source>
        <translation>Интеллектуальный цикл вот-вот пересечёт центральную линию сверху вниз.</translation>
    </message>
    <message>
        <source>You are on a triple high today with all three cycles being positive.</source>
        <translation>Сегодня у вас тройной подъём: все три цикла положительны.</translation>
    </message>
    <message>
        <source>You are on a triple low today with all three cycles being negative.</source>
        <translation>Сегодня у вас тройной спад: все три цикла отрицательны.</translation>
    </message>
    <message>
        <source>Today is an accident-prone day. One or more cycles are &apos;critical.&apos;</source>
        <translation>Сегодня день повышенного риска несчастных случаев. Один или несколько циклов находятся в «критической» точке.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>An event&apos;s summary: %1 is the person&apos;s name, %2 what the day is</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>%1 lists the cycles that cross the centre line, e.g. &quot;physical, emotional&quot;</extracomment>
        <translation>критический день (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>тройной подъём</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>тройной спад</translation>
    </message>
    <message>
        <source>day of birth</source>
        <translation>день рождения</translation>
    </message>
    <message>
        <source>%1 is born.</source>
        <extracomment>%1 is the person&apos;s name</extracomment>
        <translation>Рождение: %1.</translation>
    </message>
    <message>
        <source>%1%2 birthday</source>
        <extracomment>%1 is the age reached, %2 its English ordinal ending (st, nd, rd, th): leave %2 out where the language has no such ending</extracomment>
        <translation>%1-й день рождения</translation>
    </message>
    <message>
        <source>%1 reaches the age of %2.</source>
        <extracomment>%1 is the person&apos;s name, %2 the age reached</extracomment>
        <translation>%1 отмечает %2-летие.</translation>
    </message>
    <message>
        <source>The calendar file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the calendar file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Не удалось записать файл календаря «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>ChartTextView</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
</context>
<context>
    <name>CheckMessages</name>
    <message>
        <source>DATE ERROR!</source>
        <translation>ОШИБКА ДАТЫ!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! Too much data in Starting Date box.</source>
        <translation>Ошибка ввода в поле «Начало диаграммы»! В поле слишком много данных.</translation>
    </message>
    <message>
        <source>DATE HYPHEN ERROR IN MM-DD-YYYY!</source>
        <translation>НЕВЕРНЫЕ ДЕФИСЫ В ДАТЕ MM-DD-YYYY!</translation>
    </message>
    <message>
        <source>Input error in Starting Date! The separators between the month and day, and between the day and year must be hyphens, for example MM-DD-YYYY.</source>
        <translation>Ошибка ввода в поле «Начало диаграммы»! Месяц и день, а также день и год должны разделяться дефисами, например MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА МЕСЯЦА</translation>
    </message>
    <message>
        <source>Input error in Start date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты начала! Месяц должен быть числом от 01 до 12 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА ДНЯ</translation>
    </message>
    <message>
        <source>Input error in Start date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты начала! День должен быть числом от 01 до 31 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА ГОДА</translation>
    </message>
    <message>
        <source>Input error in Start date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты начала! Год должен быть числом от 1500 до 2099 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Input error in Birthdate! Too much data in Birthdate box.</source>
        <translation>Ошибка ввода даты рождения! В поле «Дата рождения» слишком много данных.</translation>
    </message>
    <message>
        <source>MONTH DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ОШИБКА ВВОДА МЕСЯЦА В ДАТЕ РОЖДЕНИЯ</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Month must be a number from 01 to 12 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты рождения! Месяц должен быть числом от 01 до 12 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>DAY DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ОШИБКА ВВОДА ДНЯ В ДАТЕ РОЖДЕНИЯ</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Day must be a number from 01 to 31 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты рождения! День должен быть числом от 01 до 31 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>YEAR DATE INPUT ERROR IN BIRTH DATE</source>
        <translation>ОШИБКА ВВОДА ГОДА В ДАТЕ РОЖДЕНИЯ</translation>
    </message>
    <message>
        <source>Input error in Birth date! The Year must be a number from 1500 to 2099 and be in the format: MM-DD-YYYY</source>
        <translation>Ошибка ввода даты рождения! Год должен быть числом от 1500 до 2099 в формате MM-DD-YYYY</translation>
    </message>
    <message>
        <source>LINES PER PAGE INCORRECT!</source>
        <translation>НЕВЕРНОЕ ЧИСЛО СТРОК НА СТРАНИЦЕ!</translation>
    </message>
    <message>
        <source>Lines Per Page is zero or a minus number!</source>
        <translation>Число строк на странице равно нулю или отрицательно!</translation>
    </message>
    <message>
        <source>Lines Per Page must be a whole number!</source>
        <translation>Число строк на странице должно быть целым числом!</translation>
    </message>
    <message>
        <source>NO NAME ENTERED!</source>
        <translation>ИМЯ НЕ ВВЕДЕНО!</translation>
    </message>
    <message>
        <source>There is no Name selected to use on chart!</source>
        <translation>Не выбрано имя для диаграммы!</translation>
    </message>
    <message>
        <source>NO BIRTHDATE ENTERED!</source>
        <translation>ДАТА РОЖДЕНИЯ НЕ ВВЕДЕНА!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on chart!</source>
        <translation>Не выбрана дата рождения для диаграммы!</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Date must include the dash (-) after the month, and after the day! Format must be MM-DD-YYYY.</source>
        <translation>Ошибка ввода даты рождения! После месяца и после дня должен стоять дефис (-)! Формат: MM-DD-YYYY.</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Month must be a number from 01 to 12</source>
        <translation>Ошибка ввода даты рождения! Месяц должен быть числом от 01 до 12</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Day must be a number from 01 to 31</source>
        <translation>Ошибка ввода даты рождения! День должен быть числом от 01 до 31</translation>
    </message>
    <message>
        <source>Input error in Birthdate! The Year must be a number from 1500 to 2099</source>
        <translation>Ошибка ввода даты рождения! Год должен быть числом от 1500 до 2099</translation>
    </message>
    <message>
        <source>NO CHART STARTING DATE INDICATED!</source>
        <translation>НЕ УКАЗАНА ДАТА НАЧАЛА ДИАГРАММЫ!</translation>
    </message>
    <message>
        <source>There is no correct date to indicate chart starting date!</source>
        <translation>Не указана правильная дата начала диаграммы!</translation>
    </message>
    <message>
        <source>NO LENGTH OF CHART INDICATED!</source>
        <translation>НЕ УКАЗАНА ДЛИТЕЛЬНОСТЬ ДИАГРАММЫ!</translation>
    </message>
    <message>
        <source>There is no number to indicate length of chart desired!</source>
        <translation>Не указано число дней, на которое нужна диаграмма!</translation>
    </message>
    <message>
        <source>LENGTH OF CHART TOO LONG!</source>
        <translation>СЛИШКОМ ДЛИННАЯ ДИАГРАММА!</translation>
    </message>
    <message>
        <source>The chart would end after 12-31-9999.</source>
        <translation>Диаграмма закончилась бы позже 12-31-9999.</translation>
    </message>
    <message>
        <source>There is no Name selected to use on Cover Sheet!</source>
        <translation>Не выбрано имя для титульного листа!</translation>
    </message>
    <message>
        <source>There is no Birthdate selected to use on Cover Sheet!</source>
        <translation>Не выбрана дата рождения для титульного листа!</translation>
    </message>
    <message>
        <source>NAME &amp; DATE INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА ИМЕНИ И ДАТЫ</translation>
    </message>
    <message>
        <source>No name or date has been entered</source>
        <translation>Не введены ни имя, ни дата</translation>
    </message>
    <message>
        <source>NAME INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА ИМЕНИ</translation>
    </message>
    <message>
        <source>No name has been entered</source>
        <translation>Имя не введено</translation>
    </message>
    <message>
        <source>DATE INPUT ERROR</source>
        <translation>ОШИБКА ВВОДА ДАТЫ</translation>
    </message>
    <message>
        <source>No date has been entered</source>
        <translation>Дата не введена</translation>
    </message>
    <message>
        <source>Input error in Month! The Month must be a number from 01 to 12</source>
        <translation>Ошибка ввода месяца! Месяц должен быть числом от 01 до 12</translation>
    </message>
    <message>
        <source>Input error in Day! The Day must be a number from 01 to 31</source>
        <translation>Ошибка ввода дня! День должен быть числом от 01 до 31</translation>
    </message>
    <message>
        <source>Input error in Year! The Year must be a number from 1500 to 2099</source>
        <translation>Ошибка ввода года! Год должен быть числом от 1500 до 2099</translation>
    </message>
    <message>
        <source>A name cannot contain the double quote character (&quot;). Please remove it or use a single quote instead.</source>
        <translation>Имя не может содержать двойную кавычку (&quot;). Удалите её или используйте вместо неё одинарную кавычку.</translation>
    </message>
    <message>
        <source>A name cannot contain a line break. Please type it on one line.</source>
        <translation>Имя не может содержать перевод строки. Введите его в одну строку.</translation>
    </message>
    <message>
        <source>The birthdate must be eight digits, MMDDYYYY</source>
        <translation>Дата рождения должна состоять из восьми цифр: MMDDYYYY</translation>
    </message>
    <message>
        <source>The name holds a control character!</source>
        <translation>Имя содержит управляющий символ!</translation>
    </message>
    <message>
        <source>NOT ENOUGH MEMORY!</source>
        <translation>НЕДОСТАТОЧНО ПАМЯТИ!</translation>
    </message>
    <message>
        <source>Program memory low.  You are possibly trying to display too many days!  Please run again displaying fewer days!</source>
        <translation>Программе не хватает памяти. Возможно, вы пытаетесь показать слишком много дней! Запустите снова, выбрав меньше дней!</translation>
    </message>
</context>
<context>
    <name>ComparePanel</name>
    <message>
        <source>Co&amp;mpare</source>
        <translation>&amp;Сравнить</translation>
    </message>
    <message>
        <source>Compare the two people</source>
        <translation>Сравнить двух человек</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Сбр&amp;осить</translation>
    </message>
    <message>
        <source>Clear the comparison</source>
        <translation>Сбросить сравнение</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close this panel and keep the comparison</source>
        <translation>Закрыть эту панель, сохранив сравнение</translation>
    </message>
    <message>
        <source>Compare two people</source>
        <translation>Сравнение двух человек</translation>
    </message>
    <message>
        <source>  Compare With...</source>
        <translation>  Сравнить с...</translation>
    </message>
    <message>
        <source>Pick the second person from the name database</source>
        <translation>Выбрать второго человека из базы имён</translation>
    </message>
    <message>
        <source>Name of the second person</source>
        <translation>Имя второго человека</translation>
    </message>
    <message>
        <source>Birthdate of the second person</source>
        <translation>Дата рождения второго человека</translation>
    </message>
    <message>
        <source>MM-DD-YYYY</source>
        <translation>MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Days on which both have a critical day</source>
        <translation>Дни, когда у обоих критический день</translation>
    </message>
    <message>
        <source>From the name &amp;database:</source>
        <translation>Из &amp;базы имён:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Имя:</translation>
    </message>
    <message>
        <source>&amp;Birthdate:</source>
        <translation>&amp;Дата рождения:</translation>
    </message>
    <message>
        <source>(pick a name)</source>
        <translation>(выберите имя)</translation>
    </message>
    <message>
        <source>Compatibility with %1, born %2 (%3 days apart):</source>
        <translation>Совместимость с %1, дата рождения %2 (разница %3 дн.):</translation>
    </message>
    <message>
        <source>Physical %1%</source>
        <translation>Физическая %1%</translation>
    </message>
    <message>
        <source>Emotional %1%</source>
        <translation>Эмоциональная %1%</translation>
    </message>
    <message>
        <source>Intellectual %1%</source>
        <translation>Интеллектуальная %1%</translation>
    </message>
    <message>
        <source>Overall %1%</source>
        <translation>Общая %1%</translation>
    </message>
    <message>
        <source>Days of the chart period on which both have a critical day: %1</source>
        <translation>Дни периода диаграммы, когда у обоих критический день: %1</translation>
    </message>
    <message>
        <source>Nobody is compared.  Type the second person&apos;s name and birthdate, or pick them from the name database, and press Compare.</source>
        <translation>Сравнение не задано.  Введите имя и дату рождения второго человека или выберите их из базы имён и нажмите «Сравнить».</translation>
    </message>
</context>
<context>
    <name>DataFolderMessages</name>
    <message>
        <source>The file %1 could not be moved to %2.</source>
        <extracomment>%1 is the file&apos;s path, %2 the folder it was to move to</extracomment>
        <translation>Не удалось переместить файл %1 в %2.</translation>
    </message>
    <message>
        <source>No folder for the program&apos;s files could be found.</source>
        <translation>Не найдена папка для файлов программы.</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Не удалось создать папку %1.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to.</source>
        <extracomment>%1 is the folder&apos;s path</extracomment>
        <translation>Нет доступа на запись в папку %1.</translation>
    </message>
</context>
<context>
    <name>DatabasePanel</name>
    <message>
        <source>NAME DATABASE</source>
        <extracomment>The name database panel&apos;s title.</extracomment>
        <translation>БАЗА ИМЁН</translation>
    </message>
    <message>
        <source>Use to store your most often used names/birthdates!</source>
        <translation>Храните здесь часто используемые имена и даты рождения!</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Input name as Firstname Lastname</source>
        <extracomment>The name box&apos;s tooltip: &quot;Firstname Lastname&quot; shows the order of a name&apos;s parts.</extracomment>
        <translation>Введите имя в виде: Имя Фамилия</translation>
    </message>
    <message>
        <source>Birthdate:</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <source>Insert birthdate as MMDDYYYY</source>
        <extracomment>The birthdate box&apos;s tooltip: MMDDYYYY is the form the box takes (month, day, year): keep it.</extracomment>
        <translation>Введите дату рождения в виде MMDDYYYY</translation>
    </message>
    <message>
        <source>Enter birthdate as MMDDYYYY </source>
        <extracomment>MMDDYYYY is the form the birthdate box takes (month, day, year): keep it.</extracomment>
        <translation>Введите дату рождения в виде MMDDYYYY </translation>
    </message>
    <message>
        <source>Example: March 9, 1975 would be 03091975</source>
        <extracomment>03091975 is the date written as the birthdate box takes it (month, day, year): keep the digits.</extracomment>
        <translation>Пример: 9 марта 1975 года — это 03091975</translation>
    </message>
    <message>
        <source>Add This Entry</source>
        <extracomment>A button, beside the example; its tooltip follows.</extracomment>
        <translation>Добавить запись</translation>
    </message>
    <message>
        <source>Press here to save this entry!</source>
        <translation>Нажмите, чтобы сохранить эту запись!</translation>
    </message>
    <message>
        <source>Selected Name:</source>
        <translation>Выбранное имя:</translation>
    </message>
    <message>
        <source>Name selected to use for chart</source>
        <translation>Имя, выбранное для диаграммы</translation>
    </message>
    <message>
        <source>Delete This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Удалить имя</translation>
    </message>
    <message>
        <source>Delete the selected entry! </source>
        <translation>Удалить выбранную запись! </translation>
    </message>
    <message>
        <source>Use This Name</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Использовать имя</translation>
    </message>
    <message>
        <source>Use the selected name!</source>
        <translation>Использовать выбранное имя!</translation>
    </message>
    <message>
        <source>Close Database</source>
        <extracomment>One of three buttons side by side under the list; its tooltip follows.</extracomment>
        <translation>Закрыть базу</translation>
    </message>
    <message>
        <source>Close the Name Database window</source>
        <translation>Закрыть окно базы имён</translation>
    </message>
    <message>
        <source>Name database</source>
        <translation>База имён</translation>
    </message>
    <message>
        <source>Saved names</source>
        <translation>Сохранённые имена</translation>
    </message>
    <message>
        <source>Click on a name to select it</source>
        <translation>Щёлкните имя, чтобы выбрать его</translation>
    </message>
    <message>
        <source>NOTHING TO DELETE!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>НЕЧЕГО УДАЛЯТЬ!</translation>
    </message>
    <message>
        <source>There is no name selected to delete!</source>
        <translation>Не выбрано имя для удаления!</translation>
    </message>
    <message>
        <source>NO NAME SELECTED!</source>
        <extracomment>The title of a message.</extracomment>
        <translation>ИМЯ НЕ ВЫБРАНО!</translation>
    </message>
    <message>
        <source>There is no name selected to use!</source>
        <translation>Не выбрано имя для использования!</translation>
    </message>
</context>
<context>
    <name>Graph</name>
    <message>
        <source>Physical</source>
        <extracomment>The names of the cycles in the graph&apos;s legend and readout.</extracomment>
        <translation>Физический</translation>
    </message>
    <message>
        <source>Emotional</source>
        <translation>Эмоциональный</translation>
    </message>
    <message>
        <source>Intellectual</source>
        <translation>Интеллектуальный</translation>
    </message>
    <message>
        <source>Intuitive</source>
        <translation>Интуитивный</translation>
    </message>
    <message>
        <source>Aesthetic</source>
        <translation>Эстетический</translation>
    </message>
    <message>
        <source>Awareness</source>
        <translation>Осознанность</translation>
    </message>
    <message>
        <source>Spiritual</source>
        <translation>Духовный</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>A message after Save Graph: %1 is the file&apos;s path, %2 why it could not be written.</extracomment>
        <translation>Не удалось записать файл «%1»: %2.</translation>
    </message>
    <message>
        <source>the PDF could not be drawn</source>
        <translation>не удалось построить PDF</translation>
    </message>
    <message>
        <source>critical day</source>
        <extracomment>The graph&apos;s legend: the mark of a critical day.</extracomment>
        <translation>критический день</translation>
    </message>
    <message>
        <source>triple high (above) or low (below)</source>
        <extracomment>The graph&apos;s legend: the band of a triple high day above the centre line, a triple low below it.</extracomment>
        <translation>тройной подъём (выше) или спад (ниже)</translation>
    </message>
    <message>
        <source>today</source>
        <extracomment>The graph&apos;s legend and the mark on the graph: the line of today&apos;s date.</extracomment>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The second person&apos;s cycle in the graph&apos;s legend: &quot;Your Name, physical&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>critical day of both</source>
        <extracomment>The graph&apos;s legend: the mark of a day on which both people compared have a critical day.</extracomment>
        <translation>критический день у обоих</translation>
    </message>
    <message>
        <source>Compared with %1, born %2</source>
        <extracomment>The second person&apos;s row of the graph&apos;s legend: &quot;Compared with Your Name, born 07-04-1988&quot;.</extracomment>
        <translation>В сравнении с %1, дата рождения %2</translation>
    </message>
    <message>
        <source>emotional</source>
        <extracomment>The cycle of a critical day, in the readout&apos;s &quot;critical day (physical up, emotional)&quot;.</extracomment>
        <translation>эмоциональный</translation>
    </message>
    <message>
        <source>physical up</source>
        <translation>физический вверх</translation>
    </message>
    <message>
        <source>intellectual up</source>
        <translation>интеллектуальный вверх</translation>
    </message>
    <message>
        <source>physical down</source>
        <translation>физический вниз</translation>
    </message>
    <message>
        <source>intellectual down</source>
        <translation>интеллектуальный вниз</translation>
    </message>
    <message>
        <source>%1: none.</source>
        <extracomment>What a screen reader says of the graph when a list is empty: &quot;Triple highs: none.&quot;</extracomment>
        <translation>%1: нет.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends a screen reader&apos;s list of the graph&apos;s days past the first dozen: &quot;and 5 more&quot;.</extracomment>
        <translation>
            <numerusform>и ещё %n день</numerusform>
            <numerusform>и ещё %n дня</numerusform>
            <numerusform>и ещё %n дней</numerusform>
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
        <translation>с %1 по %2</translation>
    </message>
    <message>
        <source>SUN</source>
        <extracomment>The weekdays on the graph&apos;s date axis and in its readout: three letters, from Sunday.</extracomment>
        <translation>ВС</translation>
    </message>
    <message>
        <source>MON</source>
        <translation>ПН</translation>
    </message>
    <message>
        <source>TUE</source>
        <translation>ВТ</translation>
    </message>
    <message>
        <source>WED</source>
        <translation>СР</translation>
    </message>
    <message>
        <source>THU</source>
        <translation>ЧТ</translation>
    </message>
    <message>
        <source>FRI</source>
        <translation>ПТ</translation>
    </message>
    <message>
        <source>SAT</source>
        <translation>СБ</translation>
    </message>
    <message>
        <source>day %1</source>
        <extracomment>The day count in the graph&apos;s readout: &quot;day 12784&quot;.</extracomment>
        <translation>день %1</translation>
    </message>
    <message>
        <source>critical day (%1)</source>
        <extracomment>In the graph&apos;s readout: %1 names the cycles that cross the centre line (&quot;physical up, emotional&quot;).</extracomment>
        <translation>критический день (%1)</translation>
    </message>
    <message>
        <source>triple high</source>
        <translation>тройной подъём</translation>
    </message>
    <message>
        <source>triple low</source>
        <translation>тройной спад</translation>
    </message>
    <message>
        <source>Biorhythm graph, %1, %2</source>
        <extracomment>The graph&apos;s name for a screen reader: %1 is the person and birthdate, %2 the period shown.</extracomment>
        <translation>График биоритмов, %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n days in view: %1</source>
        <extracomment>What a screen reader says after a zoom or a scroll: %n is the number of days, %1 the period.</extracomment>
        <translation>
            <numerusform>%n день на экране: %1</numerusform>
            <numerusform>%n дня на экране: %1</numerusform>
            <numerusform>%n дней на экране: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A critical day in the screen reader&apos;s list: %1 is its date, %2 its cycles.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Critical days</source>
        <translation>Критические дни</translation>
    </message>
    <message>
        <source>Triple highs</source>
        <translation>Тройные подъёмы</translation>
    </message>
    <message>
        <source>Triple lows</source>
        <translation>Тройные спады</translation>
    </message>
    <message>
        <source>MMMM d, yyyy</source>
        <extracomment>A date as a screen reader hears it, in Qt&apos;s date format (MMMM the month&apos;s name, d the day, yyyy the year; words in single quotes stay as they are): in your language&apos;s order.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd, MMMM d, yyyy</source>
        <extracomment>A weekday and date as a screen reader hears it, in Qt&apos;s date format (dddd the weekday&apos;s name, MMMM the month&apos;s, d the day, yyyy the year): in your language&apos;s order.</extracomment>
        <translation>dddd, d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>HelpPanel</name>
    <message>
        <source>Tidemark Help</source>
        <translation>Справка Tidemark</translation>
    </message>
    <message>
        <source>  Tidemark Help</source>
        <extracomment>The help panel&apos;s title bar; the two blanks set it off from the panel&apos;s edge.</extracomment>
        <translation>  Справка Tidemark</translation>
    </message>
    <message>
        <source>x</source>
        <extracomment>The help panel&apos;s close button, a small square at the title&apos;s right end: one letter.</extracomment>
        <translation>x</translation>
    </message>
    <message>
        <source>close</source>
        <translation>закрыть</translation>
    </message>
    <message>
        <source>Close help</source>
        <translation>Закрыть справку</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Разделы справки</translation>
    </message>
    <message>
        <source>Select the category or topic at the top that you need help on by highlighting it with your mouse cursor.  The information will appear in the box below.  Scroll down the list to see more topics.</source>
        <translation>Выберите вверху категорию или раздел, по которому нужна справка, выделив его указателем мыши.  Сведения появятся в поле ниже.  Прокрутите список, чтобы увидеть другие разделы.</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст справки</translation>
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
        <translation>В левом верхнем углу главного окна программы находятся значки быстрого доступа.
  * ОТКРЫТАЯ ПАПКА — открывает окно базы имён.
  * ПРИНТЕР С ЛИСТОМ (на листе текст по центру) — печатает титульный лист.
  * ПРИНТЕР С ЛИСТОМ (на листе синусоида) — печатает диаграмму.
  * ПРИНТЕР С ДВУМЯ ЛИСТАМИ — печатает титульный лист и диаграмму.
  * ЗАПОЛНЕННЫЙ ЭКРАН — выводит диаграмму на экран.
  * ПУСТОЙ ЭКРАН — закрывает окно вывода диаграммы на экран.
  * ЧЕТЫРЕ ПУСТЫХ ПОЛЯ — очищает все текстовые поля в левой части окна.
  * ТРИ КРИВЫЕ (красная, синяя и зелёная) — показывает диаграмму в виде графика трёх циклов.
Задержите указатель мыши на значке, чтобы увидеть, что он делает и какое у него сочетание клавиш.</translation>
    </message>
    <message>
        <source>The program does not automatically install an icon on your desktop.  Installed from its package, Tidemark is in your desktop&apos;s menu of applications, under Office, and most desktops let you add it to the desktop or a panel from there.  Built from its source folder, the program is the file build/src/app/tidemark inside that folder (INSTALLING AN UPDATE/UPGRADE tells how to build it); add a launcher for that file with your desktop&apos;s own menu or launcher editor.</source>
        <translation>Программа не создаёт значок на рабочем столе автоматически.  Если Tidemark установлен из пакета, он находится в меню приложений, в разделе «Офис», и в большинстве сред рабочего стола его можно оттуда добавить на рабочий стол или на панель.  Если программа собрана из папки с исходным кодом, это файл build/src/app/tidemark внутри этой папки (как её собрать, рассказывает раздел УСТАНОВКА ОБНОВЛЕНИЯ); добавьте для этого файла ярлык запуска с помощью редактора меню или ярлыков вашей среды рабочего стола.</translation>
    </message>
    <message>
        <source>To print &apos;WHAT IS A BIORHYTHM&apos; to printer, from the pull-down menu select &apos;HELP,&apos; and then select &apos;PRINT WHAT IS A BIORHYTHM.&apos;  You may also click the &apos;PRINT&apos; button at the top of the &apos;WHAT IS A BIORHYTHM&apos; window.

This sheet will print in the type font that you have selected in PRINTER SETTINGS.  With &apos;DOT-MATRIX PRINTER&apos; selected, or with Courier chosen, it prints in Courier in even columns.  When the Cover Sheet Heading Line 1 is filled in, the heading lines print at its bottom.</source>
        <translation>Чтобы напечатать «ЧТО ТАКОЕ БИОРИТМ» на принтере, выберите в меню «СПРАВКА», а затем «ПЕЧАТЬ „ЧТО ТАКОЕ БИОРИТМ?“».  Можно также нажать кнопку «ПЕЧАТЬ» вверху окна «ЧТО ТАКОЕ БИОРИТМ».

Лист печатается шрифтом, выбранным в области «ПАРАМЕТРЫ ПРИНТЕРА».  Если выбран «МАТРИЧНЫЙ ПРИНТЕР» или шрифт Courier, он печатается шрифтом Courier ровными столбцами.  Если заполнена строка 1 заголовка титульного листа, строки заголовка печатаются внизу листа.</translation>
    </message>
    <message>
        <source>COVER SHEET</source>
        <translation>ТИТУЛЬНЫЙ ЛИСТ</translation>
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
        <translation>Титульный лист содержит сведения о пользователе и о диаграмме, в том числе:
  * имя пользователя
  * вступительную строку, необязательную и изменяемую (подробнее см. в разделе)
  * ещё четыре изменяемые строки (для имени, адреса и т. п.  Подробнее см. в разделе.)
  * дату рождения пользователя
  * день недели рождения
  * знак зодиака
  * возраст в годах
  * возраст в днях
  * длительность диаграммы
  * дату начала диаграммы
  * дату окончания диаграммы
  * пояснение символов, используемых на диаграмме
  * отказ от ответственности</translation>
    </message>
    <message>
        <source>   -Lead-in message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Вступительная строка</translation>
    </message>
    <message>
        <source>The lead-in message at the top of the cover sheet is optional.  When there is one, it is printed centered under the user&apos;s name.

To choose one, click the arrow of the &apos;LEAD-IN&apos; box in the &apos;COVER SHEET HEADING&apos; area and pick one of the seven lines offered, or click inside the box and type a line of your own.  To leave it off, click the &apos;&lt;&lt; CLEAR&apos; button beside it.

The lead-in is saved when you exit the program and is there again the next time you start it.</source>
        <translation>Вступительная строка в верхней части титульного листа необязательна.  Если она есть, она печатается по центру под именем пользователя.

Чтобы выбрать её, щёлкните стрелку поля «ВСТУПЛЕНИЕ» в области «ЗАГОЛОВОК ТИТУЛЬНОГО ЛИСТА» и выберите одну из семи предложенных строк или щёлкните внутри поля и введите свою строку.  Чтобы обойтись без неё, нажмите кнопку «&lt;&lt; ОЧИСТИТЬ» рядом с полем.

Вступительная строка сохраняется при выходе из программы и снова появляется при следующем запуске.</translation>
    </message>
    <message>
        <source>   -Name &amp; address message</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Имя и адрес</translation>
    </message>
    <message>
        <source>The name &amp; address message at the top of the cover sheet is optional.  It is made of the four lines &apos;LINE 1&apos; to &apos;LINE 4&apos; of the &apos;COVER SHEET HEADING&apos; area.

Type in them whatever should follow the lead-in, for example your name, street, town and e-mail address.  Each line that is not empty is printed centered; an empty line is left out.  The &apos;&lt;&lt; CLEAR&apos; button beside a line empties it.

The lines are saved when you exit the program.  When &apos;LINE 1&apos; is filled in, they also print at the bottom of the &apos;WHAT IS A BIORHYTHM&apos; sheet.</source>
        <translation>Имя и адрес в верхней части титульного листа необязательны.  Они состоят из четырёх строк «СТРОКА 1» — «СТРОКА 4» в области «ЗАГОЛОВОК ТИТУЛЬНОГО ЛИСТА».

Введите в них то, что должно следовать за вступительной строкой, например своё имя, улицу, город и адрес электронной почты.  Каждая непустая строка печатается по центру; пустая строка пропускается.  Кнопка «&lt;&lt; ОЧИСТИТЬ» рядом со строкой очищает её.

Строки сохраняются при выходе из программы.  Если заполнена «СТРОКА 1», они печатаются также внизу листа «ЧТО ТАКОЕ БИОРИТМ».</translation>
    </message>
    <message>
        <source>DATABASE</source>
        <translation>БАЗА ИМЁН</translation>
    </message>
    <message>
        <source>The database is used to store frequently used names and birthdates.  It is kept in the file bioname.dat in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and it lists the names in alphabetical order.  Picking a name from it fills in the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes for you; see the topics that follow.  A name is saved in the file the moment you add or delete it, so two copies of Tidemark open at the same time keep each other&apos;s names.  The settings (the cover sheet heading, the printer settings and the chart preferences) are saved when a copy exits, so the copy that exits last keeps its settings.</source>
        <translation>База имён служит для хранения часто используемых имён и дат рождения.  Она хранится в файле bioname.dat в папке данных Tidemark, .local/share/Tidemark в вашей домашней папке, и перечисляет имена в алфавитном порядке.  Выбор имени из неё заполняет за вас поля «ИМЯ» и «ДАТА РОЖДЕНИЯ»; см. следующие разделы.  Имя сохраняется в файле сразу, как только вы его добавляете или удаляете, поэтому две одновременно открытые копии Tidemark не теряют имён, добавленных друг другом.  Настройки (заголовок титульного листа, параметры принтера и параметры диаграммы) сохраняются при выходе из копии программы, поэтому сохраняются настройки той копии, которая закрывается последней.</translation>
    </message>
    <message>
        <source>   -Adding a name to the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Добавление имени в базу</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;  The name database window opens in the middle of the screen.

Type the name in the &apos;NAME&apos; box, for example Firstname Lastname.  A name may hold any letters but not a double quote (&quot;).

Type the birthdate in the &apos;BIRTHDATE&apos; box as eight digits, MMDDYYYY, without dashes: March 9, 1975 would be 03091975.

Click the &apos;ADD THIS ENTRY&apos; button.  The name is saved at once and shows in the list in alphabetical order.  Add as many names as you like, then click &apos;CLOSE DATABASE.&apos;

(Optional: open the database from the keyboard by pressing and holding down the &apos;CTRL&apos; key and pressing the &apos;O&apos; key, or use the &apos;SHORTCUT&apos; key.)</source>
        <translation>Мышью выберите «ФАЙЛ» в меню вверху окна.

В меню «ФАЙЛ» выберите «ОТКРЫТЬ БАЗУ ИМЁН».  Окно базы имён откроется посередине экрана.

Введите имя в поле «ИМЯ», например Имя Фамилия.  Имя может содержать любые буквы, но не двойную кавычку (&quot;).

Введите дату рождения в поле «ДАТА РОЖДЕНИЯ» восемью цифрами, MMDDYYYY, без дефисов: 9 марта 1975 года — это 03091975.

Нажмите кнопку «ДОБАВИТЬ ЗАПИСЬ».  Имя сразу сохраняется и появляется в списке в алфавитном порядке.  Добавьте сколько угодно имён, затем нажмите «ЗАКРЫТЬ БАЗУ».

(Дополнительно: базу можно открыть с клавиатуры, нажав и удерживая клавишу «CTRL» и нажав клавишу «O», или с помощью значка быстрого доступа.)</translation>
    </message>
    <message>
        <source>   -Deleting a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Удаление имени из базы</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE.&apos;

Click the name you want to delete in the list, so that it shows in the &apos;SELECTED NAME&apos; box, then click the &apos;DELETE THIS NAME&apos; button.  The name is removed at once; you are not asked to confirm it.

(Only one name can be selected and deleted at a time.  A deleted name can be put back: click in the list, then press and hold down the &apos;CTRL&apos; key and press the &apos;Z&apos; key.  Each press puts back one more name, the one deleted last first, where it was in the file, as long as the program runs.)</source>
        <translation>Мышью выберите «ФАЙЛ» в меню.

В меню «ФАЙЛ» выберите «ОТКРЫТЬ БАЗУ ИМЁН».

Щёлкните в списке имя, которое хотите удалить, чтобы оно появилось в поле «ВЫБРАННОЕ ИМЯ», затем нажмите кнопку «УДАЛИТЬ ИМЯ».  Имя удаляется сразу, без запроса подтверждения.

(Выбрать и удалить можно только одно имя за раз.  Удалённое имя можно вернуть: щёлкните в списке, затем нажмите и удерживайте клавишу «CTRL» и нажмите клавишу «Z».  Каждое нажатие возвращает ещё одно имя, начиная с удалённого последним, на его прежнее место в файле, пока программа работает.)</translation>
    </message>
    <message>
        <source>   -Using a name from the database</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Использование имени из базы</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;FILE&apos; from the top pull-down menu.

From the &apos;FILE&apos; menu select &apos;OPEN DATABASE,&apos; then click the name you want in the list, so that it shows in the &apos;SELECTED NAME&apos; box.

Click the &apos;USE THIS NAME&apos; button.  The database window closes, the name and birthdate go into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes, the other facts are filled in, and the cursor waits in the &apos;LENGTH OF CHART IN DAYS&apos; box.</source>
        <translation>Мышью выберите «ФАЙЛ» в меню вверху окна.

В меню «ФАЙЛ» выберите «ОТКРЫТЬ БАЗУ ИМЁН», затем щёлкните нужное имя в списке, чтобы оно появилось в поле «ВЫБРАННОЕ ИМЯ».

Нажмите кнопку «ИСПОЛЬЗОВАТЬ ИМЯ».  Окно базы закроется, имя и дата рождения попадут в поля «ИМЯ» и «ДАТА РОЖДЕНИЯ», остальные сведения заполнятся, а курсор будет ждать в поле «ДЛИТЕЛЬНОСТЬ ДИАГРАММЫ В ДНЯХ».</translation>
    </message>
    <message>
        <source>DISPLAY CHART TO SCREEN</source>
        <translation>ВЫВОД ДИАГРАММЫ НА ЭКРАН</translation>
    </message>
    <message>
        <source>Select &apos;FILE&apos; from the top pull-down menu.  &apos;Display Chart to Screen&apos; allows you to display a continuous chart and scroll it forward or backwards.

The chart is made from the name, birthdate, starting date and length of chart on the left side of the screen and from your &apos;CHART PREFERENCES.&apos;  While it shows, the menus and the other icons are put aside; click &apos;CLOSE THIS WINDOW&apos; at the top right, or the &apos;COMPUTER SCREEN EMPTY&apos; icon, or press the &apos;ESC&apos; key, to close it.  The arrow and page keys move through the chart; with the &apos;SHIFT&apos; key held down they select, and &apos;CTRL&apos; and &apos;C&apos; copy what is selected (&apos;CTRL&apos; and &apos;A&apos; selects the whole chart).</source>
        <translation>Выберите «ФАЙЛ» в меню вверху окна.  Команда «Вывести диаграмму на экран» показывает непрерывную диаграмму, которую можно прокручивать вперёд и назад.

Диаграмма строится по имени, дате рождения, дате начала и длительности диаграммы в левой части окна и по вашим «ПАРАМЕТРАМ ДИАГРАММЫ».  Пока она показана, меню и остальные значки убираются; чтобы закрыть её, нажмите «ЗАКРЫТЬ ЭТО ОКНО» справа вверху или значок «ПУСТОЙ ЭКРАН», или нажмите клавишу «ESC».  Клавиши со стрелками и клавиши PgUp/PgDown перемещают по диаграмме; при нажатой клавише «SHIFT» они выделяют текст, а «CTRL» и «C» копируют выделенное («CTRL» и «A» выделяют всю диаграмму).</translation>
    </message>
    <message>
        <source>CHART PREFERENCES</source>
        <translation>ПАРАМЕТРЫ ДИАГРАММЫ</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;</source>
        <translation>См. категорию «ПАРАМЕТРЫ ПРИНТЕРА».</translation>
    </message>
    <message>
        <source>DEFAULT SETTINGS</source>
        <translation>НАСТРОЙКИ ПО УМОЛЧАНИЮ</translation>
    </message>
    <message>
        <source>With your mouse, select &apos;EDIT&apos; from the top pull-down menu.  From the &apos;EDIT&apos; menu select &apos;DEFAULT SETTINGS.&apos;  All settings will return to &apos;factory&apos; settings.</source>
        <translation>Мышью выберите «ПРАВКА» в меню вверху окна.  В меню «ПРАВКА» выберите «НАСТРОЙКИ ПО УМОЛЧАНИЮ».  Все настройки вернутся к заводским.</translation>
    </message>
    <message>
        <source>E-MAIL HELP</source>
        <translation>ПОМОЩЬ ПО ЭЛЕКТРОННОЙ ПОЧТЕ</translation>
    </message>
    <message>
        <source>In the event your answer does not appear in this help file, you may send an e-mail and we&apos;ll try to get you an answer to your problem, or you may write to the address below.

Please be specific about your problem: say what you were doing, which menu item or button you used, and what you saw (copy the words of any message).  Tell us the version shown in &apos;ABOUT TIDEMARK&apos; on the &apos;HELP&apos; menu and the system you run it on.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</source>
        <translation>Если вы не нашли ответа в этой справке, можно отправить письмо по электронной почте, и мы постараемся помочь решить вашу проблему, или написать по адресу ниже.

Опишите проблему как можно точнее: что вы делали, какой пункт меню или кнопку использовали и что увидели (скопируйте текст сообщения, если оно было).  Укажите версию, показанную в окне «О ПРОГРАММЕ TIDEMARK» меню «СПРАВКА», и систему, в которой вы работаете.

E-mail: support@example.com

Your Company
123 Any Street
Anytown, ST 00000</translation>
    </message>
    <message>
        <source>ICONS</source>
        <translation>ЗНАЧКИ</translation>
    </message>
    <message>
        <source>   -Desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Значок на рабочем столе</translation>
    </message>
    <message>
        <source>INSTALLING AN UPDATE/UPGRADE</source>
        <translation>УСТАНОВКА ОБНОВЛЕНИЯ</translation>
    </message>
    <message>
        <source>When you are ready to install a newer version of the program onto your computer, you need to first un-install the program currently on your computer.  Installed from its package, Tidemark is removed with your system&apos;s package manager (apt-get remove tidemark); built from its source folder, remove that folder.  Your names, settings and cover sheet heading lie in Tidemark&apos;s data folder, .local/share/Tidemark in your home folder, and are kept, so the new version starts with them (versions that kept them in .local/share/Tidemark/Tidemark hand them on by themselves).  Then install the new version&apos;s package with the package manager, or put its source folder in place of the old one, open a terminal in it, and build and start the program with the commands below.  Building needs the packages cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf and fonts-liberation, which your system&apos;s package manager installs.  (To make the package itself instead, run &apos;cpack -G DEB&apos; in the build folder and install the file it writes with &apos;apt-get install ./tidemark_*.deb&apos;.)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</source>
        <translation>Когда вы будете готовы установить более новую версию программы, сначала удалите установленную сейчас.  Если Tidemark установлен из пакета, он удаляется менеджером пакетов системы (apt-get remove tidemark); если собран из папки с исходным кодом, удалите эту папку.  Ваши имена, настройки и заголовок титульного листа хранятся в папке данных Tidemark, .local/share/Tidemark в вашей домашней папке, и сохраняются, так что новая версия запустится с ними (версии, хранившие их в .local/share/Tidemark/Tidemark, перенесут их сами).  Затем установите пакет новой версии менеджером пакетов или поместите её папку с исходным кодом на место старой, откройте в ней терминал, соберите и запустите программу командами ниже.  Для сборки нужны пакеты cmake, g++, make, qt6-base-dev, libqt6svg6, libical-dev, pkgconf и fonts-liberation, которые устанавливает менеджер пакетов системы.  (Чтобы вместо этого собрать сам пакет, выполните «cpack -G DEB» в папке сборки и установите созданный файл командой «apt-get install ./tidemark_*.deb».)
  * cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
  * cmake --build build --target tidemark
  * build/src/app/tidemark</translation>
    </message>
    <message>
        <source>LENGTH OF CHART</source>
        <translation>ДЛИТЕЛЬНОСТЬ ДИАГРАММЫ</translation>
    </message>
    <message>
        <source>The length of the printed chart can be any amount of days.  Type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box and the &apos;ENDING DATE OF CHART&apos; box fills itself in.  A long chart simply runs onto more pages.</source>
        <translation>Печатная диаграмма может охватывать любое число дней.  Введите число дней в поле «ДЛИТЕЛЬНОСТЬ ДИАГРАММЫ В ДНЯХ», и поле «ДАТА ОКОНЧАНИЯ ДИАГРАММЫ» заполнится само.  Длинная диаграмма просто занимает больше страниц.</translation>
    </message>
    <message>
        <source>   -Setting days</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Задание дней</translation>
    </message>
    <message>
        <source>The length of the printed chart is selected by the user.  First make sure that the &apos;CHART STARTS&apos; box holds the starting date as MM-DD-YYYY (today&apos;s date is put there when the program starts, and the &apos;&lt;&lt; RESET&apos; button puts it back), then type the number of days in the &apos;LENGTH OF CHART IN DAYS&apos; box.

A new starting date empties the length and the ending date, so type the length again after changing the starting date.  The length box stays empty until the starting date is complete.</source>
        <translation>Длительность печатной диаграммы задаёт пользователь.  Сначала убедитесь, что в поле «НАЧАЛО ДИАГРАММЫ» стоит дата начала в виде MM-DD-YYYY (при запуске программы туда подставляется сегодняшняя дата, а кнопка «&lt;&lt; СБРОС» возвращает её), затем введите число дней в поле «ДЛИТЕЛЬНОСТЬ ДИАГРАММЫ В ДНЯХ».

Новая дата начала очищает длительность и дату окончания, поэтому после изменения даты начала введите длительность заново.  Поле длительности остаётся пустым, пока дата начала не введена полностью.</translation>
    </message>
    <message>
        <source>MANUAL ENTRY</source>
        <translation>РУЧНОЙ ВВОД</translation>
    </message>
    <message>
        <source>On names that you will print charts for on a regular basis, you will probably want to enter those in the database.  For a name you need only now and then, type the name and birthdate straight into the &apos;NAME&apos; and &apos;BIRTHDATE&apos; boxes of the main program screen, as the topics that follow describe.</source>
        <translation>Имена, для которых вы регулярно печатаете диаграммы, вероятно, стоит занести в базу имён.  Для имени, которое нужно лишь изредка, введите имя и дату рождения прямо в поля «ИМЯ» и «ДАТА РОЖДЕНИЯ» главного окна программы, как описано в следующих разделах.</translation>
    </message>
    <message>
        <source>   -Birthdate</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Дата рождения</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor inside the &apos;BIRTHDATE&apos; text box (second from the top).  Type the birthdate as MM-DD-YYYY, with the dashes: March 9, 1975 is typed 03-09-1975.  Years from 1500 to 2099 are accepted.

Once the name and birthdate are entered, the program will automatically fill in other needed information.</source>
        <translation>В главном окне программы щёлкните мышью внутри текстового поля «ДАТА РОЖДЕНИЯ» (второго сверху).  Введите дату рождения в виде MM-DD-YYYY, с дефисами: 9 марта 1975 года вводится как 03-09-1975.  Допускаются годы с 1500 по 2099.

Когда имя и дата рождения введены, программа автоматически заполнит остальные нужные сведения.</translation>
    </message>
    <message>
        <source>   -Name</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Имя</translation>
    </message>
    <message>
        <source>At the main program screen, click your mouse cursor within the &apos;NAME&apos; text box.

Type the name as you want it to appear on the chart and the cover sheet, for example Firstname Lastname.  The chart shows the name in capital letters at its top.</source>
        <translation>В главном окне программы щёлкните мышью внутри текстового поля «ИМЯ».

Введите имя так, как оно должно выглядеть на диаграмме и на титульном листе, например Имя Фамилия.  Диаграмма показывает имя вверху заглавными буквами.</translation>
    </message>
    <message>
        <source>PREFERENCES</source>
        <translation>ПАРАМЕТРЫ</translation>
    </message>
    <message>
        <source>See the category &apos;PRINTER SETTINGS.&apos;  </source>
        <translation>См. категорию «ПАРАМЕТРЫ ПРИНТЕРА».  </translation>
    </message>
    <message>
        <source>PRINTER SETTINGS</source>
        <translation>ПАРАМЕТРЫ ПРИНТЕРА</translation>
    </message>
    <message>
        <source>There are several choices you can make when setting up to print a chart.  They are in the &apos;PRINTER SETTINGS&apos; and &apos;CHART PREFERENCES&apos; areas of the main program screen, and each is described in a topic below.  Your choices are saved when you exit the program, and &apos;DEFAULT SETTINGS&apos; on the &apos;EDIT&apos; menu puts them back to the factory settings.</source>
        <translation>При подготовке к печати диаграммы можно задать несколько параметров.  Они находятся в областях «ПАРАМЕТРЫ ПРИНТЕРА» и «ПАРАМЕТРЫ ДИАГРАММЫ» главного окна программы, и каждый описан в одном из разделов ниже.  Ваш выбор сохраняется при выходе из программы, а команда «НАСТРОЙКИ ПО УМОЛЧАНИЮ» в меню «ПРАВКА» возвращает заводские настройки.</translation>
    </message>
    <message>
        <source>   -Color</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Цвет</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color: the (P)hysical cycle in red, the (E)motional cycle in blue and the (I)ntellectual cycle in green.  The triple high and low markers print in magenta.

Color is used only on the printed chart; the screen chart and the cover sheet are black.  A printer without color prints the colors in black or in shades of gray.  To print in black only, click the check box until it is blank.

(Default setting: Print in color = true.)</source>
        <translation>Если флажок «ЦВЕТНАЯ ПЕЧАТЬ» установлен, каждый из трёх циклов печатается своим цветом: физический цикл (P) — красным, эмоциональный (E) — синим, интеллектуальный (I) — зелёным.  Отметки тройного подъёма и спада печатаются пурпурным.

Цвет используется только на печатной диаграмме; диаграмма на экране и титульный лист чёрно-белые.  Чёрно-белый принтер печатает цвета чёрным или оттенками серого.  Чтобы печатать только чёрным, снимите флажок.

(По умолчанию: цветная печать — включена.)</translation>
    </message>
    <message>
        <source>   -Date</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Дата</translation>
    </message>
    <message>
        <source>When the &apos;CURRENT DATE EACH PAGE&apos; check box is &apos;checked,&apos; the date on which the chart is printed appears at the top right of every page, after the words &apos;DATE PREPARED:&apos;.  Click the check box until it is blank to leave the date off.

(Default setting: Print date each page = true.)</source>
        <translation>Если флажок «ТЕКУЩАЯ ДАТА НА КАЖДОЙ СТРАНИЦЕ» установлен, дата печати диаграммы выводится справа вверху каждой страницы после слов «DATE PREPARED:».  Снимите флажок, чтобы дата не печаталась.

(По умолчанию: дата на каждой странице — включена.)</translation>
    </message>
    <message>
        <source>   -Font style</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Шрифт</translation>
    </message>
    <message>
        <source>There are three font types available for your chart and cover sheet.  Pick Arial, Courier or Times from the &apos;FONT&apos; list in the &apos;PRINTER SETTINGS&apos; area, or type the name of another font installed on your computer.

The font is used with a laser, inkjet or similar printer; with &apos;DOT-MATRIX PRINTER&apos; selected, everything prints in Courier.  Fonts are found by the system&apos;s font service (fontconfig): when Arial, Courier or Times themselves are not installed, their look-alikes are used, such as the Liberation fonts of the fonts-liberation package.

(Default setting: Arial type style for laser-style printers, Courier type style for dot-matrix printers.)</source>
        <translation>Для диаграммы и титульного листа доступны три шрифта.  Выберите Arial, Courier или Times в списке «ШРИФТ» области «ПАРАМЕТРЫ ПРИНТЕРА» или введите название другого шрифта, установленного на компьютере.

Шрифт используется для лазерного, струйного или подобного принтера; если выбран «МАТРИЧНЫЙ ПРИНТЕР», всё печатается шрифтом Courier.  Шрифты ищет системная служба шрифтов (fontconfig): если сами Arial, Courier или Times не установлены, используются похожие на них шрифты, например шрифты Liberation из пакета fonts-liberation.

(По умолчанию: шрифт Arial для лазерных принтеров, шрифт Courier для матричных.)</translation>
    </message>
    <message>
        <source>   -Forecast</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Прогноз</translation>
    </message>
    <message>
        <source>When the &apos;DAILY FORECAST&apos; check box is &apos;checked,&apos; a three-line forecast will be printed on the chart for each day that the user&apos;s cycle appears.  It gives one sentence for each of the emotional, physical and intellectual cycles, with one more line first on a triple high, a triple low or an accident-prone day.  The forecast shows on the screen chart too.

If you do not want the forecast printed, click the &apos;DAILY FORECAST&apos; checkbox until the box is blank.

(Default setting: Daily Forecast = false.)</source>
        <translation>Если флажок «ЕЖЕДНЕВНЫЙ ПРОГНОЗ» установлен, на диаграмме для каждого дня печатается прогноз из трёх строк.  В нём по одному предложению для эмоционального, физического и интеллектуального циклов, а в день тройного подъёма, тройного спада или повышенного риска несчастных случаев перед ними стоит ещё одна строка.  Прогноз показывается и на диаграмме на экране (на английском языке, как и сама диаграмма).

Если прогноз печатать не нужно, снимите флажок «ЕЖЕДНЕВНЫЙ ПРОГНОЗ».

(По умолчанию: ежедневный прогноз — выключен.)</translation>
    </message>
    <message>
        <source>   -Holiday messages</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Праздничные сообщения</translation>
    </message>
    <message>
        <source>When the &apos;HOLIDAY MESSAGES&apos; check box is &apos;checked,&apos; the user will be greeted by a one line message during certain days of the chart: New Year&apos;s Day, Christmas Day, every Friday the 13th and the user&apos;s birthday, which also tells the age reached.  The messages show on the screen chart and on the printed chart.

(Default setting: Include Holiday messages = true.)</source>
        <translation>Если флажок «ПРАЗДНИЧНЫЕ СООБЩЕНИЯ» установлен, в некоторые дни диаграммы пользователя поприветствует сообщение в одну строку: в Новый год, в Рождество (25 декабря), в каждую пятницу 13-е и в день рождения пользователя, где указан также исполнившийся возраст.  Сообщения показываются на диаграмме на экране и на печатной диаграмме.

(По умолчанию: праздничные сообщения — включены.)</translation>
    </message>
    <message>
        <source>   -Lines per page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Строк на странице</translation>
    </message>
    <message>
        <source>User may indicate how many lines are desired for each page.  Type the number in the &apos;NUMBER OF LINES PER PAGE&apos; box of the &apos;PRINTER SETTINGS&apos; area, in digits only and without a leading zero.  The count includes the heading at the top of each page, so with 50 lines and single spacing each page holds up to 42 days.  If pages run over onto an extra sheet, lower the number (see TROUBLE SHOOTING).

(Default setting: Number of lines per page = 50.)</source>
        <translation>Пользователь может указать, сколько строк печатать на каждой странице.  Введите число в поле «ЧИСЛО СТРОК НА СТРАНИЦЕ» области «ПАРАМЕТРЫ ПРИНТЕРА», только цифрами и без ведущего нуля.  В это число входит заголовок вверху каждой страницы, поэтому при 50 строках и одинарном интервале на странице помещается до 42 дней.  Если страницы переходят на лишний лист, уменьшите число (см. УСТРАНЕНИЕ НЕПОЛАДОК).

(По умолчанию: число строк на странице — 50.)</translation>
    </message>
    <message>
        <source>   -Spacing</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Интервал</translation>
    </message>
    <message>
        <source>There are three different settings that affect the spacing of the printed chart.  To select a setting, click the &apos;option button&apos; desired.

 * Single space -- use of this setting produces a single spaced chart.

 * Double space -- this setting puts a blank line between each day&apos;s printout.  This option makes the chart easier to read.

 * Double space with lines -- this setting puts a dashed line between each day&apos;s printout, which makes each day easy to follow across the page.

(Default setting: Double space with lines.)</source>
        <translation>Интервал строк печатной диаграммы задаётся одним из трёх вариантов.  Чтобы выбрать вариант, щёлкните нужный переключатель.

 * Одинарный интервал — диаграмма печатается с одинарным интервалом.

 * Двойной интервал — между днями вставляется пустая строка.  Так диаграмму легче читать.

 * Двойной интервал с линиями — между днями печатается пунктирная линия, по которой каждый день легко проследить через всю страницу.

(По умолчанию: двойной интервал с линиями.)</translation>
    </message>
    <message>
        <source>   -Type of printer</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Тип принтера</translation>
    </message>
    <message>
        <source>For your printer setting, you will only need to select one of two options.  Choose &apos;DOT-MATRIX PRINTER&apos; for a printer that prints in fixed columns, or &apos;LASER, INKJET, BUBBLEJET OR SIMILAR&apos; for any other printer, which covers nearly every printer in use today.  The choice decides how the lines are placed on the page.

(Default setting: laser-type printer.)</source>
        <translation>Для принтера нужно выбрать лишь один из двух вариантов.  Выберите «МАТРИЧНЫЙ ПРИНТЕР» для принтера, печатающего фиксированными столбцами, или «ЛАЗЕРНЫЙ, СТРУЙНЫЙ ИЛИ ПОДОБНЫЙ» для любого другого принтера, то есть почти для любого современного.  От выбора зависит, как строки располагаются на странице.

(По умолчанию: лазерный принтер.)</translation>
    </message>
    <message>
        <source>PRINTING</source>
        <translation>ПЕЧАТЬ</translation>
    </message>
    <message>
        <source>See the topics that follow this category for details on printing the different forms.</source>
        <translation>Подробности о печати разных документов см. в разделах, следующих за этой категорией.</translation>
    </message>
    <message>
        <source>   -Chart</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Диаграмма</translation>
    </message>
    <message>
        <source>When you are ready to print a chart, you may select the &apos;PRINT CHART&apos; option from the &apos;FILE&apos; pull-down menu.  The chart is printed for the name, birthdate, starting date and length of chart on the main program screen, with your printer settings and chart preferences.

You may optionally select the desired shortcut icon to print your chart.

The chart goes to your default printer.  When no printer is set up, the program asks for the name of a PDF file and prints the chart into it.</source>
        <translation>Когда вы будете готовы напечатать диаграмму, выберите команду «ПЕЧАТЬ ДИАГРАММЫ» в меню «ФАЙЛ».  Диаграмма печатается по имени, дате рождения, дате начала и длительности диаграммы в главном окне программы с вашими параметрами принтера и диаграммы.

Для печати диаграммы можно также нажать соответствующий значок быстрого доступа.

Диаграмма отправляется на принтер по умолчанию.  Если принтер не настроен, программа запрашивает имя PDF-файла и печатает диаграмму в него.</translation>
    </message>
    <message>
        <source>When the &apos;PRINT IN COLOR&apos; check box is &apos;checked,&apos; each of the three cycles will be printed in a different color on your chart: red for the (P)hysical cycle, blue for the (E)motional cycle and green for the (I)ntellectual cycle, with the triple high and low markers and the New Year line in magenta, the Christmas line in green, the Friday the 13th line in cyan and the birthday line in red.  The check box is in the &apos;PRINTER SETTINGS&apos; area; printing in color takes longer, so clear it when you want a quick chart in black.

(Default setting: Print in color = true.)</source>
        <translation>Если флажок «ЦВЕТНАЯ ПЕЧАТЬ» установлен, каждый из трёх циклов печатается на диаграмме своим цветом: физический цикл (P) — красным, эмоциональный (E) — синим, интеллектуальный (I) — зелёным; отметки тройного подъёма и спада и строка Нового года — пурпурным, строка Рождества — зелёным, строка пятницы 13-го — голубым, а строка дня рождения — красным.  Флажок находится в области «ПАРАМЕТРЫ ПРИНТЕРА»; цветная печать идёт дольше, поэтому снимите его, если нужна быстрая чёрно-белая диаграмма.

(По умолчанию: цветная печать — включена.)</translation>
    </message>
    <message>
        <source>   -Cover sheet</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Титульный лист</translation>
    </message>
    <message>
        <source>When you are ready to print a cover sheet, you may select the &apos;PRINT COVER SHEET&apos; option from the &apos;FILE&apos; pull-down menu.  The name, birthdate, starting date and length of chart must be filled in first.

You may optionally select the desired shortcut icon to print your cover sheet.

To print the cover sheet and the chart together, select &apos;PRINT COVER SHEET AND CHART&apos; from the &apos;FILE&apos; menu; the cover sheet comes out first.</source>
        <translation>Когда вы будете готовы напечатать титульный лист, выберите команду «ПЕЧАТЬ ТИТУЛЬНОГО ЛИСТА» в меню «ФАЙЛ».  Сначала должны быть заполнены имя, дата рождения, дата начала и длительность диаграммы.

Для печати титульного листа можно также нажать соответствующий значок быстрого доступа.

Чтобы напечатать титульный лист и диаграмму вместе, выберите в меню «ФАЙЛ» команду «ПЕЧАТЬ ТИТУЛЬНОГО ЛИСТА И ДИАГРАММЫ»; титульный лист печатается первым.</translation>
    </message>
    <message>
        <source>   -What Is A Biorhythm</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Что такое биоритм</translation>
    </message>
    <message>
        <source>RESOLUTION</source>
        <translation>РАЗРЕШЕНИЕ</translation>
    </message>
    <message>
        <source>The program should work well in any screen resolution on which its whole window fits (see SCREEN RESOLUTION).  Resolution is changed in your desktop&apos;s display settings, for example Settings, Displays in GNOME, or System Settings, Display in KDE Plasma.

Tidemark&apos;s text follows the height of the screen.  On a screen 480, 600, 720, 768, 864, 960, 1024 or 1200 pixels high, the labels, boxes and buttons take the size made for that height, from 8 points on the smallest to 18 points on the largest, and the title of the starting notice grows with them; on a screen of any other height the text keeps its size (10 points at the normal text size).  The positions and widths of the boxes and frames follow the window when it is resized, and the panels it opens over itself take their size from it.

The &apos;VIEW&apos; menu makes all the text of the window, the chart and the graph larger or smaller in steps of a tenth: &apos;LARGER TEXT&apos; (CTRL++), &apos;SMALLER TEXT&apos; (CTRL+-) and &apos;NORMAL TEXT SIZE&apos; (CTRL+0), which returns to the size above.  The text grows up to the largest size at which the whole window still fits the screen, and shrinks down to eight tenths; the window&apos;s least size grows and shrinks with it.  The program remembers the text size for its next start.  The first time it starts on a screen of a height not listed above, it takes the size of the nearest listed height below, as far as the window fits (18 points on a screen 1080 or 1440 pixels high).</source>
        <translation>Программа должна хорошо работать при любом разрешении экрана, на котором помещается всё её окно (см. РАЗРЕШЕНИЕ ЭКРАНА).  Разрешение меняется в настройках экрана вашей среды рабочего стола, например «Параметры» → «Дисплеи» в GNOME или «Параметры системы» → «Экран» в KDE Plasma.

Размер текста Tidemark зависит от высоты экрана.  На экране высотой 480, 600, 720, 768, 864, 960, 1024 или 1200 пикселей надписи, поля и кнопки получают размер, рассчитанный на эту высоту, от 8 пунктов на самом маленьком до 18 пунктов на самом большом, и заголовок начального уведомления растёт вместе с ними; на экране любой другой высоты текст сохраняет свой размер (10 пунктов при обычном размере текста).  Положение и ширина полей и рамок следуют за окном при изменении его размера, а панели, которые оно открывает поверх себя, получают размер от него.

Меню «ВИД» увеличивает или уменьшает весь текст окна, диаграммы и графика шагами в одну десятую: «УВЕЛИЧИТЬ ТЕКСТ» (CTRL++), «УМЕНЬШИТЬ ТЕКСТ» (CTRL+-) и «ОБЫЧНЫЙ РАЗМЕР ТЕКСТА» (CTRL+0), который возвращает описанный выше размер.  Текст увеличивается до наибольшего размера, при котором всё окно ещё помещается на экране, и уменьшается до восьми десятых; наименьший размер окна растёт и уменьшается вместе с ним.  Программа запоминает размер текста до следующего запуска.  При первом запуске на экране, высота которого не указана выше, она берёт размер ближайшей меньшей из указанных высот, насколько позволяет окно (18 пунктов на экране высотой 1080 или 1440 пикселей).</translation>
    </message>
    <message>
        <source>SCREEN RESOLUTION</source>
        <translation>РАЗРЕШЕНИЕ ЭКРАНА</translation>
    </message>
    <message>
        <source>The best screen resolution to use when running this program is 1024 x 768 or more.  The window opens within the screen and can be made as small as its text allows, which shows every caption whole: about 720 x 490 pixels with 10-point text, 1010 x 670 with the 14-point text of a screen 768 pixels high, 1250 x 790 with the 18-point text of one 960 or 1024 pixels high, and 1250 x 960 on a screen 1200 pixels high, where the boxes grow taller with the window.</source>
        <translation>Лучшее разрешение экрана для работы с программой — 1024 x 768 или больше.  Окно открывается в пределах экрана, и его можно уменьшить настолько, насколько позволяет текст, так чтобы все надписи были видны целиком: около 720 x 490 пикселей при тексте 10 пунктов, 1010 x 670 при тексте 14 пунктов на экране высотой 768 пикселей, 1250 x 790 при тексте 18 пунктов на экране высотой 960 или 1024 пикселя и 1250 x 960 на экране высотой 1200 пикселей, где поля становятся выше вместе с окном.</translation>
    </message>
    <message>
        <source>SHORTCUT ICONS</source>
        <translation>ЗНАЧКИ БЫСТРОГО ДОСТУПА</translation>
    </message>
    <message>
        <source>SHORTCUT KEYS</source>
        <translation>СОЧЕТАНИЯ КЛАВИШ</translation>
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
        <translation>Любую команду меню можно вызвать, удерживая «ALT» и нажимая подчёркнутые буквы меню и команды.  У следующих команд есть и собственные клавиши:
  * CTRL+O — открывает окно базы имён.
  * CTRL+P — печатает диаграмму.
  * CTRL+D — выводит диаграмму на экран.
  * CTRL+G — выводит график трёх циклов.
  * CTRL++ (или CTRL+=) — увеличивает текст.
  * CTRL+- — уменьшает текст.
  * CTRL+0 — возвращает обычный размер текста.
  * F1 — показывает эти разделы справки.
  * CTRL+Q — завершает работу программы.
  * ESC — закрывает показанные диаграмму, график, окно базы имён, окно «ЧТО ТАКОЕ БИОРИТМ» или окно справки.
При запуске ENTER или ESC убирает начальное уведомление.  В окне базы имён ENTER в поле даты рождения добавляет имя, ENTER на имени выбирает его для использования, DEL удаляет его, а CTRL+Z в списке возвращает имя, удалённое последним.  Клавиша TAB переходит от поля к полю, включая поля, которые заполняет программа, и доходит также до значков быстрого доступа.
На графике клавиши ВЛЕВО и ВПРАВО перемещают курсор дня (чёрную линию) на один день, а вверху графика показываются его дата, номер дня, три цикла в процентах и то, является ли он критическим днём, тройным подъёмом или тройным спадом.  PGUP и PGDOWN перемещают на целый экран назад или вперёд, HOME и END переходят к первому или последнему дню, + и - показывают меньше или больше дней, а SHIFT+F10 или клавиша MENU открывает меню графика (сохранение, печать, закрытие).</translation>
    </message>
    <message>
        <source>SYSTEM INFORMATION</source>
        <translation>СВЕДЕНИЯ О СИСТЕМЕ</translation>
    </message>
    <message>
        <source>If you would like to view information about your computer, we have added a neat little utility in the program.  From the &apos;HELP&apos; menu select &apos;ABOUT TIDEMARK&apos; and click the &apos;SYSTEM INFO...&apos; button.  It starts the first system information program it finds installed (such as HardInfo, KDE Info Center or GNOME System Monitor); when there is none, it says that System Information is unavailable.</source>
        <translation>Если вы хотите посмотреть сведения о своём компьютере, в программу добавлена удобная небольшая утилита.  В меню «СПРАВКА» выберите «О ПРОГРАММЕ TIDEMARK» и нажмите кнопку «СВЕДЕНИЯ О СИСТЕМЕ...».  Она запускает первую найденную установленную программу сведений о системе (например, HardInfo, KDE Info Center или GNOME System Monitor); если такой нет, она сообщает, что сведения о системе недоступны.</translation>
    </message>
    <message>
        <source>TROUBLE SHOOTING</source>
        <translation>УСТРАНЕНИЕ НЕПОЛАДОК</translation>
    </message>
    <message>
        <source>If you are experiencing problems with the program, scan the following topic questions to see if your problem is listed.</source>
        <translation>Если у вас возникли проблемы с программой, просмотрите вопросы в следующих разделах: возможно, ваша проблема там описана.</translation>
    </message>
    <message>
        <source>   -Chart prints slow</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Диаграмма печатается медленно</translation>
    </message>
    <message>
        <source>The color option slows down printing considerably.  If your chart prints slowly, click the &apos;PRINT IN COLOR&apos; check box in the &apos;PRINTER SETTINGS&apos; area until it is blank; the chart then prints in black only.</source>
        <translation>Цветная печать идёт значительно медленнее.  Если диаграмма печатается медленно, снимите флажок «ЦВЕТНАЯ ПЕЧАТЬ» в области «ПАРАМЕТРЫ ПРИНТЕРА»; тогда диаграмма печатается только чёрным.</translation>
    </message>
    <message>
        <source>   -Chart won&apos;t print</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Диаграмма не печатается</translation>
    </message>
    <message>
        <source>The chart goes to the system&apos;s default printer queue (CUPS), or to the first printer installed when none is set as the default.  Check that a printer is installed and set as the default in your system&apos;s printer settings (or on the CUPS page at http://localhost:631), that it is switched on and has paper.  When no printer is set up, the program asks for the name of a PDF file instead, and when printing fails it says so in a message.</source>
        <translation>Диаграмма отправляется в очередь принтера по умолчанию системы печати (CUPS) или на первый установленный принтер, если принтер по умолчанию не задан.  Проверьте, что принтер установлен и выбран по умолчанию в параметрах принтеров системы (или на странице CUPS по адресу http://localhost:631), что он включён и в нём есть бумага.  Если принтер не настроен, программа вместо этого запрашивает имя PDF-файла, а если печать не удалась, сообщает об этом.</translation>
    </message>
    <message>
        <source>   -Page 2 doesn&apos;t print a full page</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Страница 2 печатается не полностью</translation>
    </message>
    <message>
        <source>If page 2 only prints a partial page, and then printing continues on page 3, your problem is that the printer option &apos;NUMBER OF LINES PER PAGE&apos; is too high.  Lower the number in that box of the &apos;PRINTER SETTINGS&apos; area until each page of the chart fits on one sheet of paper.</source>
        <translation>Если страница 2 печатается лишь частично, а печать продолжается на странице 3, значит, параметр принтера «ЧИСЛО СТРОК НА СТРАНИЦЕ» слишком велик.  Уменьшайте число в этом поле области «ПАРАМЕТРЫ ПРИНТЕРА», пока каждая страница диаграммы не поместится на одном листе бумаги.</translation>
    </message>
    <message>
        <source>   -Print chart to screen doesn&apos;t line up</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Диаграмма на экране не выровнена</translation>
    </message>
    <message>
        <source>When printing to screen, if the center line does not line up straight, that indicates that &apos;LIBERATION MONO&apos; font is not installed properly on your computer.  The program shows the chart in Liberation Mono, a font whose letters are all of one width, which the fonts-liberation package provides (your system&apos;s package manager installs it); when that font is missing, it uses your system&apos;s own fixed-width font instead.  The command fc-list &apos;Liberation Mono&apos; shows whether the font is installed: it prints nothing when it is not.

Please note that you may have &apos;COURIER NEW&apos; font installed, but this is not the same font called for in the program.</source>
        <translation>Если при выводе на экран центральная линия не выстраивается ровно, значит, шрифт «LIBERATION MONO» неправильно установлен на компьютере.  Программа показывает диаграмму шрифтом Liberation Mono, все буквы которого одной ширины; он входит в пакет fonts-liberation (его устанавливает менеджер пакетов системы); если этого шрифта нет, вместо него используется системный моноширинный шрифт.  Команда fc-list &apos;Liberation Mono&apos; показывает, установлен ли шрифт: если нет, она ничего не выводит.

Обратите внимание: у вас может быть установлен шрифт «COURIER NEW», но это не тот шрифт, который нужен программе.</translation>
    </message>
    <message>
        <source>   -There is no desktop icon</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Нет значка на рабочем столе</translation>
    </message>
    <message>
        <source>WHAT IS A BIORHYTHM?</source>
        <translation>ЧТО ТАКОЕ БИОРИТМ?</translation>
    </message>
    <message>
        <source>Many times you will want to print a chart for a friend or family member who doesn&apos;t know what a biorhythm is.  The &apos;WHAT IS A BIORHYTHM&apos; sheet explains the three cycles, the critical days and the triple high and low days in plain words; read it on the screen or print it to hand over with the chart.

Any information that you have entered in the Cover Sheet Heading lines 1 through 4 will print at the bottom of this &apos;WHAT IS...&apos; form.  When Line 1 is empty, none of the four lines is printed.</source>
        <translation>Часто вам захочется напечатать диаграмму для друга или родственника, который не знает, что такое биоритм.  Лист «ЧТО ТАКОЕ БИОРИТМ» простыми словами объясняет три цикла, критические дни и дни тройного подъёма и спада; прочтите его на экране или напечатайте, чтобы передать вместе с диаграммой (лист печатается на английском языке).

Всё, что вы ввели в строках 1–4 заголовка титульного листа, печатается внизу листа «ЧТО ТАКОЕ...».  Если строка 1 пуста, ни одна из четырёх строк не печатается.</translation>
    </message>
    <message>
        <source>   -Display to screen</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Вывод на экран</translation>
    </message>
    <message>
        <source>To view &apos;WHAT IS A BIORHYTHM,&apos; from the top pull-down menu select &apos;HELP,&apos; then select &apos;WHAT IS A BIORHYTHM.&apos;  The text opens in a window in the middle of the screen: scroll it with the bar on its right, print it with its &apos;PRINT&apos; button and close it with its &apos;CLOSE&apos; button.</source>
        <translation>Чтобы посмотреть «ЧТО ТАКОЕ БИОРИТМ», выберите в меню вверху окна «СПРАВКА», затем «ЧТО ТАКОЕ БИОРИТМ?».  Текст откроется в окне посередине экрана: прокручивайте его полосой прокрутки справа, печатайте кнопкой «ПЕЧАТЬ» и закрывайте кнопкой «ЗАКРЫТЬ».</translation>
    </message>
    <message>
        <source>   -Printing the definition</source>
        <extracomment>A topic under the category above it: keep the blanks and the dash in front.</extracomment>
        <translation>   -Печать пояснения</translation>
    </message>
    <message>
        <source>COMPARING TWO PEOPLE</source>
        <translation>СРАВНЕНИЕ ДВУХ ЛЮДЕЙ</translation>
    </message>
    <message>
        <source>To see how your cycles match someone else&apos;s, fill in the name, birthdate, starting date and length of chart as for a chart, then select &apos;FILE&apos; from the top pull-down menu and &apos;COMPARE WITH...&apos;  In the panel that opens, type the second person&apos;s name and birthdate (MM-DD-YYYY), or pick them from the name database at the top of the panel, and click &apos;COMPARE&apos; (or press &apos;ENTER&apos;).

The panel shows the compatibility of the two for each cycle and overall, and lists the days of the chart period on which both have a critical day.  For each cycle, with D the number of days between the two birthdates and P the cycle&apos;s length in days (23, 28 or 33), the compatibility is 100 x |cos(pi x D / P)| percent, rounded to a whole percent: 100% when the two cycles run in step (D is 0 or a whole number of cycles), 0% when one runs half a cycle behind the other.  The overall compatibility is the average of the three percentages, rounded.

While the comparison is set, &apos;DISPLAY GRAPH TO SCREEN&apos; draws the second person&apos;s three cycles too, thinner and paler, in each cycle&apos;s color and line style, and names them in the legend; a small black triangle at the top of the graph marks each day on which both have a critical day.  Press &apos;ESC&apos; or click &apos;CLOSE&apos; to close the panel and keep the comparison; click &apos;CLEAR&apos; in the panel, or select &apos;CLEAR COMPARISON&apos; from the &apos;FILE&apos; menu, to end it.  The comparison is not saved, and the chart, the printouts and the settings keep one person only.</source>
        <translation>Чтобы узнать, насколько ваши циклы совпадают с циклами другого человека, заполните имя, дату рождения, дату начала и длительность диаграммы, как для диаграммы, затем выберите в меню вверху окна «ФАЙЛ» и «СРАВНИТЬ С...».  В открывшейся панели введите имя и дату рождения второго человека (MM-DD-YYYY) или выберите их из базы имён вверху панели и нажмите «СРАВНИТЬ» (или клавишу «ENTER»).

Панель показывает совместимость двух человек по каждому циклу и в целом и перечисляет дни периода диаграммы, когда у обоих критический день.  Для каждого цикла, где D — число дней между двумя датами рождения, а P — длина цикла в днях (23, 28 или 33), совместимость равна 100 x |cos(pi x D / P)| процентов, округлённых до целого: 100%, когда два цикла идут в такт (D равно 0 или целому числу циклов), 0%, когда один отстаёт от другого на полцикла.  Общая совместимость — округлённое среднее трёх процентов.

Пока сравнение задано, команда «ВЫВЕСТИ ГРАФИК НА ЭКРАН» рисует и три цикла второго человека — тоньше и бледнее, цветом и стилем линии каждого цикла — и называет их в легенде; маленький чёрный треугольник вверху графика отмечает каждый день, когда у обоих критический день.  Нажмите «ESC» или «ЗАКРЫТЬ», чтобы закрыть панель, сохранив сравнение; чтобы завершить его, нажмите в панели «СБРОСИТЬ» или выберите в меню «ФАЙЛ» команду «СБРОСИТЬ СРАВНЕНИЕ».  Сравнение не сохраняется, а диаграмма, распечатки и настройки относятся только к одному человеку.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Preparing the chart...</source>
        <translation>Подготовка диаграммы...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Display Chart to Screen</source>
        <translation>Вывод диаграммы на экран</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Open Database</source>
        <translation>&amp;Открыть базу имён</translation>
    </message>
    <message>
        <source>Add, pick or delete the names you chart most often</source>
        <translation>Добавить, выбрать или удалить имена, для которых вы чаще всего строите диаграммы</translation>
    </message>
    <message>
        <source>&amp;Print Cover Sheet (only)</source>
        <translation>Печать &amp;титульного листа (отдельно)</translation>
    </message>
    <message>
        <source>Print the cover sheet for this person</source>
        <translation>Напечатать титульный лист для этого человека</translation>
    </message>
    <message>
        <source>Print &amp;Chart (only)</source>
        <translation>Печать &amp;диаграммы (отдельно)</translation>
    </message>
    <message>
        <source>Print the chart for this person</source>
        <translation>Напечатать диаграмму для этого человека</translation>
    </message>
    <message>
        <source>Print Cover Sheet and Chart</source>
        <translation>Печать титульного листа и диаграммы</translation>
    </message>
    <message>
        <source>Print the cover sheet, then the chart</source>
        <translation>Напечатать титульный лист, затем диаграмму</translation>
    </message>
    <message>
        <source>&amp;Display Chart to Screen</source>
        <translation>&amp;Вывести диаграмму на экран</translation>
    </message>
    <message>
        <source>Show the chart in the window</source>
        <translation>Показать диаграмму в окне</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Предварительный просмотр...</translation>
    </message>
    <message>
        <source>See the printed pages before they are printed</source>
        <translation>Посмотреть страницы перед печатью</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Экспорт в PDF...</translation>
    </message>
    <message>
        <source>Write the chart, the cover sheet or both to PDF files</source>
        <translation>Записать диаграмму, титульный лист или и то и другое в PDF-файлы</translation>
    </message>
    <message>
        <source>Display &amp;Graph to Screen</source>
        <translation>Вывести &amp;график на экран</translation>
    </message>
    <message>
        <source>Show the three cycles as curves</source>
        <translation>Показать три цикла в виде кривых</translation>
    </message>
    <message>
        <source>Export to Ca&amp;lendar...</source>
        <translation>Экспорт в &amp;календарь...</translation>
    </message>
    <message>
        <source>Write the critical days and birthdays of the chart period to a calendar file</source>
        <translation>Записать критические дни и дни рождения периода диаграммы в файл календаря</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Сравнить с...</translation>
    </message>
    <message>
        <source>Compare this person with a second one: how the cycles match, and the critical days of both</source>
        <translation>Сравнить этого человека с другим: насколько совпадают циклы и общие критические дни</translation>
    </message>
    <message>
        <source>Clear Compa&amp;rison</source>
        <translation>Сбросить с&amp;равнение</translation>
    </message>
    <message>
        <source>End the comparison: the graph shows this person alone again</source>
        <translation>Завершить сравнение: график снова показывает только этого человека</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Save the settings and close Tidemark</source>
        <translation>Сохранить настройки и закрыть Tidemark</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Clear All Text Boxes Below</source>
        <translation>&amp;Очистить все поля ниже</translation>
    </message>
    <message>
        <source>Empty the name, the birthdate and the chart dates</source>
        <translation>Очистить имя, дату рождения и даты диаграммы</translation>
    </message>
    <message>
        <source>&amp;Default Settings</source>
        <translation>&amp;Настройки по умолчанию</translation>
    </message>
    <message>
        <source>Put the printer settings and chart preferences back</source>
        <translation>Вернуть параметры принтера и параметры диаграммы к исходным</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Get Help On...?</source>
        <translation>&amp;Разделы справки...</translation>
    </message>
    <message>
        <source>Show the help topics</source>
        <translation>Показать разделы справки</translation>
    </message>
    <message>
        <source>&amp;What Is A Biorhythm?</source>
        <translation>&amp;Что такое биоритм?</translation>
    </message>
    <message>
        <source>Read what the chart shows</source>
        <translation>Прочитать, что показывает диаграмма</translation>
    </message>
    <message>
        <source>&amp;Print What Is A Biorhythm?</source>
        <translation>&amp;Печать «Что такое биоритм?»</translation>
    </message>
    <message>
        <source>Print the explanation of the chart</source>
        <translation>Напечатать пояснение к диаграмме</translation>
    </message>
    <message>
        <source>&amp;About Tidemark</source>
        <translation>&amp;О программе Tidemark</translation>
    </message>
    <message>
        <source>Show the version, and information about this computer</source>
        <translation>Показать версию и сведения об этом компьютере</translation>
    </message>
    <message>
        <source>Open Database</source>
        <translation>Открыть базу имён</translation>
    </message>
    <message>
        <source>Close Display To Screen Window</source>
        <translation>Закрыть окно вывода на экран</translation>
    </message>
    <message>
        <source>Close the chart</source>
        <translation>Закрыть диаграмму</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Print Cover Sheet</source>
        <translation>Печать титульного листа</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <translation>Печать диаграммы</translation>
    </message>
    <message>
        <source>Print Cover &amp; Chart</source>
        <translation>Печать титульного листа и диаграммы</translation>
    </message>
    <message>
        <source>Clear All Text Boxes Below</source>
        <translation>Очистить все поля ниже</translation>
    </message>
    <message>
        <source>Display Graph to Screen</source>
        <translation>Вывести график на экран</translation>
    </message>
    <message>
        <source>The comparison is cleared.</source>
        <translation>Сравнение сброшено.</translation>
    </message>
    <message>
        <source>Export to Calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar was written to %1.</source>
        <extracomment>%1 is the calendar file&apos;s path</extracomment>
        <translation>Календарь записан в %1.</translation>
    </message>
    <message>
        <source>Save Graph as PNG or PDF...</source>
        <translation>Сохранить график как PNG или PDF...</translation>
    </message>
    <message>
        <source>Print Graph...</source>
        <translation>Печать графика...</translation>
    </message>
    <message>
        <source>Close Graph</source>
        <translation>Закрыть график</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>Standard Colours</source>
        <translation>Стандартные цвета</translation>
    </message>
    <message>
        <source>Colour-Blind Safe (Okabe-Ito)</source>
        <translation>Для дальтоников (Okabe-Ito)</translation>
    </message>
    <message>
        <source>Secondary Cycles</source>
        <translation>Дополнительные циклы</translation>
    </message>
    <message>
        <source>%1 (%2 days)</source>
        <extracomment>A secondary cycle of the graph and its period: &quot;Intuitive (38 days)&quot;.</extracomment>
        <translation>%1 (%2 дн.)</translation>
    </message>
    <message>
        <source>The graph could not be printed.</source>
        <translation>Не удалось напечатать график.</translation>
    </message>
    <message>
        <source>the graph</source>
        <translation>график</translation>
    </message>
    <message>
        <source>Save Graph</source>
        <translation>Сохранить график</translation>
    </message>
    <message>
        <source>PNG pictures (*.png);;PDF files (*.pdf)</source>
        <translation>Изображения PNG (*.png);;Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings.</source>
        <translation> Tidemark продолжит работу с настройками по умолчанию.</translation>
    </message>
    <message>
        <source>changes made in this run cannot be saved.</source>
        <translation>изменения, сделанные в этом сеансе, сохранить не удастся.</translation>
    </message>
    <message>
        <source> The settings were read from it, but </source>
        <translation> Настройки из него прочитаны, но </translation>
    </message>
    <message>
        <source> Tidemark goes on with its default settings, and </source>
        <translation> Tidemark продолжит работу с настройками по умолчанию, и </translation>
    </message>
    <message>
        <source> It is tried again at the next start; until then changes are not saved.</source>
        <translation> Попытка будет повторена при следующем запуске; до тех пор изменения не сохраняются.</translation>
    </message>
    <message>
        <source>SETTINGS FILE ERROR!</source>
        <translation>ОШИБКА ФАЙЛА НАСТРОЕК!</translation>
    </message>
    <message>
        <source>Biorhythm Charts</source>
        <translation>Диаграммы биоритмов</translation>
    </message>
    <message>
        <source>Version %1</source>
        <extracomment>%1 is the version number</extracomment>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>WARNING: This program is protected by copyright law.  Unauthorized reproduction or distribution of this program, or any portion of it, will be prosecuted to the full extent of the law.  This program is provided for entertainment purposes only, and no claim is made that anyone should be physically or spiritually guided by any material this program produces.  By using this program, you agree to these terms.</source>
        <translation>ВНИМАНИЕ: эта программа защищена законом об авторском праве.  Незаконное воспроизведение или распространение этой программы или любой её части будет преследоваться в полной мере, допускаемой законом.  Программа предназначена только для развлечения, и никто не утверждает, что её результаты должны служить кому-либо руководством в вопросах физического или духовного состояния.  Используя программу, вы соглашаетесь с этими условиями.</translation>
    </message>
    <message>
        <source>Click this notice, or press Enter, to begin.</source>
        <translation>Щёлкните это уведомление или нажмите Enter, чтобы начать.</translation>
    </message>
    <message>
        <source>Press Enter to begin</source>
        <translation>Нажмите Enter, чтобы начать</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Close This Window</source>
        <translation>Закрыть это окно</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Document:</source>
        <translation>Документ:</translation>
    </message>
    <message>
        <source>SAVE ERROR!</source>
        <translation>ОШИБКА СОХРАНЕНИЯ!</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>&amp;Увеличить текст</translation>
    </message>
    <message>
        <source>Make the text of the window larger</source>
        <translation>Увеличить текст окна</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>У&amp;меньшить текст</translation>
    </message>
    <message>
        <source>Make the text of the window smaller</source>
        <translation>Уменьшить текст окна</translation>
    </message>
    <message>
        <source>&amp;Normal Text Size</source>
        <translation>&amp;Обычный размер текста</translation>
    </message>
    <message>
        <source>Show the text of the window at its own size</source>
        <translation>Показать текст окна в обычном размере</translation>
    </message>
    <message>
        <source>The text is as large as this screen holds.</source>
        <translation>Текст уже настолько крупный, насколько позволяет этот экран.</translation>
    </message>
</context>
<context>
    <name>NameFile</name>
    <message>
        <source>NAME DATABASE ERROR</source>
        <extracomment>The title of a message about the name database file.</extracomment>
        <translation>ОШИБКА БАЗЫ ИМЁН</translation>
    </message>
    <message>
        <source> It keeps its previous contents.</source>
        <extracomment>Follows the sentence that says why the name database could not be changed: keep the blank in front.</extracomment>
        <translation> Её прежнее содержимое сохранено.</translation>
    </message>
    <message>
        <source>another copy of Tidemark is changing it</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>другая копия Tidemark изменяет её</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <extracomment>Why the name database could not be locked; it stands in &quot;(%2)&quot; of the message that follows.</extracomment>
        <translation>нет доступа на запись в её папку</translation>
    </message>
    <message>
        <source>the lock file %1 could not be written</source>
        <extracomment>Why the name database could not be locked: %1 is the lock file&apos;s path.</extracomment>
        <translation>не удалось записать файл блокировки %1</translation>
    </message>
    <message>
        <source>The name database %1 could not be locked (%2).</source>
        <extracomment>%1 is the name database file&apos;s path, %2 why it could not be locked.</extracomment>
        <translation>Не удалось заблокировать базу имён %1 (%2).</translation>
    </message>
    <message>
        <source>The name database file %1 was not found. The list is empty; adding a name makes a new file.</source>
        <extracomment>%1 is the name database file&apos;s path.</extracomment>
        <translation>Файл базы имён %1 не найден. Список пуст; при добавлении имени будет создан новый файл.</translation>
    </message>
    <message>
        <source> The name list is empty, and the file is left as it is.</source>
        <extracomment>Follows the sentence that says why the name database could not be read: keep the blank in front.</extracomment>
        <translation> Список имён пуст, а файл оставлен без изменений.</translation>
    </message>
    <message>
        <source> The new entry was not added.</source>
        <extracomment>Follows the sentence that says why the name could not be added: keep the blank in front.</extracomment>
        <translation> Новая запись не добавлена.</translation>
    </message>
    <message>
        <source>NAME DATABASE FULL</source>
        <extracomment>The title of a message: the name database holds as many names as it can.</extracomment>
        <translation>БАЗА ИМЁН ЗАПОЛНЕНА</translation>
    </message>
    <message>
        <source>The name database already holds 32,767 entries, the most it can hold. Delete a name before adding another.</source>
        <translation>База имён уже содержит 32 767 записей — больше она вместить не может. Удалите имя, прежде чем добавлять новое.</translation>
    </message>
    <message numerus="yes">
        <source>The name database already holds %1 entries, more than the 32,767 it can hold. Delete %2 names before adding another.</source>
        <extracomment>%1 is the number of names the file holds, %2 how many must go (at least 2, so the plural form follows %2); both are written with a comma between thousands.</extracomment>
        <translation>
            <numerusform>База имён уже содержит записей: %1 — больше, чем допустимые 32 767. Удалите %2 имя, прежде чем добавлять новое.</numerusform>
            <numerusform>База имён уже содержит записей: %1 — больше, чем допустимые 32 767. Удалите %2 имени, прежде чем добавлять новое.</numerusform>
            <numerusform>База имён уже содержит записей: %1 — больше, чем допустимые 32 767. Удалите %2 имён, прежде чем добавлять новое.</numerusform>
        </translation>
    </message>
    <message>
        <source> The deleted name was not put back.</source>
        <extracomment>Follows the sentence that says why the deleted name could not be put back: keep the blank in front.</extracomment>
        <translation> Удалённое имя не восстановлено.</translation>
    </message>
</context>
<context>
    <name>PersonColumn</name>
    <message>
        <source>&lt;&lt; Reset</source>
        <extracomment>A narrow button beside the chart&apos;s start date: put today back in it.</extracomment>
        <translation>&lt;&lt; Сброс</translation>
    </message>
    <message>
        <source>Enter name or retrieve from database</source>
        <translation>Введите имя или выберите его из базы имён</translation>
    </message>
    <message>
        <source>Enter date as MM-DD-YYYY</source>
        <translation>Введите дату в виде MM-DD-YYYY</translation>
    </message>
    <message>
        <source>Reset to current date!</source>
        <translation>Вернуть текущую дату!</translation>
    </message>
    <message>
        <source>Reset start date</source>
        <translation>Сбросить дату начала</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Birthdate (MM-DD-YYYY):</source>
        <translation>Дата рождения (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Astrological Sign:</source>
        <translation>Знак зодиака:</translation>
    </message>
    <message>
        <source>Day of Week Born:</source>
        <translation>День недели рождения:</translation>
    </message>
    <message>
        <source>Age In Days:</source>
        <translation>Возраст в днях:</translation>
    </message>
    <message>
        <source>Age in Years:</source>
        <translation>Возраст в годах:</translation>
    </message>
    <message>
        <source>Chart Starts (MM-DD-YYYY):</source>
        <translation>Начало диаграммы (MM-DD-YYYY):</translation>
    </message>
    <message>
        <source>Length of Chart in Days:</source>
        <translation>Длительность диаграммы в днях:</translation>
    </message>
    <message>
        <source>Ending Date of Chart:</source>
        <translation>Дата окончания диаграммы:</translation>
    </message>
</context>
<context>
    <name>PersonFacts</name>
    <message>
        <source>Sunday</source>
        <translation>воскресенье</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>понедельник</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>вторник</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>среда</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>четверг</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>пятница</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>суббота</translation>
    </message>
    <message>
        <source>Aries</source>
        <translation>Овен</translation>
    </message>
    <message>
        <source>Taurus</source>
        <translation>Телец</translation>
    </message>
    <message>
        <source>Gemini</source>
        <translation>Близнецы</translation>
    </message>
    <message>
        <source>Cancer</source>
        <translation>Рак</translation>
    </message>
    <message>
        <source>Leo</source>
        <translation>Лев</translation>
    </message>
    <message>
        <source>Virgo</source>
        <translation>Дева</translation>
    </message>
    <message>
        <source>Libra</source>
        <translation>Весы</translation>
    </message>
    <message>
        <source>Scorpio</source>
        <translation>Скорпион</translation>
    </message>
    <message>
        <source>Sagittarius</source>
        <translation>Стрелец</translation>
    </message>
    <message>
        <source>Capricorn</source>
        <translation>Козерог</translation>
    </message>
    <message>
        <source>Aquarius</source>
        <translation>Водолей</translation>
    </message>
    <message>
        <source>Pisces</source>
        <translation>Рыбы</translation>
    </message>
</context>
<context>
    <name>PreferencesForm</name>
    <message>
        <source>&lt;&lt; Clear</source>
        <extracomment>A narrow button beside a heading line: empty that line.</extracomment>
        <translation>&lt;&lt; Очистить</translation>
    </message>
    <message>
        <source>Cover Sheet Heading</source>
        <translation>Заголовок титульного листа</translation>
    </message>
    <message>
        <source>Erase lead-in line</source>
        <translation>Стереть вступительную строку</translation>
    </message>
    <message>
        <source>Clear lead-in</source>
        <translation>Очистить вступление</translation>
    </message>
    <message>
        <source>Erase line-1</source>
        <translation>Стереть строку 1</translation>
    </message>
    <message>
        <source>Clear line 1</source>
        <translation>Очистить строку 1</translation>
    </message>
    <message>
        <source>Erase line-2</source>
        <translation>Стереть строку 2</translation>
    </message>
    <message>
        <source>Clear line 2</source>
        <translation>Очистить строку 2</translation>
    </message>
    <message>
        <source>Erase line-3</source>
        <translation>Стереть строку 3</translation>
    </message>
    <message>
        <source>Clear line 3</source>
        <translation>Очистить строку 3</translation>
    </message>
    <message>
        <source>Erase line-4</source>
        <translation>Стереть строку 4</translation>
    </message>
    <message>
        <source>Clear line 4</source>
        <translation>Очистить строку 4</translation>
    </message>
    <message>
        <source>Lead-in:</source>
        <translation>Вступление:</translation>
    </message>
    <message>
        <source>Line 1:</source>
        <translation>Строка 1:</translation>
    </message>
    <message>
        <source>Line 2:</source>
        <translation>Строка 2:</translation>
    </message>
    <message>
        <source>Line 3:</source>
        <translation>Строка 3:</translation>
    </message>
    <message>
        <source>Line 4:</source>
        <translation>Строка 4:</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Параметры принтера</translation>
    </message>
    <message>
        <source>Dot-Matrix Printer</source>
        <translation>Матричный принтер</translation>
    </message>
    <message>
        <source>Click-on for dot-matrix printer</source>
        <translation>Выберите для матричного принтера</translation>
    </message>
    <message>
        <source>Laser, Inkjet, Bubblejet or similar</source>
        <translation>Лазерный, струйный или подобный</translation>
    </message>
    <message>
        <source>Click-on for laser or similar type printer</source>
        <translation>Выберите для лазерного или подобного принтера</translation>
    </message>
    <message>
        <source>Total lines to print on chart</source>
        <translation>Всего строк для печати на странице диаграммы</translation>
    </message>
    <message>
        <source>Number Of Lines Per Page</source>
        <translation>Число строк на странице</translation>
    </message>
    <message>
        <source>Print In Color</source>
        <translation>Цветная печать</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Chart Preferences</source>
        <translation>Параметры диаграммы</translation>
    </message>
    <message>
        <source>Single Space</source>
        <translation>Одинарный интервал</translation>
    </message>
    <message>
        <source>Double Space</source>
        <translation>Двойной интервал</translation>
    </message>
    <message>
        <source>Double Space with Lines</source>
        <translation>Двойной интервал с линиями</translation>
    </message>
    <message>
        <source>Holiday Messages</source>
        <translation>Праздничные сообщения</translation>
    </message>
    <message>
        <source>Current Date  Each Page</source>
        <translation>Текущая дата на каждой странице</translation>
    </message>
    <message>
        <source>Daily Forecast</source>
        <translation>Ежедневный прогноз</translation>
    </message>
</context>
<context>
    <name>PreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>&amp;Document:</source>
        <extracomment>Labels the choice of the document to preview: the chart, the cover sheet...</extracomment>
        <translation>&amp;Документ:</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Up is the key that does the same.</extracomment>
        <translation>Предыдущая страница (PgUp)</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The screen reader&apos;s name of the box that shows and takes the page number.</extracomment>
        <translation>Страница</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <extracomment>The tooltip and screen reader&apos;s name of the arrow button; Page Down is the key that does the same.</extracomment>
        <translation>Следующая страница (PgDown)</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Масштаб</translation>
    </message>
    <message>
        <source>Fit Width</source>
        <extracomment>A choice of the zoom box: the page as wide as the preview.</extracomment>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <extracomment>A choice of the zoom box: the whole page in the preview.</extracomment>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>%1 %</source>
        <extracomment>A choice of the zoom box: %1 is the share of the page&apos;s real size in percent.</extracomment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <extracomment>A button: prints the document shown (a verb).</extracomment>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Print this document (Ctrl+P)</source>
        <translation>Напечатать этот документ (Ctrl+P)</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button: closes the preview without printing.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Close the preview (Esc)</source>
        <translation>Закрыть предварительный просмотр (Esc)</translation>
    </message>
    <message>
        <source>Pages</source>
        <extracomment>The screen reader&apos;s name of the view that shows the pages.</extracomment>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>The pages could not all be counted: the preview ends at page %1.</source>
        <extracomment>%1 is the number of the last page the preview shows.</extracomment>
        <translation>Не удалось подсчитать все страницы: просмотр заканчивается на странице %1.</translation>
    </message>
    <message>
        <source>Counting the pages: %1 %</source>
        <extracomment>%1 is the share of the document counted so far, in percent.</extracomment>
        <translation>Подсчёт страниц: %1 %</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>The page number box: %1 stands where the page number is typed, %2 is the number of pages (or &quot;…&quot; while they are counted). Keep both.</extracomment>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>PrintDocuments</name>
    <message>
        <source>Chart</source>
        <extracomment>A document to preview or save as PDF: the biorhythm chart (a noun).</extracomment>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Cover Sheet</source>
        <translation>Титульный лист</translation>
    </message>
    <message>
        <source>Cover Sheet and Chart</source>
        <translation>Титульный лист и диаграмма</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Что такое биоритм?</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source> and </source>
        <extracomment>Joins the last item of a list: &quot;a, b and c&quot;</extracomment>
        <translation> и </translation>
    </message>
    <message>
        <source>The cover sheet</source>
        <translation>Титульный лист</translation>
    </message>
    <message>
        <source>The chart</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>The cover sheet and the chart</source>
        <translation>Титульный лист и диаграмма</translation>
    </message>
    <message>
        <source>&quot;What Is A Biorhythm?&quot;</source>
        <translation>«Что такое биоритм?»</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files.</source>
        <translation>%1: будет сохранено в два PDF-файла.</translation>
    </message>
    <message>
        <source>%1 will be saved as a PDF file.</source>
        <translation>%1: будет сохранено в PDF-файл.</translation>
    </message>
    <message>
        <source>%1 will be saved as two PDF files, %2.</source>
        <translation>%1: будет сохранено в два PDF-файла, %2.</translation>
    </message>
    <message>
        <source>%1 will be saved as the PDF file %2.</source>
        <translation>%1: будет сохранено в PDF-файл %2.</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Принтер не установлен.</translation>
    </message>
    <message>
        <source>the cover sheet</source>
        <translation>титульный лист</translation>
    </message>
    <message>
        <source>the chart</source>
        <translation>диаграмма</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <translation>%1 (1 страница)</translation>
    </message>
    <message>
        <source>%1 (%2 pages)</source>
        <translation>%1 (страниц: %2)</translation>
    </message>
    <message>
        <source>Sent %1 to the printer &quot;%2&quot;.</source>
        <translation>На принтер «%2» отправлено: %1.</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet as PDF</source>
        <translation>Принтер не установлен: сохраните титульный лист в PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Chart as PDF</source>
        <translation>Принтер не установлен: сохраните диаграмму в PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save &quot;What Is A Biorhythm?&quot; as PDF</source>
        <translation>Принтер не установлен: сохраните «Что такое биоритм?» в PDF</translation>
    </message>
    <message>
        <source>No printer is installed: save the Cover Sheet and the Chart as PDF (two files, &quot;... - cover sheet.pdf&quot; and &quot;... - chart.pdf&quot;)</source>
        <translation>Принтер не установлен: сохраните титульный лист и диаграмму в PDF (два файла, «... - cover sheet.pdf» и «... - chart.pdf»)</translation>
    </message>
    <message>
        <source>%1 already exists in %2.
Replace it?</source>
        <translation>%1 уже существует в %2.
Заменить?</translation>
    </message>
    <message>
        <source>%1 already exist in %2.
Replace them?</source>
        <translation>%1 уже существуют в %2.
Заменить их?</translation>
    </message>
    <message>
        <source>Saved %1 in %2</source>
        <translation>Сохранено в %2: %1</translation>
    </message>
    <message>
        <source>REPLACE FILES?</source>
        <translation>ЗАМЕНИТЬ ФАЙЛЫ?</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot;</source>
        <translation>Принтер «%1»</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot;</source>
        <translation>PDF-файл «%1»</translation>
    </message>
    <message>
        <source>%1 could not start: %2</source>
        <translation>%1: не удалось начать печать: %2</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not available.</source>
        <translation>Принтер «%1» недоступен.</translation>
    </message>
    <message>
        <source>%1 could not start.</source>
        <translation>%1: не удалось начать печать.</translation>
    </message>
    <message>
        <source>%1 did not accept a new page.</source>
        <translation>%1: не удалось начать новую страницу.</translation>
    </message>
    <message>
        <source>%1 could not finish the document.</source>
        <translation>%1: не удалось завершить документ.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2.</source>
        <translation>%1: не удалось записать: %2.</translation>
    </message>
    <message>
        <source>%1 could not be written completely (is the disk full?).</source>
        <translation>%1: не удалось записать полностью (диск заполнен?).</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>%1: не удалось записать.</translation>
    </message>
    <message>
        <source>PRINTER ERROR!</source>
        <translation>ОШИБКА ПРИНТЕРА!</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be reached: the print system&apos;s lp command did not start.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Не удалось связаться с принтером «%1»: команда lp системы печати не запустилась.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the document in time.</source>
        <extracomment>%1 is the print queue&apos;s name</extracomment>
        <translation>Принтер «%1» не принял документ вовремя.</translation>
    </message>
    <message>
        <source>lp ended with status %1</source>
        <extracomment>%1 is the exit status of the print system&apos;s lp command</extracomment>
        <translation>lp завершилась с кодом %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the document: %2</source>
        <extracomment>%1 is the print queue&apos;s name, %2 what the print system&apos;s lp command said</extracomment>
        <translation>Принтер «%1» отклонил документ: %2</translation>
    </message>
    <message>
        <source>Printing the chart of %1...</source>
        <translation>Печать диаграммы (%1)...</translation>
    </message>
</context>
<context>
    <name>PrintProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ReminderQuestion</name>
    <message>
        <source>Export to Calendar</source>
        <translation>Экспорт в календарь</translation>
    </message>
    <message>
        <source>&amp;No reminder</source>
        <translation>&amp;Без напоминания</translation>
    </message>
    <message>
        <source>&amp;Remind me on the day, at</source>
        <extracomment>A choice followed by a box with the time of day</extracomment>
        <translation>&amp;Напомнить в этот день, в</translation>
    </message>
    <message>
        <source>Reminder time</source>
        <translation>Время напоминания</translation>
    </message>
    <message>
        <source>Each day in the calendar can remind you when it comes:</source>
        <translation>Для каждого дня в календаре можно задать напоминание:</translation>
    </message>
</context>
<context>
    <name>SettingsMessages</name>
    <message>
        <source>No folder for the settings files was given.</source>
        <translation>Не указана папка для файлов настроек.</translation>
    </message>
    <message>
        <source>The file %1 could not be created (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be created</extracomment>
        <translation>Не удалось создать файл %1 (%2).</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>%1 in %2 (%3)</source>
        <extracomment>File names, their folder and why they could not be written</extracomment>
        <translation>%1 в %2 (%3)</translation>
    </message>
    <message>
        <source>The settings could not be saved. This file could not be written: %1. It keeps the settings it held before this run; the changes made to it in this run are lost.</source>
        <translation>Не удалось сохранить настройки. Не удалось записать файл: %1. В нём остались настройки, которые были до этого сеанса; изменения, внесённые в него в этом сеансе, потеряны.</translation>
    </message>
    <message>
        <source>The settings could not be saved. These files could not be written: %1. They keep the settings they held before this run; the changes made to them in this run are lost.</source>
        <translation>Не удалось сохранить настройки. Не удалось записать файлы: %1. В них остались настройки, которые были до этого сеанса; изменения, внесённые в них в этом сеансе, потеряны.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be read</extracomment>
        <translation>Не удалось прочитать файл %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 could not be written (%2).</source>
        <extracomment>%1 is the file&apos;s path, %2 why it could not be written</extracomment>
        <translation>Не удалось записать файл %1 (%2).</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <extracomment>Why a file could not be read</extracomment>
        <translation>это не обычный файл</translation>
    </message>
</context>
<context>
    <name>TextLocale</name>
    <message>
        <source>en_US</source>
        <extracomment>The locale of this translation as Qt names it (de_DE, fr_FR, pt_BR): the dates the graph speaks and the counts in the name database&apos;s messages are written its way.</extracomment>
        <translation>ru_RU</translation>
    </message>
</context>
<context>
    <name>WhatIsPanel</name>
    <message>
        <source>Print</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: prints the sheet.</extracomment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Close</source>
        <extracomment>A button of the &quot;What Is A Biorhythm?&quot; panel: closes the panel.</extracomment>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>What Is A Biorhythm?</source>
        <translation>Что такое биоритм?</translation>
    </message>
    <message>
        <source>What Is A Biorhythm? text</source>
        <translation>Текст «Что такое биоритм?»</translation>
    </message>
</context>
<context>
    <name>WhatIsText</name>
    <message>
        <source>A biorhythm is a cyclical pattern of biological activity that begins at birth with three sine wave cycles: the (P)hysical, the (E)motional and the (I)ntellectual.  Each starts at zero on the day of birth.</source>
        <extracomment>P, E and I are the letters of the three cycles on the chart, which is printed in English: keep them as they are.</extracomment>
        <translation>Биоритм — это циклическая картина биологической активности, которая начинается при рождении с трёх синусоидальных циклов: физического (P, Physical), эмоционального (E, Emotional) и интеллектуального (I, Intellectual).  Каждый из них начинается с нуля в день рождения.</translation>
    </message>
    <message>
        <source>The (P)hysical cycle begins every 23 days and controls our energy, strength, endurance and resistance to illness.  When the physical cycle is up, on the right side of the center critical line, it is said to be a time of energy, stamina and well-being, good for sports and hard work.  When it is down, on the left side of the line, it is said to be a time when we tire sooner and do better to rest and recharge.</source>
        <translation>Физический цикл (P) повторяется каждые 23 дня и управляет нашей энергией, силой, выносливостью и сопротивляемостью болезням.  Когда физический цикл на подъёме, справа от центральной критической линии, считается, что это время энергии, выносливости и хорошего самочувствия, подходящее для спорта и тяжёлой работы.  Когда он на спаде, слева от линии, считается, что в это время мы быстрее устаём и нам лучше отдыхать и восстанавливать силы.</translation>
    </message>
    <message>
        <source>The (E)motional cycle begins every 28 days and controls our sensitivity and temperament: our moods, feelings and creativity.  The right side of the center line is the positive side, said to favor a cheerful, cooperative and creative frame of mind.  On the left, negative side we may be moodier, more easily irritated and quicker to see the dark side of things.</source>
        <translation>Эмоциональный цикл (E) повторяется каждые 28 дней и управляет нашей чувствительностью и темпераментом: настроением, чувствами и творческими способностями.  Правая сторона от центральной линии — положительная; считается, что она благоприятствует бодрому, доброжелательному и творческому настрою.  На левой, отрицательной стороне мы можем быть более переменчивы в настроении, легче раздражаться и скорее замечать тёмную сторону вещей.</translation>
    </message>
    <message>
        <source>Our (I)ntellectual cycle begins every 33 days and controls our thinking capacity: memory, alertness, reasoning and the ability to learn.  When it is up, it is said to be a good time to study, to plan and to make decisions.  When it is down, the mind is said to be better suited to review, routine work and rest than to new ideas and hard choices.</source>
        <translation>Интеллектуальный цикл (I) повторяется каждые 33 дня и управляет нашими умственными способностями: памятью, сообразительностью, логическим мышлением и обучаемостью.  Когда он на подъёме, считается, что это хорошее время для учёбы, планирования и принятия решений.  Когда он на спаде, считается, что ум лучше подходит для повторения, рутинной работы и отдыха, чем для новых идей и трудного выбора.</translation>
    </message>
    <message>
        <source>The magnitudes of the cycles have no significance, except to indicate negative, zero and positive values.  How far a letter stands from the center line does not make a day better or worse; only its side counts.  The days on which a curve crosses the center line are zero days, also called CRITICAL days.  On a critical day that cycle is changing over, and one may be more accident prone, so it is a day to take a little extra care.</source>
        <translation>Величина отклонения циклов не имеет значения: важно лишь, отрицательное, нулевое или положительное значение.  Расстояние буквы от центральной линии не делает день лучше или хуже; важна только сторона.  Дни, в которые кривая пересекает центральную линию, — это нулевые дни, которые также называют КРИТИЧЕСКИМИ днями (CRITICAL).  В критический день цикл меняет знак, и риск несчастного случая может быть выше, поэтому в такой день стоит быть чуть осторожнее.</translation>
    </message>
    <message>
        <source>TRIPLE HIGH DAYS occur within the area when all three cycles are converging together on the RIGHT side of the center line.  On such a day all three cycles are positive at once, the peak of the model: a day said to be well suited to effort, activity and getting things done.  The chart marks these days &gt;HIGH&gt;.</source>
        <extracomment>&quot;&gt;HIGH&gt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>ДНИ ТРОЙНОГО ПОДЪЁМА наступают, когда все три цикла сходятся вместе по ПРАВУЮ сторону от центральной линии.  В такой день все три цикла одновременно положительны — это пик модели: день, который, как считается, хорошо подходит для усилий, активности и завершения дел.  На диаграмме такие дни отмечены &gt;HIGH&gt;.</translation>
    </message>
    <message>
        <source>TRIPLE LOW DAYS happen when all three cycles occur on the LEFT side of the chart.  All three cycles are negative at once, a day said to call for rest, patience and extra care.  The chart marks these days &lt;LOW&lt;.</source>
        <extracomment>&quot;&lt;LOW&lt;&quot; is the mark on the chart, which is printed in English: keep it as it is.</extracomment>
        <translation>ДНИ ТРОЙНОГО СПАДА наступают, когда все три цикла находятся по ЛЕВУЮ сторону диаграммы.  Все три цикла одновременно отрицательны; считается, что в такой день нужны отдых, терпение и особая осторожность.  На диаграмме такие дни отмечены &lt;LOW&lt;.</translation>
    </message>
    <message>
        <source>--- WHAT IS A BIORHYTHM ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s text.</extracomment>
        <translation>--- ЧТО ТАКОЕ БИОРИТМ ---</translation>
    </message>
    <message>
        <source>--- TRIPLE HIGH AND TRIPLE LOW DAYS ---</source>
        <extracomment>The heading of the &quot;What Is A Biorhythm?&quot; panel&apos;s second part.</extracomment>
        <translation>--- ДНИ ТРОЙНОГО ПОДЪЁМА И ТРОЙНОГО СПАДА ---</translation>
    </message>
</context>
<context>
    <name>WindowLayout</name>
    <message>
        <source>no access, or no room</source>
        <translation>нет доступа или нет места</translation>
    </message>
    <message>
        <source>it could not be read, and is left as it is</source>
        <translation>его не удалось прочитать, и он оставлен без изменений</translation>
    </message>
</context>
</TS>
