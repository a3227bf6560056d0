<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ro_RO">
<context>
    <name>Kolvar</name>
    <message>
        <source>Have fun!!</source>
        <translation>Amusez-vous bien&#xa0;!!</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Joc Nou</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Despre</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>Optiuni</source>
        <comment>the options window&apos;s title</comment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sunete</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Primul</source>
        <translation>Je commence</translation>
    </message>
    <message>
        <source>Calculator:</source>
        <translation>Ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Clasic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Reguli de joc</source>
        <comment>the rules window&apos;s title</comment>
        <translation>Règles du jeu</translation>
    </message>
    <message>
        <source>    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final.      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.</source>
        <translation>    Le but du jeu est de se débarrasser de toutes ses cartes. Quand un as est posé, l’adversaire passe son tour une fois&#xa0;; quand un valet (appelé «&#xa0;12&#xa0;») est posé, l’adversaire doit piocher deux cartes pour chaque valet posé à la suite sans interruption, plus une à la fin.      Un 7 permet à celui qui l’a posé de changer la couleur demandée. Une carte peut être posée si elle est de la couleur demandée ou si elle a la même valeur que la dernière carte posée. Un 7 peut être posé à tout moment. Un joueur qui ne peut pas poser de carte doit en piocher une.</translation>
    </message>
    <message>
        <source>Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, e-mail: kolvar@example.org</source>
        <translation>Kolvar - un jeu de cartes des développeurs de Kolvar. Tél.&#xa0;: +40 000 000 000, courriel&#xa0;: kolvar@example.org</translation>
    </message>
    <message>
        <source>Masa</source>
        <translation>Table de jeu</translation>
    </message>
    <message>
        <source>Cartile tale</source>
        <translation>Vos cartes</translation>
    </message>
    <message>
        <source>Selectati o culoare</source>
        <translation>Choisissez une couleur</translation>
    </message>
    <message>
        <source>Felicitari, ati castigat! Sunteti un norocos!!!!!</source>
        <translation>Félicitations, vous avez gagné&#xa0;! Quelle chance vous avez&#xa0;!!!!!</translation>
    </message>
    <message>
        <source>Imi pare rau!. Ati pierdut, mai studiati!</source>
        <translation>Désolé&#xa0;! Vous avez perdu, étudiez encore le jeu&#xa0;!</translation>
    </message>
    <message>
        <source>romb</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>inima neagra</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>inima rosie</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>trefla</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>as de %1</source>
        <translation>as de %1</translation>
    </message>
    <message>
        <source>12 de %1</source>
        <comment>the jack</comment>
        <translation>valet de %1</translation>
    </message>
    <message>
        <source>13 de %1</source>
        <comment>the queen</comment>
        <translation>dame de %1</translation>
    </message>
    <message>
        <source>14 de %1</source>
        <comment>the king</comment>
        <translation>roi de %1</translation>
    </message>
    <message>
        <source>%1 de %2</source>
        <comment>a card from 7 to 10</comment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>0 carti</source>
        <translation>aucune carte</translation>
    </message>
    <message>
        <source>1 carte</source>
        <translation>1 carte</translation>
    </message>
    <message>
        <source>%1 de carti</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>%1 carti</source>
        <translation>%1 cartes</translation>
    </message>
    <message>
        <source>Cartea de sus: %1</source>
        <translation>Carte du dessus&#xa0;: %1</translation>
    </message>
    <message>
        <source>niciuna</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Cartea de dedesubt: %1</source>
        <translation>Carte en dessous&#xa0;: %1</translation>
    </message>
    <message>
        <source>Calculatorul: %1</source>
        <translation>Ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Pachetul: %1</source>
        <translation>Pioche&#xa0;: %1</translation>
    </message>
</context>
</TS>
