<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GameText</name>
    <message numerus="yes">
        <source>ANSWER</source>
        <translation>
            <numerusform>Lösung</numerusform>
            <numerusform>Lösungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Take a card</source>
        <translation>Karte ziehen</translation>
    </message>
    <message>
        <source>Your answer is incorrect. You have lost your turn.</source>
        <translation>Leider falsch. Dein Zug ist vorbei.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>a prime number less than 10</source>
        <translation>eine Primzahl kleiner als 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 70 and less than 80</source>
        <translation>ein Vielfaches von 2 größer als 70 und kleiner als 80</translation>
    </message>
    <message>
        <source>a prime number between 10 and 20</source>
        <translation>eine Primzahl zwischen 10 und 20</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 80 and less than 90</source>
        <translation>ein Vielfaches von 2 größer als 80 und kleiner als 90</translation>
    </message>
    <message>
        <source>a square number between 20 and 30</source>
        <translation>eine Quadratzahl zwischen 20 und 30</translation>
    </message>
    <message>
        <source>an odd number between 90 and 100</source>
        <translation>eine ungerade Zahl zwischen 90 und 100</translation>
    </message>
    <message>
        <source>the square root of 64</source>
        <translation>die Quadratwurzel aus 64</translation>
    </message>
    <message>
        <source>a square number greater than 50</source>
        <translation>eine Quadratzahl größer als 50</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 40 and less than 50</source>
        <translation>ein Vielfaches von 2 größer als 40 und kleiner als 50</translation>
    </message>
    <message>
        <source>a multiple of 2 less than 10</source>
        <translation>ein Vielfaches von 2 kleiner als 10</translation>
    </message>
    <message>
        <source>the square root of 9</source>
        <translation>die Quadratwurzel aus 9</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 60 and less than 70</source>
        <translation>ein Vielfaches von 2 größer als 60 und kleiner als 70</translation>
    </message>
    <message>
        <source>an odd number between 70 and 80</source>
        <translation>eine ungerade Zahl zwischen 70 und 80</translation>
    </message>
    <message>
        <source>a multiple of 5 greater than 70 and less than 100</source>
        <translation>ein Vielfaches von 5 größer als 70 und kleiner als 100</translation>
    </message>
    <message>
        <source>a multiple of 9 less than 50</source>
        <translation>ein Vielfaches von 9 kleiner als 50</translation>
    </message>
    <message>
        <source>a factor of 10</source>
        <translation>ein Teiler von 10</translation>
    </message>
    <message>
        <source>a multiple of 8 between 50 and 100</source>
        <translation>ein Vielfaches von 8 zwischen 50 und 100</translation>
    </message>
    <message>
        <source>a multiple of 7 less than 40</source>
        <translation>ein Vielfaches von 7 kleiner als 40</translation>
    </message>
    <message>
        <source>a factor of 25</source>
        <translation>ein Teiler von 25</translation>
    </message>
    <message>
        <source>a multiple of 3 less than 20</source>
        <translation>ein Vielfaches von 3 kleiner als 20</translation>
    </message>
    <message>
        <source>a prime number between 20 and 40</source>
        <translation>eine Primzahl zwischen 20 und 40</translation>
    </message>
    <message>
        <source>a square number less than 10</source>
        <translation>eine Quadratzahl kleiner als 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 90 and less than 100</source>
        <translation>ein Vielfaches von 2 größer als 90 und kleiner als 100</translation>
    </message>
    <message>
        <source>an odd number between 80 and 90</source>
        <translation>eine ungerade Zahl zwischen 80 und 90</translation>
    </message>
    <message>
        <source>a square number between 40 and 50</source>
        <translation>eine Quadratzahl zwischen 40 und 50</translation>
    </message>
    <message>
        <source>the square root of 49</source>
        <translation>die Quadratwurzel aus 49</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 30 and less than 40</source>
        <translation>ein Vielfaches von 2 größer als 30 und kleiner als 40</translation>
    </message>
    <message>
        <source>a factor of 9</source>
        <translation>ein Teiler von 9</translation>
    </message>
    <message>
        <source>a square number between 10 and 20</source>
        <translation>eine Quadratzahl zwischen 10 und 20</translation>
    </message>
    <message>
        <source>the square root of 100</source>
        <translation>die Quadratwurzel aus 100</translation>
    </message>
    <message>
        <source>a factor of 20</source>
        <translation>ein Teiler von 20</translation>
    </message>
    <message>
        <source>the square root of 25</source>
        <translation>die Quadratwurzel aus 25</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 20 and less than 30</source>
        <translation>ein Vielfaches von 2 größer als 20 und kleiner als 30</translation>
    </message>
    <message>
        <source>the square root of 4</source>
        <translation>die Quadratwurzel aus 4</translation>
    </message>
    <message>
        <source>the square root of 81</source>
        <translation>die Quadratwurzel aus 81</translation>
    </message>
    <message>
        <source>an odd number between 30 and 40</source>
        <translation>eine ungerade Zahl zwischen 30 und 40</translation>
    </message>
    <message>
        <source>a factor of 12</source>
        <translation>ein Teiler von 12</translation>
    </message>
    <message>
        <source>a factor of 18</source>
        <translation>ein Teiler von 18</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 50 and less than 60</source>
        <translation>ein Vielfaches von 2 größer als 50 und kleiner als 60</translation>
    </message>
    <message>
        <source>a factor of 16</source>
        <translation>ein Teiler von 16</translation>
    </message>
    <message>
        <source>67 to the nearest 10</source>
        <translation>67 auf Zehner gerundet</translation>
    </message>
    <message>
        <source>a factor of 8</source>
        <translation>ein Teiler von 8</translation>
    </message>
    <message>
        <source>an odd number less than 10</source>
        <translation>eine ungerade Zahl kleiner als 10</translation>
    </message>
    <message>
        <source>a factor of 35</source>
        <translation>ein Teiler von 35</translation>
    </message>
    <message>
        <source>26 to the nearest 10</source>
        <translation>26 auf Zehner gerundet</translation>
    </message>
    <message>
        <source>93 to the nearest 10</source>
        <translation>93 auf Zehner gerundet</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an even number</source>
        <translation>ein gerades Vielfaches von 9</translation>
    </message>
    <message>
        <source>an odd number between 50 and 60</source>
        <translation>eine ungerade Zahl zwischen 50 und 60</translation>
    </message>
    <message>
        <source>an odd number between 60 and 70</source>
        <translation>eine ungerade Zahl zwischen 60 und 70</translation>
    </message>
    <message>
        <source>a multiple of 5 less than 30</source>
        <translation>ein Vielfaches von 5 kleiner als 30</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an odd number</source>
        <translation>ein ungerades Vielfaches von 9</translation>
    </message>
    <message>
        <source>a square number between 30 and 40</source>
        <translation>eine Quadratzahl zwischen 30 und 40</translation>
    </message>
    <message>
        <source>44 to the nearest 10</source>
        <translation>44 auf Zehner gerundet</translation>
    </message>
    <message>
        <source>an odd number between 20 and 30</source>
        <translation>eine ungerade Zahl zwischen 20 und 30</translation>
    </message>
    <message>
        <source>the square root of 36</source>
        <translation>die Quadratwurzel aus 36</translation>
    </message>
    <message>
        <source>the square root of 16</source>
        <translation>die Quadratwurzel aus 16</translation>
    </message>
    <message>
        <source>a factor of 6</source>
        <translation>ein Teiler von 6</translation>
    </message>
    <message>
        <source>a prime number between 40 and 60</source>
        <translation>eine Primzahl zwischen 40 und 60</translation>
    </message>
    <message>
        <source>a prime number between 60 and 80</source>
        <translation>eine Primzahl zwischen 60 und 80</translation>
    </message>
    <message>
        <source>a prime number between 80 and 100</source>
        <translation>eine Primzahl zwischen 80 und 100</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Blau ist dran</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>BLAU GEWINNT!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Rot ist dran</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>ROT GEWINNT!</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Grün ist dran</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>GRÜN GEWINNT!</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Gelb ist dran</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>GELB GEWINNT!</translation>
    </message>
    <message>
        <source>Zorbitan © 2026 The Zorbitan makers. Free for schools and families.</source>
        <translation>Zorbitan © 2026 Die Zorbitan-Macher. Kostenlos für Schulen und Familien.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1; %2</translation>
    </message>
</context>
<context>
    <name>zorbitan::DisplayCheck</name>
    <message>
        <source>Zorbitan needs a desktop display and none was found; without one, run it as: %1</source>
        <translation>Zorbitan braucht eine grafische Oberfläche und hat keine gefunden; ohne sie starten Sie es so: %1</translation>
    </message>
</context>
<context>
    <name>zorbitan::Fandlerules</name>
    <message>
        <source>THE RULES</source>
        <translation>REGELN</translation>
    </message>
    <message>
        <source>Players take turns to select a card. The card shows a mathematical problem whose answer is a number between 1 and 100. The problem may have more than one answer.</source>
        <translation>Die Spieler ziehen reihum eine Karte. Auf der Karte steht eine Rechenaufgabe, deren Lösung eine Zahl zwischen 1 und 100 ist. Die Aufgabe kann mehr als eine Lösung haben.</translation>
    </message>
    <message>
        <source>The player clicks a number on the board. If the number is a correct answer to the problem, a counter will be placed on the number, replacing any counter already placed on that number. If the answer is wrong the turn passes to the next player.</source>
        <translation>Der Spieler klickt auf eine Zahl auf dem Spielbrett. Ist die Zahl eine richtige Lösung, kommt sein Spielstein auf die Zahl und ersetzt einen Stein, der dort schon liegt. Ist die Antwort falsch, ist der nächste Spieler dran.</translation>
    </message>
    <message>
        <source>The first player to have three counters in a row: horizontally, vertically or diagonally, wins the game.</source>
        <translation>Wer als Erster drei Steine in einer Reihe hat, waagerecht, senkrecht oder diagonal, gewinnt das Spiel.</translation>
    </message>
    <message>
        <source>QUESTION BANDS</source>
        <translation>DIE STUFEN</translation>
    </message>
    <message>
        <source>Level 1 - Yellow band</source>
        <translation>Stufe 1 – gelbe Karten</translation>
    </message>
    <message>
        <source>2, 5 and 10 times tables and simple divisions.</source>
        <translation>Einmaleins mit 2, 5 und 10 und einfache Divisionen.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10 and divisions.</source>
        <translation>Einmaleins bis 10 · 10 und Divisionen.</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10.</source>
        <translation>Einmaleins bis 10 · 10.</translation>
    </message>
    <message>
        <source>The %1 times table and divisions.</source>
        <translation>Die %1er-Reihe und Divisionen.</translation>
    </message>
    <message>
        <source>The %1 times table.</source>
        <translation>Die %1er-Reihe.</translation>
    </message>
    <message>
        <source>%1 times tables and divisions.</source>
        <translation>Reihen %1 und Divisionen.</translation>
    </message>
    <message>
        <source>%1 times tables.</source>
        <translation>Reihen %1.</translation>
    </message>
    <message>
        <source>Level 2 - Purple band</source>
        <translation>Stufe 2 – lila Karten</translation>
    </message>
    <message>
        <source>Level 3 - Blue band</source>
        <translation>Stufe 3 – blaue Karten</translation>
    </message>
    <message>
        <source>* prime numbers</source>
        <translation>* Primzahlen</translation>
    </message>
    <message>
        <source>* factors</source>
        <translation>* Teiler</translation>
    </message>
    <message>
        <source>* multiples</source>
        <translation>* Vielfache</translation>
    </message>
    <message>
        <source>* square numbers and square roots</source>
        <translation>* Quadratzahlen und Quadratwurzeln</translation>
    </message>
    <message>
        <source>* odd and even numbers</source>
        <translation>* gerade und ungerade Zahlen</translation>
    </message>
    <message>
        <source>* greater than and less than</source>
        <translation>* größer als und kleiner als</translation>
    </message>
    <message>
        <source>* numbers to the nearest ten</source>
        <translation>* auf Zehner runden</translation>
    </message>
    <message>
        <source>Players can decide which band to use according to their age and ability.</source>
        <translation>Jeder Spieler wählt die Stufe, die zu seinem Alter und Können passt.</translation>
    </message>
    <message>
        <source>The Rules of Zorbitan</source>
        <translation>Die Regeln von Zorbitan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The Zorbitan board</source>
        <translation>Das Zorbitan-Spielbrett</translation>
    </message>
    <message>
        <source>Zorbitan: the rules</source>
        <translation>Zorbitan: die Regeln</translation>
    </message>
</context>
<context>
    <name>zorbitan::GameSound</name>
    <message>
        <source>its module could not be loaded</source>
        <translation>sein Modul konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Zorbitan: sound is unavailable (%1); the game plays silently.</source>
        <translation>Zorbitan: Kein Ton verfügbar (%1); das Spiel läuft ohne Ton.</translation>
    </message>
    <message>
        <source>no sound device was found</source>
        <translation>kein Audiogerät gefunden</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 kann nicht abgespielt werden</translation>
    </message>
</context>
<context>
    <name>zorbitan::Grey</name>
    <message>
        <source>Zorbitan: background</source>
        <translation>Zorbitan: blauer Hintergrund</translation>
    </message>
</context>
<context>
    <name>zorbitan::Playlevel</name>
    <message>
        <source>BLUE</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Blue, Level %1</source>
        <translation>Blau, Stufe %1</translation>
    </message>
    <message>
        <source>Blue, Level %1, chosen</source>
        <translation>Blau, Stufe %1, gewählt</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Red, Level %1</source>
        <translation>Rot, Stufe %1</translation>
    </message>
    <message>
        <source>Red, Level %1, chosen</source>
        <translation>Rot, Stufe %1, gewählt</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Green, Level %1</source>
        <translation>Grün, Stufe %1</translation>
    </message>
    <message>
        <source>Green, Level %1, chosen</source>
        <translation>Grün, Stufe %1, gewählt</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Yellow, Level %1</source>
        <translation>Gelb, Stufe %1</translation>
    </message>
    <message>
        <source>Yellow, Level %1, chosen</source>
        <translation>Gelb, Stufe %1, gewählt</translation>
    </message>
    <message>
        <source>Select level for each player</source>
        <translation>Jeder wählt seine Stufe</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Zorbitan: choose each player&apos;s level</source>
        <translation>Zorbitan: Stufe für jeden Spieler wählen</translation>
    </message>
</context>
<context>
    <name>zorbitan::Startplay2</name>
    <message>
        <source>For Teachers</source>
        <translation>Lehrkräfte</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Die Regeln</translation>
    </message>
    <message>
        <source>Zorbitan logo</source>
        <translation>Zorbitan-Logo</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Mit Ton</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Wie viele Spieler?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Zorbitan: choose the number of players</source>
        <translation>Zorbitan: Anzahl der Spieler wählen</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>3 players</source>
        <translation>3 Spieler</translation>
    </message>
    <message>
        <source>4 players</source>
        <translation>4 Spieler</translation>
    </message>
</context>
<context>
    <name>zorbitan::TeacherChoice</name>
    <message>
        <source>%1 (%2 cards)</source>
        <translation>%1 (%2 Karten)</translation>
    </message>
    <message>
        <source>Back to the design</source>
        <translation>Zurück zur Vorgabe</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Divisionen</translation>
    </message>
    <message>
        <source>Every level needs at least one times table or kind of fact to deal its cards.</source>
        <translation>Jede Stufe braucht mindestens eine Reihe oder eine Art von Aufgaben, um Karten zu geben.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zorbitan: choose the cards each level deals</source>
        <translation>Zorbitan: die Karten jeder Stufe wählen</translation>
    </message>
    <message>
        <source>For Teachers: the Cards Each Level Deals</source>
        <translation>Für Lehrkräfte: die Karten jeder Stufe</translation>
    </message>
    <message>
        <source>Level %1, divisions</source>
        <translation>Stufe %1, Divisionen</translation>
    </message>
    <message>
        <source>Level %1, the %2 times table</source>
        <translation>Stufe %1, die %2er-Reihe</translation>
    </message>
    <message>
        <source>Level 1 – Yellow band: times tables</source>
        <translation>Stufe 1 - gelbe Karten: Einmaleins</translation>
    </message>
    <message>
        <source>Level 2 – Purple band: times tables</source>
        <translation>Stufe 2 - lila Karten: Einmaleins</translation>
    </message>
    <message>
        <source>Level 3 – Blue band: number facts</source>
        <translation>Stufe 3 - blaue Karten: Zahlenwissen</translation>
    </message>
    <message>
        <source>The administrator of this computer has set these choices for every user.</source>
        <translation>Die Verwaltung dieses Computers hat diese Auswahl für alle Benutzer festgelegt.</translation>
    </message>
    <message>
        <source>The cards of %1: %2.</source>
        <translation>Die Karten zu %1: %2.</translation>
    </message>
</context>
<context>
    <name>zorbitan::Titlefrm</name>
    <message>
        <source>Zorbitan: start a new game</source>
        <translation>Zorbitan: ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Letztes Spiel fortsetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
    </message>
    <message>
        <source>Zorbitan: start</source>
        <translation>Zorbitan: Start</translation>
    </message>
</context>
<context>
    <name>zorbitan::fan1</name>
    <message>
        <source>Hide Desktop</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>%1, Blue counter</source>
        <translation>%1, blauer Stein</translation>
    </message>
    <message>
        <source>%1, Red counter</source>
        <translation>%1, roter Stein</translation>
    </message>
    <message>
        <source>%1, Green counter</source>
        <translation>%1, grüner Stein</translation>
    </message>
    <message>
        <source>%1, Yellow counter</source>
        <translation>%1, gelber Stein</translation>
    </message>
    <message>
        <source>Zorbitan: the game</source>
        <translation>Zorbitan: das Spiel</translation>
    </message>
</context>
</TS>
