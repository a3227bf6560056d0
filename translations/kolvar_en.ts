<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ro_RO">
<context>
    <name>Kolvar</name>
    <message>
        <source>Have fun!!</source>
        <translation>Have fun!!</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Joc Nou</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Despre</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <translation>Rules of the Game</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <comment>the options window&apos;s title</comment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sunete</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Primul</source>
        <translation>I play first</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Classic</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <comment>the rules window&apos;s title</comment>
        <translation>Rules of the Game</translation>
    </message>
    <message>
        <source>    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final.      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.</source>
        <translation>    The aim of the game is to get rid of all your cards. When an ace is played, the opponent misses a turn; when a jack (called “12”) is played, the opponent must draw two cards for every jack in an unbroken run, plus one more at the end.      A 7 lets the player who laid it change the current suit. A card may be laid if it is of the current suit or of the same rank as the last card laid. A 7 may be laid at any time. A player who cannot lay a card must draw one.</translation>
    </message>
    <message>
        <source>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</source>
        <translation>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Cartile tale</source>
        <translation>Your cards</translation>
    </message>
    <message>
        <source>Selectati o culoare</source>
        <translation>Choose a suit</translation>
    </message>
    <message>
        <source>Felicitari, ati castigat! Sunteti un norocos!!!!!</source>
        <translation>Congratulations, you won! You are a lucky one!!!!!</translation>
    </message>
    <message>
        <source>Imi pare rau!. Ati pierdut, mai studiati!</source>
        <translation>Sorry! You lost, study the game some more!</translation>
    </message>
    <message>
        <source>romb</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>inima neagra</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>inima rosie</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>trefla</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>as de %1</source>
        <translation>ace of %1</translation>
    </message>
    <message>
        <source>12 de %1</source>
        <comment>the jack</comment>
        <translation>jack of %1</translation>
    </message>
    <message>
        <source>13 de %1</source>
        <comment>the queen</comment>
        <translation>queen of %1</translation>
    </message>
    <message>
        <source>14 de %1</source>
        <comment>the king</comment>
        <translation>king of %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <comment>a card from 7 to 10</comment>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>0 carti</source>
        <translation>no cards</translation>
    </message>
    <message>
        <source>1 carte</source>
        <translation>1 card</translation>
    </message>
    <message>
        <source>%1 de carti</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>%1 carti</source>
        <translation>%1 cards</translation>
    </message>
    <message>
        <source>Cartea de sus: %1</source>
        <translation>Top card: %1</translation>
    </message>
    <message>
        <source>niciuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Cartea de dedesubt: %1</source>
        <translation>Card beneath: %1</translation>
    </message>
    <message>
        <source>Calculatorul: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Pachetul: %1</source>
        <translation>Stock: %1</translation>
    </message>
</context>
</TS>
