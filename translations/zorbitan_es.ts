<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GameText</name>
    <message numerus="yes">
        <source>ANSWER</source>
        <translation>
            <numerusform>RESPUESTA</numerusform>
            <numerusform>RESPUESTAS</numerusform>
        </translation>
    </message>
    <message>
        <source>Take a card</source>
        <translation>Saca una carta</translation>
    </message>
    <message>
        <source>Your answer is incorrect. You have lost your turn.</source>
        <translation>Tu respuesta no es correcta. Se acabó tu turno.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>a prime number less than 10</source>
        <translation>un número primo menor que 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 70 and less than 80</source>
        <translation>un múltiplo de 2 mayor que 70 y menor que 80</translation>
    </message>
    <message>
        <source>a prime number between 10 and 20</source>
        <translation>un número primo entre 10 y 20</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 80 and less than 90</source>
        <translation>un múltiplo de 2 mayor que 80 y menor que 90</translation>
    </message>
    <message>
        <source>a square number between 20 and 30</source>
        <translation>un cuadrado perfecto entre 20 y 30</translation>
    </message>
    <message>
        <source>an odd number between 90 and 100</source>
        <translation>un número impar entre 90 y 100</translation>
    </message>
    <message>
        <source>the square root of 64</source>
        <translation>la raíz cuadrada de 64</translation>
    </message>
    <message>
        <source>a square number greater than 50</source>
        <translation>un cuadrado perfecto mayor que 50</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 40 and less than 50</source>
        <translation>un múltiplo de 2 mayor que 40 y menor que 50</translation>
    </message>
    <message>
        <source>a multiple of 2 less than 10</source>
        <translation>un múltiplo de 2 menor que 10</translation>
    </message>
    <message>
        <source>the square root of 9</source>
        <translation>la raíz cuadrada de 9</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 60 and less than 70</source>
        <translation>un múltiplo de 2 mayor que 60 y menor que 70</translation>
    </message>
    <message>
        <source>an odd number between 70 and 80</source>
        <translation>un número impar entre 70 y 80</translation>
    </message>
    <message>
        <source>a multiple of 5 greater than 70 and less than 100</source>
        <translation>un múltiplo de 5 mayor que 70 y menor que 100</translation>
    </message>
    <message>
        <source>a multiple of 9 less than 50</source>
        <translation>un múltiplo de 9 menor que 50</translation>
    </message>
    <message>
        <source>a factor of 10</source>
        <translation>un divisor de 10</translation>
    </message>
    <message>
        <source>a multiple of 8 between 50 and 100</source>
        <translation>un múltiplo de 8 entre 50 y 100</translation>
    </message>
    <message>
        <source>a multiple of 7 less than 40</source>
        <translation>un múltiplo de 7 menor que 40</translation>
    </message>
    <message>
        <source>a factor of 25</source>
        <translation>un divisor de 25</translation>
    </message>
    <message>
        <source>a multiple of 3 less than 20</source>
        <translation>un múltiplo de 3 menor que 20</translation>
    </message>
    <message>
        <source>a prime number between 20 and 40</source>
        <translation>un número primo entre 20 y 40</translation>
    </message>
    <message>
        <source>a square number less than 10</source>
        <translation>un cuadrado perfecto menor que 10</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 90 and less than 100</source>
        <translation>un múltiplo de 2 mayor que 90 y menor que 100</translation>
    </message>
    <message>
        <source>an odd number between 80 and 90</source>
        <translation>un número impar entre 80 y 90</translation>
    </message>
    <message>
        <source>a square number between 40 and 50</source>
        <translation>un cuadrado perfecto entre 40 y 50</translation>
    </message>
    <message>
        <source>the square root of 49</source>
        <translation>la raíz cuadrada de 49</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 30 and less than 40</source>
        <translation>un múltiplo de 2 mayor que 30 y menor que 40</translation>
    </message>
    <message>
        <source>a factor of 9</source>
        <translation>un divisor de 9</translation>
    </message>
    <message>
        <source>a square number between 10 and 20</source>
        <translation>un cuadrado perfecto entre 10 y 20</translation>
    </message>
    <message>
        <source>the square root of 100</source>
        <translation>la raíz cuadrada de 100</translation>
    </message>
    <message>
        <source>a factor of 20</source>
        <translation>un divisor de 20</translation>
    </message>
    <message>
        <source>the square root of 25</source>
        <translation>la raíz cuadrada de 25</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 20 and less than 30</source>
        <translation>un múltiplo de 2 mayor que 20 y menor que 30</translation>
    </message>
    <message>
        <source>the square root of 4</source>
        <translation>la raíz cuadrada de 4</translation>
    </message>
    <message>
        <source>the square root of 81</source>
        <translation>la raíz cuadrada de 81</translation>
    </message>
    <message>
        <source>an odd number between 30 and 40</source>
        <translation>un número impar entre 30 y 40</translation>
    </message>
    <message>
        <source>a factor of 12</source>
        <translation>un divisor de 12</translation>
    </message>
    <message>
        <source>a factor of 18</source>
        <translation>un divisor de 18</translation>
    </message>
    <message>
        <source>a multiple of 2 greater than 50 and less than 60</source>
        <translation>un múltiplo de 2 mayor que 50 y menor que 60</translation>
    </message>
    <message>
        <source>a factor of 16</source>
        <translation>un divisor de 16</translation>
    </message>
    <message>
        <source>67 to the nearest 10</source>
        <translation>67 redondeado a la decena más cercana</translation>
    </message>
    <message>
        <source>a factor of 8</source>
        <translation>un divisor de 8</translation>
    </message>
    <message>
        <source>an odd number less than 10</source>
        <translation>un número impar menor que 10</translation>
    </message>
    <message>
        <source>a factor of 35</source>
        <translation>un divisor de 35</translation>
    </message>
    <message>
        <source>26 to the nearest 10</source>
        <translation>26 redondeado a la decena más cercana</translation>
    </message>
    <message>
        <source>93 to the nearest 10</source>
        <translation>93 redondeado a la decena más cercana</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an even number</source>
        <translation>un múltiplo de 9 que sea par</translation>
    </message>
    <message>
        <source>an odd number between 50 and 60</source>
        <translation>un número impar entre 50 y 60</translation>
    </message>
    <message>
        <source>an odd number between 60 and 70</source>
        <translation>un número impar entre 60 y 70</translation>
    </message>
    <message>
        <source>a multiple of 5 less than 30</source>
        <translation>un múltiplo de 5 menor que 30</translation>
    </message>
    <message>
        <source>a multiple of 9 that is an odd number</source>
        <translation>un múltiplo de 9 que sea impar</translation>
    </message>
    <message>
        <source>a square number between 30 and 40</source>
        <translation>un cuadrado perfecto entre 30 y 40</translation>
    </message>
    <message>
        <source>44 to the nearest 10</source>
        <translation>44 redondeado a la decena más cercana</translation>
    </message>
    <message>
        <source>an odd number between 20 and 30</source>
        <translation>un número impar entre 20 y 30</translation>
    </message>
    <message>
        <source>the square root of 36</source>
        <translation>la raíz cuadrada de 36</translation>
    </message>
    <message>
        <source>the square root of 16</source>
        <translation>la raíz cuadrada de 16</translation>
    </message>
    <message>
        <source>a factor of 6</source>
        <translation>un divisor de 6</translation>
    </message>
    <message>
        <source>a prime number between 40 and 60</source>
        <translation>un número primo entre 40 y 60</translation>
    </message>
    <message>
        <source>a prime number between 60 and 80</source>
        <translation>un número primo entre 60 y 80</translation>
    </message>
    <message>
        <source>a prime number between 80 and 100</source>
        <translation>un número primo entre 80 y 100</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>Blue to Play</source>
        <translation>Turno de Azul</translation>
    </message>
    <message>
        <source>BLUE HAS WON!</source>
        <translation>¡GANA AZUL!</translation>
    </message>
    <message>
        <source>Red to Play</source>
        <translation>Turno de Rojo</translation>
    </message>
    <message>
        <source>RED HAS WON!</source>
        <translation>¡GANA ROJO!</translation>
    </message>
    <message>
        <source>Green to Play</source>
        <translation>Turno de Verde</translation>
    </message>
    <message>
        <source>GREEN HAS WON!</source>
        <translation>¡GANA VERDE!</translation>
    </message>
    <message>
        <source>Yellow to Play</source>
        <translation>Turno de Amarillo</translation>
    </message>
    <message>
        <source>YELLOW HAS WON!</source>
        <translation>¡GANA AMARILLO!</translation>
    </message>
    <message>
        <source>Zorbitan © 2026 The Zorbitan makers. Free for schools and families.</source>
        <translation>Zorbitan © 2026 Los creadores de Zorbitan. Gratis para escuelas y familias.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 ÷ %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>zorbitan::DisplayCheck</name>
    <message>
        <source>Zorbitan needs a desktop display and none was found; without one, run it as: %1</source>
        <translation>Zorbitan necesita un escritorio gráfico y no ha encontrado ninguno; sin él, ejecútelo así: %1</translation>
    </message>
</context>
<context>
    <name>zorbitan::Fandlerules</name>
    <message>
        <source>THE RULES</source>
        <translation>REGLAS</translation>
    </message>
    <message>
        <source>Players take turns to select a card. The card shows a mathematical problem whose answer is a number between 1 and 100. The problem may have more than one answer.</source>
        <translation>Por turnos, cada jugador saca una carta. La carta plantea un problema de matemáticas cuya respuesta es un número entre 1 y 100. El problema puede tener más de una respuesta.</translation>
    </message>
    <message>
        <source>The player clicks a number on the board. If the number is a correct answer to the problem, a counter will be placed on the number, replacing any counter already placed on that number. If the answer is wrong the turn passes to the next player.</source>
        <translation>El jugador hace clic en un número del tablero. Si el número es una respuesta correcta, se coloca su ficha sobre él, en lugar de la ficha que hubiera allí. Si la respuesta es incorrecta, el turno pasa al siguiente jugador.</translation>
    </message>
    <message>
        <source>The first player to have three counters in a row: horizontally, vertically or diagonally, wins the game.</source>
        <translation>Gana el primer jugador que consiga tres fichas en línea: en horizontal, en vertical o en diagonal.</translation>
    </message>
    <message>
        <source>QUESTION BANDS</source>
        <translation>LOS NIVELES</translation>
    </message>
    <message>
        <source>Level 1 - Yellow band</source>
        <translation>Nivel 1: cartas amarillas</translation>
    </message>
    <message>
        <source>2, 5 and 10 times tables and simple divisions.</source>
        <translation>Tablas del 2, del 5 y del 10 y divisiones sencillas.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10 and divisions.</source>
        <translation>Tablas hasta 10 × 10 y divisiones.</translation>
    </message>
    <message>
        <source>Times tables up to 10 x 10.</source>
        <translation>Tablas hasta 10 × 10.</translation>
    </message>
    <message>
        <source>The %1 times table and divisions.</source>
        <translation>Tabla del %1 y divisiones.</translation>
    </message>
    <message>
        <source>The %1 times table.</source>
        <translation>Tabla del %1.</translation>
    </message>
    <message>
        <source>%1 times tables and divisions.</source>
        <translation>Tablas del %1 y divisiones.</translation>
    </message>
    <message>
        <source>%1 times tables.</source>
        <translation>Tablas del %1.</translation>
    </message>
    <message>
        <source>Level 2 - Purple band</source>
        <translation>Nivel 2: cartas moradas</translation>
    </message>
    <message>
        <source>Level 3 - Blue band</source>
        <translation>Nivel 3: cartas azules</translation>
    </message>
    <message>
        <source>* prime numbers</source>
        <translation>* números primos</translation>
    </message>
    <message>
        <source>* factors</source>
        <translation>* divisores</translation>
    </message>
    <message>
        <source>* multiples</source>
        <translation>* múltiplos</translation>
    </message>
    <message>
        <source>* square numbers and square roots</source>
        <translation>* cuadrados perfectos y raíz cuadrada</translation>
    </message>
    <message>
        <source>* odd and even numbers</source>
        <translation>* números pares e impares</translation>
    </message>
    <message>
        <source>* greater than and less than</source>
        <translation>* mayor que y menor que</translation>
    </message>
    <message>
        <source>* numbers to the nearest ten</source>
        <translation>* redondeo a la decena</translation>
    </message>
    <message>
        <source>Players can decide which band to use according to their age and ability.</source>
        <translation>Cada jugador elige el nivel que mejor va con su edad y lo que sabe hacer.</translation>
    </message>
    <message>
        <source>The Rules of Zorbitan</source>
        <translation>Las reglas de Zorbitan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>The Zorbitan board</source>
        <translation>El tablero de Zorbitan</translation>
    </message>
    <message>
        <source>Zorbitan: the rules</source>
        <translation>Zorbitan: las reglas</translation>
    </message>
</context>
<context>
    <name>zorbitan::GameSound</name>
    <message>
        <source>its module could not be loaded</source>
        <translation>no se pudo cargar su módulo</translation>
    </message>
    <message>
        <source>Zorbitan: sound is unavailable (%1); the game plays silently.</source>
        <translation>Zorbitan: el sonido no está disponible (%1); el juego sigue sin sonido.</translation>
    </message>
    <message>
        <source>no sound device was found</source>
        <translation>no se encontró ningún dispositivo de sonido</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>no se puede reproducir %1</translation>
    </message>
</context>
<context>
    <name>zorbitan::Grey</name>
    <message>
        <source>Zorbitan: background</source>
        <translation>Zorbitan: fondo azul</translation>
    </message>
</context>
<context>
    <name>zorbitan::Playlevel</name>
    <message>
        <source>BLUE</source>
        <translation>AZUL</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Blue, Level %1</source>
        <translation>Azul, nivel %1</translation>
    </message>
    <message>
        <source>Blue, Level %1, chosen</source>
        <translation>Azul, nivel %1, elegido</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Red, Level %1</source>
        <translation>Rojo, nivel %1</translation>
    </message>
    <message>
        <source>Red, Level %1, chosen</source>
        <translation>Rojo, nivel %1, elegido</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Green, Level %1</source>
        <translation>Verde, nivel %1</translation>
    </message>
    <message>
        <source>Green, Level %1, chosen</source>
        <translation>Verde, nivel %1, elegido</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>AMARILLO</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Yellow, Level %1</source>
        <translation>Amarillo, nivel %1</translation>
    </message>
    <message>
        <source>Yellow, Level %1, chosen</source>
        <translation>Amarillo, nivel %1, elegido</translation>
    </message>
    <message>
        <source>Select level for each player</source>
        <translation>Cada jugador elige su nivel</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Zorbitan: choose each player&apos;s level</source>
        <translation>Zorbitan: elegir el nivel de cada jugador</translation>
    </message>
</context>
<context>
    <name>zorbitan::Startplay2</name>
    <message>
        <source>For Teachers</source>
        <translation>Docentes</translation>
    </message>
    <message>
        <source>The Rules</source>
        <translation>Las reglas</translation>
    </message>
    <message>
        <source>Zorbitan logo</source>
        <translation>Logotipo de Zorbitan</translation>
    </message>
    <message>
        <source>Play Sound</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Hide Desktop</source>
        <translation>Fondo azul</translation>
    </message>
    <message>
        <source>Select Number of Players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Zorbitan: choose the number of players</source>
        <translation>Zorbitan: elegir el número de jugadores</translation>
    </message>
    <message>
        <source>1 player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>2 players</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>3 players</source>
        <translation>3 jugadores</translation>
    </message>
    <message>
        <source>4 players</source>
        <translation>4 jugadores</translation>
    </message>
</context>
<context>
    <name>zorbitan::TeacherChoice</name>
    <message>
        <source>%1 (%2 cards)</source>
        <translation>%1 (%2 cartas)</translation>
    </message>
    <message>
        <source>Back to the design</source>
        <translation>Volver a lo original</translation>
    </message>
    <message>
        <source>Divisions</source>
        <translation>Divisiones</translation>
    </message>
    <message>
        <source>Every level needs at least one times table or kind of fact to deal its cards.</source>
        <translation>Cada nivel necesita al menos una tabla o un tipo de pregunta para repartir sus cartas.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Zorbitan: choose the cards each level deals</source>
        <translation>Zorbitan: elegir las cartas de cada nivel</translation>
    </message>
    <message>
        <source>For Teachers: the Cards Each Level Deals</source>
        <translation>Para docentes: las cartas de cada nivel</translation>
    </message>
    <message>
        <source>Level %1, divisions</source>
        <translation>Nivel %1, divisiones</translation>
    </message>
    <message>
        <source>Level %1, the %2 times table</source>
        <translation>Nivel %1, tabla del %2</translation>
    </message>
    <message>
        <source>Level 1 – Yellow band: times tables</source>
        <translation>Nivel 1 - cartas amarillas: tablas</translation>
    </message>
    <message>
        <source>Level 2 – Purple band: times tables</source>
        <translation>Nivel 2 - cartas moradas: tablas</translation>
    </message>
    <message>
        <source>Level 3 – Blue band: number facts</source>
        <translation>Nivel 3 - cartas azules: los números</translation>
    </message>
    <message>
        <source>The administrator of this computer has set these choices for every user.</source>
        <translation>El administrador de este ordenador ha fijado estas opciones para todos los usuarios.</translation>
    </message>
    <message>
        <source>The cards of %1: %2.</source>
        <translation>Las cartas de %1: %2.</translation>
    </message>
</context>
<context>
    <name>zorbitan::Titlefrm</name>
    <message>
        <source>Zorbitan: start a new game</source>
        <translation>Zorbitan: empezar una partida nueva</translation>
    </message>
    <message>
        <source>Restart Previous Game</source>
        <translation>Seguir la partida anterior</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Zorbitan: start</source>
        <translation>Zorbitan: inicio</translation>
    </message>
</context>
<context>
    <name>zorbitan::fan1</name>
    <message>
        <source>Hide Desktop</source>
        <translation>Fondo azul</translation>
    </message>
    <message>
        <source>%1, Blue counter</source>
        <translation>%1, ficha azul</translation>
    </message>
    <message>
        <source>%1, Red counter</source>
        <translation>%1, ficha roja</translation>
    </message>
    <message>
        <source>%1, Green counter</source>
        <translation>%1, ficha verde</translation>
    </message>
    <message>
        <source>%1, Yellow counter</source>
        <translation>%1, ficha amarilla</translation>
    </message>
    <message>
        <source>Zorbitan: the game</source>
        <translation>Zorbitan: la partida</translation>
    </message>
</context>
</TS>
