<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ro_RO">
<context>
    <name>Kolvar</name>
    <message>
        <source>Have fun!!</source>
        <translation>¡¡Que te diviertas!!</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Joc Nou</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Despre</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <comment>the options window&apos;s title</comment>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sunete</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Primul</source>
        <translation>Empiezo yo</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Ordenador:</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <comment>the rules window&apos;s title</comment>
        <translation>Reglas del juego</translation>
    </message>
    <message>
        <source>    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final.      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.</source>
        <translation>    El objetivo del juego es quedarse sin cartas. Cuando se juega un as, el rival pierde un turno; cuando se juega una jota (llamada «12»), el rival debe robar dos cartas por cada jota de una serie sin interrupción, y una más al final.      Un 7 permite a quien lo ha jugado cambiar el palo actual. Se puede jugar una carta si es del palo actual o si tiene el mismo valor que la última carta jugada. Un 7 se puede jugar en cualquier momento. Quien no puede jugar ninguna carta debe robar una.</translation>
    </message>
    <message>
        <source>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</source>
        <translation>Kolvar - un juego de cartas de los desarrolladores de Kolvar. Tel.: +40 000 000 000, correo: kolvar@example.org</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Cartile tale</source>
        <translation>Tus cartas</translation>
    </message>
    <message>
        <source>Selectati o culoare</source>
        <translation>Elige un palo</translation>
    </message>
    <message>
        <source>Felicitari, ati castigat! Sunteti un norocos!!!!!</source>
        <translation>¡Enhorabuena, has ganado! ¡Qué suerte tienes!!!!!</translation>
    </message>
    <message>
        <source>Imi pare rau!. Ati pierdut, mai studiati!</source>
        <translation>¡Lo siento! Has perdido, ¡sigue estudiando el juego!</translation>
    </message>
    <message>
        <source>romb</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>inima neagra</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>inima rosie</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>trefla</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>as de %1</source>
        <translation>as de %1</translation>
    </message>
    <message>
        <source>12 de %1</source>
        <comment>the jack</comment>
        <translation>jota de %1</translation>
    </message>
    <message>
        <source>13 de %1</source>
        <comment>the queen</comment>
        <translation>reina de %1</translation>
    </message>
    <message>
        <source>14 de %1</source>
        <comment>the king</comment>
        <translation>rey de %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <comment>a card from 7 to 10</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>0 carti</source>
        <translation>ninguna carta</translation>
    </message>
    <message>
        <source>1 carte</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 de carti</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>%1 carti</source>
        <translation>%1 cartas</translation>
    </message>
    <message>
        <source>Cartea de sus: %1</source>
        <translation>Carta de arriba: %1</translation>
    </message>
    <message>
        <source>niciuna</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Cartea de dedesubt: %1</source>
        <translation>Carta de debajo: %1</translation>
    </message>
    <message>
        <source>Calculatorul: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <source>Pachetul: %1</source>
        <translation>Mazo: %1</translation>
    </message>
</context>
</TS>
