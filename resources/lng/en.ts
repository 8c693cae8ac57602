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
        <source>An interrupted arrangement cannot be finished, so no file is placed. The log tells what stands in the way.</source>
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
        <source>(!) Taken back: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Removed source file %1, it is in the box as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(!) Put back into the source folder: %1</source>
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
    <name>BoxSelectGUI</name>
    <message>
        <source>The program is in mode image processing</source>
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
</TS>
