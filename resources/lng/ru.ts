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
        <source>An interrupted arrangement cannot be finished, so no file is placed. The log tells what stands in the way.</source>
        <translation>Прерванную раскладку нельзя завершить, поэтому ни один файл не размещён. В журнале сказано, что мешает.</translation>
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
        <source>(!) Taken back: %1</source>
        <translation>(!) Возвращено: %1</translation>
    </message>
    <message>
        <source>(!) Removed source file %1, it is in the box as %2</source>
        <translation>(!) Удалён исходный файл %1, он уже в хранилище как %2</translation>
    </message>
    <message>
        <source>(!) Put back into the source folder: %1</source>
        <translation>(!) Возвращён в исходную папку: %1</translation>
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
    <name>BoxSelectGUI</name>
    <message>
        <source>The program is in mode image processing</source>
        <translation>Программа в режиме обработки изображений</translation>
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
</TS>
