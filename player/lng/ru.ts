<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Cantrel</name>
    <message>
        <source>Cantrel</source>
        <translation>Cantrel</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Elapse</source>
        <translation>Прошло</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Осталось</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>End</source>
        <translation>В конец</translation>
    </message>
</context>
<context>
    <name>cantrel::MainWindow</name>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Use &apos;%1&apos; text codec</source>
        <translation>Кодировка текста &apos;%1&apos;</translation>
    </message>
    <message>
        <source>MPlayer not found: </source>
        <translation>MPlayer не найден: </translation>
    </message>
    <message>
        <source>MPlayer ended at once: </source>
        <translation>MPlayer сразу завершился: </translation>
    </message>
</context>
</TS>
