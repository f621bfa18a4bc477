<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Assist</name>
    <message>
        <location filename="../src/assist/assist.cpp" line="+19"/>
        <source>Arrange Pieces</source>
        <translation>Teile anordnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gather Edge Pieces</source>
        <translation>Randteile sammeln</translation>
    </message>
    <message>
        <location filename="../src/assist/progress.cpp" line="+21"/>
        <source>Complete · </source>
        <translation>Fertig · </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of %2 placed · %3</source>
        <translation>%1 von %2 gelegt · %3</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../src/game/command_line.cpp" line="+16"/>
        <source>A jigsaw puzzle game: cuts a picture into shaped pieces to put together again.</source>
        <translation>Ein Puzzlespiel: zerschneidet ein Bild in geformte Teile, die wieder zusammengesetzt werden.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A saved game (.psf) or a picture to open.</source>
        <translation>Ein gespeichertes Spiel (.psf) oder ein Bild zum Öffnen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <location filename="../src/game/game.cpp" line="+31"/>
        <source>The settings could not be saved to &quot;%1&quot;: %2. Your changes stay in effect and are saved again with the next change of a setting.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Ihre Änderungen bleiben wirksam und werden bei der nächsten Änderung einer Einstellung erneut gespeichert.</translation>
    </message>
    <message>
        <location filename="../src/game/game.h" line="+38"/>
        <source>Supported Graphic Files|*.bmp;*.jpg;*.gif|Puzzle State Files|*.psf</source>
        <extracomment>The file dialog&apos;s filter: a name, then its patterns after &quot;|&quot;, which stay as they are.</extracomment>
        <translation>Unterstützte Bilddateien|*.bmp;*.jpg;*.gif|Spielstand-Dateien|*.psf</translation>
    </message>
    <message>
        <location filename="../src/game/game_best_times.cpp" line="+25"/>
        <source>The best times could not be read from &quot;%1&quot;: %2.</source>
        <translation>Die Bestzeiten konnten nicht aus „%1“ gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Some of the best times in &quot;%1&quot; could not be read. The entries that could be read are kept%2.</source>
        <translation>Einige Bestzeiten in „%1“ konnten nicht gelesen werden. Die lesbaren Einträge bleiben erhalten%2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, and the file is copied to &quot;%1&quot;</source>
        <translation>, und die Datei wurde nach „%1“ kopiert</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>The best times could not be saved to &quot;%1&quot;: %2. They are kept and saved again after the next placing.</source>
        <translation>Die Bestzeiten konnten nicht in „%1“ gespeichert werden: %2. Sie bleiben erhalten und werden nach dem nächsten gelegten Teil erneut gespeichert.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>You have achieved a new best time, please enter you name.</source>
        <translation>Sie haben eine neue Bestzeit erreicht. Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <location filename="../src/game/game_guard.cpp" line="+32"/>
        <source>an unexpected failure</source>
        <translation>ein unerwarteter Fehler</translation>
    </message>
    <message>
        <location line="+6"/>
        <location filename="../src/game/game_picture.cpp" line="+210"/>
        <source>The puzzle could not be cut: %1</source>
        <translation>Das Puzzle konnte nicht zerschnitten werden: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The game on the screen goes on.</source>
        <translation>Das Spiel auf dem Bildschirm geht weiter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../src/game/game_picture.cpp" line="-131"/>
        <location line="+132"/>
        <location line="+33"/>
        <source>Error:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <location filename="../src/game/game_picture.cpp" line="-215"/>
        <source>%1 pieces cannot be laid out</source>
        <translation>%1 Teile lassen sich nicht anordnen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 pieces (%2 x %3) do not fit: on this play field the picture gives each piece %4 x %5 pixels, and a piece needs at least %6 x %6</source>
        <translation>%1 Teile (%2 x %3) passen nicht: Auf diesem Spielfeld ergibt das Bild für jedes Teil %4 x %5 Pixel, ein Teil braucht aber mindestens %6 x %6</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Image must be at least 33 x 32 pixels</source>
        <translation>Das Bild muss mindestens 33 x 32 Pixel groß sein</translation>
    </message>
    <message>
        <location line="+164"/>
        <source>The preview could not be made: %1</source>
        <translation>Die Vorschau konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <location filename="../src/game/game_play.cpp" line="+28"/>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <location filename="../src/game/game_state_file.cpp" line="+25"/>
        <source>its picture &quot;%1&quot; %2</source>
        <translation>ihr Bild „%1“ %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>its picture &quot;%1&quot; is smaller than 33 x 33 pixels</source>
        <translation>ihr Bild „%1“ ist kleiner als 33 x 33 Pixel</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>it cannot be opened (%1)</source>
        <translation>sie kann nicht geöffnet werden (%1)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>it cannot be read (%1)</source>
        <translation>sie kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+23"/>
        <source>Puzzle State Files|*.psf</source>
        <translation>Spielstand-Dateien|*.psf</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>This game cannot be saved: %1.</source>
        <translation>Dieses Spiel kann nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>Save Puzzle State</source>
        <translation>Spielstand speichern</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>The puzzle state could not be saved to &quot;%1&quot;: %2. No file was changed.</source>
        <translation>Der Spielstand konnte nicht in „%1“ gespeichert werden: %2. Keine Datei wurde verändert.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The puzzle state file &quot;%1&quot; cannot be loaded: %2.</source>
        <translation>Die Spielstand-Datei „%1“ kann nicht geladen werden: %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The current game goes on unchanged.</source>
        <translation>Das aktuelle Spiel geht unverändert weiter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load Puzzle State</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>its pieces could not be cut</source>
        <translation>ihre Teile konnten nicht geschnitten werden</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>the puzzle could not be rebuilt from it (%1)</source>
        <translation>das Puzzle konnte daraus nicht wiederhergestellt werden (%1)</translation>
    </message>
</context>
<context>
    <name>GameHistory</name>
    <message>
        <location filename="../src/history/game_history.cpp" line="+151"/>
        <source>no file can be made there</source>
        <translation>dort kann keine Datei angelegt werden</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The game could not be kept in &quot;%1&quot;: %2. The game goes on and is kept again with its next change.</source>
        <translation>Das Spiel konnte nicht in „%1“ aufbewahrt werden: %2. Das Spiel geht weiter und wird bei seiner nächsten Änderung erneut aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>KeptGames</name>
    <message>
        <location filename="../src/history/kept_games.cpp" line="+52"/>
        <source>%1 - %2 of %3 placed - %4</source>
        <translation>%1 - %2 von %3 gelegt - %4</translation>
    </message>
</context>
<context>
    <name>Painting</name>
    <message>
        <location filename="../src/display/painting.cpp" line="+57"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <location filename="../src/display/picture_file.cpp" line="+27"/>
        <source>is too large (%1 x %2 pixels)</source>
        <translation>ist zu groß (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the picture &quot;%1&quot; %2</source>
        <translation>das Bild „%1“ %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+11"/>
        <source>cannot be read (%1)</source>
        <translation>kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>is too large for the memory left</source>
        <translation>ist zu groß für den verbleibenden Speicher</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <location filename="../src/persist/regular_file.cpp" line="+14"/>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <location filename="../src/puzzle/scramble.cpp" line="+15"/>
        <source>the number of pieces does not match the pieces of the puzzle</source>
        <translation>die Anzahl der Teile passt nicht zu den Teilen des Puzzles</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <location filename="../src/game/settings_store.cpp" line="+96"/>
        <source>its folder cannot be made</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>StateFile</name>
    <message>
        <location filename="../src/persist/state_file_check.cpp" line="+19"/>
        <source>pieces %1 and %2 disagree on whether they are joined</source>
        <translation>die Teile %1 und %2 sind sich uneinig, ob sie verbunden sind</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>pieces %1 and %2 are joined but lie in different groups</source>
        <translation>die Teile %1 und %2 sind verbunden, liegen aber in verschiedenen Gruppen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>top</source>
        <translation>oberen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bottom</source>
        <translation>unteren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>left</source>
        <translation>linken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>right</source>
        <translation>rechten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>piece %1 is joined on its %2 side, which is the border of the picture</source>
        <translation>Teil %1 ist an seiner %2 Seite verbunden, die der Rand des Bildes ist</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>piece %1 is neither in a group nor placed</source>
        <translation>Teil %1 ist weder in einer Gruppe noch gelegt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>piece %1 is listed %2 times among the groups and placed pieces</source>
        <translation>Teil %1 steht %2-mal unter den Gruppen und gelegten Teilen</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>piece %1 is listed in group slot %2 but names slot %3</source>
        <translation>Teil %1 steht in Gruppenplatz %2, nennt aber Platz %3</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>placed piece %1 names group slot %2 instead of 0</source>
        <translation>das gelegte Teil %1 nennt Gruppenplatz %2 statt 0</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>drawing order entry %1 names group slot %2, which holds no pieces</source>
        <translation>Eintrag %1 der Zeichenreihenfolge nennt Gruppenplatz %2, der keine Teile enthält</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the drawing order lists group slot %1 more than once</source>
        <translation>die Zeichenreihenfolge nennt Gruppenplatz %1 mehr als einmal</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>group slot %1 holds pieces but is missing from the drawing order</source>
        <translation>Gruppenplatz %1 enthält Teile, fehlt aber in der Zeichenreihenfolge</translation>
    </message>
    <message>
        <location filename="../src/persist/state_file_path.cpp" line="+36"/>
        <source>the path of its picture contains the character &quot;%1&quot;, and a puzzle state file can only store Windows-1252 characters</source>
        <translation>der Pfad seines Bildes enthält das Zeichen „%1“, und eine Spielstand-Datei kann nur Windows-1252-Zeichen speichern</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the name of its picture ends in a space, which a puzzle state file cannot keep</source>
        <translation>der Name seines Bildes endet auf ein Leerzeichen, das eine Spielstand-Datei nicht behalten kann</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the path of its picture is longer than the %1 characters a puzzle state file holds, also from the folder the game is saved in (save it nearer to the picture, or give the picture a shorter path)</source>
        <translation>der Pfad seines Bildes ist länger als die %1 Zeichen, die eine Spielstand-Datei fasst, auch vom Ordner aus, in dem das Spiel gespeichert wird (speichern Sie es näher beim Bild oder geben Sie dem Bild einen kürzeren Pfad)</translation>
    </message>
    <message>
        <location filename="../src/persist/state_file_read.cpp" line="+19"/>
        <source>%1 is %2, outside %3 to %4</source>
        <translation>%1 ist %2, außerhalb von %3 bis %4</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>%1 is stored at column %2, row %3, but its place is column %4, row %5</source>
        <translation>%1 ist in Spalte %2, Zeile %3 gespeichert, sein Platz ist aber Spalte %4, Zeile %5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1 names group slot %2, outside 0 to %3</source>
        <translation>%1 nennt Gruppenplatz %2, außerhalb von 0 bis %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 has knobs and sockets that do not match its place in the grid</source>
        <translation>%1 hat Nasen und Buchten, die nicht zu seinem Platz im Raster passen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 lies at (%2, %3), far outside any play field</source>
        <translation>%1 liegt bei (%2, %3), weit außerhalb jedes Spielfelds</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>%1 has a member list of %2 dimensions instead of 1</source>
        <translation>%1 hat eine Mitgliederliste mit %2 Dimensionen statt 1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 has a member list of %2 elements, where a puzzle of %3 pieces allows 1 to %4</source>
        <translation>%1 hat eine Mitgliederliste mit %2 Elementen, wo ein Puzzle mit %3 Teilen 1 bis %4 erlaubt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 has a member list starting at index %2 instead of 0</source>
        <translation>%1 hat eine Mitgliederliste, die bei Index %2 statt 0 beginnt</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>the groups up to %1 hold %2 pieces, more than the %3 not placed</source>
        <translation>die Gruppen bis %1 enthalten %2 Teile, mehr als die %3 nicht gelegten</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>%1 holds %2 in element 0 of its member list instead of 0</source>
        <translation>%1 enthält %2 in Element 0 seiner Mitgliederliste statt 0</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1 counts %2 members but its member list holds %3</source>
        <translation>%1 zählt %2 Mitglieder, seine Mitgliederliste enthält aber %3</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 lists piece %2, outside 1 to %3</source>
        <translation>%1 nennt Teil %2, außerhalb von 1 bis %3</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the members of %1 are not in ascending order</source>
        <translation>die Mitglieder von %1 sind nicht aufsteigend geordnet</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the column and row bounds of %1 do not match its members</source>
        <translation>die Spalten- und Zeilengrenzen von %1 passen nicht zu seinen Mitgliedern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 holds pieces but is marked as fixed in place</source>
        <translation>%1 enthält Teile, ist aber als fest an seinem Platz markiert</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>the picture path</source>
        <translation>der Bildpfad</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+17"/>
        <location line="+26"/>
        <source>the number of pieces</source>
        <translation>die Anzahl der Teile</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>the number of columns</source>
        <translation>die Anzahl der Spalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of rows</source>
        <translation>die Anzahl der Zeilen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a grid of %1 columns and %2 rows does not hold %3 pieces</source>
        <translation>ein Raster aus %1 Spalten und %2 Zeilen fasst keine %3 Teile</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the number of placed pieces</source>
        <translation>die Anzahl der gelegten Teile</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>placed piece entry %1</source>
        <translation>Eintrag %1 der gelegten Teile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 names piece %2, outside 1 to %3</source>
        <translation>%1 nennt Teil %2, außerhalb von 1 bis %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+5"/>
        <source>the group slot count</source>
        <translation>die Anzahl der Gruppenplätze</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>the number of groups in the drawing order</source>
        <translation>die Anzahl der Gruppen in der Zeichenreihenfolge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>drawing order entry %1</source>
        <translation>Eintrag %1 der Zeichenreihenfolge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 names group slot %2, outside 1 to %3</source>
        <translation>%1 nennt Gruppenplatz %2, außerhalb von 1 bis %3</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the elapsed time</source>
        <translation>die verstrichene Zeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the elapsed time is negative (%1 seconds)</source>
        <translation>die verstrichene Zeit ist negativ (%1 Sekunden)</translation>
    </message>
    <message>
        <location filename="../src/persist/state_file_records.h" line="+42"/>
        <source>the file ends %1 %2 (record %3)</source>
        <translation>die Datei endet %1 „%2“ (Datensatz %3)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>before</source>
        <translation>vor</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>inside</source>
        <translation>mitten in</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 has %2 set to %3, where only -1 and 0 are allowed</source>
        <translation>bei %1 ist %2 auf %3 gesetzt, erlaubt sind nur -1 und 0</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>piece %1</source>
        <translation>Teil %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>group slot %1</source>
        <translation>Gruppenplatz %1</translation>
    </message>
    <message>
        <location filename="../src/persist/state_file_write.cpp" line="+48"/>
        <source>it has %1 pieces, and a puzzle state file holds 1 to %2</source>
        <translation>es hat %1 Teile, und eine Spielstand-Datei fasst 1 bis %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>its pieces and groups do not agree with its piece count</source>
        <translation>seine Teile und Gruppen stimmen nicht mit seiner Teilezahl überein</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the member list of group slot %1 is damaged</source>
        <translation>die Mitgliederliste von Gruppenplatz %1 ist beschädigt</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>its pieces and groups are not consistent (%1)</source>
        <translation>seine Teile und Gruppen sind nicht stimmig (%1)</translation>
    </message>
</context>
<context>
    <name>Surface</name>
    <message>
        <location filename="../src/display/surface.cpp" line="+37"/>
        <location line="+8"/>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+51"/>
        <source>a surface needs a positive width and height</source>
        <translation>eine Fläche braucht eine positive Breite und Höhe</translation>
    </message>
    <message>
        <location line="-43"/>
        <location line="+47"/>
        <location line="+22"/>
        <source>out of memory for a surface</source>
        <translation>kein Speicher mehr für eine Fläche</translation>
    </message>
    <message>
        <location line="-8"/>
        <source>no surface to stretch</source>
        <translation>keine Fläche zum Strecken</translation>
    </message>
</context>
<context>
    <name>UndoStack</name>
    <message>
        <location filename="../src/history/undo_stack.cpp" line="+52"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Undo %1</source>
        <extracomment>%1 is the step taken back: Move, Scramble, Arrange Pieces, ...</extracomment>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo %1</source>
        <extracomment>%1 is the step done again: Move, Scramble, Arrange Pieces, ...</extracomment>
        <translation>Wiederholen: %1</translation>
    </message>
</context>
<context>
    <name>tess::AboutDialog</name>
    <message>
        <location filename="../src/dialogs/about_dialog.cpp" line="+72"/>
        <source>A jigsaw puzzle made from any picture you like. Open a BMP, JPEG or GIF file, choose how many pieces to cut it into, and put it back together by dragging the pieces into place. Joined pieces move together, the clock keeps your time, and your best games are remembered.</source>
        <translation>Ein Puzzle aus jedem Bild, das Ihnen gefällt. Öffnen Sie eine BMP-, JPEG- oder GIF-Datei, wählen Sie, in wie viele Teile es geschnitten wird, und setzen Sie es wieder zusammen, indem Sie die Teile an ihren Platz ziehen. Verbundene Teile bewegen sich gemeinsam, die Uhr misst Ihre Zeit, und Ihre besten Spiele werden festgehalten.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Web Site:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>About </source>
        <translation>Über </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>tess::BestTimesDialog</name>
    <message>
        <location filename="../src/dialogs/best_times_dialog.cpp" line="+15"/>
        <source>Tessellara - Best Times</source>
        <translation>Tessellara - Bestzeiten</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Elapsed Time</source>
        <translation>Benötigte Zeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Image Name</source>
        <translation>Bildname</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Are you sure you want to clear all of the entries?</source>
        <translation>Möchten Sie wirklich alle Einträge löschen?</translation>
    </message>
</context>
<context>
    <name>tess::ColorPicker</name>
    <message>
        <location filename="../src/dialogs/color_picker.cpp" line="+43"/>
        <source>Color Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Custom Color</source>
        <translation>Eigene Farbe</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tess::MainWindow</name>
    <message>
        <location filename="../src/window/game_menu.cpp" line="+11"/>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Continue Last Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Kept Games</source>
        <translation>Aufbewahrte Spiele</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Arrange Pieces</source>
        <translation>Teile anordnen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Gather Edge Pieces</source>
        <translation>Randteile sammeln</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Show Progress</source>
        <translation>Fortschritt anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Preview Above Pieces</source>
        <translation>Vorschau über den Teilen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Faint Picture on Board</source>
        <translation>Blasses Bild auf dem Brett</translation>
    </message>
    <message>
        <location filename="../src/window/main_window.cpp" line="+130"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load Puzzle State</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+60"/>
        <source>Save Puzzle State</source>
        <translation>Spielstand speichern</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>Scramble</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Best Times...</source>
        <translation>Bestzeiten...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>tess::OptionsDialog</name>
    <message>
        <location filename="../src/dialogs/options_dialog.cpp" line="+58"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Track Elapsed Time Putting Puzzle Togrther</source>
        <translation>Zeit beim Zusammensetzen des Puzzles messen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Show Outline Around Pieces</source>
        <translation>Umriss um die Teile zeigen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Advanced Options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use System Memory to Store Image (Enable this if you are unable to open images larger than your desktop size.)</source>
        <translation>Bild im Systemspeicher ablegen (aktivieren, falls sich Bilder über Bildschirmgröße nicht öffnen lassen.)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>NOTE: This setting is slower, so only enable it if you need to.</source>
        <translation>HINWEIS: Diese Einstellung ist langsamer, aktivieren Sie sie daher nur bei Bedarf.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Number of Pieces</source>
        <translation>Anzahl der Teile</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Pieces:</source>
        <translation>Anzahl der Teile:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Preview Size</source>
        <translation>Größe der Vorschau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Large (1/2 Puzzle Size)</source>
        <translation>Groß (1/2 der Puzzlegröße)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Medium (1/4 Puzzle Size)</source>
        <translation>Mittel (1/4 der Puzzlegröße)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Small (1/8 Puzzle Size)</source>
        <translation>Klein (1/8 der Puzzlegröße)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Main Colors</source>
        <translation>Hauptfarben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Outline</source>
        <translation>Umriss</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+10"/>
        <location line="+5"/>
        <source>Pick Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+14"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Preview Caption Colors</source>
        <translation>Farben der Vorschau-Titelleiste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>The number of pieces has to be between 4 and 600.</source>
        <translation>Die Anzahl der Teile muss zwischen 4 und 600 liegen.</translation>
    </message>
</context>
</TS>
