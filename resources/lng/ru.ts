<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Arrangement</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The catalogue file
%1
cannot be written. The files meant for it stay in the source folder.</source>
        <translation>Файл каталога
%1
не может быть записан. Предназначенные для него файлы остаются в исходной папке.</translation>
    </message>
    <message>
        <source>The arrangement cannot start.
%1</source>
        <translation>Размещение не может начаться.
%1</translation>
    </message>
    <message>
        <source>The arrangement cannot start.</source>
        <translation>Размещение не может начаться.</translation>
    </message>
    <message>
        <source>The source folder &quot;%1&quot; is not found in the base folder.</source>
        <translation>Исходная папка &quot;%1&quot; не найдена в базовой папке.</translation>
    </message>
    <message>
        <source>The session file &quot;%1&quot; is not found in the base folder.</source>
        <translation>Файл сеансов &quot;%1&quot; не найден в базовой папке.</translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; is not found in the base folder.</source>
        <translation>Файл журнала &quot;%1&quot; не найден в базовой папке.</translation>
    </message>
    <message>
        <source>No session number is left: the session file
%1
already holds the largest number, %2.</source>
        <translation>Номеров сеансов больше нет: файл сеансов
%1
уже содержит наибольший номер, %2.</translation>
    </message>
    <message>
        <source>An interrupted arrangement cannot be finished, so no file is placed. The log tells what stands in the way.</source>
        <translation>Прерванную раскладку нельзя завершить, поэтому ни один файл не размещён. В журнале сказано, что мешает.</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Files to remove from the source folder: %1. The box already holds the same content. Remove them?</source>
        <translation>Файлов к удалению из исходной папки: %1. В хранилище уже есть то же содержимое. Удалить их?</translation>
    </message>
    <message>
        <source>removed: %1</source>
        <translation>удалено: %1</translation>
    </message>
    <message>
        <source>changed since, left: %1</source>
        <translation>изменены с тех пор, оставлены: %1</translation>
    </message>
    <message>
        <source>cannot be removed: %1</source>
        <translation>не удалось удалить: %1</translation>
    </message>
</context>
<context>
    <name>ArrangementDialogGUI</name>
    <message>
        <source>Arrangement</source>
        <translation>Размещение</translation>
    </message>
    <message>
        <source>Session:</source>
        <translation>Сеанс:</translation>
    </message>
    <message>
        <source>&amp;Annotation:</source>
        <translation>&amp;Аннотация:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Searching files in source folder ...</source>
        <translation>Поиск файлов в исходной папке ...</translation>
    </message>
    <message>
        <source>Found various files in source folder:</source>
        <translation>Найдено различных файлов в исходной папке:</translation>
    </message>
    <message>
        <source>Searching vacant space and duplicate files ...</source>
        <translation>Поиск свободного места и дубликатов файлов ...</translation>
    </message>
    <message>
        <source>Found:</source>
        <translation>Найдено:</translation>
    </message>
    <message>
        <source>new files:</source>
        <translation>новых файлов:</translation>
    </message>
    <message>
        <source>and duplicate files:</source>
        <translation>и дубликатов файлов:</translation>
    </message>
    <message>
        <source>Arrangement new files:</source>
        <translation>Размещение новых файлов:</translation>
    </message>
    <message>
        <source>Resembling update:</source>
        <translation>Обновление сходства:</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Итог:</translation>
    </message>
    <message>
        <source>Total new files:</source>
        <translation>Всего новых файлов:</translation>
    </message>
    <message>
        <source>          added:</source>
        <translation>          добавлено:</translation>
    </message>
    <message>
        <source>          remains:</source>
        <translation>          осталось:</translation>
    </message>
    <message>
        <source>Capacity before:</source>
        <translation>Объём до:</translation>
    </message>
    <message>
        <source>Capacity after:</source>
        <translation>Объём после:</translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation>Затраченное время:</translation>
    </message>
    <message>
        <source>Unreadable file names:</source>
        <translation>Нечитаемые имена файлов:</translation>
    </message>
    <message>
        <source>Remove &amp;duplicates from the source folder</source>
        <translation>Удалить &amp;дубликаты из исходной папки</translation>
    </message>
</context>
<context>
    <name>ArrangementRun</name>
    <message>
        <source>Total sessions: %1</source>
        <translation>Всего сеансов: %1</translation>
    </message>
    <message>
        <source>Current session number: %1</source>
        <translation>Номер текущего сеанса: %1</translation>
    </message>
    <message>
        <source>Found %1 files: %2 new files and %3 duplicate files</source>
        <translation>Найдено файлов: %1, из них новых: %2, дубликатов: %3</translation>
    </message>
    <message>
        <source>Can not use entry file : %1</source>
        <translation>Не удаётся использовать файл записей : %1</translation>
    </message>
    <message>
        <source> Duplicate file %1 and %2 ...</source>
        <translation> Файлы-дубликаты %1 и %2 ...</translation>
    </message>
    <message>
        <source>(!) Can not make folder %1</source>
        <translation>(!) Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>Can not use entry file %1</source>
        <translation>Не удаётся использовать файл записей %1</translation>
    </message>
    <message>
        <source> Copy %1 to %2 (%3)</source>
        <translation> Копирование %1 в %2 (%3)</translation>
    </message>
    <message>
        <source>(!) Try is not success...</source>
        <translation>(!) Попытка не удалась...</translation>
    </message>
    <message>
        <source>(!) Can not store entry file %1</source>
        <translation>(!) Не удаётся сохранить файл записей %1</translation>
    </message>
    <message>
        <source>(!) Can not remove source file %1</source>
        <translation>(!) Не удаётся удалить исходный файл %1</translation>
    </message>
    <message>
        <source>(!) Not stored, the file stays in the source folder: %1</source>
        <translation>(!) Не сохранено, файл остаётся в исходной папке: %1</translation>
    </message>
    <message>
        <source>(!) Can not record session %1</source>
        <translation>(!) Не удаётся записать сеанс %1</translation>
    </message>
    <message>
        <source>(!) Box is full...</source>
        <translation>(!) Хранилище заполнено...</translation>
    </message>
    <message>
        <source>New files added to the box: %1 (Total: %2, remains: %3)</source>
        <translation>Добавлено новых файлов в хранилище: %1 (всего: %2, осталось: %3)</translation>
    </message>
    <message>
        <source>(!) Can not remove file %1</source>
        <translation>(!) Не удаётся удалить файл %1</translation>
    </message>
    <message>
        <source>(!) Can not sync folder %1</source>
        <translation>(!) Не удаётся записать на диск папку %1</translation>
    </message>
    <message>
        <source>(!) The interrupted arrangement cannot be finished, no file is placed</source>
        <translation>(!) Прерванную раскладку нельзя завершить, ни один файл не размещён</translation>
    </message>
    <message>
        <source>(!) The name of this file cannot be read, it stays in the source folder: %1</source>
        <translation>(!) Имя этого файла нельзя прочитать, он остаётся в исходной папке: %1</translation>
    </message>
    <message>
        <source>(!) The journal %1 cannot be written, no file is placed</source>
        <translation>(!) Нельзя записать журнал %1, ни один файл не размещён</translation>
    </message>
    <message>
        <source>(!) The place %1 holds a file that no entry names, another place is taken</source>
        <translation>(!) На месте %1 лежит файл, не названный ни одной записью, выбрано другое место</translation>
    </message>
    <message>
        <source>(!) The file changed while it was read, it stays in the source folder: %1</source>
        <translation>(!) Файл изменился во время чтения, он остаётся в исходной папке: %1</translation>
    </message>
    <message>
        <source>(!) Can not read file %1</source>
        <translation>(!) Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>(!) The arrangement of session %1 was interrupted, it is finished first</source>
        <translation>(!) Раскладка сеанса %1 была прервана, сначала она завершается</translation>
    </message>
    <message>
        <source>(!) Interrupted arrangement: %1 files placed, %2 taken back</source>
        <translation>(!) Прерванная раскладка: размещено файлов: %1, возвращено: %2</translation>
    </message>
    <message>
        <source>(!) Put back into the source folder: %1</source>
        <translation>(!) Возвращён в исходную папку: %1</translation>
    </message>
    <message>
        <source>(!) Taken back: %1</source>
        <translation>(!) Возвращено: %1</translation>
    </message>
    <message>
        <source>(!) Removed source file %1, it is in the box as %2</source>
        <translation>(!) Удалён исходный файл %1, он уже в хранилище как %2</translation>
    </message>
    <message>
        <source>(!) Can not sync file %1</source>
        <translation>(!) Не удаётся записать на диск файл %1</translation>
    </message>
</context>
<context>
    <name>BookBox</name>
    <message>
        <source>Home country</source>
        <translation>Происхождение</translation>
    </message>
    <message>
        <source>native,foreign</source>
        <translation>отечественная,зарубежная</translation>
    </message>
    <message>
        <source>Time range</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>other,antique,classic,modern</source>
        <translation>другая,античная,классическая,современная</translation>
    </message>
    <message>
        <source>Auditory</source>
        <translation>Аудитория</translation>
    </message>
    <message>
        <source>all,baby,youth,grownup</source>
        <translation>все,дети,юношество,взрослые</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>prose,poesy</source>
        <translation>проза,поэзия</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>belles</source>
        <translation>художественная</translation>
    </message>
    <message>
        <source>information</source>
        <translation>справочная</translation>
    </message>
    <message>
        <source>popular_science</source>
        <translation>научно-популярная</translation>
    </message>
    <message>
        <source>periodical</source>
        <translation>периодика</translation>
    </message>
    <message>
        <source>educational</source>
        <translation>учебная</translation>
    </message>
    <message>
        <source>technical</source>
        <translation>техническая</translation>
    </message>
    <message>
        <source>folklore</source>
        <translation>фольклор</translation>
    </message>
    <message>
        <source>fantasy</source>
        <translation>фантастика</translation>
    </message>
    <message>
        <source>detective</source>
        <translation>детектив</translation>
    </message>
    <message>
        <source>adventure</source>
        <translation>приключения</translation>
    </message>
    <message>
        <source>creation</source>
        <translation>творчество</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
</context>
<context>
    <name>BoxInfoGUI</name>
    <message>
        <source>Info</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите, пожалуйста...</translation>
    </message>
    <message>
        <source>General:</source>
        <translation>Общее:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Number of sessions:</source>
        <translation>Число сессий:</translation>
    </message>
    <message>
        <source>Last session:</source>
        <translation>Последняя сессия:</translation>
    </message>
    <message>
        <source>Number of remarks:</source>
        <translation>Число ремарок:</translation>
    </message>
    <message>
        <source>Time length:</source>
        <translation>Период времени:</translation>
    </message>
    <message>
        <source>Number of templates:</source>
        <translation>Число шаблонов:</translation>
    </message>
    <message>
        <source>Number of albums:</source>
        <translation>Число альбомов:</translation>
    </message>
    <message>
        <source>Reliability:</source>
        <translation>Полнота описания:</translation>
    </message>
    <message>
        <source>without category:</source>
        <translation>без категории:</translation>
    </message>
    <message>
        <source>(actuality</source>
        <translation>(актуальность</translation>
    </message>
    <message>
        <source>without keywords:</source>
        <translation>без ключевых слов:</translation>
    </message>
    <message>
        <source>without caption:</source>
        <translation>без заголовка:</translation>
    </message>
    <message>
        <source>About sessions:</source>
        <translation>О сессиях:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Дата создания</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Time length</source>
        <translation>Период времени</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Аннотация</translation>
    </message>
</context>
<context>
    <name>BoxSelectGUI</name>
    <message>
        <source>The program is in mode image processing</source>
        <translation>Программа в режиме обработки изображений</translation>
    </message>
</context>
<context>
    <name>BurnRun</name>
    <message>
        <source>(!) The burning process was stopped</source>
        <translation>(!) Процесс записи остановлен</translation>
    </message>
    <message>
        <source>(!) The burning process cannot be started: %1</source>
        <translation>(!) Процесс записи не может быть запущен: %1</translation>
    </message>
    <message>
        <source>(!) The burner crashed</source>
        <translation>(!) Программа записи аварийно завершилась</translation>
    </message>
    <message>
        <source>Burner exit code: %1</source>
        <translation>Код завершения программы записи: %1</translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>water</source>
        <translation>вода</translation>
    </message>
    <message>
        <source>sky</source>
        <translation>небо</translation>
    </message>
    <message>
        <source>land</source>
        <translation>земля</translation>
    </message>
    <message>
        <source>flora</source>
        <translation>флора</translation>
    </message>
    <message>
        <source>fauna</source>
        <translation>фауна</translation>
    </message>
    <message>
        <source>humans</source>
        <translation>люди</translation>
    </message>
    <message>
        <source>build</source>
        <translation>постройки</translation>
    </message>
    <message>
        <source>wheel</source>
        <translation>транспорт</translation>
    </message>
    <message>
        <source>item</source>
        <translation>предметы</translation>
    </message>
    <message>
        <source>inside</source>
        <translation>в помещении</translation>
    </message>
    <message>
        <source>outside</source>
        <translation>на улице</translation>
    </message>
    <message>
        <source>night</source>
        <translation>ночь</translation>
    </message>
    <message>
        <source>morning</source>
        <translation>утро</translation>
    </message>
    <message>
        <source>day</source>
        <translation>день</translation>
    </message>
    <message>
        <source>evening</source>
        <translation>вечер</translation>
    </message>
    <message>
        <source>winter</source>
        <translation>зима</translation>
    </message>
    <message>
        <source>spring</source>
        <translation>весна</translation>
    </message>
    <message>
        <source>summer</source>
        <translation>лето</translation>
    </message>
    <message>
        <source>autumn</source>
        <translation>осень</translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation>хроника</translation>
    </message>
    <message>
        <source>informative</source>
        <translation>информативное</translation>
    </message>
    <message>
        <source>event</source>
        <translation>событие</translation>
    </message>
    <message>
        <source>situation</source>
        <translation>ситуация</translation>
    </message>
    <message>
        <source>moment</source>
        <translation>момент</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>деталь</translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation>живописное</translation>
    </message>
    <message>
        <source>composition</source>
        <translation>композиция</translation>
    </message>
    <message>
        <source>series</source>
        <translation>серия</translation>
    </message>
    <message>
        <source>essay</source>
        <translation>эссе</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation>пусто_D</translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation>пусто_E</translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation>пусто_F</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>постановка</translation>
    </message>
    <message>
        <source>reporting</source>
        <translation>репортаж</translation>
    </message>
    <message>
        <source>Which</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>WhichMain</source>
        <translation>Что (главное)</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Время года</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Сюжет</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ съёмки</translation>
    </message>
</context>
<context>
    <name>ClipBox</name>
    <message>
        <source>Which</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>water,sky,land,flora,fauna,humans,build,wheel,item</source>
        <translation>вода,небо,земля,флора,фауна,люди,постройки,транспорт,предметы</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>inside,outside</source>
        <translation>в помещении,на улице</translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>night,morning,day,evening</source>
        <translation>ночь,утро,день,вечер</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Время года</translation>
    </message>
    <message>
        <source>winter,spring,summer,autumn</source>
        <translation>зима,весна,лето,осень</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Сюжет</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ съёмки</translation>
    </message>
    <message>
        <source>pose,reporting</source>
        <translation>постановка,репортаж</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>home</source>
        <translation>домашнее</translation>
    </message>
    <message>
        <source>music</source>
        <translation>музыкальное</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation>пусто_D</translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation>пусто_E</translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation>пусто_F</translation>
    </message>
    <message>
        <source>empty_H</source>
        <translation>пусто_H</translation>
    </message>
    <message>
        <source>empty_I</source>
        <translation>пусто_I</translation>
    </message>
    <message>
        <source>empty_J</source>
        <translation>пусто_J</translation>
    </message>
    <message>
        <source>empty_K</source>
        <translation>пусто_K</translation>
    </message>
    <message>
        <source>empty_L</source>
        <translation>пусто_L</translation>
    </message>
    <message>
        <source>empty_M</source>
        <translation>пусто_M</translation>
    </message>
    <message>
        <source>empty_N</source>
        <translation>пусто_N</translation>
    </message>
</context>
<context>
    <name>DescribeDialog</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The descriptions could not be stored in:
%1</source>
        <translation>Описания не удалось сохранить в:
%1</translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation>Не удаётся запустить программу просмотра:
%1</translation>
    </message>
    <message>
        <source>A keyword cannot contain &quot;~&quot; or a line break.</source>
        <translation>Ключевое слово не может содержать &quot;~&quot; или перевод строки.</translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; cannot be added to the vocabulary.</source>
        <translation>Ключевое слово &quot;%1&quot; не удаётся добавить в словарь.</translation>
    </message>
    <message>
        <source>The synonym &quot;%1&quot; cannot be added to the vocabulary.</source>
        <translation>Синоним &quot;%1&quot; не удаётся добавить в словарь.</translation>
    </message>
    <message>
        <source>The descriptions could not be stored in:
%1
They stay applied and are stored again on saving or closing.</source>
        <translation>Описания не удалось сохранить в:
%1
Они остаются применёнными и будут сохранены снова при сохранении или закрытии.</translation>
    </message>
    <message>
        <source>&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Remark&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%1&lt;/td&gt; &lt;/tr&gt; &lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Caption&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%2&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Date&lt;/b&gt;      &lt;/td&gt; &lt;td&gt;%3&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Category&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%4&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Keyword&lt;/b&gt;   &lt;/td&gt; &lt;td&gt;%5&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Hardcopy&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%6&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Session&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%7&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Original name&lt;/b&gt;       &lt;/td&gt; &lt;td&gt;%8&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Checksum&lt;/b&gt;            &lt;/td&gt; &lt;td&gt;%9&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;</source>
        <translation>&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Ремарка&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%1&lt;/td&gt; &lt;/tr&gt; &lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Подпись&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%2&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Дата&lt;/b&gt;      &lt;/td&gt; &lt;td&gt;%3&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Категория&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%4&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Ключевые слова&lt;/b&gt;   &lt;/td&gt; &lt;td&gt;%5&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Отпечатки&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%6&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Сеанс&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%7&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Исходное имя&lt;/b&gt;       &lt;/td&gt; &lt;td&gt;%8&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Контрольная сумма&lt;/b&gt;            &lt;/td&gt; &lt;td&gt;%9&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Apply the changes to %1?</source>
        <translation>Применить изменения к %1?</translation>
    </message>
</context>
<context>
    <name>DescribeDialogGUI</name>
    <message>
        <source>Fill selected</source>
        <translation>Описание выбранных</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>No selection...</source>
        <translation>Ничего не выбрано...</translation>
    </message>
    <message>
        <source>Total objects</source>
        <translation>Всего объектов</translation>
    </message>
    <message>
        <source>of which corrected</source>
        <translation>из них исправлено</translation>
    </message>
    <message>
        <source>and uncorrected</source>
        <translation>и не исправлено</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Исходное</translation>
    </message>
    <message>
        <source>Uncorrected</source>
        <translation>Не исправленные</translation>
    </message>
    <message>
        <source>Corrected</source>
        <translation>Исправленные</translation>
    </message>
    <message>
        <source>Categ&amp;ory</source>
        <translation>Катег&amp;ория</translation>
    </message>
    <message>
        <source>Which</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ съёмки</translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Время года</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Сюжет</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Ori&amp;ginal</source>
        <translation>Ис&amp;ходное</translation>
    </message>
    <message>
        <source>&amp;Keyword</source>
        <translation>&amp;Ключевые слова</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Словарь</translation>
    </message>
    <message>
        <source>Ke&amp;yword</source>
        <translation>Кл&amp;ючевое слово</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Synony&amp;m</source>
        <translation>Сино&amp;ним</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Current keywords</source>
        <translation>Текущие ключевые слова</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Capt&amp;ion</source>
        <translation>Под&amp;пись</translation>
    </message>
    <message>
        <source>Change caption</source>
        <translation>Изменить подпись</translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation>&amp;Название</translation>
    </message>
    <message>
        <source>A&amp;uthor</source>
        <translation>А&amp;втор</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Дата</translation>
    </message>
    <message>
        <source>Change date</source>
        <translation>Изменить дату</translation>
    </message>
    <message>
        <source>Selected date:</source>
        <translation>Выбранная дата:</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Сегодня</translation>
    </message>
    <message>
        <source>&amp;Hardcopy</source>
        <translation>&amp;Отпечатки</translation>
    </message>
    <message>
        <source>Change count of hardcopy</source>
        <translation>Изменить число отпечатков</translation>
    </message>
    <message>
        <source>Count of ha&amp;rdcopy</source>
        <translation>Число отпе&amp;чатков</translation>
    </message>
    <message>
        <source>&amp;Apply changes &amp;&amp; saving immediately...</source>
        <translation>&amp;Применить изменения &amp;&amp; сразу сохранить...</translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation>Пр&amp;именить</translation>
    </message>
</context>
<context>
    <name>DisplayDialog</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The present program cannot be started:
%1</source>
        <translation>Программа показа не может быть запущена:
%1</translation>
    </message>
</context>
<context>
    <name>DisplayDialogGUI</name>
    <message>
        <source>Lists to display</source>
        <translation>Списки для показа</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите, пожалуйста...</translation>
    </message>
    <message>
        <source>There are no lists...</source>
        <translation>Списков нет...</translation>
    </message>
    <message>
        <source>Playlist name</source>
        <translation>Имя списка</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Time length</source>
        <translation>Период времени</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Total playlists:</source>
        <translation>Всего списков:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
</context>
<context>
    <name>FirstDialog</name>
    <message>
        <source>Detect removable devices... complete</source>
        <translation>Поиск съёмных устройств... завершён</translation>
    </message>
    <message>
        <source>device not detected...</source>
        <translation>устройство не найдено...</translation>
    </message>
    <message>
        <source>device is empty...</source>
        <translation>на устройстве нет файлов...</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлов</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Selected list is very big. Displaying is restrict...</source>
        <translation>Выбранный список очень велик. Просмотр ограничен...</translation>
    </message>
    <message>
        <source>The list for the preview cannot be written:
%1</source>
        <translation>Не удаётся записать список для просмотра:
%1</translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation>Не удаётся запустить программу просмотра:
%1</translation>
    </message>
    <message>
        <source>Reading the files on the devices...</source>
        <translation>Чтение файлов на устройствах...</translation>
    </message>
    <message>
        <source>Copying selected files...</source>
        <translation>Копирование выбранных файлов...</translation>
    </message>
    <message>
        <source>in box as %1</source>
        <translation>в хранилище как %1</translation>
    </message>
    <message>
        <source>rejected before (%1)</source>
        <translation>отклонён ранее (%1)</translation>
    </message>
    <message>
        <source>copied before (%1), not in box</source>
        <translation>скопирован ранее (%1), не в хранилище</translation>
    </message>
    <message>
        <source>cannot be read...</source>
        <translation>не читается...</translation>
    </message>
    <message>
        <source>The list of files seen cannot be written:
%1</source>
        <translation>Список просмотренных файлов не удаётся записать:
%1</translation>
    </message>
</context>
<context>
    <name>FirstDialogGUI</name>
    <message>
        <source>First preparation</source>
        <translation>Первые шаги</translation>
    </message>
    <message>
        <source>Detect removable devices...</source>
        <translation>Поиск съёмных устройств...</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Ничего</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Pre-selected files:</source>
        <translation>Предварительно выбрано файлов:</translation>
    </message>
    <message>
        <source>Selected files:</source>
        <translation>Выбрано файлов:</translation>
    </message>
    <message>
        <source>Mb</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>Copying selected files...</source>
        <translation>Копирование выбранных файлов...</translation>
    </message>
    <message>
        <source>Result:</source>
        <translation>Итог:</translation>
    </message>
    <message>
        <source>Found files on removable devices:</source>
        <translation>Найдено файлов на съёмных устройствах:</translation>
    </message>
    <message>
        <source>Files selected:</source>
        <translation>Выбрано файлов:</translation>
    </message>
    <message>
        <source>Files copied in the source folder:</source>
        <translation>Скопировано файлов в исходную папку:</translation>
    </message>
    <message>
        <source>already in the box:</source>
        <translation>уже в хранилище:</translation>
    </message>
    <message>
        <source>rejected before:</source>
        <translation>отклонено ранее:</translation>
    </message>
</context>
<context>
    <name>FirstTable</name>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Warning: Change requires restart</source>
        <translation>Внимание: изменение требует перезапуска</translation>
    </message>
    <message>
        <source>The path to Tessary was changed. To work with the new directory, you must restart the program</source>
        <translation>Путь к Tessary изменён. Чтобы работать с новым каталогом, перезапустите программу</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Get under control...&lt;ul&gt;&lt;li&gt;photos&lt;/li&gt;&lt;li&gt;books&lt;/li&gt;&lt;li&gt;video clips&lt;/li&gt;&lt;li&gt;musics &lt;/li&gt;&lt;/ul&gt;</source>
        <translation>Возьмите под контроль...&lt;ul&gt;&lt;li&gt;фотографии&lt;/li&gt;&lt;li&gt;книги&lt;/li&gt;&lt;li&gt;видеоклипы&lt;/li&gt;&lt;li&gt;музыку &lt;/li&gt;&lt;/ul&gt;</translation>
    </message>
    <message>
        <source>... it is possible now.</source>
        <translation>... теперь это возможно.</translation>
    </message>
    <message>
        <source>Quit from Tessary</source>
        <translation>Выход из Tessary</translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation>Вы уверены</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Setting the program parameters</source>
        <translation>Настройка параметров программы</translation>
    </message>
    <message>
        <source>About this program</source>
        <translation>Сведения о программе</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Finish the work and close the program</source>
        <translation>Завершить работу и закрыть программу</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Изображения</translation>
    </message>
    <message>
        <source>Start working with image collection</source>
        <translation>Начать работу с коллекцией изображений</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Start working with book library</source>
        <translation>Начать работу с библиотекой книг</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Start working with a film library</source>
        <translation>Начать работу с видеотекой</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Start working with a music box</source>
        <translation>Начать работу с фонотекой</translation>
    </message>
    <message>
        <source>First steps</source>
        <translation>Первые шаги</translation>
    </message>
    <message>
        <source>Transfer files from media and their rejection</source>
        <translation>Перенос файлов с носителей и их отбраковка</translation>
    </message>
    <message>
        <source>Arrangement</source>
        <translation>Размещение</translation>
    </message>
    <message>
        <source>Placement of files in the box</source>
        <translation>Размещение файлов в хранилище</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Select objects using the dialog box</source>
        <translation>Отобрать объекты с помощью диалогового окна</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Select objects using the existing templates</source>
        <translation>Отобрать объекты по готовым шаблонам</translation>
    </message>
    <message>
        <source>Without category</source>
        <translation>Без категории</translation>
    </message>
    <message>
        <source>Select the objects that have not been filled category</source>
        <translation>Отобрать объекты с незаполненной категорией</translation>
    </message>
    <message>
        <source>Without keyword</source>
        <translation>Без ключевых слов</translation>
    </message>
    <message>
        <source>Select the objects that have no keywords</source>
        <translation>Отобрать объекты без ключевых слов</translation>
    </message>
    <message>
        <source>Without caption</source>
        <translation>Без подписи</translation>
    </message>
    <message>
        <source>Select objects untitled</source>
        <translation>Отобрать объекты без подписи</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Show selected objects</source>
        <translation>Показать отобранные объекты</translation>
    </message>
    <message>
        <source>Add similar</source>
        <translation>Добавить похожие</translation>
    </message>
    <message>
        <source>Create a group of similar objects</source>
        <translation>Создать группу похожих объектов</translation>
    </message>
    <message>
        <source>For editing</source>
        <translation>Для редактирования</translation>
    </message>
    <message>
        <source>Return the selected objects for editing</source>
        <translation>Вернуть отобранные объекты для редактирования</translation>
    </message>
    <message>
        <source>For printing</source>
        <translation>Для печати</translation>
    </message>
    <message>
        <source>Return the selected objects to print them</source>
        <translation>Вернуть отобранные объекты для печати</translation>
    </message>
    <message>
        <source>For following usage</source>
        <translation>Для дальнейшего использования</translation>
    </message>
    <message>
        <source>Return the selected objects</source>
        <translation>Вернуть отобранные объекты</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>Write a description of the object completely</source>
        <translation>Составить полное описание объекта</translation>
    </message>
    <message>
        <source>Only category</source>
        <translation>Только категория</translation>
    </message>
    <message>
        <source>Define the category of the object</source>
        <translation>Определить категорию объекта</translation>
    </message>
    <message>
        <source>Only keyword</source>
        <translation>Только ключевые слова</translation>
    </message>
    <message>
        <source>Make a list of keywords for the object</source>
        <translation>Составить список ключевых слов объекта</translation>
    </message>
    <message>
        <source>Only caption</source>
        <translation>Только подпись</translation>
    </message>
    <message>
        <source>Sign object</source>
        <translation>Подписать объект</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Check the box for any errors</source>
        <translation>Проверить хранилище на наличие ошибок</translation>
    </message>
    <message>
        <source>Show information</source>
        <translation>Показать сведения</translation>
    </message>
    <message>
        <source>Information about the content</source>
        <translation>Сведения о содержимом</translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation>&amp;...</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation>&amp;Хранилища</translation>
    </message>
    <message>
        <source>S&amp;ource</source>
        <translation>&amp;Источник</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Отбор</translation>
    </message>
    <message>
        <source>&amp;Action on selected</source>
        <translation>&amp;Действия с отобранным</translation>
    </message>
    <message>
        <source>&amp;Restoring</source>
        <translation>&amp;Восстановление</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Заполнение</translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation>&amp;Проверка</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Сведения</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Хранилища</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Чтение</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Основная</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The current work is not finished yet. Please wait until it ends.</source>
        <translation>Текущая работа ещё не закончена. Пожалуйста, дождитесь её окончания.</translation>
    </message>
</context>
<context>
    <name>MetadataWriter</name>
    <message>
        <source>exiftool cannot be found</source>
        <translation>exiftool не найден</translation>
    </message>
    <message>
        <source>exiftool stopped answering</source>
        <translation>exiftool перестал отвечать</translation>
    </message>
    <message>
        <source>exiftool does not tell which formats it writes</source>
        <translation>exiftool не сообщает, какие форматы он записывает</translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation>файл с таким именем уже существует</translation>
    </message>
    <message>
        <source>the copy is not there</source>
        <translation>копии нет на месте</translation>
    </message>
    <message>
        <source>a file of the sidecar&apos;s name is already there: %1</source>
        <translation>файл с именем сопроводительного файла уже существует: %1</translation>
    </message>
    <message>
        <source>the argument file for exiftool cannot be written</source>
        <translation>не удаётся записать файл аргументов для exiftool</translation>
    </message>
    <message>
        <source>exiftool cannot be started: %1</source>
        <translation>не удаётся запустить exiftool: %1</translation>
    </message>
    <message>
        <source>exiftool ended before this copy</source>
        <translation>exiftool завершился, не дойдя до этой копии</translation>
    </message>
    <message>
        <source>exiftool says: %1</source>
        <translation>exiftool сообщает: %1</translation>
    </message>
    <message>
        <source>%1 reads back different</source>
        <translation>%1 при проверке читается иначе</translation>
    </message>
    <message>
        <source>the plain copy cannot be made either</source>
        <translation>простую копию сделать тоже не удаётся</translation>
    </message>
    <message>
        <source>the plain copy cannot be made again</source>
        <translation>не удаётся заново сделать простую копию</translation>
    </message>
</context>
<context>
    <name>MirrorCheck</name>
    <message>
        <source>the backup folder cannot be read</source>
        <translation>папка резервной копии недоступна для чтения</translation>
    </message>
    <message>
        <source>backup copy is missing</source>
        <translation>резервная копия отсутствует</translation>
    </message>
    <message>
        <source>backup copy cannot be read</source>
        <translation>резервная копия не читается</translation>
    </message>
    <message>
        <source>backup copy checksum wrong, the next backup replaces it</source>
        <translation>контрольная сумма резервной копии неверна, следующее резервное копирование заменит её</translation>
    </message>
    <message>
        <source>box copy checksum wrong, it can be repaired from the backup</source>
        <translation>контрольная сумма файла в хранилище неверна, его можно восстановить из резервной копии</translation>
    </message>
    <message>
        <source>box copy is absent, it can be restored from the backup</source>
        <translation>файл в хранилище отсутствует, его можно восстановить из резервной копии</translation>
    </message>
    <message>
        <source>both copies disagree with the entry, both copies agree with each other</source>
        <translation>обе копии не совпадают с записью, но совпадают друг с другом</translation>
    </message>
    <message>
        <source>both copies disagree with the entry, unrecoverable</source>
        <translation>обе копии не совпадают с записью, восстановление невозможно</translation>
    </message>
    <message>
        <source>backup copy differs from the box</source>
        <translation>резервная копия отличается от файла в хранилище</translation>
    </message>
    <message>
        <source>is not in the catalogue</source>
        <translation>отсутствует в каталоге</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>в порядке</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>внимание</translation>
    </message>
    <message>
        <source>and %1 more findings of this kind, listed in the log</source>
        <translation>и ещё находок этого вида: %1, они перечислены в журнале</translation>
    </message>
</context>
<context>
    <name>MusicBox</name>
    <message>
        <source>Home country</source>
        <translation>Происхождение</translation>
    </message>
    <message>
        <source>native,foreign</source>
        <translation>отечественная,зарубежная</translation>
    </message>
    <message>
        <source>Perfomance</source>
        <translation>Исполнение</translation>
    </message>
    <message>
        <source>blank,instrumental,vocal,mixed</source>
        <translation>не указано,инструментальное,вокальное,смешанное</translation>
    </message>
    <message>
        <source>Number of performer</source>
        <translation>Состав исполнителей</translation>
    </message>
    <message>
        <source>blank,solo,small,great</source>
        <translation>не указано,соло,малый состав,большой состав</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>classic</source>
        <translation>классика</translation>
    </message>
    <message>
        <source>folk</source>
        <translation>народная</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>детская</translation>
    </message>
    <message>
        <source>blues</source>
        <translation>блюз</translation>
    </message>
    <message>
        <source>jazz</source>
        <translation>джаз</translation>
    </message>
    <message>
        <source>rock</source>
        <translation>рок</translation>
    </message>
    <message>
        <source>electronic</source>
        <translation>электронная</translation>
    </message>
    <message>
        <source>retro</source>
        <translation>ретро</translation>
    </message>
    <message>
        <source>dancing</source>
        <translation>танцевальная</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation>пусто_D</translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation>пусто_E</translation>
    </message>
</context>
<context>
    <name>MySetDialog</name>
    <message>
        <source>Tessary settings</source>
        <translation>Настройки Tessary</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Общие</translation>
    </message>
    <message>
        <source>Path to Tessar&amp;y directory</source>
        <translation>&amp;Путь к каталогу Tessary</translation>
    </message>
    <message>
        <source>Predefine</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Path to ba&amp;ckup directory</source>
        <translation>Путь к каталогу &amp;резервных копий</translation>
    </message>
    <message>
        <source>Application for b&amp;urn CD</source>
        <translation>Программа &amp;записи CD</translation>
    </message>
    <message>
        <source>Application for extract &amp;timestamp</source>
        <translation>Программа извлечения ме&amp;тки времени</translation>
    </message>
    <message>
        <source>External devices</source>
        <translation>Внешние устройства</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation>&amp;Изображения</translation>
    </message>
    <message>
        <source>&amp;Books</source>
        <translation>&amp;Книги</translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation>&amp;Видео</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>The path must be absolute</source>
        <translation>Путь должен быть абсолютным</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Выберите папку</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The folder cannot be created:
%1</source>
        <translation>Не удаётся создать папку:
%1</translation>
    </message>
</context>
<context>
    <name>MySetTab</name>
    <message>
        <source>Extensions</source>
        <translation>Расширения</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>My categories</source>
        <translation>Мои категории</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Editing mod&amp;e:</source>
        <translation>Режим р&amp;едактирования:</translation>
    </message>
    <message>
        <source>disable</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>Predefine</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Assistance programs</source>
        <translation>Вспомогательные программы</translation>
    </message>
    <message>
        <source>Previe&amp;w</source>
        <translation>&amp;Просмотр</translation>
    </message>
    <message>
        <source>Pre&amp;sentation</source>
        <translation>Пре&amp;зентация</translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation>хроника</translation>
    </message>
    <message>
        <source>informative</source>
        <translation>информативное</translation>
    </message>
    <message>
        <source>event</source>
        <translation>событие</translation>
    </message>
    <message>
        <source>situation</source>
        <translation>ситуация</translation>
    </message>
    <message>
        <source>moment</source>
        <translation>момент</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>деталь</translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation>живописное</translation>
    </message>
    <message>
        <source>composition</source>
        <translation>композиция</translation>
    </message>
    <message>
        <source>series</source>
        <translation>серия</translation>
    </message>
    <message>
        <source>essay</source>
        <translation>эссе</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>не указано</translation>
    </message>
    <message>
        <source>belles</source>
        <translation>художественная</translation>
    </message>
    <message>
        <source>information</source>
        <translation>справочная</translation>
    </message>
    <message>
        <source>popular_science</source>
        <translation>научно-популярная</translation>
    </message>
    <message>
        <source>periodical</source>
        <translation>периодика</translation>
    </message>
    <message>
        <source>educational</source>
        <translation>учебная</translation>
    </message>
    <message>
        <source>technical</source>
        <translation>техническая</translation>
    </message>
    <message>
        <source>folklore</source>
        <translation>фольклор</translation>
    </message>
    <message>
        <source>fantasy</source>
        <translation>фантастика</translation>
    </message>
    <message>
        <source>detective</source>
        <translation>детектив</translation>
    </message>
    <message>
        <source>adventure</source>
        <translation>приключения</translation>
    </message>
    <message>
        <source>creation</source>
        <translation>творчество</translation>
    </message>
    <message>
        <source>art</source>
        <translation>искусство</translation>
    </message>
    <message>
        <source>home</source>
        <translation>домашнее</translation>
    </message>
    <message>
        <source>music</source>
        <translation>музыкальное</translation>
    </message>
    <message>
        <source>classic</source>
        <translation>классика</translation>
    </message>
    <message>
        <source>folk</source>
        <translation>народная</translation>
    </message>
    <message>
        <source>pop</source>
        <translation>поп</translation>
    </message>
    <message>
        <source>baby</source>
        <translation>детская</translation>
    </message>
    <message>
        <source>blues</source>
        <translation>блюз</translation>
    </message>
    <message>
        <source>jazz</source>
        <translation>джаз</translation>
    </message>
    <message>
        <source>rock</source>
        <translation>рок</translation>
    </message>
    <message>
        <source>electronic</source>
        <translation>электронная</translation>
    </message>
    <message>
        <source>retro</source>
        <translation>ретро</translation>
    </message>
    <message>
        <source>dancing</source>
        <translation>танцевальная</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation>пусто_D</translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation>пусто_E</translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation>пусто_F</translation>
    </message>
    <message>
        <source>empty_H</source>
        <translation>пусто_H</translation>
    </message>
    <message>
        <source>empty_I</source>
        <translation>пусто_I</translation>
    </message>
    <message>
        <source>empty_J</source>
        <translation>пусто_J</translation>
    </message>
    <message>
        <source>empty_K</source>
        <translation>пусто_K</translation>
    </message>
    <message>
        <source>empty_L</source>
        <translation>пусто_L</translation>
    </message>
    <message>
        <source>empty_M</source>
        <translation>пусто_M</translation>
    </message>
    <message>
        <source>empty_N</source>
        <translation>пусто_N</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>enable</source>
        <translation>включён</translation>
    </message>
</context>
<context>
    <name>MyTmpFile</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Этап</translation>
    </message>
    <message>
        <source>specify</source>
        <translation>уточнить</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Метка</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation>Ключевое слово</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Hardcopy</source>
        <translation>Печатная копия</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Подпись</translation>
    </message>
</context>
<context>
    <name>PhotoBox</name>
    <message>
        <source>Which</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>water,sky,land,flora,fauna,humans,build,wheel,item</source>
        <translation>вода,небо,земля,флора,фауна,люди,постройки,транспорт,предметы</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>inside,outside</source>
        <translation>в помещении,на улице</translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation>Время суток</translation>
    </message>
    <message>
        <source>night,morning,day,evening</source>
        <translation>ночь,утро,день,вечер</translation>
    </message>
    <message>
        <source>Season</source>
        <translation>Время года</translation>
    </message>
    <message>
        <source>winter,spring,summer,autumn</source>
        <translation>зима,весна,лето,осень</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Сюжет</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Способ съёмки</translation>
    </message>
    <message>
        <source>pose,reporting</source>
        <translation>постановка,репортаж</translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation>хроника</translation>
    </message>
    <message>
        <source>informative</source>
        <translation>информативное</translation>
    </message>
    <message>
        <source>event</source>
        <translation>событие</translation>
    </message>
    <message>
        <source>situation</source>
        <translation>ситуация</translation>
    </message>
    <message>
        <source>moment</source>
        <translation>момент</translation>
    </message>
    <message>
        <source>detail</source>
        <translation>деталь</translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation>живописное</translation>
    </message>
    <message>
        <source>composition</source>
        <translation>композиция</translation>
    </message>
    <message>
        <source>series</source>
        <translation>серия</translation>
    </message>
    <message>
        <source>essay</source>
        <translation>эссе</translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation>пусто_A</translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation>пусто_B</translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation>пусто_C</translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation>пусто_D</translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation>пусто_E</translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation>пусто_F</translation>
    </message>
</context>
<context>
    <name>PreviewFollows</name>
    <message>
        <source>Preview follows the current object</source>
        <translation>Просмотр следует за текущим объектом</translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Tessary keeps a personal media collection under control: photos, books, video clips and music.</source>
        <translation>Tessary держит под контролем личную медиаколлекцию: фотографии, книги, видеоклипы и музыку.</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>настройки</translation>
    </message>
    <message>
        <source>The settings file to work with, or a folder ending in &quot;/&quot; that holds &quot;tessary.ini&quot;. Without it the settings are kept in %1.</source>
        <translation>Файл настроек для работы или папка с «tessary.ini», имя которой оканчивается на «/». Без него настройки хранятся в %1.</translation>
    </message>
    <message>
        <source>[settings]</source>
        <translation>[настройки]</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>Показать справку.</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>Показать версию.</translation>
    </message>
</context>
<context>
    <name>ResembleDialog</name>
    <message>
        <source>associate with %1 following remarks</source>
        <translation>связан со следующими ремарками: %1</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Убрать</translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Unique</source>
        <translation>&amp;Отделить</translation>
    </message>
    <message>
        <source>&amp;Return back</source>
        <translation>&amp;Вернуть обратно</translation>
    </message>
    <message>
        <source>All &amp;unique</source>
        <translation>Отделить &amp;всех</translation>
    </message>
    <message>
        <source>&amp;Return all</source>
        <translation>&amp;Вернуть всех</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The groups could not be stored in:
%1
Nothing was changed.</source>
        <translation>Группы не удалось сохранить в:
%1
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation>Не удаётся запустить программу просмотра:
%1</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Apply the changes to the groups?</source>
        <translation>Применить изменения групп?</translation>
    </message>
    <message>
        <source>Apply the changes to %1?</source>
        <translation>Применить изменения к %1?</translation>
    </message>
</context>
<context>
    <name>ResembleDialogGUI</name>
    <message>
        <source>Resemble</source>
        <translation>Похожие</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>No selections...</source>
        <translation>Ничего не выбрано...</translation>
    </message>
    <message>
        <source>Current prime:</source>
        <translation>Текущий главный:</translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Unique</source>
        <translation>&amp;Отделить</translation>
    </message>
    <message>
        <source>Change prime</source>
        <translation>Сменить главный</translation>
    </message>
    <message>
        <source>Status of progress...</source>
        <translation>Ход выполнения...</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Применить</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>&lt;b&gt;empty&lt;/b&gt;</source>
        <translation>&lt;b&gt;пусто&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;not empty&lt;/b&gt; / existing files: </source>
        <translation>&lt;b&gt;не пусто&lt;/b&gt; / имеющихся файлов: </translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>%1 files of the destination folder cannot be removed.</source>
        <translation>Файлов папки назначения, которые не удалось удалить: %1.</translation>
    </message>
    <message>
        <source>%1 of %2 objects were not restored: a file of the same name is already in the destination folder, or the copy failed. See the log.</source>
        <translation>Не восстановлено объектов: %1 из %2: файл с таким именем уже есть в папке назначения, или копирование не удалось. Подробности в журнале.</translation>
    </message>
    <message>
        <source>The hardcopy counts cannot be written to the catalogue.</source>
        <translation>Число отпечатков не удалось записать в каталог.</translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Вопрос</translation>
    </message>
    <message>
        <source>Remove %1 files from the folder
%2?
Sub-folders stay.</source>
        <translation>Удалить файлы (%1) из папки
%2?
Вложенные папки останутся.</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>No file of the folder
%1
is to be removed.</source>
        <translation>В папке
%1
нечего удалять.</translation>
    </message>
</context>
<context>
    <name>RestoreDialogGUI</name>
    <message>
        <source>Restoring</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите, пожалуйста...</translation>
    </message>
    <message>
        <source>No selections...</source>
        <translation>Ничего не выбрано...</translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation>Назначение:</translation>
    </message>
    <message>
        <source>Dest &amp;clear...</source>
        <translation>&amp;Очистить назначение...</translation>
    </message>
    <message>
        <source>Destination status:</source>
        <translation>Состояние назначения:</translation>
    </message>
    <message>
        <source>Selected files:</source>
        <translation>Выбрано файлов:</translation>
    </message>
    <message>
        <source>Mb</source>
        <translation>Мб</translation>
    </message>
    <message>
        <source>Current remark:</source>
        <translation>Текущая ремарка:</translation>
    </message>
    <message>
        <source>Restored files:</source>
        <translation>Восстановлено файлов:</translation>
    </message>
    <message>
        <source>Remain files:</source>
        <translation>Осталось файлов:</translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation>Затраченное время:</translation>
    </message>
    <message>
        <source>Use &amp;original filename</source>
        <translation>Использовать &amp;исходное имя файла</translation>
    </message>
    <message>
        <source>Status of progress...</source>
        <translation>Ход выполнения...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
</context>
<context>
    <name>RestoreEditDialog</name>
    <message>
        <source>For editing</source>
        <translation>Для редактирования</translation>
    </message>
    <message>
        <source>Remove %1 unchanged copies restored for editing from the folder
%2?
%3
Edited copies and all other files stay.</source>
        <translation>Удалить %1 неизменённых копий, восстановленных для редактирования, из папки
%2?
%3
Изменённые копии и все остальные файлы останутся.</translation>
    </message>
</context>
<context>
    <name>RestoreOtherDialog</name>
    <message>
        <source>For following usage</source>
        <translation>Для дальнейшего использования</translation>
    </message>
    <message>
        <source>Write the &amp;description into the copies</source>
        <translation>Записать &amp;описание в копии</translation>
    </message>
    <message>
        <source>exiftool cannot be found: the extractor of the settings is no exiftool and there is none on the search path, so the copies stay plain.</source>
        <translation>exiftool не найден: программа извлечения метаданных в настройках — не exiftool, и в путях поиска его нет, поэтому копии остаются без описания.</translation>
    </message>
    <message>
        <source>Keywords, title, author, date and remark go into each copy as XMP (and IPTC for JPEG), or into a sidecar file beside it, with %1.</source>
        <translation>Ключевые слова, название, автор, дата и метка записываются в каждую копию как XMP (и IPTC для JPEG) или в сопроводительный файл рядом с ней с помощью %1.</translation>
    </message>
    <message>
        <source>%1 of %2 copies carry their description (%3 in a sidecar)</source>
        <translation>Описание есть у %1 из %2 копий (%3 в сопроводительном файле)</translation>
    </message>
</context>
<context>
    <name>RestorePrintDialog</name>
    <message>
        <source>For printing</source>
        <translation>Для печати</translation>
    </message>
    <message>
        <source>Ma&amp;ke labels</source>
        <translation>Создать &amp;метки</translation>
    </message>
    <message>
        <source>B&amp;urn CD</source>
        <translation>&amp;Записать CD</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The labels file cannot be written:
%1</source>
        <translation>Файл меток не удалось записать:
%1</translation>
    </message>
    <message>
        <source>Burning... </source>
        <translation>Запись... </translation>
    </message>
    <message>
        <source>The burning process is complete</source>
        <translation>Процесс записи завершён</translation>
    </message>
    <message>
        <source>The burning process cannot be started...</source>
        <translation>Процесс записи не может быть запущен...</translation>
    </message>
    <message>
        <source>The burning process ended with an error (exit code %1)</source>
        <translation>Процесс записи завершился с ошибкой (код завершения %1)</translation>
    </message>
    <message>
        <source>Insert disk in CDROM drive and press button...</source>
        <translation>Вставьте диск в привод CD-ROM и нажмите кнопку...</translation>
    </message>
</context>
<context>
    <name>RestoreRun</name>
    <message>
        <source>(!) The hardcopy counts cannot be stored</source>
        <translation>(!) Число отпечатков не удалось сохранить</translation>
    </message>
    <message>
        <source>(!) Not restored: %1 of %2</source>
        <translation>(!) Не восстановлено: %1 из %2</translation>
    </message>
    <message>
        <source>(!) Not copied, the destination exists: %1 to %2</source>
        <translation>(!) Не скопировано, файл назначения уже есть: %1 в %2</translation>
    </message>
    <message>
        <source>(!) Cannot copy %1 to %2</source>
        <translation>(!) Не удалось скопировать %1 в %2</translation>
    </message>
    <message>
        <source>(!) description not written: %1: %2</source>
        <translation>(!) описание не записано: %1: %2</translation>
    </message>
    <message>
        <source>Description embedded in %1</source>
        <translation>Описание записано в %1</translation>
    </message>
    <message>
        <source>Description in the sidecar %1</source>
        <translation>Описание в сопроводительном файле %1</translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation>Программа просмотра не запускается:
%1</translation>
    </message>
    <message>
        <source>Selected list is very big. The output will be truncated...</source>
        <translation>Выбранный список очень велик. Вывод будет сокращён...</translation>
    </message>
    <message>
        <source>The template %1 cannot be stored.</source>
        <translation>Шаблон %1 не удаётся сохранить.</translation>
    </message>
</context>
<context>
    <name>SearchDialogGUI</name>
    <message>
        <source>Dialogue</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>Box is empty...</source>
        <translation>Коробка пуста...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>anonymous</source>
        <translation>anonymous</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>New stage</source>
        <translation>Новый этап</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Add a stage whose result joins the others</source>
        <translation>Добавить этап, результат которого присоединится к остальным</translation>
    </message>
    <message>
        <source>Stage</source>
        <translation>Этап</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>PgDown</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>PgUp</translation>
    </message>
    <message>
        <source>Delete stage</source>
        <translation>Удалить этап</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Store...</source>
        <translation>Сохранить...</translation>
    </message>
</context>
<context>
    <name>SelectionFrame</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;С</translation>
    </message>
    <message>
        <source>&amp;Before</source>
        <translation>&amp;По</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Объекты</translation>
    </message>
    <message>
        <source>Time length</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation>Аннотация</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Не учитывать</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Присутствует</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>Present and major</source>
        <translation>Присутствует и главное</translation>
    </message>
    <message>
        <source>Present, but not major</source>
        <translation>Присутствует, но не главное</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Return previous result, because of search list is empty...</source>
        <translation>Возвращён прежний результат, так как поиск ничего не нашёл...</translation>
    </message>
</context>
<context>
    <name>SelectionFrameGUI</name>
    <message>
        <source>&amp;Remark</source>
        <translation>&amp;Ремарка</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>List of remarks</source>
        <translation>Список ремарок</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Обратить</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>О&amp;чистить</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>У&amp;брать</translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation>&amp;Категория</translation>
    </message>
    <message>
        <source>&amp;Which</source>
        <translation>&amp;Что</translation>
    </message>
    <message>
        <source>Whe&amp;re</source>
        <translation>&amp;Где</translation>
    </message>
    <message>
        <source>M&amp;ethod</source>
        <translation>&amp;Метод</translation>
    </message>
    <message>
        <source>&amp;Daytime</source>
        <translation>&amp;Время суток</translation>
    </message>
    <message>
        <source>&amp;Season</source>
        <translation>С&amp;езон</translation>
    </message>
    <message>
        <source>Pi&amp;cture</source>
        <translation>&amp;Снимок</translation>
    </message>
    <message>
        <source>&amp;Keyword</source>
        <translation>Ключевое &amp;слово</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Present</source>
        <translation>Присутствует</translation>
    </message>
    <message>
        <source>Absent</source>
        <translation>Отсутствует</translation>
    </message>
    <message>
        <source>Present words</source>
        <translation>Присутствующие слова</translation>
    </message>
    <message>
        <source>Absent words</source>
        <translation>Отсутствующие слова</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Убрать</translation>
    </message>
    <message>
        <source>List of words</source>
        <translation>Список слов</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Дата</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;С</translation>
    </message>
    <message>
        <source>&amp;Before</source>
        <translation>&amp;По</translation>
    </message>
    <message>
        <source>List of dates</source>
        <translation>Список дат</translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation>С&amp;еанс</translation>
    </message>
    <message>
        <source>&amp;Annotation filter:</source>
        <translation>&amp;Фильтр аннотаций:</translation>
    </message>
    <message>
        <source>Cl&amp;ear filter</source>
        <translation>Сбросить &amp;фильтр</translation>
    </message>
    <message>
        <source>&amp;Hardcopy</source>
        <translation>&amp;Отпечаток</translation>
    </message>
    <message>
        <source>Be available</source>
        <translation>Имеется</translation>
    </message>
    <message>
        <source>Not available</source>
        <translation>Не имеется</translation>
    </message>
    <message>
        <source>Cap&amp;tion</source>
        <translation>&amp;Подпись</translation>
    </message>
    <message>
        <source>List of captions</source>
        <translation>Список подписей</translation>
    </message>
    <message>
        <source>Status of process...</source>
        <translation>Ход процесса...</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Objects found:</source>
        <translation>Найдено объектов:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Read the settings...</source>
        <translation>Чтение настроек...</translation>
    </message>
    <message>
        <source>Loading languages...</source>
        <translation>Загрузка языков...</translation>
    </message>
    <message>
        <source>Cannot access the file</source>
        <translation>Нет доступа к файлу</translation>
    </message>
    <message>
        <source>Error in the configuration file</source>
        <translation>Ошибка в файле конфигурации</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Загрузка...</translation>
    </message>
    <message>
        <source>Tessary is ready...</source>
        <translation>Tessary готов к работе...</translation>
    </message>
    <message>
        <source>Creating Tessary cancelled...</source>
        <translation>Создание Tessary отменено...</translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Selected list is very big. The output will be truncated...</source>
        <translation>Выбранный список очень велик. Вывод будет сокращён...</translation>
    </message>
</context>
<context>
    <name>TemplateDialogGUI</name>
    <message>
        <source>Template</source>
        <translation>Шаблон</translation>
    </message>
    <message>
        <source>Box is empty...</source>
        <translation>Коробка пуста...</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
    <message>
        <source>Templates not found...</source>
        <translation>Шаблоны не найдены...</translation>
    </message>
    <message>
        <source>Catalogue:</source>
        <translation>Каталог:</translation>
    </message>
    <message>
        <source>Stages:</source>
        <translation>Этапы:</translation>
    </message>
    <message>
        <source>Status of process...</source>
        <translation>Ход процесса...</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Be limited to alread&amp;y selected</source>
        <translation>Только среди уже &amp;выбранных</translation>
    </message>
    <message>
        <source>Objects found:</source>
        <translation>Найдено объектов:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
</context>
<context>
    <name>Tessary</name>
    <message>
        <source>Directory &apos;%1&apos;
 cannot be created...</source>
        <translation>Каталог &apos;%1&apos;
 не может быть создан...</translation>
    </message>
    <message>
        <source>File &apos;%1&apos;
 cannot be created...</source>
        <translation>Файл &apos;%1&apos;
 не может быть создан...</translation>
    </message>
    <message>
        <source>Tessary is ready...</source>
        <translation>Tessary готов к работе...</translation>
    </message>
    <message>
        <source>The operation mode is switched to work with photos</source>
        <translation>Режим работы переключён на фотографии</translation>
    </message>
    <message>
        <source>The operation mode is switched to work with books</source>
        <translation>Режим работы переключён на книги</translation>
    </message>
    <message>
        <source>The operation mode is switched to work with clips</source>
        <translation>Режим работы переключён на видеоклипы</translation>
    </message>
    <message>
        <source>The operation mode is switched to work with musics</source>
        <translation>Режим работы переключён на музыку</translation>
    </message>
</context>
<context>
    <name>VerifyDialog</name>
    <message>
        <source>all</source>
        <translation>всё</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>в порядке</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>внимание</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>copying is successful complete</source>
        <translation>копирование успешно завершено</translation>
    </message>
    <message>
        <source>Do not create backup folder</source>
        <translation>Не удалось создать папку резервной копии</translation>
    </message>
    <message>
        <source>do not create folder</source>
        <translation>не удалось создать папку</translation>
    </message>
    <message>
        <source>copying is not complete</source>
        <translation>копирование не завершено</translation>
    </message>
    <message>
        <source>create</source>
        <translation>создание</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>копирование</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Objects to repair from the backup copy: %1. The damaged files are kept in the folder &quot;_bad&quot; of the base folder. Repair them now?</source>
        <translation>Объектов для восстановления из резервной копии: %1. Повреждённые файлы сохраняются в папке &quot;_bad&quot; базовой папки. Восстановить их сейчас?</translation>
    </message>
    <message>
        <source>repairing %1 of %2</source>
        <translation>восстановление %1 из %2</translation>
    </message>
    <message>
        <source>%1 repaired, %2 not repaired</source>
        <translation>восстановлено: %1, не восстановлено: %2</translation>
    </message>
    <message>
        <source>and %1 more findings of this kind, listed in the file %2</source>
        <translation>и ещё находок этого вида: %1, они перечислены в файле %2</translation>
    </message>
</context>
<context>
    <name>VerifyDialogGUI</name>
    <message>
        <source>Verify</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Пожалуйста, подождите...</translation>
    </message>
    <message>
        <source>Scan ...</source>
        <translation>Сканирование ...</translation>
    </message>
    <message>
        <source>Results of the check:</source>
        <translation>Результаты проверки:</translation>
    </message>
    <message>
        <source>Session file:</source>
        <translation>Файл сессий:</translation>
    </message>
    <message>
        <source>Keyword file:</source>
        <translation>Файл ключевых слов:</translation>
    </message>
    <message>
        <source>ABC files:</source>
        <translation>Файлы ABC:</translation>
    </message>
    <message>
        <source>Subject files:</source>
        <translation>Файлы объектов:</translation>
    </message>
    <message>
        <source>Copying files to backup</source>
        <translation>Копирование файлов в резервную копию</translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation>Папка резервной копии:</translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Начать</translation>
    </message>
    <message>
        <source>Backup copy:</source>
        <translation>Резервная копия:</translation>
    </message>
    <message>
        <source>Check the &amp;backup copy</source>
        <translation>Проверить &amp;резервную копию</translation>
    </message>
    <message>
        <source>&amp;Repair from backup</source>
        <translation>&amp;Восстановить из резервной копии</translation>
    </message>
</context>
<context>
    <name>VerifyRun</name>
    <message>
        <source>ok</source>
        <translation>в порядке</translation>
    </message>
    <message>
        <source>caution</source>
        <translation>внимание</translation>
    </message>
    <message>
        <source>Session %1: </source>
        <translation>Сессия %1: </translation>
    </message>
    <message>
        <source>is absent</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>is nonunique</source>
        <translation>не уникален</translation>
    </message>
    <message>
        <source>multiple use</source>
        <translation>использован несколько раз</translation>
    </message>
    <message>
        <source>not belong</source>
        <translation>не принадлежит этой папке</translation>
    </message>
    <message>
        <source>linked file is absent</source>
        <translation>связанный файл отсутствует</translation>
    </message>
    <message>
        <source>checksum wrong</source>
        <translation>контрольная сумма неверна</translation>
    </message>
    <message>
        <source>date is wrong</source>
        <translation>дата неверна</translation>
    </message>
    <message>
        <source>index of keyword &apos;%1&apos; is unknown</source>
        <translation>индекс ключевого слова &apos;%1&apos; неизвестен</translation>
    </message>
    <message>
        <source>resembling remark is wrong</source>
        <translation>ссылка на похожий объект неверна</translation>
    </message>
    <message>
        <source>resembling remark is not a prime</source>
        <translation>ссылка на похожий объект указывает не на главный</translation>
    </message>
    <message>
        <source>All files is accurate</source>
        <translation>Все файлы в порядке</translation>
    </message>
    <message>
        <source>File &lt;b&gt;%1&lt;/b&gt;:</source>
        <translation>Файл &lt;b&gt;%1&lt;/b&gt;:</translation>
    </message>
    <message>
        <source>is odd</source>
        <translation>лишний</translation>
    </message>
</context>
<context>
    <name>WithoutCategoryDialog</name>
    <message>
        <source>Without category</source>
        <translation>Без категории</translation>
    </message>
</context>
<context>
    <name>WithoutKeywordDialog</name>
    <message>
        <source>Without keywords</source>
        <translation>Без ключевых слов</translation>
    </message>
</context>
<context>
    <name>WithoutTitleDialog</name>
    <message>
        <source>Without caption</source>
        <translation>Без подписи</translation>
    </message>
</context>
</TS>
