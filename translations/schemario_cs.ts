<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ" sourcelanguage="cs">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Schemario - O programu</source>
        <translation>Schemario - O programu</translation>
    </message>
    <message>
        <source>Verze 1.0</source>
        <translation>Verze 1.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Assignments</name>
    <message>
        <source>KLICE</source>
        <translation>KLÍČE</translation>
    </message>
    <message>
        <source>MINIMALNI POKRYTI</source>
        <translation>MINIMÁLNÍ POKRYTÍ</translation>
    </message>
    <message>
        <source>SYNTEZA</source>
        <translation>SYNTÉZA</translation>
    </message>
    <message>
        <source>%1: soubor nejde zapsat</source>
        <translation>%1: soubor nejde zapsat</translation>
    </message>
    <message>
        <source>pocet atributu mimo rozsah; nejblizsi mozny je %1</source>
        <translation>počet atributů mimo rozsah; nejbližší možný je %1</translation>
    </message>
    <message>
        <source>pocet zavislosti mimo rozsah; nejblizsi mozny je %1</source>
        <translation>počet závislostí mimo rozsah; nejbližší možný je %1</translation>
    </message>
    <message>
        <source>pocet klicu mimo rozsah; nejblizsi mozny je %1</source>
        <translation>počet klíčů mimo rozsah; nejbližší možný je %1</translation>
    </message>
    <message>
        <source>pocet redundanci nesmi byt zaporny</source>
        <translation>počet redundancí nesmí být záporný</translation>
    </message>
    <message>
        <source>takove schema potrebuje alespon %1 atributu</source>
        <translation>takové schéma potřebuje alespoň %1 atributů</translation>
    </message>
    <message>
        <source>takove schema potrebuje alespon %1 zavislosti</source>
        <translation>takové schéma potřebuje alespoň %1 závislostí</translation>
    </message>
    <message>
        <source>ruznych zavislosti je nejvyse %1</source>
        <translation>různých závislostí je nejvýše %1</translation>
    </message>
    <message>
        <source>v teto normalni forme ma schema alespon %1 klicu</source>
        <translation>v této normální formě má schéma alespoň %1 klíčů</translation>
    </message>
    <message>
        <source>tolik atributu dava nejvyse %1 klicu</source>
        <translation>tolik atributů dává nejvýše %1 klíčů</translation>
    </message>
    <message>
        <source>redundantnich atributu muze byt nejvyse %1</source>
        <translation>redundantních atributů může být nejvýše %1</translation>
    </message>
    <message>
        <source>redundantnich zavislosti muze byt nejvyse %1</source>
        <translation>redundantních závislostí může být nejvýše %1</translation>
    </message>
    <message>
        <source>schema s temito vlastnostmi se nenaslo; zkuste jiny pocet zavislosti</source>
        <translation>schéma s těmito vlastnostmi se nenašlo; zkuste jiný počet závislostí</translation>
    </message>
    <message>
        <source>%1: slozku nejde vytvorit</source>
        <translation>%1: složku nejde vytvořit</translation>
    </message>
    <message>
        <source>zadani-%1</source>
        <translation>zadani-%1</translation>
    </message>
    <message>
        <source>reseni-%1</source>
        <translation>reseni-%1</translation>
    </message>
    <message>
        <source>ruznych zadani s temito vlastnostmi se naslo jen %1</source>
        <translation>různých zadání s těmito vlastnostmi se našlo jen %1</translation>
    </message>
</context>
<context>
    <name>AttributeColumns</name>
    <message>
        <source>Musite zvolit alespon 1 atribut</source>
        <translation>Musíte zvolit alespoň 1 atribut</translation>
    </message>
    <message>
        <source>Gratuluji! Vase odpoved je spravna</source>
        <translation>Gratuluji! Vaše odpověď je správná</translation>
    </message>
    <message>
        <source>Ve vasi odpovedi byly chyby.</source>
        <translation>Ve vaší odpovědi byly chyby.</translation>
    </message>
    <message>
        <source>ramecek: sloupec, ktery prave vyplnujete</source>
        <translation>rámeček: sloupec, který právě vyplňujete</translation>
    </message>
</context>
<context>
    <name>AttributeEditorDialog</name>
    <message>
        <source>Schemario - Zadavani atributu</source>
        <translation>Schemario - Zadávání atributů</translation>
    </message>
    <message>
        <source>Pridat</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Pridat zadany atribut</source>
        <translation>Přidat zadaný atribut</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Smaze oznaceny atribut</source>
        <translation>Smaže označený atribut</translation>
    </message>
    <message>
        <source>Zmenit</source>
        <translation>Změnit</translation>
    </message>
    <message>
        <source>Upravit oznaceny atribut</source>
        <translation>Upravit označený atribut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Zadavany vstup je prazdny</source>
        <translation>Zadávaný vstup je prázdný</translation>
    </message>
    <message>
        <source>Delka slova presahuje 15 pismen</source>
        <translation>Délka slova přesahuje 15 písmen</translation>
    </message>
    <message>
        <source>Slovo nesmi obsahovat znaky ; a :</source>
        <translation>Slovo nesmí obsahovat znaky ; a :</translation>
    </message>
    <message>
        <source>Slovo obsahuje znak, ktery nejde ulozit do souboru</source>
        <translation>Slovo obsahuje znak, který nejde uložit do souboru</translation>
    </message>
    <message>
        <source>Uz zadana data</source>
        <translation>Už zadaná data</translation>
    </message>
    <message>
        <source>Bohuzel zadavate prilis mnoho slov</source>
        <translation>Bohužel zadáváte příliš mnoho slov</translation>
    </message>
    <message>
        <source>Toto slovo nemuzete vymazat. Nejprve vymazte zavislost, ktera ho obsahuje.</source>
        <translation>Toto slovo nemůžete vymazat. Nejprve vymažte závislost, která ho obsahuje.</translation>
    </message>
    <message>
        <source>Skutecne to chcete smazat? %1 ? </source>
        <translation>Skutečně to chcete smazat? %1 ? </translation>
    </message>
</context>
<context>
    <name>AttributeSetExercise</name>
    <message>
        <source>&amp;Nove zadani</source>
        <translation>&amp;Nové zadání</translation>
    </message>
</context>
<context>
    <name>ClosureExercise</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Testovaci modul - Uzaver</source>
        <translation>Testovací modul - Uzávěr</translation>
    </message>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Správná odpověď</translation>
    </message>
    <message>
        <source>Zvolte si atributy pro A  :</source>
        <translation>Zvolte si atributy pro A  :</translation>
    </message>
    <message>
        <source>Zadejte vase reseni:</source>
        <translation>Zadejte vaše řešení:</translation>
    </message>
    <message>
        <source>Spravna odpoved:</source>
        <translation>Správná odpověď:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
</context>
<context>
    <name>ClosureExerciseSession</name>
    <message>
        <source>Uzaver %1 krok za krokem:</source>
        <translation>Uzávěr %1 krok za krokem:</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Navrh relacnich schemat: klice, normalni formy, dekompozice a synteza.</source>
        <translation>Návrh relačních schémat: klíče, normální formy, dekompozice a syntéza.</translation>
    </message>
    <message>
        <source>Vypise zpravu DRUH o schematu ze SOUBORU na standardni vystup bez otevreni okna. DRUH je jeden z: %1.</source>
        <translation>Vypíše zprávu DRUH o schématu ze SOUBORU na standardní výstup bez otevření okna. DRUH je jeden z: %1.</translation>
    </message>
    <message>
        <source>DRUH</source>
        <translation>DRUH</translation>
    </message>
    <message>
        <source>Jazyk textu: %1 (cestina), %2 (cestina bez diakritiky) nebo %3 (anglictina). Bez teto volby plati jazyk zvoleny v menu Napoveda, jinak jazyk systemu.</source>
        <translation>Jazyk textů: %1 (čeština), %2 (čeština bez diakritiky) nebo %3 (angličtina). Bez této volby platí jazyk zvolený v menu Nápověda, jinak jazyk systému.</translation>
    </message>
    <message>
        <source>JAZYK</source>
        <translation>JAZYK</translation>
    </message>
    <message>
        <source>SOUBOR</source>
        <translation>SOUBOR</translation>
    </message>
    <message>
        <source>Napoveda: schemario --help</source>
        <translation>Nápověda: schemario --help</translation>
    </message>
    <message>
        <source>Neznamy jazyk: %1. Znam: %2.</source>
        <translation>Neznámý jazyk: %1. Znám: %2.</translation>
    </message>
    <message>
        <source>Zadejte nejvyse jeden soubor.</source>
        <translation>Zadejte nejvýše jeden soubor.</translation>
    </message>
    <message>
        <source>Neznamy druh zpravy: %1. Znam: %2.</source>
        <translation>Neznámý druh zprávy: %1. Znám: %2.</translation>
    </message>
    <message>
        <source>Zprava potrebuje soubor se schematem.</source>
        <translation>Zpráva potřebuje soubor se schématem.</translation>
    </message>
    <message>
        <source>Schema (.dbc), ktere se otevre; se zpravou jedno nebo vice schemat.</source>
        <translation>Schéma (.dbc), které se otevře; se zprávou jedno nebo více schémat.</translation>
    </message>
    <message>
        <source>[SOUBOR...]</source>
        <translation>[SOUBOR...]</translation>
    </message>
    <message>
        <source>Odvozeni potrebuje soubor se schematem a zavislost &quot;X -&gt; Y&quot;.</source>
        <translation>Odvození potřebuje soubor se schématem a závislost &quot;X -&gt; Y&quot;.</translation>
    </message>
    <message>
        <source>Prevede schema ze ZDROJE do souboru CIL (dalsi argument) bez otevreni okna: .dbc na text (.txt, .fd) a zpet, podle pripony cile.</source>
        <translation>Převede schéma ze ZDROJE do souboru CÍL (další argument) bez otevření okna: .dbc na text (.txt, .fd) a zpět, podle přípony cíle.</translation>
    </message>
    <message>
        <source>ZDROJ</source>
        <translation>ZDROJ</translation>
    </message>
    <message>
        <source>Zapise POCET ruznych nahodnych zadani (.dbc, text a reseni) do slozky --out.</source>
        <translation>Zapíše POČET různých náhodných zadání (.dbc, text a řešení) do složky --out.</translation>
    </message>
    <message>
        <source>POCET</source>
        <translation>POČET</translation>
    </message>
    <message>
        <source>Pocet atributu zadani (2 az 20, bez volby 6).</source>
        <translation>Počet atributů zadání (2 až 20, bez volby 6).</translation>
    </message>
    <message>
        <source>Pocet zavislosti zadani (bez volby 6).</source>
        <translation>Počet závislostí zadání (bez volby 6).</translation>
    </message>
    <message>
        <source>Nejvyssi normalni forma zadani: 1NF, 2NF, 3NF nebo BCNF (bez volby 3NF).</source>
        <translation>Nejvyšší normální forma zadání: 1NF, 2NF, 3NF nebo BCNF (bez volby 3NF).</translation>
    </message>
    <message>
        <source>FORMA</source>
        <translation>FORMA</translation>
    </message>
    <message>
        <source>Presny pocet klicu zadani (bez volby libovolny).</source>
        <translation>Přesný počet klíčů zadání (bez volby libovolný).</translation>
    </message>
    <message>
        <source>Seminko nahody: stejne seminko da stejna zadani (bez volby 1).</source>
        <translation>Semínko náhody: stejné semínko dá stejná zadání (bez volby 1).</translation>
    </message>
    <message>
        <source>CISLO</source>
        <translation>ČÍSLO</translation>
    </message>
    <message>
        <source>Jmena atributu: letters (pismena), orders (objednavky), timetable (rozvrh) nebo library (knihovna); bez volby letters.</source>
        <translation>Jména atributů: letters (písmena), orders (objednávky), timetable (rozvrh) nebo library (knihovna); bez volby letters.</translation>
    </message>
    <message>
        <source>TEMA</source>
        <translation>TÉMA</translation>
    </message>
    <message>
        <source>Slozka pro zadani.</source>
        <translation>Složka pro zadání.</translation>
    </message>
    <message>
        <source>SLOZKA</source>
        <translation>SLOŽKA</translation>
    </message>
    <message>
        <source>--generate se nekombinuje se soubory, --report ani --convert.</source>
        <translation>--generate se nekombinuje se soubory, --report ani --convert.</translation>
    </message>
    <message>
        <source>Zadejte slozku pro zadani: --out SLOZKA.</source>
        <translation>Zadejte složku pro zadání: --out SLOŽKA.</translation>
    </message>
    <message>
        <source>--%1 chce cislo, ne %2</source>
        <translation>--%1 chce číslo, ne %2</translation>
    </message>
    <message>
        <source>Pocet zadani musi byt 1 az 999.</source>
        <translation>Počet zadání musí být 1 až 999.</translation>
    </message>
    <message>
        <source>Neznama normalni forma: %1. Znam: 1NF, 2NF, 3NF, BCNF.</source>
        <translation>Neznámá normální forma: %1. Znám: 1NF, 2NF, 3NF, BCNF.</translation>
    </message>
    <message>
        <source>Nezname tema: %1. Znam: letters, orders, timetable, library.</source>
        <translation>Neznámé téma: %1. Znám: letters, orders, timetable, library.</translation>
    </message>
    <message>
        <source>Zadejte bud --report, nebo --convert.</source>
        <translation>Zadejte buď --report, nebo --convert.</translation>
    </message>
    <message>
        <source>Prevod potrebuje zdroj a cil: --convert ZDROJ CIL.</source>
        <translation>Převod potřebuje zdroj a cíl: --convert ZDROJ CÍL.</translation>
    </message>
    <message>
        <source>Zprava jako prosty text, Markdown nebo kus LaTeXu: %1 (bez volby text).</source>
        <translation>Zpráva jako prostý text, Markdown nebo kus LaTeXu: %1 (bez volby text).</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMÁT</translation>
    </message>
    <message>
        <source>--format plati jen pro zpravy --report DRUH.</source>
        <translation>--format platí jen pro zprávy --report DRUH.</translation>
    </message>
    <message>
        <source>Neznamy format zpravy: %1. Znam: %2.</source>
        <translation>Neznámý formát zprávy: %1. Znám: %2.</translation>
    </message>
</context>
<context>
    <name>CorrectableExercise</name>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Správná odpověď</translation>
    </message>
    <message>
        <source>&amp;Zkusit znovu</source>
        <translation>&amp;Zkusit znovu</translation>
    </message>
</context>
<context>
    <name>DecompositionExercise</name>
    <message>
        <source>Testovaci model - Dekompozice</source>
        <translation>Testovací modul - Dekompozice</translation>
    </message>
    <message>
        <source>Zavislosti schematu:</source>
        <translation>Závislosti schématu:</translation>
    </message>
    <message>
        <source>(zvolte, ktere zavislosti porusuji 3NF ci BCNF)</source>
        <translation>(zvolte, které závislosti porušují 3NF či BCNF)</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>The word between &quot;3NF&quot; and &quot;BCNF&quot;.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>Spravne reseni</source>
        <translation>Správné řešení</translation>
    </message>
    <message>
        <source>Atributy</source>
        <translation>Atributy</translation>
    </message>
    <message>
        <source>Zavislosti</source>
        <translation>Závislosti</translation>
    </message>
</context>
<context>
    <name>DecompositionExerciseSession</name>
    <message>
        <source>%1 je trivialni, zadnou formu neporusuje</source>
        <translation>%1 je triviální, žádnou formu neporušuje</translation>
    </message>
    <message>
        <source>%1: leva strana obsahuje klic %2, zavislost BCNF neporusuje</source>
        <translation>%1: levá strana obsahuje klíč %2, závislost BCNF neporušuje</translation>
    </message>
    <message>
        <source>%1: leva strana neobsahuje zadny klic (%2)</source>
        <translation>%1: levá strana neobsahuje žádný klíč (%2)</translation>
    </message>
    <message>
        <source>  %1 neni klicovy atribut, proto je porusena 3NF</source>
        <translation>  %1 není klíčový atribut, proto je porušena 3NF</translation>
    </message>
    <message>
        <source>  %1 je klicovy atribut, proto je porusena jen BCNF</source>
        <translation>  %1 je klíčový atribut, proto je porušena jen BCNF</translation>
    </message>
</context>
<context>
    <name>DecompositionSession</name>
    <message>
        <source>dekompozice</source>
        <translation>dekompozice</translation>
    </message>
</context>
<context>
    <name>DecompositionWindow</name>
    <message>
        <source>Cervene schema je v 1 ci 2 NF, zlute ve 3 NF.</source>
        <translation>Červené schéma je v 1 či 2 NF, žluté ve 3 NF.</translation>
    </message>
    <message>
        <source>Zelena zavislost porusuje BCNF, zluta treti NF</source>
        <translation>Zelená závislost porušuje BCNF, žlutá třetí NF</translation>
    </message>
    <message>
        <source>Schemario - Dekompozice</source>
        <translation>Schemario - Dekompozice</translation>
    </message>
    <message>
        <source>Sede kurzivou: schema nahrazene rozkladem nebo pohlcene projekci; ostatni schemata tvori vysledek.</source>
        <translation>Šedě kurzívou: schéma nahrazené rozkladem nebo pohlcené projekcí; ostatní schémata tvoří výsledek.</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Dekompozice</translation>
    </message>
    <message>
        <source>Dekomponovat schema</source>
        <translation>Dekomponovat schéma</translation>
    </message>
    <message>
        <source>&amp;Projekce</source>
        <translation>&amp;Projekce</translation>
    </message>
    <message>
        <source>Pridat projekce</source>
        <translation>Přidat projekce</translation>
    </message>
    <message>
        <source>&amp;Nepokryte zavislosti</source>
        <translation>&amp;Nepokryté závislosti</translation>
    </message>
    <message>
        <source>Pridat nepokryte zavislosti</source>
        <translation>Přidat nepokryté závislosti</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>Zobrazi postup pro tisk</source>
        <translation>Zobrazí postup pro tisk</translation>
    </message>
    <message>
        <source>&amp;Vysledna schemata</source>
        <translation>&amp;Výsledná schémata</translation>
    </message>
    <message>
        <source>Zobrazi vysledna schemata</source>
        <translation>Zobrazí výsledná schémata</translation>
    </message>
    <message>
        <source>&amp;Zavri</source>
        <translation>&amp;Zavři</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algoritmy</translation>
    </message>
    <message>
        <source>Pridana schemata:</source>
        <translation>Přidaná schémata:</translation>
    </message>
    <message>
        <source>Projekce:</source>
        <translation>Projekce:</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Atributy:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Klice:</source>
        <translation>Klíče:</translation>
    </message>
    <message>
        <source>Nejprve dvojite kliknete na schema v hornicasti obrazovky. Pote kliknutim na jednu ze zavislosti, ktera porusuje 3NF (BCNF), v dolni casti schematu dekomponujte schema</source>
        <translation>Nejprve dvojitě klikněte na schéma v horní části obrazovky. Poté kliknutím na jednu ze závislostí, která porušuje 3NF (BCNF), v dolní části schématu dekomponujte schéma</translation>
    </message>
    <message>
        <source>Jeste jsi nedekomponoval shcema</source>
        <translation>Ještě jsi nedekomponoval schéma</translation>
    </message>
    <message>
        <source>Nejsou otevrena zadna schemata k tisku</source>
        <translation>Nejsou otevřena žádná schémata k tisku</translation>
    </message>
    <message>
        <source>Schema uz neni mozno v tomto okne rozlozit</source>
        <translation>Schéma už není možno v tomto okně rozložit</translation>
    </message>
    <message>
        <source>Jeste jsi nedekomponoval schema</source>
        <translation>Ještě jsi nedekomponoval schéma</translation>
    </message>
    <message>
        <source>Nejsou zadne nepokryte zavislosti</source>
        <translation>Nejsou žádné nepokryté závislosti</translation>
    </message>
    <message>
        <source>Zadne schema neni projekci</source>
        <translation>Žádné schéma není projekcí</translation>
    </message>
    <message>
        <source>Chcete rozlozit schema podle teto zavislosti?</source>
        <translation>Chcete rozložit schéma podle této závislosti?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim nepokrytych zavislosti a projekci zmizi. Prejete si pokracovat?</source>
        <translation>Schémata vytvořená přidáním nepokrytých závislostí a projekcí zmizí. Přejete si pokračovat?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim projekci zmizi. Prejete si pokracovat?</source>
        <translation>Schémata vytvořená přidáním projekcí zmizí. Přejete si pokračovat?</translation>
    </message>
    <message>
        <source>Schemata vytvorena pridanim nepokrytych zavislosti zmizi. Prejete si pokracovat?</source>
        <translation>Schémata vytvořená přidáním nepokrytých závislostí zmizí. Přejete si pokračovat?</translation>
    </message>
    <message>
        <source>Schemata vytvorena projekci zmizi. Prejete si pokracovat?</source>
        <translation>Schémata vytvořená projekcí zmizí. Přejete si pokračovat?</translation>
    </message>
    <message>
        <source>Nahrazeno schematy %1 a %2, rozlozeno podle %3</source>
        <translation>Nahrazeno schématy %1 a %2, rozloženo podle %3</translation>
    </message>
    <message>
        <source>Pohlceno projekci</source>
        <translation>Pohlceno projekcí</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Diagram závislostí</translation>
    </message>
    <message>
        <source>Dekompozice, schema %1</source>
        <translation>Dekompozice, schéma %1</translation>
    </message>
</context>
<context>
    <name>DependencyEditorDialog</name>
    <message>
        <source>Schemario - Zadavani zavislosti</source>
        <translation>Schemario - Zadávání závislostí</translation>
    </message>
    <message>
        <source>LEVA STRANA:</source>
        <translation>LEVÁ STRANA:</translation>
    </message>
    <message>
        <source>PRAVA STRANA:</source>
        <translation>PRAVÁ STRANA:</translation>
    </message>
    <message>
        <source>Pridat</source>
        <translation>Přidat</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>Bohuzel je zadano prilis mnoho zavislosti</source>
        <translation>Bohužel je zadáno příliš mnoho závislostí</translation>
    </message>
    <message>
        <source>Neni zadana leva strana</source>
        <translation>Není zadána levá strana</translation>
    </message>
    <message>
        <source>Neni zadana prava strana</source>
        <translation>Není zadána pravá strana</translation>
    </message>
    <message>
        <source>Stejny atribut nelze zadat na leve strane dvakrat</source>
        <translation>Stejný atribut nelze zadat na levé straně dvakrát</translation>
    </message>
    <message>
        <source>Neni co mazat</source>
        <translation>Není co mazat</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tuto zavislost?</source>
        <translation>Chcete skutečně smazat tuto závislost?</translation>
    </message>
    <message>
        <source>Jedna zavislost na radek, jmena oddelena carkou: A, B -&gt; C. Vice jmen vpravo da zavislost pro kazde z nich, # zacina poznamku.</source>
        <translation>Jedna závislost na řádek, jména oddělená čárkou: A, B -&gt; C. Více jmen vpravo dá závislost pro každé z nich, # začíná poznámku.</translation>
    </message>
    <message>
        <source>Po radcich</source>
        <translation>Po řádcích</translation>
    </message>
    <message>
        <source>Jako text</source>
        <translation>Jako text</translation>
    </message>
    <message>
        <source>Zavislosti nejde ukazat jako text: %1</source>
        <translation>Závislosti nejde ukázat jako text: %1</translation>
    </message>
</context>
<context>
    <name>DerivationReport</name>
    <message>
        <source>dano</source>
        <translation>dáno</translation>
    </message>
    <message>
        <source>reflexivita</source>
        <translation>reflexivita</translation>
    </message>
    <message>
        <source>rozsireni</source>
        <translation>rozšíření</translation>
    </message>
    <message>
        <source>tranzitivita</source>
        <translation>tranzitivita</translation>
    </message>
    <message>
        <source>sjednoceni</source>
        <translation>sjednocení</translation>
    </message>
    <message>
        <source>rozklad</source>
        <translation>rozklad</translation>
    </message>
    <message>
        <source>%1 neplyne ze zavislosti: uzaver %2 je %3, chybi v nem %4</source>
        <translation>%1 neplyne ze závislostí: uzávěr %2 je %3, chybí v něm %4</translation>
    </message>
    <message>
        <source>Odvozeni %1 podle Armstrongovych pravidel:</source>
        <translation>Odvození %1 podle Armstrongových pravidel:</translation>
    </message>
</context>
<context>
    <name>DiagramWindow</name>
    <message>
        <source>Schemario - Diagram zavislosti</source>
        <translation>Schemario - Diagram závislostí</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;SVG</source>
        <translation>Uložit jako &amp;SVG</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;PNG</source>
        <translation>Uložit jako &amp;PNG</translation>
    </message>
    <message>
        <source>Tlusta cara spojuje atributy leve strany, sipky vedou k atributum, ktere urcuje.</source>
        <translation>Tlustá čára spojuje atributy levé strany, šipky vedou k atributům, které určuje.</translation>
    </message>
    <message>
        <source>&amp;Prizpusobit sirce okna</source>
        <translation>&amp;Přizpůsobit šířce okna</translation>
    </message>
    <message>
        <source>Diagram do SVG</source>
        <translation>Diagram do SVG</translation>
    </message>
    <message>
        <source>Diagram do PNG</source>
        <translation>Diagram do PNG</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>&amp;Zpet</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>Z&amp;novu</source>
        <translation>Z&amp;novu</translation>
    </message>
</context>
<context>
    <name>ErrorDisplay</name>
    <message>
        <source>Neznama chyba</source>
        <translation>Neznámá chyba</translation>
    </message>
</context>
<context>
    <name>ExerciseExplanations</name>
    <message>
        <source>  %1 pridava %2</source>
        <translation>  %1 přidává %2</translation>
    </message>
    <message>
        <source>%1 neni klic: jeho uzaver %2 neobsahuje %3</source>
        <translation>%1 není klíč: jeho uzávěr %2 neobsahuje %3</translation>
    </message>
    <message>
        <source>%1 neni klic: uz jeho cast %2 je klic</source>
        <translation>%1 není klíč: už jeho část %2 je klíč</translation>
    </message>
    <message>
        <source>%1 je klic: urcuje vsechny atributy a zadny z nich nelze vynechat</source>
        <translation>%1 je klíč: určuje všechny atributy a žádný z nich nelze vynechat</translation>
    </message>
    <message>
        <source>%1 neni nadbytecne: uzaver %2 je %3, neobsahuje %4</source>
        <translation>%1 není nadbytečné: uzávěr %2 je %3, neobsahuje %4</translation>
    </message>
    <message>
        <source>%1 je nadbytecne: z %2 plyne %3 i bez nej:</source>
        <translation>%1 je nadbytečné: z %2 plyne %3 i bez něj:</translation>
    </message>
</context>
<context>
    <name>ExerciseFeedback</name>
    <message>
        <source>Spravne: %1 z %2</source>
        <translation>Správně: %1 z %2</translation>
    </message>
</context>
<context>
    <name>ExerciseHub</name>
    <message>
        <source>Schemario - Testovaci modul</source>
        <translation>Schemario - Testovací modul</translation>
    </message>
    <message>
        <source>&amp;Uzaver</source>
        <translation>&amp;Uzávěr</translation>
    </message>
    <message>
        <source>&amp;Maximalni mnoziny</source>
        <translation>&amp;Maximální množiny</translation>
    </message>
    <message>
        <source>&amp;Klice</source>
        <translation>&amp;Klíče</translation>
    </message>
    <message>
        <source>&amp;Redundantni atributy</source>
        <translation>&amp;Redundantní atributy</translation>
    </message>
    <message>
        <source>Redundantni &amp;zavislosti</source>
        <translation>Redundantní &amp;závislosti</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Dekompozice</translation>
    </message>
    <message>
        <source>&amp;Synteza</source>
        <translation>&amp;Syntéza</translation>
    </message>
    <message>
        <source>&amp;Vlastni dekompozice</source>
        <translation>&amp;Vlastní dekompozice</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Konec</translation>
    </message>
</context>
<context>
    <name>ExerciseSupport</name>
    <message>
        <source>Gratuluji! Vase odpoved je spravna</source>
        <translation>Gratuluji! Vaše odpověď je správná</translation>
    </message>
    <message>
        <source>Ve vasi odpovedi jsou chyby, chcete je jeste opravit?</source>
        <translation>Ve vaší odpovědi jsou chyby, chcete je ještě opravit?</translation>
    </message>
</context>
<context>
    <name>ExerciseWindow</name>
    <message>
        <source>&amp;Dalsi nahodne schema</source>
        <translation>&amp;Další náhodné schéma</translation>
    </message>
    <message>
        <source>Cviceni na nahodnem schematu: zmeny schematu v hlavnim okne se ho netykaji.</source>
        <translation>Cvičení na náhodném schématu: změny schématu v hlavním okně se ho netýkají.</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vymazat</translation>
    </message>
</context>
<context>
    <name>FileExport</name>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>Soubor existuje, mám ho přepsat?</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>Tento soubor nejde otevřít</translation>
    </message>
    <message>
        <source>Soubor nejde ulozit</source>
        <translation>Soubor nejde uložit</translation>
    </message>
</context>
<context>
    <name>FileRead</name>
    <message>
        <source>neni obycejny soubor</source>
        <translation>není obyčejný soubor</translation>
    </message>
</context>
<context>
    <name>KeysExercise</name>
    <message>
        <source>Testovaci modul - Klice</source>
        <translation>Testovací modul - Klíče</translation>
    </message>
    <message>
        <source>&amp;Spravna odpoved</source>
        <translation>&amp;Správná odpověď</translation>
    </message>
    <message>
        <source>&amp;Nove zadani</source>
        <translation>&amp;Nové zadání</translation>
    </message>
    <message>
        <source>Klicem schematu je:</source>
        <translation>Klíčem schématu je:</translation>
    </message>
    <message>
        <source>(zaskrtnete spravnou odpoved - zvolte alespon jednu z nabizenych variant)</source>
        <translation>(zaškrtněte správnou odpověď - zvolte alespoň jednu z nabízených variant)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Gratuluji! Odpoved jste spravne.</source>
        <translation>Gratuluji! Odpověděli jste správně.</translation>
    </message>
    <message>
        <source>Bohuzel vase odpoved neni spravna.</source>
        <translation>Bohužel vaše odpověď není správná.</translation>
    </message>
</context>
<context>
    <name>KeysWindow</name>
    <message>
        <source>Schemario - Klice schematu</source>
        <translation>Schemario - Klíče schématu</translation>
    </message>
    <message>
        <source>Zobraz prvni klic</source>
        <translation>Zobraz první klíč</translation>
    </message>
    <message>
        <source>Zobraz dalsi klice</source>
        <translation>Zobraz další klíče</translation>
    </message>
    <message>
        <source> Nejsou zadana zadna data</source>
        <translation> Nejsou zadána žádná data</translation>
    </message>
    <message>
        <source> Nejprve musi byt vygenerovany prvni klic</source>
        <translation> Nejprve musí být vygenerovaný první klíč</translation>
    </message>
    <message>
        <source>Zadne dalsi klice schematu nejsou</source>
        <translation>Žádné další klíče schématu nejsou</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>oranzove: schema v 1. ci 2. NF</source>
        <translation>oranžové: schéma v 1. či 2. NF</translation>
    </message>
    <message>
        <source>zlute: schema ve 3NF</source>
        <translation>žluté: schéma ve 3NF</translation>
    </message>
    <message>
        <source>sede: schema v BCNF</source>
        <translation>šedé: schéma v BCNF</translation>
    </message>
    <message>
        <source>kurzivou: nahrazene schema</source>
        <translation>kurzívou: nahrazené schéma</translation>
    </message>
    <message>
        <source>zluta: zavislost porusuje 3NF</source>
        <translation>žlutá: závislost porušuje 3NF</translation>
    </message>
    <message>
        <source>zelena: zavislost porusuje jen BCNF</source>
        <translation>zelená: závislost porušuje jen BCNF</translation>
    </message>
    <message>
        <source>seda: zavislost BCNF neporusuje</source>
        <translation>šedá: závislost BCNF neporušuje</translation>
    </message>
    <message>
        <source>cervene: chyba ve vasi odpovedi</source>
        <translation>červeně: chyba ve vaší odpovědi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Novy</source>
        <translation>&amp;Nový</translation>
    </message>
    <message>
        <source>Otevrit novy soubor</source>
        <translation>Otevřít nový soubor</translation>
    </message>
    <message>
        <source>&amp;Otevri</source>
        <translation>&amp;Otevři</translation>
    </message>
    <message>
        <source>Otevri novy soubor</source>
        <translation>Otevři nový soubor</translation>
    </message>
    <message>
        <source>&amp;Uloz</source>
        <translation>&amp;Ulož</translation>
    </message>
    <message>
        <source>Uloz soubor</source>
        <translation>Ulož soubor</translation>
    </message>
    <message>
        <source>Uloz &amp;jako</source>
        <translation>Ulož &amp;jako</translation>
    </message>
    <message>
        <source>Uloz soubor pod jinym jmenem</source>
        <translation>Ulož soubor pod jiným jménem</translation>
    </message>
    <message>
        <source>Editovat &amp;atributy</source>
        <translation>Editovat &amp;atributy</translation>
    </message>
    <message>
        <source>Zadat nove atributy schematu</source>
        <translation>Zadat nové atributy schématu</translation>
    </message>
    <message>
        <source>Editovat &amp;zavislosti</source>
        <translation>Editovat &amp;závislosti</translation>
    </message>
    <message>
        <source>Zadat nove zavislosti</source>
        <translation>Zadat nové závislosti</translation>
    </message>
    <message>
        <source>&amp;Redundantni atributy</source>
        <translation>&amp;Redundantní atributy</translation>
    </message>
    <message>
        <source>Urceni redundantnich atributu</source>
        <translation>Určení redundantních atributů</translation>
    </message>
    <message>
        <source>Redundantni &amp;zavislosti</source>
        <translation>Redundantní &amp;závislosti</translation>
    </message>
    <message>
        <source>Urceni redundantnich zavislosti</source>
        <translation>Určení redundantních závislostí</translation>
    </message>
    <message>
        <source>Hledani &amp;klicu</source>
        <translation>Hledání &amp;klíčů</translation>
    </message>
    <message>
        <source>Hledani klicu schematu</source>
        <translation>Hledání klíčů schématu</translation>
    </message>
    <message>
        <source>Deko&amp;mpozice</source>
        <translation>Deko&amp;mpozice</translation>
    </message>
    <message>
        <source>Dekompozice</source>
        <translation>Dekompozice</translation>
    </message>
    <message>
        <source>S&amp;ynteza</source>
        <translation>S&amp;yntéza</translation>
    </message>
    <message>
        <source>Synteza</source>
        <translation>Syntéza</translation>
    </message>
    <message>
        <source>&amp;Maximalni mnoziny</source>
        <translation>&amp;Maximální množiny</translation>
    </message>
    <message>
        <source>&amp;Testovaci modul</source>
        <translation>&amp;Testovací modul</translation>
    </message>
    <message>
        <source>Testovaci modul</source>
        <translation>Testovací modul</translation>
    </message>
    <message>
        <source>&amp;O programu</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>RA</source>
        <translation>RA</translation>
    </message>
    <message>
        <source>RZ</source>
        <translation>RZ</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Ukazkove schemata</source>
        <translation>&amp;Ukázková schémata</translation>
    </message>
    <message>
        <source>&amp;Posledni soubory</source>
        <translation>&amp;Poslední soubory</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Konec programu</source>
        <translation>Konec programu</translation>
    </message>
    <message>
        <source>&amp;Data</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Redundance</source>
        <translation>&amp;Redundance</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algoritmy</translation>
    </message>
    <message>
        <source>&amp;Testovani</source>
        <translation>&amp;Testování</translation>
    </message>
    <message>
        <source>&amp;Uzaver</source>
        <translation>&amp;Uzávěr</translation>
    </message>
    <message>
        <source>&amp;Klice</source>
        <translation>&amp;Klíče</translation>
    </message>
    <message>
        <source>&amp;Dekompozice</source>
        <translation>&amp;Dekompozice</translation>
    </message>
    <message>
        <source>&amp;Vlastni dekompozice</source>
        <translation>&amp;Vlastní dekompozice</translation>
    </message>
    <message>
        <source>Napoveda</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>&amp;Jazyk</source>
        <translation>&amp;Jazyk</translation>
    </message>
    <message>
        <source>&amp;Cestina</source>
        <translation>&amp;Čeština</translation>
    </message>
    <message>
        <source>Cestina &amp;bez diakritiky</source>
        <translation>Čeština &amp;bez diakritiky</translation>
    </message>
    <message>
        <source>&amp;Anglictina</source>
        <translation>&amp;Angličtina</translation>
    </message>
    <message>
        <source>Jazyk se zmeni pri pristim spusteni programu.</source>
        <translation>Jazyk se změní při příštím spuštění programu.</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Atributy:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Prejete si data ulozit?</source>
        <translation>Přejete si data uložit?</translation>
    </message>
    <message>
        <source>Zadne redundantni atributy nejsou</source>
        <translation>Žádné redundantní atributy nejsou</translation>
    </message>
    <message>
        <source>Zadne redundantni zavislosti nejsou</source>
        <translation>Žádné redundantní závislosti nejsou</translation>
    </message>
    <message>
        <source>Ulozit jako &amp;text</source>
        <translation>Uložit jako &amp;text</translation>
    </message>
    <message>
        <source>Uloz schema jako text: jmena atributu a zavislosti A, B -&gt; C</source>
        <translation>Ulož schéma jako text: jména atributů a závislosti A, B -&gt; C</translation>
    </message>
    <message>
        <source>&amp;Kopirovat jako text</source>
        <translation>&amp;Kopírovat jako text</translation>
    </message>
    <message>
        <source>Vloz schema do schranky jako text</source>
        <translation>Vlož schéma do schránky jako text</translation>
    </message>
    <message>
        <source>&amp;Vlozit text</source>
        <translation>&amp;Vložit text</translation>
    </message>
    <message>
        <source>Nahrad schema textem ze schranky (radky jako A, B -&gt; C)</source>
        <translation>Nahraď schéma textem ze schránky (řádky jako A, B -&gt; C)</translation>
    </message>
    <message>
        <source>&amp;Nahodne schema...</source>
        <translation>&amp;Náhodné schéma...</translation>
    </message>
    <message>
        <source>Vytvor nahodne schema na procvicovani</source>
        <translation>Vytvoř náhodné schéma na procvičování</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Diagram závislostí</translation>
    </message>
    <message>
        <source>Obrazek schematu: atributy a sipky zavislosti</source>
        <translation>Obrázek schématu: atributy a šipky závislostí</translation>
    </message>
    <message>
        <source>Schema je ve schrance jako text</source>
        <translation>Schéma je ve schránce jako text</translation>
    </message>
    <message>
        <source>Ve schrance neni schema v textovem zapisu (radky jako A, B -&gt; C).</source>
        <translation>Ve schránce není schéma v textovém zápisu (řádky jako A, B -&gt; C).</translation>
    </message>
    <message>
        <source>Text ve schrance neni schema:</source>
        <translation>Text ve schránce není schéma:</translation>
    </message>
    <message>
        <source>Nahradit schema textem ze schranky?</source>
        <translation>Nahradit schéma textem ze schránky?</translation>
    </message>
    <message>
        <source>Schema ze schranky</source>
        <translation>Schéma ze schránky</translation>
    </message>
    <message>
        <source>Nahodne schema</source>
        <translation>Náhodné schéma</translation>
    </message>
</context>
<context>
    <name>MaximalSetExercise</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Testovaci modul  - Maximalni mnoziny</source>
        <translation>Testovací modul  - Maximální množiny</translation>
    </message>
    <message>
        <source>&amp;Spravne reseni</source>
        <translation>&amp;Správné řešení</translation>
    </message>
    <message>
        <source>Zvol si atribut pro max(A):</source>
        <translation>Zvol si atribut pro max(A):</translation>
    </message>
    <message>
        <source>Zadejte vase reseni:</source>
        <translation>Zadejte vaše řešení:</translation>
    </message>
    <message>
        <source>Spravna odpoved:</source>
        <translation>Správná odpověď:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
</context>
<context>
    <name>MaximalSetExerciseSession</name>
    <message>
        <source>%1 patri do nektere maximalni mnoziny: jeho uzaver %2 neobsahuje %3</source>
        <translation>%1 patří do některé maximální množiny: jeho uzávěr %2 neobsahuje %3</translation>
    </message>
    <message>
        <source>%1 do maximalni mnoziny nepatri: urcuje %2:</source>
        <translation>%1 do maximální množiny nepatří: určuje %2:</translation>
    </message>
</context>
<context>
    <name>MaximalSetsWindow</name>
    <message>
        <source>Schemario - Maximalni mnoziny</source>
        <translation>Schemario - Maximální množiny</translation>
    </message>
    <message>
        <source>Vypocet  max (A)</source>
        <translation>Výpočet  max (A)</translation>
    </message>
    <message>
        <source>Zvolte atribut A:</source>
        <translation>Zvolte atribut A:</translation>
    </message>
    <message>
        <source>Maximalni mnozina (A)</source>
        <translation>Maximální množina (A)</translation>
    </message>
    <message>
        <source>Je A klicovy atribut ?</source>
        <translation>Je A klíčový atribut ?</translation>
    </message>
    <message>
        <source>Na zaklade vypoctenych maximalnich mnozin rekne je-li A klicovy atribut</source>
        <translation>Na základě vypočtených maximálních množin řekne, je-li A klíčový atribut</translation>
    </message>
    <message>
        <source>Vypocet MAX (R)</source>
        <translation>Výpočet MAX (R)</translation>
    </message>
    <message>
        <source>Maximalni mnoziny</source>
        <translation>Maximální množiny</translation>
    </message>
    <message>
        <source>Je schema v &amp;BCNF ?</source>
        <translation>Je schéma v &amp;BCNF ?</translation>
    </message>
    <message>
        <source>Na zaklade vypoctu maximalnich mnozin rekne, zda je schema v BCNF</source>
        <translation>Na základě výpočtu maximálních množin řekne, zda je schéma v BCNF</translation>
    </message>
    <message>
        <source>Zvolte atribut A</source>
        <translation>Zvolte atribut A</translation>
    </message>
    <message>
        <source>zadna mnozina</source>
        <translation>žádná množina</translation>
    </message>
</context>
<context>
    <name>NotationText</name>
    <message>
        <source>bajt %1 nepatri do textu v kodovani UTF-8</source>
        <translation>bajt %1 nepatří do textu v kódování UTF-8</translation>
    </message>
    <message>
        <source>znak %1 nemuze byt ve jmenu atributu</source>
        <translation>znak %1 nemůže být ve jménu atributu</translation>
    </message>
    <message>
        <source>nezname slovo %1 pred dvojteckou</source>
        <translation>neznámé slovo %1 před dvojtečkou</translation>
    </message>
    <message>
        <source>druhy radek s atributy, prvni je na radku %1</source>
        <translation>druhý řádek s atributy, první je na řádku %1</translation>
    </message>
    <message>
        <source>sipka v radku s atributy</source>
        <translation>šipka v řádku s atributy</translation>
    </message>
    <message>
        <source>zavislosti chybi sipka -&gt;</source>
        <translation>závislosti chybí šipka -&gt;</translation>
    </message>
    <message>
        <source>druha sipka v jedne zavislosti</source>
        <translation>druhá šipka v jedné závislosti</translation>
    </message>
    <message>
        <source>za sipkou chybi prava strana</source>
        <translation>za šipkou chybí pravá strana</translation>
    </message>
    <message>
        <source>chybi jmeno atributu</source>
        <translation>chybí jméno atributu</translation>
    </message>
    <message>
        <source>jmeno %1 je delsi nez %2 znaku</source>
        <translation>jméno %1 je delší než %2 znaků</translation>
    </message>
    <message>
        <source>atribut %1 je uveden dvakrat</source>
        <translation>atribut %1 je uveden dvakrát</translation>
    </message>
    <message>
        <source>neznamy atribut %1</source>
        <translation>neznámý atribut %1</translation>
    </message>
    <message>
        <source>vice nez %1 atributu</source>
        <translation>více než %1 atributů</translation>
    </message>
    <message>
        <source>vice nez %1 atributu na leve strane</source>
        <translation>více než %1 atributů na levé straně</translation>
    </message>
    <message>
        <source>vice nez %1 zavislosti</source>
        <translation>více než %1 závislostí</translation>
    </message>
    <message>
        <source>radek %1, sloupec %2: %3</source>
        <translation>řádek %1, sloupec %2: %3</translation>
    </message>
    <message>
        <source>jmeno %1 obsahuje znak, ktery text nepripousti</source>
        <translation>jméno %1 obsahuje znak, který text nepřipouští</translation>
    </message>
    <message>
        <source>jmeno %1 ma mezery, ktere by text nezachoval</source>
        <translation>jméno %1 má mezery, které by text nezachoval</translation>
    </message>
    <message>
        <source>jmeno %1 je uvedeno dvakrat</source>
        <translation>jméno %1 je uvedeno dvakrát</translation>
    </message>
    <message>
        <source>zavislost pouziva atribut %1, ktery nema jmeno</source>
        <translation>závislost používá atribut %1, který nemá jméno</translation>
    </message>
</context>
<context>
    <name>OutOfDateNotice</name>
    <message>
        <source>Schema bylo od naplneni tohoto okna zmeneno: okno ukazuje predchozi stav. Pro aktualni stav ho otevrete znovu.</source>
        <translation>Schéma bylo od naplnění tohoto okna změněno: okno ukazuje předchozí stav. Pro aktuální stav ho otevřete znovu.</translation>
    </message>
    <message>
        <source>Schema bylo zmeneno: seznam byl sestaven znovu z aktualniho schematu.</source>
        <translation>Schéma bylo změněno: seznam byl sestaven znovu z aktuálního schématu.</translation>
    </message>
</context>
<context>
    <name>OwnDecompositionExercise</name>
    <message>
        <source>Testovaci modul - Vlastni dekompozice</source>
        <translation>Testovací modul - Vlastní dekompozice</translation>
    </message>
    <message>
        <source>Zavislosti schematu:</source>
        <translation>Závislosti schématu:</translation>
    </message>
    <message>
        <source>Atributy nove casti (zaskrtnete a stisknete Pridat cast)</source>
        <translation>Atributy nové části (zaškrtněte a stiskněte Přidat část)</translation>
    </message>
    <message>
        <source>Pridat cast</source>
        <translation>Přidat část</translation>
    </message>
    <message>
        <source>Odebrat cast</source>
        <translation>Odebrat část</translation>
    </message>
    <message>
        <source>Vyhodnotit</source>
        <translation>Vyhodnotit</translation>
    </message>
    <message>
        <source>Casti dekompozice:</source>
        <translation>Části dekompozice:</translation>
    </message>
    <message>
        <source>Hodnoceni:</source>
        <translation>Hodnocení:</translation>
    </message>
    <message>
        <source>Cast %1: %2</source>
        <translation>Část %1: %2</translation>
    </message>
</context>
<context>
    <name>OwnDecompositionExerciseSession</name>
    <message>
        <source>Dekompozice nema zadnou cast: pridejte alespon jednu.</source>
        <translation>Dekompozice nemá žádnou část: přidejte alespoň jednu.</translation>
    </message>
    <message>
        <source>Pokryti: kazdy atribut patri do nektere casti</source>
        <translation>Pokrytí: každý atribut patří do některé části</translation>
    </message>
    <message>
        <source>Atributy bez casti: %1</source>
        <translation>Atributy bez části: %1</translation>
    </message>
    <message>
        <source>Spojeni je bezztratove: radek %1 obsahuje jen a</source>
        <translation>Spojení je bezztrátové: řádek %1 obsahuje jen a</translation>
    </message>
    <message>
        <source>Spojeni je ztratove: po chase neobsahuje zadny radek tabulky jen a</source>
        <translation>Spojení je ztrátové: po chase neobsahuje žádný řádek tabulky jen a</translation>
    </message>
    <message>
        <source>Zavislosti jsou zachovany: kazdou odvodi zavislosti platne v castech</source>
        <translation>Závislosti jsou zachovány: každou odvodí závislosti platné v částech</translation>
    </message>
    <message>
        <source>Ztracene zavislosti (neodvodi je zavislosti platne v castech): %1</source>
        <translation>Ztracené závislosti (neodvodí je závislosti platné v částech): %1</translation>
    </message>
    <message>
        <source>BCNF</source>
        <translation>BCNF</translation>
    </message>
    <message>
        <source>3NF (%1 porusuje BCNF)</source>
        <translation>3NF (%1 porušuje BCNF)</translation>
    </message>
    <message>
        <source>2NF (%1 porusuje 3NF)</source>
        <translation>2NF (%1 porušuje 3NF)</translation>
    </message>
    <message>
        <source>1NF (%1 je castecna zavislost na klici)</source>
        <translation>1NF (%1 je částečná závislost na klíči)</translation>
    </message>
    <message>
        <source>Cast %1 (%2): klice %3; %4</source>
        <translation>Část %1 (%2): klíče %3; %4</translation>
    </message>
</context>
<context>
    <name>RandomSchemaDialog</name>
    <message>
        <source>Schemario - Nahodne schema</source>
        <translation>Schemario - Náhodné schéma</translation>
    </message>
    <message>
        <source>1. normalni forma</source>
        <translation>1. normální forma</translation>
    </message>
    <message>
        <source>2. normalni forma</source>
        <translation>2. normální forma</translation>
    </message>
    <message>
        <source>3. normalni forma</source>
        <translation>3. normální forma</translation>
    </message>
    <message>
        <source>BCNF</source>
        <translation>BCNF</translation>
    </message>
    <message>
        <source>Presny pocet klicu:</source>
        <translation>Přesný počet klíčů:</translation>
    </message>
    <message>
        <source>Pismena</source>
        <translation>Písmena</translation>
    </message>
    <message>
        <source>Objednavky</source>
        <translation>Objednávky</translation>
    </message>
    <message>
        <source>Rozvrh hodin</source>
        <translation>Rozvrh hodin</translation>
    </message>
    <message>
        <source>Knihovna</source>
        <translation>Knihovna</translation>
    </message>
    <message>
        <source>Pocet atributu:</source>
        <translation>Počet atributů:</translation>
    </message>
    <message>
        <source>Pocet zavislosti:</source>
        <translation>Počet závislostí:</translation>
    </message>
    <message>
        <source>Nejvyssi normalni forma:</source>
        <translation>Nejvyšší normální forma:</translation>
    </message>
    <message>
        <source>Jmena atributu:</source>
        <translation>Jména atributů:</translation>
    </message>
    <message>
        <source>&amp;Vytvorit</source>
        <translation>&amp;Vytvořit</translation>
    </message>
    <message>
        <source>&amp;Zrusit</source>
        <translation>&amp;Zrušit</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesExercise</name>
    <message>
        <source>Testovaci modul - Redundantni atributy</source>
        <translation>Testovací modul - Redundantní atributy</translation>
    </message>
    <message>
        <source>Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu.</source>
        <translation>Pravidlo: každá položka se posuzuje samostatně vůči celému seznamu.</translation>
    </message>
    <message>
        <source>Redundantni atributy</source>
        <translation>Redundantní atributy</translation>
    </message>
    <message>
        <source>(atribut oznacite kliknutim)</source>
        <translation>(atribut označíte kliknutím)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Zavislost: %1</source>
        <translation>Závislost: %1</translation>
    </message>
    <message>
        <source>Po redukci atributu:</source>
        <translation>Po redukci atributů:</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesExerciseSession</name>
    <message>
        <source>%1 v %2</source>
        <translation>%1 v %2</translation>
    </message>
</context>
<context>
    <name>RedundantAttributesWindow</name>
    <message>
        <source>Schemario - Redundantni atributy</source>
        <translation>Schemario - Redundantní atributy</translation>
    </message>
    <message>
        <source>Redundantni atributy:</source>
        <translation>Redundantní atributy:</translation>
    </message>
    <message>
        <source>Atribut</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>v zavislosti</source>
        <translation>v závislosti</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tento atribut?</source>
        <translation>Chcete skutečně smazat tento atribut?</translation>
    </message>
    <message>
        <source>Po smazani tohoto atributu prestal nektery jiny byt redundantni. Radek je oznacen zlute.</source>
        <translation>Po smazání tohoto atributu přestal některý jiný být redundantní. Řádek je označen žlutě.</translation>
    </message>
    <message>
        <source>Jiz nezbyvaji zadne redundantni atributy, chcete zavrit formular?</source>
        <translation>Již nezbývají žádné redundantní atributy, chcete zavřít formulář?</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesExercise</name>
    <message>
        <source>Testovaci modul - Redundantni zavislosti</source>
        <translation>Testovací modul - Redundantní závislosti</translation>
    </message>
    <message>
        <source>Pravidlo: kazda polozka se posuzuje samostatne vuci celemu seznamu.</source>
        <translation>Pravidlo: každá položka se posuzuje samostatně vůči celému seznamu.</translation>
    </message>
    <message>
        <source>Redundantni zavislosti</source>
        <translation>Redundantní závislosti</translation>
    </message>
    <message>
        <source>(zaskrtnete redundantni zavislosti)</source>
        <translation>(zaškrtněte redundantní závislosti)</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Spravne reseni</source>
        <translation>Správné řešení</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesExerciseSession</name>
    <message>
        <source>Zavislost %1</source>
        <translation>Závislost %1</translation>
    </message>
</context>
<context>
    <name>RedundantDependenciesWindow</name>
    <message>
        <source>Schemario - Redundantni zavislosti</source>
        <translation>Schemario - Redundantní závislosti</translation>
    </message>
    <message>
        <source>Redundantni zavislosti:</source>
        <translation>Redundantní závislosti:</translation>
    </message>
    <message>
        <source>Smazat</source>
        <translation>Smazat</translation>
    </message>
    <message>
        <source>Chcete skutecne smazat tuto zavislost?</source>
        <translation>Chcete skutečně smazat tuto závislost?</translation>
    </message>
    <message>
        <source>Po smazani teto zavislosti prestaly nektere jine byt redundantni. Tyto budou oznaceny zlute.</source>
        <translation>Po smazání této závislosti přestaly některé jiné být redundantní. Tyto budou označeny žlutě.</translation>
    </message>
    <message>
        <source>Jiz nezbyvaji zadne redundantni zavislosti, chcete zavrit formular?</source>
        <translation>Již nezbývají žádné redundantní závislosti, chcete zavřít formulář?</translation>
    </message>
    <message>
        <source>Proc?</source>
        <translation>Proč?</translation>
    </message>
    <message>
        <source>Odvozeni teto zavislosti z ostatnich Armstrongovymi pravidly</source>
        <translation>Odvození této závislosti z ostatních Armstrongovými pravidly</translation>
    </message>
</context>
<context>
    <name>ReportFormats</name>
    <message>
        <source>Klic</source>
        <translation>Klíč</translation>
    </message>
    <message>
        <source>Atribut</source>
        <translation>Atribut</translation>
    </message>
    <message>
        <source>Maximalni mnoziny</source>
        <translation>Maximální množiny</translation>
    </message>
</context>
<context>
    <name>ReportWindow</name>
    <message>
        <source>Nejde zobrazit tiskovy dialog</source>
        <translation>Nejde zobrazit tiskový dialog</translation>
    </message>
    <message>
        <source>Text files (*.txt)|*.TXT&quot;</source>
        <translation>Textové soubory (*.txt)|*.TXT&quot;</translation>
    </message>
    <message>
        <source>Schemario - Tiskovy formular</source>
        <translation>Schemario - Tiskový formulář</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>Vytiskne data zobrazena ve formulari</source>
        <translation>Vytiskne data zobrazená ve formuláři</translation>
    </message>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Ulozi data z formulare do formatu txt</source>
        <translation>Uloží data z formuláře do formátu txt</translation>
    </message>
    <message>
        <source>Do &amp;PDF</source>
        <translation>Do &amp;PDF</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako stranky PDF, stejne jako by se tiskly</source>
        <translation>Uloží data z formuláře jako stránky PDF, stejně jako by se tiskly</translation>
    </message>
    <message>
        <source>&amp;Nahled</source>
        <translation>&amp;Náhled</translation>
    </message>
    <message>
        <source>Ukaze stranky tak, jak se vytisknou</source>
        <translation>Ukáže stránky tak, jak se vytisknou</translation>
    </message>
    <message>
        <source>&amp;Zavri</source>
        <translation>&amp;Zavři</translation>
    </message>
    <message>
        <source>&amp;Vytisknout data</source>
        <translation>&amp;Vytisknout data</translation>
    </message>
    <message>
        <source>Vye&amp;xportovat data</source>
        <translation>Vye&amp;xportovat data</translation>
    </message>
    <message>
        <source>Ulozit do P&amp;DF</source>
        <translation>Uložit do P&amp;DF</translation>
    </message>
    <message>
        <source>Nahled &amp;tisku</source>
        <translation>Náhled &amp;tisku</translation>
    </message>
    <message>
        <source>Export do PDF</source>
        <translation>Export do PDF</translation>
    </message>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>Soubor existuje, mám ho přepsat?</translation>
    </message>
    <message>
        <source>Soubor nejde ulozit</source>
        <translation>Soubor nejde uložit</translation>
    </message>
    <message>
        <source>Export to txt</source>
        <translation>Export do txt</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>Tento soubor nejde otevřít</translation>
    </message>
    <message>
        <source>Do &amp;Markdownu</source>
        <translation>Do &amp;Markdownu</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako Markdown s tabulkami klicu a mnozin</source>
        <translation>Uloží data z formuláře jako Markdown s tabulkami klíčů a množin</translation>
    </message>
    <message>
        <source>Do &amp;LaTeXu</source>
        <translation>Do &amp;LaTeXu</translation>
    </message>
    <message>
        <source>Ulozi data z formulare jako kus LaTeXu pro vlozeni do dokumentu</source>
        <translation>Uloží data z formuláře jako kus LaTeXu pro vložení do dokumentu</translation>
    </message>
    <message>
        <source>Ulozit do Mar&amp;kdownu</source>
        <translation>Uložit do Mar&amp;kdownu</translation>
    </message>
    <message>
        <source>Ulozit do &amp;LaTeXu</source>
        <translation>Uložit do &amp;LaTeXu</translation>
    </message>
    <message>
        <source>Export do Markdownu</source>
        <translation>Export do Markdownu</translation>
    </message>
    <message>
        <source>Export do LaTeXu</source>
        <translation>Export do LaTeXu</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>standardni vystup nejde zapsat: %1</source>
        <translation>standardní výstup nejde zapsat: %1</translation>
    </message>
    <message>
        <source>zadejte jednu zavislost X -&gt; Y</source>
        <translation>zadejte jednu závislost X -&gt; Y</translation>
    </message>
    <message>
        <source>prazdna mnozina</source>
        <translation>prázdná množina</translation>
    </message>
    <message>
        <source>Atribut %1 JE, na zaklade algoritmu zalozenem na maximalnich mnozinach, klicovym atributem</source>
        <translation>Atribut %1 JE, na základě algoritmu založeném na maximálních množinách, klíčovým atributem</translation>
    </message>
    <message>
        <source>Atribut %1 NENI, na zaklade algoritmu zalozenem na maximalnich mnozinach, klicovym atributem</source>
        <translation>Atribut %1 NENÍ, na základě algoritmu založeném na maximálních množinách, klíčovým atributem</translation>
    </message>
    <message>
        <source>Schema JE, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF</source>
        <translation>Schéma JE, na základě algoritmu založeném na maximálních množinách, v BCNF</translation>
    </message>
    <message>
        <source>Schema NENI, na zaklade algoritmu zalozenem na maximalnich mnozinach, v BCNF</source>
        <translation>Schéma NENÍ, na základě algoritmu založeném na maximálních množinách, v BCNF</translation>
    </message>
    <message>
        <source>Mnozina Max(%1) = </source>
        <translation>Množina Max(%1) = </translation>
    </message>
    <message>
        <source>Vypis je zkracen: kazda mnozina jednou, celkem %1 mnozin</source>
        <translation>Výpis je zkrácen: každá množina jednou, celkem %1 množin</translation>
    </message>
    <message>
        <source>Vypis je zkracen: jen mnoziny bez podmnoziny v rodine, kazda jednou, celkem %1 mnozin</source>
        <translation>Výpis je zkrácen: jen množiny bez podmnožiny v rodině, každá jednou, celkem %1 množin</translation>
    </message>
    <message>
        <source>Rozlozeni schematu podle levych stran je jiz zobrazeno</source>
        <translation>Rozložení schématu podle levých stran je již zobrazeno</translation>
    </message>
    <message>
        <source>Nejprve rozlozte schema podle levych stran</source>
        <translation>Nejprve rozložte schéma podle levých stran</translation>
    </message>
    <message>
        <source> Zadna schemata nemaji ekvivalentni klice</source>
        <translation> Žádná schémata nemají ekvivalentní klíče</translation>
    </message>
    <message>
        <source>Sjednoceni schemat podle ekvivalentnich klicu je jiz zobrazeno</source>
        <translation>Sjednocení schémat podle ekvivalentních klíčů je již zobrazeno</translation>
    </message>
    <message>
        <source>Zadna schemata nejsou projekci</source>
        <translation>Žádná schémata nejsou projekcí</translation>
    </message>
    <message>
        <source> Zobrazeni projekce je jiz zobrazeno</source>
        <translation> Zobrazení projekce je již zobrazeno</translation>
    </message>
    <message>
        <source>Schemata vytvorena projekci zmizi. Lze je ziskat znovu tlacitkem &apos;Projekce&apos;.</source>
        <translation>Schémata vytvořená projekcí zmizí. Lze je získat znovu tlačítkem &apos;Projekce&apos;.</translation>
    </message>
    <message>
        <source>%1: cil musi mit priponu .dbc (schema) nebo .txt, .fd (text)</source>
        <translation>%1: cíl musí mít příponu .dbc (schéma) nebo .txt, .fd (text)</translation>
    </message>
    <message>
        <source>jmeno atributu %1 nepojme soubor .dbc (kodovani Windows-1250)</source>
        <translation>jméno atributu %1 nepojme soubor .dbc (kódování Windows-1250)</translation>
    </message>
    <message>
        <source>%1: soubor nejde zapsat</source>
        <translation>%1: soubor nejde zapsat</translation>
    </message>
</context>
<context>
    <name>SchemaDetails</name>
    <message>
        <source>Schema %1</source>
        <translation>Schéma %1</translation>
    </message>
    <message>
        <source>Puvodni schema</source>
        <translation>Původní schéma</translation>
    </message>
</context>
<context>
    <name>SchemaDocument</name>
    <message>
        <source>smazani atributu</source>
        <translation>smazání atributu</translation>
    </message>
    <message>
        <source>smazani zavislosti</source>
        <translation>smazání závislosti</translation>
    </message>
    <message>
        <source>uprava atributu</source>
        <translation>úprava atributů</translation>
    </message>
    <message>
        <source>uprava zavislosti</source>
        <translation>úprava závislostí</translation>
    </message>
    <message>
        <source>vymazani schematu</source>
        <translation>vymazání schématu</translation>
    </message>
</context>
<context>
    <name>SchemaFile</name>
    <message>
        <source>soubor je vetsi nez %1 bajtu</source>
        <translation>soubor je větší než %1 bajtů</translation>
    </message>
    <message>
        <source>chybi znak : za jmeny atributu</source>
        <translation>chybí znak : za jmény atributů</translation>
    </message>
    <message>
        <source>jmeno atributu nekonci znakem ;</source>
        <translation>jméno atributu nekončí znakem ;</translation>
    </message>
    <message>
        <source>vice nez %1 atributu</source>
        <translation>více než %1 atributů</translation>
    </message>
    <message>
        <source>misto cislice je znak s kodem %1</source>
        <translation>místo číslice je znak s kódem %1</translation>
    </message>
    <message>
        <source>chybi index atributu</source>
        <translation>chybí index atributu</translation>
    </message>
    <message>
        <source>za indexem na leve strane chybi mezera</source>
        <translation>za indexem na levé straně chybí mezera</translation>
    </message>
    <message>
        <source>zavislost nema znak -</source>
        <translation>závislost nemá znak -</translation>
    </message>
    <message>
        <source>index %1 neoznacuje zadny atribut</source>
        <translation>index %1 neoznačuje žádný atribut</translation>
    </message>
    <message>
        <source>vice nez %1 atributu na leve strane</source>
        <translation>více než %1 atributů na levé straně</translation>
    </message>
    <message>
        <source>vice nez %1 zavislosti</source>
        <translation>více než %1 závislostí</translation>
    </message>
    <message>
        <source>zavislost nekonci znakem ;</source>
        <translation>závislost nekončí znakem ;</translation>
    </message>
    <message>
        <source>bajt %1: %2</source>
        <translation>bajt %1: %2</translation>
    </message>
    <message>
        <source>Zkousite otevrit spatny soubor. Chci priponu .dbc</source>
        <translation>Zkoušíte otevřít špatný soubor. Chci příponu .dbc</translation>
    </message>
    <message>
        <source>Chyba pri cteni ze souboru</source>
        <translation>Chyba při čtení ze souboru</translation>
    </message>
    <message>
        <source>Chyba pri otevirani souboru</source>
        <translation>Chyba při otevírání souboru</translation>
    </message>
</context>
<context>
    <name>SchemaFileCommands</name>
    <message>
        <source>Jmeno atributu %1 obsahuje znak, ktery soubor .dbc nepojme (kodovani Windows-1250). Prejmenujte atribut.</source>
        <translation>Jméno atributu %1 obsahuje znak, který soubor .dbc nepojme (kódování Windows-1250). Přejmenujte atribut.</translation>
    </message>
    <message>
        <source>Chyba v zapisu do souboru</source>
        <translation>Chyba v zápisu do souboru</translation>
    </message>
    <message>
        <source>Problem s otevrenim souboru pro zapis</source>
        <translation>Problém s otevřením souboru pro zápis</translation>
    </message>
    <message>
        <source>Soubor existuje mam ho prepsat?</source>
        <translation>Soubor existuje, mám ho přepsat?</translation>
    </message>
    <message>
        <source>Tento soubor nejde otevrit</source>
        <translation>Tento soubor nejde otevřít</translation>
    </message>
    <message>
        <source>Ulozit jako text</source>
        <translation>Uložit jako text</translation>
    </message>
</context>
<context>
    <name>SchemaReport</name>
    <message>
        <source>PUVODNI SCHEMA:</source>
        <translation>PŮVODNÍ SCHÉMA:</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo dekompozici schematu %1 podle zavislosti %2</source>
        <translation>Následující schéma vzniklo dekompozicí schématu %1 podle závislosti %2</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo pridanim chybejicich zavislosti.</source>
        <translation>Následující schéma vzniklo přidáním chybějících závislostí.</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo projekci schemat (%1 ).</source>
        <translation>Následující schéma vzniklo projekcí schémat (%1 ).</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo rozlozenim podle levych stran</source>
        <translation>Následující schéma vzniklo rozložením podle levých stran</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo sloucenim schemat s ekvivalentnimi klici.</source>
        <translation>Následující schéma vzniklo sloučením schémat s ekvivalentními klíči.</translation>
    </message>
    <message>
        <source>Nasledujici schema vzniklo projekci.</source>
        <translation>Následující schéma vzniklo projekcí.</translation>
    </message>
    <message>
        <source> Schema je v prvni normalni forme</source>
        <translation> Schéma je v první normální formě</translation>
    </message>
    <message>
        <source> Schema je ve druhe normalni forme</source>
        <translation> Schéma je ve druhé normální formě</translation>
    </message>
    <message>
        <source> Schema je ve treti normalni forme</source>
        <translation> Schéma je ve třetí normální formě</translation>
    </message>
    <message>
        <source> Schema je v BCNF</source>
        <translation> Schéma je v BCNF</translation>
    </message>
    <message>
        <source>SCHEMA %1:</source>
        <translation>SCHÉMA %1:</translation>
    </message>
    <message>
        <source>ATRIBUTY:</source>
        <translation>ATRIBUTY:</translation>
    </message>
    <message>
        <source>ZAVISLOSTI:</source>
        <translation>ZÁVISLOSTI:</translation>
    </message>
    <message>
        <source>KLICE:</source>
        <translation>KLÍČE:</translation>
    </message>
    <message>
        <source>NORMALNI FORMA:</source>
        <translation>NORMÁLNÍ FORMA:</translation>
    </message>
    <message>
        <source>Schema %1</source>
        <comment>a schema that joins the schemas numbered so, such as 3+5</comment>
        <translation>Schéma %1</translation>
    </message>
    <message>
        <source>Schema %1: %2</source>
        <comment>a schema numbered %1 that joins the schemas numbered so, such as 1+3</comment>
        <translation>Schéma %1: %2</translation>
    </message>
</context>
<context>
    <name>SynthesisExercise</name>
    <message>
        <source>Testovaci modul - Synteza</source>
        <translation>Testovací modul - Syntéza</translation>
    </message>
</context>
<context>
    <name>SynthesisWindow</name>
    <message>
        <source>Cervene schema je v 1 ci 2NF, zlute je schema v 3NF.</source>
        <translation>Červené schéma je v 1 či 2NF, žluté je schéma v 3NF.</translation>
    </message>
    <message>
        <source>Zluta zavislost porusuje 3NF, zelena BCNF</source>
        <translation>Žlutá závislost porušuje 3NF, zelená BCNF</translation>
    </message>
    <message>
        <source>Nejsou otevrena zadna schemata k tisku</source>
        <translation>Nejsou otevřena žádná schémata k tisku</translation>
    </message>
    <message>
        <source>Schemario - Synteza</source>
        <translation>Schemario - Syntéza</translation>
    </message>
    <message>
        <source>Rozlozeni podle stejnych &amp;levych stran</source>
        <translation>Rozložení podle stejných &amp;levých stran</translation>
    </message>
    <message>
        <source>Rozlozi na schemta podle stejnych levych stran zavislosti</source>
        <translation>Rozloží na schémata podle stejných levých stran závislostí</translation>
    </message>
    <message>
        <source>&amp;Ekvivalentni klice</source>
        <translation>&amp;Ekvivalentní klíče</translation>
    </message>
    <message>
        <source>Slouci schemata s ekvivalentnimi klici</source>
        <translation>Sloučí schémata s ekvivalentními klíči</translation>
    </message>
    <message>
        <source>&amp;Projekce</source>
        <translation>&amp;Projekce</translation>
    </message>
    <message>
        <source>Slouci schemata, ktera jsou projekci</source>
        <translation>Sloučí schémata, která jsou projekcí</translation>
    </message>
    <message>
        <source>&amp;Tisk</source>
        <translation>&amp;Tisk</translation>
    </message>
    <message>
        <source>Vytiskne vsechna schemata</source>
        <translation>Vytiskne všechna schémata</translation>
    </message>
    <message>
        <source>&amp;Vysledna schemata</source>
        <translation>&amp;Výsledná schémata</translation>
    </message>
    <message>
        <source>Vytiskne vysledna schemata</source>
        <translation>Vytiskne výsledná schémata</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Algoritmy</source>
        <translation>&amp;Algoritmy</translation>
    </message>
    <message>
        <source>Tisk</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Puvodni schema:</source>
        <translation>Původní schéma:</translation>
    </message>
    <message>
        <source>Redundantni zavislosti a atributy byly vymazany jiz pred zobrazenim formulare</source>
        <translation>Redundantní závislosti a atributy byly vymazány již před zobrazením formuláře</translation>
    </message>
    <message>
        <source>Sede kurzivou: schema nahrazene sloucenim nebo pohlcene projekci; ostatni schemata tvori vysledek.</source>
        <translation>Šedě kurzívou: schéma nahrazené sloučením nebo pohlcené projekcí; ostatní schémata tvoří výsledek.</translation>
    </message>
    <message>
        <source>Stejne leve strany:</source>
        <translation>Stejné levé strany:</translation>
    </message>
    <message>
        <source>Ekvivalentni klice:</source>
        <translation>Ekvivalentní klíče:</translation>
    </message>
    <message>
        <source>Projekce:</source>
        <translation>Projekce:</translation>
    </message>
    <message>
        <source>Atributy:</source>
        <translation>Atributy:</translation>
    </message>
    <message>
        <source>Zavislosti:</source>
        <translation>Závislosti:</translation>
    </message>
    <message>
        <source>Klice:</source>
        <translation>Klíče:</translation>
    </message>
    <message>
        <source>Nahrazeno: schema bylo sloucene nebo pohlcene</source>
        <translation>Nahrazeno: schéma bylo sloučené nebo pohlcené</translation>
    </message>
    <message>
        <source>&amp;Diagram zavislosti</source>
        <translation>&amp;Diagram závislostí</translation>
    </message>
    <message>
        <source>Synteza, schema %1</source>
        <translation>Syntéza, schéma %1</translation>
    </message>
    <message>
        <source>Obrazek schematu, jehoz podrobnosti jsou zobrazeny</source>
        <translation>Obrázek schématu, jehož podrobnosti jsou zobrazeny</translation>
    </message>
</context>
<context>
    <name>WrappingField</name>
    <message>
        <source>&amp;Kopirovat</source>
        <translation>&amp;Kopírovat</translation>
    </message>
</context>
</TS>
