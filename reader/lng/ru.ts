<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Folianto</name>
    <message>
        <source>Folianto</source>
        <translation>Folianto</translation>
    </message>
    <message>
        <source>Nothing...</source>
        <translation>Ничего нет...</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>Книги</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>&amp;Go back</source>
        <translation>&amp;Вернуться</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Вернуться</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>&amp;Close book</source>
        <translation>&amp;Закрыть книгу</translation>
    </message>
    <message>
        <source>Close book</source>
        <translation>Закрыть книгу</translation>
    </message>
    <message>
        <source>&amp;Open book</source>
        <translation>&amp;Открыть книгу</translation>
    </message>
    <message>
        <source>Open book</source>
        <translation>Открыть книгу</translation>
    </message>
</context>
<context>
    <name>folianto::MainWindow</name>
    <message>
        <source>Cannot start </source>
        <translation>Не удаётся запустить </translation>
    </message>
</context>
</TS>
