<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GameText</name>
    <message numerus="yes">
        <source>ANSWER</source>
        <translation>
            <numerusform>SOLUTION</numerusform>
            <numerusform>SOLUTIONS</numerusform>
        </translation>
    </message>
    <message>
        <source>Take a card</source>
        <translation>Tire une carte</translation>
    </message>
    <message>
        <source>Your answer is incorrect. You have lost your turn.</source>
        <translation>Ta réponse est fausse. Ton tour est terminé.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Autre partie</translation>
    </message>
    <message>
        <source>a prime number less than 10</source>
        <translation>un nombre premier plus petit que 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 70 and less than 80</source>
        <translation>un multiple de 2 plus grand que 70 et plus petit que 80</translation>
    </message>
    <message>
        <source>a prime number between 10 and 20</source>
        <translation>un nombre premier entre 10 et 20</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 80 and less than 90</source>
        <translation>un multiple de 2 plus grand que 80 et plus petit que 90</translation>
    </message>
    <message>
        <source>a square number between 20 and 30</source>
        <translation>un carré parfait entre 20 et 30</translation>
    </message>
    <message>
        <source>an odd number between 90 and 100</source>
        <translation>un nombre impair entre 90 et 100</translation>
    </message>
    <message>
        <source>the square root of 64</source>
        <translation>la racine carrée de 64</translation>
    </message>
    <message>
        <source>a square number greater than 50</source>
        <translation>un carré parfait plus grand que 50</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 40 and less than 50</source>
        <translation>un multiple de 2 plus grand que 40 et plus petit que 50</translation>
    </message>
    <message>
        <source>a multiple of 2 less than 10</source>
        <translation>un multiple de 2 plus petit que 10</translation>
    </message>
    <message>
        <source>the square root of 9</source>
        <translation>la racine carrée de 9</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 60 and less than 70</source>
        <translation>un multiple de 2 plus grand que 60 et plus petit que 70</translation>
    </message>
    <message>
        <source>an odd number between 70 and 80</source>
        <translation>un nombre impair entre 70 et 80</translation>
    </message>
    <message>
        <source>a multiple of 5 greater than 70 and less than 100</source>
        <translation>un multiple de 5 plus grand que 70 et plus petit que 100</translation>
    </message>
    <message>
        <source>a multiple of 9 less than 50</source>
        <translation>un multiple de 9 plus petit que 50</translation>
    </message>
    <message>
        <source>a factor of 10</source>
        <translation>un diviseur de 10</translation>
    </message>
    <message>
        <source>a multiple of 8 between 50 and 100</source>
        <translation>un multiple de 8 entre 50 et 100</translation>
    </message>
    <message>
        <source>a multiple of 7 less than 40</source>
        <translation>un multiple de 7 plus petit que 40</translation>
    </message>
    <message>
        <source>a factor of 25</source>
        <translation>un diviseur de 25</translation>
    </message>
    <message>
        <source>a multiple of 3 less than 20</source>
        <translation>un multiple de 3 plus petit que 20</translation>
    </message>
    <message>
        <source>a prime number between 20 and 40</source>
        <translation>un nombre premier entre 20 et 40</translation>
    </message>
    <message>
        <source>a square number less than 10</source>
        <translation>un carré parfait plus petit que 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 90 and less than 100</source>
        <translation>un multiple de 2 plus grand que 90 et plus petit que 100</translation>
    </message>
    <message>
        <source>an odd number between 80 and 90</source>
        <translation>un nombre impair entre 80 et 90</translation>
    </message>
    <message>
        <source>a square number between 40 and 50</source>
        <translation>un carré parfait entre 40 et 50</translation>
    </message>
    <message>
        <source>the square root of 49</source>
        <translation>la racine carrée de 49</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 30 and less than 40</source>
        <translation>un multiple de 2 plus grand que 30 et plus petit que 40</translation>
    </message>
    <message>
        <source>a factor of 9</source>
        <translation>un diviseur de 9</translation>
    </message>
    <message>
        <source>a square number between 10 and 20</source>
        <translation>un carré parfait entre 10 et 20</translation>
    </message>
    <message>
        <source>the square root of 100</source>
        <translation>la racine carrée de 100</translation>
    </message>
    <message>
        <source>a factor of 20</source>
        <translation>un diviseur de 20</translation>
    </message>
    <message>
        <source>the square root of 25</source>
        <translation>la racine carrée de 25</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 20 and less than 30</source>
        <translation>un multiple de 2 plus grand que 20 et plus petit que 30</translation>
    </message>
    <message>
        <source>the square root of 4</source>
        <translation>la racine carrée de 4</translation>
    </message>
    <message>
        <source>the square root of 81</source>
        <translation>la racine carrée de 81</translation>
    </message>
    <message>
        <source>an odd number between 30 and 40</source>
        <translation>un nombre impair entre 30 et 40</translation>
    </message>
    <message>
        <source>a factor of 12</source>
        <translation>un diviseur de 12</translation>
    </message>
    <message>
        <source>a factor of 18</source>
        <translation>un diviseur de 18</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 50 and less than 60</source>
        <translation>un multiple de 2 plus grand que 50 et plus petit que 60</translation>
    </message>
    <message>
        <source>a factor of 16</source>
        <translation>un diviseur de 16</translation>
    </message>
    <message>
        <source>67 to the nearest 10</source>
        <translation>67 arrondi à la dizaine la plus proche</translation>
    </message>
    <message>
        <source>a factor of 8</source>
        <translation>un diviseur de 8</translation>
    </message>
    <message>
        <source>an odd number less than 10</source>
        <translation>un nombre impair plus petit que 10</translation>
    </message>
    <message>
        <source>a factor of 35</source>
        <translation>un diviseur de 35</translation>
    </message>
    <message>
        <source>26 to the nearest 10</source>
        <translation>26 arrondi à la dizaine la plus proche</translation>
    </message>
    <message>
        <source>93 to the nearest 10</source>
        <translation>93 arrondi à la dizaine la plus proche</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an even number</source>
        <translation>un multiple de 9 qui est un nombre pair</translation>
    </message>
    <message>
        <source>an odd number between 50 and 60</source>
        <translation>un nombre impair entre 50 et 60</translation>
    </message>
    <message>
        <source>an odd number between 60 and 70</source>
        <translation>un nombre impair entre 60 et 70</translation>
    </message>
    <message>
        <source>a multiple of 5 less than 30</source>
        <translation>un multiple de 5 plus petit que 30</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an odd number</source>
        <translation>un multiple de 9 qui est un nombre impair</translation>
    </message>
    <message>
        <source>a square number between 30 and 40</source>
        <translation>un carré parfait entre 30 et 40</translation>
    </message>
    <message>
        <source>44 to the nearest 10</source>
        <translation>44 arrondi à la dizaine la plus proche</translation>
    </message>
    <message>
        <source>an odd number between 20 and 30</source>
        <translation>un nombre impair entre 20 et 30</translation>
    </message>
    <message>
        <source>the square root of 36</source>
        <translation>la racine carrée de 36</translation>
    </message>
    <message>
        <source>the square root of 16</source>
        <translation>la racine carrée de 16</translation>
    </message>
    <message>
        <source>a factor of 6</source>
        <translation>un diviseur de 6</translation>
    </message>
    <message>
        <source>a prime number between 40 and 60</source>
        <translation>un nombre premier entre 40 et 60</translation>
    </message>
    <message>
        <source>a prime number between 60 and 80</source>
        <translation>un nombre premier entre 60 et 80</translation>
    </message>
    <message>
        <source>a prime number between 80 and 100</source>
        <translation>un nombre premier entre 80 et 100</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Niv. 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niv. 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niv. 3</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Au tour de Bleu</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>BLEU A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Au tour de Rouge</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>ROUGE A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Au tour de Vert</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>VERT A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Au tour de Jaune</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>JAUNE A GAGNÉ&#xa0;!</translation>
    </message>
    <message>
        <source>Zorbitan © 2026 The Zorbitan makers. Free for schools and families.</source>
        <translation>Zorbitan © 2026 Les créateurs de Zorbitan. Gratuit à l&apos;école et en famille.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1&#xa0;; %2</translation>
    </message>
</context>
<context>
    <name>zorbitan::DisplayCheck</name>
    <message>
        <source>Zorbitan needs a desktop display and none was found; without one, run it as: %1</source>
        <translation>Zorbitan a besoin d&apos;un écran de bureau et n&apos;en a trouvé aucun&#xa0;; sans écran, lancez-le ainsi&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>zorbitan::Fandlerules</name>
    <message>
        <source>THE RULES</source>
        <translation>RÈGLES</translation>
    </message>
    <message>
        <source>Players take turns to select a card. The card shows a mathematical problem whose answer is a number between 1 and 100. The problem may have more than one answer.</source>
        <translation>Chacun à son tour, les joueurs tirent une carte. La carte pose un problème de mathématiques dont la réponse est un nombre entre 1 et 100. Le problème peut avoir plusieurs réponses.</translation>
    </message>
    <message>
        <source>The player clicks a number on the board. If the number is a correct answer to the problem, a counter will be placed on the number, replacing any counter already placed on that number. If the answer is wrong the turn passes to the next player.</source>
        <translation>Le joueur clique sur un nombre du plateau. Si ce nombre est une bonne réponse au problème, un pion est posé dessus, à la place du pion qui s&apos;y trouvait peut-être. Si la réponse est fausse, c&apos;est au joueur suivant de jouer.</translation>
    </message>
    <message>
        <source>The first player to have three counters in a row: horizontally, vertically or diagonally, wins the game.</source>
        <translation>Le premier joueur qui aligne trois pions, horizontalement, verticalement ou en diagonale, gagne la partie.</translation>
    </message>
    <message>
        <source>QUESTION BANDS</source>
        <translation>LES NIVEAUX</translation>
    </message>
    <message>
        <source>Level 1 - Yellow band</source>
        <translation>Niveau 1 – cartes jaunes</translation>
    </message>
    <message>
        <source>2, 5 and 10 times tables and simple divisions.</source>
        <translation>Tables de 2, 5 et 10 et divisions simples.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10 and divisions.</source>
        <translation>Tables jusqu&apos;à 10 × 10 et divisions.</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10.</source>
        <translation>Tables jusqu&apos;à 10 × 10.</translation>
    </message>
    <message>
        <source>The %1 times table and divisions.</source>
        <translation>Table de %1 et divisions.</translation>
    </message>
    <message>
        <source>The %1 times table.</source>
        <translation>Table de %1.</translation>
    </message>
    <message>
        <source>%1 times tables and divisions.</source>
        <translation>Tables de %1 et divisions.</translation>
    </message>
    <message>
        <source>%1 times tables.</source>
        <translation>Tables de %1.</translation>
    </message>
    <message>
        <source>Level 2 - Purple band</source>
        <translation>Niveau 2 – cartes violettes</translation>
    </message>
    <message>
        <source>Level 3 - Blue band</source>
        <translation>Niveau 3 – cartes bleues</translation>
    </message>
    <message>
        <source>* prime numbers</source>
        <translation>* nombres premiers</translation>
    </message>
    <message>
        <source>* factors</source>
        <translation>* diviseurs</translation>
    </message>
    <message>
        <source>* multiples</source>
        <translation>* multiples</translation>
    </message>
    <message>
        <source>* square numbers and square roots</source>
        <translation>* carrés parfaits et racines carrées</translation>
    </message>
    <message>
        <source>* odd and even numbers</source>
        <translation>* nombres pairs et impairs</translation>
    </message>
    <message>
        <source>* greater than and less than</source>
        <translation>* plus grand que et plus petit que</translation>
    </message>
    <message>
        <source>* numbers to the nearest ten</source>
        <translation>* arrondis à la dizaine</translation>
    </message>
    <message>
        <source>Players can decide which band to use according to their age and ability.</source>
        <translation>Chacun choisit le niveau qui convient à son âge et à ce qu&apos;il sait faire.</translation>
    </message>
    <message>
        <source>The Rules of Zorbitan</source>
        <translation>Les règles de Zorbitan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>The Zorbitan board</source>
        <translation>Le plateau de Zorbitan</translation>
    </message>
    <message>
        <source>Zorbitan: the rules</source>
        <translation>Zorbitan&#xa0;: les règles</translation>
    </message>
</context>
<context>
    <name>zorbitan::GameSound</name>
    <message>
        <source>its module could not be loaded</source>
        <translation>son module n&apos;a pas pu être chargé</translation>
    </message>
    <message>
        <source>Zorbitan: sound is unavailable (%1); the game plays silently.</source>
        <translation>Zorbitan&#xa0;: le son n&apos;est pas disponible (%1)&#xa0;; le jeu se joue en silence.</translation>
    </message>
    <message>
        <source>no sound device was found</source>
        <translation>aucun périphérique audio n&apos;a été trouvé</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>zorbitan::Grey</name>
    <message>
        <source>Zorbitan: background</source>
        <translation>Zorbitan&#xa0;: fond bleu</translation>
    </message>
</context>
<context>
    <name>zorbitan::Playlevel</name>
    <message>
        <source>BLUE</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Blue, Level %1</source>
        <translation>Bleu, niveau %1</translation>
    </message>
    <message>
        <source>Blue, Level %1, chosen</source>
        <translation>Bleu, niveau %1, choisi</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Red, Level %1</source>
        <translation>Rouge, niveau %1</translation>
    </message>
    <message>
        <source>Red, Level %1, chosen</source>
        <translation>Rouge, niveau %1, choisi</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Green, Level %1</source>
        <translation>Vert, niveau %1</translation>
    </message>
    <message>
        <source>Green, Level %1, chosen</source>
        <translation>Vert, niveau %1, choisi</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Yellow, Level %1</source>
        <translation>Jaune, niveau %1</translation>
    </message>
    <message>
        <source>Yellow, Level %1, chosen</source>
        <translation>Jaune, niveau %1, choisi</translation>
    </message>
    <message>
        <source>Select level for each player</source>
        <translation>Chacun choisit son niveau</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Zorbitan: choose each player&apos;s level</source>
        <translation>Zorbitan&#xa0;: choisir le niveau de chaque joueur</translation>
    </message>
</context>
<context>
    <name>zorbitan::Startplay2</name>
    <message>
        <source>For Teachers</source>
        <translation>Enseignants</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Les règles</translation>
    </message>
    <message>
        <source>Zorbitan logo</source>
        <translation>Logo de Zorbitan</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Fond bleu</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Combien de joueurs&#xa0;?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Zorbitan: choose the number of players</source>
        <translation>Zorbitan&#xa0;: choisir le nombre de joueurs</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>3 players</source>
        <translation>3 joueurs</translation>
    </message>
    <message>
        <source>4 players</source>
        <translation>4 joueurs</translation>
    </message>
</context>
<context>
    <name>zorbitan::TeacherChoice</name>
    <message>
        <source>%1 (%2 cards)</source>
        <translation>%1 (%2 cartes)</translation>
    </message>
    <message>
        <source>Back to the design</source>
        <translation>Revenir au choix d&apos;origine</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>Every level needs at least one times table or kind of fact to deal its cards.</source>
        <translation>Chaque niveau a besoin d&apos;au moins une table ou une sorte de question pour distribuer ses cartes.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Zorbitan: choose the cards each level deals</source>
        <translation>Zorbitan&#xa0;: choisir les cartes de chaque niveau</translation>
    </message>
    <message>
        <source>For Teachers: the Cards Each Level Deals</source>
        <translation>Pour les enseignants&#xa0;: les cartes de chaque niveau</translation>
    </message>
    <message>
        <source>Level %1, divisions</source>
        <translation>Niveau %1, divisions</translation>
    </message>
    <message>
        <source>Level %1, the %2 times table</source>
        <translation>Niveau %1, table de %2</translation>
    </message>
    <message>
        <source>Level 1 – Yellow band: times tables</source>
        <translation>Niveau 1 - cartes jaunes&#xa0;: tables</translation>
    </message>
    <message>
        <source>Level 2 – Purple band: times tables</source>
        <translation>Niveau 2 - cartes violettes&#xa0;: tables</translation>
    </message>
    <message>
        <source>Level 3 – Blue band: number facts</source>
        <translation>Niveau 3 - cartes bleues&#xa0;: les nombres</translation>
    </message>
    <message>
        <source>The administrator of this computer has set these choices for every user.</source>
        <translation>L&apos;administrateur de cet ordinateur a fixé ces choix pour tous les utilisateurs.</translation>
    </message>
    <message>
        <source>The cards of %1: %2.</source>
        <translation>Les cartes de %1&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>zorbitan::Titlefrm</name>
    <message>
        <source>Zorbitan: start a new game</source>
        <translation>Zorbitan&#xa0;: commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Zorbitan: start</source>
        <translation>Zorbitan&#xa0;: accueil</translation>
    </message>
</context>
<context>
    <name>zorbitan::fan1</name>
    <message>
        <source>Hide Desktop</source>
        <translation>Fond bleu</translation>
    </message>
    <message>
        <source>%1, Blue counter</source>
        <translation>%1, pion bleu</translation>
    </message>
    <message>
        <source>%1, Red counter</source>
        <translation>%1, pion rouge</translation>
    </message>
    <message>
        <source>%1, Green counter</source>
        <translation>%1, pion vert</translation>
    </message>
    <message>
        <source>%1, Yellow counter</source>
        <translation>%1, pion jaune</translation>
    </message>
    <message>
        <source>Zorbitan: the game</source>
        <translation>Zorbitan&#xa0;: la partie</translation>
    </message>
</context>
</TS>
