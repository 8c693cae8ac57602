<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Folianto</name>
    <message>
        <source>Folianto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Author</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open book</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>folianto::MainWindow</name>
    <message>
        <source>Cannot start </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
