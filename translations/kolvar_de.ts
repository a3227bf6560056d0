<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ro_RO">
<context>
    <name>Kolvar</name>
    <message>
        <source>Have fun!!</source>
        <translation>Viel Spaß!!</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Joc Nou</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Despre</source>
        <translation>Über Kolvar</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <comment>the options window&apos;s title</comment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sunete</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Primul</source>
        <translation>Ich fange an</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <comment>the rules window&apos;s title</comment>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final.      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.</source>
        <translation>    Ziel des Spiels ist es, alle Karten loszuwerden. Wird ein Ass gelegt, muss der Gegner einmal aussetzen; wird ein Bube (genannt „12“) gelegt, muss der Gegner für jeden Buben einer ununterbrochenen Folge zwei Karten ziehen und am Ende noch eine dazu.      Mit einer 7 darf, wer sie gelegt hat, die aktuelle Farbe wechseln. Eine Karte darf gelegt werden, wenn sie die aktuelle Farbe hat oder denselben Wert wie die zuletzt gelegte Karte. Eine 7 darf jederzeit gelegt werden. Wer keine Karte legen kann, muss eine Karte ziehen.</translation>
    </message>
    <message>
        <source>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</source>
        <translation>Kolvar – ein Kartenspiel der Kolvar-Entwickler. Tel.: +40 000 000 000, E-Mail: kolvar@example.org</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Spieltisch</translation>
    </message>
    <message>
        <source>Cartile tale</source>
        <translation>Ihre Karten</translation>
    </message>
    <message>
        <source>Selectati o culoare</source>
        <translation>Wählen Sie eine Farbe</translation>
    </message>
    <message>
        <source>Felicitari, ati castigat! Sunteti un norocos!!!!!</source>
        <translation>Glückwunsch, Sie haben gewonnen! Sie sind ein Glückspilz!!!!!</translation>
    </message>
    <message>
        <source>Imi pare rau!. Ati pierdut, mai studiati!</source>
        <translation>Tut mir leid! Sie haben verloren, üben Sie noch etwas!</translation>
    </message>
    <message>
        <source>romb</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>inima neagra</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>inima rosie</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>trefla</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>as de %1</source>
        <translation>%1 Ass</translation>
    </message>
    <message>
        <source>12 de %1</source>
        <comment>the jack</comment>
        <translation>%1 Bube</translation>
    </message>
    <message>
        <source>13 de %1</source>
        <comment>the queen</comment>
        <translation>%1 Dame</translation>
    </message>
    <message>
        <source>14 de %1</source>
        <comment>the king</comment>
        <translation>%1 König</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <comment>a card from 7 to 10</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>0 carti</source>
        <translation>keine Karten</translation>
    </message>
    <message>
        <source>1 carte</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <source>%1 de carti</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>%1 carti</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <source>Cartea de sus: %1</source>
        <translation>Oberste Karte: %1</translation>
    </message>
    <message>
        <source>niciuna</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Cartea de dedesubt: %1</source>
        <translation>Karte darunter: %1</translation>
    </message>
    <message>
        <source>Calculatorul: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Pachetul: %1</source>
        <translation>Stapel: %1</translation>
    </message>
</context>
</TS>
