<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="ro_RO">
<context>
    <name>Kolvar</name>
    <message>
        <source>Have fun!!</source>
        <translation>Buon divertimento!!</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Joc Nou</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Despre</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <comment>the options window&apos;s title</comment>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Sunete</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Primul</source>
        <translation>Inizio io</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <comment>the rules window&apos;s title</comment>
        <translation>Regole del gioco</translation>
    </message>
    <message>
        <source>    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final.      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.</source>
        <translation>    Lo scopo del gioco è liberarsi di tutte le carte. Quando viene giocato un asso, l’avversario salta un turno; quando viene giocato un fante (detto «12»), l’avversario deve pescare due carte per ogni fante di una serie senza interruzioni, più una alla fine.      Un 7 permette a chi lo ha giocato di cambiare il seme corrente. Una carta può essere giocata se è del seme corrente o se ha lo stesso valore dell’ultima carta giocata. Un 7 può essere giocato in qualsiasi momento. Chi non può giocare nessuna carta deve pescarne una.</translation>
    </message>
    <message>
        <source>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</source>
        <translation>Kolvar - un gioco di carte degli sviluppatori di Kolvar. Tel.: +40 000 000 000, e-mail: kolvar@example.org</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Tavolo</translation>
    </message>
    <message>
        <source>Cartile tale</source>
        <translation>Le tue carte</translation>
    </message>
    <message>
        <source>Selectati o culoare</source>
        <translation>Scegli un seme</translation>
    </message>
    <message>
        <source>Felicitari, ati castigat! Sunteti un norocos!!!!!</source>
        <translation>Complimenti, hai vinto! Sei proprio fortunato!!!!!</translation>
    </message>
    <message>
        <source>Imi pare rau!. Ati pierdut, mai studiati!</source>
        <translation>Mi dispiace! Hai perso, studia ancora il gioco!</translation>
    </message>
    <message>
        <source>romb</source>
        <translation>quadri</translation>
    </message>
    <message>
        <source>inima neagra</source>
        <translation>picche</translation>
    </message>
    <message>
        <source>inima rosie</source>
        <translation>cuori</translation>
    </message>
    <message>
        <source>trefla</source>
        <translation>fiori</translation>
    </message>
    <message>
        <source>as de %1</source>
        <translation>asso di %1</translation>
    </message>
    <message>
        <source>12 de %1</source>
        <comment>the jack</comment>
        <translation>fante di %1</translation>
    </message>
    <message>
        <source>13 de %1</source>
        <comment>the queen</comment>
        <translation>donna di %1</translation>
    </message>
    <message>
        <source>14 de %1</source>
        <comment>the king</comment>
        <translation>re di %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <comment>a card from 7 to 10</comment>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>0 carti</source>
        <translation>nessuna carta</translation>
    </message>
    <message>
        <source>1 carte</source>
        <translation>1 carta</translation>
    </message>
    <message>
        <source>%1 de carti</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>%1 carti</source>
        <translation>%1 carte</translation>
    </message>
    <message>
        <source>Cartea de sus: %1</source>
        <translation>Carta in cima: %1</translation>
    </message>
    <message>
        <source>niciuna</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Cartea de dedesubt: %1</source>
        <translation>Carta sotto: %1</translation>
    </message>
    <message>
        <source>Calculatorul: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <source>Pachetul: %1</source>
        <translation>Mazzo: %1</translation>
    </message>
</context>
</TS>
