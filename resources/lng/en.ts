<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Arrangement</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue file
%1
cannot be written. The files meant for it stay in the source folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrangement cannot start.
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arrangement cannot start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source folder &quot;%1&quot; is not found in the base folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The session file &quot;%1&quot; is not found in the base folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log file &quot;%1&quot; is not found in the base folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No session number is left: the session file
%1
already holds the largest number, %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An interrupted arrangement cannot be finished, so no file is placed. The log tells what stands in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files to remove from the source folder: %1. The box already holds the same content. Remove them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed since, left: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArrangementDialogGUI</name>
    <message>
        <source>Arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annotation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching files in source folder ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found various files in source folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching vacant space and duplicate files ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and duplicate files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrangement new files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resembling update:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total new files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>          added:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>          remains:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity before:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity after:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unreadable file names:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &amp;duplicates from the source folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ArrangementRun</name>
    <message>
        <source>Total sessions: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current session number: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found %1 files: %2 new files and %3 duplicate files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not use entry file : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Duplicate file %1 and %2 ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not make folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not use entry file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Copy %1 to %2 (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Try is not success...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not store entry file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not remove source file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Not stored, the file stays in the source folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not record session %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Box is full...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New files added to the box: %1 (Total: %2, remains: %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not remove file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not sync folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The interrupted arrangement cannot be finished, no file is placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The name of this file cannot be read, it stays in the source folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The journal %1 cannot be written, no file is placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The place %1 holds a file that no entry names, another place is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The file changed while it was read, it stays in the source folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not read file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The arrangement of session %1 was interrupted, it is finished first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Interrupted arrangement: %1 files placed, %2 taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Put back into the source folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Taken back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Removed source file %1, it is in the box as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Can not sync file %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BookBox</name>
    <message>
        <source>Home country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>native,foreign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other,antique,classic,modern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auditory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>all,baby,youth,grownup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>prose,poesy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popular_science</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>periodical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>educational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>technical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folklore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adventure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxInfoGUI</name>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of sessions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last session:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of remarks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of templates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of albums:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reliability:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without category:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(actuality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without keywords:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>without caption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About sessions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoxSelectGUI</name>
    <message>
        <source>The program is in mode image processing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BurnRun</name>
    <message>
        <source>(!) The burning process was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The burning process cannot be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) The burner crashed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burner exit code: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Category</name>
    <message>
        <source>water</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>land</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fauna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>humans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>morning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>summer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>informative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>situation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>composition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>essay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WhichMain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClipBox</name>
    <message>
        <source>Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water,sky,land,flora,fauna,humans,build,wheel,item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inside,outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night,morning,day,evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winter,spring,summer,autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pose,reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_N</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescribeDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The descriptions could not be stored in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A keyword cannot contain &quot;~&quot; or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyword &quot;%1&quot; cannot be added to the vocabulary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The synonym &quot;%1&quot; cannot be added to the vocabulary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The descriptions could not be stored in:
%1
They stay applied and are stored again on saving or closing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Remark&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%1&lt;/td&gt; &lt;/tr&gt; &lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Caption&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%2&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Date&lt;/b&gt;      &lt;/td&gt; &lt;td&gt;%3&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Category&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%4&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Keyword&lt;/b&gt;   &lt;/td&gt; &lt;td&gt;%5&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Hardcopy&lt;/b&gt;  &lt;/td&gt; &lt;td&gt;%6&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;&lt;hr /&gt;&lt;table&gt;&lt;tr&gt; &lt;td width = 120&gt; &lt;b&gt;Session&lt;/b&gt; &lt;/td&gt; &lt;td&gt;%7&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Original name&lt;/b&gt;       &lt;/td&gt; &lt;td&gt;%8&lt;/td&gt; &lt;/tr&gt;&lt;tr&gt; &lt;td&gt; &lt;b&gt;Checksum&lt;/b&gt;            &lt;/td&gt; &lt;td&gt;%9&lt;/td&gt; &lt;/tr&gt;&lt;/table&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DescribeDialogGUI</name>
    <message>
        <source>Fill selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of which corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and uncorrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncorrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Categ&amp;ory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ori&amp;ginal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ke&amp;yword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synony&amp;m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capt&amp;ion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;uthor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hardcopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change count of hardcopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of ha&amp;rdcopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply changes &amp;&amp; saving immediately...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;pply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The present program cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DisplayDialogGUI</name>
    <message>
        <source>Lists to display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playlist name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total playlists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstDialog</name>
    <message>
        <source>Detect removable devices... complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device not detected...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device is empty...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected list is very big. Displaying is restrict...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list for the preview cannot be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the files on the devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying selected files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in box as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejected before (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied before (%1), not in box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be read...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of files seen cannot be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstDialogGUI</name>
    <message>
        <source>First preparation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect removable devices...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-selected files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying selected files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found files on removable devices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files selected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files copied in the source folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already in the box:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rejected before:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstTable</name>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Warning: Change requires restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path to Tessary was changed. To work with the new directory, you must restart the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get under control...&lt;ul&gt;&lt;li&gt;photos&lt;/li&gt;&lt;li&gt;books&lt;/li&gt;&lt;li&gt;video clips&lt;/li&gt;&lt;li&gt;musics &lt;/li&gt;&lt;/ul&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... it is possible now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit from Tessary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting the program parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish the work and close the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start working with image collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start working with book library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start working with a film library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start working with a music box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer files from media and their rejection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placement of files in the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select objects using the dialog box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select objects using the existing templates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the objects that have not been filled category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the objects that have no keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select objects untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show selected objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add similar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a group of similar objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return the selected objects for editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return the selected objects to print them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For following usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return the selected objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write a description of the object completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Define the category of the object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a list of keywords for the object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the box for any errors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information about the content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ource</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Action on selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current work is not finished yet. Please wait until it ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MetadataWriter</name>
    <message>
        <source>exiftool cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool stopped answering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool does not tell which formats it writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of that name is already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the copy is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file of the sidecar&apos;s name is already there: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the argument file for exiftool cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool cannot be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool ended before this copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool says: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 reads back different</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plain copy cannot be made either</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plain copy cannot be made again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirrorCheck</name>
    <message>
        <source>the backup folder cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup copy is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup copy cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup copy checksum wrong, the next backup replaces it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box copy checksum wrong, it can be repaired from the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box copy is absent, it can be restored from the backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both copies disagree with the entry, both copies agree with each other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both copies disagree with the entry, unrecoverable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup copy differs from the box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not in the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more findings of this kind, listed in the log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MusicBox</name>
    <message>
        <source>Home country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>native,foreign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perfomance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank,instrumental,vocal,mixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of performer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank,solo,small,great</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jazz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>electronic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dancing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MySetDialog</name>
    <message>
        <source>Tessary settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to Tessar&amp;y directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predefine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path to ba&amp;ckup directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application for b&amp;urn CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application for extract &amp;timestamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path must be absolute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder cannot be created:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MySetTab</name>
    <message>
        <source>Extensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My categories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editing mod&amp;e:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predefine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assistance programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previe&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;sentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>informative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>situation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>composition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>essay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popular_science</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>periodical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>educational</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>technical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folklore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fantasy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detective</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adventure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>art</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>folk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>baby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jazz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>electronic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dancing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_J</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyTmpFile</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>specify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardcopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoBox</name>
    <message>
        <source>Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>water,sky,land,flora,fauna,humans,build,wheel,item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inside,outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daytime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>night,morning,day,evening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>winter,spring,summer,autumn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pose,reporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chronicle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>informative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>situation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>detail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pictorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>composition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>essay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty_F</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewFollows</name>
    <message>
        <source>Preview follows the current object</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramOptions</name>
    <message>
        <source>Tessary keeps a personal media collection under control: photos, books, video clips and music.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file to work with, or a folder ending in &quot;/&quot; that holds &quot;tessary.ini&quot;. Without it the settings are kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[settings]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResembleDialog</name>
    <message>
        <source>associate with %1 following remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All &amp;unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The groups could not be stored in:
%1
Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the changes to the groups?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply the changes to %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResembleDialogGUI</name>
    <message>
        <source>Resemble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selections...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current prime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Unique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change prime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>&lt;b&gt;empty&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;not empty&lt;/b&gt; / existing files: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files of the destination folder cannot be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 objects were not restored: a file of the same name is already in the destination folder, or the copy failed. See the log.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hardcopy counts cannot be written to the catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 files from the folder
%2?
Sub-folders stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file of the folder
%1
is to be removed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreDialogGUI</name>
    <message>
        <source>Restoring</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selections...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dest &amp;clear...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Destination status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current remark:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remain files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &amp;original filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreEditDialog</name>
    <message>
        <source>For editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1 unchanged copies restored for editing from the folder
%2?
%3
Edited copies and all other files stay.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreOtherDialog</name>
    <message>
        <source>For following usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the &amp;description into the copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exiftool cannot be found: the extractor of the settings is no exiftool and there is none on the search path, so the copies stay plain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords, title, author, date and remark go into each copy as XMP (and IPTC for JPEG), or into a sidecar file beside it, with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 copies carry their description (%3 in a sidecar)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestorePrintDialog</name>
    <message>
        <source>For printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ke labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;urn CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The labels file cannot be written:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning... </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The burning process is complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The burning process cannot be started...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The burning process ended with an error (exit code %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert disk in CDROM drive and press button...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreRun</name>
    <message>
        <source>(!) The hardcopy counts cannot be stored</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Not restored: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Not copied, the destination exists: %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Cannot copy %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) description not written: %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description embedded in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description in the sidecar %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchDialog</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview program cannot be started:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected list is very big. The output will be truncated...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The template %1 cannot be stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchDialogGUI</name>
    <message>
        <source>Dialogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box is empty...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>anonymous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a stage whose result joins the others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionFrame</name>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present and major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present, but not major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return previous result, because of search list is empty...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionFrameGUI</name>
    <message>
        <source>&amp;Remark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of remarks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Category</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Which</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whe&amp;re</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;ethod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Daytime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Season</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pi&amp;cture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Absent words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Annotation filter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hardcopy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cap&amp;tion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List of captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of process...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>Read the settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading languages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot access the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in the configuration file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary is ready...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creating Tessary cancelled...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateDialog</name>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected list is very big. The output will be truncated...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TemplateDialogGUI</name>
    <message>
        <source>Template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box is empty...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Templates not found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status of process...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Be limited to alread&amp;y selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects found:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tessary</name>
    <message>
        <source>Directory &apos;%1&apos;
 cannot be created...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos;
 cannot be created...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary is ready...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation mode is switched to work with photos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation mode is switched to work with books</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation mode is switched to work with clips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation mode is switched to work with musics</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyDialog</name>
    <message>
        <source>all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copying is successful complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not create backup folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do not create folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copying is not complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Objects to repair from the backup copy: %1. The damaged files are kept in the folder &quot;_bad&quot; of the base folder. Repair them now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repairing %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 repaired, %2 not repaired</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more findings of this kind, listed in the file %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyDialogGUI</name>
    <message>
        <source>Verify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results of the check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyword file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABC files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying files to backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup copy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the &amp;backup copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Repair from backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VerifyRun</name>
    <message>
        <source>ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session %1: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is nonunique</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>multiple use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not belong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linked file is absent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>checksum wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index of keyword &apos;%1&apos; is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resembling remark is wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resembling remark is not a prime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files is accurate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &lt;b&gt;%1&lt;/b&gt;:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is odd</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WithoutCategoryDialog</name>
    <message>
        <source>Without category</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WithoutKeywordDialog</name>
    <message>
        <source>Without keywords</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WithoutTitleDialog</name>
    <message>
        <source>Without caption</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
